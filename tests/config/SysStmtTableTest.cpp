// SysStmtTableTest.cpp: every row of the keyword table against missing,
// empty, huge and odd operands, and handler messages as the reader lists them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/config/ConfigTestUtil.h"
#include "tests/config/SysStmtTestUtil.h"

namespace {

// Rows that keep their statement as written and check nothing.
const std::set<std::string> kKeptKeywords = {
    "AUTOMOUNT", "CMDLEVEL", "CMDLVL", "CPUPRIO", "DEVPRIO", "VORNPRIO", "IGNORE",
    "INCLUDE",   "MSGLEVEL", "MSGLVL", "PTT",     "TODPRIO", "DEFSYM",
};

}  // namespace

TEST(SysStmtTable, SixtyFiveRowsInOrder)
{
    int n = 0;
    while (g_SysStmtTable[n].pszKeyword)
        ++n;
    EXPECT_EQ(n, 65);
    EXPECT_STREQ(g_SysStmtTable[0].pszKeyword, "$ZAPCMD");
    EXPECT_STREQ(g_SysStmtTable[64].pszKeyword, "YROFFSET");
}

TEST(SysStmtTable, KeywordAloneIsMissingParameters)
{
    for (const SysStmtRow* pRow = g_SysStmtTable; pRow->pszKeyword; ++pRow) {
        CVornConfigFile cfg;
        CString strError = RunStatement(cfg, pRow->pszKeyword);
        if (kKeptKeywords.count(pRow->pszKeyword))
            EXPECT_EQ(strError, "") << pRow->pszKeyword;
        else
            EXPECT_EQ(strError, "\nMissing parameters") << pRow->pszKeyword;
    }
}

TEST(SysStmtTable, HugeEmptyAndOddOperandsDoNotHarm)
{
    const std::string big(100000, '9');
    const std::string odd[] = {
        big, std::string(100000, 'A'), std::string(100000, ','), "\"\"", "=", "(,,)", "*", "-", "+",
        "$(", std::string("A\tB"), "99999999999999999999999999", "-2147483649", "0x10",
    };
    for (const SysStmtRow* pRow = g_SysStmtTable; pRow->pszKeyword; ++pRow) {
        for (const std::string& strOperand : odd) {
            CVornConfigFile cfg;
            std::string line = std::string(pRow->pszKeyword) + " " + strOperand + " " + strOperand;
            RunStatement(cfg, line.c_str());
            // Every statement ends with the keyword consumed; nothing may crash or overrun.
            EXPECT_LE(cfg.m_strLoadParm.GetLength(), 8) << pRow->pszKeyword;
            EXPECT_LE(cfg.m_strLparName.GetLength(), 8) << pRow->pszKeyword;
            EXPECT_LE(cfg.m_nMaxCPUs, 64) << pRow->pszKeyword;
        }
    }
}

TEST(SysStmtTable, MessagesAsTheReaderListsThem)
{
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_FALSE(LoadText(cfg, dir,
                          "* comment\n"
                          "SYSEPOCH 1800 -28\n"
                          "sysepoch 1960 x\n"
                          "ENGINES 2CP\n"
                          "TRACEOPT X NO\n"
                          "0009 3215\n"));
    EXPECT_EQ(JoinedErrors(cfg),
              "*** Error: Line 2: \nInvalid numeric value or value out of range|"
              "*** Error: Line 3: \nInvalid numeric value or value out of range|"
              "*** Error: Line 4: Invalid ENGINES statement syntax|"
              "*** Error: Line 5: Unrecognized or unsupported TRACEOPT argument");
    EXPECT_EQ(cfg.m_nSysEpoch, 1960);
    EXPECT_EQ(cfg.m_nYrOffset, -28);
}

TEST(SysStmtTable, CpuModelWithoutTxfIsCheckedAtTheEnd)
{
    ScopedMemorySettings settings;
    ScopedLiveOption txf(g_bPresumeTXF, true);
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_FALSE(LoadText(cfg, dir, "CPUMODEL 2096\nNUMCPU 1\n0009 3215\n"));
    EXPECT_EQ(JoinedErrors(cfg), "*** Error: Line 1: \nSpecified CPU Model does not support TXF");
    CVornConfigFile archFirst;
    EXPECT_FALSE(LoadText(archFirst, dir, "ARCHLVL z/Arch\nCPUMODEL 2096\n0009 3215\n"));
    EXPECT_EQ(JoinedErrors(archFirst), "*** Error: Line 2: \nSpecified CPU Model does not support TXF");
    EXPECT_EQ(archFirst.m_strCPUModel, "");
}
