// ConsoleLineFormat.h: what a child's console line gets before it is queued
// for the pane, window-free: the process-id prefix and the time stamp, as
// chosen by the document's logging options.
#pragma once

#include <string>

#include "platform/Types.h"

// A local time, as the system reports it (SYSTEMTIME's fields).
struct SLocalTime {
    WORD wYear = 0, wMonth = 0, wDay = 0;
    WORD wHour = 0, wMinute = 0, wSecond = 0, wMilliseconds = 0;
};

// The options that shape and accompany a console line. The GUI thread sets
// them; the reader threads take a copy per line.
struct SConsoleLineOptions {
    bool bErrorBeep = false;        // "ErrorMsgBeep": beep for error messages
    bool bWarnBeep = false;         // "WarnMsgBeep": beep for warnings
    bool bPidAlways = false;        // "LogPidAlways"
    bool bPidIfNeeded = false;      // "LogPidOnlyIfNeeded": when several children run
    bool bDates = false;            // "LogDates"
    bool bTimes = false;            // "LogTimes"
};

// The line with its time stamp in front: dates and times
// "%04u/%02u/%02u %02u:%02u:%02u.%03u %s", dates only "%04u/%02u/%02u %s",
// times only "%02u:%02u:%02u.%03u %s", neither the line unchanged.
std::string FormatTimestamp(const std::string& strLine, bool bDates, bool bTimes, const SLocalTime& time);

// What a console line gets in front: the time stamp, then the process-id
// text and a blank when asked for (always, or only while several children
// run). A reader takes the time once per chunk and builds this once for all
// the chunk's lines.
std::string FormatConsolePrefix(const SConsoleLineOptions& options, const std::string& strPidText,
                                bool bSeveralChildren, const SLocalTime& time);

// A console line's own text: tabs expanded to stops of 8; false (the line
// is used as it is) when it holds no tab.
bool ExpandConsoleTabs(const char* pszLine, std::string& strExpanded);

// The line as queued for the console: tabs expanded to stops of 8, the
// process-id text and a blank in front when asked for (always, or only
// while several children run), then the time stamp.
std::string FormatConsoleLine(const char* pszLine, const SConsoleLineOptions& options, const std::string& strPidText,
                              bool bSeveralChildren, const SLocalTime& time);
