// LoggingSettings.cpp: section "Logging" with its defaults and corrections.
#include "session/LoggingSettings.h"

#include "config/Limits.h"
#include "platform/ProfileStore.h"

const char kLoggingSection[] = "Logging";

namespace {

UINT GetUInt(const char* pszKey, UINT nDefault)
{
    return ProfileGetInt(kLoggingSection, pszKey, (int)nDefault);
}

bool GetFlag(const char* pszKey, bool bDefault)
{
    return ProfileGetInt(kLoggingSection, pszKey, bDefault ? 1 : 0) != 0;
}

void PutInt(const char* pszKey, UINT n)
{
    ProfileWriteInt(kLoggingSection, pszKey, (int)n);
}

// The smallest line limits; the largest are "Limits" values.
const UINT kMinMemLogLines = 100;
const UINT kMinDiskLogLines = 1000;

bool IsMemLogLinesLimitValid(UINT n)
{
    return n >= kMinMemLogLines && n <= g_nMaxMemLoglinesLimit;
}

bool IsDiskLogLinesLimitValid(UINT n)
{
    return n >= kMinDiskLogLines && n <= g_nMaxDiskLoglinesLimit;
}

}  // namespace

CLoggingSettings::CLoggingSettings()
    : m_strBaseFilename(g_strDefaultAutologFilename),
      m_nMaxFileNum(g_nMaxAutologFilenum),
      m_nMemLogLinesLimit(g_nDefMemLoglinesLimit),
      m_nDiskLogLinesLimit(g_nDefDiskLoglinesLimit)
{
}

void CLoggingSettings::Load()
{
    m_nLogOption = (int)GetUInt("LogOption", (UINT)m_nLogOption);
    m_strBaseFilename = ProfileGetString(kLoggingSection, "BaseFilename", m_strBaseFilename);
    m_nCurFileNum = GetUInt("CurFileNum", m_nCurFileNum);
    m_nMaxFileNum = GetUInt("MaxFileNum", m_nMaxFileNum);
    m_bEnableMemLogLimit = GetFlag("EnableMemLogLimit", m_bEnableMemLogLimit);
    m_nMemLogLinesLimit = GetUInt("MemLogLinesLimit", m_nMemLogLinesLimit);
    m_bEnableDiskLogLimit = GetFlag("EnableDiskLogLimit", m_bEnableDiskLogLimit);
    m_nDiskLogLinesLimit = GetUInt("DiskLogLinesLimit", m_nDiskLogLinesLimit);
    m_bSyncDiskLog = GetFlag("SyncDiskLog", m_bSyncDiskLog);
    m_bLogDates = GetFlag("LogDates", m_bLogDates);
    m_bLogTimes = GetFlag("LogTimes", m_bLogTimes);
    m_bLogPidAlways = GetFlag("LogPidAlways", m_bLogPidAlways);
    m_bLogPidOnlyIfNeeded = GetFlag("LogPidOnlyIfNeeded", m_bLogPidOnlyIfNeeded);
    m_nKeptFileNum = (int)GetUInt("KeptFileNum", (UINT)m_nKeptFileNum);
    m_nKeptAgainstFileNum = (int)GetUInt("KeptAgainstFileNum", (UINT)m_nKeptAgainstFileNum);
    m_nKeptMaxFileNum = (int)GetUInt("KeptMaxFileNum", (UINT)m_nKeptMaxFileNum);
    m_nKeptAgainstHighest = (int)GetUInt("KeptAgainstHighest", (UINT)m_nKeptAgainstHighest);
    Correct();
    Save();
}

void CLoggingSettings::Correct()
{
    if (m_nLogOption < kLogSingleFile || m_nLogOption > kLogNumbered)
        m_nLogOption = kLogNumbered;
    // Unsigned: a negative number in the store is a large value here.
    if (m_nCurFileNum > g_nMaxAutologFilenum)
        m_nCurFileNum = 0;
    if (m_nMaxFileNum > g_nMaxAutologFilenum)
        m_nMaxFileNum = g_nMaxAutologFilenum;
    // A number beyond the highest (stored by hand, or before the highest was
    // lowered) starts the numbering over, as choosing the next name would.
    if (m_nCurFileNum > m_nMaxFileNum)
        m_nCurFileNum = 0;
    if (!IsMemLogLinesLimitValid(m_nMemLogLinesLimit))
        m_nMemLogLinesLimit = g_nDefMemLoglinesLimit;
    if (!IsDiskLogLinesLimitValid(m_nDiskLogLinesLimit))
        m_nDiskLogLinesLimit = g_nDefDiskLoglinesLimit;
}

void CLoggingSettings::Save() const
{
    PutInt("LogOption", (UINT)m_nLogOption);
    ProfileWriteString(kLoggingSection, "BaseFilename", m_strBaseFilename);
    PutInt("CurFileNum", m_nCurFileNum);
    PutInt("MaxFileNum", m_nMaxFileNum);
    PutInt("EnableMemLogLimit", m_bEnableMemLogLimit);
    PutInt("MemLogLinesLimit", m_nMemLogLinesLimit);
    PutInt("EnableDiskLogLimit", m_bEnableDiskLogLimit);
    PutInt("DiskLogLinesLimit", m_nDiskLogLinesLimit);
    PutInt("SyncDiskLog", m_bSyncDiskLog);
    PutInt("LogDates", m_bLogDates);
    PutInt("LogTimes", m_bLogTimes);
    PutInt("LogPidAlways", m_bLogPidAlways);
    PutInt("LogPidOnlyIfNeeded", m_bLogPidOnlyIfNeeded);
    // The answers only once one was given.
    if (m_nKeptFileNum >= 0) {
        PutInt("KeptFileNum", (UINT)m_nKeptFileNum);
        PutInt("KeptAgainstFileNum", (UINT)m_nKeptAgainstFileNum);
    }
    if (m_nKeptMaxFileNum >= 0) {
        PutInt("KeptMaxFileNum", (UINT)m_nKeptMaxFileNum);
        PutInt("KeptAgainstHighest", (UINT)m_nKeptAgainstHighest);
    }
}

CString LoggingOptionsProblem(const CLoggingSettings& opt, UINT nMaxFileNum)
{
    CString str;
    if (!IsMemLogLinesLimitValid(opt.m_nMemLogLinesLimit))
        str.Format("The scrollback memory limit must be between %u and %u lines.", kMinMemLogLines,
                   g_nMaxMemLoglinesLimit);
    else if (!IsDiskLogLinesLimitValid(opt.m_nDiskLogLinesLimit))
        str.Format("The logfile size limit must be between %u and %u lines.", kMinDiskLogLines,
                   g_nMaxDiskLoglinesLimit);
    else if (opt.m_nCurFileNum > nMaxFileNum)
        str.Format("The current logfile number must be between 0 and %u, the highest logfile number.", nMaxFileNum);
    return str;
}
