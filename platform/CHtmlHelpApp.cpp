// CHtmlHelpApp.cpp: the help-file application base.
#include "platform/CHtmlHelpApp.h"

#include "platform/CWnd.h"

IMPLEMENT_DYNAMIC(CHtmlHelpApp, CWinApp)

namespace {

typedef HWND(WINAPI* HtmlHelpProc)(HWND, LPCSTR, UINT, DWORD_PTR);

// Loaded once and kept: the help window lives in this process.
HtmlHelpProc HtmlHelpEntry()
{
    static HtmlHelpProc s_pfn = [] {
        HMODULE h = ::LoadLibraryA("hhctrl.ocx");
        return h ? (HtmlHelpProc)(void*)::GetProcAddress(h, "HtmlHelpA") : nullptr;
    }();
    return s_pfn;
}

}  // namespace

CHtmlHelpApp::CHtmlHelpApp(LPCSTR pszAppName, LPCSTR pszHelpFileName)
    : CWinApp(pszAppName), m_strHelpFileName(pszHelpFileName)
{
}

BOOL CHtmlHelpApp::InitInstance()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString dir(path);
    m_strHelpFilePath = dir.Left(dir.ReverseFind('\\') + 1) + m_strHelpFileName;
    return CWinApp::InitInstance();
}

bool CHtmlHelpApp::IsHtmlHelpAvailable()
{
    return HtmlHelpEntry() != nullptr;
}

HWND CHtmlHelpApp::HtmlHelp(DWORD_PTR dwData, UINT nCmd)
{
    HtmlHelpProc pfn = HtmlHelpEntry();
    if (!pfn)
        return nullptr;
    CWnd* pMain = AfxGetMainWnd();
    return pfn(pMain ? pMain->m_hWnd : nullptr, m_strHelpFilePath, nCmd, dwData);
}
