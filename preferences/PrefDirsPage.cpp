// PrefDirsPage.cpp: CPrefDirsPropPage, the preferences' Directories page:
// the eight preferred folders, each a history combo box with a browse
// button; the first three are required.
#include "preferences/PreferencesPages.h"

#include "framework/HelpKeys.h"
#include "platform/BrowseForDirectory.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "preferences/PrefsRules.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

namespace {

// The folder kinds in EDirList order.
struct SDirKind {
    UINT nLabel, nCombo, nBrowse;
    const char* pszBrowseTitle;
    UINT nDeletedMsg;
};
const SDirKind kKinds[kDirListCount] = {
    {IDC_PREF_LABEL_EXE, IDC_PREF_DIR_EXE, IDC_PREF_BROWSE_EXE, "Select Executable files directory",
     WM_HISTORY_ITEM_DELETED},
    {IDC_PREF_LABEL_CONFIG, IDC_PREF_DIR_CONFIG, IDC_PREF_BROWSE_CONFIG, "Select Configuration files directory",
     WM_DIRHISTORY_DELETED_CONFIG},
    {IDC_PREF_LABEL_LOG, IDC_PREF_DIR_LOG, IDC_PREF_BROWSE_LOG, "Select Log files directory",
     WM_DIRHISTORY_DELETED_LOG},
    {IDC_PREF_LABEL_READER, IDC_PREF_DIR_READER, IDC_PREF_BROWSE_READER, "Select Reader files directory",
     WM_DIRHISTORY_DELETED_READER},
    {IDC_PREF_LABEL_PUNCH, IDC_PREF_DIR_PUNCH, IDC_PREF_BROWSE_PUNCH, "Select Punch files directory",
     WM_DIRHISTORY_DELETED_PUNCH},
    {IDC_PREF_LABEL_PRINTER, IDC_PREF_DIR_PRINTER, IDC_PREF_BROWSE_PRINTER, "Select Printer files directory",
     WM_DIRHISTORY_DELETED_PRINTER},
    {IDC_PREF_LABEL_TAPE, IDC_PREF_DIR_TAPE, IDC_PREF_BROWSE_TAPE, "Select Tape files directory",
     WM_DIRHISTORY_DELETED_TAPE},
    {IDC_PREF_LABEL_DISK, IDC_PREF_DIR_DISK, IDC_PREF_BROWSE_DISK, "Select Disk files directory",
     WM_DIRHISTORY_DELETED_DISK},
};

// The kind whose control (combo box or browse button) has the id; -1 none.
int KindOf(UINT nId, UINT SDirKind::*pCtrl)
{
    for (int i = 0; i < kDirListCount; ++i)
        if (kKinds[i].*pCtrl == nId)
            return i;
    return -1;
}

// The folder of a kind in force in the view, where its picker starts.
CString FolderInForce(int nKind)
{
    if (!g_pView)
        return CString();
    return nKind == kDirConfigFiles ? g_pView->GetConfigFilesDir() : g_pView->Settings().GetFirstDir((EDirList)nKind);
}

const SPrefsHelpRow kBalloons[] = {
    {0, IDS_HELP_PREF_DIRS}, {IDC_PREF_GROUP, IDS_HELP_PREF_DIRS}, {IDC_PREF_INSTRUCTIONS, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_LABEL_EXE, 13001}, {IDC_PREF_DIR_EXE, 13001}, {IDC_PREF_BROWSE_EXE, 13011},
    {IDC_PREF_LABEL_CONFIG, 13002}, {IDC_PREF_DIR_CONFIG, 13002}, {IDC_PREF_BROWSE_CONFIG, 13012},
    {IDC_PREF_LABEL_LOG, 13003}, {IDC_PREF_DIR_LOG, 13003}, {IDC_PREF_BROWSE_LOG, 13013},
    {IDC_PREF_LABEL_READER, 13004}, {IDC_PREF_DIR_READER, 13004}, {IDC_PREF_BROWSE_READER, 13014},
    {IDC_PREF_LABEL_PUNCH, 13005}, {IDC_PREF_DIR_PUNCH, 13005}, {IDC_PREF_BROWSE_PUNCH, 13015},
    {IDC_PREF_LABEL_PRINTER, 13006}, {IDC_PREF_DIR_PRINTER, 13006}, {IDC_PREF_BROWSE_PRINTER, 13016},
    {IDC_PREF_LABEL_TAPE, 13007}, {IDC_PREF_DIR_TAPE, 13007}, {IDC_PREF_BROWSE_TAPE, 13017},
    {IDC_PREF_LABEL_DISK, 13008}, {IDC_PREF_DIR_DISK, 13008}, {IDC_PREF_BROWSE_DISK, 13018},
    {IDC_PREF_REQUIRED_NOTE, 13020},
};
const SPrefsHelpRow kHelpIds[] = {
    {0, 1527},
    {IDC_PREF_BROWSE_EXE, 1534}, {IDC_PREF_DIR_EXE, 1535}, {IDC_PREF_BROWSE_CONFIG, 1537},
    {IDC_PREF_DIR_CONFIG, 1538}, {IDC_PREF_BROWSE_LOG, 1540}, {IDC_PREF_DIR_LOG, 1541},
    {IDC_PREF_BROWSE_READER, 1543}, {IDC_PREF_DIR_READER, 1544}, {IDC_PREF_BROWSE_PUNCH, 1546},
    {IDC_PREF_DIR_PUNCH, 1547}, {IDC_PREF_BROWSE_PRINTER, 1549}, {IDC_PREF_DIR_PRINTER, 1550},
    {IDC_PREF_BROWSE_TAPE, 1552}, {IDC_PREF_DIR_TAPE, 1553}, {IDC_PREF_BROWSE_DISK, 1555},
    {IDC_PREF_DIR_DISK, 1556},
};
// Ten rows: the instructions, one row per kind, the note.
const SPrefsLayoutRow kRows[] = {
    {1, IDC_PREF_INSTRUCTIONS},
    {2, IDC_PREF_LABEL_EXE}, {2, IDC_PREF_BROWSE_EXE}, {2, IDC_PREF_DIR_EXE},
    {3, IDC_PREF_LABEL_CONFIG}, {3, IDC_PREF_BROWSE_CONFIG}, {3, IDC_PREF_DIR_CONFIG},
    {4, IDC_PREF_LABEL_LOG}, {4, IDC_PREF_BROWSE_LOG}, {4, IDC_PREF_DIR_LOG},
    {5, IDC_PREF_LABEL_READER}, {5, IDC_PREF_BROWSE_READER}, {5, IDC_PREF_DIR_READER},
    {6, IDC_PREF_LABEL_PUNCH}, {6, IDC_PREF_BROWSE_PUNCH}, {6, IDC_PREF_DIR_PUNCH},
    {7, IDC_PREF_LABEL_PRINTER}, {7, IDC_PREF_BROWSE_PRINTER}, {7, IDC_PREF_DIR_PRINTER},
    {8, IDC_PREF_LABEL_TAPE}, {8, IDC_PREF_BROWSE_TAPE}, {8, IDC_PREF_DIR_TAPE},
    {9, IDC_PREF_LABEL_DISK}, {9, IDC_PREF_BROWSE_DISK}, {9, IDC_PREF_DIR_DISK},
    {10, IDC_PREF_REQUIRED_NOTE},
};
const SPrefsPageTables kTables = {PREFS_TABLE(kBalloons), PREFS_TABLE(kHelpIds), 10, PREFS_TABLE(kRows), nullptr, 0};

}  // namespace

IMPLEMENT_DYNCREATE(CPrefDirsPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPrefDirsPropPage, CPrefsPage)
    ON_CONTROL_RANGE(CBN_EDITCHANGE, IDC_PREF_DIR_CONFIG, IDC_PREF_DIR_EXE, OnDirEditChange)
    ON_CONTROL_RANGE(CBN_SELENDOK, IDC_PREF_DIR_CONFIG, IDC_PREF_DIR_EXE, OnDirSelEndOk)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PREF_BROWSE_CONFIG, IDC_PREF_BROWSE_EXE, OnBrowse)
    ON_MESSAGE_RANGE(WM_HISTORY_ITEM_DELETED, WM_DIRHISTORY_DELETED_DISK, OnHistoryMessage)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CPrefDirsPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_INSTRUCTIONS, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DIR_EXE, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DIR_CONFIG, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DIR_LOG, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DIR_READER, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DIR_PUNCH, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DIR_PRINTER, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DIR_TAPE, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_DIR_DISK, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_REQUIRED_NOTE, mdRelative)
END_DYNAMIC_MAP()

CPrefDirsPropPage::CPrefDirsPropPage() : CPrefsPage(IDD, 0, kTables)
{
    for (int i = 0; i < kDirListCount; ++i)
        m_Combo[i].SetItemDeletedMessage(kKinds[i].nDeletedMsg);
}

bool CPrefDirsPropPage::IsChanged() const
{
    for (int i = 0; i < kDirListCount; ++i)
        if (m_strDir[i] != m_strAppliedDir[i])
            return true;
    return false;
}

void CPrefDirsPropPage::TakeWorkingAsApplied()
{
    for (int i = 0; i < kDirListCount; ++i)
        m_strAppliedDir[i] = m_strDir[i];
}

void CPrefDirsPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    for (int i = 0; i < kDirListCount; ++i)
        DDX_Control(pDX, (int)kKinds[i].nCombo, m_Combo[i]);
    for (int i = 0; i < kDirListCount; ++i)
        DDX_CBString(pDX, (int)kKinds[i].nCombo, m_strDir[i]);
    if (!pDX->m_bSaveAndValidate)
        return;
    if (IsShownPage() && !ValidateDirectories(pDX))
        return;
    UpdateHistoryLists();
    // The drop-downs list the histories as they now are, the folders just
    // taken at their heads.
    for (int i = 0; i < kDirListCount; ++i)
        m_strDir[i] = FillCombo(i);
}

// The working folders come from the histories: each shows its head.
void CPrefDirsPropPage::OnInitPage()
{
    for (int i = 0; i < kDirListCount; ++i)
        m_strDir[i] = m_strAppliedDir[i] = FillCombo(i);
}

CString CPrefDirsPropPage::FillCombo(int nKind)
{
    CWLComboBoxEx2& combo = m_Combo[nKind];
    combo.ResetContent();
    const CStringArray& list = m_History[nKind];
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        combo.AddString(list[i]);
    CString strShown = list.GetSize() > 0 ? list[0] : CString();
    if (list.GetSize() > 0)
        combo.SetCurSel(0);
    combo.SetWindowText(strShown);
    return strShown;
}

bool CPrefDirsPropPage::ValidateDirectories(CDataExchange* pDX)
{
    int nKind = -1;
    CString strMsg;
    bool bOk = CheckPreferredDirectories(m_strDir, nKind, strMsg);
    for (int i = 0; i < kDirListCount; ++i)
        m_Combo[i].SetWindowText(m_strDir[i]);  // the trimmed folders
    if (bOk)
        return true;
    pDX->PrepareCtrl((int)kKinds[nKind].nCombo);
    ErrorBalloon(this, kKinds[nKind].nCombo, PreferredDirTitle(nKind), strMsg, kBalloonIconWarning);
    pDX->Fail();
    return false;
}

void CPrefDirsPropPage::UpdateHistoryLists()
{
    for (int i = 0; i < kDirListCount; ++i)
        AddToHistoryList(m_History[i], m_strDir[i]);
}

void CPrefDirsPropPage::OnDirEditChange(UINT nId)
{
    int nKind = KindOf(nId, &SDirKind::nCombo);
    if (nKind < 0)
        return;
    m_Combo[nKind].GetWindowText(m_strDir[nKind]);
    UpdateModified();
}

void CPrefDirsPropPage::OnDirSelEndOk(UINT nId)
{
    int nKind = KindOf(nId, &SDirKind::nCombo);
    int nSel = nKind < 0 ? -1 : m_Combo[nKind].GetCurSel();
    if (nSel < 0)
        return;
    m_Combo[nKind].GetLBText(nSel, m_strDir[nKind]);
    UpdateModified();
}

void CPrefDirsPropPage::OnBrowse(UINT nId)
{
    int nKind = KindOf(nId, &SDirKind::nBrowse);
    if (nKind >= 0)
        BrowseDirectory(nKind);
}

void CPrefDirsPropPage::BrowseDirectory(int nKind)
{
    // A cancelled picker leaves the folder as it is; it still goes to the
    // head of the history.
    BrowseForDirectoryEx(m_hWnd, kKinds[nKind].pszBrowseTitle, FolderInForce(nKind), m_strDir[nKind]);
    AddToHistoryList(m_History[nKind], m_strDir[nKind]);
    m_strDir[nKind] = FillCombo(nKind);
    UpdateModified();
}

LRESULT CPrefDirsPropPage::OnHistoryMessage(UINT nMsg, WPARAM wp, LPARAM)
{
    for (int i = 0; i < kDirListCount; ++i)
        if (kKinds[i].nDeletedMsg == nMsg)
            OnHistoryItemDeleted(i, (int)wp);
    return 0;
}

// The combo box has removed the item before it reports it (CWLComboBoxEx2):
// removing it here again would take a second folder out of the list. The
// history still holds it, in the combo box's order. Deleting the folder in
// the field makes a neighbour the folder; deleting another entry leaves the
// field as it is.
void CPrefDirsPropPage::OnHistoryItemDeleted(int nKind, int nIndex)
{
    CWLComboBoxEx2& combo = m_Combo[nKind];
    CStringArray& list = m_History[nKind];
    bool bOther = nIndex >= 0 && nIndex < (int)list.GetSize() && list[nIndex].CompareNoCase(m_strDir[nKind]) != 0;
    int nSel = SelectionAfterHistoryDelete(nIndex, combo.GetCount());
    if (bOther) {
        int nShown = combo.FindStringExact(-1, m_strDir[nKind]);
        combo.SetCurSel(nShown);
        combo.SetWindowText(m_strDir[nKind]);
    } else if (nSel >= 0) {
        combo.SetCurSel(nSel);
        combo.GetLBText(nSel, m_strDir[nKind]);
    } else {
        combo.SetWindowText("");
        m_strDir[nKind].Empty();
    }
    list.RemoveAll();
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString str;
        combo.GetLBText(i, str);
        list.Add(str);
    }
    UpdateModified();
}
