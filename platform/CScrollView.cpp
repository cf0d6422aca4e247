// CScrollView.cpp: scrolling views.
#include "platform/CScrollView.h"

#include "platform/CDC.h"
#include "platform/ScrollBarPart.h"

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_NCMOUSEMOVE()
    ON_WM_NCMOUSELEAVE()
END_MESSAGE_MAP()

// The default handling of a mouse move over a window's scroll bar takes the
// window's device context to look for a change of the part under the
// pointer, which under Wine is a few server calls and several milliseconds
// for a window in a large frame, at every move; only a move into another
// part can change how the bar looks, so only such a move is handed on (the
// first move over a bar, which starts the tracking of its leaving, is one).
void CScrollView::OnNcMouseMove(UINT nHitTest, CPoint pt)
{
    if (nHitTest != HTHSCROLL && nHitTest != HTVSCROLL) {
        m_nHotBar = 0;
        m_nHotPart = kScrollBarOutside;
        Default();
        return;
    }
    bool bVert = nHitTest == HTVSCROLL;
    SCROLLBARINFO sbi = {};
    sbi.cbSize = sizeof sbi;
    int nPart = kScrollBarOutside;
    if (::GetScrollBarInfo(m_hWnd, bVert ? OBJID_VSCROLL : OBJID_HSCROLL, &sbi)) {
        const RECT& rc = sbi.rcScrollBar;
        nPart = ScrollBarPartAt(bVert ? pt.y - rc.top : pt.x - rc.left,
                                bVert ? rc.bottom - rc.top : rc.right - rc.left, sbi.dxyLineButton,
                                sbi.xyThumbTop, sbi.xyThumbBottom);
    }
    if (nHitTest == m_nHotBar && nPart == m_nHotPart && nPart != kScrollBarOutside)
        return;
    m_nHotBar = nHitTest;
    m_nHotPart = nPart;
    Default();
}

void CScrollView::OnNcMouseLeave()
{
    m_nHotBar = 0;
    m_nHotPart = kScrollBarOutside;
    Default();
}

void CScrollView::SetScrollSizes(int, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine)
{
    m_totalDev = sizeTotal;
    m_pageDev = CSize(sizePage.cx ? sizePage.cx : sizeTotal.cx / 10, sizePage.cy ? sizePage.cy : sizeTotal.cy / 10);
    m_lineDev = CSize(sizeLine.cx ? sizeLine.cx : m_pageDev.cx / 10, sizeLine.cy ? sizeLine.cy : m_pageDev.cy / 10);
    if (m_lineDev.cx < 1) m_lineDev.cx = 1;
    if (m_lineDev.cy < 1) m_lineDev.cy = 1;
    if (m_hWnd)
        UpdateBars();
}

CPoint CScrollView::GetScrollPosition() const
{
    return CPoint(GetScrollPos(SB_HORZ), GetScrollPos(SB_VERT));
}

void CScrollView::ScrollToPosition(POINT pt)
{
    CPoint old = GetScrollPosition();
    OnScrollBy(CSize(pt.x - old.x, pt.y - old.y), TRUE);
}

void CScrollView::OnPrepareDC(CDC* pDC)
{
    CPoint pos = GetScrollPosition();
    ::SetViewportOrgEx(pDC->m_hDC, -pos.x, -pos.y, nullptr);
}

void CScrollView::UpdateBars()
{
    CRect rc;
    GetClientRect(&rc);
    SCROLLINFO si = {};
    si.fMask = SIF_PAGE | SIF_RANGE | SIF_POS;
    GetScrollInfo(SB_HORZ, &si);
    si.fMask = SIF_PAGE | SIF_RANGE;
    si.nMin = 0;
    si.nMax = m_totalDev.cx > 0 ? m_totalDev.cx - 1 : 0;
    si.nPage = (UINT)rc.Width();
    SetScrollInfo(SB_HORZ, &si, TRUE);
    si.nMax = m_totalDev.cy > 0 ? m_totalDev.cy - 1 : 0;
    si.nPage = (UINT)rc.Height();
    SetScrollInfo(SB_VERT, &si, TRUE);
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    // Low byte: horizontal code (0xFF none); high byte: vertical.
    CPoint pos = GetScrollPosition();
    CRect rc;
    GetClientRect(&rc);
    auto step = [](UINT code, UINT nTrack, LONG cur, LONG line, LONG page, LONG maxPos) -> LONG {
        switch (code) {
        case SB_TOP: return 0;
        case SB_BOTTOM: return maxPos;
        case SB_LINEUP: return cur - line;
        case SB_LINEDOWN: return cur + line;
        case SB_PAGEUP: return cur - page;
        case SB_PAGEDOWN: return cur + page;
        case SB_THUMBTRACK: case SB_THUMBPOSITION: return (LONG)nTrack;
        default: return cur;
        }
    };
    LONG x = step(LOBYTE(nScrollCode), nPos, pos.x, m_lineDev.cx, m_pageDev.cx, m_totalDev.cx - rc.Width());
    LONG y = step(HIBYTE(nScrollCode), nPos, pos.y, m_lineDev.cy, m_pageDev.cy, m_totalDev.cy - rc.Height());
    return OnScrollBy(CSize(x - pos.x, y - pos.y), bDoScroll);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    CRect rc;
    GetClientRect(&rc);
    CPoint pos = GetScrollPosition();
    LONG maxX = m_totalDev.cx - rc.Width() > 0 ? m_totalDev.cx - rc.Width() : 0;
    LONG maxY = m_totalDev.cy - rc.Height() > 0 ? m_totalDev.cy - rc.Height() : 0;
    LONG x = pos.x + sizeScroll.cx, y = pos.y + sizeScroll.cy;
    x = x < 0 ? 0 : (x > maxX ? maxX : x);
    y = y < 0 ? 0 : (y > maxY ? maxY : y);
    if (x == pos.x && y == pos.y)
        return FALSE;
    if (bDoScroll) {
        ScrollWindow(pos.x - x, pos.y - y);
        SetScrollPos(SB_HORZ, x);
        SetScrollPos(SB_VERT, y);
    }
    return TRUE;
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    OnScroll(MAKEWORD(nSBCode, 0xFF), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    OnScroll(MAKEWORD(0xFF, nSBCode), nPos);
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    // Three lines per notch, as the system's default wheel setting.
    return OnScrollBy(CSize(0, -zDelta / WHEEL_DELTA * 3 * m_lineDev.cy), TRUE);
}
