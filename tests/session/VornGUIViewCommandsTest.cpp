// VornGUIViewCommandsTest.cpp: commands to the emulator stand-in through the
// view: the queue before readiness, the handshake in its order, the "vorn "
// prefix by version, the queue dropped with its session, the shutdown
// watchdog armed on the GUI thread, storage access in the stand-in's memory,
// and the CPU-percent bar told after a configuration apply.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "config/Limits.h"
#include "session/ConsoleCommands.h"
#include "session/PipedProcessCtl.h"
#include "session/PrivateMessages.h"
#include "sysconfig/SysCfgDialog.h"
#include "tests/session/SessionViewFixture.h"
#include "tests/standins/StandinText.h"
#include "tests/support/WinTestUtil.h"

namespace {

TEST_F(SessionFixture, QueuedCommandsThenHandshakeInOrder)
{
    EXPECT_TRUE(pView->SendCommand("first command"));
    EXPECT_TRUE(pView->SendCommand("vorn second"));   // no version known yet: kept
    EXPECT_EQ(2, pView->GetQueuedCommandCount());
    StartEmulator("");
    ASSERT_TRUE(PumpUntilReady());
    // The folder in Windows form, without its trailing separator.
    std::string strScd = "]SCD=" + dir.Folder().substr(0, dir.Folder().size() - 1);
    // The opening asks for version and storage, then for the device list
    // that makes the emulator ready; the queue, then the rest of the
    // handshake, which need not ask again.
    EXPECT_EQ((std::vector<std::string>{"]VERS=1.21", "]MAINSTOR=", "]NEWDEVLIST=1", "]LCSSNUM=1", "first command",
                                        "vorn second", "]CPUPCT=1", strScd, "]AGGREGATE=1"}),
              Received());
    EXPECT_TRUE(pView->IsEmulatorReady());
    EXPECT_TRUE(pView->IsMainStorageKnown());
    EXPECT_EQ(0, pView->GetQueuedCommandCount());
    // The bars were told, the command line is enabled.
    auto active = bars->Of(WM_EMULATOR_ACTIVE);
    ASSERT_EQ(2u, active.size());   // the display/alter bar and the CPU-percent bar
    EXPECT_EQ(1u, active[0].wp);
    auto maxcpu = bars->Of(WM_MAXCPU_CHANGED);
    ASSERT_EQ(1u, maxcpu.size());
    EXPECT_EQ(2u, maxcpu[0].wp);
    auto engines = bars->Of(WM_CPU_ENGINE_TYPE);
    ASSERT_EQ(2u, engines.size());
    EXPECT_EQ(1u, engines[1].wp);
    EXPECT_EQ(1, (int)engines[1].lp);
    EXPECT_TRUE(::IsWindowEnabled(bars->m_hCmdEdit));
    EXPECT_TRUE(::IsWindowEnabled(bars->m_hSend));
    EXPECT_EQ(1, g_nBarVisibilityRequests);
    // The one-shot focus timer runs once and is gone.
    PumpFor(300);
    EXPECT_FALSE(pView->KillTimer(kTimerFocusCmdLine));
}

TEST_F(SessionFixture, SecondDeviceListFlushesWithoutSecondHandshake)
{
    StartEmulator("");
    ASSERT_TRUE(PumpUntilReady());
    pView->SendCommand("]DEVLIST=1");   // the stand-in answers with a complete list
    ASSERT_TRUE(Pump([&] { return HasReceived("]DEVLIST=1"); }));
    PumpFor(300);
    auto lines = Received();
    EXPECT_EQ(1, (int)std::count(lines.begin(), lines.end(), "]VERS=1.21"));
}

TEST_F(SessionFixture, PrefixDroppedForVersionFourAndKeptForThree)
{
    StartEmulator("");   // reports version 4.7
    ASSERT_TRUE(PumpUntilReady());
    EXPECT_TRUE(pView->SendCommand("VORN   ipl 0191  "));
    EXPECT_TRUE(pView->SendCommand("vornx stays"));
    ASSERT_TRUE(Pump([&] { return HasReceived("vornx stays"); }));
    EXPECT_TRUE(HasReceived("ipl 0191"));
    EndEmulator();
    ::DeleteFileA(strRecord.c_str());
    StartEmulator("--do \"set version 3.07\"");
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_TRUE(Pump([&] { return pView->Router().GetVersion() == 3.07; }));
    EXPECT_TRUE(pView->SendCommand("vorn ipl 0191"));
    ASSERT_TRUE(Pump([&] { return HasReceived("vorn ipl 0191"); }));
}

TEST_F(SessionFixture, QueueOfAnEndedSessionIsDroppedButNotTheIdleQueue)
{
    // Never ready: no device list.
    CPipedProcessCtl* pCtl = StartEmulator("--no-devlist");
    EXPECT_TRUE(pView->SendCommand("exit"));
    EXPECT_EQ(1, pView->GetQueuedCommandCount());
    pCtl->Kill(false);
    ASSERT_TRUE(Pump([&] { return pView->GetEmulator() == nullptr; }));
    EXPECT_EQ(0, pView->GetQueuedCommandCount());
    // Given while nothing runs: kept for the next emulator.
    EXPECT_TRUE(pView->SendCommand("keep me"));
    ::DeleteFileA(strRecord.c_str());
    StartEmulator("");
    ASSERT_TRUE(PumpUntilReady());
    auto lines = Received();
    // The first command after the opening.
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ("]LCSSNUM=1", lines[3]);
    EXPECT_EQ("keep me", lines[4]);
    EXPECT_EQ(lines.end(), std::find(lines.begin(), lines.end(), "exit"));
    EXPECT_FALSE(pView->KillTimer(kTimerShutdownWatchdog));
}

TEST_F(SessionFixture, HandshakeWaitEndsWhenTheEmulatorDiesAndReadersKeepFlowing)
{
    UINT nSaved = g_nMessageFloodThreshold;
    g_nMessageFloodThreshold = 50;
    // No storage answer; 20,000 console lines (more than the pipe holds,
    // so a held reader would stop the stand-in), then the end.
    StartEmulator("--do \"set mainstor none\" --do \"wait-stdin ]MAINSTOR=\" "
                  "--do \"seq out 1 20000 1 flowing %d\" --do \"exit 3\"");
    bool bEnded = Pump([&] { return pView->GetEmulator() == nullptr; }, 60000);
    g_nMessageFloodThreshold = nSaved;
    ASSERT_TRUE(bEnded);
    PumpFor(200);
    EXPECT_TRUE(ConsoleHas("flowing 20000"));
    EXPECT_FALSE(HasReceived("]CPUPCT=1"));
    EXPECT_FALSE(::IsWindowEnabled(bars->m_hCmdEdit));
    EXPECT_FALSE(bQuitSeen);
}

const SessionFixture* g_pQuitFixture = nullptr;

// Quits once the handshake waits for the storage report (the stand-in has
// the query): the timer runs inside the handshake's own message loop.
void CALLBACK QuitTimer(HWND, UINT, UINT_PTR id, DWORD)
{
    if (!g_pQuitFixture->HasReceived("]MAINSTOR="))
        return;
    ::KillTimer(nullptr, id);
    ::PostQuitMessage(0);
}

TEST_F(SessionFixture, QuitDuringHandshakeAbandonsItAndQuits)
{
    g_pQuitFixture = this;
    ::SetTimer(nullptr, 0, 20, QuitTimer);
    StartEmulator("--do \"set mainstor none\"");
    DWORD dwStart = ::GetTickCount();
    ASSERT_TRUE(Pump([&] { return bQuitSeen; }));
    EXPECT_LT(::GetTickCount() - dwStart, 10000u);
    PumpFor(200);
    EXPECT_TRUE(HasReceived("]MAINSTOR="));
    EXPECT_FALSE(HasReceived("]CPUPCT=1"));
    EXPECT_FALSE(::IsWindowEnabled(bars->m_hCmdEdit));
    EXPECT_TRUE(pView->GetEmulator() != nullptr);
}

TEST_F(SessionFixture, ShutdownCommandsArmTheWatchdogOnTheGuiThread)
{
    StartEmulator("--do ignore-exit --do \"wait-stdin ]AGGREGATE=\" --do \"wait-stdin go\" "
                  "--do \"out ]SPLRCMD=quit\"");
    ASSERT_TRUE(PumpUntilReady());
    EXPECT_TRUE(pView->SendCommand("exiting"));
    EXPECT_FALSE(pView->KillTimer(kTimerShutdownWatchdog));
    EXPECT_TRUE(bars->Of(WM_EMULATOR_ACTIVE).size() == 2);
    EXPECT_TRUE(pView->SendCommand("EXIT now"));
    EXPECT_TRUE(pView->KillTimer(kTimerShutdownWatchdog));
    PumpFor(50);
    auto active = bars->Of(WM_EMULATOR_ACTIVE);
    ASSERT_EQ(3u, active.size());
    EXPECT_EQ(0u, active[2].wp);
    // From a reader thread: the spooler's command request.
    pView->SendCommand("go");
    ASSERT_TRUE(Pump([&] { return HasReceived("quit"); }));
    ASSERT_TRUE(Pump([&] { return pView->KillTimer(kTimerShutdownWatchdog) != FALSE; }, 5000));
}

TEST_F(SessionFixture, StorageRoundTripThroughTheStandinsMemory)
{
    BYTE buf[64] = {};
    EXPECT_EQ(0u, CVornGUIView::ReadChildMemory(0x400000, buf, sizeof buf));   // no emulator
    StartEmulator("");
    ASSERT_TRUE(PumpUntilReady());
    UINT64 nBase = pView->Router().GetMainStorAddress();
    ASSERT_NE(0u, nBase);
    EXPECT_EQ(1024u * 1024u, pView->Router().GetMainStorSize());
    ASSERT_EQ(sizeof buf, CVornGUIView::ReadChildMemory(nBase + 400, buf, sizeof buf));
    BYTE expected[64];
    FillStandinStorage(expected, sizeof expected, 400);
    EXPECT_EQ(0, memcmp(buf, expected, sizeof buf));
    const BYTE data[3] = {0x12, 0x34, 0xAB};
    ASSERT_EQ(3u, CVornGUIView::WriteChildMemory(nBase + 100, data, 3));
    pView->SendCommand("peek 99 5");
    char szPeek[32];
    snprintf(szPeek, sizeof szPeek, "PEEK=%02X1234AB%02X", StandinStorageByte(99), StandinStorageByte(103));
    ASSERT_TRUE(Pump([&] { return ConsoleHas(szPeek); }));
    BYTE back[3] = {};
    ASSERT_EQ(3u, CVornGUIView::ReadChildMemory(nBase + 100, back, 3));
    EXPECT_EQ(0, memcmp(back, data, 3));
    // Beyond what this process can address: refused, nothing written.
    EXPECT_EQ(0u, CVornGUIView::WriteChildMemory(nBase + 0x100000000ull, data, 3));
    EXPECT_EQ(0u, CVornGUIView::ReadChildMemory(0xFFFFFFFFull, back, 2));
    EXPECT_EQ(0u, CVornGUIView::ReadChildMemory(nBase, back, 0));
}

}  // namespace

namespace {

TEST_F(SessionFixture, RequestOfAnotherEmulatorIsNotQueued)
{
    // An emulator that is not (or no longer) the session's: its command
    // request must not wait in the queue for the next session.
    std::string cmd = "\"" + vorntest::ProgramDir() + "vornemu.exe\" --no-devlist --lifetime 20000 "
                      "--do \"out ]SPLRCMD=stray\" --do \"out stray done\"";
    CPipedProcessCtl* pStray = new CPipedProcessCtl("Vornamic", 0, nullptr, cmd.c_str(), dir.Folder().c_str(),
                                                    false, 0, 0);
    ASSERT_TRUE(Pump([&] { return ConsoleHas("stray done"); }));
    delete pStray;
    EXPECT_EQ(0, pView->GetQueuedCommandCount());
    // The session's own emulator is heard.
    StartEmulator("--no-devlist --do \"out ]SPLRCMD=mine\"");
    ASSERT_TRUE(Pump([&] { return pView->GetQueuedCommandCount() == 1; }));
}

}  // namespace

namespace {

TEST_F(SessionFixture, FailedShutdownWriteArmsNoWatchdog)
{
    CPipedProcessCtl* pCtl = StartEmulator("--do \"wait-stdin bye\" --do \"exit 0\"");
    ASSERT_TRUE(PumpUntilReady());
    HANDLE hProcess = ::OpenProcess(SYNCHRONIZE, FALSE, pCtl->GetProcessId());
    ASSERT_TRUE(hProcess != nullptr);
    EXPECT_TRUE(pView->SendCommand("bye"));
    // The emulator has gone, its end not yet handled: the pipe is broken.
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hProcess, 10000));
    ::CloseHandle(hProcess);
    EXPECT_FALSE(pView->SendCommand("exit"));
    EXPECT_FALSE(pView->KillTimer(kTimerShutdownWatchdog));
}

}  // namespace

namespace {

// An apply of the system configuration dialog: the view takes the
// configuration and tells the CPU-percent bar its CPUs and engine types.
TEST_F(SessionFixture, ConfigurationApplyTellsTheCpuBar)
{
    CSysCfgDialog dlg(pView);
    dlg.m_config.m_nMaxCPUs = 4;
    dlg.m_config.m_nNumCPUs = 3;
    dlg.m_config.m_dwEngineTypes[2] = 3;
    dlg.m_config.m_strDescription = "applied";
    EXPECT_EQ(1, pView->SendMessage(WM_SYSCFG_APPLY, 0, (LPARAM)&dlg));
    PumpFor(100);
    EXPECT_EQ(pView->GetConfig().m_strDescription, "applied");
    EXPECT_TRUE(pView->IsConfigModified());
    auto maxcpu = bars->Of(WM_MAXCPU_CHANGED);
    ASSERT_EQ(1u, maxcpu.size());
    EXPECT_EQ(3u, maxcpu[0].wp);
    auto engines = bars->Of(WM_CPU_ENGINE_TYPE);
    ASSERT_EQ(3u, engines.size());
    EXPECT_EQ(2u, engines[2].wp);
    EXPECT_EQ(3, (int)engines[2].lp);
}

// A command of any length goes whole, as sent and as recalled, also pasted
// into an edit like the bar's beyond an edit's default limit.
TEST_F(SessionFixture, ALongCommandGoesWholeAndIsRecalledWhole)
{
    StartEmulator("");
    ASSERT_TRUE(PumpUntilReady());
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | ES_MULTILINE | ES_AUTOHSCROLL, 0, 0, 400, 20,
                                   bars->m_hWnd, nullptr, nullptr, nullptr);
    pView->SetCommandLineEdit(hEdit);
    for (size_t nLength : {4096u, 40000u}) {
        std::string strCommand = "msg " + std::string(nLength - 9, 'x') + " last";
        ::SendMessageA(hEdit, EM_REPLACESEL, TRUE, (LPARAM)strCommand.c_str());  // as a paste inserts it
        pView->SendMessage(WM_COMMAND, ID_CMDLINE_SEND, 0);
        ASSERT_TRUE(Pump([&] { return HasReceived(strCommand); })) << nLength;
        pView->SendMessage(WM_COMMAND, ID_CMD_HISTORY_PREV, 0);
        EXPECT_EQ((int)nLength, ::GetWindowTextLengthA(hEdit));
        ::SetWindowTextA(hEdit, "");
    }
    pView->SetCommandLineEdit(bars->m_hCmdEdit);
    ::DestroyWindow(hEdit);
}

}  // namespace
