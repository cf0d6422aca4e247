// MainFrameClose.cpp: closing the main frame: never while utilities run;
// while the emulator runs only by powering it off (the view closes the
// frame once the emulator has ended), every question asked before; otherwise
// after the save prompts. A close ends the program's boxes first, where a
// close may end them, and else waits for the user. At Windows shut-down the
// frame refuses the end while anything is at stake, and asks about console
// messages that no file holds.
#include <windows.h>
#include <commctrl.h>

#include "config/ProcessHelpers.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/MainFrameRules.h"
#include "platform/CDocument.h"
#include "platform/CModalLoop.h"
#include "platform/MessageBoxes.h"
#include "platform/ModalWindowClose.h"
#include "platform/ShutdownBlockReason.h"
#include "platform/WLTaskDialog.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"

bool CMainFrame::IsEmulatorRunning() const
{
    return g_pView && g_pView->IsEmulatorRunning();
}

bool CMainFrame::AreUtilitiesRunning() const
{
    return g_pView && g_pView->IsUtilityRunning();
}

void PowerOffAndExit()
{
    // One under way keeps its wait: the emulator is not told again, nor its
    // watchdog started again.
    if (!g_pView || g_pView->IsPoweringOffToExit())
        return;
    // The control panel's sound; a failure to play it does not matter.
    PlaySoundResource("PressButton");
    g_pView->SetExitAfterPowerOff(true);
    g_pView->PowerOff();
}

namespace {

// The power-off question goes, unanswered, once the emulator has ended: its
// cause has gone. It has no Cancel (a task dialog may ignore a click of a
// button it lacks): it ends through its No with the tick taken off, and
// *lpGone tells the caller that nobody answered.
HRESULT CALLBACK PowerOffQuestionCallback(HWND hDlg, UINT nNotification, WPARAM, LPARAM, LONG_PTR lpGone)
{
    bool& bGone = *(bool*)lpGone;
    if (nNotification == TDN_TIMER && !bGone && !(g_pView && g_pView->IsEmulatorRunning())) {
        bGone = true;
        ::SendMessageA(hDlg, TDM_CLICK_VERIFICATION, FALSE, FALSE);
        ::SendMessageA(hDlg, TDM_CLICK_BUTTON, IDNO, 0);
    }
    return S_OK;
}

}  // namespace

int CMainFrame::ConfirmPowerOff()
{
    if (g_pView && g_pView->Settings().m_bNoWarnPowerOff)
        return IDYES;
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof(tdc);
    tdc.hwndParent = m_hWnd;
    tdc.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_EXPAND_FOOTER_AREA | TDF_CALLBACK_TIMER;
    tdc.dwCommonButtons = TDCBF_YES_BUTTON | TDCBF_NO_BUTTON;
    tdc.nDefaultButton = IDNO;
    tdc.pszMainIcon = TD_WARNING_ICON;
    tdc.pszWindowTitle = L" Are you SURE you want to do that?!";
    tdc.pszMainInstruction = L"Vornamic is still running!";
    tdc.pszContent = L"Are you SURE you want to Power-Off and exit VornGUI?";
    tdc.pszExpandedInformation =
        L"You should always do a graceful shutdown of your guest operating system before powering off Vornamic "
        L"and exiting VornGUI. Failure to do so is not recommended since it could easily damage your guest "
        L"operating system's file-system structure.\n\nClick 'Yes' only if you have already performed a graceful "
        L"quiesce of your guest operating system and now wish to power-off Vornamic and exit VornGUI. Otherwise "
        L"you should click 'No' to continue running.";
    tdc.pszCollapsedControlText = L"More information";
    tdc.pszExpandedControlText = L"Less information";
    tdc.pszVerificationText = L"Don't ask me this again.";
    tdc.pfCallback = PowerOffQuestionCallback;
    bool bGone = false;
    tdc.lpCallbackData = (LONG_PTR)&bGone;
    int nButton = IDNO;
    BOOL bDontAsk = FALSE;
    // Its tick is the view's setting, which Preferences takes off again: an
    // answer stored under the question's name would stand in for it then,
    // and refuse every close with no box.
    WLTaskDialogForget("WLTDI_ConfirmPowerOff");
    WLTaskDialogIndirect("WLTDI_ConfirmPowerOff", &tdc, &nButton, nullptr, &bDontAsk);
    if (bGone)
        nButton = IDCANCEL;
    // Unanswered, it stores nothing.
    if (g_pView && nButton != IDCANCEL)
        g_pView->SetNoWarnPowerOff(bDontAsk != FALSE);
    return nButton;
}

// The save questions of a close, the configuration's and the console
// messages', before the close does anything; false when one was cancelled.
bool CMainFrame::AskSaveBeforeClose()
{
    if (g_pView->PromptSaveModified() == CVornGUIView::kPromptCancel)
        return false;
    CVornGUIDoc* pDoc = g_pView->GetDocument();
    return !pDoc || pDoc->AskSaveBeforeClose();
}

// The power-off question of a close, then its save questions; true when
// the user goes on with the close. An end of the emulator meanwhile takes
// the first question away (the save questions follow), and leaves the
// close to go on with the user's answers.
bool CMainFrame::AskToPowerOffAndClose()
{
    g_pView->SetCloseAsksPowerOff(true);
    int nAnswer = ConfirmPowerOff();
    bool bGoOn = (nAnswer == IDYES || nAnswer == IDCANCEL) && AskSaveBeforeClose();
    if (g_pView)
        g_pView->SetCloseAsksPowerOff(false);
    return bGoOn;
}

bool CMainFrame::PassCloseSteps()
{
    switch (DecideCloseStep(m_bForceClose, AreUtilitiesRunning(), IsEmulatorRunning(),
                            g_pView->IsPoweringOffToExit())) {
    case CloseStep::RefuseUtilities:
        // The box goes once the last utility has ended, and the close goes
        // on as the user asked; the user's OK gives the close up.
        if (ErrorMessageBoxWhile([this] { return AreUtilitiesRunning(); }, "One or more utilities are still active.",
                                 "The GUI cannot be closed until all utility processes have finished first.") != 0)
            return false;
        return g_pView && PassCloseSteps();
    case CloseStep::PowerOff:
        PowerOffAndExit();
        return false;
    case CloseStep::WaitPowerOff:
        return false;
    case CloseStep::AskPowerOff:
        // Every question first: a Cancel leaves the emulator running.
        if (!AskToPowerOffAndClose())
            return false;
        m_answeredConfig = g_pView->GetConfig();
        // Ended while the save questions showed, it needs no power-off.
        if (!IsEmulatorRunning())
            return true;
        PowerOffAndExit();
        return false;
    case CloseStep::PromptSave:
        // After the emulator's end the questions have been answered, unless
        // the configuration has changed since (an edit applied meanwhile).
        return (m_answeredConfig && *m_answeredConfig == g_pView->GetConfig()) || AskSaveBeforeClose();
    case CloseStep::Close:
        break;
    }
    return true;
}

void CMainFrame::OnClose()
{
    // A close while this one asks its questions is this one: the question
    // that shows comes to the front.
    if (m_bAskingToClose) {
        if (HWND hQuestion = TopModalWindow())
            ShowModalWindowToUser(hQuestion);
        return;
    }
    // A box, a dialog or a wait of the program, a menu or a move of the
    // system's dispatches what comes meanwhile: the close ends the menus and
    // the boxes a close may end, else waits for the user, and comes after
    // the loops' end, so that the code that runs them goes on with its
    // windows (an open of a configuration, after its error box) and no
    // question stands under a loop's hold on the mouse.
    if (NestedLoopsRun()) {
        PostCloseAfterModalLoops(m_hWnd, true);
        return;
    }
    if (g_pView) {
        m_bAskingToClose = true;
        bool bClose = PassCloseSteps();
        m_bAskingToClose = false;
        if (!bClose)
            return;
    }
    SaveLayout();
    // The base close asks the document (its console messages) and ends the frame.
    CHelpButtonFrameWnd::OnClose();
}

BOOL CMainFrame::OnQueryEndSession()
{
    // Windows asks whether the session may end. Refusing while something is
    // at stake keeps the user's work; a running emulator is powered off so
    // that the next attempt can succeed. A box or a dialog that only the
    // user may end comes to the front, and so does the question of a close
    // that asks now.
    if (m_bAskingToClose) {
        if (HWND hQuestion = TopModalWindow())
            ShowModalWindowToUser(hQuestion);
        return FALSE;
    }
    bool bModified = g_pView && g_pView->IsConfigModified();
    bool bEmulator = IsEmulatorRunning();
    if (bEmulator)
        PowerOffAndExit();
    HWND hWaits = ModalWindowACloseWaitsFor();
    if (hWaits)
        ShowModalWindowToUser(hWaits);
    if (!MayEndSession(bModified, AreUtilitiesRunning(), bEmulator, hWaits != nullptr) || !AskSaveConsoleLogAtEnd())
        return FALSE;
    m_bForceClose = true;
    return TRUE;
}

bool CMainFrame::AskSaveConsoleLogAtEnd()
{
    CVornGUIDoc* pDoc = g_pView ? g_pView->GetDocument() : nullptr;
    if (!pDoc)
        return true;
    // As Windows lets a program with unsaved work do, the end waits for the
    // answer; the reason shows on Windows' list of the programs it waits for.
    CShutdownBlockReason reason(m_hWnd, L"VornGUI asks whether to save the console log.");
    m_bAskingToClose = true;
    bool bGoOn = pDoc->AskSaveBeforeClose();
    m_bAskingToClose = false;
    return bGoOn;
}

LRESULT CMainFrame::OnEndSessionAfterFault(WPARAM, LPARAM)
{
    // The session ends whatever the answers to the close's questions: a
    // refused close would leave it running without its dead thread. The
    // close itself waits for a modal window that runs.
    if (g_pView)
        g_pView->EndSessionAfterFault();
    PostCloseAfterModalLoops(m_hWnd);
    return 0;
}

LRESULT CMainFrame::OnEndSessionMsg(WPARAM wp, LPARAM)
{
    // Close only when the end is confirmed; a cancelled end leaves the frame
    // as it was, not in forced-close mode.
    if (wp && m_bForceClose) {
        // The process may end as soon as this returns: a close that waits for
        // a box, a menu or a move keeps the layout and the settings first.
        if (NestedLoopsRun()) {
            SaveLayout();
            if (g_pView)
                g_pView->Settings().Save();
        }
        OnClose();
    } else {
        m_bForceClose = false;
    }
    return 0;
}
