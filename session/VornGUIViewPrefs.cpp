// VornGUIViewPrefs.cpp: the view's side of the preferences dialog: it fills
// every page's working fields with the live settings, runs the dialog at a
// page, takes each applied page (WM_PREFS_APPLY_PAGE) into its settings and
// puts it into effect, and the commands that open the dialog.
#include "framework/FindRepSettings.h"
#include "platform/CFrameWnd.h"
#include "platform/CWinApp.h"
#include "platform/MessageBoxes.h"
#include "platform/ProfileStore.h"
#include "preferences/PreferencesDlg.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"

void CVornGUIView::FillPreferences(CPreferencesDlg& dlg)
{
    for (int i = 0; i < kDirListCount; ++i)
        dlg.m_DirsPage.m_History[i].Copy(m_settings.m_dirs[i]);
    for (int i = 0; i < kFilterCount; ++i)
        dlg.m_ExtsPage.m_strFilter[i] = m_settings.m_strFilters[i];

    const CLoggingSettings& log = GetDocument()->GetSettings();
    dlg.m_LogsPage.m_nLogOption = log.m_nLogOption;
    dlg.m_LogsPage.m_nMaxFiles = log.m_nMaxFileNum + 1;
    dlg.m_LogsPage.m_strBaseName = log.m_strBaseFilename;
    dlg.m_MemLogPage.m_bEnabled = log.m_bEnableMemLogLimit;
    dlg.m_MemLogPage.m_nLines = log.m_nMemLogLinesLimit;
    dlg.m_DiskLogPage.m_bEnabled = log.m_bEnableDiskLogLimit;
    dlg.m_DiskLogPage.m_nLines = log.m_nDiskLogLinesLimit;
    dlg.m_DiskLogPage.m_bSync = log.m_bSyncDiskLog;
    dlg.m_LogFmtPage.m_bDates = log.m_bLogDates;
    dlg.m_LogFmtPage.m_bTimes = log.m_bLogTimes;
    dlg.m_LogFmtPage.m_bPidAlways = log.m_bLogPidAlways;
    dlg.m_LogFmtPage.m_bPidIfNeeded = log.m_bLogPidOnlyIfNeeded;
    dlg.m_LogNumPage.m_nCurFileNum = log.m_nCurFileNum;

    FillAppearancePages(dlg);


    dlg.m_MiscPage.m_nPowerOff = m_settings.m_nPowerOff;
    dlg.m_MiscPage.m_bIgnoreParseErrors = g_bIgnoreConfigFileParseErrors;
    dlg.m_MiscPage.m_bAggregateStats = g_bAggregateStats;
    dlg.m_Misc2Page.m_strExtraArgs = m_settings.m_strExtraCmdLineArgs;
    dlg.m_Misc2Page.m_bNoWarnExternalEdit = m_settings.m_bNoWarnExternalEdit;
    dlg.m_Misc2Page.m_bNoWarnPowerOff = m_settings.m_bNoWarnPowerOff;
    dlg.m_Misc2Page.m_bBeepWhenUtilityIsDone = m_settings.m_bBeepWhenUtilityIsDone;
    dlg.m_Misc2Page.m_bAutoHide = ProfileGetInt(kFindRepSection, "AutoHide", 0) != 0;
    dlg.m_Misc3Page.m_strEditor = m_settings.m_strPreferredEditor;
    dlg.m_Misc3Page.m_bPresumeTXF = g_bPresumeTXF;
    dlg.m_Misc3Page.m_bEnableSessDescDlg = m_settings.m_bEnableSessDescDlg;
}

bool CVornGUIView::ShowPreferences(int nPage, bool bAutoClose)
{
    // The dialog is modal: a second request while it runs has no place.
    if (m_pPrefsDlg)
        return false;
    CPreferencesDlg dlg(AfxGetMainWnd());
    dlg.m_hViewWnd = m_hWnd;
    FillPreferences(dlg);
    dlg.m_nStartPage = nPage;
    dlg.m_bAutoClose = bAutoClose;
    HWND hSelf = m_hWnd;
    m_pPrefsDlg = &dlg;
    INT_PTR nResult = dlg.DoModal();
    // The main window may have been closed meanwhile: nothing of this view
    // may be touched then.
    if (!::IsWindow(hSelf))
        return false;
    m_pPrefsDlg = nullptr;
    g_nPrevPrefPage = dlg.m_nStartPage;
    CVornGUIDoc* pDoc = GetDocument();
    if (nResult != IDOK)
        return false;  // Cancel changed nothing, so there is nothing to ask
    for (int i = 0; i < kPrefsPageCount; ++i)
        ApplyPreferencesPage(dlg, i);
    UpdateTitle();
    if (!bAutoClose)
        pDoc->SyncLogfileNumbers(GetLogFilesDir(), pDoc->GetSettings().m_strBaseFilename,
                                 (int)pDoc->GetSettings().m_nCurFileNum);
    return true;
}

// Sent by a page when it is applied: 0 (refused) while no dialog runs,
// else the page's values are taken over; 1 for a page index beyond them.
LRESULT CVornGUIView::OnPrefsApplyPage(WPARAM wp, LPARAM)
{
    if (!m_pPrefsDlg)
        return 0;
    if (wp >= (WPARAM)kPrefsPageCount)
        return 1;
    bool bTaken = ApplyPreferencesPage(*m_pPrefsDlg, (int)wp);
    UpdateTitle();  // the logging pages may have named a new log file
    return bTaken ? 1 : 0;
}

// A logging page's values for the document; a refusal is told while the
// dialog is open (its page stays unapplied), and is silent once it closed.
bool CVornGUIView::TakeLoggingOptions(const CLoggingSettings& log)
{
    CString strProblem;
    if (GetDocument()->SetLoggingOptions(log, &strProblem))
        return true;
    if (m_pPrefsDlg)
        ErrorMessageBox("The logging settings were not changed.", strProblem);
    return false;
}

bool CVornGUIView::ApplyPreferencesPage(CPreferencesDlg& dlg, int nPage)
{
    CVornGUIDoc* pDoc = GetDocument();
    CLoggingSettings log = pDoc->GetSettings();
    switch (nPage) {
    case kPrefsDirs:
        // Folders as typed ("C:\vorn", "c:/VORN/") enter in the one form the
        // start-up loader gives them, once each: the folder in force is
        // joined with file names as it is.
        for (int i = 0; i < kDirListCount; ++i) {
            m_settings.m_dirs[i].Copy(dlg.m_DirsPage.m_History[i]);
            StandardizeDirectoryList(m_settings.m_dirs[i], true);
        }
        m_strLastConfigDir = m_settings.GetFirstDir(kDirConfigFiles);
        // Records whether the 64-bit utility programs are there.
        IsValidExecutablesDir(GetExecutablesDir());
        return true;
    case kPrefsExts:
        for (int i = 0; i < kFilterCount; ++i)
            m_settings.m_strFilters[i] = dlg.m_ExtsPage.m_strFilter[i];
        return true;
    case kPrefsLogging:
        pDoc->SetLogFolder(GetLogFilesDir());
        return pDoc->SetLogOption(dlg.m_LogsPage.m_nLogOption, (int)dlg.m_LogsPage.m_nMaxFiles,
                                  dlg.m_LogsPage.m_strBaseName);
    case kPrefsMemory:
        log.m_bEnableMemLogLimit = dlg.m_MemLogPage.m_bEnabled;
        log.m_nMemLogLinesLimit = dlg.m_MemLogPage.m_nLines;
        return TakeLoggingOptions(log);
    case kPrefsDisk:
        log.m_bEnableDiskLogLimit = dlg.m_DiskLogPage.m_bEnabled;
        log.m_nDiskLogLinesLimit = dlg.m_DiskLogPage.m_nLines;
        log.m_bSyncDiskLog = dlg.m_DiskLogPage.m_bSync;
        return TakeLoggingOptions(log);
    case kPrefsFormat:
        log.m_bLogDates = dlg.m_LogFmtPage.m_bDates;
        log.m_bLogTimes = dlg.m_LogFmtPage.m_bTimes;
        log.m_bLogPidAlways = dlg.m_LogFmtPage.m_bPidAlways;
        log.m_bLogPidOnlyIfNeeded = dlg.m_LogFmtPage.m_bPidIfNeeded;
        if (!TakeLoggingOptions(log))
            return false;
        ApplyConsoleLineOptions();  // the readers prefix lines by these
        return true;
    case kPrefsNumbering:
        log.m_nCurFileNum = dlg.m_LogNumPage.m_nCurFileNum;
        return TakeLoggingOptions(log);
    case kPrefsMisc:
        m_settings.m_nPowerOff = dlg.m_MiscPage.m_nPowerOff;
        g_bIgnoreConfigFileParseErrors = dlg.m_MiscPage.m_bIgnoreParseErrors;
        g_bAggregateStats = dlg.m_MiscPage.m_bAggregateStats;
        ApplyConsoleLineOptions();
        UpdateTitle();
        SendAggregateStats();
        return true;
    case kPrefsMisc2:
        m_settings.m_strExtraCmdLineArgs = dlg.m_Misc2Page.m_strExtraArgs;
        m_settings.m_bNoWarnExternalEdit = dlg.m_Misc2Page.m_bNoWarnExternalEdit;
        m_settings.m_bNoWarnPowerOff = dlg.m_Misc2Page.m_bNoWarnPowerOff;
        m_settings.m_bBeepWhenUtilityIsDone = dlg.m_Misc2Page.m_bBeepWhenUtilityIsDone;
        // The find dialog reads it when it opens: written at once.
        ProfileWriteInt(kFindRepSection, "AutoHide", dlg.m_Misc2Page.m_bAutoHide ? 1 : 0);
        return true;
    case kPrefsMisc3:
        m_settings.m_strPreferredEditor = dlg.m_Misc3Page.m_strEditor;
        g_bPresumeTXF = dlg.m_Misc3Page.m_bPresumeTXF;
        m_settings.m_bEnableSessDescDlg = dlg.m_Misc3Page.m_bEnableSessDescDlg;
        return true;
    default:
        return ApplyAppearancePage(dlg, nPage);
    }
}

void CVornGUIView::OnPreferences()
{
    ShowPreferences(g_nPrevPrefPage, false);
}

void CVornGUIView::OnViewProperties()
{
    ShowPreferences(kPrefsConsole, false);
}

// The main window's status bar: its menu's Properties....
void CVornGUIView::OnStatusBarProperties()
{
    ShowPreferences(kPrefsStatusBar, false);
}
