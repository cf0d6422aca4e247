// ScreenShows.h: what a user sees of a window: the pixels read back from the
// screen, compared with what the window drew itself. Under Wine without a
// window manager each top-level window is a window of the X display, and
// the screen shows whichever lies on top there.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/MessageCounter.h"

namespace vorntest {

// The share (0 to 1) of the pixels of rc (screen coordinates, inside hWnd's
// window rectangle) where the screen shows what hWnd drew.
double ScreenShareOf(HWND hWnd, const RECT& rc);

// Pumps with pump() until the screen has shown at least 95 per cent of rc
// as hWnd drew it for half a second without a break, or dwTimeoutMs passed;
// returns an empty text when it has, else what it saw last.
std::string WaitUntilScreenShows(HWND hWnd, const RECT& rc, const std::function<void()>& pump,
                                 DWORD dwTimeoutMs = 5000);

// The same for several windows at once, each at its rectangle: empty when
// the screen has shown all of them together for half a second.
std::string WaitUntilScreenShows(const std::vector<std::pair<HWND, RECT>>& windows,
                                 const std::function<void()>& pump, DWORD dwTimeoutMs = 5000);

// The colours of the screen over rcScreen once Wine has put on it what the
// program drew (as whenever the thread waits: a wait of no time).
std::vector<DWORD> ScreenPixels(const RECT& rcScreen);

// Until Stop, each new picture of the screen over rcScreen at every message
// the thread takes off its queue, where Wine puts what was drawn on the
// screen: what a message leaves drawn in part shows. One at a time.
class ScreenStatesAtMessages {
public:
    explicit ScreenStatesAtMessages(const RECT& rcScreen);
    void Stop() { m_watch.reset(); }
    // The pictures recorded that are none of wholes, each with its number
    // ("" when there is none).
    std::string StatesOtherThan(const std::vector<std::vector<DWORD>>& wholes) const;
    size_t Count() const { return m_states.size(); }

private:
    RECT m_rc;
    std::vector<std::vector<DWORD>> m_states;
    std::optional<TakenMessageWatch> m_watch;
};

// A press and release of the left mouse button at ptScreen, made as the
// user makes it (the cursor moved there first); false when the cursor did
// not get there.
bool ClickAt(POINT ptScreen);
// Two of them, a double click.
bool DoubleClickAt(POINT ptScreen);

// True when hUpper lies above hLower in the Windows order.
bool IsAbove(HWND hUpper, HWND hLower);

// How a modal window stands to hBeside, a window of the program it covers
// (a floating bar, a progress window): "above" or "below" it in the Windows
// order, hBeside "disabled" or "enabled", and "plain" when neither of them
// is topmost, else "topmost"; joined by ", ".
std::string DescribeModalStacking(HWND hModal, HWND hBeside);

}  // namespace vorntest
