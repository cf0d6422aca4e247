// AddQETHPage.cpp: the OSA (QETH) page of the communication adapter sheet.
#include "devices/AddQETHPage.h"

#include <commctrl.h>

#include "config/FieldValidators.h"
#include "config/NetworkValues.h"
#include "platform/DDX.h"
#include "platform/NumberParse.h"

namespace {

const SCommPageKind kQethKind = {
    COMM_SUBTYPE_QETH, IDD_ADD_QETH, IDS_DEVTYPES_QETH, "OSA",
    "Emulates an OSA Express card running in QDIO mode. Both layer-2 and layer-3 are currently supported. At least "
    "three contiguous device addresses must be defined: the read device, the write device and the data path device. "
    "The first device address of the group must be an even numbered address.",
};

const int kChpidMaxChars = 2;

// A mask the control shows: all ones, or a contiguous mask other than 0.
bool IsShownMask(const CString& strMask)
{
    DWORD dwMask = 0;
    return ParseIPv4Address(strMask, dwMask) && IsValidNetmask(dwMask);
}

}  // namespace

BEGIN_MESSAGE_MAP(CAddQETHPage, CAddCOMMPage)
    ON_EN_UPDATE(IDC_COMM_NIC_MAC, OnNicMacUpdate)
    ON_NOTIFY(IPN_FIELDCHANGED, IDC_COMM_NIC_IP, OnNicIpChanged)
END_MESSAGE_MAP()

CAddQETHPage::CAddQETHPage(CAddCOMMSheet* pSheet) : CAddCOMMPage(pSheet, kQethKind)
{
}

SCommAddresses CAddQETHPage::Addresses() const
{
    SCommAddresses addresses;
    addresses.strGuestIP = m_fields.strGuestIP;
    addresses.strNicIP = m_fields.strNicIP;
    addresses.strNicMAC = m_fields.strNicMAC;
    return addresses;
}

void CAddQETHPage::TakeAddresses(const SCommAddresses& addresses)
{
    m_fields.strGuestIP = addresses.strGuestIP;
    m_fields.strNicIP = addresses.strNicIP;
    m_fields.strNicMAC = addresses.strNicMAC;
}

void CAddQETHPage::ParseArguments(const CString& strArgs)
{
    ParseQethArguments(strArgs, m_fields);
}

void CAddQETHPage::InitControls()
{
    ShowNicAddress(m_fields.strNicIP, m_fields.strNicMAC);
    ShowIPAddress(IDC_COMM_GUEST_IP, m_fields.strGuestIP);
    ShowIPAddress(IDC_QETH_MASK, IsShownMask(m_fields.strMask) ? m_fields.strMask : CString());
    m_ChpidEdit.SendMessage(EM_LIMITTEXT, kChpidMaxChars);
}

// The NIC IP, guest IP and mask are taken by the checks on OK, not here.
void CAddQETHPage::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_QETH_CHPID, m_ChpidEdit);
    DDX_Text(pDX, IDC_COMM_NIC_MAC, m_fields.strNicMAC);
    DDX_Text(pDX, IDC_QETH_CHPID, m_fields.strChpid);
    DDX_CheckBool(pDX, IDC_QETH_DEBUG, m_fields.bDebug);
}

bool CAddQETHPage::ValidatePage(CDataExchange* pDX)
{
    if (!ValidateHostAdapter(pDX, m_fields.strNicIP, m_fields.strNicMAC))
        return false;
    if (!DDX_IPAddress(pDX, IDC_COMM_GUEST_IP, m_fields.strGuestIP, "Invalid Guest IP address", "Guest IP Address",
                       0, false))
        return false;
    if (!DDX_IPAddressNetmask(pDX, IDC_QETH_MASK, m_fields.strMask, "Invalid Subnet Mask", "Subnet Mask"))
        return false;
    m_fields.strChpid.Trim();
    if (!m_fields.strChpid.IsEmpty() && !IsHexString(m_fields.strChpid, kChpidMaxChars))
        return Refuse(pDX, IDC_QETH_CHPID, "CHPID", "Invalid CHPID value");
    return true;
}

CString CAddQETHPage::BuildArgumentText()
{
    return BuildQethArguments(m_fields);
}

void CAddQETHPage::OnNicMacUpdate()
{
    OnNicMacEdited(m_fields.strNicMAC, m_fields.strNicIP);
}

void CAddQETHPage::OnNicIpChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    OnNicIpEdited(m_fields.strNicMAC);
}

std::vector<CAddCOMMPage::SHelpRow> CAddQETHPage::HelpRows() const
{
    return {
        {0, IDS_HELP_QETH},
        {IDC_COMM_GUEST_IP_LABEL, IDS_HELP_COMM_GUEST_IP},
        {IDC_COMM_GUEST_IP, IDS_HELP_COMM_GUEST_IP},
        {IDC_COMM_NIC_IP_LABEL, IDS_HELP_COMM_NIC_IP},
        {IDC_COMM_NIC_IP, IDS_HELP_COMM_NIC_IP},
        {IDC_COMM_NIC_OR, IDS_HELP_COMM_NIC_OR},
        {IDC_COMM_NIC_MAC_LABEL, IDS_HELP_COMM_NIC_MAC},
        {IDC_COMM_NIC_MAC, IDS_HELP_COMM_NIC_MAC},
        {IDC_QETH_MASK_LABEL, IDS_HELP_QETH_MASK},
        {IDC_QETH_MASK, IDS_HELP_QETH_MASK},
        {IDC_QETH_CHPID_LABEL, IDS_HELP_QETH_CHPID},
        {IDC_QETH_CHPID, IDS_HELP_QETH_CHPID},
        {IDC_QETH_CHPID_OPTIONAL, IDS_HELP_QETH_CHPID},
        {IDC_QETH_DEBUG, IDS_HELP_QETH_DEBUG},
    };
}
