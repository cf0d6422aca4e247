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

// The parse-errors dialog of a configuration file.
#define IDD_CONFIG_PARSE_ERRORS     538
#define IDC_PARSE_ERRORS_TEXT       1184
#define IDC_PARSE_ERRORS_IGNORE     1340
#define IDC_PARSE_ERRORS_EDIT       1182
#define IDC_PARSE_ERRORS_RETRY      1331
#define IDC_PARSE_ERRORS_CANCEL     1332
#define IDR_PARSE_ERRORS_MENU       311
#define IDS_HELP_PARSE_ERRORS        7900
#define IDS_HELP_PARSE_ERRORS_TEXT   7901
#define IDS_HELP_PARSE_ERRORS_IGNORE 7902
#define IDS_HELP_PARSE_ERRORS_EDIT   7903
#define IDS_HELP_PARSE_ERRORS_RETRY  7904
#define IDS_HELP_PARSE_ERRORS_CANCEL 7905
#ifndef ID_EDIT_COPY
#define ID_EDIT_COPY                0xE122
#endif
