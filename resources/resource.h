// resource.h: identifiers of the program's resources.
#pragma once

// The system configuration dialog and its pages.
#include "SysConfigRes.h"

// The device definition dialogs.
#include "DeviceDialogsRes.h"

// The main frame: icon, menu, accelerators and title; the document template.
#define IDR_MAINFRAME       301

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

// The system-menu item of a floating bar's frame that hides the bar.
#define AFX_IDS_HIDE                0xF11A

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

// ---- the main window ------------------------------------------------------

// Device-class icons (g_hDevClassIcons), the splash bitmap, the menu images.
#define IDI_DEV_CARD            303
#define IDI_DEV_COMM            304
#define IDI_DEV_CONSOLE         305
#define IDI_DEV_DISK            306
#define IDI_DEV_DISPLAY         307
#define IDI_DEV_PRINTER         308
#define IDI_DEV_TAPE            309
#define IDB_SPLASH              131
#define IDR_MENU_IMAGES         315

// The templates of the bars whose dialogs come later (shown empty).
#define IDD_CMDLINE_BAR         401
#define IDD_CONTROLS_BAR        402
#define IDD_STATUSLINE_BAR      404
#define IDD_FPREGS32_BAR        405
#define IDD_REGS32_BAR          406
#define IDD_REGS64_BAR          407
#define IDD_STORAGE_BAR         408
#define IDD_VREGS_BAR           409
#define IDD_CPUPCT_BAR          800

// The operator control panel bar (402): its buttons, meter, digits, dials
// and lamp pairs; the panel's buttons reach the main frame as commands.
#define IDC_PANEL_START         1500
#define IDC_PANEL_STOP          1501
#define IDC_PANEL_STORE         1502
#define IDC_PANEL_RESTART       1503
#define IDC_PANEL_METER         1504
#define IDC_PANEL_DIGIT1        1505
#define IDC_PANEL_DIGIT2        1506
#define IDC_PANEL_DIGIT3        1507
#define IDC_PANEL_DIGIT4        1508
#define IDC_PANEL_DIAL1         1509
#define IDC_PANEL_DIAL2         1510
#define IDC_PANEL_DIAL3         1511
#define IDC_PANEL_DIAL4         1512
#define IDC_PANEL_SYSON         1513
#define IDC_PANEL_SYSOFF        1514
#define IDC_PANEL_MANON         1515
#define IDC_PANEL_MANOFF        1516
#define IDC_PANEL_WAITON        1517
#define IDC_PANEL_WAITOFF       1518
#define IDC_PANEL_LOADON        1519
#define IDC_PANEL_LOADOFF       1520
#define IDC_PANEL_POWERONOFF    1521
#define IDC_PANEL_POWERONON     1522
#define IDC_PANEL_POWEROFF      1523
#define IDC_PANEL_LOAD          1524
#define IDC_PANEL_INTERRUPT     1525
#define IDS_HELP_CONTROLS_BAR   12200

// The CPU busy-percentage bar (800): row n is 2400 + n (engine label),
// 2500 + n (meter) and 2600 + n (percentage).
#define IDC_CPUPCT_ENGINE0      2400
#define IDC_CPUPCT_METER0       2500
#define IDC_CPUPCT_PERCENT0     2600
#define IDS_HELP_CPUPCT_BAR     12250

#ifndef IDC_STATIC
#define IDC_STATIC              (-1)
#endif

// The About box.
#define IDD_ABOUTBOX            501
#define IDC_ABOUT_VERSION       1185
#define IDC_ABOUT_COPYRIGHT     1186
#define IDC_ABOUT_SUPPORT       1187
#define IDC_ABOUT_EMULATOR      1188
#define IDC_ABOUT_EMU_COPYRIGHT 1189
#define IDC_ABOUT_CREDITS       1190
#define IDC_ABOUT_EMU_SUPPORT   1322
#define IDC_ABOUT_DIAL          1509
#define IDC_ABOUT_POWEROFF      1523
#define IDC_ABOUT_LOAD          1524
#define IDS_HELP_ABOUT          8000

// Context menus: the status bar's and the VMFPLC2 control-file list's.
#define IDR_STATUSBAR_MENU      319
#define IDR_VMFPLC2_MENU        321

// Edit commands of the framework's range.
#define ID_EDIT_CLEAR           0xE120
#define ID_EDIT_CUT             0xE123
#define ID_EDIT_FIND            0xE124
#define ID_EDIT_PASTE           0xE125
#define ID_EDIT_SELECT_ALL      0xE12A
#define ID_EDIT_UNDO            0xE12B
#define ID_EDIT_REDO            0xE12C
#define ID_VIEW_STATUS_BAR      0xE801

// File and configuration commands.
#define ID_CONFIG_NEW           33081
#define ID_CONFIG_OPEN          33082
#define ID_CONFIG_REOPEN        33116
#define ID_CONFIG_CLOSE         33101
#define ID_CONFIG_SAVE          33094
#define ID_CONFIG_SAVE_AS       33123
#define ID_CONFIG_SETTINGS      33079
#define ID_CONFIG_DEVICES       33095
#define ID_CONFIG_MANUAL_EDIT   33119

// Operations.
#define ID_OPS_POWER_ON         33083
#define ID_OPS_POWER_OFF        33084
#define ID_OPS_IPL              33085
#define ID_OPS_START_ALL        33086
#define ID_OPS_STOP_ALL         33087
#define ID_OPS_INTERRUPT        33088
#define ID_OPS_STORE_STATUS     33089
#define ID_OPS_PSW_RESTART      33090
#define ID_OPS_DEVICE_INTERRUPT 33080
#define ID_OPS_LOAD_READER      33098
#define ID_OPS_LOAD_TAPE        33099
#define ID_OPS_UNLOAD_TAPE      33100

// View > bars: one toggle a bar, then Dock (35101-35114) and Float
// (35121-35134) in the order of the bars' context menus.
#define ID_VIEW_CMDLINE_BAR     34441
#define ID_VIEW_CONTROLS_BAR    34442
#define ID_VIEW_DEVLIST_BAR     34443
#define ID_VIEW_STATUSLINE_BAR  34444
#define ID_VIEW_GREGS_BAR       34451
#define ID_VIEW_CREGS_BAR       34452
#define ID_VIEW_AREGS_BAR       34453
#define ID_VIEW_FREGS_BAR       34454
#define ID_VIEW_GREGS64_BAR     34461
#define ID_VIEW_CREGS64_BAR     34462
#define ID_VIEW_FREGS64_BAR     34463
#define ID_VIEW_STORAGE_BAR     34464
#define ID_VIEW_CPUPCT_BAR      34465
#define ID_VIEW_VREGS_BAR       34466
#define ID_DOCK_FIRST           35101
#define ID_DOCK_LAST            35114
#define ID_FLOAT_FIRST          35121
#define ID_FLOAT_LAST           35134
// Each bar's window id, and its Dock and Float commands (its context menu's
// first items, also in the View menu's ranges above).
#define IDW_CMDLINE_BAR             59501
#define IDW_CONTROLS_BAR            59502
#define IDW_DEVLIST_BAR             59503
#define IDW_STATUSLINE_BAR          59504
#define IDW_GREGS_BAR               59511
#define IDW_CREGS_BAR               59512
#define IDW_AREGS_BAR               59513
#define IDW_FREGS_BAR               59514
#define IDW_GREGS64_BAR             59521
#define IDW_CREGS64_BAR             59522
#define IDW_FREGS64_BAR             59523
#define IDW_STORAGE_BAR             59524
#define IDW_CPUPCT_BAR              59525
#define IDW_VREGS_BAR               59526
#define ID_DOCK_DEVLIST_BAR         35101
#define ID_DOCK_CONTROLS_BAR        35102
#define ID_DOCK_STATUSLINE_BAR      35103
#define ID_DOCK_CMDLINE_BAR         35104
#define ID_DOCK_CPUPCT_BAR          35105
#define ID_DOCK_STORAGE_BAR         35106
#define ID_DOCK_GREGS_BAR           35107
#define ID_DOCK_CREGS_BAR           35108
#define ID_DOCK_AREGS_BAR           35109
#define ID_DOCK_FREGS_BAR           35110
#define ID_DOCK_GREGS64_BAR         35111
#define ID_DOCK_CREGS64_BAR         35112
#define ID_DOCK_FREGS64_BAR         35113
#define ID_DOCK_VREGS_BAR           35114
#define ID_FLOAT_DEVLIST_BAR        35121
#define ID_FLOAT_CONTROLS_BAR       35122
#define ID_FLOAT_STATUSLINE_BAR     35123
#define ID_FLOAT_CMDLINE_BAR        35124
#define ID_FLOAT_CPUPCT_BAR         35125
#define ID_FLOAT_STORAGE_BAR        35126
#define ID_FLOAT_GREGS_BAR          35127
#define ID_FLOAT_CREGS_BAR          35128
#define ID_FLOAT_AREGS_BAR          35129
#define ID_FLOAT_FREGS_BAR          35130
#define ID_FLOAT_GREGS64_BAR        35131
#define ID_FLOAT_CREGS64_BAR        35132
#define ID_FLOAT_FREGS64_BAR        35133
#define ID_FLOAT_VREGS_BAR          35134

// The bars' and the status bar's context menus.
#define ID_STATUSBAR_CLOSE      33140
#define ID_STATUSBAR_COPY       33142
#define ID_SHOW_ON_STATUSBAR    33143
#define ID_STATUSBAR_PROPERTIES 35050

// The VMFPLC2 control-file list.
#define ID_PLC2_INSERT_COMMENT  33300
#define ID_PLC2_INSERT_TAPEMARK 35169
#define ID_PLC2_MANUAL_EDIT     33301
#define ID_PLC2_VISUAL_EDIT     35170

// Help.
#define ID_HELP_CONTENTS        33121
#define ID_HELP_DOCUMENTATION   33124
#define ID_HELP_DASD_CHART      33041
#define ID_HELP_REPORT_BUG      35022

// Status bar: the system-status panes, their prompts and balloon texts.
#define ID_INDICATOR_PSW        205
#define ID_INDICATOR_PSW_FLAGS  206
#define ID_INDICATOR_INSTCOUNT  207
#define ID_INDICATOR_MIPS       208
#define ID_INDICATOR_SIOS       209
#define IDS_STATUS_PART_PROMPT  1542
#define IDS_HELP_STATUS_BAR     16950
#define IDS_HELP_INDICATOR_PSW  17043

// The Utilities menu: one command and one dialog template per utility.
#define ID_UTIL_WIDENVOL        35166
#define ID_UTIL_VOLMAKE         33026
#define ID_UTIL_VOLRECAST       33126
#define ID_UTIL_VOLCLONE        33122
#define ID_UTIL_VOLBUILD        33027
#define ID_UTIL_VOLPATCH        33032
#define ID_UTIL_VOLLIST         33039
#define ID_UTIL_VOLSHOW         33109
#define ID_UTIL_VOLUNLOAD       33040
#define ID_UTIL_VOLIDENT        35172
#define ID_UTIL_VOLEXTRACT      35173
#define ID_UTIL_MAPIMPORT       33114
#define ID_UTIL_PACKCHECK       33033
#define ID_UTIL_PACKPROBE       35020
#define ID_UTIL_PACKSQUEEZE     33034
#define ID_UTIL_PACKLAYOUT      35171
#define ID_UTIL_PACKFLIP        33115
#define ID_UTIL_REELBUILD       35165
#define ID_UTIL_REELSCAN        33035
#define ID_UTIL_REELDIVIDE      33038
#define ID_UTIL_REELDUB         33104
#define ID_UTIL_VMFPLC2         35167
#define ID_UTIL_REELBLANK       33036
#define ID_UTIL_REELINFO        33030
#define ID_UTIL_REELREPACK      33031
#define ID_UTIL_REELFETCH       33037
#define IDD_WIDENVOL             811
#define IDD_VOLMAKE              509
#define IDD_VOLRECAST            557
#define IDD_VOLCLONE             554
#define IDD_VOLBUILD             511
#define IDD_VOLPATCH             517
#define IDD_VOLLIST              525
#define IDD_VOLSHOW              544
#define IDD_VOLUNLOAD            526
#define IDD_VOLIDENT             818
#define IDD_VOLEXTRACT           819
#define IDD_MAPIMPORT            549
#define IDD_PACKCHECK            518
#define IDD_PACKPROBE            560
#define IDD_PACKSQUEEZE          519
#define IDD_PACKLAYOUT           816
#define IDD_PACKFLIP             550
#define IDD_REELBUILD            810
#define IDD_REELSCAN             520
#define IDD_REELDIVIDE           523
#define IDD_REELDUB              540
#define IDD_VMFPLC2              812
#define IDD_REELBLANK            521
#define IDD_REELINFO             515
#define IDD_REELREPACK           516
#define IDD_REELFETCH            522
// The controls the utility dialogs share.
#define IDC_UTIL_INPUT_FILE     1028
#define IDC_UTIL_INPUT_BROWSE   1032
#define IDC_UTIL_FILE_ADD       1080
#define IDC_UTIL_FILE_REMOVE    1081
#define IDC_UTIL_FILE_UP        1082
#define IDC_UTIL_FILE_DOWN      1083
#define IDC_UTIL_CKD64          1435
#define IDC_UTIL_DESCRIPTION    1768
#define IDC_UTIL_INPUT_GROUP    1778
// The image copy dialogs (WidenVol, VolRecast): output, groups and options.
#define IDC_UTIL_OUTPUT_FILE    1029
#define IDC_UTIL_OUTPUT_DIR     1116
#define IDC_UTIL_OUTPUT_DIR_BROWSE 1076
#define IDC_UTIL_OUTPUT_FILE_BROWSE 1077
#define IDC_UTIL_OPTIONS_GROUP  1720
#define IDC_UTIL_OUTPUT_GROUP   1732
#define IDC_UTIL_INPUT_GROUP2   1733
#define IDC_UTIL_REPLACE        1368
#define IDC_UTIL_LARGE_FILE     1369
#define IDC_UTIL_VERBOSE        1053
#define IDC_UTIL_QUIET          3376
#define IDS_HELP_WIDENVOL       7410
#define IDS_HELP_VOLRECAST      7411
#define IDS_HELP_UTIL_OUTPUT_DIR 7412
#define IDS_HELP_UTIL_OUTPUT_DIR_BROWSE 7413
#define IDS_HELP_UTIL_OUTPUT_FILE 7414
#define IDS_HELP_UTIL_OUTPUT_FILE_BROWSE 7415
#define IDS_HELP_UTIL_OPTIONS   7416
#define IDS_HELP_UTIL_REPLACE   7417
#define IDS_HELP_UTIL_LARGE_FILE 7418
#define IDS_HELP_UTIL_QUIET     7419
#define IDS_HELP_UTIL_VERBOSE   7420
#define IDS_HELP_UTIL_CKD64     7421
// VolBuild: compression, alternates and the message level.
#define IDC_UTIL_MSG_LEVEL      1027
#define IDC_UTIL_ZLIB           1040
#define IDC_UTIL_BZIP2          1042
#define IDC_UTIL_ALT_CYLS       1370
#define IDC_UTIL_COMPRESS       1371
#define IDC_UTIL_ALGORITHM_LABEL 1378
#define IDC_UTIL_ALGORITHM_END  1379
#define IDC_UTIL_MSG_LEVEL_LABEL 1780
#define IDS_HELP_VOLBUILD       7422
#define IDS_HELP_UTIL_CONTROL_FILE 7423
#define IDS_HELP_UTIL_ALT_CYLS  7424
#define IDS_HELP_UTIL_COMPRESS  7425
#define IDS_HELP_UTIL_ZLIB      7426
#define IDS_HELP_UTIL_BZIP2     7427
#define IDS_HELP_UTIL_MSG_LEVEL 7428
// VolMake: model and size, the VOL1 label, Linux format, compression method.
#define IDC_UTIL_DEV_MODEL      1017
#define IDC_UTIL_VOLSER         1018
#define IDC_UTIL_SIZE           1019
#define IDC_UTIL_ALT_SHOWN      1022
#define IDC_UTIL_TOTAL          1023
#define IDC_UTIL_COMPRESS_USING 1041
#define IDC_UTIL_SIZE_SPIN      1276
#define IDC_UTIL_ALT_SIZE       1277
#define IDC_UTIL_METHOD_ZLIB    1278
#define IDC_UTIL_METHOD_BZIP2   1279
#define IDC_UTIL_METHOD_NONE    1280
#define IDC_UTIL_VOL1_LABEL     1433
#define IDC_UTIL_LINUX          1434
#define IDC_UTIL_DEVICE_GROUP   1734
#define IDS_HELP_VOLMAKE        7429
#define IDS_HELP_UTIL_DEV_MODEL 7430
#define IDS_HELP_UTIL_SIZE      7431
#define IDS_HELP_UTIL_ALT_SHOWN 7432
#define IDS_HELP_UTIL_TOTAL     7433
#define IDS_HELP_UTIL_ALT_SIZE  7434
#define IDS_HELP_UTIL_VOLSER    7435
#define IDS_HELP_UTIL_VOL1      7436
#define IDS_HELP_UTIL_LINUX     7437
#define IDS_HELP_UTIL_METHOD_NONE 7438
#define IDS_HELP_UTIL_DEVICE    7439
// VolClone: the optional shadow file.
#define IDC_UTIL_SHADOW_FILE    1031
#define IDC_UTIL_SHADOW_BROWSE  1033
#define IDS_HELP_VOLCLONE       7440
#define IDS_HELP_UTIL_SHADOW_FILE 7441
#define IDS_HELP_UTIL_SHADOW_BROWSE 7442
// The DASD geometry chart (Help menu): template, text, context menu, help.
#define IDD_DASD_GEOMETRY_CHART  527
#define IDC_DASD_CHART_TEXT     1089
#define IDR_DASD_CHART_MENU      323
#define IDS_HELP_DASD_CHART     7443
#define IDS_HELP_DASD_CHART_TEXT 7444
// Balloon help of the one-file utility dialogs.
#define IDS_HELP_PACKFLIP       7400
#define IDS_HELP_VOLPATCH       7401
#define IDS_HELP_MAPIMPORT      7402
#define IDS_HELP_REELSCAN       7403
#define IDS_HELP_UTIL_DISK_INPUT 7404
#define IDS_HELP_UTIL_DISK_BROWSE 7405
#define IDS_HELP_UTIL_MAP_INPUT 7406
#define IDS_HELP_UTIL_TAPE_INPUT 7407
#define IDS_HELP_UTIL_TAPE_BROWSE 7408
#define IDS_HELP_UTIL_DESCRIPTION 7409
// The compressed-image check and maintenance dialogs (PackCheck,
// PackSqueeze, PackProbe, PackLayout) and VolIdent.
#define IDC_UTIL_FILE_LIST      1086
#define IDC_PACKCHECK_LEVEL_GROUP 1827
#define IDC_PACKCHECK_LEVEL0    1824
#define IDC_PACKCHECK_LEVEL1    1828
#define IDC_PACKCHECK_LEVEL2    1829
#define IDC_PACKCHECK_LEVEL3    1825
#define IDC_PACKCHECK_LEVEL4    1250
#define IDC_PACKCHECK_LEVEL0_TEXT 1830
#define IDC_PACKCHECK_LEVEL1_TEXT 1831
#define IDC_PACKCHECK_LEVEL2_TEXT 1832
#define IDC_PACKCHECK_LEVEL3_TEXT 1833
#define IDC_PACKCHECK_READONLY  1061
#define IDC_PACKCHECK_FORCE     1826
#define IDC_PACKSQUEEZE_LEVEL   1060
#define IDC_PACKSQUEEZE_LEVEL_LABEL 1782
#define IDC_PACKSQUEEZE_LEVEL0_TEXT 1785
#define IDC_PACKSQUEEZE_LEVEL1_TEXT 1784
#define IDC_PACKSQUEEZE_LEVEL3_TEXT 1730
#define IDC_PACKPROBE_DEVHDR    1611
#define IDC_PACKPROBE_CDEVHDR   1613
#define IDC_PACKPROBE_L1TAB     1614
#define IDC_PACKPROBE_L2TAB     1620
#define IDC_PACKPROBE_TRKSUM    1621
#define IDC_PACKPROBE_HEXDUMP   1622
#define IDC_PACKPROBE_CCHH      1627
#define IDC_PACKPROBE_CYL       1608
#define IDC_PACKPROBE_HEAD      1609
#define IDC_PACKPROBE_TT        1628
#define IDC_PACKPROBE_TRACK     1610
#define IDC_PACKPROBE_RAW       1629
#define IDC_PACKPROBE_OFFSET    1623
#define IDC_PACKPROBE_LENGTH    1625
#define IDC_PACKPROBE_DEBUG     1615
#define IDC_PACKPROBE_CYL_LABEL 1630
#define IDC_PACKPROBE_HEAD_LABEL 1631
#define IDC_PACKPROBE_TRACK_LABEL 1632
#define IDC_PACKPROBE_OFFSET_LABEL 1633
#define IDC_PACKPROBE_LENGTH_LABEL 1634
#define IDC_PACKPROBE_CCHH_GROUP 1786
#define IDC_PACKPROBE_TT_GROUP  1787
#define IDC_PACKPROBE_RAW_GROUP 1788
#define IDC_PACKLAYOUT_SUMMARY  3434
#define IDC_PACKLAYOUT_TRACKDATA 3433
#define IDC_VOLIDENT_SERIAL     3427
#define IDS_HELP_PACKCHECK      7300
#define IDS_HELP_PACKSQUEEZE    7301
#define IDS_HELP_PACKPROBE      7302
#define IDS_HELP_PACKLAYOUT     7303
#define IDS_HELP_VOLIDENT       7304
#define IDS_HELP_UTIL_LIST_FILENAME 7305
#define IDS_HELP_UTIL_LIST_BROWSE 7306
#define IDS_HELP_UTIL_LIST_ADD  7307
#define IDS_HELP_UTIL_LIST_REMOVE 7308
#define IDS_HELP_UTIL_LIST_UP   7309
#define IDS_HELP_UTIL_LIST_DOWN 7310
#define IDS_HELP_UTIL_LIST      7311
#define IDS_HELP_PACKCHECK_LEVEL0 7312
#define IDS_HELP_PACKCHECK_LEVEL1 7313
#define IDS_HELP_PACKCHECK_LEVEL2 7314
#define IDS_HELP_PACKCHECK_LEVEL3 7315
#define IDS_HELP_PACKCHECK_LEVEL4 7316
#define IDS_HELP_PACKCHECK_LEVELS 7317
#define IDS_HELP_PACKCHECK_READONLY 7318
#define IDS_HELP_PACKCHECK_FORCE 7319
#define IDS_HELP_PACKSQUEEZE_LEVEL 7320
#define IDS_HELP_PACKSQUEEZE_LEVEL0 7321
#define IDS_HELP_PACKSQUEEZE_LEVEL1 7322
#define IDS_HELP_PACKSQUEEZE_LEVEL3 7323
#define IDS_HELP_PACKPROBE_INPUT 7324
#define IDS_HELP_PACKPROBE_DEVHDR 7325
#define IDS_HELP_PACKPROBE_CDEVHDR 7326
#define IDS_HELP_PACKPROBE_L1TAB 7327
#define IDS_HELP_PACKPROBE_L2TAB 7328
#define IDS_HELP_PACKPROBE_TRKSUM 7329
#define IDS_HELP_PACKPROBE_HEXDUMP 7330
#define IDS_HELP_PACKPROBE_CCHH 7331
#define IDS_HELP_PACKPROBE_CYL  7332
#define IDS_HELP_PACKPROBE_HEAD 7333
#define IDS_HELP_PACKPROBE_TT   7334
#define IDS_HELP_PACKPROBE_TRACK 7335
#define IDS_HELP_PACKPROBE_RAW  7336
#define IDS_HELP_PACKPROBE_OFFSET 7337
#define IDS_HELP_PACKPROBE_LENGTH 7338
#define IDS_HELP_PACKPROBE_DEBUG 7339
#define IDS_HELP_PACKLAYOUT_SUMMARY 7340
#define IDS_HELP_PACKLAYOUT_TRACKDATA 7341
#define IDS_HELP_PACKLAYOUT_VERBOSE 7342
#define IDS_HELP_VOLIDENT_SERIAL 7343
// VolShow: image, shadow, data set, what to show and how.
#define IDC_VOLSHOW_SHADOW          1031
#define IDC_VOLSHOW_SHADOW_BROWSE   1033
#define IDC_VOLSHOW_MEMBER          1034
#define IDC_VOLSHOW_ASCII           1069
#define IDC_VOLSHOW_DATASET         1286
#define IDC_VOLSHOW_CARDS           1288
#define IDC_VOLSHOW_ALL_MEMBERS     1289
#define IDC_VOLSHOW_ONE_MEMBER      1290
#define IDC_VOLSHOW_LIST_MEMBERS    1291
#define IDC_VOLSHOW_SHOW_CONTENTS   1292
#define IDC_VOLSHOW_CONTENTS_GROUP  1293
#define IDC_VOLSHOW_DISPLAY_LABEL   1294
#define IDC_VOLSHOW_RUN_GROUP       1295
#define IDC_VOLSHOW_IMAGE_LABEL     3501
#define IDC_VOLSHOW_SHADOW_LABEL    3502
#define IDC_VOLSHOW_DATASET_LABEL   3503
#define IDS_HELP_VOLSHOW            7550
#define IDS_HELP_VOLSHOW_IMAGE      7551
#define IDS_HELP_VOLSHOW_SHADOW     7552
#define IDS_HELP_VOLSHOW_SHADOW_BROWSE 7553
#define IDS_HELP_VOLSHOW_DATASET    7554
#define IDS_HELP_VOLSHOW_RUN        7555
#define IDS_HELP_VOLSHOW_LIST_MEMBERS 7556
#define IDS_HELP_VOLSHOW_SHOW_CONTENTS 7557
#define IDS_HELP_VOLSHOW_ALL_MEMBERS 7558
#define IDS_HELP_VOLSHOW_ONE_MEMBER 7559
#define IDS_HELP_VOLSHOW_ASCII      7560
#define IDS_HELP_VOLSHOW_CARDS      7561
// VolExtract: image, shadow, output folder, data set and record format.
#define IDC_VOLEXTRACT_SHADOW       1029
#define IDC_VOLEXTRACT_DATASET      1030
#define IDC_VOLEXTRACT_SHADOW_BROWSE 1033
#define IDC_VOLEXTRACT_ASCII        1069
#define IDC_VOLEXTRACT_RECORD       3438
#define IDC_VOLEXTRACT_SHADOW_LABEL 3439
#define IDC_VOLEXTRACT_DATASET_LABEL 3440
#define IDS_HELP_VOLEXTRACT         7562
#define IDS_HELP_VOLEXTRACT_IMAGE   7563
#define IDS_HELP_VOLEXTRACT_OUTPUT_DIR 7564
#define IDS_HELP_VOLEXTRACT_DATASET 7565
#define IDS_HELP_VOLEXTRACT_ASCII   7566
#define IDS_HELP_VOLEXTRACT_RECORD  7567
// VolUnload: image, shadow, the partitioned data set, text or binary, folder.
#define IDC_VOLUNLOAD_PDS           1030
#define IDC_VOLUNLOAD_SHADOW        1031
#define IDC_VOLUNLOAD_SHADOW_BROWSE 1033
#define IDC_VOLUNLOAD_BINARY        1087
#define IDC_VOLUNLOAD_ASCII         1088
#define IDC_VOLUNLOAD_SHADOW_GROUP  1736
#define IDC_VOLUNLOAD_PDS_LABEL     1781
#define IDS_HELP_VOLUNLOAD          7570
#define IDS_HELP_VOLUNLOAD_IMAGE    7571
#define IDS_HELP_VOLUNLOAD_PDS      7572
#define IDS_HELP_VOLUNLOAD_ASCII    7573
#define IDS_HELP_VOLUNLOAD_BINARY   7574
#define IDS_HELP_VOLUNLOAD_OUTPUT_DIR 7575
#define IDS_HELP_VOLUNLOAD_OUTPUT_BROWSE 7576
// VolList: the ordered list of images with their shadows, and the switches.
#define IDC_VOLLIST_SHADOW          1029
#define IDC_VOLLIST_SHADOW_BROWSE   1033
#define IDC_VOLLIST_FILES           1086
#define IDC_VOLLIST_YEARS           1142
#define IDC_VOLLIST_YEARS_SPIN      1143
#define IDC_VOLLIST_CCHH            1627
#define IDC_VOLLIST_HEADERS         3284
#define IDC_VOLLIST_FORMAT1         3285
#define IDC_VOLLIST_DSN_COLS        3286
#define IDC_VOLLIST_COLUMNS         3287
#define IDC_VOLLIST_COLUMNS_SPIN    3288
#define IDC_VOLLIST_COLUMNS_UNIT    3289
#define IDC_VOLLIST_CALDATE         3290
#define IDC_VOLLIST_REFDATE         3291
#define IDC_VOLLIST_EXPDATE         3292
#define IDC_VOLLIST_YEAR_OFFSET     3293
#define IDC_VOLLIST_YEARS_UNIT      3294
#define IDC_VOLLIST_NOSORT          3438
#define IDC_VOLLIST_SHADOW_LABEL    3441
#define IDC_VOLLIST_INPUT_GROUP     3442
#define IDS_HELP_VOLLIST            7577
#define IDS_HELP_VOLLIST_INPUT      7578
#define IDS_HELP_VOLLIST_FILES      7579
#define IDS_HELP_VOLLIST_ADD        7580
#define IDS_HELP_UTIL_FILE_REMOVE   7581
#define IDS_HELP_UTIL_FILE_UP       7582
#define IDS_HELP_UTIL_FILE_DOWN     7583
#define IDS_HELP_VOLLIST_HEADERS    7584
#define IDS_HELP_VOLLIST_FORMAT1    7585
#define IDS_HELP_VOLLIST_DSN_COLS   7586
#define IDS_HELP_VOLLIST_YEAR_OFFSET 7587
#define IDS_HELP_VOLLIST_CCHH       7588
#define IDS_HELP_VOLLIST_CALDATE    7589
#define IDS_HELP_VOLLIST_REFDATE    7590
#define IDS_HELP_VOLLIST_EXPDATE    7591
#define IDS_HELP_VOLLIST_NOSORT     7592

// Framework commands the menus name.
#ifndef ID_APP_ABOUT
#define ID_APP_ABOUT            0xE140
#endif
#ifndef ID_HELP
#define ID_HELP                 0xE146
#endif
#ifndef ID_FILE_MRU_FILE1
#define ID_FILE_MRU_FILE1       0xE110
#endif

// The storage display/alter bar (template IDD_STORAGE_BAR): its controls
// (each also the string of its prompt and tooltip) and balloon texts.
#define IDC_STORAGE_HEXEDIT         1600
#define IDC_STORAGE_ADDRESS         1601
#define IDC_STORAGE_INTERVAL        1814
#define IDC_STORAGE_AUTOREFRESH     3244
#define IDS_HELP_STORAGE_BAR        12350
#define IDS_HELP_STORAGE_ADDRESS    12351
#define IDS_HELP_STORAGE_HEXEDIT    12352
#define IDS_HELP_STORAGE_AUTOREFRESH 12353
#define IDS_HELP_STORAGE_INTERVAL   12354

// ---- the preferences dialog -------------------------------------------------

// Its window placement is kept under this id; its page captions and title.
#define IDD_PREFERENCES             708
#define IDS_PREFS_TITLE             210
#define IDS_PREFS_DIRS              211
#define IDS_PREFS_EXTS              212
#define IDS_PREFS_LOGGING           213
#define IDS_PREFS_MEMORY            214
#define IDS_PREFS_DISK              215
#define IDS_PREFS_FORMAT            216
#define IDS_PREFS_NUMBERING         217
#define IDS_PREFS_APPEARANCE        218
#define IDS_PREFS_CONSOLE           219
#define IDS_PREFS_DEVLIST           220
#define IDS_PREFS_CONTROLS          221
#define IDS_PREFS_DISPLAYALTER      222
#define IDS_PREFS_OPTIONS           223
#define IDS_PREFS_MISC              224
#define IDS_PREFS_MISC2             225
#define IDS_PREFS_MISC3             226
#define IDS_PREFS_PERCENT           802
#define IDS_PREFS_STATUSBAR         804

// The page templates.
#define IDD_PREF_DIRS               502
#define IDD_PREF_EXTS               503
#define IDD_PREF_LOGS               504
#define IDD_PREF_MISC               541
#define IDD_PREF_MEMLOG             546
#define IDD_PREF_DISKLOG            547
#define IDD_PREF_LOGFMT             548
#define IDD_PREF_MISC2              553
#define IDD_PREF_MISC3              555
#define IDD_PREF_LOGNUM             561

// Controls every page has.
#define IDC_PREF_INSTRUCTIONS       1225
#define IDC_PREF_GROUP              1640
#define IDC_PREF_NOTE               1637

// Directories: label, history combo and browse button per kind; the kinds'
// labels serve the file extensions page too.
#define IDC_PREF_LABEL_EXE          1642
#define IDC_PREF_LABEL_CONFIG       1643
#define IDC_PREF_LABEL_LOG          1644
#define IDC_PREF_LABEL_READER       1645
#define IDC_PREF_LABEL_PUNCH        1646
#define IDC_PREF_LABEL_PRINTER      1647
#define IDC_PREF_LABEL_TAPE         1648
#define IDC_PREF_LABEL_DISK         1649
#define IDC_PREF_DIR_EXE            1183
#define IDC_PREF_DIR_CONFIG         1154
#define IDC_PREF_DIR_LOG            1180
#define IDC_PREF_DIR_READER         1169
#define IDC_PREF_DIR_PUNCH          1173
#define IDC_PREF_DIR_PRINTER        1177
#define IDC_PREF_DIR_TAPE           1160
#define IDC_PREF_DIR_DISK           1165
#define IDC_PREF_BROWSE_EXE         1181
#define IDC_PREF_BROWSE_CONFIG      1156
#define IDC_PREF_BROWSE_LOG         1179
#define IDC_PREF_BROWSE_READER      1167
#define IDC_PREF_BROWSE_PUNCH       1171
#define IDC_PREF_BROWSE_PRINTER     1175
#define IDC_PREF_BROWSE_TAPE        1158
#define IDC_PREF_BROWSE_DISK        1163
#define IDC_PREF_REQUIRED_NOTE      1650

// File extensions.
#define IDC_PREF_EXT_CONFIG         1218
#define IDC_PREF_EXT_LOG            1219
#define IDC_PREF_EXT_READER         1220
#define IDC_PREF_EXT_PUNCH          1221
#define IDC_PREF_EXT_PRINTER        1222
#define IDC_PREF_EXT_TAPE           1223
#define IDC_PREF_EXT_DISK           1224

// Logging and its four sub-pages.
#define IDC_PREF_LOG_STARTUP        1235
#define IDC_PREF_LOG_SHUTDOWN       1236
#define IDC_PREF_LOG_AUTO           1237
#define IDC_PREF_LOG_MAXFILES       1238
#define IDC_PREF_LOG_MAXFILES_SPIN  1239
#define IDC_PREF_LOG_BASENAME       1240
#define IDC_PREF_LOG_AUTO_GROUP     1241
#define IDC_PREF_LOG_MAXFILES_LABEL 1242
#define IDC_PREF_LOG_BASENAME_LABEL 1227
#define IDC_PREF_LOG_NOTE           1243
#define IDC_PREF_MEMLOG_ENABLE      1311
#define IDC_PREF_MEMLOG_LINES       1312
#define IDC_PREF_MEMLOG_SPIN        1313
#define IDC_PREF_MEMLOG_LABEL       1315
#define IDC_PREF_MEMLOG_UNITS       1316
#define IDC_PREF_DISKLOG_ENABLE     1314
#define IDC_PREF_DISKLOG_LINES      1317
#define IDC_PREF_DISKLOG_SPIN       1318
#define IDC_PREF_DISKLOG_LABEL      1319
#define IDC_PREF_DISKLOG_UNITS      1320
#define IDC_PREF_DISKLOG_SYNC       1321
#define IDC_PREF_LOG_DATES          1396
#define IDC_PREF_LOG_TIMES          1397
#define IDC_PREF_LOG_PID_ALWAYS     1398
#define IDC_PREF_LOG_PID_IFNEEDED   1399
#define IDC_PREF_LOGFMT_STAR        1641
#define IDC_PREF_LOGNUM_TEXT        1636
#define IDC_PREF_LOGNUM             1608
#define IDC_PREF_LOGNUM_SPIN        1635

// The option pages.
#define IDC_PREF_POWEROFF_ONLY      1248
#define IDC_PREF_POWEROFF_EXIT      1236
#define IDC_PREF_POWEROFF_ASK       1237
#define IDC_PREF_POWEROFF_GROUP     1655
#define IDC_PREF_POWEROFF_PROMPT    1656
#define IDC_PREF_POWEROFF_ASK_MORE  1657
#define IDC_PREF_PARSE_GROUP        1658
#define IDC_PREF_PARSE_PROMPT       1659
#define IDC_PREF_IGNORE_PARSE       1264
#define IDC_PREF_AGGREGATE_GROUP    1660
#define IDC_PREF_AGGREGATE_PROMPT   3001
#define IDC_PREF_AGGREGATE          3000
#define IDC_PREF_ARGS_GROUP         1661
#define IDC_PREF_ARGS_PROMPT        1662
#define IDC_PREF_ARGS_LABEL         1663
#define IDC_PREF_EXTRA_ARGS         1351
#define IDC_PREF_WARN_GROUP         1664
#define IDC_PREF_NOWARN_EDIT        1429
#define IDC_PREF_NOWARN_POWEROFF    1431
#define IDC_PREF_UTIL_GROUP         1665
#define IDC_PREF_BEEP_UTIL          1430
#define IDC_PREF_FINDREP_GROUP      1822
#define IDC_PREF_AUTOHIDE           1823
#define IDC_PREF_EDITOR_GROUP       3387
#define IDC_PREF_EDITOR_BROWSE      3389
#define IDC_PREF_EDITOR             3390
#define IDC_PREF_TXF_GROUP          3432
#define IDC_PREF_TXF                3431
#define IDC_PREF_SESSDESC_GROUP     3433
#define IDC_PREF_SESSDESC           3434

// Balloon texts ("body\ntitle"): one base per page, its rows above it.
#define IDS_HELP_PREF_DIRS          13000
#define IDS_HELP_PREF_EXTS          13050
#define IDS_HELP_PREF_LOGS          13100
#define IDS_HELP_PREF_MEMLOG        13150
#define IDS_HELP_PREF_DISKLOG       13200
#define IDS_HELP_PREF_LOGFMT        13250
#define IDS_HELP_PREF_LOGNUM        13300
#define IDS_HELP_PREF_MISC          13650
#define IDS_HELP_PREF_MISC2         13700
#define IDS_HELP_PREF_MISC3         13750

// The preferences' appearance pages (templates 505, 512-514, 801, 803).
#define IDD_PREF_CONSOLE            505
#define IDD_PREF_DEVLIST            512
#define IDD_PREF_CONTROLS           513
#define IDD_PREF_DISPALTER          514
#define IDD_PREF_PERCENT            801
#define IDD_PREF_STATLINE           803
#define IDC_PREF_CONSOLE_SAMPLE     1244
#define IDC_PREF_FONT               1245
#define IDC_PREF_COLOR              1246
#define IDC_PREF_BACKGROUND         1247
#define IDC_PREF_INFO_COLOR         1248
#define IDC_PREF_WARN_COLOR         1249
#define IDC_PREF_ERROR_COLOR        1250
#define IDC_PREF_DEBUG_COLOR        1251
#define IDC_PREF_FONT_LABEL         1651
#define IDC_PREF_COLOR_LABEL        1652
#define IDC_PREF_BACK_LABEL         1653
#define IDC_PREF_SAMPLE_LABEL       1654
#define IDC_PREF_INFO_LABEL         3261
#define IDC_PREF_ERROR_LABEL        3262
#define IDC_PREF_WARN_LABEL         3263
#define IDC_PREF_DEBUG_LABEL        3264
#define IDC_PREF_INFO_BOLD          3265
#define IDC_PREF_INFO_ITALIC        3267
#define IDC_PREF_WARN_BOLD          3271
#define IDC_PREF_WARN_ITALIC        3273
#define IDC_PREF_ERROR_BOLD         3274
#define IDC_PREF_ERROR_ITALIC       3275
#define IDC_PREF_DEBUG_BOLD         3276
#define IDC_PREF_DEBUG_ITALIC       3278
#define IDC_PREF_ERROR_BEEP         3436
#define IDC_PREF_WARN_BEEP          3437
#define IDC_PREF_HEX_SAMPLE         1834
#define IDC_PREF_HEX_SAMPLE_LABEL   3191    // the Display/Alter page's "Sample:"
#define IDC_PREF_PCT_LABEL_CP       2871
#define IDC_PREF_PCT_LABEL_AP       2872
#define IDC_PREF_PCT_LABEL_IP       2873
#define IDC_PREF_PCT_LABEL_IL       2874
#define IDC_PREF_PCT_COLOR_CP       2881
#define IDC_PREF_PCT_COLOR_AP       2882
#define IDC_PREF_PCT_COLOR_IP       2883
#define IDC_PREF_PCT_COLOR_IL       2884
#define IDC_PREF_PCT_STYLE_CP       2891
#define IDC_PREF_PCT_STYLE_AP       2892
#define IDC_PREF_PCT_STYLE_IP       2893
#define IDC_PREF_PCT_STYLE_IL       2894
#define IDC_PREF_PCT_METER_CP       2900
#define IDC_PREF_PCT_METER_AP       2901
#define IDC_PREF_PCT_METER_IP       2902
#define IDC_PREF_PCT_METER_IL       2903
#define IDC_PREF_PCT_NAME_CP        2910
#define IDC_PREF_PCT_NAME_AP        2911
#define IDC_PREF_PCT_NAME_IP        2912
#define IDC_PREF_PCT_NAME_IL        2913
#define IDC_PREF_GRID_FIRST         3101
#define IDC_PREF_GRID_LAST          3125
#define IDC_PREF_POSITION_GROUP     3190
#define IDC_PREF_SAMPLE_GROUP       3191
#define IDC_PREF_SAMPLE_LINE        3192
#define IDC_PREF_COLUMNS            3200
#define IDS_PREFS_PCT_COLORS        805
#define IDS_PREFS_PCT_STYLES        806
#define IDS_HELP_PREF_CONSOLE       13350
#define IDS_HELP_PREF_DEVLIST       13400
#define IDS_HELP_PREF_CONTROLS      13450
#define IDS_HELP_PREF_PERCENT       13500
#define IDS_HELP_PREF_STATLINE      13550
#define IDS_HELP_PREF_DISPALTER     13600
#define IDS_HELP_INSTRUCTIONS       17040

// ---- the command line, status line and register bars -----------------------
// Command line bar (template IDD_CMDLINE_BAR); the Send button and the
// folder button are also the view's commands of these ids.
#define IDC_CMDLINE_SEND            1002
#define IDC_CMDLINE_DIR_BUTTON      1547
#define IDC_CMDLINE_TARGET_DIR      1548
#define IDC_CMDLINE_EDIT            1549
#define IDC_CMDLINE_LABEL           1550
#define IDS_HELP_CMDLINE_BAR        12150
#define IDS_HELP_CMDLINE_DIR_BUTTON 12151
#define IDS_HELP_CMDLINE_DIR        12152
#define IDS_HELP_CMDLINE_EDIT       12153
// Status line bar (template IDD_STATUSLINE_BAR) and its menu.
#define IDC_STATUSLINE_CPU_SPIN     1541
#define IDC_STATUSLINE_PART0        1542
#define IDR_STATUSLINE_BAR_MENU     318
#define ID_STATUSLINE_SHOW_ON_BAR   33131
#define ID_STATUSLINE_COPY          33133
#define IDS_HELP_STATUSLINE_BAR     12400
#define IDS_HELP_STATUSLINE_SPIN    12401
// Register bars (templates IDD_FPREGS32_BAR, IDD_REGS32_BAR, IDD_REGS64_BAR,
// IDD_VREGS_BAR) and their menu.
#define IDC_FPREGS32_FIRST          1526
#define IDC_REGS32_FIRST            1528
#define IDC_REGS64_FIRST            1532
#define IDC_VREGS_FIRST             1850
#define IDR_REGS_BAR_MENU           314
#define ID_REGS_BAR_FONT            33132
#define IDS_HELP_FPREGS32_BAR       12000
#define IDS_HELP_REGS32_BAR         12050
#define IDS_HELP_REGS64_BAR         12100
#define IDS_HELP_VREGS_BAR          12125
#define IDS_HELP_REGISTER_VALUES    17048
// The session description dialog.
#define IDD_SESSION_DESC            820
#define IDC_SESSION_DESC            3440
#define IDS_HELP_SESSION_DESC       7950
#define IDS_HELP_SESSION_DESC_EDIT  7951
// The tape image utility dialogs (REELBUILD, REELDIVIDE, REELDUB, REELBLANK,
// REELINFO, REELREPACK, REELFETCH).
#define IDC_TAPE_VOLSER_LABEL       1067
#define IDC_TAPE_VOLSER_SPIN        1385
#define IDC_TAPE_OWNER_LABEL        1068
#define IDC_TAPE_OWNER              1020
#define IDC_TAPE_META_FILE          3438
#define IDC_TAPE_DSN_LABEL          3380
#define IDC_TAPE_DSN                3379
#define IDC_TAPE_LRECL_LABEL        1078
#define IDC_TAPE_LRECL              1073
#define IDC_TAPE_LRECL_SPIN         1282
#define IDC_TAPE_BLOCK_LABEL        1079
#define IDC_TAPE_BLOCK              3384
#define IDC_TAPE_BLOCK_SPIN         3385
#define IDC_TAPE_BLKSIZE            1074
#define IDC_TAPE_BLKSIZE_SPIN       1283
#define IDC_TAPE_CODEPAGE_LABEL     1427
#define IDC_TAPE_CODEPAGE           1428
#define IDC_TAPE_UNIQUE             1065
#define IDC_TAPE_BINARY             1064
#define IDC_TAPE_NON_LABELED        1063
#define IDC_TAPE_ANSI               1066
#define IDC_TAPE_COMPRESSED         1062
#define IDC_TAPE_REQUIRED_GROUP     1735
#define IDC_TAPE_OPTIONAL_GROUP     1736
#define IDC_TAPE_OUTPUT_LIST        1084
#define IDC_TAPE_LIST_LABEL1        1737
#define IDC_TAPE_LIST_LABEL2        1738
#define IDC_TAPE_NUM_FILES          1085
#define IDC_TAPE_NUM_FILES_SPIN     1299
#define IDC_TAPE_NUM_FILES_LABEL    1739
#define IDC_TAPE_NEXT_OUTPUT_LABEL  1740
#define IDC_TAPE_FROM_SCSI          1402
#define IDC_TAPE_TO_SCSI            1406
#define IDC_TAPE_AWS_INPUT_GROUP    1404
#define IDC_TAPE_AWS_OUTPUT_GROUP   1405
#define IDC_TAPE_SCSI_GROUP         1741
#define IDC_TAPE_SCSI_PREFIX        1742
#define IDC_TAPE_NUMBER             1228
#define IDC_TAPE_NUMBER_SPIN        1229
#define IDC_TAPE_PRINT_LABELS       1048
#define IDC_TAPE_PRINT_FILES        1047
#define IDC_TAPE_PRINT_DATASETS     1046
#define IDC_TAPE_DECOMPRESS         1056
#define IDC_TAPE_RECOMPRESS         1058
#define IDC_TAPE_RECHUNK            1057
#define IDC_TAPE_RUN_GROUP          1743
#define IDC_TAPE_CHUNK_LABEL        1059
#define IDC_TAPE_CHUNK              1049
#define IDC_TAPE_CHUNK_SPIN         1284
#define IDC_TAPE_STRICT_AWS         1052
#define IDC_TAPE_COMPRESSION_GROUP  1364
#define IDC_TAPE_LEVEL              1039
#define IDC_TAPE_LEVEL_LOW          1744
#define IDC_TAPE_LEVEL_HIGH         1745
#define IDC_TAPE_FILE_NUMBER_LABEL  1746
#define IDC_TAPE_FILE_NUMBER        1072
#define IDC_TAPE_FILE_NUMBER_SPIN   1281
#define IDC_TAPE_RECFM_LABEL        1747
#define IDC_TAPE_RECFM              1075
#define IDC_TAPE_ASCII              1069
#define IDC_TAPE_STRIP              1071
#define IDC_TAPE_UNBLOCK            1070
#define IDC_TAPE_ASCII_NOTE         1748
#define IDC_TAPE_STRIP_NOTE         1749
#define IDC_TAPE_UNBLOCK_NOTE       1750
#define IDD_REELDIVIDE_ADD          524
#define IDS_TAPE_RECORD_FORMATS     7601
#define IDS_HELP_REELBUILD          7602
#define IDS_HELP_TAPE_INPUT         7603
#define IDS_HELP_TAPE_INPUT_BROWSE  7604
#define IDS_HELP_TAPE_META_FILE     7605
#define IDS_HELP_TAPE_OUTPUT_DIR    7606
#define IDS_HELP_TAPE_OUTPUT_FILE   7607
#define IDS_HELP_TAPE_VOLSER        7608
#define IDS_HELP_TAPE_DSN           7609
#define IDS_HELP_TAPE_LRECL         7610
#define IDS_HELP_TAPE_BLOCK         7611
#define IDS_HELP_TAPE_CODEPAGE      7612
#define IDS_HELP_TAPE_UNIQUE        7613
#define IDS_HELP_TAPE_BINARY        7614
#define IDS_HELP_TAPE_NON_LABELED   7615
#define IDS_HELP_TAPE_ANSI          7616
#define IDS_HELP_REELDIVIDE         7617
#define IDS_HELP_TAPE_OUTPUT_LIST   7618
#define IDS_HELP_TAPE_LIST_ADD      7619
#define IDS_HELP_TAPE_LIST_REMOVE   7620
#define IDS_HELP_TAPE_LIST_UP       7621
#define IDS_HELP_TAPE_LIST_DOWN     7622
#define IDS_HELP_REELDIVIDE_ADD     7623
#define IDS_HELP_TAPE_NUM_FILES     7624
#define IDS_HELP_REELDUB            7625
#define IDS_HELP_TAPE_FROM_SCSI     7626
#define IDS_HELP_TAPE_TO_SCSI       7627
#define IDS_HELP_TAPE_NUMBER        7628
#define IDS_HELP_REELBLANK          7629
#define IDS_HELP_TAPE_OWNER         7630
#define IDS_HELP_TAPE_COMPRESSED    7631
#define IDS_HELP_REELINFO           7632
#define IDS_HELP_TAPE_PRINT_LABELS  7633
#define IDS_HELP_TAPE_PRINT_FILES   7634
#define IDS_HELP_TAPE_PRINT_DATASETS 7635
#define IDS_HELP_REELREPACK         7636
#define IDS_HELP_TAPE_RUN_OPTION    7637
#define IDS_HELP_TAPE_VERBOSE       7638
#define IDS_HELP_TAPE_CHUNK         7639
#define IDS_HELP_TAPE_STRICT_AWS    7640
#define IDS_HELP_TAPE_COMPRESSION   7641
#define IDS_HELP_TAPE_LEVEL         7642
#define IDS_HELP_REELFETCH          7643
#define IDS_HELP_TAPE_FILE_NUMBER   7644
#define IDS_HELP_TAPE_RECFM         7645
#define IDS_HELP_TAPE_ASCII         7646
#define IDS_HELP_TAPE_STRIP         7647
#define IDS_HELP_TAPE_UNBLOCK       7648
#define IDS_HELP_TAPE_BLKSIZE       7649
// The preferences: Edit > Preferences... and View > Properties... (the
// console's appearance page).
#define ID_EDIT_PREFERENCES         33105
#define ID_VIEW_PROPERTIES          35042
// The framework's Clear All: the console's Delete Messages.
#define ID_EDIT_CLEAR_ALL           0xE121
// The console's context menus: the view menu outside a selection, the
// editing menu inside a selection of several lines.
#define IDR_CONSOLE_MENU            704
#define IDR_CONSOLE_EDIT_MENU       705
// The VMFPLC2 dialog, its control-file editor and statement dialogs.
#define IDD_VMFPLC2_CTLFILE         813
#define IDD_VMFPLC2_STMT            814
#define IDD_VMFPLC2_STMT_EDIT       815
#define IDC_PLC2_DUMP               3391
#define IDC_PLC2_LOAD               3392
#define IDC_PLC2_SCAN               3393
#define IDC_PLC2_FUNCTION_GROUP     1751
#define IDC_PLC2_CTL_GROUP          1752
#define IDC_PLC2_CTL_BROWSE         3395
#define IDC_PLC2_CTL_FILE           3396
#define IDC_PLC2_CTL_EDIT           3397
#define IDC_PLC2_TAPE_DUMP          3398
#define IDC_PLC2_CODEPAGE_LABEL     1704
#define IDC_PLC2_LEVEL_LOW          1054
#define IDC_PLC2_LEVEL_HIGH         1055
#define IDC_PLC2_PATH               3421
#define IDC_PLC2_STATEMENTS_GROUP   3400
#define IDC_PLC2_STATEMENTS         3403
#define IDC_PLC2_EDIT_FILE          1182
#define IDC_PLC2_REFRESH            3430
#define IDC_PLC2_CP_GROUP           3410
#define IDC_PLC2_OVERRIDE           3422
#define IDC_PLC2_DEFAULT_LABEL      3424
#define IDC_PLC2_DEFAULT_CP         3423
#define IDC_PLC2_CMS_GROUP          3414
#define IDC_PLC2_FILENAME_LABEL     3416
#define IDC_PLC2_FILETYPE_LABEL     3417
#define IDC_PLC2_FILEMODE_LABEL     3418
#define IDC_PLC2_FILENAME           3407
#define IDC_PLC2_FILETYPE           3408
#define IDC_PLC2_FILEMODE           3409
#define IDC_PLC2_FORMAT_GROUP       3415
#define IDC_PLC2_RECFM_LABEL        1790
#define IDC_PLC2_TYPE_LABEL         3419
#define IDC_PLC2_TYPE               3411
#define IDC_PLC2_HOST_GROUP         3404
#define IDC_PLC2_HOST_BROWSE        3405
#define IDC_PLC2_HOST_FILE          3406
#define IDC_PLC2_STATEMENT          3426
#define IDS_PLC2_RECFMS             7450
#define IDS_PLC2_FILE_TYPES         7451
#define IDS_HELP_VMFPLC2            7452
#define IDS_HELP_PLC2_DESCRIPTION   7453
#define IDS_HELP_PLC2_FUNCTION      7454
#define IDS_HELP_PLC2_DUMP          7455
#define IDS_HELP_PLC2_LOAD          7456
#define IDS_HELP_PLC2_SCAN          7457
#define IDS_HELP_PLC2_INPUT         7458
#define IDS_HELP_PLC2_INPUT_FILE    7459
#define IDS_HELP_PLC2_INPUT_BROWSE  7460
#define IDS_HELP_PLC2_OUTPUT        7461
#define IDS_HELP_PLC2_DIR_BROWSE    7462
#define IDS_HELP_PLC2_OUTPUT_DIR    7463
#define IDS_HELP_PLC2_OUTPUT_BROWSE 7464
#define IDS_HELP_PLC2_OUTPUT_FILE   7465
#define IDS_HELP_PLC2_CTL           7466
#define IDS_HELP_PLC2_CTL_BROWSE    7467
#define IDS_HELP_PLC2_CTL_FILE      7468
#define IDS_HELP_PLC2_CTL_EDIT      7469
#define IDS_HELP_PLC2_OPTIONS       7470
#define IDS_HELP_PLC2_TAPE_DUMP     7471
#define IDS_HELP_PLC2_VERBOSE       7472
#define IDS_HELP_PLC2_COMPRESS      7473
#define IDS_HELP_PLC2_CODEPAGE      7474
#define IDS_HELP_PLC2_ZLIB          7475
#define IDS_HELP_PLC2_BZIP2         7476
#define IDS_HELP_PLC2_LEVEL         7477
#define IDS_HELP_PLC2_CTLFILE_DLG   7478
#define IDS_HELP_PLC2_PATH          7479
#define IDS_HELP_PLC2_STATEMENT     7480
#define IDS_HELP_PLC2_STATEMENTS    7481
#define IDS_HELP_PLC2_ADD           7482
#define IDS_HELP_PLC2_REMOVE        7483
#define IDS_HELP_PLC2_UP            7484
#define IDS_HELP_PLC2_DOWN          7485
#define IDS_HELP_PLC2_EDIT_FILE     7486
#define IDS_HELP_PLC2_REFRESH       7487
#define IDS_HELP_PLC2_STMT_DLG      7488
#define IDS_HELP_PLC2_CP            7489
#define IDS_HELP_PLC2_OVERRIDE      7490
#define IDS_HELP_PLC2_DEFAULT       7491
#define IDS_HELP_PLC2_CMS           7492
#define IDS_HELP_PLC2_FILENAME      7493
#define IDS_HELP_PLC2_FILETYPE      7494
#define IDS_HELP_PLC2_FILEMODE      7495
#define IDS_HELP_PLC2_FORMAT        7496
#define IDS_HELP_PLC2_RECFM         7497
#define IDS_HELP_PLC2_LRECL         7498
#define IDS_HELP_PLC2_TYPE          7499
#define IDS_HELP_PLC2_HOST          7500
#define IDS_HELP_PLC2_HOST_BROWSE   7501
#define IDS_HELP_PLC2_STMT_EDIT_DLG 7502
#define IDS_HELP_PLC2_STMT_EDIT     7503
