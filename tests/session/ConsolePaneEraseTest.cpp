// ConsolePaneEraseTest.cpp: the parts of the console pane an erase fills
// after size changes, colour changes and full repaints.
#include <gtest/gtest.h>

#include "session/ConsolePaneErase.h"

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

const RECT kOld = {0, 0, 400, 300};

}  // namespace

TEST(ConsolePaneErase, PartialEraseFillsOnlyWhatWasExposed)
{
    struct Row {
        const char* pszName;
        RECT rcNow;
        std::vector<RECT> expected;
    } rows[] = {
        {"wider", {0, 0, 450, 300}, {{400, 0, 450, 300}}},
        {"taller", {0, 0, 400, 350}, {{0, 300, 400, 350}}},
        {"wider and taller", {0, 0, 450, 350}, {{400, 0, 450, 350}, {0, 300, 450, 350}}},
        {"shorter: from the last whole line", {0, 0, 400, 250}, {{0, 240, 400, 250}}},
        {"shorter to whole lines: nothing", {0, 0, 400, 240}, {}},
        {"narrower: nothing exposed", {0, 0, 350, 300}, {}},
        {"same size: everything", {0, 0, 400, 300}, {{0, 0, 400, 300}}},
    };
    for (const Row& r : rows) {
        ConsoleEraseState s = {kOld, r.rcNow, 1, false, 16};
        std::vector<RECT> got = ConsoleEraseRects(s);
        ASSERT_EQ(r.expected.size(), got.size()) << r.pszName;
        for (size_t i = 0; i < got.size(); ++i)
            EXPECT_TRUE(Same(r.expected[i], got[i])) << r.pszName << " #" << i << ": " << got[i].left << ","
                                                     << got[i].top << "," << got[i].right << "," << got[i].bottom;
    }
}

TEST(ConsolePaneErase, EverythingOtherwise)
{
    const RECT kNow = {0, 0, 450, 350};
    for (int nMode : {0, 2, 3, 7}) {
        ConsoleEraseState s = {kOld, kNow, nMode, false, 16};
        std::vector<RECT> got = ConsoleEraseRects(s);
        ASSERT_EQ(1u, got.size()) << nMode;
        EXPECT_TRUE(Same(kNow, got[0])) << nMode;
    }
    ConsoleEraseState s = {kOld, kNow, 1, true, 16};  // a new background colour
    std::vector<RECT> got = ConsoleEraseRects(s);
    ASSERT_EQ(1u, got.size());
    EXPECT_TRUE(Same(kNow, got[0]));
}

TEST(ConsolePaneErase, DegenerateSizes)
{
    ConsoleEraseState s = {kOld, RECT{0, 0, 0, 0}, 1, false, 16};
    EXPECT_TRUE(ConsoleEraseRects(s).empty());  // shrunk to nothing: nothing to fill
    s = ConsoleEraseState{RECT{0, 0, 0, 0}, RECT{0, 0, 400, 300}, 1, false, 0};
    std::vector<RECT> got = ConsoleEraseRects(s);
    ASSERT_EQ(2u, got.size());  // from nothing: the whole pane in two strips
    s = ConsoleEraseState{kOld, RECT{0, 0, 400, 250}, 1, false, 0};
    EXPECT_TRUE(ConsoleEraseRects(s).empty());  // no line height: no line to clear
}
