// The dialog procedure: initialisation, the four buttons, and the dispatch of the list's
// events to their handlers.
#include "main_dialog.h"
#include "color_text.h"
#include "resource.h"
#include "scheme.h"

#include <commctrl.h>

HINSTANCE g_hInstance;
HWND g_hwndList;
HMENU g_hmenuContext;
UINT g_cfColor;

// Prepares the dialog; ends it at once when the clipboard format cannot be registered.
static void OnInitDialog(HWND hDlg)
{
    g_cfColor = RegisterClipboardFormatA("COLORREF");
    if (!g_cfColor) {
        EndDialog(hDlg, 0);
        return;
    }
    g_hInstance = (HINSTANCE)GetWindowLongPtrA(hDlg, GWLP_HINSTANCE);

    HICON hiconBig = LoadIconA(g_hInstance, MAKEINTRESOURCEA(IDI_MAIN));
    SendMessageA(hDlg, WM_SETICON, ICON_BIG, (LPARAM)hiconBig);
    HANDLE hiconSmall = LoadImageA(g_hInstance, MAKEINTRESOURCEA(IDI_MAIN), IMAGE_ICON,
                                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                   LR_DEFAULTCOLOR);
    SendMessageA(hDlg, WM_SETICON, ICON_SMALL, (LPARAM)hiconSmall);

    g_hmenuContext = GetSubMenu(LoadMenuA(g_hInstance, MAKEINTRESOURCEA(IDR_CONTEXT)), 0);
    g_hwndList = GetDlgItem(hDlg, IDC_LIST);
    SubclassList(g_hwndList);
    InitColorList(g_hwndList);
}

// Tells the user that the scheme could not be saved; the edits stay in the list, so that
// Apply or OK can try again.
static void ShowSaveFailure(HWND hDlg)
{
    char caption[TEXT_BUFFER_SIZE];
    char text[TEXT_BUFFER_SIZE];
    GetWindowTextA(hDlg, caption, sizeof caption);
    if (!LoadStringA(g_hInstance, IDS_SAVE_FAILED, text, sizeof text))
        text[0] = '\0';
    MessageBoxA(hDlg, text, caption, MB_OK | MB_ICONEXCLAMATION);
}

// Saves and applies the scheme, then disables Apply until the next edit.
static void OnApply(HWND hDlg)
{
    if (!SaveColors(g_hwndList)) {
        ShowSaveFailure(hDlg);
        return;
    }
    HWND hwndApply = GetDlgItem(hDlg, IDC_APPLY);
    // A disabled control that keeps the focus would leave the dialog deaf to the keyboard.
    if (GetFocus() == hwndApply)
        SendMessageA(hDlg, WM_NEXTDLGCTL, 0, FALSE);
    EnableWindow(hwndApply, FALSE);
}

static void OnCommand(HWND hDlg, int id)
{
    switch (id) {
    case IDOK:
        if (SaveColors(g_hwndList))
            EndDialog(hDlg, 1);
        else
            ShowSaveFailure(hDlg);
        break;
    case IDCANCEL:
        EndDialog(hDlg, 0);
        break;
    case IDC_APPLY:
        OnApply(hDlg);
        break;
    case IDC_REFRESH:
        LoadColors(g_hwndList);
        break;
    case ID_COPY:
        CopySelectedRow(hDlg);
        break;
    case ID_PASTE:
        PasteToSelectedRow(hDlg);
        break;
    }
}

static void OnNotify(HWND hDlg, int idFrom, const NMHDR *header)
{
    if (idFrom == IDC_LIST && header->code == NM_DBLCLK)
        EditSelectedRow(hDlg);
}

static void OnDestroy()
{
    if (g_hmenuContext)
        DestroyMenu(g_hmenuContext);
    g_hmenuContext = NULL;
}

// Returns FALSE for every message, so that the dialog manager sets no default focus.
INT_PTR CALLBACK MainDlgProc(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog(hDlg);
        break;
    case WM_COMMAND:
        OnCommand(hDlg, LOWORD(wParam));
        break;
    case WM_NOTIFY:
        OnNotify(hDlg, (int)wParam, (const NMHDR *)lParam);
        break;
    case WM_CONTEXTMENU:
        ShowContextMenu(hDlg, (HWND)wParam, lParam);
        break;
    case WM_SYSCOLORCHANGE:
        // Only top-level windows hear of new system colors; the list caches its own.
        SendMessageA(g_hwndList, WM_SYSCOLORCHANGE, 0, 0);
        break;
    case WM_DESTROY:
        OnDestroy();
        break;
    }
    return FALSE;
}
