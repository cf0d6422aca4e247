// ConsolePaneErase.cpp: the parts of the console pane an erase fills.
#include "session/ConsolePaneErase.h"

namespace {

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

}  // namespace

std::vector<RECT> ConsoleEraseRects(const ConsoleEraseState& s)
{
    const RECT& now = s.rcNow;
    std::vector<RECT> rects;
    bool bSameSize = Width(s.rcPrev) == Width(now) && Height(s.rcPrev) == Height(now);
    if (s.nRepaintMode != 1 || s.bColourChanged || bSameSize) {
        rects.push_back(now);
        return rects;
    }
    int nOldRight = now.left + Width(s.rcPrev), nOldBottom = now.top + Height(s.rcPrev);
    if (nOldRight < now.right)
        rects.push_back(RECT{nOldRight, now.top, now.right, now.bottom});
    if (nOldBottom < now.bottom)
        rects.push_back(RECT{now.left, nOldBottom, now.right, now.bottom});
    else if (nOldBottom > now.bottom && s.nLineHeight > 0) {
        // The last whole line and what lies below it: the part line that
        // was cut off is cleared.
        int nTop = now.top + (Height(now) / s.nLineHeight) * s.nLineHeight;
        if (nTop < now.bottom)
            rects.push_back(RECT{now.left, nTop, now.right, now.bottom});
    }
    return rects;
}
