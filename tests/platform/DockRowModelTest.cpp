// DockRowModelTest.cpp: the docking arithmetic: dock lists, row placement,
// row sharing with minimum sizes, alignment, edge moves and dock sides.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>

#include "platform/DockRowModel.h"

namespace {

void* Bar(int n)
{
    return (void*)(UINT_PTR)(0x100000 * n);
}

DockEntryList List(std::initializer_list<void*> entries)
{
    DockEntryList list;
    for (void* p : entries)
        list.Add(p);
    return list;
}

}  // namespace

TEST(DockList, PlaceholdersAreIdsBelow64K)
{
    EXPECT_FALSE(IsDockPlaceholder(nullptr));
    EXPECT_TRUE(IsDockPlaceholder(DockPlaceholderFor(59503)));
    EXPECT_FALSE(IsDockPlaceholder(Bar(1)));
    EXPECT_EQ(DockPlaceholderFor(0x1E801), (void*)(UINT_PTR)0xE801);
}

TEST(DockList, RowRangeOfEveryEntry)
{
    DockEntryList list = List({nullptr, Bar(1), Bar(2), nullptr, Bar(3), DockPlaceholderFor(7), nullptr, Bar(4)});
    struct {
        int self, first, last;
    } rows[] = {{1, 1, 2}, {2, 1, 2}, {4, 4, 5}, {5, 4, 5}, {7, 7, 7}};
    for (auto& r : rows) {
        int first = -9, last = -9;
        ASSERT_TRUE(DockListRowRange(list, r.self, first, last)) << r.self;
        EXPECT_EQ(first, r.first) << r.self;
        EXPECT_EQ(last, r.last) << r.self;
    }
}

TEST(DockList, MissingBarIsNeverIndexed)
{
    DockEntryList list = List({nullptr, Bar(1)});
    int first = 5, last = 5;
    EXPECT_EQ(DockListFind(list, Bar(9)), -1);
    EXPECT_FALSE(DockListRowRange(list, -1, first, last));
    EXPECT_FALSE(DockListRowRange(list, 2, first, last));
    EXPECT_FALSE(DockListRowRange(list, 0, first, last));  // a row break is no bar
    EXPECT_EQ(first, 5);
    DockEntryList empty;
    EXPECT_FALSE(DockListRowRange(empty, 0, first, last));
}

TEST(DockList, CompactAndCountRows)
{
    DockEntryList list = List({Bar(1), nullptr, nullptr, DockPlaceholderFor(3), nullptr, Bar(2), nullptr});
    DockListCompact(list);
    std::vector<void*> want = {nullptr, Bar(1), nullptr, DockPlaceholderFor(3), nullptr, Bar(2)};
    EXPECT_EQ(DockListEntries(list), want);
    EXPECT_EQ(DockListRowCount(list), 2);  // the placeholder row takes no room
    DockEntryList empty;
    DockListCompact(empty);
    EXPECT_EQ(DockListEntries(empty), std::vector<void*>(1, nullptr));
    EXPECT_EQ(DockListRowCount(empty), 0);
}

TEST(DockRowPlace, Table)
{
    struct {
        std::vector<DockRowItem> items;
        int length, overlap;
        std::vector<int> want;
    } cases[] = {
        {{{0, 100}, {0, 50}}, 500, 0, {0, 100}},               // queued from the start
        {{{10, 100}, {300, 50}}, 500, 0, {10, 300}},           // wanted places kept
        {{{0, 100}, {480, 50}}, 500, 0, {0, 450}},             // pushed back inside
        {{{300, 150}, {350, 150}}, 400, 0, {100, 250}},        // both pushed back
        {{{0, 300}, {0, 300}}, 400, 0, {0, 300}},              // too short: they queue
        {{{-50, 100}}, 400, 0, {0}},                           // never before the start
        {{{-2, 100}, {96, 100}}, 400, 2, {-2, 96}},            // borders overlap
        {{{0, 100}, {0, 100}}, 400, 2, {0, 98}},
        {{}, 100, 0, {}},
    };
    for (auto& c : cases)
        EXPECT_EQ(DockRowPlace(c.items, c.length, c.overlap), c.want);
}

TEST(DockRowShare, GrowsEvenlyFirstBarsTakeOddPixels)
{
    // Two bars in a 1000-pixel top row: total 1002, available 298 + 398, each grows by 153.
    std::vector<DockShareItem> items = {{300, 33}, {400, 33}};
    EXPECT_EQ(DockRowShare(items, 1002), kDockShareDone);
    EXPECT_EQ(items[0].nLength, 453);
    EXPECT_EQ(items[1].nLength, 553);
    std::vector<DockShareItem> odd = {{100, 33}, {100, 33}, {100, 33}};
    EXPECT_EQ(DockRowShare(odd, 300), kDockShareDone);  // delta 6 + 2 over three bars
    EXPECT_EQ(odd[0].nLength + odd[1].nLength + odd[2].nLength - 6, 300);
    EXPECT_GE(odd[0].nLength, odd[2].nLength);
}

// Missing length is taken evenly, from every bar above its minimum; a bar
// at its minimum leaves the rest to the others.
TEST(DockRowShare, ShrinksEvenlyDownToTheMinimums)
{
    std::vector<DockShareItem> items = {{300, 50}, {300, 50}};
    EXPECT_EQ(DockRowShare(items, 500), kDockShareDone);  // available 596: 96 to take
    EXPECT_EQ(items[0].nLength, 252);
    EXPECT_EQ(items[1].nLength, 252);
    std::vector<DockShareItem> low = {{300, 50}, {60, 50}};
    EXPECT_EQ(DockRowShare(low, 200), kDockShareDone);
    EXPECT_EQ(low[1].nLength, 50);
    EXPECT_EQ(low[0].nLength - 2 + low[1].nLength - 2, 200);
}

TEST(DockRowShare, RowShorterThanMinimumsKeepsSizes)
{
    std::vector<DockShareItem> items = {{300, 150}, {300, 150}};
    EXPECT_EQ(DockRowShare(items, 250), kDockShareTooSmall);
    EXPECT_EQ(items[0].nLength, 300);
    EXPECT_EQ(items[1].nLength, 300);
}

TEST(DockRowShare, BarBelowMinimumIsNeverShrunkAndTheLoopEnds)
{
    // The first bar is already below its minimum (a stored size, a new minimum).
    std::vector<DockShareItem> items = {{20, 40}, {200, 90}};
    EXPECT_EQ(DockRowShare(items, 130), kDockShareDone);  // 86 pixels to take
    EXPECT_EQ(items[0].nLength, 20);
    EXPECT_EQ(items[1].nLength, 114);
}

TEST(DockRowShare, EmptyRow)
{
    std::vector<DockShareItem> none;
    EXPECT_EQ(DockRowShare(none, 100), kDockShareDone);
}

namespace {

// Rows of one bar each, from (wanted, least) thicknesses.
std::vector<DockRowNeed> SingleBarRows(const std::vector<std::pair<int, int>>& bars)
{
    std::vector<DockRowNeed> rows;
    for (const auto& bar : bars)
        rows.push_back({{{bar.first, bar.second, {}}}, 0});
    return rows;
}

int TotalThickness(const std::vector<DockRowNeed>& rows, int nCap)
{
    int nTotal = 0;
    for (const DockRowNeed& row : rows)
        nTotal += DockRowThickness(row, nCap);
    return nTotal;
}

}  // namespace

// The rows of the frame's sides cut to the room left beside the view: the
// thickest rows give way first, never below their minimums.
TEST(DockRowCap, Table)
{
    struct Case {
        std::vector<DockRowNeed> rows;
        int nBudget;
        int nCap;
    } cases[] = {
        {SingleBarRows({{104, 32}, {52, 32}, {62, 32}}), 218, INT32_MAX},  // fits exactly
        {SingleBarRows({{104, 32}, {52, 32}, {62, 32}}), 500, INT32_MAX},
        {{}, 0, INT32_MAX},
        // Control panel, two 32-bit and one 64-bit register bar, the vector
        // bar, the command line: 690 wanted, 550 room; the vector bar gives way.
        {SingleBarRows({{104, 32}, {52, 32}, {52, 32}, {91, 32}, {329, 32}, {62, 32}}), 550, 189},
        // Two tall rows share the cut evenly.
        {SingleBarRows({{300, 32}, {300, 32}, {50, 32}}), 450, 200},
        // A row whose minimum is above the cap keeps its minimum.
        {SingleBarRows({{300, 250}, {300, 32}}), 400, 150},
        // Not even the minimums fit.
        {SingleBarRows({{300, 100}, {300, 100}}), 150, 0},
    };
    for (const Case& c : cases) {
        int nCap = DockRowCap(c.rows, c.nBudget);
        EXPECT_EQ(nCap, c.nCap) << c.nBudget;
        if (nCap == INT32_MAX || nCap == 0)
            continue;
        int nTotal = TotalThickness(c.rows, nCap);
        EXPECT_LE(nTotal, c.nBudget);
        EXPECT_GT(nTotal + (int)c.rows.size(), c.nBudget) << "the cap leaves room unused";
    }
}

// Bars with rows of text are cut to whole rows: the greatest stop that fits,
// never less than the first; cut bars free what they do not take.
TEST(DockRowCap, BarsWithRowsOfTextDropWholeRows)
{
    const std::vector<int> stops = {33, 52, 71};
    const struct {
        int nHeight, nFit;
    } fits[] = {{100, 100}, {71, 71}, {70, 52}, {52, 52}, {51, 33}, {20, 33}};
    for (const auto& f : fits)
        EXPECT_EQ(DockFitWholeRows(stops, f.nHeight), f.nFit) << f.nHeight;
    EXPECT_EQ(DockFitWholeRows({}, 47), 47);

    // The control panel (never cut) and two register bars of two rows: the
    // bars drop their second rows and leave the rest of the room unused
    // rather than show one and a half rows.
    std::vector<DockRowNeed> rows = {{{{104, 104, {}}}, 0}, {{{52, 33, {33, 52}}}, 0}, {{{52, 33, {33, 52}}}, 0}};
    int nCap = DockRowCap(rows, 180);
    ASSERT_NE(nCap, INT32_MAX);
    EXPECT_EQ(DockRowThickness(rows[1], nCap), 33);
    EXPECT_EQ(TotalThickness(rows, nCap), 170);
    EXPECT_EQ(DockRowCap(rows, 208), INT32_MAX);
    // A row shared by a bar of rows and a bar that may be cut anywhere: the
    // row is as thick as the cap.
    DockRowNeed shared = {{{52, 33, {33, 52}}, {80, 32, {}}}, 0};
    EXPECT_EQ(DockRowThickness(shared, 45), 45);
    EXPECT_EQ(DockBarThickness(shared.bars[0], 45), 33);
    // A bar wanting a height between two rows (sized so by the user) shows the upper one whole.
    EXPECT_EQ(DockBarThickness({60, 33, {33, 52, 71}}, INT32_MAX), 52);
    EXPECT_EQ(DockBarThickness({80, 33, {33, 52, 71}}, INT32_MAX), 80);
}

// The room a uniform cap leaves goes to the rows in order, a whole row of
// text at a time: two 64-bit register bars cut to three of their four rows
// beside 31 spare pixels, the first gets its fourth row back.
// A column of bars shows whole rows: what rounding down frees goes a row at
// a time to the bars in turn, the rest to a list past its least rows.
TEST(DockKeepWholeRows, Table)
{
    const struct {
        std::vector<DockWholeItem> in;
        std::vector<int> out;
    } cases[] = {
        {{{100, {20, 50, 80}, false}, {300, {20, 150}, true}}, {100, 300}},  // roomy: as the user gave
        {{{70, {20, 50, 80}, false}, {300, {20, 150}, true}}, {50, 320}},
        {{{40, {20, 40, 60}, false}, {100, {20, 150}, true}, {100, {20, 150}, true}}, {60, 160, 20}},
        {{{70, {20, 50, 80}, false}, {10, {20, 40}, false}}, {50, 20}},  // a caption, and nobody takes more
        {{{178, {20, 40}, false}, {50, {20, 97}, true}}, {131, 97}},     // room below rows goes to a list's least
        {{{60, {20, 40}, false}, {50, {20, 97}, true}}, {90, 20}},       // or the list's room below the rows
    };
    for (const auto& c : cases) {
        std::vector<DockWholeItem> items = c.in;
        DockKeepWholeRows(items);
        for (size_t k = 0; k < items.size(); k++)
            EXPECT_EQ(c.out[k], items[k].nLength) << k;
    }
}

TEST(DockRowCaps, TheRoomLeftGoesToTheRowsInOrder)
{
    const DockBarNeed regs = {90, 33, {33, 52, 71, 90}};
    std::vector<DockRowNeed> rows = {{{regs}, 0}, {{regs}, 0}};
    std::vector<int> caps = DockRowCaps(rows, 2 * 71 + 31);
    ASSERT_EQ(caps.size(), 2u);
    EXPECT_EQ(DockRowThickness(rows[0], caps[0]), 90);
    EXPECT_EQ(DockRowThickness(rows[1], caps[1]), 71);
    EXPECT_EQ(DockRowCaps(rows, 180), (std::vector<int>{INT32_MAX, INT32_MAX}));
    // Rows cut anywhere take the spare pixels one by one.
    std::vector<DockRowNeed> plain = SingleBarRows({{100, 32}, {100, 32}});
    caps = DockRowCaps(plain, 151);
    EXPECT_EQ(DockRowThickness(plain[0], caps[0]) + DockRowThickness(plain[1], caps[1]), 151);
    EXPECT_TRUE(DockRowCaps({}, 10).empty());
    // A bar wanting a height between two rows cannot grow past the upper
    // one: the share ends (it once went on for ever).
    std::vector<DockRowNeed> between = {{{{60, 33, {33, 52, 71}}}, 0}, {{{100, 32, {}}}, 0}};
    caps = DockRowCaps(between, 120);
    EXPECT_EQ(DockRowThickness(between[0], caps[0]), 52);
    EXPECT_EQ(DockRowThickness(between[1], caps[1]), 68);
}

TEST(DockRowAlign, BarsOverlapByTheirBorders)
{
    EXPECT_EQ(DockRowAlign({100, 50, 80}, -2), (std::vector<int>{-2, 96, 144}));
    EXPECT_EQ(DockRowAlign({}, 0), std::vector<int>{});
}

TEST(DockEdge, RangeAndMoveTable)
{
    struct {
        int boundary, delta, moved;
        std::vector<int> want;
    } cases[] = {
        {1, 30, 30, {130, 70, 100}},    // first bar grows, second gives
        {1, 80, 80, {180, 40, 80}},     // second at its minimum, third gives the rest
        {1, 500, 120, {220, 40, 40}},   // clamped to what the others can give
        {2, -30, -30, {100, 70, 130}},  // the edge moves back: the third bar grows
        {2, -500, -120, {40, 40, 220}},
        {0, 10, 0, {100, 100, 100}},    // no edge before the first bar
        {3, 10, 0, {100, 100, 100}},
    };
    for (auto& c : cases) {
        std::vector<DockEdgeItem> items = {{100, 40}, {100, 40}, {100, 40}};
        EXPECT_EQ(DockEdgeMove(items, c.boundary, c.delta), c.moved) << c.boundary << " " << c.delta;
        std::vector<int> got;
        for (auto& it : items)
            got.push_back(it.nLength);
        EXPECT_EQ(got, c.want) << c.boundary << " " << c.delta;
    }
    std::vector<DockEdgeItem> small = {{30, 40}, {100, 40}};  // below minimum: gives nothing
    int lo = 1, hi = 1;
    DockEdgeRange(small, 1, lo, hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 60);
}

TEST(DockSide, OutlineOverASideTable)
{
    // A frame client area 0..800 x 0..600 with a top row of 30 pixels and empty other sides.
    RECT dock[4] = {{0, 0, 800, 30}, {0, 600, 800, 600}, {0, 30, 0, 600}, {800, 30, 800, 600}};
    // The same with a left column of bars 200 pixels wide.
    RECT column[4] = {{0, 0, 800, 30}, {0, 600, 800, 600}, {0, 30, 200, 600}, {800, 30, 800, 600}};
    bool all[4] = {true, true, true, true};
    bool topOnly[4] = {true, false, false, false};
    struct {
        const RECT* docks;
        POINT pt;
        RECT horz, vert;
        const bool* allowed;
        DockSide want;
    } cases[] = {
        {dock, {150, 20}, {100, 10, 300, 40}, {100, 10, 140, 210}, all, kDockTop},
        {dock, {150, 595}, {100, 590, 300, 620}, {100, 590, 140, 790}, all, kDockBottom},
        {dock, {20, 310}, {5, 300, 205, 330}, {5, 300, 45, 500}, all, kDockLeft},
        {dock, {795, 310}, {700, 300, 900, 330}, {790, 300, 830, 500}, all, kDockRight},
        {dock, {400, 310}, {300, 300, 500, 330}, {300, 300, 340, 500}, all, kDockNone},  // the middle floats
        {dock, {20, 310}, {5, 300, 205, 330}, {5, 300, 45, 500}, topOnly, kDockNone},    // not allowed on the left
        // The cursor over the left column: the wide horizontal outline
        // reaching the top row and the bottom edge does not take it there.
        {column, {100, 45}, {0, 35, 900, 590}, {60, 35, 260, 400}, all, kDockLeft},
        {column, {100, 580}, {0, 300, 900, 610}, {60, 300, 260, 590}, all, kDockLeft},
        // Just past the column, in its zone: still the left.
        {column, {210, 300}, {100, 280, 900, 320}, {110, 280, 310, 500}, all, kDockLeft},
        // The cursor over no side: the outlines decide.
        {column, {400, 50}, {300, 25, 700, 60}, {300, 25, 340, 300}, all, kDockTop},
    };
    for (auto& c : cases)
        EXPECT_EQ(DockSideForDrag(c.docks, c.allowed, c.pt, c.horz, c.vert, 16), c.want)
            << c.pt.x << "," << c.pt.y;
}

TEST(DockKeepOnScreen, Table)
{
    RECT screen = {0, 0, 1280, 800};
    struct {
        RECT in, want;
    } cases[] = {
        {{100, 100, 300, 200}, {100, 100, 300, 200}},
        {{-500, 100, -300, 200}, {-160, 100, 40, 200}},
        {{3000, 100, 3200, 200}, {1240, 100, 1440, 200}},
        {{100, -50, 300, 50}, {100, 0, 300, 100}},
        {{100, 5000, 300, 5100}, {100, 760, 300, 860}},
    };
    for (auto& c : cases) {
        RECT got = DockKeepOnScreen(c.in, screen, 40);
        EXPECT_EQ(got.left, c.want.left);
        EXPECT_EQ(got.top, c.want.top);
        EXPECT_EQ(got.right, c.want.right);
        EXPECT_EQ(got.bottom, c.want.bottom);
    }
}
