// CModalLoop.cpp: the modal message loop, the modal owner and the owner
// chain's disabling.
#include "platform/CModalLoop.h"

#include "platform/CWinApp.h"
#include "platform/CWinThread.h"
#include "platform/CWnd.h"

HWND ModalOwnerWindow(HWND hParent)
{
    HWND h = hParent;
    if (!h) {
        CWnd* pMain = AfxGetMainWnd();
        h = pMain && pMain->m_hWnd ? pMain->m_hWnd : ::GetActiveWindow();
    }
    // A popup cannot be owned by a child window: its top-level window owns it.
    while (h && (::GetWindowLongA(h, GWL_STYLE) & WS_CHILD))
        h = ::GetParent(h);
    if (hParent || !h)
        return h;
    // With no parent the window the user works in owns it. The main window
    // stays disabled under a modal dialog, so a window opened from that
    // dialog without naming it must still go to the dialog, not behind it.
    HWND hPopup = ::GetLastActivePopup(h);
    // A popup that is hidden or disabled (being closed, or under a modal
    // window of its own) is not where the user works: its owner is.
    while (hPopup && hPopup != h && (!::IsWindowVisible(hPopup) || !::IsWindowEnabled(hPopup)))
        hPopup = ::GetWindow(hPopup, GW_OWNER);
    return hPopup ? hPopup : h;
}

COwnerChainLock::COwnerChainLock(HWND hFirst)
{
    for (HWND h = hFirst; h; h = ::GetWindow(h, GW_OWNER)) {
        if (::IsWindowEnabled(h)) {
            ::EnableWindow(h, FALSE);
            m_disabled.push_back(h);
        }
    }
}

void COwnerChainLock::Release()
{
    // The top-level owner first: the window nearest the modal one is
    // enabled last, as the one the system activates next.
    for (auto it = m_disabled.rbegin(); it != m_disabled.rend(); ++it)
        if (::IsWindow(*it))
            ::EnableWindow(*it, TRUE);
    m_disabled.clear();
}

CModalLoop::CModalLoop(HWND hOwner) : m_hOwner(hOwner), m_lock(hOwner) {}

bool CModalLoop::Run(const std::function<bool()>& bEnded)
{
    while (!bEnded()) {
        MSG msg;
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage((int)msg.wParam);
            return false;
        }
        CWinThread* pThread = AfxGetThread();
        BOOL bDone = pThread ? pThread->PreTranslateMessage(&msg) : CWnd::WalkPreTranslateTree(&msg);
        if (!bDone) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return true;
}

void CModalLoop::Finish(HWND hModal)
{
    m_lock.Release();
    if (m_hOwner && ::IsWindow(m_hOwner) && (::GetActiveWindow() == hModal || !::GetActiveWindow()))
        ::SetActiveWindow(m_hOwner);
}
