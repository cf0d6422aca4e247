// SysCfgTestSupport.cpp: the view's stand-in and the control drivers.
#include "tests/sysconfig/SysCfgTestSupport.h"

#include <commctrl.h>

#include "platform/ErrorBalloon.h"
#include "session/PrivateMessages.h"
#include "sysconfig/SysCfgDialog.h"
#include "tests/platform/ModalDriver.h"

namespace vorntest {

BEGIN_MESSAGE_MAP(CApplyReceiver, CWnd)
    ON_MESSAGE(WM_SYSCFG_APPLY, OnSysCfgApply)
END_MESSAGE_MAP()

CApplyReceiver::CApplyReceiver()
{
    CreateEx(0, AfxRegisterWndClass(0), "view", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr);
}

CApplyReceiver::~CApplyReceiver()
{
    DestroyWindow();
}

LRESULT CApplyReceiver::OnSysCfgApply(WPARAM, LPARAM lp)
{
    const CSysCfgDialog* pDlg = (const CSysCfgDialog*)lp;
    m_received.push_back(pDlg->m_config);
    m_firstModified.push_back(FirstModifiedPage(*pDlg));
    return m_nAnswer;
}

CVornConfigFile RichConfig(const std::string& strFolder)
{
    CVornConfigFile cfg;
    cfg.m_strFolder = strFolder.c_str();
    cfg.m_strFileName = "rich.cnf";
    cfg.m_strDescription = "Vornamic test system";
    cfg.m_strLparNum = "1F";
    cfg.m_strCPUIdFmt = "BASIC";
    cfg.m_strLparName = "VORNLPAR";
    cfg.m_strManufacturer = "VRN";
    cfg.m_strPlant = "ZZ";
    cfg.m_strModel[0] = "EMULATOR";
    cfg.m_strModel[1] = "CAP1";
    cfg.m_strModel[2] = "PERM2";
    cfg.m_strModel[3] = "TEMP3";
    cfg.m_nArchMode = 2;
    cfg.m_wOsTailor = 0x0905;
    cfg.m_nEcpsvmEnabled = 1;
    cfg.m_nEcpsvmLevel = 20;
    cfg.m_bEcpsvmTrap = false;
    cfg.m_nDiag8CmdEnabled = 1;
    cfg.m_strCPUSerial = "000611";
    cfg.m_strCPUModel = "2094";
    cfg.m_strCPUVersion = "FD";
    cfg.m_nMaxCPUs = 4;
    cfg.m_nNumCPUs = 2;
    cfg.m_nNumVec = 1;
    cfg.m_ullMainSize = 64ull << 20;
    cfg.m_ullXpndSize = 16ull << 20;
    for (int i = 0; i < kMaxEngines; ++i)
        cfg.m_dwEngineTypes[i] = (DWORD)(i % 4);
    cfg.m_nSysEpoch = 1900;
    cfg.m_nYrOffset = 0;
    cfg.m_nTimerInt = 50;
    cfg.m_dTodDrag = 1.0;
    cfg.m_strTzOffset = "+0100";
    CString strError;
    cfg.AddDevice("0120 3390 disk.cckd", strError);
    return cfg;
}

bool IsPageMarkedModified(const CSysCfgDialog& dlg, int nRecord)
{
    return (dlg.Records()[(size_t)nRecord]->wFlags & SettingsPageRecord::kModified) != 0;
}

int FirstModifiedPage(const CSysCfgDialog& dlg)
{
    for (size_t i = 0; i < dlg.Records().size(); ++i)
        if (IsPageMarkedModified(dlg, (int)i))
            return (int)i;
    return -1;
}

void TypeText(HWND hPage, int nId, const char* pszText)
{
    ::SetDlgItemTextA(hPage, nId, pszText);
}

void ClickCheck(HWND hPage, int nId, bool bCheck)
{
    HWND hCtrl = ::GetDlgItem(hPage, nId);
    ::SendMessageA(hCtrl, BM_SETCHECK, bCheck ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)hCtrl);
}

void PickItem(HWND hPage, int nId, int nIndex)
{
    HWND hCtrl = ::GetDlgItem(hPage, nId);
    ::SendMessageA(hCtrl, CB_SETCURSEL, (WPARAM)nIndex, 0);
    ::SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(nId, CBN_SELENDOK), (LPARAM)hCtrl);
}

std::string ItemText(HWND hPage, int nId)
{
    char sz[256] = "";
    ::GetDlgItemTextA(hPage, nId, sz, sizeof sz);
    return sz;
}

void StepSpin(HWND hPage, int nSpinId, int nDelta)
{
    NMUPDOWN nm = {};
    nm.hdr.hwndFrom = ::GetDlgItem(hPage, nSpinId);
    nm.hdr.idFrom = (UINT_PTR)nSpinId;
    nm.hdr.code = UDN_DELTAPOS;
    nm.iDelta = nDelta;
    ::SendMessageA(hPage, WM_NOTIFY, (WPARAM)nSpinId, (LPARAM)&nm);
}

bool IsEnabled(HWND hPage, int nId)
{
    return ::IsWindowEnabled(::GetDlgItem(hPage, nId)) != FALSE;
}

void Press(HWND hWnd, int nId)
{
    ::SendMessageA(hWnd, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(hWnd, nId));
}

std::string BalloonText()
{
    CString strText;
    return ErrorBalloonWindow(nullptr, &strText) ? strText.GetString() : "";
}

std::string BalloonTitle()
{
    CString strTitle;
    return ErrorBalloonWindow(&strTitle, nullptr) ? strTitle.GetString() : "";
}

SysCfgDialogFixture::SysCfgDialogFixture()
{
    dlg->m_config = RichConfig(dir.Folder());
}

void SysCfgDialogFixture::Run(std::function<void(HWND)> step)
{
    RunModal(*dlg, [&](HWND hDlg) {
        if (dlg->PagesWaiting())
            return true;
        if (m_pShowFirst)
            dlg->SetActivePage(m_pShowFirst);
        step(hDlg);
        if (::IsWindow(hDlg))
            Press(hDlg, IDCANCEL);
        return false;
    });
}

std::string SysCfgDialogFixture::Apply(HWND hDlg)
{
    ErrorBalloonHide();
    Press(hDlg, ID_APPLY_NOW);
    std::string strTitle = BalloonTitle();
    return strTitle.empty() ? "" : strTitle + ": " + BalloonText();
}

}  // namespace vorntest
