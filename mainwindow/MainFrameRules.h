// MainFrameRules.h: the main frame's decisions that need no window: whether
// and how it may close, whether it lets a Windows session end, and which
// console lines Copy and Select All cover. Window-free.
#pragma once

#include "platform/Types.h"

// What closing the main frame does.
enum class CloseStep {
    RefuseUtilities,  // "One or more utilities are still active." and stay open
    PowerOff,         // power the emulator off now; the frame closes after it ended
    AskPowerOff,      // ask first, then power off or stay open
    WaitPowerOff,     // a close powers it off already: ask nothing, keep its wait
    PromptSave,       // offer to save a modified configuration, then close
    Close,            // close without asking (the session is ending)
};

// The first step of a close. A forced close (the Windows session ends) is
// not blocked by utilities and asks nothing. bPoweringOffToClose: an earlier
// close (or session end) is powering the emulator off to close the frame.
CloseStep DecideCloseStep(bool bForced, bool bUtilitiesRunning, bool bEmulatorRunning,
                          bool bPoweringOffToClose = false);

// Whether VornGUI lets Windows end the session now (WM_QUERYENDSESSION):
// not while the configuration is modified (the user has not been asked),
// a utility runs, the emulator runs (it is powered off first, and the
// session may end on the next try), or a box or dialog waits for what only
// the user may answer or apply (bUserWaited).
bool MayEndSession(bool bModified, bool bUtilitiesRunning, bool bEmulatorRunning, bool bUserWaited = false);

// The half-open range of console lines [lo, hi) that Copy takes from the
// selection's anchor and caret: anchor..caret when anchor <= caret, else
// caret + 1 .. anchor + 1; cut to the document's nLineCount lines.
struct LineRange {
    int lo;
    int hi;
    bool IsEmpty() const { return hi <= lo; }
};
LineRange ConsoleCopyRange(int nAnchor, int nCaret, int nLineCount);

// Copy is offered while lines exist and the selection is not empty; Select
// All while lines exist and the selection does not already cover them all.
bool CanCopyConsole(int nAnchor, int nCaret, int nLineCount);
bool CanSelectAllConsole(int nAnchor, int nCaret, int nLineCount);
