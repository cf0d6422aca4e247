// HelpButtonMetricsTest.cpp: the caption help button's place left of the
// caption buttons, by frame style. (Its place against the buttons the system
// reports is tested under Wine in HelpButtonPlaceTest.cpp.)
#include <gtest/gtest.h>

#include "framework/HelpButtonMetrics.h"

TEST(HelpButtonMetrics, PlaceLeftOfTheCaptionButtons)
{
    const SIZE s = {16, 14};
    // Close button only: directly left of it.
    HelpButtonFrame f = {400, 2, 2, {3, 3}, true, false, false, false, false};
    RECT rc = HelpButtonRectUncomposed(f, s);
    EXPECT_EQ(rc.left, 400 - 2 - 16 - (3 + 2 + 16));
    EXPECT_EQ(rc.top, 5);
    EXPECT_EQ(rc.right - rc.left, 16);
    EXPECT_EQ(rc.bottom - rc.top, 14);
    // With minimise and maximise boxes, unthemed: one edge and two buttons more.
    f.bMinMaxBox = true;
    EXPECT_EQ(HelpButtonRectUncomposed(f, s).left, 400 - 2 - 16 - (3 + 2 + 16 + 2 + 32));
    // Themed: two edges and two buttons.
    f.bThemed = true;
    EXPECT_EQ(HelpButtonRectUncomposed(f, s).left, 400 - 2 - 16 - (3 + 2 + 16 + 4 + 32));
    // A tool window ignores the boxes.
    f.bToolWindow = true;
    EXPECT_EQ(HelpButtonRectUncomposed(f, s).left, 400 - 2 - 16 - (3 + 2 + 16));
    // No system menu: at the right edge inside the frame.
    HelpButtonFrame g = {400, 2, 2, {4, 4}, false, true, false, false, false};
    EXPECT_EQ(HelpButtonRectUncomposed(g, s).left, 400 - 2 - 16 - 4);
    // Maximised: the frame lies off-screen, so the button moves right by it.
    g.bMaximized = true;
    EXPECT_EQ(HelpButtonRectUncomposed(g, s).left, 400 - 2 - 16 + 4);
}
