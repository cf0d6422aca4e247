// SettingsDialogTest.cpp: the settings dialog with a tree of pages under
// Wine, against pages that record the sheet notifications they get: the
// rules for adding pages and who owns them, the tree order of property
// pages, the start page, the caption path, Apply enabling, the OK, Apply
// and Cancel sequences with refusals, Cancel-to-Close, the size that fits
// the largest page, the remembered position per dialog id, GDI objects.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SettingsTestPages.h"
#include "SettingsTestRes.h"
#include "framework/HelpKeys.h"
#include "framework/ScreenCover.h"
#include "framework/SettingsDialog.h"
#include "platform/ProfileStore.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/HangWatch.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/support/ScreenShows.h"

// The program's import of SetTimer, which each of its calls goes through.
using SetTimerFunction = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC);
extern SetTimerFunction g_pfnImportedSetTimer asm("__imp__SetTimer@16");

namespace {

const char* kIni = "settings_tests.ini";

struct SettingsTest : ::testing::Test {
    vorntest::ScopedIniStore store{kIni};
};

// A dialog with four recording pages: General, Large (under General),
// Small (under Large) and Other at the top level, added in that order.
struct FourPages {
    PageLog log;
    CRecordingPage general{IDD_TPAGE_GENERAL, "general", &log};
    CRecordingPage large{IDD_TPAGE_LARGE, "large", &log};
    CRecordingPage small{IDD_TPAGE_SMALL, "small", &log};
    CRecordingPage other{IDD_TPAGE_SMALL, "other", &log};
    CSettingsDialog dlg{708, 125, "Preferences"};

    FourPages()
    {
        EXPECT_TRUE(dlg.AddPage(nullptr, "General", &general, IDD_TPAGE_GENERAL));
        EXPECT_TRUE(dlg.AddPage("General", "Large", &large, IDD_TPAGE_LARGE));
        EXPECT_TRUE(dlg.AddPage("Large", "Small", &small, IDD_TPAGE_SMALL));
        EXPECT_TRUE(dlg.AddPage(nullptr, "Other", &other, IDD_TPAGE_SMALL));
    }
};

HWND Item(HWND hDlg, int nId)
{
    return ::GetDlgItem(hDlg, nId);
}

void Press(HWND hDlg, int nId)
{
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)Item(hDlg, nId));
}

// Selects the tree item with the text, as a click would.
bool SelectTreeItem(HWND hDlg, const char* pszText)
{
    HWND hTree = Item(hDlg, IDC_SETTINGS_TREE);
    HTREEITEM h = TreeView_GetRoot(hTree);
    while (h) {
        char buf[64] = {};
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = h;
        item.pszText = buf;
        item.cchTextMax = sizeof(buf);
        TreeView_GetItem(hTree, &item);
        if (std::strcmp(buf, pszText) == 0)
            return TreeView_SelectItem(hTree, h) != FALSE;
        HTREEITEM hNext = TreeView_GetChild(hTree, h);
        for (HTREEITEM p = h; !hNext && p; p = TreeView_GetParent(hTree, p))
            hNext = TreeView_GetNextSibling(hTree, p);
        h = hNext;
    }
    return false;
}

CRect ChildRect(HWND hDlg, HWND hChild)
{
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hDlg, (POINT*)&rc, 2);
    return rc;
}

SetTimerFunction g_pfnSetTimer = g_pfnImportedSetTimer;  // the system's
bool g_bRefuseTimers = false;
int g_nRefusedTimers = 0;

// Timers of windows refused as when the system has none left; the driver's
// timers of no window are made.
UINT_PTR WINAPI RefusingSetTimer(HWND hWnd, UINT_PTR nId, UINT nMs, TIMERPROC pfn)
{
    bool bRefused = hWnd && g_bRefuseTimers;
    g_nRefusedTimers += bRefused;
    return bRefused ? 0 : g_pfnSetTimer(hWnd, nId, nMs, pfn);
}

void ImportSetTimer(SetTimerFunction pfn)
{
    DWORD dwWas = 0;
    ::VirtualProtect(&g_pfnImportedSetTimer, sizeof pfn, PAGE_READWRITE, &dwWas);
    g_pfnImportedSetTimer = pfn;
}

}  // namespace

// ---- adding pages --------------------------------------------------------------

TEST_F(SettingsTest, CaptionsAreUniqueWithoutRegardToCaseAndParentsMustExist)
{
    PageLog log;
    CRecordingPage a(IDD_TPAGE_SMALL, "a", &log), b(IDD_TPAGE_SMALL, "b", &log), c(IDD_TPAGE_SMALL, "c", &log);
    CSettingsDialog dlg(720, 150);
    EXPECT_TRUE(dlg.AddPage(nullptr, "Devices", &a, IDD_TPAGE_SMALL));
    EXPECT_FALSE(dlg.AddPage(nullptr, "DEVICES", &b, IDD_TPAGE_SMALL));
    EXPECT_FALSE(dlg.AddPage("Nowhere", "Disks", &b, IDD_TPAGE_SMALL));
    EXPECT_TRUE(dlg.AddPage("devices", "Disks", &b, IDD_TPAGE_SMALL));
    EXPECT_TRUE(dlg.AddPage("", "", &c, IDD_TPAGE_SMALL));
    ASSERT_EQ(3u, dlg.Records().size());
    EXPECT_STREQ("devices", dlg.Records()[1]->strParentCaption);
}

TEST_F(SettingsTest, CallerPagesAreNeverOwnedEvenWithoutCaptions)
{
    PageLog log;
    CRecordingPage first(IDD_TPAGE_SMALL, "first", &log), second(IDD_TPAGE_SMALL, "second", &log);
    {
        CSettingsDialog dlg(708, 125);
        ASSERT_TRUE(dlg.AddPage(nullptr, nullptr, &first, IDD_TPAGE_SMALL));
        ASSERT_TRUE(dlg.AddPage(nullptr, nullptr, &second, IDD_TPAGE_SMALL));
        for (const auto& p : dlg.Records()) {
            EXPECT_FALSE(p->wFlags & SettingsPageRecord::kOwned);
            EXPECT_TRUE(p->wFlags & SettingsPageRecord::kPropertyPage);
            EXPECT_STREQ("", p->strCaption);
        }
    }
    // The dialog is gone and both stack pages are intact (a delete would crash here).
    EXPECT_EQ(nullptr, second.m_hWnd);
}

TEST_F(SettingsTest, PagesMadeFromTheirClassBelongToTheDialog)
{
    int nBefore = CCountedPage::s_nLive;
    {
        CSettingsDialog dlg(708, 125);
        CWnd* pPage = dlg.AddPage(nullptr, "Counted", RUNTIME_CLASS(CCountedPage), IDD_TPAGE_SMALL);
        ASSERT_NE(nullptr, pPage);
        EXPECT_EQ(nBefore + 1, CCountedPage::s_nLive);
        EXPECT_TRUE(dlg.RecordOf(pPage)->wFlags & SettingsPageRecord::kOwned);
        // Refused: nothing is made.
        EXPECT_EQ(nullptr, dlg.AddPage(nullptr, "COUNTED", RUNTIME_CLASS(CCountedPage), IDD_TPAGE_SMALL));
        EXPECT_EQ(nBefore + 1, CCountedPage::s_nLive);
        // No class: a record without a page object.
        EXPECT_EQ(nullptr, dlg.AddPage(nullptr, "Empty", (const CRuntimeClass*)nullptr, 0));
        EXPECT_EQ(2u, dlg.Records().size());
    }
    EXPECT_EQ(nBefore, CCountedPage::s_nLive);
}

TEST_F(SettingsTest, CaptionsAreCopies)
{
    PageLog log;
    CRecordingPage a(IDD_TPAGE_SMALL, "a", &log);
    char szCaption[16] = "Logging";
    char szParent[16] = "";
    CSettingsDialog dlg(708, 125);
    ASSERT_TRUE(dlg.AddPage(szParent, szCaption, &a, IDD_TPAGE_SMALL));
    std::strcpy(szCaption, "Changed");
    EXPECT_STREQ("Logging", dlg.Records()[0]->strCaption);
}

// ---- the open dialog -------------------------------------------------------------

TEST_F(SettingsTest, PropertyPagesAreCountedInTreeOrderAndTheFirstShows)
{
    FourPages t;
    CPlainPage plain(IDD_TPLAIN);
    ASSERT_TRUE(t.dlg.AddPage("General", "Plain", &plain, IDD_TPLAIN));
    t.dlg.m_nStartPage = -1;
    INT_PTR r = vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        EXPECT_EQ(4, t.dlg.GetPageCount());
        // Tree pre-order: General, Large, Small (under Large), Other; the plain page is no property page.
        EXPECT_EQ(&t.general, t.dlg.GetPage(0));
        EXPECT_EQ(&t.large, t.dlg.GetPage(1));
        EXPECT_EQ(&t.small, t.dlg.GetPage(2));
        EXPECT_EQ(&t.other, t.dlg.GetPage(3));
        EXPECT_EQ(nullptr, t.dlg.GetPage(4));
        EXPECT_EQ(nullptr, t.dlg.GetPage(-1));
        EXPECT_EQ(-1, t.dlg.GetPageIndex(&plain));
        EXPECT_EQ(0, t.dlg.GetActiveIndex());
        EXPECT_TRUE(t.general.IsWindowVisible());
        EXPECT_FALSE(t.large.IsWindowVisible());
        // Adding once the window exists is refused.
        CRecordingPage late(IDD_TPAGE_SMALL, "late", &t.log);
        EXPECT_FALSE(t.dlg.AddPage(nullptr, "Late", &late, IDD_TPAGE_SMALL));
        char szTitle[64] = {};
        ::GetWindowTextA(hDlg, szTitle, sizeof(szTitle));
        EXPECT_STREQ("Preferences", szTitle);
        // A plain dialog page shows without notifications.
        EXPECT_TRUE(SelectTreeItem(hDlg, "Plain"));
        EXPECT_TRUE(plain.IsWindowVisible());
        EXPECT_EQ(nullptr, t.dlg.GetActivePage());
        EXPECT_EQ(-1, t.dlg.GetActiveIndex());
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    EXPECT_EQ(IDCANCEL, r);
    EXPECT_EQ(nullptr, plain.m_hWnd);
}

TEST_F(SettingsTest, AStartPageOutOfRangeShowsTheFirstAndAValidOneIsShown)
{
    const int starts[] = {-1, 4, 99, 2};
    const int shown[] = {0, 0, 0, 2};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(starts[i]);
        FourPages t;
        t.dlg.m_nStartPage = starts[i];
        vorntest::RunModal(t.dlg, [&](HWND hDlg) {
            EXPECT_EQ(shown[i], t.dlg.GetActiveIndex());
            EXPECT_EQ(shown[i], t.dlg.m_nStartPage);
            ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
    }
}

TEST_F(SettingsTest, TheCaptionBarShowsThePathOfTheCurrentPage)
{
    FourPages t;
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        // The page's own template caption when it has one, else its tree caption.
        EXPECT_STREQ("General Settings", t.dlg.GetCaptionText());
        EXPECT_TRUE(SelectTreeItem(hDlg, "Large"));
        EXPECT_STREQ("General :: Large", t.dlg.GetCaptionText());
        EXPECT_TRUE(SelectTreeItem(hDlg, "Small"));
        EXPECT_STREQ("General :: Large :: Small", t.dlg.GetCaptionText());
        EXPECT_EQ(2, t.dlg.m_nStartPage);
        EXPECT_TRUE(SelectTreeItem(hDlg, "Other"));
        EXPECT_STREQ("Small", t.dlg.GetCaptionText());
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

TEST_F(SettingsTest, ChangingPagesAsksBothAndRefusalsAreKept)
{
    FourPages t;
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        t.log.clear();
        EXPECT_TRUE(SelectTreeItem(hDlg, "Other"));
        EXPECT_EQ((PageLog{"general:killactive", "other:setactive"}), t.log);
        EXPECT_FALSE(t.general.IsWindowVisible());
        EXPECT_TRUE(t.other.IsWindowVisible());
        // A page that refuses to be left keeps the selection.
        t.other.m_bRefuseKillActive = true;
        SelectTreeItem(hDlg, "General");
        EXPECT_EQ(3, t.dlg.GetActiveIndex());
        EXPECT_TRUE(t.other.IsWindowVisible());
        t.other.m_bRefuseKillActive = false;
        // A page that refuses to show stays hidden while its item is selected.
        t.large.m_bRefuseSetActive = true;
        EXPECT_TRUE(SelectTreeItem(hDlg, "Large"));
        EXPECT_FALSE(t.large.IsWindowVisible());
        EXPECT_STREQ("General :: Large", t.dlg.GetCaptionText());
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

// A close posted to every window of the program (taskkill) leaves a cover
// of the screen up: it goes with its own step or its owner, not before the
// window under it has painted.
TEST(ScreenCover, APostedCloseLeavesItUp)
{
    HWND hOwner = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr,
                                    nullptr, nullptr);
    ASSERT_TRUE(hOwner);
    {
        CScreenCover cover(hOwner, RECT{10, 10, 210, 110});
        ASSERT_TRUE(cover.m_hWnd);
        ::PostMessageA(cover.m_hWnd, WM_CLOSE, 0, 0);
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        EXPECT_TRUE(::IsWindow(cover.m_hWnd) && ::IsWindowVisible(cover.m_hWnd));
    }
    ::DestroyWindow(hOwner);
}

// A group without a page (the preferences' Appearance) showed the page before
// under its header: the screen shows only the dialog at rest at each step.
TEST_F(SettingsTest, AGroupWithoutAPageShowsItsHeaderOnlyOverAnEmptyPageArea)
{
    PageLog log;
    CRecordingPage general{IDD_TPAGE_GENERAL, "general", &log}, other{IDD_TPAGE_SMALL, "other", &log};
    CSettingsDialog dlg{708, 125, "Preferences"};
    ASSERT_TRUE(dlg.AddPage(nullptr, "General", &general, IDD_TPAGE_GENERAL));
    ASSERT_TRUE(dlg.AddPage(nullptr, "Appearance", (CWnd*)nullptr, 0));
    ASSERT_TRUE(dlg.AddPage("Appearance", "Other", &other, IDD_TPAGE_SMALL));
    std::vector<std::vector<DWORD>> wholes;
    std::optional<vorntest::ScreenStatesAtMessages> states;
    vorntest::RunModal(dlg, [&](HWND hDlg) {
        RECT rc;
        ::GetWindowRect(hDlg, &rc);
        wholes.push_back(vorntest::ScreenPixels(rc));
        if (!states)
            states.emplace(rc);
        if (wholes.size() == 2) {
            EXPECT_STREQ("Appearance", dlg.GetCaptionText());
        }
        if (wholes.size() < 3) {
            EXPECT_TRUE(SelectTreeItem(hDlg, wholes.size() == 1 ? "Appearance" : "General"));
            return true;
        }
        states->Stop();
        Press(hDlg, IDCANCEL);
        return false;
    });
    ASSERT_TRUE(states);
    EXPECT_EQ("", states->StatesOtherThan(wholes));
}

TEST_F(SettingsTest, ApplyIsEnabledWhileAnyPageHasChanges)
{
    FourPages t;
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        HWND hApply = Item(hDlg, ID_APPLY_NOW);
        EXPECT_FALSE(::IsWindowEnabled(hApply));
        t.general.SetModified(TRUE);
        EXPECT_TRUE(::IsWindowEnabled(hApply));
        t.small.SetModified(TRUE);
        t.general.SetModified(FALSE);
        EXPECT_TRUE(::IsWindowEnabled(hApply));
        t.small.SetModified(FALSE);
        EXPECT_FALSE(::IsWindowEnabled(hApply));
        t.other.SetModified(TRUE);
        t.dlg.ResetModified();
        EXPECT_FALSE(::IsWindowEnabled(hApply));
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

TEST_F(SettingsTest, ApplyAppliesEveryPageInTheOrderAddedAndStaysOpen)
{
    FourPages t;
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        t.general.SetModified(TRUE);
        t.log.clear();
        Press(hDlg, ID_APPLY_NOW);
        EXPECT_EQ((PageLog{"general:killactive", "general:apply", "large:apply", "small:apply", "other:apply"}),
                  t.log);
        EXPECT_TRUE(::IsWindow(hDlg));
        // The flags are the pages' business: Apply stays enabled until they report.
        EXPECT_TRUE(::IsWindowEnabled(Item(hDlg, ID_APPLY_NOW)));
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

TEST_F(SettingsTest, OkAppliesAndLeavesEveryPageThenEnds)
{
    FourPages t;
    INT_PTR r = vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        t.log.clear();
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return false;
    });
    EXPECT_EQ(IDOK, r);
    EXPECT_EQ((PageLog{"general:killactive", "general:apply(ok)", "general:killactive", "large:apply(ok)",
                       "large:killactive", "small:apply(ok)", "small:killactive", "other:apply(ok)",
                       "other:killactive"}),
              t.log);
    EXPECT_EQ(nullptr, t.general.m_hWnd);
    EXPECT_TRUE(t.dlg.Records().empty());
}

TEST_F(SettingsTest, ARefusedApplyStopsSelectsThePageAndKeepsTheDialogOpen)
{
    FourPages t;
    t.large.m_bRefuseApply = true;
    int nStep = 0;
    INT_PTR r = vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        if (nStep++ == 0) {
            t.log.clear();
            t.dlg.SendMessage(WM_COMMAND, IDOK);
            EXPECT_EQ((PageLog{"general:killactive", "general:apply(ok)", "general:killactive", "large:apply(ok)",
                               "general:killactive", "large:setactive"}),
                      t.log);
            EXPECT_TRUE(::IsWindow(hDlg));
            EXPECT_EQ(1, t.dlg.GetActiveIndex());
            // A refused leaving of the shown page stops before any apply.
            t.large.m_bRefuseKillActive = true;
            t.log.clear();
            Press(hDlg, ID_APPLY_NOW);
            EXPECT_EQ((PageLog{"large:killactive"}), t.log);
            t.large.m_bRefuseKillActive = false;
            t.large.m_bRefuseApply = false;
            return true;
        }
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return false;
    });
    EXPECT_EQ(IDOK, r);
}

TEST_F(SettingsTest, APlainDialogPageIsSavedByDataExchangeAndAFailureStops)
{
    FourPages t;
    CPlainPage plain(IDD_TPLAIN);
    ASSERT_TRUE(t.dlg.AddPage("Other", "Plain", &plain, IDD_TPLAIN));
    plain.m_bFailSave = true;
    int nStep = 0;
    INT_PTR r = vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        if (nStep++ == 0) {
            t.log.clear();
            t.dlg.SendMessage(WM_COMMAND, IDOK);
            EXPECT_EQ(1, plain.m_nSaves);
            EXPECT_TRUE(::IsWindow(hDlg));
            EXPECT_TRUE(plain.IsWindowVisible()) << "the failing page is shown";
            plain.m_bFailSave = false;
            return true;
        }
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return false;
    });
    EXPECT_EQ(IDOK, r);
    EXPECT_EQ(2, plain.m_nSaves);
}

TEST_F(SettingsTest, CancelAsksEveryPageAndARefusalKeepsTheDialogOpen)
{
    FourPages t;
    t.small.m_bRefuseCancel = true;
    int nStep = 0;
    INT_PTR r = vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        if (nStep++ == 0) {
            t.log.clear();
            t.dlg.SendMessage(WM_COMMAND, IDCANCEL);
            EXPECT_EQ((PageLog{"general:querycancel", "large:querycancel", "small:querycancel",
                               "general:killactive", "small:setactive"}),
                      t.log);
            EXPECT_EQ(2, t.dlg.GetActiveIndex());
            t.small.m_bRefuseCancel = false;
            return true;
        }
        t.log.clear();
        // The close box cancels too.
        ::PostMessageA(hDlg, WM_CLOSE, 0, 0);
        return false;
    });
    EXPECT_EQ(IDCANCEL, r);
    // No reset notification.
    EXPECT_EQ((PageLog{"general:querycancel", "large:querycancel", "small:querycancel", "other:querycancel"}), t.log);
}

TEST_F(SettingsTest, CancelToCloseRenamesOkAndDisablesCancel)
{
    FourPages t;
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        HWND hCancel = Item(hDlg, IDCANCEL);
        ::SendMessageA(hDlg, WM_NEXTDLGCTL, (WPARAM)hCancel, TRUE);
        EXPECT_EQ(hCancel, ::GetFocus());
        t.general.CancelToClose();
        char szText[32] = {};
        ::GetWindowTextA(Item(hDlg, IDOK), szText, sizeof(szText));
        EXPECT_STREQ("Close", szText);
        EXPECT_FALSE(::IsWindowEnabled(hCancel));
        EXPECT_EQ(Item(hDlg, IDOK), ::GetFocus());
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return false;
    });
}

TEST_F(SettingsTest, QuerySiblingsStopsAtTheFirstAnswer)
{
    FourPages t;
    t.large.m_nSiblingAnswer = 7;
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        t.log.clear();
        EXPECT_EQ(7, ::SendMessageA(hDlg, PSM_QUERYSIBLINGS, 1, 2));
        EXPECT_EQ((PageLog{"general:siblings", "large:siblings"}), t.log);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

TEST_F(SettingsTest, TheHelpButtonGoesToAPageThatHandlesHelp)
{
    FourPages t;
    t.general.m_bHandlesHelp = true;
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        Press(hDlg, IDHELP);
        EXPECT_EQ(1, t.general.m_nHelpCount);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

TEST_F(SettingsTest, TheWindowFitsTheLargestPageAndTheTreeAndCannotShrink)
{
    FourPages t;
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        CRect rcTree = ChildRect(hDlg, Item(hDlg, IDC_SETTINGS_TREE));
        EXPECT_EQ(125, rcTree.Width());
        // Grown to its height, the tree needs no scroll bar for four pages.
        EXPECT_FALSE(::GetWindowLongA(Item(hDlg, IDC_SETTINGS_TREE), GWL_STYLE) & WS_VSCROLL);
        CRect rcFrame = ChildRect(hDlg, Item(hDlg, IDC_SETTINGS_FRAME));
        CRect rcCaption = ChildRect(hDlg, Item(hDlg, IDC_SETTINGS_CAPTION));
        CRect rcLarge;
        ::GetWindowRect(t.large.m_hWnd, &rcLarge);
        CRect rcPage = ChildRect(hDlg, t.general.m_hWnd);
        // Every page fills the page area, below the caption bar, inside the frame.
        EXPECT_EQ(rcPage, ChildRect(hDlg, t.large.m_hWnd));
        EXPECT_GE(rcPage.left, rcFrame.left);
        EXPECT_LE(rcPage.right, rcFrame.right);
        EXPECT_LE(rcPage.bottom, rcFrame.bottom);
        EXPECT_EQ(rcCaption.bottom, rcPage.top - 2 * ::GetSystemMetrics(SM_CYBORDER) + (rcCaption.top - rcFrame.top));
        EXPECT_GE(rcPage.Width(), rcLarge.Width());
        EXPECT_GE(rcPage.Height(), rcLarge.Height());
        EXPECT_GT(rcPage.left, rcTree.right);
        // Pages are children without captions, enabled.
        EXPECT_EQ(0u, t.small.GetStyle() & (WS_CAPTION | WS_DISABLED | WS_POPUP));
        // The buttons are below the frame, in order, Help inside the window.
        CRect rcOk = ChildRect(hDlg, Item(hDlg, IDOK));
        CRect rcHelp = ChildRect(hDlg, Item(hDlg, IDHELP));
        CRect rcClient;
        ::GetClientRect(hDlg, &rcClient);
        EXPECT_GT(rcOk.top, rcFrame.bottom);
        EXPECT_LT(rcOk.right, ChildRect(hDlg, Item(hDlg, IDCANCEL)).left);
        EXPECT_LE(rcHelp.right, rcClient.right);
        // It cannot be made smaller than it opened.
        CRect rcWindow;
        ::GetWindowRect(hDlg, &rcWindow);
        EXPECT_EQ(t.dlg.GetMinimumSize().cx, rcWindow.Width());
        EXPECT_EQ(t.dlg.GetMinimumSize().cy, rcWindow.Height());
        ::SetWindowPos(hDlg, nullptr, 0, 0, 100, 80, SWP_NOMOVE | SWP_NOZORDER);
        CRect rcSmaller;
        ::GetWindowRect(hDlg, &rcSmaller);
        EXPECT_EQ(rcWindow.Width(), rcSmaller.Width());
        EXPECT_EQ(rcWindow.Height(), rcSmaller.Height());
        // Grown, the pages and the frame follow.
        ::SetWindowPos(hDlg, nullptr, 0, 0, rcWindow.Width() + 100, rcWindow.Height() + 50, SWP_NOMOVE | SWP_NOZORDER);
        CRect rcGrown = ChildRect(hDlg, t.general.m_hWnd);
        EXPECT_EQ(rcPage.Width() + 100, rcGrown.Width());
        EXPECT_EQ(rcPage.Height() + 50, rcGrown.Height());
        EXPECT_EQ(125, ChildRect(hDlg, Item(hDlg, IDC_SETTINGS_TREE)).Width());
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

// The largest page made only when it is first shown, two more made after
// the dialog shows: the dialog's least size is the one it has with every
// page made at its start; the pages made after the start come by
// themselves, hidden in the page area; the largest, made after the dialog
// grew, fills the page area and follows the dialog.
TEST_F(SettingsTest, PagesMadeLaterCountForTheSizeAndFillThePageArea)
{
    CSize szAllMade;
    {
        FourPages t;
        vorntest::RunModal(t.dlg, [&](HWND hDlg) {
            szAllMade = t.dlg.GetMinimumSize();
            ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
    }
    FourPages t;
    t.dlg.MakePageWhenShown(&t.large);
    t.dlg.MakePageAfterStart(&t.small);
    t.dlg.MakePageAfterStart(&t.other);
    bool bSelected = false;
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        if (t.dlg.PagesWaiting() || (bSelected && !::IsWindowVisible(t.large.m_hWnd)))
            return true;
        EXPECT_EQ(t.dlg.GetMinimumSize(), szAllMade);
        EXPECT_EQ(t.large.m_hWnd == nullptr, !bSelected);
        for (CWnd* pPage : {&t.small, &t.other}) {
            EXPECT_EQ(ChildRect(hDlg, pPage->m_hWnd), ChildRect(hDlg, t.general.m_hWnd));
            EXPECT_FALSE(::IsWindowVisible(pPage->m_hWnd));
        }
        auto Grow = [hDlg](int dx) {
            CRect rc;
            ::GetWindowRect(hDlg, &rc);
            ::SetWindowPos(hDlg, nullptr, 0, 0, rc.Width() + dx, rc.Height() + dx, SWP_NOMOVE | SWP_NOZORDER);
        };
        if (!bSelected) {
            Grow(60);
            bSelected = true;
            EXPECT_TRUE(SelectTreeItem(hDlg, "Large"));
            return true;
        }
        EXPECT_TRUE(::IsWindowVisible(t.large.m_hWnd));
        EXPECT_EQ(0u, t.large.GetStyle() & (WS_CAPTION | WS_DISABLED | WS_POPUP));
        EXPECT_EQ(ChildRect(hDlg, t.large.m_hWnd), ChildRect(hDlg, t.general.m_hWnd));
        Grow(30);
        EXPECT_EQ(ChildRect(hDlg, t.large.m_hWnd), ChildRect(hDlg, t.general.m_hWnd));
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

TEST_F(SettingsTest, EachDialogIdRemembersItsOwnPosition)
{
    auto openAt = [&](UINT nId, int x, int y, bool bMove) {
        PageLog log;
        CRecordingPage page(IDD_TPAGE_SMALL, "page", &log);
        CSettingsDialog dlg(nId, 100);
        dlg.AddPage(nullptr, "Page", &page, IDD_TPAGE_SMALL);
        CRect rc;
        vorntest::RunModal(dlg, [&](HWND hDlg) {
            if (bMove)
                ::SetWindowPos(hDlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            ::GetWindowRect(hDlg, &rc);
            ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        return rc.TopLeft();
    };
    openAt(708, 40, 50, true);
    openAt(720, 300, 200, true);
    EXPECT_EQ(CPoint(40, 50), openAt(708, 0, 0, false));
    EXPECT_EQ(CPoint(300, 200), openAt(720, 0, 0, false));
    EXPECT_EQ(1, (int)ProfileGetInt("WindowPositions\\ID=0x000002c4", "(valid)", 0));
    // Nothing under the shared template id.
    EXPECT_EQ(0, (int)ProfileGetInt("WindowPositions\\ID=0x00007533", "(valid)", 0));
}

TEST_F(SettingsTest, OpeningAndClosingLeavesNoGdiObjects)
{
    auto openClose = [] {
        FourPages t;
        vorntest::RunModal(t.dlg, [&](HWND hDlg) {
            SelectTreeItem(hDlg, "Small");
            ::RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
    };
    openClose();
    DWORD n0 = vorntest::GdiObjectCount();
    for (int i = 0; i < 5; ++i)
        openClose();
    EXPECT_EQ(n0, vorntest::GdiObjectCount());
}

TEST_F(SettingsTest, ATreeTooShortForItsPagesScrolls)
{
    PageLog log;
    std::vector<std::unique_ptr<CRecordingPage>> pages;
    CSettingsDialog dlg(708, 125);
    for (int i = 0; i < 40; ++i) {
        pages.push_back(std::make_unique<CRecordingPage>(IDD_TPAGE_SMALL, "p", &log));
        CString strCaption;
        strCaption.Format("Page %d", i);
        ASSERT_TRUE(dlg.AddPage(nullptr, strCaption, pages.back().get(), IDD_TPAGE_SMALL));
    }
    vorntest::RunModal(dlg, [&](HWND hDlg) {
        EXPECT_TRUE(::GetWindowLongA(Item(hDlg, IDC_SETTINGS_TREE), GWL_STYLE) & WS_VSCROLL);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

TEST_F(SettingsTest, TheDialogExplainsItsOwnParts)
{
    CSettingsDialog dlg(708, 125);
    struct {
        UINT nCtrl;
        const char* pszTitle;
    } cases[] = {{0, "Settings Dialog"}, {IDC_SETTINGS_TREE, "Selection Tree"},
                 {IDC_SETTINGS_FRAME, "Page Border"}, {IDC_SETTINGS_CAPTION, "Caption Bar"}};
    for (const auto& c : cases) {
        CString str = dlg.GetHelpString(MakeHelpKey(IDD_SETTINGS, c.nCtrl));
        EXPECT_EQ(str.GetLength() - (int)std::strlen(c.pszTitle), str.Find(c.pszTitle)) << str.GetString();
        EXPECT_EQ('\n', str[str.GetLength() - (int)std::strlen(c.pszTitle) - 1]);
    }
}

TEST_F(SettingsTest, TheCaptionBarBlendsFromTheCaptionColourToTheButtonFace)
{
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    EXPECT_EQ(black, CPrefsStatic::BandColour(black, white, 0, 256));
    EXPECT_EQ(RGB(127, 127, 127), CPrefsStatic::BandColour(black, white, 128, 256)) << "truncated";
    EXPECT_EQ(RGB(10, 20, 30), CPrefsStatic::BandColour(RGB(10, 20, 30), white, 5, 0)) << "no width";
    EXPECT_EQ(RGB(255, 0, 0), CPrefsStatic::BandColour(RGB(0, 0, 255), RGB(255, 0, 0), 100, 100));
    const int widths[][2] = {{0, 1}, {1, 1}, {256, 1}, {257, 2}, {512, 2}, {513, 3}, {1000, 4}};
    for (const auto& w : widths)
        EXPECT_EQ(w[1], CPrefsStatic::BandWidth(w[0])) << w[0];

    FourPages t;
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        HWND hBar = Item(hDlg, IDC_SETTINGS_CAPTION);
        ::RedrawWindow(hBar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        CRect rc;
        ::GetClientRect(hBar, &rc);
        HDC hdc = ::GetDC(hBar);
        COLORREF crLeft = ::GetPixel(hdc, 0, rc.Height() - 1);
        COLORREF crRight = ::GetPixel(hdc, rc.right - 1, rc.Height() - 1);
        ::ReleaseDC(hBar, hdc);
        EXPECT_EQ(::GetSysColor(COLOR_ACTIVECAPTION), crLeft);
        COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);
        EXPECT_NEAR(GetRValue(crFace), GetRValue(crRight), 4);
        EXPECT_NEAR(GetBValue(crFace), GetBValue(crRight), 4);
        ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
}

TEST_F(SettingsTest, AResizablePageLaysOutItsControlsInThePageArea)
{
    PageLog log;
    CRecordingPage general(IDD_TPAGE_GENERAL, "general", &log);
    CFoldersPage folders;
    CSettingsDialog dlg(708, 125);
    ASSERT_TRUE(dlg.AddPage(nullptr, "General", &general, IDD_TPAGE_GENERAL));
    ASSERT_TRUE(dlg.AddPage("General", "Folders", &folders, IDD_TPAGE_LARGE));
    dlg.m_nStartPage = 1;
    vorntest::RunModal(dlg, [&](HWND hDlg) {
        EXPECT_TRUE(folders.IsWindowVisible());
        EXPECT_STREQ("General :: Folders", dlg.GetCaptionText());
        auto gapRightBottom = [&] {
            CRect rcPage, rcButton;
            folders.GetClientRect(&rcPage);
            rcButton = ChildRect(folders.m_hWnd, folders.GetDlgItem(IDC_TPAGE_BUTTON)->m_hWnd);
            return CSize(rcPage.right - rcButton.right, rcPage.bottom - rcButton.bottom);
        };
        CSize gap0 = gapRightBottom();
        CRect rcList0 = ChildRect(folders.m_hWnd, folders.GetDlgItem(IDC_TPAGE_LIST)->m_hWnd);
        CRect rcWindow;
        ::GetWindowRect(hDlg, &rcWindow);
        ::SetWindowPos(hDlg, nullptr, 0, 0, rcWindow.Width() + 60, rcWindow.Height() + 40, SWP_NOMOVE | SWP_NOZORDER);
        EXPECT_EQ(gap0, gapRightBottom()) << "the button keeps to the lower right corner";
        CRect rcList = ChildRect(folders.m_hWnd, folders.GetDlgItem(IDC_TPAGE_LIST)->m_hWnd);
        EXPECT_EQ(rcList0.Width() + 60, rcList.Width());
        EXPECT_EQ(rcList0.Height() + 40, rcList.Height());
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return false;
    });
}

namespace {

// A page that leaves two parts of its initialisation for later.
class CSplitInitPage : public CRecordingPage {
public:
    explicit CSplitInitPage(PageLog* pLog) : CRecordingPage(IDD_TPAGE_SMALL, "split", pLog), m_pLog(pLog) {}
    BOOL OnInitDialog() override
    {
        m_pLog->push_back("split:init");
        for (const char* psz : {"split:part1", "split:part2"})
            InitLater([this, psz] { m_pLog->push_back(psz); });
        return TRUE;
    }

private:
    PageLog* m_pLog;
};

}  // namespace

TEST_F(SettingsTest, APageRunsThePartsOfItsInitialisationLeftForLaterOnceInOrderBeforeItShows)
{
    enum class Making { kAtStart, kInSteps, kOnSelection };
    for (Making eMaking : {Making::kAtStart, Making::kInSteps, Making::kOnSelection}) {
        FourPages t;
        CSplitInitPage split(&t.log);
        ASSERT_TRUE(t.dlg.AddPage(nullptr, "Split", &split, IDD_TPAGE_SMALL));
        if (eMaking != Making::kAtStart)
            t.dlg.MakePageAfterStart(&split);
        vorntest::RunModal(t.dlg, [&](HWND hDlg) {
            if (eMaking == Making::kInSteps && t.dlg.PagesWaiting())
                return true;
            EXPECT_TRUE(SelectTreeItem(hDlg, "Split"));
            if (!::IsWindowVisible(split.m_hWnd))  // one chosen before it is made shows once it is
                return true;
            ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        PageLog seen;
        for (const std::string& s : t.log)
            if (s.rfind("split:", 0) == 0)
                seen.push_back(s);
        EXPECT_EQ(seen, (PageLog{"split:init", "split:part1", "split:part2", "split:setactive", "split:querycancel"}))
            << "making " << (int)eMaking;
    }
}

// A refused SetTimer left the dialog hidden over its disabled owner for ever
// after OK or Cancel; the steps go at once then, and an open in steps too.
TEST_F(SettingsTest, WithoutTimersTheDialogStillOpensAndEnds)
{
    const struct { const char* pszWhat; bool bInSteps, bRefusedFromTheStart; int nButton; } cases[] = {
        {"the end at Cancel", false, false, IDCANCEL},
        {"the end at OK of a dialog opened in steps", true, false, IDOK},
        {"the open in steps and the end without any timer", true, true, IDCANCEL},
    };
    ImportSetTimer(RefusingSetTimer);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        vorntest::WaitingFor waiting(c.pszWhat);
        FourPages t;
        if (c.bInSteps)
            t.dlg.OpenInSteps();
        g_bRefuseTimers = c.bRefusedFromTheStart;
        g_nRefusedTimers = 0;
        INT_PTR r = vorntest::RunModal(t.dlg, [&](HWND hDlg) {
            EXPECT_TRUE(t.general.IsWindowVisible());
            g_bRefuseTimers = true;
            ::PostMessageA(hDlg, WM_COMMAND, (WPARAM)c.nButton, 0);
            return false;
        });
        EXPECT_EQ(r, c.nButton);
        EXPECT_GT(g_nRefusedTimers, 0);
        EXPECT_EQ(t.general.m_hWnd, nullptr);
    }
    g_bRefuseTimers = false;
    ImportSetTimer(g_pfnSetTimer);
}

// Keys typed as a dialog opened in steps comes up went to its tree before it
// held any item, and were lost: they reach the tree's items, in order.
TEST_F(SettingsTest, KeysTypedAsTheDialogOpensInStepsReachItsTree)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                               nullptr, nullptr));
    ::SetForegroundWindow(owner.m_hWnd);
    ASSERT_EQ(::GetForegroundWindow(), owner.m_hWnd);
    FourPages t;
    t.dlg.OpenInSteps();
    std::vector<INPUT> keys(6, INPUT{INPUT_KEYBOARD, {}});
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i].ki = {VK_DOWN, 0, (DWORD)(i % 2 ? KEYEVENTF_KEYUP : 0), 0, 0};
    ASSERT_EQ(keys.size(), ::SendInput((UINT)keys.size(), keys.data(), sizeof(INPUT)));
    ASSERT_TRUE(::GetQueueStatus(QS_KEY));
    vorntest::RunModal(t.dlg, [&](HWND hDlg) {
        if (::GetQueueStatus(QS_KEY))
            return true;
        EXPECT_EQ(t.dlg.GetActivePage(), &t.other);  // General, Large, Small, Other
        EXPECT_TRUE(t.other.IsWindowVisible());
        Press(hDlg, IDCANCEL);
        return false;
    });
    owner.DestroyWindow();
}
