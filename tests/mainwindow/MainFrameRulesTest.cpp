// MainFrameRulesTest.cpp: closing, session end and the console copy range.
#include <gtest/gtest.h>

#include "mainwindow/MainFrameRules.h"

namespace {

struct CloseCase {
    bool forced, utilities, emulator;
    CloseStep expected;
};

TEST(MainFrameRules, CloseSteps)
{
    const CloseCase cases[] = {
        {false, false, false, CloseStep::PromptSave},
        {false, true, false, CloseStep::RefuseUtilities},
        {false, true, true, CloseStep::RefuseUtilities},
        {false, false, true, CloseStep::AskPowerOff},
        {true, false, false, CloseStep::Close},
        {true, true, false, CloseStep::Close},  // a session end does not wait for utilities
        {true, false, true, CloseStep::PowerOff},
        {true, true, true, CloseStep::PowerOff},
    };
    for (const CloseCase& c : cases)
        EXPECT_EQ(DecideCloseStep(c.forced, c.utilities, c.emulator), c.expected)
            << c.forced << c.utilities << c.emulator;
}

TEST(MainFrameRules, SessionEndsOnlyWhenNothingIsAtStake)
{
    EXPECT_TRUE(MayEndSession(false, false, false));
    EXPECT_FALSE(MayEndSession(true, false, false));
    EXPECT_FALSE(MayEndSession(false, true, false));
    EXPECT_FALSE(MayEndSession(false, false, true));
}

TEST(MainFrameRules, CopyRangeForwardAndBackward)
{
    LineRange fwd = ConsoleCopyRange(2, 5, 10);
    EXPECT_EQ(fwd.lo, 2);
    EXPECT_EQ(fwd.hi, 5);
    LineRange back = ConsoleCopyRange(5, 2, 10);
    EXPECT_EQ(back.lo, 3);
    EXPECT_EQ(back.hi, 6);
    EXPECT_TRUE(ConsoleCopyRange(4, 4, 10).IsEmpty());
}

TEST(MainFrameRules, CopyRangeNeverPassesTheLastLine)
{
    // Anchor at the line count with the caret above: the range would end
    // one line past the document.
    LineRange r = ConsoleCopyRange(10, 3, 10);
    EXPECT_EQ(r.lo, 4);
    EXPECT_EQ(r.hi, 10);
    LineRange all = ConsoleCopyRange(0, 10, 10);
    EXPECT_EQ(all.hi, 10);
    // Lines removed since the selection was made.
    LineRange gone = ConsoleCopyRange(50, 60, 10);
    EXPECT_TRUE(gone.IsEmpty());
    EXPECT_TRUE(ConsoleCopyRange(0, 5, 0).IsEmpty());
}

TEST(MainFrameRules, CopyAndSelectAllEnabling)
{
    EXPECT_FALSE(CanCopyConsole(1, 3, 0));
    EXPECT_FALSE(CanCopyConsole(3, 3, 10));
    EXPECT_TRUE(CanCopyConsole(1, 3, 10));
    EXPECT_FALSE(CanSelectAllConsole(0, 0, 0));
    EXPECT_TRUE(CanSelectAllConsole(0, 0, 10));
    EXPECT_FALSE(CanSelectAllConsole(0, 10, 10));
    EXPECT_FALSE(CanSelectAllConsole(9, -1, 10));
    EXPECT_TRUE(CanSelectAllConsole(0, 9, 10));
}

}  // namespace
