// SettingsTestPages.cpp: the recording and counted test pages.
#include "SettingsTestPages.h"

#include "SettingsTestRes.h"
#include "platform/CDataExchange.h"

IMPLEMENT_DYNCREATE(CCountedPage, CPropertyPage)

BEGIN_DYNAMIC_MAP(CFoldersPage, cdxCDynamicHelpPropPage)
    DYNAMIC_MAP_ENTRY(IDC_TPAGE_LIST, mdResize, mdResize)
    DYNAMIC_MAP_ENTRY(IDC_TPAGE_EDIT, mdResize, mdRepos)
    DYNAMIC_MAP_ENTRY(IDC_TPAGE_BUTTON, mdRepos, mdRepos)
END_DYNAMIC_MAP()

CFoldersPage::CFoldersPage() : cdxCDynamicHelpPropPage(IDD_TPAGE_LARGE)
{
}

int CCountedPage::s_nLive = 0;

CCountedPage::CCountedPage() : CPropertyPage(IDD_TPAGE_SMALL)
{
    ++s_nLive;
}

CCountedPage::~CCountedPage()
{
    --s_nLive;
}

// The apply notification's lParam says OK (1) or Apply (0); help is counted.
BOOL CRecordingPage::OnNotify(WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    const PSHNOTIFY* pNotify = (const PSHNOTIFY*)lp;
    if (pNotify->hdr.code == (UINT)PSN_APPLY)
        Log(pNotify->lParam ? "apply(ok)" : "apply");
    if (pNotify->hdr.code == (UINT)PSN_HELP)
        ++m_nHelpCount;
    return CPropertyPage::OnNotify(wp, lp, pResult);
}

bool CRecordingPage::OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    if (msg == PSM_QUERYSIBLINGS) {
        Log("siblings");
        *pResult = m_nSiblingAnswer;
        return true;
    }
    if (m_bHandlesHelp && (msg == WM_COMMAND || msg == WM_VORN_COMMANDPROBE) && LOWORD(wp) == IDHELP) {
        *pResult = 0;
        return true;
    }
    return CPropertyPage::OnWndMsg(msg, wp, lp, pResult);
}

void CPlainPage::DoDataExchange(CDataExchange* pDX)
{
    if (!pDX->m_bSaveAndValidate)
        return;
    ++m_nSaves;
    if (m_bFailSave) {
        pDX->PrepareCtrl(IDC_TPAGE_EDIT);
        pDX->Fail();
    }
}
