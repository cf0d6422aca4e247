// SysStmtProcessorsTest.cpp: MAINSIZE, XPNDSIZE, MAXCPU, NUMCPU, NUMVEC,
// ENGINES and ECPSVM.
#include <gtest/gtest.h>

#include "tests/config/SysStmtTestUtil.h"

TEST(SysStmtProcessors, ErrorTexts)
{
    const StmtCase cases[] = {
        {"MAINSIZE 64", ""},
        {"MAINSIZE 64M", ""},
        {"MAINSIZE 4K", "\nInvalid numeric value or value out of range"},
        {"MAINSIZE 16E", "\nInvalid numeric value or value out of range"},
        {"MAINSIZE 2049", "\nInvalid numeric value or value out of range"},
        {"MAINSIZE", "\nMissing parameters"},
        {"MAINSIZE 64 M", "\nExtraneous parameters"},
        {"MAINSIZE X 1", "\nInvalid numeric value or value out of range\nExtraneous parameters"},
        {"XPNDSIZE 0", ""},
        {"XPNDSIZE 1G", ""},
        {"XPNDSIZE 1025", "\nInvalid numeric value or value out of range"},
        {"MAXCPU 8", ""},
        {"MAXCPU 0", "\nInvalid numeric value or value out of range"},
        {"MAXCPU 65", "\nInvalid numeric value or value out of range"},
        {"NUMCPU 0", ""},
        {"NUMCPU 64", ""},
        {"NUMCPU -1", "\nInvalid numeric value or value out of range"},
        {"NUMVEC 2", ""},
        {"NUMVEC 65", "\nInvalid numeric value or value out of range"},
        {"ENGINES 2*CP,IP", ""},
        {"ENGINES 2CP", "Invalid ENGINES statement syntax"},
        {"ENGINES 0*CP", "\nInvalid ENGINES value or value out of range"},
        {"ENGINES CP,ZIIP,XX", "\nUnrecognized ENGINES type \"ZIIP\""},
        {"ENGINES CP IP", "\nExtraneous parameters"},
        {"ENGINES ZIIP IP", "\nUnrecognized ENGINES type \"ZIIP\""},
        {"ENGINES", "\nMissing parameters"},
        {"ECPSVM YES", ""},
        {"ECPSVM yes notrap", ""},
        {"ECPSVM YES MAYBE", "\nInvalid ECPSVM trap option: must be TRAP or NOTRAP"},
        {"ECPSVM YES TRAP X", "\nExtraneous parameters"},
        {"ECPSVM NO", ""},
        {"ECPSVM NO TRAP", "\nExtraneous parameters"},
        {"ECPSVM LEVEL 21", ""},
        {"ECPSVM LEVEL", "\nMissing parameters"},
        {"ECPSVM LEVEL 100", "\nInvalid numeric value or value out of range"},
        {"ECPSVM LEVEL 100 BAD",
         "\nInvalid numeric value or value out of range\nInvalid ECPSVM trap option: must be TRAP or NOTRAP"},
        {"ECPSVM LEVEL 5 TRAP X", "\nExtraneous parameters"},
        {"ECPSVM MAYBE", "\nInvalid ECPSVM option: must be NO, YES or LEVEL n"},
    };
    for (const StmtCase& c : cases) {
        CVornConfigFile cfg;
        EXPECT_EQ(RunStatement(cfg, c.pszLine), c.pszError) << c.pszLine;
    }
}

TEST(SysStmtProcessors, Sizes)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "MAINSIZE 64");
    EXPECT_EQ(cfg.m_ullMainSize, 67108864u);
    EXPECT_FALSE(cfg.m_bSizesWithSuffix);
    EXPECT_EQ(RunStatement(cfg, "MAINSIZE 17592186044416"),  // x 2^20 needs 65 bits: refused
              "\nInvalid numeric value or value out of range");
    EXPECT_EQ(cfg.m_ullMainSize, 67108864u);
    EXPECT_FALSE(cfg.m_bSizesWithSuffix);
    RunStatement(cfg, "XPNDSIZE 1024k");
    EXPECT_EQ(cfg.m_ullXpndSize, 1048576u);
    EXPECT_TRUE(cfg.m_bSizesWithSuffix);
    RunStatement(cfg, "MAINSIZE 64");  // the flag never goes back
    EXPECT_TRUE(cfg.m_bSizesWithSuffix);

    CVornConfigFile refused;
    RunStatement(refused, "MAINSIZE 4K");  // a unit letter sets the flag even when refused
    EXPECT_TRUE(refused.m_bSizesWithSuffix);
    EXPECT_EQ(refused.m_ullMainSize, 2097152u);
    CVornConfigFile wrapped;
    RunStatement(wrapped, "XPNDSIZE 16E");  // 16 x 2^60 wraps to 0, which the range allows
    EXPECT_EQ(wrapped.m_ullXpndSize, 0u);
    RunStatement(wrapped, "XPNDSIZE 1G");
    RunStatement(wrapped, "XPNDSIZE 16E");
    EXPECT_EQ(wrapped.m_ullXpndSize, 1073741824u);
}

TEST(SysStmtProcessors, CpuCounts)
{
    CVornConfigFile cfg;
    EXPECT_EQ(RunStatement(cfg, "NUMCPU 4"), "");
    EXPECT_EQ(cfg.m_nNumCPUs, 4);
    EXPECT_EQ(cfg.m_nMaxCPUs, 4);
    EXPECT_EQ(RunStatement(cfg, "MAXCPU 2"), "\nInvalid numeric value or value out of range");
    EXPECT_EQ(cfg.m_nMaxCPUs, 4);
    EXPECT_EQ(RunStatement(cfg, "MAXCPU 8"), "");
    EXPECT_EQ(cfg.m_nMaxCPUs, 8);
    EXPECT_EQ(RunStatement(cfg, "NUMCPU 9"), "\nInvalid numeric value or value out of range");
    EXPECT_EQ(cfg.m_nNumCPUs, 4);
    EXPECT_EQ(cfg.m_nMaxCPUs, 8);

    CVornConfigFile zero;
    EXPECT_EQ(RunStatement(zero, "NUMCPU 0"), "");
    EXPECT_EQ(zero.m_nMaxCPUs, 0);
    CVornConfigFile bad;  // a refused NUMCPU still copies the old value
    bad.m_nNumCPUs = 3;
    RunStatement(bad, "NUMCPU x");
    EXPECT_EQ(bad.m_nMaxCPUs, 3);
}

TEST(SysStmtProcessors, Engines)
{
    CVornConfigFile cfg;
    for (DWORD& e : cfg.m_dwEngineTypes)
        e = 2;
    RunStatement(cfg, "ENGINES 2*CP,IP");
    EXPECT_EQ(cfg.m_dwEngineTypes[0], 0u);
    EXPECT_EQ(cfg.m_dwEngineTypes[1], 0u);
    EXPECT_EQ(cfg.m_dwEngineTypes[2], 3u);
    for (int i = 3; i < kMaxEngines; ++i)
        EXPECT_EQ(cfg.m_dwEngineTypes[i], 0u) << i;
}

TEST(SysStmtProcessors, Ecpsvm)
{
    CVornConfigFile cfg;
    RunStatement(cfg, "ECPSVM LEVEL 7 NOTRAP");
    EXPECT_EQ(cfg.m_nEcpsvmEnabled, 1);
    EXPECT_EQ(cfg.m_nEcpsvmLevel, 7);
    EXPECT_FALSE(cfg.m_bEcpsvmTrap);
    RunStatement(cfg, "ECPSVM LEVEL 8");
    EXPECT_TRUE(cfg.m_bEcpsvmTrap);
    RunStatement(cfg, "ECPSVM NO");
    EXPECT_EQ(cfg.m_nEcpsvmEnabled, 0);
    EXPECT_FALSE(cfg.m_bEcpsvmTrap);
    EXPECT_EQ(cfg.m_nEcpsvmLevel, 20);
    RunStatement(cfg, "ECPSVM YES");
    EXPECT_EQ(cfg.m_nEcpsvmEnabled, 1);
    EXPECT_TRUE(cfg.m_bEcpsvmTrap);
}
