// SockdevDlg.cpp: the listening socket of a socket-attached device.
#include "devices/SockdevDlg.h"

#include <commctrl.h>

#include "config/WindowHelpers.h"
#include "devices/DeviceCommandForms.h"
#include "framework/HelpKeys.h"
#include "platform/CWindowPlacement.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/TextFunctions.h"

namespace {

const char kPlacementName[] = "CSockdevDlg";
const UINT kMinPort = 1024, kMaxPort = 65535;

struct HelpRow { UINT nCtrl; UINT nString; };
const HelpRow kHelpRows[] = {
    {0, IDS_HELP_SOCK},
    {IDC_SOCK_DESCRIPTION, IDS_HELP_SOCK_DESCRIPTION},
    {IDC_SOCK_HOST_LABEL, IDS_HELP_SOCK_HOST},
    {IDC_SOCK_HOST, IDS_HELP_SOCK_HOST},
    {IDC_SOCK_IP_LABEL, IDS_HELP_SOCK_IP},
    {IDC_SOCK_IP, IDS_HELP_SOCK_IP},
    {IDC_SOCK_PORT_LABEL, IDS_HELP_SOCK_PORT},
    {IDC_SOCK_PORT, IDS_HELP_SOCK_PORT},
    {IDC_SOCK_PORT_SPIN, IDS_HELP_SOCK_PORT},
};

// This machine's name, the default host.
CString LocalHostName()
{
    char sz[MAX_COMPUTERNAME_LENGTH + 1] = "";
    DWORD dwSize = sizeof sz;
    if (!::GetComputerNameA(sz, &dwSize))
        return "localhost";
    return CString(sz).MakeLower();
}

}  // namespace

BEGIN_MESSAGE_MAP(CSockdevDlg, CHelpButtonDlg)
    ON_NOTIFY(IPN_FIELDCHANGED, IDC_SOCK_IP, OnIpChanged)
    ON_EN_CHANGE(IDC_SOCK_IP, OnAddressTextChange)
    ON_EN_CHANGE(IDC_SOCK_HOST, OnHostNameChange)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CSockdevDlg::CSockdevDlg(CWnd* pParent) : CHelpButtonDlg(IDD, pParent), m_strHost(LocalHostName()) {}

void CSockdevDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CHelpButtonDlg::RegisterStandardHelpStrings();
    for (const HelpRow& row : kHelpRows)
        SetHelpString(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

void CSockdevDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    for (const HelpRow& row : kHelpRows)
        SetHelpId(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

BOOL CSockdevDlg::OnInitDialog()
{
    if (!m_strSpec.IsEmpty()) {
        SSocketSpec spec;
        spec.nPort = m_nPort;
        ParseSocketSpec(m_strSpec, spec);
        m_strHost = spec.strHost;
        m_dwAddress = spec.dwAddress;
        m_nPort = spec.nPort;
    }
    SetAppSmallIcon(m_hWnd);
    m_bFilling = true;
    CHelpButtonDlg::OnInitDialog();
    if (m_dwAddress)
        m_Address.SetAddress(m_dwAddress);
    m_bFilling = false;
    // Whichever of host and address holds the listening address locks the other.
    if (m_dwAddress)
        OnIpChanged(nullptr, nullptr);
    else
        OnHostNameChange();
    SendDlgItemMessage(IDC_SOCK_PORT_SPIN, UDM_SETRANGE32, kMinPort, kMaxPort);
    SendDlgItemMessage(IDC_SOCK_PORT_SPIN, UDM_SETPOS32, 0, (LPARAM)m_nPort);
    // Where the user left it; without a place of its own, centred over its
    // owner (as every dialog opens).
    CWindowPlacement::Restore(kPlacementName, this);
    return TRUE;
}

void CSockdevDlg::DoDataExchange(CDataExchange* pDX)
{
    CHelpButtonDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SOCK_IP, m_Address);
    DDX_Text(pDX, IDC_SOCK_HOST, m_strHost);
    DDX_Text(pDX, IDC_SOCK_PORT, m_nPort);
    if (!pDX->m_bSaveAndValidate)
        return;
    DDV_MinMaxUInt_EB(pDX, m_nPort, kMinPort, kMaxPort, "Port Number");
    if (pDX->m_bFailed)
        return;
    TrimBlanks(m_strHost);
    if (m_strHost.IsEmpty() && m_Address.IsBlank()) {
        pDX->PrepareEditCtrl(IDC_SOCK_HOST);
        ErrorBalloon(this, IDC_SOCK_HOST, "Host Name", "You must specify either a host name or IP address.");
        pDX->Fail();
        return;
    }
    if (m_strHost.IsEmpty() && !CheckAddress(pDX))
        return;
    m_strSpec = FormatSocketSpec(m_strHost, m_nPort);
}

// All four fields, no 255 and not 0.0.0.0; the address becomes the host.
bool CSockdevDlg::CheckAddress(CDataExchange* pDX)
{
    DWORD dwAddress = 0;
    int nFields = m_Address.GetAddress(dwAddress);
    bool bValid = nFields == 4 && dwAddress != 0;
    for (int nShift = 0; nShift < 32 && bValid; nShift += 8)
        bValid = ((dwAddress >> nShift) & 0xFF) != 0xFF;
    if (!bValid) {
        pDX->PrepareCtrl(IDC_SOCK_IP);
        ErrorBalloon(this, IDC_SOCK_IP, "IP Address", "The IP address you entered is invalid.");
        pDX->Fail();
        return false;
    }
    m_dwAddress = dwAddress;
    m_strHost.Format("%d.%d.%d.%d", (int)FIRST_IPADDRESS(dwAddress), (int)SECOND_IPADDRESS(dwAddress),
                     (int)THIRD_IPADDRESS(dwAddress), (int)FOURTH_IPADDRESS(dwAddress));
    return true;
}

// An address in the control empties and locks the host name; a blank
// control, however it became blank, frees it.
void CSockdevDlg::OnIpChanged(NMHDR*, LRESULT* pResult)
{
    if (pResult)
        *pResult = 0;
    if (m_bFilling)
        return;
    bool bBlank = m_Address.IsBlank() != FALSE;
    m_bFilling = true;
    if (!bBlank)
        SetDlgItemText(IDC_SOCK_HOST, "");
    m_bFilling = false;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_SOCK_HOST), bBlank);
}

// A host name clears and locks the address.
void CSockdevDlg::OnHostNameChange()
{
    if (m_bFilling)
        return;
    CString strHost;
    GetDlgItemText(IDC_SOCK_HOST, strHost);
    TrimBlanks(strHost);
    m_bFilling = true;
    if (!strHost.IsEmpty())
        m_Address.ClearAddress();
    m_bFilling = false;
    m_Address.EnableWindow(strHost.IsEmpty());
}

// The address control passes on its fields' EN_CHANGE: the one sign of a
// field emptied by the keyboard, for which Wine sends no IPN_FIELDCHANGED.
void CSockdevDlg::OnAddressTextChange()
{
    OnIpChanged(nullptr, nullptr);
}

void CSockdevDlg::OnDestroy()
{
    CWindowPlacement::Save(kPlacementName, this);
    CHelpButtonDlg::OnDestroy();
}
