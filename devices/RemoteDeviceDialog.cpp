// RemoteDeviceDialog.cpp: the remote disk of a shared DASD device.
#include "devices/RemoteDeviceDialog.h"

#include <commctrl.h>

#include "config/DevClass.h"
#include "config/DevClassIcons.h"
#include "config/DevNum.h"
#include "config/FieldValidators.h"
#include "config/Limits.h"
#include "config/NetworkValues.h"
#include "devices/DasdDeviceRules.h"
#include "devices/DeviceDialogRules.h"
#include "framework/HelpKeys.h"
#include "platform/CWindowPlacement.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

namespace {

const char kPlacementName[] = "CRemoteDeviceDialog";

// Remembered for the process; changed only by an OK.
CString s_strLastHost;
UINT s_nLastPort = 0;  // 0: not yet, the "Limits" default
DWORD s_dwLastDevKey = 0;

struct HelpRow { UINT nCtrl; UINT nString; };
const HelpRow kHelpRows[] = {
    {0, IDS_HELP_REMOTE},
    {IDC_REMOTE_HOST_LABEL, IDS_HELP_REMOTE_HOST},
    {IDC_REMOTE_HOST, IDS_HELP_REMOTE_HOST},
    {IDC_REMOTE_PORT_LABEL, IDS_HELP_REMOTE_PORT},
    {IDC_REMOTE_PORT, IDS_HELP_REMOTE_PORT},
    {IDC_REMOTE_PORT_SPIN, IDS_HELP_REMOTE_PORT},
    {IDC_DEVDLG_DEVNUM_LABEL, IDS_HELP_REMOTE_DEVNUM},
    {IDC_DEVDLG_DEVNUM, IDS_HELP_REMOTE_DEVNUM},
};

}  // namespace

BEGIN_MESSAGE_MAP(CRemoteDeviceDialog, CHelpButtonDlg)
    ON_NOTIFY(IPN_FIELDCHANGED, IDC_REMOTE_HOST, OnIpChanged)
    ON_EN_CHANGE(IDC_REMOTE_HOST, OnAddressTextChange)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CRemoteDeviceDialog::CRemoteDeviceDialog(CWnd* pParent)
    : CHelpButtonDlg(IDD, pParent),
      m_strHost(s_strLastHost),
      m_nPort(s_nLastPort ? s_nLastPort : g_nDefSHRDPortnum),
      m_strDevNum(FormatDevnum(s_dwLastDevKey))
{
}

void CRemoteDeviceDialog::ForgetRemembered()
{
    s_strLastHost.Empty();
    s_nLastPort = 0;
    s_dwLastDevKey = 0;
}

void CRemoteDeviceDialog::ParseRemoteDasdName()
{
    SRemoteDasdName name;
    name.strHost = m_strHost;
    name.nPort = m_nPort;
    name.strDevNum = m_strDevNum;
    if (!::ParseRemoteDasdName(m_strRemoteName, name))
        return;
    m_strHost = name.strHost;
    m_nPort = name.nPort;
    m_strDevNum = name.strDevNum;
}

void CRemoteDeviceDialog::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CHelpButtonDlg::RegisterStandardHelpStrings();
    for (const HelpRow& row : kHelpRows)
        SetHelpString(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

void CRemoteDeviceDialog::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    for (const HelpRow& row : kHelpRows)
        SetHelpId(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

BOOL CRemoteDeviceDialog::OnInitDialog()
{
    m_strDevNum = m_strDevNum.Left(4);
    m_strPort.Format("%u", m_nPort);
    CHelpButtonDlg::OnInitDialog();
    SetIcon(DevClassIcon(DEVCLASS_DISK), FALSE);
    DWORD dwAddress = 0;
    if (ParseIPv4Address(m_strHost, dwAddress))
        m_Address.SetAddress(dwAddress);
    SendDlgItemMessage(IDC_REMOTE_PORT_SPIN, UDM_SETRANGE32, g_nMinSHRDPortnum, g_nMaxSHRDPortnum);
    SendDlgItemMessage(IDC_REMOTE_PORT_SPIN, UDM_SETPOS32, 0, (LPARAM)m_nPort);
    SetDlgItemText(IDC_REMOTE_PORT, m_strPort);
    SendDlgItemMessage(IDC_DEVDLG_DEVNUM, EM_LIMITTEXT, 6);
    // Where the user left it; without a place of its own, centred over its
    // owner (as every dialog opens).
    CWindowPlacement::Restore(kPlacementName, this);
    return TRUE;
}

void CRemoteDeviceDialog::DoDataExchange(CDataExchange* pDX)
{
    CHelpButtonDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REMOTE_HOST, m_Address);
    DDX_Text(pDX, IDC_REMOTE_PORT, m_strPort);
    DDX_Text(pDX, IDC_DEVDLG_DEVNUM, m_strDevNum);
    if (!pDX->m_bSaveAndValidate)
        return;
    if (!DDX_IPAddress(pDX, IDC_REMOTE_HOST, m_strHost, "Invalid Remote IP address", "Remote Host", 0, false))
        return;
    if (!ValidatePort(pDX) || !ValidateDevNum(pDX))
        return;
    FormatRemoteName();
}

bool CRemoteDeviceDialog::ValidatePort(CDataExchange* pDX)
{
    long long n = 0;
    if (ParseFieldInt(m_strPort, g_nMinSHRDPortnum, g_nMaxSHRDPortnum, n)) {
        m_nPort = (UINT)n;
        return true;
    }
    CString strText;
    strText.Format("Please enter a port number from %d to %d", (int)g_nMinSHRDPortnum, (int)g_nMaxSHRDPortnum);
    pDX->PrepareEditCtrl(IDC_REMOTE_PORT);
    ErrorBalloon(this, IDC_REMOTE_PORT, "Remote Port", strText, kBalloonIconWarning);
    pDX->Fail();
    return false;
}

// The number as it is on the remote system: not looked up anywhere.
bool CRemoteDeviceDialog::ValidateDevNum(CDataExchange* pDX)
{
    TrimBlanks(m_strDevNum);
    const char* pszText = nullptr;
    if (m_strDevNum.IsEmpty())
        pszText = "You must enter a device number";
    else if (!IsHexString(m_strDevNum))
        pszText = "Value is not a hexadecimal number";
    if (!pszText)
        return true;
    pDX->PrepareEditCtrl(IDC_DEVDLG_DEVNUM);
    ErrorBalloon(this, IDC_DEVDLG_DEVNUM, kDevNumBalloonTitle, pszText, kBalloonIconWarning);
    pDX->Fail();
    return false;
}

// Remembers host, port and number, then builds the name as typed.
void CRemoteDeviceDialog::FormatRemoteName()
{
    s_strLastHost = m_strHost;
    s_nLastPort = m_nPort;
    DWORD dwKey = 0;
    if (ParseDevnumLcss(m_strDevNum, &dwKey))
        s_dwLastDevKey = dwKey;
    SRemoteDasdName name;
    name.strHost = m_strHost;
    name.nPort = m_nPort;
    name.strDevNum = m_strDevNum;
    m_strRemoteName = FormatRemoteDasdName(name);
}

// All four fields give the host text; fewer empty it.
void CRemoteDeviceDialog::OnIpChanged(NMHDR*, LRESULT* pResult)
{
    if (pResult)
        *pResult = 0;
    DWORD dwAddress = 0;
    if (m_Address.GetAddress(dwAddress) == 4)
        m_strHost.Format("%d.%d.%d.%d", (int)FIRST_IPADDRESS(dwAddress), (int)SECOND_IPADDRESS(dwAddress),
                         (int)THIRD_IPADDRESS(dwAddress), (int)FOURTH_IPADDRESS(dwAddress));
    else
        m_strHost.Empty();
}

// The address control passes on its fields' EN_CHANGE: the one sign of a
// field emptied by the keyboard, for which Wine sends no IPN_FIELDCHANGED.
void CRemoteDeviceDialog::OnAddressTextChange()
{
    OnIpChanged(nullptr, nullptr);
}

void CRemoteDeviceDialog::OnDestroy()
{
    CWindowPlacement::Save(kPlacementName, this);
    CHelpButtonDlg::OnDestroy();
}
