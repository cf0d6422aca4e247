// ConsoleOutputEndToEndTest.cpp: child output through the view end to end,
// with a pump that does only what the program's loop does: a flood reaches
// the log file whole and in order; a line after a quiet spell is shown
// without any input; every line a child wrote comes before its end report,
// for the emulator and for a utility; an emulator killed from outside
// during a flood is reported ended at once; a full disk loses no line that
// fits, the lines that wait go once it has room, and the file says where
// lines are missing.
#include "tests/session/SessionViewFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "platform/ProfileStore.h"
#include "session/ConsoleCommands.h"
#include "session/PipedProcessCtl.h"
#include "session/UtilityProgress.h"
#include "session/VornGUIDoc.h"
#include "tests/platform/ModalDriver.h"
#include "tests/standins/StandinText.h"

namespace {

std::string ReadFileText(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The index of the first console line equal to strLine, or -1.
int IndexOf(const std::vector<std::string>& lines, const std::string& strLine)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == strLine)
            return (int)i;
    return -1;
}

std::string Numbered(const char* pszFormat, int n)
{
    char sz[64];
    snprintf(sz, sizeof sz, pszFormat, n);
    return sz;
}

// Lines pszFormat 1 .. n are all in the console before strEnd, which is there.
void ExpectAllBefore(const std::vector<std::string>& lines, const char* pszFormat, int n, const std::string& strEnd)
{
    int nEnd = IndexOf(lines, strEnd);
    ASSERT_GE(nEnd, 0) << strEnd;
    for (int i = 1; i <= n; ++i) {
        int nLine = IndexOf(lines, Numbered(pszFormat, i));
        ASSERT_GE(nLine, 0) << i;
        ASSERT_LT(nLine, nEnd) << i;
    }
}

// The console logged to a numbered file in the test's folder (the log
// folder), which the view's start-up check starts.
struct LoggedSessionFixture : SessionFixture {
    void Presets() override { ProfileWriteInt("Logging", "LogOption", 2); }
    std::string StartLogFile()
    {
        EXPECT_TRUE(Pump([&] { return !pDoc->GetPathName().IsEmpty(); }, 10000));
        return pDoc->GetPathName().GetString();
    }
};

TEST_F(LoggedSessionFixture, FloodReachesTheLogWholeAndInOrderAndThePaneShowsTheLast)
{
    const int kLines = 200000;
    std::string strLog = StartLogFile();
    ASSERT_FALSE(strLog.empty());
    StartEmulator("--no-devlist --do \"flood out 200000 80\"");
    std::string strLast = Numbered("%09d ", kLines);
    ASSERT_TRUE(Pump([&] {
        return pDoc->GetLineCount() > 0 && pDoc->GetLine(pDoc->GetLastIndex()).Left(10) == strLast.c_str();
    }, 120000));
    // The pane follows the end: its last line is in sight.
    EXPECT_TRUE(pView->IsFollowingEnd());
    EXPECT_LE((int)pDoc->GetLineCount(), pView->GetTopLine() + pView->GetLinesFit());
    std::string strText = ReadFileText(strLog);
    size_t nPos = strText.find(Numbered("%09d ", 1));
    ASSERT_NE(std::string::npos, nPos);
    for (int i = 1; i <= kLines; ++i) {
        size_t nEnd = strText.find("\r\n", nPos);
        ASSERT_NE(std::string::npos, nEnd) << "line " << i;
        ASSERT_EQ(80u, nEnd - nPos) << "line " << i;
        ASSERT_EQ(0, strText.compare(nPos, 10, Numbered("%09d ", i))) << "line " << i;
        nPos = nEnd + 2;
    }
}

// A flood on a full disk, then room; lines with no room that go from memory
// and a close, then room: one box each time, every line that fits written
// whole and in order, the rest once there is room; the close's box and the
// note that logging resumed count the lines not written.
TEST_F(LoggedSessionFixture, AFullDiskIsToldOnceAndKeepsEveryLineThatFits)
{
    std::string strLog = StartLogFile(), strNote = "* Logging to \"" + strLog + "\" ";
    std::vector<std::string> boxes;
    vorntest::DialogDriver driver([&, hLast = HWND()](HWND h) mutable {
        if (h != hLast)
            boxes.push_back(vorntest::DialogTexts(hLast = h));
        return ::PostMessageA(h, WM_COMMAND, IDOK, 0) != FALSE;
    });
    auto floodKept = [&] {  // the flood's lines in the file, up to one not whole or not in its place
        std::istringstream in(ReadFileText(strLog));
        size_t n = 0;
        for (std::string s; std::getline(in, s);)
            if (s[0] == '0' && s != MakeFloodLine(++n, 80) + "\r")
                return n - 1;
        return n;
    };
    FileSizeLimit limit;
    size_t nFull = ReadFileText(strLog).size() + 65536;
    limit.Set(nFull);
    StartEmulator("--no-devlist --do \"flood out 5000 80\"");
    ASSERT_TRUE(Pump([&] { return ConsoleHas(MakeFloodLine(5000, 80)); }, 30000));
    limit.Lift();  // before the checks: the limit would stop a failure's output to a file
    std::vector<std::string> shown = ConsoleLines();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), strNote + "stopped: the messages are kept in memory only."), 1);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_GT(floodKept(), 700u);
    EXPECT_GT(ReadFileText(strLog).size() + 82, nFull) << "room for another line";
    pView->AddMessage("ZQC00001I room again", false);
    EXPECT_EQ(ConsoleLines().back(), strNote + "resumed.");
    EXPECT_EQ(floodKept(), 5000u);
    CLoggingSettings opt = pDoc->GetSettings();
    opt.m_nMemLogLinesLimit = 1000;
    ASSERT_TRUE(pDoc->SetLoggingOptions(opt));
    limit.Set(ReadFileText(strLog).size());
    for (int i = 0; i < 1500; ++i)
        pView->AddMessage("ZQC00002I no room", false);
    pDoc->SaveModified();
    limit.Lift();
    pView->AddMessage("ZQC00001I room again", false);
    EXPECT_EQ(ConsoleLines().back(), strNote + "resumed: 500 messages were not written.");
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_NE(boxes[2].find("The newest 1000 console messages are kept in memory only"), std::string::npos) << boxes[2];
    EXPECT_NE(boxes[2].find(" 500 console messages before them were not written either."), std::string::npos) << boxes[2];
    // Lines that wait, more than a step writes, are written once the disk has
    // room, with no new line to bring them; then the retry stops.
    pDoc->SetLogRetryPeriod(20);
    opt.m_nMemLogLinesLimit = 30000;
    ASSERT_TRUE(pDoc->SetLoggingOptions(opt));
    limit.Set(ReadFileText(strLog).size() + 8000);
    for (int n = 5001; n <= 30000; n += 1000) {
        CConsoleBlock block;
        for (int i = n; i < n + 1000; ++i)
            block.Add(MakeFloodLine(i, 80));
        pView->AddMessages(std::move(block));
    }
    limit.Lift();
    std::string strEnd = MakeFloodLine(30000, 80) + "\r\n" + strNote + "resumed.\r\n\r\n" + kLogRingMarkerLine;
    EXPECT_TRUE(Pump([&] { return ReadFileText(strLog).find(strEnd) != std::string::npos; }));
    EXPECT_EQ(floodKept(), 30000u);
    EXPECT_FALSE(::KillTimer(pView->m_hWnd, kTimerLogRetry)) << "the retry goes on";
}

// A note at the gap in the file counts the messages that went from memory
// before it had room, as the console's note and the close's box do.
TEST_F(LoggedSessionFixture, TheFileSaysWhereMessagesAreMissingAndHowMany)
{
    std::string strLog = StartLogFile(), strNote = "* Logging to \"" + strLog + "\" ", strBox;
    vorntest::DialogDriver driver([&](HWND h) { return (strBox = vorntest::DialogTexts(h), ::PostMessageA(h, WM_COMMAND, IDOK, 0)); });
    CLoggingSettings opt = pDoc->GetSettings();
    opt.m_nMemLogLinesLimit = 100;
    ASSERT_TRUE(pDoc->SetLoggingOptions(opt));
    struct { int nLines; std::string strAfterGap; const char *pszGap, *pszResumed, *pszBox; } rows[] = {
        {100, strNote + "stopped", "1 console message is missing here: it", "1 message was", "1 console message before them was"},
        {101, "ZQC00002I 101 no room 002", "1 console message is missing here: it", "1 message was", "1 console message before them was"},
        {300, "ZQC00002I 300 no room 201", "200 console messages are missing here: they", "200 messages were", "200 console messages before them were"}};
    for (const auto& row : rows) {
        std::string strRow = "ZQC00002I " + std::to_string(row.nLines);
        for (int i = 1; i <= 100; ++i)
            pView->AddMessage((strRow + Numbered(" before %03d", i)).c_str(), false);
        FileSizeLimit limit;
        limit.Set(ReadFileText(strLog).size());
        for (int i = 1; i <= row.nLines; ++i)
            pView->AddMessage((strRow + Numbered(" no room %03d", i)).c_str(), false);
        pDoc->SaveModified();
        limit.Lift();
        pView->AddMessage("ZQC00001I room again", false);
        EXPECT_EQ(ConsoleLines().back(), strNote + "resumed: " + row.pszResumed + " not written.");
        EXPECT_NE(strBox.find(std::string(row.pszBox) + " not written either."), std::string::npos) << strBox;
        std::string strGap = strRow + " before 100\r\n* " + row.pszGap + " could not be written to this file.\r\n";
        EXPECT_NE(ReadFileText(strLog).find(strGap + row.strAfterGap), std::string::npos) << row.nLines;
    }
}

// The pump hands over only what the program itself posts: the line after the
// quiet spell arrives without any input to wake the program.
TEST_F(SessionFixture, LineAfterAQuietSpellIsShownWithoutInput)
{
    StartEmulator("--no-devlist --do \"out before the quiet\" --do \"sleep 3000\" --do \"out after the quiet\"");
    ASSERT_TRUE(Pump([&] { return ConsoleHas("before the quiet"); }, 10000));
    ASSERT_TRUE(Pump([&] { return ConsoleHas("after the quiet"); }, 10000));
}

TEST_F(SessionFixture, EveryLineComesBeforeTheEmulatorsEnd)
{
    StartEmulator("--no-devlist --do \"seq out 1 1000 1 last words %d\" --do \"exit 0\"");
    ASSERT_TRUE(Pump([&] { return pView->GetEmulator() == nullptr; }));
    ExpectAllBefore(ConsoleLines(), "last words %d", 1000, "Vornamic ended; rc=0");
}

TEST_F(SessionFixture, UtilityProgressAndLinesComeBeforeItsEnd)
{
    pView->RunUtility("vornutil.exe --kind WIDENVOL --do \"err TRKS=1000\" --do \"seq err 1 1000 1 TRK=%d\" "
                      "--do \"seq out 1 1000 1 widened %d\" --do \"rc 4\"",
                      kUtilWidenVol, nullptr, "WidenVol", 1000);
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }));
    std::vector<std::string> lines = ConsoleLines();
    ExpectAllBefore(lines, "widened %d", 1000, "WidenVol ended; rc=4");
    // The progress lines went to its progress, not to the console.
    EXPECT_EQ(-1, IndexOf(lines, "TRK=1000"));
    EXPECT_EQ(-1, IndexOf(lines, "TRKS=1000"));
}

TEST_F(SessionFixture, EmulatorKilledDuringAFloodIsReportedEndedAtOnce)
{
    CPipedProcessCtl* pCtl = StartEmulator("--no-devlist --do \"flood out 20000000 80\"");
    // Well into the flood (the pane keeps only its newest lines).
    ASSERT_TRUE(Pump([&] { return pDoc->HasLines() && atoi(pDoc->GetLine(pDoc->GetLastIndex())) > 20000; }));
    HANDLE hProcess = ::OpenProcess(PROCESS_TERMINATE, FALSE, pCtl->GetProcessId());
    ASSERT_NE(nullptr, hProcess);
    ASSERT_TRUE(::TerminateProcess(hProcess, 9));
    ::CloseHandle(hProcess);
    DWORD dwKilled = ::GetTickCount();
    ASSERT_TRUE(Pump([&] { return pView->GetEmulator() == nullptr; }, 10000));
    EXPECT_LT(::GetTickCount() - dwKilled, 2000u);
    EXPECT_GE(IndexOf(ConsoleLines(), "Vornamic ended; rc=9"), 0);
}


// The log a ring of 1,000 lines, which cannot be cut while a view of it is
// mapped: every write fails once its pass is full.
struct RingLoggedSession : LoggedSessionFixture {
    void Presets() override
    {
        LoggedSessionFixture::Presets();
        ProfileWriteInt("Logging", "EnableDiskLogLimit", 1);
        ProfileWriteInt("Logging", "DiskLogLinesLimit", 1000);
        ProfileWriteInt("Logging", "MemLogLinesLimit", 50000);
    }
    // The log mapped while the result lasts.
    static std::shared_ptr<void> Mapped(const std::string& strPath)
    {
        HANDLE hFile = ::CreateFileA(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
        HANDLE hMap = ::CreateFileMappingA(hFile, nullptr, PAGE_READONLY, 0, 0, nullptr);
        return std::shared_ptr<void>(::MapViewOfFile(hMap, FILE_MAP_READ, 0, 0, 0), [=](void* pView) {
            ::UnmapViewOfFile(pView);
            ::CloseHandle(hMap);
            ::CloseHandle(hFile);
        });
    }
};

// A flood into a log that fails at every write: one box, with lines still
// arriving under it; the lines stay and the console says logging stopped.
// A write that succeeds says it resumed; the next failure is told again.
TEST_F(RingLoggedSession, AFailingLogIsToldOncePerFailureAndTheLinesStay)
{
    std::string strLog = StartLogFile();
    std::vector<std::string> boxes;
    HWND hLast = nullptr;
    vorntest::DialogDriver driver([&](HWND h) {
        if (h != hLast)
            boxes.push_back(vorntest::DialogTexts(h));
        ::PostMessageA(hLast = h, WM_COMMAND, IDOK, 0);
        return true;
    });
    auto lines = [&](int n) {
        for (int i = 0; i < n; ++i)
            pView->AddMessage("ZQC00001I a line of a pass", false);
    };
    lines(1000);
    {
        std::shared_ptr<void> mapped = Mapped(strLog);
        ASSERT_TRUE(mapped);
        StartEmulator("--no-devlist --do \"flood out 3000 80\"");
        ASSERT_TRUE(Pump([&] { return ConsoleHas(MakeFloodLine(3000, 80)) || boxes.size() > 1; }, 30000));
        ASSERT_EQ(1u, boxes.size());
        EXPECT_NE(std::string::npos, boxes[0].find("Error trimming logfile.")) << boxes[0];
        std::vector<std::string> shown = ConsoleLines();
        EXPECT_TRUE(ConsoleHas(MakeFloodLine(1, 80)) && ConsoleHas(MakeFloodLine(1500, 80)));
        EXPECT_EQ(1, std::count_if(shown.begin(), shown.end(), [&](const std::string& str) {
                      return str.find("* Logging to \"" + strLog + "\" stopped: the messages are kept") != std::string::npos;
                  }));
    }
    lines(1);
    EXPECT_NE(std::string::npos, ConsoleLines().back().find("* Logging to \"" + strLog + "\" resumed."));
    std::shared_ptr<void> again = Mapped(strLog);
    lines(1500);
    EXPECT_EQ(2u, boxes.size());
}

}  // namespace
