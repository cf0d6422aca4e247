// OneFileUtilityDlg.cpp: the one-file utility dialogs and their table.
#include "utilities/OneFileUtilityDlg.h"

#include "config/DasdImage.h"
#include "config/FieldValidators.h"
#include "platform/AfxAssert.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "resources/resource.h"
#include "utilities/UtilityRules.h"

// One dialog of the family.
struct COneFileUtilityDlg::SRow {
    UINT nTemplate;
    const char* pszBrowseTitle;
    const char* pszLabel;           // of the input file's check
    const char* pszImageTestTitle;  // the image type test's balloon title; null: no test
    bool bTypeFollowsEdit;          // the type is read on opening and on every change (PackFlip)
    bool b64BitVariant;             // "PACKFLIP64" for a 64-bit image
    UINT nDialogHelp, nInputHelp, nBrowseHelp;
};

const char* const COneFileUtilityDlg::kUnknownImageText =
    "Unknown/unsupported Vornamic dasd image format! (Possibly because of a sharing violation perhaps?)";

namespace {

using SRow = COneFileUtilityDlg::SRow;

const char kInputKey[] = "strInputFile";

const SRow kRows[] = {
    {IDD_PACKFLIP, "Disk Input File", "Input File", "Input File", true, true, IDS_HELP_PACKFLIP,
     IDS_HELP_UTIL_DISK_INPUT, IDS_HELP_UTIL_DISK_BROWSE},
    {IDD_VOLPATCH, "Disk Input File", "Filename", "Filename", false, false, IDS_HELP_VOLPATCH,
     IDS_HELP_UTIL_DISK_INPUT, IDS_HELP_UTIL_DISK_BROWSE},
    {IDD_MAPIMPORT, "Disk Input File", "Input Filename", nullptr, false, false, IDS_HELP_MAPIMPORT,
     IDS_HELP_UTIL_MAP_INPUT, IDS_HELP_UTIL_DISK_BROWSE},
    {IDD_REELSCAN, "Tape Input File", "Input Filename", nullptr, false, false, IDS_HELP_REELSCAN,
     IDS_HELP_UTIL_TAPE_INPUT, IDS_HELP_UTIL_TAPE_BROWSE},
};

const SRow* FindRow(UINT nTemplate)
{
    for (const SRow& row : kRows)
        if (row.nTemplate == nTemplate)
            return &row;
    return nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(COneFileUtilityDlg, CUtilityDlg)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowse)
    ON_EN_CHANGE(IDC_UTIL_INPUT_FILE, OnInputChanged)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

COneFileUtilityDlg::COneFileUtilityDlg(UINT nIDTemplate) : CUtilityDlg(nIDTemplate), m_pRow(FindRow(nIDTemplate))
{
    ASSERT(m_pRow);
}

void COneFileUtilityDlg::LoadSettings()
{
    GetSetting(kInputKey, m_strInputFile);
    if (m_pRow->bTypeFollowsEdit)
        ReadInputImageType(m_strInputFile);
}

void COneFileUtilityDlg::SaveSettings()
{
    WriteSetting(kInputKey, m_strInputFile);
}

void COneFileUtilityDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_UTIL_INPUT_FILE, m_InputEdit);
    DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
}

// The file check first: a missing or empty name is told as such, not as an
// unknown image format.
bool COneFileUtilityDlg::CheckInputFiles(CDataExchange* pDX)
{
    pDX->PrepareEditCtrl(IDC_UTIL_INPUT_FILE);
    if (!DDV_InputFile(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, m_pRow->pszLabel, &m_strInputNameExt,
                       &m_ullInputSize))
        return false;
    if (!m_pRow->pszImageTestTitle)
        return true;
    if (ReadInputImageType(m_strInputFile) == DASD_IMAGE_UNKNOWN)
        return Refuse(pDX, IDC_UTIL_INPUT_FILE, m_pRow->pszImageTestTitle, kUnknownImageText);
    return true;
}

void COneFileUtilityDlg::BuildCommandLine()
{
    SaveSettings();
    bool b64 = false;
    if (m_pRow->b64BitVariant)
        b64 = Wants64BitProgram(Has64BitUtilities(), false, ReadInputImageType(m_strInputFile));
    CString strWord = ProgramWord(b64);
    m_strTitle = strWord + " " + m_strInputNameExt;
    m_strCommandLine = strWord;
    AppendCommandFile(m_strCommandLine, m_strInputFile);
    m_nExpectedTotal = (INT64)m_ullInputSize;
}

std::vector<CUtilityDlg::SHelpRow> COneFileUtilityDlg::HelpRows() const
{
    // The description shares the dialog's text, the group box the edit's.
    return {{0, m_pRow->nDialogHelp},
            {IDC_UTIL_DESCRIPTION, m_pRow->nDialogHelp},
            {IDC_UTIL_INPUT_GROUP, m_pRow->nInputHelp},
            {IDC_UTIL_INPUT_FILE, m_pRow->nInputHelp},
            {IDC_UTIL_INPUT_BROWSE, m_pRow->nBrowseHelp}};
}

const CUtilityDlg::SLayoutRow* COneFileUtilityDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_DESCRIPTION, 1}, {IDC_UTIL_INPUT_GROUP, 1}, {IDC_UTIL_INPUT_FILE, 1},
        {IDC_UTIL_INPUT_BROWSE, 2}, {IDOK, 3}, {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}

void COneFileUtilityDlg::OnBrowse()
{
    BrowseInputFile(IDC_UTIL_INPUT_FILE, m_strInputFile, m_pRow->pszBrowseTitle);
}

void COneFileUtilityDlg::OnInputChanged()
{
    if (!m_pRow->bTypeFollowsEdit)
        return;
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    ReadInputImageType(m_strInputFile);
}

void COneFileUtilityDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepHeight(pPos);
    CUtilityDlg::OnWindowPosChanging(pPos);
}
