// ConsoleFindTest.cpp: search over the console lines, its scope and its
// "not found" texts.
#include <gtest/gtest.h>

#include <vector>

#include "session/ConsoleFind.h"

namespace {

struct FindFixture : ::testing::Test {
    std::vector<CString> lines = {"alpha", "Beta gamma", "ABC DEF", "delta", "beta again", "omega"};
    int calls = 0;
    int Find(const CString& strText, const CFindOptions& opt, int nSelFirst = -1, int nSelLast = -1)
    {
        CFindScope scope = MakeFindScope((int)lines.size(), nSelFirst, nSelLast, opt);
        return FindInLines([this](int i) { ++calls; return lines[(size_t)i]; }, scope, strText, opt);
    }
};

}  // namespace

TEST_F(FindFixture, ForwardFromNothingFindsFirst)
{
    CFindOptions opt;
    EXPECT_EQ(Find("beta", opt), 1);
    opt.bMatchCase = true;
    EXPECT_EQ(Find("beta", opt), 4);
}

TEST_F(FindFixture, BackwardFromNothingFindsLast)
{
    CFindOptions opt;
    opt.bForward = false;
    EXPECT_EQ(Find("beta", opt), 4);
}

TEST_F(FindFixture, NextFromSelectedLine)
{
    CFindOptions opt;
    EXPECT_EQ(Find("beta", opt, 1, 1), 4);
    opt.bWrapAround = false;
    EXPECT_EQ(Find("beta", opt, 4, 4), -1);
    opt.bWrapAround = true;
    EXPECT_EQ(Find("beta", opt, 4, 4), 1);
}

TEST_F(FindFixture, NoMatchWithWrapEndsAfterOnePass)
{
    CFindOptions opt;
    EXPECT_EQ(Find("zeta", opt), -1);
    EXPECT_EQ(calls, 6);
    calls = 0;
    EXPECT_EQ(Find("zeta", opt, 2, 2), -1);
    EXPECT_EQ(calls, 6);
    calls = 0;
    opt.bForward = false;
    EXPECT_EQ(Find("zeta", opt, 3, 3), -1);
    EXPECT_EQ(calls, 6);
}

TEST_F(FindFixture, OnlyMatchOnStartLineIsFoundAfterWrap)
{
    CFindOptions opt;
    EXPECT_EQ(Find("omega", opt, 5, 5), 5);
}

TEST_F(FindFixture, WithinSelectionCoversOnlySelection)
{
    CFindOptions opt;
    opt.bWithinSelection = true;
    EXPECT_EQ(Find("alpha", opt, 2, 4), -1);
    EXPECT_EQ(Find("delta", opt, 2, 4), 3);
    EXPECT_EQ(calls, 5);  // the failed pass looked at 3 lines, this one at 2 and 3
}

TEST_F(FindFixture, WholeWords)
{
    CFindOptions opt;
    opt.bMatchWholeWord = true;
    EXPECT_EQ(Find("DEF", opt), 2);
    EXPECT_EQ(Find("ABC", opt), 2);
    EXPECT_EQ(Find("BC", opt), -1);
    EXPECT_EQ(Find(" gamma ", opt), 1);
}

TEST_F(FindFixture, EmptyTextOrLinesFindNothing)
{
    CFindOptions opt;
    EXPECT_EQ(Find("", opt), -1);
    lines.clear();
    EXPECT_EQ(Find("a", opt), -1);
    EXPECT_EQ(calls, 0);
}

TEST(ConsoleFindText, NotFoundMessages)
{
    CFindOptions opt;
    EXPECT_EQ(FindNotFoundText("abc", opt), "String \"abc\" not found.");
    opt.bWrapAround = false;
    EXPECT_EQ(FindNotFoundText("abc", opt), "String \"abc\" not found searching forward from here.");
    opt.bForward = false;
    EXPECT_EQ(FindNotFoundText("abc", opt), "String \"abc\" not found searching backward from here.");
    opt.bWithinSelection = true;
    EXPECT_EQ(FindNotFoundText("abc", opt), "String \"abc\" not found within selected lines.");
}

TEST(ConsoleFindScope, StartPoints)
{
    CFindOptions opt;
    CFindScope s = MakeFindScope(10, 3, 7, opt);
    EXPECT_EQ(s.nFirst, 0);
    EXPECT_EQ(s.nLast, 9);
    EXPECT_EQ(s.nStart, 2);
    opt.bForward = false;
    EXPECT_EQ(MakeFindScope(10, 3, 7, opt).nStart, 8);
    EXPECT_EQ(MakeFindScope(10, -1, -1, opt).nStart, 10);
    opt.bWithinSelection = true;
    s = MakeFindScope(10, 3, 7, opt);
    EXPECT_EQ(s.nFirst, 3);
    EXPECT_EQ(s.nLast, 7);
}
