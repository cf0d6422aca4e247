// WholePaintWatch.cpp: a window's buffer read at every message, against the
// picture last seen whole and the window painted afresh.
#include "tests/support/WholePaintWatch.h"

#include <algorithm>
#include <map>

#include "platform/OneStepPaint.h"
#include "tests/support/DcPixels.h"

namespace vorntest {

namespace {

std::vector<WholePaintWatch*> g_watches;

HBITMAP DrawingBitmap(int cx, int cy)
{
    CBitmap bitmap;
    return CreateDrawingBitmap(bitmap, cx, cy) ? bitmap.Detach() : nullptr;
}
bool g_bChecking = false;  // the checks' own messages are not checked

// hWnd's client area with its origin at ptAt: ground, then client, drawn
// in a bitmap of its own that starts as what hdc holds there (the controls
// take the device origin for theirs).
void PrintInto(HWND hWnd, HDC hdc, POINT ptAt, bool bErase)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    if (rc.right <= 0 || rc.bottom <= 0)
        return;
    HDC hMem = ::CreateCompatibleDC(hdc);
    HBITMAP hBmp = DrawingBitmap(rc.right, rc.bottom);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, rc.right, rc.bottom, hdc, ptAt.x, ptAt.y, SRCCOPY);
    if (bErase)
        ::SendMessageA(hWnd, WM_ERASEBKGND, (WPARAM)hMem, 0);
    ::SendMessageA(hWnd, WM_PRINTCLIENT, (WPARAM)hMem, PRF_CLIENT);
    ::BitBlt(hdc, ptAt.x, ptAt.y, rc.right, rc.bottom, hMem, 0, 0, SRCCOPY);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
}

}  // namespace

WholePaintWatch::WholePaintWatch(HWND hWnd, std::function<bool()> isWhole)
    : m_hWnd(hWnd), m_isWhole(std::move(isWhole))
{
    m_whole = Shown();
    g_watches.push_back(this);
    DWORD dwThread = ::GetCurrentThreadId();
    m_hHooks[0] = ::SetWindowsHookExA(WH_CALLWNDPROC, CallHook, nullptr, dwThread);
    m_hHooks[1] = ::SetWindowsHookExA(WH_CALLWNDPROCRET, RetHook, nullptr, dwThread);
    m_hHooks[2] = ::SetWindowsHookExA(WH_GETMESSAGE, GetHook, nullptr, dwThread);
}

WholePaintWatch::~WholePaintWatch()
{
    for (HHOOK h : m_hHooks)
        ::UnhookWindowsHookEx(h);
    g_watches.erase(std::find(g_watches.begin(), g_watches.end(), this));
}

LRESULT CALLBACK WholePaintWatch::CallHook(int nCode, WPARAM wp, LPARAM lp)
{
    if (nCode == HC_ACTION)
        CheckAll("before", ((const CWPSTRUCT*)lp)->message);
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

LRESULT CALLBACK WholePaintWatch::RetHook(int nCode, WPARAM wp, LPARAM lp)
{
    if (nCode == HC_ACTION)
        CheckAll("after", ((const CWPRETSTRUCT*)lp)->message);
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

LRESULT CALLBACK WholePaintWatch::GetHook(int nCode, WPARAM wp, LPARAM lp)
{
    if (nCode == HC_ACTION && wp == PM_REMOVE)
        CheckAll("taking", ((const MSG*)lp)->message);
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

void WholePaintWatch::CheckAll(const char* pszWhen, UINT msg)
{
    if (g_bChecking)
        return;
    g_bChecking = true;
    for (WholePaintWatch* p : g_watches)
        p->Check(pszWhen, msg);
    g_bChecking = false;
}

void WholePaintWatch::Check(const char* pszWhen, UINT msg)
{
    if (!::IsWindowVisible(m_hWnd))
        return;
    std::vector<DWORD> shown = Shown();
    if (shown == m_whole)
        return;
    std::vector<DWORD> fresh = Fresh();
    if (shown == fresh && (!m_isWhole || m_isWhole())) {
        m_whole = std::move(fresh);
        ++m_nChanges;
        return;
    }
    if (shown.size() != m_whole.size()) {  // a new size: whole once it is painted so
        if (shown == fresh)
            m_whole = std::move(fresh);
        return;
    }
    if (++m_nFaults > 3)
        return;
    char sz[120];
    wsprintfA(sz, "%s%s message 0x%04X: ", m_strFaults.empty() ? "" : "; ", pszWhen, msg);
    m_strFaults += sz + Differing(shown, m_whole) + " against the last whole picture, " +
                   Differing(shown, fresh) + " against a fresh paint";
}

std::vector<DWORD> WholePaintWatch::Shown() const
{
    HWND hTop = ::GetAncestor(m_hWnd, GA_ROOT);
    RECT rcTop, rc;
    ::GetWindowRect(hTop, &rcTop);
    ::GetClientRect(m_hWnd, &rc);
    POINT pt = {0, 0};
    ::ClientToScreen(m_hWnd, &pt);
    HDC hdc = ::GetWindowDC(hTop);
    std::vector<DWORD> v = DcPixels(hdc, pt.x - rcTop.left, pt.y - rcTop.top, rc.right, rc.bottom);
    ::ReleaseDC(hTop, hdc);
    for (DWORD& px : v)
        px &= 0xFFFFFF;
    return v;
}

std::vector<DWORD> WholePaintWatch::Fresh() const
{
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    HDC hMem = ::CreateCompatibleDC(nullptr);
    HBITMAP hBmp = DrawingBitmap(std::max<LONG>(rc.right, 1), std::max<LONG>(rc.bottom, 1));
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    PrintInto(m_hWnd, hMem, POINT{0, 0}, true);
    for (HWND h = ::GetWindow(::GetWindow(m_hWnd, GW_CHILD), GW_HWNDLAST); h; h = ::GetWindow(h, GW_HWNDPREV)) {
        if (!::IsWindowVisible(h))
            continue;
        POINT pt = {0, 0};
        ::MapWindowPoints(h, m_hWnd, &pt, 1);
        PrintInto(h, hMem, pt, false);
    }
    std::vector<DWORD> v = DcPixels(hMem, 0, 0, rc.right, rc.bottom);
    ::SelectObject(hMem, hOld);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    for (DWORD& px : v)
        px &= 0xFFFFFF;
    return v;
}

// The children (or the window itself) where two pictures differ: each one's
// text and the count of its differing pixels.
std::string WholePaintWatch::Differing(const std::vector<DWORD>& a, const std::vector<DWORD>& b) const
{
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    std::map<HWND, int> counts;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] == b[i])
            continue;
        POINT pt = {(LONG)(i % rc.right), (LONG)(i / rc.right)};
        HWND h = ::ChildWindowFromPointEx(m_hWnd, pt, CWP_SKIPINVISIBLE);
        ++counts[h ? h : m_hWnd];
    }
    std::string str;
    for (const auto& [h, n] : counts) {
        char szText[64] = "", sz[128];
        ::GetWindowTextA(h, szText, sizeof szText);
        wsprintfA(sz, "%s\"%s\" %d px", str.empty() ? "" : ", ", szText, n);
        str += sz;
    }
    return str.empty() ? "nothing" : str;
}

}  // namespace vorntest
