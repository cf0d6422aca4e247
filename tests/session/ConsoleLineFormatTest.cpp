// ConsoleLineFormatTest.cpp: time stamps and the process-id prefix of
// console lines.
#include "session/ConsoleLineFormat.h"

#include <gtest/gtest.h>

namespace {

SLocalTime Time()
{
    SLocalTime t;
    t.wYear = 2026;
    t.wMonth = 3;
    t.wDay = 9;
    t.wHour = 23;
    t.wMinute = 59;
    t.wSecond = 1;
    t.wMilliseconds = 7;
    return t;
}

TEST(ConsoleLineFormat, TimestampForms)
{
    EXPECT_EQ("2026/03/09 23:59:01.007 msg", FormatTimestamp("msg", true, true, Time()));
    EXPECT_EQ("2026/03/09 msg", FormatTimestamp("msg", true, false, Time()));
    EXPECT_EQ("23:59:01.007 msg", FormatTimestamp("msg", false, true, Time()));
    EXPECT_EQ("msg", FormatTimestamp("msg", false, false, Time()));
    EXPECT_EQ("23:59:01.007 ", FormatTimestamp("", false, true, Time()));
}

TEST(ConsoleLineFormat, PidPrefixRule)
{
    SConsoleLineOptions o;
    EXPECT_EQ("x", FormatConsoleLine("x", o, "0x00000010", true, Time()));
    o.bPidIfNeeded = true;
    EXPECT_EQ("x", FormatConsoleLine("x", o, "0x00000010", false, Time()));
    EXPECT_EQ("0x00000010 x", FormatConsoleLine("x", o, "0x00000010", true, Time()));
    o.bPidIfNeeded = false;
    o.bPidAlways = true;
    o.bDates = true;
    EXPECT_EQ("2026/03/09 0x00000010 x", FormatConsoleLine("x", o, "0x00000010", false, Time()));
}

TEST(ConsoleLineFormat, LongLineKeptWhole)
{
    std::string s(100000, 'a');
    s[5] = '\t';
    SConsoleLineOptions o;
    EXPECT_EQ(100002u, FormatConsoleLine(s.c_str(), o, "", false, Time()).size());
}

}  // namespace
