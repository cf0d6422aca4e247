// HelpButtonPlaceTest.cpp: where CHelpButtonWnd<T> puts its caption button on
// an uncomposed frame, checked against the caption buttons the system itself
// hit-tests, under Wine: over the help button the system sees plain caption,
// and its close button starts right after it, as tall as the help button.
//
// Wine differs from Windows with minimise and maximise boxes: its classic
// caption buttons are SM_CXSIZE wide and have no gap between close and
// maximise, so the help button, spaced as Windows spaces its buttons, covers
// the left edge of Wine's minimise box. That case is not asserted here.
#include <gtest/gtest.h>

#include "ResizeHelpDlg.h"
#include "tests/support/ScopedIniStore.h"

namespace {

class CPlaceProbeDlg : public CResizeHelpDlg {
public:
    using CResizeHelpDlg::GetHelpButtonRect;
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
