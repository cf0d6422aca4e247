// LoggingSettingsTest.cpp: section "Logging" defaults, corrections and the
// write-back after loading.
#include "tests/session/SessionStoreFixture.h"

#include "config/Limits.h"
#include "session/LoggingSettings.h"

namespace {
using LoggingSettingsTest = SessionStoreFixture;
}

TEST_F(LoggingSettingsTest, EmptyStoreGivesDefaultsAndWritesThem)
{
    CLoggingSettings s;
    s.Load();
    EXPECT_EQ(s.m_nLogOption, kLogNumbered);
    EXPECT_EQ(s.m_strBaseFilename, g_strDefaultAutologFilename);
    EXPECT_EQ(s.m_nCurFileNum, 0u);
    EXPECT_EQ(s.m_nMaxFileNum, g_nMaxAutologFilenum);
    EXPECT_TRUE(s.m_bEnableMemLogLimit);
    EXPECT_EQ(s.m_nMemLogLinesLimit, g_nDefMemLoglinesLimit);
    EXPECT_FALSE(s.m_bEnableDiskLogLimit);
    EXPECT_EQ(s.m_nDiskLogLinesLimit, g_nDefDiskLoglinesLimit);
    EXPECT_TRUE(s.m_bLogTimes);
    EXPECT_TRUE(s.m_bLogPidAlways);
    EXPECT_FALSE(s.m_bLogPidOnlyIfNeeded);
    EXPECT_EQ((int)ProfileGetInt("Logging", "LogOption", -5), 2);
    EXPECT_EQ(ProfileGetString("Logging", "BaseFilename", "?"), g_strDefaultAutologFilename);
    EXPECT_EQ((int)ProfileGetInt("Logging", "LogTimes", -5), 1);
}

TEST_F(LoggingSettingsTest, HostileValuesAreCorrected)
{
    ProfileWriteInt("Logging", "LogOption", 7);
    ProfileWriteInt("Logging", "CurFileNum", -1);
    ProfileWriteInt("Logging", "MaxFileNum", 5000);
    ProfileWriteInt("Logging", "MemLogLinesLimit", 99);
    ProfileWriteInt("Logging", "DiskLogLinesLimit", 999);
    ProfileWriteString("Logging", "EnableDiskLogLimit", "garbage");
    CLoggingSettings s;
    s.Load();
    EXPECT_EQ(s.m_nLogOption, kLogNumbered);
    EXPECT_EQ(s.m_nCurFileNum, 0u);
    EXPECT_EQ(s.m_nMaxFileNum, g_nMaxAutologFilenum);
    EXPECT_EQ(s.m_nMemLogLinesLimit, g_nDefMemLoglinesLimit);
    EXPECT_EQ(s.m_nDiskLogLinesLimit, g_nDefDiskLoglinesLimit);
    EXPECT_EQ((int)ProfileGetInt("Logging", "MaxFileNum", 0), (int)g_nMaxAutologFilenum);
    ProfileWriteInt("Logging", "LogOption", -1);
    ProfileWriteInt("Logging", "MemLogLinesLimit", (int)g_nMaxMemLoglinesLimit + 1);
    s.Load();
    EXPECT_EQ(s.m_nLogOption, kLogNumbered);
    EXPECT_EQ(s.m_nMemLogLinesLimit, g_nDefMemLoglinesLimit);
}

TEST_F(LoggingSettingsTest, ValuesInRangeRoundTrip)
{
    CLoggingSettings s;
    s.m_nLogOption = kLogMemoryOnly;
    s.m_strBaseFilename = "console.log";
    s.m_nCurFileNum = 3;
    s.m_nMaxFileNum = 3;
    s.m_nMemLogLinesLimit = 100;
    s.m_nDiskLogLinesLimit = 1000;
    s.m_bSyncDiskLog = true;
    s.m_bLogDates = true;
    s.Save();
    CLoggingSettings t;
    t.Load();
    EXPECT_EQ(t.m_nLogOption, kLogMemoryOnly);
    EXPECT_EQ(t.m_strBaseFilename, "console.log");
    EXPECT_EQ(t.m_nCurFileNum, 3u);
    EXPECT_EQ(t.m_nMaxFileNum, 3u);
    EXPECT_EQ(t.m_nMemLogLinesLimit, 100u);
    EXPECT_EQ(t.m_nDiskLogLinesLimit, 1000u);
    EXPECT_TRUE(t.m_bSyncDiskLog);
    EXPECT_TRUE(t.m_bLogDates);
}
