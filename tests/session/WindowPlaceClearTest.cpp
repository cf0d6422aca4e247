// WindowPlaceClearTest.cpp: where a window goes beside the others of its
// kind: free places, the grid down and across the work area, the cascade when
// the work area is full, and windows that do not fit.
#include "session/WindowPlaceClear.h"

#include <gtest/gtest.h>

namespace {

const RECT kWork = { 0, 0, 1000, 700 };

struct SPlaceCase {
    const char* pszWhat;
    RECT rcWant;
    std::vector<RECT> rcTaken;
    RECT rcPlaced;
};

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(WindowPlaceClear, TakesTheFirstFreePlace)
{
    const SPlaceCase kCases[] = {
        { "free", { 300, 200, 675, 280 }, {}, { 300, 200, 675, 280 } },
        { "beside, touching only", { 300, 200, 675, 280 }, { { 675, 200, 900, 280 } }, { 300, 200, 675, 280 } },
        { "second below the first", { 300, 200, 675, 280 }, { { 300, 200, 675, 280 } }, { 300, 280, 675, 360 } },
        { "third below the second", { 300, 200, 675, 280 },
          { { 300, 200, 675, 280 }, { 300, 280, 675, 360 } }, { 300, 360, 675, 440 } },
        { "a partly covered place is taken", { 300, 200, 675, 280 }, { { 600, 250, 800, 270 } },
          { 300, 280, 675, 360 } },
        { "off the work area: brought back first", { 900, 650, 1275, 730 }, {}, { 625, 620, 1000, 700 } },
        { "bottom reached: up the column", { 300, 540, 675, 620 },
          { { 300, 540, 675, 620 }, { 300, 620, 675, 700 } }, { 300, 460, 675, 540 } },
        { "column full: the next to the right", { 0, 0, 400, 350 },
          { { 0, 0, 400, 350 }, { 0, 350, 400, 700 } }, { 400, 0, 800, 350 } },
        { "right full: the column to the left", { 600, 0, 1000, 350 },
          { { 600, 0, 1000, 350 }, { 600, 350, 1000, 700 } }, { 200, 0, 600, 350 } },
    };
    for (const SPlaceCase& c : kCases) {
        RECT rc = PlaceWindowClear(c.rcWant, c.rcTaken, kWork, 30);
        EXPECT_TRUE(Same(rc, c.rcPlaced)) << c.pszWhat << ": " << rc.left << "," << rc.top << "-" << rc.right
                                          << "," << rc.bottom;
    }
}

TEST(WindowPlaceClear, CascadesWhenTheWorkAreaIsFull)
{
    // Two windows of more than half the work area each: no second free place.
    const RECT rcWant = { 100, 100, 700, 500 };
    std::vector<RECT> rcTaken = { rcWant };
    for (int i = 1; i <= 4; ++i) {
        RECT rc = PlaceWindowClear(rcWant, rcTaken, kWork, 30);
        EXPECT_EQ(rc.left, 100 + 30 * i) << i;
        EXPECT_EQ(rc.top, 100 + 30 * i) << i;
        EXPECT_EQ(rc.right - rc.left, 600);
        rcTaken.push_back(rc);
    }
    // At the bottom of the work area it starts over from its corner.
    std::vector<RECT> rcLow = { { 100, 300, 700, 700 } };
    RECT rc = PlaceWindowClear({ 100, 300, 700, 700 }, rcLow, kWork, 30);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
}

TEST(WindowPlaceClear, AWindowLargerThanTheWorkAreaKeepsItsCornerOnIt)
{
    RECT rc = PlaceWindowClear({ -50, -40, 1150, 760 }, {}, kWork, 30);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right, 1200);
    // It has nowhere else to go: it stays there even when that is taken.
    rc = PlaceWindowClear({ 0, 0, 1200, 800 }, { { 0, 0, 1200, 800 } }, kWork, 30);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
}

}  // namespace
