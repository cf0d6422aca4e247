// ScrollBarPartTest.cpp: the part of a scroll bar under a point.
#include "platform/ScrollBarPart.h"

#include <gtest/gtest.h>

TEST(ScrollBarPartAt, EachPartAndItsEdges)
{
    // A bar of 200 with arrows of 17 and the thumb from 60 to 90.
    struct Case {
        int nOffset;
        EScrollBarPart ePart;
    };
    const Case cases[] = {
        {-1, kScrollBarOutside},      {0, kScrollBarArrowBack},     {16, kScrollBarArrowBack},
        {17, kScrollBarTrackBack},    {59, kScrollBarTrackBack},    {60, kScrollBarThumb},
        {89, kScrollBarThumb},        {90, kScrollBarTrackForward}, {182, kScrollBarTrackForward},
        {183, kScrollBarArrowForward}, {199, kScrollBarArrowForward}, {200, kScrollBarOutside},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.ePart, ScrollBarPartAt(c.nOffset, 200, 17, 60, 90)) << c.nOffset;
}

TEST(ScrollBarPartAt, ABarWithoutThumbIsArrowsAndTrack)
{
    EXPECT_EQ(kScrollBarTrackBack, ScrollBarPartAt(100, 200, 17, 0, 0));
    EXPECT_EQ(kScrollBarArrowForward, ScrollBarPartAt(190, 200, 17, 0, 0));
}

// Arrows longer than half a short bar meet in its middle.
TEST(ScrollBarPartAt, ArrowsShareAShortBar)
{
    EXPECT_EQ(kScrollBarArrowBack, ScrollBarPartAt(9, 20, 17, 0, 0));
    EXPECT_EQ(kScrollBarArrowForward, ScrollBarPartAt(10, 20, 17, 0, 0));
    EXPECT_EQ(kScrollBarOutside, ScrollBarPartAt(0, 0, 17, 0, 0));
}
