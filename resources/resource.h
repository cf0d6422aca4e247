// resource.h: identifiers of the program's resources.
#pragma once

#define IDR_MAINFRAME       128

#define ID_APP_EXIT         0xE141

// The progress window of a utility run.
#define IDD_PROGRESS            510
#define IDC_PROGRESS_CANCEL     1024
#define IDC_PROGRESS_BAR        1025
#define IDC_PROGRESS_PERCENT    1026
#define IDS_HELP_PROGRESS       7700
#define IDS_HELP_PROGRESS_PERCENT 7701
#define IDS_HELP_PROGRESS_BAR   7702
#define IDS_HELP_PROGRESS_CANCEL 7703
