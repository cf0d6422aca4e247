// LoggingSettings.h: CLoggingSettings, the console log settings of section
// "Logging": the logging mode, the numbered files' base name and numbers,
// the memory and disk line limits and the line-prefix options. Load corrects
// values out of range and writes the result back at once.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// Logging modes.
enum ELogOption {
    kLogSingleFile = 0,  // one log file chosen by the user
    kLogMemoryOnly = 1,  // lines kept in memory until saved
    kLogNumbered = 2,    // numbered log files in the log folder
};

class CLoggingSettings {
public:
    int m_nLogOption = kLogNumbered;
    CString m_strBaseFilename;
    UINT m_nCurFileNum = 0;
    UINT m_nMaxFileNum = 0;
    bool m_bEnableMemLogLimit = true;
    UINT m_nMemLogLinesLimit = 0;
    bool m_bEnableDiskLogLimit = false;
    UINT m_nDiskLogLinesLimit = 0;
    bool m_bSyncDiskLog = false;
    bool m_bLogDates = false;
    bool m_bLogTimes = true;
    bool m_bLogPidAlways = true;
    bool m_bLogPidOnlyIfNeeded = false;
    // The numbers of the numbering questions last answered "keep": the
    // last-used file number kept against the newest file's number, and the
    // highest file number kept against the highest found (-1: none). The
    // same question is not asked again for the same numbers.
    int m_nKeptFileNum = -1;
    int m_nKeptAgainstFileNum = -1;
    int m_nKeptMaxFileNum = -1;
    int m_nKeptAgainstHighest = -1;

    // The defaults, from the "Limits" values.
    CLoggingSettings();

    // Reads every key (missing ones keep their defaults), corrects them and
    // writes them all back.
    void Load();
    void Save() const;

    // The corrections applied on load.
    void Correct();
};

// Why the line limits and the current file number of opt cannot be taken
// while the highest file number is nMaxFileNum; empty when they can.
CString LoggingOptionsProblem(const CLoggingSettings& opt, UINT nMaxFileNum);

// Section and key names.
extern const char kLoggingSection[];
