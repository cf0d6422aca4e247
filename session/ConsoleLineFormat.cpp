// ConsoleLineFormat.cpp: process-id prefix and time stamp of a console line.
#include "session/ConsoleLineFormat.h"

#include <cstdio>
#include <cstring>

#include "platform/TextFunctions.h"

std::string FormatTimestamp(const std::string& strLine, bool bDates, bool bTimes, const SLocalTime& t)
{
    if (!bDates && !bTimes)
        return strLine;
    char szStamp[64];
    if (bDates && bTimes)
        snprintf(szStamp, sizeof szStamp, "%04u/%02u/%02u %02u:%02u:%02u.%03u ", t.wYear, t.wMonth, t.wDay, t.wHour,
                 t.wMinute, t.wSecond, t.wMilliseconds);
    else if (bDates)
        snprintf(szStamp, sizeof szStamp, "%04u/%02u/%02u ", t.wYear, t.wMonth, t.wDay);
    else
        snprintf(szStamp, sizeof szStamp, "%02u:%02u:%02u.%03u ", t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    return szStamp + strLine;
}

// Every console line of every child passes here on its reader thread: a
// line without tabs is taken as it is, and nothing is copied twice.
std::string FormatConsoleLine(const char* pszLine, const SConsoleLineOptions& options, const std::string& strPidText,
                              bool bSeveralChildren, const SLocalTime& time)
{
    std::string str;
    if (std::strchr(pszLine, '\t')) {
        const CString strExpanded = ExpandTabs(pszLine, 8);
        str.assign(strExpanded.GetString(), (size_t)strExpanded.GetLength());
    } else {
        str.assign(pszLine);
    }
    if (options.bPidAlways || (options.bPidIfNeeded && bSeveralChildren))
        str.insert(0, strPidText + " ");
    if (!options.bDates && !options.bTimes)
        return str;
    return FormatTimestamp(str, options.bDates, options.bTimes, time);
}
