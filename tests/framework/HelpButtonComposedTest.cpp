// HelpButtonComposedTest.cpp: the caption painting of CHelpButtonWnd<T> for
// desktop composition, under Wine. Wine reports composition off, so the
// window paints its frame the classic way; these tests call the composited
// caption's pieces directly: their geometry, the caption image's place,
// that child and minimised windows are left alone, and that repeated
// painting leaves no GDI objects behind.
#include <gtest/gtest.h>

#include "ResizeHelpDlg.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/ScopedIniStore.h"

namespace {

const char* kIni = "framework_tests_composed.ini";
const COLORREF kMarker = RGB(255, 0, 0);

struct ComposedCaptionTest : ::testing::Test {
    vorntest::ScopedIniStore store{kIni};

    void SetUp() override
    {
        ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
        dlg.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        if (dlg.m_hWnd)
            dlg.DestroyWindow();
    }
    SIZE WindowSize()
    {
        RECT rc;
        dlg.GetWindowRect(&rc);
        return SIZE{rc.right - rc.left, rc.bottom - rc.top};
    }
    CResizeHelpDlg dlg;
};

// A dialog whose caption buttons, as composition would report them, are
// given by the test.
class CTitleBarProbeDlg : public CResizeHelpDlg {
public:
    TITLEBARINFOEX m_tbi = {};
    bool OnWndMsg(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult) override
    {
        if (msg == WM_GETTITLEBARINFOEX) {
            TITLEBARINFOEX* p = (TITLEBARINFOEX*)lp;
            DWORD cb = p->cbSize;
            *p = m_tbi;
            p->cbSize = cb;
            *pResult = 0;
            return true;
        }
        return CResizeHelpDlg::OnWndMsg(msg, wp, lp, pResult);
    }
    using CResizeHelpDlg::GetHelpButtonRectComposed;
};

}  // namespace

// Under composition the button sits left of the leftmost caption button the
// system reports, in window coordinates, moved right 2 and up 1.
TEST(ComposedCaptionGeometry, ButtonSitsLeftOfTheReportedCaptionButtons)
{
    SetSettingsStore(std::make_unique<CIniSettingsStore>(kIni));
    CTitleBarProbeDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    RECT rcWnd;
    dlg.GetWindowRect(&rcWnd);
    // Close, maximise and minimise from the right, 30 pixels apart.
    dlg.m_tbi.rgrect[5] = RECT{rcWnd.left + 360, rcWnd.top + 6, rcWnd.left + 388, rcWnd.top + 26};
    dlg.m_tbi.rgrect[3] = RECT{rcWnd.left + 330, rcWnd.top + 6, rcWnd.left + 358, rcWnd.top + 26};
    dlg.m_tbi.rgrect[2] = RECT{rcWnd.left + 300, rcWnd.top + 5, rcWnd.left + 328, rcWnd.top + 26};
    SIZE s = dlg.GetHelpButtonSize();
    RECT rc = dlg.GetHelpButtonRectComposed();
    EXPECT_EQ(300 - s.cx + 2, rc.left);
    EXPECT_EQ(300 + 2, rc.right);
    EXPECT_EQ(5 - 1, rc.top);
    EXPECT_EQ(5 - 1 + s.cy, rc.bottom);
    // A minimise button at the far end of the range does not count.
    dlg.m_tbi.rgrect[2].left = LONG_MAX;
    rc = dlg.GetHelpButtonRectComposed();
    EXPECT_EQ(330 + 2, rc.right);
    // No caption buttons reported: no help button either.
    dlg.m_tbi = TITLEBARINFOEX{};
    rc = dlg.GetHelpButtonRectComposed();
    EXPECT_TRUE(::IsRectEmpty(&rc));
    dlg.DestroyWindow();
    SetSettingsStore(nullptr);
    std::remove(kIni);
}

TEST_F(ComposedCaptionTest, CaptionRectIsTheFrameTopAsHighAsTheCaption)
{
    RECT rc = dlg.GetCaptionRect();
    SIZE sz = WindowSize();
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(0, rc.top);
    EXPECT_EQ(sz.cx, rc.right);
    EXPECT_EQ(::GetSystemMetrics(SM_CYCAPTION) + ::GetSystemMetrics(SM_CYSIZEFRAME), rc.bottom);
    EXPECT_EQ(rc.bottom, dlg.GetCaptionHeight());
}

TEST_F(ComposedCaptionTest, SystemMenuIconSitsCentredAfterTheFrame)
{
    ASSERT_TRUE(dlg.GetStyle() & WS_SYSMENU);
    RECT rc = dlg.GetSysMenuIconRect();
    int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
    int nCaption = dlg.GetCaptionHeight();
    ASSERT_GE(nCaption, cy);
    EXPECT_EQ(::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXSIZEFRAME), rc.left);
    EXPECT_EQ((nCaption - cy) / 2, rc.top);
    EXPECT_EQ(cx, rc.right - rc.left);
    EXPECT_EQ(cy, rc.bottom - rc.top);
}

TEST_F(ComposedCaptionTest, WithoutASystemMenuTheIconRectIsEmptyAtHalfTheCaption)
{
    dlg.ModifyStyle(WS_SYSMENU, 0);
    RECT rc = dlg.GetSysMenuIconRect();
    EXPECT_TRUE(::IsRectEmpty(&rc));
    EXPECT_EQ(dlg.GetCaptionHeight() / 2, rc.top);
    EXPECT_EQ(::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXSIZEFRAME), rc.left);
}

TEST_F(ComposedCaptionTest, CaptionTextExtentGrowsWithTheText)
{
    dlg.SetWindowText("A");
    SIZE szShort = dlg.GetCaptionTextExtent();
    dlg.SetWindowText("A much longer caption text");
    SIZE szLong = dlg.GetCaptionTextExtent();
    EXPECT_GT(szShort.cy, 0);
    EXPECT_GT(szLong.cx, szShort.cx);
    dlg.SetWindowText("");
    EXPECT_EQ(0, dlg.GetCaptionTextExtent().cx);
}

// The caption image covers the whole width and exactly the caption's height
// of the target, whatever the theme drew into it.
TEST_F(ComposedCaptionTest, CaptionImageCoversTheCaptionOnly)
{
    SIZE sz = WindowSize();
    int nCaption = dlg.GetCaptionHeight();
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, sz.cx, nCaption + 10);
    ::ReleaseDC(nullptr, hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hbm);
    RECT rcAll = {0, 0, sz.cx, nCaption + 10};
    HBRUSH hbr = ::CreateSolidBrush(kMarker);
    ::FillRect(hdc, &rcAll, hbr);
    ::DeleteObject(hbr);
    dlg.DrawCompositedCaptionText(hdc);
    EXPECT_NE(kMarker, ::GetPixel(hdc, 0, 0));
    EXPECT_NE(kMarker, ::GetPixel(hdc, sz.cx - 1, nCaption - 1));
    EXPECT_EQ(kMarker, ::GetPixel(hdc, 0, nCaption));
    EXPECT_EQ(kMarker, ::GetPixel(hdc, sz.cx - 1, nCaption + 9));
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hbm);
    ::DeleteDC(hdc);
}

TEST_F(ComposedCaptionTest, RepeatedPaintingLeavesNoGdiObjects)
{
    dlg.PaintCompositedCaption();
    dlg.ClearCompositedFrame();
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 20; ++i) {
        dlg.ClearCompositedFrame();
        dlg.PaintCompositedCaption();
        HDC hdc = ::GetWindowDC(dlg.m_hWnd);
        dlg.DrawCompositedSysMenuIcon(hdc);
        dlg.DrawCompositedCaptionText(hdc);
        ::ReleaseDC(dlg.m_hWnd, hdc);
    }
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
}

// The icon drawn is the window's own when it has one; the program file's
// icons, taken when it has none, are destroyed again.
TEST_F(ComposedCaptionTest, SystemMenuIconFromTheWindowOrTheProgramLeaksNothing)
{
    HICON hIcon = ::LoadIcon(nullptr, IDI_INFORMATION);
    dlg.SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)hIcon);
    HDC hdc = ::GetWindowDC(dlg.m_hWnd);
    dlg.DrawCompositedSysMenuIcon(hdc);
    EXPECT_EQ((LRESULT)hIcon, dlg.SendMessage(WM_GETICON, ICON_SMALL, 0));  // not destroyed
    dlg.SendMessage(WM_SETICON, ICON_SMALL, 0);
    dlg.SendMessage(WM_SETICON, ICON_BIG, 0);
    dlg.DrawCompositedSysMenuIcon(hdc);
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 10; ++i)
        dlg.DrawCompositedSysMenuIcon(hdc);
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
    ::ReleaseDC(dlg.m_hWnd, hdc);
}

TEST_F(ComposedCaptionTest, MinimisedWindowsHaveNoCaptionToPaint)
{
    dlg.ShowWindow(SW_MINIMIZE);
    ASSERT_TRUE(dlg.IsIconic());
    EXPECT_EQ(0, dlg.GetCaptionHeight());
    RECT rc = dlg.GetCaptionRect();
    EXPECT_TRUE(::IsRectEmpty(&rc));
    DWORD nBefore = vorntest::GdiObjectCount();
    dlg.ClearCompositedFrame();
    dlg.PaintCompositedCaption();
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
    dlg.ShowWindow(SW_RESTORE);
}

TEST_F(ComposedCaptionTest, UncomposedFramePaintsTheClassicWay)
{
    ASSERT_FALSE(g_VisualStylesXP.IsCompositionActive());  // Wine: composition off
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 10; ++i)
        dlg.SendMessage(WM_NCPAINT, 1);
    EXPECT_EQ(nBefore, vorntest::GdiObjectCount());
    RECT rcButton = dlg.GetHelpButtonRect();
    EXPECT_FALSE(::IsRectEmpty(&rcButton));
}
