// StorageWindowTest.cpp: the storage bar's window over a fake storage, its
// address texts, the refresh interval's snapping and the jump address.
#include <gtest/gtest.h>

#include "mainwindow/StorageWindow.h"

namespace {

struct PlaceCase {
    UINT64 storage;
    UINT64 offsetBefore;
    UINT64 address, length;
    CStorageWindow::EPlace expected;
    UINT64 offsetAfter;
};

TEST(StorageWindow, Recentring)
{
    const UINT64 kBig = 0x10000000;
    const PlaceCase cases[] = {
        // Storage below 2 MiB: the window is all of it and never moves.
        {0x100000, 0, 0, 16, CStorageWindow::kInside, 0},
        {0x100000, 0, 0xFFFF0, 16, CStorageWindow::kInside, 0},
        {0x100000, 0, 0xFFFF1, 16, CStorageWindow::kRefused, 0},
        {0x100000, 0, 0, 0x100000, CStorageWindow::kInside, 0},
        {0x100000, 0, 0, 0x100001, CStorageWindow::kRefused, 0},
        // Large storage: the range lands in the window's middle.
        {kBig, 0, 0x5000000, 16, CStorageWindow::kMoved, 0x4F00008},
        {kBig, 0, kBig - 16, 16, CStorageWindow::kMoved, 0xFE00000},
        {kBig, 0xFE00000, 0x100, 16, CStorageWindow::kMoved, 0x100},  // near the bottom: at the range
        {kBig, 0, 0x1FFFF0, 16, CStorageWindow::kInside, 0},
        {kBig, 0, 0x1FFFF1, 16, CStorageWindow::kMoved, 0x1FFFF1 - 0xFFFF8},
        // More than the window, nothing, or beyond the end: refused.
        {kBig, 0, 0, 0x200001, CStorageWindow::kRefused, 0},
        {kBig, 0x1000, 0x1000, 0, CStorageWindow::kRefused, 0x1000},
        {kBig, 0, kBig - 15, 16, CStorageWindow::kRefused, 0},
        {kBig, 0, ~0ull - 4, 16, CStorageWindow::kRefused, 0},
    };
    for (const PlaceCase& c : cases) {
        CStorageWindow w;
        w.Reset(c.storage);
        w.SetOffset(c.offsetBefore);
        EXPECT_EQ(c.expected, w.Place(c.address, c.length)) << std::hex << c.address;
        EXPECT_EQ(c.offsetAfter, w.Offset()) << std::hex << c.address;
        EXPECT_TRUE(w.Offset() <= c.storage - w.WindowSize());
    }
}

TEST(StorageWindow, WindowSizeAndOffsetClamp)
{
    CStorageWindow w;
    w.Reset(0x100000);
    EXPECT_EQ(0x100000u, w.WindowSize());
    w.SetOffset(5);
    EXPECT_EQ(0u, w.Offset());
    w.Reset(0x400000);
    EXPECT_EQ(0x200000u, w.WindowSize());
    w.SetOffset(0x300000);
    EXPECT_EQ(0x200000u, w.Offset());
    w.Reset(0);
    EXPECT_EQ(0u, w.WindowSize());
    EXPECT_EQ(CStorageWindow::kRefused, w.Place(0, 1));
}

TEST(StorageWindow, AddressFormats)
{
    EXPECT_STREQ("00000000", FormatStorageAddress(0, 0x100000));
    EXPECT_STREQ("FFFFFFFF", FormatStorageAddress(0xFFFFFFFF, 0x100000000ull));
    EXPECT_EQ(8, StorageAddressDigits(0x100000000ull));
    EXPECT_STREQ("0000000100000000", FormatStorageAddress(0x100000000ull, 0x100000001ull));
    EXPECT_STREQ("00000000001FFFFE", FormatStorageAddress(0x1FFFFE, 0x100000001ull));
    EXPECT_EQ(16, StorageAddressDigits(0x100000001ull));
}

TEST(StorageWindow, IntervalSnapsDownToQuarterSeconds)
{
    const int cases[][2] = {{1999, 1750}, {2000, 2000}, {250, 250}, {251, 250}, {5000, 5000}, {4999, 4750},
                            {100, 250},   {0, 250},     {-7, 250}};
    for (const auto& c : cases)
        EXPECT_EQ(c[1], SnapRefreshInterval(c[0])) << c[0];
}

TEST(StorageWindow, JumpAddress)
{
    struct Case {
        const char* text;
        UINT64 storage;
        bool ok;
        UINT64 address;
        bool clamped;
    } cases[] = {
        {"", 0x400000, true, 0, false},
        {"   ", 0x400000, true, 0, false},
        {" 1ffffe ", 0x400000, true, 0x1FFFFE, false},
        {"003FFFFF", 0x400000, true, 0x3FFFFF, false},
        {"00400000", 0x400000, true, 0x3FFFFF, true},
        {"FFFFFFFFFFFFFFFF", 0x400000, true, 0x3FFFFF, true},
        {"12G4", 0x400000, false, 0, false},
        {"10000000000000000", 0x400000, false, 0, false},
        {"0", 0, false, 0, false},  // no storage: nothing to jump to
    };
    for (const Case& c : cases) {
        UINT64 a = 0;
        bool bClamped = false;
        EXPECT_EQ(c.ok, ParseJumpAddress(c.text, c.storage, a, bClamped)) << c.text;
        if (c.ok) {
            EXPECT_EQ(c.address, a) << c.text;
            EXPECT_EQ(c.clamped, bClamped) << c.text;
        }
    }
}

}  // namespace
