// StalePixels.cpp: a window's pixels against the same window freshly
// painted, after a resize and at every message.
#include "tests/support/StalePixels.h"

#include <algorithm>
#include <map>
#include <vector>

#include "platform/OneStepPaint.h"
#include "tests/support/DcPixels.h"
#include "tests/support/PumpMessages.h"

namespace vorntest {

namespace {

std::vector<WholePaintWatch*> g_watches;
HHOOK g_hHooks[3];
bool g_bChecking = false;  // the watches' own messages are not checked

// The innermost visible window at a screen point, from hTop down.
HWND WindowAt(HWND hTop, POINT ptScreen)
{
    for (HWND h = hTop;;) {
        POINT pt = ptScreen;
        ::ScreenToClient(h, &pt);
        HWND hChild = ::ChildWindowFromPointEx(h, pt, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!hChild || hChild == h)
            return h;
        h = hChild;
    }
}

}  // namespace

std::string StalePixelsNow(HWND hWnd, const RECT& rc)
{
    HWND hTop = ::GetAncestor(hWnd, GA_ROOT);
    std::vector<DWORD> shown = WindowColours(hTop, rc);
    ::RedrawWindow(hTop, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    std::vector<DWORD> fresh = WindowColours(hTop, rc);
    std::map<HWND, int> stale;
    int cx = rc.right - rc.left;
    for (size_t i = 0; i < shown.size(); ++i)
        if (shown[i] != fresh[i])
            ++stale[WindowAt(hTop, POINT{rc.left + (LONG)(i % cx), rc.top + (LONG)(i / cx)})];
    std::string str;
    for (const auto& [h, n] : stale) {
        char szClass[64] = "", szText[64] = "", sz[256];
        ::GetClassNameA(h, szClass, sizeof szClass);
        ::GetWindowTextA(h, szText, sizeof szText);
        wsprintfA(sz, "%s\"%s\" (%s, id %d): %d stale pixels", str.empty() ? "" : "; ", szText, szClass,
                  ::GetDlgCtrlID(h), n);
        str += sz;
    }
    return str;
}

std::string StalePixelsIn(HWND hWnd, const RECT& rc)
{
    PumpMessages();
    return StalePixelsNow(hWnd, rc);
}

WholePaintWatch::WholePaintWatch(HWND hWnd, std::function<bool()> isWhole)
    : m_hWnd(hWnd), m_isWhole(std::move(isWhole)), m_whole(Shown())
{
    const DWORD dwThread = ::GetCurrentThreadId();
    if (g_watches.empty()) {
        g_hHooks[0] = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook<0>, nullptr, dwThread);
        g_hHooks[1] = ::SetWindowsHookExA(WH_CALLWNDPROCRET, Hook<1>, nullptr, dwThread);
        g_hHooks[2] = ::SetWindowsHookExA(WH_GETMESSAGE, Hook<2>, nullptr, dwThread);
    }
    g_watches.push_back(this);
}

WholePaintWatch::~WholePaintWatch()
{
    g_watches.erase(std::find(g_watches.begin(), g_watches.end(), this));
    if (g_watches.empty())
        for (HHOOK h : g_hHooks)
            ::UnhookWindowsHookEx(h);
}

// Before a message is sent, after it was handled, as one is taken.
template <int kWhen>
LRESULT CALLBACK WholePaintWatch::Hook(int nCode, WPARAM wp, LPARAM lp)
{
    static const char* const kWhens[] = {"before", "after", "taking"};
    if (nCode == HC_ACTION && (kWhen != 2 || wp == PM_REMOVE) && !g_bChecking) {
        const UINT msg = kWhen == 0 ? ((const CWPSTRUCT*)lp)->message
                         : kWhen == 1 ? ((const CWPRETSTRUCT*)lp)->message : ((const MSG*)lp)->message;
        g_bChecking = true;
        for (WholePaintWatch* p : g_watches)
            p->Check(kWhens[kWhen], msg);
        g_bChecking = false;
    }
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

void WholePaintWatch::Check(const char* pszWhen, UINT msg)
{
    if (!::IsWindowVisible(m_hWnd))
        return;
    std::vector<DWORD> shown = Shown();
    if (shown == m_whole)
        return;
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    std::vector<DWORD> fresh =
        DrawnPixels(rc.right, rc.bottom, [this](HDC hdc) { PrintWithChildrenInto(m_hWnd, hdc); }, 0xFFFFFF);
    // A new size counts as whole once painted so.
    if (shown == fresh && (shown.size() != m_whole.size() || !m_isWhole || m_isWhole())) {
        m_nChanges += shown.size() == m_whole.size();
        m_whole = std::move(fresh);
        return;
    }
    if (shown.size() != m_whole.size() || ++m_nFaults > 3)
        return;
    char sz[160];
    wsprintfA(sz, "%s%s message 0x%04X: %u pixels unlike the last whole picture, %u unlike a fresh paint",
              m_strFaults.empty() ? "" : "; ", pszWhen, msg, (unsigned)PixelsUnlike(shown, m_whole),
              (unsigned)PixelsUnlike(shown, fresh));
    m_strFaults += sz;
}

std::vector<DWORD> WholePaintWatch::Shown() const
{
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    ::MapWindowPoints(m_hWnd, nullptr, (POINT*)&rc, 2);
    return WindowColours(::GetAncestor(m_hWnd, GA_ROOT), rc);
}

}  // namespace vorntest
