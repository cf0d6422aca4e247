// WholePaintWatch.cpp: a window's buffer read at every message, against the
// picture last seen whole and the window painted afresh.
#include "tests/support/WholePaintWatch.h"

#include <algorithm>

#include "platform/CDC.h"
#include "platform/OneStepPaint.h"
#include "tests/support/DcPixels.h"

namespace vorntest {

namespace {

std::vector<WholePaintWatch*> g_watches;
bool g_bChecking = false;  // the checks' own messages are not checked

std::vector<DWORD> Rgb(std::vector<DWORD> v)
{
    for (DWORD& px : v)
        px &= 0xFFFFFF;
    return v;
}

}  // namespace

WholePaintWatch::WholePaintWatch(HWND hWnd, std::function<bool()> isWhole)
    : m_hWnd(hWnd), m_isWhole(std::move(isWhole)), m_whole(Shown())
{
    g_watches.push_back(this);
    const DWORD dwThread = ::GetCurrentThreadId();
    m_hHooks[0] = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook<0>, nullptr, dwThread);
    m_hHooks[1] = ::SetWindowsHookExA(WH_CALLWNDPROCRET, Hook<1>, nullptr, dwThread);
    m_hHooks[2] = ::SetWindowsHookExA(WH_GETMESSAGE, Hook<2>, nullptr, dwThread);
}

WholePaintWatch::~WholePaintWatch()
{
    for (HHOOK h : m_hHooks)
        ::UnhookWindowsHookEx(h);
    g_watches.erase(std::find(g_watches.begin(), g_watches.end(), this));
}

// Before a message is sent, after it was handled, as one is taken.
template <int kWhen>
LRESULT CALLBACK WholePaintWatch::Hook(int nCode, WPARAM wp, LPARAM lp)
{
    static const char* const kWhens[] = {"before", "after", "taking"};
    const UINT msg = kWhen == 0 ? ((const CWPSTRUCT*)lp)->message
                     : kWhen == 1 ? ((const CWPRETSTRUCT*)lp)->message : ((const MSG*)lp)->message;
    if (nCode == HC_ACTION && (kWhen != 2 || wp == PM_REMOVE) && !g_bChecking) {
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
    std::vector<DWORD> fresh = Fresh();
    // A new size counts as whole once painted so.
    if (shown == fresh && (shown.size() != m_whole.size() || !m_isWhole || m_isWhole())) {
        m_nChanges += shown.size() == m_whole.size();
        m_whole = std::move(fresh);
        return;
    }
    if (shown.size() != m_whole.size() || ++m_nFaults > 3)
        return;
    size_t nOld = 0, nNew = 0;
    for (size_t i = 0; i < shown.size() && i < fresh.size(); ++i) {
        nOld += shown[i] != m_whole[i];
        nNew += shown[i] != fresh[i];
    }
    char sz[160];
    wsprintfA(sz, "%s%s message 0x%04X: %u pixels unlike the last whole picture, %u unlike a fresh paint",
              m_strFaults.empty() ? "" : "; ", pszWhen, msg, (unsigned)nOld, (unsigned)nNew);
    m_strFaults += sz;
}

std::vector<DWORD> WholePaintWatch::Shown() const
{
    HWND hTop = ::GetAncestor(m_hWnd, GA_ROOT);
    RECT rcTop, rc;
    ::GetWindowRect(hTop, &rcTop);
    ::GetClientRect(m_hWnd, &rc);
    POINT pt = {0, 0};
    ::ClientToScreen(m_hWnd, &pt);
    CWindowDC dc(hTop);
    return Rgb(DcPixels(dc, pt.x - rcTop.left, pt.y - rcTop.top, rc.right, rc.bottom));
}

std::vector<DWORD> WholePaintWatch::Fresh() const
{
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    CDC mem;
    CBitmap bitmap;
    if (!mem.CreateCompatibleDC(nullptr) || !CreateDrawingBitmap(bitmap, std::max<LONG>(rc.right, 1), rc.bottom))
        return {};
    CDCSelect select(mem, bitmap);
    PrintWithChildrenInto(m_hWnd, mem);
    return Rgb(DcPixels(mem, 0, 0, rc.right, rc.bottom));
}

}  // namespace vorntest
