// The status line bar's field row and its copy text.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "mainwindow/StatusFieldLayout.h"

namespace {

const SStatusFieldIn kWidths[kStatusFieldCount] = {
    {true, 300, 14}, {true, 64, 14}, {true, 90, 14}, {true, 50, 14}, {true, 48, 14}};

struct SRow {
    unsigned char order[kStatusFieldCount];
    bool visible[kStatusFieldCount];
    bool bComplete;
    // Per field: place and left edge (right = left + width).
    EFieldPlace ePlace[kStatusFieldCount];
    int nLeft[kStatusFieldCount];
};

const SRow kRows[] = {
    // The reverse order, all shown: SIOS first, 15 px after the spin at 100.
    {{4, 3, 2, 1, 0}, {true, true, true, true, true}, true,
     {kFieldPlaced, kFieldPlaced, kFieldPlaced, kFieldPlaced, kFieldPlaced}, {427, 348, 243, 178, 115}},
    // The stored default: "01234", "11011".
    {{0, 1, 2, 3, 4}, {true, true, false, true, true}, true,
     {kFieldPlaced, kFieldPlaced, kFieldHidden, kFieldPlaced, kFieldPlaced}, {115, 430, 0, 509, 574}},
    // All hidden: the bar shows only the spin.
    {{0, 1, 2, 3, 4}, {false, false, false, false, false}, true,
     {kFieldHidden, kFieldHidden, kFieldHidden, kFieldHidden, kFieldHidden}, {0, 0, 0, 0, 0}},
};

}  // namespace

TEST(StatusFieldLayout, FieldsStandInOrderEachAsWideAsItsText)
{
    for (const SRow& row : kRows) {
        SStatusFieldOut out[kStatusFieldCount];
        EXPECT_EQ(row.bComplete, LayoutStatusFieldRow(row.order, row.visible, kWidths, 100, out));
        for (int f = 0; f < kStatusFieldCount; ++f) {
            SCOPED_TRACE(f);
            EXPECT_EQ(row.ePlace[f], out[f].ePlace);
            if (out[f].ePlace == kFieldPlaced) {
                EXPECT_EQ(row.nLeft[f], out[f].nLeft);
                EXPECT_EQ(row.nLeft[f] + kWidths[f].cxText, out[f].nRight);
            }
        }
    }
}

TEST(StatusFieldLayout, AFieldWithoutWindowOrTextStopsTheRow)
{
    const unsigned char order[] = {0, 1, 2, 3, 4};
    const bool visible[] = {true, true, true, true, true};
    SStatusFieldIn fields[kStatusFieldCount];
    for (int nStop = 0; nStop < kStatusFieldCount; ++nStop) {
        for (int bNoWindow = 0; bNoWindow < 2; ++bNoWindow) {
            for (int f = 0; f < kStatusFieldCount; ++f)
                fields[f] = kWidths[f];
            if (bNoWindow)
                fields[nStop].bHasWindow = false;
            else
                fields[nStop].cxText = fields[nStop].cyText = 0;
            SStatusFieldOut out[kStatusFieldCount];
            EXPECT_FALSE(LayoutStatusFieldRow(order, visible, fields, 0, out));
            for (int f = 0; f < kStatusFieldCount; ++f)
                EXPECT_EQ(f < nStop ? kFieldPlaced : kFieldUntouched, out[f].ePlace) << nStop << " " << f;
        }
    }
}

TEST(StatusFieldLayout, AHiddenFieldNeedsNoWindow)
{
    const unsigned char order[] = {2, 0, 1, 3, 4};
    const bool visible[] = {true, false, true, true, true};
    SStatusFieldIn fields[kStatusFieldCount] = {kWidths[0], {false, 0, 0}, kWidths[2], kWidths[3], kWidths[4]};
    SStatusFieldOut out[kStatusFieldCount];
    EXPECT_TRUE(LayoutStatusFieldRow(order, visible, fields, 10, out));
    EXPECT_EQ(kFieldHidden, out[1].ePlace);
    EXPECT_EQ(25, out[2].nLeft);
    EXPECT_EQ(25 + 90 + 15, out[0].nLeft);
}

TEST(StatusFieldLayout, CopyTextJoinsShownFieldsInOrder)
{
    const CString texts[] = {"CP00 PSW=00000000 00000000 0000000000000000", "M.......", "instcount=12", "MIPS=1.5",
                             "SIOS=7"};
    const struct {
        unsigned char order[kStatusFieldCount];
        bool visible[kStatusFieldCount];
        const char* pszText;
    } cases[] = {
        {{0, 1, 2, 3, 4}, {true, false, true, false, false}, "CP00 PSW=00000000 00000000 0000000000000000 instcount=12"},
        {{4, 3, 2, 1, 0}, {false, true, false, true, true}, "SIOS=7 MIPS=1.5 M......."},
        {{0, 1, 2, 3, 4}, {false, false, false, false, false}, ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.pszText, (const char*)StatusFieldsCopyText(c.order, c.visible, texts));
    // Blanks of the texts themselves at the ends go too.
    const CString padded[] = {"  a ", "b", "", "", ""};
    const unsigned char order[] = {0, 1, 2, 3, 4};
    const bool two[] = {true, true, false, false, false};
    EXPECT_STREQ("a  b", (const char*)StatusFieldsCopyText(order, two, padded));
}

// A bar narrower than the row: the field that would reach past its right
// edge starts a new row below, as far left as the first; one that is first
// in its row stays there however wide. The row is as high as the spin or
// the tallest shown text.
TEST(StatusFieldLayout, FieldsPastTheRightEdgeGoOnInARowBelow)
{
    const unsigned char order[] = {0, 1, 2, 3, 4};
    const bool visible[] = {true, true, true, true, true};
    const struct {
        int nMaxRight;
        int nRow[kStatusFieldCount];
        int nLeft[kStatusFieldCount];
    } rows[] = {
        {INT_MAX, {0, 0, 0, 0, 0}, {115, 430, 509, 614, 679}},
        {600, {0, 0, 0, 1, 1}, {115, 430, 509, 115, 180}},
        {400, {0, 1, 1, 1, 2}, {115, 115, 194, 299, 115}},
        {10, {0, 1, 2, 3, 4}, {115, 115, 115, 115, 115}},
    };
    for (const auto& row : rows) {
        SStatusFieldOut out[kStatusFieldCount];
        EXPECT_TRUE(LayoutStatusFieldRow(order, visible, kWidths, 100, out, row.nMaxRight));
        for (int f = 0; f < kStatusFieldCount; ++f) {
            SCOPED_TRACE(std::to_string(row.nMaxRight) + " field " + std::to_string(f));
            EXPECT_EQ(row.nRow[f], out[f].nRow);
            EXPECT_EQ(row.nLeft[f], out[f].nLeft);
        }
    }
    const SStatusFieldIn tall[kStatusFieldCount] = {
        {true, 300, 14}, {true, 64, 40}, {true, 90, 14}, {true, 50, 14}, {true, 48, 14}};
    EXPECT_EQ(40, StatusFieldRowHeight(visible, tall, 20));
    const bool tallHidden[] = {true, false, true, true, true};
    EXPECT_EQ(20, StatusFieldRowHeight(tallHidden, tall, 20));
    EXPECT_EQ(20, StatusFieldRowHeight(visible, kWidths, 20));
}
