// ConsoleLogFileTest.cpp: the log file ring, its marker, appending to an
// existing file, the block writes, and a failed trimming told apart from a
// failed write.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <fstream>
#include <functional>
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
namespace {

// A folder on a disk that fills: a tmpfs of 64 KiB with 8 KiB left free, in
// a mount namespace of the calling process's own (root only); elsewhere a
// limit of 8 KiB on the size of files, which the kernel applies as a full
// disk: the write that crosses it is taken in part, the next refused.
// Free() makes room. Only for a child process (fork): the namespace and the
// limit stay with it.
struct FillingDisk {
    std::string strFolder;
    std::string strFiller;
    explicit FillingDisk(const std::string& strBase)
    {
        strFolder = strBase + "disk/";
        ::mkdir(strFolder.c_str(), 0700);
        if (::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            ::mount("tmpfs", strFolder.c_str(), "tmpfs", 0, "size=64k") == 0) {
            strFiller = strFolder + "filler";
            std::ofstream(strFiller, std::ios::binary) << std::string(56 * 1024, 'f');
            return;
        }
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit lim = {8 * 1024, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &lim);
    }
    void Free()
    {
        if (!strFiller.empty()) {
            ::unlink(strFiller.c_str());
        } else {
            struct rlimit lim = {RLIM_INFINITY, RLIM_INFINITY};
            ::setrlimit(RLIMIT_FSIZE, &lim);
        }
    }
};

// Runs check(folder) in a child process on a filling disk; its text (empty
// when all held) comes back through a pipe.
std::string OnFillingDisk(const std::function<std::string(FillingDisk&)>& check)
{
    TempDir dir;
    int fds[2];
    if (::pipe(fds) != 0)
        return "no pipe";
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        FillingDisk disk(dir.Folder());
        std::string strResult = check(disk);
        ssize_t nIgnored = ::write(fds[1], strResult.data(), strResult.size());
        (void)nIgnored;
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string strResult;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        strResult.append(buf, (size_t)n);
    ::close(fds[0]);
    int nStatus = 0;
    ::waitpid(pid, &nStatus, 0);
    return WIFEXITED(nStatus) ? strResult : "the child did not end";
}

}  // namespace

// While the disk is full every line is written whole or not at all: the
// file holds exactly the lines whose writes succeeded, in order, the one
// written after room was made among them, and the marker after the last.
TEST(ConsoleLogFileFailure, OnAFullDiskALineIsWrittenWholeOrNotAtAll)
{
    const struct {
        const char* pszCase;
        size_t nBlock;  // lines a write: 1 through WriteLine
        UINT nRing;     // lines a pass (0: no ring)
    } cases[] = {{"single lines", 1, 0}, {"blocks of 7", 7, 0}, {"blocks of 7, a ring of 200", 7, 200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        std::string strResult = OnFillingDisk([&](FillingDisk& disk) {
            CConsoleLogFile log;
            log.SetMarker("HEAD");
            std::string strPath = disk.strFolder + "console.000.log";
            if (!log.Open(strPath.c_str(), nullptr))
                return std::string("not opened");
            CLogRingOptions opt;
            opt.bLimit = c.nRing > 0;
            opt.nLimit = c.nRing;
            std::vector<std::string> written;  // the lines of the writes that succeeded
            int nFailures = 0, nLine = 0;
            auto write = [&] {
                std::vector<CString> block;
                for (size_t i = 0; i < c.nBlock; ++i) {
                    char sz[96];
                    ++nLine;
                    snprintf(sz, sizeof sz, "ZQC%05dI %070d", nLine, nLine);
                    block.push_back(sz);
                }
                bool bOk = c.nBlock == 1 ? log.WriteLine(block[0], opt, nullptr) : log.WriteLines(block, opt, nullptr);
                for (const CString& str : block)
                    if (bOk)
                        written.push_back(str.str());
                return bOk;
            };
            while (nFailures < 3 && nLine < 2000)
                nFailures += write() ? 0 : 1;
            disk.Free();
            if (nFailures < 3 || !write())
                return "failures " + std::to_string(nFailures) + ", then the write after room was made failed";
            log.Close(nullptr);
            // The ring's newest pass starts at the top; the lines before it
            // follow the marker (older lines of the previous pass).
            std::string strFile = ReadAll(strPath);
            size_t nMarker = strFile.find(log.GetMarker().str());
            size_t nPass = c.nRing ? written.size() - (written.size() % c.nRing ? written.size() % c.nRing : c.nRing)
                                   : 0;
            std::string strNewest;
            for (size_t i = nPass; i < written.size(); ++i)
                strNewest += written[i] + "\r\n";
            size_t nSame = 0;
            while (nSame < strNewest.size() && nSame < strFile.size() && strFile[nSame] == strNewest[nSame])
                ++nSame;
            if (nMarker == strNewest.size() && nSame == nMarker)
                return std::string();
            size_t nFrom = nSame > 100 ? nSame - 100 : 0;
            return "the file differs at " + std::to_string(nSame) + ": ..." + strFile.substr(nFrom, 200) +
                   "\nexpected ..." + strNewest.substr(nFrom, 200);
        });
        EXPECT_EQ(strResult, "");
    }
}
#endif
