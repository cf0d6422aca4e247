// AddLCSPage.cpp: the LCS page of the communication adapter sheet.
#include "config/HostAdapterQuery.h"  // winsock2.h before windows.h
#include "devices/AddLCSPage.h"

#include <commctrl.h>

#include "config/FieldValidators.h"
#include "config/FileDialogs.h"
#include "config/ProcessHelpers.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"
#include "platform/WLTaskDialog.h"
#include "session/ViewSettings.h"
#include "session/VornGUIView.h"

namespace {

const SCommPageKind kLcsKind = {
    COMM_SUBTYPE_LCS, IDD_ADD_LCS, IDS_DEVTYPES_LCS, "LCS",
    "This emulation mode is a virtual ethernet adapter which can handle not only TCP/IP traffic but in fact any "
    "ethernet frame at all. It appears to your guest operating system as either an IBM 8232 LCS device, an IBM 2216 "
    "router, a 3172 running ICP (Interconnect Communications Program), the LCS3172 driver of a P/390, or an IBM "
    "Open Systems Adapter.",
};

const char kOatFilter[] = "OAT Files (*.oat)|*.oat|All Files (*.*)|*.*||";

// One of the two questions asked before an adapter is left unspecified.
struct SUndefinedQuestion {
    const char* pszName;
    const wchar_t* pszTitle;
    const wchar_t* pszInstruction;
    const wchar_t* pszDetails;
};

const SUndefinedQuestion kUndefGuestIfc = {
    "WLTDI_UndefGuestIfc", L"Guest interface undefined", L"The Guest IP and MAC addresses are still undefined.",
    L"If you are not using an OAT file, then you should specify what MAC address and/or what IP address should be "
    L"assigned to the guest system's virtual interface.\n\nOtherwise NetShim32 will calculate its own values which "
    L"might not match the ones your guest's operating system is configured with.",
};

const SUndefinedQuestion kUndefHostNIC = {
    "WLTDI_UndefHostNIC", L"Host adapter unspecified", L"You didn't specify which host network adapter to use.",
    L"It is highly recommended you specify either the MAC address or the IP address of the specific host network "
    L"adapter on which the guest adapter's emulation should be performed.\n\nOtherwise NetShim32 will choose the "
    L"first adapter it finds which might not be the proper one to use.",
};

// Asks with Yes and No, No the default (and the answer when the question
// cannot be shown); true only for Yes.
bool AskUndefined(HWND hOwner, const SUndefinedQuestion& q)
{
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof(tdc);
    tdc.hwndParent = hOwner;
    tdc.dwFlags = TDF_POSITION_RELATIVE_TO_WINDOW | TDF_EXPAND_FOOTER_AREA;
    tdc.pszWindowTitle = q.pszTitle;
    tdc.pszMainIcon = TD_WARNING_ICON;
    tdc.pszMainInstruction = q.pszInstruction;
    tdc.pszContent = L"Are you SURE this is what you want to do?";
    tdc.dwCommonButtons = TDCBF_YES_BUTTON | TDCBF_NO_BUTTON;
    tdc.nDefaultButton = IDNO;
    tdc.pszExpandedInformation = q.pszDetails;
    tdc.pszExpandedControlText = L"Less information";
    tdc.pszCollapsedControlText = L"More information";
    int nButton = IDNO;
    if (FAILED(WLTaskDialogIndirect(q.pszName, &tdc, &nButton)))
        return false;
    return nButton == IDYES;
}

}  // namespace

BEGIN_MESSAGE_MAP(CAddLCSPage, CAddNetAdapterPage)
    ON_NOTIFY(IPN_FIELDCHANGED, IDC_COMM_GUEST_IP, OnGuestIpChanged)
    ON_EN_CHANGE(IDC_LCS_OAT, OnOatChange)
    ON_BN_CLICKED(IDC_LCS_OAT_BROWSE, OnBrowseOat)
    ON_BN_CLICKED(IDC_LCS_EDIT_OAT, OnEditOat)
END_MESSAGE_MAP()

CAddLCSPage::CAddLCSPage(CAddCOMMSheet* pSheet)
    : CAddNetAdapterPage(pSheet, kLcsKind, m_fields),
      m_countHostAdapters([] { return CountHostAdapters(SystemAdapterQuery()); })
{
    m_bNicIpFollowsControl = true;
}

void CAddLCSPage::ParseArguments(const CString& strArgs)
{
    ParseLcsArguments(strArgs, m_fields);
}

void CAddLCSPage::InitControls()
{
    CAddNetAdapterPage::InitControls();
    const bool bOat = !m_fields.strOATFile.IsEmpty();
    EnableControl(IDC_LCS_EDIT_OAT, bOat);
    if (bOat) {
        m_fields.strGuestIP.Empty();
        m_fields.strGuestMAC.Empty();
        SetDlgItemText(IDC_NET_GUEST_MAC, "");
    } else if (!m_fields.strGuestIP.IsEmpty() || !m_fields.strGuestMAC.IsEmpty()) {
        m_fields.strOATFile.Empty();
        SetDlgItemText(IDC_LCS_OAT, "");
        EnableControl(IDC_LCS_OAT, false);
        EnableControl(IDC_LCS_OAT_BROWSE, false);
    }
    ShowIPAddress(IDC_COMM_GUEST_IP, m_fields.strGuestIP);
    EnableControl(IDC_COMM_GUEST_IP, !bOat);
    EnableControl(IDC_NET_GUEST_MAC, !bOat);
}

void CAddLCSPage::ExchangeFields(CDataExchange* pDX)
{
    CAddNetAdapterPage::ExchangeFields(pDX);
    DDX_Control(pDX, IDC_LCS_OAT, m_OatEdit);
    DDX_Text(pDX, IDC_LCS_OAT, m_fields.strOATFile);
    if (pDX->m_bSaveAndValidate)
        TrimBlanks(m_fields.strOATFile);  // a name of blanks is none
}

// An address control is checked when it shows something or its text is
// set: a partly typed address is refused, not taken for none.
bool CAddLCSPage::ValidatePage(CDataExchange* pDX)
{
    SLcsFields& f = m_fields;
    auto given = [this](UINT nID, const CString& strText) { return !strText.IsEmpty() || !IsIPControlBlank(nID); };
    if (given(IDC_COMM_GUEST_IP, f.strGuestIP) &&
        !DDX_IPAddress(pDX, IDC_COMM_GUEST_IP, f.strGuestIP, "Invalid Guest IP address", "Guest IP Address", 0, false))
        return false;
    if (!f.strOATFile.IsEmpty() && !DDV_InputFile(pDX, f.strOATFile, IDC_LCS_OAT, "OAT Filename"))
        return false;
    if (!ValidateGuestMac(pDX))
        return false;
    if (given(IDC_COMM_NIC_IP, f.strNicIP) && !DDX_IPAddress(pDX, IDC_COMM_NIC_IP, f.strNicIP,
                                                             "Invalid Host Adapter IP address", "Host NIC IP Address",
                                                             0, true))
        return false;
    if (!f.strNicMAC.IsEmpty() && !DDX_MACAddress(pDX, IDC_COMM_NIC_MAC, f.strNicMAC,
                                                  "Invalid Host Adapter MAC address", "Host NIC MAC Address", true))
        return false;
    if (!ValidateBufferSizes(pDX))
        return false;
    return f.strOATFile.IsEmpty() ? ConfirmUndefined(pDX) : true;
}

bool CAddLCSPage::ConfirmUndefined(CDataExchange* pDX)
{
    const SLcsFields& f = m_fields;
    if (f.strGuestIP.IsEmpty() && f.strGuestMAC.IsEmpty()) {
        pDX->PrepareCtrl(IDC_COMM_GUEST_IP);
        GotoDlgCtrl(GetDlgItem(IDC_COMM_GUEST_IP));
        if (!AskUndefined(m_hWnd, kUndefGuestIfc))
            return false;
    }
    if (f.strNicIP.IsEmpty() && f.strNicMAC.IsEmpty() && m_countHostAdapters() >= 2) {
        pDX->PrepareCtrl(IDC_COMM_NIC_IP);
        GotoDlgCtrl(GetDlgItem(IDC_COMM_NIC_IP));
        if (!AskUndefined(m_hWnd, kUndefHostNIC))
            return false;
    }
    return true;
}

CString CAddLCSPage::BuildArgumentText()
{
    return BuildLcsArguments(m_fields);
}

void CAddLCSPage::OnGuestIpChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    if (m_bUpdating)
        return;
    m_fields.strGuestIP = IPControlText(IDC_COMM_GUEST_IP);
    ApplyGuestRule();
}

void CAddLCSPage::OnGuestMacChanged()
{
    ApplyGuestRule();
}

void CAddLCSPage::ApplyGuestRule()
{
    const bool bNoGuest = IsIPControlBlank(IDC_COMM_GUEST_IP) && m_fields.strGuestMAC.IsEmpty();
    if (!bNoGuest && !m_fields.strOATFile.IsEmpty()) {
        m_fields.strOATFile.Empty();
        m_bUpdating = true;
        SetDlgItemText(IDC_LCS_OAT, "");
        m_bUpdating = false;
    }
    EnableControl(IDC_LCS_OAT, bNoGuest);
    EnableControl(IDC_LCS_OAT_BROWSE, bNoGuest);
    EnableControl(IDC_LCS_EDIT_OAT, bNoGuest && !m_fields.strOATFile.IsEmpty());
}

void CAddLCSPage::OnOatChange()
{
    if (m_bUpdating)
        return;
    GetDlgItemText(IDC_LCS_OAT, m_fields.strOATFile);
    CString strTrimmed = m_fields.strOATFile;
    const bool bOat = !TrimBlanks(strTrimmed).IsEmpty();
    EnableControl(IDC_LCS_EDIT_OAT, bOat);
    EnableControl(IDC_COMM_GUEST_IP, !bOat);
    EnableControl(IDC_NET_GUEST_MAC, !bOat);
}

void CAddLCSPage::OnBrowseOat()
{
    CString strPath = m_fields.strOATFile;
    CString strFolder = g_pView ? g_pView->GetConfigFilesDir() : CString();
    if (BrowseForFileMustExist(kOatFilter, strPath, "Address Translation file", strFolder, &m_OatEdit) == IDOK)
        m_fields.strOATFile = strPath;
}

// The file must exist and be readable; else its field gets the focus with
// the whole name selected.
void CAddLCSPage::OnEditOat()
{
    CString strFile;
    GetDlgItemText(IDC_LCS_OAT, strFile);
    CDataExchange dx(this, TRUE);
    if (DDV_InputFile(&dx, strFile, IDC_LCS_OAT, "OAT Filename")) {
        EditFileInEditor(strFile, g_pView ? g_pView->Settings().m_strPreferredEditor : CString());
        return;
    }
    GotoDlgCtrl(&m_OatEdit);
    m_OatEdit.SendMessage(EM_SETSEL, 0, -1);
    m_OatEdit.SendMessage(EM_SCROLLCARET);
}

std::vector<CAddCOMMPage::SHelpRow> CAddLCSPage::HelpRows() const
{
    return NetHelpRows({
        {0, IDS_HELP_LCS},
        {IDC_LCS_GUEST_OR, IDS_HELP_LCS_GUEST_OR},
        {IDC_LCS_OAT_LABEL, IDS_HELP_LCS_OAT},
        {IDC_LCS_OAT, IDS_HELP_LCS_OAT},
        {IDC_LCS_OAT_BROWSE, IDS_HELP_LCS_OAT_BROWSE},
        {IDC_LCS_EDIT_OAT, IDS_HELP_LCS_EDIT_OAT},
    });
}

// The OAT name widens with the page; its buttons keep to the right.
void CAddLCSPage::SetupDynamicLayout()
{
    AddSzControl(::GetDlgItem(m_hWnd, IDC_LCS_OAT), 0, 0, 100, 0);
    AddSzControl(::GetDlgItem(m_hWnd, IDC_LCS_OAT_BROWSE), 100, 0, 100, 0);
    AddSzControl(::GetDlgItem(m_hWnd, IDC_LCS_EDIT_OAT), 100, 0, 100, 0);
}
