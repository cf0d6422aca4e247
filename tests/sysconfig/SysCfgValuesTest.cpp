// SysCfgValuesTest.cpp: storage sizes in megabytes and their overflow, the
// drag-factor acceleration table, engine enabling, the tailoring boxes and
// the ECPS:VM memory.
#include <gtest/gtest.h>

#include "config/CVornConfigFile.h"
#include "sysconfig/SysCfgValues.h"
#include "sysconfig/TailorFlags.h"

TEST(SysCfgValues, MegabytesText)
{
    EXPECT_STREQ(BytesToMegabytesText(0), "0");
    EXPECT_STREQ(BytesToMegabytesText(2560 * 1024), "2");  // the remainder dropped
    EXPECT_STREQ(BytesToMegabytesText(2048ull << 20), "2048");
}

TEST(SysCfgValues, MegabytesToBytes)
{
    const UINT64 kMax = 2048ull << 20;
    struct Row {
        const char* pszText;
        UINT64 ullStored;
        bool bOk;
        UINT64 ullBytes;
    } rows[] = {
        {"64", 0, true, 64ull << 20},
        {"2048", 0, true, 2048ull << 20},
        {"2049", 0, false, 7},
        // 17592186044418 MB times 1 MB wraps to 2 MB: refused before multiplying.
        {"17592186044418", 0, false, 7},
        {"18446744073709551616", 0, false, 7},  // beyond 64 bits
        {"", 0, false, 7},
        {"12a", 0, false, 7},
        {"-1", 0, false, 7},
        // The stored size is kept while the text is what it shows.
        {"2", 2560 * 1024, true, 2560 * 1024},
        {"3", 2560 * 1024, true, 3ull << 20},
        {"02", 2560 * 1024, true, 2ull << 20},
    };
    for (const Row& r : rows) {
        UINT64 ullBytes = 7;
        EXPECT_EQ(MegabytesTextToBytes(r.pszText, r.ullStored, kMax, ullBytes), r.bOk) << r.pszText;
        EXPECT_EQ(ullBytes, r.ullBytes) << r.pszText;
    }
}

TEST(SysCfgValues, DragFactorAcceleration)
{
    std::vector<SpinAccel> table = DragFactorAcceleration(0.0001, 10000.0);
    ASSERT_EQ(table.size(), 7u);
    UINT nInc = 1;
    for (UINT i = 0; i < 7; ++i, nInc *= 10) {
        EXPECT_EQ(table[i].nSec, 3 * (i + 1));
        EXPECT_EQ(table[i].nInc, nInc);
    }
    struct Row {
        double dMin, dMax;
        size_t nEntries;
    } rows[] = {
        {0.1, 10.0, 1},        // ratio 99: k = 1
        {1.0, 10.0, 0},        // ratio 9: k = 0
        {1.0, 2.0, 0},         // ratio 1: k would be -1
        {0.0, 10000.0, 0},     // a zero minimum divides nothing
        {-1.0, 10000.0, 0},
        {5.0, 5.0, 0},         // minimum not below maximum
        {10.0, 1.0, 0},
        {1e-30, 1e30, 10},     // capped at 10 to the power 9 steps
    };
    for (const Row& r : rows)
        EXPECT_EQ(DragFactorAcceleration(r.dMin, r.dMax).size(), r.nEntries) << r.dMin << ".." << r.dMax;
    EXPECT_EQ(DragFactorAcceleration(1e-30, 1e30).back().nInc, 1000000000u);
}

TEST(SysCfgValues, EngineEnabling)
{
    auto Enabled = [](UINT nFirst, int nMax) {
        std::string s;
        for (UINT n = 0; n < 32; ++n)
            s += IsEngineEnabled(nFirst, n, nMax) ? '1' : '0';
        return s;
    };
    EXPECT_EQ(Enabled(0, 4), "11110000000000000000000000000000");
    EXPECT_EQ(Enabled(32, 4), std::string(32, '0'));
    EXPECT_EQ(Enabled(0, 40), std::string(32, '1'));
    EXPECT_EQ(Enabled(32, 40), "11111111000000000000000000000000");
    EXPECT_EQ(Enabled(0, -1), std::string(32, '0'));
    EXPECT_EQ(Enabled(32, 64), std::string(32, '1'));
}

TEST(SysCfgValues, ShellCommandModeTexts)
{
    const struct {
        int nMode;
        std::string text;
    } rows[] = {{0, "(disabled)"}, {1, "(enabled)"}, {2, "(only from cmdline)"}, {3, ""}, {-1, ""}};
    for (const auto& r : rows)
        EXPECT_EQ(ShellCmdModeText(r.nMode), r.text) << r.nMode;
}

TEST(TailorFlags, PackKeepsTheLowSevenBits)
{
    BOOL states[kTailorBoxes];
    UnpackTailorFlags(0x0905, states);
    // 0x0905: Linux (0x0800) and z/OS (0x0100); the low bits are no box.
    const BOOL expected[kTailorBoxes] = {0, 0, 0, 0, 1, 0, 0, 1, 0};
    for (int i = 0; i < kTailorBoxes; ++i)
        EXPECT_EQ(states[i], expected[i]) << i;
    EXPECT_EQ(PackTailorFlags(states, 0x0005), 0x0905);
    EXPECT_EQ(PackTailorFlags(states, 0xFFFF), 0x097F);
}

TEST(TailorFlags, ExclusiveBoxes)
{
    BOOL s[kTailorBoxes];
    UnpackTailorFlags(0x4900, s);  // VM, Linux, z/OS
    ClickTailorBox(s, kTailorQuiet, TRUE);
    EXPECT_EQ(PackTailorFlags(s, 0), 0x8000);
    ClickTailorBox(s, 1, TRUE);  // VM clears Quiet
    EXPECT_EQ(PackTailorFlags(s, 0), 0x4000);
    ClickTailorBox(s, kTailorNull, TRUE);
    EXPECT_EQ(PackTailorFlags(s, 0), 0x0080);
    ClickTailorBox(s, kTailorNull, FALSE);  // unchecking an exclusive box changes no other
    EXPECT_EQ(PackTailorFlags(s, 0), 0x0000);
    ClickTailorBox(s, 4, TRUE);
    ClickTailorBox(s, 7, TRUE);
    EXPECT_EQ(PackTailorFlags(s, 0x0005), 0x0905);
    ClickTailorBox(s, 4, FALSE);
    EXPECT_EQ(PackTailorFlags(s, 0), 0x0100);
}

TEST(TailorFlags, EcpsVmRememberAndRestore)
{
    CVornConfigFile applied, edited;
    applied.m_nEcpsvmLevel = edited.m_nEcpsvmLevel = 20;
    applied.m_bEcpsvmTrap = edited.m_bEcpsvmTrap = false;
    EcpsVmMemory memory;
    memory.nLevel = 35;
    memory.bTrap = true;
    edited.m_nEcpsvmLevel = 35;
    edited.m_bEcpsvmTrap = true;
    DisableEcpsVm(edited, applied);
    EXPECT_EQ(edited.m_nEcpsvmLevel, 20);
    EXPECT_FALSE(edited.m_bEcpsvmTrap);
    EnableEcpsVm(edited, memory);
    EXPECT_EQ(edited.m_nEcpsvmLevel, 35);
    EXPECT_TRUE(edited.m_bEcpsvmTrap);
}
