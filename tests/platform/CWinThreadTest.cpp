// CWinThreadTest.cpp: a worker thread that posts WM_APP messages to a window
// and is joined when the window closes; a user-interface thread with a
// thread message map; locks; the wait that keeps messages flowing.
#include <gtest/gtest.h>

#include "platform/Afx.h"
#include "platform/CSyncObject.h"

namespace {

const UINT WM_PROGRESS = WM_APP + 1;
const UINT WM_WORK = WM_APP + 2;

struct WorkerArgs {
    HWND hWnd;
    HANDLE hStop;
};

UINT PostingWorker(LPVOID p)
{
    WorkerArgs* args = (WorkerArgs*)p;
    UINT posted = 0;
    while (::WaitForSingleObject(args->hStop, 1) == WAIT_TIMEOUT) {
        if (::PostMessageA(args->hWnd, WM_PROGRESS, posted, 0))
            posted++;
    }
    return posted;
}

// A window fed by a worker; closing it stops and joins the worker first.
class CProgressWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CEvent m_stop{FALSE, TRUE};
    CEvent m_enough{FALSE, TRUE};
    WorkerArgs m_args = {};
    CWinThread* m_pWorker = nullptr;
    UINT m_nReceived = 0;
    DWORD m_dwWorkerExit = 0;
    bool m_bInOrder = true;

    void StartWorker()
    {
        m_args = {m_hWnd, m_stop};
        m_pWorker = AfxBeginThread(PostingWorker, &m_args, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        m_pWorker->m_bAutoDelete = FALSE;
        m_pWorker->ResumeThread();
    }

protected:
    LRESULT OnProgress(WPARAM wp, LPARAM)
    {
        if (wp != m_nReceived)
            m_bInOrder = false;
        if (++m_nReceived == 20)
            m_enough.SetEvent();
        return 0;
    }
    void OnClose()
    {
        m_stop.SetEvent();
        WaitDispatchingMessages(m_pWorker->m_hThread, 5000);
        ::GetExitCodeThread(m_pWorker->m_hThread, &m_dwWorkerExit);
        delete m_pWorker;
        m_pWorker = nullptr;
        DestroyWindow();
    }
};

BEGIN_MESSAGE_MAP(CProgressWnd, CWnd)
    ON_MESSAGE(WM_PROGRESS, OnProgress)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

class CWorkThread : public CWinThread {
    DECLARE_DYNCREATE(CWorkThread)
    DECLARE_MESSAGE_MAP()
public:
    static LONG s_nWork;
    static HANDLE s_hDone;
    BOOL InitInstance() override { return TRUE; }
    int ExitInstance() override { return 7; }

protected:
    void OnWork(WPARAM wp, LPARAM)
    {
        ::InterlockedExchangeAdd(&s_nWork, (LONG)wp);
        ::SetEvent(s_hDone);
    }
};
LONG CWorkThread::s_nWork = 0;
HANDLE CWorkThread::s_hDone = nullptr;
IMPLEMENT_DYNCREATE(CWorkThread, CWinThread)

BEGIN_MESSAGE_MAP(CWorkThread, CWinThread)
    ON_THREAD_MESSAGE(WM_WORK, OnWork)
END_MESSAGE_MAP()

struct CounterArgs {
    CCriticalSection* pLock;
    int* pCounter;
};

UINT CountingWorker(LPVOID p)
{
    CounterArgs* args = (CounterArgs*)p;
    for (int i = 0; i < 20000; i++) {
        CSingleLock lock(args->pLock, TRUE);
        int v = *args->pCounter;
        *args->pCounter = v + 1;
    }
    return 0;
}

}  // namespace

TEST(CWinThread, WorkerPostsToWindowAndIsJoinedOnClose)
{
    CProgressWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "progress", WS_POPUP, CRect(0, 0, 50, 50), nullptr, 0));
    wnd.StartWorker();
    EXPECT_EQ(WaitDispatchingMessages(wnd.m_enough, 10000), WAIT_OBJECT_0);
    wnd.SendMessage(WM_CLOSE);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.m_pWorker, nullptr);
    EXPECT_GE(wnd.m_nReceived, 20u);
    EXPECT_GE(wnd.m_dwWorkerExit, wnd.m_nReceived);  // the rest died with the window
    EXPECT_TRUE(wnd.m_bInOrder);
}

TEST(CWinThread, UserInterfaceThreadDispatchesThreadMessages)
{
    CWorkThread::s_nWork = 0;
    CWorkThread::s_hDone = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    CWinThread* p = AfxBeginThread(RUNTIME_CLASS(CWorkThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(p, nullptr);
    p->m_bAutoDelete = FALSE;
    p->ResumeThread();
    // The thread's queue exists once its loop has started.
    while (!p->PostThreadMessage(WM_WORK, 5, 0))
        ::Sleep(5);
    EXPECT_EQ(::WaitForSingleObject(CWorkThread::s_hDone, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(CWorkThread::s_nWork, 5);
    p->PostThreadMessage(WM_QUIT, 0, 0);
    EXPECT_EQ(::WaitForSingleObject(p->m_hThread, 5000), WAIT_OBJECT_0);
    DWORD code = 0;
    ::GetExitCodeThread(p->m_hThread, &code);
    EXPECT_EQ(code, 7u);
    delete p;
    ::CloseHandle(CWorkThread::s_hDone);
}

TEST(CWinThread, SingleLockSerialisesTwoThreads)
{
    CCriticalSection lock;
    int counter = 0;
    CounterArgs args = {&lock, &counter};
    CWinThread* t1 = AfxBeginThread(CountingWorker, &args, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    CWinThread* t2 = AfxBeginThread(CountingWorker, &args, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    t1->m_bAutoDelete = t2->m_bAutoDelete = FALSE;
    t1->ResumeThread();
    t2->ResumeThread();
    HANDLE both[2] = {t1->m_hThread, t2->m_hThread};
    EXPECT_EQ(::WaitForMultipleObjects(2, both, TRUE, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(counter, 40000);
    delete t1;
    delete t2;
}

TEST(WaitDispatchingMessages, TimesOutWhileMessagesFlowAndStopsAtQuit)
{
    CProgressWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "w", WS_POPUP, CRect(0, 0, 5, 5), nullptr, 0));
    CEvent never;
    wnd.PostMessage(WM_PROGRESS, 0, 0);
    EXPECT_EQ(WaitDispatchingMessages(never, 50), (DWORD)WAIT_TIMEOUT);
    EXPECT_EQ(wnd.m_nReceived, 1u);
    ::PostQuitMessage(9);
    EXPECT_EQ(WaitDispatchingMessages(never, 1000), (DWORD)-1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // posted again
    EXPECT_EQ(msg.wParam, 9u);
    CEvent set(TRUE, TRUE);
    EXPECT_EQ(WaitDispatchingMessages(set, 0), WAIT_OBJECT_0);
    wnd.DestroyWindow();
}
