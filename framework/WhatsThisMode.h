// WhatsThisMode.h: the What's-This mode of the help-button windows: after
// the caption's "?" button, Shift+F1 or the context-help command, the next
// click names the control (or non-client area) whose balloon the user wants,
// and operates nothing.
//
// Windows runs this mode inside DefWindowProc's SC_CONTEXTHELP; Wine does
// not have it (the system command does nothing there, and the next click
// operates the control), so the help-button windows run it themselves.
#pragma once

#include <windows.h>

// What the click of the mode named.
struct SWhatsThisClick {
    HWND hTarget = nullptr;  // the window under the click; null when the mode was left
    POINT ptScreen = {0, 0};
    LRESULT nHitTest = HTCLIENT;  // where on a top-level window the click fell
};

// Runs the mode for hWnd: the help cursor, the mouse captured, the thread's
// other messages dispatched as usual, until a left click (the window under
// it, of this thread, is the target), or a right or middle click, a key, a
// click on another program's window, the loss of the capture or WM_QUIT
// (posted again) ends it with no target. The click itself reaches no window.
SWhatsThisClick TrackWhatsThisClick(HWND hWnd);

// The help request of a click, as Windows sends it: a control's (its id and
// context id), or, on a window's non-client area, the area's key (context
// id 4 << 16 | hit-test code, control id the hit-test code). A control bar
// asks as the framework's bars do: the main window's status bar with
// context id 0x5E801 and the id of the pane under the click as control id
// (0 off every pane), a docking bar as its title bar (0x40002). Every dock
// bar answers as the top one and every window pane as the first.
HELPINFO WhatsThisHelpInfo(const SWhatsThisClick& click);
