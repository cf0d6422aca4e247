// CSyncObject.cpp: the wait that keeps messages flowing.
#include "platform/CSyncObject.h"

#include "platform/CModalLoop.h"
#include "platform/CWinThread.h"
#include "platform/CWnd.h"

DWORD WaitDispatchingMessages(HANDLE hObject, DWORD dwTimeout)
{
    // Its caller goes on after it: a close waits for its end.
    CNestedLoopScope loop;
    DWORD start = ::GetTickCount();
    for (;;) {
        DWORD left = INFINITE;
        if (dwTimeout != INFINITE) {
            DWORD spent = ::GetTickCount() - start;
            left = spent >= dwTimeout ? 0 : dwTimeout - spent;
        }
        DWORD r = ::MsgWaitForMultipleObjects(1, &hObject, FALSE, left, QS_ALLINPUT);
        if (r != WAIT_OBJECT_0 + 1)
            return r;  // signalled, timed out or failed
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage((int)msg.wParam);
                return (DWORD)-1;
            }
            CWinThread* pThread = AfxGetThread();
            if (pThread) {
                pThread->DispatchOne(msg);
            } else if (!CWnd::WalkPreTranslateTree(&msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        // A signal that came while messages ran is seen before waiting again.
        if (::WaitForSingleObject(hObject, 0) == WAIT_OBJECT_0)
            return WAIT_OBJECT_0;
    }
}
