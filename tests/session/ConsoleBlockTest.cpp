// ConsoleBlockTest.cpp: console lines in one buffer, joined and sliced, and
// the line store that keeps them there.
#include <gtest/gtest.h>

#include "session/ConsoleBlock.h"
#include "session/ConsoleLines.h"

namespace {

CConsoleBlock Block(const std::vector<std::string>& lines)
{
    CConsoleBlock block;
    for (const std::string& s : lines)
        block.Add(s);
    return block;
}

TEST(ConsoleBlock, LinesWithPrefixEachFollowedByCrLf)
{
    CConsoleBlock block;
    block.Add("12:00 ", 6, "first", 5);
    block.Add("12:00 ", 6, "", 0);
    block.Add(nullptr, 0, "x", 1);
    ASSERT_EQ(3u, block.GetCount());
    EXPECT_EQ("12:00 first\r\n12:00 \r\nx\r\n", block.Text());
    EXPECT_EQ("12:00 first", block.Line(0));
    EXPECT_EQ("12:00 ", block.Line(1));
    EXPECT_EQ(1u, block.LineLength(2));
}

TEST(ConsoleBlock, SlicesOfLines)
{
    CConsoleBlock block = Block({"a", "bb", "", "dddd"});
    const struct {
        size_t nFirst, nEnd;
        const char* pszText;
    } cases[] = {
        {0, 4, "a\r\nbb\r\n\r\ndddd\r\n"},
        {1, 3, "bb\r\n\r\n"},
        {3, 4, "dddd\r\n"},
        {3, 9, "dddd\r\n"},     // an end past the last line stops there
        {2, 2, ""},
        {3, 1, ""},
        {4, 5, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pszText, block.TextOf(c.nFirst, c.nEnd)) << c.nFirst << ".." << c.nEnd;
}

TEST(ConsoleBlock, AppendKeepsOrderAndEmptiesTheOther)
{
    CConsoleBlock all;
    CConsoleBlock first = Block({"1", "22"});
    all.Append(std::move(first));
    EXPECT_TRUE(first.IsEmpty());
    EXPECT_EQ("", first.Text());
    CConsoleBlock second = Block({"333", ""});
    all.Append(std::move(second));
    EXPECT_TRUE(second.IsEmpty());
    ASSERT_EQ(4u, all.GetCount());
    const char* const expected[] = {"1", "22", "333", ""};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(expected[i], all.Line(i)) << i;
    EXPECT_EQ("1\r\n22\r\n333\r\n\r\n", all.Text());
    CConsoleBlock none;
    all.Append(std::move(none));
    EXPECT_EQ(4u, all.GetCount());
}

TEST(ConsoleLines, BlocksAreStoredLineByLineAndOutliveTheirSource)
{
    CConsoleLines lines;
    lines.Add("note");
    {
        CConsoleBlock block = Block({"x1", std::string(300, 'y'), "x3"});
        lines.Add(std::move(block));
    }
    lines.Add(CConsoleBlock());
    ASSERT_EQ(4, lines.GetCount());
    EXPECT_EQ("note", lines.GetAt(0));
    EXPECT_EQ("x1", lines.GetAt(1));
    EXPECT_EQ(300, lines.GetAt(2).GetLength());
    EXPECT_EQ(300, lines.GetLongestLength());
    // The block's first lines go; the rest stays readable.
    EXPECT_TRUE(lines.RemoveFirst(3));
    EXPECT_EQ("x3", lines.GetAt(0));
    EXPECT_EQ(2, lines.GetLongestLength());
    INT_PTR nPos = 0;
    EXPECT_EQ("x3", lines.GetNextLine(nPos));
    EXPECT_EQ(-1, nPos);
    EXPECT_EQ("x3", lines.RemoveFirst());
    EXPECT_FALSE(lines.HasLines());
}

}  // namespace
