// AppearanceRulesTest.cpp: the appearance pages' window-free rules: the
// console sample's kinds and font height, the percent lists' indexes, the
// status line's grid and sample, and the font-and-colour change test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "preferences/AppearanceRules.h"
#include "session/ConsoleClassifier.h"

TEST(ConsoleSample, LinesHaveTheirKindsInOrder)
{
    const int kKinds[kSampleConsoleLines] = {
        kMsgInfo, kMsgInfo, kMsgInfo, kMsgDebug, kMsgInfo, kMsgError, kMsgInfo, kMsgInfo, kMsgInfo, kMsgInfo,
        kMsgWarning, kMsgInfo, kMsgPlain, kMsgPlain, kMsgPlain, kMsgPlain, kMsgPlain, kMsgPlain, kMsgPlain,
        kMsgPlain, kMsgInfo, kMsgPlain,
    };
    for (int i = 0; i < kSampleConsoleLines; ++i)
        EXPECT_EQ(ClassifyMessage(CString(g_apszSampleConsoleLines[i])), kKinds[i]) << i;
    EXPECT_STREQ(g_apszSampleConsoleLines[kSampleConsoleLines - 1], "1");
}

TEST(ConsoleSample, TextIsEveryLineWithALineFeed)
{
    CString str = SampleConsoleText();
    int nLines = 0;
    for (int i = 0; i < str.GetLength(); ++i)
        nLines += str[i] == '\n';
    EXPECT_EQ(nLines, kSampleConsoleLines);
    EXPECT_EQ(str.Left(9), "ZQC01413I");
    EXPECT_EQ(str.Right(3), "\n1\n");
}

TEST(ConsoleSample, FontHeightInTwips)
{
    struct Case {
        long nHeight, nLeading;
        int nDpi;
        long nTwips;
    } const cases[] = {
        {16, 3, 96, 180},   // 13 x 72 / 96 = 9.75, taken as 9 before the x 20
        {16, 0, 96, 240},   {13, 0, 96, 180}, {20, 4, 120, 180}, {33, 5, 144, 280},
        {1, 0, 96, 0},      {16, 3, 0, 0},    {16, 3, -96, 0},   {0, 0, 96, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FontHeightTwips(c.nHeight, c.nLeading, c.nDpi), c.nTwips) << c.nHeight << " " << c.nDpi;
}

TEST(PercentLists, ColoursAndStylesBothWays)
{
    const int kColorIndex[][2] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 0}, {-1, 0}, {100, 0}};
    for (auto& c : kColorIndex)
        EXPECT_EQ(PercentColorToIndex(c[0]), c[1]) << c[0];
    const int kIndexColor[][2] = {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 1}, {-1, 1}, {99, 1}};
    for (auto& c : kIndexColor)
        EXPECT_EQ(PercentIndexToColor(c[0]), c[1]) << c[0];
    const int kStyleIndex[][2] = {{1, 0}, {2, 1}, {0, 0}, {3, 0}, {-2, 0}};
    for (auto& c : kStyleIndex)
        EXPECT_EQ(PercentStyleToIndex(c[0]), c[1]) << c[0];
    const int kIndexStyle[][2] = {{0, 1}, {1, 2}, {2, 1}, {-1, 1}};
    for (auto& c : kIndexStyle)
        EXPECT_EQ(PercentIndexToStyle(c[0]), c[1]) << c[0];
    for (int nColor = 1; nColor <= 4; ++nColor)
        EXPECT_EQ(PercentIndexToColor(PercentColorToIndex(nColor)), nColor);
}

namespace {

std::string Order(const SStatusPartGrid& g)
{
    std::string s;
    for (BYTE b : g.order)
        s += (char)('0' + b);
    return s;
}

// A character is a unit wide; SampleLine is the sample on one line.
int Chars(const CString& s) { return s.GetLength(); }
CString SampleLine(const SStatusPartGrid& g) { return g.SampleLines(Chars, 1000, 1); }

// Every part has one position, the inverse of the order, and each row has at
// most one tick, in its part's column.
void ExpectConsistent(const SStatusPartGrid& g)
{
    ASSERT_TRUE(IsStatusLinePartOrder(g.order)) << Order(g);
    for (int r = 0; r < kStatusLineParts; ++r) {
        EXPECT_EQ(g.order[g.position[r]], r);
        int nTicks = 0;
        for (int c = 0; c < kStatusLineParts; ++c)
            nTicks += g.IsTicked(r, c);
        EXPECT_EQ(nTicks, g.visible[r] ? 1 : 0);
    }
}

}  // namespace

TEST(StatusPartGrid, InitialSampleIsThePartsInOrder)
{
    SStatusPartGrid g;
    EXPECT_EQ(SampleLine(g),
              "CP00 PSW=07542000 80000000 0000000004089BB8 .......Z instcount=124999579 MIPS=  39.17 SIOS= 400");
    ExpectConsistent(g);
}

// Lines break between parts only; a part that does not fit the lines left
// shows not at all, nor any after it.
TEST(StatusPartGrid, SampleBreaksBetweenPartsAndShowsPartsWhole)
{
    const struct {
        int cxLine, nLines;
        const char* pszSample;
    } cases[] = {
        {95, 1, "CP00 PSW=07542000 80000000 0000000004089BB8 .......Z instcount=124999579 MIPS=  39.17 SIOS= 400"},
        {94, 1, "CP00 PSW=07542000 80000000 0000000004089BB8 .......Z instcount=124999579 MIPS=  39.17"},
        {60, 2, "CP00 PSW=07542000 80000000 0000000004089BB8 .......Z\r\ninstcount=124999579 MIPS=  39.17 SIOS= 400"},
        {43, 3, "CP00 PSW=07542000 80000000 0000000004089BB8\r\n.......Z instcount=124999579 MIPS=  39.17\r\nSIOS= 400"},
        {43, 2, "CP00 PSW=07542000 80000000 0000000004089BB8\r\n.......Z instcount=124999579 MIPS=  39.17"},
        {42, 5, ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(SStatusPartGrid().SampleLines(Chars, c.cxLine, c.nLines), c.pszSample) << c.cxLine;
}

TEST(StatusPartGrid, ClickMovesSwapsAndHides)
{
    SStatusPartGrid g;
    g.Click(0, 4, true);  // part 0 to the last column: part 4 comes first
    EXPECT_EQ(Order(g), "41230");
    EXPECT_EQ(SampleLine(g),
              "SIOS= 400 .......Z instcount=124999579 MIPS=  39.17 CP00 PSW=07542000 80000000 0000000004089BB8");
    EXPECT_TRUE(g.IsTicked(0, 4));
    EXPECT_FALSE(g.IsTicked(0, 0));
    EXPECT_TRUE(g.IsTicked(4, 0));
    ExpectConsistent(g);

    SStatusPartGrid h;
    h.Click(2, 2, false);  // its own ticked box: hidden in place
    EXPECT_EQ(Order(h), "01234");
    EXPECT_EQ(SampleLine(h), "CP00 PSW=07542000 80000000 0000000004089BB8 .......Z MIPS=  39.17 SIOS= 400");
    // A box in the hidden part's column: the clicking part moves there, the
    // hidden part takes its old column and stays hidden.
    h.Click(3, 2, true);
    EXPECT_EQ(Order(h), "01324");
    EXPECT_FALSE(h.visible[2]);
    EXPECT_EQ(h.position[2], 3);
    ExpectConsistent(h);
    h.Click(3, 3, true);
    h.Click(2, 2, true);
    EXPECT_EQ(Order(h), "01234");
    EXPECT_EQ(SampleLine(h), SampleLine(SStatusPartGrid()));
}

TEST(StatusPartGrid, RandomClicksKeepAPermutation)
{
    srand(42);
    SStatusPartGrid g;
    for (int i = 0; i < 200; ++i) {
        int k = rand() % 25;
        int r = k / 5, c = k % 5;
        g.Click(r, c, !g.IsTicked(r, c));  // the click toggles the box
        ExpectConsistent(g);
    }
    g.Click(5, 0, true);  // outside the grid: nothing
    g.Click(0, -1, true);
    ExpectConsistent(g);
}

TEST(StatusPartGrid, RepeatedPartStartsFromTheDefaultOrder)
{
    const BYTE kZeros[5] = {0, 0, 0, 0, 0};
    const BYTE kBack[5] = {4, 3, 2, 1, 0};
    const bool kAll[5] = {true, true, true, true, true};
    SStatusPartGrid g;
    g.Set(kBack, kAll);
    EXPECT_EQ(Order(g), "43210");
    EXPECT_EQ(g.position[4], 0);
    g.Set(kZeros, kAll);
    EXPECT_EQ(Order(g), "01234");
    for (int i = 0; i < 50; ++i) {
        g.Click(i % 5, (i * 3) % 5, true);
        ExpectConsistent(g);
    }
}

TEST(FontLook, ChangeTest)
{
    SFontLook a;
    a.strFace = "Arial";
    a.nWeight = 700;
    a.nPointSize = 9;
    a.crText = 0xFFFFFF;
    struct Case {
        const char* pszFace;
        long nWeight;
        bool bItalic;
        int nSize;
        DWORD crText, crBack;
        bool bChanged;
    } const cases[] = {
        {"Arial", 700, false, 9, 0xFFFFFF, 0, false}, {"Arial", 800, false, 9, 0xFFFFFF, 0, false},
        {"arial", 700, false, 9, 0xFFFFFF, 0, true},  {"Arial", 400, false, 9, 0xFFFFFF, 0, true},
        {"Arial", 699, false, 9, 0xFFFFFF, 0, true},  {"Arial", 700, true, 9, 0xFFFFFF, 0, true},
        {"Arial", 700, false, 10, 0xFFFFFF, 0, true}, {"Arial", 700, false, 9, 0xFFFFFE, 0, true},
        {"Arial", 700, false, 9, 0xFFFFFF, 1, true},  {"Courier New", 700, false, 9, 0xFFFFFF, 0, true},
    };
    for (const Case& c : cases) {
        SFontLook b;
        b.strFace = c.pszFace;
        b.nWeight = c.nWeight;
        b.bItalic = c.bItalic;
        b.nPointSize = c.nSize;
        b.crText = c.crText;
        b.crBack = c.crBack;
        EXPECT_EQ(FontLookChanged(a, b), c.bChanged) << c.pszFace << " " << c.nWeight;
    }
}
