// VornGUIApp.cpp: the application object and its start-up.
#include "mainwindow/VornGUIApp.h"

#include <windows.h>
#include <commctrl.h>

#include "config/ConfigMessages.h"
#include "config/Limits.h"
#include "config/StartupObjects.h"
#include "mainwindow/AboutDlg.h"
#include "mainwindow/FatalErrorReport.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/MyCommandLineInfo.h"
#include "mainwindow/SplashFactory.h"
#include "mainwindow/SplashWnd.h"
#include "mainwindow/StartupPaths.h"
#include "mainwindow/UnhandledException.h"
#include "platform/ActivationHandBack.h"
#include "platform/CCmdUI.h"
#include "platform/CDocTemplate.h"
#include "platform/CIniSettingsStore.h"
#include "platform/CRecentFileList.h"
#include "platform/CSplitPath.h"
#include "platform/CWindowPlacement.h"
#include "platform/MessageBoxes.h"
#include "platform/PathFunctions.h"
#include "platform/ProfileStore.h"
#include "platform/Trace.h"
#include "platform/WLTaskDialog.h"
#include "resource.h"
#include "session/ConsoleCommands.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "config/DevClassIcons.h"

HICON g_hAppIcon = nullptr;

BEGIN_MESSAGE_MAP(CVornGUIApp, CHtmlHelpApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentConfigurations)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_MRU_FILE1 + 1, ID_FILE_MRU_FILE16, OnUpdateRecentConfiguration)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentConfiguration)
END_MESSAGE_MAP()

namespace {

// While Power On reads its configuration in steps, and while the emulator
// runs, no recent configuration may replace the current one.
bool IsConfigurationInUse()
{
    return g_pView && (g_pView->IsEmulatorRunning() || g_pView->IsPoweringOn());
}

}  // namespace

CVornGUIApp::CVornGUIApp() : CHtmlHelpApp(nullptr, "VornGUI.chm")
{
}

void ShowCommandLineUsage()
{
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof(tdc);
    tdc.hwndParent = AfxGetMainWnd() ? AfxGetMainWnd()->m_hWnd : nullptr;
    tdc.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    tdc.dwCommonButtons = TDCBF_OK_BUTTON;
    tdc.pszMainIcon = TD_INFORMATION_ICON;
    tdc.pszWindowTitle = L"VornGUI";
    tdc.pszContent =
        L"Supported command line arguments are:\n\n-e [emulator-exename]\n-f config-pathname\n"
        L"-i [.INI-pathname]\n-n [registry-appname]\n\nSee documentation for more information.";
    WLTaskDialogIndirect("WLTDI_CmdLineArgs", &tdc, nullptr);
}

void CVornGUIApp::FindFolders()
{
    char dir[MAX_PATH + 1] = {};
    ::GetCurrentDirectoryA(MAX_PATH, dir);
    m_strStartupDir = dir;
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString exe(path);
    m_strProgramDir = exe.Left(exe.ReverseFind('\\'));
    // The help file sits beside the program, or above a build-output folder.
    m_strHelpFilePath = HelpFilePath(CSplitPath(m_strHelpFilePath).GetFullPathOnly());
}

void CVornGUIApp::LoadIcons()
{
    // The device-class icons are loaded by the first dialog that shows one
    // (DevClassIcon): none shows while the program starts.
    g_hAppIcon = LoadIcon(IDR_MAINFRAME);
}

bool CVornGUIApp::ParseCommandLineArgs()
{
    CMyCommandLineInfo info;
    ParseCommandLine(info);
    for (const CString& msg : info.m_messages)
        ErrorMessageBox(nullptr, msg);
    if (info.m_bError) {
        ShowCommandLineUsage();
        return false;
    }
    if (!info.m_strEmulatorExeName.IsEmpty())
        g_strEmulatorExeName = info.m_strEmulatorExeName;
    if (!info.m_strConfigFile.IsEmpty())
        g_strStartupConfigFile = info.m_strConfigFile;
    if (!info.m_strRCFile.IsEmpty())
        g_strStartupRunCommandFile = info.m_strRCFile;
    if (!info.m_strLogoFile.IsEmpty())
        g_strStartupLogoFile = info.m_strLogoFile;
    m_bUseIniFile = info.m_bUseIniFile;
    m_strIniFile = info.m_strIniFile;
    m_strRegistryAppName = info.m_strRegistryAppName;
    return true;
}

void CVornGUIApp::ChooseSettingsStore()
{
    if (!m_strRegistryAppName.IsEmpty())
        m_strAppName = m_strRegistryAppName;
    if (m_bUseIniFile) {
        m_strProfileName = IniFilePath(m_strIniFile, m_strStartupDir);
    } else {
        m_strProfileName = m_strAppName;
        SetRegistryKey("Quadrelle");
    }
}

namespace {

// The splash stays for a moment after the main window shows, then goes.
const UINT kSplashRemovalMs = 3000;

void CALLBACK RemoveSplash(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(nullptr, nIDEvent);
    g_SplashFactory.Destroy();
}

}  // namespace

// The splash's thread makes its window while this thread builds the main
// window, which stays hidden until ShowSplashFirst has seen the splash up.
void CVornGUIApp::StartSplash()
{
    if (!g_SplashFactory.Start(RUNTIME_CLASS(CMySplashWnd), THREAD_PRIORITY_NORMAL))
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "the splash screen's thread did not start\n");
}

void CVornGUIApp::ShowSplashFirst()
{
    // Start-up goes on without the splash when it cannot be shown: it only
    // decorates the wait.
    if (!g_SplashFactory.WaitUntilCreated())
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "no splash screen; starting without it\n");
}

void CVornGUIApp::ReplaceFrameMenu()
{
    // The frame loaded the menu bar: its pop-ups become owner-drawn in place
    // (the bar itself looks the same), and the window keeps owning it.
    CMainFrame* pFrame = g_pMainFrame;
    if (!pFrame || !pFrame->m_menu.AttachMenuBar(::GetMenu(pFrame->m_hWnd)))
        return;
    pFrame->m_menu.LoadToolbar(IDR_MENU_IMAGES);
    pFrame->m_menu.Detach();
}

namespace {

void ConfigErrorToUser(LPCSTR pszText, LPCSTR pszDetail, DWORD dwError)
{
    ErrorMessageBox(pszText, pszDetail, dwError);
}

void ConfigMessageBoxToUser(LPCSTR pszMain, LPCSTR pszDetail, LPCSTR pszCaption, UINT nFlags)
{
    TDMessageBox(pszMain, pszDetail, pszCaption, nFlags);
}

// The end of the program: what failed saves left only in memory is saved
// now or lost, and the user is told which (once more, after the first
// failure's message).
void SaveUnsavedSettings()
{
    CIniSettingsStore* pStore = dynamic_cast<CIniSettingsStore*>(GetSettingsStore());
    bool bWriteFailed = false;
    DWORD dwError = 0;
    if (!pStore || pStore->SaveUnsaved(bWriteFailed, dwError))
        return;
    CString strDetail;
    strDetail.Format("\"%s\"\n\nThe file was left as it was: the settings changed since it was last saved are lost.",
                     pStore->GetPath().GetString());
    ErrorMessageBox(bWriteFailed ? "Error writing to the settings file at exit."
                                 : "The settings could not be saved at exit.",
                    strDetail, dwError);
}

void SettingsSaveFailedToUser(const char* pszPath, bool bWriteFailed, DWORD dwError)
{
    CString strDetail;
    strDetail.Format("\"%s\"\n\nThe file was left as it was. The changed settings are kept while VornGUI runs and "
                     "are saved with the next change that can be saved.",
                     pszPath);
    ErrorMessageBox(bWriteFailed ? "Error writing to the settings file." : "The settings file could not be saved.",
                    strDetail, dwError);
}

}  // namespace

void InstallConfigMessageHooks()
{
    SetConfigErrorMessageHook(ConfigErrorToUser);
    SetConfigMessageBoxHook(ConfigMessageBoxToUser);
    CIniSettingsStore::SetSaveFailedHook(SettingsSaveFailedToUser);
}

BOOL CVornGUIApp::InitInstance()
{
    if (!CHtmlHelpApp::InitInstance())
        return FALSE;
    // The configuration code's failures reach the user (failed saves and
    // opens, unreadable disk images); without the hooks they were dropped.
    InstallConfigMessageHooks();
    FindFolders();
    LoadIcons();
    if (!ParseCommandLineArgs())
        return FALSE;
    ChooseSettingsStore();
    g_strWindowPlacementSubkey = "CWindowPlacement";
    LoadStdProfileSettings(16);
    LoadLimits();
    m_bNoSavedBarState = GetProfileInt("BarsState\\BarsState-Summary", "Bars", 0) == 0;
    StartSplash();
    // A question or dialog of the start (a failed save of the settings, a
    // missing folder, the log numbering) is never under the splash.
    g_SplashFactory.CloseOnOtherActivation();
    // The main window and its bars are built hidden: the window stacking is
    // kept again from the moment the main window shows.
    HoldWindowStacking(true);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CVornGUIDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CVornGUIView)));
    // The new-document command makes the document, its frame and view.
    if (!CWinApp::OpenDocumentFile(nullptr) || !g_pMainFrame) {
        HoldWindowStacking(false);
        return FALSE;
    }
    // The hidden window takes its saved size first: the bars are laid out
    // once, at that size, not again when the window shows.
    CWindowPlacement::Restore("CMainFrame", g_pMainFrame, FALSE);
    ShowSplashFirst();  // the saved layout may show floating bars
    // The splash (topmost) stays above the main window on the display too.
    KeepWindowOnTop(g_SplashFactory.SplashWindow());
    g_pMainFrame->SendMessage(WM_RESTORE_BAR_STATE, 0);
    ReplaceFrameMenu();
    // Under Wine the display gives the keyboard to the window activated as
    // it shows only with a request dated by the thread's last message, and
    // this thread has taken none yet: the request, undated, was refused, and
    // the keys typed into the shown window went elsewhere until the thread
    // read the display's notice of the showing, once its bars had painted.
    TakePresentMessageTime();
    // A saved placement shows the window.
    HoldWindowStacking(false);
    CWindowPlacement::Restore("CMainFrame", g_pMainFrame, TRUE);
    g_pMainFrame->SendMessage(WM_RESTORE_BAR_STATE, 1);
    g_pMainFrame->ShowWindow(SW_SHOW);
    g_pMainFrame->Invalidate(TRUE);
    ::SetTimer(nullptr, 0, kSplashRemovalMs, RemoveSplash);
    return TRUE;
}

int CVornGUIApp::Run()
{
    // A fatal fault on this thread arrives here as a thrown reporter.
    CSETranslationScope translate;
    try {
        return CHtmlHelpApp::Run();
    } catch (CUnhandledException& e) {
        ShowFatalErrorReport(e);
        return 0;
    }
}

int CVornGUIApp::ExitInstance()
{
    int nCode = CHtmlHelpApp::ExitInstance();
    SaveUnsavedSettings();
    return nCode;
}

BOOL CVornGUIApp::OnIdle(LONG lCount)
{
    if (CHtmlHelpApp::OnIdle(lCount))
        return TRUE;
    if (g_pView && g_pView->m_hWnd)
        g_pView->OnIdleFlowControl();
    return FALSE;
}

BOOL CVornGUIApp::IsIdleMessage(MSG* pMsg)
{
    UINT m = pMsg->message;
    bool bData = m == WM_PENDING_LINES || (m >= WM_STATUSPART0_CHANGED && m <= WM_STATUSPART4_CHANGED) ||
                 (m >= WM_RUN_INDICATOR_CHANGED && m <= WM_CPU_AVERAGE_READY) ||
                 (m >= WM_REG_GR0_3 && m <= WM_REG_VR30) || m == WM_CPU_PERCENT || m == WM_AUTOREFRESH_TICK;
    // Nor does the console's redraw while it follows the end of a flood.
    bool bRedraw =
        m == WM_TIMER && pMsg->wParam == kTimerFollowEndRedraw && g_pView && pMsg->hwnd == g_pView->m_hWnd;
    return !bData && !bRedraw && CHtmlHelpApp::IsIdleMessage(pMsg);
}

CDocument* CVornGUIApp::OpenDocumentFile(LPCSTR pszFileName)
{
    if (!pszFileName)
        return nullptr;
    CSingleDocTemplate* pTemplate = DYNAMIC_DOWNCAST(CSingleDocTemplate, GetDocTemplate());
    CDocument* pDoc = pTemplate ? pTemplate->GetDocument() : nullptr;
    if (!FileExists(pszFileName)) {
        CString quoted;
        quoted.Format("\"%s\"", pszFileName);
        TDMessageBox("File not found.", quoted, nullptr, MB_OK | MB_ICONWARNING);
        return nullptr;
    }
    if (!g_pView || !pDoc)
        return nullptr;
    if (IsConfigurationInUse())
        return pDoc;  // kept in the list: it may be opened once the emulator ends
    if (g_pView->PromptSaveModified() == CVornGUIView::kPromptCancel)
        return pDoc;
    if (g_pView->OpenConfiguration(pszFileName))
        AddToRecentFileList(pszFileName);
    return pDoc;
}

void CVornGUIApp::OnUpdateRecentConfigurations(CCmdUI* pCmdUI)
{
    OnUpdateRecentFileMenu(pCmdUI);  // lists the entries in the item's place
    if (IsConfigurationInUse())
        pCmdUI->Enable(FALSE);
}

void CVornGUIApp::OnUpdateRecentConfiguration(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsConfigurationInUse());
}

void CVornGUIApp::OnOpenRecentConfiguration(UINT nID)
{
    if (IsConfigurationInUse()) {
        MyMessageBeep();
        return;
    }
    OnOpenRecentFile(nID);
}

void CVornGUIApp::OnAppAbout()
{
    CAboutDlg dlg(m_pMainWnd);
    dlg.DoModal();
}
