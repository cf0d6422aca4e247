// DevListTextTest.cpp: the device-list bar's item texts, LEDs, free numbers
// and emulator commands.
#include <gtest/gtest.h>

#include <set>

#include "devices/DevListText.h"
#include "resources/resource.h"

namespace {

TEST(DevListText, ItemText)
{
    CDevListEntry e;
    e.SetFromStatusFields('0', "0120", "3390", "DASD", "0000", "disk.cckd ro", 0);
    EXPECT_STREQ("0120  3390  disk.cckd ro", DevListItemText(0x120, e));
    e.SetFromStatusFields('1', "000C", "3505", "RDR", "0000", "", 0);
    EXPECT_STREQ("1:000C  3505  ", DevListItemText(0x1000C, e));
}

TEST(DevListText, ImageByState)
{
    const struct { WORD wState; int nImage; } cases[] = {
        {0, 12}, {0x1, 12}, {0x8, 11}, {0x4, 10}, {0xC, 10}, {0x2, 9}, {0xE, 9}, {0x8000, 12}, {0xA008, 11},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nImage, DevListItemImage(c.wState)) << c.wState;
}

TEST(DevListText, NextFreeKey)
{
    std::set<int> taken = {0x121, 0x122, 0x124};
    auto isTaken = [&](int n) { return taken.count(n) != 0; };
    EXPECT_EQ(0, NextFreeDevKey(-1, isTaken));
    EXPECT_EQ(0x123, NextFreeDevKey(0x120, isTaken));
    EXPECT_EQ(0x125, NextFreeDevKey(0x124, isTaken));
    // 257 keys taken: the first candidate anyway; 256 taken: the 257th.
    auto all = [](int) { return true; };
    EXPECT_EQ(0x201, NextFreeDevKey(0x200, all));
    auto most = [](int n) { return n < 0x201 + 256; };
    EXPECT_EQ(0x201 + 256, NextFreeDevKey(0x200, most));
    // Adapters: even keys only (an OSA group 0606-0608 is followed by 060A).
    taken = {0x606, 0x607, 0x608, 0x60A};
    EXPECT_EQ(0x60C, NextFreeDevKey(0x608, isTaken, true));
    EXPECT_EQ(0x60C, NextFreeDevKey(0x60A, isTaken, true));
    EXPECT_EQ(0, NextFreeDevKey(-1, isTaken, true));
    EXPECT_EQ(0x202, NextFreeDevKey(0x200, all, true));
}

TEST(DevListText, DeviceMenuCommands)
{
    const struct { UINT nID; bool bTracing; const char* psz; } cases[] = {
        {ID_DEVLIST_START, false, "start 1:0120"},
        {ID_DEVLIST_STOP, false, "stop 1:0120"},
        {ID_DEVLIST_UNLOAD_TAPE, false, "devinit 1:0120 *"},
        {ID_DEVLIST_SUBCHANNEL_STATUS, false, "ds 1:0120"},
        {ID_DEVLIST_ATTENTION, false, "i 1:0120"},
        {ID_DEVLIST_DETACH, false, "detach 1:0120"},
        {ID_DEVLIST_TRACE_CCWS, false, "t+1:0120"},
        {ID_DEVLIST_TRACE_CCWS, true, "t-1:0120"},
        {ID_DEVLIST_RENAME, false, ""},
        {ID_BAR_CLOSE, false, ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.psz, DeviceMenuCommand(c.nID, 0x10120, c.bTracing)) << c.nID;
    EXPECT_STREQ("i 000C", DeviceMenuCommand(ID_DEVLIST_ATTENTION, 0xC, false));
}

TEST(DevListText, LoadCardsUsesTheChosenDeck)
{
    EXPECT_STREQ("devinit 000C deck.txt ascii eof", LoadCardsCommand(0xC, "deck.txt", "ascii eof"));
    EXPECT_STREQ("devinit 000C \"C:\\my decks\\a b.txt\"", LoadCardsCommand(0xC, "C:\\my decks\\a b.txt", ""));
    EXPECT_STREQ("devinit 000C", LoadCardsCommand(0xC, "", ""));
    EXPECT_STREQ("devinit 000C ebcdic", LoadCardsCommand(0xC, "", "ebcdic"));
}

TEST(DevListText, SocketLoadCardsTitle)
{
    EXPECT_STREQ("VornRdr localhost:3505 deck.txt", SocketLoadCardsTitle("localhost:3505", "deck.txt"));
    EXPECT_STREQ("VornRdr 10.0.0.1:1 \"my deck.txt\"", SocketLoadCardsTitle("10.0.0.1:1", "my deck.txt"));
}

}  // namespace
