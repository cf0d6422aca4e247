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
    case kPrefsConsole:
        for (int k = 0; k < 5; ++k) {
            m_lfConsole[k] = d.m_ConsPage.lfKind[k];
            m_crConsole[k] = d.m_ConsPage.crKind[k];
        }
        m_crConsoleBack = d.m_ConsPage.crBackground;
        m_bErrorBeep = d.m_ConsPage.bBeepError;
        break;
    case kPrefsDevList:
        m_lfDevList = d.m_DevlistPage.lf;
        m_crDevListText = d.m_DevlistPage.crText;
        break;
    case kPrefsControls: m_crControlsBack = d.m_ControlsPage.crBack; break;
    case kPrefsPercent:
        for (int t = 0; t < 4; ++t) {
            m_nPercentColor[t] = d.m_PercentPage.nMeterColor[t];
            m_nPercentStyle[t] = d.m_PercentPage.nMeterStyle[t];
        }
        break;
    case kPrefsStatusBar:
        for (int i = 0; i < 5; ++i) {
            m_nPartOrder[i] = d.StatLineFields().nOrder[i];
            m_bPartVisible[i] = d.StatLineFields().bVisible[i] != 0;
        }
        m_lfStatus = d.m_StatLinePage.lf;
        break;
    case kPrefsDisplayAlter:
        m_lfDisplayAlter = d.m_DisplayAlterPage.lf;
        m_crDisplayAlterBack = d.m_DisplayAlterPage.crBack;
        break;
    case kPrefsMisc2: m_strExtraArgs = d.m_Misc2Page.m_strExtraArgs; break;
    case kPrefsMisc3: m_strEditor = d.m_Misc3Page.m_strEditor; break;
    default: break;
    }
    return 1;
}
