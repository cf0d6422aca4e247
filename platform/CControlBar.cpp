// CControlBar.cpp: the control-bar base: style, docking permission, layout
// along the frame's sides, delayed showing and the mouse actions that drag
// a bar through its dock context.
#include "platform/CControlBar.h"

#include <algorithm>

#include "platform/CDockBar.h"
#include "platform/CDockContext.h"
#include "platform/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::~CControlBar()
{
    delete m_pDockContext;
    m_pDockContext = nullptr;
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           (HBRUSH)(COLOR_BTNFACE + 1));
    return TRUE;
}

BOOL CControlBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID, SIZE sizeDefault)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_sizeDefault = sizeDefault;
    return CreateEx(0, nullptr, nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS, CRect(0, 0, 0, 0),
                    pParent, nID);
}

int CControlBar::OnCreate(LPCREATESTRUCT pcs)
{
    if (CWnd::OnCreate(pcs) == -1)
        return -1;
    // The frame that makes a bar is its dock site for the bar's whole life,
    // also when the bar is made straight into one of the frame's dock bars.
    HWND hParent = ::GetParent(m_hWnd);
    CWnd* pParent = CWnd::FromHandlePermanent(hParent);
    if (pParent && !IsDockBar() && DYNAMIC_DOWNCAST(CDockBar, pParent))
        pParent = CWnd::FromHandlePermanent(::GetParent(hParent));
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pParent);
    if (pFrame) {
        m_pDockSite = pFrame;
        pFrame->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockContext && m_pDockContext->IsTracking())
        m_pDockContext->CancelDrag();
    if (m_pDockBar)
        m_pDockBar->RemoveControlBar(this, FALSE);
    m_pDockBar = nullptr;
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
    m_pDockSite = nullptr;
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle != dwStyle) {
        m_dwStyle = dwStyle;
        if (m_hWnd)
            Invalidate();
    }
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & CBRS_ALIGN_ANY;
    if (!m_pDockContext)
        m_pDockContext = new CDockContext(this);
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & kDelayHide)
        return FALSE;
    return (m_nStateFlags & kDelayShow) || (GetStyle() & WS_VISIBLE);
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(::GetParent(::GetParent(m_hWnd))));
    return pFrame ? pFrame : m_pDockSite;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CSize size = m_sizeDefault;
    if (bStretch) {
        if (bHorz)
            size.cx = m_rectLayout.Width();
        else
            size.cy = m_rectLayout.Height();
    } else if (!bHorz) {
        size = CSize(m_sizeDefault.cy, m_sizeDefault.cx);  // turned across a vertical row
    }
    return size;
}

CSize CControlBar::CalcDynamicLayout(int, DWORD dwMode)
{
    BOOL bHorz = (dwMode & LM_HORZ) != 0 || (dwMode & LM_HORZDOCK) != 0;
    return CalcFixedLayout((dwMode & LM_STRETCH) != 0, bHorz);
}

CSize CControlBar::CalcMinimumLayout(BOOL bHorz)
{
    return CalcFixedLayout(FALSE, bHorz);
}

std::vector<int> CControlBar::GetWholeRowHeights(BOOL)
{
    return {};
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(kDelayHide | kDelayShow);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= kDelayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= kDelayHide;
}

void CControlBar::RecalcDelayShow()
{
    if (m_nStateFlags & kDelayShow)
        ShowWindow(SW_SHOWNA);
    else if (m_nStateFlags & kDelayHide)
        ShowWindow(SW_HIDE);
    m_nStateFlags &= ~(kDelayHide | kDelayShow);
}

void CControlBar::PlaceInLayout(CRect& rcRemain, BOOL bQuery)
{
    DWORD dwAlign = m_dwStyle & CBRS_ALIGN_ANY;
    if (!dwAlign || IsFloating())
        return;
    m_rectLayout = rcRemain;
    m_bLayoutQuery = bQuery;
    BOOL bHorz = (dwAlign & CBRS_ORIENT_HORZ) != 0;
    CSize size = (m_dwStyle & CBRS_SIZE_DYNAMIC) && !IsDockBar()
                     ? CalcDynamicLayout(-1, LM_STRETCH | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK))
                     : CalcFixedLayout(TRUE, bHorz);
    m_bLayoutQuery = FALSE;
    // Never more than is left: a bar that does not fit is cut, and never
    // covers the bars placed before it.
    size.cx = std::min((int)size.cx, std::max((int)rcRemain.Width(), 0));
    size.cy = std::min((int)size.cy, std::max((int)rcRemain.Height(), 0));
    CRect rc = rcRemain;
    if (dwAlign & CBRS_ALIGN_TOP) {
        rc.bottom = rc.top + size.cy;
        rcRemain.top = rc.bottom;
    } else if (dwAlign & CBRS_ALIGN_BOTTOM) {
        rc.top = rc.bottom - size.cy;
        rcRemain.bottom = rc.top;
    } else if (dwAlign & CBRS_ALIGN_LEFT) {
        rc.right = rc.left + size.cx;
        rcRemain.left = rc.right;
    } else {
        rc.left = rc.right - size.cx;
        rcRemain.right = rc.left;
    }
    if (!bQuery)
        ::SetWindowPos(m_hWnd, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

// ---- dragging ---------------------------------------------------------

void CControlBar::OnLButtonDown(UINT, CPoint pt)
{
    if (m_pDockContext) {
        ClientToScreen(&pt);
        m_pDockContext->StartDrag(pt);
        return;
    }
    Default();
}

void CControlBar::OnLButtonDblClk(UINT, CPoint)
{
    if (m_pDockContext)
        m_pDockContext->ToggleDocking();
    else
        Default();
}

void CControlBar::OnMouseMove(UINT, CPoint pt)
{
    if (m_pDockContext && m_pDockContext->IsTracking()) {
        ClientToScreen(&pt);
        m_pDockContext->Move(pt);
        return;
    }
    Default();
}

void CControlBar::OnLButtonUp(UINT, CPoint pt)
{
    if (m_pDockContext && m_pDockContext->IsTracking()) {
        ClientToScreen(&pt);
        m_pDockContext->Move(pt);
        m_pDockContext->EndDrag(TRUE);
        return;
    }
    Default();
}

void CControlBar::OnCaptureChanged(CWnd* pWnd)
{
    // Another window took the mouse: the drag ends where it started.
    if (m_pDockContext && m_pDockContext->IsTracking())
        m_pDockContext->CancelDrag();
    CWnd::OnCaptureChanged(pWnd);
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wp, LPARAM)
{
    if (!(GetStyle() & WS_VISIBLE))
        return 0;
    CFrameWnd* pTarget = m_pDockSite ? m_pDockSite : GetDockingFrame();
    if (pTarget)
        OnUpdateCmdUI(pTarget, (BOOL)wp);
    return 0;
}
