// ReelBlankDlg.cpp: the empty tape maker's dialog.
#include "utilities/ReelBlankDlg.h"

#include "config/FieldRules.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "utilities/UtilityRules.h"

namespace {

const int kMaxVolser = 6;
const int kMaxOwner = 10;

const CTapeUtilityDlg::SBrowseTexts kTexts = {
    nullptr, "Select which directory to create the output Tape file in.", "Tape Output file"};

}  // namespace

BEGIN_MESSAGE_MAP(CReelBlankDlg, CTapeUtilityDlg)
    ON_BN_CLICKED(IDC_TAPE_NON_LABELED, OnNonLabeledClicked)
    ON_EN_SETFOCUS(IDC_UTIL_OUTPUT_FILE, OnOutputFileSetFocus)
END_MESSAGE_MAP()

CReelBlankDlg::CReelBlankDlg() : CTapeUtilityDlg(IDD, kTexts) {}

void CReelBlankDlg::LoadSettings()
{
    GetSetting("strVolser", m_strVolser);
    GetSetting("strOwner", m_strOwner);
    GetSetting("bNonLabeled", m_bNonLabeled);
    GetSetting("bCompressed", m_bCompressed);
    GetOutputDirectorySetting(m_strOutputDirectory);
    GetSetting("strOutputFile", m_strOutputFile);
}

void CReelBlankDlg::SaveSettings()
{
    WriteSetting("strVolser", m_strVolser);
    WriteSetting("strOwner", m_strOwner);
    WriteSetting("bNonLabeled", m_bNonLabeled);
    WriteSetting("bCompressed", m_bCompressed);
    WriteSetting("strOutputDirectory", m_strOutputDirectory);
    WriteSetting("strOutputFile", m_strOutputFile);
}

void CReelBlankDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_UTIL_VOLSER, m_strVolser);
    DDV_MaxChars(pDX, m_strVolser, kMaxVolser);
    DDX_Text(pDX, IDC_TAPE_OWNER, m_strOwner);
    DDV_MaxChars(pDX, m_strOwner, kMaxOwner);
    ExchangeCheck(pDX, IDC_TAPE_NON_LABELED, m_bNonLabeled);
    ExchangeCheck(pDX, IDC_TAPE_COMPRESSED, m_bCompressed);
    ExchangeFiles(pDX);
}

// The label's fields start enabled: the first click on " Non-labeled"
// sets them.
void CReelBlankDlg::InitControls()
{
    SetSpinRange(IDC_TAPE_VOLSER_SPIN, 0, 999999);
}

void CReelBlankDlg::OnNonLabeledClicked()
{
    m_bNonLabeled = IsChecked(IDC_TAPE_NON_LABELED);
    EnableControls({IDC_TAPE_VOLSER_LABEL, IDC_UTIL_VOLSER, IDC_TAPE_OWNER_LABEL, IDC_TAPE_OWNER}, !m_bNonLabeled);
}

void CReelBlankDlg::OnOutputFileSetFocus()
{
    CString strFile, strOwner, strVolser;
    GetDlgItemText(IDC_UTIL_OUTPUT_FILE, strFile);
    if (IsChecked(IDC_TAPE_NON_LABELED) || !TrimBlanks(strFile).IsEmpty())
        return;
    GetDlgItemText(IDC_TAPE_OWNER, strOwner);
    GetDlgItemText(IDC_UTIL_VOLSER, strVolser);
    TrimBlanks(strOwner);
    TrimBlanks(strVolser);
    if (strOwner.IsEmpty() || strVolser.IsEmpty())
        return;
    strFile.Format("%s.%s.%s", (LPCSTR)strOwner, (LPCSTR)strVolser, IsChecked(IDC_TAPE_COMPRESSED) ? "vet" : "aws");
    ProposeEditText(IDC_UTIL_OUTPUT_FILE, strFile);
}

bool CReelBlankDlg::ValidateOptions(CDataExchange* pDX)
{
    if (m_bNonLabeled) {
        m_strOptionWords = "-n";
    } else {
        m_strOptionWords = "-i";
        CString strVolser = m_strVolser;
        if (TrimBlanks(strVolser).IsEmpty())
            return Refuse(pDX, IDC_UTIL_VOLSER, "Volser", "You must enter a 1-6 character volume serial number.");
        if (!IsValidVolser(strVolser))
            return Refuse(pDX, IDC_UTIL_VOLSER, "Volser", "Invalid volume serial number.");
    }
    if (!m_bCompressed)
        m_strOptionWords += " -d";
    return true;
}

bool CReelBlankDlg::CheckOutputFile(CDataExchange* pDX)
{
    return CheckOutput(pDX, "Output File");
}

void CReelBlankDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord();
    CString strVolser = m_strVolser, strOwner = m_strOwner;
    TrimBlanks(strVolser);
    TrimBlanks(strOwner);
    m_strTitle = strWord + " " + m_strOutputFile;
    m_strCommandLine = strWord + " " + m_strOptionWords;
    AppendCommandFile(m_strCommandLine, m_strOutputPath);
    if (!m_bNonLabeled) {
        m_strTitle += " " + strVolser;
        m_strCommandLine += " " + strVolser;
        if (!strOwner.IsEmpty())
            AppendCommandFile(m_strCommandLine, strOwner);
    }
    m_strCommandLine.TrimRight();
    m_nExpectedTotal = 0;
    WriteSetting("PrevVolser", strVolser);
    WriteSetting("PrevOwner", strOwner);
}

std::vector<CUtilityDlg::SHelpRow> CReelBlankDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_REELBLANK},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_REELBLANK},
        {IDC_UTIL_OPTIONS_GROUP, IDS_HELP_REELBLANK},
        {IDC_TAPE_VOLSER_LABEL, IDS_HELP_TAPE_VOLSER},
        {IDC_UTIL_VOLSER, IDS_HELP_TAPE_VOLSER},
        {IDC_TAPE_VOLSER_SPIN, IDS_HELP_TAPE_VOLSER},
        {IDC_TAPE_OWNER_LABEL, IDS_HELP_TAPE_OWNER},
        {IDC_TAPE_OWNER, IDS_HELP_TAPE_OWNER},
        {IDC_TAPE_NON_LABELED, IDS_HELP_TAPE_NON_LABELED},
        {IDC_TAPE_COMPRESSED, IDS_HELP_TAPE_COMPRESSED},
        {IDC_UTIL_OUTPUT_GROUP, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_DIR, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_DIR_BROWSE, IDS_HELP_TAPE_OUTPUT_DIR},
        {IDC_UTIL_OUTPUT_FILE, IDS_HELP_TAPE_OUTPUT_FILE},
        {IDC_UTIL_OUTPUT_FILE_BROWSE, IDS_HELP_TAPE_OUTPUT_FILE},
    };
}
