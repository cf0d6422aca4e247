// PipedProcessCtlTest.cpp: real child processes (the utility and emulator
// stand-ins) under a CPipedProcessCtl: both output streams, exit codes, the
// console notes, kill (also while the readers are held or flooded), standard
// input, a missing program, lines cut at random chunk boundaries, and a
// fatal fault on a reader thread.
#include "session/PipedProcessCtl.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>

#include "platform/CWinApp.h"
#include "session/PipeLineBuffer.h"
#include "session/PrivateMessages.h"
#include "session/UtilityProgress.h"
#include "tests/session/TestChildHost.h"
#include "tests/support/WinTestUtil.h"

namespace {

std::string Util(const std::string& args)
{
    return "\"" + vorntest::ProgramDir() + "vornutil.exe\" " + args;
}

std::string Emu(const std::string& args)
{
    return "\"" + vorntest::ProgramDir() + "vornemu.exe\" " + args;
}

CPipedProcessCtl* Start(const std::string& cmd, const char* pszName = "Util")
{
    return new CPipedProcessCtl(pszName, kUtilNone, nullptr, cmd.c_str(), "", false, 0, 0);
}

std::string StartedNote(CPipedProcessCtl* p, const char* pszPrefix = "")
{
    char sz[200];
    std::snprintf(sz, sizeof(sz), "%sUtil started; process-id = %u (0x%08X)", pszPrefix,
                  (unsigned)p->GetProcessId(), (unsigned)p->GetProcessId());
    return sz;
}

TEST(PipedProcessCtl, BothStreamsNotesAndExitCode)
{
    CTestChildHost host;
    CPipedProcessCtl* p = Start(Util("--do \"out to stdout\" --do \"err to stderr\" --do \"out  two \" --rc 3"));
    ASSERT_NE(p->GetProcessId(), 0u);
    EXPECT_EQ(p->GetPidText().GetLength(), 10);
    std::string started = StartedNote(p);
    ASSERT_TRUE(host.PumpUntilEnded());
    EXPECT_EQ(host.OutLines(), (std::vector<std::string>{ "to stdout", " two" }));
    EXPECT_EQ(host.ErrLines(), (std::vector<std::string>{ "to stderr" }));
    EXPECT_EQ(host.m_exitCodes, (std::vector<DWORD>{ 3 }));
    EXPECT_EQ(host.m_notes, (std::vector<std::string>{ started, "Util ended; rc=3" }));
}

// The end note of a code other than 0 is given as a failure; the started
// note never is.
TEST(PipedProcessCtl, ExitCodes)
{
    struct SCase { const char* pszArgs; DWORD dwExpected; const char* pszEnded; bool bFailure; };
    const SCase kCases[] = {
        { "--rc 0", 0, "Util ended; rc=0", false },
        { "--rc 1", 1, "Util ended; rc=1", true },
        { "--rc 255", 255, "Util ended; rc=255", true },
        { "--do \"exit 4095\"", 4095, "Util ended; rc=4095", true },
        { "--do \"outraw unfinished\" --do \"exit 7\"", 7, "Util ended; rc=7", true },
        { "--rc -8", 0xFFFFFFF8u, "Util ended; rc=-8", true },
    };
    for (const SCase& c : kCases) {
        CTestChildHost host;
        Start(Util(c.pszArgs));
        ASSERT_TRUE(host.PumpUntilEnded()) << c.pszArgs;
        EXPECT_EQ(host.m_exitCodes[0], c.dwExpected) << c.pszArgs;
        EXPECT_EQ(host.m_notes.back(), c.pszEnded);
        EXPECT_EQ((std::vector<bool>{ false, c.bFailure }), host.m_noteFailures) << c.pszArgs;
    }
}

TEST(PipedProcessCtl, FinalLineWithoutLineFeedArrives)
{
    CTestChildHost host;
    Start(Util("--do \"out first\" --do \"outraw last words\" --do \"exit 0\""));
    ASSERT_TRUE(host.PumpUntilEnded());
    EXPECT_EQ(host.OutLines(), (std::vector<std::string>{ "first", "last words" }));
}

TEST(PipedProcessCtl, PidPrefixWhenSeveralChildrenRun)
{
    CTestChildHost host;
    host.m_bPidPrefix = true;
    CPipedProcessCtl* p = Start(Util("--rc 0"));
    std::string prefix = std::string(p->GetPidText()) + " ";
    std::string started = StartedNote(p, prefix.c_str());
    ASSERT_TRUE(host.PumpUntilEnded());
    EXPECT_EQ(host.m_notes, (std::vector<std::string>{ started, prefix + "Util ended; rc=0" }));
}

TEST(PipedProcessCtl, KillWritesNoteAndEndsWithMinusOne)
{
    CTestChildHost host;
    CPipedProcessCtl* p = Start(Util("--do \"out going to sleep\" --do \"sleep 60000\""));
    ASSERT_TRUE(host.PumpUntil([&] { return host.OutLines().size() == 1; }));
    char szKill[200];
    std::snprintf(szKill, sizeof(szKill), "kill %u (%s = Util)", (unsigned)p->GetProcessId(),
                  (const char*)p->GetPidText());
    DWORD dwStart = ::GetTickCount();
    EXPECT_EQ(p->Kill(true), 0xFFFFFFFFu);
    EXPECT_LT(::GetTickCount() - dwStart, kAtOnceMs);
    ASSERT_TRUE(host.PumpUntilEnded(1, kAtOnceMs));
    EXPECT_EQ(host.m_notes.size(), 3u);
    EXPECT_EQ(host.m_notes[1], szKill);
    EXPECT_EQ(host.m_notes[2], "Util ended; rc=-1");
}

TEST(PipedProcessCtl, KillDuringFloodEndsTheRunAtOnce)
{
    CTestChildHost host;
    CPipedProcessCtl* p = Start(Util("--do \"flood err 100000000 80\""));
    ASSERT_TRUE(host.PumpUntil([&] { return host.LineCount() > 10000; }));
    DWORD dwStart = ::GetTickCount();
    p->Kill(true);
    ASSERT_TRUE(host.PumpUntilEnded(1, kAtOnceMs));
    EXPECT_LT(::GetTickCount() - dwStart, kAtOnceMs);
    EXPECT_EQ(host.m_notes.back(), "Util ended; rc=-1");
}

// A killed child's last lines, still in its pipes when the kill comes, are
// handed over (an unfinished one too); of a pipe full of a flood only a
// bounded rest: the reader held after the first line finishes that read's
// chunk and takes 64 KB more, though the child had written far more.
TEST(PipedProcessCtl, KillHandsOverABoundedRestOfThePipes)
{
    {
        CTestChildHost host;
        host.Pause();
        CPipedProcessCtl* p = Start(Emu("--do \"out first\" --do \"wait-stdin go\" --do \"out second\" "
                                        "--do \"outraw last words\" --do \"err written\""));
        ASSERT_TRUE(host.PumpUntil([&] { return host.OutLines().size() == 1; }));
        ASSERT_TRUE(p->WriteStdin("go\n", 3));
        // Written after the others: once it is here, they wait in the pipe
        // behind the held reader.
        ASSERT_TRUE(host.PumpUntil([&] { return host.ErrLines().size() == 1; }));
        p->Kill(true);
        ASSERT_TRUE(host.PumpUntilEnded(1, kAtOnceMs));
        EXPECT_EQ(host.OutLines(), (std::vector<std::string>{ "first", "second", "last words" }));
    }
    CTestChildHost host;
    host.Pause();
    CPipedProcessCtl* p = Start(Util("--do \"flood out 40000 80\" --do \"sleep 60000\""));
    ASSERT_TRUE(host.PumpUntil([&] { return host.LineCount() >= 1; }));
    p->Kill(true);
    ASSERT_TRUE(host.PumpUntilEnded(1, kAtOnceMs));
    EXPECT_LE(host.LineCount(), 2 * (64u * 1024 / 81 + 1));
    EXPECT_EQ(host.m_notes.back(), "Util ended; rc=-1");
}

TEST(PipedProcessCtl, KillReleasesReadersHeldByFlowControl)
{
    CTestChildHost host;
    host.Pause();
    CPipedProcessCtl* p = Start(Util("--do \"flood err 100000000 80\" --do \"flood out 100 10\""));
    ASSERT_TRUE(host.PumpUntil([&] { return host.LineCount() >= 1; }));
    ::Sleep(100);
    DWORD dwStart = ::GetTickCount();
    p->Kill(true);
    ASSERT_TRUE(host.PumpUntilEnded(1, kAtOnceMs));
    EXPECT_LT(::GetTickCount() - dwStart, kAtOnceMs);
}

TEST(PipedProcessCtl, DeletingARunningControllerReportsNoEnd)
{
    // The owner that deletes a controller will not hear of its end: no
    // WM_UTILITY_ENDED may arrive with the freed controller in it.
    CTestChildHost host;
    CPipedProcessCtl* p = Start(Util("--do \"sleep 60000\""));
    DWORD dwStart = ::GetTickCount();
    delete p;
    EXPECT_LT(::GetTickCount() - dwStart, kAtOnceMs);
    host.PumpUntil([] { return false; }, 200);
    EXPECT_TRUE(host.m_exitCodes.empty());
}

TEST(PipedProcessCtl, MissingProgram)
{
    CTestChildHost host;
    const char* pszCommand = "\"C:\\no such folder\\nothing.exe\" EXTERNALGUI";
    CPipedProcessCtl* p = Start(pszCommand);
    EXPECT_EQ(p->GetProcessId(), 0u);
    EXPECT_EQ(p->GetExitCode(), 2u);
    ASSERT_EQ(host.m_errors.size(), 1u);
    std::string strExpected = std::string("CreateProcess() failed|The command:\n\n") + pszCommand +
                              "     \n\nfailed with rc=2 (0x00000002):\n\n";
    EXPECT_EQ(host.m_errors[0].substr(0, strExpected.size()), strExpected);
    EXPECT_GT(host.m_errors[0].size(), strExpected.size());
    ASSERT_TRUE(host.PumpUntilEnded());
    EXPECT_EQ(host.m_exitCodes, (std::vector<DWORD>{ 2 }));
    // The box told it: no end report, as if it had run.
    EXPECT_TRUE(host.m_notes.empty());
}

TEST(PipedProcessCtl, WriteStdinReachesTheChild)
{
    CTestChildHost host;
    std::string cmd = "\"" + vorntest::ProgramDir() + "vornemu.exe\" --no-devlist --lifetime 20000"
                      " --do \"wait-stdin hello\" --do \"out got hello\"";
    CPipedProcessCtl* p = Start(cmd, "Vornamic");
    ASSERT_TRUE(p->WriteStdin("hello there\n", 12));
    ASSERT_TRUE(host.PumpUntil([&] {
        for (const std::string& s : host.OutLines())
            if (s == "got hello")
                return true;
        return false;
    }));
    p->Kill(false);
    ASSERT_TRUE(host.PumpUntilEnded());
    EXPECT_FALSE(p == nullptr);
}

TEST(PipedProcessCtl, EmulatorRaisesTheGuiThreadUntilKilled)
{
    CTestChildHost host;
    CPipedProcessCtl* p = Start(Util("--do \"sleep 60000\""), "VORNAMIC");
    EXPECT_TRUE(p->IsEmulator());
    EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), THREAD_PRIORITY_ABOVE_NORMAL);
    p->Kill(false);
    EXPECT_EQ(::GetThreadPriority(::GetCurrentThread()), THREAD_PRIORITY_NORMAL);
    ASSERT_TRUE(host.PumpUntilEnded());
}

TEST(PipedProcessCtl, OverlongLineIsCutAndTheNextLinesArrive)
{
    CTestChildHost host;
    std::string longText(3000, 'x');
    Start(Util("--do \"out " + longText + "\" --do \"out after\" --do \"outraw tail\""));
    ASSERT_TRUE(host.PumpUntilEnded());
    std::string cut = longText.substr(0, CPipeLineBuffer::kCutLength) + "...(truncated)";
    EXPECT_EQ(host.OutLines(), (std::vector<std::string>{ cut, "after", "tail" }));
}

TEST(PipedProcessCtl, RandomChunkBoundariesLoseAndMergeNoLine)
{
    // The child writes its lines in pieces of random size with short pauses,
    // so the reads end anywhere: inside a line, between carriage return and
    // line feed, right after a line feed.
    std::mt19937 random(7);
    std::vector<std::string> expected;
    std::string text;
    for (int i = 0; i < 400; ++i) {
        std::string line = "line " + std::to_string(i) + " " + std::string(1 + random() % 120, 'a' + i % 26);
        expected.push_back(line);
        text += line + (i % 4 == 0 ? "\r\n" : "\n");
    }
    expected.push_back("no line feed at the end");
    text += expected.back();
    std::string script = vorntest::ProgramDir() + "random_chunks.txt";
    {
        std::ofstream out(script, std::ios::binary);
        for (size_t nPos = 0; nPos < text.size();) {
            size_t n = std::min<size_t>(1 + random() % 200, text.size() - nPos);
            std::string piece = text.substr(nPos, n);
            nPos += n;
            std::string escaped;
            for (char c : piece)
                escaped += c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
            out << "outraw " << escaped << "\n";
            if (random() % 4 == 0)
                out << "sleep 1\n";
        }
        out << "exit 0\n";
    }
    CTestChildHost host;
    Start(Util("--script \"" + script + "\""));
    ASSERT_TRUE(host.PumpUntilEnded());
    std::vector<std::string> lines = host.OutLines();
    for (size_t i = 0; i < std::min(lines.size(), expected.size()); ++i)
        ASSERT_EQ(lines[i], expected[i]) << "line " << i;
    EXPECT_EQ(lines.size(), expected.size());
    std::remove(script.c_str());
}

}  // namespace

namespace {

__attribute__((noinline)) void WriteThroughNull(volatile int* p)
{
    *p = 1;
}

// A host whose handling of a chunk that holds "fault" writes through a null
// pointer, on the reader thread that handed it over.
class CFaultyHost : public CTestChildHost {
public:
    void OnPipeData(int nStream, CPipedProcessCtl* pCtl, char* pBuffer, int& nLength) override
    {
        if (std::string(pBuffer, (size_t)nLength).find("fault") != std::string::npos)
            WriteThroughNull(nullptr);
        CTestChildHost::OnPipeData(nStream, pCtl, pBuffer, nLength);
    }
};

// The program's main window: counts the requests to end the session and
// close that it gets, and stays.
class CMainStandIn : public CWnd {
public:
    int m_nCloses = 0;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == WM_END_SESSION_AFTER_FAULT) {
            ++m_nCloses;
            return 0;
        }
        return CWnd::WindowProc(msg, wp, lp);
    }
};

// A visible top-level window of this process with this caption.
struct SFindCaption {
    const char* pszCaption;
    HWND hFound;
};

BOOL CALLBACK FindCaption(HWND h, LPARAM lp)
{
    SFindCaption* f = (SFindCaption*)lp;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    char sz[64] = {};
    ::GetWindowTextA(h, sz, sizeof sz);
    if (pid == ::GetCurrentProcessId() && ::IsWindowVisible(h) && std::string(sz) == f->pszCaption) {
        f->hFound = h;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

// A fault on a reader thread is offered as a report, as one on the GUI
// thread is: the question stands alone (the GUI thread may be waiting for
// the reader), the reader ends, the child's end is still reported and the
// main window is asked to end the session and close.
TEST(PipedProcessCtl, FaultOnAReaderThreadOffersTheReportAndClosesTheMainWindow)
{
    CWinApp app("FaultTest");
    CMainStandIn main;
    ASSERT_TRUE(main.CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                              nullptr));
    app.m_pMainWnd = &main;
    {
        CFaultyHost host;
        Start(Util("--do \"out before\" --do \"sleep 100\" --do \"err fault\" --do \"sleep 100\" --do \"out after\""));
        SFindCaption find = {" Unhandled Exception", nullptr};
        ASSERT_TRUE(host.PumpUntil([&] { return !::EnumWindows(FindCaption, (LPARAM)&find) && find.hFound; }))
            << "the fatal-error question did not show";
        EXPECT_EQ(nullptr, ::GetWindow(find.hFound, GW_OWNER));
        EXPECT_EQ(0, main.m_nCloses);
        ::SendMessageA(find.hFound, WM_USER + 102, 7, 0);  // TDM_CLICK_BUTTON "Don't create"
        ASSERT_TRUE(host.PumpUntilEnded());
        EXPECT_TRUE(host.PumpUntil([&] { return main.m_nCloses == 1; })) << "no end of the session reached the main window";
        EXPECT_EQ(host.OutLines(), (std::vector<std::string>{"before", "after"}));
        EXPECT_TRUE(host.ErrLines().empty());
        EXPECT_EQ(host.m_exitCodes, (std::vector<DWORD>{0}));
    }
    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
}
