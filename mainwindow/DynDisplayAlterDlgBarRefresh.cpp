// DynDisplayAlterDlgBarRefresh.cpp: auto-refresh. A thread waits on its stop
// event with the interval as time-out and, on each time-out while the bar is
// active and its last tick was taken, posts WM_AUTOREFRESH_TICK; the GUI
// thread reads the window again. At most one tick is pending at a time.
#include "mainwindow/DynDisplayAlterDlgBar.h"

#include "mainwindow/FatalErrorReport.h"
#include "platform/CScrollBar.h"
#include "platform/Trace.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

namespace {

// Signals a worker's stop event, waits for it to end and closes its handle.
void StopWorker(HANDLE& hThread, CEvent& evStop)
{
    if (!hThread)
        return;
    evStop.SetEvent();
    ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);
    hThread = nullptr;
}

}  // namespace

void CDynDisplayAlterDlgBar::StopRefreshThread()
{
    m_bRefreshActive = false;
    StopWorker(m_hRefreshThread, m_evStopRefresh);
}

void CDynDisplayAlterDlgBar::StopSearchThread()
{
    StopWorker(m_hSearchThread, m_evStopSearch);
}

// Active: auto-refresh on, bRun (the bar shown), the bar visible and the
// emulator running and ready. A new thread starts only when none runs.
void CDynDisplayAlterDlgBar::StartStopAutoRefresh(bool bRun)
{
    m_bRunRequested = bRun;
    bool bActive = m_bAutoRefresh && bRun && m_hWnd && IsWindowVisible() && IsRunningAndReady() &&
                   m_nStorageAddress != 0 && !m_bSearchRunning;
    if (!bActive) {
        StopRefreshThread();
        return;
    }
    m_bRefreshActive = true;
    if (m_hRefreshThread)
        return;
    m_evStopRefresh.ResetEvent();
    m_bTickConsumed = true;
    m_hRefreshThread = ::CreateThread(nullptr, 0, &CDynDisplayAlterDlgBar::RefreshThreadProc, this, 0, nullptr);
    if (!m_hRefreshThread) {
        TRACE_FAILED_CALL("::CreateThread(nullptr, 0, RefreshThreadProc, this, 0, nullptr)");
        m_bRefreshActive = false;
    }
}

// The outermost frame of both workers: a fatal fault in the loop is
// reported there.
DWORD CDynDisplayAlterDlgBar::RunWorker(LPVOID pThis, void (CDynDisplayAlterDlgBar::*pLoop)())
{
    RunReportingFatalErrors([&] { (static_cast<CDynDisplayAlterDlgBar*>(pThis)->*pLoop)(); });
    return 0;
}

DWORD WINAPI CDynDisplayAlterDlgBar::RefreshThreadProc(LPVOID pThis)
{
    return RunWorker(pThis, &CDynDisplayAlterDlgBar::RefreshLoop);
}

// The refresh thread: it only waits and posts.
void CDynDisplayAlterDlgBar::RefreshLoop()
{
    while (::WaitForSingleObject(m_evStopRefresh, (DWORD)m_nThreadInterval.load()) == WAIT_TIMEOUT) {
        if (!m_bRefreshActive || !m_bTickConsumed || !g_pView || !g_pView->IsEmulatorRunning())
            continue;
        m_bTickConsumed = false;
        if (!::PostMessageA(m_hWnd, WM_AUTOREFRESH_TICK, 0, 0))
            m_bTickConsumed = true;
    }
}

// Storage shown as unavailable comes back once a tick reads it.
LRESULT CDynDisplayAlterDlgBar::OnAutoRefreshTick(WPARAM, LPARAM)
{
    if (m_bRefreshActive && m_nStorageAddress != 0 && !m_bSearchRunning)
        RefreshView(false);
    m_bTickConsumed = true;
    return 1;
}

void CDynDisplayAlterDlgBar::OnAutoRefreshClicked()
{
    m_bAutoRefresh = !m_bAutoRefresh;
    SetRefreshCaption();
    StartStopAutoRefresh(m_bAutoRefresh != FALSE);
}

void CDynDisplayAlterDlgBar::SetRefreshCaption()
{
    m_AutoRefreshBtn.SetCheck(m_bAutoRefresh ? BST_CHECKED : BST_UNCHECKED);
    m_AutoRefreshBtn.SetWindowText(m_bAutoRefresh ? "On" : "Off");
}

// The trackbar: the interval snapped down to a multiple of 250 ms; the
// thread takes it at its next wait.
void CDynDisplayAlterDlgBar::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (!pScrollBar || pScrollBar->m_hWnd != m_Trackbar.m_hWnd) {
        cdxCDynamicBarDlg::OnHScroll(nSBCode, nPos, pScrollBar);
        return;
    }
    m_nRefreshIntvl = SnapRefreshInterval(m_Trackbar.GetPos());
    m_nThreadInterval = m_nRefreshIntvl;
    m_Trackbar.SetPos(m_nRefreshIntvl);
    UpdateIntervalTip();
}

void CDynDisplayAlterDlgBar::UpdateIntervalTip()
{
    if (!m_IntervalTip.m_hWnd)
        return;
    CString str;
    str.Format("Auto-refresh Interval: %d milliseconds", m_nRefreshIntvl);
    m_IntervalTip.UpdateTipText(str, &m_Trackbar);
}
