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

// The device-list bar, its menus and images.
#define IDD_DEVLIST_BAR             403
#define IDC_DEVLIST_TREE            1540
#define IDB_DEVLIST_IMAGES          102
#define IDR_DEVLIST_DEVICE_MENU     312
#define IDR_DEVLIST_CLASS_MENU      313
#define IDR_DEVLIST_MENU_IMAGES     315
#define IDR_BAR_MENU                317
#define ID_DEVLIST_DETACH           33047
#define ID_DEVLIST_RENAME           33048
#define ID_DEVLIST_REINIT           33049
#define ID_DEVLIST_ATTENTION        33051
#define ID_DEVLIST_ADD              33053
#define ID_DEVLIST_TRACE_CCWS       33111
#define ID_DEVLIST_SUBCHANNEL_STATUS 33113
#define ID_DEVLIST_LOAD_TAPE        33117
#define ID_DEVLIST_UNLOAD_TAPE      33118
#define ID_DEVLIST_STOP             35056
#define ID_DEVLIST_START            35057
#define ID_DEVLIST_LOAD_CARDS       35164
#define ID_BAR_CLOSE                33130
#define ID_BAR_PROPERTIES           35041
#define ID_VIEW_DEVLIST_BAR         34443
#define IDS_HELP_DEVLIST_BAR        12300
#define IDS_HELP_DEVLIST_TREE       12301

// The select-device and device-interrupt dialogs.
#define IDD_DEVINT                  536
#define IDD_SELECT_DEVICE           539
#define IDC_DEVICE_PROMPT           1152
#define IDC_SELDEV_LABEL            1193
#define IDC_SELDEV_COMBO            1191
#define IDC_DEVINT_DEVNUM_LABEL     1716
#define IDC_DEVINT_DEVNUM           1111
#define IDC_DEVINT_LOADPARM_LABEL   1333
#define IDC_DEVINT_LOADPARM         1137
#define IDC_DEVINT_DONT_ASK         1217
#define IDS_HELP_SELECT_DEVICE      7800
#define IDS_HELP_SELDEV_COMBO       7801
#define IDS_HELP_DEVINT             7650
#define IDS_HELP_DEVINT_DEVNUM      17001
#define IDS_HELP_DEVINT_LOADPARM    7653
#define IDS_HELP_DEVINT_DONT_ASK    7655
#define IDS_HELP_DEVICE_PROMPT      17064

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
