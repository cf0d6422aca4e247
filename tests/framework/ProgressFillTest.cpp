// ProgressFillTest.cpp: the themed progress bar's fill width over ranges,
// positions outside them, reversed and empty ranges and the 32-bit extremes.
#include <gtest/gtest.h>

#include <climits>

#include "framework/ProgressFill.h"

TEST(ProgressFill, FillWidths)
{
    struct {
        int nLower, nUpper, nPos, nWidth, nFill;
    } cases[] = {
        {0, 100, 50, 200, 100},
        {0, 100, 0, 200, 0},
        {0, 100, 100, 200, 200},
        {0, 100, -5, 200, 0},
        {0, 100, 150, 200, 200},
        {20, 40, 30, 100, 50},
        {40, 20, 30, 100, 50},
        {7, 7, 7, 100, 0},
        {0, 3, 1, 100, 33},
        {0, 100, 50, 0, 0},
        {0, 100, 50, -10, 0},
        {INT_MIN, INT_MAX, 0, 1000, 500},
        {INT_MIN, INT_MAX, INT_MAX, 1000, 1000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProgressFillWidth(c.nLower, c.nUpper, c.nPos, c.nWidth), c.nFill)
            << c.nLower << ".." << c.nUpper << " at " << c.nPos;
}
