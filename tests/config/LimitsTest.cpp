// LimitsTest.cpp: the "Limits" section: every default from an empty store,
// the corrections, and a hostile store.
#include <gtest/gtest.h>

#include "config/Limits.h"
#include "tests/config/SettingsStoreFixture.h"

namespace {

struct LimitsTest : SettingsStoreFixture {
    void SetUp() override
    {
        SettingsStoreFixture::SetUp();
        BuiltInPorts();
    }
    // Back to the built-in values for the tests that follow.
    void TearDown() override
    {
        SettingsStoreFixture::TearDown();
        BuiltInPorts();
        LoadLimits();
    }
    // The port and MTU keys default to the variables' current values.
    static void BuiltInPorts()
    {
        g_nMinCTCEPortnum = 1024; g_nDefCTCEPortnum = 30880; g_nMaxCTCEPortnum = 65535;
        g_nMinCTCEMtu = 8; g_nDefCTCEMtu = 32768; g_nMaxCTCEMtu = 65535;
        g_nMinSHRDPortnum = 1024; g_nDefSHRDPortnum = 3990; g_nMaxSHRDPortnum = 65535;
        g_nMinSockdevPrinterPortnum = 1024; g_nDefSockdevPrinterPortnum = 1403;
        g_nMaxSockdevPrinterPortnum = 65535;
    }
    void Load(const std::string& strLimits)
    {
        UseIni("[Limits]\n" + strLimits);
        LoadLimits();
    }
};

struct UintRow { const UINT* p; UINT n; const char* pszKey; };

}  // namespace

TEST_F(LimitsTest, EmptySectionGivesEveryDefault)
{
    Load("");
    const UintRow rows[] = {
        {&g_nMaxCPUs, 64, "MaxCPUs"}, {&g_nDefMaxCPUs, 1, "DefMaxCPUs"}, {&g_nDefVectors, 0, "DefVectors"},
        {&g_nMinEpoch, 1801, "MinEpoch"}, {&g_nMaxEpoch, 2099, "MaxEpoch"},
        {&g_nMinPanRate, 10, "MinPanRate"}, {&g_nMaxPanRate, 5000, "MaxPanRate"},
        {&g_nDefECPSVMLevel, 20, "DefECPSVMLevel"}, {&g_nMaxECPSVMLevel, 99, "MaxECPSVMLevel"},
        {&g_nMinCaptureBuffsize, 64, ""}, {&g_nDefCaptureBuffsize, 1024, ""}, {&g_nMaxCaptureBuffsize, 16384, ""},
        {&g_nMinPacketBuffsize, 16, ""}, {&g_nDefPacketBuffsize, 64, ""}, {&g_nMaxPacketBuffsize, 1024, ""},
        {&g_nMeterThreadRate, 1000, ""}, {&g_nMessageFloodThreshold, 3333, ""},
        {&g_nMaxCCKDcache, 64, ""}, {&g_nMaxCCKDl2cache, 2048, ""}, {&g_nMaxCCKDra, 9, ""},
        {&g_nMaxCCKDraq, 16, ""}, {&g_nMaxCCKDrat, 16, ""}, {&g_nMaxCCKDwr, 9, ""},
        {&g_nMaxCCKDgcint, 60, ""}, {&g_nMaxCCKDtrace, 200000, ""},
        {&g_nDefCCKDra, 2, ""}, {&g_nDefCCKDraq, 4, ""}, {&g_nDefCCKDrat, 2, ""}, {&g_nDefCCKDwr, 2, ""},
        {&g_nDefCCKDgcint, 10, ""}, {&g_nDefCCKDtrace, 0, ""},
        {&g_nMaxTapeSizeMB, 2048, ""}, {&g_nDefTapeSizeMB, 170, ""},
        {&g_nMaxEOTMarginKB, 2048, ""}, {&g_nDefEOTMarginKB, 128, ""}, {&g_nDefAutoSCSISecs, 5, ""},
        {&g_nDefKpAlvIdleSecs, 3, ""}, {&g_nDefKpAlvTimeoutSecs, 1, ""}, {&g_nDefKpAlvMaxRetries, 10, ""},
        {&g_nMinTODUpdIntv, 1, ""}, {&g_nMinTXFTODUpdIntv, 200, ""}, {&g_nDefTODUpdIntv, 50, ""},
        {&g_nDefTXFTODUpdIntv, 400, ""}, {&g_nMaxTODUpdIntv, 1000000, ""},
        {&g_nMinCTCEPortnum, 1024, ""}, {&g_nDefCTCEPortnum, 30880, ""}, {&g_nMaxCTCEPortnum, 65535, ""},
        {&g_nMinCTCEMtu, 8, ""}, {&g_nDefCTCEMtu, 32768, ""}, {&g_nMaxCTCEMtu, 65535, ""},
        {&g_nMinSHRDPortnum, 1024, ""}, {&g_nDefSHRDPortnum, 3990, ""}, {&g_nMaxSHRDPortnum, 65535, ""},
        {&g_nMinSockdevPrinterPortnum, 1024, ""}, {&g_nDefSockdevPrinterPortnum, 1403, ""},
        {&g_nMaxSockdevPrinterPortnum, 65535, ""},
        {&g_nMaxAutologFilenum, 999, ""}, {&g_nMaxMemLoglinesLimit, 50000, ""},
        {&g_nDefMemLoglinesLimit, 5000, ""}, {&g_nMaxDiskLoglinesLimit, 500000, ""},
        {&g_nDefDiskLoglinesLimit, 50000, ""},
        {&g_nMinAutoRefresh, 250, ""}, {&g_nDefAutoRefresh, 2000, ""}, {&g_nMaxAutoRefresh, 5000, ""},
    };
    for (size_t i = 0; i < sizeof rows / sizeof rows[0]; i++)
        EXPECT_EQ(*rows[i].p, rows[i].n) << "row " << i << " " << rows[i].pszKey;
    EXPECT_EQ(g_nMinYearOffset, -142);
    EXPECT_EQ(g_nMaxYearOffset, 142);
    EXPECT_EQ(g_nMinCCKDgcparm, -8);
    EXPECT_EQ(g_nMaxCCKDgcparm, 8);
    EXPECT_EQ(g_nMaxCCKDfreepend, 4);
    EXPECT_EQ(g_nMinCCKDcompparm, -1);
    EXPECT_EQ(g_nMaxCCKDcompparm, 9);
    EXPECT_EQ(g_nDefCCKDcompparm, -1);
    EXPECT_EQ(g_nDefCCKDgcparm, 0);
    EXPECT_EQ(g_nDefCCKDfreepend, -1);
    EXPECT_EQ(g_ullMaxMainMem, 2147483648ull);
    EXPECT_EQ(g_ullMaxExpandedMem, 1073741824ull);
    EXPECT_EQ(g_strMinTODDrag, "0.0001");
    EXPECT_EQ(g_strMaxTODDrag, "10000.0");
    EXPECT_DOUBLE_EQ(g_dMinTODDrag, 0.0001);
    EXPECT_DOUBLE_EQ(g_dMaxTODDrag, 10000.0);
    EXPECT_EQ(g_strDefCodePage, "default");
    EXPECT_EQ(g_strDefTraceOpt, "TRADITIONAL");
    EXPECT_EQ(g_strDefLPARName, "VORNAMIC");
    EXPECT_EQ(g_strDefModelName, "EMULATOR");
    EXPECT_EQ(g_strDefPlant, "ZZ");
    EXPECT_EQ(g_strDefManufacturer, "VRN");
    EXPECT_EQ(g_strDefaultAutologFilename, "Vornamic Logfile.txt");
}

TEST_F(LimitsTest, NoStoreAtAllGivesTheDefaults)
{
    SetSettingsStore(nullptr);
    g_nMaxCPUs = 3;
    LoadLimits();
    EXPECT_EQ(g_nMaxCPUs, 64u);
    EXPECT_EQ(g_nDefSHRDPortnum, 3990u);
}

TEST_F(LimitsTest, CPUCountsAreKeptInRange)
{
    Load("MaxCPUs=0\n");
    EXPECT_EQ(g_nMaxCPUs, 1u);
    EXPECT_EQ(g_nDefMaxCPUs, 1u);
    Load("MaxCPUs=100\n");
    EXPECT_EQ(g_nMaxCPUs, 64u);
    Load("MaxCPUs=4\nDefMaxCPUs=8\nDefVectors=4\n");
    EXPECT_EQ(g_nMaxCPUs, 4u);
    EXPECT_EQ(g_nDefMaxCPUs, 4u);
    EXPECT_EQ(g_nDefVectors, 4u);
    Load("MaxCPUs=-5\nDefMaxCPUs=-1\nDefVectors=3\n");
    EXPECT_EQ(g_nMaxCPUs, 1u);
    EXPECT_EQ(g_nDefMaxCPUs, 1u);
    EXPECT_EQ(g_nDefVectors, 1u);
}

TEST_F(LimitsTest, CountsAreCorrectedSignedValuesKept)
{
    Load("MinPanRate=0\nMaxCCKDcache=0\nMeterThreadRate=-5\nMinYearOffset=-500\n"
         "MaxCCKDtrace=-1\nMinCCKDgcparm=-100\nMinEpoch=2147483647\nMaxEpoch=-2147483648\n"
         "MinTXFTODUpdIntv=-3\nDefTXFTODUpdIntv=0\n");
    EXPECT_EQ(g_nMinPanRate, 1u);
    EXPECT_EQ(g_nMaxCCKDcache, 0u);
    EXPECT_EQ(g_nMeterThreadRate, 2147483647u);
    EXPECT_EQ(g_nMinYearOffset, -500);
    EXPECT_EQ(g_nMaxCCKDtrace, 2147483647u);
    EXPECT_EQ(g_nMinCCKDgcparm, -100);
    EXPECT_EQ(g_nMinEpoch, 2147483647u);
    EXPECT_EQ(g_nMaxEpoch, 2147483647u);
    // Negative or zero intervals mean nothing: corrected like the other counts.
    EXPECT_EQ(g_nMinTXFTODUpdIntv, 2147483647u);
    EXPECT_EQ(g_nDefTXFTODUpdIntv, 1u);
}

TEST_F(LimitsTest, StorageSizesAreMegabytes)
{
    Load("MaxMainMem=4096\nMaxExpandedMem=16\n");
    EXPECT_EQ(g_ullMaxMainMem, 4096ull * 1048576ull);
    EXPECT_EQ(g_ullMaxExpandedMem, 16ull * 1048576ull);
    Load("MaxMainMem=0\nMaxExpandedMem=-7\n");
    EXPECT_EQ(g_ullMaxMainMem, 2147483648ull);
    EXPECT_EQ(g_ullMaxExpandedMem, 1073741824ull);
    Load("MaxMainMem=2147483647\n");
    EXPECT_EQ(g_ullMaxMainMem, 2147483647ull * 1048576ull);
}

TEST_F(LimitsTest, TextsAndTODDrag)
{
    Load("MinTODDrag=0.5\nMaxTODDrag=not a number\nDefLPARName=PROD\nDefCodePage=\n");
    EXPECT_DOUBLE_EQ(g_dMinTODDrag, 0.5);
    EXPECT_DOUBLE_EQ(g_dMaxTODDrag, 0.0);
    EXPECT_EQ(g_strDefLPARName, "PROD");
    EXPECT_EQ(g_strDefCodePage, "");
}

TEST_F(LimitsTest, PortsKeepTheirValueWhenAbsent)
{
    g_nDefSHRDPortnum = 4000;
    Load("MaxCTCEMtu=0\nMinSHRDPortnum=-1\n");
    EXPECT_EQ(g_nDefSHRDPortnum, 4000u);
    EXPECT_EQ(g_nMaxCTCEMtu, 1u);
    EXPECT_EQ(g_nMinSHRDPortnum, 2147483647u);
}

TEST_F(LimitsTest, HostileStoreIsCorrectedNotRejected)
{
    std::string strHostile = "MaxCPUs=abc\nDefMaxCPUs=99999999999999999999\nMinPanRate= \n"
                             "MaxAutoRefresh=-2147483648\nDefPlant=" + std::string(100000, 'Z') + "\n"
                             "DefTraceOpt=A\tB\n";
    Load(strHostile);
    EXPECT_GE(g_nMaxCPUs, 1u);
    EXPECT_LE(g_nMaxCPUs, 64u);
    EXPECT_LE(g_nDefMaxCPUs, g_nMaxCPUs);
    EXPECT_GE(g_nMinPanRate, 1u);
    EXPECT_EQ(g_nMaxAutoRefresh, 2147483647u);
    EXPECT_EQ(g_strDefPlant.GetLength(), 100000);
}
