// CSizingControlBarDrag.cpp: the sizing bar's mouse: hit testing the
// edges and caption buttons, dragging an edge (across the row: the row's
// width; along it: lengths traded with the neighbours, DockRowModel), the
// close and help buttons, What's-This on the caption, and the docking drag
// that the control-bar base runs from the caption.
#include <algorithm>

#include "framework/CSizingControlBar.h"
#include "platform/AfxIds.h"
#include "platform/CDC.h"
#include "platform/CDockBar.h"
#include "platform/CFrameWnd.h"
#include "platform/CGdiObject.h"

bool SizingBarDragFullWindows();

namespace {

const int kCloseCtrlId = 30000;
const int kHelpCtrlId = 30001;

}  // namespace

int CSizingControlBar::GetSizingEdgeHitCode(int i) const
{
    static const int codes[4] = {HTLEFT, HTTOP, HTRIGHT, HTBOTTOM};
    return i >= 0 && i < 4 ? codes[i] : 0;
}

BOOL CSizingControlBar::GetSizingEdgeRect(const CRect& rcWnd, int nHitTest, CRect& rcEdge)
{
    rcEdge = rcWnd;
    if (m_dwSCBStyle & SCBS_DRAW_EDGES)
        rcEdge.DeflateRect(1, 1);
    int w = m_nEdgeWidth;
    bool bHorz = IsDockedHorizontally() != FALSE;
    switch (nHitTest) {
    case HTLEFT:
        if (!(m_dwSCBStyle & SCBS_SIZABLE_LEFT))
            return FALSE;
        rcEdge.right = rcEdge.left + w;
        if (bHorz)
            rcEdge.DeflateRect(0, w);
        return TRUE;
    case HTRIGHT:
        if (!(m_dwSCBStyle & SCBS_SIZABLE_RIGHT))
            return FALSE;
        rcEdge.left = rcEdge.right - w;
        if (bHorz)
            rcEdge.DeflateRect(0, w);
        return TRUE;
    case HTTOP:
        if (!(m_dwSCBStyle & SCBS_SIZABLE_TOP))
            return FALSE;
        rcEdge.bottom = rcEdge.top + w;
        if (!bHorz)
            rcEdge.DeflateRect(w, 0);
        return TRUE;
    case HTBOTTOM:
        if (!(m_dwSCBStyle & SCBS_SIZABLE_BOTTOM))
            return FALSE;
        rcEdge.top = rcEdge.bottom - w;
        if (!bHorz)
            rcEdge.DeflateRect(w, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

LRESULT CSizingControlBar::HitTestBar(CPoint pt, BOOL bAll)
{
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    if (!rcWnd.PtInRect(pt))
        return HTNOWHERE;
    if (bAll || (m_nPressedHit == 0 && IsDockedBar())) {
        CRect rcEdge;
        for (int i = 0; i < 4; i++) {
            int nHit = GetSizingEdgeHitCode(i);
            if (GetSizingEdgeRect(rcWnd, nHit, rcEdge) && rcEdge.PtInRect(pt))
                return nHit;
        }
    }
    CPoint ptWnd(pt.x - rcWnd.left, pt.y - rcWnd.top);
    if ((bAll || m_nPressedHit == 0 || m_nPressedHit == HTCLOSE) && HasCaption() && CloseButtonRect().PtInRect(ptWnd))
        return HTCLOSE;
    if ((bAll || m_nPressedHit == 0 || m_nPressedHit == HTHELP) && HasCaption() &&
        (m_dwSCBStyle & SCBS_HELP_BUTTON) && HelpButtonRect().PtInRect(ptWnd))
        return HTHELP;
    return HTCLIENT;
}

BOOL CSizingControlBar::IsInCaptionArea(CPoint pt)
{
    if (HitTestBar(pt, TRUE) != HTCLIENT)
        return FALSE;
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    return IsDockedHorizontally() ? pt.x < rcWnd.left + 17 : pt.y < rcWnd.top + 17;
}

LRESULT CSizingControlBar::OnNcHitTest(CPoint pt)
{
    return HitTestBar(pt, FALSE);
}

// ---- edge dragging ---------------------------------------------------

void CSizingControlBar::BeginEdgeDrag(int nHitTest, CPoint pt)
{
    SetCapture();
    if (!SizingBarDragFullWindows() && m_pDockSite)
        m_pDockSite->RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_bDragging = TRUE;
    m_nDragEdge = nHitTest;
    if (!s_bClassicDocking)
        m_ptDragStart = pt;
    bool bAlongX = nHitTest == HTLEFT || nHitTest == HTRIGHT;
    m_nTrackPosOld = m_nTrackPosMin = m_nTrackPosMax = bAlongX ? pt.x : pt.y;
    CRect rcWnd, rcEdge;
    GetWindowRect(&rcWnd);
    GetSizingEdgeRect(rcWnd, nHitTest, rcEdge);
    m_nTrackEdgeOfs = m_nTrackPosOld - (bAlongX ? rcEdge.CenterPoint().x : rcEdge.CenterPoint().y);
    BOOL bHorz = IsDockedHorizontally();
    CSCBArray arrBars;
    int nThis = -1;
    GetRowBarsAndIndex(arrBars, nThis);
    if (!IsTrackingInRow()) {
        int nMinWidth = 0;
        for (CSizingControlBar* pBar : arrBars) {
            CSize minSize = pBar->GetMinDockedSize(bHorz);
            nMinWidth = std::max(nMinWidth, (int)(bHorz ? minSize.cy : minSize.cx));
        }
        CSize size = GetDockedSize(bHorz);
        int nExcess = std::max(0, (int)(bHorz ? size.cy : size.cx) - nMinWidth);
        // The bar may grow into the view's room, down to the view's minimum.
        CRect rcRoom;
        CSize minView(0, 0);
        if (m_pDockSite) {
            m_pDockSite->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rcRoom);
            minView = m_pDockSite->GetMinimumViewSize();
        }
        int nRoom = std::max(0, (int)(bHorz ? rcRoom.Height() - minView.cy : rcRoom.Width() - minView.cx) - 2);
        bool bLeading = nHitTest == HTTOP || nHitTest == HTLEFT;
        m_nTrackPosMin -= bLeading ? nRoom : nExcess;
        m_nTrackPosMax += bLeading ? nExcess : nRoom;
    } else if (nThis >= 0) {
        std::vector<DockEdgeItem> items;
        for (CSizingControlBar* pBar : arrBars) {
            CSize size = pBar->GetDockedSize(bHorz), minSize = pBar->GetMinDockedSize(bHorz);
            items.push_back({(int)(bHorz ? size.cx : size.cy), (int)(bHorz ? minSize.cx : minSize.cy)});
        }
        bool bTrailing = nHitTest == HTRIGHT || nHitTest == HTBOTTOM;
        int nLow = 0, nHigh = 0;
        DockEdgeRange(items, bTrailing ? nThis + 1 : nThis, nLow, nHigh);
        m_nTrackPosMin += nLow;
        m_nTrackPosMax += nHigh;
    }
    DrawEdgeTracker();
}

void CSizingControlBar::DrawEdgeTracker()
{
    if (SizingBarDragFullWindows() || !m_pDockSite)
        return;
    CRect rcWnd, rcEdge;
    GetWindowRect(&rcWnd);
    GetSizingEdgeRect(rcWnd, m_nDragEdge, rcEdge);
    bool bAlongX = m_nDragEdge == HTLEFT || m_nDragEdge == HTRIGHT;
    if (!IsTrackingInRow() && m_pDockBar) {
        CRect rcDock;
        m_pDockBar->GetWindowRect(&rcDock);
        rcDock.DeflateRect(1, 1);
        if (bAlongX) {
            rcEdge.top = rcDock.top;
            rcEdge.bottom = rcDock.bottom;
        } else {
            rcEdge.left = rcDock.left;
            rcEdge.right = rcDock.right;
        }
    }
    int nShift = m_nTrackPosOld - m_nTrackEdgeOfs - (bAlongX ? rcEdge.CenterPoint().x : rcEdge.CenterPoint().y);
    rcEdge.OffsetRect(bAlongX ? nShift : 0, bAlongX ? 0 : nShift);
    CRect rcFrame;
    m_pDockSite->GetWindowRect(&rcFrame);
    rcEdge.OffsetRect(-rcFrame.left, -rcFrame.top);
    CWindowDC dc(m_pDockSite->m_hWnd, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!dc.m_hDC)
        return;
    WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    CBitmap bm;
    bm.CreateBitmap(8, 8, 1, 1, pattern);
    CBrush br;
    br.CreatePatternBrush(bm);
    CDCSelect selBrush(dc, br);
    ::PatBlt(dc, rcEdge.left, rcEdge.top, rcEdge.Width(), rcEdge.Height(), PATINVERT);
}

void CSizingControlBar::UpdateEdgeDrag(CPoint pt)
{
    bool bAlongX = m_nDragEdge == HTLEFT || m_nDragEdge == HTRIGHT;
    int nPos = std::min(std::max((int)(bAlongX ? pt.x : pt.y), m_nTrackPosMin), m_nTrackPosMax);
    int nDelta = nPos - m_nTrackPosOld;
    if (nDelta == 0)
        return;
    DrawEdgeTracker();
    m_nTrackPosOld = nPos;
    BOOL bHorz = IsDockedHorizontally();
    CSCBArray arrBars;
    int nThis = -1;
    GetRowBarsAndIndex(arrBars, nThis);
    if (!IsTrackingInRow()) {
        bool bLeading = m_nDragEdge == HTTOP || m_nDragEdge == HTLEFT;
        CSize size = GetDockedSize(bHorz);
        int nWidth = (bHorz ? size.cy : size.cx) + (bLeading ? -nDelta : nDelta);
        for (CSizingControlBar* pBar : arrBars) {
            CSize s = pBar->GetDockedSize(bHorz);
            (bHorz ? s.cy : s.cx) = nWidth;
            pBar->GiveDockedSize(bHorz, s);
        }
    } else if (nThis >= 0) {
        std::vector<DockEdgeItem> items;
        for (CSizingControlBar* pBar : arrBars) {
            CSize size = pBar->GetDockedSize(bHorz), minSize = pBar->GetMinDockedSize(bHorz);
            items.push_back({(int)(bHorz ? size.cx : size.cy), (int)(bHorz ? minSize.cx : minSize.cy)});
        }
        bool bTrailing = m_nDragEdge == HTRIGHT || m_nDragEdge == HTBOTTOM;
        DockEdgeMove(items, bTrailing ? nThis + 1 : nThis, nDelta);
        // The lengths the user sees become the row's own: the next layout
        // shares the row out from them.
        for (size_t k = 0; k < arrBars.size(); k++) {
            CSize s = arrBars[k]->GetDockedSize(bHorz);
            (bHorz ? s.cx : s.cy) = items[k].nLength;
            arrBars[k]->GiveDockedSize(bHorz, s);
        }
    }
    DrawEdgeTracker();
    if (SizingBarDragFullWindows() && m_pDockSite)
        m_pDockSite->DelayRecalcLayout();
}

void CSizingControlBar::EndEdgeDrag()
{
    DrawEdgeTracker();
    m_bDragging = FALSE;  // before the capture goes: WM_CAPTURECHANGED ends no drag twice
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (m_pDockSite)
        m_pDockSite->DelayRecalcLayout();
}

// ---- mouse messages --------------------------------------------------

void CSizingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint pt)
{
    FocusFirstChild();
    m_nPressedHit = (nHitTest == HTCLOSE || nHitTest == HTHELP) ? (int)nHitTest : 0;
    if (nHitTest == HTMINBUTTON || nHitTest == HTMAXBUTTON || nHitTest == HTCLOSE || nHitTest == HTHELP) {
        SetCapture();
        return;
    }
    if (!m_bDragging && IsDockedBar() && nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT) {
        BeginEdgeDrag((int)nHitTest, pt);
        return;
    }
    Default();
}

void CSizingControlBar::OnNcMouseMove(UINT, CPoint)
{
    Default();
    // Told when the mouse leaves, so a hot button cools down again.
    if (!m_bTrackingNcLeave) {
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE | TME_NONCLIENT, m_hWnd, 0};
        m_bTrackingNcLeave = ::TrackMouseEvent(&tme) != FALSE;
    }
    UpdateCaptionState();
}

void CSizingControlBar::OnNcMouseLeave()
{
    m_bTrackingNcLeave = false;
    Default();
    UpdateCaptionState();
}

void CSizingControlBar::OnMouseMove(UINT nFlags, CPoint pt)
{
    if (!m_bDragging) {
        CControlBar::OnMouseMove(nFlags, pt);
        return;
    }
    ClientToScreen(&pt);
    if (!s_bClassicDocking) {
        if (IsDockedHorizontally() && (m_dwSCBStyle & SCBS_FIXED_HEIGHT))
            pt.y = m_ptDragStart.y;
        if (IsDockedVertically() && (m_dwSCBStyle & SCBS_FIXED_WIDTH))
            pt.x = m_ptDragStart.x;
    }
    UpdateEdgeDrag(pt);
}

void CSizingControlBar::SendButtonHelp(int nCtrlId)
{
    HELPINFO hi = {};
    hi.cbSize = sizeof(hi);
    hi.iContextType = HELPINFO_WINDOW;
    hi.iCtrlId = nCtrlId;
    hi.hItemHandle = m_hWnd;
    hi.dwContextId = ((DWORD)m_nIDTemplate << 16) | (DWORD)nCtrlId;
    hi.MousePos = m_ptWhatsThis;
    SendMessage(WM_HELP, 0, (LPARAM)&hi);
}

void CSizingControlBar::OnLButtonUp(UINT nFlags, CPoint pt)
{
    if (m_bDragging) {
        EndEdgeDrag();
        return;
    }
    if (m_nPressedHit == 0 && !m_bWhatsThisPending) {
        CControlBar::OnLButtonUp(nFlags, pt);
        return;
    }
    ClientToScreen(&pt);
    int nHit = (int)HitTestBar(pt, FALSE);
    int nPressed = m_nPressedHit;
    m_nPressedHit = 0;
    if (nPressed && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!m_bWhatsThisPending) {
        if (nPressed == HTCLOSE && nHit == HTCLOSE && m_pDockSite)
            m_pDockSite->ShowControlBar(this, FALSE, FALSE);
        else if (nPressed == HTHELP && nHit == HTHELP)
            RunWhatsThis(pt);
        return;
    }
    if (m_nWhatsThisHit == HTCLOSE || m_nWhatsThisHit == HTHELP) {
        SendButtonHelp(m_nWhatsThisHit == HTCLOSE ? kCloseCtrlId : kHelpCtrlId);
        ::SetFocus(m_hWndLastFocus && ::IsWindow(m_hWndLastFocus) ? m_hWndLastFocus : m_hWnd);
        m_bWhatsThisPending = false;
    }
}

void CSizingControlBar::RunWhatsThis(CPoint pt)
{
    // The system's What's-This mode runs until the next click.
    SendMessage(WM_SYSCOMMAND, SC_CONTEXTHELP, MAKELPARAM(pt.x, pt.y));
    SetFocus();
    ::GetCursorPos(&m_ptWhatsThis);
    m_nWhatsThisHit = (int)HitTestBar(m_ptWhatsThis, TRUE);
    m_bWhatsThisPending = m_nWhatsThisHit == HTCLOSE || m_nWhatsThisHit == HTHELP || IsInCaptionArea(m_ptWhatsThis);
}

void CSizingControlBar::OnLButtonDown(UINT nFlags, CPoint pt)
{
    if (m_bWhatsThisPending) {
        if (IsInCaptionArea(m_ptWhatsThis))
            SendButtonHelp(0);
        m_bWhatsThisPending = false;
        return;
    }
    FocusFirstChild();
    CControlBar::OnLButtonDown(nFlags, pt);
}

void CSizingControlBar::OnLButtonDblClk(UINT nFlags, CPoint pt)
{
    FocusFirstChild();
    CControlBar::OnLButtonDblClk(nFlags, pt);
}

void CSizingControlBar::OnRButtonDown(UINT nFlags, CPoint pt)
{
    if (m_bDragging)
        EndEdgeDrag();
    else
        CHelpButtonControlBar::OnRButtonDown(nFlags, pt);
}

void CSizingControlBar::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bDragging && (!pWnd || pWnd->m_hWnd != m_hWnd))
        EndEdgeDrag();
    CControlBar::OnCaptureChanged(pWnd);
}
