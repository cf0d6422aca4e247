// ScreenShows.cpp: screen pixels against a window's own, and a real click.
#include "tests/support/ScreenShows.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/support/DcPixels.h"

namespace vorntest {

namespace {

const double kShownShare = 0.95;
// A window another one covers keeps its old pixels on the X display until
// the one on top repaints there: a window counts as shown once the screen
// has shown it this long without a break.
const DWORD kShownForMs = 500;

}  // namespace

double ScreenShareOf(HWND hWnd, const RECT& rcAsked)
{
    RECT rcWnd;
    ::GetWindowRect(hWnd, &rcWnd);
    // Only the screen that the system knows of can be read back.
    RECT rcScreen = {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
    rcScreen.right = rcScreen.left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN);
    rcScreen.bottom = rcScreen.top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN);
    RECT rc;
    if (!::IntersectRect(&rc, &rcAsked, &rcScreen))
        return 0.0;
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return 0.0;
    std::vector<DWORD> screen = WindowColours(nullptr, rc), own = WindowColours(hWnd, rc);
    // A shaped window (a balloon) shows only inside its region.
    HRGN hRgn = ::CreateRectRgn(0, 0, 0, 0);
    bool bShaped = ::GetWindowRgn(hWnd, hRgn) != ERROR;
    size_t nSame = 0, nCounted = 0;
    for (int y = 0; y < cy; ++y) {
        for (int x = 0; x < cx; ++x) {
            if (bShaped && !::PtInRegion(hRgn, rc.left - rcWnd.left + x, rc.top - rcWnd.top + y))
                continue;
            size_t i = (size_t)y * cx + x;
            ++nCounted;
            nSame += screen[i] == own[i];
        }
    }
    ::DeleteObject(hRgn);
    return nCounted ? (double)nSame / (double)nCounted : 0.0;
}

std::string WaitUntilScreenShows(HWND hWnd, const RECT& rc, const std::function<void()>& pump, DWORD dwTimeoutMs)
{
    return WaitUntilScreenShows({{hWnd, rc}}, pump, dwTimeoutMs);
}

std::string WaitUntilScreenShows(const std::vector<std::pair<HWND, RECT>>& windows,
                                 const std::function<void()>& pump, DWORD dwTimeoutMs)
{
    std::string strSeen;
    DWORD dwShownSince = 0;
    bool bShown = false;
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < dwTimeoutMs; ::Sleep(20)) {
        pump();
        strSeen.clear();
        for (const auto& w : windows) {
            double dShare = ScreenShareOf(w.first, w.second);
            if (dShare >= kShownShare)
                continue;
            char sz[200];
            wsprintfA(sz, "%sthe screen showed %d%% of the window's pixels at (%ld,%ld)-(%ld,%ld)",
                      strSeen.empty() ? "" : "; ", (int)(dShare * 100), w.second.left, w.second.top, w.second.right,
                      w.second.bottom);
            strSeen += sz;
        }
        if (!strSeen.empty()) {
            bShown = false;
            continue;
        }
        if (!bShown) {
            bShown = true;
            dwShownSince = ::GetTickCount();
        }
        if (::GetTickCount() - dwShownSince >= kShownForMs)
            return std::string();
    }
    char sz[40];
    wsprintfA(sz, " after %lu ms", (unsigned long)dwTimeoutMs);
    return strSeen + sz;
}

std::vector<DWORD> ScreenPixels(const RECT& rc)
{
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    return WindowColours(nullptr, rc);
}

ScreenStatesAtMessages::ScreenStatesAtMessages(const RECT& rcScreen) : m_rc(rcScreen), m_states{ScreenPixels(rcScreen)}
{
    m_watch.emplace([this](const MSG&) {
        std::vector<DWORD> now = ScreenPixels(m_rc);
        if (now != m_states.back())
            m_states.push_back(std::move(now));
        return false;
    });
}

std::string ScreenStatesAtMessages::StatesOtherThan(const std::vector<std::vector<DWORD>>& wholes) const
{
    std::string str;
    for (size_t i = 0; i < m_states.size(); ++i) {
        size_t nBest = SIZE_MAX;  // the fewest pixels that differ from a whole picture
        for (const auto& whole : wholes)
            nBest = std::min(nBest, PixelsUnlike(whole, m_states[i]));
        if (nBest == 0)
            continue;
        char sz[100];
        wsprintfA(sz, "%sstate %u of %u: %u pixels unlike any whole picture", str.empty() ? "" : "; ", (unsigned)i,
                  (unsigned)m_states.size(), (unsigned)nBest);
        str += sz;
    }
    return str;
}

bool IsAbove(HWND hUpper, HWND hLower)
{
    for (HWND h = ::GetWindow(hUpper, GW_HWNDNEXT); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (h == hLower)
            return true;
    return false;
}

std::string DescribeModalStacking(HWND hModal, HWND hBeside)
{
    bool bAbove = IsAbove(hModal, hBeside);
    bool bTopmost = ((::GetWindowLongA(hModal, GWL_EXSTYLE) | ::GetWindowLongA(hBeside, GWL_EXSTYLE)) &
                     WS_EX_TOPMOST) != 0;
    return std::string(bAbove ? "above" : "below") + (::IsWindowEnabled(hBeside) ? ", enabled" : ", disabled") +
           (bTopmost ? ", topmost" : ", plain");
}

namespace {

// nClicks presses and releases of the left button at ptScreen.
bool ClicksAt(POINT ptScreen, int nClicks)
{
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    POINT pt = {};
    ::GetCursorPos(&pt);
    if (pt.x != ptScreen.x || pt.y != ptScreen.y)
        return false;
    INPUT in[4] = {};
    for (int i = 0; i < 2 * nClicks; ++i) {
        in[i].type = INPUT_MOUSE;
        in[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    return ::SendInput(2 * nClicks, in, sizeof(INPUT)) == (UINT)(2 * nClicks);
}

}  // namespace

bool ClickAt(POINT ptScreen)
{
    return ClicksAt(ptScreen, 1);
}

bool DoubleClickAt(POINT ptScreen)
{
    return ClicksAt(ptScreen, 2);
}

}  // namespace vorntest
