// cdxCDynamicHelpPropSheetTest.cpp: the resizable help sheet and its pages
// under Wine: the sheet is made resizable, pages stay below the tabs and
// follow the sheet (also a page first shown after a resize), the close box
// cancels like Cancel, a page hosted outside a sheet activates on its own,
// and the themed page background leaks no GDI object over repaints.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "ResizeHelpSheet.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/PumpMessages.h"
#include "tests/support/ScopedIniStore.h"

namespace {

const char* kIni = "framework_tests_sheet.ini";

RECT ChildRect(HWND hParent, HWND hChild)
{
    RECT rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hParent, (POINT*)&rc, 2);
    return rc;
}

DWORD GdiCount()
{
    return vorntest::GdiObjectCount();
}

void Grow(CWnd& wnd, int dx, int dy)
{
    RECT rc;
    wnd.GetWindowRect(&rc);
    wnd.SetWindowPos(nullptr, 0, 0, rc.right - rc.left + dx, rc.bottom - rc.top + dy, SWP_NOMOVE | SWP_NOZORDER);
    vorntest::PumpMessages();
}

// The bottom of the tab row, in the sheet's client coordinates.
int TabsBottom(CResizeHelpSheet& sheet)
{
    HWND hTab = sheet.GetTabControl()->m_hWnd;
    RECT rcItem;
    ::SendMessageA(hTab, TCM_GETITEMRECT, 0, (LPARAM)&rcItem);
    ::MapWindowPoints(hTab, sheet.m_hWnd, (POINT*)&rcItem, 2);
    return rcItem.bottom;
}

struct SheetTest : ::testing::Test {
    vorntest::ScopedIniStore store{kIni};
};

// A plain popup window to host a page outside any sheet.
struct HostWindow {
    HostWindow()
    {
        h = ::CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 10, 10, 500, 400, nullptr, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr);
    }
    ~HostWindow() { ::DestroyWindow(h); }
    HWND h;
};

}  // namespace

TEST_F(SheetTest, SheetIsMadeResizableWithAMaximiseBox)
{
    CResizeHelpSheet sheet;
    ASSERT_TRUE(sheet.Create());
    DWORD dwStyle = sheet.GetStyle();
    EXPECT_TRUE(dwStyle & WS_THICKFRAME);
    EXPECT_TRUE(dwStyle & WS_MAXIMIZEBOX);
    EXPECT_TRUE(dwStyle & WS_CLIPCHILDREN);
    EXPECT_TRUE(sheet.IsActive());
    sheet.DestroyWindow();
}

TEST_F(SheetTest, PagesStayBelowTheTabsAndFollowTheSheet)
{
    CResizeHelpSheet sheet;
    ASSERT_TRUE(sheet.Create());
    vorntest::PumpMessages();
    HWND hTab = sheet.GetTabControl()->m_hWnd;
    RECT rcTab0 = ChildRect(sheet.m_hWnd, hTab);
    RECT rcOk0 = ChildRect(sheet.m_hWnd, sheet.GetDlgItem(IDOK)->m_hWnd);
    RECT rcPage0 = ChildRect(sheet.m_hWnd, sheet.m_General.m_hWnd);
    ASSERT_GE(rcPage0.top, TabsBottom(sheet));

    // Grow, then show the second page for the first time, then shrink back a little.
    Grow(sheet, 120, 80);
    sheet.SetActivePage(1);
    vorntest::PumpMessages();
    Grow(sheet, -30, -20);
    int dx = 90, dy = 60;

    RECT rcTab = ChildRect(sheet.m_hWnd, hTab);
    EXPECT_EQ(rcTab0.right + dx, rcTab.right);
    EXPECT_EQ(rcTab0.bottom + dy, rcTab.bottom);
    RECT rcOk = ChildRect(sheet.m_hWnd, sheet.GetDlgItem(IDOK)->m_hWnd);
    EXPECT_EQ(rcOk0.left + dx, rcOk.left);
    EXPECT_EQ(rcOk0.top + dy, rcOk.top);
    CPropertyPage* pages[] = {&sheet.m_General, &sheet.m_Options};
    for (CPropertyPage* p : pages) {
        SCOPED_TRACE(p->m_psp.pszTemplate == MAKEINTRESOURCEA(IDD_PAGE_ONE) ? "General" : "Options");
        RECT rc = ChildRect(sheet.m_hWnd, p->m_hWnd);
        EXPECT_GE(rc.top, TabsBottom(sheet));
        EXPECT_EQ(rcPage0.left, rc.left);
        EXPECT_EQ(rcPage0.top, rc.top);
        EXPECT_EQ(rcPage0.right + dx, rc.right);
        EXPECT_EQ(rcPage0.bottom + dy, rc.bottom);
        EXPECT_LE(rc.right, rcTab.right);
        EXPECT_LE(rc.bottom, rcTab.bottom);
    }
    // The page's own controls follow the page.
    RECT rcList = ChildRect(sheet.m_General.m_hWnd, sheet.m_General.GetDlgItem(IDC_PAGE_LIST)->m_hWnd);
    RECT rcPage = ChildRect(sheet.m_hWnd, sheet.m_General.m_hWnd);
    EXPECT_GT(rcPage.right - rcPage.left - rcList.right, 0);
    EXPECT_LT(rcPage.right - rcPage.left - rcList.right, 20);
    sheet.DestroyWindow();
}

// The sheet places its buttons in the lower right corner, where the size
// grip goes: the sheet grows below them, and they stay clear of the grip at
// any size. The tab control keeps its place above them.
TEST_F(SheetTest, SizeGripLiesBelowTheButtons)
{
    CResizeHelpSheet sheet;
    ASSERT_TRUE(sheet.Create());
    vorntest::PumpMessages();
    HWND hGrip = ::GetDlgItem(sheet.m_hWnd, kSizeGripId);
    ASSERT_NE(hGrip, nullptr);
    RECT rcTab = ChildRect(sheet.m_hWnd, sheet.GetTabControl()->m_hWnd);
    RECT rcOk = ChildRect(sheet.m_hWnd, sheet.GetDlgItem(IDOK)->m_hWnd);
    EXPECT_GT(rcOk.top, rcTab.bottom);
    for (int d : {0, 90, -40}) {
        Grow(sheet, d, d / 2);
        RECT rcClient, rcBoth, rcGrip = ChildRect(sheet.m_hWnd, hGrip);
        sheet.GetClientRect(&rcClient);
        EXPECT_EQ(rcClient.right, rcGrip.right);
        EXPECT_EQ(rcClient.bottom, rcGrip.bottom);
        for (int nID : {IDOK, IDCANCEL, (int)kSheetApplyId, IDHELP}) {
            CWnd* pButton = sheet.GetDlgItem(nID);
            ASSERT_NE(pButton, nullptr) << nID;
            RECT rc = ChildRect(sheet.m_hWnd, pButton->m_hWnd);
            EXPECT_FALSE(::IsWindowVisible(pButton->m_hWnd) && ::IntersectRect(&rcBoth, &rc, &rcGrip))
                << "button " << nID << " under the grip after " << d;
        }
    }
    sheet.DestroyWindow();
}

TEST_F(SheetTest, ANonWizardSheetRegistersOnlyPagesThatWereShown)
{
    CResizeHelpSheet sheet;
    ASSERT_TRUE(sheet.Create());
    int nBefore = sheet.GetCtrlCount();
    EXPECT_EQ(nullptr, sheet.m_Options.m_hWnd);
    sheet.SetActivePage(1);
    vorntest::PumpMessages();
    EXPECT_EQ(nBefore + 1, sheet.GetCtrlCount());
    sheet.SetActivePage(0);
    sheet.SetActivePage(1);
    EXPECT_EQ(nBefore + 1, sheet.GetCtrlCount());
    sheet.DestroyWindow();
}

TEST_F(SheetTest, CloseBoxOfAModalSheetCancelsLikeCancel)
{
    CResizeHelpSheet sheet;
    sheet.SetActivePage(1);
    INT_PTR r = vorntest::RunModal(sheet, [](HWND h) {
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        return false;
    });
    EXPECT_EQ(IDCANCEL, r);
    EXPECT_EQ(1, sheet.m_Options.m_nQueryCancel);
}

TEST_F(SheetTest, RemovedPageForgetsItsSheet)
{
    CResizeHelpSheet sheet;
    EXPECT_EQ(&sheet, sheet.m_Options.m_pSheet);
    sheet.RemovePage(1);
    EXPECT_EQ(nullptr, sheet.m_Options.m_pSheet);
}

TEST_F(SheetTest, PageOutsideASheetActivatesWithoutOne)
{
    HostWindow host;
    CGeneralPage page;
    ASSERT_TRUE(page.Create(CGeneralPage::IDD, CWnd::FromHandle(host.h)));
    EXPECT_EQ(nullptr, page.m_pSheet);
    EXPECT_TRUE(page.m_bInitialized);
    EXPECT_TRUE(page.OnSetActive());
    EXPECT_FALSE(page.m_bFirstActiveDone);
    EXPECT_TRUE(page.OnKillActive());
    page.DestroyWindow();
}

TEST_F(SheetTest, ThemedPageRepaintsLeakNoGdiObjects)
{
    HostWindow host;
    auto openPaintClose = [&](int nRepaints) {
        CGeneralPage page;
        if (!page.Create(CGeneralPage::IDD, CWnd::FromHandle(host.h)))
            return false;
        g_VisualStylesXP.EnableThemeDialogTexture(page.m_hWnd, ETDT_ENABLETAB);
        page.ShowWindow(SW_SHOW);
        for (int i = 0; i < nRepaints; ++i) {
            page.SetWindowPos(nullptr, 0, 0, 300 + i % 3, 200, SWP_NOMOVE | SWP_NOZORDER);
            page.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        bool bThemed = page.HasBackgroundBrush() && page.StaticBrush() != nullptr;
        page.DestroyWindow();
        return bThemed;
    };
    if (!openPaintClose(2))
        GTEST_SKIP() << "no themed page background on this system";
    DWORD n0 = GdiCount();
    ASSERT_GT(n0, 0u);
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(openPaintClose(5));
    EXPECT_EQ(n0, GdiCount());
}

// Under Wine an object of a repaint, or of the display's own handling of a
// window just shown, can be freed a little late, so single counts wander by
// one or two; a leak shows as a count that never comes down again.
TEST_F(SheetTest, ThemedRepaintsOfOneOpenPageKeepTheGdiCount)
{
    HostWindow host;
    CGeneralPage page;
    ASSERT_TRUE(page.Create(CGeneralPage::IDD, CWnd::FromHandle(host.h)));
    g_VisualStylesXP.EnableThemeDialogTexture(page.m_hWnd, ETDT_ENABLETAB);
    page.ShowWindow(SW_SHOW);
    auto repaint = [&] {
        page.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return GdiCount();
    };
    DWORD nMax = 0;
    for (int i = 0; i < 5; ++i)
        nMax = std::max(nMax, repaint());
    ASSERT_TRUE(page.HasBackgroundBrush());
    for (int i = 0; i < 40; ++i)
        repaint();
    DWORD nLowest = repaint();
    for (int i = 0; i < 9; ++i)
        nLowest = std::min(nLowest, repaint());
    EXPECT_LE(nLowest, nMax) << "the lowest count of the last 10 of 50 repaints is above the highest of the first 5";
    page.DestroyWindow();
}

TEST_F(SheetTest, OpenAndCloseOfTheSheetLeavesNoGdiObjects)
{
    auto cycle = [] {
        CResizeHelpSheet sheet;
        if (!sheet.Create())
            return;
        sheet.SetActivePage(1);
        Grow(sheet, 40, 30);
        sheet.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        sheet.DestroyWindow();
    };
    cycle();
    DWORD n0 = GdiCount();
    for (int i = 0; i < 5; ++i)
        cycle();
    EXPECT_EQ(n0, GdiCount());
}
