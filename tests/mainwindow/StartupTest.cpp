// StartupTest.cpp: VornGUI.exe starts, shows its main window and ends cleanly.
#include <gtest/gtest.h>

#include "tests/support/WinTestUtil.h"

TEST(Startup, MainWindowShowsAndClosesWithExitCodeZero)
{
    vorntest::ChildProcess app;
    ASSERT_TRUE(app.Start("VornGUI.exe"));
    HWND hMain = vorntest::WaitForWindow("VornGUIMainFrame", 20000);
    ASSERT_NE(hMain, nullptr);
    EXPECT_NE(::GetMenu(hMain), nullptr);
    ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Wait(20000), 0);
}
