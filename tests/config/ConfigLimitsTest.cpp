// ConfigLimitsTest.cpp: the configuration's defaults follow the "Limits" and
// "Settings" values of the settings store and the live options.
#include <gtest/gtest.h>

#include "config/ConfigLimits.h"
#include "config/Limits.h"
#include "platform/CIniSettingsStore.h"
#include "platform/ProfileStore.h"
#include "tests/config/ConfigTestUtil.h"
#include "tests/config/SysStmtTestUtil.h"

namespace {

class ConfigLimits : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSettingsStore(std::make_unique<CIniSettingsStore>(m_dir.Path("vorn.ini").c_str()));
    }
    void TearDown() override
    {
        // Back to the built-in "Limits" for the tests that follow.
        SetSettingsStore(nullptr);
        LoadLimits();
    }

    TempDir m_dir;
};

} // namespace

TEST_F(ConfigLimits, ResetTakesStoredValues)
{
    ProfileWriteString("Limits", "DefLPARName", "PROD");
    ProfileWriteInt("Limits", "DefKpAlvIdleSecs", 7);
    ProfileWriteString("Settings", "IPL", "0A80");
    LoadLimits();
    CVornConfigFile cfg;
    EXPECT_EQ(cfg.m_strLparName, "PROD");
    EXPECT_EQ(cfg.m_nKpAlvIdle, 7);
    EXPECT_EQ(cfg.m_strLoadUnit, "0A80");
}

TEST_F(ConfigLimits, CorrectedLikeTheStartupRead)
{
    ProfileWriteInt("Limits", "MaxCPUs", 100);
    LoadLimits();
    EXPECT_EQ(LimitMaxCPUs(), 64);
    ProfileWriteInt("Limits", "MaxCPUs", 0);
    LoadLimits();
    EXPECT_EQ(LimitMaxCPUs(), 1);
    ProfileWriteInt("Limits", "MaxCPUs", 4);
    ProfileWriteInt("Limits", "DefMaxCPUs", 8);
    LoadLimits();
    EXPECT_EQ(LimitDefMaxCPUs(), 4);
    ProfileWriteInt("Limits", "DefCCKDra", 0);
    LoadLimits();
    EXPECT_EQ(LimitDefCCKDra(), 1);
    ProfileWriteInt("Limits", "DefCCKDraq", -5);
    LoadLimits();
    EXPECT_EQ(LimitDefCCKDraq(), 2147483647);
    ProfileWriteInt("Limits", "DefCCKDgcparm", -5);
    LoadLimits();
    EXPECT_EQ(LimitDefCCKDgcparm(), -5);
}

// With the option on, a disk's option faults are dropped and the options kept.
TEST_F(ConfigLimits, IgnoreConfigFileParseErrorsKeepsDiskOptions)
{
    ScopedLiveOption ignore(g_bIgnoreConfigFileParseErrors, true);
    CVornDevice dev;
    CString strMsg;
    EXPECT_TRUE(dev.Set(0, 0x120, 5, 0x3390, nullptr, "absent.img", "ro bogus", &strMsg, 0, false));
    EXPECT_EQ(strMsg, "");
    ASSERT_NE(dev.GetDasdParms(), nullptr);
    EXPECT_TRUE(dev.GetDasdParms()->m_bReadOnly);
}
