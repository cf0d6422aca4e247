// HelpButtonPlaceTest.cpp: where CHelpButtonWnd<T> puts its caption button on
// an uncomposed frame, checked against the caption buttons the system itself
// hit-tests, under Wine: over the help button the system sees plain caption,
// and its close button starts right after it, as tall as the help button.
//
// Wine differs from Windows with minimise and maximise boxes: its classic
// caption buttons are SM_CXSIZE wide and have no gap between close and
// maximise, so the help button, spaced as Windows spaces its buttons, would
// cover the left edge of Wine's minimise box; it moves left of it. A title
// too long for the room left of the help button ends with "..." before it.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "ResizeHelpDlg.h"
#include "ResizeHelpSheet.h"
#include "platform/CDC.h"
#include "platform/CGdiObject.h"
#include "tests/support/DcPixels.h"
#include "tests/support/MessageCounter.h"
#include "tests/support/ScopedIniStore.h"

namespace {

class CPlaceProbeDlg : public CResizeHelpDlg {
public:
    using CResizeHelpDlg::GetHelpButtonRect;
    using CResizeHelpDlg::GetCaptionTitleStrip;
};

class CPlaceProbeSheet : public CResizeHelpSheet {
public:
    using CResizeHelpSheet::GetHelpButtonRect;
};

// What the system's hit test reports at (x, y) in window coordinates.
LRESULT SystemHit(HWND h, int x, int y)
{
    RECT rcWnd;
    ::GetWindowRect(h, &rcWnd);
    return ::DefWindowProcA(h, WM_NCHITTEST, 0, MAKELPARAM(rcWnd.left + x, rcWnd.top + y));
}

}  // namespace

TEST(HelpButtonPlace, SitsLeftOfTheCloseButtonTheSystemHitTests)
{
    vorntest::ScopedIniStore store{"framework_tests_place.ini"};
    CPlaceProbeDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    dlg.ShowWindow(SW_SHOW);
    RECT rc = dlg.GetHelpButtonRect();
    ASSERT_FALSE(::IsRectEmpty(&rc));
    int yMid = (rc.top + rc.bottom) / 2;
    for (int x = rc.left; x < rc.right; ++x)
        ASSERT_EQ(HTCAPTION, SystemHit(dlg.m_hWnd, x, yMid)) << "x=" << x;
    // The close button begins within one edge of the help button's right side.
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    int xClose = rc.right;
    while (xClose <= rc.right + cxEdge && SystemHit(dlg.m_hWnd, xClose, yMid) != HTCLOSE)
        ++xClose;
    EXPECT_EQ(HTCLOSE, SystemHit(dlg.m_hWnd, xClose, yMid));
    // The help button's top and bottom rows lie within the close button.
    EXPECT_EQ(HTCLOSE, SystemHit(dlg.m_hWnd, xClose + 1, rc.top));
    EXPECT_EQ(HTCLOSE, SystemHit(dlg.m_hWnd, xClose + 1, rc.bottom - 1));
    dlg.DestroyWindow();
}

namespace {

// Over the help button and the edge's gap after it the system sees plain
// caption, and its first own button (nFirst) begins right after.
void ExpectClearOfTheSystemsButtons(HWND h, const RECT& rc, LRESULT nFirst)
{
    ASSERT_FALSE(::IsRectEmpty(&rc));
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    int yMid = (rc.top + rc.bottom) / 2;
    for (int x = rc.left; x < rc.right + cxEdge; ++x)
        ASSERT_EQ(HTCAPTION, SystemHit(h, x, yMid)) << "x=" << x;
    int x = rc.right + cxEdge;
    while (x <= rc.right + 3 * cxEdge && SystemHit(h, x, yMid) == HTCAPTION)
        ++x;
    EXPECT_EQ(nFirst, SystemHit(h, x, yMid)) << "x=" << x;
}

// The pixels of the caption strip as PaintCaptionTitle draws it with the
// window's title, minus those it draws with no title: the title's pixels.
std::vector<POINT> TitlePixels(CPlaceProbeDlg& dlg, const CaptionTitleStrip& strip, const RECT& rcButton)
{
    RECT rcWnd;
    dlg.GetWindowRect(&rcWnd);
    int cx = rcWnd.right - rcWnd.left, cy = strip.rcStrip.bottom;
    CString strTitle;
    dlg.GetWindowText(strTitle);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    HDC hdc = ::CreateCompatibleDC(nullptr);
    std::vector<DWORD> with((size_t)cx * cy), without((size_t)cx * cy);
    for (std::vector<DWORD>* pBits : {&with, &without}) {
        void* pDib = nullptr;
        CBitmap bmp;
        bmp.Attach(::CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &pDib, nullptr, 0));
        HGDIOBJ hOld = ::SelectObject(hdc, bmp.m_hObject);
        // The title is set without repainting the caption.
        ::DefWindowProcA(dlg.m_hWnd, WM_SETTEXT, 0, (LPARAM)(pBits == &with ? (const char*)strTitle : ""));
        PaintCaptionTitle(dlg.m_hWnd, hdc, strip, rcButton, true);
        ::GdiFlush();
        std::copy((const DWORD*)pDib, (const DWORD*)pDib + pBits->size(), pBits->begin());
        ::SelectObject(hdc, hOld);
    }
    ::DeleteDC(hdc);
    ::DefWindowProcA(dlg.m_hWnd, WM_SETTEXT, 0, (LPARAM)(const char*)strTitle);
    std::vector<POINT> pixels;
    for (int y = strip.rcStrip.top; y < cy; ++y)
        for (int x = strip.rcStrip.left; x < strip.rcStrip.right; ++x)
            if (with[(size_t)y * cx + x] != without[(size_t)y * cx + x])
                pixels.push_back(POINT{x, y});
    return pixels;
}

}  // namespace

TEST(HelpButtonPlace, StaysClearOfTheMinimiseAndMaximiseBoxes)
{
    vorntest::ScopedIniStore store{"framework_tests_place.ini"};
    CPlaceProbeDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    dlg.ModifyStyle(0, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    dlg.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    dlg.ShowWindow(SW_SHOW);
    // One help button only: the system's own would come with WS_EX_CONTEXTHELP.
    EXPECT_FALSE(dlg.GetExStyle() & WS_EX_CONTEXTHELP);
    ExpectClearOfTheSystemsButtons(dlg.m_hWnd, dlg.GetHelpButtonRect(), HTMINBUTTON);
    dlg.DestroyWindow();

    // A resizable sheet (maximise box) and its caption the same way.
    CPlaceProbeSheet sheet;
    ASSERT_TRUE(sheet.Create());
    ASSERT_TRUE(sheet.GetStyle() & WS_MAXIMIZEBOX);
    EXPECT_FALSE(sheet.GetExStyle() & WS_EX_CONTEXTHELP);
    ExpectClearOfTheSystemsButtons(sheet.m_hWnd, sheet.GetHelpButtonRect(), HTMINBUTTON);
    sheet.DestroyWindow();
}

TEST(HelpButtonPlace, ALongTitleEndsWithDotsBeforeTheHelpButton)
{
    vorntest::ScopedIniStore store{"framework_tests_place.ini"};
    CPlaceProbeDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    dlg.ModifyStyle(0, WS_MINIMIZEBOX);
    dlg.SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    dlg.ShowWindow(SW_SHOW);
    RECT rcButton = dlg.GetHelpButtonRect();
    CaptionTitleStrip strip = dlg.GetCaptionTitleStrip(rcButton);
    EXPECT_LE(strip.nTextRight, rcButton.left);

    CWindowDC dcMeasure(dlg.m_hWnd);
    dlg.SetWindowText("Vorn");
    EXPECT_FALSE(CaptionTitleOverruns(dlg.m_hWnd, dcMeasure, strip));
    std::vector<POINT> shortTitle = TitlePixels(dlg, strip, rcButton);
    ASSERT_FALSE(shortTitle.empty());

    dlg.SetWindowText("ReelDivide - vorn-system-residence-volume-ZQC001.reel to ZQC002.reel");
    EXPECT_TRUE(CaptionTitleOverruns(dlg.m_hWnd, dcMeasure, strip));
    std::vector<POINT> longTitle = TitlePixels(dlg, strip, rcButton);
    ASSERT_FALSE(longTitle.empty());
    LONG xLast = 0, yTop = LONG_MAX, yBottom = 0;
    for (const POINT& pt : longTitle) {
        xLast = std::max(xLast, pt.x);
        yTop = std::min(yTop, pt.y);
        yBottom = std::max(yBottom, pt.y);
    }
    EXPECT_LT(xLast, strip.nTextRight) << "the title runs on under the help button";
    // The last few columns hold only the dots: low and flat, where letters
    // are as tall as the text.
    LONG yDotsTop = LONG_MAX, yDotsBottom = 0;
    for (const POINT& pt : longTitle)
        if (pt.x > xLast - 8) {
            yDotsTop = std::min(yDotsTop, pt.y);
            yDotsBottom = std::max(yDotsBottom, pt.y);
        }
    EXPECT_LE(yDotsBottom - yDotsTop, 2) << "no \"...\" at the end of the title";
    EXPECT_GE(yBottom - yTop, 6);
    EXPECT_GT(yDotsTop, yTop + (yBottom - yTop) / 2) << "the dots sit on the line";
    dlg.DestroyWindow();
}

namespace {

// The caption strip's pixels as the window shows them.
std::vector<DWORD> CaptionOnScreen(HWND h, const CaptionTitleStrip& strip)
{
    RECT rcWnd;
    ::GetWindowRect(h, &rcWnd);
    HDC hdc = ::GetWindowDC(h);
    std::vector<DWORD> bits = vorntest::DcPixels(hdc, 0, 0, rcWnd.right - rcWnd.left, strip.rcStrip.bottom);
    ::ReleaseDC(h, hdc);
    return bits;
}

}  // namespace

// A title set while the window is hidden paints nothing then, and shows
// with the window as a title set while it shows.
TEST(HelpButtonPlace, ATitleSetWhileHiddenShowsWithTheWindow)
{
    vorntest::ScopedIniStore store{"framework_tests_place.ini"};
    CPlaceProbeDlg dlg;
    ASSERT_TRUE(dlg.Create(CResizeHelpDlg::IDD));
    dlg.ShowWindow(SW_HIDE);
    dlg.SetWindowPos(nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    {
        vorntest::MessageCounter paints(dlg.m_hWnd, WM_NCPAINT);
        ASSERT_TRUE(paints.Watching());
        dlg.SetWindowText("Vorn");
        EXPECT_EQ(paints.Count(), 0);
        dlg.ShowWindow(SW_SHOW);
        dlg.UpdateWindow();
        EXPECT_GT(paints.Count(), 0) << "shown, the caption is painted";
    }
    RECT rcButton = dlg.GetHelpButtonRect();
    CaptionTitleStrip strip = dlg.GetCaptionTitleStrip(rcButton);
    std::vector<DWORD> setHidden = CaptionOnScreen(dlg.m_hWnd, strip);
    dlg.SetWindowText("ZQC");
    EXPECT_NE(CaptionOnScreen(dlg.m_hWnd, strip), setHidden) << "a title set while shown is painted at once";
    dlg.SetWindowText("Vorn");
    EXPECT_EQ(CaptionOnScreen(dlg.m_hWnd, strip), setHidden);
    dlg.DestroyWindow();
}
