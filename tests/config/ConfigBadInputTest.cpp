// ConfigBadInputTest.cpp: binary files, NUL bytes, very long lines, very many
// lines, unbalanced quotes and out-of-range device numbers: numbered errors,
// no crash, nothing dropped.
#include <gtest/gtest.h>

#include <random>

#include "tests/config/ConfigTestUtil.h"

TEST(ConfigBadInput, BinaryFile)
{
    std::mt19937 rng(42);
    std::string strBytes(64 * 1024, '\0');
    for (char& ch : strBytes)
        ch = (char)(rng() & 0xFF);
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_FALSE(LoadText(cfg, dir, strBytes));
    EXPECT_TRUE(cfg.m_bHasErrors);
    EXPECT_GT(cfg.m_lines.GetSize(), 100);
    // Every line that was a statement is either a device or kept.
    EXPECT_GT(cfg.m_keptStmts.GetSize() + cfg.m_devices.GetCount(), 0);
}

TEST(ConfigBadInput, NulBytesInLines)
{
    TempDir dir;
    CVornConfigFile cfg;
    const char NUL = '\0';
    const std::string strText = std::string("FO") + NUL + "O bar\n01" + NUL + "20 3390 a\n0120 33"
        + NUL + "90 a\n0130 3390 a\n";
    LoadText(cfg, dir, strText);
    EXPECT_EQ(cfg.m_lines.GetSize(), 4);
    EXPECT_EQ(cfg.m_lines[0].GetLength(), 8); // the NUL stays part of the line
    CVornDevice dev;
    EXPECT_TRUE(cfg.m_devices.Lookup(0x130, dev));
    EXPECT_EQ(cfg.m_devices.GetCount() + cfg.m_keptStmts.GetSize(), 4);
}

TEST(ConfigBadInput, HundredThousandCharacterLines)
{
    TempDir dir;
    CVornConfigFile cfg;
    const std::string strLong(100000, 'X');
    const std::string strText = strLong + "\n0120 3390 " + strLong + "\n# Description: " + strLong
        + "\n0121 3390 a " + std::string(100000, '"') + "\n";
    LoadText(cfg, dir, strText);
    EXPECT_EQ(cfg.m_keptStmts.GetSize(), 1);
    EXPECT_EQ(cfg.m_keptStmts[0].GetLength(), 100000);
    CVornDevice dev;
    ASSERT_TRUE(cfg.m_devices.Lookup(0x120, dev));
    EXPECT_EQ(dev.m_strFirstArg.GetLength(), 100000);
    EXPECT_EQ(cfg.m_strDescription.GetLength(), 100000);
}

TEST(ConfigBadInput, UnbalancedQuotes)
{
    TempDir dir;
    CVornConfigFile cfg;
    // An unbalanced quote is an ordinary character: the disk's options then
    // hold a word it does not know, and the line is kept.
    LoadText(cfg, dir, "0120 3390 \"a b.img ro\n0121 3420 'x\n\"FOO\n");
    EXPECT_EQ(JoinedErrors(cfg), "*** Error: Line 1: \"b.img\": Unrecognized DASD parameter|"
                                 "*** Warning: Line 3: Unrecognized statement");
    CVornDevice dev;
    ASSERT_TRUE(cfg.m_devices.Lookup(0x121, dev));
    EXPECT_EQ(dev.m_strFirstArg, "'x");
    EXPECT_EQ(cfg.m_keptStmts.GetSize(), 2);
}

TEST(ConfigBadInput, DeviceNumbersOutOfRange)
{
    TempDir dir;
    CVornConfigFile cfg;
    LoadText(cfg, dir, "10000 3390 a\n0:10000 3390 a\nA:0120 3390 a\n0120-10000 3390 a\n"
                       "FFFF.2 3390 a\nFFFE-FFFF 3390 a\n");
    EXPECT_EQ(JoinedErrors(cfg),
              "*** Error: Line 1: Invalid devnum syntax: must be \"HHHH\" or \"L:HHHH\".|"
              "*** Error: Line 2: Invalid devnum syntax: must be \"HHHH\" or \"L:HHHH\".|"
              "*** Error: Line 3: Invalid devnum syntax: must be \"HHHH\" or \"L:HHHH\".|"
              "*** Error: Line 4: Invalid devnum syntax: must be \"HHHH\" or \"L:HHHH\".|"
              "*** Error: Line 5: Invalid devnum range");
    EXPECT_EQ(cfg.m_devices.GetCount(), 2);
    EXPECT_EQ(cfg.m_keptStmts.GetSize(), 5);
}

TEST(ConfigBadInput, MillionLines)
{
    std::string strText;
    strText.reserve(16 * 1000000);
    for (int i = 0; i < 1000000; i++)
        strText += (i % 1000 == 999) ? "GARBAGE x\n" : (i % 2) ? "* comment line\n" : "   \n";
    strText += "0120 3390 a\n";
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_FALSE(LoadText(cfg, dir, strText));
    EXPECT_EQ(cfg.m_devices.GetCount(), 1);
    EXPECT_EQ(cfg.m_lines.GetSize(), 1000001);
    ASSERT_EQ(cfg.m_parseErrors.GetSize(), 1000);
    EXPECT_EQ(cfg.m_parseErrors[999], "*** Warning: Line 1000000: Unrecognized statement");
    EXPECT_EQ(cfg.m_keptStmts.GetSize(), 1000);
}
