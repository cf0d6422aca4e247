// AddNetAdapterPage.cpp: the guest MAC, host adapter and buffer sizes of
// the LCS and CTCI pages.
#include "devices/AddNetAdapterPage.h"

#include <commctrl.h>

#include "config/FieldValidators.h"
#include "platform/DDX.h"

namespace {
const int kMacMaxChars = 17;
}

BEGIN_MESSAGE_MAP(CAddNetAdapterPage, CAddCOMMPage)
    ON_EN_UPDATE(IDC_NET_GUEST_MAC, OnGuestMacUpdate)
    ON_EN_UPDATE(IDC_COMM_NIC_MAC, OnNicMacUpdate)
    ON_NOTIFY(IPN_FIELDCHANGED, IDC_COMM_NIC_IP, OnNicIpChanged)
    ON_EN_KILLFOCUS(IDC_NET_DRIVER, OnDriverKillFocus)
    ON_EN_KILLFOCUS(IDC_NET_DLL, OnDllKillFocus)
    ON_NOTIFY(UDN_DELTAPOS, IDC_NET_DRIVER_SPIN, OnDriverDeltaPos)
    ON_NOTIFY(UDN_DELTAPOS, IDC_NET_DLL_SPIN, OnDllDeltaPos)
END_MESSAGE_MAP()

CAddNetAdapterPage::CAddNetAdapterPage(CAddCOMMSheet* pSheet, const SCommPageKind& kind, SNetAdapterFields& fields)
    : CAddCOMMPage(pSheet, kind), m_net(fields), m_limits(CurrentBufferSizeLimits())
{
}

SCommAddresses CAddNetAdapterPage::Addresses() const
{
    SCommAddresses addresses;
    addresses.strGuestIP = m_net.strGuestIP;
    addresses.strGuestMAC = m_net.strGuestMAC;
    addresses.strNicIP = m_net.strNicIP;
    addresses.strNicMAC = m_net.strNicMAC;
    addresses.nDriverSize = m_net.nDriverSize;
    addresses.nDllSize = m_net.nDllSize;
    return addresses;
}

void CAddNetAdapterPage::TakeAddresses(const SCommAddresses& addresses)
{
    m_net.strGuestIP = addresses.strGuestIP;
    m_net.strGuestMAC = addresses.strGuestMAC;
    m_net.strNicIP = addresses.strNicIP;
    m_net.strNicMAC = addresses.strNicMAC;
    m_net.nDriverSize = addresses.nDriverSize;
    m_net.nDllSize = addresses.nDllSize;
}

void CAddNetAdapterPage::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_NET_GUEST_MAC, m_GuestMacEdit);
    DDX_Control(pDX, IDC_NET_DRIVER, m_DriverEdit);
    DDX_Control(pDX, IDC_NET_DLL, m_DllEdit);
    DDX_Text(pDX, IDC_NET_GUEST_MAC, m_net.strGuestMAC);
    DDX_Text(pDX, IDC_COMM_NIC_MAC, m_net.strNicMAC);
    // The sizes as their fields show them; the checks of OK judge them.
    CString strDriver, strDll;
    if (!pDX->m_bSaveAndValidate) {
        strDriver.Format("%u", m_net.nDriverSize);
        strDll.Format("%u", m_net.nDllSize);
    }
    DDX_Text(pDX, IDC_NET_DRIVER, strDriver);
    DDX_Text(pDX, IDC_NET_DLL, strDll);
    if (pDX->m_bSaveAndValidate && !pDX->m_bFailed) {
        m_net.nDriverSize = TypedBufferSize(strDriver);
        m_net.nDllSize = TypedBufferSize(strDll);
    }
}

void CAddNetAdapterPage::InitControls()
{
    m_GuestMacEdit.SendMessage(EM_LIMITTEXT, kMacMaxChars);
    ShowNicAddress(m_net.strNicIP, m_net.strNicMAC);
    SendDlgItemMessage(IDC_NET_DRIVER_SPIN, UDM_SETRANGE32, 0, (LPARAM)m_limits.nDriverMax);
    SendDlgItemMessage(IDC_NET_DLL_SPIN, UDM_SETRANGE32, 0, (LPARAM)m_limits.nDllMax);
    ShowSize(IDC_NET_DRIVER, IDC_NET_DRIVER_SPIN, m_net.nDriverSize);
    ShowSize(IDC_NET_DLL, IDC_NET_DLL_SPIN, m_net.nDllSize);
}

bool CAddNetAdapterPage::ValidateGuestMac(CDataExchange* pDX)
{
    if (m_net.strGuestMAC.IsEmpty())
        return true;
    return DDX_MACAddress(pDX, IDC_NET_GUEST_MAC, m_net.strGuestMAC, "Invalid Guest MAC address", "Guest MAC Address",
                          false);
}

bool CAddNetAdapterPage::ValidateBufferSizes(CDataExchange* pDX)
{
    SBufferSizeFailure failure;
    if (CheckBufferSizes(m_net.nDriverSize, m_net.nDllSize, m_limits, failure))
        return true;
    return Refuse(pDX, failure.bDll ? IDC_NET_DLL : IDC_NET_DRIVER, failure.strTitle, failure.strText);
}

std::vector<CAddCOMMPage::SHelpRow> CAddNetAdapterPage::NetHelpRows(std::vector<SHelpRow> rows)
{
    rows.insert(rows.end(), {
        {IDC_COMM_GUEST_IP_LABEL, IDS_HELP_COMM_GUEST_IP},
        {IDC_COMM_GUEST_IP, IDS_HELP_COMM_GUEST_IP},
        {IDC_NET_GUEST_MAC_LABEL, IDS_HELP_NET_GUEST_MAC},
        {IDC_NET_GUEST_MAC, IDS_HELP_NET_GUEST_MAC},
        {IDC_NET_GUEST_MAC_OPTIONAL, IDS_HELP_NET_GUEST_MAC},
        {IDC_COMM_NIC_IP_LABEL, IDS_HELP_COMM_NIC_IP},
        {IDC_COMM_NIC_IP, IDS_HELP_COMM_NIC_IP},
        {IDC_COMM_NIC_OR, IDS_HELP_COMM_NIC_OR},
        {IDC_COMM_NIC_MAC_LABEL, IDS_HELP_COMM_NIC_MAC},
        {IDC_COMM_NIC_MAC, IDS_HELP_COMM_NIC_MAC},
        {IDC_NET_DRIVER_LABEL, IDS_HELP_NET_DRIVER},
        {IDC_NET_DRIVER, IDS_HELP_NET_DRIVER},
        {IDC_NET_DRIVER_SPIN, IDS_HELP_NET_DRIVER},
        {IDC_NET_DRIVER_UNIT, IDS_HELP_NET_DRIVER},
        {IDC_NET_DRIVER_OPTIONAL, IDS_HELP_NET_DRIVER},
        {IDC_NET_DLL_LABEL, IDS_HELP_NET_DLL},
        {IDC_NET_DLL, IDS_HELP_NET_DLL},
        {IDC_NET_DLL_SPIN, IDS_HELP_NET_DLL},
        {IDC_NET_DLL_UNIT, IDS_HELP_NET_DLL},
        {IDC_NET_DLL_OPTIONAL, IDS_HELP_NET_DLL},
    });
    return rows;
}

void CAddNetAdapterPage::OnGuestMacUpdate()
{
    if (m_bUpdating)
        return;
    ValidateMACAddressEdit(m_GuestMacEdit.m_hWnd, m_net.strGuestMAC);
    OnGuestMacChanged();
}

void CAddNetAdapterPage::OnNicMacUpdate()
{
    OnNicMacEdited(m_net.strNicMAC, m_net.strNicIP);
}

void CAddNetAdapterPage::OnNicIpChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (m_bUpdating)
        return;
    if (m_bNicIpFollowsControl)
        m_net.strNicIP = IPControlText(IDC_COMM_NIC_IP);
    OnNicIpEdited(m_net.strNicMAC);
}

void CAddNetAdapterPage::OnDriverKillFocus()
{
    if (m_bUpdating)
        return;
    CString str;
    GetDlgItemText(IDC_NET_DRIVER, str);
    SetDriverSize(EnteredDriverSize(str, m_limits));
}

void CAddNetAdapterPage::OnDllKillFocus()
{
    if (m_bUpdating)
        return;
    CString str;
    GetDlgItemText(IDC_NET_DLL, str);
    SetDllSize(EnteredDllSize(str, m_net.nDriverSize, m_limits));
}

// The page steps the size itself: the spin's own change is suppressed.
void CAddNetAdapterPage::OnDriverDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 1;
    const NMUPDOWN* pUD = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    SetDriverSize(SteppedDriverSize(pUD->iPos, pUD->iDelta, m_limits));
}

void CAddNetAdapterPage::OnDllDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 1;
    const NMUPDOWN* pUD = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    SetDllSize(SteppedDllSize(pUD->iPos, pUD->iDelta, m_net.nDriverSize, m_limits));
}

// A new driver size, then the DLL size's follow-up: its spin reaches the
// driver size at most, and so does the size.
void CAddNetAdapterPage::SetDriverSize(UINT nValue)
{
    m_net.nDriverSize = nValue;
    ShowSize(IDC_NET_DRIVER, IDC_NET_DRIVER_SPIN, nValue);
    SendDlgItemMessage(IDC_NET_DLL_SPIN, UDM_SETRANGE32, 0, (LPARAM)DllSizeLimit(nValue, m_limits));
    SetDllSize(FollowDllSize(m_net.nDllSize, nValue));
}

void CAddNetAdapterPage::SetDllSize(UINT nValue)
{
    m_net.nDllSize = nValue;
    ShowSize(IDC_NET_DLL, IDC_NET_DLL_SPIN, nValue);
}

// The position first: the spin writes its (range-bound) position into its
// buddy, then the field gets the value itself.
void CAddNetAdapterPage::ShowSize(UINT nEdit, UINT nSpin, UINT nValue)
{
    const bool bWasUpdating = m_bUpdating;
    m_bUpdating = true;
    SendDlgItemMessage((int)nSpin, UDM_SETPOS32, 0, (LPARAM)nValue);
    CString str;
    str.Format("%u", nValue);
    SetDlgItemText((int)nEdit, str);
    m_bUpdating = bWasUpdating;
}
