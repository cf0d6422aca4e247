// HelpButtonMetrics.h: the size and place of the caption help button from
// the system metrics and the window's style, apart from any window.
// Window-free.
#pragma once

#include "platform/Types.h"

// What the button's size depends on.
struct HelpButtonLook {
    int nOSFlavor;     // the Windows family (g_eWinOSFlavor)
    bool bThemed;      // a caption theme is open
    bool bComposed;    // desktop composition is active
    bool bToolWindow;  // WS_EX_TOOLWINDOW
    bool bMaximized;
    int cxSize, cySize;  // SM_CXSIZE, SM_CYSIZE
};

// Width and height of the button. From Windows 7 on it follows the caption
// button metrics; before, a fixed table keyed by SM_CXSIZE.
SIZE HelpButtonSize(const HelpButtonLook& look);

// What the uncomposed button's place depends on.
struct HelpButtonFrame {
    int cxWindow;       // width of the window frame rectangle
    int cxEdge, cyEdge;  // SM_CXEDGE, SM_CYEDGE
    SIZE szFrame;       // sizing or dialog frame (GetFrameSize)
    bool bSysMenu;      // WS_SYSMENU: a close button
    bool bMinMaxBox;    // WS_MINIMIZEBOX or WS_MAXIMIZEBOX
    bool bToolWindow;
    bool bThemed;
    bool bMaximized;
};

// The button rectangle in window coordinates, left of the close and the
// minimise/maximise buttons, for a window without composition.
RECT HelpButtonRectUncomposed(const HelpButtonFrame& frame, SIZE szButton);
