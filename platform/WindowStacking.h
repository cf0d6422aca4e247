// WindowStacking.h: keeps the windows of the user-interface thread stacked
// on the display as Windows stacks them, where Wine without a window manager
// does not.
//
// Wine draws each top-level window as an X window of its own. With no window
// manager (the virtual display this program is developed and tested on), it
// raises the top-level window that receives the keyboard focus to the top of
// the X display, every time the focus moves into or within it and again when
// it is mapped (shown) with the focus inside, and leaves the windows that
// Windows keeps above that one where they were: the windows
// it owns (floating bars, progress windows, dialogs opened over it) and the
// topmost ones (field-error balloons). A click into the main window hid the
// floating bars behind it; a balloon shown before the focus went back to the
// refused field stayed under its dialog; the floating bars came back behind
// the main window at start-up. The keeper watches the thread's focus and
// activation changes and raises those windows again, bottom first, so that
// the display shows the Windows order: at once when the change has been
// handled, and once more when the display has had the time to map a window
// just shown (its notice comes back from the X server later). Under Windows
// itself it does nothing.
#pragma once

#include <windows.h>

class CWindowStackingKeeper {
public:
    // Starts keeping the calling thread's windows (only under Wine).
    CWindowStackingKeeper();
    ~CWindowStackingKeeper();
    CWindowStackingKeeper(const CWindowStackingKeeper&) = delete;
    CWindowStackingKeeper& operator=(const CWindowStackingKeeper&) = delete;

    // While held, the keeper watches nothing: its hook is called for every
    // window the thread makes (server round trips under Wine), so a thread
    // that builds windows nobody sees yet holds it until it shows them.
    void Hold(bool bHold);

private:
    // Raises, bottom first, the visible windows of the thread that belong
    // above hTop: those it owns (directly or through another) and the
    // topmost ones. Each becomes the first window of the Windows order for a
    // moment, the one move that Wine repeats on the X display, and ends in
    // its own place of that order.
    static void RaiseWindowsAbove(HWND hTop);
    static LRESULT CALLBACK CbtHook(int nCode, WPARAM wp, LPARAM lp);
    static void CALLBACK RaiseTimerProc(HWND, UINT, UINT_PTR nTimer, DWORD);

    HHOOK m_hHook = nullptr;
    UINT_PTR m_nQuickTimer = 0;   // when the change has been handled
    UINT_PTR m_nSettleTimer = 0;  // when the display has mapped what was shown
};
