// ActivationHandBack.cpp: see ActivationHandBack.h.
#include "platform/ActivationHandBack.h"

#include "platform/Trace.h"
#include "platform/WindowHelpers.h"

namespace {

// The window waiting for the activation, and the thread timer that hands
// it over.
thread_local HWND t_hWaiting = nullptr;
thread_local UINT_PTR t_nTimer = 0;
// The message filter of CPresentTimeForDialogInput and the scopes that
// hold it.
thread_local HHOOK t_hInputTimeHook = nullptr;
thread_local int t_nInputTimeScopes = 0;

void Activate(HWND hTop)
{
    if (!::IsWindow(hTop) || !::IsWindowVisible(hTop) || !::IsWindowEnabled(hTop))
        return;
    // The program held the foreground and lost it to no window at all (or
    // to the desktop): it takes it back. Under another program's window it
    // only activates its own window, as the system would.
    HWND hForeground = ::GetForegroundWindow();
    if (!hForeground || hForeground == ::GetDesktopWindow())
        ::SetForegroundWindow(hTop);
    else
        ::SetActiveWindow(hTop);
}

void CALLBACK HandOverTimerProc(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    t_nTimer = 0;
    HWND hTop = t_hWaiting;
    t_hWaiting = nullptr;
    if (!::GetActiveWindow())
        Activate(hTop);
}

void HandActivationTo(HWND hTop)
{
    if (::GetActiveWindow() == hTop)
        return;
    if (::IsWindowEnabled(hTop)) {
        Activate(hTop);
        return;
    }
    // A timer's message comes only when the queue holds nothing else: the
    // loop of the modal window that went has returned by then. Setting a
    // thread timer by the id of one still running replaces it.
    t_hWaiting = hTop;
    t_nTimer = ::SetTimer(nullptr, t_nTimer, 0, HandOverTimerProc);
    if (!t_nTimer)
        TRACE_FAILED_CALL("SetTimer(nullptr, t_nTimer, 0, HandOverTimerProc)");
}

}  // namespace

void HandActivationBackTo(HWND hTop)
{
    TakePresentMessageTime();
    Activate(hTop);
}

void TakePresentMessageTime()
{
    // A message of the thread's own, posted now and taken at once: its time
    // is the present.
    static const UINT nPresent = ::RegisterWindowMessageA("VornGUI.PresentMessageTime");
    if (!nPresent || !::PostThreadMessageA(::GetCurrentThreadId(), nPresent, 0, 0))
        return;
    MSG msg;
    ::PeekMessageA(&msg, nullptr, nPresent, nPresent, PM_REMOVE);
}

namespace {

bool IsKeyOrButton(UINT nMsg)
{
    return (nMsg >= WM_KEYFIRST && nMsg <= WM_KEYLAST) ||
           (nMsg >= WM_LBUTTONDOWN && nMsg <= WM_MOUSELAST && nMsg != WM_MOUSEWHEEL && nMsg != WM_MOUSEHWHEEL);
}

// A dialog box asks the filter first about every message it takes
// (IsDialogMessage).
LRESULT CALLBACK InputTimeFilter(int nCode, WPARAM wp, LPARAM lp)
{
    const MSG* pMsg = (const MSG*)lp;
    if (nCode == MSGF_DIALOGBOX && pMsg && IsKeyOrButton(pMsg->message))
        TakePresentMessageTime();
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

}  // namespace

CPresentTimeForDialogInput::CPresentTimeForDialogInput()
{
    if (t_nInputTimeScopes++ == 0)
        t_hInputTimeHook = ::SetWindowsHookExA(WH_MSGFILTER, InputTimeFilter, nullptr, ::GetCurrentThreadId());
}

CPresentTimeForDialogInput::~CPresentTimeForDialogInput()
{
    if (--t_nInputTimeScopes == 0 && t_hInputTimeHook) {
        ::UnhookWindowsHookEx(t_hInputTimeHook);
        t_hInputTimeHook = nullptr;
    }
}

BOOL DestroyWindowHandingBackActivation(HWND hWnd)
{
    HWND hOwner = ::GetWindow(hWnd, GW_OWNER);
    HWND hActive = ::GetActiveWindow();
    bool bHeld = hOwner && hActive && (hActive == hWnd || WindowIsOwnedBy(hActive, hWnd));
    HWND hTop = bHeld ? ::GetAncestor(hOwner, GA_ROOT) : nullptr;
    if (hTop)
        TakePresentMessageTime();
    BOOL bDestroyed = ::DestroyWindow(hWnd);
    if (hTop)
        HandActivationTo(hTop);
    return bDestroyed;
}
