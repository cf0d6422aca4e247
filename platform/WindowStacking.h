// WindowStacking.h: keeps the windows of the user-interface thread stacked
// on the display as Windows stacks them, where Wine without a window manager
// does not.
//
// Wine draws each top-level window as an X window of its own. When no window
// manager stacks them (Wine told to leave its windows unmanaged, or a desktop
// of Wine's own, as on the virtual display this program is developed and
// tested on), it raises the top-level window that receives the keyboard
// focus to the top of the X display, every time the focus moves into or
// within it and again when it is mapped (shown) with the focus inside, and
// leaves the windows that Windows keeps above that one where they were: the
// windows it owns (floating bars, progress windows, dialogs opened over it)
// and the topmost ones (field-error balloons, the splash screen). A click
// into the main window hid the floating bars behind it; a balloon shown
// before the focus went back to the refused field stayed under its dialog;
// the main window covered the splash screen. Wine at times even puts the
// main window above a window it owns in the Windows order itself (a bar
// floated while the focus was in it). The keeper watches the thread's focus
// and activation changes and raises again, bottom first, every window the
// top-level window of the focused one owns, each above its owner, and the
// topmost ones, so that the Windows order and the display show what Windows
// keeps: at once when the change has been handled, and once more when the
// display has had the time to map a window just shown (its notice comes
// back from the X server later). Under Windows itself, and where a window
// manager stacks Wine's windows, it does nothing.
#pragma once

#include <windows.h>

#include <vector>

class CWindowStackingKeeper {
public:
    // Starts keeping the calling thread's windows (only where the display
    // needs it: DisplayNeedsKeeping).
    CWindowStackingKeeper();
    ~CWindowStackingKeeper();
    CWindowStackingKeeper(const CWindowStackingKeeper&) = delete;
    CWindowStackingKeeper& operator=(const CWindowStackingKeeper&) = delete;

    // While held, the keeper watches nothing: its hook is called for every
    // window the thread makes (server round trips under Wine), so a thread
    // that builds windows nobody sees yet holds it until it shows them.
    void Hold(bool bHold);
    // Keeps hWnd, a topmost window of another thread of the program (the
    // splash screen), above this thread's windows too, for as long as it
    // lives.
    void KeepOnTop(HWND hWnd);

    // A top-level window of the calling thread has been shown (WM_WINDOWPOSCHANGED
    // with SWP_SHOWWINDOW; CWnd tells it of its windows). A window shown
    // without activation keeps its place in the Windows order, under Wine
    // also below its owner: the keeper looks at the order as after a focus
    // change.
    static void WindowShown(HWND hWnd);

    // True under Wine when no window manager stacks its top-level windows:
    // the X11 driver's "Managed" setting is off (for all programs or for
    // this one), or the program runs in a desktop of Wine's own.
    static bool DisplayNeedsKeeping();

private:
    // Starts the wait for the raises: once the change has been handled and
    // once the display has had the time to map a window just shown.
    void ArmRaises();
    // Raises, bottom first, the visible windows of the program that belong
    // above the top-level window owning hFocusRoot: every window it owns
    // (directly or through another), each over its owner, and the topmost
    // ones. Each becomes the first visible window of the Windows order for a
    // moment, the one move that Wine repeats on the X display, and ends in
    // its own place of that order, with its own topmost state.
    void RaiseOwnedWindows(HWND hFocusRoot);
    static LRESULT CALLBACK CbtHook(int nCode, WPARAM wp, LPARAM lp);
    static void CALLBACK RaiseTimerProc(HWND, UINT, UINT_PTR nTimer, DWORD);

    HHOOK m_hHook = nullptr;
    UINT_PTR m_nQuickTimer = 0;   // when the change has been handled
    UINT_PTR m_nSettleTimer = 0;  // when the display has mapped what was shown
    std::vector<HWND> m_otherThreads;  // topmost windows of other threads (KeepOnTop)
};
