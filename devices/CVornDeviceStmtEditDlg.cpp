// CVornDeviceStmtEditDlg.cpp: the device statement editor.
#include "devices/CVornDeviceStmtEditDlg.h"

#include "config/CVornConfigFile.h"
#include "config/WindowHelpers.h"
#include "devices/DeviceCommandForms.h"
#include "devices/DeviceDialogRules.h"
#include "platform/DDX.h"
#include "platform/TextFunctions.h"

namespace {

const SDeviceDlgClass kStmtEditClass = {8, 0, "Add Device Configuration Statement",
                                        "Edit Device Configuration Statement", 0};
const int kTypeMaxChars = 6;
const int kFontPoints = 10;

}  // namespace

BEGIN_MESSAGE_MAP(CVornDeviceStmtEditDlg, CDeviceDlg)
    ON_WM_WINDOWPOSCHANGING()
    ON_EN_CHANGE(IDC_STMT_TYPE, OnTypeChange)
END_MESSAGE_MAP()

CVornDeviceStmtEditDlg::CVornDeviceStmtEditDlg(CWnd* pParent) : CDeviceDlg(IDD, kStmtEditClass, pParent)
{
    m_bDevNumCapitalised = true;
}

void CVornDeviceStmtEditDlg::LoadDevice()
{
    StatementEditorTexts(m_Device, m_strType, m_strParms);
}

void CVornDeviceStmtEditDlg::InitControls()
{
    SendDlgItemMessage(IDC_STMT_TYPE, EM_LIMITTEXT, kTypeMaxChars);
    if (!m_bAdd) {
        for (UINT nID : {IDC_DEVDLG_DEVNUM, IDC_STMT_TYPE}) {
            SendDlgItemMessage((int)nID, EM_SETREADONLY, TRUE);
            EnableControl(nID, false);
        }
    }
    m_Font.CreatePointFont(kFontPoints * 10, "Courier New");
    for (UINT nID : {IDC_DEVDLG_DEVNUM, IDC_STMT_TYPE, IDC_STMT_PARMS})
        SendDlgItemMessage((int)nID, WM_SETFONT, (WPARAM)(HFONT)m_Font, TRUE);
    // The parameters show from their start, the caret in front, nothing
    // selected: a long statement's beginning says what the device is.
    SendDlgItemMessage(IDC_STMT_PARMS, EM_SETSEL, 0, 0);
    SendDlgItemMessage(IDC_STMT_PARMS, EM_SCROLLCARET);
    if (!m_bAdd)
        ::SetFocus(::GetDlgItem(m_hWnd, IDC_STMT_PARMS));
    OnTypeChange();
}

// A SYSG statement keeps no number: the field shows the 0000 it will have.
void CVornDeviceStmtEditDlg::OnTypeChange()
{
    if (!m_NumEdit.m_hWnd)
        return;
    CString strType;
    GetDlgItemText(IDC_STMT_TYPE, strType);
    ShowNumberOfType(IsSysgTypeName(strType));
}

void CVornDeviceStmtEditDlg::ExchangeFields(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_STMT_TYPE, m_strType);
    DDX_Text(pDX, IDC_STMT_PARMS, m_strParms);
}

// The statement as the configuration reads it: anything its parser takes.
bool CVornDeviceStmtEditDlg::ValidateFields(CDataExchange* pDX)
{
    CString strStmt;
    strStmt.Format("%s %s %s", (const char*)m_strDevNum, (const char*)m_strType, (const char*)m_strParms);
    TrimBlanks(strStmt);
    CVornDevice parsed;
    CString strError;
    if (!CVornConfigFile::ParseDeviceStatement(strStmt, parsed, strError))
        return Refuse(pDX, IDC_STMT_PARMS, "Device Parameters", strError);
    m_Parsed = parsed;
    return true;
}

void CVornDeviceStmtEditDlg::BuildArguments()
{
    m_Device = m_Parsed;
}

CString CVornDeviceStmtEditDlg::BuildCommand()
{
    return StatementEditorCommand(m_bAdd, m_Device);
}

std::vector<CDeviceDlg::SHelpRow> CVornDeviceStmtEditDlg::HelpRows() const
{
    return {{IDC_STMT_TYPE_LABEL, IDS_HELP_STMT_TYPE},
            {IDC_STMT_TYPE, IDS_HELP_STMT_TYPE},
            {IDC_STMT_PARMS_LABEL, IDS_HELP_STMT_PARMS},
            {IDC_STMT_PARMS, IDS_HELP_STMT_PARMS}};
}

void CVornDeviceStmtEditDlg::SetupDynamicLayout()
{
    AddSzXControlById(IDC_STMT_PARMS, mdResize);
    AddSzXControlById(IDOK, mdRepos);
    AddSzXControlById(IDCANCEL, mdRepos);
}

// Only the width can change.
void CVornDeviceStmtEditDlg::OnWindowPosChanging(WINDOWPOS* pPos)
{
    KeepWindowHeight(m_hWnd, pPos);
    CDeviceDlg::OnWindowPosChanging(pPos);
}
