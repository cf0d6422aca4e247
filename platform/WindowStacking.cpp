// WindowStacking.cpp: CWindowStackingKeeper.
#include "platform/WindowStacking.h"

#include <vector>

namespace {

thread_local CWindowStackingKeeper* t_pKeeper = nullptr;

// Wine's own system library exports its version; Windows' does not.
bool RunningUnderWine()
{
    static const bool bWine = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return bWine;
}

bool IsOwnedBy(HWND hWnd, HWND hOwner)
{
    for (HWND h = ::GetWindow(hWnd, GW_OWNER); h; h = ::GetWindow(h, GW_OWNER))
        if (h == hOwner)
            return true;
    return false;
}

const UINT kRaiseFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
// A window shown is mapped on the X display a few milliseconds later; the
// second raise waits well beyond that (and for the focus to settle).
const UINT kSettleMs = 300;

}  // namespace

CWindowStackingKeeper::CWindowStackingKeeper()
{
    if (!RunningUnderWine() || t_pKeeper)
        return;
    m_hHook = ::SetWindowsHookExA(WH_CBT, CbtHook, nullptr, ::GetCurrentThreadId());
    if (m_hHook)
        t_pKeeper = this;
}

CWindowStackingKeeper::~CWindowStackingKeeper()
{
    if (t_pKeeper != this)
        return;
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
    for (UINT_PTR nTimer : {m_nQuickTimer, m_nSettleTimer})
        if (nTimer)
            ::KillTimer(nullptr, nTimer);
    t_pKeeper = nullptr;
}

void CWindowStackingKeeper::Hold(bool bHold)
{
    if (t_pKeeper != this || bHold == (m_hHook == nullptr))
        return;
    if (bHold) {
        ::UnhookWindowsHookEx(m_hHook);
        m_hHook = nullptr;
    } else {
        m_hHook = ::SetWindowsHookExA(WH_CBT, CbtHook, nullptr, ::GetCurrentThreadId());
    }
}

LRESULT CALLBACK CWindowStackingKeeper::CbtHook(int nCode, WPARAM wp, LPARAM lp)
{
    CWindowStackingKeeper* p = t_pKeeper;
    // The raise that Wine makes comes with the change itself: the windows
    // above are raised again once the message that changed the focus has
    // been handled (the handler may show a balloon after it).
    if (p && (nCode == HCBT_SETFOCUS || nCode == HCBT_ACTIVATE)) {
        if (!p->m_nQuickTimer)
            p->m_nQuickTimer = ::SetTimer(nullptr, 0, 0, RaiseTimerProc);
        // A new change starts the wait for the display again: setting a
        // thread timer by the id of one still running replaces it, one call
        // to the system where killing and making another would be two.
        p->m_nSettleTimer = ::SetTimer(nullptr, p->m_nSettleTimer, kSettleMs, RaiseTimerProc);
    }
    return ::CallNextHookEx(p ? p->m_hHook : nullptr, nCode, wp, lp);
}

void CALLBACK CWindowStackingKeeper::RaiseTimerProc(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    if (CWindowStackingKeeper* p = t_pKeeper) {
        if (p->m_nQuickTimer == nTimer)
            p->m_nQuickTimer = 0;
        if (p->m_nSettleTimer == nTimer)
            p->m_nSettleTimer = 0;
    }
    HWND hFocus = ::GetFocus();
    if (hFocus)
        RaiseWindowsAbove(::GetAncestor(hFocus, GA_ROOT));
}

void CWindowStackingKeeper::RaiseWindowsAbove(HWND hTop)
{
    DWORD dwThread = ::GetCurrentThreadId();
    std::vector<HWND> above;  // top first
    for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (h == hTop || !::IsWindowVisible(h) || ::GetWindowThreadProcessId(h, nullptr) != dwThread)
            continue;
        if ((::GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_TOPMOST) || IsOwnedBy(h, hTop))
            above.push_back(h);
    }
    for (auto it = above.rbegin(); it != above.rend(); ++it) {
        // Wine raises a window on the display only when it becomes the very
        // first of the Windows order, which a topmost window of any program
        // may hold: a plain window is made topmost for a moment (and so
        // first), then plain again. A topmost window already first would not
        // move at all: it goes last for a moment, then first.
        bool bTopmost = (::GetWindowLongA(*it, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        ::SetWindowPos(*it, bTopmost ? HWND_BOTTOM : HWND_TOPMOST, 0, 0, 0, 0, kRaiseFlags);
        ::SetWindowPos(*it, bTopmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kRaiseFlags);
    }
}
