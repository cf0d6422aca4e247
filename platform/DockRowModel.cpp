// DockRowModel.cpp: docking arithmetic without windows.
#include "platform/DockRowModel.h"

#include <algorithm>

int DockListFind(const DockEntryList& list, const void* p)
{
    for (int i = 0; i < (int)list.GetSize(); i++)
        if (list[i] == p)
            return i;
    return -1;
}

bool DockListRowRange(const DockEntryList& list, int nSelf, int& nFirst, int& nLast)
{
    if (nSelf < 0 || nSelf >= (int)list.GetSize() || list[nSelf] == nullptr)
        return false;
    nFirst = nSelf;
    while (nFirst > 0 && list[nFirst - 1] != nullptr)
        nFirst--;
    nLast = nSelf;
    while (nLast + 1 < (int)list.GetSize() && list[nLast + 1] != nullptr)
        nLast++;
    return true;
}

int DockListRowCount(const DockEntryList& list)
{
    int nRows = 0;
    bool bReal = false;
    for (const void* p : list) {
        if (p == nullptr) {
            nRows += bReal ? 1 : 0;
            bReal = false;
        } else if (!IsDockPlaceholder(p)) {
            bReal = true;
        }
    }
    return nRows + (bReal ? 1 : 0);
}

void DockListCompact(DockEntryList& list)
{
    DockEntryList out;
    out.Add(nullptr);
    for (void* p : list)
        if (p != nullptr || out[out.GetUpperBound()] != nullptr)
            out.Add(p);
    if (out.GetSize() > 1 && out[out.GetUpperBound()] == nullptr)
        out.RemoveAt(out.GetUpperBound());
    list.Copy(out);
}

std::vector<int> DockRowPlace(const std::vector<DockRowItem>& items, int nRowLength, int nOverlap)
{
    size_t n = items.size();
    std::vector<int> pos(n);
    int nEnd = 0;
    for (size_t i = 0; i < n; i++) {
        pos[i] = std::max(items[i].nPos, nEnd - nOverlap);
        nEnd = pos[i] + items[i].nLength;
    }
    // Push back from the end what sticks out, as far as the start allows.
    int nLimit = nRowLength + nOverlap;
    for (size_t i = n; i-- > 0;) {
        if (pos[i] + items[i].nLength > nLimit)
            pos[i] = std::max(nLimit - items[i].nLength, -nOverlap);
        nLimit = pos[i] + nOverlap;
    }
    // A row too short for all its bars: they queue from the start.
    nEnd = 0;
    for (size_t i = 0; i < n; i++) {
        pos[i] = std::max(pos[i], nEnd - nOverlap);
        nEnd = pos[i] + items[i].nLength;
    }
    return pos;
}

int DockFitWholeRows(const std::vector<int>& stops, int nHeight)
{
    if (stops.empty() || nHeight >= stops.back())
        return nHeight;
    int nFit = stops.front();
    for (int nStop : stops)
        if (nStop <= nHeight)
            nFit = nStop;
    return nFit;
}

int DockBarThickness(const DockBarNeed& bar, int nCap)
{
    return std::max(bar.nMin, DockFitWholeRows(bar.stops, std::min(bar.nWant, nCap)));
}

int DockBarFill(const DockBarNeed& bar, int nRowThick, int nHas)
{
    const int nFit = DockFitWholeRows(bar.stops, nRowThick);
    return nFit <= nRowThick ? std::max(nHas, nFit) : nHas;
}

int DockRowThickness(const DockRowNeed& row, int nCap)
{
    int nThick = 0;
    for (const DockBarNeed& bar : row.bars)
        nThick = std::max(nThick, DockBarThickness(bar, nCap));
    return nThick;
}

namespace {

int CappedTotal(const std::vector<DockRowNeed>& rows, int nCap)
{
    int nTotal = 0;
    for (const DockRowNeed& row : rows)
        nTotal += DockRowThickness(row, nCap);
    return nTotal;
}

}  // namespace

int DockRowCap(const std::vector<DockRowNeed>& rows, int nBudget)
{
    int nHigh = 0;
    for (const DockRowNeed& row : rows)
        for (const DockBarNeed& bar : row.bars)
            nHigh = std::max(nHigh, bar.nWant);
    if (CappedTotal(rows, nHigh) <= nBudget)
        return INT32_MAX;
    // The greatest cap that fits: the total grows with the cap.
    int nLow = 0;
    while (nLow < nHigh) {
        int nMid = nLow + (nHigh - nLow + 1) / 2;
        if (CappedTotal(rows, nMid) <= nBudget)
            nLow = nMid;
        else
            nHigh = nMid - 1;
    }
    return nLow;
}

namespace {

// The least cap above nCap at which the row grows: a bar's next whole row,
// its wanted thickness or, for a bar cut anywhere, the next pixel;
// INT32_MAX when no bar can grow.
int NextRowCap(const DockRowNeed& row, int nCap)
{
    const int nThick = DockRowThickness(row, nCap);
    std::vector<int> candidates;
    for (const DockBarNeed& bar : row.bars) {
        candidates.push_back(bar.nWant);
        candidates.insert(candidates.end(), bar.stops.begin(), bar.stops.end());
        if (bar.stops.empty())
            candidates.push_back(nThick + 1);
    }
    std::sort(candidates.begin(), candidates.end());
    for (int c : candidates)
        if (c > nThick && DockRowThickness(row, c) > nThick)
            return c;
    return INT32_MAX;
}

}  // namespace

std::vector<int> DockRowCaps(const std::vector<DockRowNeed>& rows, int nBudget)
{
    const int nCap = DockRowCap(rows, nBudget);
    std::vector<int> caps(rows.size(), nCap);
    if (nCap == INT32_MAX)
        return caps;
    int nTotal = CappedTotal(rows, nCap);
    for (bool bGrew = true; bGrew;) {
        bGrew = false;
        for (size_t i = 0; i < rows.size(); i++) {
            int nNext = NextRowCap(rows[i], caps[i]);
            if (nNext == INT32_MAX)
                continue;
            int nGrowth = DockRowThickness(rows[i], nNext) - DockRowThickness(rows[i], caps[i]);
            if (nTotal + nGrowth > nBudget)
                continue;
            caps[i] = nNext;
            nTotal += nGrowth;
            bGrew = true;
        }
    }
    return caps;
}

namespace {

void ShrinkRow(std::vector<DockShareItem>& items, int nDelta)
{
    for (bool bTook = true; nDelta < 0 && bTook;) {
        bTook = false;
        for (DockShareItem& it : items) {
            if (nDelta < 0 && it.nLength > it.nMinLength) {
                it.nLength--;
                nDelta++;
                bTook = true;
            }
        }
    }
}

}  // namespace

DockShareResult DockRowShare(std::vector<DockShareItem>& items, int nTotal)
{
    if (items.empty())
        return kDockShareDone;
    int nNeeded = 2;
    int nAvail = 0;
    for (const DockShareItem& it : items) {
        nAvail += it.nLength - 2;
        nNeeded += it.nMinLength - 2;
        if (nTotal < nNeeded)
            return kDockShareTooSmall;
    }
    int nDelta = nTotal - nAvail;
    int n = (int)items.size();
    if (nDelta > 0) {
        for (int i = 0; i < n; i++)
            items[(size_t)i].nLength += nDelta / n + (i < nDelta % n ? 1 : 0);
    } else {
        ShrinkRow(items, nDelta);
    }
    return kDockShareDone;
}

void DockRowSqueeze(std::vector<DockShareItem>& items, int nTotal)
{
    int nLeft = nTotal - 2;
    for (DockShareItem& it : items) {
        const int nGive = std::min(it.nMinLength - 2, std::max(nLeft, 0));
        it.nLength = nGive + 2;
        nLeft -= nGive;
    }
}

void DockKeepWholeRows(std::vector<DockWholeItem>& items)
{
    int nFreed = 0;
    for (DockWholeItem& it : items) {
        if (it.stops.empty())
            continue;
        // Below its caption a bar shows nothing but its borders.
        const int nWhole =
            it.nLength < it.stops.front() ? std::min(it.nLength, 2) : DockFitWholeRows(it.stops, it.nLength);
        nFreed += it.nLength - nWhole;
        it.nLength = nWhole;
    }
    // What a bar whose rows end shows below its last row is its own only
    // while no other bar needs it for a row.
    auto spare = [&items](int nTake) {
        int nSpare = 0;
        for (DockWholeItem& it : items) {
            const int nPast = it.bGoesOn || it.stops.empty() ? 0 : std::max(it.nLength - it.stops.back(), 0);
            const int nGive = std::min(nPast, nTake);
            it.nLength -= nGive;
            nTake -= nGive;
            nSpare += nPast - nGive;
        }
        return nSpare;
    };
    for (bool bGrew = true; bGrew;) {
        bGrew = false;
        for (DockWholeItem& it : items) {
            auto next = std::upper_bound(it.stops.begin(), it.stops.end(), it.nLength);
            if (next == it.stops.end() || *next - it.nLength > nFreed + spare(0))
                continue;
            const int nNeed = *next - it.nLength;
            spare(std::max(nNeed - nFreed, 0));
            nFreed = std::max(nFreed - nNeed, 0);
            it.nLength = *next;
            bGrew = true;
        }
    }
    // The rest to the bars that show more with more length, else to those
    // past their last row (room below their rows rather than a gap).
    std::vector<DockWholeItem*> takers;
    for (DockWholeItem& it : items)
        if (it.stops.empty() || (it.bGoesOn && it.nLength >= it.stops.back()))
            takers.push_back(&it);
    for (DockWholeItem& it : items)
        if (takers.empty() && it.nLength >= it.stops.back())
            takers.push_back(&it);
    for (size_t i = 0; i < takers.size(); i++)
        takers[i]->nLength += nFreed / (int)takers.size() + ((int)i < nFreed % (int)takers.size() ? 1 : 0);
}

std::vector<int> DockRowAlign(const std::vector<int>& lengths, int nStart)
{
    std::vector<int> pos;
    int nPos = nStart;
    for (int nLength : lengths) {
        pos.push_back(nPos);
        nPos += nLength - 2;
    }
    return pos;
}

namespace {

int Slack(const DockEdgeItem& it)
{
    return std::max(it.nLength - it.nMinLength, 0);
}

// Takes up to nNeed from the bars from index i stepping by nStep; returns what was taken.
int GiveUp(std::vector<DockEdgeItem>& items, int i, int nStep, int nNeed)
{
    int nTaken = 0;
    for (; i >= 0 && i < (int)items.size() && nTaken < nNeed; i += nStep) {
        int nGive = std::min(Slack(items[(size_t)i]), nNeed - nTaken);
        items[(size_t)i].nLength -= nGive;
        nTaken += nGive;
    }
    return nTaken;
}

}  // namespace

void DockEdgeRange(const std::vector<DockEdgeItem>& items, int nBoundary, int& nLow, int& nHigh)
{
    nLow = nHigh = 0;
    if (nBoundary < 1 || nBoundary >= (int)items.size())
        return;
    for (int i = 0; i < (int)items.size(); i++) {
        if (i < nBoundary)
            nLow -= Slack(items[(size_t)i]);
        else
            nHigh += Slack(items[(size_t)i]);
    }
}

int DockEdgeMove(std::vector<DockEdgeItem>& items, int nBoundary, int nDelta)
{
    int nLow = 0, nHigh = 0;
    DockEdgeRange(items, nBoundary, nLow, nHigh);
    nDelta = std::min(std::max(nDelta, nLow), nHigh);
    if (nDelta > 0) {
        int nTaken = GiveUp(items, nBoundary, 1, nDelta);
        items[(size_t)nBoundary - 1].nLength += nTaken;
    } else if (nDelta < 0) {
        int nTaken = GiveUp(items, nBoundary - 1, -1, -nDelta);
        items[(size_t)nBoundary].nLength += nTaken;
    }
    return nDelta;
}

namespace {

bool Overlaps(const RECT& a, const RECT& b)
{
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

}  // namespace

namespace {

RECT SideZone(const RECT& rcDock, int side, int nSlop)
{
    RECT zone = rcDock;
    if (side == kDockTop)
        zone.bottom += nSlop;
    else if (side == kDockBottom)
        zone.top -= nSlop;
    else if (side == kDockLeft)
        zone.right += nSlop;
    else
        zone.left -= nSlop;
    return zone;
}

bool Holds(const RECT& rc, POINT pt)
{
    return pt.x >= rc.left && pt.x < rc.right && pt.y >= rc.top && pt.y < rc.bottom;
}

}  // namespace

DockSide DockSideForDrag(const RECT rcDock[4], const bool allowed[4], POINT pt, const RECT& rcHorz,
                         const RECT& rcVert, int nSlop)
{
    for (int side = kDockTop; side <= kDockRight; side++)
        if (allowed[side] && Holds(rcDock[side], pt))
            return (DockSide)side;
    for (int side = kDockTop; side <= kDockRight; side++)
        if (allowed[side] && Holds(SideZone(rcDock[side], side, nSlop), pt))
            return (DockSide)side;
    for (int side = kDockTop; side <= kDockRight; side++) {
        bool bHorz = side == kDockTop || side == kDockBottom;
        if (allowed[side] && Overlaps(SideZone(rcDock[side], side, nSlop), bHorz ? rcHorz : rcVert))
            return (DockSide)side;
    }
    return kDockNone;
}

RECT DockKeepOnScreen(const RECT& rc, const RECT& rcBounds, int nVisible)
{
    int dx = 0, dy = 0;
    if (rc.right < rcBounds.left + nVisible)
        dx = rcBounds.left + nVisible - rc.right;
    else if (rc.left > rcBounds.right - nVisible)
        dx = rcBounds.right - nVisible - rc.left;
    // The top (where the caption is) must stay reachable.
    if (rc.top < rcBounds.top)
        dy = rcBounds.top - rc.top;
    else if (rc.top > rcBounds.bottom - nVisible)
        dy = rcBounds.bottom - nVisible - rc.top;
    RECT out = {rc.left + dx, rc.top + dy, rc.right + dx, rc.bottom + dy};
    return out;
}
