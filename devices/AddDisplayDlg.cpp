// AddDisplayDlg.cpp: the display terminal's definition dialog.
#include "devices/AddDisplayDlg.h"

#include "config/DevNum.h"
#include "devices/DeviceDialogRules.h"

namespace {

const SDeviceDlgClass kDisplayClass = {4, IDS_DEVTYPES_DISPLAY, "Add New Display Terminal",
                                       "Reinitialize Display Terminal", 0};

}  // namespace

CAddDisplayDlg::CAddDisplayDlg(CWnd* pParent) : CTerminalDeviceDlg(IDD, kDisplayClass, pParent) {}

void CAddDisplayDlg::LoadDevice()
{
    ParseDisplayArguments(m_Device.m_strOtherArgs, m_fields);
}

bool CAddDisplayDlg::ValidateFields(CDataExchange* pDX)
{
    return ValidateSysg(pDX) && ValidateGroup(pDX) && ValidateAddresses(pDX);
}

bool CAddDisplayDlg::ValidateSysg(CDataExchange* pDX)
{
    DWORD dwKey = 0;
    if (!m_bAdd || !m_pRouter || SelectedTypeName().CompareNoCase("SYSG") != 0 || !m_pRouter->IsSysgDefined(&dwKey))
        return true;
    CString strMsg;
    strMsg.Format("device %s is already defined as the SYSG device", FormatDevnum(dwKey).GetString());
    return Refuse(pDX, IDC_DEVDLG_DEVNUM, kDevNumBalloonTitle, strMsg);
}

void CAddDisplayDlg::BuildArguments()
{
    ParseBackDevice(BuildDisplayArguments(m_fields));
}

CString CAddDisplayDlg::BuildCommand()
{
    return DisplayCommand(m_bAdd, FormatDevnum(m_Device.GetKey()), m_Device.m_strTypeWord,
                          m_Device.m_strOtherArgs);
}

std::vector<CDeviceDlg::SHelpRow> CAddDisplayDlg::HelpRows() const
{
    std::vector<SHelpRow> rows = {{0, IDS_HELP_DSP_GROUP},
                                  {IDC_TERM_GROUP_LABEL, IDS_HELP_DSP_GROUP},
                                  {IDC_TERM_GROUP, IDS_HELP_DSP_GROUP}};
    for (const SHelpRow& row : AddressHelpRows())
        rows.push_back(row);
    return rows;
}
