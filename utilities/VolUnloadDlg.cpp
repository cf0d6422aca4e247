// VolUnloadDlg.cpp: the VOLUNLOAD dialog.
#include "utilities/VolUnloadDlg.h"

#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "utilities/VolContentsRules.h"

BEGIN_MESSAGE_MAP(CVolUnloadDlg, CUtilityDlg)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowseImage)
    ON_BN_CLICKED(IDC_VOLUNLOAD_SHADOW_BROWSE, OnBrowseShadow)
    ON_BN_CLICKED(IDC_UTIL_OUTPUT_DIR_BROWSE, OnBrowseOutputDirectory)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

void CVolUnloadDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("strShadowFile", m_strShadowFile);
    GetSetting("strOutputDirectory", m_strOutputDirectory);
    GetSetting("strPDSName", m_strPDSName);
    GetSetting("nUnloadOption", m_nUnloadOption);
    if (m_nUnloadOption != kUnloadBinary)
        m_nUnloadOption = kUnloadAscii;
}

void CVolUnloadDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("strShadowFile", m_strShadowFile);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strPDSName", m_strPDSName);
    WriteSetting("nUnloadOption", m_nUnloadOption);
}

void CVolUnloadDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
    DDX_Text(pDX, IDC_VOLUNLOAD_SHADOW, m_strShadowFile);
    DDX_Text(pDX, IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
    DDX_Text(pDX, IDC_VOLUNLOAD_PDS, m_strPDSName);
    DDX_Radio(pDX, IDC_VOLUNLOAD_ASCII, m_nUnloadOption);
}

// An empty or missing image is told as such before its format is judged.
// The data set name is passed on as typed (trimmed); the output folder is
// the picker's choice and is not checked again.
bool CVolUnloadDlg::CheckInputFiles(CDataExchange* pDX)
{
    if (!CheckInputImage(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, "Input DASD Image", m_strInputNameExt,
                         m_ullImageSize) ||
        !CheckShadowFile(pDX, m_strShadowFile, IDC_VOLUNLOAD_SHADOW, "Shadow Filename"))
        return false;
    if (TrimBlanks(m_strPDSName).IsEmpty())
        return Refuse(pDX, IDC_VOLUNLOAD_PDS, "PDS Name",
                      "You must specify the name of the Partitioned Dataset to be unloaded.");
    return true;
}

void CVolUnloadDlg::BuildCommandLine()
{
    SaveSettings();
    m_strTitle = ProgramWord() + " " + m_strPDSName;
    m_strCommandLine = VolUnloadCommandLine(m_strInputFile, m_strShadowFile, m_strPDSName,
                                            m_nUnloadOption == kUnloadAscii, m_strOutputDirectory);
    m_nExpectedTotal = (INT64)m_ullImageSize;
}

std::vector<CUtilityDlg::SHelpRow> CVolUnloadDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_VOLUNLOAD},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_VOLUNLOAD},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_VOLUNLOAD_IMAGE},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_VOLUNLOAD_IMAGE},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_UTIL_DISK_BROWSE},
        {IDC_VOLUNLOAD_SHADOW_GROUP, IDS_HELP_UTIL_SHADOW_FILE},
        {IDC_VOLUNLOAD_SHADOW, IDS_HELP_UTIL_SHADOW_FILE},
        {IDC_VOLUNLOAD_SHADOW_BROWSE, IDS_HELP_UTIL_SHADOW_BROWSE},
        {IDC_VOLUNLOAD_PDS_LABEL, IDS_HELP_VOLUNLOAD_PDS},
        {IDC_VOLUNLOAD_PDS, IDS_HELP_VOLUNLOAD_PDS},
        {IDC_UTIL_OUTPUT_GROUP, IDS_HELP_VOLUNLOAD_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_VOLUNLOAD_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_VOLUNLOAD_OUTPUT_BROWSE},
        {IDC_UTIL_OPTIONS_GROUP, IDS_HELP_UTIL_OPTIONS},
        {IDC_VOLUNLOAD_ASCII, IDS_HELP_VOLUNLOAD_ASCII},
        {IDC_VOLUNLOAD_BINARY, IDS_HELP_VOLUNLOAD_BINARY},
    };
}

const CUtilityDlg::SLayoutRow* CVolUnloadDlg::LayoutRows(size_t& nCount) const
{
    static const SLayoutRow kLayout[] = {
        {IDC_UTIL_DESCRIPTION, 1},       {IDC_UTIL_INPUT_GROUP, 1},   {IDC_UTIL_INPUT_FILE, 1},
        {IDC_UTIL_INPUT_BROWSE, 2},      {IDC_VOLUNLOAD_SHADOW_GROUP, 1}, {IDC_VOLUNLOAD_SHADOW, 1},
        {IDC_VOLUNLOAD_SHADOW_BROWSE, 2}, {IDC_VOLUNLOAD_PDS, 1},     {IDC_UTIL_OUTPUT_GROUP, 1},
        {IDC_UTIL_OUTPUT_DIR, 1},        {IDC_UTIL_OUTPUT_DIR_BROWSE, 2}, {IDC_UTIL_OPTIONS_GROUP, 1},
        {IDOK, 3},                       {IDCANCEL, 3},
    };
    nCount = sizeof kLayout / sizeof kLayout[0];
    return kLayout;
}

void CVolUnloadDlg::OnBrowseImage()
{
    BrowseInputFile(IDC_UTIL_INPUT_FILE, m_strInputFile, "Disk Input file");
}

void CVolUnloadDlg::OnBrowseShadow()
{
    BrowseInputFile(IDC_VOLUNLOAD_SHADOW, m_strShadowFile, "Shadow File Input");
}

void CVolUnloadDlg::OnBrowseOutputDirectory()
{
    BrowseOutputDirectory(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory,
                          "Select which directory to create the unloaded files in.");
}

void CVolUnloadDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepHeight(pPos);
    CUtilityDlg::OnWindowPosChanging(pPos);
}
