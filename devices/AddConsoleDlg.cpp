// AddConsoleDlg.cpp: the console printer-keyboard's definition dialog.
#include "devices/AddConsoleDlg.h"

#include "config/DevNum.h"
#include "config/FieldValidators.h"
#include "platform/TextFunctions.h"

namespace {

// Adding falls back on "3215-C".
const SDeviceDlgClass kConsoleClass = {3, IDS_DEVTYPES_CONSOLE, "Add New Console Printer",
                                       "Reinitialize Console Printer", 3};

}  // namespace

BEGIN_MESSAGE_MAP(CAddConsoleDlg, CTerminalDeviceDlg)
    ON_CBN_SELENDOK(IDC_DEVDLG_DEVTYPE, OnTypeSelEndOk)
END_MESSAGE_MAP()

CAddConsoleDlg::CAddConsoleDlg(CWnd* pParent) : CTerminalDeviceDlg(IDD, kConsoleClass, pParent) {}

void CAddConsoleDlg::LoadDevice()
{
    ParseConsoleArguments(m_Device.m_strTypeWord, m_Device.m_strOtherArgs, m_fields);
}

// What the arguments held stays in the group field; a console without
// arguments starts from its kind's default.
void CAddConsoleDlg::InitControls()
{
    CTerminalDeviceDlg::InitControls();
    CString strArgs = m_Device.m_strOtherArgs;
    TrimBlanks(strArgs);
    SetTypeLabels(!strArgs.IsEmpty());
}

void CAddConsoleDlg::ExchangeFields(CDataExchange* pDX)
{
    CTerminalDeviceDlg::ExchangeFields(pDX);
    DDX_CheckBool(pDX, IDC_CON_NOPROMPT, m_fields.bNoprompt);
}

// An integrated console's prefix; the others' group and addresses.
bool CAddConsoleDlg::ValidateFields(CDataExchange* pDX)
{
    if (!IsIntegrated())
        return ValidateGroup(pDX) && ValidateAddresses(pDX);
    if (const char* pszMsg = CommandPrefixMessage(m_fields.strGroup))
        return Refuse(pDX, IDC_TERM_GROUP, "Command Prefix", pszMsg);
    return true;
}

void CAddConsoleDlg::BuildArguments()
{
    ParseBackDevice(BuildConsoleArguments(m_Device.m_strTypeWord, m_fields));
}

CString CAddConsoleDlg::BuildCommand()
{
    return ConsoleCommand(m_bAdd, FormatDevnum(m_Device.GetKey()), m_Device.m_strTypeWord,
                          m_Device.m_strOtherArgs);
}

CString CAddConsoleDlg::DialogTitle() const
{
    if (!IsIntegrated())
        return CTerminalDeviceDlg::DialogTitle();
    return m_bAdd ? "Add New Integrated Console Printer" : "Reinitialize Integrated Console Printer";
}

void CAddConsoleDlg::OnTypeSelEndOk()
{
    SetTypeLabels(false);
}

void CAddConsoleDlg::SetTypeLabels(bool bKeepValue)
{
    CString strType = SelectedTypeName();
    if (!strType.IsEmpty())
        m_Device.m_strTypeWord = strType;
    bool bIntegrated = IsIntegrated();
    SetWindowText(DialogTitle());
    EnableAddresses(!bIntegrated);
    SetDlgItemText(IDC_TERM_GROUP_LABEL, bIntegrated ? "Cmd Prefix:" : "Terminal Group:");
    if (bKeepValue)
        return;
    m_fields.strGroup = bIntegrated ? "/" : "";
    SetDlgItemText(IDC_TERM_GROUP, m_fields.strGroup);
}

std::vector<CDeviceDlg::SHelpRow> CAddConsoleDlg::HelpRows() const
{
    // The dialog itself has no balloon.
    std::vector<SHelpRow> rows = {{IDC_TERM_GROUP_LABEL, IDS_HELP_CON_GROUP},
                                  {IDC_TERM_GROUP, IDS_HELP_CON_GROUP},
                                  {IDC_CON_NOPROMPT_NOTE, IDS_HELP_CON_NOPROMPT},
                                  {IDC_CON_NOPROMPT, IDS_HELP_CON_NOPROMPT}};
    for (const SHelpRow& row : AddressHelpRows())
        rows.push_back(row);
    return rows;
}
