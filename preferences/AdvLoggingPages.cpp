// AdvLoggingPages.cpp: the Memory, Disk, Format and Numbering pages below
// "Logging" in the preferences tree.
#include "preferences/AdvLoggingPages.h"

#include "config/FieldValidators.h"
#include "config/Limits.h"
#include "platform/DDX.h"
#include "preferences/PreferencesDlg.h"
#include "preferences/PrefsRules.h"

namespace {

#define COUNT_OF(a) (sizeof(a) / sizeof((a)[0]))

// ---- Memory ----
const UINT kMemLimitControls[] = {IDC_PREF_MEMLOG_LABEL, IDC_PREF_MEMLOG_LINES, IDC_PREF_MEMLOG_SPIN,
                                  IDC_PREF_MEMLOG_UNITS};
const SPrefsHelpRow kMemBalloons[] = {
    {0, IDS_HELP_PREF_MEMLOG}, {IDC_PREF_GROUP, IDS_HELP_PREF_MEMLOG}, {IDC_PREF_INSTRUCTIONS, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_MEMLOG_ENABLE, 13151}, {IDC_PREF_MEMLOG_LABEL, 13152}, {IDC_PREF_MEMLOG_LINES, 13152},
    {IDC_PREF_MEMLOG_SPIN, 13152}, {IDC_PREF_MEMLOG_UNITS, 13152},
};
const SPrefsHelpRow kMemHelpIds[] = {
    {0, 1684}, {IDC_PREF_MEMLOG_ENABLE, 1690}, {IDC_PREF_MEMLOG_LINES, 1692}, {IDC_PREF_MEMLOG_SPIN, 1692},
};
const SPrefsLayoutRow kMemRows[] = {
    {1, IDC_PREF_INSTRUCTIONS}, {2, IDC_PREF_MEMLOG_ENABLE}, {3, IDC_PREF_MEMLOG_LABEL},
    {3, IDC_PREF_MEMLOG_LINES}, {3, IDC_PREF_MEMLOG_SPIN}, {3, IDC_PREF_MEMLOG_UNITS},
};
const SPrefsPageTables kMemTables = {PREFS_TABLE(kMemBalloons), PREFS_TABLE(kMemHelpIds), 3, PREFS_TABLE(kMemRows),
                                     nullptr, 0};

// ---- Disk ----
const UINT kDiskLimitControls[] = {IDC_PREF_DISKLOG_LABEL, IDC_PREF_DISKLOG_LINES, IDC_PREF_DISKLOG_SPIN,
                                   IDC_PREF_DISKLOG_UNITS};
const SPrefsHelpRow kDiskBalloons[] = {
    {0, IDS_HELP_PREF_DISKLOG}, {IDC_PREF_GROUP, IDS_HELP_PREF_DISKLOG}, {IDC_PREF_INSTRUCTIONS, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_DISKLOG_ENABLE, 13201}, {IDC_PREF_DISKLOG_LABEL, 13202}, {IDC_PREF_DISKLOG_LINES, 13202},
    {IDC_PREF_DISKLOG_SPIN, 13202}, {IDC_PREF_DISKLOG_UNITS, 13202}, {IDC_PREF_DISKLOG_SYNC, 13203},
};
const SPrefsHelpRow kDiskHelpIds[] = {
    {0, 1723}, {IDC_PREF_DISKLOG_ENABLE, 1729}, {IDC_PREF_DISKLOG_LINES, 1731}, {IDC_PREF_DISKLOG_SPIN, 1731},
    {IDC_PREF_DISKLOG_SYNC, 1736},
};
const SPrefsLayoutRow kDiskRows[] = {
    {1, IDC_PREF_INSTRUCTIONS}, {2, IDC_PREF_DISKLOG_ENABLE}, {3, IDC_PREF_DISKLOG_LABEL},
    {3, IDC_PREF_DISKLOG_LINES}, {3, IDC_PREF_DISKLOG_SPIN}, {3, IDC_PREF_DISKLOG_UNITS}, {4, IDC_PREF_DISKLOG_SYNC},
};
const SPrefsPageTables kDiskTables = {PREFS_TABLE(kDiskBalloons), PREFS_TABLE(kDiskHelpIds), 4,
                                      PREFS_TABLE(kDiskRows), nullptr, 0};

// ---- Format ----
const SPrefsHelpRow kFmtBalloons[] = {
    {0, IDS_HELP_PREF_LOGFMT}, {IDC_PREF_GROUP, IDS_HELP_PREF_LOGFMT}, {IDC_PREF_INSTRUCTIONS, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_LOGFMT_STAR, IDS_HELP_INSTRUCTIONS}, {IDC_PREF_NOTE, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_LOG_DATES, 13251}, {IDC_PREF_LOG_TIMES, 13252}, {IDC_PREF_LOG_PID_ALWAYS, 13253},
    {IDC_PREF_LOG_PID_IFNEEDED, 13254},
};
const SPrefsHelpRow kFmtHelpIds[] = {
    {0, 1761}, {IDC_PREF_LOG_DATES, 1767}, {IDC_PREF_LOG_TIMES, 1768}, {IDC_PREF_LOG_PID_ALWAYS, 1769},
    {IDC_PREF_LOG_PID_IFNEEDED, 1770},
};
const SPrefsLayoutRow kFmtRows[] = {
    {1, IDC_PREF_INSTRUCTIONS}, {2, IDC_PREF_LOG_DATES}, {3, IDC_PREF_LOG_TIMES}, {4, IDC_PREF_LOG_PID_ALWAYS},
    {5, IDC_PREF_LOG_PID_IFNEEDED}, {6, IDC_PREF_LOGFMT_STAR}, {6, IDC_PREF_NOTE},
};
const SPrefsPageTables kFmtTables = {PREFS_TABLE(kFmtBalloons), PREFS_TABLE(kFmtHelpIds), 6, PREFS_TABLE(kFmtRows),
                                    nullptr, 0};

// ---- Numbering ----
const UINT kNumControls[] = {IDC_PREF_LOGNUM, IDC_PREF_LOGNUM_SPIN};
const SPrefsHelpRow kNumBalloons[] = {
    {0, IDS_HELP_PREF_LOGNUM}, {IDC_PREF_GROUP, IDS_HELP_PREF_LOGNUM}, {IDC_PREF_LOGNUM_TEXT, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_NOTE, IDS_HELP_INSTRUCTIONS}, {IDC_PREF_LOGNUM, 13301}, {IDC_PREF_LOGNUM_SPIN, 13301},
};
// The edit shares its spin's help key, which is its own help id.
const SPrefsHelpRow kNumHelpIds[] = {{IDC_PREF_LOGNUM, (IDD_PREF_LOGNUM << 16) | IDC_PREF_LOGNUM_SPIN}};
const SPrefsLayoutRow kNumRows[] = {
    {1, IDC_PREF_LOGNUM_TEXT}, {2, IDC_PREF_LOGNUM}, {2, IDC_PREF_LOGNUM_SPIN}, {3, IDC_PREF_NOTE},
};
const SPrefsPageTables kNumTables = {PREFS_TABLE(kNumBalloons), PREFS_TABLE(kNumHelpIds), 3, PREFS_TABLE(kNumRows),
                                    nullptr, 0};

const char kLinesLimitTitle[] = "Lines Limit";

}  // namespace

// ==== Memory ==================================================================

IMPLEMENT_DYNCREATE(CMemLogPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CMemLogPropPage, CPrefsPage)
    ON_BN_CLICKED(IDC_PREF_MEMLOG_ENABLE, OnEnable)
    ON_EN_CHANGE(IDC_PREF_MEMLOG_LINES, OnLinesChange)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CMemLogPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_INSTRUCTIONS, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_MEMLOG_ENABLE, mdRelative)
    DYNAMIC_MAP_XENTRY(IDC_PREF_MEMLOG_LABEL, mdNone)
    DYNAMIC_MAP_XENTRY(IDC_PREF_MEMLOG_LINES, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_MEMLOG_SPIN, mdRepos)
    DYNAMIC_MAP_XENTRY(IDC_PREF_MEMLOG_UNITS, mdRepos)
END_DYNAMIC_MAP()

CMemLogPropPage::CMemLogPropPage()
    : CPrefsPage(IDD, 3, kMemTables),
      m_nLines(g_nDefMemLoglinesLimit),
      m_strInstructions("In order to prevent unconstrained memory consumption, the GUI can limit the number of "
                        "console messages it will retain in memory. This limit defines 'how far back' you can "
                        "scroll to see previously issued messages. It is recommended that this option remain "
                        "enabled.\n\nSpecify below whether or not you wish this option to be enabled and the "
                        "maximum number of console messages you wish to be retained in memory:")
{
}

bool CMemLogPropPage::IsChanged() const
{
    return m_bEnabled != m_bAppliedEnabled || m_nLines != m_nAppliedLines;
}

void CMemLogPropPage::TakeWorkingAsApplied()
{
    m_bAppliedEnabled = m_bEnabled;
    m_nAppliedLines = m_nLines;
}

void CMemLogPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREF_MEMLOG_SPIN, m_Spin);
    DDX_Text(pDX, IDC_PREF_INSTRUCTIONS, m_strInstructions);
    DDX_CheckBool(pDX, IDC_PREF_MEMLOG_ENABLE, m_bEnabled);
    DDX_Text(pDX, IDC_PREF_MEMLOG_LINES, m_nLines);
    DDV_MinMaxUInt_EB(pDX, m_nLines, kMinMemLogLines, g_nMaxMemLoglinesLimit, kLinesLimitTitle);
}

void CMemLogPropPage::OnInitPage()
{
    m_Spin.SetRange32((int)kMinMemLogLines, (int)g_nMaxMemLoglinesLimit);
    EnableControls(kMemLimitControls, COUNT_OF(kMemLimitControls), m_bEnabled);
}

void CMemLogPropPage::OnEnable()
{
    m_bEnabled = IsChecked(IDC_PREF_MEMLOG_ENABLE);
    EnableControls(kMemLimitControls, COUNT_OF(kMemLimitControls), m_bEnabled);
    UpdateModified();
}

void CMemLogPropPage::OnLinesChange()
{
    OnUIntEditChange(IDC_PREF_MEMLOG_LINES, m_nLines);
}

// ==== Disk ====================================================================

IMPLEMENT_DYNCREATE(CDiskLogPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CDiskLogPropPage, CPrefsPage)
    ON_BN_CLICKED(IDC_PREF_DISKLOG_ENABLE, OnEnable)
    ON_BN_CLICKED(IDC_PREF_DISKLOG_SYNC, OnSync)
    ON_EN_CHANGE(IDC_PREF_DISKLOG_LINES, OnLinesChange)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CDiskLogPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_INSTRUCTIONS, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DISKLOG_ENABLE, mdRelative)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DISKLOG_LABEL, mdNone)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DISKLOG_LINES, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DISKLOG_SPIN, mdRepos)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DISKLOG_UNITS, mdRepos)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DISKLOG_SYNC, mdRelative)
END_DYNAMIC_MAP()

CDiskLogPropPage::CDiskLogPropPage()
    : CPrefsPage(IDD, 4, kDiskTables),
      m_nLines(g_nDefDiskLoglinesLimit),
      m_strInstructions("In order to prevent unconstrained disk space consumption, the GUI can set a limit on the "
                        "maximum number of console messages it will write to the logfile before 'wrapping around' "
                        "and overlaying older messages. It is recommended that this option remain enabled.\n\n"
                        "Specify below whether or not you wish to limit the size that each logfile can grow to, and "
                        "the maximum number of lines you wish each logfile to hold:")
{
}

bool CDiskLogPropPage::IsChanged() const
{
    return m_bEnabled != m_bAppliedEnabled || m_nLines != m_nAppliedLines || m_bSync != m_bAppliedSync;
}

void CDiskLogPropPage::TakeWorkingAsApplied()
{
    m_bAppliedEnabled = m_bEnabled;
    m_nAppliedLines = m_nLines;
    m_bAppliedSync = m_bSync;
}

void CDiskLogPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREF_DISKLOG_SPIN, m_Spin);
    DDX_Text(pDX, IDC_PREF_INSTRUCTIONS, m_strInstructions);
    DDX_CheckBool(pDX, IDC_PREF_DISKLOG_ENABLE, m_bEnabled);
    DDX_Text(pDX, IDC_PREF_DISKLOG_LINES, m_nLines);
    DDV_MinMaxUInt_EB(pDX, m_nLines, kMinDiskLogLines, g_nMaxDiskLoglinesLimit, kLinesLimitTitle);
    DDX_CheckBool(pDX, IDC_PREF_DISKLOG_SYNC, m_bSync);
}

// With the log asked for at shutdown the flush box starts cleared on the
// screen; the field follows at the next exchange.
void CDiskLogPropPage::OnInitPage()
{
    m_Spin.SetRange32((int)kMinDiskLogLines, (int)g_nMaxDiskLoglinesLimit);
    OnEnable();
    if (m_pDlg && m_pDlg->m_LogsPage.m_nLogOption == 1)
        CheckDlgButton(IDC_PREF_DISKLOG_SYNC, BST_UNCHECKED);
}

void CDiskLogPropPage::OnEnable()
{
    m_bEnabled = IsChecked(IDC_PREF_DISKLOG_ENABLE);
    EnableControls(kDiskLimitControls, COUNT_OF(kDiskLimitControls), m_bEnabled);
    UpdateModified();
}

void CDiskLogPropPage::OnSync()
{
    m_bSync = IsChecked(IDC_PREF_DISKLOG_SYNC);
    UpdateModified();
}

void CDiskLogPropPage::OnLinesChange()
{
    OnUIntEditChange(IDC_PREF_DISKLOG_LINES, m_nLines);
}

// ==== Format ==================================================================

IMPLEMENT_DYNCREATE(CLogFmtPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CLogFmtPropPage, CPrefsPage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PREF_LOG_DATES, IDC_PREF_LOG_PID_IFNEEDED, OnCheck)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CLogFmtPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_INSTRUCTIONS, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_DATES, mdRelative)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_TIMES, mdRelative)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_PID_ALWAYS, mdRelative)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOG_PID_IFNEEDED, mdRelative)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOGFMT_STAR, mdNone)
    DYNAMIC_MAP_XENTRY(IDC_PREF_NOTE, mdResize)
END_DYNAMIC_MAP()

CLogFmtPropPage::CLogFmtPropPage() : CPrefsPage(IDD, 5, kFmtTables) {}

bool CLogFmtPropPage::IsChanged() const
{
    return m_bDates != m_bAppliedDates || m_bTimes != m_bAppliedTimes || m_bPidAlways != m_bAppliedPidAlways ||
           m_bPidIfNeeded != m_bAppliedPidIfNeeded;
}

void CLogFmtPropPage::TakeWorkingAsApplied()
{
    m_bAppliedDates = m_bDates;
    m_bAppliedTimes = m_bTimes;
    m_bAppliedPidAlways = m_bPidAlways;
    m_bAppliedPidIfNeeded = m_bPidIfNeeded;
}

void CLogFmtPropPage::OnInitPage()
{
    CheckDlgButton(IDC_PREF_LOG_DATES, m_bDates ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_PREF_LOG_TIMES, m_bTimes ? BST_CHECKED : BST_UNCHECKED);
    ApplyPidChoice();
}

void CLogFmtPropPage::OnCheck(UINT nId)
{
    bool bChecked = IsChecked(nId);
    switch (nId) {
    case IDC_PREF_LOG_DATES: m_bDates = bChecked; break;
    case IDC_PREF_LOG_TIMES: m_bTimes = bChecked; break;
    case IDC_PREF_LOG_PID_ALWAYS: m_bPidAlways = bChecked; ApplyPidChoice(); break;
    default: m_bPidIfNeeded = bChecked; ApplyPidChoice(); break;
    }
    UpdateModified();
}

void CLogFmtPropPage::ApplyPidChoice()
{
    SPidChoice choice = {m_bPidAlways, m_bPidIfNeeded, true, true};
    ApplyPidRule(choice);
    m_bPidAlways = choice.bAlways;
    m_bPidIfNeeded = choice.bIfNeeded;
    CheckDlgButton(IDC_PREF_LOG_PID_ALWAYS, m_bPidAlways ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_PREF_LOG_PID_IFNEEDED, m_bPidIfNeeded ? BST_CHECKED : BST_UNCHECKED);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_PREF_LOG_PID_ALWAYS), choice.bAlwaysEnabled);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_PREF_LOG_PID_IFNEEDED), choice.bIfNeededEnabled);
}

// ==== Numbering ===============================================================

IMPLEMENT_DYNCREATE(CLogNumPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CLogNumPropPage, CPrefsPage)
    ON_EN_CHANGE(IDC_PREF_LOGNUM, OnNumberChange)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CLogNumPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOGNUM_TEXT, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOGNUM, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_LOGNUM_SPIN, mdRepos)
    DYNAMIC_MAP_XENTRY(IDC_PREF_NOTE, mdResize)
END_DYNAMIC_MAP()

CLogNumPropPage::CLogNumPropPage() : CPrefsPage(IDD, 6, kNumTables), m_strNote(kLogNumberingNote) {}

bool CLogNumPropPage::IsChanged() const
{
    return m_nCurFileNum != m_nAppliedCurFileNum;
}

void CLogNumPropPage::TakeWorkingAsApplied()
{
    m_nAppliedCurFileNum = m_nCurFileNum;
}

bool CLogNumPropPage::IsNumberingEnabled() const
{
    return !m_pDlg || m_pDlg->m_LogsPage.m_nLogOption == 2;
}

UINT CLogNumPropPage::MaxFiles() const
{
    return m_pDlg ? m_pDlg->m_LogsPage.m_nMaxFiles : MaxLogFilesLimit();
}

// The number is checked only while it can be edited (automatic numbering),
// against the Logging page's maximum of this moment. A number the user has
// not typed (or cannot edit) follows a maximum lowered below it, as the
// document's does: the two always agree, and the page never refuses what
// the user did not write.
void CLogNumPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREF_LOGNUM_SPIN, m_Spin);
    DDX_Text(pDX, IDC_PREF_LOGNUM_TEXT, m_strInstructions);
    DDX_Text(pDX, IDC_PREF_NOTE, m_strNote);
    DDX_Text(pDX, IDC_PREF_LOGNUM, m_nCurFileNum);
    if (pDX->m_bSaveAndValidate)
        FollowLoweredMaximum();
    if (IsNumberingEnabled())
        DDV_MinMaxInt_EB(pDX, (int)m_nCurFileNum, 0, (int)MaxFiles() - 1, "Logfile Number");
}

void CLogNumPropPage::FollowLoweredMaximum()
{
    bool bUntouched = !IsNumberingEnabled() || m_nCurFileNum == m_nAssignedFileNum;
    if (!bUntouched || MaxFiles() == 0 || m_nCurFileNum <= MaxFiles() - 1)
        return;
    m_nCurFileNum = 0;  // the numbering starts over, as the document's does
    SetDlgItemInt(IDC_PREF_LOGNUM, m_nCurFileNum, FALSE);
}

void CLogNumPropPage::OnInitPage()
{
    m_nAssignedFileNum = m_nCurFileNum;
    RefreshFromLoggingPage();
}

BOOL CLogNumPropPage::OnSetActive()
{
    if (m_bInitialized)
        RefreshFromLoggingPage();
    return CPrefsPage::OnSetActive();
}

void CLogNumPropPage::RefreshFromLoggingPage()
{
    bool bEnabled = IsNumberingEnabled();
    m_strInstructions = LogNumberingInstructions(bEnabled, m_nAssignedFileNum);
    SetDlgItemText(IDC_PREF_LOGNUM_TEXT, m_strInstructions);
    m_Spin.SetRange32(0, (int)MaxFiles() - 1);
    EnableControls(kNumControls, COUNT_OF(kNumControls), bEnabled);
    FollowLoweredMaximum();
}

void CLogNumPropPage::OnNumberChange()
{
    OnUIntEditChange(IDC_PREF_LOGNUM, m_nCurFileNum);
}
