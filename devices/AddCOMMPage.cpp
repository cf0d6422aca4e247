// AddCOMMPage.cpp: what the communication adapter pages share.
#include "devices/AddCOMMPage.h"

#include "config/DevClass.h"
#include "config/DevNum.h"
#include "config/FieldValidators.h"
#include "config/NetworkValues.h"
#include "config/WindowHelpers.h"
#include "devices/AddCOMMSheet.h"
#include "devices/DeviceDialogRules.h"
#include "framework/HelpKeys.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/TextFunctions.h"

namespace {

const int kDevNumMaxChars = 6;
const int kMacMaxChars = 17;
const WORD kCommDeviceType = 0x3088;

// The balloons of the identification, description and parameter areas.
const SControlHelp kCommonHelp[] = {
    {IDC_DEVDLG_IDENT_GROUP, IDS_HELP_DEVDLG_IDENT},     {IDC_DEVDLG_DEVNUM_LABEL, IDS_HELP_DEVDLG_DEVNUM},
    {IDC_DEVDLG_DEVNUM, IDS_HELP_DEVDLG_DEVNUM},         {IDC_DEVDLG_DEVTYPE_LABEL, IDS_HELP_DEVDLG_DEVTYPE},
    {IDC_DEVDLG_DEVTYPE, IDS_HELP_DEVDLG_DEVTYPE},       {IDC_COMM_DESCRIPTION, IDS_HELP_COMM_DESCRIPTION},
    {IDC_COMM_KIND_GROUP, IDS_HELP_COMM_DESCRIPTION},    {IDC_COMM_PARMS_GROUP, IDS_HELP_COMM_PARMS},
};

}  // namespace

BEGIN_MESSAGE_MAP(CAddCOMMPage, cdxCDynamicHelpPropPage)
END_MESSAGE_MAP()

CAddCOMMPage::CAddCOMMPage(CAddCOMMSheet* pSheet, const SCommPageKind& kind)
    : cdxCDynamicHelpPropPage(kind.nTemplate), m_strDescription(kind.pszDescription), m_pSheet(pSheet), m_kind(kind)
{
}

CVornDevice& CAddCOMMPage::Device() const
{
    return m_pSheet->m_Device;
}

bool CAddCOMMPage::IsAdding() const
{
    return m_pSheet->m_bAdd;
}

BOOL CAddCOMMPage::OnInitDialog()
{
    m_strDevNum = FormatDevnum(Device().GetKey());
    LoadFields();
    BOOL bResult = cdxCDynamicHelpPropPage::OnInitDialog();
    SetAppSmallIcon(m_hWnd);
    m_ipControls.clear();
    char szClass[32];
    for (HWND h = ::GetWindow(m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (!::GetClassNameA(h, szClass, sizeof szClass) || lstrcmpiA(szClass, WC_IPADDRESSA) != 0)
            continue;
        m_ipControls.push_back(std::make_unique<CIPAddressCtrl>());
        m_ipControls.back()->SubclassWindow(h);
    }
    CString strList;
    strList.LoadString(m_kind.nTypeList);
    m_TypeList.FillFromText(strList, ';');
    m_TypeList.SetCurSel(m_nTypeIndex);
    m_DevNumEdit.SendMessage(EM_LIMITTEXT, kDevNumMaxChars);
    if (!IsAdding()) {
        EnableControl(IDC_DEVDLG_DEVNUM, false);
        EnableControl(IDC_DEVDLG_DEVTYPE, false);
    }
    if (m_NicMacEdit.m_hWnd)
        m_NicMacEdit.SendMessage(EM_LIMITTEXT, kMacMaxChars);
    m_bUpdating = true;
    InitControls();
    m_bUpdating = false;
    // The areas widen with the page; the parameters take the extra height.
    for (UINT nID : {IDC_DEVDLG_IDENT_GROUP, IDC_COMM_KIND_GROUP, IDC_COMM_DESCRIPTION})
        AddSzControl(::GetDlgItem(m_hWnd, (int)nID), 0, 0, 100, 0);
    AddSzControl(::GetDlgItem(m_hWnd, IDC_COMM_PARMS_GROUP), 0, 0, 100, 100);
    SetupDynamicLayout();
    return bResult;
}

// The page of the device's kind (or every page, for a kind without one)
// reads the arguments; another takes the addresses of that page.
void CAddCOMMPage::LoadFields()
{
    const int nDeviceKind = Device().m_nSubtype;
    CAddCOMMPage* pSource = IsCommKind(nDeviceKind) ? Sheet().PageOfKind(nDeviceKind) : nullptr;
    if (nDeviceKind == Kind() || !IsCommKind(nDeviceKind)) {
        ParseArguments(Device().m_strOtherArgs);
    } else if (pSource && pSource->HasFields()) {
        SCommAddresses addresses = Addresses();
        CarryOverAddresses(Kind(), nDeviceKind, pSource->Addresses(), addresses);
        TakeAddresses(addresses);
    }
    m_bFieldsLoaded = true;
}

BOOL CAddCOMMPage::OnSetActive()
{
    if (!cdxCDynamicHelpPropPage::OnSetActive())
        return FALSE;
    Device().m_strTypeWord = m_kind.pszTypeWord;
    Sheet().SetActivePageIndex(Kind());
    return TRUE;
}

void CAddCOMMPage::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpPropPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DEVDLG_DEVNUM, m_DevNumEdit);
    DDX_Control(pDX, IDC_DEVDLG_DEVTYPE, m_TypeList);
    if (GetDlgItem(IDC_COMM_NIC_MAC))
        DDX_Control(pDX, IDC_COMM_NIC_MAC, m_NicMacEdit);
    DDX_Text(pDX, IDC_COMM_DESCRIPTION, m_strDescription);
    DDX_Text(pDX, IDC_DEVDLG_DEVNUM, m_strDevNum);
    DDX_CBIndex(pDX, IDC_DEVDLG_DEVTYPE, m_nTypeIndex);
    bool bWasUpdating = m_bUpdating;
    m_bUpdating = true;
    ExchangeFields(pDX);
    m_bUpdating = bWasUpdating;
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    if (!Sheet().IsOkInProgress() || Sheet().ActivePageIndex() != Kind())
        return;
    if (!Validate(pDX)) {
        if (!pDX->m_bFailed)
            pDX->Fail();
        return;
    }
    BuildCommand();
}

bool CAddCOMMPage::Validate(CDataExchange* pDX)
{
    return ValidateKind(pDX) && ValidateDevNum(pDX) && ValidatePage(pDX) && !pDX->m_bFailed;
}

CString CAddCOMMPage::KindKeptMessage(const CString& strDeviceKind, const char* pszPageKind)
{
    CString str;
    str.Format("A device being reinitialized keeps its type %s. To make it a %s device, remove it and add it "
               "again.",
               strDeviceKind.GetString(), pszPageKind);
    return str;
}

// Reinitialising a running emulator's device sends "devinit" to a device
// that stays of its kind: the arguments of another kind would be applied to
// it while the configuration recorded the new kind. Only the page of its own
// kind may rebuild it. A device of a configuration that is not running may
// become another kind.
bool CAddCOMMPage::ValidateKind(CDataExchange* pDX)
{
    if (IsAdding() || !Sheet().m_bRunningDevice || Device().m_nSubtype == Kind())
        return true;
    CString strDeviceKind = Device().m_strFirstArg;
    if (strDeviceKind.IsEmpty())
        strDeviceKind = "COMM";
    return Refuse(pDX, IDC_DEVDLG_DEVTYPE, "Device Type", KindKeptMessage(strDeviceKind, m_kind.pszTypeWord));
}

bool CAddCOMMPage::ValidateDevNum(CDataExchange* pDX)
{
    if (!IsAdding())
        return true;
    CIsDevNumDefinedFuncRouterObject* pRouter = Sheet().m_pRouter;
    EDevNumCheck eCheck = CheckDevNumText(m_strDevNum, [pRouter](DWORD dwKey) {
        return pRouter && pRouter->IsDevNumDefined(dwKey);
    });
    if (eCheck == kDevNumOK)
        return true;
    return Refuse(pDX, IDC_DEVDLG_DEVNUM, kDevNumBalloonTitle, DevNumCheckMessage(eCheck));
}

// The number typed (adding; a reinitialised device keeps its own), class
// 7, type 0x3088, no type name, the type word as first argument, the
// page's arguments, the page's kind as subtype.
void CAddCOMMPage::BuildCommand()
{
    CVornDevice& dev = Device();
    BYTE bLcss = dev.m_bLcss;
    WORD wDevnum = dev.m_wDevnum;
    CString strNum = m_strDevNum;
    if (IsAdding())
        ParseDevnum(TrimBlanks(strNum), wDevnum, bLcss);
    CString strArgs = BuildArgumentText();
    strArgs.Trim(' ');
    dev.Set(bLcss, wDevnum, DEVCLASS_COMM, kCommDeviceType, "", m_kind.pszTypeWord, strArgs, nullptr, Kind(),
            false);
    Sheet().m_strCommand = CommAdapterCommand(IsAdding(), FormatDevnum(dev.GetKey()), m_kind.pszTypeWord, strArgs);
}

bool CAddCOMMPage::Refuse(CDataExchange* pDX, UINT nCtrl, const char* pszTitle, const char* pszText)
{
    pDX->PrepareCtrl((int)nCtrl);
    ErrorBalloonWarning(pszText, nCtrl, pszTitle, this);
    pDX->Fail();
    return false;
}

void CAddCOMMPage::EnableControl(UINT nID, bool bEnable)
{
    EnableDlgControl(::GetDlgItem(m_hWnd, (int)nID), bEnable ? TRUE : FALSE);
}

CString CAddCOMMPage::IPControlText(UINT nID) const
{
    DWORD dwAddr = 0;
    if (SendDlgItemMessage((int)nID, IPM_GETADDRESS, 0, (LPARAM)&dwAddr) != 4)
        return CString();
    return FormatIPv4Address(dwAddr);
}

void CAddCOMMPage::ShowIPAddress(UINT nID, const CString& strAddr)
{
    DWORD dwAddr = 0;
    if (ParseIPv4Address(strAddr, dwAddr))
        SendDlgItemMessage((int)nID, IPM_SETADDRESS, 0, (LPARAM)dwAddr);
    else
        SendDlgItemMessage((int)nID, IPM_CLEARADDRESS, 0, 0);
}

bool CAddCOMMPage::IsIPControlBlank(UINT nID) const
{
    return SendDlgItemMessage((int)nID, IPM_ISBLANK, 0, 0) != 0;
}

void CAddCOMMPage::ShowNicAddress(CString& strNicIP, CString& strNicMAC)
{
    DWORD dwAddr = 0;
    if (ParseIPv4Address(strNicIP, dwAddr)) {
        ShowIPAddress(IDC_COMM_NIC_IP, strNicIP);
        strNicMAC.Empty();
        SetDlgItemText(IDC_COMM_NIC_MAC, "");
        EnableControl(IDC_COMM_NIC_MAC, false);
    } else if (!strNicMAC.IsEmpty()) {
        strNicIP.Empty();
        SetDlgItemText(IDC_COMM_NIC_MAC, strNicMAC);
        SendDlgItemMessage(IDC_COMM_NIC_IP, IPM_CLEARADDRESS, 0, 0);
        EnableControl(IDC_COMM_NIC_IP, false);
    }
}

void CAddCOMMPage::OnNicMacEdited(CString& strNicMAC, CString& strNicIP)
{
    if (m_bUpdating)
        return;
    ValidateMACAddressEdit(m_NicMacEdit.m_hWnd, strNicMAC);
    const bool bGiven = !strNicMAC.IsEmpty();
    if (bGiven) {
        strNicIP.Empty();
        SendDlgItemMessage(IDC_COMM_NIC_IP, IPM_CLEARADDRESS, 0, 0);
    }
    EnableControl(IDC_COMM_NIC_IP, !bGiven);
}

void CAddCOMMPage::OnNicIpEdited(CString& strNicMAC)
{
    if (m_bUpdating)
        return;
    const bool bBlank = IsIPControlBlank(IDC_COMM_NIC_IP);
    if (!bBlank) {
        strNicMAC.Empty();
        m_bUpdating = true;
        SetDlgItemText(IDC_COMM_NIC_MAC, "");
        m_bUpdating = false;
    }
    EnableControl(IDC_COMM_NIC_MAC, bBlank);
}

bool CAddCOMMPage::ValidateHostAdapter(CDataExchange* pDX, CString& strNicIP, CString& strNicMAC)
{
    const bool bIPBlank = IsIPControlBlank(IDC_COMM_NIC_IP);
    const bool bByIP = !bIPBlank || strNicMAC.IsEmpty();
    if (bByIP && !(strNicIP.IsEmpty() && !strNicMAC.IsEmpty()) &&
        !DDX_IPAddress(pDX, IDC_COMM_NIC_IP, strNicIP, "Invalid Host Adapter IP address", "Host NIC IP Address", 0,
                       true))
        return false;
    const bool bByMAC = !strNicMAC.IsEmpty() || bIPBlank;
    if (bByMAC && !(strNicMAC.IsEmpty() && !strNicIP.IsEmpty()) &&
        !DDX_MACAddress(pDX, IDC_COMM_NIC_MAC, strNicMAC, "Invalid Host Adapter MAC address", "Host NIC MAC Address",
                        true))
        return false;
    return true;
}

// Registered once, on the first help request.
void CAddCOMMPage::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpPropPage::RegisterStandardHelpStrings();
    RegisterHelpRows(&CAddCOMMPage::SetHelpString);
}

// The help context of a control is its balloon string's id.
void CAddCOMMPage::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    RegisterHelpRows(&CAddCOMMPage::SetHelpId);
}

template <class TSetter>
void CAddCOMMPage::RegisterHelpRows(TSetter setter)
{
    SetControlHelp(*this, setter, m_nIDTemplate, kCommonHelp);
    for (const SHelpRow& row : HelpRows())
        (this->*setter)(MakeHelpKey(m_nIDTemplate, row.nCtrl), row.nValue);
}
