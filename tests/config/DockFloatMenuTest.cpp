// DockFloatMenuTest.cpp: the Dock and Float items of the bars' context menus.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

#include "config/DockFloatMenu.h"
#include "resource.h"

namespace {

std::string ItemText(HMENU h, int nPos)
{
    char sz[64] = {};
    ::GetMenuStringA(h, (UINT)nPos, sz, sizeof sz, MF_BYPOSITION);
    return sz;
}

HMENU MenuWithOneItem()
{
    HMENU h = ::CreatePopupMenu();
    ::AppendMenuA(h, MF_STRING, 100, "Hide");
    return h;
}

// A stand-in with the two things the function asks of a control bar.
struct FakeBar {
    int nId;
    bool bFloating;
    int GetDlgCtrlID() const { return nId; }
    bool IsFloating() const { return bFloating; }
};

}  // namespace

TEST(DockFloatMenu, CommandsOfEveryBar)
{
    // Each bar has its own Dock command in the Dock range and the Float
    // command as far into the Float range; the device list's come first.
    const UINT kBars[] = {IDW_CMDLINE_BAR, IDW_CONTROLS_BAR, IDW_DEVLIST_BAR, IDW_STATUSLINE_BAR, IDW_GREGS_BAR,
                          IDW_CREGS_BAR, IDW_AREGS_BAR, IDW_FREGS_BAR, IDW_GREGS64_BAR, IDW_CREGS64_BAR,
                          IDW_FREGS64_BAR, IDW_STORAGE_BAR, IDW_CPUPCT_BAR, IDW_VREGS_BAR};
    std::set<UINT> docks;
    for (UINT bar : kBars) {
        UINT d = 0, f = 0;
        ASSERT_TRUE(DockFloatCommands(bar, d, f)) << bar;
        EXPECT_GE(d, (UINT)ID_DOCK_FIRST) << bar;
        EXPECT_LE(d, (UINT)ID_DOCK_LAST) << bar;
        EXPECT_EQ(f - ID_FLOAT_FIRST, d - ID_DOCK_FIRST) << bar;
        docks.insert(d);
    }
    EXPECT_EQ(docks.size(), std::size(kBars));
    UINT d = 0, f = 0;
    ASSERT_TRUE(DockFloatCommands(IDW_DEVLIST_BAR, d, f));
    EXPECT_EQ((UINT)ID_DOCK_FIRST, d);
    EXPECT_EQ((UINT)ID_FLOAT_FIRST, f);
    for (UINT bad : {0u, IDW_CMDLINE_BAR - 1u, IDW_STATUSLINE_BAR + 1u, IDW_GREGS_BAR - 1u, IDW_FREGS_BAR + 1u,
                      IDW_GREGS64_BAR - 1u, IDW_VREGS_BAR + 1u, 0xFFFFFFFFu})
        EXPECT_FALSE(DockFloatCommands(bad, d, f)) << bad;
}

TEST(DockFloatMenu, DockedBarGetsDockCheckedAndGreyed)
{
    HMENU h = MenuWithOneItem();
    ASSERT_TRUE(AppendDockFloatMenuItems(IDW_DEVLIST_BAR, true, h));
    ASSERT_EQ(4, ::GetMenuItemCount(h));
    EXPECT_EQ("Dock", ItemText(h, 0));
    EXPECT_EQ("Float", ItemText(h, 1));
    EXPECT_EQ((UINT)MF_SEPARATOR, ::GetMenuState(h, 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ("Hide", ItemText(h, 3));
    EXPECT_EQ((UINT)ID_DOCK_DEVLIST_BAR, ::GetMenuItemID(h, 0));
    EXPECT_EQ((UINT)ID_FLOAT_DEVLIST_BAR, ::GetMenuItemID(h, 1));
    UINT nDock = ::GetMenuState(h, ID_DOCK_DEVLIST_BAR, MF_BYCOMMAND),
         nFloat = ::GetMenuState(h, ID_FLOAT_DEVLIST_BAR, MF_BYCOMMAND);
    EXPECT_TRUE(nDock & MF_CHECKED);
    EXPECT_TRUE(nDock & MF_GRAYED);
    EXPECT_FALSE(nFloat & MF_CHECKED);
    EXPECT_FALSE(nFloat & MF_GRAYED);
    ::DestroyMenu(h);
}

TEST(DockFloatMenu, FloatingBarGetsFloatCheckedAndGreyed)
{
    HMENU h = MenuWithOneItem();
    CMenu menu(h);
    FakeBar bar{IDW_VREGS_BAR, true};
    ASSERT_TRUE(AppendDockFloatMenuItems(&bar, &menu));
    UINT nDock = ::GetMenuState(h, ID_DOCK_VREGS_BAR, MF_BYCOMMAND),
         nFloat = ::GetMenuState(h, ID_FLOAT_VREGS_BAR, MF_BYCOMMAND);
    EXPECT_FALSE(nDock & (MF_CHECKED | MF_GRAYED));
    EXPECT_TRUE(nFloat & MF_CHECKED);
    EXPECT_TRUE(nFloat & MF_GRAYED);
    ::DestroyMenu(h);
}

TEST(DockFloatMenu, OtherIdsLeaveTheMenuAlone)
{
    HMENU h = MenuWithOneItem();
    FakeBar bar{IDW_STATUSLINE_BAR + 1, false};  // no bar's id
    CMenu menu(h);
    EXPECT_FALSE(AppendDockFloatMenuItems(&bar, &menu));
    EXPECT_EQ(1, ::GetMenuItemCount(h));
    EXPECT_FALSE(AppendDockFloatMenuItems(IDW_CMDLINE_BAR, true, nullptr));
    ::DestroyMenu(h);
}
