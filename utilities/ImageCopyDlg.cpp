// ImageCopyDlg.cpp: the dialogs that read one disk image and write another,
// and their table.
#include "utilities/ImageCopyDlg.h"

#include "config/DasdImage.h"
#include "config/FieldValidators.h"
#include "config/FileDialogs.h"
#include "platform/AfxAssert.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "resources/resource.h"
#include "utilities/OneFileUtilityDlg.h"
#include "utilities/UtilityRules.h"

// One option box: its control, settings key, word and default.
struct SCopyOption {
    UINT nCtrl;
    const char* pszKey;
    const char* pszWord;
    bool bDefault;
    UINT nHelp;
};

struct CImageCopyDlg::SRow {
    UINT nTemplate;
    SCopyOption options[kMaxOptions];  // ended by a row with no control
    bool bCompressedInputOnly;         // WidenVol: "not a CCKD type" otherwise
    bool bCkd64Box;                    // VolRecast: the 64-bit box and program
    bool bWritesPathKeys;              // VolRecast: "InputFile" and "OutputFile"
    UINT nDialogHelp;
    const char* pszOutputLabel;
    const char* pszInputTitle;         // of the input's browse button
    const char* pszOutputTitle;        // of the output file's browse button
    bool bOverwritePrompt;             // that file dialog asks before replacing
};

namespace {

using SRow = CImageCopyDlg::SRow;

const SRow kRows[] = {
    {IDD_WIDENVOL,
     {{IDC_UTIL_REPLACE, "bReplace", "-r", false, IDS_HELP_UTIL_REPLACE},
      {IDC_UTIL_QUIET, "bQuiet", "-q", false, IDS_HELP_UTIL_QUIET},
      {IDC_UTIL_VERBOSE, "bVerbose", "-v", false, IDS_HELP_UTIL_VERBOSE}},
     true, false, false, IDS_HELP_WIDENVOL, "Output Filename", "Input dasd image file", "Output dasd image file",
     false},
    {IDD_VOLRECAST,
     {{IDC_UTIL_REPLACE, "bReplaceOutput", "-r", false, IDS_HELP_UTIL_REPLACE},
      {IDC_UTIL_LARGE_FILE, "bLargeFile", "-lfs", true, IDS_HELP_UTIL_LARGE_FILE},
      {0, nullptr, nullptr, false, 0}},
     false, true, true, IDS_HELP_VOLRECAST, "Output Filename", "Input dasd image file", "Output dasd image file",
     false},
    {IDD_VOLBUILD, {{0, nullptr, nullptr, false, 0}}, false, true, false, IDS_HELP_VOLBUILD, "Output File",
     "Input control file", "Disk Output file", true},
    {IDD_VOLCLONE, {{0, nullptr, nullptr, false, 0}}, false, true, false, IDS_HELP_VOLCLONE, "Output Filename",
     "Disk Input File", "Disk Output file", false},
};

const SRow* FindRow(UINT nTemplate)
{
    for (const SRow& row : kRows)
        if (row.nTemplate == nTemplate)
            return &row;
    return nullptr;
}

const char kAllFilesFilter[] = "All Files (*.*)|*.*||";
const char kOutputPrompt[] = "Select which directory to create the output dasd image file in.";

}  // namespace

BEGIN_MESSAGE_MAP(CImageCopyDlg, CUtilityDlg)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowseInput)
    ON_BN_CLICKED(IDC_UTIL_OUTPUT_DIR_BROWSE, OnBrowseOutputDirectory)
    ON_BN_CLICKED(IDC_UTIL_OUTPUT_FILE_BROWSE, OnBrowseOutputFile)
END_MESSAGE_MAP()

CImageCopyDlg::CImageCopyDlg(UINT nIDTemplate) : CUtilityDlg(nIDTemplate), m_pRow(FindRow(nIDTemplate))
{
    ASSERT(m_pRow);
    for (int i = 0; i < kMaxOptions; ++i)
        m_bOptions[i] = m_pRow->options[i].bDefault;
}

void CImageCopyDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
    for (int i = 0; i < kMaxOptions && m_pRow->options[i].nCtrl; ++i)
        GetSetting(m_pRow->options[i].pszKey, m_bOptions[i]);
    if (m_pRow->bCkd64Box)
        GetSetting("bCKD64", m_bCkd64);
}

void CImageCopyDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
    for (int i = 0; i < kMaxOptions && m_pRow->options[i].nCtrl; ++i)
        WriteSetting(m_pRow->options[i].pszKey, m_bOptions[i]);
    if (m_pRow->bCkd64Box)
        WriteSetting("bCKD64", m_bCkd64);
}

void CImageCopyDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_UTIL_INPUT_FILE, m_InputEdit);
    DDX_Control(pDX, IDC_UTIL_OUTPUT_FILE, m_OutputEdit);
    DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
    DDX_Text(pDX, IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
    DDX_Text(pDX, IDC_UTIL_OUTPUT_FILE, m_strOutputFile);
    for (int i = 0; i < kMaxOptions && m_pRow->options[i].nCtrl; ++i)
        ExchangeCheck(pDX, (int)m_pRow->options[i].nCtrl, m_bOptions[i]);
    if (m_pRow->bCkd64Box)
        ExchangeCheck(pDX, IDC_UTIL_CKD64, m_bCkd64);
}

// The option words; never fails.
bool CImageCopyDlg::ValidateOptions(CDataExchange*)
{
    m_strOptionWords.Empty();
    for (int i = 0; i < kMaxOptions && m_pRow->options[i].nCtrl; ++i)
        if (m_bOptions[i])
            m_strOptionWords += CString(" ") + m_pRow->options[i].pszWord;
    TrimBlanks(m_strOptionWords);
    return true;
}

// The file check first (a missing name is told as such), then the kind.
bool CImageCopyDlg::CheckInputFiles(CDataExchange* pDX)
{
    pDX->PrepareEditCtrl(IDC_UTIL_INPUT_FILE);
    if (!DDV_InputFile(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, "Input Filename", &m_strInputNameExt))
        return false;
    BYTE bType = ReadInputImageType(m_strInputFile);
    if (bType == DASD_IMAGE_UNKNOWN)
        return Refuse(pDX, IDC_UTIL_INPUT_FILE, "Input Filename", COneFileUtilityDlg::kUnknownImageText);
    if (m_pRow->bCompressedInputOnly && !IsCompressedImageType(bType))
        return Refuse(pDX, IDC_UTIL_INPUT_FILE, "Input File", "Selected input dasd image file is not a CCKD type.");
    return true;
}

bool CImageCopyDlg::CheckOutputFile(CDataExchange* pDX)
{
    return CheckOutputPath(pDX, m_strOutputDirectory, m_strOutputFile, IDC_UTIL_OUTPUT_FILE, m_pRow->pszOutputLabel);
}

void CImageCopyDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord(m_pRow->bCkd64Box && Wants64BitProgram(Has64BitUtilities(), m_bCkd64, 0));
    if (m_pRow->bWritesPathKeys) {
        WriteSetting("InputFile", m_strInputFile);
        WriteSetting("OutputFile", m_strOutputFile);
    }
    m_strTitle = strWord + " " + m_strOptionWords + " " + m_strInputNameExt + " " + m_strOutputPath;
    m_strCommandLine = strWord;
    AppendCommandGroup(m_strCommandLine, m_strOptionWords);
    AppendCommandFile(m_strCommandLine, m_strInputFile);
    AppendCommandFile(m_strCommandLine, m_strOutputPath);
    m_nExpectedTotal = 0;
}

std::vector<CUtilityDlg::SHelpRow> CImageCopyDlg::HelpRows() const
{
    std::vector<SHelpRow> rows = {
        {0, m_pRow->nDialogHelp},
        {IDC_UTIL_DESCRIPTION, m_pRow->nDialogHelp},
        {IDC_UTIL_INPUT_GROUP2, IDS_HELP_UTIL_DISK_INPUT},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_UTIL_DISK_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_UTIL_DISK_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_UTIL_DISK_BROWSE},
        {IDC_UTIL_OUTPUT_GROUP, IDS_HELP_UTIL_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_UTIL_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_UTIL_OUTPUT_DIR_BROWSE},
        {IDC_UTIL_OUTPUT_FILE, IDS_HELP_UTIL_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, IDS_HELP_UTIL_OUTPUT_FILE_BROWSE},
        {IDC_UTIL_OPTIONS_GROUP, IDS_HELP_UTIL_OPTIONS},
    };
    for (int i = 0; i < kMaxOptions && m_pRow->options[i].nCtrl; ++i)
        rows.push_back({m_pRow->options[i].nCtrl, m_pRow->options[i].nHelp});
    if (m_pRow->bCkd64Box)
        rows.push_back({IDC_UTIL_CKD64, IDS_HELP_UTIL_CKD64});
    return rows;
}

const CUtilityDlg::SLayoutRow* CImageCopyDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_DESCRIPTION, 1},        {IDC_UTIL_INPUT_GROUP2, 1},        {IDC_UTIL_INPUT_GROUP, 1},
        {IDC_UTIL_INPUT_FILE, 1},         {IDC_UTIL_INPUT_BROWSE, 2},        {IDC_UTIL_OUTPUT_GROUP, 1},
        {IDC_UTIL_OUTPUT_DIR, 1},         {IDC_UTIL_OUTPUT_FILE, 1},         {IDC_UTIL_OUTPUT_DIR_BROWSE, 2},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, 2}, {IDC_UTIL_OPTIONS_GROUP, 1},       {IDC_UTIL_MSG_LEVEL, 1},
        {IDOK, 3},                        {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}

void CImageCopyDlg::OnBrowseInput()
{
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    BrowseForFile(kAllFilesFilter, m_strInputFile, m_pRow->pszInputTitle, m_strOutputDirectory,
                  GetDlgItem(IDC_UTIL_INPUT_FILE), true);
}

void CImageCopyDlg::OnBrowseOutputDirectory()
{
    BrowseOutputDirectory(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory, kOutputPrompt);
}

void CImageCopyDlg::OnBrowseOutputFile()
{
    GetDlgItemText(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
    GetDlgItemText(IDC_UTIL_OUTPUT_FILE, m_strOutputFile);
    BrowseOutputFile(IDC_UTIL_OUTPUT_DIR, IDC_UTIL_OUTPUT_FILE, m_strOutputDirectory, m_strOutputFile,
                     m_pRow->pszOutputTitle, m_pRow->bOverwritePrompt);
}

void CImageCopyDlg::TakeCompressionBox(bool& bCompress, bool& bSingleFile)
{
    bCompress = IsDlgButtonChecked(IDC_UTIL_COMPRESS) == BST_CHECKED;
    if (bCompress)
        bSingleFile = IsDlgButtonChecked(IDC_UTIL_LARGE_FILE) == BST_CHECKED;
    UpdateCompressionControls(bCompress, bSingleFile);
}

void CImageCopyDlg::AddCompressionHelpRows(std::vector<SHelpRow>& rows)
{
    rows.push_back({IDC_UTIL_ALT_CYLS, IDS_HELP_UTIL_ALT_CYLS});
    rows.push_back({IDC_UTIL_COMPRESS, IDS_HELP_UTIL_COMPRESS});
    rows.push_back({IDC_UTIL_ALGORITHM_LABEL, IDS_HELP_UTIL_COMPRESS});
    rows.push_back({IDC_UTIL_ALGORITHM_END, IDS_HELP_UTIL_COMPRESS});
    rows.push_back({IDC_UTIL_ZLIB, IDS_HELP_UTIL_ZLIB});
    rows.push_back({IDC_UTIL_BZIP2, IDS_HELP_UTIL_BZIP2});
    rows.push_back({IDC_UTIL_LARGE_FILE, IDS_HELP_UTIL_LARGE_FILE});
    rows.push_back({IDC_UTIL_CKD64, IDS_HELP_UTIL_CKD64});
}

void CImageCopyDlg::UpdateCompressionControls(bool bCompress, bool bSingleFile)
{
    for (UINT nID : {IDC_UTIL_ZLIB, IDC_UTIL_BZIP2, IDC_UTIL_ALGORITHM_LABEL, IDC_UTIL_ALGORITHM_END})
        ::EnableWindow(::GetDlgItem(m_hWnd, (int)nID), bCompress);
    ::CheckDlgButton(m_hWnd, IDC_UTIL_LARGE_FILE, bCompress || bSingleFile ? BST_CHECKED : BST_UNCHECKED);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_UTIL_LARGE_FILE), !bCompress);
}
