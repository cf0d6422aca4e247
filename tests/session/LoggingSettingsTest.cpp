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

// A stored current number beyond the highest starts the numbering over.
TEST_F(LoggingSettingsTest, CurrentNumberBeyondTheHighestIsCorrected)
{
    ProfileWriteInt("Logging", "MaxFileNum", 2);
    ProfileWriteInt("Logging", "CurFileNum", 5);
    CLoggingSettings s;
    s.Load();
    EXPECT_EQ(s.m_nMaxFileNum, 2u);
    EXPECT_EQ(s.m_nCurFileNum, 0u);
    ProfileWriteInt("Logging", "CurFileNum", 2);
    s.Load();
    EXPECT_EQ(s.m_nCurFileNum, 2u);  // the last number is a number like any other
}

TEST(LoggingOptionsProblem, NamesTheFirstValueOutOfRange)
{
    struct Row {
        UINT nMem, nDisk, nCur, nMax;
        const char* pszProblem;
    };
    CString strMem, strDisk;
    strMem.Format("The scrollback memory limit must be between 100 and %u lines.", g_nMaxMemLoglinesLimit);
    strDisk.Format("The logfile size limit must be between 1000 and %u lines.", g_nMaxDiskLoglinesLimit);
    const Row rows[] = {
        {100, 1000, 0, 0, ""},
        {g_nMaxMemLoglinesLimit, g_nMaxDiskLoglinesLimit, 9, 9, ""},
        {99, 1000, 0, 9, strMem},
        {g_nMaxMemLoglinesLimit + 1, 999, 0, 9, strMem},
        {100, 999, 10, 9, strDisk},
        {100, g_nMaxDiskLoglinesLimit + 1, 0, 9, strDisk},
        {100, 1000, 3, 2, "The current logfile number must be between 0 and 2, the highest logfile number."},
    };
    for (const Row& r : rows) {
        CLoggingSettings opt;
        opt.m_nMemLogLinesLimit = r.nMem;
        opt.m_nDiskLogLinesLimit = r.nDisk;
        opt.m_nCurFileNum = r.nCur;
        EXPECT_EQ(LoggingOptionsProblem(opt, r.nMax), r.pszProblem) << r.nMem << " " << r.nDisk << " " << r.nCur;
    }
}
