// CModalLoop.h: the message loop that modal dialogs and property sheets run
// while they are up, the choice of a modal window's owner, and the disabling
// of its owner chain for that time.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

// The owner of a modal window opened with hParent (null for none): hParent's
// top-level window; with no parent, the window the user is working in: the
// main window's last active popup (a modal dialog it opened, a dialog that
// dialog opened ...), or the active window when there is no main window.
HWND ModalOwnerWindow(HWND hParent);

// Disables every enabled window of an owner chain, from hFirst up to the
// top-level owner, and enables them again when released: while a modal
// window runs, none of the windows it stands in front of takes input.
class COwnerChainLock {
public:
    explicit COwnerChainLock(HWND hFirst);
    ~COwnerChainLock() { Release(); }
    COwnerChainLock(const COwnerChainLock&) = delete;
    COwnerChainLock& operator=(const COwnerChainLock&) = delete;

    // Enables again what the constructor disabled (once).
    void Release();

private:
    std::vector<HWND> m_disabled;
};

class CModalLoop {
public:
    // Disables the owner chain (the windows that are enabled) for the modal
    // window's run.
    explicit CModalLoop(HWND hOwner);
    CModalLoop(const CModalLoop&) = delete;
    CModalLoop& operator=(const CModalLoop&) = delete;

    // Gets and dispatches the thread's messages, each through the thread's
    // (or the window tree's) PreTranslateMessage first, until bEnded() is
    // true. Returns false when WM_QUIT came first: it is posted again for the
    // outer loop.
    bool Run(const std::function<bool()>& bEnded);
    // Enables the owner chain again while the modal window is still there,
    // so that the system can activate the owner, and hands the owner the
    // activation hModal has.
    void Finish(HWND hModal);

private:
    HWND m_hOwner;
    COwnerChainLock m_lock;
};
