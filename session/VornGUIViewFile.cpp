// VornGUIViewFile.cpp: the view's current configuration and the File menu's
// side of it: new, open (with the parse-errors dialog while the file has
// errors), re-open, close, save, save as, the save prompt, taking an edited
// configuration back, editing the file in the text editor, and the main
// window's title.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>

#include "config/CConfigFileParseErrorsDlg.h"
#include "config/FileDialogs.h"
#include "config/ProcessHelpers.h"
#include "config/StartupObjects.h"
#include "mainwindow/DynControlsDlgBar.h"
#include "platform/CCmdUI.h"
#include "platform/CWinApp.h"
#include "platform/MessageBoxes.h"
#include "platform/PathFunctions.h"
#include "platform/Trace.h"
#include "platform/WLTaskDialog.h"
#include "platform/WideText.h"
#include "session/PrivateMessages.h"
#include "session/SaveQuestion.h"
#include "session/ViewTitle.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "sysconfig/SysCfgDialog.h"

namespace {

// The application's name in titles and task dialogs.
CString AppName()
{
    CWinApp* pApp = AfxGetApp();
    return pApp && !pApp->m_strAppName.IsEmpty() ? pApp->m_strAppName : CString("VornGUI");
}

CString Quoted(const CString& str)
{
    return "\"" + str + "\"";
}

}  // namespace

CString CVornGUIView::GetConfigFilesDir() const
{
    return !m_strLastConfigDir.IsEmpty() ? m_strLastConfigDir : m_settings.GetFirstDir(kDirConfigFiles);
}

CString CVornGUIView::ConfigFileFilter() const
{
    const CString& strExt = m_settings.m_strFilters[kFilterConfig];
    return "Configuration Files (" + strExt + ")|" + strExt + "|All Files (*.*)|*.*||";
}

bool CVornGUIView::MaySaveParseErrors() const
{
    return !m_config.m_bHasErrors || g_bIgnoreConfigFileParseErrors;
}

int CVornGUIView::PromptSaveModified()
{
    if (!m_bConfigModified)
        return kPromptSaved;
    // A modified configuration with parse errors is asked about too: its
    // changes are never dropped unseen (Save then reports why it cannot).
    int nButton = AskToSave(m_hWnd, "WLTDI_SaveModified", "Do you want to save your changes to the configuration?",
                            MaySaveParseErrors() ? nullptr
                                                 : "The configuration has parse errors: it can only be saved while "
                                                   "parse errors are ignored.");
    if (nButton != kPromptSaved)
        return nButton == kPromptNotSaved ? kPromptNotSaved : kPromptCancel;
    return SaveConfiguration() ? kPromptSaved : kPromptCancel;
}

bool CVornGUIView::SaveConfiguration()
{
    bool bHadPath = !m_config.m_strFolder.IsEmpty() && !m_config.m_strFileName.IsEmpty();
    if (!bHadPath) {
        CString strDir = GetConfigFilesDir(), strName;
        if (BrowseForSaveFile(strDir, strName, "Save Configuration", GetConfigFilesDir(), ConfigFileFilter(),
                              nullptr, false, true) != IDOK)
            return false;
        m_config.m_strFolder = strDir;
        m_config.m_strFileName = strName;
    }
    DWORD dwError = m_config.Save(false);
    if (dwError == 0) {
        m_bConfigModified = false;
        RememberConfigPath();
        m_savedConfig = m_config;
        UpdateTitle();
        return true;
    }
    if (dwError == ERROR_ACCESS_DENIED && bHadPath && !m_bSavingAs) {
        // The user is told why, once, and asked for another name or folder;
        // a second refusal there is reported and ends the save. The old
        // file stays as it was.
        ShowSaveError(dwError);
        return SaveConfigurationAs();  // its own result: a cancelled Save As saved nothing
    }
    if (!bHadPath) {
        // The name chosen for a new configuration goes with the failed save.
        m_config.m_strFolder.Empty();
        m_config.m_strFileName.Empty();
    }
    ShowSaveError(dwError);
    return false;
}

void CVornGUIView::ShowSaveError(DWORD dwError)
{
    CString strPath = Quoted(m_config.GetFullPath());
    if (dwError == ERROR_INVALID_DATA)
        TDMessageBox("Cannot save configuration:", strPath + "\n\nNo path, no devices or invalid data.", "Save Error",
                     MB_ICONWARNING);
    else
        ErrorMessageBox("Cannot save the configuration file.", strPath, dwError);
}

bool CVornGUIView::SaveConfigurationAs()
{
    CString strDir = m_config.m_strFolder, strName = m_config.m_strFileName;
    if (BrowseForSaveFile(strDir, strName, "Save Configuration As", GetConfigFilesDir(), ConfigFileFilter(), nullptr,
                          false, true) != IDOK)
        return false;
    CString strOldDir = m_config.m_strFolder, strOldName = m_config.m_strFileName;
    bool bOldModified = m_bConfigModified;
    m_config.m_strFolder = strDir;
    m_config.m_strFileName = strName;
    m_bSavingAs = true;
    bool bSaved = SaveConfiguration();
    m_bSavingAs = false;
    if (bSaved)
        return true;
    m_config.m_strFolder = strOldDir;
    m_config.m_strFileName = strOldName;
    m_bConfigModified = bOldModified;
    UpdateTitle();
    return false;
}

void CVornGUIView::ResetConfiguration()
{
    m_config.Reset();
    m_savedConfig = m_config;
    m_bConfigModified = m_config != m_savedConfig;
    m_strLastConfigDir.Empty();
    m_strLastConfigFile.Empty();
    ShowConfigurationOnPanels();
    UpdateTitle();
}

bool CVornGUIView::CloseConfiguration()
{
    if (PromptSaveModified() == kPromptCancel)
        return false;
    ResetConfiguration();
    return true;
}

// The configuration's folder and name become the last ones, and those that
// the next power-on (and the next start of the program) reads.
void CVornGUIView::RememberConfigPath()
{
    m_strLastConfigDir = m_config.m_strFolder;
    m_strLastConfigFile = m_config.m_strFileName;
    m_settings.m_strPrevConfigDir = m_strLastConfigDir;
    m_settings.m_strPrevConfigFile = m_strLastConfigFile;
}

// The configuration read is moved in: a copy of thousands of devices costs
// milliseconds in the open's message.
void CVornGUIView::TakeConfiguration(CVornConfigFile&& cfg)
{
    m_savedConfig = cfg;
    m_config = std::move(cfg);
    m_bConfigModified = false;
    m_bLoadParmAsked = false;
    RememberConfigPath();
    ShowConfigurationOnPanels();
    UpdateTitle();
}

bool CVornGUIView::OpenConfiguration(const CString& strPath)
{
    if (strPath.IsEmpty() || !FileExists(strPath)) {
        TDMessageBox("File not found.", strPath.IsEmpty() ? CString() : Quoted(strPath), nullptr, MB_ICONWARNING);
        return false;
    }
    bool bIgnore = false;
    for (;;) {
        // Read again on every pass: the file may have been corrected
        // meanwhile (the dialog's Edit button).
        auto pNew = std::make_unique<CVornConfigFile>();
        pNew->Load(strPath);
        if (!pNew->m_bHasErrors || g_bIgnoreConfigFileParseErrors) {
            TakeConfiguration(std::move(*pNew));
            break;
        }
        if (bIgnore) {
            pNew->m_bHasErrors = false;
            TakeConfiguration(std::move(*pNew));
            break;
        }
        TDMessageBox("Invalid configuration file.", nullptr, nullptr, MB_ICONWARNING);
        ParseErrorsAnswer eAnswer = AskAboutParseErrors(pNew.get(), m_settings.m_strPreferredEditor);
        if (eAnswer == kParseErrorsCancel) {
            g_strStartupConfigFile.Empty();
            ResetConfiguration();
            return false;
        }
        bIgnore = eAnswer == kParseErrorsIgnore;
    }
    // The dialog in a message of its own: reading and taking a
    // configuration of thousands of devices, then the dialog's start, held
    // the window 50-140 ms in one.
    if (!g_strStartupConfigFile.IsEmpty())
        g_strStartupConfigFile.Empty();
    else if (!PostMessage(WM_RUN_SYSCFG_DIALOG, (WPARAM)m_nLastSysCfgPage))
        RunSysCfgDialog(m_nLastSysCfgPage);
    return true;
}

bool CVornGUIView::OpenConfigurationDialog()
{
    CString strPath = m_strLastConfigDir + m_strLastConfigFile;
    if (!g_strStartupConfigFile.IsEmpty())
        strPath = g_strStartupConfigFile;
    else if (BrowseForFileMustExist(ConfigFileFilter(), strPath, "Open Configuration", GetConfigFilesDir(), nullptr) !=
             IDOK)
        return false;
    if (!OpenConfiguration(strPath))
        return false;
    if (CWinApp* pApp = AfxGetApp())
        pApp->AddToRecentFileList(strPath);
    return true;
}

void CVornGUIView::ApplyEditedConfiguration(const CVornConfigFile& cfg)
{
    m_config = cfg;
    m_bConfigModified = m_config != m_savedConfig;
    ShowConfigurationOnPanels();
    UpdateTitle();
}

void CVornGUIView::PrepareSysCfgDialog(CSysCfgDialog& dlg)
{
    dlg.m_config = m_config;
    dlg.m_strConfigFilesDir = GetConfigFilesDir();
    dlg.m_strExecutablesDir = GetExecutablesDir();
    SysCfgDeviceFolders& dirs = dlg.m_deviceFolders;
    dirs.strReader = GetReaderFilesDir();
    dirs.strPunch = GetPunchFilesDir();
    dirs.strPrinter = GetPrinterFilesDir();
    dirs.strDisk = GetDiskFilesDir();
    dirs.strTape = GetTapeFilesDir();
    dlg.m_isEmulatorRunning = [this] { return IsEmulatorRunning(); };
    dlg.m_sendCommand = [this](const CString& strCommand) { SendVornCommand(strCommand); };
    dlg.m_defineDevice = m_defineDevice;
}

void CVornGUIView::RunSysCfgDialog(int nPage)
{
    CSysCfgDialog dlg(this);
    PrepareSysCfgDialog(dlg);
    dlg.m_nStartPage = nPage;
    // OK has handed the configuration over already.
    if (dlg.DoModal() == IDOK)
        m_nLastSysCfgPage = dlg.m_nStartPage;
}

LRESULT CVornGUIView::OnRunSysCfgDialog(WPARAM wp, LPARAM)
{
    RunSysCfgDialog((int)wp);
    return 0;
}

LRESULT CVornGUIView::OnSysCfgApply(WPARAM, LPARAM lp)
{
    const CSysCfgDialog* pDlg = (const CSysCfgDialog*)lp;
    if (!pDlg)
        return 1;
    // The panel's dials and the CPU-percent bar follow (ShowConfigurationOnPanels).
    ApplyEditedConfiguration(pDlg->m_config);
    return 1;
}

bool CVornGUIView::WarnExternalEdit()
{
    bool bRunning = IsEmulatorRunning();
    std::wstring strTitle = WideFromAnsi(AppName());
    std::wstring strInstruction = WideFromAnsi(bRunning ? "Remember to restart Vornamic afterwards if needed."
                                                        : "Remember to re-open the configuration file afterwards.");
    std::wstring strDetails = WideFromAnsi(bRunning
        ? "When a running configuration is externally modified by another program such as Notepad, then Vornamic "
          "will obviously not know about such changes and will instead continue to use the original settings it "
          "was started with.\n\nThe safest way to ensure that all of your changes are in effect is to either "
          "always make your changes using VornGUI (rather than an external editor), or else to always remember to "
          "shutdown Vornamic afterwards and then restart it with the updated configuration file."
        : "When a configuration file is externally modified by another program such as Notepad, then VornGUI will "
          "obviously not know about such changes and will instead continue to use its current settings.\n\nBy "
          "closing the current configuration file and then re-opening it again afterwards you allow VornGUI to "
          "update its internal data with the modified settings.");
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof tdc;
    tdc.hwndParent = m_hWnd;
    tdc.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_ALLOW_DIALOG_CANCELLATION;
    tdc.dwCommonButtons = TDCBF_OK_BUTTON | TDCBF_CANCEL_BUTTON;
    tdc.nDefaultButton = IDOK;
    tdc.pszWindowTitle = strTitle.c_str();
    tdc.pszMainIcon = TD_INFORMATION_ICON;
    tdc.pszMainInstruction = strInstruction.c_str();
    tdc.pszExpandedInformation = strDetails.c_str();
    tdc.pszExpandedControlText = L"Less information";
    tdc.pszCollapsedControlText = L"More information";
    tdc.pszVerificationText = L"Don't remind me again.";
    int nButton = IDCANCEL;
    BOOL bDontRemind = FALSE;
    if (FAILED(WLTaskDialogIndirect("WLTDI_WarnExternalEdit", &tdc, &nButton, nullptr, &bDontRemind)))
        return true;  // no question to ask: the editor opens as asked
    m_bNoRemindManualEdit = bDontRemind != FALSE;
    return nButton != IDCANCEL;
}

// The warning is left out for good by the Misc2 page's "Don't warn me about
// manually editing configuration files.", for this run by its own box.
void CVornGUIView::OnManualEdit()
{
    if (m_settings.m_bNoWarnExternalEdit || m_bNoRemindManualEdit || WarnExternalEdit())
        EditFileInEditor(m_config.GetFullPath(), m_settings.m_strPreferredEditor);
}

void CVornGUIView::OnNewConfiguration()
{
    if (PromptSaveModified() == kPromptCancel)
        return;
    ResetConfiguration();
    RunSysCfgDialog(0);
}

void CVornGUIView::OnOpenConfiguration()
{
    if (PromptSaveModified() != kPromptCancel)
        OpenConfigurationDialog();
}

void CVornGUIView::OnReopenConfiguration()
{
    if (PromptSaveModified() != kPromptCancel)
        OpenConfiguration(m_config.GetFullPath());
}

void CVornGUIView::OnCloseConfiguration()
{
    CloseConfiguration();
}

void CVornGUIView::OnSaveConfiguration()
{
    SaveConfiguration();
}

void CVornGUIView::OnSaveConfigurationAs()
{
    SaveConfigurationAs();
}

void CVornGUIView::OnConfigureSettings()
{
    RunSysCfgDialog(m_nLastSysCfgPage);
}

void CVornGUIView::OnConfigureDevices()
{
    RunSysCfgDialog(kSysCfgDevicesPage);
}

// The main window's menu that holds the recent configurations (it holds the
// first entry's command), enabled or greyed as a whole: while the emulator
// runs on the current configuration none of them may replace it.
void CVornGUIView::EnableRecentConfigurations(bool bEnable)
{
    CWnd* pMain = AfxGetMainWnd();
    HMENU hBar = pMain ? ::GetMenu(pMain->m_hWnd) : nullptr;
    if (!hBar)
        return;
    for (int i = 0; i < ::GetMenuItemCount(hBar); ++i) {
        HMENU hPopup = ::GetSubMenu(hBar, i);
        if (hPopup && ::GetMenuState(hPopup, ID_FILE_MRU_FILE1, MF_BYCOMMAND) != (UINT)-1) {
            ::EnableMenuItem(hBar, (UINT)i, MF_BYPOSITION | (bEnable ? MF_ENABLED : MF_GRAYED));
            // The bar keeps its size: only it is painted again (DrawMenuBar
            // has Wine change the whole frame, as SWP_FRAMECHANGED does,
            // which held the window for 20-40 ms).
            MENUBARINFO bar = {};
            bar.cbSize = sizeof bar;
            if (!::GetMenuBarInfo(pMain->m_hWnd, OBJID_MENU, 0, &bar)) {
                ::DrawMenuBar(pMain->m_hWnd);
                return;
            }
            ::MapWindowPoints(HWND_DESKTOP, pMain->m_hWnd, (POINT*)&bar.rcBar, 2);
            ::RedrawWindow(pMain->m_hWnd, &bar.rcBar, nullptr, RDW_FRAME | RDW_INVALIDATE);
            return;
        }
    }
}

// While Power On reads its configuration in steps, no other one may be
// opened or made.
void CVornGUIView::OnUpdateNoEmulator(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!IsEmulatorRunning() && !m_bPoweringOn);
}

void CVornGUIView::OnUpdateHasPathNoEmulator(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_config.HasPath() && !IsEmulatorRunning() && !m_bPoweringOn);
}

void CVornGUIView::OnUpdateSaveConfiguration(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_bConfigModified && MaySaveParseErrors());
}

void CVornGUIView::OnUpdateSaveConfigurationAs(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_config.HasPath() && MaySaveParseErrors());
}

void CVornGUIView::OnUpdateConfigure(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_config.HasPath() || m_bConfigModified);
}

void CVornGUIView::OnUpdateManualEdit(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_config.HasPath());
}

void CVornGUIView::UpdateTitle()
{
    CVornGUIDoc* pDoc = GetDocument();
    if (!pDoc)
        return;
    CString strConfigPath = m_config.GetFullPath();
    CString strDocPath = pDoc->GetPathName();
    bool bDocModified = pDoc->IsModified() != FALSE;
    // Unchanged inputs leave the title, unless the document's title was
    // replaced meanwhile (a new log file's path name resets it to the bare
    // file name).
    if (m_bTitleSet && strConfigPath == m_strTitleConfigPath && strDocPath == m_strTitleDocPath &&
        m_bConfigModified == m_bTitleConfigModified && bDocModified == m_bTitleDocModified &&
        pDoc->GetTitle() == m_strTitleShown)
        return;
    m_bTitleSet = true;
    m_strTitleConfigPath = strConfigPath;
    m_strTitleDocPath = strDocPath;
    m_bTitleConfigModified = m_bConfigModified;
    m_bTitleDocModified = bDocModified;
    CString strTitle = BuildViewTitle(strConfigPath, strDocPath, m_bConfigModified, bDocModified, AppName());
    m_strTitleShown = strTitle;
    if (strTitle != pDoc->GetTitle())
        pDoc->SetTitle(strTitle);
}
