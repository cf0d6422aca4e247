// VolIdentDlg.cpp: the disk image serial number dialog.
#include "utilities/VolIdentDlg.h"

#include "config/DasdImage.h"
#include "platform/CDataExchange.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "utilities/PackRules.h"
#include "utilities/UtilityRules.h"

namespace {

const int kSerialLength = 12;

}  // namespace

BEGIN_MESSAGE_MAP(CVolIdentDlg, CUtilityDlg)
    ON_BN_CLICKED(IDC_UTIL_INPUT_BROWSE, OnBrowse)
    ON_EN_CHANGE(IDC_UTIL_INPUT_FILE, OnInputChanged)
    ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

void CVolIdentDlg::LoadSettings()
{
    GetSetting("strInputFile", m_strInputFile);
}

void CVolIdentDlg::SaveSettings()
{
    WriteSetting("strInputFile", m_strInputFile);
}

void CVolIdentDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_UTIL_INPUT_FILE, m_InputEdit);
    DDX_Text(pDX, IDC_UTIL_INPUT_FILE, m_strInputFile);
    DDX_Text(pDX, IDC_VOLIDENT_SERIAL, m_strSerial);
}

void CVolIdentDlg::InitControls()
{
    SendDlgItemMessage(IDC_VOLIDENT_SERIAL, EM_LIMITTEXT, kSerialLength, 0);
    ReadImageSerial();
}

// The serial that the image holds is also the one a typed serial is
// compared with: the comparison follows every image read, so a serial
// typed for a second image is compared with that image's own.
void CVolIdentDlg::ReadImageSerial()
{
    CString strPath = m_strInputFile;
    TrimBlanks(strPath);
    DWORD dwAttributes = ::GetFileAttributesA(strPath);
    m_bReadOnly = dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_READONLY);
    DasdImageHeader hdr;
    m_strSerial.Empty();
    if (!strPath.IsEmpty() && ReadDasdImageHeader(strPath, hdr, true)) {
        m_strSerial = hdr.strSerial;
        TrimBlanks(m_strSerial);
    }
    m_strImageSerial = m_strSerial;
    SetDlgItemText(IDC_VOLIDENT_SERIAL, m_strSerial);
    SendDlgItemMessage(IDC_VOLIDENT_SERIAL, EM_SETREADONLY, m_bReadOnly, 0);
}

// The image, then the serial number.
bool CVolIdentDlg::CheckInputFiles(CDataExchange* pDX)
{
    return CheckInputImage(pDX, m_strInputFile, IDC_UTIL_INPUT_FILE, "Input File", m_strInputNameExt,
                           m_ullInputSize) &&
           ValidateSerialNumber(pDX);
}

bool CVolIdentDlg::ValidateSerialNumber(CDataExchange* pDX)
{
    TrimBlanks(m_strSerial);
    SetDlgItemText(IDC_VOLIDENT_SERIAL, m_strSerial);
    if (IsValidVolumeSerial(m_strSerial))
        return true;
    return Refuse(pDX, IDC_VOLIDENT_SERIAL, "Serial Number", "Invalid serial number");
}

void CVolIdentDlg::BuildCommandLine()
{
    SaveSettings();
    CString strWord = ProgramWord();
    m_strTitle = strWord + " " + m_strInputNameExt;
    m_strCommandLine = strWord;
    AppendCommandFile(m_strCommandLine, m_strInputFile);
    if (VolumeSerialIsSent(m_bReadOnly, m_strSerial, m_strImageSerial)) {
        m_strTitle += " " + m_strSerial;
        AppendCommandGroup(m_strCommandLine, m_strSerial);
    }
    m_nExpectedTotal = (INT64)m_ullInputSize;
}

std::vector<CUtilityDlg::SHelpRow> CVolIdentDlg::HelpRows() const
{
    return {
        {0, IDS_HELP_VOLIDENT},
        {IDC_UTIL_DESCRIPTION, IDS_HELP_VOLIDENT},
        {IDC_UTIL_INPUT_GROUP, IDS_HELP_UTIL_DISK_INPUT},
        {IDC_UTIL_INPUT_FILE, IDS_HELP_UTIL_DISK_INPUT},
        {IDC_UTIL_INPUT_BROWSE, IDS_HELP_UTIL_DISK_BROWSE},
        {IDC_UTIL_OPTIONS_GROUP, IDS_HELP_UTIL_OPTIONS},
        {IDC_VOLIDENT_SERIAL, IDS_HELP_VOLIDENT_SERIAL},
    };
}

const CUtilityDlg::SLayoutRow* CVolIdentDlg::LayoutRows(size_t& nCount) const
{
    return InputAndOptionsLayoutRows(nCount);
}

void CVolIdentDlg::OnBrowse()
{
    if (BrowseInputFile(IDC_UTIL_INPUT_FILE, m_strInputFile, "Dasd Input File"))
        ReadImageSerial();
}

void CVolIdentDlg::OnInputChanged()
{
    GetDlgItemText(IDC_UTIL_INPUT_FILE, m_strInputFile);
    ReadImageSerial();
}

void CVolIdentDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepHeight(pPos);
    CUtilityDlg::OnWindowPosChanging(pPos);
}
