// CHtmlHelpApp.h: the application base with an HTML Help file beside the
// program. HTML Help (hhctrl.ocx) is loaded on first use; without it the
// help calls do nothing and return null.
#pragma once

#include "platform/CWinApp.h"

class CHtmlHelpApp : public CWinApp {
    DECLARE_DYNAMIC(CHtmlHelpApp)
public:
    CHtmlHelpApp(LPCSTR pszAppName, LPCSTR pszHelpFileName);

    // Sets m_strHelpFilePath to the help file beside the program.
    BOOL InitInstance() override;
    // Calls HTML Help with the help file (HH_HELP_CONTEXT: dwData is a topic id).
    HWND HtmlHelp(DWORD_PTR dwData, UINT nCmd);
    // True once hhctrl.ocx is loaded.
    static bool IsHtmlHelpAvailable();

private:
    CString m_strHelpFileName;
};
