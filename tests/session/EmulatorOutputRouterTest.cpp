// EmulatorOutputRouterTest.cpp: the road of child output lines through
// CEmulatorOutputRouter with a recording host: what is stored, what is
// posted (at most one pending per field), what reaches the console queue,
// and the flow control.
#include "session/EmulatorOutputRouter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "config/Limits.h"
#include "session/PrivateMessages.h"
#include "session/RegisterFields.h"
#include "tests/session/RecordingRouterHost.h"

namespace {

const char kStatus0[] = "STATUS=CP00 PSW=07060000 00000000 0000000000012345 ..W..... instcount=1234567";
const char kStatus1[] = "STATUS=CPU0001 PSW=07060000 00000000 0000000000012345 M..L.... instcount=42";

struct RouterFixture : ::testing::Test {
    CRecordingRouterHost host;
    CEmulatorOutputRouter router{host};
    SLineSource err;   // the emulator's standard error
    SLineSource out;

    RouterFixture() { out.nStream = CEmulatorOutputRouter::kStdout; }

    bool Route(const std::string& s, const SLineSource& src) { return router.RouteLine(src, s.c_str()); }
    bool Err(const std::string& s) { return Route(s, err); }
    std::vector<std::string> Console()
    {
        const CConsoleBlock lines = router.TakePendingLines();
        std::vector<std::string> out;
        for (size_t i = 0; i < lines.GetCount(); ++i)
            out.push_back(lines.Line(i));
        return out;
    }
};

TEST_F(RouterFixture, RegisterBurstPostsOnceAndKeepsNewestText)
{
    EXPECT_FALSE(Err("GR0-3=00000001 00000002 00000003 00000004"));
    EXPECT_FALSE(Err("GR0-3=0000000A 00000002 00000003 00000004"));
    EXPECT_FALSE(Err("64_CR2-3=0000000000000001 0000000000000002"));
    ASSERT_EQ(1u, host.PostsOf(WM_REG_GR0_3).size());
    EXPECT_EQ("GR0-3=0000000A 00000002 00000003 00000004", router.TakeRegister(0));
    int nCr = FindRegisterField("64_CR2-3=", 9);
    ASSERT_GE(nCr, 0);
    EXPECT_EQ(1u, host.PostsOf(RegisterField(nCr).nMessage).size());
    EXPECT_EQ("CR2-3=0000000000000001 0000000000000002", router.TakeRegister(nCr));
    // Taken: the next report posts again.
    Err("GR0-3=0");
    EXPECT_EQ(2u, host.PostsOf(WM_REG_GR0_3).size());
    EXPECT_TRUE(Console().empty());
}

TEST_F(RouterFixture, FailedPostLeavesFieldNotPending)
{
    host.m_bWindow = false;
    Err("GR4-7=1");
    host.m_bWindow = true;
    Err("GR4-7=2");
    EXPECT_EQ(1u, host.PostsOf(WM_REG_GR0_3 + 1).size());
    EXPECT_EQ("GR4-7=2", router.TakeRegister(1));
}

TEST_F(RouterFixture, VectorFieldCutAtItsBuffer)
{
    std::string strLong = "VR00=" + std::string(400, 'F');
    Err(strLong);
    EXPECT_EQ(143u, router.TakeRegister(38).size());
    Err("GR8-B=" + std::string(100, '1'));
    EXPECT_EQ(47u, router.TakeRegister(2).size());
}

TEST_F(RouterFixture, StatusLineSetsCpuIndicatorsAndVisibleParts)
{
    Err(kStatus0);
    EXPECT_TRUE(host.m_cpus.empty());   // CPU 0 is the start value
    Err(kStatus1);
    ASSERT_EQ(std::vector<unsigned>{1}, host.m_cpus);
    EXPECT_EQ(1u, router.GetCurrentCpu());
    // Default visibility "11011": parts 0 and 1 posted, part 2 never.
    EXPECT_EQ(1u, host.PostsOf(WM_STATUSPART0_CHANGED).size());
    EXPECT_EQ(1u, host.PostsOf(WM_STATUSPART1_CHANGED).size());
    EXPECT_TRUE(host.PostsOf(WM_STATUSPART2_CHANGED).empty());
    EXPECT_EQ("M..L....", router.TakePart(1));
    // Manual and load: posted for every line, with their value.
    auto manual = host.PostsOf(WM_MANUAL_INDICATOR_CHANGED);
    ASSERT_EQ(2u, manual.size());
    EXPECT_EQ(0u, manual[0].wParam);
    EXPECT_EQ(1u, manual[1].wParam);
    // Load with the wait letter, the last news of each line.
    auto load = host.PostsOf(WM_LOAD_INDICATOR_CHANGED);
    ASSERT_EQ(2u, load.size());
    EXPECT_EQ(0u, load[0].wParam);
    EXPECT_EQ(1, load[0].lParam);
    EXPECT_EQ(1u, load[1].wParam);
    EXPECT_EQ(0, load[1].lParam);
}

// With no MAXCPU the emulator reports a processor above NUMCPU as "CP02"
// and "OFFLINE" in parentheses: the line went to the console and the bar
// kept the processor before. It is that processor's status now, its fields
// empty and no lamp lit (nor the wait lamp); other such lines stay text.
TEST_F(RouterFixture, OfflineProcessorIsItsStatusWithEmptyFields)
{
    const struct { const char* pszLine; int nCpu; } rows[] = {  // nCpu -1: console text
        {"STATUS=CP02 (((((((((((((((((((OFFLINE)))))))))))))))))))", 2}, {"STATUS=CPU0003 ((OFFLINE))", 3},
        {"STATUS=CP0A(( OFFLINE ))", 10}, {"STATUS=CP02 ((((OFFLINE", -1}, {"STATUS=CPXY ((OFFLINE))", -1}};
    for (const auto& row : rows) {
        Err(kStatus1);  // processor 1, stopped, loading
        Err(row.pszLine);
        EXPECT_EQ(row.nCpu < 0 ? std::vector<std::string>{row.pszLine} : std::vector<std::string>{}, Console());
        EXPECT_EQ(row.nCpu < 0 ? 1u : (unsigned)row.nCpu, router.GetCurrentCpu()) << row.pszLine;
        if (row.nCpu < 0)
            continue;
        EXPECT_EQ("", router.TakePart(0)) << row.pszLine;
        EXPECT_EQ(0u, host.PostsOf(WM_MANUAL_INDICATOR_CHANGED).back().wParam) << row.pszLine;
        const auto load = host.PostsOf(WM_LOAD_INDICATOR_CHANGED).back();
        EXPECT_EQ(0u, load.wParam + (UINT_PTR)load.lParam) << row.pszLine;
    }
}

TEST_F(RouterFixture, PartVisibilityAndMipsSios)
{
    router.SetPartVisible(2, true);
    router.SetPartVisible(0, false);
    Err(kStatus0);
    EXPECT_TRUE(host.PostsOf(WM_STATUSPART0_CHANGED).empty());
    EXPECT_EQ("instcount=1,234,567", router.TakePart(2));
    Err("MIPS=12.5");
    Err("SIOS=7");
    EXPECT_EQ("MIPS=12.5", router.TakePart(3));
    EXPECT_EQ("SIOS=7", router.TakePart(4));
    Err("SIOS=" + std::string(50, '9'));
    EXPECT_EQ(31u, router.TakePart(4).size());
}

TEST_F(RouterFixture, RunIndicatorFromSysOrFromStateLetters)
{
    Err("SYS=1");
    Err("SYS=1");
    Err("SYS=0");   // pending: the change is not posted again
    auto runs = host.PostsOf(WM_RUN_INDICATOR_CHANGED);
    ASSERT_EQ(1u, runs.size());
    EXPECT_EQ(1u, runs[0].wParam);
    router.ClearRunPending();
    Err("SYS=1");
    EXPECT_EQ(2u, host.PostsOf(WM_RUN_INDICATOR_CHANGED).size());
    EXPECT_TRUE(router.IsRunning());
    SCpuSamples s = router.TakeCpuSamples();
    EXPECT_EQ(4, s.nTotal);
    EXPECT_EQ(3, s.nBusy);
    // Without aggregate statistics "SYS=" is ignored, "STATUS=" decides.
    router.SetAggregateStats(false);
    router.ClearRunPending();
    Err("SYS=0");
    EXPECT_TRUE(router.IsRunning());
    Err(kStatus1);      // letter 2 is '.', not 'W': running
    Err(kStatus0);      // 'W': waiting
    EXPECT_FALSE(router.IsRunning());
}

// Leaving manual state posts the run indicator before the "SYS=" line of
// the same round changes it: the handler reads the flag as it clears the
// pending state, and a later change is posted again.
TEST_F(RouterFixture, RunIndicatorReadWhenClearedIsTheNewest)
{
    Err("STATUS=CP00 PSW=07060000 00000000 0000000000012345 ........ instcount=1");
    ASSERT_EQ(1u, host.PostsOf(WM_RUN_INDICATOR_CHANGED).size());
    EXPECT_EQ(0u, host.PostsOf(WM_RUN_INDICATOR_CHANGED)[0].wParam);
    Err("SYS=1");   // pending: not posted
    EXPECT_EQ(1u, host.PostsOf(WM_RUN_INDICATOR_CHANGED).size());
    EXPECT_TRUE(router.ClearRunPending());
    Err("SYS=1");   // what the view shows: nothing to post
    EXPECT_EQ(1u, host.PostsOf(WM_RUN_INDICATOR_CHANGED).size());
    Err("SYS=0");
    EXPECT_EQ(2u, host.PostsOf(WM_RUN_INDICATOR_CHANGED).size());
    Err("SYS=1");   // pending again
    EXPECT_TRUE(router.ClearRunPending());
    EXPECT_EQ(2u, host.PostsOf(WM_RUN_INDICATOR_CHANGED).size());
}

TEST_F(RouterFixture, CpuPercentages)
{
    UINT nSaved = g_nMaxCPUs;
    g_nMaxCPUs = 8;
    Err("CPUPCT07=55");
    g_nMaxCPUs = 4;
    EXPECT_FALSE(Err("CPUPCT07=55"));   // consumed, ignored
    Err("CPUPCT01=101");
    Err("CPUPCT01=-1");
    g_nMaxCPUs = nSaved;
    ASSERT_EQ(1u, host.m_cpuPercents.size());
    EXPECT_EQ(7u, host.m_cpuPercents[0].first);
    EXPECT_EQ(55, host.m_cpuPercents[0].second);
    Err("CPUPCT=150");
    EXPECT_DOUBLE_EQ(1.0, router.TakeCpuSamples().dBusyFraction);
    Err("CPUPCT=-5");
    EXPECT_DOUBLE_EQ(0.0, router.TakeCpuSamples().dBusyFraction);
    Err("CPUPCT=");
    SCpuSamples s = router.TakeCpuSamples();
    EXPECT_TRUE(s.bPercentMode);
    EXPECT_DOUBLE_EQ(0.0, s.dBusyFraction);
    router.ClearPercentMode();
    EXPECT_FALSE(router.TakeCpuSamples().bPercentMode);
}

TEST_F(RouterFixture, MainStorageKeeps64BitsAndVersion)
{
    Err("MAINSIZE=3.07");
    EXPECT_DOUBLE_EQ(3.07, router.GetVersion());
    EXPECT_EQ(0, host.m_nMainStorageKnown);
    Err("MAINSTOR=21474836480");   // 20 GB: above 4 GB
    EXPECT_EQ(21474836480ull, router.GetMainStorAddress());
    Err("MAINSIZE=268435456");
    EXPECT_EQ(268435456ull, router.GetMainStorSize());
    EXPECT_EQ(1, host.m_nMainStorageKnown);
    router.ResetSession();
    EXPECT_EQ(0u, router.GetMainStorAddress());
    EXPECT_EQ(0u, router.GetMainStorSize());
}

TEST_F(RouterFixture, BracketLinesAndStdoutLines)
{
    Err("]!OOPS!");
    Err("]BEEP!");
    Err("]CWD=   ");
    Err("]CWD=/no/such/folder/at/all");
    Err("]CWD=.");
    EXPECT_TRUE(Route("MAN=1", out) == false);
    EXPECT_FALSE(Route("LOAD=1", out));
    EXPECT_FALSE(Route("]SPLRCMD=  devinit 000C x.rdr  ", out));
    EXPECT_FALSE(Route("]SPLRCMD=   ", out));
    EXPECT_TRUE(Route("GR0-3=1", out));   // register lines come on standard error only
    EXPECT_EQ((std::vector<std::string>{"", "devinit 000C x.rdr"}), host.m_commands);
    ASSERT_EQ(1u, host.m_beeps.size());
    EXPECT_EQ(COutputRouterHost::kBeepAsterisk, host.m_beeps[0]);
    EXPECT_EQ(std::vector<std::string>{"."}, host.m_dirs);
    EXPECT_EQ(std::vector<std::string>{"GR0-3=1"}, Console());
}

TEST_F(RouterFixture, DeviceLinesGoToTheHost)
{
    Err("DEV=000C 3505 RDR  0000 cards.jcl");
    Err("DEVA=1:0191 3390 DISK 0101 disk.img");
    Err("DEV=X");
    Err("DEVX=");
    Err("DEV=00");      // cut short: the console shows it
    ASSERT_EQ(4u, host.m_devices.size());
    EXPECT_EQ(0x000Cu, host.m_devices[0].wDevnum);
    EXPECT_EQ(1u, host.m_devices[1].nLcss);
    EXPECT_TRUE(host.m_devices[1].bNewFormat);
    EXPECT_EQ(kDevLineEnd, host.m_devices[2].eKind);
    EXPECT_FALSE(host.m_devices[2].bNewFormat);
    EXPECT_TRUE(host.m_devices[3].bNewFormat);
    EXPECT_EQ(std::vector<std::string>{"DEV=00"}, Console());
}

// Lines that start like status lines but are malformed reach the console
// unchanged, whatever their length.
TEST_F(RouterFixture, MalformedStatusLinesGoToTheConsole)
{
    const std::vector<std::string> bad = {
        "STATUS=", "STATUS=CP0", "STATUS=CP00 PSW=0706", "GX=1", "AX=1", "FX=1", "CR9-Z=1",
        "DEVQ=0001", "DEV", "CPUPCT1=5", "CPUPCTAB=5", "]CWD", "]OOPS", "64_GR0-2=1",
        "VR01=1", "MAINSTOR", "S", std::string(100000, 'G'),
    };
    for (const std::string& s : bad)
        EXPECT_TRUE(Err(s)) << s.substr(0, 40);
    EXPECT_EQ(bad, Console());
    // No field message: only the console's wake-up.
    EXPECT_EQ(1u, host.m_posts.size());
    EXPECT_EQ(1u, host.PostsOf(WM_PENDING_LINES).size());
}

TEST_F(RouterFixture, UtilityLinesGoToTheirProgress)
{
    SLineSource util;
    util.nKind = 3;
    EXPECT_FALSE(Route("TRK=5", util));
    host.m_bProgressConsumes = false;
    EXPECT_TRUE(Route("GR0-3=1", util));     // not the emulator: no status line
    util.nStream = CEmulatorOutputRouter::kStdout;
    EXPECT_TRUE(Route("]SPLRCMD=exit", util));
    EXPECT_EQ((std::vector<std::string>{"TRK=5", "GR0-3=1"}), host.m_progress);
    EXPECT_TRUE(host.m_commands.empty());
}

TEST_F(RouterFixture, ConsoleLinesGetTabsPidAndTimestamp)
{
    SConsoleLineOptions o;
    o.bPidIfNeeded = true;
    o.bTimes = true;
    router.SetConsoleOptions(o);
    host.m_time.wHour = 9;
    host.m_time.wMinute = 5;
    host.m_time.wSecond = 7;
    host.m_time.wMilliseconds = 42;
    err.strPidText = "0x0000ABCD";
    Err("a\tb");
    err.bSeveralChildren = true;
    Err("");
    EXPECT_EQ((std::vector<std::string>{"09:05:07.042 a       b", "09:05:07.042 0x0000ABCD "}), Console());
}

TEST_F(RouterFixture, BeepsForErrorsAndWarningsWhenAsked)
{
    SConsoleLineOptions o;
    o.bErrorBeep = true;
    router.SetConsoleOptions(o);
    Err("ZQC00123E disk error");
    Err("ZQC00124W careful");
    ASSERT_EQ(1u, host.m_beeps.size());
    EXPECT_EQ(COutputRouterHost::kBeepMessage, host.m_beeps[0]);
}

TEST_F(RouterFixture, ChunksSplitAtLineFeeds)
{
    std::vector<char> buf(64, 0);
    const char chunk[] = "ABC\r\n\r\nGR0-3=1";
    memcpy(buf.data(), chunk, sizeof chunk);
    int nLength = (int)strlen(chunk);
    int nQueued = 0;
    router.RouteChunk(err, buf.data(), nLength, [&] { ++nQueued; });
    EXPECT_EQ(1, nQueued);      // once per chunk, after its console lines
    EXPECT_EQ((std::vector<std::string>{"ABC", ""}), Console());
    ASSERT_EQ(7, nLength);
    strcpy(buf.data() + nLength, "23\n");
    nLength += 3;
    router.RouteChunk(err, buf.data(), nLength, [&] { ++nQueued; });
    EXPECT_EQ(0, nLength);
    EXPECT_EQ(1, nQueued);      // no console line in it
    EXPECT_EQ("GR0-3=123", router.TakeRegister(0));
}

TEST_F(RouterFixture, ChunkLinesShareOneTimeStamp)
{
    SConsoleLineOptions options;
    options.bTimes = true;
    options.bPidAlways = true;
    router.SetConsoleOptions(options);
    host.m_time.wHour = 9;
    host.m_time.wMinute = 8;
    host.m_time.wSecond = 7;
    host.m_time.wMilliseconds = 6;
    err.strPidText = "0x0000ABCD";
    std::vector<char> buf(128, 0);
    const char chunk[] = "one\nMIPS=1\ntwo\tx\n\nrest";
    memcpy(buf.data(), chunk, sizeof chunk);
    int nLength = (int)strlen(chunk);
    router.RouteChunk(err, buf.data(), nLength, nullptr);
    EXPECT_EQ((std::vector<std::string>{"09:08:07.006 0x0000ABCD one", "09:08:07.006 0x0000ABCD two     x",
                                        "09:08:07.006 0x0000ABCD "}),
              Console());
    EXPECT_EQ(4, nLength);
}

// A chunk's block is given room by a typical line length: chunks of far
// shorter and far longer lines, with and without a long prefix, arrive
// whole and in order all the same.
TEST_F(RouterFixture, ChunksOfShortAndLongLinesArriveWhole)
{
    const struct {
        size_t nLineLength;
        bool bPrefix;
    } cases[] = {{0, false}, {1, true}, {80, false}, {80, true}, {2000, true}};
    for (const auto& c : cases) {
        SConsoleLineOptions options;
        options.bTimes = c.bPrefix;
        options.bPidAlways = c.bPrefix;
        router.SetConsoleOptions(options);
        err.strPidText = "0x0000ABCD";
        std::string prefix = c.bPrefix ? "00:00:00.000 0x0000ABCD " : "";
        std::string chunk;
        std::vector<std::string> want;
        for (size_t i = 0; chunk.size() < 64 * 1024 - c.nLineLength - 12; ++i) {
            std::string line = std::to_string(i) + std::string(c.nLineLength, 'x');
            chunk += line + "\n";
            want.push_back(prefix + line);
        }
        std::vector<char> buf(chunk.begin(), chunk.end());
        buf.push_back('\0');
        int nLength = (int)chunk.size();
        router.RouteChunk(err, buf.data(), nLength, nullptr);
        EXPECT_EQ(0, nLength);
        EXPECT_EQ(want, Console()) << c.nLineLength << (c.bPrefix ? " with prefix" : "");
    }
}

TEST_F(RouterFixture, QueuedLinesWakeTheGuiThreadOncePerBatch)
{
    // The first line posts WM_PENDING_LINES; more lines before the GUI
    // thread has taken them post nothing more; the idle step neither.
    Err("one");
    Err("two");
    router.OnIdleFlowControl(3333);
    EXPECT_EQ(1u, host.PostsOf(WM_PENDING_LINES).size());
    EXPECT_EQ(2u, Console().size());
    Err("three");
    EXPECT_EQ(2u, host.PostsOf(WM_PENDING_LINES).size());
    EXPECT_FALSE(Err("MIPS=5"));
    EXPECT_EQ(2u, host.PostsOf(WM_PENDING_LINES).size());
}

TEST_F(RouterFixture, FailedWakeUpIsPostedAgainAtIdleTime)
{
    host.m_bWindow = false;
    Err("one");
    EXPECT_TRUE(host.PostsOf(WM_PENDING_LINES).empty());
    host.m_bWindow = true;
    router.OnIdleFlowControl(3333);
    EXPECT_EQ(1u, host.PostsOf(WM_PENDING_LINES).size());
    Err("two");
    EXPECT_EQ(1u, host.PostsOf(WM_PENDING_LINES).size());
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), Console());
}

TEST_F(RouterFixture, ReaderHoldsItselfAtTheFloodThreshold)
{
    // Without idle time (a modal loop) the queue stops at the threshold.
    router.SetFloodThreshold(3);
    Err("one");
    Err("two");
    EXPECT_TRUE(host.m_readerStates.empty());
    Err("three");
    EXPECT_EQ(std::vector<bool>{false}, host.m_readerStates);
    EXPECT_TRUE(router.Pending().IsPaused());
    Err("four");    // a second reader's line
    EXPECT_EQ(std::vector<bool>{false}, host.m_readerStates);
    // Once the GUI thread has taken the lines the readers go on at once.
    EXPECT_EQ(4u, Console().size());
    EXPECT_EQ((std::vector<bool>{false, true}), host.m_readerStates);
    EXPECT_FALSE(router.Pending().IsPaused());
    router.OnIdleFlowControl(3);
    EXPECT_EQ((std::vector<bool>{false, true}), host.m_readerStates);
}

TEST_F(RouterFixture, FlowControlPausesAtThresholdAndResumesBelow)
{
    for (int i = 0; i < 3; ++i)
        Err("line");
    router.OnIdleFlowControl(3);
    router.OnIdleFlowControl(3);
    EXPECT_EQ(1u, host.PostsOf(WM_PENDING_LINES).size());
    EXPECT_TRUE(router.Pending().IsPaused());
    EXPECT_EQ(std::vector<bool>{false}, host.m_readerStates);
    EXPECT_EQ(3u, Console().size());
    EXPECT_FALSE(router.Pending().IsPaused());
    EXPECT_EQ((std::vector<bool>{false, true}), host.m_readerStates);
    router.OnIdleFlowControl(3);
    EXPECT_EQ((std::vector<bool>{false, true}), host.m_readerStates);
    // Taken: the next line posts again.
    Err("more");
    EXPECT_EQ(2u, host.PostsOf(WM_PENDING_LINES).size());
}

// After the emulator's end the parts hold their placeholders: the next
// session's reports are posted even when they repeat the last session's.
// Its run indicator starts from "not running" again.
TEST_F(RouterFixture, NextSessionPostsTheSameTextsAndRunStateAgain)
{
    const std::string mips = "MIPS=12.34", sios = "SIOS=56";
    for (int nSession = 0; nSession < 2; ++nSession) {
        router.ResetSession();
        Err(kStatus0);
        Err(mips);
        Err(sios);
        Err("SYS=1");
        for (UINT msg : {WM_STATUSPART0_CHANGED, WM_STATUSPART1_CHANGED, WM_STATUSPART3_CHANGED,
                         WM_STATUSPART4_CHANGED, WM_RUN_INDICATOR_CHANGED})
            EXPECT_EQ((size_t)nSession + 1, host.PostsOf(msg).size()) << "session " << nSession << " " << msg;
        EXPECT_EQ("..W.....", router.TakePart(1));
        EXPECT_EQ(mips, router.TakePart(3));
        EXPECT_EQ(sios, router.TakePart(4));
        router.TakePart(0);
        router.ClearRunPending();
        // The emulator ended: its fields show the placeholders.
        router.ResetParts();
        EXPECT_EQ("MIPS=0", router.PeekPart(3));
        EXPECT_EQ("........", router.PeekPart(1));
    }
}

TEST_F(RouterFixture, ResetSessionClearsPendingFlags)
{
    Err("GR0-3=1");
    Err("MIPS=1");
    router.ResetSession();
    Err("GR0-3=2");
    Err("MIPS=2");
    EXPECT_EQ(2u, host.PostsOf(WM_REG_GR0_3).size());
    EXPECT_EQ(2u, host.PostsOf(WM_STATUSPART3_CHANGED).size());
}

}  // namespace
