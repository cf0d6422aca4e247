// PackLayoutDlg.cpp: the compressed-image map dialog.
#include "utilities/PackLayoutDlg.h"

#include "config/FieldValidators.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "utilities/PackRules.h"
#include "utilities/UtilityRules.h"

BEGIN_MESSAGE_MAP(CPackLayoutDlg, CUtilityDlg)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowse)
    ON_BN_CLICKED(IDC_PACKLAYOUT_SUMMARY, OnSummaryClicked)
    ON_BN_CLICKED(IDC_PACKLAYOUT_TRACKDATA, OnTrackDataClicked)
    ON_BN_CLICKED(IDC_UTIL_VERBOSE, OnVerboseClicked)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

void CPackLayoutDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("bSummaryOnly", m_bSummaryOnly);
    GetSetting("bConsolidatedTrackData", m_bConsolidatedTrackData);
    GetSetting("bVerboseTrackData", m_bVerboseTrackData);
}

void CPackLayoutDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("bSummaryOnly", m_bSummaryOnly);
    WriteSetting("bConsolidatedTrackData", m_bConsolidatedTrackData);
    WriteSetting("bVerboseTrackData", m_bVerboseTrackData);
}

void CPackLayoutDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_UTIL_INPUT_FILE, m_InputEdit);
    DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
    DDX_CheckBool(pDX, IDC_PACKLAYOUT_SUMMARY, m_bSummaryOnly);
    DDX_CheckBool(pDX, IDC_PACKLAYOUT_TRACKDATA, m_bConsolidatedTrackData);
    DDX_CheckBool(pDX, IDC_UTIL_VERBOSE, m_bVerboseTrackData);
}

bool CPackLayoutDlg::ValidateOptions(CDataExchange* pDX)
{
    if (PackLayoutOptionWords(m_bSummaryOnly, m_bConsolidatedTrackData, m_bVerboseTrackData, m_strOptionWords))
        return true;
    return Refuse(pDX, IDC_PACKLAYOUT_SUMMARY, "Summary Only",
                  "The Summary Only option can only be specified by itself.");
}

// Any disk image will do, compressed or not.
bool CPackLayoutDlg::CheckInputFiles(CDataExchange* pDX)
{
    return CheckInputImage(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, "Input File", m_strInputNameExt,
                           m_ullInputSize);
}

void CPackLayoutDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord();
    m_strTitle = strWord + " " + m_strOptionWords + m_strInputNameExt;
    m_strCommandLine = strWord + " " + m_strOptionWords + QuoteIfNeeded(m_strInputFile, '"');
    m_nExpectedTotal = (INT64)m_ullInputSize;
}

std::vector<CUtilityDlg::SHelpRow> CPackLayoutDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_PACKLAYOUT},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_PACKLAYOUT},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_UTIL_DISK_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_UTIL_DISK_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_UTIL_DISK_BROWSE},
        {IDC_UTIL_OPTIONS_GROUP, IDS_HELP_UTIL_OPTIONS},
        {IDC_PACKLAYOUT_SUMMARY, IDS_HELP_PACKLAYOUT_SUMMARY},
        {IDC_PACKLAYOUT_TRACKDATA, IDS_HELP_PACKLAYOUT_TRACKDATA},
        {IDC_UTIL_VERBOSE, IDS_HELP_PACKLAYOUT_VERBOSE},
    };
}

const CUtilityDlg::SLayoutRow* CPackLayoutDlg::LayoutRows(size_t& nCount) const
{
    return InputAndOptionsLayoutRows(nCount);
}

void CPackLayoutDlg::OnBrowse()
{
    BrowseInputFile(IDC_UTIL_INPUT_FILE, m_strInputFile, "Disk Input File");
}

void CPackLayoutDlg::OptionClicked(UINT nCtrl)
{
    const struct {
        UINT nCtrl;
        bool* pFlag;
    } kBoxes[] = {{IDC_PACKLAYOUT_SUMMARY, &m_bSummaryOnly},
                  {IDC_PACKLAYOUT_TRACKDATA, &m_bConsolidatedTrackData},
                  {IDC_UTIL_VERBOSE, &m_bVerboseTrackData}};
    bool bTicked = IsDlgButtonChecked((int)nCtrl) == BST_CHECKED;
    for (const auto& box : kBoxes) {
        if (box.nCtrl == nCtrl) {
            *box.pFlag = bTicked;
        } else if (bTicked) {
            *box.pFlag = false;
            CheckDlgButton((int)box.nCtrl, BST_UNCHECKED);
        }
    }
}

void CPackLayoutDlg::OnSummaryClicked()
{
    OptionClicked(IDC_PACKLAYOUT_SUMMARY);
}

void CPackLayoutDlg::OnTrackDataClicked()
{
    OptionClicked(IDC_PACKLAYOUT_TRACKDATA);
}

void CPackLayoutDlg::OnVerboseClicked()
{
    OptionClicked(IDC_UTIL_VERBOSE);
}

void CPackLayoutDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepHeight(pPos);
    CUtilityDlg::OnWindowPosChanging(pPos);
}
