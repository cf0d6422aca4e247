// VornGUIViewPipeTest.cpp: the emulator stand-in's output through the view:
// status lines into the receiving controls and messages, malformed lines
// and lines split across chunks, "]CWD=", the process-id prefix and the
// repaint at a utility's end, and flow control under a flood.
#include "tests/session/SessionViewFixture.h"

#include <commctrl.h>

#include <algorithm>
#include <gtest/gtest.h>

#include "config/Limits.h"
#include "devices/DynDevListDlgBar.h"
#include "platform/CStatusBar.h"
#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "session/PipedProcessCtl.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"
#include "session/RegisterFields.h"
#include "tests/support/MessageCounter.h"

namespace {

std::string Text(HWND hWnd)
{
    char sz[256] = {};
    ::GetWindowTextA(hWnd, sz, sizeof sz);
    return sz;
}

// A path as script text: the script language takes backslash escapes.
std::string Esc(const std::string& s)
{
    std::string out;
    for (char c : s) {
        if (c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

// Script lines that run once the handshake is done.
std::string AfterHandshake(const std::vector<std::string>& lines)
{
    std::string str = "--do \"wait-stdin ]AGGREGATE=\"";
    for (const std::string& s : lines)
        str += " --do \"" + s + "\"";
    return str;
}

TEST_F(SessionFixture, StatusLinesReachTheirControls)
{
    StartEmulator(AfterHandshake({
        "err GR0-3=00000001 00000002 00000003 00000004",
        "errraw CR0-3=0000000A", "sleep 100", "err  0000000B 0000000C 0000000D",
        "err STATUS=CP01 PSW=07060000 00000000 0000000000012345 M..L.... instcount=1234567",
        "err MIPS=12.5", "err SIOS=7", "err CPUPCT01=55",
        "err STATUS=CP0", "err GX=1", "err bad\\0line", "err DEV=12",
        "err last line",
    }));
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_TRUE(Pump([&] { return ConsoleHas("last line"); }));
    PumpFor(100);
    EXPECT_EQ("GR0-3=00000001 00000002 00000003 00000004", Text(bars->m_hFields[0]));
    EXPECT_EQ("CR0-3=0000000A 0000000B 0000000C 0000000D", Text(bars->m_hFields[FindRegisterField("CR0-3=", 6)]));
    EXPECT_EQ("CP01 PSW=07060000 00000000 0000000000012345", Text(bars->m_hParts[0]));
    EXPECT_EQ("M..L....", Text(bars->m_hParts[1]));
    EXPECT_EQ("", Text(bars->m_hParts[2]));     // not visible by default
    EXPECT_EQ("MIPS=12.5", Text(bars->m_hParts[3]));
    EXPECT_EQ("SIOS=7", Text(bars->m_hParts[4]));
    EXPECT_EQ(1, (int)::SendMessageA(bars->m_hSpin, UDM_GETPOS32, 0, 0));
    auto pct = bars->Of(WM_CPU_PERCENT);
    ASSERT_EQ(1u, pct.size());
    EXPECT_EQ(1u, pct[0].wp);
    EXPECT_EQ(55, (int)pct[0].lp);
    for (const char* psz : { "STATUS=CP0", "GX=1", "bad", "DEV=12" })
        EXPECT_TRUE(ConsoleHas(psz)) << psz;
    EXPECT_FALSE(ConsoleHas("MIPS=12.5"));
    EXPECT_EQ("CP01 PSW=07060000 00000000 0000000000012345", std::string(pView->GetStatusLinePart(0)));
}

TEST_F(SessionFixture, StatusPartsAlsoInTheStatusBarPanes)
{
    CStatusBar statusBar;
    ASSERT_TRUE(statusBar.Create(bars.get()));
    const UINT ids[] = {0, ID_INDICATOR_PSW, ID_INDICATOR_PSW + 1, ID_INDICATOR_PSW + 3};
    ASSERT_TRUE(statusBar.SetIndicators(ids, 4));
    SSessionReceivers r;
    r.pDevListBar = pDevListBar;
    r.pStatusBar = &statusBar;
    pView->SetSessionReceivers(r);
    StartEmulator(AfterHandshake({
        "err STATUS=CP02 PSW=07060000 00000000 0000000000012345 ..W..... instcount=1",
        "err MIPS=3.5", "err SIOS=9", "err end",
    }));
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_TRUE(Pump([&] { return ConsoleHas("end"); }));
    PumpFor(100);
    EXPECT_EQ("CP02 PSW=07060000 00000000 0000000000012345", std::string(statusBar.GetPaneText(1)));
    EXPECT_EQ("..W.....", std::string(statusBar.GetPaneText(2)));
    EXPECT_EQ("MIPS=3.5", std::string(statusBar.GetPaneText(3)));
    EXPECT_EQ("SIOS=9", std::string(pView->GetStatusLinePart(4)));   // no pane for it
    EndEmulator();
    pView->SetSessionReceivers(SSessionReceivers());
}

// Power off and on again in one run: the second session reports what the
// first reported last, and the fields and panes show it, not the
// placeholders they got at the first session's end.
TEST_F(SessionFixture, NextSessionShowsReportsEqualToTheLastSessions)
{
    CStatusBar statusBar;
    ASSERT_TRUE(statusBar.Create(bars.get()));
    const UINT ids[] = {0, ID_INDICATOR_PSW, ID_INDICATOR_PSW + 1, ID_INDICATOR_PSW + 3, ID_INDICATOR_PSW + 4};
    ASSERT_TRUE(statusBar.SetIndicators(ids, 5));
    SSessionReceivers r = pView->GetSessionReceivers();
    r.pStatusBar = &statusBar;
    pView->SetSessionReceivers(r);
    const std::vector<std::string> reported = {"CP00 PSW=07060000 00000000 0000000000012345", "..W.....",
                                               "MIPS=3.5", "SIOS=9"};
    const int parts[] = {0, 1, 3, 4};
    auto shown = [&](int i) { return Text(bars->m_hParts[parts[i]]); };
    auto pane = [&](int i) { return std::string(statusBar.GetPaneText(i + 1)); };
    for (int nSession = 0; nSession < 2; ++nSession) {
        StartEmulator(AfterHandshake({
            "err STATUS=CP00 PSW=07060000 00000000 0000000000012345 ..W..... instcount=1",
            "err MIPS=3.5", "err SIOS=9", "err end",
        }));
        ASSERT_TRUE(PumpUntilReady());
        ASSERT_TRUE(Pump([&] { return ConsoleHas("end") && shown(3) == reported[3]; })) << "session " << nSession;
        PumpFor(100);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(reported[i], shown(i)) << "session " << nSession;
            EXPECT_EQ(reported[i], pane(i)) << "session " << nSession;
        }
        EndEmulator();
        EXPECT_EQ("CP?? PSW=???????? ???????? ????????????????", shown(0));
        EXPECT_EQ("MIPS=0", pane(2));
    }
    r.pStatusBar = nullptr;
    pView->SetSessionReceivers(r);
}

TEST_F(SessionFixture, ReportedFolderIsShownSavedAndSentBack)
{
    std::string strSub = dir.Folder() + "sub";
    ::CreateDirectoryA(strSub.c_str(), nullptr);
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 100, 20, bars->m_hWnd, nullptr, nullptr, nullptr);
    SSessionReceivers r;
    r.hShellDirEdit = hEdit;
    r.pDevListBar = pDevListBar;
    pView->SetSessionReceivers(r);
    StartEmulator(AfterHandshake({ "err ]CWD=  " + Esc(strSub) + "  ", "err ]CWD=" + Esc(dir.Folder()) + "missing" }));
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_TRUE(Pump([&] { return HasReceived("]SCD=" + strSub); }));
    EXPECT_EQ(strSub, Text(hEdit));
    EXPECT_EQ(strSub, std::string(ProfileGetString("Settings", "CmdTargetDir", "")));
    PumpFor(200);
    EXPECT_FALSE(HasReceived("]SCD=" + dir.Folder() + "missing"));
}

// An emulator answers with the folder it already has (another case, a
// trailing separator): nothing goes back and nothing is written.
TEST_F(SessionFixture, ReportedFolderEqualToTheCurrentOneSendsNothing)
{
    std::string strCurrent = std::string(pView->Settings().m_strCmdTargetDir);
    ASSERT_FALSE(strCurrent.empty());
    std::string strUpper = strCurrent;
    for (char& c : strUpper)
        c = (char)::toupper((unsigned char)c);
    ProfileWriteString("Settings", "CmdTargetDir", "marker");
    StartEmulator(AfterHandshake({"err ]CWD=" + Esc(strUpper), "err ]CWD= " + Esc(strCurrent + "\\") + " ",
                                  "wait-stdin done"}));
    ASSERT_TRUE(PumpUntilReady());
    PumpFor(300);
    pView->SendCommand("done");
    ASSERT_TRUE(Pump([&] { return HasReceived("done"); }));
    PumpFor(200);
    auto lines = Received();
    EXPECT_EQ(1, (int)std::count_if(lines.begin(), lines.end(), [](const std::string& s) { return s.rfind("]SCD=", 0) == 0; }));
    EXPECT_EQ("marker", std::string(ProfileGetString("Settings", "CmdTargetDir", "")));
}

TEST_F(SessionFixture, SessionIsBusyWhileTheEmulatorOrAUtilityRuns)
{
    EXPECT_FALSE(pView->IsSessionBusy());
    StartEmulator("");
    EXPECT_TRUE(pView->IsSessionBusy());
    EndEmulator();
    EXPECT_FALSE(pView->IsSessionBusy());
    CPipedProcessCtl* pUtil = pView->RunUtility("vornutil.exe --do \"sleep 500\"", -1, nullptr, "Util", 0);
    ASSERT_NE(nullptr, pUtil);
    EXPECT_TRUE(pView->IsSessionBusy());
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }));
    EXPECT_FALSE(pView->IsSessionBusy());
}

TEST_F(SessionFixture, PidPrefixOnlyWhileSeveralChildrenRun)
{
    CLoggingSettings log = pDoc->GetSettings();
    log.m_bLogPidOnlyIfNeeded = true;
    pDoc->SetLoggingOptions(log);
    pView->ApplyConsoleLineOptions();
    CPipedProcessCtl* pEmu = StartEmulator("--no-devlist --do \"wait-stdin go1\" --do \"out emu both\" "
                                           "--do \"wait-stdin go2\" --do \"out emu alone\"");
    std::string strEmuPid = pEmu->GetPidText().GetString();
    // Not ready: the test writes to the emulator directly.
    CPipedProcessCtl* pUtil = pView->RunUtility("vornutil.exe --do \"out util line\" --do \"sleep 1500\"", -1,
                                                nullptr, "Util", 0);
    std::string strUtilPid = pUtil->GetPidText().GetString();
    std::string strStarted =
        "Util started; process-id = " + std::to_string(pUtil->GetProcessId()) + " (" + strUtilPid + ")";
    EXPECT_TRUE(pView->IsUtilityRunning());
    ASSERT_TRUE(Pump([&] { return ConsoleHas(strUtilPid + " util line"); }));
    ASSERT_TRUE(pEmu->WriteStdin("go1\n", 4));
    ASSERT_TRUE(Pump([&] { return ConsoleHas(strEmuPid + " emu both"); }));
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }));
    EXPECT_TRUE(ConsoleHas("vornutil.exe --do \"out util line\" --do \"sleep 1500\""));
    // The utility's end line, like its start line, without the prefix: the
    // emulator runs alone once the utility is gone.
    EXPECT_TRUE(ConsoleHas(strStarted));
    EXPECT_TRUE(ConsoleHas("Util ended; rc=0"));
    ASSERT_TRUE(pEmu->WriteStdin("go2\n", 4));
    ASSERT_TRUE(Pump([&] { return ConsoleHas("emu alone"); }));
}

// At a utility's end the whole pane is drawn again, its background erased.
TEST_F(SessionFixture, UtilityEndErasesAndRedrawsTheWholePane)
{
    ASSERT_TRUE(::IsWindowVisible(pView->m_hWnd));
    pView->RunUtility("vornutil.exe --do \"out util line\"", -1, nullptr, "Util", 0);
    pView->UpdateWindow();
    vorntest::MessageCounter erases(pView->m_hWnd, WM_ERASEBKGND);
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }));
    pView->UpdateWindow();
    EXPECT_TRUE(ConsoleHas("Util ended; rc=0"));
    EXPECT_GE(erases.Count(), 1);
}

TEST_F(SessionFixture, FloodIsHeldAtTheThresholdAndArrivesWhole)
{
    UINT nSaved = g_nMessageFloodThreshold;
    g_nMessageFloodThreshold = 100;
    pView->ApplyConsoleLineOptions();   // the readers hold themselves there too
    StartEmulator("--no-devlist --do \"flood out 30000 60\" --do \"out flood done\"");
    // The readers hold at the threshold and go on once the GUI thread has
    // taken the lines (without waiting for its idle time).
    size_t nMostWaiting = 0;
    bool bDone = Pump([&] {
        nMostWaiting = std::max(nMostWaiting, pView->Router().Pending().Count());
        return ConsoleHas("flood done");
    }, 60000);
    g_nMessageFloodThreshold = nSaved;
    pView->ApplyConsoleLineOptions();
    ASSERT_TRUE(bDone);
    // A reader stops after the read whose lines reach the threshold.
    EXPECT_LE(nMostWaiting, 100u + 2 * 64 * 1024 / 61);
    EXPECT_FALSE(pView->GetBacklogFlag());
    // The pane keeps its newest lines: they are the flood's last ones, in
    // order, none lost or cut.
    auto lines = ConsoleLines();
    ASSERT_GE(lines.size(), 1001u);
    for (size_t i = 0; i < 1000; ++i) {
        const std::string& s = lines[lines.size() - 2 - i];
        char szNumber[16];
        snprintf(szNumber, sizeof szNumber, "%09u ", 30000u - (unsigned)i);
        ASSERT_EQ(szNumber, s.substr(0, 10)) << i;
        ASSERT_EQ(60u, s.size());
    }
}

}  // namespace
