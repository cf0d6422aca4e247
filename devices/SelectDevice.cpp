// SelectDevice.cpp: the "Select Device" dialog.
#include "devices/SelectDevice.h"

#include <algorithm>
#include <vector>

#include "config/CVornConfigFile.h"
#include "config/DevNum.h"
#include "framework/HelpKeys.h"
#include "platform/CWindowPlacement.h"
#include "platform/DDX.h"

namespace {

const char kPlacementName[] = "CSelectDevice";
const UINT kHelpId = 938;

struct HelpRow { UINT nCtrl; UINT nString; };
const HelpRow kHelpRows[] = {
    {0, IDS_HELP_SELECT_DEVICE},
    {IDC_DEVICE_PROMPT, IDS_HELP_DEVICE_PROMPT},
    {IDC_SELDEV_COMBO, IDS_HELP_SELDEV_COMBO},
    {IDC_SELDEV_LABEL, IDS_HELP_SELDEV_COMBO},
};

}  // namespace

BEGIN_MESSAGE_MAP(CSelectDevice, CHelpButtonDlg)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CSelectDevice::CSelectDevice(CWnd* pParent) : CHelpButtonDlg(IDD, pParent) {}

void CSelectDevice::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CHelpButtonDlg::RegisterStandardHelpStrings();
    for (const HelpRow& row : kHelpRows)
        SetHelpString(MakeHelpKey(IDD, row.nCtrl), row.nString);
}

void CSelectDevice::RegisterHelpStrings()
{
    if (!m_HelpIds.IsEmpty())
        return;
    CHelpButtonDlg::RegisterHelpStrings();
    for (const HelpRow& row : kHelpRows)
        SetHelpId(MakeHelpKey(IDD, row.nCtrl), kHelpId);
}

void CSelectDevice::DoDataExchange(CDataExchange* pDX)
{
    CHelpButtonDlg::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELDEV_COMBO, m_Combo);
    DDX_Text(pDX, IDC_DEVICE_PROMPT, m_strPrompt);
    DDX_Text(pDX, IDC_SELDEV_LABEL, m_strLabel);
    DDX_CBIndex(pDX, IDC_SELDEV_COMBO, m_nSel);
    if (!pDX->m_bSaveAndValidate)
        return;
    CString strText;
    if (m_nSel >= 0)
        m_Combo.GetLBText(m_nSel, strText);
    DWORD dwKey = 0;
    m_dwDevnum = ParseDevnumLcss(strText, &dwKey) ? dwKey : 0xFFFFFFFF;
}

// The devices in class order, then by channel subsystem and number.
BOOL CSelectDevice::OnInitDialog()
{
    HICON hIcon = (HICON)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON,
                                      ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    CHelpButtonDlg::OnInitDialog();
    if (!m_strTitle.IsEmpty())
        SetWindowText(m_strTitle);
    std::vector<CVornDevice> devices;
    for (POSITION pos = m_DevList.GetHeadPosition(); pos;)
        devices.push_back(m_DevList.GetNext(pos));
    std::sort(devices.begin(), devices.end(),
              [](const CVornDevice& a, const CVornDevice& b) { return CompareDevices(&a, &b) < 0; });
    for (const CVornDevice& dev : devices)
        m_Combo.AddString(FormatDevnum(dev.GetKey()));
    m_Combo.SetCurSel(0);
    if (!CWindowPlacement::Restore(kPlacementName, this))
        CenterWindow();
    return TRUE;
}

void CSelectDevice::OnDestroy()
{
    CWindowPlacement::Save(kPlacementName, this);
    CHelpButtonDlg::OnDestroy();
}
