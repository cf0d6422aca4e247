// CModalLoop.cpp: the modal message loop, the modal owner and the owner
// chain's disabling.
#include "platform/CModalLoop.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/CWinApp.h"
#include "platform/CWinThread.h"
#include "platform/CWnd.h"
#include "platform/ModalWindowClose.h"
#include "platform/WindowHelpers.h"

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

namespace {

thread_local int t_nNestedLoops = 0;
thread_local std::vector<const COwnerChainLock*>* t_pLocks = nullptr;  // held now, oldest first
thread_local HWND t_hCloseWaiting = nullptr;
thread_local UINT_PTR t_nCloseTimer = 0;
thread_local bool t_bEndBoxes = false;  // the waiting close ends the program's boxes

void ArmWaitingClose(UINT nDelayMs = 0);

// The close that waited for the nested loops. A thread timer runs in
// whatever loop takes it: the close goes only from one that is not nested
// (sent, so that nothing queued before it can start another loop first); a
// nested one of the program's leaves it to the end of the last, and one of
// the system's, which tells nobody of its end, is ended again and looked at
// once more.
void CALLBACK CloseWhenLoopsEnded(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    t_nCloseTimer = 0;
    if (t_nNestedLoops > 0) {
        // Each box that shows until the loops have ended is ended in turn,
        // until one that only the user may end: from then on the close
        // waits for the user.
        if (t_bEndBoxes) {
            if (!CancelTopModalWindowForClose()) {
                t_bEndBoxes = false;
                return;
            }
            ArmWaitingClose(50);
        }
        return;
    }
    if (EndSystemLoops()) {
        ArmWaitingClose();
        return;
    }
    HWND h = t_hCloseWaiting;
    t_hCloseWaiting = nullptr;
    t_bEndBoxes = false;
    if (h && ::IsWindow(h))
        ::SendMessageA(h, WM_CLOSE, 0, 0);
}

void ArmWaitingClose(UINT nDelayMs)
{
    if (t_hCloseWaiting && !t_nCloseTimer)
        t_nCloseTimer = ::SetTimer(nullptr, 0, nDelayMs, CloseWhenLoopsEnded);
}

struct OwnedWindows {
    HWND hTop;
    HWND hOwner;
    HWND hModal;
    std::vector<HWND>* pDisabled;
};

BOOL CALLBACK DisableOwnedWindow(HWND h, LPARAM lp)
{
    OwnedWindows* p = (OwnedWindows*)lp;
    if (h == p->hOwner || h == p->hModal || !::IsWindowVisible(h) || !::IsWindowEnabled(h) ||
        !WindowIsOwnedBy(h, p->hTop) || (p->hModal && WindowIsOwnedBy(h, p->hModal)))
        return TRUE;
    // Tooltips take no input of their own.
    char szClass[32] = {};
    ::GetClassNameA(h, szClass, sizeof szClass);
    if (lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0)
        return TRUE;
    ::EnableWindow(h, FALSE);
    p->pDisabled->push_back(h);
    return TRUE;
}

}  // namespace

CNestedLoopScope::CNestedLoopScope()
{
    ++t_nNestedLoops;
}

CNestedLoopScope::~CNestedLoopScope()
{
    if (--t_nNestedLoops == 0)
        ArmWaitingClose();
}

COwnerChainLock::COwnerChainLock(HWND hOwner, bool bOwnerToo, HWND hModal)
    : m_loop(std::in_place), m_inputTime(std::in_place), m_watch(std::in_place)
{
    // A child window cannot own a popup: the system's dialogs given one as
    // their parent disable its top-level window.
    while (hOwner && (::GetWindowLongA(hOwner, GWL_STYLE) & WS_CHILD))
        hOwner = ::GetParent(hOwner);
    HWND hTop = nullptr;
    for (HWND h = hOwner; h; h = ::GetWindow(h, GW_OWNER)) {
        hTop = h;
        if ((h != hOwner || bOwnerToo) && ::IsWindowEnabled(h)) {
            ::EnableWindow(h, FALSE);
            m_disabled.push_back(h);
        }
    }
    // As a frame's modal state on Windows: its floating bars and progress
    // windows wait with it (EnumThreadWindows lists only this thread's).
    if (hTop) {
        std::vector<HWND> owned;
        OwnedWindows ow = {hTop, hOwner, hModal, &owned};
        ::EnumThreadWindows(::GetWindowThreadProcessId(hTop, nullptr), DisableOwnedWindow, (LPARAM)&ow);
        // Enabled again after the chain, so before it in the list.
        m_disabled.insert(m_disabled.begin(), owned.begin(), owned.end());
    }
    if (!bOwnerToo)
        m_hSystemDisabled = hOwner;
    if (!t_pLocks)
        t_pLocks = new std::vector<const COwnerChainLock*>;
    t_pLocks->push_back(this);
}

void COwnerChainLock::Reassert() const
{
    for (HWND h : m_disabled)
        if (::IsWindow(h) && ::IsWindowEnabled(h))
            ::EnableWindow(h, FALSE);
    if (m_hSystemDisabled && ::IsWindow(m_hSystemDisabled) && ::IsWindowEnabled(m_hSystemDisabled))
        ::EnableWindow(m_hSystemDisabled, FALSE);
}

void COwnerChainLock::Release()
{
    if (!m_bHeld)
        return;
    m_bHeld = false;
    // The top-level owner first: the window nearest the modal one is
    // enabled last, as the one the system activates next.
    for (auto it = m_disabled.rbegin(); it != m_disabled.rend(); ++it)
        if (::IsWindow(*it))
            ::EnableWindow(*it, TRUE);
    m_disabled.clear();
    if (t_pLocks) {
        t_pLocks->erase(std::remove(t_pLocks->begin(), t_pLocks->end(), this), t_pLocks->end());
        // The box that has just ended may have enabled its owner under a
        // modal window that still runs.
        for (const COwnerChainLock* pHeld : *t_pLocks)
            pHeld->Reassert();
    }
    m_loop.reset();
    m_inputTime.reset();
    m_watch.reset();
}

bool SystemLoopRuns()
{
    GUITHREADINFO info = {sizeof info};
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_INMOVESIZE));
}

bool NestedLoopsRun()
{
    return t_nNestedLoops > 0 || SystemLoopRuns();
}

bool EndSystemLoops()
{
    GUITHREADINFO info = {sizeof info};
    if (!::GetGUIThreadInfo(::GetCurrentThreadId(), &info))
        return false;
    if (info.flags & GUI_INMENUMODE)
        ::EndMenu();
    // Esc ends a move or a size, from the mouse as from the keyboard, and
    // puts the window back where it was.
    if ((info.flags & GUI_INMOVESIZE) && info.hwndMoveSize)
        ::PostMessageA(info.hwndMoveSize, WM_KEYDOWN, VK_ESCAPE, 0);
    return (info.flags & (GUI_INMENUMODE | GUI_INMOVESIZE)) != 0;
}

void PostCloseAfterModalLoops(HWND hWnd, bool bEndBoxes)
{
    if (!hWnd)
        return;
    bool bSystemLoop = EndSystemLoops();
    if (t_nNestedLoops > 0 || bSystemLoop) {
        t_hCloseWaiting = hWnd;
        t_bEndBoxes = t_bEndBoxes || bEndBoxes;
        if (t_nNestedLoops == 0 || bEndBoxes)
            ArmWaitingClose();
    } else {
        ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
    }
}

CModalLoop::CModalLoop(HWND hOwner, HWND hModal) : m_hOwner(hOwner), m_lock(hOwner, true, hModal) {}

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
    // The key or click that ended the modal window may be older than the
    // display's focus on it (ActivationHandBack.h).
    TakePresentMessageTime();
    m_lock.Release();
    // Hidden before the owner takes the activation, as the system's own
    // dialogs end: it is not drawn inactive first, nor its owner's area
    // exposed again as it goes.
    bool bActive = ::GetActiveWindow() == hModal;
    if (::IsWindowVisible(hModal))
        ::SetWindowPos(hModal, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (m_hOwner && ::IsWindow(m_hOwner) && (bActive || !::GetActiveWindow()))
        ::SetActiveWindow(m_hOwner);
}
