// CMiniDockFrameWnd.cpp: the floating frame of a control bar.
#include "platform/CMiniDockFrameWnd.h"

#include "platform/CDockContext.h"

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CFrameWnd)
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_NCACTIVATE()
    ON_WM_SETFOCUS()
    ON_WM_SYSCOMMAND()
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

BOOL CMiniDockFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           (HBRUSH)(COLOR_BTNFACE + 1));
    return TRUE;
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    return CreateFrame(pParent, dwBarStyle,
                       WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN | MFS_SYNCACTIVE);
}

BOOL CMiniDockFrameWnd::CreateFrame(CWnd* pParent, DWORD dwBarStyle, DWORD dwStyle)
{
    // Frame flags are not window styles: as such they would add a
    // minimise and a maximise box.
    m_dwFrameFlags = dwStyle & (MFS_BLOCKSYSMENU | FWS_SNAPTOPARENT);
    dwStyle &= ~(MFS_BLOCKSYSMENU | FWS_SNAPTOPARENT);
    m_bInRecalc = TRUE;  // no layout while the parts are made
    if (!CreateEx(WS_EX_TOOLWINDOW, nullptr, nullptr, dwStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, HwndOf(pParent),
                  nullptr)) {
        m_bInRecalc = FALSE;
        return FALSE;
    }
    DWORD dwDockStyle = (dwBarStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) ? CBRS_ALIGN_LEFT : CBRS_ALIGN_TOP;
    // The dock bar is made on the dock site (which becomes its dock site), then moved in here.
    if (!m_wndDockBar.Create(pParent, WS_CHILD | WS_VISIBLE | dwDockStyle | (dwBarStyle & CBRS_FLOAT_MULTI),
                             AFX_IDW_DOCKBAR_FLOAT)) {
        m_bInRecalc = FALSE;
        DestroyWindow();
        return FALSE;
    }
    ::SetParent(m_wndDockBar.m_hWnd, m_hWnd);
    m_bInRecalc = FALSE;
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetFloatingBar() const
{
    for (int i = 0; i < (int)m_wndDockBar.m_arrBars.GetSize(); i++)
        if (CControlBar* pBar = m_wndDockBar.GetBarAt(i))
            return pBar;
    return nullptr;
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    if (m_bInRecalc || !m_wndDockBar.m_hWnd)
        return;
    m_bInRecalc = TRUE;
    CSize size = m_wndDockBar.CalcFixedLayout(FALSE, TRUE);
    CRect rc(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rc, GetStyle(), FALSE, GetExStyle());
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowPos(m_wndDockBar.m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CControlBar* pBar = GetFloatingBar();
    if (pBar) {
        CString title;
        pBar->GetWindowText(title);
        SetWindowText(title);
    }
    m_bInRecalc = FALSE;
}

void CMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_bInRecalc || nType == SIZE_MINIMIZED || !m_wndDockBar.m_hWnd)
        return;
    // The user sized the frame: the dock bar and a dynamic bar fill it.
    ::SetWindowPos(m_wndDockBar.m_hWnd, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CControlBar* pBar = GetFloatingBar();
    if (pBar && (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)) {
        pBar->CalcDynamicLayout(cx, LM_HORZ | LM_COMMIT);
        ::SetWindowPos(pBar->m_hWnd, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// A WM_CLOSE that is not the user's close of the frame (that is its
// SC_CLOSE): another program's, as taskkill and the system's end task post
// one to every window of a program. The main window has its own: the bar
// stays, and so does the layout the close saves.
void CMiniDockFrameWnd::OnClose()
{
    if (!GetFloatingBar())
        DestroyWindow();
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint pt)
{
    CControlBar* pBar = GetFloatingBar();
    if (nHitTest == HTCAPTION && pBar && pBar->m_pDockContext) {
        ::SetActiveWindow(m_hWnd);
        pBar->m_pDockContext->StartDrag(pt);
        return;
    }
    Default();
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint)
{
    CControlBar* pBar = GetFloatingBar();
    if (nHitTest == HTCAPTION && pBar && pBar->m_pDockContext) {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    Default();
}

BOOL CMiniDockFrameWnd::OnNcActivate(BOOL bActive)
{
    // The floating frame's caption looks active while its owner is active.
    CWnd* pOwner = GetOwner();
    if (pOwner && ::GetActiveWindow() == pOwner->m_hWnd)
        bActive = TRUE;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, bActive, 0);
}

void CMiniDockFrameWnd::OnSetFocus(CWnd*)
{
    CControlBar* pBar = GetFloatingBar();
    HWND hFirst = pBar ? ::GetWindow(pBar->m_hWnd, GW_CHILD) : nullptr;
    if (hFirst)
        ::SetFocus(hFirst);
}

void CMiniDockFrameWnd::OnSysCommand(UINT nID, LPARAM lParam)
{
    // The system menu opens by a click on the icon (SC_MOUSEMENU) or by
    // Alt+Space (SC_KEYMENU with the blank).
    UINT nCommand = nID & 0xFFF0;
    bool bOpensSysMenu = nCommand == SC_MOUSEMENU || (nCommand == SC_KEYMENU && lParam == ' ');
    if (bOpensSysMenu && (m_dwFrameFlags & MFS_BLOCKSYSMENU))
        return;
    // The user's close of a floating bar's frame (its caption's button,
    // Alt+F4) hides the bar; the frame stays for it.
    CControlBar* pBar = GetFloatingBar();
    if (nCommand == SC_CLOSE && pBar && pBar->m_pDockSite) {
        pBar->m_pDockSite->ShowControlBar(pBar, FALSE, FALSE);
        return;
    }
    Default();
}

void CMiniDockFrameWnd::OnContextMenu(CWnd* pWnd, CPoint pt)
{
    // A right click on the caption opens the system menu by default.
    if (pWnd && pWnd->m_hWnd == m_hWnd && (m_dwFrameFlags & MFS_BLOCKSYSMENU))
        return;
    Default();
}

void CMiniDockFrameWnd::OnDestroy()
{
    // Not the application's main frame: skip CFrameWnd's quit.
    CWnd::OnDestroy();
}
