// ConsoleLogFileTest.cpp: the log file ring, its marker, appending to an
// existing file, the block writes, and a failed trimming told apart from a
// failed write; the ring on a full disk.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/resource.h>
#endif

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "session/ConsoleLogFile.h"
#include "tests/config/TempFile.h"

namespace {

std::string ReadAll(const std::string& strPath)
{
    std::ifstream f(strPath, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

struct LogFileFixture : ::testing::Test {
    TempDir dir;
    CConsoleLogFile log;
    std::string path;
    CString marker;
    void SetUp() override
    {
        log.SetMarker("HEAD");
        marker = log.GetMarker();
        path = dir.Path("console.000.log");
    }
};

}  // namespace

TEST_F(LogFileFixture, MarkerFollowsNewestLine)
{
    EXPECT_EQ(marker, "\r\n******************** (last line of logfile above) ********************\r\n\r\nHEAD\r\n");
    ASSERT_TRUE(log.Open(path.c_str(), nullptr));
    CLogRingOptions opt;
    EXPECT_TRUE(log.WriteLine("one", opt, nullptr));
    EXPECT_TRUE(log.WriteLine("two", opt, nullptr));
    log.Close(nullptr);
    EXPECT_EQ(ReadAll(path), "one\r\ntwo\r\n" + marker.str());
}

TEST_F(LogFileFixture, OpeningAppendsAfterExistingContent)
{
    dir.Write("console.000.log", "header\r\nold\r\n");
    ASSERT_TRUE(log.Open(path.c_str(), nullptr));
    EXPECT_TRUE(log.WriteLine("new", CLogRingOptions(), nullptr));
    log.Close(nullptr);
    EXPECT_EQ(ReadAll(path), "header\r\nold\r\nnew\r\n" + marker.str());
    // A second session continues over the marker the first one left.
    ASSERT_TRUE(log.Open(path.c_str(), nullptr));
    EXPECT_TRUE(log.WriteLine("later", CLogRingOptions(), nullptr));
    log.Close(nullptr);
    EXPECT_EQ(ReadAll(path), "header\r\nold\r\nnew\r\nlater\r\n" + marker.str());
}

TEST_F(LogFileFixture, RingWrapsToTheTop)
{
    ASSERT_TRUE(log.Open(path.c_str(), nullptr));
    CLogRingOptions opt;
    opt.bLimit = true;
    opt.nLimit = 3;
    for (const char* psz : {"a1", "a2", "a3", "b1"})
        ASSERT_TRUE(log.WriteLine(psz, opt, nullptr));
    EXPECT_EQ(log.GetPassCount(), 1u);
    log.Close(nullptr);
    std::string s = ReadAll(path);
    // The file was cut after a3; b1 overwrote the top and the marker follows
    // it (the marker is longer than what remained of the first pass).
    EXPECT_EQ(s, "b1\r\n" + marker.str());
}

TEST_F(LogFileFixture, BlockWrites)
{
    ASSERT_TRUE(log.Open(path.c_str(), nullptr));
    CLogRingOptions opt;
    EXPECT_TRUE(log.WriteLines({"x", "y"}, opt, nullptr));
    EXPECT_EQ(log.GetPassCount(), 2u);
    opt.bLimit = true;
    opt.nLimit = 3;
    // One line fits; the file is cut after it and the next starts the top.
    EXPECT_TRUE(log.WriteLines({"z", "p"}, opt, nullptr));
    EXPECT_EQ(log.GetPassCount(), 1u);
    log.Close(nullptr);
    std::string s = ReadAll(path);
    EXPECT_EQ(s, "p\r\n" + marker.str());
}

TEST_F(LogFileFixture, BlockLongerThanPassKeepsNewest)
{
    ASSERT_TRUE(log.Open(path.c_str(), nullptr));
    CLogRingOptions opt;
    opt.bLimit = true;
    opt.nLimit = 2;
    EXPECT_TRUE(log.WriteLines({"1", "2", "3", "4"}, opt, nullptr));
    EXPECT_EQ(log.GetPassCount(), 2u);
    log.Close(nullptr);
    EXPECT_EQ(ReadAll(path), "3\r\n4\r\n" + marker.str());
}

TEST_F(LogFileFixture, OpenFailureReportsError)
{
    CFileException e;
    EXPECT_FALSE(log.Open((dir.Folder() + "no/such/dir/x.log").c_str(), &e));
    EXPECT_NE(e.m_lOsError, 0);
    EXPECT_FALSE(log.IsOpen());
}

namespace {

// A log file that takes writes but cannot be cut, so that every ring pass
// after the first fails in its trimming: on Windows a file with a mapped
// view (the system refuses to shrink it), elsewhere the null device.
struct UncuttableLog {
    TempDir dir;
    std::string strPath;
#ifdef _WIN32
    HANDLE hFile = INVALID_HANDLE_VALUE, hMapping = nullptr;
    void* pView = nullptr;
    UncuttableLog() : strPath(dir.Write("mapped.log", std::string(4096, 'x'))) {}
    // Maps the file as it is now.
    void Block()
    {
        hFile = ::CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
        hMapping = ::CreateFileMappingA(hFile, nullptr, PAGE_READONLY, 0, 0, nullptr);
        pView = hMapping ? ::MapViewOfFile(hMapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
        ASSERT_NE(pView, nullptr);
    }
    ~UncuttableLog()
    {
        if (pView)
            ::UnmapViewOfFile(pView);
        if (hMapping)
            ::CloseHandle(hMapping);
        if (hFile != INVALID_HANDLE_VALUE)
            ::CloseHandle(hFile);
    }
#else
    UncuttableLog() : strPath("/dev/null") {}
    void Block() {}
#endif
};

}  // namespace

// A failed write tells whether the ring's trimming or the write failed, so
// that the right message is shown; a new write starts afresh.
TEST(ConsoleLogFileFailure, TrimmingFailureIsToldApartFromAWriteFailure)
{
    UncuttableLog file;
    CConsoleLogFile log;
    log.SetMarker("HEAD");
    ASSERT_TRUE(log.Open(file.strPath.c_str(), nullptr));
    CLogRingOptions ring;
    ring.bLimit = true;
    ring.nLimit = 2;
    CFileException e;
    EXPECT_TRUE(log.WriteLine("one", ring, &e));
    EXPECT_TRUE(log.WriteLine("two", ring, &e));
    file.Block();
    EXPECT_FALSE(log.WriteLine("three", ring, &e));
    EXPECT_TRUE(log.TrimFailed());
    EXPECT_NE(e.m_lOsError, 0);
    EXPECT_FALSE(log.WriteLines(std::vector<CString>{"four", "five", "six"}, ring, nullptr));
    EXPECT_TRUE(log.TrimFailed());
    // Without the ring, the same file takes the line.
    EXPECT_TRUE(log.WriteLine("seven", CLogRingOptions(), nullptr));
    EXPECT_FALSE(log.TrimFailed());
    EXPECT_TRUE(log.Close(nullptr));
#ifndef _WIN32
    // A full disk: the write itself fails.
    ASSERT_TRUE(log.Open("/dev/full", nullptr));
    EXPECT_FALSE(log.WriteLine("one", ring, nullptr));
    EXPECT_FALSE(log.TrimFailed());
    log.Close(nullptr);
#endif
}

#ifndef _WIN32
// A limit on the size of files makes the kernel answer as a full disk does
// (the write that crosses it taken in part, the next refused): each line is
// written whole or not at all, also once room has been made.
TEST_F(LogFileFixture, OnAFullDiskALineIsWrittenWholeOrNotAtAll)
{
    ASSERT_TRUE(log.Open(path.c_str(), nullptr));
    std::string strWritten;
    struct rlimit full = {4096, RLIM_INFINITY}, room = {RLIM_INFINITY, RLIM_INFINITY};
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &full);
    for (int nLine = 0; nLine < 100; ++nLine) {
        CString str;
        str.Format("ZQC%05dI %070d", nLine, nLine);
        if (nLine == 90)
            ::setrlimit(RLIMIT_FSIZE, &room);
        if (log.WriteLine(str, CLogRingOptions(), nullptr))
            strWritten += str.str() + "\r\n";
    }
    log.Close(nullptr);
    EXPECT_EQ(ReadAll(path), strWritten + marker.str());
}
#endif

// A full disk at the ring's wrap: a line that starts the next pass and does
// not fit leaves the ring's lines and marker as they were, not cut.
TEST_F(LogFileFixture, AFullDiskLeavesTheRingAsItWas)
{
    CLogRingOptions ring{true, 3};
    CString strLong(std::string(97, 'x').c_str());
    ASSERT_TRUE(log.Open(path.c_str(), nullptr));
    ASSERT_TRUE(log.WriteLines({"a1", "a2"}, ring, nullptr));
    FileSizeLimit limit;
    if (!limit.Set((unsigned long)ReadAll(path).size() + 40))  // room for a3 and part of the next
        GTEST_SKIP() << "no host to limit the size of files";
    bool bWritten = log.WriteLines({"a3", strLong}, ring, nullptr);
    size_t nTaken = log.GetLinesTaken();
    std::string strFull = ReadAll(path);
    limit.Lift();  // before the checks: the limit would stop a failure's output to a file
    EXPECT_FALSE(bWritten);
    EXPECT_EQ(nTaken, 1u);
    EXPECT_EQ(strFull, "a1\r\na2\r\na3\r\n" + marker.str());
    EXPECT_TRUE(log.WriteLine(strLong, ring, nullptr));
    EXPECT_EQ(ReadAll(path), strLong.str() + "\r\n" + marker.str());
}

// A ring that the full disk will not let grow wraps where its file ends: the
// newest lines that fit, whole and in order; with room it grows back.
TEST_F(LogFileFixture, ARingThatCannotGrowWrapsWhereItsFileEnds)
{
    auto line = [](int n) { return "ZQC" + std::to_string(100000 + n) + "I"; };  // 10 bytes, 12 with CR LF
    for (int nBlock : {1, 7}) {
        SCOPED_TRACE(nBlock);
        ASSERT_TRUE(log.Open((path = dir.Path("ring" + std::to_string(nBlock) + ".log")).c_str(), nullptr));
        int nLine = 0;
        bool bAll = true;
        auto write = [&](int nLines) {  // how many whole lines the ring holds in order, the newest last; -1: none
            for (std::vector<CString> block; nLines > 0; nLines -= nBlock, block.clear()) {
                while ((int)block.size() < nBlock)
                    block.push_back(line(++nLine).c_str());
                bAll = log.WriteLines(block, {true, 100}, nullptr) && bAll;
            }
            std::string s = ReadAll(path), strNewest;
            size_t nMarker = std::min(s.find(marker.str()), s.size()), nOld = s.find('\n', nMarker + marker.GetLength());
            std::string strRing = (nOld < s.size() ? s.substr(nOld + 1) : "") + s.substr(0, nMarker);
            for (int n = nLine; strNewest.size() < strRing.size(); --n)
                strNewest = line(n) + "\r\n" + strNewest;
            return nMarker < s.size() && strRing == strNewest ? (int)strRing.size() / 12 : -1;
        };
        FileSizeLimit limit;
        if (!limit.Set(40 * 12 + marker.GetLength() + 5))
            GTEST_SKIP() << "no host to limit the size of files";
        int nKept = write(252);
        limit.Lift();  // before the checks: the limit would stop a failure's output to a file
        EXPECT_TRUE(bAll);
        EXPECT_GE(nKept, 30);
        EXPECT_GE(write(147), 90);
        log.Close(nullptr);
    }
}
