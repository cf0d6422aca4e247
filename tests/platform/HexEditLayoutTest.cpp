// HexEditLayoutTest.cpp: the hex edit control's cells, caret steps, digit
// editing and scroll scaling, checked cell by cell on the usual 16-byte row.
#include <gtest/gtest.h>

#include "platform/HexEditLayout.h"

namespace {

// "00000000  00112233 44556677 8899AABB CCDDEEFF  ................"
const HexEditLayout kRow16{8, 16, 4, 2};

}  // namespace

TEST(HexEditLayout, ColumnsOfTheUsualRow)
{
    EXPECT_EQ(kRow16.HexColumn(), 10u);
    EXPECT_EQ(kRow16.HexColumnOf(0), 10u);
    EXPECT_EQ(kRow16.HexColumnOf(3), 16u);
    EXPECT_EQ(kRow16.HexColumnOf(4), 19u);
    EXPECT_EQ(kRow16.HexColumnOf(15), 43u);
    EXPECT_EQ(kRow16.HexWidth(), 35u);
    EXPECT_EQ(kRow16.CharColumn(), 47u);
    EXPECT_EQ(kRow16.TotalColumns(), 63u);
    HexEditLayout wide = kRow16;
    wide.nAddrDigits = 16;
    EXPECT_EQ(wide.CharColumn(), 55u);
}

TEST(HexEditLayout, HitTestMapsEveryCell)
{
    struct Case { UINT col; HexPane pane; UINT byte; int nibble; };
    const Case cases[] = {
        {0, HexPane::Hex, 0, 0},  {9, HexPane::Hex, 0, 0},   {10, HexPane::Hex, 0, 0},
        {11, HexPane::Hex, 0, 1}, {12, HexPane::Hex, 1, 0},  {17, HexPane::Hex, 3, 1},
        {18, HexPane::Hex, 4, 0},  // blank between groups: the next group's first byte
        {19, HexPane::Hex, 4, 0}, {44, HexPane::Hex, 15, 1}, {45, HexPane::Hex, 15, 1},
        {46, HexPane::Char, 0, 0}, {47, HexPane::Char, 0, 0}, {62, HexPane::Char, 15, 0},
        {500, HexPane::Char, 15, 0},
    };
    for (const Case& c : cases) {
        HexHit hit = HexHitTest(kRow16, c.col);
        EXPECT_EQ(hit.pane, c.pane) << "column " << c.col;
        EXPECT_EQ(hit.nByte, c.byte) << "column " << c.col;
        EXPECT_EQ(hit.nNibble, c.nibble) << "column " << c.col;
    }
}

TEST(HexEditLayout, HitTestInvertsColumnOf)
{
    for (UINT i = 0; i < 16; i++) {
        HexHit hi = HexHitTest(kRow16, kRow16.HexColumnOf(i));
        HexHit lo = HexHitTest(kRow16, kRow16.HexColumnOf(i) + 1);
        HexHit ch = HexHitTest(kRow16, kRow16.CharColumn() + i);
        EXPECT_EQ(hi.nByte, i);
        EXPECT_EQ(hi.nNibble, 0);
        EXPECT_EQ(lo.nByte, i);
        EXPECT_EQ(lo.nNibble, 1);
        EXPECT_EQ(ch.pane, HexPane::Char);
        EXPECT_EQ(ch.nByte, i);
    }
}

TEST(HexEditLayout, FitBytesPerRowTakesWholeGroups)
{
    EXPECT_EQ(HexFitBytesPerRow(63, 8, 4, 2), 16u);
    EXPECT_EQ(HexFitBytesPerRow(62, 8, 4, 2), 12u);
    EXPECT_EQ(HexFitBytesPerRow(0, 8, 4, 2), 4u);  // never less than one group
    EXPECT_EQ(HexFitBytesPerRow(1000, 8, 4, 2), 304u);
    EXPECT_EQ(HexFitBytesPerRow(100, 8, 0, 2), 22u);  // group 0 taken as 1
}

TEST(HexEditLayout, CaretStepsByDigitsInHexAndBytesInChar)
{
    HexCaret c{5, 0};
    c = HexCaretStep(c, HexPane::Hex, +1, 10);
    EXPECT_EQ(c.nAddress, 5u);
    EXPECT_EQ(c.nNibble, 1);
    c = HexCaretStep(c, HexPane::Hex, +1, 10);
    EXPECT_EQ(c.nAddress, 6u);
    EXPECT_EQ(c.nNibble, 0);
    c = HexCaretStep(c, HexPane::Hex, -1, 10);
    EXPECT_EQ(c.nAddress, 5u);
    EXPECT_EQ(c.nNibble, 1);
    c = HexCaretStep(c, HexPane::Char, +1, 10);
    EXPECT_EQ(c.nAddress, 6u);
    EXPECT_EQ(c.nNibble, 0);
}

TEST(HexEditLayout, CaretStopsAtTheEndsOfTheData)
{
    HexCaret last{9, 1};
    EXPECT_EQ(HexCaretStep(last, HexPane::Hex, +1, 10).nAddress, 9u);
    EXPECT_EQ(HexCaretStep(last, HexPane::Hex, +1, 10).nNibble, 1);
    EXPECT_EQ(HexCaretStep({9, 0}, HexPane::Char, +1, 10).nAddress, 9u);
    HexCaret first{0, 0};
    EXPECT_EQ(HexCaretStep(first, HexPane::Hex, -1, 10).nAddress, 0u);
    EXPECT_EQ(HexCaretStep(first, HexPane::Char, -1, 10).nAddress, 0u);
    EXPECT_EQ(HexCaretStep({7, 1}, HexPane::Hex, +1, 0).nAddress, 0u);
    UINT64 top = ~0ULL;
    EXPECT_EQ(HexCaretStep({top - 1, 1}, HexPane::Hex, +1, top).nAddress, top - 1);
}

TEST(HexEditLayout, Nibbles)
{
    EXPECT_EQ(HexSetNibble(0x00, 0, 0xA), 0xA0);
    EXPECT_EQ(HexSetNibble(0xA0, 1, 0x5), 0xA5);
    EXPECT_EQ(HexSetNibble(0xFF, 0, 0x0), 0x0F);
    EXPECT_EQ(HexSetNibble(0xFF, 1, 0x0), 0xF0);
    EXPECT_EQ(HexSetNibble(0x12, 1, 0x1F), 0x1F);  // only the digit's four bits count
}

TEST(HexEditLayout, ScrollPositionsFitAnInt)
{
    EXPECT_EQ(HexScrollScale(100), 1u);
    EXPECT_EQ(HexScrollPosOfRow(42, 100), 42);
    EXPECT_EQ(HexRowOfScrollPos(42, 100), 42u);
    EXPECT_EQ(HexRowOfScrollPos(-3, 100), 0u);
    EXPECT_EQ(HexRowOfScrollPos(500, 100), 99u);
    EXPECT_EQ(HexRowOfScrollPos(0, 0), 0u);
    UINT64 rows = 1ULL << 40;  // 16 TiB of 16-byte rows
    EXPECT_GT(HexScrollScale(rows), 1u);
    int last = HexScrollPosOfRow(rows - 1, rows);
    EXPECT_GT(last, 0);
    EXPECT_LE(last, 0x7FFF0000);
    EXPECT_LT(HexRowOfScrollPos(last, rows), rows);
}

TEST(HexEditLayout, AddressTexts)
{
    char buf[17];
    HexFormatAddress(0x1A2B, 8, buf);
    EXPECT_STREQ(buf, "00001A2B");
    HexFormatAddress(0x123456789ABCDEF0ULL, 16, buf);
    EXPECT_STREQ(buf, "123456789ABCDEF0");
    HexFormatAddress(0x1FFFFFFFFULL, 8, buf);  // the low digits only
    EXPECT_STREQ(buf, "FFFFFFFF");
}
