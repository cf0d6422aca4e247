// AddCardPunchDlg.cpp: the card punch's definition dialog.
#include "devices/AddCardPunchDlg.h"

#include "config/DevNum.h"
#include "config/FieldValidators.h"
#include "config/FileDialogs.h"
#include "devices/DeviceCommandForms.h"
#include "devices/DeviceDialogRules.h"
#include "platform/BrowseForDirectory.h"
#include "platform/DDX.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"
#include "session/VornGUIView.h"
#include "utilities/UtilityDlg.h"
#include "utilities/UtilityRules.h"

namespace {

const SDeviceDlgClass kPunchClass = {1, IDS_DEVTYPES_PUNCH, "Add New Card Punch", "Reinitialize Card Punch", 0};

CString PunchFolder()
{
    return g_pView ? g_pView->GetPunchFilesDir() : CString();
}

}  // namespace

BEGIN_MESSAGE_MAP(CAddCardPunchDlg, CDeviceDlg)
    ON_BN_CLICKED(IDC_PCH_DIR_BROWSE, OnBrowseDirectory)
    ON_BN_CLICKED(IDC_PCH_FILE_BROWSE, OnBrowseOutputFile)
    ON_EN_CHANGE(IDC_PCH_FILE, OnFileNameChange)
    ON_BN_CLICKED(IDC_DEVDLG_ASCII, OnAscii)
    ON_BN_CLICKED(IDC_PCH_CRLF, OnCrlf)
END_MESSAGE_MAP()

CAddCardPunchDlg::CAddCardPunchDlg(CWnd* pParent) : CDeviceDlg(IDD, kPunchClass, pParent) {}

// The file name splits into folder and name (an empty one: the current
// folder; a relative one keeps its relative folder); the option words
// count in any case.
void CAddCardPunchDlg::LoadDevice()
{
    if (m_Device.m_strFirstArg.IsEmpty()) {
        m_strDir = WindowsizedDirectory(GetStdCurrentDirectory(), true);
        m_strFile.Empty();
    } else {
        SplitDeviceFileName(m_Device.m_strFirstArg, m_strDir, m_strFile);
        m_strOwnFile = JoinOutputPath(m_strDir, m_strFile);
    }
    CString strArgs = m_Device.m_strOtherArgs;
    strArgs.MakeLower();
    CStringArray words;
    ParseStmt(strArgs, words);
    m_bAscii = m_bCrlf = false;
    for (int i = 0; i < words.GetSize(); ++i) {
        m_bAscii = m_bAscii || words[i] == "ascii";
        m_bCrlf = m_bCrlf || words[i] == "crlf";
    }
}

void CAddCardPunchDlg::InitControls()
{
    UpdateOptionControls();
    // Reinitialising, the number and type are locked: the file name is what changes.
    if (!m_bAdd)
        ::SetFocus(::GetDlgItem(m_hWnd, IDC_PCH_FILE));
}

void CAddCardPunchDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_PCH_DIR, m_strDir);
    DDX_Text(pDX, IDC_PCH_FILE, m_strFile);
}

CString CAddCardPunchDlg::OutputPath() const
{
    return JoinOutputPath(m_strDir, m_strFile);
}

// In use by another device first, then the output file's own check with
// its overwrite question, which an unchanged own file skips.
bool CAddCardPunchDlg::ValidateFields(CDataExchange* pDX)
{
    if (!CheckFileNotInUse(pDX, OutputPath(), IDC_PCH_FILE, "Output File"))
        return false;
    if (!m_bAdd && !m_strOwnFile.IsEmpty() && OutputPath().CompareNoCase(m_strOwnFile) == 0)
        return true;
    return CheckOutputFile(pDX, m_strDir, m_strFile, IDC_PCH_FILE, "Output Filename");
}

void CAddCardPunchDlg::BuildArguments()
{
    CString strFile = m_strFile;
    TrimBlanks(strFile);
    if (strFile.IsEmpty()) {
        m_Device.m_strFirstArg.Empty();
        m_Device.m_strOtherArgs.Empty();
        return;
    }
    m_Device.m_strFirstArg = OutputPath();
    CString strArgs;
    if (m_bAscii)
        strArgs += " ascii";
    if (m_bCrlf)
        strArgs += " crlf";
    strArgs.TrimLeft(' ');
    m_Device.m_strOtherArgs = strArgs;
}

CString CAddCardPunchDlg::BuildCommand()
{
    return PunchCommand(m_bAdd, FormatDevnum(m_Device.GetKey()), m_Device.m_strTypeWord, m_Device.m_strFirstArg,
                        m_Device.m_strOtherArgs);
}

void CAddCardPunchDlg::OnBrowseDirectory()
{
    CString strChosen;
    if (!BrowseForDirectoryEx(m_hWnd, "Select which directory to create Punch files in.", PunchFolder(), strChosen))
        return;
    m_strDir = WindowsizedDirectory(strChosen, true);
    SetDlgItemText(IDC_PCH_DIR, m_strDir);
}

void CAddCardPunchDlg::OnBrowseOutputFile()
{
    GetDlgItemText(IDC_PCH_FILE, m_strFile);
    BrowseForSaveFile(m_strDir, m_strFile, "Punch Output file", PunchFolder(), GetPunchFilesFilter(),
                      GetDlgItem(IDC_PCH_FILE), false, false, GetDlgItem(IDC_PCH_DIR));
    UpdateOptionControls();
}

void CAddCardPunchDlg::OnFileNameChange()
{
    GetDlgItemText(IDC_PCH_FILE, m_strFile);
    UpdateOptionControls();
}

void CAddCardPunchDlg::OnAscii()
{
    m_bAscii = IsChecked(IDC_DEVDLG_ASCII);
}

void CAddCardPunchDlg::OnCrlf()
{
    m_bCrlf = IsChecked(IDC_PCH_CRLF);
}

// With a file name both boxes show their states; without one both lock.
void CAddCardPunchDlg::UpdateOptionControls()
{
    CString strFile = m_strFile;
    TrimBlanks(strFile);
    bool bFile = !strFile.IsEmpty();
    EnableControl(IDC_DEVDLG_ASCII, bFile);
    EnableControl(IDC_PCH_CRLF, bFile);
    SetCheck(IDC_DEVDLG_ASCII, m_bAscii);
    SetCheck(IDC_PCH_CRLF, m_bCrlf);
}

std::vector<CDeviceDlg::SHelpRow> CAddCardPunchDlg::HelpRows() const
{
    return {{0, IDS_HELP_PCH},
            {IDC_PCH_OUTPUT_GROUP, IDS_HELP_PCH_OUTPUT_GROUP},
            {IDC_PCH_DIR, IDS_HELP_PCH_DIR},
            {IDC_PCH_FILE, IDS_HELP_PCH_FILE},
            {IDC_PCH_DIR_BROWSE, IDS_HELP_PCH_DIR_BROWSE},
            {IDC_PCH_FILE_BROWSE, IDS_HELP_PCH_FILE_BROWSE},
            {IDC_DEVDLG_ASCII, IDS_HELP_PCH_ASCII},
            {IDC_PCH_CRLF, IDS_HELP_PCH_CRLF}};
}

// The three areas share the growth in height 20/40/40; the rows inside
// them move down as items of ten.
void CAddCardPunchDlg::SetupDynamicLayout()
{
    HWND hDlg = m_hWnd;
    AddSzControl(::GetDlgItem(hDlg, IDC_DEVDLG_IDENT_GROUP), 0, 0, 100, 20);
    AddSzControl(::GetDlgItem(hDlg, IDC_PCH_OUTPUT_GROUP), 0, 20, 100, 60);
    AddSzControl(::GetDlgItem(hDlg, IDC_DEVDLG_OPTIONS_GROUP), 0, 60, 100, 100);
    const struct { UINT nID; int nItem; int nHMode; } rows[] = {
        {IDC_DEVDLG_DEVNUM_LABEL, 1, mdNone}, {IDC_DEVDLG_DEVNUM, 1, mdNone},
        {IDC_DEVDLG_DEVTYPE_LABEL, 1, mdNone}, {IDC_DEVDLG_DEVTYPE, 1, mdNone},
        {IDC_PCH_DIR, 4, mdResize},           {IDC_PCH_DIR_BROWSE, 4, mdRepos},
        {IDC_PCH_FILE, 5, mdResize},          {IDC_PCH_FILE_BROWSE, 5, mdRepos},
        {IDC_DEVDLG_ASCII, 9, mdNone},        {IDC_PCH_CRLF, 9, mdNone},
    };
    for (const auto& row : rows) {
        AddSzXControlById(row.nID, row.nHMode);
        AddSzYControlEvenMove(10, row.nItem, row.nID, true);
    }
    AddSzControlByModes(::GetDlgItem(hDlg, IDOK), mdRepos, mdRepos);
    AddSzControlByModes(::GetDlgItem(hDlg, IDCANCEL), mdRepos, mdRepos);
}
