// PipedProcessCtlThreads.cpp: the worker threads of a piped child process
// (the two pipe readers and the exit-waiter) and the progress state they
// leave for the GUI thread.
#include "session/PipedProcessCtl.h"

#include <algorithm>

#include "mainwindow/FatalErrorReport.h"
#include "platform/CWinThread.h"
#include "platform/Trace.h"
#include "session/ChildProcessHost.h"
#include "session/PipeLineBuffer.h"
#include "session/ProgressDlg.h"
#include "session/SessionMessages.h"
#include "session/UtilityProgress.h"

namespace {

// Bytes taken by one read. The system's pipe buffer stays small; a large read
// takes whatever has piled up in one call, and under Wine every call is a
// round trip to the wineserver.
const size_t kReadSize = 64 * 1024;
// What a reader still takes once a kill is asked: the killed child's last
// lines reach the console and the log, but a pipe full of a flood (4 MB) is
// not worked through, so that the kill stays quick.
const size_t kKillDrainSize = 64 * 1024;

}  // namespace

// A fatal fault on one of the three threads is offered as a report, as
// one on the GUI thread is, and ends that thread.
UINT CPipedProcessCtl::StderrThreadProc(LPVOID pThis)
{
    UINT nResult = 0;
    RunReportingFatalErrors([&] { nResult = ((CPipedProcessCtl*)pThis)->ReadPipeThread(kStderr); });
    return nResult;
}

UINT CPipedProcessCtl::StdoutThreadProc(LPVOID pThis)
{
    UINT nResult = 0;
    RunReportingFatalErrors([&] { nResult = ((CPipedProcessCtl*)pThis)->ReadPipeThread(kStdout); });
    return nResult;
}

UINT CPipedProcessCtl::ProcessWaitThreadProc(LPVOID pThis)
{
    UINT nResult = 0;
    RunReportingFatalErrors([&] { nResult = ((CPipedProcessCtl*)pThis)->ProcessWaitThread(); });
    return nResult;
}

// Reads one output pipe to its end, handing each chunk to the host. Once a
// kill is asked it takes at most kKillDrainSize bytes more: what the child
// wrote before it ended, up to that bound.
UINT CPipedProcessCtl::ReadPipeThread(int nStream)
{
    HANDLE hRead = nStream == kStderr ? m_hStderrRead : m_hStdoutRead;
    CPipeLineBuffer buffer(kReadSize);
    UINT nResult = 0;
    size_t nDrainLeft = kKillDrainSize;
    bool bCut = false;   // the drain after a kill ended before the stream did
    for (;;) {
        size_t nCapacity = buffer.ReadCapacity();
        if (m_bKilled) {
            if (nDrainLeft == 0) {
                bCut = true;
                break;
            }
            nCapacity = std::min(nCapacity, nDrainLeft);
        }
        DWORD nRead = 0;
        if (!::ReadFile(hRead, buffer.ReadTarget(), (DWORD)nCapacity, &nRead, nullptr)) {
            DWORD dwError = ::GetLastError();
            // The child closed its end (or ended): the normal end of a stream.
            if (dwError != ERROR_BROKEN_PIPE) {
                TraceFailedCall(__PRETTY_FUNCTION__, "ReadFile(hRead, ...)", dwError);
                nResult = dwError;
            }
            break;
        }
        if (nRead == 0)
            break;
        if (m_bKilled)
            nDrainLeft -= std::min<size_t>(nRead, nDrainLeft);
        if (buffer.Accept(nRead)) {
            HandOver(nStream, buffer.Data(), buffer.Length());
            buffer.KeepAfterHandOver();
        }
    }
    // A last line without a line feed is still a line (unless the drain
    // stopped in the middle of the stream).
    if (!bCut && buffer.Finish())
        HandOver(nStream, buffer.Data(), buffer.Length());
    return nResult;
}

void CPipedProcessCtl::HandOver(int nStream, char* pBuffer, int& nLength)
{
    if (m_pHost)
        m_pHost->OnPipeData(nStream, this, pBuffer, nLength);
    else
        nLength = 0;
}

// Waits for the process, reads its exit code and, once both readers have
// handed over everything, reports the end to the host.
UINT CPipedProcessCtl::ProcessWaitThread()
{
    ::WaitForSingleObject(m_hProcess, INFINITE);
    {
        CSingleLock lock(&m_lock, TRUE);
        DWORD dwExitCode = 0;
        if (!::GetExitCodeProcess(m_hProcess, &dwExitCode)) {
            TRACE_FAILED_CALL("GetExitCodeProcess(m_hProcess, &dwExitCode)");
            dwExitCode = 0xFFFFFFFF;
        }
        m_dwExitCode = dwExitCode;
        m_hProcess.Close();
    }
    WaitForReaderThreads();
    CSingleLock lock(&m_lock, TRUE);
    if (!m_bDestroying)
        PostToHost(WM_UTILITY_ENDED, m_dwExitCode);
    return 0;
}

void CPipedProcessCtl::WaitForReaderThreads()
{
    for (CWinThread* p : { m_pStderrThread, m_pStdoutThread })
        if (p)
            ::WaitForSingleObject(p->m_hThread, INFINITE);
}

bool CPipedProcessCtl::WaitWhilePaused(HANDLE hResume)
{
    HANDLE handles[2] = { m_stopEvent, hResume };
    return ::WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1;
}

bool CPipedProcessCtl::ApplyProgressLine(const char* pszLine)
{
    SProgressLine line = ParseProgressLine(m_nKind, pszLine);
    switch (line.eAction) {
    case kProgressTotal:
        SetProgressTotal(line.nValue);
        return true;
    case kProgressPosition:
        SetProgressPosition(line.nValue);
        return true;
    case kProgressSwallowed:
        return true;
    case kProgressNotConsumed:
        break;
    }
    return false;
}

// A new total always reaches the window (it shows 0% at once), whether the
// kind's keyword asks for a notification or not.
void CPipedProcessCtl::SetProgressTotal(INT64 nTotal)
{
    {
        CSingleLock lock(&m_lock, TRUE);
        m_nRangeLow = 0;
        m_nRangeHigh = nTotal;
        m_nPos = 0;
        m_bRangeChanged = true;
    }
    NotifyView();
}

void CPipedProcessCtl::SetProgressPosition(INT64 nPos)
{
    {
        CSingleLock lock(&m_lock, TRUE);
        m_nPos = nPos;
    }
    NotifyView();
}

void CPipedProcessCtl::NotifyView()
{
    CSingleLock lock(&m_lock, TRUE);
    HWND hWnd = m_pHost ? m_pHost->GetChildNotifyWnd() : nullptr;
    if (!m_bNotifyPending && hWnd && ::IsWindow(hWnd) &&
        ::PostMessageA(hWnd, WM_UTILITY_STATUS, 0, (LPARAM)this))
        m_bNotifyPending = true;
}

void CPipedProcessCtl::ClearNotifyPending()
{
    CSingleLock lock(&m_lock, TRUE);
    m_bNotifyPending = false;
}

void CPipedProcessCtl::ShowProgress()
{
    INT64 nLow, nHigh, nPos;
    bool bRangeChanged;
    {
        CSingleLock lock(&m_lock, TRUE);
        nLow = m_nRangeLow;
        nHigh = m_nRangeHigh;
        nPos = m_nPos;
        bRangeChanged = m_bRangeChanged;
        m_bRangeChanged = false;
        m_bNotifyPending = false;
    }
    if (!m_pProgressDlg)
        return;
    if (bRangeChanged)
        m_pProgressDlg->SetRange64(nLow, nHigh);
    m_pProgressDlg->SetPos64(nPos);
}
