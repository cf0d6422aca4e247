// LogFileNumberingTest.cpp: numbered log file names, numbers and the
// numbering the files on disk suggest.
#include <gtest/gtest.h>

#include <fstream>

#include "session/LogFileNumbering.h"
#include "tests/config/TempFile.h"

TEST(LogFileNumbering, Names)
{
    EXPECT_EQ(NumberedLogName("C:/logs/", "console.log", 7), "C:/logs/console.007.log");
    EXPECT_EQ(NumberedLogName("", "Vornamic Logfile.txt", 999), "Vornamic Logfile.999.txt");
    EXPECT_EQ(NumberedLogName("d/", "noext", 12), "d/noext.012");
    EXPECT_EQ(NumberedLogName("d/", "a.b.log", 1), "d/a.b.001.log");
    EXPECT_EQ(NumberedLogPattern("d/", "console.log"), "d/console.*.log");
}

TEST(LogFileNumbering, NumberOfName)
{
    EXPECT_EQ(NumberOfLogName("console.005.log", "console.log"), 5);
    EXPECT_EQ(NumberOfLogName("CONSOLE.123.LOG", "console.log"), 123);
    EXPECT_EQ(NumberOfLogName("console.abc.log", "console.log"), -1);
    EXPECT_EQ(NumberOfLogName("console..log", "console.log"), -1);
    EXPECT_EQ(NumberOfLogName("console.log", "console.log"), -1);
    EXPECT_EQ(NumberOfLogName("console.1-2.log", "console.log"), -1);
    EXPECT_EQ(NumberOfLogName("other.005.log", "console.log"), -1);
    EXPECT_EQ(NumberOfLogName("console.99999999999.log", "console.log"), -1);
}

TEST(LogFileNumbering, NextWraps)
{
    EXPECT_EQ(NextLogNumber(3, 3), 0);
    EXPECT_EQ(NextLogNumber(2, 3), 3);
    EXPECT_EQ(NextLogNumber(998, 999), 999);
    EXPECT_EQ(NextLogNumber(0, 0), 0);
}

TEST(LogFileNumbering, ExpectedWithoutWrap)
{
    std::vector<CLogFileFound> files = {{0, 100}, {1, 200}, {5, 50}};
    CLogNumbering r = ExamineLogNumbers(files, 9, false);
    EXPECT_EQ(r.nHighest, 5);
    EXPECT_EQ(r.nExpected, 6);
    EXPECT_EQ(ExamineLogNumbers(files, 9, true).nExpected, 5);
}

TEST(LogFileNumbering, ExpectedAfterWrapIsNewestFile)
{
    std::vector<CLogFileFound> files = {{0, 500}, {1, 600}, {2, 100}, {3, 90}};
    EXPECT_EQ(ExamineLogNumbers(files, 3, false).nExpected, 2);
    EXPECT_EQ(ExamineLogNumbers(files, 3, true).nExpected, 1);
    files = {{0, 500}, {1, 500}, {3, 10}};
    EXPECT_EQ(ExamineLogNumbers(files, 3, true).nExpected, 1);  // equal times: higher number
    files = {{3, 700}, {0, 10}};
    EXPECT_EQ(ExamineLogNumbers(files, 3, false).nExpected, 0);  // newest is the maximum: wraps
}

TEST(LogFileNumbering, NothingFound)
{
    CLogNumbering r = ExamineLogNumbers({}, 9, false);
    EXPECT_EQ(r.nHighest, -1);
    EXPECT_EQ(r.nExpected, -1);
    r = ExamineLogNumbers({{12, 1}}, 9, false);  // only above the maximum
    EXPECT_EQ(r.nHighest, 12);
    EXPECT_EQ(r.nExpected, -1);
}

TEST(LogFileNumbering, ScanFolder)
{
    TempDir dir;
    dir.Write("console.005.log", "x");
    dir.Write("console.abc.log", "x");
    dir.Write("console.007.txt", "x");
    dir.Write("console.002.log", "x");
    std::vector<CLogFileFound> files = FindNumberedLogFiles(dir.Folder().c_str(), "console.log");
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].nNumber + files[1].nNumber, 7);
    EXPECT_TRUE(FindNumberedLogFiles((dir.Folder() + "missing/").c_str(), "console.log").empty());
}
