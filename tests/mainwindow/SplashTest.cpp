// SplashTest.cpp: the splash screen on its own thread: shown centred and on
// top (also on the screen over a window of the main thread shown after it),
// deaf to Alt+F4, closed by the factory, and a failed splash reported as
// such.
#include <gtest/gtest.h>

#include "mainwindow/SplashFactory.h"
#include "mainwindow/SplashWnd.h"
#include "mainwindow/VornGUIApp.h"
#include "tests/support/ScreenShows.h"

namespace {

// A splash whose bitmap resource does not exist: its creation fails.
class CMissingBitmapSplash : public CSplashWnd {
    DECLARE_DYNCREATE(CMissingBitmapSplash)
public:
    CMissingBitmapSplash() { SetBitmap(4711); }
};
IMPLEMENT_DYNCREATE(CMissingBitmapSplash, CSplashWnd)

struct FoundSplash {
    DWORD dwThread;
    HWND hWnd;
};

BOOL CALLBACK CheckSplashWindow(HWND h, LPARAM lp)
{
    FoundSplash* f = (FoundSplash*)lp;
    DWORD pid = 0;
    DWORD tid = ::GetWindowThreadProcessId(h, &pid);
    if (pid == ::GetCurrentProcessId() && tid != f->dwThread && ::IsWindowVisible(h) &&
        (::GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        f->hWnd = h;
        return FALSE;
    }
    return TRUE;
}

// The visible top-most popup of another thread of this process.
HWND FindSplashWindow()
{
    FoundSplash found = {::GetCurrentThreadId(), nullptr};
    ::EnumWindows(CheckSplashWindow, (LPARAM)&found);
    return found.hWnd;
}

TEST(Splash, DestroyWithoutSplashReturnsZero)
{
    CSplashFactory factory;
    EXPECT_EQ(factory.Destroy(), 0);
}

TEST(Splash, ShowsCentredOnItsOwnThreadAndIgnoresAltF4)
{
    CSplashFactory factory;
    ASSERT_TRUE(factory.Create(RUNTIME_CLASS(CMySplashWnd), THREAD_PRIORITY_NORMAL));
    HWND hSplash = FindSplashWindow();
    ASSERT_NE(hSplash, nullptr);
    RECT rc;
    ::GetWindowRect(hSplash, &rc);
    EXPECT_EQ(rc.right - rc.left, 480);  // the bitmap's size
    EXPECT_EQ(rc.bottom - rc.top, 260);
    EXPECT_NEAR((rc.left + rc.right) / 2, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((rc.top + rc.bottom) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    // The user cannot close it.
    ::SendMessageA(hSplash, WM_SYSCOMMAND, SC_CLOSE, 0);
    ::SendMessageA(hSplash, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(hSplash));
    EXPECT_EQ(factory.Destroy(), 1);
    EXPECT_FALSE(::IsWindow(hSplash));
    EXPECT_EQ(factory.Destroy(), 0);
}

TEST(Splash, FactoryDestructorClosesASplashStillUp)
{
    HWND hSplash = nullptr;
    {
        CSplashFactory factory;
        ASSERT_TRUE(factory.Create(RUNTIME_CLASS(CMySplashWnd), THREAD_PRIORITY_NORMAL));
        hSplash = FindSplashWindow();
        ASSERT_NE(hSplash, nullptr);
    }
    EXPECT_FALSE(::IsWindow(hSplash));
}

TEST(Splash, MissingBitmapFailsCreation)
{
    CSplashFactory factory;
    EXPECT_FALSE(factory.Create(RUNTIME_CLASS(CMissingBitmapSplash), THREAD_PRIORITY_NORMAL));
    EXPECT_EQ(FindSplashWindow(), nullptr);
    EXPECT_EQ(factory.Destroy(), 0);
}

// Started without waiting, the splash is awaited before anything else
// shows; a failed one is reported then, and closing waits for a splash
// still being made.
TEST(Splash, StartedThenAwaited)
{
    CSplashFactory factory;
    ASSERT_TRUE(factory.Start(RUNTIME_CLASS(CMySplashWnd), THREAD_PRIORITY_NORMAL));
    ASSERT_TRUE(factory.WaitUntilCreated());
    HWND hSplash = FindSplashWindow();
    ASSERT_NE(hSplash, nullptr);
    EXPECT_TRUE(factory.WaitUntilCreated());  // once up, it stays up
    EXPECT_EQ(factory.Destroy(), 1);
    EXPECT_FALSE(::IsWindow(hSplash));
    EXPECT_FALSE(factory.WaitUntilCreated());  // none started now

    ASSERT_TRUE(factory.Start(RUNTIME_CLASS(CMissingBitmapSplash), THREAD_PRIORITY_NORMAL));
    EXPECT_FALSE(factory.WaitUntilCreated());
    EXPECT_EQ(FindSplashWindow(), nullptr);
    EXPECT_EQ(factory.Destroy(), 0);

    ASSERT_TRUE(factory.Start(RUNTIME_CLASS(CMySplashWnd), THREAD_PRIORITY_NORMAL));
    EXPECT_EQ(factory.Destroy(), 1);  // not awaited before: Destroy waits for it
    EXPECT_EQ(FindSplashWindow(), nullptr);
}

// The splash stays above the main window, shown and focused after it, on
// the screen as the user sees it (Wine raises the focused window on the
// display), and neither window is left topmost but the splash.
TEST(Splash, StaysAboveTheMainWindowShownAfterItOnTheScreen)
{
    CSplashFactory factory;
    ASSERT_TRUE(factory.Create(RUNTIME_CLASS(CMySplashWnd), THREAD_PRIORITY_NORMAL));
    HWND hSplash = factory.SplashWindow();
    ASSERT_NE(hSplash, nullptr);
    AfxGetApp()->KeepWindowOnTop(hSplash);
    HWND hMain = ::CreateWindowExA(0, "STATIC", "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                   ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                   nullptr, nullptr);
    ::SetForegroundWindow(hMain);
    ::SetFocus(hMain);
    auto pump = [] {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    };
    RECT rcSplash;
    ::GetWindowRect(hSplash, &rcSplash);
    EXPECT_EQ("", vorntest::WaitUntilScreenShows(hSplash, rcSplash, pump));
    EXPECT_EQ(hMain, ::GetFocus());
    EXPECT_EQ(0, ::GetWindowLongA(hMain, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_NE(0, ::GetWindowLongA(hSplash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    ::DestroyWindow(hMain);
    EXPECT_EQ(factory.Destroy(), 1);
}

}  // namespace
