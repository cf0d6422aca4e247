// DevListBarTest.cpp: the device-list bar as a child window of its own:
// the hand-over queue and its one pending WM_DEVLIST_COMPLETE, the groups,
// and lists that come while no emulator runs.
#include "devices/DynDevListDlgBar.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <memory>
#include <vector>

#include "framework/cdxCDynamicBar.h"
#include "platform/Afx.h"
#include "platform/BCMenu.h"
#include "platform/CFrameWnd.h"
#include "platform/CIniSettingsStore.h"
#include "platform/CWinApp.h"
#include "platform/ProfileStore.h"
#include "tests/config/TempFile.h"
#include "tests/support/GdiObjectCount.h"
#include "session/PrivateMessages.h"

namespace {

class CBarHost : public CWnd {
public:
    CBarHost()
    {
        CreateEx(0, AfxRegisterWndClass(0), "bar host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 400, 500,
                 nullptr, nullptr);
    }
    ~CBarHost() override { DestroyWindow(); }
};

class DevListBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pBar = new CDynDevListDlgBar(&m_host);
        ASSERT_TRUE(m_pBar->Create(IDD_DEVLIST_BAR, &m_host));
    }
    void TearDown() override
    {
        m_pBar->DestroyWindow();
        delete m_pBar;
    }
    // Posted messages of the bar still waiting, by message number.
    int CountQueued(UINT msg)
    {
        int n = 0;
        MSG m;
        while (::PeekMessageA(&m, m_pBar->m_hWnd, msg, msg, PM_REMOVE))
            ++n;
        return n;
    }
    void Pump()
    {
        MSG m;
        while (::PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&m);
            ::DispatchMessageA(&m);
        }
    }
    static std::unique_ptr<CDevListMap> List(BYTE bIncremental, std::vector<const char*> devnums)
    {
        auto p = std::make_unique<CDevListMap>(bIncremental);
        for (const char* psz : devnums) {
            CDevListEntry e;
            e.SetFromStatusFields('0', psz, "3390", "DASD", "0000", "disk", bIncremental ? 'A' : 0);
            p->SetAt(e.GetKey(), e);
        }
        return p;
    }
    std::vector<std::string> RootTexts()
    {
        std::vector<std::string> texts;
        for (HTREEITEM h = m_pBar->Tree().GetRootItem(); h; h = m_pBar->Tree().GetNextSiblingItem(h))
            texts.push_back((const char*)m_pBar->Tree().GetItemText(h));
        return texts;
    }

    CBarHost m_host;
    CDynDevListDlgBar* m_pBar = nullptr;
};

TEST_F(DevListBarTest, NineGroupsInClassOrder)
{
    std::vector<std::string> want = {"Card Readers", "Card Punches", "Line Printers", "Console Printers",
                                     "Display Terminals", "Disk Drives", "Tape Drives", "Communication Devices",
                                     "(unknown device types)"};
    EXPECT_EQ(want, RootTexts());
    DWORD_PTR n = 0;
    for (HTREEITEM h = m_pBar->Tree().GetRootItem(); h; h = m_pBar->Tree().GetNextSiblingItem(h), ++n) {
        EXPECT_EQ(0x80000000u | n, m_pBar->Tree().GetItemData(h));
        // Each group shows its class's image, expanded.
        TVITEMA item = {};
        item.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
        item.hItem = h;
        item.stateMask = TVIS_EXPANDED;
        ASSERT_TRUE(m_pBar->Tree().SendMessage(TVM_GETITEMA, 0, (LPARAM)&item));
        EXPECT_EQ((int)n, item.iImage);
        EXPECT_EQ((int)n, item.iSelectedImage);
        EXPECT_EQ((UINT)TVIS_EXPANDED, item.state & TVIS_EXPANDED);
    }
    EXPECT_EQ(9u, m_pBar->Tree().GetCount());
    EXPECT_EQ(m_pBar->Tree().GetRootItem(), m_pBar->Tree().GetSelectedItem()) << "the first group starts selected";
}

// The tree has the 13 images of the strip (the classes, then the state
// lamps) in its normal list, and the bar's font and colours.
TEST_F(DevListBarTest, TreeHasItsImagesFontAndColours)
{
    HIMAGELIST hImages = (HIMAGELIST)m_pBar->Tree().SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL);
    ASSERT_NE(nullptr, hImages);
    EXPECT_EQ(13, ImageList_GetImageCount(hImages));
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(hImages, &cx, &cy));
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);
    HFONT hFont = (HFONT)m_pBar->Tree().SendMessage(WM_GETFONT);
    ASSERT_NE(nullptr, hFont);
    LOGFONTA lf = {};
    ASSERT_TRUE(::GetObjectA(hFont, sizeof lf, &lf));
    EXPECT_STREQ(m_pBar->m_strFontName, lf.lfFaceName);
    EXPECT_EQ(m_pBar->m_lf.lfHeight, lf.lfHeight);
    EXPECT_EQ(m_pBar->m_clrBack, (COLORREF)m_pBar->Tree().SendMessage(TVM_GETBKCOLOR));
    EXPECT_EQ(m_pBar->m_clrText, (COLORREF)m_pBar->Tree().SendMessage(TVM_GETTEXTCOLOR));
}

// The tree's tooltip is topmost, above floating bars, once the mouse moves
// over the tree, before it can show.
TEST_F(DevListBarTest, TreeTooltipIsTopmostOnceTheMouseComes)
{
    HWND hTip = (HWND)m_pBar->Tree().SendMessage(TVM_GETTOOLTIPS);
    ASSERT_NE(nullptr, hTip);
    MSG msg = {m_pBar->Tree().m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(&msg));
    EXPECT_TRUE(::GetWindowLongA(hTip, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(DevListBarTest, OneMessageForAQueueThatWasEmpty)
{
    CountQueued(WM_DEVLIST_COMPLETE);
    m_pBar->QueueFinishedList(List(1, {"0120"}));
    m_pBar->QueueFinishedList(List(1, {"0121"}));
    EXPECT_EQ(1, CountQueued(WM_DEVLIST_COMPLETE));
    EXPECT_EQ(2, m_pBar->m_DevListQueue.GetCount());
}

TEST_F(DevListBarTest, FullListReplacesEverythingQueued)
{
    m_pBar->QueueFinishedList(List(1, {"0120"}));
    m_pBar->QueueFinishedList(List(1, {"0121"}));
    std::unique_ptr<CDevListMap> full = List(0, {"0122", "0123"});
    CDevListMap* pFull = full.get();
    m_pBar->QueueFinishedList(std::move(full));
    ASSERT_EQ(1, m_pBar->m_DevListQueue.GetCount());
    EXPECT_EQ(pFull, m_pBar->m_DevListQueue.GetHead());
    // An incremental list waits behind the full one.
    m_pBar->QueueFinishedList(List(1, {"0124"}));
    EXPECT_EQ(2, m_pBar->m_DevListQueue.GetCount());
    EXPECT_EQ(1, CountQueued(WM_DEVLIST_COMPLETE));
}

// No emulator runs: the lists belong to a session that has ended and are
// dropped without touching the tree.
TEST_F(DevListBarTest, ListsWithoutARunningEmulatorAreDropped)
{
    m_pBar->m_bNewFormatDevList = true;
    m_pBar->QueueFinishedList(List(0, {"0120", "0121"}));
    Pump();
    EXPECT_TRUE(m_pBar->m_DevListQueue.IsEmpty());
    EXPECT_EQ(9u, m_pBar->Tree().GetCount());
    EXPECT_FALSE(m_pBar->IsDevNumShown(0x120));
    EXPECT_FALSE(m_pBar->m_bNewFormatDevList);
}

TEST_F(DevListBarTest, PowerOffEmptiesTheQueue)
{
    m_pBar->QueueFinishedList(List(0, {"0120"}));
    m_pBar->m_bNewFormatDevList = true;
    EXPECT_EQ(1, m_pBar->SendMessage(WM_EMULATOR_ACTIVE, 0));
    EXPECT_TRUE(m_pBar->m_DevListQueue.IsEmpty());
    EXPECT_FALSE(m_pBar->m_bNewFormatDevList);
    EXPECT_EQ(9u, m_pBar->Tree().GetCount());
    EXPECT_EQ(1, m_pBar->SendMessage(WM_EMULATOR_ACTIVE, 1));
}

TEST_F(DevListBarTest, RouterAnswersFromTheShownDevices)
{
    CIsDevNumDefinedFuncRouterObject* pRouter = &m_pBar->m_Router;
    EXPECT_FALSE(pRouter->IsDevNumDefined(0x120));
    DWORD dwKey = 0x1234;
    EXPECT_FALSE(pRouter->IsSysgDefined(&dwKey));
    EXPECT_EQ(0x1234u, dwKey);
    EXPECT_FALSE(pRouter->IsSysgDefined(nullptr));
    EXPECT_FALSE(pRouter->IsFileInUse("disk"));
}

// The colours and font come from "Settings\DeviceList" and go back there
// when the appearance is applied.
TEST(DevListBarAppearance, ColoursFromTheSettingsAndBack)
{
    TempDir dir;
    SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("bar.ini").c_str()));
    {
        CWinApp app("DevListTest");
        ProfileWriteInt("Settings\\DeviceList", "clrBack", (int)RGB(0, 0, 96));
        ProfileWriteInt("Settings\\DeviceList", "clrText", (int)RGB(255, 255, 0));
        ProfileWriteInt("Settings\\DeviceList", "FontSize", 10);
        CBarHost host;
        CDynDevListDlgBar bar(&host);
        ASSERT_TRUE(bar.Create(IDD_DEVLIST_BAR, &host));
        EXPECT_EQ(RGB(0, 0, 96), (COLORREF)bar.Tree().SendMessage(TVM_GETBKCOLOR));
        EXPECT_EQ(RGB(255, 255, 0), (COLORREF)bar.Tree().SendMessage(TVM_GETTEXTCOLOR));
        EXPECT_EQ(10, bar.m_nFontSize);
        EXPECT_STREQ("Tahoma", bar.m_strFontName);
        bar.m_clrBack = RGB(10, 20, 30);
        bar.ApplyAppearance();
        EXPECT_EQ(RGB(10, 20, 30), (COLORREF)bar.Tree().SendMessage(TVM_GETBKCOLOR));
        EXPECT_EQ((UINT)RGB(10, 20, 30), ProfileGetInt("Settings\\DeviceList", "clrBack", 0));
        EXPECT_EQ(10u, ProfileGetInt("Settings\\DeviceList", "FontSize", 0));
        bar.DestroyWindow();
    }
    SetSettingsStore(nullptr);
}

// A frame that keeps the commands it is sent.
class CCommandFrame : public CFrameWnd {
public:
    std::vector<UINT> m_commands;

protected:
    BOOL OnCommand(WPARAM wp, LPARAM) override
    {
        m_commands.push_back(LOWORD(wp));
        return TRUE;
    }
};

// In its docking bar the device list's own menu starts with Dock (checked
// and greyed while docked) and Float; the main frame carries them out.
TEST(DevListBarDocking, BarMenuOffersDockAndFloatToTheFrame)
{
    TempDir dir;
    SetSettingsStore(std::make_unique<CIniSettingsStore>(dir.Path("bar.ini").c_str()));
    {
        CWinApp app("DevListDockTest");
        CCommandFrame* pFrame = new CCommandFrame;
        ASSERT_TRUE(pFrame->CreateEx(0, nullptr, "frame", WS_OVERLAPPEDWINDOW, 0, 0, 600, 500, nullptr, nullptr));
        app.m_pMainWnd = pFrame;
        {
            cdxCDynamicBarT<CDynDevListDlgBar> bar;
            ASSERT_TRUE(bar.Create("Vornamic Device List", pFrame, IDW_DEVLIST_BAR, WS_CHILD | WS_VISIBLE | CBRS_TOP));
            BCMenu menu;
            bar.m_dlg.LoadContextMenu(-1, menu);
            HMENU h = ::GetSubMenu(menu.GetSafeHmenu(), 0);
            ASSERT_EQ(5, ::GetMenuItemCount(h));
            EXPECT_EQ((UINT)ID_DOCK_DEVLIST_BAR, ::GetMenuItemID(h, 0));
            EXPECT_EQ((UINT)ID_FLOAT_DEVLIST_BAR, ::GetMenuItemID(h, 1));
            EXPECT_TRUE(::GetMenuState(h, 2, MF_BYPOSITION) & MF_SEPARATOR);
            EXPECT_EQ((UINT)ID_BAR_CLOSE, ::GetMenuItemID(h, 3));
            EXPECT_EQ((UINT)ID_BAR_PROPERTIES, ::GetMenuItemID(h, 4));
            UINT nDock = ::GetMenuState(h, ID_DOCK_DEVLIST_BAR, MF_BYCOMMAND);
            UINT nFloat = ::GetMenuState(h, ID_FLOAT_DEVLIST_BAR, MF_BYCOMMAND);
            EXPECT_EQ((UINT)(MF_CHECKED | MF_GRAYED), nDock & (MF_CHECKED | MF_GRAYED));
            EXPECT_EQ(0u, nFloat & (MF_CHECKED | MF_GRAYED));
            bar.m_dlg.SendMessage(WM_COMMAND, ID_FLOAT_DEVLIST_BAR);
            bar.m_dlg.SendMessage(WM_COMMAND, ID_DOCK_DEVLIST_BAR);
            EXPECT_EQ((std::vector<UINT>{ID_FLOAT_DEVLIST_BAR, ID_DOCK_DEVLIST_BAR}), pFrame->m_commands);
        }
        app.m_pMainWnd = nullptr;
        pFrame->DestroyWindow();
    }
    SetSettingsStore(nullptr);
}

// Whatever the bar makes (font, brush, image list) goes with it.
TEST(DevListBarLifetime, OpeningAndClosingLeavesNoGdiObjects)
{
    CBarHost host;
    auto openClose = [&] {
        CDynDevListDlgBar bar(&host);
        ASSERT_TRUE(bar.Create(IDD_DEVLIST_BAR, &host));
        bar.ApplyAppearance();
        bar.DestroyWindow();
    };
    openClose();
    DWORD dwBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 5; ++i)
        openClose();
    EXPECT_EQ(dwBefore, vorntest::GdiObjectCount());
}

}  // namespace
