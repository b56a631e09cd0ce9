#pragma once

// The main window's template.
#define IDD_MAIN 101

#define IDC_ENTRIES 1001
#define IDC_AUTHOR 1002
#define IDC_DESCRIPTION 1003
#define IDC_GENERATE 1004
#define IDC_REGEX 1005
#define IDC_MATCH 1006
#define IDC_ICASE 1007
#define IDC_ENTRY_DESC 1008
#define IDC_CHOOSE_IMAGE 1009
#define IDC_SET_NAME 1010
#define IDC_IMAGE_PATH 1011
#define IDC_ADD 1012
#define IDC_REMOVE 1013
