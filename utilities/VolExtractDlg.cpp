// VolExtractDlg.cpp: the VOLEXTRACT dialog.
#include "utilities/VolExtractDlg.h"

#include "config/FieldRules.h"
#include "config/FieldValidators.h"
#include "config/FileDialogs.h"
#include "platform/BrowseForDirectory.h"
#include "platform/CDataExchange.h"
#include "platform/CSplitPath.h"
#include "platform/DDX.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"
#include "platform/Trace.h"
#include "utilities/VolContentsRules.h"

namespace {

const char kAllFilesFilter[] = "All Files (*.*)|*.*||";
const int kMaxDatasetName = 44;

}  // namespace

BEGIN_MESSAGE_MAP(CVolExtractDlg, CUtilityDlg)
    ON_BN_CLICKED(IDC_VOLEXTRACT_ASCII, OnAsciiClicked)
    ON_BN_CLICKED(IDC_VOLEXTRACT_RECORD, OnRecordClicked)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowseImage)
    ON_BN_CLICKED(IDC_VOLEXTRACT_SHADOW_BROWSE, OnBrowseShadow)
    ON_BN_CLICKED(IDC_UTIL_OUTPUT_DIR_BROWSE, OnBrowseOutputDirectory)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

void CVolExtractDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("strShadowFile", m_strShadowFile);
    GetSetting("strOutputDirectory", m_strOutputDirectory);
    GetSetting("strDataset", m_strDataset);
    GetSetting("bASCIIMode", m_bASCIIMode);
    GetSetting("bRecordMode", m_bRecordMode);
    // The view made the disk files folder current before opening.
    if (m_strOutputDirectory.IsEmpty())
        m_strOutputDirectory = WindowsizedDirectory(GetStdCurrentDirectory());
}

void CVolExtractDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("strShadowFile", m_strShadowFile);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strDataset", m_strDataset);
    WriteSetting("bASCIIMode", m_bASCIIMode);
    WriteSetting("bRecordMode", m_bRecordMode);
}

void CVolExtractDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
    DDX_Text(pDX, IDC_VOLEXTRACT_SHADOW, m_strShadowFile);
    DDX_Text(pDX, IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
    DDX_Text(pDX, IDC_VOLEXTRACT_DATASET, m_strDataset);
    DDX_CheckBool(pDX, IDC_VOLEXTRACT_ASCII, m_bASCIIMode);
    DDX_CheckBool(pDX, IDC_VOLEXTRACT_RECORD, m_bRecordMode);
}

void CVolExtractDlg::InitControls()
{
    SendDlgItemMessage(IDC_VOLEXTRACT_DATASET, EM_LIMITTEXT, kMaxDatasetName, 0);
}

bool CVolExtractDlg::CheckInputFiles(CDataExchange* pDX)
{
    pDX->PrepareEditCtrl(IDC_UTIL_INPUT_FILE);
    if (!DDV_InputFile(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, "Dasd image file", &m_strInputNameExt,
                       &m_ullImageSize) ||
        !CheckShadowFile(pDX, m_strShadowFile, IDC_VOLEXTRACT_SHADOW, "Shadow file"))
        return false;
    pDX->PrepareEditCtrl(IDC_UTIL_OUTPUT_DIR);
    if (!DDV_OutputDirectory(pDX, m_strOutputDirectory, IDC_UTIL_OUTPUT_DIR, "Output directory",
                             "Directory does not exist or is invalid."))
        return false;
    if (!IsValidDatasetName(m_strDataset))
        return Refuse(pDX, IDC_VOLEXTRACT_DATASET, "Dataset name", "Invalid DSN syntax");
    if (m_bASCIIMode && m_bRecordMode)  // only from the stored settings: a click clears the other box
        return Refuse(pDX, IDC_VOLEXTRACT_ASCII, "ASCII Mode",
                      "ASCII mode and Record mode are mutually exclusive from one another. Choose one or the "
                      "other or neither.");
    return true;
}

void CVolExtractDlg::BuildCommandLine()
{
    SaveSettings();
    m_strTitle = ProgramWord() + " " + m_strInputNameExt + " " + m_strDataset;
    // The utility writes the extracted file into its current folder.
    if (!::SetCurrentDirectoryA(m_strOutputDirectory))
        TRACE_FAILED_CALL("SetCurrentDirectoryA(m_strOutputDirectory)");
    m_strCommandLine = VolExtractCommandLine(m_bASCIIMode, m_bRecordMode, m_strInputFile, m_strShadowFile,
                                             m_strDataset);
    m_nExpectedTotal = (INT64)m_ullImageSize;
}

std::vector<CUtilityDlg::SHelpRow> CVolExtractDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_VOLEXTRACT},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_VOLEXTRACT},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_VOLEXTRACT_IMAGE},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_VOLEXTRACT_IMAGE},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_UTIL_DISK_BROWSE},
        {IDC_VOLEXTRACT_SHADOW_LABEL, IDS_HELP_UTIL_SHADOW_FILE},
        {IDC_VOLEXTRACT_SHADOW, IDS_HELP_UTIL_SHADOW_FILE},
        {IDC_VOLEXTRACT_SHADOW_BROWSE, IDS_HELP_UTIL_SHADOW_BROWSE},
        {IDC_UTIL_OUTPUT_GROUP, IDS_HELP_VOLEXTRACT_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_VOLEXTRACT_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_UTIL_OUTPUT_DIR_BROWSE},
        {IDC_VOLEXTRACT_DATASET, IDS_HELP_VOLEXTRACT_DATASET},
        {IDC_UTIL_OPTIONS_GROUP, IDS_HELP_UTIL_OPTIONS},
        {IDC_VOLEXTRACT_ASCII, IDS_HELP_VOLEXTRACT_ASCII},
        {IDC_VOLEXTRACT_RECORD, IDS_HELP_VOLEXTRACT_RECORD},
    };
}

const CUtilityDlg::SLayoutRow* CVolExtractDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_DESCRIPTION, 1},         {IDC_UTIL_INPUT_GROUP, 1},         {IDC_UTIL_INPUT_FILE, 1},
        {IDC_UTIL_INPUT_BROWSE, 2},        {IDC_VOLEXTRACT_SHADOW_LABEL, 1},  {IDC_VOLEXTRACT_SHADOW, 1},
        {IDC_VOLEXTRACT_SHADOW_BROWSE, 2}, {IDC_UTIL_OUTPUT_GROUP, 1},        {IDC_UTIL_OUTPUT_DIR, 1},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, 2},   {IDC_VOLEXTRACT_DATASET, 1},       {IDC_UTIL_OPTIONS_GROUP, 1},
        {IDOK, 3},                         {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}

void CVolExtractDlg::TakeMode(UINT nBox, bool& bMode, UINT nOtherBox, bool& bOtherMode)
{
    bMode = IsDlgButtonChecked((int)nBox) == BST_CHECKED;
    if (bMode && bOtherMode) {
        bOtherMode = false;
        CheckDlgButton((int)nOtherBox, BST_UNCHECKED);
    }
}

void CVolExtractDlg::OnAsciiClicked()
{
    TakeMode(IDC_VOLEXTRACT_ASCII, m_bASCIIMode, IDC_VOLEXTRACT_RECORD, m_bRecordMode);
}

void CVolExtractDlg::OnRecordClicked()
{
    TakeMode(IDC_VOLEXTRACT_RECORD, m_bRecordMode, IDC_VOLEXTRACT_ASCII, m_bASCIIMode);
}

void CVolExtractDlg::OnBrowseImage()
{
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    BrowseForFile(kAllFilesFilter, m_strInputFile, "Input DASD file", GroupFolder(), GetDlgItem(IDC_UTIL_INPUT_FILE),
                  true);
}

void CVolExtractDlg::OnBrowseShadow()
{
    GetDlgItemText(IDC_VOLEXTRACT_SHADOW, m_strShadowFile);
    BrowseForFile(kAllFilesFilter, m_strShadowFile, "Input Shadow file", GroupFolder(),
                  GetDlgItem(IDC_VOLEXTRACT_SHADOW), true);
}

// The picker starts in the folder part of the output folder's text (the
// current folder when it is empty).
void CVolExtractDlg::OnBrowseOutputDirectory()
{
    GetDlgItemText(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
    CString strStart = m_strOutputDirectory.IsEmpty() ? WindowsizedDirectory(GetStdCurrentDirectory())
                                                      : CSplitPath(m_strOutputDirectory).GetFullPathOnly();
    if (BrowseForDirectoryEx(m_hWnd, "Select the extracted output file directory.", strStart, m_strOutputDirectory))
        SetDlgItemText(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
}

void CVolExtractDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepHeight(pPos);
    CUtilityDlg::OnWindowPosChanging(pPos);
}
