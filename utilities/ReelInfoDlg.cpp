// ReelInfoDlg.cpp: the tape image map's dialog.
#include "utilities/ReelInfoDlg.h"

#include "platform/CDataExchange.h"
#include "utilities/TapeUtilityRules.h"
#include "utilities/UtilityRules.h"

namespace {

const CTapeUtilityDlg::SBrowseTexts kTexts = {"Tape Input File", nullptr, nullptr};

}  // namespace

BEGIN_MESSAGE_MAP(CReelInfoDlg, CTapeUtilityDlg)
    ON_BN_CLICKED(IDC_TAPE_PRINT_LABELS, OnLabelsClicked)
    ON_BN_CLICKED(IDC_TAPE_PRINT_FILES, OnFilesClicked)
    ON_BN_CLICKED(IDC_TAPE_PRINT_DATASETS, OnDatasetsClicked)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

CReelInfoDlg::CReelInfoDlg() : CTapeUtilityDlg(IDD, kTexts) {}

void CReelInfoDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("bPrintLabels", m_bPrintLabels);
    GetSetting("bPrintFiles", m_bPrintFiles);
    GetSetting("bPrintDatasets", m_bPrintDatasets);
}

void CReelInfoDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("bPrintLabels", m_bPrintLabels);
    WriteSetting("bPrintFiles", m_bPrintFiles);
    WriteSetting("bPrintDatasets", m_bPrintDatasets);
}

void CReelInfoDlg::ExchangeFields(CDataExchange* pDX)
{
    ExchangeFiles(pDX);
    ExchangeCheck(pDX, IDC_TAPE_PRINT_LABELS, m_bPrintLabels);
    ExchangeCheck(pDX, IDC_TAPE_PRINT_FILES, m_bPrintFiles);
    ExchangeCheck(pDX, IDC_TAPE_PRINT_DATASETS, m_bPrintDatasets);
}

void CReelInfoDlg::OnLabelsClicked()
{
    if (!IsChecked(IDC_TAPE_PRINT_LABELS))
        SetCheck(IDC_TAPE_PRINT_FILES, true);
    else
        SetCheck(IDC_TAPE_PRINT_DATASETS, false);
}

void CReelInfoDlg::OnFilesClicked()
{
    if (!IsChecked(IDC_TAPE_PRINT_FILES))
        SetCheck(IDC_TAPE_PRINT_LABELS, true);
    else
        SetCheck(IDC_TAPE_PRINT_DATASETS, false);
}

void CReelInfoDlg::OnDatasetsClicked()
{
    bool bDatasets = IsChecked(IDC_TAPE_PRINT_DATASETS);
    if (bDatasets) {
        m_bSavedLabels = IsChecked(IDC_TAPE_PRINT_LABELS);
        m_bSavedFiles = IsChecked(IDC_TAPE_PRINT_FILES);
    }
    SetCheck(IDC_TAPE_PRINT_LABELS, !bDatasets && m_bSavedLabels);
    SetCheck(IDC_TAPE_PRINT_FILES, !bDatasets && m_bSavedFiles);
    EnableControls({IDC_TAPE_PRINT_LABELS, IDC_TAPE_PRINT_FILES}, !bDatasets);
}

bool CReelInfoDlg::ValidateOptions(CDataExchange*)
{
    m_strOptionWords = ReelInfoWord(m_bPrintLabels, m_bPrintFiles);
    return true;
}

bool CReelInfoDlg::CheckInputFiles(CDataExchange* pDX)
{
    return CheckInput(pDX, "Input Filename");
}

void CReelInfoDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord();
    m_strTitle = strWord + " " + m_strInputNameExt;
    m_strCommandLine = strWord + " " + m_strOptionWords;
    AppendCommandFile(m_strCommandLine, m_strInputFile);
    m_nExpectedTotal = (INT64)m_ullInputSize;
}

void CReelInfoDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepHeight(pPos);
    CTapeUtilityDlg::OnWindowPosChanging(pPos);
}

std::vector<CUtilityDlg::SHelpRow> CReelInfoDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_REELINFO},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_REELINFO},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_TAPE_INPUT_BROWSE},
        {IDC_TAPE_PRINT_LABELS, IDS_HELP_TAPE_PRINT_LABELS},
        {IDC_TAPE_PRINT_FILES, IDS_HELP_TAPE_PRINT_FILES},
        {IDC_TAPE_PRINT_DATASETS, IDS_HELP_TAPE_PRINT_DATASETS},
    };
}
