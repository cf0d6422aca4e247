// LineSelectionTest.cpp: selection arithmetic and point-to-line mapping.
#include <gtest/gtest.h>

#include "session/LineSelection.h"

TEST(LineSelection, DragEitherWaySelectsBothEnds)
{
    CLineSelection sel;
    sel.SetEmptyAt(5);
    EXPECT_FALSE(sel.HasSelection());
    EXPECT_EQ(sel.GetFirst(), -1);
    sel.ExtendTo(2);
    EXPECT_EQ(sel.GetFirst(), 2);
    EXPECT_EQ(sel.GetLast(), 5);
    sel.SetEmptyAt(2);
    sel.ExtendTo(5);
    EXPECT_EQ(sel.GetFirst(), 2);
    EXPECT_EQ(sel.GetLast(), 5);
    EXPECT_EQ(sel.GetLineCount(), 4);
    EXPECT_TRUE(sel.IsSelected(2));
    EXPECT_FALSE(sel.IsSelected(6));
}

TEST(LineSelection, SelectOneAndClear)
{
    CLineSelection sel;
    sel.SelectOne(7);
    EXPECT_EQ(sel.GetFirst(), 7);
    EXPECT_EQ(sel.GetLast(), 7);
    sel.SelectOne(0);
    EXPECT_EQ(sel.GetFirst(), 0);
    EXPECT_EQ(sel.GetLast(), 0);
    sel.Clear();
    EXPECT_FALSE(sel.HasSelection());
    // Raw anchor/caret pairs as stored.
    sel.m_nAnchor = 3;
    sel.m_nCaret = 8;
    EXPECT_EQ(sel.GetFirst(), 3);
    EXPECT_EQ(sel.GetLast(), 7);
    sel.m_nAnchor = 8;
    sel.m_nCaret = 3;
    EXPECT_EQ(sel.GetFirst(), 4);
    EXPECT_EQ(sel.GetLast(), 8);
}

TEST(LineSelection, LineFromY)
{
    CPaneLines pane;
    pane.nTopLine = 10;
    pane.nLinesFit = 5;
    pane.nLineCount = 100;
    pane.nLineHeight = 16;
    EXPECT_EQ(LineFromY(0, 0, 80, pane), 10);
    EXPECT_EQ(LineFromY(33, 0, 80, pane), 12);
    EXPECT_EQ(LineFromY(5000, 0, 80, pane), 14);  // below: last line shown
    EXPECT_EQ(LineFromY(-500, 0, 80, pane), 0);   // above the pane
    pane.nLineCount = 12;
    EXPECT_EQ(LineFromY(79, 0, 80, pane), 11);
    pane.nLineCount = 0;
    EXPECT_EQ(LineFromY(40, 0, 80, pane), 0);
}

TEST(LineSelection, AutoScrollPeriods)
{
    EXPECT_EQ(AutoScrollRepeatMs(0), 400u);
    EXPECT_EQ(AutoScrollRepeatMs(31), 33u);
    EXPECT_EQ(AutoScrollRepeatMs(1000), 33u);
    EXPECT_EQ(AutoScrollDelayMs(0), 250u);
    EXPECT_EQ(AutoScrollDelayMs(3), 1000u);
}

TEST(LineSelection, TopLineShowing)
{
    EXPECT_EQ(TopLineShowing(3, 10, 5), 3);
    EXPECT_EQ(TopLineShowing(12, 10, 5), 10);
    EXPECT_EQ(TopLineShowing(15, 10, 5), 11);
    EXPECT_EQ(TopLineShowing(2, 0, 5), 0);
}
