// CWndWrappers.cpp: the members of CWnd that take more than one Win32 call.
#include "platform/CCmdUI.h"
#include "platform/CModalLoop.h"
#include "platform/CWnd.h"
#include "platform/CentreOnOwner.h"
#include "platform/WindowHelpers.h"

void CWnd::GetWindowText(CString& str) const
{
    int n = ::GetWindowTextLengthA(m_hWnd);
    char* p = str.GetBufferSetLength(n);
    int got = ::GetWindowTextA(m_hWnd, p, n + 1);
    str.ReleaseBuffer(got);
}

int CWnd::GetDlgItemText(int nID, CString& str) const
{
    HWND h = ::GetDlgItem(m_hWnd, nID);
    if (!h) {
        str.Empty();
        return 0;
    }
    FromHandle(h)->GetWindowText(str);
    return str.GetLength();
}

int CWnd::GetCheckedRadioButton(int nFirst, int nLast) const
{
    for (int id = nFirst; id <= nLast; id++)
        if (::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED)
            return id;
    return 0;
}

int CWnd::MessageBox(LPCSTR pszText, LPCSTR pszCaption, UINT nType) const
{
    // The system makes a child's top-level window the box's owner and
    // disables it; the windows above it and beside it wait too.
    COwnerChainLock lock(m_hWnd, false);
    CCentreOnOwner centre(m_hWnd);
    return ::MessageBoxA(m_hWnd, pszText, pszCaption, nType);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    HWND hOwner = pAlternateOwner ? pAlternateOwner->m_hWnd
                                  : ((GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER));
    if (!(GetStyle() & WS_CHILD)) {
        CenterWindowOn(m_hWnd, hOwner);
        return;
    }
    CRect rcArea;
    if (hOwner && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner)) {
        ::GetWindowRect(hOwner, &rcArea);
    } else {
        MONITORINFO mi = {sizeof(mi)};
        ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
        rcArea = mi.rcWork;
    }
    CRect rc;
    GetWindowRect(&rc);
    CPoint pt(rcArea.left + (rcArea.Width() - rc.Width()) / 2, rcArea.top + (rcArea.Height() - rc.Height()) / 2);
    ::ScreenToClient(::GetParent(m_hWnd), &pt);
    ::SetWindowPos(m_hWnd, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD old = GetStyle();
    DWORD style = (old & ~dwRemove) | dwAdd;
    if (style == old)
        return FALSE;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, (LONG)style);
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD old = GetExStyle();
    DWORD style = (old & ~dwRemove) | dwAdd;
    if (style == old)
        return FALSE;
    ::SetWindowLongA(m_hWnd, GWL_EXSTYLE, (LONG)style);
    if (nFlags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

void CWnd::SendMessageToDescendants(UINT msg, WPARAM wp, LPARAM lp, BOOL bDeep) const
{
    for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        ::SendMessageA(h, msg, wp, lp);
        if (bDeep && ::GetWindow(h, GW_CHILD))
            FromHandle(h)->SendMessageToDescendants(msg, wp, lp, TRUE);
    }
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(GetDialogControls(), pTarget, bDisableIfNoHndler);
}

std::vector<CWnd::SDialogControl> CWnd::GetDialogControls() const
{
    std::vector<SDialogControl> controls;
    for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        UINT nID = (UINT)::GetDlgCtrlID(h);
        if (nID == 0 || nID == 0xFFFF)
            continue;  // no id, or the static-text id
        UINT type = (UINT)::GetWindowLongA(h, GWL_STYLE) & BS_TYPEMASK;
        bool bPush = (::SendMessageA(h, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0 &&
                     (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
        controls.push_back({h, nID, bPush});
    }
    return controls;
}

void CWnd::UpdateDialogControls(const std::vector<SDialogControl>& controls, CCmdTarget* pTarget,
                                BOOL bDisableIfNoHndler)
{
    for (const SDialogControl& control : controls) {
        CCmdUI state;
        state.m_nID = control.nID;
        state.m_pOther = FromHandle(control.hWnd);
        // Only push buttons are disabled for want of a handler: other controls
        // (edits, lists) are input, not commands.
        state.DoUpdate(pTarget, bDisableIfNoHndler && control.bPush);
    }
}
