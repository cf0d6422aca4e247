// ConsoleCommands.h: command ids of the console view and document (menu
// and accelerator commands), and the view's timer ids.
#pragma once

#define ID_SCROLL_LINE_UP         33009
#define ID_SCROLL_LINE_DOWN       33010
#define ID_SCROLL_PAGE_UP         33011
#define ID_SCROLL_PAGE_DOWN       33012
#define ID_SCROLL_TOP             33013
#define ID_SCROLL_BOTTOM          33014
#define ID_SCROLL_COLUMN_LEFT     33015
#define ID_SCROLL_COLUMN_RIGHT    33016
#define ID_SCROLL_PAGE_LEFT       33017
#define ID_SCROLL_PAGE_RIGHT      33018
#define ID_CMD_HISTORY_PREV       33019
#define ID_CMD_HISTORY_NEXT       33020
#define ID_VIEW_SAVE_MESSAGES     33096
#define ID_VIEW_DELETE_MESSAGES   33097
#define ID_VIEW_OPEN_NEXT_LOGFILE 35035
#define ID_FIND_PREVIOUS          35048
#define ID_FIND_NEXT              35049
#define ID_EDIT_COPY_LINES        0xE122
#define ID_EDIT_FIND_MESSAGE      0xE124
#define ID_CMDLINE_SEND           1002
#define ID_SHELL_TARGET_DIR       1547

// The configuration's File commands and the power switch.
#define ID_CONFIGURE_SETTINGS     33079
#define ID_NEW_CONFIGURATION      33081
#define ID_OPEN_CONFIGURATION     33082
#define ID_POWER_ON               33083
#define ID_POWER_OFF              33084
#define ID_SAVE_CONFIGURATION     33094
#define ID_CONFIGURE_DEVICES      33095
#define ID_CLOSE_CONFIGURATION    33101
#define ID_REOPEN_CONFIGURATION   33116
#define ID_MANUAL_EDIT            33119
#define ID_SAVE_CONFIGURATION_AS  33123

// Timers of the view window.
const unsigned kTimerShutdownWatchdog = 157;   // armed by a shutdown command
const unsigned kTimerFocusCmdLine = 222;
const unsigned kTimerAutoScrollFirst = 457;
const unsigned kTimerAutoScrollRepeat = 557;
const unsigned kTimerFollowEndRedraw = 558;     // the pane's redraw after jumps to the end
const unsigned kTimerIplAfterLoadParm = 559;    // the "ipl" that follows a "loadparm"
const unsigned kTimerLogRetry = 560;            // lines wait for room in the log file
// The emulator takes the load parameter before the IPL that uses it.
const unsigned kIplAfterLoadParmMs = 250;
// The shortest time between two redraws of the whole pane that follows the
// end: about 30 a second.
const unsigned kFollowEndRedrawMs = 33;
