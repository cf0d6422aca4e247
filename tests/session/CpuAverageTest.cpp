// CpuAverageTest.cpp: the meter's average over the last three periods.
#include <gtest/gtest.h>

#include "session/CpuAverage.h"

TEST(CpuAverage, FirstPeriodIsItsOwnShare)
{
    CCpuAverage avg;
    EXPECT_TRUE(avg.AddPeriod(30, 40));
    EXPECT_DOUBLE_EQ(0.75, avg.Fraction());
}

TEST(CpuAverage, MeanOfTheLastThreePeriods)
{
    struct Step {
        int nBusy, nTotal;
        double dExpected;
    };
    // 0.75, 0.25, 0.5 average 0.5; a fourth of 1.0 drops the 0.75 first.
    const Step steps[] = {
        {3, 4, 0.75}, {1, 4, 0.5}, {2, 4, 0.5}, {4, 4, (0.25 + 0.5 + 1.0) / 3}, {0, 10, 0.5},
    };
    CCpuAverage avg;
    for (const Step& s : steps) {
        EXPECT_TRUE(avg.AddPeriod(s.nBusy, s.nTotal));
        EXPECT_NEAR(s.dExpected, avg.Fraction(), 1e-12) << s.nBusy << "/" << s.nTotal;
        EXPECT_LE(avg.SampleCount(), 3u);
    }
    EXPECT_NEAR(0.5833, (0.25 + 0.5 + 1.0) / 3, 1e-4);
}

TEST(CpuAverage, EmptyPeriodChangesNothing)
{
    CCpuAverage avg;
    EXPECT_FALSE(avg.AddPeriod(0, 0));
    EXPECT_EQ(0u, avg.SampleCount());
    avg.AddPeriod(1, 2);
    EXPECT_FALSE(avg.AddPeriod(0, 0));
    EXPECT_FALSE(avg.AddPeriod(5, -1));
    EXPECT_DOUBLE_EQ(0.5, avg.Fraction());
    EXPECT_EQ(1u, avg.SampleCount());
}

TEST(CpuAverage, ResetStartsAfresh)
{
    CCpuAverage avg;
    avg.AddPeriod(4, 4);
    avg.AddPeriod(4, 4);
    avg.Reset();
    EXPECT_DOUBLE_EQ(0.0, avg.Fraction());
    EXPECT_EQ(0u, avg.SampleCount());
    avg.AddPeriod(1, 4);
    EXPECT_DOUBLE_EQ(0.25, avg.Fraction());
}

TEST(CpuAverage, PercentModeSetsTheFraction)
{
    CCpuAverage avg;
    avg.AddPeriod(1, 1);
    avg.SetFraction(0.42);
    EXPECT_DOUBLE_EQ(0.42, avg.Fraction());
}
