// ConsoleLinesTest.cpp: the document's line store and length histogram.
#include <gtest/gtest.h>

#include "session/ConsoleClassifier.h"
#include "session/ConsoleLines.h"

TEST(ConsoleLines, LongestLineFollowsRemovals)
{
    CConsoleLines lines;
    EXPECT_EQ(lines.GetLongestLength(), 0);
    lines.Add("abc");
    lines.Add(CString('x', 100000));
    lines.Add("");
    EXPECT_EQ(lines.GetLongestLength(), 100000);
    EXPECT_EQ(lines.RemoveFirst(), "abc");
    EXPECT_EQ(lines.RemoveFirst().GetLength(), 100000);
    EXPECT_EQ(lines.GetLongestLength(), 0);
    EXPECT_EQ(lines.GetCount(), 1);
    EXPECT_EQ(lines.RemoveFirst(), "");
    EXPECT_EQ(lines.RemoveFirst(), "");
    EXPECT_FALSE(lines.HasLines());
}

TEST(ConsoleLines, RemoveFirstN)
{
    CConsoleLines lines;
    EXPECT_TRUE(lines.RemoveFirst(0));
    EXPECT_FALSE(lines.RemoveFirst(1));
    for (int i = 0; i < 5; ++i)
        lines.Add(CString('a', i));
    EXPECT_FALSE(lines.RemoveFirst(-1));
    EXPECT_FALSE(lines.RemoveFirst(6));
    EXPECT_EQ(lines.GetCount(), 5);
    EXPECT_TRUE(lines.RemoveFirst(3));
    EXPECT_EQ(lines.GetAt(0), "aaa");
    EXPECT_EQ(lines.GetLongestLength(), 4);
    EXPECT_EQ(lines.GetAt(7), "");
    EXPECT_EQ(lines.GetAt(-1), "");
}

TEST(ConsoleLines, NextAndPrevWalk)
{
    CConsoleLines lines;
    lines.Add("one");
    lines.Add("two");
    INT_PTR nPos = 0;
    EXPECT_EQ(lines.GetNextLine(nPos), "one");
    EXPECT_EQ(nPos, 1);
    EXPECT_EQ(lines.GetNextLine(nPos), "two");
    EXPECT_EQ(nPos, -1);
    EXPECT_EQ(lines.GetNextLine(nPos), "");
    nPos = 1;
    EXPECT_EQ(lines.GetPrevLine(nPos), "two");
    EXPECT_EQ(lines.GetPrevLine(nPos), "one");
    EXPECT_EQ(nPos, -1);
    nPos = 9;
    EXPECT_EQ(lines.GetPrevLine(nPos), "");
    EXPECT_EQ(nPos, -1);
}

// A kind given with a line stays with it as older lines go; lines of a
// block and lines added plainly have none, and a kind out of range is not
// kept.
TEST(ConsoleLines, GivenKindsStayWithTheirLines)
{
    CConsoleLines lines;
    CConsoleBlock block;
    block.Add("one");
    block.Add("two");
    lines.Add(std::move(block));
    lines.Add("x ended; rc=8", kMsgError);
    lines.Add("plain");
    lines.Add("note", kMsgInfo);
    lines.Add("odd", kMsgKindCount);
    lines.Add("negative", -5);
    const int kExpected[] = {-1, -1, kMsgError, -1, kMsgInfo, -1, -1};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(kExpected[i], lines.GetGivenKind(i)) << i;
    EXPECT_EQ(-1, lines.GetGivenKind(-1));
    EXPECT_EQ(-1, lines.GetGivenKind(7));
    EXPECT_TRUE(lines.RemoveFirst(2));
    EXPECT_EQ("x ended; rc=8", lines.GetAt(0));
    EXPECT_EQ(kMsgError, lines.GetGivenKind(0));
    EXPECT_EQ(kMsgInfo, lines.GetGivenKind(2));
    EXPECT_EQ(lines.GetLongestLength(), 13);
}
