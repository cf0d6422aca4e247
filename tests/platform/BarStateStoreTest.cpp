// BarStateStoreTest.cpp: the saved docking layout: round trip, stale
// sections, damaged counts, and the check that a layout fits the bars.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

#include "platform/BarStateStore.h"

namespace {

// A settings store in memory.
class MapStore : public CSettingsStore {
public:
    std::map<std::string, std::map<std::string, int>> m_ints;
    bool m_bRefuse = false;
    bool GetInt(const char* s, const char* k, int& n) const override
    {
        auto it = m_ints.find(s);
        if (it == m_ints.end() || !it->second.count(k))
            return false;
        n = it->second.at(k);
        return true;
    }
    bool GetString(const char*, const char*, CString&) const override { return false; }
    bool WriteInt(const char* s, const char* k, int n) override
    {
        if (m_bRefuse)
            return false;
        m_ints[s][k] = n;
        return true;
    }
    bool WriteString(const char*, const char*, const char*) override { return false; }
    bool DeleteEntry(const char* s, const char* k) override
    {
        m_ints[s].erase(k);
        return true;
    }
    bool DeleteSection(const char* s) override
    {
        m_ints.erase(s);
        return true;
    }
};

const char* kProfile = "BarsState\\BarsState";

CBarStateInfo Bar(UINT id, bool visible, bool floating, int x = 0, int y = 0)
{
    CBarStateInfo info;
    info.nBarID = id;
    info.bVisible = visible;
    info.bFloating = floating;
    info.xPos = x;
    info.yPos = y;
    return info;
}

CBarStateInfo Dock(UINT id, std::vector<UINT> entries)
{
    CBarStateInfo info;
    info.nBarID = id;
    info.entries = entries;
    return info;
}

std::vector<CBarStateInfo> Layout()
{
    return {Bar(59503, true, false, 0, 0), Bar(59525, false, true, 700, 80), Bar(59501, true, false),
            Dock(kDockBarIdLeft, {0, 59503, 59525 | kSavedPlaceholderFlag}), Dock(kDockBarIdBottom, {0, 59501})};
}

}  // namespace

TEST(BarStateStore, RoundTripWithTheSummaryCount)
{
    MapStore store;
    ASSERT_TRUE(BarStateSave(store, kProfile, Layout()));
    EXPECT_EQ(store.m_ints["BarsState\\BarsState-Summary"]["Bars"], 5);
    EXPECT_EQ(store.m_ints["BarsState\\BarsState-Bar3"]["Bar#2"], (int)(59525 | kSavedPlaceholderFlag));
    std::vector<CBarStateInfo> back;
    ASSERT_TRUE(BarStateLoad(store, kProfile, back));
    ASSERT_EQ(back.size(), 5u);
    EXPECT_EQ(back[1].nBarID, 59525u);
    EXPECT_FALSE(back[1].bVisible);
    EXPECT_TRUE(back[1].bFloating);
    EXPECT_EQ(back[1].xPos, 700);
    EXPECT_EQ(back[1].yPos, 80);
    EXPECT_EQ(back[3].entries, (std::vector<UINT>{0, 59503, 59525 | kSavedPlaceholderFlag}));
    EXPECT_TRUE(back[0].entries.empty());
}

TEST(BarStateStore, ShorterLayoutRemovesTheOldSections)
{
    MapStore store;
    ASSERT_TRUE(BarStateSave(store, kProfile, Layout()));
    std::vector<CBarStateInfo> two = {Bar(59501, true, false), Dock(kDockBarIdBottom, {0, 59501})};
    ASSERT_TRUE(BarStateSave(store, kProfile, two));
    EXPECT_EQ(store.m_ints.count("BarsState\\BarsState-Bar2"), 0u);
    EXPECT_EQ(store.m_ints.count("BarsState\\BarsState-Bar4"), 0u);
    std::vector<CBarStateInfo> back;
    ASSERT_TRUE(BarStateLoad(store, kProfile, back));
    EXPECT_EQ(back.size(), 2u);
}

TEST(BarStateStore, NothingSavedAndDamagedCounts)
{
    MapStore store;
    std::vector<CBarStateInfo> back(3);
    EXPECT_FALSE(BarStateLoad(store, kProfile, back));
    EXPECT_TRUE(back.empty());
    store.m_ints["BarsState\\BarsState-Summary"]["Bars"] = -7;
    EXPECT_FALSE(BarStateLoad(store, kProfile, back));
    store.m_ints["BarsState\\BarsState-Summary"]["Bars"] = 2000000000;
    EXPECT_TRUE(BarStateLoad(store, kProfile, back));
    EXPECT_EQ(back.size(), (size_t)kMaxSavedBars);
    // An entry count beyond the entries stored ends at the first missing one.
    store.m_ints["BarsState\\BarsState-Bar0"] = {{"BarID", (int)kDockBarIdTop}, {"Bars", 900000}, {"Bar#0", 0}};
    EXPECT_TRUE(BarStateLoad(store, kProfile, back));
    EXPECT_EQ(back[0].entries.size(), 1u);
}

TEST(BarStateStore, RefusedWriteIsReported)
{
    MapStore store;
    store.m_bRefuse = true;
    EXPECT_FALSE(BarStateSave(store, kProfile, Layout()));
}

TEST(BarStateFits, Table)
{
    std::vector<UINT> known = {59503, 59525, 59501};
    auto with = [](std::function<void(std::vector<CBarStateInfo>&)> change) {
        std::vector<CBarStateInfo> l = Layout();
        change(l);
        return l;
    };
    struct {
        const char* what;
        std::vector<CBarStateInfo> layout;
        bool want;
    } cases[] = {
        {"the saved layout", Layout(), true},
        {"nothing saved", {}, false},
        {"an unknown bar", with([](auto& l) { l[0].nBarID = 1234; }), false},
        {"an unknown entry", with([](auto& l) { l[3].entries.push_back(4321); }), false},
        {"a dock bar as an entry", with([](auto& l) { l[3].entries.push_back(kDockBarIdTop); }), false},
        {"a bar docked twice", with([](auto& l) { l[4].entries.push_back(59503); }), false},
        {"a docked bar in no dock bar", with([](auto& l) { l[4].entries = {0}; }), false},
        {"a floating bar also docked", with([](auto& l) { l[3].entries[2] = 59525; }), false},
        {"two records of one bar", with([](auto& l) { l.push_back(Bar(59503, true, false)); }), false},
        {"high bits in an entry", with([](auto& l) { l[3].entries[1] |= 0x20000; }), false},
    };
    for (auto& c : cases)
        EXPECT_EQ(BarStateFits(c.layout, known), c.want) << c.what;
}
