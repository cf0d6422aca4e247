// The bars' control places for the fonts they show: the register grid, the
// command line's row and the storage bar's address row over its hex view.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/BarFontLayout.h"

namespace {

std::string Text(const RECT& rc)
{
    return std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom);
}

std::string Text(SIZE sz)
{
    return std::to_string(sz.cx) + "x" + std::to_string(sz.cy);
}

// A 32-bit register bar's template in pixels: two columns of 336 x 16 at
// x 6 and 348 (a gap of 6), rows 18 apart from y 3, a client of 690 x 40,
// rounded as dialog units map.
const RECT kRegs32[] = {{6, 3, 342, 19}, {348, 3, 684, 19}, {6, 21, 342, 37}, {348, 21, 684, 37}};
const SCellGrid kGrid32 = {kRegs32, 4, 2, SIZE{690, 40}};

}  // namespace

// A font that fits the template's cells leaves them where they are; a
// larger one grows every cell and keeps the gaps and margins; a bar too
// narrow for the columns takes fewer, down to one, as its width holds, and
// narrower still the cell as its text needs it, then its values wrapped
// onto more lines (four values two to a line, then one).
TEST(BarFontLayout, RegisterCellsGrowAndReflowToTheWidth)
{
    const struct {
        std::vector<SIZE> cellSizes;
        int cxAvailable;
        const char* pszCells;  // each cell's rectangle
        const char* pszDesign;
        const char* pszLeast;
    } rows[] = {
        {{{300, 14}}, 2000, "6,3,342,19 348,3,684,19 6,21,342,37 348,21,684,37", "690x40", "312x40"},
        {{{400, 20}}, 2000, "6,3,406,23 412,3,812,23 6,25,406,45 412,25,812,45", "818x48", "412x48"},
        {{{400, 20}}, 817, "6,3,406,23 6,25,406,45 6,47,406,67 6,69,406,89", "412x92", "412x92"},
        {{{400, 20}}, 10, "6,3,406,23 6,25,406,45 6,47,406,67 6,69,406,89", "412x92", "412x92"},
        {{{300, 14}, {160, 30}}, 330, "6,3,306,19 6,21,306,37 6,39,306,55 6,57,306,73", "312x76", "172x76"},
        {{{400, 20}, {210, 40}, {120, 80}}, 300, "6,3,216,43 6,45,216,85 6,87,216,127 6,129,216,169", "222x172",
         "132x172"},
        {{{400, 20}, {210, 40}, {120, 80}}, 100, "6,3,126,83 6,85,126,165 6,167,126,247 6,249,126,329", "132x332",
         "132x332"},
    };
    for (const auto& row : rows) {
        RECT cells[4];
        SBarLayoutSizes sizes = LayoutCellGrid(kGrid32, row.cellSizes, row.cxAvailable, cells);
        std::string strCells;
        for (const RECT& rc : cells)
            strCells += (strCells.empty() ? "" : " ") + Text(rc);
        SCOPED_TRACE(Text(row.cellSizes.back()) + " in " + std::to_string(row.cxAvailable));
        EXPECT_EQ(row.pszCells, strCells);
        EXPECT_EQ(row.pszDesign, Text(sizes.szDesign));
        EXPECT_EQ(row.pszLeast, Text(sizes.szLeast));
    }
    EXPECT_EQ((std::vector<int>{4, 2, 1}), WordsPerWrappedLine(4));
    EXPECT_EQ((std::vector<int>{2, 1}), WordsPerWrappedLine(2));
    EXPECT_EQ((std::vector<int>{1}), WordsPerWrappedLine(0));
}

// The command edit grows to a line of its font, never below its template;
// the label stays centred beside it and the bar's height follows.
TEST(BarFontLayout, CommandLineRowFollowsTheEditsHeight)
{
    const SCmdLineRects tmpl = {{6, 31, 86, 44}, {87, 28, 684, 48}};
    const SIZE szTemplate = {690, 52};
    const struct {
        int cyEdit;
        const char* pszLabel;
        const char* pszEdit;
        const char* pszSize;
    } rows[] = {
        {16, "6,31,86,44", "87,28,684,48", "690x52"},
        {40, "6,41,86,54", "87,28,684,68", "690x72"},
    };
    for (const auto& row : rows) {
        SCmdLineRects out;
        SBarLayoutSizes sizes = LayoutCommandLine(tmpl, szTemplate, row.cyEdit, out);
        SCOPED_TRACE(row.cyEdit);
        EXPECT_EQ(row.pszLabel, Text(out.rcLabel));
        EXPECT_EQ(row.pszEdit, Text(out.rcEdit));
        EXPECT_EQ(row.pszSize, Text(sizes.szDesign));
        EXPECT_EQ(row.pszSize, Text(sizes.szLeast));
    }
}

// The address field grows to hold its digits, the button and trackbar move
// along the row, centred in it, and the hex view goes below with the room
// it needs; the bar is placed for its least size, from which the trackbar
// and hex view stretch.
TEST(BarFontLayout, StorageRowMakesRoomForTheAddressAndTheHexView)
{
    const SStorageRects tmpl = {{11, 11, 158, 31}, {164, 10, 209, 33}, {215, 10, 344, 34}, {11, 39, 344, 167}};
    const SIZE szTemplate = {354, 179};
    const struct {
        SIZE szAddress, szLeastHex;
        const char* pszRects;  // address, button, trackbar, hex view
        const char* pszSize;
    } rows[] = {
        {{140, 18}, {300, 40}, "11,12,158,32 164,10,209,33 215,10,344,34 11,39,344,79", "354x91"},
        {{300, 40}, {500, 80}, "11,10,311,50 317,18,362,41 368,18,511,42 11,55,511,135", "521x147"},
    };
    for (const auto& row : rows) {
        SStorageRects out;
        SBarLayoutSizes sizes = LayoutStorageBar(tmpl, szTemplate, row.szAddress, row.szLeastHex, out);
        SCOPED_TRACE(Text(row.szAddress));
        EXPECT_EQ(row.pszRects, Text(out.rcAddress) + " " + Text(out.rcButton) + " " + Text(out.rcTrackbar) + " " +
                                    Text(out.rcHex));
        EXPECT_EQ(row.pszSize, Text(sizes.szDesign));
        EXPECT_EQ(row.pszSize, Text(sizes.szLeast));
    }
}
