// DockingTest.cpp: the docking layer under Wine: a frame with dock bars on
// its sides, plain bars docked, hidden, floated and docked again by mouse
// messages, and the layout saved and restored across a new frame.
#include <gtest/gtest.h>

#include <memory>

#include "platform/Afx.h"
#include "platform/CControlBar.h"
#include "platform/CDockBar.h"
#include "platform/CDockContext.h"
#include "platform/CMiniDockFrameWnd.h"
#include "platform/ProfileStore.h"
#include "tests/support/PumpMessages.h"
#include "tests/support/ScopedIniStore.h"

namespace {

const UINT kTopBar = 0xE850, kLeftBar = 0xE851, kOtherBar = 0xE852;
const char* kIni = "docking_tests.ini";
const char* kProfile = "BarsState\\BarsState";

// A frame at a known place with three plain bars docked by default:
// two in the top row's first and second row, one on the left.
struct DockFrame {
    CFrameWnd* pFrame = new CFrameWnd;
    CControlBar top, left, other;

    DockFrame()
    {
        pFrame->CreateEx(0, nullptr, "Docking", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40, 800, 600, nullptr,
                         nullptr);
        top.Create(pFrame, WS_VISIBLE | CBRS_TOP, kTopBar, CSize(200, 24));
        left.Create(pFrame, WS_VISIBLE | CBRS_LEFT, kLeftBar, CSize(120, 60));
        other.Create(pFrame, WS_VISIBLE | CBRS_TOP, kOtherBar, CSize(150, 30));
        top.SetWindowText("Top bar");
        for (CControlBar* p : {&top, &left, &other})
            p->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(&top, AFX_IDW_DOCKBAR_TOP);
        pFrame->DockControlBar(&other, AFX_IDW_DOCKBAR_TOP);
        pFrame->DockControlBar(&left, AFX_IDW_DOCKBAR_LEFT);
        pFrame->ShowWindow(SW_SHOWNA);
        pFrame->RecalcLayout();
    }
    ~DockFrame()
    {
        if (::IsWindow(pFrame->m_hWnd))
            pFrame->DestroyWindow();  // deletes the frame
    }
    CDockBar* Side(UINT nID) { return DYNAMIC_DOWNCAST(CDockBar, pFrame->GetControlBar(nID)); }
    CRect ClientRectOf(CWnd* p)
    {
        CRect rc;
        p->GetWindowRect(&rc);
        pFrame->ScreenToClient(&rc);
        return rc;
    }
};

LPARAM ClientPoint(CWnd* p, CPoint ptScreen)
{
    p->ScreenToClient(&ptScreen);
    return MAKELPARAM(ptScreen.x, ptScreen.y);
}

// Presses on the bar at (5, 5), drags to ptScreen and releases there.
void DragBarTo(CControlBar& bar, CPoint ptScreen)
{
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    CPoint ptStart(5, 5);
    bar.ClientToScreen(&ptStart);
    CPoint ptMid((ptStart.x + ptScreen.x) / 2, (ptStart.y + ptScreen.y) / 2);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(&bar, ptMid));
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(&bar, ptScreen));
    bar.SendMessage(WM_LBUTTONUP, 0, ClientPoint(&bar, ptScreen));
    vorntest::PumpMessages();
}

struct DockingTest : ::testing::Test {
    vorntest::ScopedIniStore store{kIni};
};

}  // namespace

TEST_F(DockingTest, SidesAndRowsAreLaidOut)
{
    DockFrame f;
    CDockBar* pTop = f.Side(AFX_IDW_DOCKBAR_TOP);
    CDockBar* pLeft = f.Side(AFX_IDW_DOCKBAR_LEFT);
    ASSERT_TRUE(pTop && pLeft && f.Side(AFX_IDW_DOCKBAR_BOTTOM) && f.Side(AFX_IDW_DOCKBAR_RIGHT));
    // Two rows on top, one on the left: the top side spans the frame, the left side what is below.
    EXPECT_EQ(DockListEntries(pTop->m_arrBars), (std::vector<void*>{nullptr, &f.top, nullptr, &f.other}));
    CRect rcClient;
    f.pFrame->GetClientRect(&rcClient);
    CRect rcTop = f.ClientRectOf(pTop), rcLeft = f.ClientRectOf(pLeft);
    EXPECT_EQ(rcTop, CRect(0, 0, rcClient.right, 54));
    EXPECT_EQ(rcLeft, CRect(0, 54, 60, rcClient.bottom));  // a left bar turns: 60 wide, 120 long
    EXPECT_EQ(f.ClientRectOf(&f.other).top, 24);
    EXPECT_EQ(f.top.GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_TOP);
    EXPECT_EQ(f.left.GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_LEFT);
    EXPECT_EQ(f.pFrame->GetControlBar(kLeftBar), &f.left);
}

TEST_F(DockingTest, HiddenBarKeepsItsPlaceAndTakesNoRoom)
{
    DockFrame f;
    f.pFrame->ShowControlBar(&f.top, FALSE, FALSE);
    EXPECT_FALSE(f.top.IsWindowVisible());
    EXPECT_EQ(f.Side(AFX_IDW_DOCKBAR_TOP)->FindBar(&f.top), 1);
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_TOP)).Height(), 30);
    f.pFrame->ShowControlBar(&f.top, TRUE, TRUE);  // delayed: waits for the idle layout
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_TOP)).Height(), 30);
    f.pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_TRUE(f.top.IsWindowVisible());
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_TOP)).Height(), 54);
}

// A batch of dockings held together is laid out once, at the release.
TEST_F(DockingTest, HeldLayoutWaitsForTheRelease)
{
    DockFrame f;
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_TOP)).Height(), 54);
    f.pFrame->HoldLayout(true);
    f.pFrame->HoldLayout(true);
    f.pFrame->DockControlBar(&f.left, AFX_IDW_DOCKBAR_TOP);
    f.pFrame->RecalcLayout();
    EXPECT_EQ(f.left.m_pDockBar, f.Side(AFX_IDW_DOCKBAR_TOP));
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_TOP)).Height(), 54);  // not laid out yet
    f.pFrame->HoldLayout(false);
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_TOP)).Height(), 54);  // still held once
    f.pFrame->HoldLayout(false);
    EXPECT_GT(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_TOP)).Height(), 54);
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_LEFT)).Width(), 0);
}

TEST_F(DockingTest, DragFloatsAndDragsBackDocks)
{
    DockFrame f;
    CRect rcFrame;
    f.pFrame->GetWindowRect(&rcFrame);
    DragBarTo(f.left, rcFrame.CenterPoint());
    ASSERT_TRUE(f.left.IsFloating());
    CMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, f.left.GetDockingFrame());
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(pMini->m_wndDockBar.GetDlgCtrlID(), AFX_IDW_DOCKBAR_FLOAT);
    EXPECT_EQ(::GetWindow(pMini->m_hWnd, GW_OWNER), f.pFrame->m_hWnd);
    EXPECT_TRUE(pMini->IsWindowVisible());
    // The left side keeps a placeholder and takes no room.
    EXPECT_GE(f.Side(AFX_IDW_DOCKBAR_LEFT)->FindBar(DockPlaceholderFor(kLeftBar)), 0);
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_LEFT)).Width(), 0);
    EXPECT_EQ(f.ClientRectOf(&f.left).Size(), CSize(120, 60));  // floating: lying down again

    // Drag the floating frame by its caption to the bottom edge of the frame.
    CRect rcMini;
    pMini->GetWindowRect(&rcMini);
    CPoint ptCaption(rcMini.left + 30, rcMini.top + 5);
    pMini->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptCaption.x, ptCaption.y));
    ASSERT_TRUE(f.left.m_pDockContext->IsTracking());
    CRect rcClient;
    f.pFrame->GetClientRect(&rcClient);
    f.pFrame->ClientToScreen(&rcClient);
    CPoint ptDrop(rcClient.left + 300, rcClient.bottom - 5);
    f.left.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(&f.left, ptDrop));
    f.left.SendMessage(WM_LBUTTONUP, 0, ClientPoint(&f.left, ptDrop));
    vorntest::PumpMessages();
    EXPECT_FALSE(f.left.IsFloating());
    EXPECT_EQ(f.left.m_pDockBar, f.Side(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_EQ(f.left.GetBarStyle() & CBRS_ALIGN_ANY, (DWORD)CBRS_ALIGN_BOTTOM);
    EXPECT_LT(f.Side(AFX_IDW_DOCKBAR_LEFT)->FindBar(DockPlaceholderFor(kLeftBar)), 0);
    EXPECT_FALSE(::IsWindow(pMini->m_hWnd ? pMini->m_hWnd : nullptr));  // the empty frame went
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_BOTTOM)).Height(), 60);
}

TEST_F(DockingTest, ClickWithoutMovingChangesNothing)
{
    DockFrame f;
    CRect before = f.ClientRectOf(&f.top);
    f.top.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    f.top.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(6, 5));
    EXPECT_FALSE(f.top.IsFloating());
    EXPECT_EQ(f.ClientRectOf(&f.top), before);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(DockingTest, CaptureLostCancelsTheDrag)
{
    DockFrame f;
    f.top.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(f.top.m_pDockContext->IsTracking());
    ::ReleaseCapture();
    EXPECT_FALSE(f.top.m_pDockContext->IsTracking());
    EXPECT_FALSE(f.top.IsFloating());
}

TEST_F(DockingTest, DoubleClickTogglesBetweenDockedAndFloating)
{
    DockFrame f;
    f.other.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(f.other.IsFloating());
    f.other.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    vorntest::PumpMessages();
    EXPECT_FALSE(f.other.IsFloating());
    EXPECT_EQ(f.other.m_pDockBar, f.Side(AFX_IDW_DOCKBAR_TOP));
}

// The user's close of the floating frame (its caption's button, Alt+F4)
// hides the bar; another program's WM_CLOSE (taskkill's) leaves it.
TEST_F(DockingTest, ClosingTheFloatingFrameHidesTheBar)
{
    DockFrame f;
    f.pFrame->FloatControlBar(&f.other, CPoint(300, 300));
    CFrameWnd* pMini = f.other.GetDockingFrame();
    ASSERT_NE(pMini, f.pFrame);
    pMini->SendMessage(WM_CLOSE);
    EXPECT_TRUE(f.other.IsWindowVisible());
    pMini->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_FALSE(f.other.IsWindowVisible());
    EXPECT_FALSE(pMini->IsWindowVisible());
    f.pFrame->ShowControlBar(&f.other, TRUE, FALSE);
    EXPECT_TRUE(pMini->IsWindowVisible());
}

TEST_F(DockingTest, LayoutIsSavedAndRestoredInANewFrame)
{
    CRect rcFloat;
    {
        DockFrame f;
        f.pFrame->DockControlBar(&f.other, AFX_IDW_DOCKBAR_RIGHT);
        f.pFrame->FloatControlBar(&f.top, CPoint(500, 400));
        f.pFrame->ShowControlBar(&f.left, FALSE, FALSE);
        f.top.GetDockingFrame()->GetWindowRect(&rcFloat);
        f.pFrame->SaveBarState(kProfile);
    }
    EXPECT_EQ(ProfileGetInt("BarsState\\BarsState-Summary", "Bars", 0), 7u);  // three bars, four sides
    DockFrame g;
    ASSERT_TRUE(VerifyBarState(g.pFrame, kProfile));
    EXPECT_TRUE(g.pFrame->LoadBarState(kProfile));
    vorntest::PumpMessages();
    EXPECT_EQ(g.other.m_pDockBar, g.Side(AFX_IDW_DOCKBAR_RIGHT));
    EXPECT_TRUE(g.top.IsFloating());
    CRect rc;
    g.top.GetDockingFrame()->GetWindowRect(&rc);
    EXPECT_EQ(rc.TopLeft(), rcFloat.TopLeft());
    EXPECT_FALSE(g.left.IsWindowVisible());
    EXPECT_EQ(g.left.m_pDockBar, g.Side(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(g.Side(AFX_IDW_DOCKBAR_TOP)->GetDockedCount(), 0);
}

TEST_F(DockingTest, LayoutOfOtherBarsIsRefusedAndTheDefaultStays)
{
    {
        DockFrame f;
        f.pFrame->FloatControlBar(&f.top, CPoint(500, 400));
        f.pFrame->SaveBarState(kProfile);
    }
    // A later program has no bar kOtherBar any more: the saved layout does not fit.
    ProfileWriteInt("BarsState\\BarsState-Bar0", "BarID", 0xE899);
    DockFrame g;
    EXPECT_FALSE(VerifyBarState(g.pFrame, kProfile));
    EXPECT_FALSE(g.pFrame->LoadBarState(kProfile));
    EXPECT_FALSE(g.top.IsFloating());
    EXPECT_EQ(g.top.m_pDockBar, g.Side(AFX_IDW_DOCKBAR_TOP));
}

TEST_F(DockingTest, FloatingFrameSavedOffScreenComesBack)
{
    {
        DockFrame f;
        f.pFrame->FloatControlBar(&f.top, CPoint(500, 400));
        f.pFrame->SaveBarState(kProfile);
    }
    for (int i = 0; i < 7; i++) {
        CString section;
        section.Format("%s-Bar%d", kProfile, i);
        if (ProfileGetInt(section, "BarID", 0) == kTopBar) {
            ProfileWriteInt(section, "XPos", 30000);
            ProfileWriteInt(section, "YPos", -30000);
        }
    }
    DockFrame g;
    g.pFrame->LoadBarState(kProfile);
    ASSERT_TRUE(g.top.IsFloating());
    CRect rc;
    g.top.GetDockingFrame()->GetWindowRect(&rc);
    EXPECT_LT(rc.left, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_GE(rc.top, ::GetSystemMetrics(SM_YVIRTUALSCREEN));
}

TEST_F(DockingTest, BarsLeaveTheFrameListWhenDestroyed)
{
    DockFrame f;
    size_t n = f.pFrame->m_listControlBars.size();
    f.other.DestroyWindow();
    EXPECT_EQ(f.pFrame->m_listControlBars.size(), n - 1);
    EXPECT_LT(f.Side(AFX_IDW_DOCKBAR_TOP)->FindBar(&f.other), 0);
    f.pFrame->RecalcLayout();
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_TOP)).Height(), 24);
}

TEST_F(DockingTest, ViewMenuTogglesABarAndChecksItsItem)
{
    DockFrame f;
    struct CheckUI : CCmdUI {
        int nCheck = -1;
        void SetCheck(int n) override { nCheck = n; }
    } ui;
    ui.m_nID = kTopBar;
    f.pFrame->OnUpdateControlBarMenu(&ui);
    EXPECT_EQ(ui.nCheck, 1);
    EXPECT_TRUE(f.pFrame->OnBarCheck(kTopBar));
    EXPECT_FALSE(f.top.IsWindowVisible());
    f.pFrame->OnUpdateControlBarMenu(&ui);
    EXPECT_EQ(ui.nCheck, 0);
    EXPECT_FALSE(f.pFrame->OnBarCheck(0xE8F0));  // no such bar: the command goes on
}

TEST_F(DockingTest, BarMissingFromItsDockBarsListIsSkipped)
{
    DockFrame f;
    CDockBar* pTop = f.Side(AFX_IDW_DOCKBAR_TOP);
    pTop->m_arrBars.RemoveAt(pTop->FindBar(&f.top));  // the list and the bar disagree
    f.pFrame->RecalcLayout();
    f.pFrame->ShowControlBar(&f.top, FALSE, FALSE);
    f.pFrame->ShowControlBar(&f.top, TRUE, FALSE);
    EXPECT_FALSE(pTop->RemoveControlBar(&f.top, TRUE));
    f.pFrame->DockControlBar(&f.top, AFX_IDW_DOCKBAR_BOTTOM);  // docking again repairs it
    EXPECT_EQ(f.top.m_pDockBar, f.Side(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_EQ(f.ClientRectOf(f.Side(AFX_IDW_DOCKBAR_BOTTOM)).Height(), 24);
}

namespace {

// Counts the position changes the bars are asked for on this thread.
int g_nBarMoves = 0;
HWND g_hBars[3] = {};

LRESULT CALLBACK CountBarMoves(int nCode, WPARAM wp, LPARAM lp)
{
    const CWPSTRUCT* p = (const CWPSTRUCT*)lp;
    if (nCode == HC_ACTION && p->message == WM_WINDOWPOSCHANGING)
        for (HWND h : g_hBars)
            g_nBarMoves += p->hwnd == h;
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

}  // namespace

// Restoring the layout a frame already has (the program restores before
// and after it places its window) moves no bar beyond what a layout does.
TEST_F(DockingTest, RestoringTheLayoutInPlaceMovesNoBar)
{
    {
        DockFrame f;
        f.pFrame->DockControlBar(&f.other, AFX_IDW_DOCKBAR_RIGHT);
        f.pFrame->ShowControlBar(&f.left, FALSE, FALSE);
        f.pFrame->SaveBarState(kProfile);
    }
    DockFrame g;
    g.pFrame->LoadBarState(kProfile);
    vorntest::PumpMessages();
    CRect rcBefore[3] = {g.ClientRectOf(&g.top), g.ClientRectOf(&g.left), g.ClientRectOf(&g.other)};
    g_hBars[0] = g.top.m_hWnd;
    g_hBars[1] = g.left.m_hWnd;
    g_hBars[2] = g.other.m_hWnd;
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, CountBarMoves, nullptr, ::GetCurrentThreadId());
    ASSERT_NE(nullptr, hHook);
    g_nBarMoves = 0;
    g.pFrame->RecalcLayout();
    int nLayoutMoves = g_nBarMoves;
    g_nBarMoves = 0;
    g.pFrame->LoadBarState(kProfile);
    int nRestoreMoves = g_nBarMoves;
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(nLayoutMoves, nRestoreMoves);
    CRect rcAfter[3] = {g.ClientRectOf(&g.top), g.ClientRectOf(&g.left), g.ClientRectOf(&g.other)};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rcBefore[i], rcAfter[i]) << i;
    EXPECT_EQ(g.other.m_pDockBar, g.Side(AFX_IDW_DOCKBAR_RIGHT));
    EXPECT_FALSE(g.left.IsWindowVisible());
}

// A bar made straight into a dock bar belongs to the dock bar's frame: the
// frame finds it, docking it there keeps its window where it is, and it is
// laid out, floated and docked again as a bar made on the frame.
TEST_F(DockingTest, BarMadeInItsDockBarDocksAsOneMadeOnTheFrame)
{
    DockFrame f;
    CDockBar* pTop = f.Side(AFX_IDW_DOCKBAR_TOP);
    CControlBar inDock;
    const UINT kInDockBar = 0xE853;
    ASSERT_TRUE(inDock.Create(pTop, WS_VISIBLE | CBRS_TOP, kInDockBar, CSize(180, 20)));
    inDock.EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_EQ(inDock.m_pDockSite, f.pFrame);
    EXPECT_EQ(f.pFrame->GetControlBar(kInDockBar), &inDock);
    EXPECT_EQ(inDock.m_pDockBar, nullptr);  // made there, not docked yet
    HWND hParent = inDock.GetParent()->m_hWnd;
    f.pFrame->DockControlBar(&inDock, AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(inDock.GetParent()->m_hWnd, hParent);
    EXPECT_EQ(inDock.m_pDockBar, pTop);
    EXPECT_EQ(DockListEntries(pTop->m_arrBars),
              (std::vector<void*>{nullptr, &f.top, nullptr, &f.other, nullptr, &inDock}));
    EXPECT_EQ(f.ClientRectOf(&inDock), CRect(0, 54, 180, 74));
    EXPECT_EQ(f.ClientRectOf(pTop).Height(), 74);
    // Floated, it leaves a placeholder; docked again, it takes its row back.
    f.pFrame->FloatControlBar(&inDock, CPoint(300, 300));
    ASSERT_TRUE(inDock.IsFloating());
    EXPECT_EQ(f.ClientRectOf(pTop).Height(), 54);
    f.pFrame->DockControlBar(&inDock, AFX_IDW_DOCKBAR_TOP);
    vorntest::PumpMessages();
    EXPECT_FALSE(inDock.IsFloating());
    EXPECT_EQ(inDock.GetParent()->m_hWnd, pTop->m_hWnd);
    EXPECT_EQ(f.ClientRectOf(pTop).Height(), 74);
    inDock.DestroyWindow();
    EXPECT_EQ(f.pFrame->GetControlBar(kInDockBar), nullptr);
}

// Docked again, a floated bar went into another bar's row or another row:
// it goes back into the row and place it left, by double click or the
// dock context's toggle, after other bars came and went meanwhile, the
// frame moved, and after a restart.
TEST_F(DockingTest, FloatedBarDocksBackIntoTheRowAndPlaceItLeft)
{
    {
        DockFrame f;
        CDockBar* pTop = f.Side(AFX_IDW_DOCKBAR_TOP);
        f.pFrame->DockControlBar(&f.left, AFX_IDW_DOCKBAR_TOP);  // a third row: top, other, left
        CRect rcOther = f.ClientRectOf(&f.other);
        f.other.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        ASSERT_TRUE(f.other.IsFloating());
        // Meanwhile the first row goes and the frame moves.
        f.pFrame->ShowControlBar(&f.top, FALSE, FALSE);
        f.pFrame->SetWindowPos(nullptr, 90, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        f.other.m_pDockContext->ToggleDocking();
        vorntest::PumpMessages();
        EXPECT_EQ(DockListEntries(pTop->m_arrBars),
                  (std::vector<void*>{nullptr, &f.top, nullptr, &f.other, nullptr, &f.left}));
        f.pFrame->ShowControlBar(&f.top, TRUE, FALSE);
        EXPECT_EQ(f.ClientRectOf(&f.other), rcOther);
        f.pFrame->FloatControlBar(&f.other, CPoint(500, 400));
        f.pFrame->SaveBarState(kProfile);
    }
    DockFrame g;
    g.pFrame->DockControlBar(&g.left, AFX_IDW_DOCKBAR_TOP);
    ASSERT_TRUE(g.pFrame->LoadBarState(kProfile));
    ASSERT_TRUE(g.other.IsFloating());
    g.other.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    vorntest::PumpMessages();
    EXPECT_EQ(DockListEntries(g.Side(AFX_IDW_DOCKBAR_TOP)->m_arrBars),
              (std::vector<void*>{nullptr, &g.top, nullptr, &g.other, nullptr, &g.left}));
}
