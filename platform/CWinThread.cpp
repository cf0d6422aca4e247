// CWinThread.cpp: threads and the message loop.
#include "platform/CWinThread.h"

#include <process.h>

#include "platform/AfxThreadState.h"
#include "platform/CWnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam)
{
}

CWinThread::~CWinThread()
{
    if (m_hThread)
        ::CloseHandle(m_hThread);
}

CWinThread* AfxGetThread()
{
    return AfxGetThreadState().pThread;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize)
{
    unsigned id = 0;
    m_hThread = (HANDLE)::_beginthreadex(nullptr, nStackSize, ThreadEntry, this,
                                         CREATE_SUSPENDED, &id);
    if (!m_hThread)
        return FALSE;
    m_nThreadID = id;
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        ::ResumeThread(m_hThread);
    return TRUE;
}

unsigned __stdcall CWinThread::ThreadEntry(void* pThis)
{
    CWinThread* p = (CWinThread*)pThis;
    AfxGetThreadState().pThread = p;
    int code;
    if (p->m_pfnThreadProc)
        code = (int)p->m_pfnThreadProc(p->m_pThreadParams);
    else if (p->InitInstance())
        code = p->Run();
    else
        code = p->ExitInstance();
    AfxDeleteTempObjects();
    AfxGetThreadState().pThread = nullptr;
    if (p->m_bAutoDelete)
        delete p;
    return (unsigned)code;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return m_nExitCode;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount == 0)
        AfxDeleteTempObjects();
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    const UINT WM_SYSTIMER = 0x0118;  // the caret's blink
    UINT m = pMsg->message;
    return m != WM_PAINT && m != WM_SYSTIMER && m != WM_MOUSEMOVE && m != WM_NCMOUSEMOVE;
}

BOOL CWinThread::PumpMessage()
{
    BOOL r = ::GetMessageA(&m_msgCur, nullptr, 0, 0);
    if (r == 0 || r == -1) {
        m_nExitCode = r == 0 ? (int)m_msgCur.wParam : -1;
        return FALSE;
    }
    MSG msg = m_msgCur;
    DispatchOne(msg);
    return TRUE;
}

void CWinThread::DispatchOne(MSG& msg)
{
    if (!msg.hwnd) {
        LRESULT r = 0;
        if (OnWndMsg(msg.message, msg.wParam, msg.lParam, &r))
            return;
    }
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Under Wine an idle step that asks every bar's update handlers costs many
// server calls: it runs once the queue is empty after a message that can
// have changed their answers, not after every paint, caret blink or mouse
// move, which arrive many times a second.
int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdle = 0;
    bool bMainWnd = HasMainWindow();
    for (;;) {
        MSG msg;
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdle++))
                bIdle = FALSE;
        }
        // The quit posted as the main window went is dropped by a loop of the
        // system's that takes it (a menu's, a window's move): the thread ends
        // with its main window all the same.
        if (bMainWnd && !HasMainWindow() && !::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
            ::PostQuitMessage(0);
        if (!PumpMessage())
            return ExitInstance();
        if (IsIdleMessage(&m_msgCur)) {
            bIdle = TRUE;
            lIdle = 0;
        }
    }
}

bool CWinThread::HasMainWindow()
{
    CWnd* pMain = GetMainWnd();
    return pMain && pMain->m_hWnd;
}

namespace {

// Shift+F10 pressed, or the menu key released, without Alt.
bool IsContextMenuKey(const MSG& msg)
{
    if (HIWORD(msg.lParam) & KF_ALTDOWN)
        return false;
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F10)
        return ::GetKeyState(VK_SHIFT) < 0;
    return msg.message == WM_KEYUP && msg.wParam == VK_APPS;
}

}  // namespace

// The keyboard's context menu keys become WM_CONTEXTMENU at (-1, -1) for the
// window with the focus, as Windows' default window procedure makes them:
// Wine's makes none of the menu key, and its tree view keeps Shift+F10 from
// it. Taken here, before any dialog manager, so that no window sees them
// twice.
BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd && IsContextMenuKey(*pMsg)) {
        ::SendMessageA(pMsg->hwnd, WM_CONTEXTMENU, (WPARAM)pMsg->hwnd, MAKELPARAM(-1, -1));
        return TRUE;
    }
    if (CWnd::WalkPreTranslateTree(pMsg))
        return TRUE;
    // The main window sees what its modeless children left, for its
    // accelerators. The top-level window is found through the parents'
    // styles: GetAncestor asks the server under Wine, on every message.
    CWnd* pMain = GetMainWnd();
    HWND hTop = pMsg->hwnd;
    while (hTop && (::GetWindowLongA(hTop, GWL_STYLE) & WS_CHILD))
        hTop = ::GetParent(hTop);
    if (pMain && pMain->m_hWnd && hTop && hTop != pMain->m_hWnd &&
        ::GetAncestor(hTop, GA_ROOTOWNER) == pMain->m_hWnd)
        return pMain->PreTranslateMessage(pMsg);
    return FALSE;
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfn, LPVOID pParam, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags)
{
    CWinThread* p = new CWinThread(pfn, pParam);
    if (!p->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize)) {
        delete p;
        return nullptr;
    }
    p->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        p->ResumeThread();
    return p;
}

CWinThread* AfxBeginThread(const CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags)
{
    CObject* pObject = pThreadClass->CreateObject();
    CWinThread* p = DYNAMIC_DOWNCAST(CWinThread, pObject);
    if (!p) {
        delete pObject;
        return nullptr;
    }
    if (!p->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize)) {
        delete p;
        return nullptr;
    }
    p->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        p->ResumeThread();
    return p;
}
