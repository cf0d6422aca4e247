// ReelDubDlg.cpp: the SCSI tape copier's dialog.
#include "utilities/ReelDubDlg.h"

#include "config/ProfileHelpers.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "utilities/UtilityRules.h"

namespace {

const CTapeUtilityDlg::SBrowseTexts kTexts = {
    "Tape File", "Select which directory to create the output Tape file in.", "Tape Output file"};

}  // namespace

BEGIN_MESSAGE_MAP(CReelDubDlg, CTapeUtilityDlg)
    ON_BN_CLICKED(IDC_TAPE_FROM_SCSI, OnDirectionClicked)
    ON_BN_CLICKED(IDC_TAPE_TO_SCSI, OnDirectionClicked)
END_MESSAGE_MAP()

CReelDubDlg::CReelDubDlg() : CTapeUtilityDlg(IDD, kTexts) {}

void CReelDubDlg::LoadSettings()
{
    GetSetting("nCopyDirection", m_nCopyDirection);
    GetSetting("strInputFile", m_strInputFile);
    GetProfileTapeNum(m_nTapeNum);
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
    if (m_nCopyDirection != kToScsi)
        m_nCopyDirection = kFromScsi;
}

void CReelDubDlg::SaveSettings()
{
    WriteSetting("nCopyDirection", m_nCopyDirection);
    WriteSetting("strInputFile", m_strInputFile);
    WriteProfileTapeNum(m_nTapeNum);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
}

void CReelDubDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Radio(pDX, IDC_TAPE_FROM_SCSI, m_nCopyDirection);
    ExchangeFiles(pDX);
    DDX_Text(pDX, IDC_TAPE_NUMBER, m_nTapeNum);
    DDV_MinMaxUInt_EB(pDX, m_nTapeNum, 0, 9, "Tape Device");
}

void CReelDubDlg::InitControls()
{
    SetSpinRange(IDC_TAPE_NUMBER_SPIN, 0, 9);
    UpdateEnabling();
}

void CReelDubDlg::UpdateEnabling()
{
    bool bToScsi = m_nCopyDirection == kToScsi;
    EnableControls({IDC_TAPE_AWS_INPUT_GROUP, IDC_UTIL_INPUT_BROWSE, IDC_UTIL_INPUT_FILE}, bToScsi);
    EnableControls({IDC_TAPE_AWS_OUTPUT_GROUP, IDC_UTIL_OUTPUT_DIR_BROWSE, IDC_UTIL_OUTPUT_DIR,
                    IDC_UTIL_OUTPUT_FILE_BROWSE, IDC_UTIL_OUTPUT_FILE},
                   !bToScsi);
}

// Every field is read back (a tape number out of range is told), and the
// direction's side is enabled whatever the reading said.
void CReelDubDlg::OnDirectionClicked()
{
    m_bUpdating = true;
    UpdateData(TRUE);
    m_bUpdating = false;
    m_nCopyDirection = IsChecked(IDC_TAPE_TO_SCSI) ? kToScsi : kFromScsi;
    UpdateEnabling();
}

bool CReelDubDlg::CheckInputFiles(CDataExchange* pDX)
{
    if (m_bUpdating)
        return false;  // a direction click only reads the fields back
    return m_nCopyDirection != kToScsi || CheckInput(pDX, "AWS Input");
}

bool CReelDubDlg::CheckOutputFile(CDataExchange* pDX)
{
    if (m_nCopyDirection != kFromScsi) {
        m_strOutputPath.Empty();
        return true;
    }
    return CheckOutput(pDX, "AWS Output");
}

void CReelDubDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord();
    CString strDevice;
    strDevice.Format("/dev/st%d", (int)m_nTapeNum);
    if (m_nCopyDirection == kFromScsi) {
        m_strCommandLine = strWord + " " + QuoteIfNeeded(strDevice, '"') + " " + QuoteIfNeeded(m_strOutputPath, '"');
        m_strTitle = strWord + " " + strDevice + " " + m_strOutputFile;
        m_nExpectedTotal = 0;
    } else {
        m_strCommandLine = strWord + " " + QuoteIfNeeded(m_strInputFile, '"') + " " + QuoteIfNeeded(strDevice, '"');
        m_strTitle = strWord + " " + m_strInputFile + " " + strDevice;
        m_nExpectedTotal = (INT64)m_ullInputSize;
    }
    TrimBlanks(m_strCommandLine);
    TrimBlanks(m_strTitle);
}

// The folder may have been changed in the file dialog too.
void CReelDubDlg::OnBrowseOutputFile()
{
    CTapeUtilityDlg::OnBrowseOutputFile();
    SetDlgItemText(IDC_UTIL_OUTPUT_DIR, m_strOutputDirectory);
}

std::vector<CUtilityDlg::SHelpRow> CReelDubDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_REELDUB},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_REELDUB},
        {IDC_TAPE_FROM_SCSI, IDS_HELP_TAPE_FROM_SCSI},
        {IDC_TAPE_TO_SCSI, IDS_HELP_TAPE_TO_SCSI},
        {IDC_TAPE_AWS_INPUT_GROUP, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_TAPE_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_TAPE_INPUT_BROWSE},
        {IDC_TAPE_SCSI_GROUP, IDS_HELP_TAPE_NUMBER},
        {IDC_TAPE_SCSI_PREFIX, IDS_HELP_TAPE_NUMBER},
        {IDC_TAPE_NUMBER, IDS_HELP_TAPE_NUMBER},
        {IDC_TAPE_NUMBER_SPIN, IDS_HELP_TAPE_NUMBER},
        {IDC_TAPE_AWS_OUTPUT_GROUP, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_FILE, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, IDS_HELP_TAPE_OUTPUT_FILE},
    };
}
