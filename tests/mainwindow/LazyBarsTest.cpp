// LazyBarsTest.cpp: what the main window's bars make only when it is needed:
// the Percent Utilization bar's rows above the processor count, made when
// the count grows or a row is asked for, where and as the rows made with
// the dialog would be; the dialogs of the status line and register bars,
// made when shown or once the window answers (after a console flood, a
// small step at a time), showing what arrived before; the control panel's
// lit lamps and lit power button, made when first lit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "mainwindow/DynCPUPercentDlgBar.h"
#include "mainwindow/DynControlsDlgBar.h"
#include "mainwindow/DynDisplayAlterDlgBar.h"
#include "session/OutputRouterHost.h"
#include "session/RegisterFields.h"
#include "session/StatusPlaceholders.h"
#include "tests/mainwindow/FrameFixture.h"
#include "tests/support/MessageCounter.h"

namespace {

const int kCpuPctBar = 13;  // the main window's table index of the Percent Utilization bar

std::string TextOf(HWND h)
{
    char sz[256] = {};
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

struct CpuRowsFixture : FrameFixture {
    CDynCPUPercentDlgBar& Bar()
    {
        return *static_cast<CDynCPUPercentDlgBar*>(pFrame->GetMainBar(kCpuPctBar)->m_pDlg);
    }
    HWND Row(UINT nBase, int n) { return ::GetDlgItem(Bar().m_hWnd, (int)nBase + n); }
    int ToolCount() { return (int)::SendMessageA(Bar().m_wndToolTip.m_hWnd, TTM_GETTOOLCOUNT, 0, 0); }
};

}  // namespace

TEST_F(CpuRowsFixture, RowsAreMadeUpToTheCountAndWhenAskedFor)
{
    ProfileWriteInt("Settings\\PercentBar", "LRUMaxCPUs", 2);
    OpenFrame();
    CDynCPUPercentDlgBar& bar = Bar();
    EXPECT_EQ(2, bar.GetRowsMade());
    EXPECT_NE(nullptr, Row(IDC_CPUPCT_PERCENT0, 1));
    EXPECT_EQ(nullptr, Row(IDC_CPUPCT_ENGINE0, 2));
    // The tooltip is made with the first mouse message: the bar's dialog
    // was built while the main window was hidden.
    EXPECT_EQ(0, ToolCount());
    MSG move = {Row(IDC_CPUPCT_METER0, 0), WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
    bar.PreTranslateMessage(&move);
    ASSERT_TRUE(::IsWindow(bar.m_wndToolTip.m_hWnd));
    int nTools = ToolCount();
    EXPECT_EQ(2 * 3, nTools);
    struct Step {
        const char* pszWhat;
        UINT msg;
        WPARAM wp;
        LPARAM lp;
        int nMade;   // rows made after the step
        int nShown;  // rows shown after the step
    };
    const Step steps[] = {
        {"count grows", WM_MAXCPU_CHANGED, 5, 0, 5, 5},
        {"count shrinks", WM_MAXCPU_CHANGED, 3, 0, 5, 3},
        {"a percentage above the count", WM_CPU_PERCENT, 9, 40, 10, 3},
        {"a percentage out of range", WM_CPU_PERCENT, 64, 40, 10, 3},
        {"an engine type above the count", WM_CPU_ENGINE_TYPE, 20, 1, 10, 3},
        {"count grows again", WM_MAXCPU_CHANGED, 12, 0, 12, 12},
    };
    bar.SendMessage(WM_EMULATOR_ACTIVE, 1, 0);
    for (const Step& s : steps) {
        bar.SendMessage(s.msg, s.wp, s.lp);
        EXPECT_EQ(s.nMade, bar.GetRowsMade()) << s.pszWhat;
        int nShown = 0;
        for (int n = 0; n < CDynCPUPercentDlgBar::kRows; ++n) {
            bool bMade = Row(IDC_CPUPCT_METER0, n) != nullptr;
            EXPECT_EQ(n < s.nMade, bMade) << s.pszWhat << ", row " << n;
            nShown += bMade && (::GetWindowLongA(Row(IDC_CPUPCT_METER0, n), GWL_STYLE) & WS_VISIBLE) != 0;
        }
        EXPECT_EQ(s.nShown, nShown) << s.pszWhat;
    }
    // Each row made joined the tooltips with its three controls.
    EXPECT_EQ(nTools + 3 * 10, ToolCount());
    // The percentage asked for is shown in the row made for it; rows made
    // later carry the template's texts.
    EXPECT_EQ("40%", TextOf(Row(IDC_CPUPCT_PERCENT0, 9)));
    EXPECT_EQ(40, (int)::SendMessageA(Row(IDC_CPUPCT_METER0, 9), PBM_GETPOS, 0, 0));
    EXPECT_EQ("0B:", TextOf(Row(IDC_CPUPCT_ENGINE0, 11)));
    EXPECT_EQ("0%", TextOf(Row(IDC_CPUPCT_PERCENT0, 11)));
    // A meter asked for by the program is made with the rows before it.
    bar.Meter(20).SetPos(7);
    EXPECT_EQ(21, bar.GetRowsMade());
    EXPECT_EQ(7, (int)::SendMessageA(Row(IDC_CPUPCT_METER0, 20), PBM_GETPOS, 0, 0));
}

// Rows made after the bar was resized sit where the dialog's own rows sit
// at that size: the same dialog made with all its rows is the measure.
// After a restart as at the first start, a shown bar's tooltip waits for the
// first mouse message: restoring the saved layout once the window shows
// does not make it.
TEST_F(CpuRowsFixture, ARestartLeavesTheTooltipToTheFirstMouseMessage)
{
    ProfileWriteInt("Settings\\PercentBar", "LRUMaxCPUs", 2);
    OpenFrame();
    pFrame->SendMessage(WM_CLOSE);
    Pump();
    ASSERT_FALSE(FrameAlive());
    ASSERT_GT(ProfileGetInt("BarsState\\BarsState-Summary", "Bars", 0), 0u);
    OpenFrame();
    CDynCPUPercentDlgBar& bar = Bar();
    ASSERT_TRUE(bar.IsWindowVisible());
    EXPECT_EQ(0, ToolCount());
    MSG move = {Row(IDC_CPUPCT_METER0, 0), WM_MOUSEMOVE, 0, 0, 0, {0, 0}};
    bar.PreTranslateMessage(&move);
    ASSERT_TRUE(::IsWindow(bar.m_wndToolTip.m_hWnd));
    EXPECT_EQ(2 * 3, ToolCount());
}

TEST_F(CpuRowsFixture, RowsMadeLaterSitWhereTheTemplatePutsThem)
{
    OpenFrame();
    CDynCPUPercentDlgBar& bar = Bar();
    ASSERT_EQ(0, bar.GetRowsMade());
    RECT rcClient;
    bar.GetClientRect(&rcClient);
    CDynCPUPercentDlgBar whole(pFrame);
    ASSERT_TRUE(whole.Create(CDynCPUPercentDlgBar::IDD, pFrame));
    ASSERT_EQ(CDynCPUPercentDlgBar::kRows, whole.GetRowsMade());
    whole.SetWindowPos(nullptr, 0, 0, rcClient.right, rcClient.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rcWhole;
    whole.GetClientRect(&rcWhole);
    ASSERT_EQ(rcClient.right, rcWhole.right);
    bar.SendMessage(WM_MAXCPU_CHANGED, 6, 0);
    HWND hFont = (HWND)bar.SendMessage(WM_GETFONT);
    HWND hPrev = nullptr;
    for (int n = 0; n < 6; ++n) {
        for (UINT nBase : {IDC_CPUPCT_ENGINE0, IDC_CPUPCT_METER0, IDC_CPUPCT_PERCENT0}) {
            HWND hMade = Row(nBase, n), hWhole = ::GetDlgItem(whole.m_hWnd, (int)nBase + n);
            ASSERT_NE(nullptr, hMade) << nBase + n;
            EXPECT_EQ(vorntest::RectText(vorntest::ChildRectIn(whole.m_hWnd, hWhole)),
                      vorntest::RectText(vorntest::ChildRectIn(bar.m_hWnd, hMade)))
                << nBase + n;
            EXPECT_EQ(::GetWindowLongA(hWhole, GWL_STYLE) | WS_VISIBLE, ::GetWindowLongA(hMade, GWL_STYLE)) << nBase + n;
            EXPECT_EQ(::GetWindowLongA(hWhole, GWL_EXSTYLE), ::GetWindowLongA(hMade, GWL_EXSTYLE)) << nBase + n;
            EXPECT_EQ(hFont, (HWND)::SendMessageA(hMade, WM_GETFONT, 0, 0)) << nBase + n;
            // In template order: each control follows the one before it.
            if (hPrev) {
                EXPECT_EQ(hMade, ::GetWindow(hPrev, GW_HWNDNEXT)) << nBase + n;
            }
            hPrev = hMade;
        }
    }
    // Made rows stretch and move with the bar as the others do.
    for (CWnd* pDlg : {(CWnd*)&bar, (CWnd*)&whole})
        pDlg->SetWindowPos(nullptr, 0, 0, rcClient.right + 60, rcClient.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (UINT nBase : {IDC_CPUPCT_METER0, IDC_CPUPCT_PERCENT0})
        EXPECT_EQ(vorntest::RectText(vorntest::ChildRectIn(whole.m_hWnd, ::GetDlgItem(whole.m_hWnd, (int)nBase + 5))),
                  vorntest::RectText(vorntest::ChildRectIn(bar.m_hWnd, Row(nBase, 5))))
            << nBase + 5;
    whole.DestroyWindow();
}

namespace {

const int kStatusLineBar = 1, kFirstRegsBar = 4, kVRegsBar = 11, kStorageBar = 12;

bool DialogMade(CMainFrame* pFrame, int i)
{
    return ::IsWindow(pFrame->GetMainBar(i)->m_pDlg->m_hWnd);
}

// The input waiting goes first (the mouse over the new window, say): the
// hidden bars' steps wait behind it.
void DispatchInput()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT))
        ::DispatchMessageA(&msg);
}

// The hidden bars' next step taken out of the queue: the test takes them.
void DropHiddenBarStep(CMainFrame* pFrame)
{
    MSG msg;
    while (::PeekMessageA(&msg, pFrame->m_hWnd, WM_MAKE_HIDDEN_BAR, WM_MAKE_HIDDEN_BAR, PM_REMOVE)) {
    }
}

// A flooding emulator's 1,500 console lines, taken by the view at once.
void FloodConsole()
{
    std::string strChunk;
    for (int i = 0; i < 1500; ++i)
        strChunk += "Vornamic console flood, line " + std::to_string(i) + "\n";
    SLineSource out;
    out.nStream = -11;
    int nLength = (int)strChunk.size();
    g_pView->Router().RouteChunk(out, &strChunk[0], nLength, [] {});
    g_pView->SendMessage(WM_PENDING_LINES);
}

}  // namespace

// The first start shows four bars: the status line, register and storage bars, hidden,
// have no dialog until the window answers; then each gets its dialog, and the
// view its controls.
TEST_F(FrameFixture, HiddenBarsGetTheirDialogsOnceTheWindowAnswers)
{
    OpenFrame(false);
    for (int i = 0; i < kMainBarCount; i++) {
        bool bDeferred = i == kStatusLineBar || (i >= kFirstRegsBar && i <= kVRegsBar) || i == kStorageBar;
        EXPECT_EQ(!bDeferred, DialogMade(pFrame, i)) << kMainBars[i].pszTitle;
        // A bar waiting for its dialog has the dialog's size all the same.
        EXPECT_GT(pFrame->GetMainBar(i)->GetFloatingSize().cy, 20) << kMainBars[i].pszTitle;
    }
    const SSessionReceivers& r = g_pView->GetSessionReceivers();
    EXPECT_EQ(nullptr, r.hStatusParts[0]);
    Pump();
    for (int i = 0; i < kMainBarCount; i++)
        EXPECT_TRUE(DialogMade(pFrame, i)) << kMainBars[i].pszTitle;
    for (HWND h : r.hRegisterFields)
        EXPECT_TRUE(::IsWindow(h));
    for (HWND h : r.hStatusParts)
        EXPECT_TRUE(::IsWindow(h));
    EXPECT_TRUE(::IsWindow(r.hCpuSpin));
    // Each dialog fills its bar.
    for (int i : {kStatusLineBar, kVRegsBar}) {
        cdxCDynamicBar* pBar = pFrame->GetMainBar(i);
        RECT rcBar, rcDlg;
        pBar->GetClientRect(&rcBar);
        pBar->m_pDlg->GetWindowRect(&rcDlg);
        EXPECT_EQ(rcBar.right, rcDlg.right - rcDlg.left) << kMainBars[i].pszTitle;
        EXPECT_EQ(rcBar.bottom, rcDlg.bottom - rcDlg.top) << kMainBars[i].pszTitle;
    }
}

// What reached the view while a bar had no dialog shows in the dialog's
// controls when the bar is first shown: status parts, the processor,
// register values, in the bar font.
TEST_F(FrameFixture, ABarShownForTheFirstTimeShowsWhatArrivedBefore)
{
    OpenFrame(false);  // the hidden bars' dialogs wait in the queue
    ASSERT_FALSE(DialogMade(pFrame, kStatusLineBar));
    SLineSource err;  // the emulator's standard error
    const char kStatus[] = "STATUS=CPU0003 PSW=07060000 00000000 0000000000012345 ..W..... instcount=1234567";
    const char kRegs[] = "GR0-3=0000000A 00000002 00000003 00000004";
    g_pView->Router().RouteLine(err, kStatus);
    g_pView->Router().RouteLine(err, kRegs);
    // The view takes them as it takes the reader's posted messages.
    for (UINT msg = WM_STATUSPART0_CHANGED; msg <= WM_STATUSPART4_CHANGED; ++msg)
        g_pView->SendMessage(msg);
    g_pView->SendMessage(RegisterField(0).nMessage);
    ASSERT_FALSE(DialogMade(pFrame, kStatusLineBar));
    ASSERT_NE(StatusPartPlaceholder(0), g_pView->GetStatusLinePart(0));
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUSLINE_BAR);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_GREGS_BAR);
    ASSERT_TRUE(DialogMade(pFrame, kStatusLineBar));
    const SSessionReceivers& r = g_pView->GetSessionReceivers();
    for (int i = 0; i < kStatusPartCount; ++i) {
        EXPECT_EQ(std::string(g_pView->GetStatusLinePart(i)), TextOf(r.hStatusParts[i])) << i;
        EXPECT_EQ((WPARAM)g_pView->GetBarFont(), (WPARAM)::SendMessageA(r.hStatusParts[i], WM_GETFONT, 0, 0)) << i;
    }
    EXPECT_EQ(3, (int)(short)LOWORD(::SendMessageA(r.hCpuSpin, UDM_GETPOS, 0, 0)));
    EXPECT_EQ(kRegs, TextOf(r.hRegisterFields[0]));
    // The fields nothing reached show their placeholders; all have the bar font.
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(std::string(RegisterFieldPlaceholder(i)), TextOf(r.hRegisterFields[i])) << i;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ((WPARAM)g_pView->GetBarFont(), (WPARAM)::SendMessageA(r.hRegisterFields[i], WM_GETFONT, 0, 0)) << i;
    // The bars not shown get their dialogs once the window answers, with the placeholders.
    Pump();
    ASSERT_TRUE(DialogMade(pFrame, kVRegsBar));
    int nVr = FindRegisterField("VR00=", 5);
    ASSERT_GE(nVr, 0);
    EXPECT_EQ(std::string(RegisterFieldPlaceholder(nVr)), TextOf(r.hRegisterFields[nVr]));
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// A bar waiting for its dialog has the size its template gives, measured
// once for the templates that share a font: as a dialog made from it.
TEST_F(FrameFixture, ABarWaitingForItsDialogHasItsTemplatesSize)
{
    OpenFrame(false);
    for (int i = kStatusLineBar; i <= kVRegsBar; i++) {
        if (i != kStatusLineBar && i < kFirstRegsBar)
            continue;
        cdxCDynamicBarDlg* pDlg = pFrame->GetMainBar(i)->m_pDlg;
        ASSERT_FALSE(DialogMade(pFrame, i)) << kMainBars[i].pszTitle;
        HWND h = ::CreateDialogParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(pDlg->m_nIDTemplate), pFrame->m_hWnd,
                                      PlainDialogProc, 0);
        ASSERT_NE(nullptr, h) << kMainBars[i].pszTitle;
        RECT rc;
        ::GetClientRect(h, &rc);
        ::DestroyWindow(h);
        EXPECT_EQ(rc.right, pDlg->m_szInitial.cx) << kMainBars[i].pszTitle;
        EXPECT_EQ(rc.bottom, pDlg->m_szInitial.cy) << kMainBars[i].pszTitle;
    }
}

// A hidden bar's dialog is made in one step and filled in the next: shown
// in between, it is filled as it shows, with what arrived meanwhile.
TEST_F(FrameFixture, ABarShownBetweenItsMakingAndFillingShowsWhatArrived)
{
    OpenFrame(false);
    DispatchInput();
    ASSERT_EQ(0u, HIWORD(::GetQueueStatus(QS_INPUT)));
    pFrame->SendMessage(WM_MAKE_HIDDEN_BAR);  // the status line's dialog, its fields not filled
    ASSERT_TRUE(DialogMade(pFrame, kStatusLineBar));
    SLineSource err;
    g_pView->Router().RouteLine(err, "STATUS=CPU0002 PSW=07060000 00000000 0000000000012345 ..W..... instcount=77");
    for (UINT msg = WM_STATUSPART0_CHANGED; msg <= WM_STATUSPART4_CHANGED; ++msg)
        g_pView->SendMessage(msg);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUSLINE_BAR);
    const SSessionReceivers& r = g_pView->GetSessionReceivers();
    for (int i = 0; i < kStatusPartCount; ++i) {
        ASSERT_TRUE(::IsWindow(r.hStatusParts[i])) << i;
        EXPECT_EQ(std::string(g_pView->GetStatusLinePart(i)), TextOf(r.hStatusParts[i])) << i;
    }
    EXPECT_NE(std::string(StatusPartPlaceholder(0)), TextOf(r.hStatusParts[0]));
    EXPECT_EQ(2, (int)(short)LOWORD(::SendMessageA(r.hCpuSpin, UDM_GETPOS, 0, 0)));
    // The next step leaves the bar as it is and goes on with the others.
    const std::string strShown = TextOf(r.hStatusParts[0]);
    Pump();
    EXPECT_EQ(strShown, TextOf(r.hStatusParts[0]));
    EXPECT_TRUE(DialogMade(pFrame, kVRegsBar));
}

// A console flood goes before the hidden bars' dialogs: making one holds
// the pipe readers, so they wait until the flood ends, then come all the same.
TEST_F(FrameFixture, HiddenBarsWaitForTheEndOfAConsoleFlood)
{
    OpenFrame(false);
    ASSERT_FALSE(DialogMade(pFrame, kStatusLineBar));
    DispatchInput();
    DWORD dwStart = ::GetTickCount();
    FloodConsole();
    ASSERT_GE((int)g_pView->GetDocument()->GetLineCount(), 1500);
    pFrame->SendMessage(WM_MAKE_HIDDEN_BAR);
    // A machine that held this thread for a whole slice has ended the flood already.
    if (::GetTickCount() - dwStart < CConsoleFloodGauge::kSliceMs) {
        EXPECT_TRUE(g_pView->IsConsoleFlooding());
        EXPECT_FALSE(DialogMade(pFrame, kStatusLineBar)) << "a dialog was made during the flood";
    }
    EXPECT_TRUE(PumpUntil([&] { return DialogMade(pFrame, kVRegsBar); }))
        << "waited for the hidden bars' dialogs after the flood";
    EXPECT_FALSE(g_pView->IsConsoleFlooding());
}

// After a console flood the hidden bars' dialogs were made one per
// message, the vector registers' sixteen edits in one, and filled and laid
// out in the next, each step holding the window as long. Each step does one
// thing of one bar: makes its dialog with at most six controls (the status
// line's, made whole), or a few more of them, or gives its fields their
// font and texts, or lays them out. The register bars made so are whole:
// their edits in the template's order, attached, in the bar font, showing
// the placeholders, laid out as measuring anew lays them out.
TEST_F(FrameFixture, AfterAConsoleFloodHiddenBarsAreMadeInSmallSteps)
{
    OpenFrame(false);
    DispatchInput();
    DropHiddenBarStep(pFrame);
    FloodConsole();
    {
        vorntest::WaitingFor waiting("the end of the flood", __FILE__, __LINE__);
        while (g_pView->IsConsoleFlooding())
            ::Sleep(10);
    }
    bool bWorked = true;
    for (int nStep = 0; bWorked; ++nStep) {
        ASSERT_LT(nStep, 100) << "the hidden bars' steps do not end";
        vorntest::MessageTally tally({WM_CREATE, WM_SETFONT, WM_WINDOWPOSCHANGING});
        pFrame->SendMessage(WM_MAKE_HIDDEN_BAR);
        DropHiddenBarStep(pFrame);
        const std::vector<HWND> made = tally.Windows(WM_CREATE);
        auto others = [&](UINT nMessage) {
            int n = 0;
            for (HWND h : tally.Windows(nMessage))
                n += std::find(made.begin(), made.end(), h) == made.end() ? tally.Count(h, nMessage) : 0;
            return n;
        };
        const int nFonts = others(WM_SETFONT), nMoves = others(WM_WINDOWPOSCHANGING);
        EXPECT_LE(made.size(), 7u) << "step " << nStep << " makes a dialog and its controls";
        EXPECT_LE(!made.empty() + (nFonts > 0) + (nMoves > 0), 1)
            << "step " << nStep << ": " << made.size() << " windows made, " << nFonts << " fonts given, " << nMoves
            << " windows moved";
        bWorked = !made.empty() || nFonts > 0 || nMoves > 0;
    }
    const SSessionReceivers& r = g_pView->GetSessionReceivers();
    auto places = [&] {
        std::string s;
        for (HWND h : r.hRegisterFields)
            s += vorntest::RectText(vorntest::ChildRectIn(::GetParent(h), h));
        return s;
    };
    for (int i = 0; i < kRegisterFieldCount; ++i) {
        HWND h = r.hRegisterFields[i];
        ASSERT_TRUE(::IsWindow(h)) << i;
        EXPECT_NE(nullptr, dynamic_cast<CHexSimpleEdit*>(CWnd::FromHandlePermanent(h))) << i << " attached";
        EXPECT_EQ((WPARAM)g_pView->GetBarFont(), (WPARAM)::SendMessageA(h, WM_GETFONT, 0, 0)) << i;
        EXPECT_EQ(std::string(RegisterFieldPlaceholder(i)), TextOf(h)) << i;
        HWND hPrev = ::GetWindow(h, GW_HWNDPREV);
        EXPECT_TRUE(!hPrev || ::GetDlgCtrlID(hPrev) < ::GetDlgCtrlID(h)) << i << " in the template's order";
    }
    const std::string strPlaced = places();
    for (int i = kFirstRegsBar; i <= kVRegsBar; i++)
        static_cast<CRegsDlgBar*>(pFrame->GetMainBar(i)->m_pDlg)->LayoutRegisterControls();
    EXPECT_EQ(places(), strPlaced);
}

// The emulator's reader goes on reporting processors while the status line
// bar's dialog is made: the last one it reported, and the next, show in the
// new up-down control.
TEST_F(FrameFixture, AReaderReachesTheStatusLineMadeWhileItRuns)
{
    OpenFrame(false);
    ASSERT_FALSE(DialogMade(pFrame, kStatusLineBar));
    auto report = [](int nFirst, int nLast) {
        SLineSource err;
        char sz[128];
        for (int n = nFirst; n <= nLast; ++n) {
            std::snprintf(sz, sizeof sz, "STATUS=CPU%04d PSW=07060000 00000000 0000000000012345 ..W..... instcount=1",
                          n % 6);
            g_pView->Router().RouteLine(err, sz);
        }
    };
    std::thread reader(report, 0, 5999);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUSLINE_BAR);
    reader.join();
    ASSERT_TRUE(DialogMade(pFrame, kStatusLineBar));
    HWND hSpin = g_pView->GetSessionReceivers().hCpuSpin;
    ASSERT_TRUE(::IsWindow(hSpin));
    auto shows = [&](int nCpu) { return LOWORD(::SendMessageA(hSpin, UDM_GETPOS, 0, 0)) == nCpu; };
    EXPECT_TRUE(PumpUntil([&] { return shows(5); })) << "waited for the up-down control to show processor 5";
    std::thread(report, 6004, 6004).join();
    EXPECT_TRUE(PumpUntil([&] { return shows(4); })) << "waited for the up-down control to show processor 4";
}

// The storage bar shown for the first time after the emulator reported its
// storage: its dialog, made then, works as one made at the start: its least
// sizes are those its dialog maps, the view reaches it (power, Esc), it shows
// and refreshes the emulator's storage, and it hears the emulator end.
TEST_F(FrameFixture, AStorageBarFirstShownAfterTheEmulatorStartedWorksAsBefore)
{
    ProfileWriteInt("Settings", "AutoRefresh", 1);
    ProfileWriteInt("Settings", "RefreshIntvl", 250);
    OpenFrame(false);
    // The round that makes the hidden bars' dialogs has not reached it.
    DropHiddenBarStep(pFrame);
    Pump();
    cdxCDynamicBar* pBar = pFrame->GetMainBar(kStorageBar);
    CDynDisplayAlterDlgBar& bar = pFrame->m_wndStorageBar.m_dlg;
    ASSERT_FALSE(DialogMade(pFrame, kStorageBar));
    ASSERT_EQ(nullptr, g_pView->GetSessionReceivers().hDisplayAlterBar);
    AttachStandin("--lifetime 20000 --storage-kb 2048");
    CDynCPUPercentDlgBar& percent = pFrame->m_wndCpuPctBar.m_dlg;
    ASSERT_TRUE(PumpUntil([&] { return percent.IsEmulatorActive(); }))
        << "waited for the bars to hear that the emulator reported its storage";
    ASSERT_FALSE(DialogMade(pFrame, kStorageBar));

    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STORAGE_BAR);
    ASSERT_TRUE(DialogMade(pFrame, kStorageBar));
    ASSERT_TRUE(::IsWindowVisible(bar.m_hWnd));
    EXPECT_EQ(bar.m_hWnd, g_pView->GetSessionReceivers().hDisplayAlterBar);
    // The least sizes set from the template are those the dialog maps.
    CRect rcDocked(0, 0, 0, 56), rcFloating(0, 0, 0, 110);
    bar.MapDialogRect(&rcDocked);
    bar.MapDialogRect(&rcFloating);
    const int cx = bar.m_szInitial.cx;
    EXPECT_EQ(pBar->SizeAround(AFX_IDW_DOCKBAR_LEFT, CSize(cx, rcDocked.Height())), pBar->GetMinDockedSize(FALSE));
    EXPECT_EQ(pBar->SizeAround(AFX_IDW_DOCKBAR_TOP, CSize(cx, rcDocked.Height())), pBar->GetMinDockedSize(TRUE));
    EXPECT_EQ(pBar->SizeAround(AFX_IDW_DOCKBAR_FLOAT, CSize(cx, rcFloating.Height())), pBar->GetMinFloatingSize());
    RECT rcClient;
    ::GetClientRect(pBar->m_hWnd, &rcClient);
    CRect rcDlg;
    bar.GetWindowRect(&rcDlg);
    EXPECT_EQ(CSize(rcClient.right, rcClient.bottom), rcDlg.Size()) << "the dialog fills its bar";

    // Powered on as at the emulator's report: its storage, readable, refreshed.
    ASSERT_TRUE(PumpUntil([&] { return bar.IsRefreshThreadRunning(); })) << "waited for the refresh thread";
    EXPECT_NE(0u, bar.GetStorageAddress());
    EXPECT_EQ(2048u * 1024u, bar.Window().StorageSize());
    EXPECT_FALSE(bar.IsStorageUnreadable());
    EXPECT_TRUE(bar.HexEdit().IsWindowEnabled());
    EXPECT_EQ(2048u * 1024u, bar.HexEdit().GetParms().nDataSize);
    EXPECT_EQ(0x56, bar.Buffer()[0]);
    char szAddress[32] = {};
    ::GetDlgItemTextA(bar.m_hWnd, IDC_STORAGE_ADDRESS, szAddress, sizeof szAddress);
    EXPECT_STREQ("00000000", szAddress);
    // Esc in the console reaches it through the view and stops the refresh.
    g_pView->SendMessage(WM_CHAR, VK_ESCAPE, 0);
    EXPECT_FALSE(bar.IsRefreshThreadRunning());

    // The emulator's end reaches it too.
    g_pView->GetEmulator()->Kill(false);
    ASSERT_TRUE(PumpUntil([&] { return !g_pView->IsEmulatorRunning() && bar.GetStorageAddress() == 0; }))
        << "waited for the storage bar to hear that the emulator ended";
    EXPECT_FALSE(bar.HexEdit().IsWindowEnabled());
}

// For a picture: VORN_SHOW_BARS_MS keeps the main window open that long
// with two processors' rows made at the start and four more made later.
TEST_F(CpuRowsFixture, DISABLED_ShowForPicture)
{
    const char* pszHold = std::getenv("VORN_SHOW_BARS_MS");
    if (!pszHold)
        GTEST_SKIP() << "set VORN_SHOW_BARS_MS to show the window";
    ProfileWriteInt("Settings\\PercentBar", "LRUMaxCPUs", 2);
    OpenFrame();
    CDynCPUPercentDlgBar& bar = Bar();
    bar.SendMessage(WM_EMULATOR_ACTIVE, 1, 0);
    bar.SendMessage(WM_MAXCPU_CHANGED, 6, 0);
    const int percents[] = {87, 42, 5, 100, 63, 20};
    for (int n = 0; n < 6; ++n) {
        bar.SendMessage(WM_CPU_ENGINE_TYPE, n, n == 4 ? 1 : 0);
        bar.SendMessage(WM_CPU_PERCENT, n, percents[n]);
    }
    PumpFor((DWORD)std::atoi(pszHold));
}

namespace {

const int kControlsBar = 2;
const UINT kPanelLitWindows[] = {IDC_PANEL_SYSON, IDC_PANEL_MANON, IDC_PANEL_WAITON, IDC_PANEL_LOADON,
                                 IDC_PANEL_POWERONON};

CDynControlsDlgBar& PanelOf(CMainFrame* pFrame)
{
    return *static_cast<CDynControlsDlgBar*>(pFrame->GetMainBar(kControlsBar)->m_pDlg);
}

bool StyleVisible(HWND h)
{
    return (::GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

// The control panel is made without the windows that show only when lit;
// each is made when first asked for, after the bar was resized too, where,
// as and in the tab order the whole template puts it, with its image.
TEST_F(FrameFixture, PanelLitWindowsAreMadeWhereTheTemplatePutsThem)
{
    OpenFrame();
    CDynControlsDlgBar& panel = PanelOf(pFrame);
    ASSERT_TRUE(::IsWindow(panel.m_hWnd));
    for (UINT nID : kPanelLitWindows)
        EXPECT_EQ(nullptr, ::GetDlgItem(panel.m_hWnd, (int)nID)) << nID;
    RECT rcClient;
    panel.GetClientRect(&rcClient);
    CDynControlsDlgBar whole(pFrame);
    ASSERT_TRUE(whole.Create(CDynControlsDlgBar::IDD, pFrame));
    for (CWnd* pDlg : {(CWnd*)&panel, (CWnd*)&whole})
        pDlg->SetWindowPos(nullptr, 0, 0, rcClient.right + 60, rcClient.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (UINT nID : kPanelLitWindows) {
        HWND hMade = panel.GetLampWindow(nID), hWhole = ::GetDlgItem(whole.m_hWnd, (int)nID);
        ASSERT_NE(nullptr, hMade) << nID;
        EXPECT_EQ(hMade, ::GetDlgItem(panel.m_hWnd, (int)nID)) << nID;
        EXPECT_EQ(hMade, panel.GetLampWindow(nID)) << nID;
        EXPECT_EQ(vorntest::RectText(vorntest::ChildRectIn(whole.m_hWnd, hWhole)),
                  vorntest::RectText(vorntest::ChildRectIn(panel.m_hWnd, hMade)))
            << nID;
        EXPECT_EQ(::GetWindowLongA(hWhole, GWL_STYLE), ::GetWindowLongA(hMade, GWL_STYLE)) << nID;
        EXPECT_EQ(::GetWindowLongA(hWhole, GWL_EXSTYLE), ::GetWindowLongA(hMade, GWL_EXSTYLE)) << nID;
        EXPECT_EQ(::GetDlgCtrlID(::GetWindow(hWhole, GW_HWNDPREV)), ::GetDlgCtrlID(::GetWindow(hMade, GW_HWNDPREV)))
            << nID;
        auto* pButton = dynamic_cast<CBitmapButton*>(CWnd::FromHandlePermanent(hMade));
        ASSERT_NE(nullptr, pButton) << nID;
        EXPECT_NE(nullptr, pButton->m_bitmap.m_hObject) << nID;
    }
    // Made windows move with the bar as the others do.
    for (CWnd* pDlg : {(CWnd*)&panel, (CWnd*)&whole})
        pDlg->SetWindowPos(nullptr, 0, 0, rcClient.right + 200, rcClient.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (UINT nID : kPanelLitWindows)
        EXPECT_EQ(vorntest::RectText(vorntest::ChildRectIn(whole.m_hWnd, ::GetDlgItem(whole.m_hWnd, (int)nID))),
                  vorntest::RectText(vorntest::ChildRectIn(panel.m_hWnd, ::GetDlgItem(panel.m_hWnd, (int)nID))))
            << nID;
    whole.DestroyWindow();
}

// A lamp lit through the view gets its lit window made and shown, its unlit
// one hidden; the other lit windows are still not made.
TEST_F(FrameFixture, PanelLampLitThroughTheViewIsMadeAndShown)
{
    OpenFrame();
    CDynControlsDlgBar& panel = PanelOf(pFrame);
    ASSERT_EQ(nullptr, ::GetDlgItem(panel.m_hWnd, IDC_PANEL_MANON));
    g_pView->SendMessage(WM_MANUAL_INDICATOR_CHANGED, 1, 0);
    HWND hLit = ::GetDlgItem(panel.m_hWnd, IDC_PANEL_MANON);
    ASSERT_NE(nullptr, hLit);
    EXPECT_TRUE(StyleVisible(hLit));
    EXPECT_FALSE(StyleVisible(::GetDlgItem(panel.m_hWnd, IDC_PANEL_MANOFF)));
    for (UINT nID : {IDC_PANEL_SYSON, IDC_PANEL_WAITON, IDC_PANEL_LOADON, IDC_PANEL_POWERONON})
        EXPECT_EQ(nullptr, ::GetDlgItem(panel.m_hWnd, (int)nID)) << nID;
    g_pView->SendMessage(WM_MANUAL_INDICATOR_CHANGED, 0, 0);
    EXPECT_FALSE(StyleVisible(hLit));
    EXPECT_TRUE(StyleVisible(::GetDlgItem(panel.m_hWnd, IDC_PANEL_MANOFF)));
}
