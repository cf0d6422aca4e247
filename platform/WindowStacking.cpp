// WindowStacking.cpp: CWindowStackingKeeper.
#include "platform/WindowStacking.h"

#include <algorithm>
#include <cstring>

#include "platform/CString.h"
#include "platform/WindowHelpers.h"

namespace {

thread_local CWindowStackingKeeper* t_pKeeper = nullptr;

// Wine's own system library exports its version; Windows' does not.
bool RunningUnderWine()
{
    static const bool bWine = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return bWine;
}

// A text value of HKEY_CURRENT_USER\pszKey, empty when there is none.
CString ReadUserText(const CString& strKey, LPCSTR pszName)
{
    char sz[64] = {};
    DWORD cb = sizeof sz - 1;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return CString();
    DWORD dwType = 0;
    if (::RegQueryValueExA(hKey, pszName, nullptr, &dwType, (BYTE*)sz, &cb) != ERROR_SUCCESS || dwType != REG_SZ)
        sz[0] = '\0';
    ::RegCloseKey(hKey);
    return CString(sz);
}

// Wine's X11 driver reads its settings from the program's own key first.
CString ReadWineSetting(LPCSTR pszSubkey, LPCSTR pszName)
{
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    const char* pszExe = std::max(std::strrchr(szPath, '\\'), std::strrchr(szPath, '/'));
    CString strApp = ReadUserText(CString("Software\\Wine\\AppDefaults\\") + (pszExe ? pszExe + 1 : szPath) + "\\" +
                                      pszSubkey,
                                  pszName);
    return strApp.IsEmpty() ? ReadUserText(CString("Software\\Wine\\") + pszSubkey, pszName) : strApp;
}

bool IsTopmost(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

const UINT kRaiseFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
// A window shown is mapped on the X display a few milliseconds later; the
// second raise waits well beyond that (and for the focus to settle).
const UINT kSettleMs = 300;

BOOL CALLBACK CollectVisible(HWND h, LPARAM lp)
{
    if (::IsWindowVisible(h))
        ((std::vector<HWND>*)lp)->push_back(h);
    return TRUE;
}

// Appends to pOrder, bottom first, the windows of plain that hOwner owns and
// the ones they own, each right after its owner, in the order Windows keeps
// them: an owned window above its owner and above the windows that owner
// owns before it, the branch toward hFocusRoot (the window the user works
// in) above its siblings, the others among themselves as they lie now.
void AppendOwnedBottomFirst(HWND hOwner, HWND hFocusRoot, const std::vector<HWND>& plain,
                            std::vector<HWND>* pOrder)
{
    std::vector<HWND> owned;  // bottom first
    HWND hBranch = nullptr;
    for (auto it = plain.rbegin(); it != plain.rend(); ++it) {
        if (::GetWindow(*it, GW_OWNER) != hOwner)
            continue;
        if (*it == hFocusRoot || WindowIsOwnedBy(hFocusRoot, *it))
            hBranch = *it;
        else
            owned.push_back(*it);
    }
    if (hBranch)
        owned.push_back(hBranch);
    for (HWND h : owned) {
        pOrder->push_back(h);
        AppendOwnedBottomFirst(h, hFocusRoot, plain, pOrder);
    }
}

}  // namespace

bool CWindowStackingKeeper::DisplayNeedsKeeping()
{
    if (!RunningUnderWine())
        return false;
    // A desktop of Wine's own (explorer /desktop=..., or the one chosen for
    // the default desktop) holds the program's windows unmanaged.
    char szDesktop[64] = {};
    ::GetUserObjectInformationA(::GetThreadDesktop(::GetCurrentThreadId()), UOI_NAME, szDesktop,
                                sizeof szDesktop - 1, nullptr);
    if (lstrcmpiA(szDesktop, "Default") != 0 || !ReadWineSetting("Explorer", "Desktop").IsEmpty())
        return true;
    // Wine's boolean settings are true when they start with y, t or 1.
    CString strManaged = ReadWineSetting("X11 Driver", "Managed");
    return !strManaged.IsEmpty() && !std::strchr("yYtT1", strManaged[0]);
}

CWindowStackingKeeper::CWindowStackingKeeper()
{
    if (t_pKeeper || !DisplayNeedsKeeping())
        return;
    m_hHook = ::SetWindowsHookExA(WH_CBT, CbtHook, nullptr, ::GetCurrentThreadId());
    if (m_hHook)
        t_pKeeper = this;
}

CWindowStackingKeeper::~CWindowStackingKeeper()
{
    if (t_pKeeper != this)
        return;
    if (m_hHook)
        ::UnhookWindowsHookEx(m_hHook);
    for (UINT_PTR nTimer : {m_nQuickTimer, m_nSettleTimer})
        if (nTimer)
            ::KillTimer(nullptr, nTimer);
    t_pKeeper = nullptr;
}

void CWindowStackingKeeper::Hold(bool bHold)
{
    if (t_pKeeper != this || bHold == (m_hHook == nullptr))
        return;
    if (bHold) {
        ::UnhookWindowsHookEx(m_hHook);
        m_hHook = nullptr;
    } else {
        m_hHook = ::SetWindowsHookExA(WH_CBT, CbtHook, nullptr, ::GetCurrentThreadId());
    }
}

void CWindowStackingKeeper::KeepOnTop(HWND hWnd)
{
    if (t_pKeeper == this && hWnd && std::find(m_otherThreads.begin(), m_otherThreads.end(), hWnd) == m_otherThreads.end())
        m_otherThreads.push_back(hWnd);
}

void CWindowStackingKeeper::ArmRaises()
{
    if (!m_nQuickTimer)
        m_nQuickTimer = ::SetTimer(nullptr, 0, 0, RaiseTimerProc);
    // A new change starts the wait for the display again: setting a thread
    // timer by the id of one still running replaces it, one call to the
    // system where killing and making another would be two.
    m_nSettleTimer = ::SetTimer(nullptr, m_nSettleTimer, kSettleMs, RaiseTimerProc);
}

void CWindowStackingKeeper::WindowShown(HWND hWnd)
{
    CWindowStackingKeeper* p = t_pKeeper;
    if (p && p->m_hHook && !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        p->ArmRaises();
}

LRESULT CALLBACK CWindowStackingKeeper::CbtHook(int nCode, WPARAM wp, LPARAM lp)
{
    CWindowStackingKeeper* p = t_pKeeper;
    // The raise that Wine makes comes with the change itself: the windows
    // above are raised again once the message that changed the focus has
    // been handled (the handler may show a balloon after it).
    if (p && (nCode == HCBT_SETFOCUS || nCode == HCBT_ACTIVATE))
        p->ArmRaises();
    return ::CallNextHookEx(p ? p->m_hHook : nullptr, nCode, wp, lp);
}

void CALLBACK CWindowStackingKeeper::RaiseTimerProc(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    CWindowStackingKeeper* p = t_pKeeper;
    if (!p)
        return;
    if (p->m_nQuickTimer == nTimer)
        p->m_nQuickTimer = 0;
    if (p->m_nSettleTimer == nTimer)
        p->m_nSettleTimer = 0;
    // The window the user works in: the one with the focus, or the active
    // one when no window has it (its focused control went).
    HWND hFocus = ::GetFocus();
    HWND hFocusRoot = hFocus ? ::GetAncestor(hFocus, GA_ROOT) : ::GetActiveWindow();
    if (hFocusRoot)
        p->RaiseOwnedWindows(hFocusRoot);
}

void CWindowStackingKeeper::RaiseOwnedWindows(HWND hFocusRoot)
{
    // Only the program's own windows: this thread's (in the Windows order,
    // one call to the system) and the topmost ones of its other threads.
    std::vector<HWND> visible, plain, topmost;
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectVisible, (LPARAM)&visible);
    for (HWND h : visible)
        (IsTopmost(h) ? topmost : plain).push_back(h);
    m_otherThreads.erase(std::remove_if(m_otherThreads.begin(), m_otherThreads.end(),
                                        [](HWND h) { return !::IsWindow(h); }),
                         m_otherThreads.end());
    for (HWND h : m_otherThreads)
        if (::IsWindowVisible(h))
            topmost.push_back(h);
    // The whole family of the window the user works in: the top-level
    // window that owns it all stays where it is, and every window it owns
    // goes above it, also those that Wine let fall below it in the Windows
    // order itself (after a dialog or box, all of them were left under the
    // main window that Wine had raised when the focus came back to it).
    // GetAncestor's root owner follows only owners with the popup style.
    HWND hBase = hFocusRoot;
    while (HWND hOwner = ::GetWindow(hBase, GW_OWNER))
        hBase = hOwner;
    std::vector<HWND> owned;  // bottom first
    AppendOwnedBottomFirst(hBase, hFocusRoot, plain, &owned);
    // Wine keeps the windows a window owns above it, so a window that owns
    // a visible one (the outer dialog of a chain of modal ones, a dialog
    // with a field's balloon) never becomes the first window and is never
    // raised on the display: it stays where its own focus raised it. The
    // windows below it stay too (raised, the floating bars covered the
    // outer dialog until the inner one closed, and a dialog's corner after
    // its balloon); only the windows above it go up.
    auto itLastOwner = std::find_if(owned.rbegin(), owned.rend(), [&visible](HWND h) {
        return std::any_of(visible.begin(), visible.end(), [h](HWND v) { return ::GetWindow(v, GW_OWNER) == h; });
    });
    owned.erase(owned.begin(), itLastOwner.base());
    if (owned.empty() && topmost.empty())
        return;
    // Wine raises a window on the display only when it becomes the very
    // first visible window of the Windows order. The topmost windows stand
    // aside for a moment (at the bottom, where Wine moves nothing on the
    // display); the plain ones then go to the top of the plain windows,
    // where each is first, and the topmost ones come back first, bottom
    // first each time. A plain window is never made topmost on the way:
    // Wine cannot make a window plain again that is topmost right above
    // its owner, and it would stay over every other program.
    auto move = [](HWND h, HWND hAfter) {
        UINT nFlags = kRaiseFlags;
        // Another thread's window moves on its own thread; this one waits
        // for nobody.
        if (::GetWindowThreadProcessId(h, nullptr) != ::GetCurrentThreadId())
            nFlags |= SWP_ASYNCWINDOWPOS;
        ::SetWindowPos(h, hAfter, 0, 0, 0, 0, nFlags);
    };
    for (auto it = topmost.rbegin(); it != topmost.rend(); ++it)
        move(*it, HWND_BOTTOM);
    for (HWND h : owned)
        move(h, HWND_TOP);
    for (auto it = topmost.rbegin(); it != topmost.rend(); ++it)
        move(*it, HWND_TOPMOST);
}
