// CSCBDockContext.cpp: drag outlines from a sizing bar's sizes.
#include "framework/CSCBDockContext.h"

#include "framework/CSizingControlBar.h"
#include "platform/CControlBar.h"

namespace {

void MoveToContain(CRect& rc, CPoint pt)
{
    if (pt.x < rc.left || pt.x >= rc.right)
        rc.OffsetRect(pt.x < rc.left ? pt.x - rc.left : pt.x - rc.right + 1, 0);
    if (pt.y < rc.top || pt.y >= rc.bottom)
        rc.OffsetRect(0, pt.y < rc.top ? pt.y - rc.top : pt.y - rc.bottom + 1);
}

}  // namespace

void CSCBDockContext::InitRects(CPoint pt)
{
    CRect rcBar;
    m_pBar->GetWindowRect(&rcBar);
    m_rectDragHorz = CRect(rcBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK));
    m_rectDragVert = CRect(rcBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_VERTDOCK));
    CRect rcFrame(rcBar.TopLeft(), m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
    CRect rcBorders(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rcBorders, WS_THICKFRAME, FALSE, 0);
    rcFrame.left += rcBorders.left;
    rcFrame.top += rcBorders.top;
    rcFrame.right += rcBorders.right;
    rcFrame.bottom += rcBorders.bottom;
    rcFrame.DeflateRect(2, 2);
    m_rectFrameDragHorz = rcFrame;
    m_rectFrameDragVert = rcFrame;
    MoveToContain(m_rectDragHorz, pt);
    MoveToContain(m_rectDragVert, pt);
    MoveToContain(m_rectFrameDragHorz, pt);
    MoveToContain(m_rectFrameDragVert, pt);
}

void CSCBDockContext::ToggleDocking()
{
    CSizingControlBar* pBar = DYNAMIC_DOWNCAST(CSizingControlBar, m_pBar);
    if (pBar && pBar->m_hWnd && !pBar->IsFloating() && !m_bHaveFloatPos) {
        // Never floated yet: the frame starts as the bar looks docked (a
        // floating size made for the desktop at first start may not fit it).
        CRect rc;
        pBar->GetWindowRect(&rc);
        pBar->SetFloatingSize(rc.Width(), rc.Height());
    }
    CDockContext::ToggleDocking();
}

