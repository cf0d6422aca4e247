// HelpButtonMetricsTest.cpp: size of the caption help button per system
// and look, and its place left of the caption buttons.
#include <gtest/gtest.h>

#include "framework/HelpButtonMetrics.h"

TEST(HelpButtonMetrics, Size)
{
    struct Case {
        HelpButtonLook look;
        SIZE expected;
    } cases[] = {
        {{9, false, false, false, false, 36, 22}, {34, 18}},
        {{9, true, false, false, false, 36, 22}, {32, 18}},
        {{12, true, true, false, false, 36, 22}, {32, 21}},
        {{12, true, true, false, true, 36, 22}, {32, 20}},
        {{6, true, false, false, false, 18, 18}, {31, 31}},
        {{6, true, false, true, false, 25, 18}, {13, 13}},
        {{6, false, false, false, false, 21, 18}, {19, 17}},
        {{6, false, false, false, false, 40, 18}, {22, 21}},
        {{6, false, false, true, false, 18, 18}, {10, 11}},
        {{6, false, false, true, false, 99, 18}, {16, 14}},
    };
    for (const Case& c : cases) {
        SIZE s = HelpButtonSize(c.look);
        EXPECT_EQ(s.cx, c.expected.cx) << c.look.nOSFlavor << " " << c.look.cxSize;
        EXPECT_EQ(s.cy, c.expected.cy) << c.look.nOSFlavor << " " << c.look.cxSize;
    }
}

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
