// PrefMiscPages.cpp: the option pages Misc (the Power Off button, the
// aggregate statistics, parse errors), Misc2 (the emulator's extra
// arguments, warnings, the utility beep, the find dialog's hiding) and Misc3
// (the preferred editor, the TXF default, the session description dialog).
#include "preferences/PreferencesPages.h"

#include "config/FieldValidators.h"
#include "config/FileDialogs.h"
#include "config/ProcessHelpers.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"
#include "preferences/PrefsRules.h"

namespace {

// ---- Misc ----
const SPrefsHelpRow kMiscBalloons[] = {
    {0, IDS_HELP_PREF_MISC}, {IDC_PREF_GROUP, IDS_HELP_PREF_MISC}, {IDC_PREF_INSTRUCTIONS, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_POWEROFF_GROUP, 13651}, {IDC_PREF_POWEROFF_PROMPT, 13651}, {IDC_PREF_POWEROFF_ONLY, 13652},
    {IDC_PREF_POWEROFF_EXIT, 13653}, {IDC_PREF_POWEROFF_ASK, 13654}, {IDC_PREF_POWEROFF_ASK_MORE, 13654},
    {IDC_PREF_AGGREGATE_GROUP, 13655}, {IDC_PREF_AGGREGATE_PROMPT, 13655}, {IDC_PREF_AGGREGATE, 13655},
    {IDC_PREF_PARSE_GROUP, 13656}, {IDC_PREF_PARSE_PROMPT, 13656}, {IDC_PREF_IGNORE_PARSE, 13656},
};
const SPrefsHelpRow kMiscHelpIds[] = {
    {0, 2169}, {IDC_PREF_POWEROFF_ONLY, 2176}, {IDC_PREF_POWEROFF_EXIT, 2177}, {IDC_PREF_POWEROFF_ASK, 2178},
    {IDC_PREF_AGGREGATE, 2185}, {IDC_PREF_IGNORE_PARSE, 2183},
};
const SPrefsLayoutRow kMiscRows[] = {
    {1, IDC_PREF_POWEROFF_PROMPT}, {2, IDC_PREF_POWEROFF_ONLY}, {3, IDC_PREF_POWEROFF_EXIT},
    {4, IDC_PREF_POWEROFF_ASK}, {4, IDC_PREF_POWEROFF_ASK_MORE}, {7, IDC_PREF_AGGREGATE_PROMPT},
    {8, IDC_PREF_AGGREGATE}, {10, IDC_PREF_PARSE_PROMPT}, {11, IDC_PREF_IGNORE_PARSE},
};
const SPrefsGroupSpan kMiscSpans[] = {
    {IDC_PREF_POWEROFF_GROUP, 0, 50}, {IDC_PREF_AGGREGATE_GROUP, 50, 70}, {IDC_PREF_PARSE_GROUP, 70, 100},
};
const SPrefsPageTables kMiscTables = {PREFS_TABLE(kMiscBalloons), PREFS_TABLE(kMiscHelpIds), 11,
                                      PREFS_TABLE(kMiscRows), PREFS_TABLE(kMiscSpans)};

// ---- Misc2 ----
const SPrefsHelpRow kMisc2Balloons[] = {
    {0, IDS_HELP_PREF_MISC2}, {IDC_PREF_GROUP, IDS_HELP_PREF_MISC2}, {IDC_PREF_INSTRUCTIONS, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_ARGS_GROUP, 13701}, {IDC_PREF_ARGS_PROMPT, 13701}, {IDC_PREF_ARGS_LABEL, 13702},
    {IDC_PREF_EXTRA_ARGS, 13702}, {IDC_PREF_WARN_GROUP, 13703}, {IDC_PREF_NOWARN_EDIT, 13704},
    {IDC_PREF_NOWARN_POWEROFF, 13705}, {IDC_PREF_UTIL_GROUP, 13706}, {IDC_PREF_BEEP_UTIL, 13707},
    {IDC_PREF_FINDREP_GROUP, 13708}, {IDC_PREF_AUTOHIDE, 13709},
};
const SPrefsHelpRow kMisc2HelpIds[] = {
    {0, 2214}, {IDC_PREF_EXTRA_ARGS, 2222}, {IDC_PREF_NOWARN_EDIT, 2224}, {IDC_PREF_NOWARN_POWEROFF, 2225},
    {IDC_PREF_BEEP_UTIL, 2227}, {IDC_PREF_AUTOHIDE, 2229},
};
const SPrefsLayoutRow kMisc2Rows[] = {
    {1, IDC_PREF_ARGS_PROMPT}, {2, IDC_PREF_ARGS_LABEL}, {2, IDC_PREF_EXTRA_ARGS}, {5, IDC_PREF_NOWARN_EDIT},
    {5, IDC_PREF_NOWARN_POWEROFF}, {7, IDC_PREF_BEEP_UTIL}, {9, IDC_PREF_AUTOHIDE},
};
const SPrefsGroupSpan kMisc2Spans[] = {
    {IDC_PREF_ARGS_GROUP, 0, 40}, {IDC_PREF_WARN_GROUP, 40, 60}, {IDC_PREF_UTIL_GROUP, 60, 80},
    {IDC_PREF_FINDREP_GROUP, 80, 100},
};
const SPrefsPageTables kMisc2Tables = {PREFS_TABLE(kMisc2Balloons), PREFS_TABLE(kMisc2HelpIds), 9,
                                       PREFS_TABLE(kMisc2Rows), PREFS_TABLE(kMisc2Spans)};

// ---- Misc3 ----
const SPrefsHelpRow kMisc3Balloons[] = {
    {0, IDS_HELP_PREF_MISC3}, {IDC_PREF_GROUP, IDS_HELP_PREF_MISC3}, {IDC_PREF_INSTRUCTIONS, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_EDITOR_GROUP, 13752}, {IDC_PREF_EDITOR, 13752}, {IDC_PREF_EDITOR_BROWSE, 13751},
    {IDC_PREF_TXF_GROUP, 13753}, {IDC_PREF_TXF, 13753}, {IDC_PREF_SESSDESC_GROUP, 13754}, {IDC_PREF_SESSDESC, 13754},
};
const SPrefsHelpRow kMisc3HelpIds[] = {
    {0, 1422}, {IDC_PREF_EDITOR_BROWSE, 1428}, {IDC_PREF_EDITOR, 1429}, {IDC_PREF_TXF, 1590},
    {IDC_PREF_SESSDESC, 1784},
};
const SPrefsPageTables kMisc3Tables = {PREFS_TABLE(kMisc3Balloons), PREFS_TABLE(kMisc3HelpIds), 0, nullptr, 0,
                                       nullptr, 0};

const char kEditorTitle[] = "Command Line";

}  // namespace

// ==== Misc ====================================================================

IMPLEMENT_DYNCREATE(CPrefMiscPropPage, CPropertyPage)

// The Power Off radio buttons lie in 1236 .. 1248; no other control of the
// page does.
BEGIN_MESSAGE_MAP(CPrefMiscPropPage, CPrefsPage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PREF_POWEROFF_EXIT, IDC_PREF_POWEROFF_ONLY, OnPowerOff)
    ON_BN_CLICKED(IDC_PREF_IGNORE_PARSE, OnIgnoreParse)
    ON_BN_CLICKED(IDC_PREF_AGGREGATE, OnAggregate)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CPrefMiscPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_POWEROFF_GROUP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_POWEROFF_PROMPT, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_POWEROFF_ONLY, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_POWEROFF_EXIT, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_POWEROFF_ASK, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_POWEROFF_ASK_MORE, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_AGGREGATE_GROUP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_AGGREGATE_PROMPT, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_AGGREGATE, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_PARSE_GROUP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_PARSE_PROMPT, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_IGNORE_PARSE, mdResize)
END_DYNAMIC_MAP()

CPrefMiscPropPage::CPrefMiscPropPage() : CPrefsPage(IDD, 13, kMiscTables) {}

bool CPrefMiscPropPage::IsChanged() const
{
    return m_nPowerOff != m_nAppliedPowerOff || m_bAggregateStats != m_bAppliedAggregateStats ||
           m_bIgnoreParseErrors != m_bAppliedIgnoreParseErrors;
}

void CPrefMiscPropPage::TakeWorkingAsApplied()
{
    m_nAppliedPowerOff = m_nPowerOff;
    m_bAppliedAggregateStats = m_bAggregateStats;
    m_bAppliedIgnoreParseErrors = m_bIgnoreParseErrors;
}

void CPrefMiscPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_PREF_POWEROFF_ONLY, m_nPowerOff);
    DDX_CheckBool(pDX, IDC_PREF_IGNORE_PARSE, m_bIgnoreParseErrors);
    DDX_CheckBool(pDX, IDC_PREF_AGGREGATE, m_bAggregateStats);
}

void CPrefMiscPropPage::OnInitPage()
{
    SetDlgItemText(IDC_PREF_AGGREGATE, AggregateStatsLabel(m_bAggregateStats));
    OnAggregate();
}

void CPrefMiscPropPage::OnPowerOff(UINT nId)
{
    if (nId != IDC_PREF_POWEROFF_ONLY && nId != IDC_PREF_POWEROFF_EXIT && nId != IDC_PREF_POWEROFF_ASK)
        return;
    m_nPowerOff = nId == IDC_PREF_POWEROFF_ONLY ? 0 : nId == IDC_PREF_POWEROFF_EXIT ? 1 : 2;
    UpdateModified();
}

void CPrefMiscPropPage::OnIgnoreParse()
{
    m_bIgnoreParseErrors = IsChecked(IDC_PREF_IGNORE_PARSE);
    UpdateModified();
}

void CPrefMiscPropPage::OnAggregate()
{
    m_bAggregateStats = IsChecked(IDC_PREF_AGGREGATE);
    SetDlgItemText(IDC_PREF_AGGREGATE, AggregateStatsLabel(m_bAggregateStats));
    UpdateModified();
}

// ==== Misc2 ===================================================================

IMPLEMENT_DYNCREATE(CPrefMisc2PropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPrefMisc2PropPage, CPrefsPage)
    ON_EN_CHANGE(IDC_PREF_EXTRA_ARGS, OnExtraArgsChange)
    ON_EN_UPDATE(IDC_PREF_EXTRA_ARGS, OnExtraArgsChange)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PREF_NOWARN_EDIT, IDC_PREF_AUTOHIDE, OnCheck)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CPrefMisc2PropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_ARGS_GROUP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_ARGS_PROMPT, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_EXTRA_ARGS, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_WARN_GROUP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_NOWARN_EDIT, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_NOWARN_POWEROFF, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_UTIL_GROUP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_BEEP_UTIL, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_FINDREP_GROUP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_AUTOHIDE, mdResize)
END_DYNAMIC_MAP()

CPrefMisc2PropPage::CPrefMisc2PropPage() : CPrefsPage(IDD, 14, kMisc2Tables) {}

bool CPrefMisc2PropPage::IsChanged() const
{
    return m_strExtraArgs != m_strAppliedExtraArgs || m_bNoWarnExternalEdit != m_bAppliedNoWarnExternalEdit ||
           m_bNoWarnPowerOff != m_bAppliedNoWarnPowerOff ||
           m_bBeepWhenUtilityIsDone != m_bAppliedBeepWhenUtilityIsDone || m_bAutoHide != m_bAppliedAutoHide;
}

void CPrefMisc2PropPage::TakeWorkingAsApplied()
{
    m_strAppliedExtraArgs = m_strExtraArgs;
    m_bAppliedNoWarnExternalEdit = m_bNoWarnExternalEdit;
    m_bAppliedNoWarnPowerOff = m_bNoWarnPowerOff;
    m_bAppliedBeepWhenUtilityIsDone = m_bBeepWhenUtilityIsDone;
    m_bAppliedAutoHide = m_bAutoHide;
}

void CPrefMisc2PropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PREF_EXTRA_ARGS, m_strExtraArgs);
    DDX_CheckBool(pDX, IDC_PREF_NOWARN_EDIT, m_bNoWarnExternalEdit);
    DDX_CheckBool(pDX, IDC_PREF_NOWARN_POWEROFF, m_bNoWarnPowerOff);
    DDX_CheckBool(pDX, IDC_PREF_BEEP_UTIL, m_bBeepWhenUtilityIsDone);
    DDX_CheckBool(pDX, IDC_PREF_AUTOHIDE, m_bAutoHide);
}

void CPrefMisc2PropPage::OnExtraArgsChange()
{
    m_strExtraArgs = ControlText(IDC_PREF_EXTRA_ARGS);
    UpdateModified();
}

void CPrefMisc2PropPage::OnCheck(UINT nId)
{
    bool bChecked = IsChecked(nId);
    switch (nId) {
    case IDC_PREF_NOWARN_EDIT: m_bNoWarnExternalEdit = bChecked; break;
    case IDC_PREF_NOWARN_POWEROFF: m_bNoWarnPowerOff = bChecked; break;
    case IDC_PREF_BEEP_UTIL: m_bBeepWhenUtilityIsDone = bChecked; break;
    case IDC_PREF_AUTOHIDE: m_bAutoHide = bChecked; break;
    default: return;
    }
    UpdateModified();
}

// ==== Misc3 ===================================================================

IMPLEMENT_DYNCREATE(CPrefMisc3PropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPrefMisc3PropPage, CPrefsPage)
    ON_EN_CHANGE(IDC_PREF_EDITOR, OnEditorChange)
    ON_BN_CLICKED(IDC_PREF_EDITOR_BROWSE, OnBrowseEditor)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PREF_TXF, IDC_PREF_SESSDESC, OnCheck)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CPrefMisc3PropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_ENTRY(IDC_PREF_EDITOR_GROUP, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PREF_EDITOR_BROWSE, mdRepos, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PREF_EDITOR, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PREF_INSTRUCTIONS, mdResize, mdResize)
    DYNAMIC_MAP_ENTRY(IDC_PREF_TXF_GROUP, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PREF_TXF, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PREF_SESSDESC_GROUP, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PREF_SESSDESC, mdResize, mdNone)
END_DYNAMIC_MAP()

CPrefMisc3PropPage::CPrefMisc3PropPage()
    : CPrefsPage(IDD, 15, kMisc3Tables),
      m_strInstructions("Enter the full path of the executable to be used as your preferred editor enclosed within "
                        "double quotes if it contains any blanks.\n\nAdditional command line options may follow the "
                        "edit command itself, and standard %name% environment variable usage may be utilized "
                        "anywhere on the command line.\n\nThe name of the file being edited will be automatically "
                        "appended as the final argument of the command line.")
{
}

bool CPrefMisc3PropPage::IsChanged() const
{
    return m_strEditor != m_strAppliedEditor || m_bPresumeTXF != m_bAppliedPresumeTXF ||
           m_bEnableSessDescDlg != m_bAppliedEnableSessDescDlg;
}

void CPrefMisc3PropPage::TakeWorkingAsApplied()
{
    m_strAppliedEditor = m_strEditor;
    m_bAppliedPresumeTXF = m_bPresumeTXF;
    m_bAppliedEnableSessDescDlg = m_bEnableSessDescDlg;
}

void CPrefMisc3PropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PREF_EDITOR, m_strEditor);
    DDX_Text(pDX, IDC_PREF_INSTRUCTIONS, m_strInstructions);
    DDX_CheckBool(pDX, IDC_PREF_TXF, m_bPresumeTXF);
    DDX_CheckBool(pDX, IDC_PREF_SESSDESC, m_bEnableSessDescDlg);
    if (pDX->m_bSaveAndValidate && IsShownPage())
        ValidateEditorCommand(pDX);
}

bool CPrefMisc3PropPage::ValidateEditorCommand(CDataExchange* pDX)
{
    if (pDX->m_bFailed)
        return false;
    TrimBlanks(m_strEditor);
    CString strMsg;
    if (::ValidateEditorCommand(m_strEditor, strMsg))
        return true;
    pDX->PrepareEditCtrl(IDC_PREF_EDITOR);
    ErrorBalloon(this, IDC_PREF_EDITOR, kEditorTitle, strMsg, kBalloonIconWarning);
    pDX->Fail();
    return false;
}

void CPrefMisc3PropPage::OnEditorChange()
{
    CString str = ControlText(IDC_PREF_EDITOR);
    m_strEditor = TrimBlanks(str);
    UpdateModified();
}

void CPrefMisc3PropPage::OnCheck(UINT nId)
{
    if (nId == IDC_PREF_TXF)
        m_bPresumeTXF = IsChecked(nId);
    else if (nId == IDC_PREF_SESSDESC)
        m_bEnableSessDescDlg = IsChecked(nId);
    else
        return;
    UpdateModified();
}

// The chosen program goes into the edit quoted when its path holds a blank,
// so that the page's own check reads it as one word; the rest of the command
// line (its options) goes: the file chosen replaces the command.
void CPrefMisc3PropPage::OnBrowseEditor()
{
    CStringArray words;
    CString strProgram;
    if (StdMSWinCommandLineParse(m_strEditor, words) && words.GetSize() > 0)
        strProgram = words[0];
    CString strStart = WindowsizedDirectory(GetStdCurrentDirectory());
    if (BrowseForFile("Executable Files (*.exe)|*.exe|All Files (*.*)|*.*||", strProgram, "Preferred Editor",
                      strStart, nullptr, false) != IDOK)
        return;
    SetDlgItemText(IDC_PREF_EDITOR, QuoteIfNeeded(WindowsizedDirectory(strProgram)));
}

// ==== the editor command check ================================================

bool ValidateEditorCommand(const CString& strCommand, CString& strMsg)
{
    if (strCommand.IsEmpty())
        return true;
    CStringArray words;
    // A command without a program word (such as a lone pair of quotes) is
    // refused like one that cannot be split.
    if (!StdMSWinCommandLineParse(strCommand, words) || words.GetSize() == 0 || words[0].IsEmpty()) {
        strMsg = "Error parsing command line!";
        return false;
    }
    CString strProgram = words[0];
    if (strProgram.Find('%') >= 0)
        ExpandEnvironmentVars(strProgram, words[0]);
    if (FileExists(strProgram))
        return true;
    strMsg.Format("File \"%s\" not found.", strProgram.GetString());
    return false;
}
