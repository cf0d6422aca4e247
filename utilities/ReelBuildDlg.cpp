// ReelBuildDlg.cpp: the tape image builder's dialog.
#include "utilities/ReelBuildDlg.h"

#include <commctrl.h>

#include "config/CodePageHistory.h"
#include "config/FieldRules.h"
#include "config/FileDialogs.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/CSplitPath.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"
#include "utilities/TapeUtilityRules.h"
#include "utilities/UtilityRules.h"

namespace {

const CTapeUtilityDlg::SBrowseTexts kTexts = {"Input Data File",
                                              "Select which directory to create the output Tape file in.",
                                              "Tape Output file"};

}  // namespace

BEGIN_MESSAGE_MAP(CReelBuildDlg, CTapeUtilityDlg)
    ON_BN_CLICKED(IDC_TAPE_NON_LABELED, OnOptionClicked)
    ON_BN_CLICKED(IDC_TAPE_BINARY, OnOptionClicked)
    ON_BN_CLICKED(IDC_TAPE_UNIQUE, OnOptionClicked)
    ON_BN_CLICKED(IDC_TAPE_ANSI, OnOptionClicked)
    ON_CBN_SELENDOK(IDC_TAPE_CODEPAGE, OnCodePageChanged)
    ON_CBN_EDITCHANGE(IDC_TAPE_CODEPAGE, OnCodePageChanged)
    ON_EN_KILLFOCUS(IDC_TAPE_LRECL, OnLreclKillFocus)
    ON_NOTIFY(UDN_DELTAPOS, IDC_TAPE_LRECL_SPIN, OnLreclSpin)
END_MESSAGE_MAP()

CReelBuildDlg::CReelBuildDlg() : CTapeUtilityDlg(IDD, kTexts) {}

void CReelBuildDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("bMetaFile", m_bMetaFile);
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
    GetSetting("strVolser", m_strVolser);
    GetSetting("strDSN", m_strDSN);
    int n = (int)m_nLRECL;
    GetSetting("nLRECL", n);
    m_nLRECL = (UINT)n;
    n = (int)m_nBlockingFactor;
    GetSetting("nBlockingFactor", n);
    m_nBlockingFactor = (UINT)n;
    GetSetting("strCodePage", m_strCodePage);
    GetSetting("bUnique", m_bUnique);
    GetSetting("bBinary", m_bBinary);
    GetSetting("bNonLabeled", m_bNonLabeled);
    GetSetting("bANSI", m_bANSI);
}

void CReelBuildDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("bMetaFile", m_bMetaFile);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
    WriteSetting("strVolser", m_strVolser);
    WriteSetting("strDSN", m_strDSN);
    WriteSetting("nLRECL", (int)m_nLRECL);
    WriteSetting("nBlockingFactor", (int)m_nBlockingFactor);
    WriteSetting("strCodePage", m_strCodePage);
    WriteSetting("bUnique", m_bUnique);
    WriteSetting("bBinary", m_bBinary);
    WriteSetting("bNonLabeled", m_bNonLabeled);
    WriteSetting("bANSI", m_bANSI);
}

void CReelBuildDlg::ExchangeFields(CDataExchange* pDX)
{
    ExchangeFiles(pDX);
    DDX_Control(pDX, IDC_TAPE_CODEPAGE, m_CodePageCombo);
    ExchangeCheck(pDX, IDC_TAPE_META_FILE, m_bMetaFile);
    DDX_Text(pDX, IDC_UTIL_VOLSER, m_strVolser);
    DDX_Text(pDX, IDC_TAPE_DSN, m_strDSN);
    DDX_Text(pDX, IDC_TAPE_LRECL, m_nLRECL);
    DDX_Text(pDX, IDC_TAPE_BLOCK, m_nBlockingFactor);
    if (pDX->m_bSaveAndValidate)
        m_strCodePage = GetCodePage(IDC_TAPE_CODEPAGE);
    ExchangeCheck(pDX, IDC_TAPE_UNIQUE, m_bUnique);
    ExchangeCheck(pDX, IDC_TAPE_BINARY, m_bBinary);
    ExchangeCheck(pDX, IDC_TAPE_NON_LABELED, m_bNonLabeled);
    ExchangeCheck(pDX, IDC_TAPE_ANSI, m_bANSI);
}

void CReelBuildDlg::InitControls()
{
    SendDlgItemMessage(IDC_UTIL_VOLSER, EM_LIMITTEXT, 6);
    SendDlgItemMessage(IDC_TAPE_DSN, EM_LIMITTEXT, 17);
    SetSpinRange(IDC_TAPE_VOLSER_SPIN, 0, 999999);
    FillCodePageCombo(IDC_TAPE_CODEPAGE, m_strCodePage);
    SetSpinRange(IDC_TAPE_LRECL_SPIN, (int)kReelMinLrecl, (int)kReelMaxLrecl);
    // The blocking factor's maximum follows the restored record length.
    m_nMaxBlockingFactor = MaxBlockingFactor(m_nLRECL < kReelMinLrecl ? kReelMinLrecl : m_nLRECL);
    SetSpinRange(IDC_TAPE_BLOCK_SPIN, 1, (int)m_nMaxBlockingFactor);
    UpdateEnabling();
    m_bInitialized = true;
}

void CReelBuildDlg::UpdateEnabling()
{
    EnableControls({IDC_TAPE_VOLSER_LABEL, IDC_UTIL_VOLSER, IDC_TAPE_VOLSER_SPIN, IDC_TAPE_DSN_LABEL, IDC_TAPE_DSN},
                   !m_bNonLabeled);
    EnableControls({IDC_TAPE_CODEPAGE}, !m_bBinary && !m_bANSI);
}

void CReelBuildDlg::OnOptionClicked()
{
    m_bNonLabeled = IsChecked(IDC_TAPE_NON_LABELED);
    m_bBinary = IsChecked(IDC_TAPE_BINARY);
    m_bUnique = IsChecked(IDC_TAPE_UNIQUE);
    m_bANSI = IsChecked(IDC_TAPE_ANSI);
    UpdateEnabling();
}

void CReelBuildDlg::OnCodePageChanged()
{
    if (m_bInitialized)
        m_strCodePage = SelectedCodePage(IDC_TAPE_CODEPAGE);
}

void CReelBuildDlg::TakeLrecl(UINT nLrecl)
{
    m_nLRECL = nLrecl;
    CString strText;
    strText.Format("%d", (int)nLrecl);
    SetDlgItemText(IDC_TAPE_LRECL, strText);
    SendDlgItemMessage(IDC_TAPE_LRECL_SPIN, UDM_SETPOS32, 0, (LPARAM)nLrecl);
    m_nMaxBlockingFactor = MaxBlockingFactor(nLrecl);
    SetSpinRange(IDC_TAPE_BLOCK_SPIN, 1, (int)m_nMaxBlockingFactor);
    if (m_nBlockingFactor > m_nMaxBlockingFactor) {
        strText.Format("%u", m_nMaxBlockingFactor);
        SetDlgItemText(IDC_TAPE_BLOCK, strText);
    }
}

void CReelBuildDlg::OnLreclKillFocus()
{
    CString strText;
    GetDlgItemText(IDC_TAPE_LRECL, strText);
    TakeLrecl(ClampTypedNumber(strText, kReelMinLrecl, kReelMaxLrecl));
}

void CReelBuildDlg::OnLreclSpin(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMUPDOWN* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    TakeLrecl((UINT)StepSpinValue(pUpDown->iPos, pUpDown->iDelta, (int)kReelMinLrecl, (int)kReelMaxLrecl));
    *pResult = 1;
}

// The input file first, then the options, so that the output's overwrite
// question is the last one asked.
bool CReelBuildDlg::CheckInputFiles(CDataExchange* pDX)
{
    return CheckInput(pDX, "Input Filename") && CheckOptions(pDX);
}

bool CReelBuildDlg::CheckOptions(CDataExchange* pDX)
{
    SReelBuildWords words;
    if (!m_bNonLabeled) {
        words.strVolser = m_strVolser;
        TrimBlanks(words.strVolser);
        if (words.strVolser.IsEmpty())
            return Refuse(pDX, IDC_UTIL_VOLSER, "Volser", "You must enter a 1-6 character volume serial number.");
        if (!IsValidVolser(words.strVolser))
            return Refuse(pDX, IDC_UTIL_VOLSER, "Volser", "Invalid volume serial number.");
        words.strDsn = m_strDSN;
        TrimBlanks(words.strDsn);
        if (words.strDsn.IsEmpty())
            return Refuse(pDX, IDC_TAPE_DSN, "Dataset name", "You must enter a 1-17 character dataset name.");
        if (!IsValidTapeDatasetName(words.strDsn))
            return Refuse(pDX, IDC_TAPE_DSN, "Dataset name", "Invalid dataset name.");
    }
    if (m_nLRECL < kReelMinLrecl || m_nLRECL > kReelMaxLrecl)
        return Refuse(pDX, IDC_TAPE_LRECL, "LRECL", "Logical record length is too small or too large.");
    if (m_nBlockingFactor < 1 || m_nBlockingFactor > m_nMaxBlockingFactor)
        return Refuse(pDX, IDC_TAPE_BLOCK, "BLOCK", "Blocking factor is too small or too large.");
    if ((unsigned long long)m_nLRECL * m_nBlockingFactor > kAwsMaxBlockSize) {
        CString strText;
        strText.Format("LRECL %u and BLOCK %u exceeds maximum AWS blocksize of %u", m_nLRECL, m_nBlockingFactor,
                       kAwsMaxBlockSize);
        return Refuse(pDX, IDC_TAPE_BLOCK, "BLOCK", strText);
    }
    words.nLrecl = m_nLRECL;
    words.nBlockingFactor = m_nBlockingFactor;
    words.strCodePage = CodePageStored(m_strCodePage);
    TrimBlanks(words.strCodePage);
    words.bUnique = m_bUnique;
    words.bBinary = m_bBinary;
    words.bNonLabeled = m_bNonLabeled;
    words.bAnsi = m_bANSI;
    m_strOptionWords = ReelBuildWords(words);
    return true;
}

bool CReelBuildDlg::CheckOutputFile(CDataExchange* pDX)
{
    return CheckOutput(pDX, "Output File");
}

void CReelBuildDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord();
    m_strTitle = strWord + " " + m_strInputNameExt + " " + m_strOutputFile;
    CString strInput = (m_bMetaFile ? "@" : "") + m_strInputFile;
    m_strCommandLine = strWord + " IN: " + QuoteIfNeeded(strInput, '"') + " " + m_strOptionWords + " OUT: " +
                       QuoteIfNeeded(m_strOutputPath, '"');
    m_strCommandLine.TrimRight();
    m_nExpectedTotal = (INT64)m_ullInputSize;
}

// The data file is any file, first looked for where the current one is.
void CReelBuildDlg::OnBrowseInput()
{
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    CString strFolder =
        m_strInputFile.IsEmpty() ? GetStdCurrentDirectory() : CSplitPath(m_strInputFile).GetFullPathOnly();
    BrowseForFile("All Files (*.*)|*.*||", m_strInputFile, "Input Data File", strFolder,
                  GetDlgItem(IDC_UTIL_INPUT_FILE), true);
}

std::vector<CUtilityDlg::SHelpRow> CReelBuildDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_REELBUILD},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_REELBUILD},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_TAPE_INPUT_BROWSE},
        {IDC_TAPE_META_FILE, IDS_HELP_TAPE_META_FILE},
        {IDC_UTIL_OUTPUT_GROUP, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_FILE, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_TAPE_VOLSER_LABEL, IDS_HELP_TAPE_VOLSER},
        {IDC_UTIL_VOLSER, IDS_HELP_TAPE_VOLSER},
        {IDC_TAPE_VOLSER_SPIN, IDS_HELP_TAPE_VOLSER},
        {IDC_TAPE_DSN_LABEL, IDS_HELP_TAPE_DSN},
        {IDC_TAPE_DSN, IDS_HELP_TAPE_DSN},
        {IDC_TAPE_LRECL_LABEL, IDS_HELP_TAPE_LRECL},
        {IDC_TAPE_LRECL, IDS_HELP_TAPE_LRECL},
        {IDC_TAPE_LRECL_SPIN, IDS_HELP_TAPE_LRECL},
        {IDC_TAPE_BLOCK_LABEL, IDS_HELP_TAPE_BLOCK},
        {IDC_TAPE_BLOCK, IDS_HELP_TAPE_BLOCK},
        {IDC_TAPE_BLOCK_SPIN, IDS_HELP_TAPE_BLOCK},
        {IDC_TAPE_CODEPAGE_LABEL, IDS_HELP_TAPE_CODEPAGE},
        {IDC_TAPE_CODEPAGE, IDS_HELP_TAPE_CODEPAGE},
        {IDC_TAPE_UNIQUE, IDS_HELP_TAPE_UNIQUE},
        {IDC_TAPE_BINARY, IDS_HELP_TAPE_BINARY},
        {IDC_TAPE_NON_LABELED, IDS_HELP_TAPE_NON_LABELED},
        {IDC_TAPE_ANSI, IDS_HELP_TAPE_ANSI},
    };
}
