// PipedProcessCtl.h: CPipedProcessCtl, one console program run as a child
// process whose standard input, output and error are anonymous pipes: the
// emulator (kind 0), a utility program (kinds 1-29, with its progress window)
// or a program whose output is only shown (kind -1).
//
// Threads: the GUI thread creates, kills and deletes the controller; an
// exit-waiter waits for the process and reports its end with a posted
// WM_UTILITY_ENDED once both readers have handed over all output; one reader
// per output pipe hands each chunk, with its stream, to the host
// (CChildProcessHost::OnPipeData). Worker threads never touch a window: a
// utility's progress is stored here under the lock and applied by the GUI
// thread on WM_UTILITY_STATUS.
#pragma once

#include <windows.h>

#include <atomic>

#include "platform/CHandle.h"
#include "platform/CString.h"
#include "platform/CSyncObject.h"

class CChildProcessHost;
class CProgressDlg;
class CWinThread;

class CPipedProcessCtl {
public:
    // Stream numbers of the readers (those of GetStdHandle).
    enum { kStderr = -12, kStdout = -11 };

    // Starts the program at once (Start). With bShowProgress a hidden
    // progress window is created first; the caller shows it. The expected
    // total is the progress range's high end, given as two 32-bit halves.
    CPipedProcessCtl(LPCSTR pszName, int nKind, HICON hIcon, LPCSTR pszCommandLine,
                     LPCSTR pszWorkingDir, bool bShowProgress, DWORD dwTotalLow, DWORD dwTotalHigh);
    CPipedProcessCtl(const CPipedProcessCtl&) = delete;
    CPipedProcessCtl& operator=(const CPipedProcessCtl&) = delete;
    // Destroys the progress window, kills the process if it still runs and
    // joins every worker thread.
    virtual ~CPipedProcessCtl();

    // Ends the process if it runs (exit code 0xFFFFFFFF), releases readers
    // held by flow control, joins the worker threads and closes the pipes.
    // The readers first hand over what the child wrote before it ended, up
    // to 64 KB a pipe; the rest is dropped. Returns the exit code. The
    // exit-waiter still posts WM_UTILITY_ENDED.
    DWORD Kill(bool bLog);
    // Writes the whole buffer to the child's standard input; false when the
    // pipe is closed or fewer bytes were written.
    bool WriteStdin(const void* pData, DWORD nLength);
    // Copies nLength bytes between pBuffer and nAddress inside the child
    // (WriteProcessMemory with bWrite, else ReadProcessMemory); the bytes
    // transferred, 0 once the process has ended or when the range lies
    // beyond what this 32-bit process can address.
    SIZE_T TransferMemory(UINT64 nAddress, void* pBuffer, SIZE_T nLength, bool bWrite);
    // GUI thread, when the end has been handled: "%s%s%s ended; rc=%d", a
    // failure's note when the code is not 0. Nothing for a program that
    // could not start: its box has said so, and it never ran to end.
    void ReportEnd(DWORD dwExitCode);

    // Flow control for the host's reader-side wait: blocks until hResume is
    // signalled; false at once when the controller is being killed.
    bool WaitWhilePaused(HANDLE hResume);

    // Reader thread: applies a standard-error line to the progress of a
    // utility run; true when the line was a progress line (not shown).
    bool ApplyProgressLine(const char* pszLine);
    // Posts WM_UTILITY_STATUS unless one is outstanding.
    void NotifyView();
    // GUI thread, on WM_UTILITY_STATUS: moves the stored progress into the
    // progress window and clears the outstanding mark.
    void ShowProgress();
    void ClearNotifyPending();

    void WaitForReaderThreads();
    void Lock() { m_lock.Lock(); }
    void Unlock() { m_lock.Unlock(); }

    const CString& GetName() const { return m_strName; }
    int GetKind() const { return m_nKind; }
    DWORD GetProcessId() const { return m_dwProcessId; }
    const CString& GetPidText() const { return m_strPidText; }
    DWORD GetExitCode();
    CProgressDlg* GetProgressDlg() const { return m_pProgressDlg; }
    bool IsEmulator() const;

private:
    void Start();
    bool CreatePipes(CHandle& hChildIn, CHandle& hChildOut, CHandle& hChildErr);
    void StartFailed(DWORD dwError, const CString& strCommand);
    void StartThreads();
    CWinThread* BeginThread(UINT (*pfn)(LPVOID), int nPriority);
    void AddNote(const CString& strLine, bool bFailure = false);
    void PostToHost(UINT msg, WPARAM wp);
    void CloseHandles();
    void JoinThreads();
    void SetProgressTotal(INT64 nTotal);
    void SetProgressPosition(INT64 nPos);

    static UINT StderrThreadProc(LPVOID pThis);
    static UINT StdoutThreadProc(LPVOID pThis);
    static UINT ProcessWaitThreadProc(LPVOID pThis);
    UINT ReadPipeThread(int nStream);
    UINT ProcessWaitThread();
    void HandOver(int nStream, char* pBuffer, int& nLength);

    // Progress of a utility run (guarded by the lock; the GUI thread shows it).
    INT64 m_nRangeLow = 0;
    INT64 m_nRangeHigh = 0;
    INT64 m_nPos = 0;
    bool m_bRangeChanged = false;

    DWORD m_dwProcessId = 0;
    CString m_strPidText;
    CString m_strName;
    DWORD m_dwExitCode = 0;
    int m_nKind;
    HICON m_hIcon;                          // not owned
    CProgressDlg* m_pProgressDlg = nullptr; // deletes itself when destroyed
    CChildProcessHost* m_pHost;             // not owned
    CCriticalSection m_lock;
    CString m_strCommandLine;
    CString m_strWorkingDir;
    CHandle m_hStdinWrite;
    CHandle m_hStderrRead;
    CHandle m_hStdoutRead;
    CHandle m_hProcess;
    CWinThread* m_pStderrThread = nullptr;
    CWinThread* m_pStdoutThread = nullptr;
    CWinThread* m_pWaitThread = nullptr;
    bool m_bNotifyPending = false;
    // Set by the destructor: its owner no longer wants to hear of the end.
    bool m_bDestroying = false;
    // Set by Kill: releases readers held by the host's flow control.
    CEvent m_stopEvent{FALSE, TRUE};
    // Set by Kill when it ends the process: the readers hand over a bounded
    // rest of what the killed child left in its pipes and drop what lies
    // beyond, so that the kill takes no longer however much the pipes hold.
    // The output of a child that ended by itself is read to its end.
    std::atomic<bool> m_bKilled{false};
};
