// PackCheckDlg.cpp: the compressed-image check and repair dialog.
#include "utilities/PackCheckDlg.h"

#include "config/FieldValidators.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "utilities/PackRules.h"
#include "utilities/UtilityRules.h"

namespace {

const int kMaxCheckLevel = 4;

}  // namespace

void CPackCheckDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("nCheckLevel", m_nCheckLevel);
    GetSetting("bReadOnly", m_bReadOnly);
    GetSetting("bForceCheck", m_bForceCheck);
    if (m_nCheckLevel < 0 || m_nCheckLevel > kMaxCheckLevel)
        m_nCheckLevel = 0;
}

void CPackCheckDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("nCheckLevel", m_nCheckLevel);
    WriteSetting("bReadOnly", m_bReadOnly);
    WriteSetting("bForceCheck", m_bForceCheck);
    SaveList();
}

void CPackCheckDlg::ExchangeFields(CDataExchange* pDX)
{
    CPackListDlg::ExchangeFields(pDX);
    // The radios in tab order: minimal, normal, extra, maximal, recovery.
    DDX_Radio(pDX, IDC_PACKCHECK_LEVEL0, m_nCheckLevel);
    DDX_CheckBool(pDX, IDC_PACKCHECK_READONLY, m_bReadOnly);
    DDX_CheckBool(pDX, IDC_PACKCHECK_FORCE, m_bForceCheck);
}

bool CPackCheckDlg::ValidateOptions(CDataExchange* pDX)
{
    if (!CheckListNotEmpty(pDX))
        return false;
    m_strOptionWords = PackCheckOptionWords(m_nCheckLevel, m_bReadOnly, m_bForceCheck);
    return true;
}

void CPackCheckDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord(Has64BitUtilities() && ListHas64BitImage());
    m_strTitle = RunTitle(strWord, m_strOptionWords);
    m_strCommandLine = strWord;
    AppendCommandGroup(m_strCommandLine, m_strOptionWords);
    for (const CString& strFile : ListedFiles())
        AppendCommandFile(m_strCommandLine, strFile);
    m_nExpectedTotal = LastCheckedSize();
}

std::vector<CUtilityDlg::SHelpRow> CPackCheckDlg::HelpRows() const
{
    std::vector<SHelpRow> rows = {
        {0, IDS_HELP_PACKCHECK},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_PACKCHECK},
        {IDC_PACKCHECK_LEVEL_GROUP, IDS_HELP_PACKCHECK_LEVELS},
        {IDC_PACKCHECK_LEVEL0, IDS_HELP_PACKCHECK_LEVEL0},
        {IDC_PACKCHECK_LEVEL0_TEXT, IDS_HELP_PACKCHECK_LEVEL0},
        {IDC_PACKCHECK_LEVEL1, IDS_HELP_PACKCHECK_LEVEL1},
        {IDC_PACKCHECK_LEVEL1_TEXT, IDS_HELP_PACKCHECK_LEVEL1},
        {IDC_PACKCHECK_LEVEL2, IDS_HELP_PACKCHECK_LEVEL2},
        {IDC_PACKCHECK_LEVEL2_TEXT, IDS_HELP_PACKCHECK_LEVEL2},
        {IDC_PACKCHECK_LEVEL3, IDS_HELP_PACKCHECK_LEVEL3},
        {IDC_PACKCHECK_LEVEL3_TEXT, IDS_HELP_PACKCHECK_LEVEL3},
        {IDC_PACKCHECK_LEVEL4, IDS_HELP_PACKCHECK_LEVEL4},
        {IDC_PACKCHECK_READONLY, IDS_HELP_PACKCHECK_READONLY},
        {IDC_PACKCHECK_FORCE, IDS_HELP_PACKCHECK_FORCE},
    };
    for (const SHelpRow& row : ListHelpRows())
        rows.push_back(row);
    return rows;
}

const CUtilityDlg::SLayoutRow* CPackCheckDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_DESCRIPTION, 1}, {IDC_UTIL_INPUT_GROUP, 1},       {IDC_UTIL_INPUT_FILE, 1},
        {IDC_UTIL_INPUT_BROWSE, 2}, {IDC_UTIL_FILE_ADD, 2},          {IDC_UTIL_FILE_REMOVE, 2},
        {IDC_UTIL_FILE_UP, 2},      {IDC_UTIL_FILE_DOWN, 2},         {IDC_UTIL_FILE_LIST, 1},
        {IDC_PACKCHECK_LEVEL_GROUP, 1}, {IDOK, 3},                   {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}
