// CDockContext.cpp: the mouse drag that docks and floats a bar.
#include "platform/CDockContext.h"

#include <cstdlib>

#include "platform/CControlBar.h"
#include "platform/CDockBar.h"
#include "platform/CFrameWnd.h"

namespace {

// Moves rc the least so that it contains pt.
void MoveToContain(CRect& rc, CPoint pt)
{
    if (pt.x < rc.left)
        rc.OffsetRect(pt.x - rc.left, 0);
    else if (pt.x >= rc.right)
        rc.OffsetRect(pt.x - rc.right + 1, 0);
    if (pt.y < rc.top)
        rc.OffsetRect(0, pt.y - rc.top);
    else if (pt.y >= rc.bottom)
        rc.OffsetRect(0, pt.y - rc.bottom + 1);
}

const int kDockSlop = 16;      // how far into the client area a side attracts a bar
const int kOutlineWidth = 3;   // thickness of the drag outline

}  // namespace

CDockContext::CDockContext(CControlBar* pBar) : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite) {}

CDockContext::~CDockContext()
{
    if (m_bDragging && ::GetCapture() == m_pBar->m_hWnd) {
        m_bDragging = FALSE;
        ::ReleaseCapture();
    }
}

CDockBar* CDockContext::DockBarForSide(DockSide side) const
{
    static const UINT ids[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT,
                                AFX_IDW_DOCKBAR_RIGHT};
    if (side == kDockNone || !m_pDockSite)
        return nullptr;
    return DYNAMIC_DOWNCAST(CDockBar, m_pDockSite->GetControlBar(ids[side]));
}

void CDockContext::InitRects(CPoint pt)
{
    CRect rcBar;
    m_pBar->GetWindowRect(&rcBar);
    BOOL bDynamic = (m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC) != 0;
    CSize sizeHorz = bDynamic ? m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK) : m_pBar->CalcFixedLayout(FALSE, TRUE);
    CSize sizeVert = bDynamic ? m_pBar->CalcDynamicLayout(0, LM_VERTDOCK) : m_pBar->CalcFixedLayout(FALSE, FALSE);
    CSize sizeFloat = bDynamic ? m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH) : sizeHorz;
    m_rectDragHorz = CRect(rcBar.TopLeft(), sizeHorz);
    m_rectDragVert = CRect(rcBar.TopLeft(), sizeVert);
    // A floating frame adds its small caption and thin border.
    CRect rcFrame(rcBar.TopLeft(), sizeFloat);
    ::AdjustWindowRectEx(&rcFrame, WS_POPUP | WS_CAPTION | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    rcFrame.OffsetRect(rcBar.left - rcFrame.left, rcBar.top - rcFrame.top);
    m_rectFrameDragHorz = rcFrame;
    m_rectFrameDragVert = rcFrame;
    MoveToContain(m_rectDragHorz, pt);
    MoveToContain(m_rectDragVert, pt);
    MoveToContain(m_rectFrameDragHorz, pt);
    MoveToContain(m_rectFrameDragVert, pt);
}

void CDockContext::StartDrag(CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite)
        return;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    InitRects(pt);
    m_ptStart = m_ptLast = pt;
    m_bMoved = FALSE;
    m_sideOver = SideUnderDrag();
    m_bDragging = TRUE;
    m_pBar->SetCapture();
}

DockSide CDockContext::SideUnderDrag() const
{
    if (::GetKeyState(VK_CONTROL) < 0)
        return kDockNone;  // Ctrl held: float only
    RECT rcDock[4];
    bool allowed[4];
    static const DWORD aligns[4] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};
    for (int side = 0; side < 4; side++) {
        CDockBar* pDockBar = DockBarForSide((DockSide)side);
        allowed[side] = pDockBar && (m_dwDockStyle & aligns[side]) && (pDockBar->m_dwDockStyle & aligns[side]);
        CRect rc;
        if (pDockBar)
            pDockBar->GetWindowRect(&rc);
        rcDock[side] = rc;
    }
    return DockSideForDrag(rcDock, allowed, m_ptLast, m_rectDragHorz, m_rectDragVert, kDockSlop);
}

const CRect& CDockContext::CurrentOutline() const
{
    if (m_sideOver == kDockNone)
        return m_rectFrameDragHorz;
    return m_sideOver == kDockTop || m_sideOver == kDockBottom ? m_rectDragHorz : m_rectDragVert;
}

void CDockContext::DrawOutline()
{
    // The outline is inverted on the screen, so drawing it again erases it.
    HDC hdc = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE);
    if (!hdc)
        return;
    WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    HBITMAP hbm = ::CreateBitmap(8, 8, 1, 1, pattern);
    HBRUSH hbr = ::CreatePatternBrush(hbm);
    HGDIOBJ hOld = ::SelectObject(hdc, hbr);
    const CRect& rc = m_rectShown;
    int w = kOutlineWidth;
    ::PatBlt(hdc, rc.left, rc.top, rc.Width(), w, PATINVERT);
    ::PatBlt(hdc, rc.left, rc.bottom - w, rc.Width(), w, PATINVERT);
    ::PatBlt(hdc, rc.left, rc.top + w, w, rc.Height() - 2 * w, PATINVERT);
    ::PatBlt(hdc, rc.right - w, rc.top + w, w, rc.Height() - 2 * w, PATINVERT);
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hbr);
    ::DeleteObject(hbm);
    ::ReleaseDC(nullptr, hdc);
}

void CDockContext::Move(CPoint pt)
{
    if (!m_bDragging)
        return;
    int dx = pt.x - m_ptLast.x, dy = pt.y - m_ptLast.y;
    if (!m_bMoved && abs(pt.x - m_ptStart.x) < ::GetSystemMetrics(SM_CXDRAG) &&
        abs(pt.y - m_ptStart.y) < ::GetSystemMetrics(SM_CYDRAG))
        return;  // not a drag yet
    m_bMoved = TRUE;
    m_rectDragHorz.OffsetRect(dx, dy);
    m_rectDragVert.OffsetRect(dx, dy);
    m_rectFrameDragHorz.OffsetRect(dx, dy);
    m_rectFrameDragVert.OffsetRect(dx, dy);
    m_ptLast = pt;
    m_sideOver = SideUnderDrag();
    if (m_bOutlineShown)
        DrawOutline();
    m_rectShown = CurrentOutline();
    DrawOutline();
    m_bOutlineShown = TRUE;
}

void CDockContext::EndDrag(BOOL bDrop)
{
    if (!m_bDragging)
        return;
    if (m_bOutlineShown)
        DrawOutline();
    m_bOutlineShown = FALSE;
    m_bDragging = FALSE;  // before the capture goes: WM_CAPTURECHANGED must find no drag
    if (::GetCapture() == m_pBar->m_hWnd)
        ::ReleaseCapture();
    if (!bDrop || !m_bMoved)
        return;
    CDockBar* pDockBar = DockBarForSide(m_sideOver);
    if (pDockBar) {
        CRect rc = CurrentOutline();
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rc, &m_ptLast);
    } else {
        m_pDockSite->FloatControlBar(m_pBar, m_rectFrameDragHorz.TopLeft());
    }
}

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (!m_pDockSite)
        return;
    if (m_pBar->IsFloating()) {
        // Back in the row and place it was docked in last: the side that
        // keeps its placeholder (after a restart only that is known), at
        // the place it had there; else on the first side it may dock on.
        UINT nID = (UINT)m_pBar->GetDlgCtrlID();
        CDockBar* pDockBar = DYNAMIC_DOWNCAST(CDockBar, m_pDockSite->GetControlBar(m_uMRUDockID));
        if (!pDockBar || pDockBar->FindBar(DockPlaceholderFor(nID)) < 0)
            pDockBar = m_pDockSite->FindPlaceHolder(nID);
        if (!pDockBar)
            pDockBar = DYNAMIC_DOWNCAST(CDockBar, m_pDockSite->GetControlBar(m_uMRUDockID));
        if (!pDockBar || !(m_pBar->m_dwDockStyle & (pDockBar->m_dwStyle & CBRS_ALIGN_ANY))) {
            m_pDockSite->DockControlBar(m_pBar);
            return;
        }
        CRect rc = m_rectMRUDockPos;
        if (pDockBar->GetDlgCtrlID() != (int)m_uMRUDockID)
            rc.SetRectEmpty();
        pDockBar->ClientToScreen(&rc);
        m_pDockSite->ReDockControlBar(m_pBar, pDockBar, rc.IsRectEmpty() ? nullptr : &rc);
        return;
    }
    CPoint pt;
    if (m_bHaveFloatPos) {
        pt = m_ptMRUFloatPos;
    } else {
        CRect rc;
        m_pBar->GetWindowRect(&rc);
        pt = CPoint(rc.left + 20, rc.top + 20);
    }
    m_pDockSite->FloatControlBar(m_pBar, pt);
}
