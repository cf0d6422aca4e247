// DockFloatMenuTest.cpp: the Dock and Float items of the bars' context menus.
#include <gtest/gtest.h>

#include <string>

#include "config/DockFloatMenu.h"

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
    struct Case { UINT bar, dock, flt; } cases[] = {
        {59501, 35104, 35124}, {59502, 35102, 35122}, {59503, 35101, 35121}, {59504, 35103, 35123},
        {59511, 35107, 35127}, {59512, 35108, 35128}, {59513, 35109, 35129}, {59514, 35110, 35130},
        {59521, 35111, 35131}, {59522, 35112, 35132}, {59523, 35113, 35133}, {59524, 35106, 35126},
        {59525, 35105, 35125}, {59526, 35114, 35134},
    };
    for (const Case& c : cases) {
        UINT d = 0, f = 0;
        ASSERT_TRUE(DockFloatCommands(c.bar, d, f)) << c.bar;
        EXPECT_EQ(c.dock, d);
        EXPECT_EQ(c.flt, f);
    }
    UINT d = 0, f = 0;
    for (UINT bad : {0u, 59500u, 59505u, 59510u, 59515u, 59520u, 59527u, 0xFFFFFFFFu})
        EXPECT_FALSE(DockFloatCommands(bad, d, f)) << bad;
}

TEST(DockFloatMenu, DockedBarGetsDockCheckedAndGreyed)
{
    HMENU h = MenuWithOneItem();
    ASSERT_TRUE(AppendDockFloatMenuItems(59503, true, h));
    ASSERT_EQ(4, ::GetMenuItemCount(h));
    EXPECT_EQ("Dock", ItemText(h, 0));
    EXPECT_EQ("Float", ItemText(h, 1));
    EXPECT_EQ((UINT)MF_SEPARATOR, ::GetMenuState(h, 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ("Hide", ItemText(h, 3));
    EXPECT_EQ(35101u, ::GetMenuItemID(h, 0));
    EXPECT_EQ(35121u, ::GetMenuItemID(h, 1));
    UINT nDock = ::GetMenuState(h, 35101, MF_BYCOMMAND), nFloat = ::GetMenuState(h, 35121, MF_BYCOMMAND);
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
    FakeBar bar{59526, true};
    ASSERT_TRUE(AppendDockFloatMenuItems(&bar, &menu));
    UINT nDock = ::GetMenuState(h, 35114, MF_BYCOMMAND), nFloat = ::GetMenuState(h, 35134, MF_BYCOMMAND);
    EXPECT_FALSE(nDock & (MF_CHECKED | MF_GRAYED));
    EXPECT_TRUE(nFloat & MF_CHECKED);
    EXPECT_TRUE(nFloat & MF_GRAYED);
    ::DestroyMenu(h);
}

TEST(DockFloatMenu, OtherIdsLeaveTheMenuAlone)
{
    HMENU h = MenuWithOneItem();
    FakeBar bar{59505, false};
    CMenu menu(h);
    EXPECT_FALSE(AppendDockFloatMenuItems(&bar, &menu));
    EXPECT_EQ(1, ::GetMenuItemCount(h));
    EXPECT_FALSE(AppendDockFloatMenuItems(59501, true, nullptr));
    ::DestroyMenu(h);
}
