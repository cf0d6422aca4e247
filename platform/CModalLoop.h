// CModalLoop.h: the message loop that modal dialogs and property sheets run
// while they are up, and their owner's disabling for that time.
#pragma once

#include <windows.h>

#include <functional>

class CModalLoop {
public:
    // Disables the owner (if it is enabled) for the modal window's run.
    explicit CModalLoop(HWND hOwner);
    // Enables the owner again if Finish has not.
    ~CModalLoop();
    CModalLoop(const CModalLoop&) = delete;
    CModalLoop& operator=(const CModalLoop&) = delete;

    // Gets and dispatches the thread's messages, each through the thread's
    // (or the window tree's) PreTranslateMessage first, until bEnded() is
    // true. Returns false when WM_QUIT came first: it is posted again for the
    // outer loop.
    bool Run(const std::function<bool()>& bEnded);
    // Enables the owner again while the modal window is still there, so that
    // the system activates it, and hands it the activation hModal has.
    void Finish(HWND hModal);

private:
    HWND m_hOwner;
    bool m_bOwnerDisabled;
};
