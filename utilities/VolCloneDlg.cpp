// VolCloneDlg.cpp: the dialog that copies a disk image.
#include "utilities/VolCloneDlg.h"

#include "config/DasdImage.h"
#include "config/FieldValidators.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "utilities/OneFileUtilityDlg.h"
#include "utilities/UtilityRules.h"
#include "utilities/VolContentsRules.h"

BEGIN_MESSAGE_MAP(CVolCloneDlg, CImageCopyDlg)
    ON_EN_UPDATE(IDC_UTIL_INPUT_FILE, OnInputUpdate)
    ON_BN_CLICKED(IDC_UTIL_ALT_CYLS, OnAltCylsClicked)
    ON_BN_CLICKED(IDC_UTIL_COMPRESS, OnCompressClicked)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowseInputFile)
    ON_BN_CLICKED(IDC_UTIL_SHADOW_BROWSE, OnBrowseShadowFile)
    ON_BN_CLICKED(IDC_UTIL_OUTPUT_DIR_BROWSE, OnBrowseOutputDir)
    ON_BN_CLICKED(IDC_UTIL_OUTPUT_FILE_BROWSE, OnBrowseOutputName)
END_MESSAGE_MAP()

void CVolCloneDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("strShadowFile", m_strShadowFile);
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
    GetSetting("bReplaceOutputFile", m_bReplaceOutputFile);
    GetSetting("bIncludeAltCyls", m_bIncludeAltCyls);
    GetSetting("bCompressOutput", m_bCompressOutput);
    GetSetting("nCompressionAlgorithm", m_nCompressionAlgorithm);
    GetSetting("bForceSingleOutput", m_bForceSingleOutput);
    GetSetting("bCKD64", m_bCkd64);
    if (m_nCompressionAlgorithm != 1)
        m_nCompressionAlgorithm = 0;
    ReadInputImageType(m_strInputFile);
}

void CVolCloneDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("strShadowFile", m_strShadowFile);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
    WriteSetting("bReplaceOutputFile", m_bReplaceOutputFile);
    WriteSetting("bIncludeAltCyls", m_bIncludeAltCyls);
    WriteSetting("bCompressOutput", m_bCompressOutput);
    WriteSetting("nCompressionAlgorithm", m_nCompressionAlgorithm);
    WriteSetting("bForceSingleOutput", m_bForceSingleOutput);
    WriteSetting("bCKD64", m_bCkd64);
}

// A disabled box shows a forced state; its field keeps the stored choice.
void CVolCloneDlg::ExchangeFields(CDataExchange* pDX)
{
    CImageCopyDlg::ExchangeFields(pDX);
    DDX_Text(pDX, IDC_UTIL_SHADOW_FILE, m_strShadowFile);
    ExchangeCheck(pDX, IDC_UTIL_REPLACE, m_bReplaceOutputFile);
    if (!pDX->m_bSaveAndValidate || IsCkdImageType(m_bInputImageType))
        ExchangeCheck(pDX, IDC_UTIL_ALT_CYLS, m_bIncludeAltCyls);
    ExchangeCheck(pDX, IDC_UTIL_COMPRESS, m_bCompressOutput);
    DDX_Radio(pDX, IDC_UTIL_ZLIB, m_nCompressionAlgorithm);
    if (!pDX->m_bSaveAndValidate || !m_bCompressOutput)
        ExchangeCheck(pDX, IDC_UTIL_LARGE_FILE, m_bForceSingleOutput);
}

void CVolCloneDlg::InitControls()
{
    UpdateAlternateBox();
    UpdateCompressionControls(m_bCompressOutput, m_bForceSingleOutput);
}

void CVolCloneDlg::UpdateAlternateBox()
{
    bool bCkd = IsCkdImageType(m_bInputImageType);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_UTIL_ALT_CYLS), bCkd);
    ::CheckDlgButton(m_hWnd, IDC_UTIL_ALT_CYLS, bCkd && m_bIncludeAltCyls ? BST_CHECKED : BST_UNCHECKED);
}

void CVolCloneDlg::OnInputUpdate()
{
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    TrimBlanks(m_strInputFile);
    ReadInputImageType(m_strInputFile);
    UpdateAlternateBox();
}

void CVolCloneDlg::OnAltCylsClicked()
{
    m_bIncludeAltCyls = IsDlgButtonChecked(IDC_UTIL_ALT_CYLS) == BST_CHECKED;
}

void CVolCloneDlg::OnCompressClicked()
{
    TakeCompressionBox(m_bCompressOutput, m_bForceSingleOutput);
}

void CVolCloneDlg::OnBrowseInputFile()
{
    BrowseInputFile(IDC_UTIL_INPUT_FILE, m_strInputFile, "Disk Input File");
}

void CVolCloneDlg::OnBrowseShadowFile()
{
    BrowseInputFile(IDC_UTIL_SHADOW_FILE, m_strShadowFile, "Shadow File Input");
}

void CVolCloneDlg::OnBrowseOutputDir()
{
    BrowseOutputDirectory(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory,
                          "Select which directory to create the output file in.");
}

void CVolCloneDlg::OnBrowseOutputName()
{
    GetDlgItemText(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
    GetDlgItemText(IDC_UTIL_OUTPUT_FILE, m_strOutputFile);
    BrowseOutputFile(IDC_UTIL_OUTPUT_DIR, IDC_UTIL_OUTPUT_FILE, m_strOutputDirectory, m_strOutputFile);
}

// The file check first (a missing name is told as such), then the kind.
bool CVolCloneDlg::CheckInputFiles(CDataExchange* pDX)
{
    pDX->PrepareEditCtrl(IDC_UTIL_INPUT_FILE);
    if (!DDV_InputFile(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, "Input Filename", &m_strInputNameExt,
                       &m_ullInputSize))
        return false;
    if (ReadInputImageType(m_strInputFile) == DASD_IMAGE_UNKNOWN)
        return Refuse(pDX, IDC_UTIL_INPUT_FILE, "Input Filename", COneFileUtilityDlg::kUnknownImageText);
    return CheckShadowFile(pDX, m_strShadowFile, IDC_UTIL_SHADOW_FILE, "Shadow Filename");
}

void CVolCloneDlg::BuildCommandLine()
{
    SaveSettings();
    SVolCloneChoice c;
    c.bInputImageType = ReadInputImageType(m_strInputFile);
    c.bReplace = m_bReplaceOutputFile;
    c.bAltCyls = m_bIncludeAltCyls;
    c.bCompress = m_bCompressOutput;
    c.nAlgorithm = m_nCompressionAlgorithm;
    c.bSingleFile = m_bForceSingleOutput;
    c.bCkd64 = m_bCkd64;
    c.bHas64BitUtilities = Has64BitUtilities();
    CString strWord = ProgramWord(VolCloneWants64BitProgram(c));
    m_strOptionWords = VolCloneOptionWords(c);
    m_strTitle = strWord + " " + m_strInputNameExt + " " + QuoteIfNeeded(m_strOutputFile, '"');
    m_strCommandLine = strWord;
    AppendCommandGroup(m_strCommandLine, m_strOptionWords);
    AppendCommandFile(m_strCommandLine, m_strInputFile);
    m_strCommandLine += ShadowArgument(m_strShadowFile);
    AppendCommandFile(m_strCommandLine, m_strOutputPath);
    m_nExpectedTotal = (INT64)m_ullInputSize;
}

std::vector<CUtilityDlg::SHelpRow> CVolCloneDlg::HelpRows() const
{
    std::vector<SHelpRow> rows = CImageCopyDlg::HelpRows();
    rows.push_back({IDC_UTIL_SHADOW_FILE, IDS_HELP_UTIL_SHADOW_FILE});
    rows.push_back({IDC_UTIL_SHADOW_BROWSE, IDS_HELP_UTIL_SHADOW_BROWSE});
    rows.push_back({IDC_UTIL_REPLACE, IDS_HELP_UTIL_REPLACE});
    AddCompressionHelpRows(rows);
    return rows;
}

const CUtilityDlg::SLayoutRow* CVolCloneDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_INPUT_GROUP2, 1},       {IDC_UTIL_INPUT_FILE, 1},     {IDC_UTIL_INPUT_BROWSE, 2},
        {IDC_UTIL_SHADOW_FILE, 1},        {IDC_UTIL_SHADOW_BROWSE, 2},  {IDC_UTIL_OUTPUT_GROUP, 1},
        {IDC_UTIL_OUTPUT_DIR, 1},         {IDC_UTIL_OUTPUT_FILE, 1},    {IDC_UTIL_OUTPUT_DIR_BROWSE, 2},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, 2}, {IDC_UTIL_OPTIONS_GROUP, 1},  {IDOK, 3},
        {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}
