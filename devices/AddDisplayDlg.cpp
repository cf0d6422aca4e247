// AddDisplayDlg.cpp: the display terminal's definition dialog.
#include "devices/AddDisplayDlg.h"

#include "config/DevNum.h"
#include "devices/DeviceDialogRules.h"

namespace {

const SDeviceDlgClass kDisplayClass = {4, IDS_DEVTYPES_DISPLAY, "Add New Display Terminal",
                                       "Reinitialize Display Terminal", 0};

}  // namespace

BEGIN_MESSAGE_MAP(CAddDisplayDlg, CTerminalDeviceDlg)
    ON_CBN_SELENDOK(IDC_DEVDLG_DEVTYPE, OnTypeChosen)
END_MESSAGE_MAP()

CAddDisplayDlg::CAddDisplayDlg(CWnd* pParent) : CTerminalDeviceDlg(IDD, kDisplayClass, pParent) {}

void CAddDisplayDlg::LoadDevice()
{
    ParseDisplayArguments(m_Device.m_strOtherArgs, m_fields);
}

void CAddDisplayDlg::InitControls()
{
    CTerminalDeviceDlg::InitControls();
    OnTypeChosen();
}

void CAddDisplayDlg::OnTypeChosen()
{
    ShowNumberOfType(IsSysgTypeName(SelectedTypeName()));
}

bool CAddDisplayDlg::ValidateFields(CDataExchange* pDX)
{
    return ValidateGroup(pDX) && ValidateAddresses(pDX);
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
