/* Resource, control and command ids of Hueset. */
#pragma once

/* Resources */
#define IDD_MAIN        102
#define IDR_CONTEXT     103
#define IDI_MAIN        104

/* Strings */
#define IDS_NAME        1
#define IDS_VALUE       2
#define IDS_SAVE_FAILED 3

/* Controls (IDOK and IDCANCEL are the platform's) */
#define IDC_APPLY       1001
#define IDC_LIST        1002
#define IDC_REFRESH     1003

/* Commands */
#define ID_COPY         40001
#define ID_PASTE        40002
