// RenameDeviceDlg.cpp: a new device number for a running device.
#include "devices/RenameDeviceDlg.h"

#include "config/DevNum.h"
#include "config/WindowHelpers.h"
#include "devices/DeviceCommandForms.h"
#include "devices/DeviceDialogRules.h"
#include "framework/HelpKeys.h"
#include "platform/CWindowPlacement.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/TextFunctions.h"

namespace {

const char kPlacementName[] = "CRenameDeviceDlg";
const int kDevNumMaxChars = 6;

struct HelpRow { UINT nCtrl; UINT nString; };
const HelpRow kHelpRows[] = {
    {0, IDS_HELP_RENAME},
    {IDC_RENAME_FROM_LABEL, IDS_HELP_RENAME_FROM},
    {IDC_RENAME_FROM, IDS_HELP_RENAME_FROM},
    {IDC_RENAME_TO_LABEL, IDS_HELP_RENAME_TO},
    {IDC_RENAME_TO, IDS_HELP_RENAME_TO},
};

}  // namespace

BEGIN_MESSAGE_MAP(CRenameDeviceDlg, CHelpButtonDlg)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CRenameDeviceDlg::CRenameDeviceDlg(CWnd* pParent) : CHelpButtonDlg(IDD, pParent) {}

void CRenameDeviceDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CHelpButtonDlg::RegisterStandardHelpStrings();
    for (const HelpRow& row : kHelpRows)
        SetHelpString(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

void CRenameDeviceDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    for (const HelpRow& row : kHelpRows)
        SetHelpId(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

BOOL CRenameDeviceDlg::OnInitDialog()
{
    m_strOld = FormatDevnum(m_dwOldKey);
    m_strNew = FormatDevnum(m_dwNewKey);
    SetAppSmallIcon(m_hWnd);
    CHelpButtonDlg::OnInitDialog();
    m_OldEdit.EnableWindow(FALSE);
    m_OldEdit.SendMessage(EM_LIMITTEXT, kDevNumMaxChars);
    m_NewEdit.SendMessage(EM_LIMITTEXT, kDevNumMaxChars);
    // Where the user left it; without a place of its own, centred over its
    // owner (as every dialog opens).
    CWindowPlacement::Restore(kPlacementName, this);
    // The new number has the focus, all of it selected.
    ::SetFocus(m_NewEdit.m_hWnd);
    m_NewEdit.SendMessage(EM_SETSEL, 0, -1);
    return FALSE;
}

void CRenameDeviceDlg::DoDataExchange(CDataExchange* pDX)
{
    CHelpButtonDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RENAME_FROM, m_OldEdit);
    DDX_Control(pDX, IDC_RENAME_TO, m_NewEdit);
    DDX_Text(pDX, IDC_RENAME_FROM, m_strOld);
    DDX_Text(pDX, IDC_RENAME_TO, m_strNew);
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    CIsDevNumDefinedFuncRouterObject* pRouter = m_pRouter;
    DWORD dwKey = 0;
    EDevNumCheck eCheck = CheckDevNumText(m_strNew, [pRouter](DWORD dwNew) {
        return pRouter && pRouter->IsDevNumDefined(dwNew);
    }, &dwKey);
    if (eCheck != kDevNumOK) {
        pDX->PrepareEditCtrl(IDC_RENAME_TO);
        ErrorBalloon(this, IDC_RENAME_TO, kDevNumBalloonTitle, DevNumCheckMessage(eCheck));
        pDX->Fail();
        return;
    }
    m_dwNewKey = dwKey;
    CString strNew = m_strNew;
    TrimBlanks(strNew);
    m_strCommand = RenameCommand(m_strOld, strNew);
}

void CRenameDeviceDlg::OnDestroy()
{
    CWindowPlacement::Save(kPlacementName, this);
    CHelpButtonDlg::OnDestroy();
}
