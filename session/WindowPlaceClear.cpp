// WindowPlaceClear.cpp: placing a window beside the others of its kind.
#include "session/WindowPlaceClear.h"

#include <cstddef>

namespace {

LONG Width(const RECT& rc) { return rc.right - rc.left; }
LONG Height(const RECT& rc) { return rc.bottom - rc.top; }

RECT MovedTo(const RECT& rc, LONG x, LONG y) { return RECT{ x, y, x + Width(rc), y + Height(rc) }; }

// Moved (not resized) so that it lies on the work area; a window larger than
// the work area keeps its top-left corner on it.
RECT KeptOn(const RECT& rc, const RECT& rcWork)
{
    LONG x = rc.left, y = rc.top;
    if (x + Width(rc) > rcWork.right)
        x = rcWork.right - Width(rc);
    if (y + Height(rc) > rcWork.bottom)
        y = rcWork.bottom - Height(rc);
    if (x < rcWork.left)
        x = rcWork.left;
    if (y < rcWork.top)
        y = rcWork.top;
    return MovedTo(rc, x, y);
}

bool Overlap(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool CoversAny(const RECT& rc, const std::vector<RECT>& rcTaken)
{
    for (const RECT& r : rcTaken)
        if (Overlap(rc, r))
            return true;
    return false;
}

// The starting points of a grid line through nFrom with cells of nSize that
// fit between nLow and nHigh: nFrom, then forwards, then backwards.
std::vector<LONG> GridLine(LONG nFrom, LONG nSize, LONG nLow, LONG nHigh)
{
    std::vector<LONG> line{ nFrom };
    if (nSize <= 0)
        return line;
    for (LONG n = nFrom + nSize; n + nSize <= nHigh; n += nSize)
        line.push_back(n);
    for (LONG n = nFrom - nSize; n >= nLow; n -= nSize)
        line.push_back(n);
    return line;
}

}  // namespace

RECT PlaceWindowClear(const RECT& rcWant, const std::vector<RECT>& rcTaken, const RECT& rcWork, int nStep)
{
    RECT rc = KeptOn(rcWant, rcWork);
    if (!CoversAny(rc, rcTaken))
        return rc;
    for (LONG x : GridLine(rc.left, Width(rc), rcWork.left, rcWork.right))
        for (LONG y : GridLine(rc.top, Height(rc), rcWork.top, rcWork.bottom)) {
            RECT rcCell = MovedTo(rc, x, y);
            if (!CoversAny(rcCell, rcTaken))
                return rcCell;
        }
    // Every place is taken: cascade, as Windows places new windows, so that
    // at least the caption of each one stays in sight.
    auto cornerTaken = [&](const RECT& r) {
        for (const RECT& t : rcTaken)
            if (t.left == r.left && t.top == r.top)
                return true;
        return false;
    };
    RECT rcNext = rc;
    for (size_t i = 0; i <= rcTaken.size() && cornerTaken(rcNext); ++i) {
        rcNext = MovedTo(rcNext, rcNext.left + nStep, rcNext.top + nStep);
        if (rcNext.right > rcWork.right || rcNext.bottom > rcWork.bottom)
            rcNext = MovedTo(rcNext, rcWork.left, rcWork.top);
        rcNext = KeptOn(rcNext, rcWork);
    }
    return rcNext;
}
