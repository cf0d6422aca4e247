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
#define IDD_ADD_TAPE                533
#define IDD_ADD_DASD                534
#define IDD_RENAME_DEVICE           535
#define IDD_DEVICE_STMT_EDIT        542
#define IDD_SOCKDEV                 543
#define IDD_ADD_PRINTER             532
#define IDD_FCB                     563
#define IDD_CCTAPE                  809
#define IDD_REMOTE_DEVICE           556

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
#define IDS_DEVTYPES_DASD           611
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

// The line printer (its folder, file and crlf controls are the punch's ids).
#define IDC_PRT_SOCK_GROUP          1837
#define IDC_PRT_SOCKDEV             1265
#define IDC_PRT_IP_LABEL            1838
#define IDC_PRT_IP                  1835
#define IDC_PRT_PORT_LABEL          1839
#define IDC_PRT_PORT                1268
#define IDC_PRT_OTHER_GROUP         1699
#define IDC_PRT_CHANNEL_LABEL       1610
#define IDC_PRT_CHANNEL             3202
#define IDC_PRT_CHANNEL_EDIT        3203
#define IDC_PRT_PIPE_LABEL          1609
#define IDC_PRT_PIPE_ARGS           1608

// The forms-control-buffer editor: channel n (1 to 12) has label 3229 + n,
// edit 3205 + n and spin 3217 + n.
#define IDC_FCB_LINES               3204
#define IDC_FCB_LINES_SPIN          3205
#define IDC_FCB_LINES_LABEL         3242
#define IDC_FCB_FIRST_EDIT          3206
#define IDC_FCB_FIRST_SPIN          3218
#define IDC_FCB_FIRST_LABEL         3230

// The carriage-control tape editor: row r (0 to 11) has the line label
// 3295 + r, edit 3307 + r, spin 3319 + r and the channel label 3331 + r,
// edit 3343 + r, spin 3355 + r.
#define IDC_CCT_FIRST_LINE_LABEL    3295
#define IDC_CCT_FIRST_LINE          3307
#define IDC_CCT_FIRST_LINE_SPIN     3319
#define IDC_CCT_FIRST_CHAN_LABEL    3331
#define IDC_CCT_FIRST_CHAN          3343
#define IDC_CCT_FIRST_CHAN_SPIN     3355
#define IDC_CCT_TOO_LONG            3367

// Balloon help: the line printer.
#define IDS_HELP_PRT                6200
#define IDS_HELP_PRT_SOCK_GROUP     6201
#define IDS_HELP_PRT_SOCKDEV        6202
#define IDS_HELP_PRT_IP             6203
#define IDS_HELP_PRT_PORT           6204
#define IDS_HELP_PRT_OUTPUT_GROUP   6205
#define IDS_HELP_PRT_DIR_BROWSE     6206
#define IDS_HELP_PRT_DIR            6207
#define IDS_HELP_PRT_FILE_BROWSE    6208
#define IDS_HELP_PRT_FILE           6209
#define IDS_HELP_PRT_OTHER_GROUP    6210
#define IDS_HELP_PRT_CHANNEL        6211
#define IDS_HELP_PRT_CHANNEL_EDIT   6212
#define IDS_HELP_PRT_CRLF           6213
#define IDS_HELP_PRT_PIPE           6214
// The forms-control-buffer editor.
#define IDS_HELP_FCB                6220
#define IDS_HELP_FCB_LINES          6221
#define IDS_HELP_FCB_CHANNEL        6222
// The carriage-control tape editor.
#define IDS_HELP_CCT                6230
#define IDS_HELP_CCT_LINE           6231
#define IDS_HELP_CCT_CHANNEL        6232
// The tape drive (its file field and browse button share the reader's ids).
#define IDC_TAPEDRV_INPUT_GROUP        1733
#define IDC_TAPEDRV_FILE               1028
#define IDC_TAPEDRV_BROWSE             1032
#define IDC_TAPEDRV_TYPE_GROUP         1721
#define IDC_TAPEDRV_STRICT_AWS         1052
#define IDC_TAPEDRV_READONLY           1061
#define IDC_TAPEDRV_SIZE_GROUP         1722
#define IDC_TAPEDRV_CHUNK_LABEL        1059
#define IDC_TAPEDRV_CHUNK              1049
#define IDC_TAPEDRV_CHUNK_SPIN         1284
#define IDC_TAPEDRV_CHUNK_UNIT         1366
#define IDC_TAPEDRV_SIZE_LABEL         1392
#define IDC_TAPEDRV_SIZE               1050
#define IDC_TAPEDRV_SIZE_SPIN          1285
#define IDC_TAPEDRV_SIZE_UNIT          1393
#define IDC_TAPEDRV_EOT_LABEL          1394
#define IDC_TAPEDRV_EOT                1051
#define IDC_TAPEDRV_EOT_SPIN           1287
#define IDC_TAPEDRV_EOT_UNIT           1395
#define IDC_TAPEDRV_COMPRESS_GROUP     1724
#define IDC_TAPEDRV_ZLIB               1040
#define IDC_TAPEDRV_BZIP2              1042
#define IDC_TAPEDRV_LEVEL              1039
#define IDC_TAPEDRV_LEVEL_LOW          1054
#define IDC_TAPEDRV_LEVEL_DOTS         1365
#define IDC_TAPEDRV_LEVEL_HIGH         1055
#define IDC_TAPEDRV_SCSI_GROUP         1723
#define IDC_TAPEDRV_BLKID32            1610
#define IDC_TAPEDRV_BLKID22            1612
#define IDC_TAPEDRV_NOERG              1611

// Balloon help: the tape drive.
#define IDS_HELP_TAPEDRV               6150
#define IDS_HELP_TAPEDRV_INPUT_GROUP   6151
#define IDS_HELP_TAPEDRV_FILE          6152
#define IDS_HELP_TAPEDRV_BROWSE        6153
#define IDS_HELP_TAPEDRV_TYPE_GROUP    6154
#define IDS_HELP_TAPEDRV_STRICT_AWS    6155
#define IDS_HELP_TAPEDRV_READONLY      6156
#define IDS_HELP_TAPEDRV_SIZE_GROUP    6157
#define IDS_HELP_TAPEDRV_CHUNK         6158
#define IDS_HELP_TAPEDRV_SIZE          6159
#define IDS_HELP_TAPEDRV_EOT           6160
#define IDS_HELP_TAPEDRV_COMPRESS_GROUP 6161
#define IDS_HELP_TAPEDRV_ZLIB          6162
#define IDS_HELP_TAPEDRV_BZIP2         6163
#define IDS_HELP_TAPEDRV_LEVEL         6164
#define IDS_HELP_TAPEDRV_LEVEL_TEXT    6165
#define IDS_HELP_TAPEDRV_SCSI_GROUP    6166
#define IDS_HELP_TAPEDRV_BLKID32       6167
#define IDS_HELP_TAPEDRV_BLKID22       6168
#define IDS_HELP_TAPEDRV_NOERG         6169

// The DASD device (its file field and browse button share the reader's ids).
#define IDC_DASDDEV_INPUT_GROUP     1733
#define IDC_DASDDEV_FILE            1028
#define IDC_DASDDEV_BROWSE          1032
#define IDC_DASDDEV_CU3990          1385
#define IDC_DASDDEV_REMOTE          1384
#define IDC_DASDDEV_FAKEWRITE       1202
#define IDC_DASDDEV_READONLY        1061
#define IDC_DASDDEV_SHADOWING       1199
#define IDC_DASDDEV_MINIDISK        1386
#define IDC_DASDDEV_ORIGIN_LABEL    3369
#define IDC_DASDDEV_ORIGIN          3367
#define IDC_DASDDEV_ORIGIN_SPIN     3371
#define IDC_DASDDEV_BLOCKS_LABEL    3370
#define IDC_DASDDEV_BLOCKS          3368
#define IDC_DASDDEV_BLOCKS_SPIN     3372
#define IDC_DASDDEV_SERIAL_LABEL    3428
#define IDC_DASDDEV_SERIAL          3427
#define IDC_DASDDEV_SHADOW_GROUP    1736
#define IDC_DASDDEV_SHADOW          1031
#define IDC_DASDDEV_SHADOW_BROWSE   1033

// The remote device dialog (its number field is IDC_DEVDLG_DEVNUM).
#define IDC_REMOTE_HOST_LABEL       1749
#define IDC_REMOTE_HOST             1360
#define IDC_REMOTE_PORT_LABEL       1750
#define IDC_REMOTE_PORT             1254
#define IDC_REMOTE_PORT_SPIN        1255

// Balloon help: the DASD device.
#define IDS_HELP_DASDDEV            6100
#define IDS_HELP_DASDDEV_INPUT_GROUP 6101
#define IDS_HELP_DASDDEV_FILE       6102
#define IDS_HELP_DASDDEV_BROWSE     6103
#define IDS_HELP_DASDDEV_CU3990     6104
#define IDS_HELP_DASDDEV_REMOTE     6105
#define IDS_HELP_DASDDEV_READONLY   6106
#define IDS_HELP_DASDDEV_FAKEWRITE  6107
#define IDS_HELP_DASDDEV_SHADOWING  6108
#define IDS_HELP_DASDDEV_MINIDISK   6109
#define IDS_HELP_DASDDEV_ORIGIN     6110
#define IDS_HELP_DASDDEV_BLOCKS     6111
#define IDS_HELP_DASDDEV_SERIAL     6112
#define IDS_HELP_DASDDEV_SHADOW_GROUP 6113
#define IDS_HELP_DASDDEV_SHADOW_BROWSE 6114
#define IDS_HELP_DASDDEV_SHADOW     6115
// The remote device dialog.
#define IDS_HELP_REMOTE             6140
#define IDS_HELP_REMOTE_HOST        6141
#define IDS_HELP_REMOTE_PORT        6142
#define IDS_HELP_REMOTE_DEVNUM      6143

// The console and the display terminal.
#define IDD_ADD_DISPLAY             528
#define IDD_ADD_CONSOLE             529
#define IDC_TERM_GROUP_LABEL        1430
#define IDC_TERM_GROUP              1387
#define IDC_TERM_IP_LABEL           1431
#define IDC_TERM_IP                 1388
#define IDC_TERM_MASK_LABEL         1432
#define IDC_TERM_MASK               1389
#define IDC_CON_NOPROMPT            1390
#define IDC_CON_NOPROMPT_NOTE       1734

// Balloon help: the console and the display terminal.
#define IDS_HELP_CON_GROUP          6300
#define IDS_HELP_TERM_IP            6301
#define IDS_HELP_TERM_MASK          6302
#define IDS_HELP_CON_NOPROMPT       6303
#define IDS_HELP_DSP_GROUP          6304

// The communication adapter sheet (its id names the stored placement) and
// its pages, one per adapter kind: OSA (QETH), LCS, CTCI, CTCE.
#define IDD_COMM_SHEET              709
#define IDD_ADD_QETH                807
#define IDD_ADD_LCS                 506
#define IDD_ADD_CTCI                507
#define IDD_ADD_CTCE                508
// Controls every adapter page shares (number and type are IDC_DEVDLG_*).
#define IDC_COMM_KIND_GROUP         1746
#define IDC_COMM_DESCRIPTION        1225
#define IDC_COMM_PARMS_GROUP        1747
#define IDC_COMM_GUEST_IP_LABEL     1752
#define IDC_COMM_GUEST_IP           1362
#define IDC_COMM_NIC_IP_LABEL       1755
#define IDC_COMM_NIC_IP             1271
#define IDC_COMM_NIC_OR             1767
#define IDC_COMM_NIC_MAC_LABEL      1756
#define IDC_COMM_NIC_MAC            1272
// The OSA (QETH) page.
#define IDC_QETH_MASK_LABEL         1753
#define IDC_QETH_MASK               1363
#define IDC_QETH_CHPID_LABEL        3282
#define IDC_QETH_CHPID              3281
#define IDC_QETH_CHPID_OPTIONAL     3283
#define IDC_QETH_DEBUG              1615
// The CTCE page.
#define IDC_CTCE_LPORT_LABEL        1748
#define IDC_CTCE_LPORT              1251
#define IDC_CTCE_LPORT_SPIN         1252
#define IDC_CTCE_RHOST_LABEL        1749
#define IDC_CTCE_RHOST              1360
#define IDC_CTCE_RPORT_LABEL        1750
#define IDC_CTCE_RPORT              1254
#define IDC_CTCE_RPORT_SPIN         1255
#define IDC_CTCE_MTU_LABEL          1751
#define IDC_CTCE_MTU                1256
#define IDC_CTCE_MTU_SPIN           1257

// Balloon help: what the adapter pages share (6320-6329), the OSA page
// (6330-6339), the CTCE page (6340-6349).
#define IDS_HELP_COMM_DESCRIPTION   6320
#define IDS_HELP_COMM_PARMS         6321
#define IDS_HELP_COMM_GUEST_IP      6322
#define IDS_HELP_COMM_NIC_IP        6323
#define IDS_HELP_COMM_NIC_OR        6324
#define IDS_HELP_COMM_NIC_MAC       6325
#define IDS_HELP_QETH               6330
#define IDS_HELP_QETH_MASK          6331
#define IDS_HELP_QETH_CHPID         6332
#define IDS_HELP_QETH_DEBUG         6333
#define IDS_HELP_CTCE               6340
#define IDS_HELP_CTCE_LPORT         6341
#define IDS_HELP_CTCE_RHOST         6342
#define IDS_HELP_CTCE_RPORT         6343
#define IDS_HELP_CTCE_MTU           6344

// The LCS and CTCI pages: what both have besides the shared adapter
// controls (the guest MAC, the two buffer sizes), then each page's own.
#define IDC_NET_GUEST_MAC_LABEL     1753
#define IDC_NET_GUEST_MAC           1274
#define IDC_NET_GUEST_MAC_OPTIONAL  1754
#define IDC_NET_DRIVER_LABEL        1757
#define IDC_NET_DRIVER              1259
#define IDC_NET_DRIVER_SPIN         1260
#define IDC_NET_DRIVER_UNIT         1758
#define IDC_NET_DRIVER_OPTIONAL     1759
#define IDC_NET_DLL_LABEL           1760
#define IDC_NET_DLL                 1262
#define IDC_NET_DLL_SPIN            1263
#define IDC_NET_DLL_UNIT            1761
#define IDC_NET_DLL_OPTIONAL        1762
#define IDC_LCS_GUEST_OR            1766
#define IDC_LCS_OAT_LABEL           1763
#define IDC_LCS_OAT                 1361
#define IDC_LCS_OAT_BROWSE          1032
#define IDC_LCS_EDIT_OAT            1363
#define IDC_CTCI_GUEST_ANDOR        1764

// Balloon help: the LCS page (6360-6369), the CTCI page (6370-6379), what
// both share (6380-6389).
#define IDS_HELP_LCS                6360
#define IDS_HELP_LCS_GUEST_OR       6361
#define IDS_HELP_LCS_EDIT_OAT       6362
#define IDS_HELP_LCS_OAT            6363
#define IDS_HELP_LCS_OAT_BROWSE     6364
#define IDS_HELP_CTCI               6370
#define IDS_HELP_CTCI_GUEST_ANDOR   6371
#define IDS_HELP_NET_GUEST_MAC      6380
#define IDS_HELP_NET_DRIVER         6381
#define IDS_HELP_NET_DLL            6382
