// ReelFetchDlg.cpp: the tape file extractor's dialog.
#include "utilities/ReelFetchDlg.h"

#include <commctrl.h>

#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "utilities/TapeUtilityRules.h"
#include "utilities/UtilityRules.h"

namespace {

const UINT kMaxFileNumber = 9999;

const CTapeUtilityDlg::SBrowseTexts kTexts = {
    "Tape Input file", "Select which directory to create the extracted output file in.", "Tape Output file"};

}  // namespace

BEGIN_MESSAGE_MAP(CReelFetchDlg, CTapeUtilityDlg)
    ON_BN_CLICKED(IDC_TAPE_NON_LABELED, OnNonLabeledClicked)
    ON_BN_CLICKED(IDC_TAPE_ASCII, OnAsciiClicked)
    ON_BN_CLICKED(IDC_TAPE_STRIP, OnStripClicked)
    ON_BN_CLICKED(IDC_TAPE_UNBLOCK, OnUnblockClicked)
    ON_CBN_SELENDOK(IDC_TAPE_RECFM, OnRecfmSelected)
    ON_NOTIFY(UDN_DELTAPOS, IDC_TAPE_LRECL_SPIN, OnLreclSpin)
    ON_NOTIFY(UDN_DELTAPOS, IDC_TAPE_BLKSIZE_SPIN, OnBlockSizeSpin)
    ON_EN_KILLFOCUS(IDC_TAPE_LRECL, OnLreclKillFocus)
    ON_EN_KILLFOCUS(IDC_TAPE_BLKSIZE, OnBlockSizeKillFocus)
END_MESSAGE_MAP()

CReelFetchDlg::CReelFetchDlg() : CTapeUtilityDlg(IDD, kTexts) {}

void CReelFetchDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
    GetSetting("bNonLabeled", m_bNonLabeled);
    int n = (int)m_nFileNumber;
    GetSetting("nFileNumber", n);
    m_nFileNumber = (UINT)n;
    GetSetting("nRecfm", m_nRecfm);
    n = (int)m_nLrecl;
    GetSetting("nLrecl", n);
    m_nLrecl = (UINT)n;
    n = (int)m_nBlockSize;
    GetSetting("nBlockSize", n);
    m_nBlockSize = (UINT)n;
    GetSetting("bAscii", m_bAscii);
    GetSetting("bStripBlanks", m_bStripBlanks);
    GetSetting("bUnblock", m_bUnblock);
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
    // The bounds follow the restored sizes, so that a stored record length
    // above the default block size can still be sent or edited.
    if (m_nBlockSize < 1 || m_nBlockSize > kFetchMaxBlockSize)
        m_nBlockSize = 16000;
    if (m_nLrecl < 1 || m_nLrecl > m_nBlockSize)
        m_nLrecl = m_nBlockSize < 80 ? m_nBlockSize : 80;
    m_nLreclMax = m_nBlockSize;
    m_nBlockSizeMin = m_nLrecl;
}

void CReelFetchDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
    WriteSetting("bNonLabeled", m_bNonLabeled);
    WriteSetting("nFileNumber", (int)m_nFileNumber);
    WriteSetting("nRecfm", m_nRecfm);
    WriteSetting("nLrecl", (int)m_nLrecl);
    WriteSetting("nBlockSize", (int)m_nBlockSize);
    WriteSetting("bAscii", m_bAscii);
    WriteSetting("bStripBlanks", m_bStripBlanks);
    WriteSetting("bUnblock", m_bUnblock);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
}

void CReelFetchDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TAPE_RECFM, m_RecfmList);
    if (!pDX->m_bSaveAndValidate && m_RecfmList.GetCount() == 0) {
        CString strFormats;
        strFormats.LoadString(IDS_TAPE_RECORD_FORMATS);
        m_RecfmList.FillFromText(strFormats, ';');
        m_RecfmList.InsertString(0, "");  // no record format
    }
    ExchangeFiles(pDX);
    ExchangeCheck(pDX, IDC_TAPE_NON_LABELED, m_bNonLabeled);
    DDX_Text(pDX, IDC_TAPE_FILE_NUMBER, m_nFileNumber);
    DDV_MinMaxUInt_EB(pDX, m_nFileNumber, 1, kMaxFileNumber, "File Number");
    DDX_CBIndex(pDX, IDC_TAPE_RECFM, m_nRecfm);
    DDX_Text(pDX, IDC_TAPE_LRECL, m_nLrecl);
    DDV_MinMaxUInt_EB(pDX, m_nLrecl, 1, m_nLreclMax, "lrecl");
    DDX_Text(pDX, IDC_TAPE_BLKSIZE, m_nBlockSize);
    DDV_MinMaxUInt_EB(pDX, m_nBlockSize, m_nBlockSizeMin, kFetchMaxBlockSize, "blksize");
    ExchangeCheck(pDX, IDC_TAPE_ASCII, m_bAscii);
    ExchangeCheck(pDX, IDC_TAPE_STRIP, m_bStripBlanks);
    ExchangeCheck(pDX, IDC_TAPE_UNBLOCK, m_bUnblock);
}

// A restored record format has its sizes offered for editing.
void CReelFetchDlg::InitControls()
{
    SetSpinRange(IDC_TAPE_FILE_NUMBER_SPIN, 1, (int)kMaxFileNumber);
    SetSpinRange(IDC_TAPE_LRECL_SPIN, 1, (int)m_nLreclMax);
    SetSpinRange(IDC_TAPE_BLKSIZE_SPIN, (int)m_nBlockSizeMin, (int)kFetchMaxBlockSize);
    if (m_RecfmList.GetCurSel() < 0)
        m_RecfmList.SetCurSel(0);
    EnableSizes(m_RecfmList.GetCurSel() > 0);
}

void CReelFetchDlg::EnableSizes(bool bEnable)
{
    EnableControls({IDC_TAPE_LRECL_LABEL, IDC_TAPE_LRECL, IDC_TAPE_LRECL_SPIN, IDC_TAPE_BLOCK_LABEL,
                    IDC_TAPE_BLKSIZE, IDC_TAPE_BLKSIZE_SPIN},
                   bEnable);
}

void CReelFetchDlg::SetLrecl(UINT nLrecl)
{
    CString strText;
    strText.Format("%d", (int)nLrecl);
    SetDlgItemText(IDC_TAPE_LRECL, strText);
    SendDlgItemMessage(IDC_TAPE_LRECL_SPIN, UDM_SETPOS32, 0, (LPARAM)nLrecl);
    m_nBlockSizeMin = nLrecl;
    SetSpinRange(IDC_TAPE_BLKSIZE_SPIN, (int)m_nBlockSizeMin, (int)kFetchMaxBlockSize);
}

void CReelFetchDlg::SetBlockSize(UINT nBlockSize)
{
    CString strText;
    strText.Format("%d", (int)nBlockSize);
    SetDlgItemText(IDC_TAPE_BLKSIZE, strText);
    SendDlgItemMessage(IDC_TAPE_BLKSIZE_SPIN, UDM_SETPOS32, 0, (LPARAM)nBlockSize);
    m_nLreclMax = nBlockSize;
    SetSpinRange(IDC_TAPE_LRECL_SPIN, 1, (int)m_nLreclMax);
}

void CReelFetchDlg::OnLreclSpin(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMUPDOWN* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    SetLrecl((UINT)StepSpinValue(pUpDown->iPos, pUpDown->iDelta, 1, (int)m_nLreclMax));
    *pResult = 1;
}

void CReelFetchDlg::OnBlockSizeSpin(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMUPDOWN* pUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    SetBlockSize((UINT)StepSpinValue(pUpDown->iPos, pUpDown->iDelta, (int)m_nBlockSizeMin, (int)kFetchMaxBlockSize));
    *pResult = 1;
}

void CReelFetchDlg::OnLreclKillFocus()
{
    CString strText;
    GetDlgItemText(IDC_TAPE_LRECL, strText);
    SetLrecl(ClampTypedNumber(strText, 1, m_nLreclMax));
}

void CReelFetchDlg::OnBlockSizeKillFocus()
{
    CString strText;
    GetDlgItemText(IDC_TAPE_BLKSIZE, strText);
    SetBlockSize(ClampTypedNumber(strText, m_nBlockSizeMin, kFetchMaxBlockSize));
}

void CReelFetchDlg::OnRecfmSelected()
{
    bool bFormat = m_RecfmList.GetCurSel() > 0;
    if (!bFormat)
        SetCheck(IDC_TAPE_NON_LABELED, false);
    EnableSizes(bFormat);
}

// A non-labeled input needs a record format: FB 80/16000 unless one is chosen.
void CReelFetchDlg::OnNonLabeledClicked()
{
    bool bFormat = m_RecfmList.GetCurSel() > 0;
    if (IsChecked(IDC_TAPE_NON_LABELED)) {
        if (!bFormat) {
            m_RecfmList.SetCurSel(kFormatFB);
            m_nLreclMax = 16000;
            m_nBlockSizeMin = 80;
            SetLrecl(80);
            SetBlockSize(16000);
        }
        EnableSizes(true);
    } else if (!bFormat) {
        EnableSizes(false);
    }
}

void CReelFetchDlg::OnConversionClicked(UINT nCtrl)
{
    SFetchConversion boxes;
    boxes.bAscii = IsChecked(IDC_TAPE_ASCII);
    boxes.bStrip = IsChecked(IDC_TAPE_STRIP);
    boxes.bUnblock = IsChecked(IDC_TAPE_UNBLOCK);
    ApplyFetchConversionClick(boxes, nCtrl == IDC_TAPE_ASCII   ? kFetchAscii
                                     : nCtrl == IDC_TAPE_STRIP ? kFetchStrip
                                                               : kFetchUnblock);
    SetCheck(IDC_TAPE_ASCII, boxes.bAscii);
    SetCheck(IDC_TAPE_STRIP, boxes.bStrip);
    SetCheck(IDC_TAPE_UNBLOCK, boxes.bUnblock);
}

bool CReelFetchDlg::ValidateOptions(CDataExchange* pDX)
{
    m_strRecfm.Empty();
    if (m_nRecfm > 0) {
        m_RecfmList.GetLBText(m_nRecfm, m_strRecfm);
        if (const char* pszError = ReelFetchBlockSizeError(m_strRecfm, m_nLrecl, m_nBlockSize))
            return Refuse(pDX, IDC_TAPE_BLKSIZE, "Block Size", pszError);
    }
    m_strOptionWords = ReelFetchWords(m_bNonLabeled, m_bAscii, m_bStripBlanks, m_bUnblock);
    return true;
}

bool CReelFetchDlg::CheckInputFiles(CDataExchange* pDX)
{
    return CheckInput(pDX, "Input File");
}

bool CReelFetchDlg::CheckOutputFile(CDataExchange* pDX)
{
    return CheckOutput(pDX, "Output File");
}

void CReelFetchDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord(), strNumber;
    strNumber.Format("%d", (int)m_nFileNumber);
    m_strTitle = strWord + " " + m_strInputNameExt + " " + m_strOutputPath + " " + strNumber;
    m_strCommandLine = strWord + " " + m_strOptionWords;
    AppendCommandFile(m_strCommandLine, m_strInputFile);
    AppendCommandFile(m_strCommandLine, m_strOutputPath);
    m_strCommandLine += " " + strNumber;
    if (!m_strRecfm.IsEmpty()) {
        CString strFormat;
        strFormat.Format(" %s %d %d", (LPCSTR)m_strRecfm, (int)m_nLrecl, (int)m_nBlockSize);
        m_strCommandLine += strFormat;
    }
    m_nExpectedTotal = (INT64)m_ullInputSize;
}

std::vector<CUtilityDlg::SHelpRow> CReelFetchDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_REELFETCH},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_REELFETCH},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_TAPE_INPUT_BROWSE},
        {IDC_TAPE_NON_LABELED, IDS_HELP_TAPE_NON_LABELED},
        {IDC_TAPE_FILE_NUMBER_LABEL, IDS_HELP_TAPE_FILE_NUMBER},
        {IDC_TAPE_FILE_NUMBER, IDS_HELP_TAPE_FILE_NUMBER},
        {IDC_TAPE_FILE_NUMBER_SPIN, IDS_HELP_TAPE_FILE_NUMBER},
        {IDC_TAPE_RECFM_LABEL, IDS_HELP_TAPE_RECFM},
        {IDC_TAPE_RECFM, IDS_HELP_TAPE_RECFM},
        {IDC_TAPE_LRECL_LABEL, IDS_HELP_TAPE_LRECL},
        {IDC_TAPE_LRECL, IDS_HELP_TAPE_LRECL},
        {IDC_TAPE_LRECL_SPIN, IDS_HELP_TAPE_LRECL},
        {IDC_TAPE_BLOCK_LABEL, IDS_HELP_TAPE_BLKSIZE},
        {IDC_TAPE_BLKSIZE, IDS_HELP_TAPE_BLKSIZE},
        {IDC_TAPE_BLKSIZE_SPIN, IDS_HELP_TAPE_BLKSIZE},
        {IDC_TAPE_ASCII, IDS_HELP_TAPE_ASCII},
        {IDC_TAPE_ASCII_NOTE, IDS_HELP_TAPE_ASCII},
        {IDC_TAPE_STRIP, IDS_HELP_TAPE_STRIP},
        {IDC_TAPE_STRIP_NOTE, IDS_HELP_TAPE_STRIP},
        {IDC_TAPE_UNBLOCK, IDS_HELP_TAPE_UNBLOCK},
        {IDC_TAPE_UNBLOCK_NOTE, IDS_HELP_TAPE_UNBLOCK},
        {IDC_UTIL_OUTPUT_GROUP, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_FILE, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, IDS_HELP_TAPE_OUTPUT_FILE},
    };
}
