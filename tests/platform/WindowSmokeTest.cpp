// WindowSmokeTest.cpp: real windows under Wine: a top-level window with an
// edit control, text set and read back.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WindowSmoke, EditControlKeepsItsText)
{
    HWND hTop = ::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                  nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hTop, nullptr);
    HWND hEdit = ::CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10,
                                   200, 24, hTop, (HMENU)100, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hEdit, nullptr);

    EXPECT_TRUE(::SetWindowTextA(hEdit, "ipl 0A80"));
    char buf[64] = {};
    EXPECT_EQ(::GetWindowTextA(hEdit, buf, sizeof(buf)), 8);
    EXPECT_STREQ(buf, "ipl 0A80");

    EXPECT_TRUE(::DestroyWindow(hTop));
    EXPECT_FALSE(::IsWindow(hEdit));
}
