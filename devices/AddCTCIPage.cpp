// AddCTCIPage.cpp: the CTCI page of the communication adapter sheet.
#include "devices/AddCTCIPage.h"

#include "config/FieldValidators.h"

namespace {

const SCommPageKind kCtciKind = {
    COMM_SUBTYPE_CTCI, IDD_ADD_CTCI, IDS_DEVTYPES_CTCI, "CTCI",
    "This is a point-to-point link to the driving system's TCP/IP stack. From the point of view of the operating "
    "system running in the Vornamic machine it appears to be a CTC link to a machine running TCP/IP for MVS or VM.",
};

}  // namespace

CAddCTCIPage::CAddCTCIPage(CAddCOMMSheet* pSheet) : CAddNetAdapterPage(pSheet, kCtciKind, m_fields)
{
}

void CAddCTCIPage::ParseArguments(const CString& strArgs)
{
    ParseCtciArguments(strArgs, m_fields);
}

void CAddCTCIPage::InitControls()
{
    CAddNetAdapterPage::InitControls();
    ShowIPAddress(IDC_COMM_GUEST_IP, m_fields.strGuestIP);
}

bool CAddCTCIPage::ValidatePage(CDataExchange* pDX)
{
    return DDX_IPAddress(pDX, IDC_COMM_GUEST_IP, m_fields.strGuestIP, "Invalid Guest IP address", "Guest IP Address",
                         0, false) &&
           ValidateGuestMac(pDX) && ValidateHostAdapter(pDX, m_fields.strNicIP, m_fields.strNicMAC) &&
           ValidateBufferSizes(pDX);
}

CString CAddCTCIPage::BuildArgumentText()
{
    return BuildCtciArguments(m_fields);
}

std::vector<CAddCOMMPage::SHelpRow> CAddCTCIPage::HelpRows() const
{
    return NetHelpRows({
        {0, IDS_HELP_CTCI},
        {IDC_CTCI_GUEST_ANDOR, IDS_HELP_CTCI_GUEST_ANDOR},
    });
}
