// CWinThread.h: a thread of the program. A worker thread runs one function;
// a user-interface thread runs InitInstance, then a message loop (Run) that
// gives each message to PreTranslateMessage first and calls OnIdle when the
// queue has become empty after a message that can have changed what the
// idle step shows (IsIdleMessage), then ExitInstance. Messages posted to the
// thread itself (no window) go to its message map (ON_THREAD_MESSAGE).
//
// The object owns the thread handle. With m_bAutoDelete (the default) the
// object deletes itself when the thread ends; an owner that joins the thread
// clears m_bAutoDelete, waits on m_hThread and deletes the object.
#pragma once

#include <windows.h>

#include "platform/CCmdTarget.h"

class CWnd;

typedef UINT (*AFX_THREADPROC)(LPVOID);

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread() = default;
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    CWinThread(const CWinThread&) = delete;
    CWinThread& operator=(const CWinThread&) = delete;
    ~CWinThread() override;

    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    CWnd* m_pMainWnd = nullptr;
    BOOL m_bAutoDelete = TRUE;

    // Starts the thread (suspended with CREATE_SUSPENDED).
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0);
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    BOOL SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }
    int GetThreadPriority() const { return ::GetThreadPriority(m_hThread); }
    BOOL PostThreadMessage(UINT msg, WPARAM wp, LPARAM lp) { return ::PostThreadMessageA(m_nThreadID, msg, wp, lp); }
    operator HANDLE() const { return m_hThread; }

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop; returns ExitInstance's code after WM_QUIT, or once
    // the main window it started with has gone.
    virtual int Run();
    // Idle-time work; lCount counts calls since the last idle message. True
    // asks for more.
    virtual BOOL OnIdle(LONG lCount);
    // True when the message can have changed what the idle step shows, so
    // that the step runs once the queue is empty. Not so: paints, caret
    // blinks (WM_SYSTIMER) and mouse moves, which windows answer themselves.
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // Offers a message to the windows from its target up to the top-level
    // window, then to the main window; true when one handled it.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual CWnd* GetMainWnd() { return m_pMainWnd; }
    // Whether the thread's main window stands (Run ends once it has gone).
    bool HasMainWindow();
    // Gets and dispatches one message (kept in m_msgCur); false on WM_QUIT.
    BOOL PumpMessage();
    // Dispatches one message already taken from the queue.
    void DispatchOne(MSG& msg);

protected:
    int m_nExitCode = 0;
    MSG m_msgCur = {};   // the message PumpMessage took last

private:
    static unsigned __stdcall ThreadEntry(void* pThis);
    AFX_THREADPROC m_pfnThreadProc = nullptr;
    LPVOID m_pThreadParams = nullptr;
};

// Starts a worker thread running pfn(pParam).
CWinThread* AfxBeginThread(AFX_THREADPROC pfn, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0);
// Starts a user-interface thread of a class declared DECLARE_DYNCREATE.
CWinThread* AfxBeginThread(const CRuntimeClass* pThreadClass, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0);
// The calling thread's object (the application on the main thread), or null.
CWinThread* AfxGetThread();
