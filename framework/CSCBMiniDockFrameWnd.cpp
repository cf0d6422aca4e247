// CSCBMiniDockFrameWnd.cpp: the floating frame of sizing bars.
#include "framework/CSCBMiniDockFrameWnd.h"

#include "framework/CSizingControlBar.h"
#include "platform/AfxIds.h"
#include "platform/WindowHelpers.h"

IMPLEMENT_DYNCREATE(CSCBMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(CSCBMiniDockFrameWnd, CHelpButtonMiniDockFrameWnd)
    ON_WM_NCLBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_GETMINMAXINFO()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_SIZE()
    ON_WM_NCACTIVATE()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {

// The frame a floating bar's floating size stands for: the bar hangs two
// pixels over each side of the client area, hiding its own border.
const int kOverhang = 2;

CRect ThickFrameBorders()
{
    CRect rc(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rc, WS_THICKFRAME, FALSE, 0);
    return rc;
}

}  // namespace

BOOL CSCBMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN | MFS_MOVEFRAME |
                    MFS_4THICKFRAME | MFS_SYNCACTIVE | MFS_BLOCKSYSMENU | FWS_SNAPTOPARENT;
    if (dwBarStyle & CBRS_SIZE_DYNAMIC)
        dwStyle &= ~MFS_MOVEFRAME;
    if (!CreateFrame(pParent, dwBarStyle, dwStyle))
        return FALSE;
    // Closing the frame hides its bar (OnClose), and the system menu says so.
    CString strHide;
    if (strHide.LoadString(AFX_IDS_HIDE)) {
        if (HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE))
            ::ModifyMenuA(hSysMenu, SC_CLOSE, MF_BYCOMMAND | MF_STRING, SC_CLOSE, strHide);
    }
    return TRUE;
}

CSizingControlBar* CSCBMiniDockFrameWnd::GetSizingControlBar() const
{
    HWND hDock = ::GetWindow(m_hWnd, GW_CHILD);
    HWND hBar = hDock ? ::GetWindow(hDock, GW_CHILD) : nullptr;
    return DYNAMIC_DOWNCAST(CSizingControlBar, CWnd::FromHandlePermanent(hBar));
}

void CSCBMiniDockFrameWnd::RecalcLayout(BOOL bNotify)
{
    CSizingControlBar* pBar = GetSizingControlBar();
    if (!pBar || !IsFrameCaptionless() || m_bInRecalc) {
        CMiniDockFrameWnd::RecalcLayout(bNotify);
        return;
    }
    // Without a caption of its own the frame is the bar's floating size.
    m_bInRecalc = TRUE;
    CSize size = pBar->GetFloatingSize();
    CRect rc(0, 0, size.cx - 2 * kOverhang, size.cy - 2 * kOverhang);
    ::AdjustWindowRectEx(&rc, GetStyle(), FALSE, GetExStyle());
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!m_bPlaced && (m_dwFrameFlags & FWS_SNAPTOPARENT)) {
        // Only now the frame has its real size: it starts inside the work
        // area, its close button in reach.
        m_bPlaced = TRUE;
        CRect rcFrame;
        GetWindowRect(&rcFrame);
        MONITORINFO mi = {sizeof(mi)};
        if (::GetMonitorInfoA(::MonitorFromRect(&rcFrame, MONITOR_DEFAULTTONEAREST), &mi)) {
            RECT rcInside = KeepRectInside(rcFrame, mi.rcWork);
            ::SetWindowPos(m_hWnd, nullptr, rcInside.left, rcInside.top, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    ::SetWindowPos(m_wndDockBar.m_hWnd, nullptr, 0, 0, rcClient.Width(), rcClient.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(pBar->m_hWnd, nullptr, -kOverhang, -kOverhang, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CString title;
    pBar->GetWindowText(title);
    SetWindowText(title);
    m_bInRecalc = FALSE;
}

void CSCBMiniDockFrameWnd::PaintCompositedCaption()
{
    // The frame has no caption of its own once it holds a sizing bar: the
    // bar paints its caption, over border strips cleared for composition.
    CSizingControlBar* pBar = GetSizingControlBar();
    if (!pBar)
        return;
    ClearCompositedFrame();
    pBar->SendMessage(WM_NCPAINT, 0, 0);
}

void CSCBMiniDockFrameWnd::OnWindowPosChanging(WINDOWPOS* pPos)
{
    CSizingControlBar* pBar = GetSizingControlBar();
    if ((GetStyle() & MFS_4THICKFRAME) && pBar) {
        // The first placement with a sizing bar: the bar's caption takes over.
        pPos->flags |= SWP_NOSIZE;
        ::SetWindowLongA(m_hWnd, GWL_STYLE, (LONG)(GetStyle() & ~(WS_CAPTION | WS_SYSMENU | MFS_4THICKFRAME)));
        m_wndDockBar.ModifyStyle(0, WS_CLIPCHILDREN);
        DelayRecalcLayout();
        pBar->PostMessage(WM_NCPAINT);
    }
    CHelpButtonMiniDockFrameWnd::OnWindowPosChanging(pPos);
}

void CSCBMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint pt)
{
    m_bUserSizing = TRUE;
    if (nHitTest == HTCAPTION || nHitTest == HTCLOSE || nHitTest == HTHELP || !GetSizingControlBar()) {
        CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, pt);
        return;
    }
    Default();  // the borders: the system sizes the frame
}

void CSCBMiniDockFrameWnd::OnLButtonUp(UINT nFlags, CPoint pt)
{
    m_bUserSizing = FALSE;
    CHelpButtonMiniDockFrameWnd::OnLButtonUp(nFlags, pt);
}

void CSCBMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* pMMI)
{
    CHelpButtonMiniDockFrameWnd::OnGetMinMaxInfo(pMMI);
    CSizingControlBar* pBar = GetSizingControlBar();
    if (!pBar)
        return;
    CRect rcBorders = ThickFrameBorders();
    CSize minSize = pBar->GetMinFloatingSize();
    pMMI->ptMinTrackSize.x = minSize.cx - 2 * kOverhang + rcBorders.Width();
    pMMI->ptMinTrackSize.y = minSize.cy - 2 * kOverhang + rcBorders.Height();
    if (m_bUserSizing && !CSizingControlBar::s_bClassicDocking) {
        DWORD dwStyle = pBar->GetBarSizingStyle();
        CRect rcWnd;
        GetWindowRect(&rcWnd);
        // A fixed extent stays as it is.
        if (dwStyle & SCBS_FIXED_HEIGHT)
            pMMI->ptMinTrackSize.y = pMMI->ptMaxTrackSize.y = rcWnd.Height();
        if (dwStyle & SCBS_FIXED_WIDTH)
            pMMI->ptMinTrackSize.x = pMMI->ptMaxTrackSize.x = rcWnd.Width();
    }
}

void CSCBMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CSizingControlBar* pBar = GetSizingControlBar();
    if (!pBar || m_bInRecalc || nType == SIZE_MINIMIZED) {
        CMiniDockFrameWnd::OnSize(nType, cx, cy);
        return;
    }
    CSize minSize = pBar->GetMinFloatingSize();
    if (pBar->IsWindowVisible() && IsFrameCaptionless() && cx + 2 * kOverhang >= minSize.cx &&
        cy + 2 * kOverhang >= minSize.cy)
        pBar->SetFloatingSize(cx + 2 * kOverhang, cy + 2 * kOverhang);
    ::SetWindowPos(m_wndDockBar.m_hWnd, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CSize size = pBar->GetFloatingSize();
    ::SetWindowPos(pBar->m_hWnd, nullptr, -kOverhang, -kOverhang, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    // A frame the user sizes is the one being worked with: its caption becomes active.
    HWND hFirst = ::GetWindow(pBar->m_hWnd, GW_CHILD);
    if (m_bUserSizing && !pBar->IsCaptionActive() && hFirst) {
        ::SetFocus(hFirst);
        pBar->SendMessage(WM_NCPAINT);
    }
}

BOOL CSCBMiniDockFrameWnd::OnNcActivate(BOOL bActive)
{
    return CMiniDockFrameWnd::OnNcActivate(bActive);
}

void CSCBMiniDockFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    // The caption turns active now, not at the next idle update.
    if (CSizingControlBar* pBar = GetSizingControlBar())
        pBar->ShowCaptionActive(TRUE, TRUE);
    CMiniDockFrameWnd::OnSetFocus(pOldWnd);
}

void CSCBMiniDockFrameWnd::OnKillFocus(CWnd* pNewWnd)
{
    CHelpButtonMiniDockFrameWnd::OnKillFocus(pNewWnd);
    if (CSizingControlBar* pBar = GetSizingControlBar())
        pBar->ShowCaptionActive(pNewWnd && ::IsChild(m_hWnd, pNewWnd->m_hWnd), FALSE);
}
