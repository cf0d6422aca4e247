// WindowHelpersTest.cpp: placement on the desktop, the visible style, list
// boxes and their stored items, and the wait with a message loop.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "config/ProfileHelpers.h"
#include "config/WindowHelpers.h"
#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "tests/config/TempFile.h"

namespace {

// The test program's manifest asks for common controls 6, whose versions of
// the standard classes must be registered before the first window is made.
bool RegisterControlClasses()
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    return ::InitCommonControlsEx(&icc) != FALSE;
}

// Under a loaded Wine the very first window of a process is now and then
// refused while the display connection comes up: try again briefly.
HWND CreateTestWindow(const char* pszClass, DWORD dwStyle, int cx, int cy)
{
    RegisterControlClasses();
    HWND h = nullptr;
    for (int nTry = 0; !h && nTry < 20; nTry++) {
        h = ::CreateWindowExA(0, pszClass, "helpers", dwStyle, 5, 7, cx, cy, nullptr, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr);
        if (!h)
            ::Sleep(50);
    }
    return h;
}

struct Window {
    HWND h;
    Window(const char* pszClass, DWORD dwStyle, int cx, int cy) : h(CreateTestWindow(pszClass, dwStyle, cx, cy)) {}
    ~Window() { ::DestroyWindow(h); }
};

RECT DesktopRect()
{
    RECT rc;
    ::GetWindowRect(::GetDesktopWindow(), &rc);
    return rc;
}

RECT WindowRect(HWND h)
{
    RECT rc;
    ::GetWindowRect(h, &rc);
    return rc;
}

}  // namespace

TEST(WindowHelpers, PositionsAtAThirdOfTheFreeRoom)
{
    Window w("STATIC", WS_POPUP, 300, 200);
    ASSERT_NE(w.h, nullptr) << ::GetLastError();
    PositionWindowOnDesktop(w.h);
    RECT rcDesk = DesktopRect(), rc = WindowRect(w.h);
    EXPECT_EQ(rc.left, (rcDesk.right - rcDesk.left) / 3 - 300 / 3);
    EXPECT_EQ(rc.top, (rcDesk.bottom - rcDesk.top) / 3 - 200 / 3);
    EXPECT_EQ(rc.right - rc.left, 300);
    EXPECT_EQ(rc.bottom - rc.top, 200);
}

TEST(WindowHelpers, WindowLargerThanTheDesktopGoesToTheCorner)
{
    RECT rcDesk = DesktopRect();
    int cx = rcDesk.right - rcDesk.left + 400, cy = rcDesk.bottom - rcDesk.top + 400;
    Window w("STATIC", WS_POPUP, cx, cy);
    PositionWindowOnDesktop(w.h);
    RECT rc = WindowRect(w.h);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right - rc.left, cx);
}

TEST(WindowHelpers, VisibleStyleWithoutShowMessages)
{
    Window w("STATIC", WS_POPUP, 50, 50);
    SetWindowVisibleStyle(w.h, true, false);
    EXPECT_TRUE(::GetWindowLongA(w.h, GWL_STYLE) & WS_VISIBLE);
    SetWindowVisibleStyle(w.h, false, false);
    EXPECT_FALSE(::GetWindowLongA(w.h, GWL_STYLE) & WS_VISIBLE);
}

TEST(WindowHelpers, ListBoxExtentIsTheWidestItemPlusFive)
{
    Window lb("LISTBOX", WS_POPUP | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, 100, 100);
    ASSERT_NE(lb.h, nullptr);
    SetListBoxHorizontalExtent(lb.h);
    EXPECT_EQ(::SendMessageA(lb.h, LB_GETHORIZONTALEXTENT, 0, 0), 5);
    ::SendMessageA(lb.h, LB_ADDSTRING, 0, (LPARAM)"short");
    ::SendMessageA(lb.h, LB_ADDSTRING, 0, (LPARAM)"a much, much longer item text");
    SetListBoxHorizontalExtent(lb.h);
    HDC hDC = ::GetDC(lb.h);
    HGDIOBJ hOld = ::SelectObject(hDC, (HFONT)::SendMessageA(lb.h, WM_GETFONT, 0, 0));
    SIZE size;
    ::GetTextExtentPoint32A(hDC, "a much, much longer item text", 29, &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(lb.h, hDC);
    EXPECT_EQ(::SendMessageA(lb.h, LB_GETHORIZONTALEXTENT, 0, 0), size.cx + 5);
}

TEST(WindowHelpers, ListBoxItemsRoundTripThroughTheStore)
{
    TempDir dir;
    SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("lb.ini").c_str()));
    Window lb("LISTBOX", WS_POPUP, 100, 100);
    ::SendMessageA(lb.h, LB_ADDSTRING, 0, (LPARAM)"C:\\one");
    ::SendMessageA(lb.h, LB_ADDSTRING, 0, (LPARAM)"C:\\two");
    SaveListBoxToProfile(lb.h, "Dirs", "Settings");
    EXPECT_EQ(ProfileGetString("Settings", "Dirs_0001"), "C:\\two");
    Window lb2("LISTBOX", WS_POPUP, 100, 100);
    ::SendMessageA(lb2.h, LB_ADDSTRING, 0, (LPARAM)"kept");
    LoadListBoxFromProfile(lb2.h, "Dirs", "Settings");
    ASSERT_EQ(::SendMessageA(lb2.h, LB_GETCOUNT, 0, 0), 3);
    char sz[64];
    ::SendMessageA(lb2.h, LB_GETTEXT, 2, (LPARAM)sz);
    EXPECT_STREQ(sz, "C:\\two");
    SetSettingsStore(nullptr);
}

TEST(WindowHelpers, WaitReturnsZeroWhenSignalledAndMinusOneOnQuit)
{
    HANDLE hEvent = ::CreateEventA(nullptr, TRUE, TRUE, nullptr);
    EXPECT_EQ(WaitWithMessageLoop(hEvent), 0);
    ::ResetEvent(hEvent);
    ::PostQuitMessage(3);
    EXPECT_EQ(WaitWithMessageLoop(hEvent), -1);
    ::CloseHandle(hEvent);
}

namespace {
HANDLE s_hTimerEvent;
void CALLBACK SetEventOnTimer(HWND, UINT, UINT_PTR, DWORD) { ::SetEvent(s_hTimerEvent); }
}  // namespace

TEST(WindowHelpers, WaitKeepsDispatchingMessages)
{
    HANDLE hEvent = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    s_hTimerEvent = hEvent;
    UINT_PTR id = ::SetTimer(nullptr, 0, 30, SetEventOnTimer);
    EXPECT_EQ(WaitWithMessageLoop(hEvent), 0);
    ::KillTimer(nullptr, id);
    ::CloseHandle(hEvent);
}
