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
