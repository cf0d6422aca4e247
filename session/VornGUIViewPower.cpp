// VornGUIViewPower.cpp: powering the emulator on (the configuration it
// runs with, its command line, the "******** " header lines, the child
// process) and off, the shutdown watchdog (timer 157) with its "* " notes,
// the clean-up after the emulator ended with the "PowerOff" option, the
// required-folder check at start-up and the "-f" start-up configuration.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "config/CConfigFileParseErrorsDlg.h"
#include "config/DirectoryValidation.h"
#include "config/StartupObjects.h"
#include "config/WindowHelpers.h"
#include "platform/CCmdUI.h"
#include "platform/CModalLoop.h"
#include "platform/CSplitPath.h"
#include "platform/CWinApp.h"
#include "platform/MessageBoxes.h"
#include "platform/ModalWindowClose.h"
#include "platform/PathFunctions.h"
#include "platform/SteadyClock.h"
#include "platform/TextFunctions.h"
#include "platform/WLTaskDialog.h"
#include "preferences/PreferencesDlg.h"
#include "session/DevListReceiver.h"
#include "session/ConsoleCommands.h"
#include "session/EmulatorCommandLine.h"
#include "session/PipedProcessCtl.h"
#include "session/PowerOnText.h"
#include "session/PrivateMessages.h"
#include "session/StatusPlaceholders.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"

namespace {

const char kProgramName[] = "VornGUI";
const char kPowerOnAborted[] = "Power-On Aborted!";

std::wstring Wide(const char* psz)
{
    if (!psz || !*psz)
        return std::wstring();
    int n = ::MultiByteToWideChar(CP_ACP, 0, psz, -1, nullptr, 0);
    std::wstring w((size_t)n, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, psz, -1, &w[0], n);
    w.resize((size_t)n - 1);
    return w;
}

// The watchdog's question closes by itself once the emulator has gone.
HRESULT CALLBACK SlowShutdownCallback(HWND hDlg, UINT nNotification, WPARAM, LPARAM, LONG_PTR pRef)
{
    const CVornGUIView* pView = reinterpret_cast<const CVornGUIView*>(pRef);
    if (nNotification == TDN_TIMER && !pView->IsEmulatorRunning())
        ::SendMessageA(hDlg, TDM_CLICK_BUTTON, kWatchdogButtonWait, 0);
    return S_OK;
}

// The licensed-mode question counts its time down in its title and, at the
// time-out, answers Yes itself with the stored time-out set to 0.
struct SLicensedWait {
    UINT nTimeoutMs;
};

HRESULT CALLBACK LicensedModeCallback(HWND hDlg, UINT nNotification, WPARAM wp, LPARAM, LONG_PTR pRef)
{
    SLicensedWait* pWait = reinterpret_cast<SLicensedWait*>(pRef);
    if (nNotification != TDN_TIMER || pWait->nTimeoutMs == 0)
        return S_OK;
    UINT nElapsed = (UINT)wp;
    if (nElapsed >= pWait->nTimeoutMs) {
        pWait->nTimeoutMs = 0;
        ::SendMessageA(hDlg, TDM_CLICK_BUTTON, IDYES, 0);
    } else {
        ::SetWindowTextA(hDlg, LicensedModeCountdown(pWait->nTimeoutMs, nElapsed));
    }
    return S_OK;
}

void PostToWindow(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (hWnd && ::IsWindow(hWnd))
        ::PostMessageA(hWnd, msg, wp, lp);
}

// A close that comes while a modal window runs (the emulator ended under a
// question) waits for its end: the main window is not destroyed under it.
// One the user has asked for (bEndBoxes) ends the boxes and dialogs that a
// close may end.
void PostMainWindowClose(bool bEndBoxes)
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain && pMain->m_hWnd)
        PostCloseAfterModalLoops(pMain->m_hWnd, bEndBoxes);
}

// The user's Yes to leaving waits for a box or a dialog that a close may
// not end: the user is told which, and why.
void TellWhyExitWaits()
{
    HWND h = ModalWindowACloseWaitsFor();
    if (!h)
        return;
    char szCaption[128] = {};
    ::GetWindowTextA(h, szCaption, sizeof szCaption);
    CString strCaption = szCaption, strInstruction;
    strCaption.Trim();
    strInstruction.Format("VornGUI will exit once \"%s\" is closed.", strCaption.GetString());
    TDMessageBox(strInstruction,
                 CloseWaitsAt(h) == ECloseWait::kEdits
                     ? "It holds changes that are not applied yet: OK applies them, Cancel drops them."
                     : "It waits for your answer.",
                 kProgramName, MB_ICONINFORMATION);
}

// The steps of Power On, each a WM_POWER_ON_STEP.
enum EPowerOnStep {
    kPowerOnLoad = 1,       // a part of the configuration read
    kPowerOnLoadEnd,        // the configuration taken, the questions after it
    kPowerOnHeader,         // the "******** " lines
    kPowerOnProcess,        // the emulator's process and controller
    kPowerOnOpening,        // the Power lamp, the first protocol lines
    kPowerOnMenus,          // the recent configurations greyed
};

// A step of the configuration's read parses this many lines at a time
// until this long has passed.
const size_t kLoadLinesPerPart = 20;
const DWORD kLoadStepMs = 8;

}  // namespace

UINT g_nLicensedModeTimeoutMs = kLicensedModeTimeoutMs;

// The questions and the configuration first; then the header, the process,
// the session's opening and the menus each in a posted step of its own (the
// process alone takes tens of milliseconds under Wine), so that the window
// answers between them. A configuration of thousands of devices is read in
// steps as well.
void CVornGUIView::PowerOn()
{
    // Its questions run message loops, and its steps are messages: a second
    // request meanwhile is ignored.
    if (IsEmulatorRunning() || m_bPoweringOn)
        return;
    m_bPoweringOn = true;
    m_strTypedAhead.Empty();  // from a Power On that did not start
    if (!PreparePowerOn())
        m_bPoweringOn = false;
}

LRESULT CVornGUIView::OnPowerOnStep(WPARAM wp, LPARAM lp)
{
    switch (wp) {
    case kPowerOnLoad:
        if (!m_pPowerOnConfig)
            break;
        PostMessage(WM_POWER_ON_STEP, ContinuePowerOnLoad() ? kPowerOnLoadEnd : kPowerOnLoad);
        break;
    case kPowerOnLoadEnd:
        if (m_pPowerOnConfig && !EndPowerOnLoad())
            m_bPoweringOn = false;
        break;
    case kPowerOnHeader:
        WritePowerOnHeader(m_strPowerOnCommandLine, m_strPowerOnSessionDesc, m_powerOnNotes);
        PostMessage(WM_POWER_ON_STEP, kPowerOnProcess);
        break;
    case kPowerOnProcess: {
        ::SetEvent(m_hRunningEvent);
        PrepareEmulatorSession(m_config);
        CPipedProcessCtl* pCtl = new CPipedProcessCtl("Vornamic", 0, nullptr, m_strPowerOnCommandLine,
                                                      m_config.m_strFolder, false, 0, 0);
        TakeEmulator(pCtl);
        PostMessage(WM_POWER_ON_STEP, kPowerOnOpening, (LPARAM)pCtl);
        break;
    }
    case kPowerOnOpening:
    case kPowerOnMenus:
        // An emulator that could not start, or ended at once, has had its
        // end handled already.
        if ((LPARAM)GetEmulator() != lp) {
            m_bPoweringOn = false;
        } else if (wp == kPowerOnOpening) {
            OpenEmulatorSession();
            PostMessage(WM_POWER_ON_STEP, kPowerOnMenus, lp);
        } else {
            // Redrawing the menu bar takes a while under Wine.
            EnableRecentConfigurations(false);
            m_bPoweringOn = false;
        }
        break;
    }
    return 0;
}

bool CVornGUIView::PreparePowerOn()
{
    // The executables and configuration folders are needed to start at all:
    // the preferences open where the user last was, until both are set.
    HWND hSelf = m_hWnd;
    while (GetExecutablesDir().IsEmpty() || GetConfigFilesDir().IsEmpty())
        if (!ShowPreferences(g_nPrevPrefPage, false) || !::IsWindow(hSelf))
            return false;
    int nAnswer = PromptSaveModified();
    if (nAnswer == kPromptNotSaved)
        TDMessageBox(kPowerOnAborted,
                     "Vornamic cannot be powered on until the currently modified configuration file is first saved "
                     "to disk!",
                     kProgramName, MB_ICONEXCLAMATION);
    if (nAnswer != kPromptSaved)
        return false;
    if (!m_bReloadPending && m_config.HasPath())
        return FinishPowerOn(false);
    bool bNoConfig = false;
    if (!m_config.HasPath() && !ChoosePowerOnConfiguration(bNoConfig))
        return false;
    if (!ConfirmSavedBeforePowerOn())
        return false;
    m_config.Reset();
    if (bNoConfig) {
        ShowConfigurationOnPanels();
        return FinishPowerOn(true);
    }
    m_bPowerOnIgnoresErrors = false;
    StartPowerOnLoad();
    return true;
}

bool CVornGUIView::FinishPowerOn(bool bNoConfig)
{
    HWND hSelf = m_hWnd;
    SEmulatorStart start;
    start.strExecutablesDir = GetExecutablesDir();
    start.strExeName = g_strEmulatorExeName;
    start.strConfigPath = bNoConfig ? CString() : m_config.GetFullPath();
    start.strRCFile = m_config.m_strRCFile;
    start.strLogoFile = m_config.m_strLogoFile;
    start.strExtraArgs = m_settings.m_strExtraCmdLineArgs;
    CString strCommandLine = BuildEmulatorCommandLine(start);
    m_powerOnNotes.clear();
    if (m_config.m_bPgmPrdOsLicensed && !m_bLicensedAcknowledged) {
        ELicensedAnswer eAnswer = (ELicensedAnswer)AskLicensedMode();
        if (eAnswer == kLicensedRefused || !::IsWindow(hSelf))
            return false;
        m_bLicensedAcknowledged = eAnswer == kLicensedVerified;
        m_powerOnNotes = LicensedModeNotes(eAnswer);
    }
    m_strPowerOnCommandLine = strCommandLine;
    m_strPowerOnSessionDesc = AskSessionDescription();
    if (!::IsWindow(hSelf))
        return false;
    PostMessage(WM_POWER_ON_STEP, kPowerOnHeader);
    return true;
}

// Without a configuration path: the previous one, else the default name;
// when that file does not exist either, a run without configuration may be
// chosen. False when power-on is refused.
bool CVornGUIView::ChoosePowerOnConfiguration(bool& bNoConfig)
{
    if (m_settings.m_strPrevConfigFile.IsEmpty())
        m_settings.m_strPrevConfigFile = m_strDefaultConfigName;
    if (FileExists(m_settings.m_strPrevConfigDir + m_settings.m_strPrevConfigFile))
        return true;
    if (TDMessageBox("Start with no configuration file?",
                     "It is possible, but is highly unusual, to run Vornamic without a configuration file!\n\nAre "
                     "you SURE you want to do that?",
                     kProgramName, MB_YESNO) != IDYES) {
        TDMessageBox(kPowerOnAborted, "Vornamic cannot be powered on without knowing which control file it's to use!",
                     kProgramName, MB_ICONEXCLAMATION);
        return false;
    }
    m_settings.m_strPrevConfigFile = "none";
    bNoConfig = true;
    return true;
}

// The file is read apart from the current configuration, which stays reset
// (without a path, so that nothing edits or saves it) until the read ends;
// its lines are read at once, its statements in the steps.
void CVornGUIView::StartPowerOnLoad()
{
    m_pPowerOnConfig = std::make_unique<CVornConfigFile>();
    m_pPowerOnConfig->m_strFolder = m_settings.m_strPrevConfigDir;
    m_pPowerOnConfig->m_strFileName = m_settings.m_strPrevConfigFile;
    m_pPowerOnConfig->BeginParse(m_powerOnParse);
    PostMessage(WM_POWER_ON_STEP, kPowerOnLoad);
}

// True once the file is read (or could not be).
bool CVornGUIView::ContinuePowerOnLoad()
{
    CVornConfigFile& cfg = *m_pPowerOnConfig;
    if (cfg.m_lines.IsEmpty())
        return true;
    const DWORD dwStart = SteadyClockMs();
    while (!cfg.ContinueParse(m_powerOnParse, kLoadLinesPerPart))
        if (SteadyClockMs() - dwStart >= kLoadStepMs)
            return false;
    return true;
}

// The configuration read becomes the current one and the power-on goes on;
// while it has errors the parse-errors dialog decides: read it again (Retry,
// Ignore) or refuse (false).
bool CVornGUIView::EndPowerOnLoad()
{
    std::unique_ptr<CVornConfigFile> pConfig = std::move(m_pPowerOnConfig);
    m_config = std::move(*pConfig);
    pConfig.reset();
    if (m_config.m_bHasErrors && !g_bIgnoreConfigFileParseErrors && !m_bPowerOnIgnoresErrors) {
        TDMessageBox("Invalid configuration file.", nullptr, nullptr, MB_ICONEXCLAMATION);
        ParseErrorsAnswer eAnswer = AskAboutParseErrors(&m_config, m_settings.m_strPreferredEditor);
        m_config.Reset();
        if (eAnswer == kParseErrorsCancel || !::IsWindow(m_hWnd)) {
            ShowConfigurationOnPanels();
            UpdateTitle();
            return false;
        }
        m_bPowerOnIgnoresErrors = eAnswer == kParseErrorsIgnore;
        StartPowerOnLoad();
        return true;
    }
    m_bReloadPending = false;
    m_savedConfig = m_config;
    m_bConfigModified = false;
    RememberConfigPath();
    // The panel's dials show the configuration's load unit, as after any open.
    ShowConfigurationOnPanels();
    UpdateTitle();
    return FinishPowerOn(false);
}

bool CVornGUIView::ConfirmSavedBeforePowerOn()
{
    int nAnswer = PromptSaveModified();
    if (nAnswer == kPromptNotSaved)
        TDMessageBox(kPowerOnAborted,
                     "Vornamic cannot be powered on until the currently modified configuration file is first saved "
                     "to disk!",
                     kProgramName, MB_ICONEXCLAMATION);
    return nAnswer == kPromptSaved;
}

void CVornGUIView::WritePowerOnHeader(const CString& strCommandLine, const CString& strSessionDesc,
                                      const std::vector<CString>& notes)
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    SPowerOnHeader header;
    header.strSessionDesc = strSessionDesc;
    header.strTime = FormatPowerOnTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
    header.strWorkingDir = m_config.m_strFolder;
    header.strConfigPath = m_config.HasPath() ? m_config.GetFullPath() : CString();
    header.strCommandLine = strCommandLine;
    header.strLogFile = GetDocument()->GetPathName();
    header.notes = notes;
    // The pane is refreshed once for all the lines: its scroll bars are
    // set once, not once a line.
    const std::vector<CString> lines = BuildPowerOnHeader(header);
    for (const CString& strLine : lines)
        AddMessage(strLine, true);
    RefreshAfterAppend((int)lines.size());
}

void CVornGUIView::PowerOff()
{
    if (!IsEmulatorRunning())
        return;
    SendVornCommand("exit");
    // Until the emulator has taken its first device list the command waits
    // in the queue and arms nothing; the watchdog runs all the same, so that
    // an emulator that never gets ready can still be ended.
    if (!IsEmulatorReady())
        ArmShutdownWatchdog();
}

HWND CVornGUIView::DevListBarWindow() const
{
    return m_receivers.pDevListBar ? m_receivers.pDevListBar->GetDevListWnd() : nullptr;
}

void CVornGUIView::OnEmulatorEnded()
{
    KillTimer(kTimerShutdownWatchdog);
    DropWaitingIpls();
    if (m_hCmdLine && ::IsWindow(m_hCmdLine))
        SetFocus();
    m_lamps.Ended();
    m_lamps.bLit[kLampPower] = true;  // the Power lamp goes off last
    ShowLamps(false);
    ResetStatusFields();
    ResetCpuAverage();
    PostMessage(WM_CPU_AVERAGE_READY);
    m_bStorageBarActive = false;
    PostToWindow(m_receivers.hDisplayAlterBar, WM_EMULATOR_ACTIVE, 0, 0);
    PostToWindow(DevListBarWindow(), WM_EMULATOR_ACTIVE, 0, 0);
    PostToWindow(m_receivers.hCpuPercentBar, WM_EMULATOR_ACTIVE, 0, 0);
    m_lamps.bLit[kLampPower] = false;
    ShowLamps(false);
}

void CVornGUIView::ResetStatusFields()
{
    m_router.ResetParts();
    bool bPartsChanged = false;
    for (int i = 0; i < kStatusPartCount; ++i) {
        m_strShownPart[i] = StatusPartPlaceholder(i);
        HWND hCtl = m_receivers.hStatusParts[i];
        if (hCtl && ::IsWindow(hCtl))
            bPartsChanged = ShowWindowText(hCtl, m_strShownPart[i]) || bPartsChanged;
        SetStatusBarPane(i);
    }
    // Each field as wide as its placeholder.
    HWND hBar = m_receivers.hStatusLineBar;
    if (bPartsChanged && hBar && ::IsWindow(hBar))
        ::SendMessageA(hBar, WM_LAYOUT_STATUS_FIELDS, 0, 0);
    for (int i = 0; i < kRegisterFieldCount; ++i) {
        m_strShownRegister[i] = RegisterFieldPlaceholder(i);
        HWND hCtl = m_receivers.hRegisterFields[i];
        if (hCtl && ::IsWindow(hCtl))
            ShowWindowText(hCtl, m_strShownRegister[i]);
    }
}

// After the emulator's end: unless the main window closes anyway, the
// "PowerOff" option: 1 closes it, 2 asks first.
void CVornGUIView::ApplyPowerOffOption()
{
    // The close that powered the emulator off goes on; one that asks its
    // questions goes on by itself, as the user answers them.
    if (m_bExitAfterPowerOff || m_bCloseAsksPowerOff) {
        bool bEndBoxes = m_bExitAfterPowerOff;
        m_bExitAfterPowerOff = false;
        if (!m_bCloseAsksPowerOff)
            PostMainWindowClose(bEndBoxes);
        return;
    }
    // Asked under a menu or a move of the system's, the question would stand
    // under the loop's hold on the mouse: the loop ends first, and the choice
    // is applied after it.
    if (m_settings.m_nPowerOff == 2 && EndSystemLoops()) {
        PostMessage(WM_APPLY_POWER_OFF_OPTION);
        return;
    }
    if (m_settings.m_nPowerOff == 1) {
        PostMainWindowClose(false);
    } else if (m_settings.m_nPowerOff == 2 &&
               TDMessageBox("Do you wish to exit the application at this time?", nullptr, kProgramName, MB_YESNO) ==
                   IDYES) {
        TellWhyExitWaits();
        PostMainWindowClose(true);
    }
}

LRESULT CVornGUIView::OnApplyPowerOffOption(WPARAM, LPARAM)
{
    ApplyPowerOffOption();
    return 0;
}

int CVornGUIView::AskAboutSlowShutdown()
{
    const TASKDIALOG_BUTTON buttons[] = {
        {kWatchdogButtonWait, L"Continue waiting for shutdown to finish"},
        {kWatchdogButtonKill, L"Forcibly terminate the Vornamic process"},
    };
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof tdc;
    tdc.hwndParent = m_hWnd;
    tdc.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_USE_COMMAND_LINKS | TDF_EXPAND_FOOTER_AREA |
                  TDF_CALLBACK_TIMER;
    tdc.pszWindowTitle = L"Maximum shutdown time exceeded";
    tdc.pszMainIcon = TD_WARNING_ICON;
    tdc.pszMainInstruction = L"Vornamic is taking too long to shutdown.";
    tdc.pszContent = L"What do you wish to do?";
    tdc.pButtons = buttons;
    tdc.cButtons = 2;
    tdc.nDefaultButton = kWatchdogButtonWait;
    tdc.pszExpandedInformation =
        L"If the amount of time it is currently taking to shutdown Vornamic is normal and expected then you should "
        L"consider increasing the configuration's \"Maximum shutdown time\" Device Options value.\n\nOtherwise if "
        L"Vornamic appears to be hung then you may need to forcibly terminate it because it is taking longer than "
        L"expected.";
    tdc.pszCollapsedControlText = L"More Information";
    tdc.pszExpandedControlText = L"Less Information";
    tdc.pfCallback = SlowShutdownCallback;
    tdc.lpCallbackData = reinterpret_cast<LONG_PTR>(this);
    int nButton = kWatchdogButtonWait;
    if (FAILED(WLTaskDialogIndirect("WLTDI_SlowPowerOff", &tdc, &nButton)))
        nButton = TDMessageBox("Vornamic is taking too long to shutdown.",
                               "Forcibly terminate the Vornamic process?", "Maximum shutdown time exceeded",
                               MB_YESNO | MB_ICONWARNING) == IDYES
                      ? kWatchdogButtonKill
                      : kWatchdogButtonWait;
    return nButton;
}

int CVornGUIView::AskLicensedMode()
{
    const TASKDIALOG_BUTTON buttons[] = {
        {IDYES, L"Yes, I honestly do wish to run in LICENSED mode"},
        {IDNO, L"No, I actually meant to run in RESTRICTED mode"},
    };
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof tdc;
    tdc.hwndParent = m_hWnd;
    tdc.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_USE_COMMAND_LINKS | TDF_CALLBACK_TIMER;
    tdc.pszWindowTitle = L"";
    tdc.pszMainIcon = TD_SHIELD_ICON;
    tdc.pszMainInstruction = L"              * * *  RESPONSE REQUIRED  * * *";
    tdc.pszContent =
        L"Since the PGMPRDOS LICENSED setting allows one to run licensed Program Product operating systems "
        L"without restriction, we require that you first acknowledge that this is indeed your true "
        L"intention.\n\nPlease select the button below that best describes your actual intent.";
    tdc.pButtons = buttons;
    tdc.cButtons = 2;
    tdc.nDefaultButton = IDYES;
    tdc.pszFooter = L"\nNOTE:  It is YOUR responsibility to comply with the terms of the license for the operating "
                    L"system you intend to run under Vornamic.\n";
    SLicensedWait wait = {g_nLicensedModeTimeoutMs ? g_nLicensedModeTimeoutMs : kLicensedModeTimeoutMs};
    tdc.pfCallback = LicensedModeCallback;
    tdc.lpCallbackData = reinterpret_cast<LONG_PTR>(&wait);
    int nButton = IDNO;
    if (FAILED(WLTaskDialogIndirect("WLTDI_PGMPRDOS", &tdc, &nButton)))
        nButton = TDMessageBox("* * *  RESPONSE REQUIRED  * * *",
                               "Since the PGMPRDOS LICENSED setting allows one to run licensed Program Product "
                               "operating systems without restriction, we require that you first acknowledge that "
                               "this is indeed your true intention.\n\nDo you honestly wish to run in LICENSED mode?",
                               kProgramName, MB_YESNO | MB_ICONWARNING);
    return DecideLicensedAnswer(wait.nTimeoutMs == 0, nButton);
}

// Timer 157: the emulator has not ended within its maximum shutdown time.
void CVornGUIView::OnShutdownWatchdog()
{
    KillTimer(kTimerShutdownWatchdog);
    if (!IsEmulatorRunning())
        return;
    int nButton = AskAboutSlowShutdown();
    UINT nSeconds = (UINT)m_config.m_nMaxShutdownSecs;
    EWatchdogAction eAction = DecideWatchdogAction(IsEmulatorRunning(), nButton);
    if (eAction == kWatchdogWaitMore)
        SetTimer(kTimerShutdownWatchdog, nSeconds * 1000, nullptr);
    else if (eAction == kWatchdogKill)
        GetEmulator()->Kill(true);  // the exit-waiter still reports the end
    AddMessage(WatchdogNote(eAction, nSeconds), true);
    RefreshAfterAppend(1);
}

// Lets the user choose each missing or invalid required folder; false when
// a choice was cancelled. The folder picker stands in for the preferences'
// directories page until the preferences dialog exists.
bool CVornGUIView::AskForRequiredFolders()
{
    const EDirList lists[kRequiredCount] = {kDirExecutables, kDirConfigFiles, kDirLogFiles};
    for (int i = 0; i < kRequiredCount; ++i) {
        CString strDir = m_settings.GetFirstDir(lists[i]);
        bool bValid = i == kRequiredExecutables ? IsValidExecutablesDir(strDir) : IsValidDirectory(strDir);
        if (bValid)
            continue;
        ERequiredDir eKind = (ERequiredDir)i;
        std::wstring strInstruction = Wide(BadRequiredDirInstruction(eKind));
        std::wstring strContent = Wide(BadRequiredDirContent(eKind, kProgramName));
        if (i == kRequiredExecutables && IsValidDirectory(strDir)) {
            // The folder is there: it is the program that is missing.
            strInstruction = Wide(MissingEmulatorInstruction());
            strContent = Wide(BoundShownText(MissingEmulatorContent(EmulatorProgramQuoted(), strDir, kProgramName)));
        }
        TASKDIALOGCONFIG tdc = {};
        tdc.cbSize = sizeof tdc;
        tdc.hwndParent = AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : m_hWnd;
        tdc.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_ALLOW_DIALOG_CANCELLATION;
        tdc.dwCommonButtons = TDCBF_OK_BUTTON;
        tdc.pszWindowTitle = L"VornGUI";
        tdc.pszMainIcon = TD_INFORMATION_ICON;
        tdc.pszMainInstruction = strInstruction.c_str();
        tdc.pszContent = strContent.c_str();
        // The main window may be closed while a question shows: this view
        // is gone then, and nothing of it may be touched.
        HWND hSelf = m_hWnd;
        WLTaskDialogIndirect("WLTDI_UndefinedRequiredDirs", &tdc, nullptr);
        if (!::IsWindow(hSelf))
            return false;
        // The Directories page closes by itself once its folders pass.
        return ShowPreferences(kPrefsDirs, true) && ::IsWindow(hSelf);  // checked again from the first kind
    }
    return true;
}

LRESULT CVornGUIView::OnCheckRequiredDirs(WPARAM, LPARAM)
{
    for (;;) {
        if (IsValidExecutablesDir(GetExecutablesDir()) && IsValidDirectory(GetConfigFilesDir()) &&
            IsValidDirectory(GetLogFilesDir()))
            break;
        HWND hSelf = m_hWnd;
        if (!AskForRequiredFolders()) {
            // A required folder is missing: the application cannot go on
            // (unless it is closing already and this view has gone).
            CWnd* pMain = AfxGetMainWnd();
            if (::IsWindow(hSelf) && pMain && pMain->m_hWnd)
                pMain->SendMessage(WM_CLOSE, 0, 0);
            return 0;
        }
    }
    CVornGUIDoc* pDoc = GetDocument();
    pDoc->SetLogFolder(GetLogFilesDir());
    ::SetCurrentDirectoryA(GetLogFilesDir());
    if (pDoc->IsLogSingleFile()) {
        pDoc->AskStartupLogfile();
    } else if (pDoc->IsLogNumbered()) {
        pDoc->StartNumberedLogfile(-1, CString());
    }
    UpdateTitle();
    PostToWindow(DevListBarWindow(), WM_PREFS_APPLY_PAGE, 0, 0);
    if (!g_strStartupConfigFile.IsEmpty())
        TakeStartupConfigFile();
    return 0;
}

void CVornGUIView::TakeStartupConfigFile()
{
    CSplitPath path(g_strStartupConfigFile);
    CString strDir = path.GetFullPathOnly();
    if (strDir.IsEmpty()) {
        char szDir[MAX_PATH] = {};
        ::GetCurrentDirectoryA(MAX_PATH, szDir);
        strDir = WindowsizedDirectory(szDir, true);
    }
    CString strName = path.GetFileNameAndExt();
    if (!strName.IsEmpty() && FileExists(strDir + strName)) {
        m_settings.m_strPrevConfigDir = strDir;
        m_settings.m_strPrevConfigFile = strName;
        m_bReloadPending = true;
        PostMessage(WM_POWER_ON_REQUEST);
    } else {
        // Said, not passed over: the program starts without it.
        TDMessageBox("The configuration file named with -f was not found.", "\"" + strDir + strName + "\"",
                     nullptr, MB_ICONWARNING);
        g_strStartupConfigFile.Empty();
    }
}

LRESULT CVornGUIView::OnPowerOnRequest(WPARAM, LPARAM)
{
    PowerOn();
    g_strStartupConfigFile.Empty();
    return 0;
}

void CVornGUIView::OnPowerOnCommand()
{
    PlayMenuCommandSound();
    PowerOn();
}

void CVornGUIView::OnPowerOffCommand()
{
    PlayMenuCommandSound();
    PowerOff();
}

void CVornGUIView::OnUpdatePowerOn(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsEmulatorRunning() && !m_bPoweringOn);
}

void CVornGUIView::OnUpdatePowerOff(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsEmulatorRunning());
}
