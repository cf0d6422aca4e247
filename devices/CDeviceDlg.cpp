// CDeviceDlg.cpp: the common steps of the device definition dialogs.
#include "devices/CDeviceDlg.h"

#include "config/DevClassIcons.h"
#include "config/DevNum.h"
#include "config/FieldValidators.h"
#include "config/OverwriteConfirmation.h"
#include "devices/DeviceDialogRules.h"
#include "framework/HelpKeys.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/TextFunctions.h"
#include "session/VornGUIView.h"

namespace {

const int kDevNumMaxChars = 6;

// The balloons of the identification and options areas, the same in every
// class dialog.
const UINT kCommonHelp[][2] = {
    {IDC_DEVDLG_IDENT_GROUP, IDS_HELP_DEVDLG_IDENT},   {IDC_DEVDLG_DEVNUM_LABEL, IDS_HELP_DEVDLG_DEVNUM},
    {IDC_DEVDLG_DEVNUM, IDS_HELP_DEVDLG_DEVNUM},       {IDC_DEVDLG_DEVTYPE_LABEL, IDS_HELP_DEVDLG_DEVTYPE},
    {IDC_DEVDLG_DEVTYPE, IDS_HELP_DEVDLG_DEVTYPE},     {IDC_DEVDLG_OPTIONS_GROUP, IDS_HELP_DEVDLG_OPTIONS},
};

}  // namespace

BEGIN_MESSAGE_MAP(CDeviceDlg, cdxCDynamicHelpDialog)
END_MESSAGE_MAP()

CDeviceDlg::CDeviceDlg(UINT nIDTemplate, const SDeviceDlgClass& cls, CWnd* pParent)
    : cdxCDynamicHelpDialog(nIDTemplate, flSizeIcon, pParent), m_class(cls)
{
}

BOOL CDeviceDlg::OnInitDialog()
{
    m_strDevNum = FormatDevnum(m_Device.GetKey());
    if (m_Device.m_strTypeWord.IsEmpty())
        m_Device.m_strTypeWord = DeviceTypeName(m_Device.m_wDevType);
    LoadDevice();
    cdxCDynamicHelpDialog::OnInitDialog();
    SetIcon(DevClassIcon(IconClass()), FALSE);
    InitIdentification();
    InitControls();
    SetupDynamicLayout();
    return FocusSetByDialog() ? FALSE : TRUE;
}

// Steps 4-7 of the frame: the type list, the number field and the title.
void CDeviceDlg::InitIdentification()
{
    SetWindowText(DialogTitle());
    DevNumControl().SendMessage(EM_LIMITTEXT, kDevNumMaxChars);
    if (!m_bAdd)
        EnableControl(IDC_DEVDLG_DEVNUM, false);
    if (!m_TypeList.m_hWnd)
        return;
    m_TypeList.ResetContent();
    if (!m_bAdd) {
        m_TypeList.AddString(m_Device.m_strTypeWord);
        m_TypeList.SetCurSel(0);
        m_TypeList.EnableWindow(FALSE);
        return;
    }
    CString strList;
    strList.LoadString(m_class.nTypeList);
    CStringArray types;
    SplitDeviceTypeList(strList, types);
    for (int i = 0; i < types.GetSize(); ++i)
        m_TypeList.AddString(types[i]);
    m_TypeList.SetCurSel(ChooseDeviceTypeIndex(types, m_Device.m_strTypeWord, m_class.nTypeFallback));
}

void CDeviceDlg::DoDataExchange(CDataExchange* pDX)
{
    cdxCDynamicHelpDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DEVDLG_DEVNUM, DevNumControl());
    if (m_class.nTypeList)
        DDX_Control(pDX, IDC_DEVDLG_DEVTYPE, m_TypeList);
    DDX_Text(pDX, IDC_DEVDLG_DEVNUM, m_strDevNum);
    ExchangeFields(pDX);
    if (!pDX->m_bSaveAndValidate || pDX->m_bFailed)
        return;
    if (m_bAdd && !ValidateAddedNumber(pDX))
        return;
    if (!ValidateFields(pDX) || pDX->m_bFailed)
        return;
    TakeIdentification();
    BuildArguments();
    m_strCommand = BuildCommand();
    // The emulator writes the device's files; an overwrite answer given
    // here must not let a later operation delete one.
    ForgetOverwriteConfirmations();
}

// The number as typed, the type name from the list and the device type it
// spells (reinitialising keeps the device's own).
void CDeviceDlg::TakeIdentification()
{
    CString str = m_strDevNum;
    TrimBlanks(str);
    WORD wDevnum = 0;
    BYTE bLcss = 0;
    if (m_bAdd && ParseDevnum(str, wDevnum, bLcss)) {
        m_Device.m_wDevnum = wDevnum;
        m_Device.m_bLcss = bLcss;
    }
    m_Device.m_wClass = m_class.wClass;
    if (!m_TypeList.m_hWnd)
        return;
    CString strType = SelectedTypeName();
    if (!strType.IsEmpty()) {
        m_Device.m_strTypeWord = strType;
        m_Device.m_wDevType = DeviceTypeFromName(strType);
    }
}

bool CDeviceDlg::ValidateDevNum(CDataExchange* pDX, bool bCapitalised)
{
    CIsDevNumDefinedFuncRouterObject* pRouter = m_pRouter;
    EDevNumCheck eCheck = CheckDevNumText(m_strDevNum, [pRouter](DWORD dwKey) {
        return pRouter && pRouter->IsDevNumDefined(dwKey);
    });
    if (eCheck == kDevNumOK)
        return true;
    return Refuse(pDX, IDC_DEVDLG_DEVNUM, kDevNumBalloonTitle, DevNumCheckMessage(eCheck, bCapitalised));
}

bool CDeviceDlg::ValidateAddedNumber(CDataExchange* pDX)
{
    DWORD dwSysgKey = 0;
    if (m_bSysgNumberShown && m_pRouter && m_pRouter->IsSysgDefined(&dwSysgKey))
        return Refuse(pDX, IDC_DEVDLG_DEVNUM, kDevNumBalloonTitle, SysgDefinedMessage(dwSysgKey));
    return ValidateDevNum(pDX, m_bDevNumCapitalised);
}

void CDeviceDlg::ShowNumberOfType(bool bSysg)
{
    if (!m_bAdd || bSysg == m_bSysgNumberShown)
        return;
    CWnd& field = DevNumControl();
    if (bSysg) {
        field.GetWindowText(m_strTypedDevNum);
        field.SetWindowText(FormatDevnum(0));
    } else {
        field.SetWindowText(m_strTypedDevNum);
    }
    m_bSysgNumberShown = bSysg;
    field.EnableWindow(bSysg ? FALSE : TRUE);
}

bool CDeviceDlg::CheckFileNotInUse(CDataExchange* pDX, const CString& strFile, UINT nCtrl, const char* pszTitle)
{
    if (!m_bAdd || !m_pRouter || !m_pRouter->IsFileInUse(strFile))
        return true;
    return Refuse(pDX, nCtrl, pszTitle, kFileInUseMessage);
}

bool CDeviceDlg::CheckOutputFile(CDataExchange* pDX, const CString& strDir, const CString& strFile, UINT nCtrl,
                                 const char* pszTitle)
{
    CString strConfigFolder = g_pView ? g_pView->GetConfig().m_strFolder : CString();
    return DDV_OutputFile(pDX, DeviceFileCheckFolder(strDir, strConfigFolder), strFile, (int)nCtrl, pszTitle);
}

bool CDeviceDlg::CheckInputFile(CDataExchange* pDX, CString& strFile, UINT nCtrl, const char* pszTitle)
{
    TrimBlanks(strFile);
    if (strFile.IsEmpty() || !IsRelativeFolder(strFile))
        return DDV_InputFile(pDX, strFile, (int)nCtrl, pszTitle);
    CString strConfigFolder = g_pView ? g_pView->GetConfig().m_strFolder : CString();
    CString strLookedAt = DeviceFileCheckFolder(strFile, strConfigFolder);
    return DDV_InputFile(pDX, strLookedAt, (int)nCtrl, pszTitle);
}

bool CDeviceDlg::Refuse(CDataExchange* pDX, UINT nCtrl, const char* pszTitle, const char* pszText)
{
    pDX->PrepareEditCtrl((int)nCtrl);
    ErrorBalloon(this, nCtrl, pszTitle, pszText, kBalloonIconWarning);
    pDX->Fail();
    return false;
}

CString CDeviceDlg::SelectedTypeName() const
{
    CString str;
    int nSel = m_TypeList.m_hWnd ? m_TypeList.GetCurSel() : -1;
    if (nSel >= 0)
        m_TypeList.GetLBText(nSel, str);
    return str;
}

void CDeviceDlg::EnableControl(UINT nID, bool bEnable)
{
    EnableDlgControl(::GetDlgItem(m_hWnd, (int)nID), bEnable ? TRUE : FALSE);
}

// An overwrite answer given while checking belongs to this run only.
void CDeviceDlg::OnCancel()
{
    ForgetOverwriteConfirmations();
    cdxCDynamicHelpDialog::OnCancel();
}

// Registered once, on the first help request.
void CDeviceDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    cdxCDynamicHelpDialog::RegisterStandardHelpStrings();
    for (const auto& row : kCommonHelp)
        SetHelpString(MakeHelpKey(m_nIDTemplate, row[0]), row[1]);
    for (const SHelpRow& row : HelpRows())
        SetHelpString(MakeHelpKey(m_nIDTemplate, row.nCtrl), row.nString);
}

// The help context of a control is its balloon string's id.
void CDeviceDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    for (const auto& row : kCommonHelp)
        SetHelpId(MakeHelpKey(m_nIDTemplate, row[0]), row[1]);
    for (const SHelpRow& row : HelpRows())
        SetHelpId(MakeHelpKey(m_nIDTemplate, row.nCtrl), row.nString);
}
