// SysCfgDevOptsPage.cpp: the Options page under Devices.
#include "sysconfig/SysCfgDevOptsPage.h"

#include <climits>

#include <commctrl.h>

#include "config/CHostAdapterArray.h"
#include "config/CVornConfigFile.h"
#include "config/FieldValidators.h"
#include "config/Limits.h"
#include "config/NetworkValues.h"
#include "platform/NumberParse.h"
#include "sysconfig/SysCfgDialog.h"

BEGIN_MESSAGE_MAP(CSysCfgDevOptsPage, CSysCfgPage)
    ON_EN_CHANGE(IDC_DEVOPTS_LOADUNIT, OnChangeLoadUnit)
    ON_EN_CHANGE(IDC_DEVOPTS_LOADPARM, OnChangeLoadParm)
    ON_EN_CHANGE(IDC_DEVOPTS_SHUTDOWN, OnChangeShutdown)
    ON_EN_CHANGE(IDC_DEVOPTS_DEVTMAX, OnChangeDevTMax)
    ON_EN_CHANGE(IDC_DEVOPTS_SCSI_SECS, OnChangeScsiSecs)
    ON_EN_CHANGE(IDC_DEVOPTS_SHRDPORT, OnChangeShrdPort)
    ON_NOTIFY(UDN_DELTAPOS, IDC_DEVOPTS_SHRDPORT_SPIN, OnDeltaPosShrdPort)
    ON_BN_CLICKED(IDC_DEVOPTS_ADAPTER, OnClickHostAdapter)
    ON_EN_UPDATE(IDC_DEVOPTS_MACADDR, OnUpdateMacAddress)
    ON_NOTIFY(IPN_FIELDCHANGED, IDC_DEVOPTS_IPADDR, OnIpFieldChanged)
    ON_BN_CLICKED(IDC_DEVOPTS_SCSI, OnClickScsiAutoMount)
    ON_BN_CLICKED(IDC_DEVOPTS_REINIT, OnClickTapeReinit)
    ON_BN_CLICKED(IDC_DEVOPTS_AUTOINIT, OnClickAutoTapeInit)
END_MESSAGE_MAP()

namespace {

const SysCfgHelpRow kHelpStrings[] = {
    {0, IDS_HELP_SYSCFG_DEVOPTS},
    {IDC_DEVOPTS_IPL_GROUP, 10601},
    {IDC_DEVOPTS_LOADUNIT, 10602},
    {IDC_DEVOPTS_LOADPARM, 10603},
    {IDC_DEVOPTS_SETTINGS_GROUP, 10604},
    {IDC_DEVOPTS_SHUTDOWN, 10605},
    {IDC_DEVOPTS_SHUTDOWN_SPIN, 10605},
    {IDC_DEVOPTS_SHUTDOWN_NOTE, 10605},
    {IDC_DEVOPTS_DEVTMAX, 10606},
    {IDC_DEVOPTS_DEVTMAX_SPIN, 10606},
    {IDC_DEVOPTS_DEVTMAX_NOTE, 10606},
    {IDC_DEVOPTS_SHRDPORT, 10607},
    {IDC_DEVOPTS_SHRDPORT_SPIN, 10607},
    {IDC_DEVOPTS_SHRDPORT_NOTE, 10607},
    {IDC_DEVOPTS_OPTIONS_GROUP, 10608},
    {IDC_DEVOPTS_SCSI, 10609},
    {IDC_DEVOPTS_SCSI_SECS, 10610},
    {IDC_DEVOPTS_SCSI_SPIN, 10610},
    {IDC_DEVOPTS_SCSI_NOTE, 10610},
    {IDC_DEVOPTS_REINIT, 10611},
    {IDC_DEVOPTS_REINIT_STATUS, 10611},
    {IDC_DEVOPTS_AUTOINIT, 10612},
    {IDC_DEVOPTS_AUTOINIT_STATUS, 10612},
    {IDC_DEVOPTS_ADAPTER_GROUP, 10613},
    {IDC_DEVOPTS_ADAPTER, 10614},
    {IDC_DEVOPTS_IPADDR, 17023},
    {IDC_DEVOPTS_OR, 17024},
    {IDC_DEVOPTS_MACADDR, 17025},
};

const SysCfgHelpRow kHelpIds[] = {
    {IDC_DEVOPTS_ADAPTER, 1348},
    {IDC_DEVOPTS_IPADDR, 1344},
    {IDC_DEVOPTS_MACADDR, 1345},
    {IDC_DEVOPTS_AUTOINIT, 1624},
};

const SysCfgHelpRow kHelpKeyRemaps[] = {
    {IDC_DEVOPTS_SHUTDOWN, IDC_DEVOPTS_SHUTDOWN_SPIN},
    {IDC_DEVOPTS_DEVTMAX, IDC_DEVOPTS_DEVTMAX_SPIN},
    {IDC_DEVOPTS_SHRDPORT, IDC_DEVOPTS_SHRDPORT_SPIN},
    {IDC_DEVOPTS_SCSI_SECS, IDC_DEVOPTS_SCSI_SPIN},
};

// The controls that show the adapter's address.
const UINT kAdapterControls[] = {IDC_LABEL_OF(IDC_DEVOPTS_IPADDR), IDC_DEVOPTS_IPADDR, IDC_DEVOPTS_OR,
                                 IDC_LABEL_OF(IDC_DEVOPTS_MACADDR), IDC_DEVOPTS_MACADDR};

int ParseUnsignedOrNaN(const CString& str)
{
    UINT n = 0;
    return StringToUINT(str, n) ? (int)n : CSysCfgPage::kNotANumber;
}

}  // namespace

CSysCfgDevOptsPage::CSysCfgDevOptsPage(CSysCfgDialog* pDlg) : CSysCfgPage(IDD, pDlg)
{
}

const SysCfgHelpRow* CSysCfgDevOptsPage::HelpStringRows(size_t& nRows) const
{
    return HelpRows(kHelpStrings, nRows);
}

const SysCfgHelpRow* CSysCfgDevOptsPage::HelpIdRows(size_t& nRows) const
{
    return HelpRows(kHelpIds, nRows);
}

const SysCfgHelpRow* CSysCfgDevOptsPage::HelpKeyRemapRows(size_t& nRows) const
{
    return HelpRows(kHelpKeyRemaps, nRows);
}

bool CSysCfgDevOptsPage::IsModified() const
{
    const CVornConfigFile& e = Edited();
    const CVornConfigFile& a = Applied();
    return e.m_nScsiMountEnabled != a.m_nScsiMountEnabled || e.m_nScsiMountSecs != a.m_nScsiMountSecs ||
           e.m_bMountedTapeReinit != a.m_bMountedTapeReinit || e.m_bAutoInit != a.m_bAutoInit ||
           e.m_nDevTMax != a.m_nDevTMax || e.m_nMaxShutdownSecs != a.m_nMaxShutdownSecs ||
           e.m_nShrdPort != a.m_nShrdPort || e.m_strLoadUnit != a.m_strLoadUnit || e.m_strLoadParm != a.m_strLoadParm ||
           e.m_strNetDev != a.m_strNetDev;
}

void CSysCfgDevOptsPage::SnapshotSettings()
{
    const CVornConfigFile& e = Edited();
    CVornConfigFile& a = Applied();
    a.m_nScsiMountEnabled = e.m_nScsiMountEnabled;
    a.m_nScsiMountSecs = e.m_nScsiMountSecs;
    a.m_bMountedTapeReinit = e.m_bMountedTapeReinit;
    a.m_bAutoInit = e.m_bAutoInit;
    a.m_nDevTMax = e.m_nDevTMax;
    a.m_nMaxShutdownSecs = e.m_nMaxShutdownSecs;
    a.m_nShrdPort = e.m_nShrdPort;
    a.m_strLoadUnit = e.m_strLoadUnit;
    a.m_strLoadParm = e.m_strLoadParm;
    a.m_strNetDev = e.m_strNetDev;
}

CString CSysCfgDevOptsPage::ReadIpControl() const
{
    DWORD dwAddr = 0;
    if (m_ipAddress.GetAddress(dwAddr) == 0)
        return CString();
    return FormatIPv4Address(dwAddr);
}

void CSysCfgDevOptsPage::WriteIpControl(const CString& strAddr)
{
    bool bWas = m_bUpdating;
    m_bUpdating = true;
    DWORD dwAddr = 0;
    if (ParseIPv4Address(strAddr, dwAddr))
        m_ipAddress.SetAddress(dwAddr);
    else
        m_ipAddress.ClearAddress();
    m_bUpdating = bWas;
}

BOOL CSysCfgDevOptsPage::OnInitDialog()
{
    SplitHostAdapterAddress(Edited().m_strNetDev, m_adapter);
    InitPage();
    SendDlgItemMessage(IDC_DEVOPTS_LOADUNIT, EM_LIMITTEXT, 4);
    SendDlgItemMessage(IDC_DEVOPTS_LOADPARM, EM_LIMITTEXT, 8);
    SendDlgItemMessage(IDC_DEVOPTS_SCSI_SPIN, UDM_SETRANGE32, 0, 99);
    SendDlgItemMessage(IDC_DEVOPTS_DEVTMAX_SPIN, UDM_SETRANGE32, (WPARAM)-1, 999);
    SendDlgItemMessage(IDC_DEVOPTS_SHUTDOWN_SPIN, UDM_SETRANGE32, 1, 999);
    SendDlgItemMessage(IDC_DEVOPTS_SHRDPORT_SPIN, UDM_SETRANGE32, 0, (LPARAM)g_nMaxSHRDPortnum);
    // The controls each check box enables follow it in a step of their own
    // when the page is made in steps (they cost as much as the exchange).
    InitLater([this] {
        OnClickScsiAutoMount();
        OnClickTapeReinit();
        OnClickAutoTapeInit();
        OnClickHostAdapter();
        SnapshotSettings();
        ReevaluateModified();
        RegisterLayout();
        m_bPageInitialized = true;
    });
    return TRUE;
}

void CSysCfgDevOptsPage::RegisterLayout()
{
    const UINT stretch[] = {IDC_DEVOPTS_IPL_GROUP, IDC_DEVOPTS_SETTINGS_GROUP, IDC_DEVOPTS_ADAPTER_GROUP,
                            IDC_DEVOPTS_OPTIONS_GROUP, IDC_DEVOPTS_SHUTDOWN, IDC_DEVOPTS_DEVTMAX, IDC_DEVOPTS_SHRDPORT};
    for (UINT nID : stretch)
        AddSzXControlById(nID, mdResize);
    const UINT right[] = {IDC_DEVOPTS_SHUTDOWN_SPIN, IDC_DEVOPTS_SHUTDOWN_NOTE, IDC_DEVOPTS_DEVTMAX_SPIN,
                          IDC_DEVOPTS_DEVTMAX_NOTE,  IDC_DEVOPTS_SHRDPORT_SPIN, IDC_DEVOPTS_SHRDPORT_NOTE};
    for (UINT nID : right)
        AddSzXControlById(nID, mdRepos);
    const UINT half[] = {IDC_DEVOPTS_SCSI,   IDC_DEVOPTS_SCSI_SECS,     IDC_DEVOPTS_SCSI_SPIN,
                         IDC_DEVOPTS_SCSI_NOTE, IDC_DEVOPTS_REINIT,    IDC_DEVOPTS_REINIT_STATUS,
                         IDC_DEVOPTS_AUTOINIT,  IDC_DEVOPTS_AUTOINIT_STATUS};
    for (UINT nID : half)
        AddSzXControlById(nID, mdRelative);
    // By edge percentages of the width change: the IPL row and the adapter row.
    const struct {
        UINT nID;
        BYTE left, right;
    } rows[] = {
        {IDC_LABEL_OF(IDC_DEVOPTS_LOADUNIT), 0, 0},   {IDC_DEVOPTS_LOADUNIT, 0, 50},
        {IDC_LABEL_OF(IDC_DEVOPTS_LOADPARM), 50, 50}, {IDC_DEVOPTS_LOADPARM, 50, 100},
        {IDC_DEVOPTS_ADAPTER, 0, 0},                  {IDC_LABEL_OF(IDC_DEVOPTS_IPADDR), 33, 33},
        {IDC_DEVOPTS_IPADDR, 33, 33},                 {IDC_DEVOPTS_OR, 50, 50},
        {IDC_LABEL_OF(IDC_DEVOPTS_MACADDR), 66, 66},  {IDC_DEVOPTS_MACADDR, 66, 100},
    };
    for (const auto& r : rows)
        if (CWnd* pCtrl = GetDlgItem((int)r.nID))
            AddSzXControl(pCtrl->m_hWnd, r.left, r.right);
}

void CSysCfgDevOptsPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DEVOPTS_IPADDR, m_ipAddress);
    CVornConfigFile& cfg = Edited();
    bool bScsi = cfg.m_nScsiMountEnabled != 0;
    ExchangeBool(pDX, IDC_DEVOPTS_SCSI, bScsi);
    cfg.m_nScsiMountEnabled = bScsi ? 1 : 0;
    ExchangeBool(pDX, IDC_DEVOPTS_REINIT, cfg.m_bMountedTapeReinit);
    ExchangeBool(pDX, IDC_DEVOPTS_AUTOINIT, cfg.m_bAutoInit);
    ExchangeUnsigned(pDX, IDC_DEVOPTS_SCSI_SECS, cfg.m_nScsiMountSecs);
    ExchangeSigned(pDX, IDC_DEVOPTS_DEVTMAX, cfg.m_nDevTMax);
    ExchangeUnsigned(pDX, IDC_DEVOPTS_SHUTDOWN, cfg.m_nMaxShutdownSecs);
    int nPort = (int)cfg.m_nShrdPort;
    ExchangeUnsigned(pDX, IDC_DEVOPTS_SHRDPORT, nPort);
    cfg.m_nShrdPort = (UINT)nPort;
    if (pDX->m_bFailed)
        return;
    if (pDX->m_bSaveAndValidate) {
        GetDlgItemText(IDC_DEVOPTS_LOADUNIT, cfg.m_strLoadUnit);
        GetDlgItemText(IDC_DEVOPTS_LOADPARM, cfg.m_strLoadParm);
        m_adapter.bOn = IsChecked(IDC_DEVOPTS_ADAPTER);
        m_adapter.strIP = ReadIpControl();
        GetDlgItemText(IDC_DEVOPTS_MACADDR, m_adapter.strMAC);
        SysCfgFieldFailure failure;
        if (!CheckDeviceOptions(cfg, m_adapter, HostAdapters, failure))
            SysCfgDdvFail(pDX, failure);
        return;
    }
    // Loading writes with the updating flag set; the load unit's and load
    // parameter's handlers act only once the page is initialised.
    SetTextUpdating(IDC_DEVOPTS_LOADUNIT, cfg.m_strLoadUnit);
    SetTextUpdating(IDC_DEVOPTS_LOADPARM, cfg.m_strLoadParm);
    CheckDlgButton(IDC_DEVOPTS_ADAPTER, m_adapter.bOn ? BST_CHECKED : BST_UNCHECKED);
    WriteIpControl(m_adapter.strIP);
    SetTextUpdating(IDC_DEVOPTS_MACADDR, m_adapter.strMAC);
}

void CSysCfgDevOptsPage::RefreshLoadUnit()
{
    if (m_hWnd)
        SetDlgItemText(IDC_DEVOPTS_LOADUNIT, Edited().m_strLoadUnit);
}

void CSysCfgDevOptsPage::OnChangeLoadUnit()
{
    if (!m_bPageInitialized)
        return;
    GetDlgItemText(IDC_DEVOPTS_LOADUNIT, Edited().m_strLoadUnit);
    m_pDlg->RefreshDevicesLoadUnit();
    ReevaluateModified();
}

void CSysCfgDevOptsPage::OnChangeLoadParm()
{
    if (!m_bPageInitialized)
        return;
    CString str;
    GetDlgItemText(IDC_DEVOPTS_LOADPARM, str);
    Edited().m_strLoadParm = PadLoadParm(str);
    ReevaluateModified();
}

void CSysCfgDevOptsPage::OnChangeShutdown()
{
    if (!m_bPageInitialized)
        return;
    CString str;
    GetDlgItemText(IDC_DEVOPTS_SHUTDOWN, str);
    Edited().m_nMaxShutdownSecs = ParseUnsignedOrNaN(str);
    ReevaluateModified();
}

void CSysCfgDevOptsPage::OnChangeDevTMax()
{
    if (!m_bPageInitialized)
        return;
    CString str;
    GetDlgItemText(IDC_DEVOPTS_DEVTMAX, str);
    INT n = 0;
    Edited().m_nDevTMax = StringToINT(str, n) ? n : INT_MIN;
    ReevaluateModified();
}

void CSysCfgDevOptsPage::OnChangeScsiSecs()
{
    if (!m_bPageInitialized)
        return;
    CString str;
    GetDlgItemText(IDC_DEVOPTS_SCSI_SECS, str);
    Edited().m_nScsiMountSecs = ParseUnsignedOrNaN(str);
    ReevaluateModified();
}

void CSysCfgDevOptsPage::OnChangeShrdPort()
{
    if (!m_bPageInitialized || m_bUpdating)
        return;
    CString str;
    GetDlgItemText(IDC_DEVOPTS_SHRDPORT, str);
    Edited().m_nShrdPort = (UINT)ParseUnsignedOrNaN(str);
    ReevaluateModified();
}

void CSysCfgDevOptsPage::OnDeltaPosShrdPort(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 1;  // the page steps the port itself
    if (!m_bPageInitialized)
        return;
    UINT nNew = 0;
    if (!StepSharedPort(Edited().m_nShrdPort, ((NMUPDOWN*)pNMHDR)->iDelta, g_nMinSHRDPortnum, g_nDefSHRDPortnum,
                        g_nMaxSHRDPortnum, nNew))
        return;
    CString str;
    str.Format("%u", nNew);
    SetTextUpdating(IDC_DEVOPTS_SHRDPORT, str);
    Edited().m_nShrdPort = nNew;
    ReevaluateModified();
}

void CSysCfgDevOptsPage::EnableHostAdapterControls()
{
    for (UINT nID : kAdapterControls)
        if (CWnd* pCtrl = GetDlgItem((int)nID))
            pCtrl->EnableWindow(m_adapter.bOn);
}

void CSysCfgDevOptsPage::OnClickHostAdapter()
{
    m_adapter.bOn = IsChecked(IDC_DEVOPTS_ADAPTER);
    if (m_adapter.bOn) {
        EnableHostAdapterControls();
        WriteIpControl(m_adapter.strIP);
        SetTextUpdating(IDC_DEVOPTS_MACADDR, m_adapter.strMAC);
        Edited().m_strNetDev = m_adapter.strIP.IsEmpty() ? m_adapter.strMAC : m_adapter.strIP;
    } else {
        WriteIpControl(CString());
        SetTextUpdating(IDC_DEVOPTS_MACADDR, "");
        EnableHostAdapterControls();
    }
    ReevaluateModified();
}

void CSysCfgDevOptsPage::OnUpdateMacAddress()
{
    if (!m_bPageInitialized || m_bUpdating)
        return;
    m_bUpdating = true;
    ValidateMACAddressEdit(::GetDlgItem(m_hWnd, IDC_DEVOPTS_MACADDR), m_adapter.strMAC);
    m_bUpdating = false;
    Edited().m_strNetDev = m_adapter.strMAC;
    if (!m_adapter.strMAC.IsEmpty()) {
        WriteIpControl(CString());
        ReevaluateModified();
        return;
    }
    WriteIpControl(m_adapter.strIP);
    CheckDlgButton(IDC_DEVOPTS_ADAPTER, m_adapter.strIP.IsEmpty() ? BST_UNCHECKED : BST_CHECKED);
    OnClickHostAdapter();
}

void CSysCfgDevOptsPage::OnIpFieldChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (!m_bPageInitialized || m_bUpdating)
        return;
    m_adapter.strIP = ReadIpControl();
    if (m_adapter.strIP == "0.0.0.0")
        m_adapter.strIP.Empty();
    Edited().m_strNetDev = m_adapter.strIP;
    if (!m_adapter.strIP.IsEmpty()) {
        SetTextUpdating(IDC_DEVOPTS_MACADDR, "");
        ReevaluateModified();
        return;
    }
    SetTextUpdating(IDC_DEVOPTS_MACADDR, m_adapter.strMAC);
    CheckDlgButton(IDC_DEVOPTS_ADAPTER, m_adapter.strMAC.IsEmpty() ? BST_UNCHECKED : BST_CHECKED);
    OnClickHostAdapter();
}

void CSysCfgDevOptsPage::OnClickScsiAutoMount()
{
    bool bOn = IsChecked(IDC_DEVOPTS_SCSI);
    Edited().m_nScsiMountEnabled = bOn ? 1 : 0;
    GetDlgItem(IDC_DEVOPTS_SCSI_SECS)->EnableWindow(bOn);
    GetDlgItem(IDC_DEVOPTS_SCSI_SPIN)->EnableWindow(bOn);
    ReevaluateModified();
}

// A click reads its own box only, so that it never raises another field's
// balloon.
void CSysCfgDevOptsPage::OnClickTapeReinit()
{
    bool bOn = IsChecked(IDC_DEVOPTS_REINIT);
    if (m_bPageInitialized)
        Edited().m_bMountedTapeReinit = bOn;
    SetDlgItemText(IDC_DEVOPTS_REINIT_STATUS, bOn ? "(allow)" : "(disallow)");
    ReevaluateModified();
}

void CSysCfgDevOptsPage::OnClickAutoTapeInit()
{
    bool bOn = IsChecked(IDC_DEVOPTS_AUTOINIT);
    if (m_bPageInitialized)
        Edited().m_bAutoInit = bOn;
    SetDlgItemText(IDC_DEVOPTS_AUTOINIT_STATUS, bOn ? "(on)" : "(off)");
    ReevaluateModified();
}
