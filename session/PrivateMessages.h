// PrivateMessages.h: the application's private window messages, each a
// fixed offset from WM_APP, defined in this one place. Worker threads reach
// windows only by posting these. Window-free (the host build gets Windows'
// WM_APP), so that the status-line routing can name them.
#pragma once

#include "platform/Types.h"

// WM_UTILITY_STATUS, WM_UTILITY_CANCEL and WM_UTILITY_ENDED (0x800B-0x800D),
// posted by the child-process controllers.
#include "session/SessionMessages.h"
// WM_FINDREP_NOTIFY, WM_FINDREP_REFRESH and WM_HISTORY_ITEM_DELETED with the
// find dialog's codes, defined with the window framework's find dialog.
#include "framework/FindRepMessages.h"

const UINT WM_CHECK_REQUIRED_DIRS = WM_APP + 0x00;     // to the view: check the required folders
const UINT WM_RESTORE_BAR_STATE = WM_APP + 0x01;       // application to main frame: wParam 0 before, 1 after the placement
const UINT WM_PENDING_LINES = WM_APP + 0x0A;           // to the view: console lines are queued
const UINT WM_EMULATOR_ACTIVE = WM_APP + 0x0F;         // view to bars: wParam 1 active, 0 inactive
const UINT WM_EMULATOR_READY = WM_APP + 0x10;          // to the view, once: first complete device list
const UINT WM_CPU_ENGINE_TYPE = WM_APP + 0x11;         // view to CPU-percent bar: wParam CPU, lParam type
const UINT WM_STATUSPART0_CHANGED = WM_APP + 0x14;     // .. WM_STATUSPART4_CHANGED: a status part changed
const UINT WM_STATUSPART1_CHANGED = WM_APP + 0x15;
const UINT WM_STATUSPART2_CHANGED = WM_APP + 0x16;
const UINT WM_STATUSPART3_CHANGED = WM_APP + 0x17;
const UINT WM_STATUSPART4_CHANGED = WM_APP + 0x18;
const UINT WM_RUN_INDICATOR_CHANGED = WM_APP + 0x1E;
const UINT WM_MANUAL_INDICATOR_CHANGED = WM_APP + 0x1F;
const UINT WM_LOAD_INDICATOR_CHANGED = WM_APP + 0x20;
const UINT WM_CPU_AVERAGE_READY = WM_APP + 0x21;
const UINT WM_DEVLIST_COMPLETE = WM_APP + 0x22;        // status-line parser to the device-list bar
const UINT WM_DEVLIST_STEP = WM_APP + 0x23;            // the device-list bar to itself: show the next changes
const UINT WM_SUBSCRIBE_DEVLIST = WM_APP + 0x28;       // main frame to view: wParam 1 shown, 0 hidden
const UINT WM_SUBSCRIBE_STORAGE = WM_APP + 0x29;
const UINT WM_SUBSCRIBE_CPUPCTALL = WM_APP + 0x2A;
const UINT WM_SUBSCRIBE_GREGS = WM_APP + 0x32;
const UINT WM_SUBSCRIBE_CREGS = WM_APP + 0x33;
const UINT WM_SUBSCRIBE_AREGS = WM_APP + 0x34;
const UINT WM_SUBSCRIBE_FREGS = WM_APP + 0x35;
const UINT WM_SUBSCRIBE_GREGS64 = WM_APP + 0x3C;
const UINT WM_SUBSCRIBE_CREGS64 = WM_APP + 0x3D;
const UINT WM_SUBSCRIBE_FREGS64 = WM_APP + 0x3E;
const UINT WM_SUBSCRIBE_VREGS = WM_APP + 0x3F;
// The 54 register-field messages lie in this block (not contiguous); the
// status-line parser names each one.
const UINT WM_REG_GR0_3 = WM_APP + 0x46;
const UINT WM_REG_VR30 = WM_APP + 0x9B;
const UINT WM_PREFS_APPLY_PAGE = WM_APP + 0xAA;        // to the view: wParam the preferences page
const UINT WM_SYSCFG_APPLY = WM_APP + 0xAB;            // to the view: lParam the dialog
const UINT WM_POWER_ON_REQUEST = WM_APP + 0xAC;
const UINT WM_CHOOSE_BAR_FONT = WM_APP + 0xAD;
const UINT WM_AUTOREFRESH_TICK = WM_APP + 0xAE;       // storage bar's refresh thread to the bar: read again
const UINT WM_ADDDASD_DEFERRED_INIT = WM_APP + 0xB1;  // the DASD dialog to itself: read the image now
const UINT WM_MAXCPU_CHANGED = WM_APP + 0xB2;
const UINT WM_CPU_PERCENT = WM_APP + 0xB3;
// A folder history combo box of the preferences' directories page tells the
// page that the user removed an entry (wParam its index); the executables
// combo uses WM_HISTORY_ITEM_DELETED (0xB4).
const UINT WM_DIRHISTORY_DELETED_CONFIG = WM_APP + 0xB5;
const UINT WM_DIRHISTORY_DELETED_LOG = WM_APP + 0xB6;
const UINT WM_DIRHISTORY_DELETED_READER = WM_APP + 0xB7;
const UINT WM_DIRHISTORY_DELETED_PUNCH = WM_APP + 0xB8;
const UINT WM_DIRHISTORY_DELETED_PRINTER = WM_APP + 0xB9;
const UINT WM_DIRHISTORY_DELETED_TAPE = WM_APP + 0xBA;
const UINT WM_DIRHISTORY_DELETED_DISK = WM_APP + 0xBB;
const UINT WM_GEOMETRY_CHART_CLOSED = WM_APP + 0xBE;
const UINT WM_PREFS_AUTOCLOSE = WM_APP + 0xBF;

// The emulator session's own messages, posted by a reader thread so that the
// GUI thread applies what a status line or command asked for.
const UINT WM_ARM_SHUTDOWN_WATCHDOG = WM_APP + 0xC8;  // to the view: start timer 157
const UINT WM_SHELL_DIR_REPORTED = WM_APP + 0xC9;     // to the view: "]CWD=" stored, show and save it
// View to main frame, sent by the handshake: post the bars' subscriptions
// (CMainFrame::NotifyViewOfBarVisibility).
const UINT WM_NOTIFY_BAR_VISIBILITY = WM_APP + 0xCA;
// To the view, from a reader thread: the emulator reported its main storage
// (before it is ready: ask for its device list).
const UINT WM_MAIN_STORAGE_KNOWN = WM_APP + 0xCB;
// The view to itself: the next step of Power On (wParam the step, lParam
// the emulator's controller for the last one), one a message, so that the
// window keeps answering between them.
const UINT WM_POWER_ON_STEP = WM_APP + 0xCC;
// The view to itself, after an open has taken a configuration: run the
// system configuration dialog on it (wParam the page), in a message of its
// own, so that the window answers between the reading and the dialog.
const UINT WM_RUN_SYSCFG_DIALOG = WM_APP + 0xCD;
// View to the storage bar, sent on Esc: stop its search or auto-refresh when
// one runs and its find dialog is not shown; returns 1 when it stopped one.
const UINT WM_STORAGE_BAR_ESCAPE = WM_APP + 0xD0;
// The storage bar to itself, from its storage view's callbacks: read the
// window again and show it, or storage as unavailable, once the view's
// handler is done (wParam non-zero: the view gets the focus).
const UINT WM_STORAGE_REREAD = WM_APP + 0xD1;
// View to main frame: rebuild the status bar with (wParam 1) or without (0)
// the status-line panes (CMainFrame::RebuildStatusBar).
const UINT WM_REBUILD_STATUS_BAR = WM_APP + 0xE6;
// View to the status line bar: lay its fields out again (wParam 0), or,
// with wParam a field number + 1 whose text changed, when that field is no
// longer as wide as its text.
const UINT WM_LAYOUT_STATUS_FIELDS = WM_APP + 0xE7;
// View to a register bar: its fields have a new font (or were filled): lay
// them out for it and size the bar.
const UINT WM_LAYOUT_REGISTER_FIELDS = WM_APP + 0xDA;
// View to main frame: the console's colours or font changed; the command
// line takes its plain colours and font.
const UINT WM_CONSOLE_LOOK_CHANGED = WM_APP + 0xE8;
// Main frame to itself, after the window shows: make the next hidden bar's
// dialog (one a message, so that the window keeps answering).
const UINT WM_MAKE_HIDDEN_BAR = WM_APP + 0xE9;
// A worker thread to the main frame after its fatal fault was reported: the
// session ends (every child stopped), then the frame closes.
const UINT WM_END_SESSION_AFTER_FAULT = WM_APP + 0xF4;
// The view to itself, after the emulator's end came under a menu or a move:
// apply the "Options" "PowerOff" choice now that the loop has ended.
const UINT WM_APPLY_POWER_OFF_OPTION = WM_APP + 0xF5;
