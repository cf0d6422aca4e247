// StalePixels.cpp: a window's pixels against the same window freshly painted.
#include "tests/support/StalePixels.h"

#include <map>
#include <vector>

#include "tests/support/DcPixels.h"
#include "tests/support/PumpMessages.h"

namespace vorntest {

namespace {

// The pixels of rc (screen coordinates) as hTop's own surface holds them,
// rows from the top, 24 bits of colour each.
std::vector<DWORD> TopLevelPixels(HWND hTop, const RECT& rc)
{
    RECT rcWnd;
    ::GetWindowRect(hTop, &rcWnd);
    HDC hdc = ::GetWindowDC(hTop);
    std::vector<DWORD> v = DcPixels(hdc, rc.left - rcWnd.left, rc.top - rcWnd.top, rc.right - rc.left,
                                    rc.bottom - rc.top);
    ::ReleaseDC(hTop, hdc);
    for (DWORD& px : v)
        px &= 0xFFFFFF;
    return v;
}

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
    std::vector<DWORD> shown = TopLevelPixels(hTop, rc);
    ::RedrawWindow(hTop, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    std::vector<DWORD> fresh = TopLevelPixels(hTop, rc);
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

}  // namespace vorntest
