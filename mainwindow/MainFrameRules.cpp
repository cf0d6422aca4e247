// MainFrameRules.cpp: close, session-end and console-copy rules.
#include "mainwindow/MainFrameRules.h"

CloseStep DecideCloseStep(bool bForced, bool bUtilitiesRunning, bool bEmulatorRunning, bool bPoweringOffToClose)
{
    if (bEmulatorRunning && bPoweringOffToClose)
        return CloseStep::WaitPowerOff;
    if (!bForced && bUtilitiesRunning)
        return CloseStep::RefuseUtilities;
    if (bEmulatorRunning)
        return bForced ? CloseStep::PowerOff : CloseStep::AskPowerOff;
    return bForced ? CloseStep::Close : CloseStep::PromptSave;
}

bool MayEndSession(bool bModified, bool bUtilitiesRunning, bool bEmulatorRunning, bool bUserWaited)
{
    return !bModified && !bUtilitiesRunning && !bEmulatorRunning && !bUserWaited;
}

LineRange ConsoleCopyRange(int nAnchor, int nCaret, int nLineCount)
{
    LineRange r = nAnchor <= nCaret ? LineRange{nAnchor, nCaret} : LineRange{nCaret + 1, nAnchor + 1};
    // A selection may reach past the last line (Select All puts the caret
    // at the line count); only stored lines are copied.
    if (r.lo < 0)
        r.lo = 0;
    if (r.hi > nLineCount)
        r.hi = nLineCount;
    return r;
}

bool CanCopyConsole(int nAnchor, int nCaret, int nLineCount)
{
    return nLineCount > 0 && nAnchor != nCaret;
}

bool CanSelectAllConsole(int nAnchor, int nCaret, int nLineCount)
{
    if (nLineCount <= 0)
        return false;
    LineRange r = nAnchor <= nCaret ? LineRange{nAnchor, nCaret} : LineRange{nCaret + 1, nAnchor + 1};
    return !(r.lo == 0 && r.hi == nLineCount);
}
