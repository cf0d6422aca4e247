// CentreOnOwner.cpp: centring the system's dialogs over their owners.
#include "platform/CentreOnOwner.h"

#include "platform/Trace.h"
#include "platform/WindowHelpers.h"

namespace {

thread_local CCentreOnOwner* t_pInnermost = nullptr;
thread_local HHOOK t_hHook = nullptr;

}  // namespace

// A dialog given a child window (a view, a bar, a page) as its parent is
// owned by that window's top-level window: the system makes it the owner.
CCentreOnOwner::CCentreOnOwner(HWND hOwner)
    : m_hOwner(hOwner ? ::GetAncestor(hOwner, GA_ROOT) : nullptr), m_pOuter(t_pInnermost)
{
    if (!m_hOwner)
        return;
    t_pInnermost = this;
    if (t_hHook)
        return;
    m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, HookProc, nullptr, ::GetCurrentThreadId());
    if (!m_hHook)
        TRACE_FAILED_CALL("SetWindowsHookExA(WH_CALLWNDPROCRET, HookProc, nullptr, ::GetCurrentThreadId())");
    t_hHook = m_hHook;
}

CCentreOnOwner::~CCentreOnOwner()
{
    if (!m_hOwner)
        return;
    t_pInnermost = m_pOuter;
    if (m_hHook) {
        ::UnhookWindowsHookEx(m_hHook);
        t_hHook = nullptr;
    }
}

void CCentreOnOwner::DialogInitialised(HWND hDlg)
{
    if (::GetWindowLongA(hDlg, GWL_STYLE) & WS_CHILD)
        return;  // a page or a file dialog's own template
    HWND hOwner = ::GetWindow(hDlg, GW_OWNER);
    for (CCentreOnOwner* p = t_pInnermost; p; p = p->m_pOuter) {
        if (p->m_hDialog || p->m_hOwner != hOwner)
            continue;
        p->m_hDialog = hDlg;
        CenterWindowOn(hDlg, hOwner);
        return;
    }
}

LRESULT CALLBACK CCentreOnOwner::HookProc(int nCode, WPARAM wp, LPARAM lp)
{
    if (nCode == HC_ACTION) {
        const CWPRETSTRUCT* p = (const CWPRETSTRUCT*)lp;
        if (p->message == WM_INITDIALOG)
            DialogInitialised(p->hwnd);
    }
    return ::CallNextHookEx(t_hHook, nCode, wp, lp);
}
