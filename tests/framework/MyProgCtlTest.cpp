// MyProgCtlTest.cpp: the themed progress bar under Wine (visual styles are
// active there): part and state with their refusals and colours, creation
// style and range, the theme data over the window's life and theme changes,
// the themed fill on the screen, and GDI objects over repeated opens.
#include <gtest/gtest.h>

#include "EditsDlg.h"
#include "framework/VisualStylesXP.h"
#include "tests/support/PumpMessages.h"

namespace {

struct MyProgCtlTest : ::testing::Test {
    CEditsDlg dlg;
    void SetUp() override { ASSERT_TRUE(dlg.Create(CEditsDlg::IDD)); }
    void TearDown() override { dlg.DestroyWindow(); }
};

}  // namespace

TEST(MyProgCtl, PartAndStateRefuseOtherValues)
{
    CMyProgCtl bar(7, 9);
    EXPECT_EQ(bar.GetBarPart(), PP_BAR) << "invalid values leave the defaults";
    EXPECT_EQ(bar.GetFillState(), PBFS_NORMAL);
    EXPECT_FALSE(bar.SetFillState(5));
    EXPECT_FALSE(bar.SetFillState(0));
    EXPECT_FALSE(bar.SetBarPart(0));
    EXPECT_FALSE(bar.SetBarPart(3));
    EXPECT_EQ(bar.GetBarPart(), PP_BAR);
    EXPECT_EQ(bar.GetFillState(), PBFS_NORMAL);
    struct {
        int nState;
        COLORREF cr;
    } colours[] = {
        {PBFS_NORMAL, RGB(0, 192, 0)},
        {PBFS_ERROR, RGB(255, 0, 0)},
        {PBFS_PAUSED, RGB(255, 255, 0)},
        {PBFS_PARTIAL, CLR_DEFAULT},
    };
    for (const auto& c : colours) {
        EXPECT_TRUE(bar.SetFillState(c.nState));
        EXPECT_EQ(bar.GetBarColor(), c.cr) << c.nState;
    }
    EXPECT_TRUE(bar.SetBarPart(PP_BARVERT));
    EXPECT_EQ(bar.GetBarPart(), PP_BARVERT);
}

TEST_F(MyProgCtlTest, CreateSetsStyleRangeAndTheme)
{
    for (int nPart : {PP_BAR, PP_BARVERT}) {
        CMyProgCtl bar(nPart, PBFS_PAUSED);
        ASSERT_TRUE(bar.Create(WS_VISIBLE, CRect(10, 10, 110, 30), &dlg, 4000));
        DWORD dwStyle = (DWORD)::GetWindowLongA(bar.m_hWnd, GWL_STYLE);
        EXPECT_EQ((dwStyle & PBS_SMOOTH) != 0, nPart == PP_BAR) << nPart;
        int nLower = -1, nUpper = -1;
        bar.GetRange(nLower, nUpper);
        EXPECT_EQ(nLower, 0);
        EXPECT_EQ(nUpper, 100);
        EXPECT_EQ(bar.GetPos(), 0);
        EXPECT_NE(bar.GetTheme(), nullptr) << "visual styles are active under Wine";
        bar.SendMessage(WM_THEMECHANGED);
        EXPECT_NE(bar.GetTheme(), nullptr) << "reopened";
        bar.DestroyWindow();
        EXPECT_EQ(bar.GetTheme(), nullptr) << "closed with the window";
    }
}

TEST_F(MyProgCtlTest, ThemedFillCoversThePositionsShare)
{
    ASSERT_TRUE(g_VisualStylesXP.IsAppThemed() && g_VisualStylesXP.IsThemeActive());
    ::SetWindowPos(dlg.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    CMyProgCtl& bar = dlg.m_progress;
    RECT rc;
    ::GetClientRect(bar.m_hWnd, &rc);
    int y = rc.bottom / 2;
    struct {
        int nLower, nUpper, nPos;
        bool bLeftFilled, bRightFilled;
    } cases[] = {
        {0, 100, 50, true, false},
        {20, 40, 30, true, false},
        {0, 100, 100, true, true},
        {0, 100, 0, false, false},
        {7, 7, 7, false, false},
    };
    HDC hdc = ::GetDC(bar.m_hWnd);
    for (const auto& c : cases) {
        bar.SetRange32(c.nLower, c.nUpper);
        bar.SetPos(c.nPos);
        ::RedrawWindow(bar.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        vorntest::PumpMessages();
        COLORREF crLeft = ::GetPixel(hdc, rc.right / 4, y);
        COLORREF crRight = ::GetPixel(hdc, rc.right * 3 / 4, y);
        bar.SetRange32(0, 100);
        bar.SetPos(0);
        ::RedrawWindow(bar.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        COLORREF crBackground = ::GetPixel(hdc, rc.right / 4, y);
        EXPECT_EQ(crLeft != crBackground, c.bLeftFilled) << c.nLower << ".." << c.nUpper << " at " << c.nPos;
        EXPECT_EQ(crRight != crBackground, c.bRightFilled) << c.nLower << ".." << c.nUpper << " at " << c.nPos;
    }
    ::ReleaseDC(bar.m_hWnd, hdc);
}

// Under the theme the fill shows each state's own colour, not the theme's.
TEST_F(MyProgCtlTest, ThemedFillIsDrawnInTheStatesColour)
{
    ::SetWindowPos(dlg.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    CMyProgCtl& bar = dlg.m_progress;
    bar.SetPos(100);
    RECT rc;
    ::GetClientRect(bar.m_hWnd, &rc);
    const COLORREF colours[] = {RGB(0, 192, 0), RGB(255, 0, 0), RGB(255, 255, 0), ::GetSysColor(COLOR_HIGHLIGHT)};
    HDC hdc = ::GetDC(bar.m_hWnd);
    for (int nState = PBFS_NORMAL; nState <= PBFS_PARTIAL; ++nState) {
        bar.SetFillState(nState);
        ::RedrawWindow(bar.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_NE(bar.GetTheme(), nullptr) << "drawn themed";
        EXPECT_EQ(::GetPixel(hdc, rc.right / 2, rc.bottom / 2), colours[nState - 1]) << nState;
    }
    ::ReleaseDC(bar.m_hWnd, hdc);
}

TEST(MyProgCtlGdi, RepeatedOpensLeaveNoObjects)
{
    auto Open = [] {
        CEditsDlg dlg;
        ASSERT_TRUE(dlg.Create(CEditsDlg::IDD));
        dlg.ShowWindow(SW_SHOW);
        dlg.m_progress.SetPos(50);
        dlg.m_progress.SetFillState(PBFS_ERROR);
        ::UpdateWindow(dlg.m_hWnd);
        dlg.DestroyWindow();
    };
    Open();
    DWORD dwBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    for (int i = 0; i < 5; ++i)
        Open();
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS), dwBefore);
}

// A bar without a theme draws with its fill state's colour and keeps no
// theme until the theme changes; a theme given back is taken up again.
TEST_F(MyProgCtlTest, ThemeTakenAgainOnlyWhenItChanges)
{
    CMyProgCtl bar(PP_BAR, PBFS_NORMAL);
    ASSERT_TRUE(bar.Create(WS_VISIBLE, CRect(10, 10, 110, 30), &dlg, 4001));
    ASSERT_NE(bar.GetTheme(), nullptr);
    // A class list without theme data leaves the window without a theme
    // (Wine refuses the empty names that say so on Windows); the change
    // comes as WM_THEMECHANGED.
    ASSERT_EQ(::SetWindowTheme(bar.m_hWnd, nullptr, L"VornNoSuchThemeClass"), S_OK);
    EXPECT_EQ(bar.GetTheme(), nullptr) << "no theme for this window";
    struct {
        int nState;
        COLORREF cr;
    } states[] = {{PBFS_ERROR, RGB(255, 0, 0)}, {PBFS_PAUSED, RGB(255, 255, 0)}, {PBFS_NORMAL, RGB(0, 192, 0)}};
    for (const auto& s : states) {
        ASSERT_TRUE(bar.SetFillState(s.nState));
        ::RedrawWindow(bar.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ((COLORREF)::SendMessageA(bar.m_hWnd, PBM_GETBARCOLOR, 0, 0), s.cr) << s.nState;
        EXPECT_EQ(bar.GetTheme(), nullptr) << s.nState;
    }
    ASSERT_EQ(::SetWindowTheme(bar.m_hWnd, nullptr, L"PROGRESS"), S_OK);
    EXPECT_NE(bar.GetTheme(), nullptr) << "the theme is back";
    bar.DestroyWindow();
}
