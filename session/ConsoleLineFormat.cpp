// ConsoleLineFormat.cpp: process-id prefix and time stamp of a console line.
#include "session/ConsoleLineFormat.h"

#include <cstdio>
#include <cstring>

#include "platform/TextFunctions.h"

namespace {

// The time stamp with its blank; empty with neither dates nor times.
std::string TimestampText(bool bDates, bool bTimes, const SLocalTime& t)
{
    char szStamp[64];
    if (bDates && bTimes)
        snprintf(szStamp, sizeof szStamp, "%04u/%02u/%02u %02u:%02u:%02u.%03u ", t.wYear, t.wMonth, t.wDay, t.wHour,
                 t.wMinute, t.wSecond, t.wMilliseconds);
    else if (bDates)
        snprintf(szStamp, sizeof szStamp, "%04u/%02u/%02u ", t.wYear, t.wMonth, t.wDay);
    else if (bTimes)
        snprintf(szStamp, sizeof szStamp, "%02u:%02u:%02u.%03u ", t.wHour, t.wMinute, t.wSecond, t.wMilliseconds);
    else
        szStamp[0] = '\0';
    return szStamp;
}

}  // namespace

std::string FormatTimestamp(const std::string& strLine, bool bDates, bool bTimes, const SLocalTime& t)
{
    if (!bDates && !bTimes)
        return strLine;
    return TimestampText(bDates, bTimes, t) + strLine;
}

std::string FormatConsolePrefix(const SConsoleLineOptions& options, const std::string& strPidText,
                                bool bSeveralChildren, const SLocalTime& time)
{
    std::string str = TimestampText(options.bDates, options.bTimes, time);
    if (options.bPidAlways || (options.bPidIfNeeded && bSeveralChildren))
        str += strPidText + " ";
    return str;
}

bool ExpandConsoleTabs(const char* pszLine, std::string& strExpanded)
{
    if (!std::strchr(pszLine, '\t'))
        return false;
    const CString str = ExpandTabs(pszLine, 8);
    strExpanded.assign(str.GetString(), (size_t)str.GetLength());
    return true;
}

std::string FormatConsoleLine(const char* pszLine, const SConsoleLineOptions& options, const std::string& strPidText,
                              bool bSeveralChildren, const SLocalTime& time)
{
    std::string strExpanded;
    const char* psz = ExpandConsoleTabs(pszLine, strExpanded) ? strExpanded.c_str() : pszLine;
    return FormatConsolePrefix(options, strPidText, bSeveralChildren, time) + psz;
}
