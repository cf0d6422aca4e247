// SplashFactory.h: the splash screen's thread and its factory. The global
// g_SplashFactory starts a user-interface thread that makes the splash
// window and runs its message loop, so the splash keeps painting while the
// main thread builds the main window; Destroy closes it and waits for the
// thread. The factory's destructor closes a splash still up at exit, and a
// question or dialog at start closes it as it is activated.
#pragma once

#include "platform/CSyncObject.h"
#include "platform/CWinThread.h"

class CSplashWnd;

class CSplashThread : public CWinThread {
    DECLARE_DYNAMIC(CSplashThread)
public:
    explicit CSplashThread(const CRuntimeClass* pWndClass);
    ~CSplashThread() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    const CRuntimeClass* m_pWndClass;
    CEvent m_evCreated{FALSE, TRUE};  // set once the window exists or has failed
    volatile LONG m_bCreated = 0;
    CSplashWnd* m_pSplashWnd = nullptr;  // owned; used by the factory only while the thread runs
};

class CSplashFactory : public CWinThread {
    DECLARE_DYNAMIC(CSplashFactory)
public:
    CSplashFactory() { m_bAutoDelete = FALSE; }
    ~CSplashFactory() override;

    // Starts the splash thread for a window of pWndClass (a CSplashWnd) and
    // waits until the window exists or has failed; non-zero when it exists.
    virtual BOOL Create(const CRuntimeClass* pWndClass, int nPriority);
    // Starts the splash thread without waiting for its window, so that the
    // caller goes on with its work meanwhile; false when the thread could
    // not start. Create, split in two.
    BOOL Start(const CRuntimeClass* pWndClass, int nPriority);
    // Waits until the window of the splash started exists or has failed;
    // non-zero when it exists, 0 when none was started.
    BOOL WaitUntilCreated();
    // Closes the splash and waits for its thread; the focus stays where it
    // is (the splash never takes it). 1, or 0 when no splash is up.
    virtual BOOL Destroy();
    // The splash window once it exists (WaitUntilCreated), else null.
    HWND SplashWindow() const;
    // From now until the splash goes, the activation of any window of the
    // calling thread but the application's main window (a question or a
    // dialog at start) closes the splash first: nothing the program shows
    // for the user to answer is ever under it.
    void CloseOnOtherActivation();

private:
    static LRESULT CALLBACK ActivationHook(int nCode, WPARAM wp, LPARAM lp);

    CSplashThread* m_pSplashThread = nullptr;
    HHOOK m_hActivationHook = nullptr;  // on the thread that set it
};

extern CSplashFactory g_SplashFactory;
