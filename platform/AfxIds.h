// AfxIds.h: the command and window ids the framework itself handles: the
// File and App commands of the document flow, the main frame's first pane
// and its status bar. A module's resource.h may define the same names with
// the same values.
#pragma once

#ifndef ID_FILE_NEW
#define ID_FILE_NEW         0xE100
#endif
#ifndef ID_FILE_OPEN
#define ID_FILE_OPEN        0xE101
#endif
#ifndef ID_FILE_CLOSE
#define ID_FILE_CLOSE       0xE102
#endif
#ifndef ID_FILE_SAVE
#define ID_FILE_SAVE        0xE103
#endif
#ifndef ID_FILE_SAVE_AS
#define ID_FILE_SAVE_AS     0xE104
#endif
#ifndef ID_APP_ABOUT
#define ID_APP_ABOUT        0xE140
#endif
#ifndef ID_APP_EXIT
#define ID_APP_EXIT         0xE141
#endif
#ifndef ID_HELP
#define ID_HELP             0xE146
#endif

#ifndef ID_VIEW_TOOLBAR
#define ID_VIEW_TOOLBAR     0xE800
#endif
#ifndef ID_VIEW_STATUS_BAR
#define ID_VIEW_STATUS_BAR  0xE801
#endif

// The Apply button of the system's property sheet, and of every dialog that
// applies its pages as one.
#ifndef ID_APPLY_NOW
#define ID_APPLY_NOW        0x3021
#endif

// The text of a floating frame's system-menu item that hides its bar.
#ifndef AFX_IDS_HIDE
#define AFX_IDS_HIDE        0xF11A
#endif

#ifndef AFX_IDW_STATUS_BAR
#define AFX_IDW_STATUS_BAR  0xE801
#endif
#ifndef AFX_IDW_PANE_FIRST
#define AFX_IDW_PANE_FIRST  0xE900
#endif
