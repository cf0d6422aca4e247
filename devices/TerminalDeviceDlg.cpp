// TerminalDeviceDlg.cpp: the group and client-address fields of the console
// and display terminal dialogs.
#include "devices/TerminalDeviceDlg.h"

#include "config/CVornConfigFile.h"
#include "config/DevNum.h"
#include "config/FieldRules.h"
#include "config/FieldValidators.h"
#include "config/NetworkValues.h"
#include "platform/DDX.h"
#include "platform/Trace.h"

namespace {

const int kGroupMaxChars = 8;
const UINT kAddressControls[] = {IDC_TERM_IP_LABEL, IDC_TERM_IP, IDC_TERM_MASK_LABEL, IDC_TERM_MASK};

void LoadAddress(CIPAddressCtrl& ctrl, const CString& strAddr)
{
    DWORD dwAddr = 0;
    if (ParseIPv4Address(strAddr, dwAddr))
        ctrl.SetAddress(dwAddr);
    else
        ctrl.ClearAddress();
}

// "%d.%d.%d.%d" when all four fields hold a value, else empty.
CString ReadAddress(const CIPAddressCtrl& ctrl)
{
    DWORD dwAddr = 0;
    return ctrl.GetAddress(dwAddr) == 4 ? FormatIPv4Address(dwAddr) : CString();
}

}  // namespace

BEGIN_MESSAGE_MAP(CTerminalDeviceDlg, CDeviceDlg)
    ON_NOTIFY(IPN_FIELDCHANGED, IDC_TERM_IP, OnIPFieldChanged)
    ON_NOTIFY(IPN_FIELDCHANGED, IDC_TERM_MASK, OnMaskFieldChanged)
END_MESSAGE_MAP()

CTerminalDeviceDlg::CTerminalDeviceDlg(UINT nIDTemplate, const SDeviceDlgClass& cls, CWnd* pParent)
    : CDeviceDlg(nIDTemplate, cls, pParent)
{
}

void CTerminalDeviceDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_TERM_IP, m_IPAddress);
    DDX_Control(pDX, IDC_TERM_MASK, m_SubnetMask);
    DDX_Text(pDX, IDC_TERM_GROUP, m_fields.strGroup);
    if (pDX->m_bSaveAndValidate) {
        m_fields.strIP = ReadAddress(m_IPAddress);
        m_fields.strMask = ReadAddress(m_SubnetMask);
        return;
    }
    LoadAddress(m_IPAddress, m_fields.strIP);
    LoadAddress(m_SubnetMask, m_fields.strMask);
}

void CTerminalDeviceDlg::InitControls()
{
    ::SendDlgItemMessageA(m_hWnd, IDC_TERM_GROUP, EM_LIMITTEXT, kGroupMaxChars, 0);
}

bool CTerminalDeviceDlg::ValidateGroup(CDataExchange* pDX)
{
    CString strMsg;
    if (ValidateTerminalGroup(m_fields.strGroup, strMsg))
        return true;
    return Refuse(pDX, IDC_TERM_GROUP, "Terminal Group", strMsg);
}

// A blank IP control drops the mask; one that is not blank must hold a
// whole address (a half-filled one is refused, not taken for none).
bool CTerminalDeviceDlg::ValidateAddresses(CDataExchange* pDX)
{
    if (m_IPAddress.IsBlank()) {
        m_fields.strIP.Empty();
        m_fields.strMask.Empty();
        return true;
    }
    DWORD dwMask = 0xFFFFFFFF;
    if (!m_SubnetMask.IsBlank()) {
        if (!DDX_IPAddressNetmask(pDX, IDC_TERM_MASK, m_fields.strMask, "Invalid subnet mask", "Subnet Mask"))
            return false;
        ParseNetmask(m_fields.strMask, dwMask);
    } else {
        m_fields.strMask.Empty();
    }
    return DDX_IPAddress(pDX, IDC_TERM_IP, m_fields.strIP, "Invalid IP address", "IP Address", dwMask, false);
}

void CTerminalDeviceDlg::ParseBackDevice(const CString& strArgs)
{
    CString strStmt;
    strStmt.Format("%s %s %s", FormatDevnum(m_Device.GetKey()).GetString(), m_Device.m_strTypeWord.GetString(),
                   strArgs.GetString());
    CVornDevice dev;
    CString strError;
    if (CVornConfigFile::ParseDeviceStatement(strStmt, dev, strError)) {
        m_Device = dev;
        return;
    }
    // The checks let through only what the parser reads; keep the words.
    WrenLibAfxTraceEx("CTerminalDeviceDlg", "statement \"%s\" refused: %s", strStmt.GetString(),
                      strError.GetString());
    m_Device.m_strOtherArgs = strArgs;
}

void CTerminalDeviceDlg::EnableAddresses(bool bEnable)
{
    for (UINT nID : kAddressControls)
        EnableControl(nID, bEnable);
}

std::vector<CDeviceDlg::SHelpRow> CTerminalDeviceDlg::AddressHelpRows() const
{
    return {{IDC_TERM_IP_LABEL, IDS_HELP_TERM_IP},
            {IDC_TERM_IP, IDS_HELP_TERM_IP},
            {IDC_TERM_MASK_LABEL, IDS_HELP_TERM_MASK},
            {IDC_TERM_MASK, IDS_HELP_TERM_MASK}};
}

void CTerminalDeviceDlg::OnIPFieldChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    m_fields.strIP = ReadAddress(m_IPAddress);
}

void CTerminalDeviceDlg::OnMaskFieldChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    m_fields.strMask = ReadAddress(m_SubnetMask);
}

// The areas stretch across; the options area takes the growth in height.
void CTerminalDeviceDlg::SetupDynamicLayout()
{
    HWND hDlg = m_hWnd;
    AddSzControl(::GetDlgItem(hDlg, IDC_DEVDLG_IDENT_GROUP), 0, 0, 100, 0);
    AddSzControl(::GetDlgItem(hDlg, IDC_DEVDLG_OPTIONS_GROUP), 0, 0, 100, 100);
    AddSzControlByModes(::GetDlgItem(hDlg, IDOK), mdRepos, mdRepos);
    AddSzControlByModes(::GetDlgItem(hDlg, IDCANCEL), mdRepos, mdRepos);
}
