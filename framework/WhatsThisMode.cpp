// WhatsThisMode.cpp: the What's-This mode's tracking loop and its request.
#include "framework/WhatsThisMode.h"

#include "framework/CSizingControlBar.h"
#include "framework/HelpKeys.h"
#include "platform/CModalLoop.h"
#include "platform/CStatusBar.h"

namespace {

bool IsGroupBox(HWND h)
{
    return (::GetWindowLongA(h, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The window under ptScreen, a disabled control included (WindowFromPoint
// passes over disabled windows to their parent); null when it is not one of
// this thread's.
HWND WindowUnder(POINT ptScreen)
{
    HWND h = ::WindowFromPoint(ptScreen);
    if (!h || ::GetWindowThreadProcessId(h, nullptr) != ::GetCurrentThreadId())
        return nullptr;
    POINT pt = ptScreen;
    ::ScreenToClient(h, &pt);
    HWND hChild = ::ChildWindowFromPointEx(h, pt, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (hChild && hChild != h && !::IsWindowEnabled(hChild) && !IsGroupBox(hChild))
        h = hChild;
    return h;
}

// The screen point of a mouse message: client coordinates of its window, or
// screen coordinates for the non-client messages.
POINT MessagePoint(const MSG& msg)
{
    POINT pt = {(short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)};
    if (msg.message < WM_MOUSEFIRST)
        return pt;
    ::ClientToScreen(msg.hwnd, &pt);
    return pt;
}

bool IsLeftDown(UINT m)
{
    return m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK || m == WM_NCLBUTTONDOWN || m == WM_NCLBUTTONDBLCLK;
}
bool IsOtherDown(UINT m)
{
    return m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN || m == WM_NCRBUTTONDOWN || m == WM_NCMBUTTONDOWN;
}
bool IsMouse(UINT m)
{
    return (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) || (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK);
}
bool IsKeyDown(UINT m) { return m == WM_KEYDOWN || m == WM_SYSKEYDOWN; }
bool IsKey(UINT m) { return m >= WM_KEYFIRST && m <= WM_KEYLAST; }

// The id of the pane of a status bar under ptScreen; 0 (the prompt pane's
// id) when the point lies on none.
UINT StatusPaneAt(const CStatusBar& bar, POINT ptScreen)
{
    POINT pt = ptScreen;
    ::ScreenToClient(bar.m_hWnd, &pt);
    for (int i = 0; i < bar.GetCount(); ++i) {
        RECT rc = {};
        bar.GetItemRect(i, &rc);
        if (::PtInRect(&rc, pt))
            return bar.GetItemID(i);
    }
    return 0;
}

// A click on a control bar asks as the framework asks for one: the main
// window's status bar by its control help id (0x5E801) with the pane under
// the click as the control, a docking bar as its title bar, another bar by
// its control id.
void AskAsControlBar(const SWhatsThisClick& click, HELPINFO* pHelp)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(click.hTarget);
    if (!DYNAMIC_DOWNCAST(CControlBar, pWnd))
        return;
    pHelp->dwContextId = 0;
    CStatusBar* pStatus = DYNAMIC_DOWNCAST(CStatusBar, pWnd);
    if (pStatus && pHelp->iCtrlId == AFX_IDW_STATUS_BAR && pStatus->GetCount() > 0) {
        pHelp->dwContextId = kStatusBarHelpKey;
        pHelp->iCtrlId = (int)StatusPaneAt(*pStatus, click.ptScreen);
    } else if (DYNAMIC_DOWNCAST(CSizingControlBar, pWnd)) {
        pHelp->dwContextId = kTitleBarHelpKey;
    }
}

}  // namespace

SWhatsThisClick TrackWhatsThisClick(HWND hWnd)
{
    SWhatsThisClick click;
    // The window whose mode this is goes on after it: a close waits.
    CNestedLoopScope loop;
    HCURSOR hHelp = ::LoadCursor(nullptr, IDC_HELP);
    HCURSOR hOld = ::SetCursor(hHelp);
    ::SetCapture(hWnd);
    while (::GetCapture() == hWnd) {
        MSG msg;
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (IsLeftDown(msg.message)) {
            click.ptScreen = MessagePoint(msg);
            click.hTarget = WindowUnder(click.ptScreen);
            break;
        }
        if (IsOtherDown(msg.message) || IsKeyDown(msg.message))
            break;
        if (IsMouse(msg.message)) {
            ::SetCursor(hHelp);  // moves and releases only keep the cursor
            continue;
        }
        if (IsKey(msg.message))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    ::SetCursor(hOld);
    if (click.hTarget && !(::GetWindowLongA(click.hTarget, GWL_STYLE) & WS_CHILD))
        click.nHitTest = ::SendMessageA(click.hTarget, WM_NCHITTEST, 0, MAKELPARAM(click.ptScreen.x, click.ptScreen.y));
    return click;
}

HELPINFO WhatsThisHelpInfo(const SWhatsThisClick& click)
{
    HELPINFO hi = {};
    hi.cbSize = sizeof(hi);
    hi.iContextType = HELPINFO_WINDOW;
    hi.hItemHandle = click.hTarget;
    hi.MousePos = click.ptScreen;
    if (click.nHitTest != HTCLIENT) {
        hi.iCtrlId = (int)click.nHitTest;
        hi.dwContextId = MAKELONG((WORD)click.nHitTest, 4);
    } else {
        hi.iCtrlId = ::GetDlgCtrlID(click.hTarget);
        hi.dwContextId = ::GetWindowContextHelpId(click.hTarget);
        AskAsControlBar(click, &hi);
        hi.iCtrlId = (int)CanonicalHelpControlId((UINT)hi.iCtrlId);
    }
    return hi;
}
