// CWinApp.h: the application object: one global instance per program, made
// by the program's own class. The framework's WinMain (AfxWinMain.cpp) calls
// its InitInstance, then Run (the main thread's message loop), and returns
// what ExitInstance returns. At idle time it asks the main window's update
// handlers for the state of its bars (WM_IDLEUPDATECMDUI).
#pragma once

#include <windows.h>

#include "platform/AfxResource.h"
#include "platform/CString.h"
#include "platform/CWinThread.h"

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCSTR pszAppName = nullptr);
    ~CWinApp() override;

    CString m_strAppName;         // the application's name (captions, settings)
    CString m_strExeName;         // the program file's name without extension
    CString m_strProfileName;     // the .INI file or the registry application name
    CString m_strRegistryKey;     // the company key; empty while the .INI file is used
    CString m_strHelpFilePath;
    HINSTANCE m_hInstance = nullptr;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    BOOL InitInstance() override;
    BOOL OnIdle(LONG lCount) override;

    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCSTR pszIconName) const { return ::LoadIconA(nullptr, pszIconName); }
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCSTR pszCursorName) const { return ::LoadCursorA(nullptr, pszCursorName); }

};

// The program's application object, or null before it is constructed.
CWinApp* AfxGetApp();
// The main window of the calling thread (the application's on the main thread).
CWnd* AfxGetMainWnd();
// The entry point behind WinMain.
int AfxWinMain(HINSTANCE hInstance, LPSTR lpCmdLine, int nCmdShow);
