// SysConfigRes.h: identifiers of the system configuration dialog's
// resources: its pages' templates and controls, the tree captions and the
// pages' balloon texts. Control ids are unique within their page only.
#pragma once

// The dialog (its help keys and stored position; the window is the settings
// dialog's template) and its pages, in the order of their tree.
#define IDD_SYSCFG                  720
#define IDD_SYSCFG_IDENT            721
#define IDD_SYSCFG_ARCH             722
#define IDD_SYSCFG_CLOCK            723
#define IDD_SYSCFG_PROCS            724
#define IDD_SYSCFG_ENGINES          725
#define IDD_SYSCFG_DEVICES          726
#define IDD_SYSCFG_DEVOPTS          727
#define IDD_SYSCFG_DASDPARMS        728
#define IDD_SYSCFG_SETTINGS         730
#define IDD_SYSCFG_HTTPSRVR         731
#define IDD_SYSCFG_ADVANCED         732

// Title and tree captions.
#define IDS_SYSCFG_TITLE            750
#define IDS_SYSCFG_IDENT            751
#define IDS_SYSCFG_ARCH             752
#define IDS_SYSCFG_CLOCK            753
#define IDS_SYSCFG_PROCS            754
#define IDS_SYSCFG_ENGINES_0        755
#define IDS_SYSCFG_ENGINES_32       756
#define IDS_SYSCFG_DEVICES          757
#define IDS_SYSCFG_DEVOPTS          758
#define IDS_SYSCFG_DASDPARMS        759
#define IDS_SYSCFG_SETTINGS         761
#define IDS_SYSCFG_HTTPSRVR         762
#define IDS_SYSCFG_ADVANCED         763
// "CPU;IFL;zAAP;zIIP;": the engine types as the combo boxes list them.
#define IDS_ENGINE_TYPES            613
// The code-page history shown when none is stored, and the trace modes.
#define IDS_CODEPAGE_HISTORY        610
#define IDS_TRACE_MODES             612

// The label in front of a field (it shares the field's balloon and row).
#define IDC_LABEL_OF(id)            ((id) + 1000)

// Identification.
#define IDC_IDENT_DESCRIPTION       1226
#define IDC_IDENT_FILENAME          1227
#define IDC_IDENT_LPARNAME          1138
#define IDC_IDENT_MANUFACTURER      1608
#define IDC_IDENT_HARDWARE          1638
#define IDC_IDENT_PLANT             1639
#define IDC_IDENT_PERM              1640
#define IDC_IDENT_CAPACITY          1641
#define IDC_IDENT_TEMP              1642
#define IDC_IDENT_LPARNUM           1643
#define IDC_IDENT_CPUIDFMT          1644
#define IDC_IDENT_MODELS            1645
#define IDC_IDENT_IGNOREERRORS      3266

// Architecture.
#define IDC_ARCH_TAILOR_GROUP       1400
#define IDC_ARCH_QUIET              1399
#define IDC_ARCH_VM                 1143
#define IDC_ARCH_VSE                1144
#define IDC_ARCH_ZVSE               3245
#define IDC_ARCH_LINUX              1145
#define IDC_ARCH_SOLARIS            2105
#define IDC_ARCH_OS390              1142
#define IDC_ARCH_ZOS                1407
#define IDC_ARCH_NULL               1427
#define IDC_ARCH_MODE_GROUP         1401
#define IDC_ARCH_S370               1148
#define IDC_ARCH_ESA390             1149
#define IDC_ARCH_ZARCH              1150
#define IDC_ARCH_OPTIONS_GROUP      1403
#define IDC_ARCH_LEGACYSENSEID      1611
#define IDC_ARCH_SENSEID_STATUS     1802
#define IDC_ARCH_DIAG8              1422
#define IDC_ARCH_DIAG8_ECHO         2100
#define IDC_ARCH_ECPSVM             1416
#define IDC_ARCH_ECPSVM_LEVEL       1413
#define IDC_ARCH_ECPSVM_SPIN        1141
#define IDC_ARCH_ECPSVM_LEVEL_LABEL 1404
#define IDC_ARCH_ECPSVM_TRAP        3279

// Processors.
#define IDC_PROCS_SERIAL            1126
#define IDC_PROCS_MODEL             1127
#define IDC_PROCS_MODEL_PICK        1301
#define IDC_PROCS_MODEL_LIST        1302
#define IDC_PROCS_VERSION           1152
#define IDC_PROCS_MAXCPU            1148
#define IDC_PROCS_MAXCPU_SPIN       1149
#define IDC_PROCS_NUMCPU            1133
#define IDC_PROCS_NUMCPU_SPIN       1134
#define IDC_PROCS_NUMVEC            1135
#define IDC_PROCS_NUMVEC_SPIN       1136
#define IDC_PROCS_MAINSIZE          1128
#define IDC_PROCS_MAINSIZE_SPIN     1129
#define IDC_PROCS_XPNDSIZE          1130
#define IDC_PROCS_XPNDSIZE_SPIN     1131

// Engines: processor n of a page is label 1900 + n and combo box 2000 + n.
#define IDC_ENGINES_LABEL0          1900
#define IDC_ENGINES_COMBO0          2000
#define IDC_ENGINES_COMBO31         2031

// Clock.
#define IDC_CLOCK_EPOCH             1138
#define IDC_CLOCK_EPOCH_SPIN        1139
#define IDC_CLOCK_TZOFFSET          1140
#define IDC_CLOCK_YROFFSET          1142
#define IDC_CLOCK_YROFFSET_SPIN     1143
#define IDC_CLOCK_DRAG              1153
#define IDC_CLOCK_INTERVAL          1154
#define IDC_CLOCK_DRAG_SPIN         1155
#define IDC_CLOCK_INTERVAL_SPIN     1156
#define IDC_CLOCK_USECS             1157

// Http Server.
#define IDC_HTTP_START              1258
#define IDC_HTTP_PORT               1336
#define IDC_HTTP_PORT_SPIN          1337
#define IDC_HTTP_ROOT               1338
#define IDC_HTTP_ROOT_BROWSE        1339
#define IDC_HTTP_USER               1340
#define IDC_HTTP_PASSWORD           1341
// Settings.
#define IDC_SET_CODEPAGE            1700
#define IDC_SET_TRACEOPT            1701
#define IDC_SET_NOCH9OFLOW          1702
#define IDC_SET_PANRATE             1146
#define IDC_SET_PANRATE_SPIN        1147
#define IDC_SET_NAMEONLY            1703
#define IDC_SET_CNSLPORT            1132
#define IDC_SET_CNSLPORT_SPIN       1151
#define IDC_SET_SYSG_ENABLE         1704
#define IDC_SET_SYSGPORT            1705
#define IDC_SET_SYSGPORT_SPIN       1706
#define IDC_SET_KPALV_GROUP         1707
#define IDC_SET_KPALV_IDLE          1604
#define IDC_SET_KPALV_IDLE_SPIN     1605
#define IDC_SET_KPALV_TIMEOUT       1606
#define IDC_SET_KPALV_TIMEOUT_SPIN  1607
#define IDC_SET_KPALV_COUNT         1608
#define IDC_SET_KPALV_COUNT_SPIN    1609
#define IDC_SET_SHCMD               1708
#define IDC_SET_SHCMD_STATUS        1709
#define IDC_SET_RCFILE              1710
#define IDC_SET_RCFILE_BROWSE       1711
#define IDC_SET_LOGOFILE            1712
#define IDC_SET_LOGOFILE_BROWSE     1713
// Advanced.
#define IDC_ADV_GROUP               1350
#define IDC_ADV_MODPATH             1351
#define IDC_ADV_MODPATH_BROWSE      1352
#define IDC_ADV_LDMOD               1353
#define IDC_ADV_LDMOD_BROWSE        1354
// Devices: the add buttons by device class, Remove, the list and its
// context menu.
#define IDC_DEVICES_ADD_GROUP       1160
#define IDC_DEVICES_READER          1161
#define IDC_DEVICES_PUNCH           1164
#define IDC_DEVICES_PRINTER         1166
#define IDC_DEVICES_CONSOLE         1168
#define IDC_DEVICES_TERMINAL        1170
#define IDC_DEVICES_TAPE            1172
#define IDC_DEVICES_DISK            1174
#define IDC_DEVICES_COMM            1176
#define IDC_DEVICES_OTHER           1353
#define IDC_DEVICES_REMOVE          1081
#define IDC_DEVICES_LIST            1178
#define IDR_DEVICES_MENU            316
#define ID_DEVICES_MANUAL_EDIT      33106
#define ID_DEVICES_PROPERTIES       33107
#define ID_DEVICES_SET_LOAD_UNIT    33108

// Options (under Devices).
#define IDC_DEVOPTS_IPL_GROUP       1220
#define IDC_DEVOPTS_LOADUNIT        1221
#define IDC_DEVOPTS_LOADPARM        1222
#define IDC_DEVOPTS_SETTINGS_GROUP  1223
#define IDC_DEVOPTS_SHUTDOWN        1230
#define IDC_DEVOPTS_SHUTDOWN_SPIN   1231
#define IDC_DEVOPTS_SHUTDOWN_NOTE   1232
#define IDC_DEVOPTS_DEVTMAX         1157
#define IDC_DEVOPTS_DEVTMAX_NOTE    1158
#define IDC_DEVOPTS_DEVTMAX_SPIN    1162
#define IDC_DEVOPTS_SHRDPORT        1382
#define IDC_DEVOPTS_SHRDPORT_SPIN   1383
#define IDC_DEVOPTS_SHRDPORT_NOTE   1384
#define IDC_DEVOPTS_ADAPTER_GROUP   1343
#define IDC_DEVOPTS_IPADDR          1344
#define IDC_DEVOPTS_MACADDR         1345
#define IDC_DEVOPTS_OR              1346
#define IDC_DEVOPTS_ADAPTER         1348
#define IDC_DEVOPTS_OPTIONS_GROUP   1410
#define IDC_DEVOPTS_SCSI            1411
#define IDC_DEVOPTS_REINIT          1412
#define IDC_DEVOPTS_REINIT_STATUS   1413
#define IDC_DEVOPTS_SCSI_SECS       1415
#define IDC_DEVOPTS_SCSI_NOTE       1416
#define IDC_DEVOPTS_SCSI_SPIN       1163
#define IDC_DEVOPTS_AUTOINIT        1624
#define IDC_DEVOPTS_AUTOINIT_STATUS 1625

// Dasd Parameters (under Devices): the CCKD statement's values.
#define IDC_DASD_USE_DEFAULTS       1330
#define IDC_DASD_CCKD_GROUP         1331
#define IDC_DASD_COMP_GROUP         1332
#define IDC_DASD_COMP_DEFAULT       1333
#define IDC_DASD_COMP_NONE          1334
#define IDC_DASD_COMP_ZLIB          1335
#define IDC_DASD_COMP_BZIP2         1336
#define IDC_DASD_COMPPARM           1337
#define IDC_DASD_COMPPARM_LEAST     1338
#define IDC_DASD_COMPPARM_MOST      1339
#define IDC_DASD_RA                 1344
#define IDC_DASD_RAQ                1345
#define IDC_DASD_RAT                1346
#define IDC_DASD_WR                 1347
#define IDC_DASD_GCINT              1348
#define IDC_DASD_FREEPEND           1349
#define IDC_DASD_TRACE              1350
#define IDC_DASD_FREEPEND_SPIN      1352
#define IDC_DASD_RAT_SPIN           1354
#define IDC_DASD_RAQ_SPIN           1355
#define IDC_DASD_RA_SPIN            1356
#define IDC_DASD_GCINT_SPIN         1357
#define IDC_DASD_WR_SPIN            1358
#define IDC_DASD_TRACE_SPIN         1359
#define IDC_DASD_GCPARM             1360
#define IDC_DASD_GCPARM_LEAST       1361
#define IDC_DASD_GCPARM_MOST        1362
#define IDC_DASD_NOSTRESS           1363
#define IDC_DASD_FSYNC              1364
#define IDC_DASD_LINUXNULL          1365
#define IDC_DASD_GCSTART            1366
#define IDC_DASD_NOSFD              1367
#define IDC_DASD_GCMSGS             1368
// Balloon texts: the first of each page's range describes the page.
#define IDS_HELP_SYSCFG_IDENT       10000
#define IDS_HELP_SYSCFG_ARCH        10100
#define IDS_HELP_SYSCFG_PROCS       10200
#define IDS_HELP_SYSCFG_ENGINES     10300
#define IDS_HELP_SYSCFG_CLOCK       10400
#define IDS_HELP_SYSCFG_DEVICES     10500
#define IDS_HELP_SYSCFG_DEVOPTS     10600
#define IDS_HELP_SYSCFG_DASDPARMS   10700
#define IDS_HELP_SYSCFG_SETTINGS    10800
#define IDS_HELP_SYSCFG_HTTPSRVR    10900
#define IDS_HELP_SYSCFG_ADVANCED    11000
