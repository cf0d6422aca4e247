// PrefLogsPage.cpp: CPrefLogsPropPage, the preferences' Logging page: when
// the console log file is named (asked at start-up or at shutdown, or made
// automatically) and, for automatic naming, the number of files and the base
// name of "<name>.nnn<ext>".
#include "preferences/PreferencesPages.h"

#include "config/Limits.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "preferences/PreferencesDlg.h"
#include "preferences/PrefsRules.h"

namespace {

// The controls that only automatic naming uses.
const UINT kAutoControls[] = {IDC_PREF_LOG_MAXFILES_LABEL, IDC_PREF_LOG_MAXFILES, IDC_PREF_LOG_MAXFILES_SPIN,
                              IDC_PREF_LOG_BASENAME_LABEL, IDC_PREF_LOG_BASENAME, IDC_PREF_LOG_NOTE};

const SPrefsHelpRow kBalloons[] = {
    {0, IDS_HELP_PREF_LOGS}, {IDC_PREF_GROUP, IDS_HELP_PREF_LOGS}, {IDC_PREF_INSTRUCTIONS, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_LOG_STARTUP, 13101}, {IDC_PREF_LOG_SHUTDOWN, 13102}, {IDC_PREF_LOG_AUTO, 13103},
    {IDC_PREF_LOG_AUTO_GROUP, 13104}, {IDC_PREF_LOG_NOTE, 13104}, {IDC_PREF_LOG_MAXFILES_LABEL, 13105},
    {IDC_PREF_LOG_MAXFILES, 13105}, {IDC_PREF_LOG_MAXFILES_SPIN, 13105}, {IDC_PREF_LOG_BASENAME_LABEL, 13106},
    {IDC_PREF_LOG_BASENAME, 13106},
};
const SPrefsHelpRow kHelpIds[] = {
    {0, 1641}, {IDC_PREF_LOG_STARTUP, 1647}, {IDC_PREF_LOG_SHUTDOWN, 1648}, {IDC_PREF_LOG_AUTO, 1649},
    {IDC_PREF_LOG_MAXFILES, 1652}, {IDC_PREF_LOG_MAXFILES_SPIN, 1652}, {IDC_PREF_LOG_BASENAME, 1657},
};
const SPrefsLayoutRow kRows[] = {
    {1, IDC_PREF_INSTRUCTIONS}, {2, IDC_PREF_LOG_STARTUP}, {3, IDC_PREF_LOG_SHUTDOWN}, {4, IDC_PREF_LOG_AUTO},
    {6, IDC_PREF_LOG_MAXFILES_LABEL}, {6, IDC_PREF_LOG_MAXFILES}, {6, IDC_PREF_LOG_MAXFILES_SPIN},
    {7, IDC_PREF_LOG_BASENAME_LABEL}, {7, IDC_PREF_LOG_BASENAME}, {8, IDC_PREF_LOG_NOTE},
};
const SPrefsGroupSpan kSpans[] = {{IDC_PREF_LOG_AUTO_GROUP, 45, 80}};
const SPrefsPageTables kTables = {PREFS_TABLE(kBalloons), PREFS_TABLE(kHelpIds), 10, PREFS_TABLE(kRows),
                                  PREFS_TABLE(kSpans)};

}  // namespace

IMPLEMENT_DYNCREATE(CPrefLogsPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPrefLogsPropPage, CPrefsPage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PREF_LOG_STARTUP, IDC_PREF_LOG_AUTO, OnOption)
    ON_EN_CHANGE(IDC_PREF_LOG_BASENAME, OnBaseNameChange)
    ON_EN_CHANGE(IDC_PREF_LOG_MAXFILES, OnMaxFilesChange)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CPrefLogsPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_INSTRUCTIONS, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_STARTUP, mdRelative)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_SHUTDOWN, mdRelative)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_AUTO, mdRelative)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_AUTO_GROUP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_MAXFILES, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_MAXFILES_SPIN, mdRepos)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_BASENAME, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_NOTE, mdResize)
END_DYNAMIC_MAP()

CPrefLogsPropPage::CPrefLogsPropPage()
    : CPrefsPage(IDD, 2, kTables),
      m_strBaseName(g_strDefaultAutologFilename),
      m_strInstructions("Select your preferred console logging option from the below list of available options.  "
                        "The 'At Startup' option asks you for the filename of the console log file as soon as the "
                        "GUI starts, whereas the 'At Shutdown' option waits until you close the GUI before asking "
                        "whether or not you want to save the console log.  The 'Automatic' option doesn't ask you "
                        "for a filename at all and instead generates a filename automatically based on the "
                        "parameters you provide.")
{
}

bool CPrefLogsPropPage::IsChanged() const
{
    return m_nLogOption != m_nAppliedLogOption || m_nMaxFiles != m_nAppliedMaxFiles ||
           m_strBaseName != m_strAppliedBaseName;
}

void CPrefLogsPropPage::TakeWorkingAsApplied()
{
    m_nAppliedLogOption = m_nLogOption;
    m_nAppliedMaxFiles = m_nMaxFiles;
    m_strAppliedBaseName = m_strBaseName;
}

// The base name is checked, whatever the option, against the log folder the
// Directories page holds now (applied or not): a usable name in an existing
// folder. Existing numbered files are no reason to ask anything.
void CPrefLogsPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREF_LOG_MAXFILES_SPIN, m_Spin);
    DDX_Text(pDX, IDC_PREF_LOG_MAXFILES, m_nMaxFiles);
    DDV_MinMaxUInt_EB(pDX, m_nMaxFiles, 1, MaxLogFilesLimit(), "Maximum Files");
    DDX_Text(pDX, IDC_PREF_LOG_BASENAME, m_strBaseName);
    DDX_Text(pDX, IDC_PREF_INSTRUCTIONS, m_strInstructions);
    DDX_Radio(pDX, IDC_PREF_LOG_STARTUP, m_nLogOption);
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed || !IsShownPage())
        return;
    CString strLogDir = m_pDlg ? m_pDlg->m_DirsPage.m_strDir[kDirLogFiles] : CString();
    CString strMsg;
    pDX->PrepareEditCtrl(IDC_PREF_LOG_BASENAME);
    if (!CheckLogBaseName(strLogDir, m_strBaseName, strMsg)) {
        ErrorBalloon(this, IDC_PREF_LOG_BASENAME, "Filename", strMsg, kBalloonIconWarning);
        pDX->Fail();
    }
}

void CPrefLogsPropPage::OnInitPage()
{
    m_Spin.SetRange32(1, (int)MaxLogFilesLimit());
    EnableAutomatic();
}

void CPrefLogsPropPage::EnableAutomatic()
{
    EnableControls(kAutoControls, sizeof(kAutoControls) / sizeof(kAutoControls[0]), m_nLogOption == 2);
}

void CPrefLogsPropPage::OnOption(UINT nId)
{
    m_nLogOption = (int)(nId - IDC_PREF_LOG_STARTUP);
    EnableAutomatic();
    UpdateModified();
}

void CPrefLogsPropPage::OnBaseNameChange()
{
    m_strBaseName = ControlText(IDC_PREF_LOG_BASENAME);
    UpdateModified();
}

void CPrefLogsPropPage::OnMaxFilesChange()
{
    OnUIntEditChange(IDC_PREF_LOG_MAXFILES, m_nMaxFiles);
}
