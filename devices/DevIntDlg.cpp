// DevIntDlg.cpp: the "Device Interrupt" / "IPL" dialog.
#include "devices/DevIntDlg.h"

#include "config/DevNum.h"
#include "devices/DynDevListDlgBar.h"
#include "framework/HelpKeys.h"
#include "platform/CDataExchange.h"
#include "platform/CWindowPlacement.h"
#include "platform/DDX.h"
#include "platform/ErrorBalloon.h"
#include "platform/TextFunctions.h"

namespace {

const char kPlacementName[] = "CDevIntDlg";
const char kBalloonTitle[] = "Device Number";
const UINT kHelpId = 584;
const int kDevNumMax = 6, kLoadParmMax = 8;

struct HelpRow { UINT nCtrl; UINT nString; };
const HelpRow kHelpRows[] = {
    {0, IDS_HELP_DEVINT},
    {IDC_DEVICE_PROMPT, IDS_HELP_DEVICE_PROMPT},
    {IDC_DEVINT_DEVNUM, IDS_HELP_DEVINT_DEVNUM},
    {IDC_DEVINT_DEVNUM_LABEL, IDS_HELP_DEVINT_DEVNUM},
    {IDC_DEVINT_LOADPARM, IDS_HELP_DEVINT_LOADPARM},
    {IDC_DEVINT_LOADPARM_LABEL, IDS_HELP_DEVINT_LOADPARM},
    {IDC_DEVINT_DONT_ASK, IDS_HELP_DEVINT_DONT_ASK},
};

}  // namespace

CString NormaliseLoadParm(const CString& strLoadParm)
{
    CString str = strLoadParm;
    TrimBlanks(str);
    str += "........";
    return str.Left(kLoadParmMax);
}

BEGIN_MESSAGE_MAP(CDevIntDlg, CHelpButtonDlg)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CDevIntDlg::CDevIntDlg(CWnd* pParent) : CHelpButtonDlg(IDD, pParent) {}

void CDevIntDlg::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CHelpButtonDlg::RegisterStandardHelpStrings();
    for (const HelpRow& row : kHelpRows)
        SetHelpString(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

void CDevIntDlg::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    CHelpButtonDlg::RegisterHelpStrings();
    for (const HelpRow& row : kHelpRows)
        SetHelpId(MakeHelpKey(IDD, row.nCtrl), kHelpId);
}

void CDevIntDlg::DoDataExchange(CDataExchange* pDX)
{
    CHelpButtonDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DEVINT_DEVNUM, m_DevNumEdit);
    DDX_Control(pDX, IDC_DEVINT_LOADPARM, m_LoadParmEdit);
    DDX_Text(pDX, IDC_DEVICE_PROMPT, m_strPrompt);
    DDX_Text(pDX, IDC_DEVINT_DEVNUM, m_strDevNum);
    DDX_Text(pDX, IDC_DEVINT_LOADPARM, m_strLoadParm);
    DDV_MaxChars(pDX, m_strLoadParm, kLoadParmMax);
    DDX_Check(pDX, IDC_DEVINT_DONT_ASK, m_bDontAsk);
    if (!pDX->m_bSaveAndValidate)
        return;
    if (!CheckDevNum()) {
        pDX->PrepareEditCtrl(IDC_DEVINT_DEVNUM);
        pDX->Fail();
        return;
    }
    m_strLoadParm = NormaliseLoadParm(m_strLoadParm);
}

// Empty, not a device number, or not a device the emulator reports: an
// error balloon on the field, and the dialog stays open.
bool CDevIntDlg::CheckDevNum()
{
    CString str = m_strDevNum;
    TrimBlanks(str);
    DWORD dwKey = 0;
    if (str.IsEmpty())
        return ErrorBalloon(this, IDC_DEVINT_DEVNUM, kBalloonTitle, "You must enter a device number");
    if (!ParseDevnumLcss(str, &dwKey))
        return ErrorBalloon(this, IDC_DEVINT_DEVNUM, kBalloonTitle, "Value is not a valid device number");
    if (!m_pDevListBar || !m_pDevListBar->IsDevNumOfEmulator(dwKey))
        return ErrorBalloon(this, IDC_DEVINT_DEVNUM, kBalloonTitle, "Device does not exist");
    return true;
}

BOOL CDevIntDlg::OnInitDialog()
{
    m_strLoadParm = NormaliseLoadParm(m_strLoadParm);
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    CHelpButtonDlg::OnInitDialog();
    SetWindowText(m_strPurpose);
    if (!IsIPL())
        for (UINT nID : {IDC_DEVINT_LOADPARM, IDC_DEVINT_LOADPARM_LABEL, IDC_DEVINT_DONT_ASK})
            ::ShowWindow(::GetDlgItem(m_hWnd, nID), SW_HIDE);
    m_DevNumEdit.SendMessage(EM_LIMITTEXT, kDevNumMax);
    m_LoadParmEdit.SendMessage(EM_LIMITTEXT, kLoadParmMax);
    if (!CWindowPlacement::Restore(kPlacementName, this))
        CenterWindow();
    return TRUE;
}

void CDevIntDlg::OnDestroy()
{
    CWindowPlacement::Save(kPlacementName, this);
    CHelpButtonDlg::OnDestroy();
}
