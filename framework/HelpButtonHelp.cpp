// HelpButtonHelp.cpp: balloons, HTML Help and the help window's z-order.
#include "framework/HelpButtonHelp.h"

#include "platform/CModalLoop.h"
#include "platform/CWinApp.h"
#include "platform/CentreOnOwner.h"
#include "platform/ErrorBalloon.h"
#include "platform/TextFunctions.h"
#include "platform/Trace.h"

namespace {

const UINT kIdsHelpLaunchFailed = 0xF107;

typedef HWND(WINAPI* HtmlHelpFn)(HWND, LPCSTR, UINT, DWORD_PTR);

HtmlHelpFn HtmlHelpEntry()
{
    static HtmlHelpFn s_pfn = nullptr;
    static bool s_bTried = false;
    if (s_bTried)
        return s_pfn;
    s_bTried = true;
    char szDir[MAX_PATH];
    UINT n = ::GetSystemDirectoryA(szDir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return nullptr;
    CString strPath = CString(szDir) + "\\hhctrl.ocx";
    HMODULE h = ::LoadLibraryExA(strPath, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!h) {
        TRACE_FAILED_CALL("LoadLibraryEx(hhctrl.ocx)");
        return nullptr;
    }
    s_pfn = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void (*)()>(::GetProcAddress(h, "HtmlHelpA")));
    return s_pfn;
}

}  // namespace

CString LoadHelpText(UINT nId, const char* pszFallback)
{
    CString str;
    if (!str.LoadString(nId) || str.IsEmpty())
        str = pszFallback;
    return str;
}

bool ShowHelpBalloon(HWND hWnd, const BalloonSpec& spec, POINT ptMouse)
{
    if (!spec.bShow)
        return false;
    int nIcon = spec.nIcon == 3 ? kBalloonIconWarning : kBalloonIconInfo;
    return BalloonAt(hWnd, ptMouse, spec.strTitle, spec.strBody, nIcon);
}

HWND CallHtmlHelp(HWND hCaller, UINT nCommand, DWORD_PTR dwData)
{
    HtmlHelpFn pfn = HtmlHelpEntry();
    CWinApp* pApp = AfxGetApp();
    if (!pfn || !pApp || pApp->m_strHelpFilePath.IsEmpty())
        return nullptr;
    return pfn(hCaller, pApp->m_strHelpFilePath, nCommand, dwData);
}

void RaiseHelpWindowOver(HWND hHelp, HWND hOwner)
{
    if (!hHelp || !hOwner)
        return;
    if (::GetWindow(hHelp, GW_OWNER)) {
        ::SetWindowLongPtrA(hHelp, GWLP_HWNDPARENT, 0);
        return;
    }
    // Owned for a moment, so that it comes in front of its owner; then free.
    ::SetWindowLongPtrA(hHelp, GWLP_HWNDPARENT, (LONG_PTR)hOwner);
    ::SetWindowPos(hHelp, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    ::SetWindowLongPtrA(hHelp, GWLP_HWNDPARENT, 0);
}

void ShowHelpUnavailableMessage(HWND hWnd)
{
    CString strText = LoadHelpText(kIdsHelpLaunchFailed, "Unable to open the help file.");
    CWinApp* pApp = AfxGetApp();
    if (pApp && !pApp->m_strHelpFilePath.IsEmpty())
        strText += "\n\n" + pApp->m_strHelpFilePath;
    COwnerChainLock lock(hWnd, false);
    CCentreOnOwner centre(hWnd);
    ::MessageBoxA(hWnd, BoundShownText(strText), nullptr, MB_OK | MB_ICONEXCLAMATION);
}
