// PanelSessionTest.cpp: the control panel and the CPU-percent bar with the
// view and the emulator stand-in (version 4.7: commands arrive without
// "vorn "): the buttons' commands, the focus, the lamps following the
// status lines, the CPU rows, and power-off.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/DynCPUPercentDlgBar.h"
#include "mainwindow/DynControlsDlgBar.h"
#include "session/PipedProcessCtl.h"
#include "session/PrivateMessages.h"
#include "tests/session/SessionViewFixture.h"

namespace {

// "SMWLP": the letter of each lamp whose lit window shows, '.' where the
// unlit one shows, '?' where both or neither show.
std::string LampsShown(HWND hBar)
{
    const UINT pairs[5][2] = {{IDC_PANEL_SYSON, IDC_PANEL_SYSOFF},
                              {IDC_PANEL_MANON, IDC_PANEL_MANOFF},
                              {IDC_PANEL_WAITON, IDC_PANEL_WAITOFF},
                              {IDC_PANEL_LOADON, IDC_PANEL_LOADOFF},
                              {IDC_PANEL_POWERONON, IDC_PANEL_POWERONOFF}};
    std::string s;
    for (int i = 0; i < 5; ++i) {
        bool bLit = (::GetWindowLongA(::GetDlgItem(hBar, pairs[i][0]), GWL_STYLE) & WS_VISIBLE) != 0;
        bool bUnlit = (::GetWindowLongA(::GetDlgItem(hBar, pairs[i][1]), GWL_STYLE) & WS_VISIBLE) != 0;
        s += bLit == bUnlit ? '?' : bLit ? "SMWLP"[i] : '.';
    }
    return s;
}

struct PanelSessionTest : SessionFixture {
    CDynControlsDlgBar* pControls = nullptr;
    CDynCPUPercentDlgBar* pCpuBar = nullptr;
    HWND hOther = nullptr;  // a window to hold the focus

    void SetUp() override
    {
        SessionFixture::SetUp();
        pControls = new CDynControlsDlgBar(bars.get());
        ASSERT_TRUE(pControls->Create(CDynControlsDlgBar::IDD, bars.get()));
        pCpuBar = new CDynCPUPercentDlgBar(bars.get());
        ASSERT_TRUE(pCpuBar->Create(CDynCPUPercentDlgBar::IDD, bars.get()));
        ::SetWindowPos(pCpuBar->m_hWnd, nullptr, 0, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SSessionReceivers r = pView->GetSessionReceivers();
        r.pControlsBar = pControls;
        r.hCpuPercentBar = pCpuBar->m_hWnd;
        pView->SetSessionReceivers(r);
        hOther = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 260, 100, 20, bars->m_hWnd, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override
    {
        if (pView && pView->GetEmulator())
            EndEmulator();
        for (CWnd* p : {(CWnd*)pControls, (CWnd*)pCpuBar})
            if (p)
                p->DestroyWindow();
        delete pControls;
        delete pCpuBar;
        SessionFixture::TearDown();
    }
    void Press(UINT nID) { ::SendMessageA(::GetDlgItem(pControls->m_hWnd, nID), BM_CLICK, 0, 0); }
    // The stand-in's record after the handshake.
    std::vector<std::string> CommandsAfterHandshake() const
    {
        std::vector<std::string> all = Received(), out;
        bool bAfter = false;
        for (const std::string& s : all) {
            if (bAfter && (s.empty() || s[0] != ']'))
                out.push_back(s);
            bAfter = bAfter || s == "]AGGREGATE=1";
        }
        return out;
    }
    bool WaitForLamps(const std::string& strExpected)
    {
        return Pump([&] { return LampsShown(pControls->m_hWnd) == strExpected; }, 10000);
    }
};

}  // namespace

TEST_F(PanelSessionTest, ButtonsSendTheirCommands)
{
    StartEmulator("");
    ASSERT_TRUE(PumpUntilReady());
    pControls->SetDialsHex("0A80");
    for (UINT nID : {IDC_PANEL_START, IDC_PANEL_STOP, IDC_PANEL_STORE, IDC_PANEL_RESTART, IDC_PANEL_INTERRUPT,
                     IDC_PANEL_LOAD})
        Press(nID);
    ASSERT_TRUE(Pump([&] { return HasReceived("ipl 0A80"); }));
    std::vector<std::string> expected = {"startall", "stopall", "store", "restart", "ext", "ipl 0A80"};
    EXPECT_EQ(expected, CommandsAfterHandshake());
}

TEST_F(PanelSessionTest, StopKeepsTheFocusAndStartGivesItToTheCommandLine)
{
    bars->ShowWindow(SW_SHOW);
    ::SetForegroundWindow(bars->m_hWnd);
    StartEmulator("");
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_TRUE(Pump([&] { return ::GetFocus() == bars->m_hCmdEdit; }, 3000));
    // A click gives the button the focus; Stop leaves it there.
    ::SetFocus(hOther);
    ASSERT_EQ(hOther, ::GetFocus());
    Press(IDC_PANEL_STOP);
    ASSERT_TRUE(Pump([&] { return HasReceived("stopall"); }));
    PumpFor(400);
    EXPECT_EQ(::GetDlgItem(pControls->m_hWnd, IDC_PANEL_STOP), ::GetFocus());
    Press(IDC_PANEL_START);
    EXPECT_TRUE(Pump([&] { return ::GetFocus() == bars->m_hCmdEdit; }, 3000));
}

TEST_F(PanelSessionTest, WithoutAnEmulatorOnlyTheSoundPlays)
{
    for (UINT nID : {IDC_PANEL_START, IDC_PANEL_STOP, IDC_PANEL_STORE, IDC_PANEL_RESTART, IDC_PANEL_INTERRUPT,
                     IDC_PANEL_LOAD, IDC_PANEL_POWERONON})
        Press(nID);
    PumpFor(200);
    EXPECT_EQ(0, pView->GetQueuedCommandCount());
    EXPECT_EQ(nullptr, pView->GetEmulator());
    EXPECT_EQ(".....", LampsShown(pControls->m_hWnd));
}

TEST_F(PanelSessionTest, LampsFollowTheStatusLines)
{
    EXPECT_EQ(".....", LampsShown(pControls->m_hWnd));
    StartEmulator("--do \"wait-stdin go1\" --do \"set letters ........\" --do status "
                  "--do \"wait-stdin go2\" --do \"set letters ..W.....\" --do status "
                  "--do \"wait-stdin go3\" --do \"set letters M.......\" --do status "
                  "--do \"wait-stdin go4\" --do \"set letters ...L....\" --do status "
                  "--do \"wait-stdin go5\" --do \"set letters ..W.....\" --do status "
                  "--do \"wait-stdin go6\" --do \"set letters ........\" --do status");
    ASSERT_TRUE(PumpUntilReady());
    EXPECT_EQ("....P", LampsShown(pControls->m_hWnd));
    struct Step {
        const char* pszGo;
        const char* pszLamps;
    };
    // Running, waiting, manual, loading, waiting and running again: each
    // change shows, so the run indicator's pending flag was cleared each time.
    const Step steps[] = {{"go1", "S...P"}, {"go2", "..W.P"}, {"go3", ".M..P"},
                          {"go4", "S..LP"}, {"go5", "..W.P"}, {"go6", "S...P"}};
    for (const Step& s : steps) {
        pView->SendCommand(s.pszGo);
        EXPECT_TRUE(WaitForLamps(s.pszLamps)) << s.pszGo << ": " << LampsShown(pControls->m_hWnd);
    }
    EndEmulator();
    EXPECT_EQ(".....", LampsShown(pControls->m_hWnd));
}

// The panel's own Stop and Load with the emulator's speech: a stopped
// processor sends its status once and no "SYS=" line; a failed IPL sends
// one report "M.WL...." and then only its percentages. The lamps show the
// letters of that one report for as long as nothing changes.
TEST_F(PanelSessionTest, LampsAfterStopAndAFailedIpl)
{
    StartEmulator("--do \"device 0A80 3390 disk.img\" --do \"set ipl fail\" --do \"wait-stdin go\" --do status "
                  "--do \"wait-stdin stopall\" --do status --do status --do \"err stopped\" "
                  "--do \"wait-stdin ipl\" --do status --do status --do status --do \"err loaded\"");
    ASSERT_TRUE(PumpUntilReady());
    pView->SendCommand("go");
    ASSERT_TRUE(WaitForLamps("S...P")) << LampsShown(pControls->m_hWnd);
    Press(IDC_PANEL_STOP);
    ASSERT_TRUE(Pump([&] { return ConsoleHas("stopped"); })) << "waited for the rounds after stopall";
    EXPECT_EQ(".M..P", LampsShown(pControls->m_hWnd));
    pControls->SetDialsHex("0A80");
    Press(IDC_PANEL_LOAD);
    ASSERT_TRUE(Pump([&] { return ConsoleHas("loaded"); })) << "waited for the rounds after the IPL";
    EXPECT_EQ(".MWLP", LampsShown(pControls->m_hWnd));
    EXPECT_STREQ("M.WL....", pView->GetStatusLinePart(1));
    EXPECT_TRUE(HasReceived("ipl 0A80"));
}

TEST_F(PanelSessionTest, CpuRowsFillAndPowerOffZeroesThem)
{
    StartEmulator("--do \"set cpus 2\" --do \"set cpupct 42\" --do \"interval 50\"", 2);
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_TRUE(Pump([&] { return pCpuBar->GetCPUCount() == 2; }));
    // The main frame subscribes the view while the bar is shown.
    pView->PostMessage(WM_SUBSCRIBE_CPUPCTALL, 1, 0);
    auto percent = [&](int n) {
        char sz[16] = {};
        ::GetDlgItemTextA(pCpuBar->m_hWnd, IDC_CPUPCT_PERCENT0 + n, sz, sizeof sz);
        return std::string(sz);
    };
    ASSERT_TRUE(Pump([&] { return percent(0) == "42%" && percent(1) == "42%"; }, 10000))
        << percent(0) << " " << percent(1);
    EXPECT_EQ(42, (int)pCpuBar->Meter(1).GetPos());
    char sz[16] = {};
    ::GetDlgItemTextA(pCpuBar->m_hWnd, IDC_CPUPCT_ENGINE0 + 1, sz, sizeof sz);
    EXPECT_STREQ("IL01", sz);
    EndEmulator();
    ASSERT_TRUE(Pump([&] { return percent(0) == "0%" && percent(1) == "0%"; }));
    EXPECT_EQ(0, (int)pCpuBar->Meter(0).GetPos());
    EXPECT_EQ(".....", LampsShown(pControls->m_hWnd));
}

TEST_F(PanelSessionTest, MeterShowsTheBusyFractionOncePerPeriod)
{
    // Asked for "]CPUPCT=1", the emulator reports the busy percentage itself.
    StartEmulator("--do \"set cpupct 75\" --do \"interval 20\"");
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_TRUE(Pump([&] { return pControls->GetMeterValue() == 0.75; }, 10000)) << pControls->GetMeterValue();
    EXPECT_DOUBLE_EQ(0.75, pView->GetCpuAverage());
    EndEmulator();
    EXPECT_TRUE(Pump([&] { return pControls->GetMeterValue() == 0.0; }));
}

// The view's window class paints the console's background colour.
TEST_F(PanelSessionTest, ViewClassBrushHasTheBackgroundColour)
{
    HBRUSH hBrush = (HBRUSH)::GetClassLongPtrA(pView->m_hWnd, GCLP_HBRBACKGROUND);
    LOGBRUSH lb = {};
    ASSERT_TRUE(::GetObjectA(hBrush, sizeof lb, &lb));
    EXPECT_EQ((COLORREF)pView->Settings().m_crBackground, lb.lbColor);
    pView->SetBrushBackground();
    HBRUSH hAgain = (HBRUSH)::GetClassLongPtrA(pView->m_hWnd, GCLP_HBRBACKGROUND);
    ASSERT_TRUE(::GetObjectA(hAgain, sizeof lb, &lb));
    EXPECT_EQ((COLORREF)pView->Settings().m_crBackground, lb.lbColor);
    // The brush it replaced is deleted.
    EXPECT_EQ(0, ::GetObjectA(hBrush, sizeof lb, &lb));
}
