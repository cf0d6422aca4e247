// SysStmtClockTest.cpp: SYSEPOCH, YROFFSET, TZOFFSET, TIMERINT and TODDRAG.
#include <gtest/gtest.h>

#include "tests/config/SysStmtTestUtil.h"

TEST(SysStmtClock, ErrorTexts)
{
    const StmtCase cases[] = {
        {"SYSEPOCH 1960", ""},
        {"SYSEPOCH 1960 -28", ""},
        {"SYSEPOCH", "\nMissing parameters"},
        {"SYSEPOCH 1800", "\nInvalid numeric value or value out of range"},
        // The refused year is reported although an offset follows it.
        {"SYSEPOCH 1800 -28", "\nInvalid numeric value or value out of range"},
        {"SYSEPOCH 1800 -200",
         "\nInvalid numeric value or value out of range\nInvalid numeric value or value out of range"},
        {"SYSEPOCH 1960 -28 1", "\nExtraneous parameters"},
        {"YROFFSET -142", ""},
        {"YROFFSET +142", ""},
        {"YROFFSET 143", "\nInvalid numeric value or value out of range"},
        {"YROFFSET x", "\nInvalid numeric value or value out of range"},
        {"YROFFSET", "\nMissing parameters"},
        {"TZOFFSET +0530", ""},
        {"TZOFFSET", "\nMissing parameters"},
        {"TZOFFSET +0530 x", "\nExtraneous parameters"},
        {"TIMERINT DEFAULT", ""},
        {"TIMERINT 1", ""},
        {"TIMERINT 1000000", ""},
        {"TIMERINT 0", "\nInvalid numeric value or value out of range"},
        {"TIMERINT DEFAULT 5", "\nExtraneous parameters"},
        {"TODDRAG 1.5", ""},
        {"TODDRAG 10000", ""},
        {"TODDRAG 0", "\nInvalid TODDRAG numeric value or value out of range"},
        {"TODDRAG fast", "\nInvalid TODDRAG numeric value or value out of range"},
        {"TODDRAG 10000.5", "\nInvalid TODDRAG numeric value or value out of range"},
        {"TODDRAG 0.00001", "\nInvalid TODDRAG numeric value or value out of range"},
    };
    for (const StmtCase& c : cases) {
        CVornConfigFile cfg;
        EXPECT_EQ(RunStatement(cfg, c.pszLine), c.pszError) << c.pszLine;
    }
}

TEST(SysStmtClock, EpochAndOffset)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "SYSEPOCH 1960 -28");
    EXPECT_EQ(cfg.m_nSysEpoch, 1960);
    EXPECT_EQ(cfg.m_nYrOffset, -28);
    RunStatement(cfg, "SYSEPOCH 1970");
    EXPECT_EQ(cfg.m_nSysEpoch, 1970);
    EXPECT_EQ(cfg.m_nYrOffset, -28);
    RunStatement(cfg, "SYSEPOCH 1800 5");
    EXPECT_EQ(cfg.m_nSysEpoch, 1970);
    EXPECT_EQ(cfg.m_nYrOffset, 5);
}

TEST(SysStmtClock, TimerIntervalWithTxf)
{
    ScopedMemorySettings settings;
    CVornConfigFile plain;
    RunStatement(plain, "TIMERINT DEFAULT");
    EXPECT_EQ(plain.m_nTimerInt, 50);

    ScopedLiveOption txf(g_bPresumeTXF, true);
    CVornConfigFile cfg;
    RunStatement(cfg, "TIMERINT DEFAULT");
    EXPECT_EQ(cfg.m_nTimerInt, 400);
    EXPECT_EQ(RunStatement(cfg, "TIMERINT 199"),
              "\nInvalid numeric value or value out of range\n(acceptable range for TXF is 200 - 1000000)");
    EXPECT_EQ(cfg.m_nTimerInt, 400);
    EXPECT_EQ(RunStatement(cfg, "TIMERINT 200"), "");
    EXPECT_EQ(cfg.m_nTimerInt, 200);
    EXPECT_EQ(RunStatement(cfg, "TIMERINT"),
              "\nMissing parameters\n(acceptable range for TXF is 200 - 1000000)");
    // Under ESA/390 the setting does not apply.
    cfg.m_nArchMode = 1;
    EXPECT_EQ(RunStatement(cfg, "TIMERINT 50"), "");
}

TEST(SysStmtClock, TodDrag)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "TODDRAG 2.5");
    EXPECT_DOUBLE_EQ(cfg.m_dTodDrag, 2.5);
    RunStatement(cfg, "TODDRAG abc");
    EXPECT_DOUBLE_EQ(cfg.m_dTodDrag, 2.5);
}
