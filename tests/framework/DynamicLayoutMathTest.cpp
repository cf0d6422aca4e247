// DynamicLayoutMathTest.cpp: where controls go for each kind of anchoring,
// the map-entry rule table, even spacing, tracking limits and stretching.
#include <gtest/gtest.h>

#include "framework/DynamicLayoutMath.h"

namespace {

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct AnchorCase {
    const char* name;
    int hMode, vMode;
    SIZE delta;
    RECT expected;
};

// A 50x14 button at (100, 200) in a window that grows, shrinks or both.
const RECT kButton = {100, 200, 150, 214};

}  // namespace

TEST(DynamicLayoutMath, AnchoringByModesAfterResizes)
{
    const AnchorCase cases[] = {
        {"stay", kDynModeStay, kDynModeStay, {80, 60}, {100, 200, 150, 214}},
        {"stretch x", kDynModeStretch, kDynModeStay, {80, 60}, {100, 200, 230, 214}},
        {"stretch y", kDynModeStay, kDynModeStretch, {80, 60}, {100, 200, 150, 274}},
        {"stretch both", kDynModeStretch, kDynModeStretch, {80, 60}, {100, 200, 230, 274}},
        {"move x", kDynModeMove, kDynModeStay, {80, 60}, {180, 200, 230, 214}},
        {"move both", kDynModeMove, kDynModeMove, {80, 60}, {180, 260, 230, 274}},
        {"half x, ride bottom", kDynModeMoveHalf, kDynModeMove, {80, 60}, {140, 260, 190, 274}},
        {"half of an odd delta truncates", kDynModeMoveHalf, kDynModeMoveHalf, {81, 61}, {140, 230, 190, 244}},
        {"shrunk moves back", kDynModeMove, kDynModeMove, {-30, -20}, {70, 180, 120, 194}},
        {"shrunk stretch narrows", kDynModeStretch, kDynModeStretch, {-30, -10}, {100, 200, 120, 204}},
        {"shrunk below nothing keeps zero height", kDynModeStay, kDynModeStretch, {0, -20}, {100, 200, 150, 200}},
        {"half of a negative odd delta truncates toward zero", kDynModeMoveHalf, kDynModeStay, {-31, 0}, {85, 200, 135, 214}},
        {"unknown mode stays", 7, 9, {80, 60}, {100, 200, 150, 214}},
    };
    for (const AnchorCase& c : cases) {
        BYTE pl, pr, pt, pb;
        ModeToPercents(c.hMode, pl, pr);
        ModeToPercents(c.vMode, pt, pb);
        CDynPos pos(kButton, (signed char)pl, (signed char)pt, (signed char)pr, (signed char)pb);
        RECT rc = DynamicControlRect(pos, c.delta, false, POINT{0, 0});
        EXPECT_TRUE(SameRect(rc, c.expected)) << c.name << ": " << rc.left << "," << rc.top << ","
                                             << rc.right << "," << rc.bottom;
    }
}

TEST(DynamicLayoutMath, MinimumSizeGrowsRightAndDown)
{
    CDynPos pos(RECT{10, 10, 110, 60}, 0, 0, 100, 100, SIZE{80, 40});
    RECT rc = DynamicControlRect(pos, SIZE{-50, -30}, false, POINT{0, 0});
    EXPECT_TRUE(SameRect(rc, RECT{10, 10, 90, 50}));
}

TEST(DynamicLayoutMath, ScrollModeShiftsAndIgnoresShrinking)
{
    CDynPos pos(RECT{10, 10, 60, 24}, 100, 100, 100, 100);
    // Grown: moves apply, less the scroll position.
    RECT rc = DynamicControlRect(pos, SIZE{20, 10}, true, POINT{5, 3});
    EXPECT_TRUE(SameRect(rc, RECT{25, 17, 75, 31}));
    // Shrunk on x only: no horizontal move, the vertical one stays.
    rc = DynamicControlRect(pos, SIZE{-20, 10}, true, POINT{0, 0});
    EXPECT_TRUE(SameRect(rc, RECT{10, 20, 60, 34}));
}

// A rectangle found after a resize, taken back to its base, comes out where
// it was found, whatever the rule, delta and scroll mode.
TEST(DynamicLayoutMath, BaseRectIsTheInverseOfThePlacement)
{
    const RECT kNow = {140, 230, 190, 244};
    const signed char rules[][4] = {{0, 0, 0, 0}, {0, 0, 100, 100}, {100, 100, 100, 100}, {50, 100, 50, 100}, {25, 33, 75, 67}};
    const SIZE deltas[] = {{0, 0}, {80, 60}, {81, -61}, {-31, 7}, {-1, -1}, {100000, 3}};
    const POINT scrolls[] = {{0, 0}, {5, 3}};
    for (const auto& r : rules)
        for (SIZE d : deltas)
            for (bool bScroll : {false, true})
                for (POINT sc : scrolls) {
                    CDynPos pos(kNow, r[0], r[1], r[2], r[3]);
                    RECT base = DynamicBaseRect(kNow, pos, d, bScroll, sc);
                    CDynPos rec(base, r[0], r[1], r[2], r[3]);
                    RECT back = DynamicControlRect(rec, d, bScroll, sc);
                    EXPECT_TRUE(SameRect(back, kNow)) << (int)r[0] << "," << (int)r[1] << " delta " << d.cx << ","
                                                      << d.cy << " scroll " << bScroll;
                }
}

TEST(DynamicLayoutMath, BaseRectOfAMovedControl)
{
    CDynPos pos(RECT{0, 0, 0, 0}, 100, 100, 100, 100);
    RECT base = DynamicBaseRect(RECT{180, 260, 230, 274}, pos, SIZE{80, 60}, false, POINT{0, 0});
    EXPECT_TRUE(SameRect(base, RECT{100, 200, 150, 214}));
    CDynPos stretch(RECT{0, 0, 0, 0}, 0, 0, 100, 0);
    base = DynamicBaseRect(RECT{10, 5, 160, 15}, stretch, SIZE{50, 9}, false, POINT{0, 0});
    EXPECT_TRUE(SameRect(base, RECT{10, 5, 110, 15}));
}

TEST(DynamicLayoutMath, MapEntryTypes)
{
    struct Case {
        cdxDynamicMapEntry entry;
        bool ok;
        BYTE pct[4];
        DynAxis axis;
    } cases[] = {
        {{kDynMapPercents, 5, 10, 20, 30, 40}, true, {10, 20, 30, 40}, kDynAxisBoth},
        {{kDynMapModes, 5, 1, 1, 0, 0}, true, {0, 0, 100, 100}, kDynAxisBoth},
        {{kDynMapModes, 5, 3, 2, 0, 0}, true, {50, 100, 50, 100}, kDynAxisBoth},
        {{kDynMapXPercents, 5, 10, 20, 30, 40}, true, {10, 0, 30, 0}, kDynAxisX},
        {{kDynMapYPercents, 5, 10, 20, 30, 40}, true, {0, 20, 0, 40}, kDynAxisY},
        {{kDynMapXMode, 5, 2, 1, 0, 0}, true, {100, 0, 100, 0}, kDynAxisX},
        {{kDynMapYMode, 5, 2, 1, 0, 0}, true, {0, 0, 0, 100}, kDynAxisY},
        {{9, 5, 1, 1, 1, 1}, false, {0, 0, 0, 0}, kDynAxisBoth},
    };
    for (const Case& c : cases) {
        BYTE pct[4];
        DynAxis axis = kDynAxisBoth;
        ASSERT_EQ(DynamicMapEntryRule(c.entry, pct, axis), c.ok) << c.entry.nType;
        if (!c.ok)
            continue;
        EXPECT_EQ(axis, c.axis) << c.entry.nType;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(pct[i], c.pct[i]) << "type " << c.entry.nType << " edge " << i;
    }
}

TEST(DynamicLayoutMath, EvenPercents)
{
    BYTE n = 0, f = 0;
    ASSERT_TRUE(EvenMovePercents(3, 1, n, f));
    EXPECT_EQ(n, 25); EXPECT_EQ(f, 25);
    ASSERT_TRUE(EvenMovePercents(3, 3, n, f));
    EXPECT_EQ(n, 75); EXPECT_EQ(f, 75);
    ASSERT_TRUE(EvenSizePercents(3, 2, n, f));
    EXPECT_EQ(n, 33); EXPECT_EQ(f, 67);
    ASSERT_TRUE(EvenSizePercents(8, 8, n, f));
    EXPECT_EQ(n, 88); EXPECT_EQ(f, 100);
    EXPECT_FALSE(EvenMovePercents(1, 1, n, f));
    EXPECT_FALSE(EvenMovePercents(3, 0, n, f));
    EXPECT_FALSE(EvenMovePercents(3, 4, n, f));
    EXPECT_FALSE(EvenSizePercents(1, 1, n, f));
    EXPECT_FALSE(EvenSizePercents(4, 5, n, f));
}

TEST(DynamicLayoutMath, TrackingLimits)
{
    POINT ptMin = {0, 0}, ptMax = {9999, 8888};
    DynamicTrackingLimits(SIZE{300, 200}, SIZE{0, 0}, SIZE{16, 39}, 3, ptMin, ptMax);
    EXPECT_EQ(ptMin.x, 316); EXPECT_EQ(ptMin.y, 239);
    EXPECT_EQ(ptMax.x, 9999); EXPECT_EQ(ptMax.y, 8888);
    // Fixed height, width limited to a maximum.
    DynamicTrackingLimits(SIZE{300, 200}, SIZE{500, 0}, SIZE{16, 39}, 1, ptMin, ptMax);
    EXPECT_EQ(ptMax.x, 516); EXPECT_EQ(ptMax.y, 239);
}

TEST(DynamicLayoutMath, StretchAboutTheCentre)
{
    RECT rc;
    ASSERT_TRUE(StretchRect(RECT{100, 100, 200, 150}, 11, 5, rc));
    EXPECT_TRUE(SameRect(rc, RECT{95, 98, 206, 153}));
    EXPECT_FALSE(StretchRect(RECT{100, 100, 110, 110}, -12, 0, rc));
}
