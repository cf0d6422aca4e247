// PipedProcessCtl.cpp: starting, killing and ending a piped child process;
// the worker threads are in PipedProcessCtlThreads.cpp.
#include "session/PipedProcessCtl.h"

#include "platform/CWinThread.h"
#include "platform/Trace.h"
#include "session/ChildProcessHost.h"
#include "session/ProgressDlg.h"
#include "session/SessionMessages.h"
#include "session/UtilityProgress.h"

CChildProcessHost* g_pChildHost = nullptr;

namespace {

// Size of the pipes' buffers in the system. Commands are short; output comes
// in floods, and a writer blocks whenever its pipe is full: under Wine a
// 1 KB output pipe slows a flood by 5 to 30 per cent (pipe_bench), the more
// the busier the machine. An output pipe holds many reads' worth, so that a
// child writing large blocks goes on while the reader is still splitting and
// queueing the previous one (with one read's worth, every block written while
// the reader was busy waited for it), and while flow control holds the
// readers for a GUI thread that is busy for a moment (tens of milliseconds
// right after power-on, when a flood starts with the first paints). A kill
// takes only a bounded rest of what is left in them (Kill).
const DWORD kStdinPipeSize = 1024;
const DWORD kOutputPipeSize = 4 * 1024 * 1024;
const DWORD kExitCodeUnknown = 0xFFFFFFFF;

// Creates a pipe whose one end (the child's) is inheritable; the parent's end
// is replaced by a copy that is not, or the child would inherit it as well and
// the pipe would never reach its end.
bool CreateChildPipe(SECURITY_ATTRIBUTES& sa, CHandle& hRead, CHandle& hWrite, bool bParentReads)
{
    DWORD nSize = bParentReads ? kOutputPipeSize : kStdinPipeSize;
    if (!::CreatePipe(hRead.Receive(), hWrite.Receive(), &sa, nSize)) {
        TRACE_FAILED_CALL("CreatePipe(&hRead, &hWrite, &sa, nSize)");
        return false;
    }
    CHandle& hParent = bParentReads ? hRead : hWrite;
    HANDLE hSelf = ::GetCurrentProcess();
    // The source is closed whether the copy succeeds or not.
    HANDLE hSource = hParent.Detach();
    if (!::DuplicateHandle(hSelf, hSource, hSelf, hParent.Receive(), 0, FALSE,
                           DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE)) {
        TRACE_FAILED_CALL("DuplicateHandle(hSelf, hParent, hSelf, &hParent, 0, FALSE, ...)");
        return false;
    }
    return true;
}

}  // namespace

CPipedProcessCtl::CPipedProcessCtl(LPCSTR pszName, int nKind, HICON hIcon, LPCSTR pszCommandLine,
                                   LPCSTR pszWorkingDir, bool bShowProgress, DWORD dwTotalLow,
                                   DWORD dwTotalHigh)
    : m_nRangeHigh((INT64)(((UINT64)dwTotalHigh << 32) | dwTotalLow)),
      m_strName(pszName),
      m_nKind(nKind),
      m_hIcon(hIcon),
      m_pHost(g_pChildHost),
      m_strCommandLine(pszCommandLine),
      m_strWorkingDir(pszWorkingDir)
{
    if (bShowProgress) {
        m_pProgressDlg = new CProgressDlg(this, hIcon, m_nRangeLow, m_nRangeHigh);
        HWND hParent = m_pHost ? m_pHost->GetChildNotifyWnd() : nullptr;
        if (!m_pProgressDlg->CreateHidden(hParent)) {
            TRACE_FAILED_CALL("m_pProgressDlg->CreateHidden(hParent)");
            delete m_pProgressDlg;
            m_pProgressDlg = nullptr;
        }
    }
    Start();
}

CPipedProcessCtl::~CPipedProcessCtl()
{
    if (m_pProgressDlg) {
        m_pProgressDlg->DestroyWindow();
        m_pProgressDlg = nullptr;
    }
    {
        CSingleLock lock(&m_lock, TRUE);
        m_bDestroying = true;
    }
    Kill(false);
}

bool CPipedProcessCtl::IsEmulator() const
{
    return m_strName.CompareNoCase("Vornamic") == 0;
}

void CPipedProcessCtl::Start()
{
    CHandle hChildIn, hChildOut, hChildErr;
    // The command line as passed to the system, with room after it.
    CString strCommand = m_strCommandLine + "     ";
    if (!CreatePipes(hChildIn, hChildOut, hChildErr)) {
        DWORD dwError = ::GetLastError();
        hChildIn.Close();
        hChildOut.Close();
        hChildErr.Close();
        StartFailed(dwError, strCommand);
        return;
    }
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = hChildIn;
    si.hStdOutput = hChildOut;
    si.hStdError = hChildErr;
    PROCESS_INFORMATION pi = {};
    // DETACHED_PROCESS, not CREATE_NO_WINDOW: Wine gives a console child
    // without a window a console host process, which inherits every
    // inheritable handle of this process, the child's pipe ends among them;
    // a stream the child closed would then end only when the child does.
    // Without a console there is no window either.
    const char* pszDir = m_strWorkingDir.IsEmpty() ? nullptr : (const char*)m_strWorkingDir;
    BOOL bStarted = ::CreateProcessA(nullptr, strCommand.GetBuffer(), nullptr, nullptr, TRUE,
                                     DETACHED_PROCESS, nullptr, pszDir, &si, &pi);
    DWORD dwError = bStarted ? 0 : ::GetLastError();
    strCommand.ReleaseBuffer();
    // The child's ends are the child's now: ours are closed, so that a stream
    // ends when the child closes it.
    hChildIn.Close();
    hChildOut.Close();
    hChildErr.Close();
    if (!bStarted) {
        TraceFailedCall(__PRETTY_FUNCTION__, "CreateProcessA(nullptr, strCommand, ...)", dwError);
        StartFailed(dwError, strCommand);
        return;
    }
    m_hProcess.Attach(pi.hProcess);
    CHandle(pi.hThread).Close();  // the thread's handle is not needed
    m_dwProcessId = pi.dwProcessId;
    m_strPidText.Format("0x%8.8X", (unsigned)m_dwProcessId);
    CString strLine;
    strLine.Format("%s started; process-id = %u (%s)", (const char*)m_strName, (unsigned)m_dwProcessId,
                   (const char*)m_strPidText);
    AddNote(strLine);
    StartThreads();
}

bool CPipedProcessCtl::CreatePipes(CHandle& hChildIn, CHandle& hChildOut, CHandle& hChildErr)
{
    SECURITY_ATTRIBUTES sa = { sizeof(sa), nullptr, TRUE };
    return CreateChildPipe(sa, hChildIn, m_hStdinWrite, false) &&
           CreateChildPipe(sa, m_hStdoutRead, hChildOut, true) &&
           CreateChildPipe(sa, m_hStderrRead, hChildErr, true);
}

void CPipedProcessCtl::StartFailed(DWORD dwError, const CString& strCommand)
{
    m_dwExitCode = dwError;
    CString strDetail;
    strDetail.Format("The command:\n\n%s\n\nfailed with rc=%d (0x%08.8X):\n\n%s", (const char*)strCommand,
                     (int)dwError, (unsigned)dwError, (const char*)FormatLastError(dwError));
    if (m_pHost)
        m_pHost->ShowChildStartError("CreateProcess() failed", strDetail);
    ::SetLastError(dwError);
    CloseHandles();
    PostToHost(WM_UTILITY_ENDED, dwError);
}

void CPipedProcessCtl::StartThreads()
{
    // The exit-waiter must see the end at once; the emulator's readers and the
    // GUI thread keep pace with a busy emulator.
    int nReaderPriority = THREAD_PRIORITY_NORMAL;
    if (IsEmulator()) {
        nReaderPriority = THREAD_PRIORITY_ABOVE_NORMAL;
        ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
    }
    m_pWaitThread = BeginThread(ProcessWaitThreadProc, THREAD_PRIORITY_TIME_CRITICAL);
    m_pStderrThread = BeginThread(StderrThreadProc, nReaderPriority);
    m_pStdoutThread = BeginThread(StdoutThreadProc, nReaderPriority);
    for (CWinThread* p : { m_pWaitThread, m_pStderrThread, m_pStdoutThread })
        if (p)
            p->ResumeThread();
}

CWinThread* CPipedProcessCtl::BeginThread(UINT (*pfn)(LPVOID), int nPriority)
{
    CWinThread* p = AfxBeginThread(pfn, this, nPriority, 0, CREATE_SUSPENDED);
    if (!p) {
        TRACE_FAILED_CALL("AfxBeginThread(pfn, this, nPriority, 0, CREATE_SUSPENDED)");
        return nullptr;
    }
    p->m_bAutoDelete = FALSE;
    return p;
}

void CPipedProcessCtl::AddNote(const CString& strLine, bool bFailure)
{
    if (!m_pHost)
        return;
    CString strNote;
    if (m_pHost->IsPidPrefixNeeded())
        strNote = m_strPidText + " ";
    m_pHost->AddChildNote(strNote + strLine, bFailure);
}

void CPipedProcessCtl::PostToHost(UINT msg, WPARAM wp)
{
    HWND hWnd = m_pHost ? m_pHost->GetChildNotifyWnd() : nullptr;
    if (hWnd && ::IsWindow(hWnd))
        ::PostMessageA(hWnd, msg, wp, (LPARAM)this);
}

void CPipedProcessCtl::ReportEnd(DWORD dwExitCode)
{
    if (!m_dwProcessId)
        return;
    CString strLine;
    strLine.Format("%s ended; rc=%d", (const char*)m_strName, (int)dwExitCode);
    AddNote(strLine, dwExitCode != 0);
}

DWORD CPipedProcessCtl::Kill(bool bLog)
{
    {
        CSingleLock lock(&m_lock, TRUE);
        if (m_hProcess) {
            if (bLog) {
                CString strLine;
                strLine.Format("kill %u (%s = %s)", (unsigned)m_dwProcessId, (const char*)m_strPidText,
                               (const char*)m_strName);
                AddNote(strLine);
            }
            m_bKilled = true;
            if (!::TerminateProcess(m_hProcess, kExitCodeUnknown))
                TRACE_FAILED_CALL("TerminateProcess(m_hProcess, kExitCodeUnknown)");
        }
    }
    // A reader held by the host's flow control waits for the GUI thread's idle
    // time, which cannot come while this thread waits for the reader.
    m_stopEvent.SetEvent();
    JoinThreads();
    CSingleLock lock(&m_lock, TRUE);
    CloseHandles();
    if (IsEmulator())
        ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_NORMAL);
    return m_dwExitCode;
}

void CPipedProcessCtl::JoinThreads()
{
    // The exit-waiter first: it waits for the readers itself before it
    // reports the end, and it must be gone before the controller is.
    for (CWinThread** pp : { &m_pWaitThread, &m_pStderrThread, &m_pStdoutThread }) {
        if (*pp) {
            ::WaitForSingleObject((*pp)->m_hThread, INFINITE);
            delete *pp;
            *pp = nullptr;
        }
    }
}

void CPipedProcessCtl::CloseHandles()
{
    m_hStderrRead.Close();
    m_hStdoutRead.Close();
    m_hStdinWrite.Close();
    m_hProcess.Close();
}

bool CPipedProcessCtl::WriteStdin(const void* pData, DWORD nLength)
{
    HANDLE hWrite;
    {
        CSingleLock lock(&m_lock, TRUE);
        hWrite = m_hStdinWrite;
    }
    DWORD nWritten = 0;
    if (!hWrite)
        return false;
    // No FlushFileBuffers: on a pipe it waits until the child has read
    // everything, which would stop the GUI thread while the child is busy.
    if (!::WriteFile(hWrite, pData, nLength, &nWritten, nullptr)) {
        TRACE_FAILED_CALL("WriteFile(hWrite, pData, nLength, &nWritten, nullptr)");
        return false;
    }
    return nWritten == nLength;
}

SIZE_T CPipedProcessCtl::TransferMemory(UINT64 nAddress, void* pBuffer, SIZE_T nLength, bool bWrite)
{
    // A 32-bit process reaches only the low 4 GB of another process: an
    // address above it would be cut and land elsewhere, so it is refused.
    const UINT64 kLimit = 0xFFFFFFFFull;
    if (nLength == 0 || nAddress > kLimit || (UINT64)nLength - 1 > kLimit - nAddress)
        return 0;
    CSingleLock lock(&m_lock, TRUE);
    if (!m_hProcess)
        return 0;
    LPVOID pAddress = (LPVOID)(UINT_PTR)nAddress;
    SIZE_T nDone = 0;
    BOOL bOk = bWrite ? ::WriteProcessMemory(m_hProcess, pAddress, pBuffer, nLength, &nDone)
                      : ::ReadProcessMemory(m_hProcess, pAddress, pBuffer, nLength, &nDone);
    if (!bOk) {
        TRACE_FAILED_CALL(bWrite ? "WriteProcessMemory" : "ReadProcessMemory");
        return 0;
    }
    return nDone;
}

DWORD CPipedProcessCtl::GetExitCode()
{
    CSingleLock lock(&m_lock, TRUE);
    return m_dwExitCode;
}
