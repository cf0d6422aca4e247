// ConfigModelTest.cpp: defaults, copy, comparison and device queries of a
// whole configuration.
#include <gtest/gtest.h>

#include "config/DevNum.h"
#include "tests/config/ConfigTestUtil.h"

TEST(CVornConfigFile, ResetDefaults)
{
    CVornConfigFile cfg;
    EXPECT_EQ(cfg.m_ullMainSize, 2097152u);
    EXPECT_EQ(cfg.m_nNumCPUs, 1);
    EXPECT_EQ(cfg.m_nMaxCPUs, 1);
    EXPECT_EQ(cfg.m_nSysEpoch, 1900);
    EXPECT_EQ(cfg.m_dTodDrag, 1.0);
    EXPECT_EQ(cfg.m_nCnslPort, 3270);
    EXPECT_EQ(cfg.m_nSysgPort, 3278);
    EXPECT_FALSE(cfg.m_bSysgPortEnabled);
    EXPECT_EQ(cfg.m_nPanRate, 50);
    EXPECT_EQ(cfg.m_nDevTMax, 8);
    EXPECT_EQ(cfg.m_nHttpPort, 80);
    EXPECT_EQ(cfg.m_nArchMode, 2);
    EXPECT_TRUE(cfg.m_bAutoInit);
    EXPECT_TRUE(cfg.m_bEcpsvmTrap);
    EXPECT_EQ(cfg.m_nMsgColor, -1);
    EXPECT_EQ(cfg.m_nMaxShutdownSecs, 15);
    EXPECT_EQ(cfg.m_strLoadUnit, "0000");
    EXPECT_EQ(cfg.m_strLparNum, "1");
    EXPECT_EQ(cfg.m_strLparName, "VORNAMIC");
    EXPECT_EQ(cfg.m_strModel[0], "EMULATOR");
    EXPECT_EQ(cfg.m_strPlant, "ZZ");
    EXPECT_EQ(cfg.m_strManufacturer, "VRN");
    EXPECT_EQ(cfg.m_strCodePage, "default");
    EXPECT_EQ(cfg.m_strTraceOpt, "TRADITIONAL");
    EXPECT_EQ(cfg.m_nKpAlvIdle, 3);
    EXPECT_EQ(cfg.m_nKpAlvIntv, 1);
    EXPECT_EQ(cfg.m_nKpAlvCount, 10);
    EXPECT_EQ(cfg.m_nTimerInt, 50);
    EXPECT_EQ(cfg.m_nEcpsvmLevel, 20);
    EXPECT_EQ(cfg.m_nScsiMountSecs, 5);
    EXPECT_TRUE(cfg.m_bCCKDFlag);
    EXPECT_FALSE(cfg.m_bCCKDGiven);
    EXPECT_TRUE(cfg.m_cckd == CCKDParms());
    EXPECT_FALSE(cfg.HasPath());
}

TEST(CVornConfigFile, SameFileComparesEqualAndCaseMatters)
{
    TempDir dir;
    const std::string strText = "# Description: Test\nFACILITY ENABLE X\nFOO\n0120 3390 a.img ro\n";
    CVornConfigFile a, b;
    LoadText(a, dir, strText);
    LoadText(b, dir, strText);
    EXPECT_TRUE(a == b);
    b.m_strDescription = "test";
    EXPECT_TRUE(a != b);
}

TEST(CVornConfigFile, CopyKeepsErrorsAndLines)
{
    TempDir dir;
    CVornConfigFile a;
    EXPECT_FALSE(LoadText(a, dir, "FOO\nFACILITY ENABLE X\n0120 3390 a.img ro\n0121 3390 b.img ser=1\n"));
    CVornConfigFile b;
    b = a;
    EXPECT_TRUE(b == a);
    EXPECT_EQ(b.m_parseErrors.GetSize(), a.m_parseErrors.GetSize());
    EXPECT_EQ(b.m_lines.GetSize(), 4);
    EXPECT_TRUE(b.m_bHasErrors);
    CVornDevice devA, devB;
    ASSERT_TRUE(b.m_devices.Lookup(0x120, devB));
    ASSERT_TRUE(a.m_devices.Lookup(0x120, devA));
    ASSERT_NE(devB.GetDasdParms(), nullptr);
    EXPECT_TRUE(devA == devB);
    b.m_archLvls[0].m_bEnable = false;
    EXPECT_TRUE(b != a);
    b = a;
    b.m_keptStmts[0] = "FOO ";
    EXPECT_TRUE(b != a);
    b = a;
    b.m_dwEngineTypes[63] = 1; // within MaxCPUs (64): compared
    EXPECT_TRUE(b != a);
}

TEST(CVornConfigFile, SortedDevicesByClassThenKey)
{
    TempDir dir;
    CVornConfigFile cfg;
    LoadText(cfg, dir, "1:0100 3390 a\n0200 3390 b\n0300 3505\n000C 3420\n");
    CArray<CVornDevice, const CVornDevice&> devices;
    devices.Add(CVornDevice()); // emptied first
    cfg.GetSortedDevices(devices);
    std::string s;
    for (const CVornDevice& dev : devices)
        s += FormatDevnum(dev.GetKey()).str() + " ";
    EXPECT_EQ(s, "0300 0200 1:0100 000C ");
}

TEST(CVornConfigFile, IsDevNumDefinedAnyLcss)
{
    TempDir dir;
    CVornConfigFile cfg;
    EXPECT_FALSE(cfg.IsDevNumDefined(0x0190));
    LoadText(cfg, dir, "1:0190 3390 a\n");
    EXPECT_TRUE(cfg.IsDevNumDefined(0x0190));
    EXPECT_FALSE(cfg.IsDevNumDefined(0x0191));
}

TEST(CVornConfigFile, HeapCopyAndDelete)
{
    CVornConfigFile* p = new CVornConfigFile;
    p->m_strDescription = "x";
    CVornConfigFile copy = *p;
    EXPECT_TRUE(copy == *p);
    DeleteConfigFile(p);
}
