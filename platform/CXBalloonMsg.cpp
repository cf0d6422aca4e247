// CXBalloonMsg.cpp: the balloon tooltip and what closes it.
#include "platform/CXBalloonMsg.h"

#include <commctrl.h>

#include <cstdlib>

namespace {

const UINT_PTR kHideTimerId = 1;
const UINT kDefaultShowMs = 10000;
const int kDefaultWidth = 320;
const int kMoveSlop = 8;  // pixels the mouse may move before a balloon closes

struct BalloonState {
    HWND hTip = nullptr;  // owned by the top-level window: goes with it
    HWND hOwner = nullptr;
    HHOOK hHook = nullptr;
    bool bCloseOnClick = false;
    bool bCloseOnKey = false;
    bool bCloseOnMove = false;
    POINT ptShown = {};
    CString strTitle;  // what the balloon shows (the tooltip keeps no title to ask for)
    CString strText;
};

BalloonState& State()
{
    static thread_local BalloonState state;
    return state;
}

void CALLBACK HideTimerProc(HWND hTip, UINT, UINT_PTR, DWORD)
{
    ::KillTimer(hTip, kHideTimerId);
    CXBalloonMsg::Hide();
}

// Watches the thread's input while a balloon shows. Esc closes the balloon
// and goes no further: the dialog under it is not cancelled by the key that
// the user meant for the balloon (the next Esc reaches it).
LRESULT CALLBACK InputHook(int nCode, WPARAM wp, LPARAM lp)
{
    BalloonState& st = State();
    HHOOK hHook = st.hHook;
    if (nCode == HC_ACTION && wp == PM_REMOVE) {
        MSG* pMsg = (MSG*)lp;
        UINT m = pMsg->message;
        bool bClick = m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_NCLBUTTONDOWN;
        bool bKey = m == WM_KEYDOWN || m == WM_SYSKEYDOWN;
        bool bEscape = m == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && CXBalloonMsg::GetShowing();
        bool bMove = m == WM_MOUSEMOVE && (abs(pMsg->pt.x - st.ptShown.x) > kMoveSlop ||
                                           abs(pMsg->pt.y - st.ptShown.y) > kMoveSlop);
        if (bEscape || (bClick && st.bCloseOnClick) || (bKey && st.bCloseOnKey) || (bMove && st.bCloseOnMove))
            CXBalloonMsg::Hide();
        if (bEscape)
            pMsg->message = WM_NULL;
    }
    return ::CallNextHookEx(hHook, nCode, wp, lp);
}

TTTOOLINFOA ToolInfo(LPCSTR pszText)
{
    TTTOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    ti.hwnd = State().hOwner;
    ti.lpszText = const_cast<char*>(pszText ? pszText : "");
    return ti;
}

// The tooltip of hParent's top-level window, made on first use.
HWND BalloonFor(HWND hParent)
{
    BalloonState& st = State();
    HWND hOwner = ::GetAncestor(hParent, GA_ROOT);
    if (st.hTip && ::IsWindow(st.hTip) && st.hOwner == hOwner)
        return st.hTip;
    if (st.hTip && ::IsWindow(st.hTip))
        ::DestroyWindow(st.hTip);
    st.hOwner = hOwner;
    st.hTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0, hOwner,
                                nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (st.hTip) {
        TTTOOLINFOA ti = ToolInfo("");
        ::SendMessageA(st.hTip, TTM_ADDTOOLA, 0, (LPARAM)&ti);
    }
    return st.hTip;
}

}  // namespace

BOOL CXBalloonMsg::Show(HWND hParent, HWND hCtrl, LPCSTR pszBody, LPCSTR pszTitle, HINSTANCE, POINT ptAnchor,
                        int nIcon, UINT nTimeoutMs, int nMaxWidth, BOOL bCloseOnClick, BOOL bCloseOnKey,
                        BOOL bCloseOnMouseMove)
{
    Hide();
    HWND hTip = BalloonFor(hParent ? hParent : hCtrl);
    if (!hTip)
        return FALSE;
    BalloonState& st = State();
    st.strTitle = pszTitle;
    st.strText = pszBody;
    st.bCloseOnClick = bCloseOnClick != FALSE;
    st.bCloseOnKey = bCloseOnKey != FALSE;
    st.bCloseOnMove = bCloseOnMouseMove != FALSE;
    if (ptAnchor.x == -1 && ptAnchor.y == -1 && hCtrl) {
        RECT rc;
        ::GetWindowRect(hCtrl, &rc);
        ptAnchor.x = (rc.left + rc.right) / 2;
        ptAnchor.y = rc.bottom - 2;
    }
    ::GetCursorPos(&st.ptShown);
    TTTOOLINFOA ti = ToolInfo(st.strText);
    ::SendMessageA(hTip, TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
    ::SendMessageA(hTip, TTM_SETMAXTIPWIDTH, 0, nMaxWidth > 0 ? nMaxWidth : kDefaultWidth);
    WPARAM icon = nIcon < 0 ? TTI_INFO : (WPARAM)nIcon;
    ::SendMessageA(hTip, TTM_SETTITLEA, icon, (LPARAM)st.strTitle.GetString());
    ::SendMessageA(hTip, TTM_TRACKPOSITION, 0, MAKELPARAM(ptAnchor.x, ptAnchor.y));
    ::SendMessageA(hTip, TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
    ::SetTimer(hTip, kHideTimerId, nTimeoutMs ? nTimeoutMs : kDefaultShowMs, HideTimerProc);
    st.hHook = ::SetWindowsHookExA(WH_GETMESSAGE, InputHook, nullptr, ::GetCurrentThreadId());
    return TRUE;
}

void CXBalloonMsg::Hide()
{
    BalloonState& st = State();
    if (st.hHook) {
        ::UnhookWindowsHookEx(st.hHook);
        st.hHook = nullptr;
    }
    if (!st.hTip || !::IsWindow(st.hTip))
        return;
    ::KillTimer(st.hTip, kHideTimerId);
    TTTOOLINFOA ti = ToolInfo(nullptr);
    ::SendMessageA(st.hTip, TTM_TRACKACTIVATE, FALSE, (LPARAM)&ti);
}

HWND CXBalloonMsg::GetShowing(CString* pTitle, CString* pText)
{
    BalloonState& st = State();
    HWND h = st.hTip && ::IsWindow(st.hTip) && ::IsWindowVisible(st.hTip) ? st.hTip : nullptr;
    if (pTitle)
        *pTitle = h ? st.strTitle : CString();
    if (pText)
        *pText = h ? st.strText : CString();
    return h;
}
