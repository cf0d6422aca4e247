// SysCfgHttpSrvrPage.cpp: the Http Server page.
#include "sysconfig/SysCfgHttpSrvrPage.h"

#include <commctrl.h>

#include "config/CVornConfigFile.h"
#include "platform/BrowseForDirectory.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"
#include "sysconfig/PortStepping.h"
#include "sysconfig/SysCfgDialog.h"

BEGIN_MESSAGE_MAP(CSysCfgHttpSrvrPage, CSysCfgPage)
    ON_BN_CLICKED(IDC_HTTP_START, OnClickStart)
    ON_EN_CHANGE(IDC_HTTP_PORT, OnChangePort)
    ON_NOTIFY(UDN_DELTAPOS, IDC_HTTP_PORT_SPIN, OnDeltaPosPort)
    ON_EN_CHANGE(IDC_HTTP_USER, OnChangeUser)
    ON_EN_CHANGE(IDC_HTTP_PASSWORD, OnChangePassword)
    ON_EN_CHANGE(IDC_HTTP_ROOT, OnChangeRoot)
    ON_BN_CLICKED(IDC_HTTP_ROOT_BROWSE, OnBrowseRoot)
END_MESSAGE_MAP()

namespace {

const SysCfgHelpRow kHelpStrings[] = {
    {0, IDS_HELP_SYSCFG_HTTPSRVR},
    {IDC_HTTP_START, 10901},
    {IDC_HTTP_PORT, 10902},
    {IDC_HTTP_PORT_SPIN, 10902},
    {IDC_HTTP_ROOT, 10903},
    {IDC_HTTP_USER, 10904},
    {IDC_HTTP_PASSWORD, 10905},
    {IDC_HTTP_ROOT_BROWSE, 10906},
};

const SysCfgHelpRow kHelpIds[] = {
    {IDC_HTTP_START, 1258},
};

const SysCfgHelpRow kHelpKeyRemaps[] = {
    {IDC_HTTP_PORT, IDC_HTTP_PORT_SPIN},
};

}  // namespace

CSysCfgHttpSrvrPage::CSysCfgHttpSrvrPage(CSysCfgDialog* pDlg) : CSysCfgPage(IDD, pDlg)
{
}

const SysCfgHelpRow* CSysCfgHttpSrvrPage::HelpStringRows(size_t& nRows) const
{
    return HelpRows(kHelpStrings, nRows);
}

const SysCfgHelpRow* CSysCfgHttpSrvrPage::HelpIdRows(size_t& nRows) const
{
    return HelpRows(kHelpIds, nRows);
}

const SysCfgHelpRow* CSysCfgHttpSrvrPage::HelpKeyRemapRows(size_t& nRows) const
{
    return HelpRows(kHelpKeyRemaps, nRows);
}

bool CSysCfgHttpSrvrPage::IsModified() const
{
    const CVornConfigFile& e = Edited();
    const CVornConfigFile& a = Applied();
    return e.m_bHttpStart != a.m_bHttpStart || e.m_nHttpPort != a.m_nHttpPort || e.m_strHttpRoot != a.m_strHttpRoot ||
           e.m_strHttpUser != a.m_strHttpUser || e.m_strHttpPassword != a.m_strHttpPassword;
}

void CSysCfgHttpSrvrPage::SnapshotSettings()
{
    CVornConfigFile& e = Edited();
    CVornConfigFile& a = Applied();
    a.m_bHttpStart = e.m_bHttpStart;
    a.m_nHttpPort = e.m_nHttpPort;
    a.m_strHttpRoot = e.m_strHttpRoot;
    a.m_strHttpUser = e.m_strHttpUser;
    a.m_strHttpPassword = e.m_strHttpPassword;
}

void CSysCfgHttpSrvrPage::EnableControls()
{
    const int ids[] = {IDC_HTTP_PORT, IDC_HTTP_PORT_SPIN, IDC_HTTP_USER, IDC_HTTP_ROOT_BROWSE, IDC_HTTP_ROOT};
    for (int nID : ids)
        GetDlgItem(nID)->EnableWindow(m_bStart);
    GetDlgItem(IDC_HTTP_PASSWORD)->EnableWindow(m_bStart && !m_strUser.IsEmpty());
}

BOOL CSysCfgHttpSrvrPage::OnInitDialog()
{
    CVornConfigFile& cfg = Edited();
    TrimBlanks(cfg.m_strHttpUser);
    TrimBlanks(cfg.m_strHttpPassword);
    TrimBlanks(cfg.m_strHttpRoot);
    m_bStart = cfg.m_bHttpStart;
    m_strRoot = cfg.m_strHttpRoot;
    m_strUser = cfg.m_strHttpUser;
    m_strPassword = cfg.m_strHttpPassword;
    InitPage();
    CString str;
    str.Format("%u", (UINT)cfg.m_nHttpPort);
    SetTextUpdating(IDC_HTTP_PORT, str);
    SendDlgItemMessage(IDC_HTTP_PORT_SPIN, UDM_SETRANGE32, 80, 65535);
    CheckDlgButton(IDC_HTTP_START, m_bStart ? BST_CHECKED : BST_UNCHECKED);
    EnableControls();
    m_bPageInitialized = true;
    SnapshotSettings();
    const UINT stretch[] = {IDC_HTTP_START, IDC_HTTP_PORT, IDC_HTTP_ROOT, IDC_HTTP_USER, IDC_HTTP_PASSWORD};
    for (UINT nID : stretch)
        AddSzXControlById(nID, mdResize);
    AddSzXControlById(IDC_HTTP_PORT_SPIN, mdRepos);
    AddRow(5, 1, {IDC_HTTP_START});
    AddRow(5, 2, {IDC_HTTP_PORT, IDC_HTTP_PORT_SPIN});
    AddRow(5, 3, {IDC_HTTP_ROOT, IDC_HTTP_ROOT_BROWSE});
    AddRow(5, 4, {IDC_HTTP_USER});
    AddRow(5, 5, {IDC_HTTP_PASSWORD});
    return TRUE;
}

void CSysCfgHttpSrvrPage::DoDataExchange(CDataExchange* pDX)
{
    CSysCfgPage::DoDataExchange(pDX);
    CVornConfigFile& cfg = Edited();
    ExchangeUnsigned(pDX, IDC_HTTP_PORT, cfg.m_nHttpPort);
    DDX_Text(pDX, IDC_HTTP_USER, cfg.m_strHttpUser);
    DDX_Text(pDX, IDC_HTTP_PASSWORD, cfg.m_strHttpPassword);
    DDX_Text(pDX, IDC_HTTP_ROOT, cfg.m_strHttpRoot);
    ExchangeBool(pDX, IDC_HTTP_START, cfg.m_bHttpStart);
    RunCheck(pDX, CheckHttpServer);
}

void CSysCfgHttpSrvrPage::Changed()
{
    EnableControls();
    ReevaluateModified();
}

void CSysCfgHttpSrvrPage::OnClickStart()
{
    m_bStart = IsChecked(IDC_HTTP_START);
    Edited().m_bHttpStart = m_bStart;
    Changed();
}

void CSysCfgHttpSrvrPage::OnChangePort()
{
    if (!m_bPageInitialized || m_bUpdating)
        return;
    CString str;
    GetDlgItemText(IDC_HTTP_PORT, str);
    UINT n = 0;
    Edited().m_nHttpPort = StringToUINT(str, n) ? (int)n : kNotANumber;
    Changed();
}

void CSysCfgHttpSrvrPage::OnDeltaPosPort(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 1;  // the spin's own change is not wanted
    if (!m_bPageInitialized || m_bUpdating)
        return;
    int nNew = 0;
    if (StepHttpPort(Edited().m_nHttpPort, ((NMUPDOWN*)pNMHDR)->iDelta, nNew)) {
        CString str;
        str.Format("%u", (UINT)nNew);
        SetTextUpdating(IDC_HTTP_PORT, str);
        Edited().m_nHttpPort = nNew;
    }
    Changed();
}

bool CSysCfgHttpSrvrPage::ReadEdit(int nIDC, CString& strText, bool bNoBlanks)
{
    if (!m_bPageInitialized || m_bUpdating)
        return false;
    GetDlgItemText(nIDC, strText);
    if (bNoBlanks && strText.Find(' ') >= 0) {
        DWORD dwStart = 0, dwEnd = 0;
        SendDlgItemMessage(nIDC, EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
        int nStart = (int)dwStart, nEnd = (int)dwEnd;
        strText = RemoveBlanksKeepSelection(strText, nStart, nEnd);
        SetTextUpdating(nIDC, strText);
        SendDlgItemMessage(nIDC, EM_SETSEL, (WPARAM)nStart, (LPARAM)nEnd);
        SendDlgItemMessage(nIDC, EM_SCROLLCARET);
    }
    return true;
}

void CSysCfgHttpSrvrPage::OnChangeUser()
{
    if (!ReadEdit(IDC_HTTP_USER, m_strUser, true))
        return;
    Edited().m_strHttpUser = m_strUser;
    Changed();
}

void CSysCfgHttpSrvrPage::OnChangePassword()
{
    if (!ReadEdit(IDC_HTTP_PASSWORD, m_strPassword, true))
        return;
    Edited().m_strHttpPassword = m_strPassword;
    Changed();
}

void CSysCfgHttpSrvrPage::OnChangeRoot()
{
    if (!ReadEdit(IDC_HTTP_ROOT, m_strRoot, false))
        return;
    Edited().m_strHttpRoot = m_strRoot;
    Changed();
}

void CSysCfgHttpSrvrPage::OnBrowseRoot()
{
    CString strStart = m_strRoot.IsEmpty() ? m_pDlg->m_strConfigFilesDir : m_strRoot;
    CString strFolder;
    if (BrowseForDirectoryEx(m_hWnd, "Select root directory for HTTP Server.", strStart, strFolder)) {
        m_strRoot = strFolder;
        SetTextUpdating(IDC_HTTP_ROOT, m_strRoot);
        Edited().m_strHttpRoot = m_strRoot;
    }
    Changed();
}
