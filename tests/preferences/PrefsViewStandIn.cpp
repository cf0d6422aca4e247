// PrefsViewStandIn.cpp: see PrefsViewStandIn.h.
#include "PrefsViewStandIn.h"

#include "session/PrivateMessages.h"

namespace {
const char kClassName[] = "VornPrefsViewStandIn";
}

CPrefsViewStandIn::CPrefsViewStandIn()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    ::RegisterClassA(&wc);  // fails harmlessly when registered before
    m_hWnd = ::CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, (LONG_PTR)this);
}

CPrefsViewStandIn::~CPrefsViewStandIn()
{
    ::DestroyWindow(m_hWnd);
}

void CPrefsViewStandIn::Register(CPreferencesDlg& dlg)
{
    m_pDlg = &dlg;
    dlg.m_hViewWnd = m_hWnd;
}

LRESULT CALLBACK CPrefsViewStandIn::WndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* pSelf = (CPrefsViewStandIn*)::GetWindowLongPtrA(h, GWLP_USERDATA);
    if (msg == WM_PREFS_APPLY_PAGE && pSelf)
        return pSelf->OnApplyPage((int)wp);
    return ::DefWindowProcA(h, msg, wp, lp);
}

LRESULT CPrefsViewStandIn::OnApplyPage(int nPage)
{
    m_applied.push_back(nPage);
    if (!m_nAnswer || !m_pDlg)
        return m_nAnswer;
    CPreferencesDlg& d = *m_pDlg;
    switch (nPage) {
    case kPrefsDirs:
        for (int i = 0; i < kDirListCount; ++i)
            m_dirs[i].Copy(d.m_DirsPage.m_History[i]);
        break;
    case kPrefsExts:
        for (int i = 0; i < kFilterCount; ++i)
            m_filters[i] = d.m_ExtsPage.m_strFilter[i];
        break;
    case kPrefsLogging:
        m_nLogOption = d.m_LogsPage.m_nLogOption;
        m_nMaxFiles = d.m_LogsPage.m_nMaxFiles;
        m_strBaseName = d.m_LogsPage.m_strBaseName;
        break;
    case kPrefsMemory: m_nMemLines = d.m_MemLogPage.m_nLines; break;
    case kPrefsDisk:
        m_nDiskLines = d.m_DiskLogPage.m_nLines;
        m_bSync = d.m_DiskLogPage.m_bSync;
        break;
    case kPrefsNumbering: m_nCurFileNum = d.m_LogNumPage.m_nCurFileNum; break;
    case kPrefsMisc2: m_strExtraArgs = d.m_Misc2Page.m_strExtraArgs; break;
    case kPrefsMisc3: m_strEditor = d.m_Misc3Page.m_strEditor; break;
    default: break;
    }
    return 1;
}
