// One-time set-up of the list control, then the first load.
#include "main_dialog.h"
#include "scheme.h"

int InitColorList(HWND hwndList)
{
    PrepareColorList(hwndList);
    return LoadColors(hwndList);
}
