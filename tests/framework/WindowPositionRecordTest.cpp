// WindowPositionRecordTest.cpp: the section of a stored window position,
// the round trip through the settings store, invalid sets and fitting a
// rectangle into the work area.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "framework/WindowPositionRecord.h"
#include "platform/ProfileStore.h"
#include "tests/support/ScopedIniStore.h"

namespace {

const char* kIni = "framework_core_positions.ini";

struct PositionStoreTest : ::testing::Test {
    vorntest::ScopedIniStore store{kIni};
};

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST(WindowPositionSection, NamesAndNormalisation)
{
    EXPECT_EQ(FormatPositionName(0x232), "ID=0x00000232");
    EXPECT_EQ(FormatPositionName(0xABCDEF12), "ID=0xabcdef12");
    struct Case {
        const char* section;
        const char* name;
        const char* expected;
    } cases[] = {
        {nullptr, "ID=0x00000232", "WindowPositions\\ID=0x00000232"},
        {nullptr, "a/b", "WindowPositions\\a\\b"},
        {nullptr, "\\\\a\\\\\\b\\", "WindowPositions\\a\\b"},
        {nullptr, "", "WindowPositions"},
        {"/Custom//Place/", "ignored", "Custom\\Place"},
        {"\\", "ignored", "WindowPositions"},
        {"////", "ignored", "WindowPositions"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetPositionSection(c.section, c.name), c.expected) << c.name;
}

TEST_F(PositionStoreTest, RoundTrip)
{
    CString section = GetPositionSection(nullptr, FormatPositionName(562));
    WindowPositionRecord out = {{40, 50, 640, 450}, 1, kWindowStateMaximized};
    ASSERT_TRUE(WriteWindowPosition(section, out));
    WindowPositionRecord in = {};
    ASSERT_TRUE(ReadWindowPosition(section, RECT{0, 0, 1, 1}, in));
    EXPECT_TRUE(SameRect(in.rcNormal, out.rcNormal));
    EXPECT_EQ(in.nVisibility, 1);
    EXPECT_EQ(in.nState, kWindowStateMaximized);
    EXPECT_EQ((int)ProfileGetInt(section, "(valid)", 0), 1);
    // The same record again leaves the file alone.
    std::remove(kIni);
    ASSERT_TRUE(WriteWindowPosition(section, out));
    EXPECT_FALSE(std::ifstream(kIni).good());
}

TEST_F(PositionStoreTest, ReversedEdgesAreSwapped)
{
    const char* s = "WindowPositions\\X";
    ProfileWriteInt(s, "Left", 500);
    ProfileWriteInt(s, "Right", 100);
    ProfileWriteInt(s, "Top", 300);
    ProfileWriteInt(s, "Bottom", 20);
    ProfileWriteInt(s, "(valid)", 1);
    WindowPositionRecord in = {};
    ASSERT_TRUE(ReadWindowPosition(s, RECT{0, 0, 1, 1}, in));
    EXPECT_TRUE(SameRect(in.rcNormal, RECT{100, 20, 500, 300}));
    EXPECT_EQ(in.nVisibility, -1);
    EXPECT_EQ(in.nState, -1);
}

TEST_F(PositionStoreTest, InvalidOrMissingSetsAreIgnored)
{
    WindowPositionRecord in = {};
    EXPECT_FALSE(ReadWindowPosition("WindowPositions\\None", RECT{0, 0, 1, 1}, in));
    // An interrupted store leaves "(valid)" at 0.
    ProfileWriteInt("WindowPositions\\Half", "(valid)", 0);
    ProfileWriteInt("WindowPositions\\Half", "Left", 10);
    EXPECT_FALSE(ReadWindowPosition("WindowPositions\\Half", RECT{0, 0, 1, 1}, in));
    ProfileWriteInt("WindowPositions\\Two", "(valid)", 2);
    EXPECT_FALSE(ReadWindowPosition("WindowPositions\\Two", RECT{0, 0, 1, 1}, in));
    // Missing edges take the defaults.
    ProfileWriteInt("WindowPositions\\Edges", "(valid)", 1);
    ProfileWriteInt("WindowPositions\\Edges", "Left", 7);
    ASSERT_TRUE(ReadWindowPosition("WindowPositions\\Edges", RECT{1, 2, 300, 400}, in));
    EXPECT_TRUE(SameRect(in.rcNormal, RECT{7, 2, 300, 400}));
}

TEST(WindowPositionStoreless, NothingWithoutAStore)
{
    SetSettingsStore(nullptr);
    WindowPositionRecord rec = {{1, 2, 3, 4}, 1, -1};
    EXPECT_FALSE(WriteWindowPosition("WindowPositions\\X", rec));
    EXPECT_FALSE(ReadWindowPosition("WindowPositions\\X", RECT{0, 0, 1, 1}, rec));
}

TEST(WindowPositionFit, IntoTheWorkArea)
{
    const RECT area = {0, 30, 1280, 800};
    struct Case {
        const char* name;
        RECT rc;
        RECT expected;
    } cases[] = {
        {"inside stays", {100, 100, 500, 400}, {100, 100, 500, 400}},
        {"off the right", {3000, 100, 3400, 400}, {880, 100, 1280, 400}},
        {"off the left and top", {-900, -500, -500, -200}, {0, 30, 400, 330}},
        {"below", {100, 2000, 500, 2300}, {100, 500, 500, 800}},
        {"too large shrinks", {-100, -100, 2000, 1500}, {0, 30, 1280, 800}},
        {"partly out", {1100, 700, 1400, 900}, {980, 600, 1280, 800}},
        // Edges from a hand-edited settings file, 2^32 - 1 apart.
        {"widest edges", {-2147483647 - 1, 0, 2147483647, 10}, {0, 30, 1280, 40}},
        {"widest vertical span", {2147483647, -2147483647 - 1, 2147483647, 2147483647},
         {1280, 30, 1280, 800}},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(SameRect(FitRectIntoArea(c.rc, area), c.expected)) << c.name;
}
