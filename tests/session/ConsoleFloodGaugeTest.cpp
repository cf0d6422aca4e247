// ConsoleFloodGaugeTest.cpp: when the console counts as flooding: lines per
// slice of time, the end of a flood, trickles, and the clock's wrap-around.
#include <gtest/gtest.h>

#include <vector>

#include "session/ConsoleFloodGauge.h"

namespace {

struct Take {
    DWORD dwAt;
    size_t nLines;
};

}  // namespace

TEST(ConsoleFloodGauge, FloodsWhileASliceTakesAThousandLines)
{
    const DWORD t = 50000;
    struct Row {
        const char* pszName;
        std::vector<Take> takes;
        DWORD dwAsk;
        bool bFlooding;
    } rows[] = {
        {"nothing taken", {}, t, false},
        {"one big batch, asked at once", {{t, 1000}}, t, true},
        {"one batch short of the mark", {{t, 999}}, t, false},
        {"batches adding up within the slice", {{t, 400}, {t + 30, 400}, {t + 90, 200}}, t + 95, true},
        {"the flood's slice is the last one", {{t, 1000}}, t + 150, true},
        {"the flood's slice is two slices back", {{t, 1000}}, t + 200, false},
        {"a slice without lines after the flood", {{t, 1000}, {t + 250, 5}}, t + 260, false},
        {"the last slice flooded, this one is quiet", {{t, 1000}, {t + 120, 1}}, t + 130, true},
        {"lines split over two slices count apart", {{t, 600}, {t + 110, 600}}, t + 120, false},
        {"a trickle of a line every 10 ms", {}, t, false},
        {"the clock wraps within the flood", {{0xFFFFFFD0u, 800}, {0x10, 300}}, 0x20, true},
        {"the clock wraps after the flood", {{0xFFFFFF00u, 5000}}, 0x100, false},
    };
    for (int i = 0; i < 200; ++i)
        rows[9].takes.push_back({t - 2000 + (DWORD)i * 10, 1});
    for (const Row& r : rows) {
        CConsoleFloodGauge gauge;
        for (const Take& take : r.takes)
            gauge.Add(take.dwAt, take.nLines);
        EXPECT_EQ(r.bFlooding, gauge.IsFlooding(r.dwAsk)) << r.pszName;
    }
}

// A flood that goes on is a flood at every moment once its first thousand
// lines are in; it ends two slices after its last batch at the latest.
TEST(ConsoleFloodGauge, ASteadyFloodCountsUntilItStops)
{
    CConsoleFloodGauge gauge;
    const DWORD dwFirst = 1000;
    DWORD t = dwFirst;
    for (; t < 3000; t += 2) {
        gauge.Add(t, 30);  // 15,000 lines a second
        bool bFirstThousand = ((t - dwFirst) / 2 + 1) * 30 < 1000;
        ASSERT_EQ(!bFirstThousand, gauge.IsFlooding(t)) << t;
        ASSERT_EQ(!bFirstThousand, gauge.IsFlooding(t + 1)) << t + 1;
    }
    DWORD dwLast = t - 2;
    EXPECT_FALSE(gauge.IsFlooding(dwLast + 2 * CConsoleFloodGauge::kSliceMs));
}
