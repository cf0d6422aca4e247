// AddCTCEPage.cpp: the CTCE page of the communication adapter sheet.
#include "devices/AddCTCEPage.h"

#include <commctrl.h>

#include "config/FieldValidators.h"
#include "config/Limits.h"
#include "platform/DDX.h"
#include "platform/NumberParse.h"

namespace {

const SCommPageKind kCtceKind = {
    COMM_SUBTYPE_CTCE, IDD_ADD_CTCE, IDS_DEVTYPES_CTCE, "CTCE",
    "This emulation mode provides a true Channel to Channel Adapter link between Vornamic instances by means of "
    "multiple TCP connections. This mode appears to the operating system running in the Vornamic machine as an IBM "
    "3088 Channel to Channel Adapter operating in Extended mode.",
};

// A number field's text: its value when it is a number, else a value no
// range accepts.
UINT TypedNumber(const CString& str)
{
    CString strTrimmed = str;
    strTrimmed.Trim();
    UINT n = 0;
    return StringToUINT(strTrimmed, n) ? n : (UINT)-1;
}

}  // namespace

BEGIN_MESSAGE_MAP(CAddCTCEPage, CAddCOMMPage)
    ON_NOTIFY(IPN_FIELDCHANGED, IDC_CTCE_RHOST, OnRemoteHostChanged)
END_MESSAGE_MAP()

CAddCTCEPage::CAddCTCEPage(CAddCOMMSheet* pSheet) : CAddCOMMPage(pSheet, kCtceKind)
{
    m_fields.nLocalPort = g_nDefCTCEPortnum;
    m_fields.nRemotePort = g_nDefCTCEPortnum;
    m_fields.nMtu = g_nDefCTCEMtu;
}

// The remote host is the address the other kinds know as the NIC IP.
SCommAddresses CAddCTCEPage::Addresses() const
{
    SCommAddresses addresses;
    addresses.strNicIP = m_fields.strRemoteHost;
    return addresses;
}

void CAddCTCEPage::TakeAddresses(const SCommAddresses& addresses)
{
    m_fields.strRemoteHost = addresses.strNicIP;
}

void CAddCTCEPage::ParseArguments(const CString& strArgs)
{
    ParseCtceArguments(strArgs, m_fields);
}

void CAddCTCEPage::InitControls()
{
    ShowIPAddress(IDC_CTCE_RHOST, m_fields.strRemoteHost);
    for (UINT nSpin : {IDC_CTCE_LPORT_SPIN, IDC_CTCE_RPORT_SPIN})
        SendDlgItemMessage((int)nSpin, UDM_SETRANGE32, g_nMinCTCEPortnum, g_nMaxCTCEPortnum);
    SendDlgItemMessage(IDC_CTCE_MTU_SPIN, UDM_SETRANGE32, g_nMinCTCEMtu, g_nMaxCTCEMtu);
    // The spins show their buddies' values from now on.
    SendDlgItemMessage(IDC_CTCE_LPORT_SPIN, UDM_SETPOS32, 0, (LPARAM)m_fields.nLocalPort);
    SendDlgItemMessage(IDC_CTCE_RPORT_SPIN, UDM_SETPOS32, 0, (LPARAM)m_fields.nRemotePort);
    SendDlgItemMessage(IDC_CTCE_MTU_SPIN, UDM_SETPOS32, 0, (LPARAM)m_fields.nMtu);
    SetDlgItemText(IDC_CTCE_LPORT, m_strLocalPort);
    SetDlgItemText(IDC_CTCE_RPORT, m_strRemotePort);
    SetDlgItemText(IDC_CTCE_MTU, m_strMtu);
}

void CAddCTCEPage::ExchangeFields(CDataExchange* pDX)
{
    if (!pDX->m_bSaveAndValidate) {
        m_strLocalPort.Format("%u", m_fields.nLocalPort);
        m_strRemotePort.Format("%u", m_fields.nRemotePort);
        m_strMtu.Format("%u", m_fields.nMtu);
    }
    DDX_Text(pDX, IDC_CTCE_LPORT, m_strLocalPort);
    DDX_Text(pDX, IDC_CTCE_RPORT, m_strRemotePort);
    DDX_Text(pDX, IDC_CTCE_MTU, m_strMtu);
}

bool CAddCTCEPage::ValidatePage(CDataExchange* pDX)
{
    if (!CheckPort(pDX, TypedNumber(m_strLocalPort), IDC_CTCE_LPORT, "Local Port"))
        return false;
    m_fields.nLocalPort = TypedNumber(m_strLocalPort);
    if (!DDX_IPAddress(pDX, IDC_CTCE_RHOST, m_fields.strRemoteHost, "Invalid Remote IP address", "Remote Host", 0,
                       false))
        return false;
    if (!CheckPort(pDX, TypedNumber(m_strRemotePort), IDC_CTCE_RPORT, "Remote Port"))
        return false;
    m_fields.nRemotePort = TypedNumber(m_strRemotePort);
    const UINT nMtu = TypedNumber(m_strMtu);
    if (nMtu < g_nMinCTCEMtu || nMtu > g_nMaxCTCEMtu) {
        CString str;
        str.Format("Please enter an MTU value from %d to %d", (int)g_nMinCTCEMtu, (int)g_nMaxCTCEMtu);
        return Refuse(pDX, IDC_CTCE_MTU, "Buffer/MTU Size", str);
    }
    m_fields.nMtu = nMtu;
    return true;
}

bool CAddCTCEPage::CheckPort(CDataExchange* pDX, UINT nPort, UINT nCtrl, const char* pszTitle)
{
    if (IsValidCtcePort(nPort, g_nMinCTCEPortnum, g_nMaxCTCEPortnum))
        return true;
    CString str;
    str.Format("Please enter an even numbered port number from %d to %d", (int)g_nMinCTCEPortnum,
               (int)g_nMaxCTCEPortnum);
    return Refuse(pDX, nCtrl, pszTitle, str);
}

CString CAddCTCEPage::BuildArgumentText()
{
    return BuildCtceArguments(m_fields);
}

// All four fields give the remote host; fewer empty it.
void CAddCTCEPage::OnRemoteHostChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    m_fields.strRemoteHost = IPControlText(IDC_CTCE_RHOST);
}

std::vector<CAddCOMMPage::SHelpRow> CAddCTCEPage::HelpRows() const
{
    return {
        {0, IDS_HELP_CTCE},
        {IDC_CTCE_LPORT_LABEL, IDS_HELP_CTCE_LPORT},
        {IDC_CTCE_LPORT, IDS_HELP_CTCE_LPORT},
        {IDC_CTCE_LPORT_SPIN, IDS_HELP_CTCE_LPORT},
        {IDC_CTCE_RHOST_LABEL, IDS_HELP_CTCE_RHOST},
        {IDC_CTCE_RHOST, IDS_HELP_CTCE_RHOST},
        {IDC_CTCE_RPORT_LABEL, IDS_HELP_CTCE_RPORT},
        {IDC_CTCE_RPORT, IDS_HELP_CTCE_RPORT},
        {IDC_CTCE_RPORT_SPIN, IDS_HELP_CTCE_RPORT},
        {IDC_CTCE_MTU_LABEL, IDS_HELP_CTCE_MTU},
        {IDC_CTCE_MTU, IDS_HELP_CTCE_MTU},
        {IDC_CTCE_MTU_SPIN, IDS_HELP_CTCE_MTU},
    };
}
