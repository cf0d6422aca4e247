// CModalLoop.h: the message loop that modal dialogs and property sheets run
// while they are up, the choice of a modal window's owner, the disabling of
// its owner chain and of the other windows of that chain's top-level window
// for that time (the modal state), the count of the message loops that run
// inside the thread's own, and the close that waits for their end.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "platform/ActivationHandBack.h"
#include "platform/ModalMessageWatch.h"

// The owner of a modal window opened with hParent (null for none): hParent's
// top-level window; with no parent, the window the user is working in: the
// main window's last active popup (a modal dialog it opened, a dialog that
// dialog opened ...), or the active window when there is no main window.
HWND ModalOwnerWindow(HWND hParent);

// While it lives, the thread runs a message loop of its own inside the
// one it was called from: a modal window's, a wait that dispatches messages,
// the mouse tracking of What's-This mode. A close waits for its end
// (PostCloseAfterModalLoops): the code that runs the loop goes on with its
// window after it.
class CNestedLoopScope {
public:
    CNestedLoopScope();
    ~CNestedLoopScope();
    CNestedLoopScope(const CNestedLoopScope&) = delete;
    CNestedLoopScope& operator=(const CNestedLoopScope&) = delete;
};

// The modal state of the thread: disables every enabled window of the
// modal window's owner chain, from hOwner up to the top-level owner (hOwner
// itself only with bOwnerToo: the system's own dialogs and message boxes
// disable their owner themselves), and the other windows that top-level
// window owns (its floating bars and progress windows; not hModal, nor what
// it owns), and enables them again when released: while a modal window
// runs, none of the windows it stands in front of takes input. Counts as a
// nested loop of the thread until released, and until then the keys and
// clicks that end a box hand the activation back at the present time
// (CPresentTimeForDialogInput), and the messages the thread takes are
// watched (CModalMessageWatch), whichever loop takes them. A box that ends
// enables its owner again even when another modal window still holds it
// (Wine's task dialogs do): the release of a lock disables again what the
// locks still held keep disabled, so the main window takes no input while
// any modal window of it remains.
class COwnerChainLock {
public:
    explicit COwnerChainLock(HWND hOwner, bool bOwnerToo = true, HWND hModal = nullptr);
    ~COwnerChainLock() { Release(); }
    COwnerChainLock(const COwnerChainLock&) = delete;
    COwnerChainLock& operator=(const COwnerChainLock&) = delete;

    // Enables again what the constructor disabled (once).
    void Release();

private:
    // Disables again what this lock keeps disabled, where it was enabled.
    void Reassert() const;

    std::vector<HWND> m_disabled;
    HWND m_hSystemDisabled = nullptr;  // the owner the system's box disables itself
    bool m_bHeld = true;
    std::optional<CNestedLoopScope> m_loop;
    std::optional<CPresentTimeForDialogInput> m_inputTime;
    std::optional<CModalMessageWatch> m_watch;
};

// Whether the system runs a loop of its own on the thread, which dispatches
// what comes meanwhile: a menu's (the menu bar, a system menu, a context
// menu) or a window's move or size. They are nested loops of the thread too.
bool SystemLoopRuns();
// Whether any loop runs inside the thread's own: one of the program's (a
// modal window's, a wait that dispatches messages) or of the system's.
// The code that runs it goes on with its windows once it has ended, so a
// close that comes meanwhile waits (PostCloseAfterModalLoops).
bool NestedLoopsRun();
// Ends them: the menu closes, the move or size stops where it began. Each
// ends once the code that runs now has returned to it. True when one ran.
bool EndSystemLoops();

// Posts WM_CLOSE to hWnd at once when no modal window nor any other nested
// loop runs on the thread; else ends the system's loops (a question the
// close asks would stand under their hold on the mouse) and closes hWnd once
// the last loop has ended and control is back in the thread's outermost
// loop. A window destroyed under a nested loop would leave that loop, and
// the code around it (a context menu's), running over a dead window; a
// close delivered as the last one ended would reach a dialog opened right
// after it. A close asked for while one waits is that one. With bEndBoxes
// (a close the user or the system asks for) the program's boxes and dialogs
// that show meanwhile are ended one after the other through the Cancel each
// offers, as the menus are, while a close may end them (ModalWindowClose.h);
// at the first it may not, the close brings that one to the front and waits
// for the user: it comes once the user has ended every loop.
void PostCloseAfterModalLoops(HWND hWnd, bool bEndBoxes = false);

class CModalLoop {
public:
    // Disables the owner chain (the windows that are enabled) and the other
    // windows of its top-level window for the run of hModal.
    CModalLoop(HWND hOwner, HWND hModal);
    CModalLoop(const CModalLoop&) = delete;
    CModalLoop& operator=(const CModalLoop&) = delete;

    // Gets and dispatches the thread's messages, each through the thread's
    // (or the window tree's) PreTranslateMessage first, until bEnded() is
    // true. Returns false when WM_QUIT came first: it is posted again for the
    // outer loop.
    bool Run(const std::function<bool()>& bEnded);
    // Enables the owner chain again while the modal window is still there,
    // so that the system can activate the owner, hides the modal window and
    // hands the owner the activation it had.
    void Finish(HWND hModal);

private:
    HWND m_hOwner;
    COwnerChainLock m_lock;
};
