// ErrorBalloon.cpp: the field-error balloon, a tracking balloon tooltip.
#include "platform/ErrorBalloon.h"

#include <commctrl.h>

#include "platform/CWnd.h"

namespace {

const UINT_PTR kHideTimerId = 1;
const UINT kShowMs = 10000;  // how long a balloon stays up

struct BalloonState {
    HWND hTip = nullptr;  // owned by the dialog: goes with it
    HWND hOwner = nullptr;
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
    ErrorBalloonHide();
}

// The tooltip of hDlg's top-level window, made on first use.
HWND BalloonFor(HWND hDlg)
{
    BalloonState& st = State();
    HWND hOwner = ::GetAncestor(hDlg, GA_ROOT);
    if (st.hTip && ::IsWindow(st.hTip) && st.hOwner == hOwner)
        return st.hTip;
    if (st.hTip && ::IsWindow(st.hTip))
        ::DestroyWindow(st.hTip);
    st.hTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, 0, 0, 0, 0, hOwner,
                                nullptr, ::GetModuleHandleA(nullptr), nullptr);
    st.hOwner = hOwner;
    if (!st.hTip)
        return nullptr;
    TTTOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    ti.hwnd = hOwner;
    ti.lpszText = const_cast<char*>("");
    ::SendMessageA(st.hTip, TTM_ADDTOOLA, 0, (LPARAM)&ti);
    ::SendMessageA(st.hTip, TTM_SETMAXTIPWIDTH, 0, 320);
    return st.hTip;
}



// Shows the balloon of hWnd's top-level window with its stem at ptStem.
bool ShowBalloon(HWND hWnd, POINT ptStem, LPCSTR pszTitle, LPCSTR pszText, int nIcon)
{
    HWND hTip = hWnd ? BalloonFor(hWnd) : nullptr;
    if (!hTip)
        return false;
    TTTOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = State().hOwner;
    ti.lpszText = const_cast<char*>(pszText ? pszText : "");
    ::SendMessageA(hTip, TTM_TRACKACTIVATE, FALSE, (LPARAM)&ti);
    ::SendMessageA(hTip, TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
    State().strTitle = pszTitle;
    State().strText = pszText;
    ::SendMessageA(hTip, TTM_SETTITLEA, (WPARAM)nIcon, (LPARAM)State().strTitle.GetString());
    ::SendMessageA(hTip, TTM_TRACKPOSITION, 0, MAKELPARAM(ptStem.x, ptStem.y));
    ::SendMessageA(hTip, TTM_TRACKACTIVATE, TRUE, (LPARAM)&ti);
    ::SetTimer(hTip, kHideTimerId, kShowMs, HideTimerProc);
    return true;
}

}  // namespace

bool ErrorBalloon(HWND hDlg, UINT nID, LPCSTR pszTitle, LPCSTR pszText, int nIcon)
{
    HWND hCtrl = ::GetDlgItem(hDlg, (int)nID);
    if (!hCtrl)
        return false;
    // The stem points at the middle of the control's lower edge.
    RECT rc;
    ::GetWindowRect(hCtrl, &rc);
    ShowBalloon(hDlg, POINT{(rc.left + rc.right) / 2, rc.bottom - 2}, pszTitle, pszText, nIcon);
    return false;
}

bool BalloonAt(HWND hWnd, POINT ptScreen, LPCSTR pszTitle, LPCSTR pszText, int nIcon)
{
    return ShowBalloon(hWnd, ptScreen, pszTitle, pszText, nIcon);
}

bool ErrorBalloon(CWnd* pDlg, UINT nID, LPCSTR pszTitle, LPCSTR pszText, int nIcon)
{
    return ErrorBalloon(HwndOf(pDlg), nID, pszTitle, pszText, nIcon);
}

HWND ErrorBalloonWindow(CString* pTitle, CString* pText)
{
    BalloonState& st = State();
    HWND h = st.hTip && ::IsWindow(st.hTip) && ::IsWindowVisible(st.hTip) ? st.hTip : nullptr;
    if (pTitle)
        *pTitle = h ? st.strTitle : CString();
    if (pText)
        *pText = h ? st.strText : CString();
    return h;
}

void ErrorBalloonHide()
{
    BalloonState& st = State();
    if (!st.hTip || !::IsWindow(st.hTip))
        return;
    TTTOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = st.hOwner;
    ::SendMessageA(st.hTip, TTM_TRACKACTIVATE, FALSE, (LPARAM)&ti);
}

CString GetControlLabel(HWND hCtrl)
{
    CString label;
    HWND hPrev = ::GetWindow(hCtrl, GW_HWNDPREV);
    char cls[16] = {};
    if (hPrev)
        ::GetClassNameA(hPrev, cls, sizeof(cls));
    CWnd::FromHandle(lstrcmpiA(cls, "Static") == 0 ? hPrev : hCtrl)->GetWindowText(label);
    label.Remove('&');
    label.Trim();
    label.TrimRight(':');
    return label;
}
