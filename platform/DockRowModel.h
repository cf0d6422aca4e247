// DockRowModel.h: the window-free arithmetic of docking: the dock bar's list
// of entries (bars, row breaks, placeholders), placing the bars of one row,
// sharing a row's length among resizable bars, aligning them end to end,
// moving the edge between two bars of a row, cutting rows to the room the
// frame has for its sides (whole rows of text at a time), and finding the
// side a dragged bar docks on. The
// window classes (CDockBar, CDockContext, CSizingControlBar, CFrameWnd) feed
// it lengths and rectangles and apply its answers.
//
// A dock bar's list holds, in row order: a null entry before every row (the
// first entry is always null), a bar pointer for a docked bar, and a
// placeholder (a bar's control id, a value below 0x10000) for a bar that is
// remembered in that place but lives elsewhere (hidden or floating).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/CArray.h"
#include "platform/Types.h"

// The dock bar's list (CDockBar::m_arrBars).
typedef CPtrArray DockEntryList;

// The entries of a list, for comparing and printing.
inline std::vector<void*> DockListEntries(const DockEntryList& list)
{
    return std::vector<void*>(list.begin(), list.end());
}

// True for a placeholder entry: non-null with a zero high word.
inline bool IsDockPlaceholder(const void* p)
{
    return p != nullptr && ((UINT_PTR)p >> 16) == 0;
}
// The placeholder entry standing for the bar with control id nID.
inline void* DockPlaceholderFor(UINT nID)
{
    return (void*)(UINT_PTR)(nID & 0xFFFF);
}

// Index of p in the list, or -1.
int DockListFind(const DockEntryList& list, const void* p);
// The row around index nSelf: first and last entry index of the row (row
// breaks excluded; an empty row gives first > last). False when nSelf is not a
// valid index, so that a bar missing from its list is never indexed with -1.
bool DockListRowRange(const DockEntryList& list, int nSelf, int& nFirst, int& nLast);
// Number of rows holding at least one real (non-placeholder) entry.
int DockListRowCount(const DockEntryList& list);
// Tidies the list: a leading null, no two nulls in a row, no trailing null
// unless the list is only that null.
void DockListCompact(DockEntryList& list);

// One bar of a row, for placement: where it would like to start and its length.
struct DockRowItem {
    int nPos;
    int nLength;
};
// Places a row's bars along a row of nRowLength: each keeps its wanted
// position if it can, overlapping the one before by at most nOverlap (the
// bars' borders); bars that would stick out past nRowLength + nOverlap are
// pushed back towards the start, but never before -nOverlap. Returns the
// start positions, in the same order.
std::vector<int> DockRowPlace(const std::vector<DockRowItem>& items, int nRowLength, int nOverlap);

// Whole rows: the heights at which a bar shows 1, 2, ... rows of its
// content whole, ascending (empty: any height will do). The greatest stop not
// above nHeight, never below the first; nHeight itself when it reaches the
// last stop or there are no stops.
int DockFitWholeRows(const std::vector<int>& stops, int nHeight);

// One bar of a row, for sharing the frame's room among the rows of its
// sides: the thickness it wants across the row, the least it can do with
// (its caption and buttons still shown, or its first row) and the stops of
// its thickness (DockFitWholeRows).
struct DockBarNeed {
    int nWant;
    int nMin;
    std::vector<int> stops;
};
// The thickness a bar takes when its row may take at most nCap across: its
// wanted thickness when that fits, else the cap; down to whole rows either
// way (a bar sized by the user between two rows shows the upper one whole);
// never below its least.
int DockBarThickness(const DockBarNeed& bar, int nCap);
// One row of a dock bar: its bars, and the least length they need along it.
struct DockRowNeed {
    std::vector<DockBarNeed> bars;
    int nMinLength;
};
// The thickness a bar of a row nRowThick thick takes, having nHas: the
// row's, so that the row is filled, unless that shows part of a row of its
// text; then the greatest whole-row thickness up to the row's, never less
// than nHas.
int DockBarFill(const DockBarNeed& bar, int nRowThick, int nHas);
// The thickness of a row cut to nCap: its thickest bar's.
int DockRowThickness(const DockRowNeed& row, int nCap);
// The greatest thickness a row may take so that all rows together fit
// nBudget: every row is cut to the cap but never below its minimum (the
// thickest rows give way first, the thin ones keep their size; a bar with
// rows of text drops whole rows). INT32_MAX when every row fits as it
// wants; 0 when even the minimums do not fit.
int DockRowCap(const std::vector<DockRowNeed>& rows, int nBudget);
// The cap of each row: DockRowCap's, then rows in order take what the
// uniform cap leaves of nBudget, each its next whole row (or pixel) at a
// time while it fits. All INT32_MAX when every row fits as it wants.
std::vector<int> DockRowCaps(const std::vector<DockRowNeed>& rows, int nBudget);

// A resizable bar of a row, for sharing the row's length.
struct DockShareItem {
    int nLength;     // the length it asks for along the row
    int nMinLength;  // the least it may have
};
enum DockShareResult {
    kDockShareDone = 0,      // lengths adjusted to fill the row
    kDockShareTooSmall = 1,  // the row cannot hold the bars' minimum lengths: sizes kept
};
// Shares nTotal among the row's bars. Lengths and minimums count two pixels
// short (the bars overlap by their borders). Extra length is spread evenly
// (the first bars get the odd pixels); missing length is taken one pixel per
// bar per pass from bars above their minimum. A bar already below its
// minimum is never shrunk further.
DockShareResult DockRowShare(std::vector<DockShareItem>& items, int nTotal);

// A row that cannot hold even its bars' least lengths (as DockRowShare
// counts them) still ends where the row does: the bars in order keep their
// least lengths while there is room, the first that does not fit takes what
// is left, the bars after it nothing (their borders only).
void DockRowSqueeze(std::vector<DockShareItem>& items, int nTotal);

// A bar of a column, for whole rows: its length (its height), the lengths
// at which it shows whole rows (its caption alone first; empty: it may be
// cut anywhere) and whether its content goes on below the last (a list
// that scrolls: any length from there shows it whole).
struct DockWholeItem {
    int nLength;
    std::vector<int> stops;
    bool bGoesOn;
};
// Every bar of the column shows whole rows: cut to the upper whole row (a
// bar squeezed below its caption to its borders alone), then what that
// freed, and what bars whose rows end have below their last, goes back a
// row at a time to the bars in turn that it takes to their next row, and
// the rest to the bars that show more with more length (cut anywhere, or a
// list past its last stop), else to those past their last row; without
// them the column ends short.
void DockKeepWholeRows(std::vector<DockWholeItem>& items);

// The positions of bars aligned end to end from nStart, each overlapping the
// one before by two pixels.
std::vector<int> DockRowAlign(const std::vector<int>& lengths, int nStart);

// A bar of a row for edge dragging: its length and minimum length.
struct DockEdgeItem {
    int nLength;
    int nMinLength;
};
// How far the edge before bar nBoundary (1..n-1) may move: nLow (<= 0) back,
// nHigh (>= 0) forward, limited by what the bars on the shrinking side can
// give before they reach their minimums.
void DockEdgeRange(const std::vector<DockEdgeItem>& items, int nBoundary, int& nLow, int& nHigh);
// Moves the edge before bar nBoundary by nDelta (clamped to DockEdgeRange):
// the bar on the side the edge moves away from grows by the distance, the
// bars on the other side, nearest first, give up length down to their
// minimums. Returns the distance actually moved.
int DockEdgeMove(std::vector<DockEdgeItem>& items, int nBoundary, int nDelta);

// The sides of a frame, in the order of the frame's dock bars.
enum DockSide { kDockNone = -1, kDockTop = 0, kDockBottom = 1, kDockLeft = 2, kDockRight = 3 };
// The side a dragged bar docks on: rcDock[side] is each dock bar's screen
// rectangle (an empty side is a line along the frame's inner edge), pt the
// cursor, rcHorz and rcVert the bar's outlines for a horizontal and a
// vertical row, allowed[side] whether the bar may dock there. A side's zone
// is its dock bar grown by nSlop towards the frame's interior. The side the
// cursor is over wins (its dock bar, then its zone); else the first side,
// in side order, whose zone the matching outline overlaps.
DockSide DockSideForDrag(const RECT rcDock[4], const bool allowed[4], POINT pt, const RECT& rcHorz,
                         const RECT& rcVert, int nSlop);

// Moves rc (keeping its size) so that at least nVisible pixels of it lie
// inside rcBounds in both directions; rcBounds is the virtual screen.
RECT DockKeepOnScreen(const RECT& rc, const RECT& rcBounds, int nVisible);
