// AddPrinterDlg.cpp: the line printer's definition dialog.
#include "devices/AddPrinterDlg.h"

#include "config/DevNum.h"
#include "config/FieldValidators.h"
#include "config/FileDialogs.h"
#include "config/Limits.h"
#include "devices/CCTapeDlg.h"
#include "devices/CFCBDlg.h"
#include "devices/DeviceDialogRules.h"
#include "devices/ChannelSettings.h"
#include "platform/BrowseForDirectory.h"
#include "platform/CSplitPath.h"
#include "platform/DDX.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"
#include "session/VornGUIView.h"
#include "utilities/UtilityDlg.h"
#include "utilities/UtilityRules.h"

namespace {

// Adding falls back on "3211".
const SDeviceDlgClass kPrinterClass = {2, IDS_DEVTYPES_PRINTER, "Add New Line Printer", "Reinitialize Line Printer",
                                       2};

const char kPipeProgramFilter[] = "Executable files (*.exe)|*.exe|Batch files (*.bat)|*.bat|"
                                  "Command files (*.cmd)|*.cmd|All files (*.*)|*.*||";

// The output controls that socket mode locks, and the socket controls.
const UINT kOutputControls[] = {IDC_PCH_DIR, IDC_PCH_FILE, IDC_PCH_DIR_BROWSE, IDC_PCH_FILE_BROWSE,
                                IDC_PCH_CRLF, IDC_PRT_PIPE_LABEL, IDC_PRT_PIPE_ARGS};
const UINT kSocketControls[] = {IDC_PRT_SOCK_GROUP, IDC_PRT_IP_LABEL, IDC_PRT_IP, IDC_PRT_PORT_LABEL, IDC_PRT_PORT};

CString PrinterFolder()
{
    return g_pView ? g_pView->GetPrinterFilesDir() : CString();
}

}  // namespace

BEGIN_MESSAGE_MAP(CAddPrinterDlg, CDeviceDlg)
    ON_BN_CLICKED(IDC_PCH_DIR_BROWSE, OnBrowseDirectory)
    ON_BN_CLICKED(IDC_PCH_FILE_BROWSE, OnBrowseOutput)
    ON_BN_CLICKED(IDC_PRT_SOCKDEV, OnSockdev)
    ON_BN_CLICKED(IDC_PRT_CHANNEL_EDIT, OnEditChannelSettings)
    ON_BN_CLICKED(IDC_PCH_CRLF, OnCrlf)
    ON_EN_CHANGE(IDC_PCH_FILE, OnFileNameChange)
    ON_CBN_SELCHANGE(IDC_DEVDLG_DEVTYPE, OnDeviceTypeSelChange)
END_MESSAGE_MAP()

CAddPrinterDlg::CAddPrinterDlg(CWnd* pParent) : CDeviceDlg(IDD, kPrinterClass, pParent) {}

// ParseArguments: the words, then the socket, pipe or file; a new printer's
// folder is the current one (the caller's starting folder).
void CAddPrinterDlg::LoadDevice()
{
    m_bIs1403 = m_Device.m_wDevType == 0x1403;
    m_fields = SPrinterFields();
    m_fields.nPort = g_nDefSockdevPrinterPortnum;
    ParsePrinterArguments(m_Device.m_strFirstArg, m_Device.m_strOtherArgs,
                          WindowsizedDirectory(GetStdCurrentDirectory(), true), m_fields);
    m_bHadChannelSettings = !m_fields.strChannelSettings.IsEmpty();
    m_strOwnFile.Empty();
    if (!m_fields.bSockdev && !IsPipeName(m_fields.strFileName) && !m_Device.m_strFirstArg.IsEmpty())
        m_strOwnFile = OutputPath();
}

void CAddPrinterDlg::InitControls()
{
    OnSockdev();
    OnFileNameChange();
    OnDeviceTypeSelChange();
}

void CAddPrinterDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_PRT_IP, m_Address);
    DDX_CheckBool(pDX, IDC_PRT_SOCKDEV, m_fields.bSockdev);
    DDX_CheckBool(pDX, IDC_PCH_CRLF, m_fields.bCrlf);
    DDX_Text(pDX, IDC_PCH_DIR, m_fields.strOutputDir);
    DDX_Text(pDX, IDC_PCH_FILE, m_fields.strFileName);
    DDX_Text(pDX, IDC_PRT_CHANNEL, m_fields.strChannelSettings);
    DDX_Text(pDX, IDC_PRT_PIPE_ARGS, m_fields.strPipeArgs);
    if (pDX->m_bSaveAndValidate) {
        TrimBlanks(m_fields.strFileName);
        TrimBlanks(m_fields.strChannelSettings);
        TrimBlanks(m_fields.strPipeArgs);
        return;
    }
    DDX_Text(pDX, IDC_PRT_PORT, m_fields.nPort);
    if (m_fields.dwIPAddress)
        m_Address.SetAddress(m_fields.dwIPAddress);
}

CString CAddPrinterDlg::OutputPath() const
{
    return JoinOutputPath(m_fields.strOutputDir, m_fields.strFileName);
}

// The output's checks by kind, then the channel settings; an output file's
// overwrite question comes last and an unchanged own file skips it.
bool CAddPrinterDlg::ValidateFields(CDataExchange* pDX)
{
    return ValidateFileName(pDX) && ValidateChannelSettings(pDX) && !pDX->m_bFailed &&
           (m_fields.bSockdev || IsPipeName(m_fields.strFileName) ||
            (!m_bAdd && !m_strOwnFile.IsEmpty() && OutputPath().CompareNoCase(m_strOwnFile) == 0) ||
            CheckOutputFile(pDX, m_fields.strOutputDir, m_fields.strFileName, IDC_PCH_FILE, "Output File"));
}

bool CAddPrinterDlg::ValidateFileName(CDataExchange* pDX)
{
    if (m_fields.bSockdev)
        return DDX_IPAddress(pDX, IDC_PRT_IP, m_strIPAddress, "Invalid IP address", "IP Address", 0, false) &&
               CheckPort(pDX);
    if (IsPipeName(m_fields.strFileName)) {
        CString strProgram = m_fields.strOutputDir + m_fields.strFileName.Mid(1);
        return DDV_InputFile(pDX, strProgram, IDC_PCH_FILE, "Print-to-pipe program");
    }
    return CheckFileNotInUse(pDX, OutputPath(), IDC_PCH_FILE, "Output File");
}

// The port from the "Limits" range.
bool CAddPrinterDlg::CheckPort(CDataExchange* pDX)
{
    CString strPort;
    GetDlgItemText(IDC_PRT_PORT, strPort);
    long long nPort = 0;
    if (ParseFieldInt(strPort, g_nMinSockdevPrinterPortnum, g_nMaxSockdevPrinterPortnum, nPort)) {
        m_fields.nPort = (UINT)nPort;
        return true;
    }
    CString strText;
    strText.Format("Invalid printer port number.\nValid range is %u - %u.", g_nMinSockdevPrinterPortnum,
                   g_nMaxSockdevPrinterPortnum);
    return Refuse(pDX, IDC_PRT_PORT, "Port Number", strText);
}

// An empty field stands for the default of the printer's form. A printer
// whose statement has no channel settings is given none: the emulator's
// own default is the same, and one that does not know the word refuses the
// whole device.
bool CAddPrinterDlg::ValidateChannelSettings(CDataExchange* pDX)
{
    if (m_fields.strChannelSettings.IsEmpty() && !m_bHadChannelSettings)
        return true;
    int nCode = CheckChannelSettings();
    if (nCode == 0)
        return true;
    return Refuse(pDX, IDC_PRT_CHANNEL, "Channel Settings", ChannelSettingsMessage(nCode, m_fields.strChannelSettings));
}

int CAddPrinterDlg::CheckChannelSettings()
{
    return ::CheckChannelSettings(m_fields.strChannelSettings, m_bIs1403);
}

bool CAddPrinterDlg::IsChannelStyleName(const CString& strName) const
{
    return ::IsChannelStyleName(strName, m_bIs1403);
}

// A file or socket printer's other words follow the options (a socket
// printer's only when it was no pipe before).
void CAddPrinterDlg::BuildArguments()
{
    m_bIs1403 = m_Device.m_wDevType == 0x1403;
    CString strExtra;
    if (m_fields.bSockdev)
        strExtra = IsPipeName(m_strKeptFile) ? CString() : m_strKeptPipeArgs;
    else if (!IsPipeName(m_fields.strFileName))
        strExtra = m_fields.strPipeArgs;
    m_Device.m_strFirstArg = PrinterFileName(m_fields, m_strIPAddress);
    m_Device.m_strOtherArgs = PrinterArgumentText(m_fields, m_bIs1403, strExtra);
}

CString CAddPrinterDlg::BuildCommand()
{
    return PrinterCommand(m_bAdd, FormatDevnum(m_Device.GetKey()), m_Device.m_strTypeWord, m_Device.m_strFirstArg,
                          m_Device.m_strOtherArgs);
}

// On: the output controls' texts and crlf put aside and locked, the socket
// controls showing the address and port. Off: the address and port taken
// back, the output controls restored.
void CAddPrinterDlg::OnSockdev()
{
    m_bFilling = true;
    m_fields.bSockdev = IsChecked(IDC_PRT_SOCKDEV);
    if (m_fields.bSockdev) {
        GetDlgItemText(IDC_PCH_DIR, m_strKeptDir);
        GetDlgItemText(IDC_PCH_FILE, m_strKeptFile);
        GetDlgItemText(IDC_PRT_PIPE_ARGS, m_strKeptPipeArgs);
        m_bKeptCrlf = m_fields.bCrlf;
        m_bKept = true;
        SetDlgItemText(IDC_PCH_DIR, "");
        SetDlgItemText(IDC_PCH_FILE, "");
        SetDlgItemText(IDC_PRT_PIPE_ARGS, "");
        SetCheck(IDC_PCH_CRLF, false);
        CString strPort;
        strPort.Format("%u", m_fields.nPort);
        SetDlgItemText(IDC_PRT_PORT, strPort);
        if (m_fields.dwIPAddress)
            m_Address.SetAddress(m_fields.dwIPAddress);
        else
            m_Address.ClearAddress();
    } else {
        DWORD dwAddress = 0;
        if (m_Address.GetAddress(dwAddress) == 4)
            m_fields.dwIPAddress = dwAddress;
        CString strPort;
        GetDlgItemText(IDC_PRT_PORT, strPort);
        long long nPort = 0;
        if (ParseFieldInt(strPort, 0, 0xFFFFFFFFLL, nPort) && nPort)
            m_fields.nPort = (UINT)nPort;
        m_Address.ClearAddress();
        SetDlgItemText(IDC_PRT_PORT, "0");
    }
    for (UINT nID : kSocketControls)
        EnableControl(nID, m_fields.bSockdev);
    for (UINT nID : kOutputControls)
        EnableControl(nID, !m_fields.bSockdev);
    if (!m_fields.bSockdev && m_bKept) {
        SetDlgItemText(IDC_PCH_DIR, m_strKeptDir);
        SetDlgItemText(IDC_PCH_FILE, m_strKeptFile);
        SetDlgItemText(IDC_PRT_PIPE_ARGS, m_strKeptPipeArgs);
        m_fields.bCrlf = m_bKeptCrlf;
        m_strKeptDir.Empty();
        m_strKeptFile.Empty();
        m_strKeptPipeArgs.Empty();
        m_bKept = false;
    }
    m_bFilling = false;
    if (!m_fields.bSockdev)
        OnFileNameChange();
}

// crlf needs an output; the pipe's arguments a pipe.
void CAddPrinterDlg::OnFileNameChange()
{
    if (m_bFilling)
        return;
    GetDlgItemText(IDC_PCH_FILE, m_fields.strFileName);
    CString strFile = m_fields.strFileName;
    TrimBlanks(strFile);
    bool bPipe = IsPipeName(strFile);
    if (strFile.IsEmpty()) {
        SetCheck(IDC_PCH_CRLF, false);
        EnableControl(IDC_PCH_CRLF, false);
    } else {
        EnableControl(IDC_PCH_CRLF, true);
        SetCheck(IDC_PCH_CRLF, m_fields.bCrlf);
    }
    EnableControl(IDC_PRT_PIPE_LABEL, bPipe);
    EnableControl(IDC_PRT_PIPE_ARGS, bPipe);
}

void CAddPrinterDlg::OnCrlf()
{
    if (!m_bFilling)
        m_fields.bCrlf = IsChecked(IDC_PCH_CRLF);
}

void CAddPrinterDlg::OnDeviceTypeSelChange()
{
    m_bIs1403 = DeviceTypeFromName(SelectedTypeName()) == 0x1403;
}

// The editor of the printer's form, on the field's text when it is
// accepted, else on the legacy default.
void CAddPrinterDlg::OnEditChannelSettings()
{
    GetDlgItemText(IDC_PRT_CHANNEL, m_fields.strChannelSettings);
    TrimBlanks(m_fields.strChannelSettings);
    CString strText = m_fields.strChannelSettings;
    if (::CheckChannelSettings(strText, m_bIs1403) != 0)
        strText = m_bIs1403 ? kLegacyCCTape : kLegacyFCB;
    if (m_bIs1403) {
        CCTapeDlg dlg(this);
        dlg.m_strCCTape = strText;
        if (dlg.DoModal() != IDOK)
            return;
        m_fields.strChannelSettings = dlg.m_strCCTape;
    } else {
        CFCBDlg dlg(this);
        dlg.m_strFCB = strText;
        if (dlg.DoModal() != IDOK)
            return;
        m_fields.strChannelSettings = dlg.m_strFCB;
    }
    SetDlgItemText(IDC_PRT_CHANNEL, m_fields.strChannelSettings);
}

void CAddPrinterDlg::OnBrowseOutput()
{
    GetDlgItemText(IDC_PCH_FILE, m_fields.strFileName);
    if (IsPipeName(m_fields.strFileName)) {
        BrowseForPipeProgram();
        return;
    }
    if (BrowseForSaveFile(m_fields.strOutputDir, m_fields.strFileName, "Printer Output file", PrinterFolder(),
                          GetPrinterFilesFilter(), GetDlgItem(IDC_PCH_FILE), false, false,
                          GetDlgItem(IDC_PCH_DIR)) == IDOK)
        OnFileNameChange();
}

// The program's folder and "|" with its name; it must exist.
void CAddPrinterDlg::BrowseForPipeProgram()
{
    CString strStart = m_fields.strOutputDir;
    if (strStart.IsEmpty() && g_pView)
        strStart = g_pView->GetExecutablesDir();
    CString strProgram;
    if (BrowseForFile(kPipeProgramFilter, strProgram, "Select Print-to-Pipe Program", strStart, nullptr, true) !=
        IDOK)
        return;
    if (strProgram.IsEmpty())
        m_fields.strFileName.Empty();
    else {
        CSplitPath split(strProgram);
        m_fields.strOutputDir = split.GetFullPathOnly();
        m_fields.strFileName = "|" + split.GetFileNameAndExt();
    }
    SetDlgItemText(IDC_PCH_DIR, m_fields.strOutputDir);
    SetDlgItemText(IDC_PCH_FILE, m_fields.strFileName);
}

void CAddPrinterDlg::OnBrowseDirectory()
{
    GetDlgItemText(IDC_PCH_FILE, m_fields.strFileName);
    if (IsPipeName(m_fields.strFileName)) {
        BrowseForPipeProgram();
        return;
    }
    CString strChosen;
    if (!BrowseForDirectoryEx(m_hWnd, "Select which directory to create Printer files in.", PrinterFolder(),
                              strChosen))
        return;
    m_fields.strOutputDir = WindowsizedDirectory(strChosen, true);
    SetDlgItemText(IDC_PCH_DIR, m_fields.strOutputDir);
}

std::vector<CDeviceDlg::SHelpRow> CAddPrinterDlg::HelpRows() const
{
    return {{0, IDS_HELP_PRT},
            {IDC_PRT_SOCK_GROUP, IDS_HELP_PRT_SOCK_GROUP},
            {IDC_PRT_SOCKDEV, IDS_HELP_PRT_SOCKDEV},
            {IDC_PRT_IP_LABEL, IDS_HELP_PRT_IP},
            {IDC_PRT_IP, IDS_HELP_PRT_IP},
            {IDC_PRT_PORT_LABEL, IDS_HELP_PRT_PORT},
            {IDC_PRT_PORT, IDS_HELP_PRT_PORT},
            {IDC_PCH_OUTPUT_GROUP, IDS_HELP_PRT_OUTPUT_GROUP},
            {IDC_PCH_DIR_BROWSE, IDS_HELP_PRT_DIR_BROWSE},
            {IDC_PCH_DIR, IDS_HELP_PRT_DIR},
            {IDC_PCH_FILE_BROWSE, IDS_HELP_PRT_FILE_BROWSE},
            {IDC_PCH_FILE, IDS_HELP_PRT_FILE},
            {IDC_PRT_OTHER_GROUP, IDS_HELP_PRT_OTHER_GROUP},
            {IDC_PRT_CHANNEL_LABEL, IDS_HELP_PRT_CHANNEL},
            {IDC_PRT_CHANNEL, IDS_HELP_PRT_CHANNEL},
            {IDC_PRT_CHANNEL_EDIT, IDS_HELP_PRT_CHANNEL_EDIT},
            {IDC_PCH_CRLF, IDS_HELP_PRT_CRLF},
            {IDC_PRT_PIPE_LABEL, IDS_HELP_PRT_PIPE},
            {IDC_PRT_PIPE_ARGS, IDS_HELP_PRT_PIPE}};
}

// The three areas below the identification share the growth in height by
// thirds; their rows move down as items of eight.
void CAddPrinterDlg::SetupDynamicLayout()
{
    HWND hDlg = m_hWnd;
    AddSzControl(::GetDlgItem(hDlg, IDC_PRT_SOCK_GROUP), 0, 0, 100, 33);
    AddSzControl(::GetDlgItem(hDlg, IDC_PCH_OUTPUT_GROUP), 0, 33, 100, 67);
    AddSzControl(::GetDlgItem(hDlg, IDC_PRT_OTHER_GROUP), 0, 67, 100, 100);
    const struct { UINT nID; int nRow; int nHMode; } rows[] = {
        {IDC_PRT_SOCKDEV, 1, mdNone},      {IDC_PRT_IP_LABEL, 2, mdNone},       {IDC_PRT_IP, 2, mdNone},
        {IDC_PRT_PORT_LABEL, 2, mdNone},   {IDC_PRT_PORT, 2, mdNone},           {IDC_PCH_DIR, 4, mdResize},
        {IDC_PCH_DIR_BROWSE, 4, mdRepos},  {IDC_PCH_FILE, 5, mdResize},         {IDC_PCH_FILE_BROWSE, 5, mdRepos},
        {IDC_PRT_CHANNEL_LABEL, 7, mdNone}, {IDC_PRT_CHANNEL, 7, mdResize},     {IDC_PRT_CHANNEL_EDIT, 7, mdRepos},
        {IDC_PCH_CRLF, 8, mdNone},         {IDC_PRT_PIPE_LABEL, 8, mdNone},     {IDC_PRT_PIPE_ARGS, 8, mdResize},
    };
    for (const auto& row : rows) {
        AddSzXControlById(row.nID, row.nHMode);
        AddSzYControlEvenMove(8, row.nRow, row.nID, true);
    }
    AddSzControlByModes(::GetDlgItem(hDlg, IDOK), mdRepos, mdRepos);
    AddSzControlByModes(::GetDlgItem(hDlg, IDCANCEL), mdRepos, mdRepos);
}
