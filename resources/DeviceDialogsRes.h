// DeviceDialogsRes.h: identifiers of the device definition dialogs: their
// templates, the device-type lists of the classes, the controls they share
// and their balloon help strings. Included by resource.h.
//
// Balloon help string ranges: 6000-6099 the frame, the card reader, the
// socket dialog, the card punch, the statement editor and the rename
// dialog; 6100-6199 DASD and tape; 6200-6299 printers; 6300-6399 consoles,
// displays and communication adapters.
#pragma once

// Templates.
#define IDD_ADD_CARD_READER         530
#define IDD_ADD_CARD_PUNCH          531
#define IDD_RENAME_DEVICE           535
#define IDD_DEVICE_STMT_EDIT        542
#define IDD_SOCKDEV                 543

// The device types of a class, ";"-separated.
#define IDS_DEVTYPES_CONSOLE        600
#define IDS_DEVTYPES_READER         601
#define IDS_DEVTYPES_PUNCH          602
#define IDS_DEVTYPES_DISPLAY        603
#define IDS_DEVTYPES_PRINTER        604
#define IDS_DEVTYPES_TAPE           605
#define IDS_DEVTYPES_CTCE           606
#define IDS_DEVTYPES_CTCI           607
#define IDS_DEVTYPES_LCS            608
#define IDS_DEVTYPES_QETH           808

// Controls every class dialog shares: identification and options.
#define IDC_DEVDLG_IDENT_GROUP      1672
#define IDC_DEVDLG_DEVNUM_LABEL     1716
#define IDC_DEVDLG_DEVNUM           1111
#define IDC_DEVDLG_DEVTYPE_LABEL    1717
#define IDC_DEVDLG_DEVTYPE          1017
#define IDC_DEVDLG_OPTIONS_GROUP    1720
#define IDC_DEVDLG_ASCII            1069

// The card reader.
#define IDC_RDR_SOCKDEV             1265
#define IDC_RDR_FILES_GROUP         1733
#define IDC_RDR_FILE_LABEL          1266
#define IDC_RDR_FILE                1028
#define IDC_RDR_BROWSE              1032
#define IDC_RDR_FILE_LIST           1086
#define IDC_RDR_ADD                 1080
#define IDC_RDR_REMOVE              1081
#define IDC_RDR_MOVE_UP             1082
#define IDC_RDR_MOVE_DOWN           1083
#define IDC_RDR_EBCDIC              1112
#define IDC_RDR_TRUNC               1113
#define IDC_RDR_EOF                 1114
#define IDC_RDR_AUTOPAD             1216
#define IDC_RDR_MULTIFILE           1234

// The card punch.
#define IDC_PCH_OUTPUT_GROUP        1732
#define IDC_PCH_DIR                 1116
#define IDC_PCH_DIR_BROWSE          1076
#define IDC_PCH_FILE                1029
#define IDC_PCH_FILE_BROWSE         1077
#define IDC_PCH_CRLF                1115

// The device statement editor (its number field is IDC_DEVDLG_DEVNUM).
#define IDC_STMT_TYPE_LABEL         1262
#define IDC_STMT_TYPE               1261
#define IDC_STMT_PARMS_LABEL        1259
#define IDC_STMT_PARMS              1258

// The rename dialog.
#define IDC_RENAME_FROM_LABEL       3248
#define IDC_RENAME_FROM             1117
#define IDC_RENAME_TO_LABEL         3249
#define IDC_RENAME_TO               1118

// The socket dialog.
#define IDC_SOCK_DESCRIPTION        1152
#define IDC_SOCK_HOST_LABEL         3246
#define IDC_SOCK_HOST               1267
#define IDC_SOCK_IP_LABEL           3247
#define IDC_SOCK_IP                 1300
#define IDC_SOCK_PORT_LABEL         1839
#define IDC_SOCK_PORT               1268
#define IDC_SOCK_PORT_SPIN          1269

// Balloon help: what the class dialogs share.
#define IDS_HELP_DEVDLG_IDENT       6000
#define IDS_HELP_DEVDLG_DEVNUM      6001
#define IDS_HELP_DEVDLG_DEVTYPE     6002
#define IDS_HELP_DEVDLG_OPTIONS     6003
// The card reader.
#define IDS_HELP_RDR                6010
#define IDS_HELP_RDR_SOCKDEV        6011
#define IDS_HELP_RDR_FILES_GROUP    6012
#define IDS_HELP_RDR_FILE           6013
#define IDS_HELP_RDR_BROWSE         6014
#define IDS_HELP_RDR_FILE_LIST      6015
#define IDS_HELP_RDR_ADD            6016
#define IDS_HELP_RDR_REMOVE         6017
#define IDS_HELP_RDR_MOVE_UP        6018
#define IDS_HELP_RDR_MOVE_DOWN      6019
#define IDS_HELP_RDR_ASCII          6020
#define IDS_HELP_RDR_EBCDIC         6021
#define IDS_HELP_RDR_TRUNC          6022
#define IDS_HELP_RDR_EOF            6023
#define IDS_HELP_RDR_AUTOPAD        6024
#define IDS_HELP_RDR_MULTIFILE      6025
// The socket dialog.
#define IDS_HELP_SOCK               6030
#define IDS_HELP_SOCK_DESCRIPTION   6031
#define IDS_HELP_SOCK_HOST          6032
#define IDS_HELP_SOCK_IP            6033
#define IDS_HELP_SOCK_PORT          6034
// The card punch.
#define IDS_HELP_PCH                6040
#define IDS_HELP_PCH_OUTPUT_GROUP   6041
#define IDS_HELP_PCH_DIR            6042
#define IDS_HELP_PCH_FILE           6043
#define IDS_HELP_PCH_DIR_BROWSE     6044
#define IDS_HELP_PCH_FILE_BROWSE    6045
#define IDS_HELP_PCH_ASCII          6046
#define IDS_HELP_PCH_CRLF           6047
// The statement editor.
#define IDS_HELP_STMT_TYPE          6051
#define IDS_HELP_STMT_PARMS         6052
// The rename dialog.
#define IDS_HELP_RENAME             6060
#define IDS_HELP_RENAME_FROM        6061
#define IDS_HELP_RENAME_TO          6062
