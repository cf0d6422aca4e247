// ReelRepackDlg.cpp: the tape image repacker's dialog.
#include "utilities/ReelRepackDlg.h"

#include <commctrl.h>

#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "utilities/TapeUtilityRules.h"
#include "utilities/UtilityRules.h"

namespace {

const CTapeUtilityDlg::SBrowseTexts kTexts = {
    "Tape Input file", "Select which directory to create the updated Tape output file in.", "Tape Output file"};

}  // namespace

BEGIN_MESSAGE_MAP(CReelRepackDlg, CTapeUtilityDlg)
    ON_BN_CLICKED(IDC_TAPE_DECOMPRESS, OnRunOptionClicked)
    ON_BN_CLICKED(IDC_TAPE_RECOMPRESS, OnRunOptionClicked)
    ON_BN_CLICKED(IDC_TAPE_RECHUNK, OnRunOptionClicked)
    ON_BN_CLICKED(IDC_TAPE_STRICT_AWS, OnStrictClicked)
    ON_EN_KILLFOCUS(IDC_TAPE_CHUNK, OnChunkKillFocus)
END_MESSAGE_MAP()

CReelRepackDlg::CReelRepackDlg() : CTapeUtilityDlg(IDD, kTexts) {}

void CReelRepackDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
    GetSetting("nRunOption", m_nRunOption);
    GetSetting("bVerbose", m_bVerbose);
    int n = (int)m_nChunkSize;
    GetSetting("nChunkSize", n);
    m_nChunkSize = (UINT)n;
    GetSetting("bStrictAWSTape", m_bStrictAWSTape);
    GetSetting("nCompressionAlgorithm", m_nCompressionAlgorithm);
    GetSetting("nCompressionLevel", m_nCompressionLevel);
    if (m_nRunOption < kRepackDecompress || m_nRunOption > kRepackRechunk)
        m_nRunOption = kRepackDecompress;
    if (m_nCompressionAlgorithm != 1)
        m_nCompressionAlgorithm = 0;
    if (m_nCompressionLevel < 1 || m_nCompressionLevel > 9)
        m_nCompressionLevel = 6;
}

void CReelRepackDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
    WriteSetting("nRunOption", m_nRunOption);
    WriteSetting("bVerbose", m_bVerbose);
    WriteSetting("nChunkSize", (int)m_nChunkSize);
    WriteSetting("bStrictAWSTape", m_bStrictAWSTape);
    WriteSetting("nCompressionAlgorithm", m_nCompressionAlgorithm);
    WriteSetting("nCompressionLevel", m_nCompressionLevel);
}

void CReelRepackDlg::ExchangeFields(CDataExchange* pDX)
{
    ExchangeFiles(pDX);
    DDX_Radio(pDX, IDC_TAPE_DECOMPRESS, m_nRunOption);
    ExchangeCheck(pDX, IDC_UTIL_VERBOSE, m_bVerbose);
    DDX_Text(pDX, IDC_TAPE_CHUNK, m_nChunkSize);
    DDV_MinMaxUInt_EB(pDX, m_nChunkSize, kMinChunkSize, kMaxChunkSize, "Chunk Size");
    ExchangeCheck(pDX, IDC_TAPE_STRICT_AWS, m_bStrictAWSTape);
    DDX_Radio(pDX, IDC_UTIL_ZLIB, m_nCompressionAlgorithm);
    DDX_Slider(pDX, IDC_TAPE_LEVEL, m_nCompressionLevel);
}

// A dialog saved with strict output opens as strict output is shown: the
// run options and the chunk size are not offered, so the choice is kept.
void CReelRepackDlg::InitControls()
{
    SendDlgItemMessage(IDC_TAPE_LEVEL, TBM_SETRANGE, TRUE, MAKELPARAM(1, 9));
    SendDlgItemMessage(IDC_TAPE_LEVEL, TBM_SETPOS, TRUE, (LPARAM)m_nCompressionLevel);
    SetSpinRange(IDC_TAPE_CHUNK_SPIN, (int)kMinChunkSize, (int)kMaxChunkSize);
    m_nRememberedRunOption = m_nRunOption;
    GetDlgItemText(IDC_TAPE_CHUNK, m_strRememberedChunk);
    if (m_bStrictAWSTape)
        ApplyStrict(true);
    else
        EnableCompression(m_nRunOption == kRepackRecompress);
}

void CReelRepackDlg::EnableCompression(bool bEnable)
{
    EnableControls({IDC_TAPE_COMPRESSION_GROUP, IDC_UTIL_ZLIB, IDC_UTIL_BZIP2, IDC_TAPE_LEVEL, IDC_TAPE_LEVEL_LOW,
                    IDC_TAPE_LEVEL_HIGH},
                   bEnable);
}

void CReelRepackDlg::ApplyStrict(bool bStrict)
{
    if (bStrict) {
        SetCheck(IDC_TAPE_DECOMPRESS, true);
        SetCheck(IDC_TAPE_RECOMPRESS, false);
        SetCheck(IDC_TAPE_RECHUNK, false);
        SetDlgItemText(IDC_TAPE_CHUNK, "4096");
    } else {
        SetCheck(IDC_TAPE_DECOMPRESS, m_nRememberedRunOption == kRepackDecompress);
        SetCheck(IDC_TAPE_RECOMPRESS, m_nRememberedRunOption == kRepackRecompress);
        SetCheck(IDC_TAPE_RECHUNK, m_nRememberedRunOption == kRepackRechunk);
        SetDlgItemText(IDC_TAPE_CHUNK, m_strRememberedChunk);
    }
    EnableControls({IDC_TAPE_DECOMPRESS, IDC_TAPE_RECOMPRESS, IDC_TAPE_RECHUNK, IDC_TAPE_CHUNK_LABEL, IDC_TAPE_CHUNK,
                    IDC_TAPE_CHUNK_SPIN},
                   !bStrict);
    EnableCompression(!bStrict && m_nRememberedRunOption == kRepackRecompress);
}

void CReelRepackDlg::OnRunOptionClicked()
{
    EnableCompression(IsChecked(IDC_TAPE_RECOMPRESS));
}

void CReelRepackDlg::OnStrictClicked()
{
    bool bStrict = IsChecked(IDC_TAPE_STRICT_AWS);
    if (bStrict) {
        m_nRememberedRunOption = IsChecked(IDC_TAPE_RECOMPRESS) ? kRepackRecompress
                                 : IsChecked(IDC_TAPE_RECHUNK)  ? kRepackRechunk
                                                                : kRepackDecompress;
        GetDlgItemText(IDC_TAPE_CHUNK, m_strRememberedChunk);
    }
    ApplyStrict(bStrict);
}

void CReelRepackDlg::OnChunkKillFocus()
{
    CString strText;
    GetDlgItemText(IDC_TAPE_CHUNK, strText);
    strText.Format("%u", ClampTypedNumber(strText, kMinChunkSize, kMaxChunkSize));
    SetDlgItemText(IDC_TAPE_CHUNK, strText);
}

bool CReelRepackDlg::ValidateOptions(CDataExchange*)
{
    m_strOptionWords = ReelRepackWords(m_nRunOption, m_nCompressionAlgorithm, m_nCompressionLevel, m_nChunkSize,
                                       m_bStrictAWSTape, m_bVerbose);
    return true;
}

bool CReelRepackDlg::CheckInputFiles(CDataExchange* pDX)
{
    return CheckInput(pDX, "Input File");
}

bool CReelRepackDlg::CheckOutputFile(CDataExchange* pDX)
{
    return CheckOutput(pDX, "Output File");
}

void CReelRepackDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord();
    m_strTitle = strWord + " " + m_strInputNameExt + " " + m_strOutputPath;
    m_strCommandLine = strWord + " " + m_strOptionWords;
    AppendCommandFile(m_strCommandLine, m_strInputFile);
    AppendCommandFile(m_strCommandLine, m_strOutputPath);
    m_nExpectedTotal = (INT64)m_ullInputSize;
}

std::vector<CUtilityDlg::SHelpRow> CReelRepackDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_REELREPACK},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_REELREPACK},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_TAPE_INPUT_BROWSE},
        {IDC_UTIL_OUTPUT_GROUP, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_FILE, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_TAPE_RUN_GROUP, IDS_HELP_TAPE_RUN_OPTION},
        {IDC_TAPE_DECOMPRESS, IDS_HELP_TAPE_RUN_OPTION},
        {IDC_TAPE_RECOMPRESS, IDS_HELP_TAPE_RUN_OPTION},
        {IDC_TAPE_RECHUNK, IDS_HELP_TAPE_RUN_OPTION},
        {IDC_UTIL_VERBOSE, IDS_HELP_TAPE_VERBOSE},
        {IDC_TAPE_CHUNK_LABEL, IDS_HELP_TAPE_CHUNK},
        {IDC_TAPE_CHUNK, IDS_HELP_TAPE_CHUNK},
        {IDC_TAPE_CHUNK_SPIN, IDS_HELP_TAPE_CHUNK},
        {IDC_TAPE_STRICT_AWS, IDS_HELP_TAPE_STRICT_AWS},
        {IDC_TAPE_COMPRESSION_GROUP, IDS_HELP_TAPE_COMPRESSION},
        {IDC_UTIL_ZLIB, IDS_HELP_TAPE_COMPRESSION},
        {IDC_UTIL_BZIP2, IDS_HELP_TAPE_COMPRESSION},
        {IDC_TAPE_LEVEL, IDS_HELP_TAPE_LEVEL},
        {IDC_TAPE_LEVEL_LOW, IDS_HELP_TAPE_LEVEL},
        {IDC_TAPE_LEVEL_HIGH, IDS_HELP_TAPE_LEVEL},
    };
}
