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

// The settings dialog with a tree of pages (base of the preferences and the
// system configuration dialogs).
#define IDD_SETTINGS                30003
#define IDC_SETTINGS_TREE           30004
#define IDC_SETTINGS_FRAME          30005
#define IDC_SETTINGS_CAPTION        30006
#ifndef ID_APPLY_NOW
#define ID_APPLY_NOW                0x3021
#endif
#define IDS_HELP_SETTINGS           30193
#define IDS_HELP_SETTINGS_TREE      30194
#define IDS_HELP_SETTINGS_FRAME     30195
#define IDS_HELP_SETTINGS_CAPTION   30196

// The find and find/replace dialog.
#define IDD_FINDREP                 562
#define IDC_FINDREP_DIRECTION       1794
#define IDC_FINDREP_FIND            1804
#define IDC_FINDREP_WHOLEWORD       1805
#define IDC_FINDREP_MATCHCASE       1806
#define IDC_FINDREP_HEX             1807
#define IDC_FINDREP_REPLACE         1808
#define IDC_FINDREP_UP              1811
#define IDC_FINDREP_DOWN            1812
#define IDC_FINDREP_HOW             1813
#define IDC_FINDREP_REPLACE_BTN     1815
#define IDC_FINDREP_REPLACE_ALL     1816
#define IDC_FINDREP_REGEX           1817
#define IDC_FINDREP_REPLACE_LABEL   1818
#define IDC_FINDREP_FIND_NEXT       1820
#define IDC_FINDREP_CANCEL          1821
#define IDC_FINDREP_SELONLY         1840
#define IDC_FINDREP_WRAP            1841
#define IDS_HELP_FINDREP            8050
