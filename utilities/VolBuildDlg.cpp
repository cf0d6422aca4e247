// VolBuildDlg.cpp: the disk loader's dialog.
#include "utilities/VolBuildDlg.h"

#include <commctrl.h>

#include "config/FieldValidators.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "utilities/UtilityRules.h"

namespace {

const int kMaxMsgLevel = 5;

}  // namespace

BEGIN_MESSAGE_MAP(CVolBuildDlg, CImageCopyDlg)
    ON_BN_CLICKED(IDC_UTIL_COMPRESS, OnCompressClicked)
END_MESSAGE_MAP()

void CVolBuildDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
    GetSetting("bAltCyls", m_bAltCyls);
    GetSetting("bCompressOutput", m_bCompressOutput);
    GetSetting("nCompressionOption", m_nCompressionOption);
    GetSetting("bLFS", m_bLFS);
    GetSetting("bCKD64", m_bCkd64);
    GetSetting("nMsgLevel", m_nMsgLevel);
    if (m_nCompressionOption != 1)
        m_nCompressionOption = 0;
    if (m_nMsgLevel < 0 || m_nMsgLevel > kMaxMsgLevel)
        m_nMsgLevel = 1;
}

void CVolBuildDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
    WriteSetting("bAltCyls", m_bAltCyls);
    WriteSetting("bCompressOutput", m_bCompressOutput);
    WriteSetting("nCompressionOption", m_nCompressionOption);
    WriteSetting("bLFS", m_bLFS);
    WriteSetting("bCKD64", m_bCkd64);
    WriteSetting("nMsgLevel", m_nMsgLevel);
}

void CVolBuildDlg::ExchangeFields(CDataExchange* pDX)
{
    CImageCopyDlg::ExchangeFields(pDX);
    ExchangeCheck(pDX, IDC_UTIL_ALT_CYLS, m_bAltCyls);
    ExchangeCheck(pDX, IDC_UTIL_COMPRESS, m_bCompressOutput);
    DDX_Radio(pDX, IDC_UTIL_ZLIB, m_nCompressionOption);
    // While compressing the box shows "ticked" and the stored choice stays.
    if (!pDX->m_bSaveAndValidate || !m_bCompressOutput)
        ExchangeCheck(pDX, IDC_UTIL_LARGE_FILE, m_bLFS);
    ExchangeCheck(pDX, IDC_UTIL_CKD64, m_bCkd64);
    DDX_Slider(pDX, IDC_UTIL_MSG_LEVEL, m_nMsgLevel);
}

void CVolBuildDlg::InitControls()
{
    SendDlgItemMessage(IDC_UTIL_MSG_LEVEL, TBM_SETRANGE, TRUE, MAKELPARAM(0, kMaxMsgLevel));
    SendDlgItemMessage(IDC_UTIL_MSG_LEVEL, TBM_SETPOS, TRUE, (LPARAM)m_nMsgLevel);
    UpdateCompressionControls(m_bCompressOutput, m_bLFS);
}

bool CVolBuildDlg::ValidateOptions(CDataExchange*)
{
    m_strOptionWords.Empty();
    if (m_bAltCyls)
        m_strOptionWords += " -a";
    if (m_bCompressOutput)
        m_strOptionWords += m_nCompressionOption == 1 ? " -bz2" : " -z";
    else if (m_bLFS)
        m_strOptionWords += " -lfs";
    TrimBlanks(m_strOptionWords);
    return true;
}

bool CVolBuildDlg::CheckInputFiles(CDataExchange* pDX)
{
    pDX->PrepareEditCtrl(IDC_UTIL_INPUT_FILE);
    return DDV_InputFile(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, "Input File", &m_strInputNameExt,
                         &m_ullControlFileSize);
}

void CVolBuildDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord(Wants64BitProgram(Has64BitUtilities(), m_bCkd64, 0));
    CString strSeparator = m_strOptionWords.IsEmpty() ? "" : " ";
    CString strLevel;
    strLevel.Format("%d", m_nMsgLevel);
    m_strTitle = strWord + " " + m_strOptionWords + strSeparator + m_strInputNameExt + " " + m_strOutputPath;
    m_strCommandLine = strWord + " " + m_strOptionWords + strSeparator + QuoteIfNeeded(m_strInputFile, '"');
    AppendCommandFile(m_strCommandLine, m_strOutputPath);
    AppendCommandGroup(m_strCommandLine, strLevel);
    m_nExpectedTotal = (INT64)m_ullControlFileSize;
}

std::vector<CUtilityDlg::SHelpRow> CVolBuildDlg::HelpRows() const
{
    std::vector<SHelpRow> rows = CImageCopyDlg::HelpRows();
    rows.push_back({IDC_UTIL_INPUT_FILE, IDS_HELP_UTIL_CONTROL_FILE});
    rows.push_back({IDC_UTIL_INPUT_GROUP, IDS_HELP_UTIL_CONTROL_FILE});
    AddCompressionHelpRows(rows);
    rows.push_back({IDC_UTIL_MSG_LEVEL, IDS_HELP_UTIL_MSG_LEVEL});
    rows.push_back({IDC_UTIL_MSG_LEVEL_LABEL, IDS_HELP_UTIL_MSG_LEVEL});
    return rows;
}

void CVolBuildDlg::OnCompressClicked()
{
    TakeCompressionBox(m_bCompressOutput, m_bLFS);
}
