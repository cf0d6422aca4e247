// CDockContext.h: drags a control bar with the mouse. StartDrag captures
// the mouse on the bar and draws the bar's outline; each Move shows where it
// would land (a dock bar's row outline over the side under the cursor or
// that the outline reaches, else the outline of a floating frame; with Ctrl
// held it never docks); EndDrag docks it there, in the row and place under
// the cursor, or floats it; CancelDrag (capture lost) leaves it as it was.
// ToggleDocking (double click) floats a docked bar where it last floated
// and docks a floating bar back in the row and place it was last docked in.
// The bar forwards its mouse messages here while IsTracking.
#pragma once

#include "platform/CRect.h"
#include "platform/DockRowModel.h"

class CControlBar;
class CDockBar;
class CFrameWnd;

class CDockContext {
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // pt is in screen coordinates.
    virtual void StartDrag(CPoint pt);
    void Move(CPoint pt);
    // bDrop: dock or float where the outline is; else only end the drag.
    void EndDrag(BOOL bDrop);
    void CancelDrag() { EndDrag(FALSE); }
    virtual void ToggleDocking();
    BOOL IsTracking() const { return m_bDragging; }

    CControlBar* m_pBar;          // not owned
    CFrameWnd* m_pDockSite;       // not owned
    DWORD m_dwDockStyle = 0;      // the bar's allowed sides at the drag's start
    DockSide m_sideOver = kDockNone;  // the side the outline is over
    CRect m_rectDragHorz;         // outline docked in a horizontal row
    CRect m_rectDragVert;         // outline docked in a vertical row
    CRect m_rectFrameDragHorz;    // outline of the floating frame
    CRect m_rectFrameDragVert;
    CPoint m_ptStart;
    CPoint m_ptLast;
    int m_nHitTest = 0;           // the frame edge grabbed when a floating frame is sized
    BOOL m_bDragging = FALSE;
    BOOL m_bMoved = FALSE;        // the mouse went past the drag threshold
    // Where the bar was last docked (its dock bar, and its rectangle in that
    // dock bar's client area) and last floated, for ToggleDocking.
    UINT m_uMRUDockID = 0;
    CRect m_rectMRUDockPos;
    CPoint m_ptMRUFloatPos;
    BOOL m_bHaveFloatPos = FALSE;

protected:
    // The rectangles of the drag, from the bar's sizes, moved to contain pt.
    virtual void InitRects(CPoint pt);
    CDockBar* DockBarForSide(DockSide side) const;
    // The side the bar would dock on now: the one under the cursor, else
    // the one its outline lies over (DockSideForDrag).
    DockSide SideUnderDrag() const;
    const CRect& CurrentOutline() const;
    void DrawOutline();
    BOOL m_bOutlineShown = FALSE;
    CRect m_rectShown;
};
