// ConsolePaneErase.h: which parts of the console pane a background erase
// fills. After a single size change with the same background colour only the
// newly exposed parts are erased, so that the lines already drawn do not
// flicker; every other erase fills the whole pane. Window-free.
#pragma once

#include <vector>

#include "platform/Types.h"

struct ConsoleEraseState {
    RECT rcPrev;          // client rectangle at the previous erase
    RECT rcNow;           // client rectangle now
    int nRepaintMode;     // 1: one resize since (its uncovered parts); else everything
    bool bColourChanged;  // the background colour differs from the previous erase's
    int nLineHeight;
};

// The rectangles to fill. With repaint mode 1 and an unchanged colour: the
// strip right of the old width when the pane got wider, the strip below the
// old height when it got taller, the band from the last whole line down when
// it got shorter; the whole pane when the size did not change. Otherwise the
// whole pane.
std::vector<RECT> ConsoleEraseRects(const ConsoleEraseState& s);
