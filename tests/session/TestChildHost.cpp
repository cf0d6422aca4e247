// TestChildHost.cpp: the recording host of the session tests.
#include "tests/session/TestChildHost.h"

#include <commctrl.h>

#include "session/PipeChunkSplit.h"
#include "session/PipedProcessCtl.h"
#include "session/ProgressDlg.h"
#include "session/SessionMessages.h"
#include "session/UtilityProgress.h"
#include "tests/support/HangWatch.h"

BEGIN_MESSAGE_MAP(CTestChildHost, CWnd)
    ON_MESSAGE(WM_UTILITY_STATUS, OnUtilityStatus)
    ON_MESSAGE(WM_UTILITY_CANCEL, OnUtilityCancel)
    ON_MESSAGE(WM_UTILITY_ENDED, OnUtilityEnded)
END_MESSAGE_MAP()

CTestChildHost::CTestChildHost()
{
    CreateEx(0, AfxRegisterWndClass(0), "child host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr);
    g_pChildHost = this;
}

CTestChildHost::~CTestChildHost()
{
    Resume();
    m_runs.KillAll();
    g_pChildHost = nullptr;
    DestroyWindow();
}

bool CTestChildHost::PumpUntil(const std::function<bool()>& done, DWORD dwTimeoutMs, const char* pszFile, int nLine)
{
    vorntest::WaitingFor waiting("a condition", pszFile, nLine);
    DWORD dwStart = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - dwStart > dwTimeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return true;
}

bool CTestChildHost::PumpUntilEnded(int nEnds, DWORD dwTimeoutMs)
{
    return PumpUntil([&] { return (int)m_exitCodes.size() >= nEnds; }, dwTimeoutMs);
}

void CTestChildHost::OnPipeData(int nStream, CPipedProcessCtl* pCtl, char* pBuffer, int& nLength)
{
    SplitPipeChunk(pBuffer, nLength, [&](char* pszLine) {
        if (nStream == CPipedProcessCtl::kStderr && *pszLine && pCtl->ApplyProgressLine(pszLine))
            return;
        {
            std::lock_guard<std::mutex> guard(m_linesLock);
            (nStream == CPipedProcessCtl::kStderr ? m_errLines : m_outLines).push_back(pszLine);
        }
        pCtl->WaitWhilePaused(m_resume);
    });
}

void CTestChildHost::ShowChildStartError(const CString& strText, const CString& strDetail)
{
    m_errors.push_back(std::string(strText) + "|" + std::string(strDetail));
}

std::vector<std::string> CTestChildHost::OutLines()
{
    std::lock_guard<std::mutex> guard(m_linesLock);
    return m_outLines;
}

std::vector<std::string> CTestChildHost::ErrLines()
{
    std::lock_guard<std::mutex> guard(m_linesLock);
    return m_errLines;
}

size_t CTestChildHost::LineCount()
{
    std::lock_guard<std::mutex> guard(m_linesLock);
    return m_outLines.size() + m_errLines.size();
}

LRESULT CTestChildHost::OnUtilityStatus(WPARAM, LPARAM lp)
{
    ++m_nStatusMessages;
    MSG msg;
    if (::PeekMessageA(&msg, m_hWnd, WM_UTILITY_STATUS, WM_UTILITY_STATUS, PM_NOREMOVE) && msg.lParam == lp)
        ++m_nQueuedStatusSeen;
    m_runs.OnStatus((CPipedProcessCtl*)lp);
    return 0;
}

LRESULT CTestChildHost::OnUtilityCancel(WPARAM, LPARAM lp)
{
    ++m_nCancelMessages;
    m_runs.OnCancel((CPipedProcessCtl*)lp);
    return 0;
}

LRESULT CTestChildHost::OnUtilityEnded(WPARAM wp, LPARAM lp)
{
    CPipedProcessCtl* pCtl = (CPipedProcessCtl*)lp;
    if (CProgressDlg* pDlg = pCtl->GetProgressDlg()) {
        CString strText;
        pDlg->GetDlgItemText(IDC_PROGRESS_PERCENT, strText);
        std::string strName = (const char*)pCtl->GetName();
        m_endPercent[strName] = (const char*)strText;
        m_endBarPos[strName] = (int)pDlg->SendDlgItemMessage(IDC_PROGRESS_BAR, PBM_GETPOS);
    }
    if (!m_runs.OnEnded(pCtl, (DWORD)wp)) {
        pCtl->ReportEnd((DWORD)wp);
        delete pCtl;
    }
    m_exitCodes.push_back((DWORD)wp);
    return 0;
}
