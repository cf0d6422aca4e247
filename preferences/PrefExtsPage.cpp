// PrefExtsPage.cpp: CPrefExtsPropPage, the preferences' File Extensions
// page: the file-dialog filter of seven kinds of file, taken as typed.
#include "preferences/PreferencesPages.h"

#include "platform/DDX.h"

namespace {

const UINT kEdits[kFilterCount] = {IDC_PREF_EXT_CONFIG, IDC_PREF_EXT_LOG, IDC_PREF_EXT_READER, IDC_PREF_EXT_PUNCH,
                                   IDC_PREF_EXT_PRINTER, IDC_PREF_EXT_TAPE, IDC_PREF_EXT_DISK};
const SPrefsHelpRow kBalloons[] = {
    {0, IDS_HELP_PREF_EXTS}, {IDC_PREF_GROUP, IDS_HELP_PREF_EXTS}, {IDC_PREF_INSTRUCTIONS, IDS_HELP_INSTRUCTIONS},
    {IDC_PREF_LABEL_CONFIG, 13051}, {IDC_PREF_EXT_CONFIG, 13051}, {IDC_PREF_LABEL_LOG, 13052},
    {IDC_PREF_EXT_LOG, 13052}, {IDC_PREF_LABEL_READER, 13053}, {IDC_PREF_EXT_READER, 13053},
    {IDC_PREF_LABEL_PUNCH, 13054}, {IDC_PREF_EXT_PUNCH, 13054}, {IDC_PREF_LABEL_PRINTER, 13055},
    {IDC_PREF_EXT_PRINTER, 13055}, {IDC_PREF_LABEL_TAPE, 13056}, {IDC_PREF_EXT_TAPE, 13056},
    {IDC_PREF_LABEL_DISK, 13057}, {IDC_PREF_EXT_DISK, 13057},
};
const SPrefsHelpRow kHelpIds[] = {
    {0, 1591}, {IDC_PREF_EXT_CONFIG, 1598}, {IDC_PREF_EXT_LOG, 1600}, {IDC_PREF_EXT_READER, 1602},
    {IDC_PREF_EXT_PUNCH, 1604}, {IDC_PREF_EXT_PRINTER, 1606}, {IDC_PREF_EXT_TAPE, 1608}, {IDC_PREF_EXT_DISK, 1610},
};
// Eight rows: the instructions, then one kind a row.
const SPrefsLayoutRow kRows[] = {
    {1, IDC_PREF_INSTRUCTIONS},
    {2, IDC_PREF_LABEL_CONFIG}, {2, IDC_PREF_EXT_CONFIG}, {3, IDC_PREF_LABEL_LOG}, {3, IDC_PREF_EXT_LOG},
    {4, IDC_PREF_LABEL_READER}, {4, IDC_PREF_EXT_READER}, {5, IDC_PREF_LABEL_PUNCH}, {5, IDC_PREF_EXT_PUNCH},
    {6, IDC_PREF_LABEL_PRINTER}, {6, IDC_PREF_EXT_PRINTER}, {7, IDC_PREF_LABEL_TAPE}, {7, IDC_PREF_EXT_TAPE},
    {8, IDC_PREF_LABEL_DISK}, {8, IDC_PREF_EXT_DISK},
};
const SPrefsPageTables kTables = {PREFS_TABLE(kBalloons), PREFS_TABLE(kHelpIds), 8, PREFS_TABLE(kRows), nullptr, 0};

}  // namespace

IMPLEMENT_DYNCREATE(CPrefExtsPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPrefExtsPropPage, CPrefsPage)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_PREF_EXT_CONFIG, IDC_PREF_EXT_DISK, OnFilterChange)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CPrefExtsPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_INSTRUCTIONS, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_EXT_CONFIG, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_EXT_LOG, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_EXT_READER, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_EXT_PUNCH, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_EXT_PRINTER, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_EXT_TAPE, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_EXT_DISK, mdResize)
END_DYNAMIC_MAP()

CPrefExtsPropPage::CPrefExtsPropPage()
    : CPrefsPage(IDD, 1, kTables),
      m_strInstructions("Enter your preferred file extension filters below.  These filters will be used in the "
                        "\"Files of type\" dropdown listboxes for the standard \"Open\" and \"Save\" dialog boxes "
                        "for files of the corresponding type.  Separate each filter with a semicolon  "
                        "(e.g. *.asm;*.jcl;*.job;*.txt)")
{
}

bool CPrefExtsPropPage::IsChanged() const
{
    for (int i = 0; i < kFilterCount; ++i)
        if (m_strFilter[i] != m_strAppliedFilter[i])
            return true;
    return false;
}

void CPrefExtsPropPage::TakeWorkingAsApplied()
{
    for (int i = 0; i < kFilterCount; ++i)
        m_strAppliedFilter[i] = m_strFilter[i];
}

void CPrefExtsPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PREF_INSTRUCTIONS, m_strInstructions);
    for (int i = 0; i < kFilterCount; ++i)
        DDX_Text(pDX, (int)kEdits[i], m_strFilter[i]);
}

void CPrefExtsPropPage::OnFilterChange(UINT nId)
{
    for (int i = 0; i < kFilterCount; ++i)
        if (kEdits[i] == nId)
            m_strFilter[i] = ControlText(nId);
    UpdateModified();
}
