// CModalLoop.cpp: the modal message loop and the owner's disabling.
#include "platform/CModalLoop.h"

#include "platform/CWinThread.h"
#include "platform/CWnd.h"

CModalLoop::CModalLoop(HWND hOwner)
    : m_hOwner(hOwner), m_bOwnerDisabled(hOwner && ::IsWindowEnabled(hOwner))
{
    if (m_bOwnerDisabled)
        ::EnableWindow(m_hOwner, FALSE);
}

CModalLoop::~CModalLoop()
{
    if (m_bOwnerDisabled)
        ::EnableWindow(m_hOwner, TRUE);
}

bool CModalLoop::Run(const std::function<bool()>& bEnded)
{
    while (!bEnded()) {
        MSG msg;
        if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage((int)msg.wParam);
            return false;
        }
        CWinThread* pThread = AfxGetThread();
        BOOL bDone = pThread ? pThread->PreTranslateMessage(&msg) : CWnd::WalkPreTranslateTree(&msg);
        if (!bDone) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return true;
}

void CModalLoop::Finish(HWND hModal)
{
    if (m_bOwnerDisabled)
        ::EnableWindow(m_hOwner, TRUE);
    m_bOwnerDisabled = false;
    if (m_hOwner && ::GetActiveWindow() == hModal)
        ::SetActiveWindow(m_hOwner);
}
