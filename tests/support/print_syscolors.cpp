// Prints the 31 live system colors, one hexadecimal COLORREF a line. A process keeps the
// colors it has read, so the tests ask a fresh process what the platform holds now.
#include <windows.h>
#include <stdio.h>

int main()
{
    for (int i = 0; i < 31; i++)
        printf("%06lx\n", (unsigned long)GetSysColor(i));
    return 0;
}
