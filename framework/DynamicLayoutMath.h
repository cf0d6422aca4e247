// DynamicLayoutMath.h: the arithmetic of the dynamic layout engine, apart
// from any window: a control's layout record (CDynPos), the dynamic-map entry
// and its rule table, the sizing modes, the even-spacing percentages, where a
// control goes for a size change, the tracking limits and the stretch of a
// window rectangle. Window-free.
#pragma once

#include "platform/Types.h"

// A registered control: its base rectangle (parent client coordinates, as
// registered), its minimum size (0 = none) and how far each edge travels
// with the growth of the client area, in percent (left, top, right, bottom).
class CDynPos : public RECT {
public:
    CDynPos();
    CDynPos(const RECT& rc, signed char pl, signed char pt, signed char pr, signed char pb,
            SIZE szMin = SIZE{0, 0});
    virtual ~CDynPos() = default;
    CDynPos(const CDynPos&) = default;
    CDynPos& operator=(const CDynPos&) = default;

    SIZE m_szMin;
    signed char m_pl, m_pt, m_pr, m_pb;
};

// One entry of a class's dynamic map; a type of 0 ends the map.
struct cdxDynamicMapEntry {
    DWORD nType;
    DWORD nCtrlId;  // 0: every child window
    BYTE a, b, c, d;
};

// Entry types.
enum : DWORD {
    kDynMapEnd = 0,
    kDynMapPercents = 1,   // a, b, c, d are the four percentages
    kDynMapModes = 2,      // a horizontal mode, b vertical mode
    kDynMapXPercents = 3,  // a and c only
    kDynMapYPercents = 4,  // b and d only
    kDynMapXMode = 5,      // a only
    kDynMapYMode = 6,      // b only
};

// Sizing modes.
enum : int { kDynModeStay = 0, kDynModeStretch = 1, kDynModeMove = 2, kDynModeMoveHalf = 3 };

// Which edges a rule sets.
enum DynAxis { kDynAxisBoth, kDynAxisX, kDynAxisY };

// The (near edge, far edge) percentages of a mode: stretch (0, 100), move
// (100, 100), move by half (50, 50), anything else stays (0, 0).
void ModeToPercents(int nMode, BYTE& nNear, BYTE& nFar);

// The percentages (left, top, right, bottom) and axis of a map entry; false
// for an unknown type.
bool DynamicMapEntryRule(const cdxDynamicMapEntry& entry, BYTE pct[4], DynAxis& axis);

// The i-th of n controls moved evenly across (both edges) or sized evenly
// (near and far edge); false for n < 2 or i outside 1..n.
bool EvenMovePercents(int n, int i, BYTE& nNear, BYTE& nFar);
bool EvenSizePercents(int n, int i, BYTE& nNear, BYTE& nFar);

// Where a control goes when the client area differs from its initial size
// by delta. In scroll mode the base rectangle is taken back by the scroll
// position and an axis's moves apply only while its delta is not negative.
// A rectangle below the minimum size grows to it (right and bottom).
RECT DynamicControlRect(const CDynPos& pos, SIZE delta, bool bUseScrollPos, POINT ptScroll);

// The base rectangle of a control found at rcNow while the client area
// differs from its initial size by delta: the rectangle that
// DynamicControlRect takes back to rcNow under pos's percentages. A control
// registered after a resize is thus placed as if registered at the start.
RECT DynamicBaseRect(const RECT& rcNow, const CDynPos& pos, SIZE delta, bool bUseScrollPos, POINT ptScroll);

// The window's tracking limits from the client limits and the border size
// (outer minus client). An axis outside nFreedom (1 = x, 2 = y) is fixed at
// its minimum; a free axis with a positive maximum is limited to it.
void DynamicTrackingLimits(SIZE szMinClient, SIZE szMaxClient, SIZE szBorder, DWORD nFreedom,
                           POINT& ptMinTrack, POINT& ptMaxTrack);

// Grows rc about its centre by cx, cy (the odd pixel goes right and down);
// false when the result would be empty.
bool StretchRect(const RECT& rc, int cx, int cy, RECT& rcOut);
