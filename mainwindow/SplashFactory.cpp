// SplashFactory.cpp: starting and ending the splash screen's thread.
#include "mainwindow/SplashFactory.h"

#include "mainwindow/SplashWnd.h"
#include "platform/CWinApp.h"
#include "platform/Trace.h"

IMPLEMENT_DYNAMIC(CSplashThread, CWinThread)
IMPLEMENT_DYNAMIC(CSplashFactory, CWinThread)

CSplashFactory g_SplashFactory;

namespace {

// Waits for the handle while answering messages other threads send to this
// one: a thread that sends to our windows (the system's notices as the
// splash's windows come and go) would otherwise wait for us as we wait for it.
void WaitAnsweringSentMessages(HANDLE h)
{
    while (::MsgWaitForMultipleObjects(1, &h, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

CSplashThread::CSplashThread(const CRuntimeClass* pWndClass) : m_pWndClass(pWndClass)
{
    m_bAutoDelete = FALSE;
}

CSplashThread::~CSplashThread()
{
    delete m_pSplashWnd;
}

BOOL CSplashThread::InitInstance()
{
    CObject* pObject = m_pWndClass ? m_pWndClass->CreateObject() : nullptr;
    m_pSplashWnd = dynamic_cast<CSplashWnd*>(pObject);
    if (!m_pSplashWnd) {
        delete pObject;
        m_evCreated.SetEvent();
        return FALSE;
    }
    m_pMainWnd = m_pSplashWnd;
    if (m_pSplashWnd->Create()) {
        ::InterlockedExchange(&m_bCreated, 1);
        m_evCreated.SetEvent();
        return TRUE;
    }
    m_pMainWnd = nullptr;
    delete m_pSplashWnd;
    m_pSplashWnd = nullptr;
    m_evCreated.SetEvent();
    return FALSE;
}

int CSplashThread::ExitInstance()
{
    // The window is gone; its object goes with the thread that made it.
    m_pMainWnd = nullptr;
    delete m_pSplashWnd;
    m_pSplashWnd = nullptr;
    return CWinThread::ExitInstance();
}

CSplashFactory::~CSplashFactory()
{
    Destroy();
}

BOOL CSplashFactory::Create(const CRuntimeClass* pWndClass, int nPriority)
{
    if (!Start(pWndClass, nPriority))
        return FALSE;
    return WaitUntilCreated();
}

BOOL CSplashFactory::Start(const CRuntimeClass* pWndClass, int nPriority)
{
    if (m_pSplashThread)
        return TRUE;
    CSplashThread* pThread = new CSplashThread(pWndClass);
    if (!pThread->CreateThread(CREATE_SUSPENDED)) {
        delete pThread;
        return FALSE;
    }
    pThread->SetThreadPriority(nPriority);
    pThread->ResumeThread();
    m_pSplashThread = pThread;
    return TRUE;
}

BOOL CSplashFactory::WaitUntilCreated()
{
    CSplashThread* pThread = m_pSplashThread;
    if (!pThread)
        return FALSE;
    // The event stays set once the window exists or has failed: a second
    // wait returns at once.
    WaitAnsweringSentMessages(pThread->m_evCreated);
    if (!pThread->m_bCreated) {
        // The thread has ended (or is ending) without a window.
        WaitAnsweringSentMessages(pThread->m_hThread);
        delete pThread;
        m_pSplashThread = nullptr;
        return FALSE;
    }
    return TRUE;
}

HWND CSplashFactory::SplashWindow() const
{
    CSplashThread* pThread = m_pSplashThread;
    return pThread && pThread->m_bCreated && pThread->m_pSplashWnd ? pThread->m_pSplashWnd->m_hWnd : nullptr;
}

void CSplashFactory::CloseOnOtherActivation()
{
    if (m_hActivationHook)
        return;
    m_hActivationHook = ::SetWindowsHookExA(WH_CBT, ActivationHook, nullptr, ::GetCurrentThreadId());
    if (!m_hActivationHook)
        TRACE_FAILED_CALL("SetWindowsHookExA(WH_CBT, ActivationHook, nullptr, ::GetCurrentThreadId())");
}

// The splash is topmost: a window activated under it (a task dialog, a
// message box, a dialog) would stay covered for as long as the splash
// shows. The main window alone goes on under it.
LRESULT CALLBACK CSplashFactory::ActivationHook(int nCode, WPARAM wp, LPARAM lp)
{
    CWnd* pMain = AfxGetMainWnd();
    if (nCode == HCBT_ACTIVATE && (!pMain || (HWND)wp != pMain->m_hWnd))
        g_SplashFactory.Destroy();
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

BOOL CSplashFactory::Destroy()
{
    if (m_hActivationHook) {
        ::UnhookWindowsHookEx(m_hActivationHook);
        m_hActivationHook = nullptr;
    }
    // A splash still being made is awaited first: its window is not the
    // factory's to close before it exists.
    if (!WaitUntilCreated())
        return 0;
    // The splash never held the activation: the focus stays where the user
    // is (the command line, a bar, a question).
    CSplashThread* pThread = m_pSplashThread;
    CSplashWnd* pSplash = pThread->m_pSplashWnd;
    if (pSplash && pSplash->m_hWnd) {
        pSplash->m_bClosing = true;
        pSplash->PostMessage(WM_CLOSE);
    }
    WaitAnsweringSentMessages(pThread->m_hThread);
    delete pThread;
    m_pSplashThread = nullptr;
    return 1;
}
