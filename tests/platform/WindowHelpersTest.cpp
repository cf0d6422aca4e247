// WindowHelpersTest.cpp: WLSetRedraw and CalcContextMenuPoint under Wine.
#include <gtest/gtest.h>

#include "platform/Afx.h"
#include "platform/WindowHelpers.h"

namespace {

class WindowHelpers : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "w", WS_POPUP | WS_VISIBLE, CRect(100, 120, 400, 300),
                                 nullptr, 0));
        wnd.UpdateWindow();
    }
    void TearDown() override { wnd.DestroyWindow(); }
    CWnd wnd;
};

}  // namespace

TEST_F(WindowHelpers, RedrawOffThenOnRepaintsTheWindow)
{
    WLSetRedraw(&wnd, FALSE);
    wnd.SetWindowText("changed while frozen");
    WLSetRedraw(&wnd, TRUE);
    EXPECT_TRUE(wnd.IsWindowVisible());
    RECT rc;
    EXPECT_FALSE(::GetUpdateRect(wnd, &rc, FALSE));  // painted at once, nothing left to paint
}

TEST_F(WindowHelpers, MouseContextMenuPointIsKept)
{
    CPoint pt = CalcContextMenuPoint(&wnd, CPoint(150, 160));
    EXPECT_EQ(pt.x, 150);
    EXPECT_EQ(pt.y, 160);
}

TEST_F(WindowHelpers, KeyboardContextMenuOpensInsideTheClientArea)
{
    CPoint pt = CalcContextMenuPoint(&wnd, CPoint(-1, -1));
    EXPECT_EQ(pt.x, 108);
    EXPECT_EQ(pt.y, 128);
}

TEST_F(WindowHelpers, KeyboardContextMenuOpensAtTheCaret)
{
    wnd.SetFocus();
    ASSERT_TRUE(::CreateCaret(wnd, nullptr, 2, 12));
    ::SetCaretPos(40, 50);
    CPoint pt = CalcContextMenuPoint(&wnd, CPoint(-1, -1));
    ::DestroyCaret();
    EXPECT_EQ(pt.x, 140);
    EXPECT_EQ(pt.y, 170);
}

TEST(WindowHelpersRect, KeepRectInsideMovesAsLittleAsNeeded)
{
    const RECT area = {0, 0, 1280, 770};
    const struct {
        RECT rc, expected;
    } cases[] = {
        {{100, 100, 400, 300}, {100, 100, 400, 300}},     // inside: kept
        {{1000, 100, 1770, 300}, {510, 100, 1280, 300}},  // off the right edge
        {{-50, -20, 250, 180}, {0, 0, 300, 200}},         // off the top left
        {{100, 700, 400, 900}, {100, 570, 400, 770}},     // below the bottom
        {{-300, 50, 1700, 150}, {0, 50, 2000, 150}},      // wider than the area: left edge kept
    };
    for (const auto& c : cases) {
        RECT r = KeepRectInside(c.rc, area);
        EXPECT_EQ(r.left, c.expected.left) << c.rc.left;
        EXPECT_EQ(r.top, c.expected.top) << c.rc.left;
        EXPECT_EQ(r.right, c.expected.right) << c.rc.left;
        EXPECT_EQ(r.bottom, c.expected.bottom) << c.rc.left;
    }
}

TEST_F(WindowHelpers, CenterWindowOnTheOwnerInsideTheWorkArea)
{
    HWND hOwner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 100, 100, 600, 400, nullptr,
                                    nullptr, nullptr, nullptr);
    HWND hPopup = ::CreateWindowExA(0, "STATIC", "popup", WS_POPUP, 0, 0, 200, 100, hOwner, nullptr, nullptr, nullptr);
    CenterWindowOn(hPopup, hOwner);
    RECT rc;
    ::GetWindowRect(hPopup, &rc);
    EXPECT_EQ(rc.left, 300);
    EXPECT_EQ(rc.top, 250);
    // An owner near the work area's corner: the popup stays inside.
    ::SetWindowPos(hOwner, nullptr, -400, -300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    CenterWindowOn(hPopup, hOwner);
    ::GetWindowRect(hPopup, &rc);
    MONITORINFO mi = {sizeof(mi)};
    ::GetMonitorInfoA(::MonitorFromWindow(hPopup, MONITOR_DEFAULTTONEAREST), &mi);
    EXPECT_EQ(rc.left, mi.rcWork.left);
    EXPECT_EQ(rc.top, mi.rcWork.top);
    ::DestroyWindow(hPopup);
    ::DestroyWindow(hOwner);
}
