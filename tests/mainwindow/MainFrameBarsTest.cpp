// MainFrameBarsTest.cpp: the room of the main window's docked bars: however
// many bars are shown, docked bars never overlap one another, each keeps at
// least its caption in view inside the client area, and the console keeps
// its lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "mainwindow/DynDisplayAlterDlgBar.h"
#include "platform/CDockBar.h"
#include "platform/CDockContext.h"
#include "tests/support/TextFits.h"
#include "tests/mainwindow/BarCuts.h"
#include "tests/mainwindow/BarLayoutFixture.h"
#include "tests/mainwindow/FrameFixture.h"

namespace {

// The part of a docked bar the user can see: its window clipped by its dock bar's.
RECT VisibleRect(CControlBar* pBar)
{
    RECT rcBar, rcDock, rc;
    pBar->GetWindowRect(&rcBar);
    pBar->m_pDockBar->GetWindowRect(&rcDock);
    if (!::IntersectRect(&rc, &rcBar, &rcDock))
        ::SetRectEmpty(&rc);
    return rc;
}

// True when a point of rc (screen) hits the bar's caption button nHit
// (HTCLOSE, HTHELP): the buttons are 11 pixels wide, so a 5-pixel grid finds them.
bool ButtonInView(CControlBar* pBar, const RECT& rc, LRESULT nHit)
{
    for (int y = rc.top; y < rc.bottom; y += 5)
        for (int x = rc.left; x < rc.right; x += 5)
            if (pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(x, y)) == nHit)
                return true;
    return false;
}

std::string Text(const RECT& rc)
{
    return "(" + std::to_string(rc.left) + "," + std::to_string(rc.top) + "," + std::to_string(rc.right) + "," +
           std::to_string(rc.bottom) + ")";
}

struct BarsCase {
    const char* pszName;
    int cx, cy;  // the frame's size (the first start's on a 1280 x 1000 desktop is 960 x 750)
    std::vector<UINT> viewCommands;  // the bars shown on top of the first start's
};

const std::vector<UINT> kFourRegisterBars = {ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR, ID_VIEW_GREGS64_BAR,
                                             ID_VIEW_VREGS_BAR};
const std::vector<UINT> kEveryHiddenBar = {
    ID_VIEW_STATUSLINE_BAR, ID_VIEW_GREGS_BAR,   ID_VIEW_CREGS_BAR,   ID_VIEW_AREGS_BAR,
    ID_VIEW_FREGS_BAR,      ID_VIEW_GREGS64_BAR, ID_VIEW_CREGS64_BAR, ID_VIEW_FREGS64_BAR,
    ID_VIEW_VREGS_BAR,      ID_VIEW_STORAGE_BAR};

}  // namespace

// The 32-bit general and control, 64-bit general and vector register bars
// in the first start's window left the console no height, hid the Percent
// and Device List bars, and the vector bar covered the command line. In a
// small window (565 x 424) the control panel became a 20-pixel sliver while
// the left column kept its bars whole and the Device List vanished: the side
// columns, then the other rows, give way before the control panel and the
// command line.
TEST_F(FrameFixture, DockedBarsNeverOverlapAndTheConsoleKeepsItsLines)
{
    const BarsCase cases[] = {
        {"four register bars", 960, 750, kFourRegisterBars},
        {"every bar", 960, 750, kEveryHiddenBar},
        {"every bar, narrow window", 720, 750, kEveryHiddenBar},
        {"four register bars and storage, small window", 700, 640,
         {ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR, ID_VIEW_GREGS64_BAR, ID_VIEW_VREGS_BAR, ID_VIEW_STORAGE_BAR}},
        {"first start's bars, 565 x 424", 565, 424, {}},
        {"storage, 565 x 424", 565, 424, {ID_VIEW_STORAGE_BAR}},
        {"storage, 565 x 410", 565, 410, {ID_VIEW_STORAGE_BAR}},
        {"status line, two register bars and storage, 600 x 520", 600, 520,
         {ID_VIEW_STATUSLINE_BAR, ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR, ID_VIEW_STORAGE_BAR}},
    };
    for (const BarsCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        OpenFrame();
        pFrame->MoveWindow(0, 0, c.cx, c.cy);
        for (UINT nCmd : c.viewCommands)
            pFrame->SendMessage(WM_COMMAND, nCmd);
        Pump();
        theApp.OnIdle(0);  // the loop's idle step: the delayed layouts
        Pump();

        RECT rcClient;
        pFrame->GetClientRect(&rcClient);
        ::MapWindowPoints(pFrame->m_hWnd, nullptr, (POINT*)&rcClient, 2);
        RECT rcStatus;
        pFrame->m_wndStatusBar.GetWindowRect(&rcStatus);
        rcClient.bottom = rcStatus.top;
        std::vector<CControlBar*> bars;
        std::vector<const char*> titles;
        std::vector<RECT> shown;
        for (int i = 0; i < kMainBarCount; i++) {
            CControlBar* pBar = pFrame->GetMainBar(i);
            if (!(pBar->GetStyle() & WS_VISIBLE))
                continue;
            ASSERT_FALSE(pBar->IsFloating()) << kMainBars[i].pszTitle;
            RECT rcDock, rcIn;
            pBar->m_pDockBar->GetWindowRect(&rcDock);
            EXPECT_TRUE(::IntersectRect(&rcIn, &rcDock, &rcClient) && ::EqualRect(&rcIn, &rcDock))
                << kMainBars[i].pszTitle << "'s dock bar " << Text(rcDock) << " outside " << Text(rcClient);
            // The caption with its close and help buttons stays in view.
            RECT rc = VisibleRect(pBar);
            EXPECT_TRUE(ButtonInView(pBar, rc, HTCLOSE)) << kMainBars[i].pszTitle << " " << Text(rc);
            EXPECT_TRUE(ButtonInView(pBar, rc, HTHELP)) << kMainBars[i].pszTitle << " " << Text(rc);
            bars.push_back(pBar);
            titles.push_back(kMainBars[i].pszTitle);
            shown.push_back(rc);
        }
        // Neighbours in one row share their two-pixel borders, nothing more.
        for (size_t a = 0; a < bars.size(); a++) {
            for (size_t b = a + 1; b < bars.size(); b++) {
                RECT rc;
                if (!::IntersectRect(&rc, &shown[a], &shown[b]))
                    continue;
                bool bBorder = bars[a]->m_pDockBar == bars[b]->m_pDockBar &&
                               std::min(rc.right - rc.left, rc.bottom - rc.top) <= 2;
                EXPECT_TRUE(bBorder) << titles[a] << " " << Text(shown[a]) << " and "
                                     << titles[b] << " " << Text(shown[b]);
            }
        }
        // The control panel and the command line are never cut.
        for (int i : {2, 3}) {  // the control panel and the command line
            RECT rcWhole;
            pFrame->GetMainBar(i)->GetWindowRect(&rcWhole);
            EXPECT_EQ(rcWhole.bottom - rcWhole.top, pFrame->GetMainBar(i)->GetDockedSize(TRUE).cy)
                << kMainBars[i].pszTitle;
        }
        // The console: eight lines, clear of every bar.
        RECT rcView;
        g_pView->GetWindowRect(&rcView);
        RECT rcViewClient;
        g_pView->GetClientRect(&rcViewClient);
        EXPECT_GE(rcViewClient.bottom, 8 * g_pView->GetLineHeight()) << Text(rcView);
        for (size_t a = 0; a < bars.size(); a++) {
            RECT rc;
            EXPECT_FALSE(::IntersectRect(&rc, &shown[a], &rcView))
                << titles[a] << " " << Text(shown[a]) << " over the console " << Text(rcView);
        }
        pFrame->SendMessage(WM_CLOSE);
        Pump();
        ASSERT_FALSE(FrameAlive());
        ProfileWriteInt("BarsState\\BarsState-Summary", "Bars", 0);  // the next case starts afresh
    }
}

// Rows cut for a small window get their whole height back when the window
// grows: nothing of the cut is kept.
TEST_F(FrameFixture, CutRowsGrowBackWithTheWindow)
{
    OpenFrame();
    for (UINT nCmd : kFourRegisterBars)
        pFrame->SendMessage(WM_COMMAND, nCmd);
    pFrame->MoveWindow(0, 0, 900, 600);
    Pump();
    theApp.OnIdle(0);
    Pump();
    const int kVRegs = 11;
    cdxCDynamicBar* pVector = pFrame->GetMainBar(kVRegs);
    RECT rc;
    pVector->GetWindowRect(&rc);
    const int nWhole = pVector->GetDockedSize(TRUE).cy;
    EXPECT_LT(rc.bottom - rc.top, nWhole) << "cut in the small window";
    // A taller window (as tall as the test's desktop allows) with fewer bars.
    for (UINT nCmd : {ID_VIEW_CONTROLS_BAR, ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR, ID_VIEW_GREGS64_BAR})
        pFrame->SendMessage(WM_COMMAND, nCmd);
    pFrame->MoveWindow(0, 0, 900, 740);
    Pump();
    theApp.OnIdle(0);
    Pump();
    for (int i = 0; i < kMainBarCount; i++) {
        cdxCDynamicBar* pBar = pFrame->GetMainBar(i);
        if (!(pBar->GetStyle() & WS_VISIBLE) || !pBar->IsDockedHorizontally())
            continue;
        pBar->GetWindowRect(&rc);
        EXPECT_EQ(rc.bottom - rc.top, pBar->GetDockedSize(TRUE).cy) << kMainBars[i].pszTitle;
    }
}

namespace {

const int kDevList = 0, kStorage = 12, kCpuPct = 13;

// The bar's hosted dialog is at least as wide as its template: nothing of
// its designed row is cut.
void ExpectDialogWidth(cdxCDynamicBar* pBar, const char* pszWhere)
{
    RECT rc;
    pBar->m_pDlg->GetClientRect(&rc);
    EXPECT_GE(rc.right, pBar->m_pDlg->m_szInitial.cx) << pszWhere;
}

}  // namespace

// Docked in the left column at the first start the Display/Alter and Device
// List bars had a fifth of the window's width (the hex view one word a
// row), and floated the Display/Alter bar came out 194 x 177: the bars that
// dock anywhere keep their dialogs' width and a floating size of their own.
TEST_F(FrameFixture, AnySideBarsKeepTheirLeastSizesDockedAndFloating)
{
    OpenFrame();
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STORAGE_BAR);
    Pump();
    theApp.OnIdle(0);
    Pump();
    for (int i : {kDevList, kStorage, kCpuPct}) {
        cdxCDynamicBar* pBar = pFrame->GetMainBar(i);
        ASSERT_TRUE(pBar->IsDockedVertically()) << kMainBars[i].pszTitle;
        RECT rc;
        pBar->GetWindowRect(&rc);
        CSize minSize = pBar->GetMinDockedSize(FALSE);
        EXPECT_GE(rc.right - rc.left, minSize.cx) << kMainBars[i].pszTitle;
        EXPECT_GE(rc.bottom - rc.top, minSize.cy) << kMainBars[i].pszTitle;
        ExpectDialogWidth(pBar, kMainBars[i].pszTitle);
    }
    CDynDisplayAlterDlgBar& storage = pFrame->m_wndStorageBar.m_dlg;
    EXPECT_GE(storage.HexEdit().GetLayout().nBytesPerRow, 8u) << "docked";
    // The address field holds a 64-bit address whole.
    EXPECT_EQ("", vorntest::EditClips(::GetDlgItem(storage.m_hWnd, IDC_STORAGE_ADDRESS), "00000001FFFFFFFF"));

    // Floated for the first time: at least the bar's least floating size,
    // whatever its docked size was.
    pFrame->SendMessage(WM_COMMAND, ID_FLOAT_STORAGE_BAR);
    Pump();
    theApp.OnIdle(0);
    Pump();
    cdxCDynamicBar* pBar = pFrame->GetMainBar(kStorage);
    ASSERT_TRUE(pBar->IsFloating());
    RECT rc;
    pBar->GetWindowRect(&rc);
    CSize minFloat = pBar->GetMinFloatingSize();
    EXPECT_GE(rc.right - rc.left, minFloat.cx);
    EXPECT_GE(rc.bottom - rc.top, minFloat.cy);
    ExpectDialogWidth(pBar, "floating");
    EXPECT_GE(storage.HexEdit().GetLayout().nBytesPerRow, 8u) << "floating";
    // A size below the least is refused, as the floating frame's sizing asks.
    CSize size = pBar->SetFloatingSize(194, 177);
    EXPECT_EQ(size.cx, std::max(194L, (long)minFloat.cx));
    EXPECT_EQ(size.cy, std::max(177L, (long)minFloat.cy));
    EXPECT_GT(minFloat.cx, 194);
}

// A saved layout that does not fit the bars (a later version's, with a bar
// this one lacks) is left alone, with the sizes saved beside it: the bars
// stay in their default places at their own sizes.
TEST_F(FrameFixture, ALayoutOfOtherBarsLeavesTheDefaultPlacesAndSizes)
{
    OpenFrame();
    const int kDevList = 0, kControls = 2;
    const int cxDevList = pFrame->GetMainBar(kDevList)->GetDockedSize(FALSE).cx;
    pFrame->SendMessage(WM_CLOSE);
    Pump();
    ASSERT_FALSE(FrameAlive());
    ProfileWriteInt("BarsState\\BarsState-Bar0", "BarID", 0xE899);
    CString strSection;
    strSection.Format("BarsState\\BarsState-SCBar-%d", IDW_DEVLIST_BAR);
    ProfileWriteInt(strSection, "sizeVertCX", cxDevList + 150);

    OpenFrame();
    EXPECT_FALSE(theApp.m_bNoSavedBarState);
    cdxCDynamicBar* pDevList = pFrame->GetMainBar(kDevList);
    ASSERT_NE(pDevList->m_pDockBar, nullptr);
    EXPECT_EQ(pDevList->m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_LEFT);
    EXPECT_NE(pDevList->GetDockedSize(FALSE).cx, cxDevList + 150);
    RECT rc;
    pDevList->GetWindowRect(&rc);
    EXPECT_LT(rc.right - rc.left, cxDevList + 150);
    ASSERT_NE(pFrame->GetMainBar(kControls)->m_pDockBar, nullptr);
    EXPECT_EQ(pFrame->GetMainBar(kControls)->m_pDockBar->GetDlgCtrlID(), AFX_IDW_DOCKBAR_TOP);
    EXPECT_TRUE(BarVisible(kDevList));
    EXPECT_TRUE(BarVisible(kControls));
}

namespace {

const int kControls = 2, kCmdLine = 3, kGRegs = 4, kCRegs = 5, kStatusLine = 1;

}  // namespace

// Docked again, the 32-bit general registers went into the control
// registers' row, the control panel from the top row to the third, Percent
// Utilization below the Device List; floated out of the row they shared,
// the general or control registers docked back as a row of their own, at
// the top and at the bottom: a bar floated and docked again, by its menu's
// Dock or a double click on its caption, is back in its dock bar, row and
// place, and nothing else has moved.
TEST_F(BarLayoutFixture, FloatedBarDocksBackWhereItWasAndNothingElseMoves)
{
    OpenWithFourMoreBars();
    const struct {
        int nBar;
        bool bDoubleClick;
    } cases[] = {{kGRegs, false}, {kControls, false}, {kCpuPct, false}, {kStorage, false}, {kDevList, true},
                 {kCRegs, true},  {kStatusLine, true}, {kCmdLine, false}, {kCpuPct, true},  {kGRegs, true},
                 {kCRegs, false}};
    for (const char* pszRow : {"", ", shared row at the top", ", shared row at the bottom"}) {
        RECT rc;
        pFrame->GetMainBar(kCmdLine)->GetWindowRect(&rc);
        if (std::strstr(pszRow, "bottom"))
            DragByCaption(pFrame->GetMainBar(kGRegs), CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
        if (*pszRow)
            DropInRowOf(pFrame->GetMainBar(kCRegs), pFrame->GetMainBar(kGRegs));
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(kMainBars[c.nBar].pszTitle) + (c.bDoubleClick ? ", double click" : ", menu") +
                         pszRow);
            cdxCDynamicBar* pBar = pFrame->GetMainBar(c.nBar);
            const std::string strBefore = Layout(pFrame);
            Command(kMainBars[c.nBar].nFloatCmd);
            ASSERT_TRUE(pBar->IsFloating());
            if (c.bDoubleClick) {
                pBar->GetWindowRect(&rc);
                CPoint pt(rc.left + 30, rc.top + 8);  // the floating bar's caption runs along its top
                pBar->ScreenToClient(&pt);
                pBar->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
                Settle();
            } else {
                Command(kMainBars[c.nBar].nDockCmd);
            }
            ASSERT_FALSE(pBar->IsFloating());
            EXPECT_EQ(strBefore, Layout(pFrame));
        }
    }
}

// Maximize and Restore moved height from the Device List to Display/Alter
// (240, then 162, then 100 pixels): after Restore every bar has its size again.
TEST_F(BarLayoutFixture, RestoreGivesEveryBarItsSizeBack)
{
    OpenWithFourMoreBars();
    const std::string strBefore = Layout(pFrame);
    for (int nCycle = 0; nCycle < 2; nCycle++) {
        pFrame->ShowWindow(SW_MAXIMIZE);
        Settle();
        ASSERT_TRUE(pFrame->IsZoomed());
        pFrame->ShowWindow(SW_RESTORE);
        Settle();
        EXPECT_EQ(strBefore, Layout(pFrame)) << "cycle " << nCycle;
    }
}

// A left-column bar hidden and shown again came back squeezed while the
// Device List kept the room it had got: every bar has its size again,
// whether the bar went by its View command or by its close button.
TEST_F(BarLayoutFixture, BarShownAgainTakesItsSizeAndTheOthersTheirs)
{
    OpenWithFourMoreBars();
    for (int i : {kCpuPct, kDevList, kStorage, kGRegs}) {
        SCOPED_TRACE(kMainBars[i].pszTitle);
        cdxCDynamicBar* pBar = pFrame->GetMainBar(i);
        const std::string strBefore = Layout(pFrame);
        Command(kMainBars[i].nViewCmd);
        ASSERT_FALSE(BarVisible(i));
        Command(kMainBars[i].nViewCmd);
        EXPECT_EQ(strBefore, Layout(pFrame)) << "View command";
        // Its close button: a press and a release on it.
        RECT rc;
        pBar->GetWindowRect(&rc);
        CPoint pt;
        bool bFound = false;
        for (pt.y = rc.top; pt.y < rc.bottom && !bFound; pt.y++)
            for (pt.x = rc.left; pt.x < rc.right && !bFound; pt.x++)
                bFound = pBar->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y)) == HTCLOSE;
        ASSERT_TRUE(bFound);
        pt.y--;
        pt.x--;
        pBar->SendMessage(WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(pt.x, pt.y));
        pBar->ScreenToClient(&pt);
        pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        Settle();
        ASSERT_FALSE(BarVisible(i));
        Command(kMainBars[i].nViewCmd);
        EXPECT_EQ(strBefore, Layout(pFrame)) << "close button";
    }
}

// Dropped on the left column, the Device List, Percent Utilization and
// Display/Alter docked full-width at the top or the bottom: a bar dropped
// with the cursor over a dock bar docks there, in the row and place under
// the cursor.
TEST_F(BarLayoutFixture, DroppedBarDocksWhereTheCursorIs)
{
    OpenWithFourMoreBars();
    const struct {
        int nBar, nOver;      // the bar dragged, the bar the cursor is dropped on
        bool bUpperPart;      // on that bar's upper or lower part
        bool bFloatFirst;     // dragged from a floating frame
        std::vector<int> left;  // the left column afterwards, from the top
    } cases[] = {
        {kStorage, kCpuPct, false, false, {kCpuPct, kStorage, kDevList}},
        {kCpuPct, kDevList, false, false, {kStorage, kDevList, kCpuPct}},
        {kDevList, kStorage, true, true, {kDevList, kStorage, kCpuPct}},
        {kStorage, kCpuPct, true, true, {kDevList, kStorage, kCpuPct}},
        {kCpuPct, kDevList, true, false, {kCpuPct, kDevList, kStorage}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(kMainBars[c.nBar].pszTitle) + " over " + kMainBars[c.nOver].pszTitle);
        cdxCDynamicBar* pBar = pFrame->GetMainBar(c.nBar);
        if (c.bFloatFirst)
            Command(kMainBars[c.nBar].nFloatCmd);
        RECT rc;
        pFrame->GetMainBar(c.nOver)->GetWindowRect(&rc);
        int nQuarter = (rc.bottom - rc.top) / 4;
        CPoint ptDrop((rc.left + rc.right) / 2, c.bUpperPart ? rc.top + nQuarter : rc.bottom - nQuarter);
        DragByCaption(pBar, ptDrop);
        ASSERT_FALSE(pBar->IsFloating());
        EXPECT_EQ(AFX_IDW_DOCKBAR_LEFT, pBar->m_pDockBar->GetDlgCtrlID());
        std::vector<int> left;
        const std::vector<std::vector<CControlBar*>> rows = pBar->m_pDockBar->GetRows();
        ASSERT_FALSE(rows.empty());
        for (CControlBar* p : rows[0])
            if (p->IsVisible())
                left.push_back(CMainFrame::FindMainBar((UINT)p->GetDlgCtrlID()));
        EXPECT_EQ(c.left, left);
    }
}

// After a shrink the control registers stayed at their caption beside the
// general registers and never got their length back, even maximised with
// 300 pixels of the row free: the bars of a row share its whole length at
// every layout, and a window made small and large again gives them their
// lengths back.
TEST_F(BarLayoutFixture, BarsSharingARowShareItsWholeLengthEveryTime)
{
    OpenWithFourMoreBars();
    cdxCDynamicBar* pGRegs = pFrame->GetMainBar(kGRegs);
    cdxCDynamicBar* pCRegs = pFrame->GetMainBar(kCRegs);
    DropInRowOf(pCRegs, pGRegs);
    auto rowFilled = [&](const char* pszWhen) {
        RECT rcDock, rcG, rcC;
        pGRegs->m_pDockBar->GetClientRect(&rcDock);
        pGRegs->GetWindowRect(&rcG);
        pCRegs->GetWindowRect(&rcC);
        // End to end over the row, their two-pixel borders hidden at the ends and shared between them.
        EXPECT_EQ(rcDock.right + 4, (rcG.right - rcG.left) + (rcC.right - rcC.left) - 2) << pszWhen;
        EXPECT_EQ(rcG.right - 2, rcC.left) << pszWhen;
        EXPECT_GT(rcC.right - rcC.left, 200) << pszWhen;
    };
    rowFilled("docked");
    const std::string strBefore = Layout(pFrame);
    pFrame->MoveWindow(0, 0, 420, 600);  // shorter than the bars' least lengths
    Settle();
    pFrame->ShowWindow(SW_MAXIMIZE);
    Settle();
    rowFilled("maximised");
    pFrame->ShowWindow(SW_RESTORE);
    pFrame->MoveWindow(0, 0, 960, 768);
    Settle();
    rowFilled("restored");
    EXPECT_EQ(strBefore, Layout(pFrame));
}

// With several bars at the top the register bars and Percent Utilization
// showed one and a half rows, half-height glyphs, while the console kept
// its least height: rows of text are never cut. A bar gets its rows'
// height, the console giving way first, down to its least height; below
// that bars drop whole rows.
TEST_F(BarLayoutFixture, RowsOfTextAreNeverCutInHalf)
{
    const struct {
        const char* pszName;
        int cx, cy;
        std::vector<UINT> viewCommands;
        bool bPercentAtTop;
    } cases[] = {
        {"status and six register bars", 960, 768,
         {ID_VIEW_STATUSLINE_BAR, ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR, ID_VIEW_AREGS_BAR, ID_VIEW_FREGS_BAR,
          ID_VIEW_GREGS64_BAR, ID_VIEW_CREGS64_BAR},
         false},
        {"four register bars, Percent at the top", 960, 768,
         {ID_VIEW_STATUSLINE_BAR, ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR, ID_VIEW_GREGS64_BAR}, true},
        {"every bar", 960, 768, kEveryHiddenBar, false},
        {"storage and two register bars, small window", 700, 560,
         {ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR, ID_VIEW_STORAGE_BAR}, false},
        {"three register bars and the vector bar", 900, 640,
         {ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR, ID_VIEW_GREGS64_BAR, ID_VIEW_VREGS_BAR}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        OpenFrame();
        pFrame->MoveWindow(0, 0, c.cx, c.cy);
        pFrame->m_wndCpuPctBar.m_dlg.SetCPUCount(4);
        for (UINT nCmd : c.viewCommands)
            Command(nCmd);
        if (c.bPercentAtTop) {
            RECT rc;
            pFrame->GetMainBar(kGRegs)->GetWindowRect(&rc);
            DragByCaption(pFrame->GetMainBar(kCpuPct), CPoint((rc.left + rc.right) / 2, rc.bottom - 10));
            ASSERT_TRUE(pFrame->GetMainBar(kCpuPct)->IsDockedHorizontally());
        }
        Settle();
        std::string strDropped;
        for (int i = 0; i < kMainBarCount; i++) {
            cdxCDynamicBar* pBar = pFrame->GetMainBar(i);
            if (!(pBar->GetStyle() & WS_VISIBLE) || i == kDevList || i == kStorage)
                continue;  // the tree and the hex view scroll their rows
            EXPECT_EQ("", CutControls(pBar)) << kMainBars[i].pszTitle;
            // The console gives way to the top and bottom rows (a column
            // shares its length with its neighbours).
            if (pBar->IsDockedHorizontally() && !CutControls(pBar, true).empty())
                strDropped += std::string(kMainBars[i].pszTitle) + ":" + CutControls(pBar, true) + "\n";
        }
        // A bar drops rows only while the console has no room to give.
        RECT rcView;
        g_pView->GetClientRect(&rcView);
        const int nLeast = pFrame->GetMinimumViewSize().cy - 2 * ::GetSystemMetrics(SM_CYEDGE);
        if (!strDropped.empty()) {
            EXPECT_LT(rcView.bottom, nLeast + 2 * g_pView->GetLineHeight()) << "rows dropped beside a large console\n"
                                                                              << strDropped;
        }
        EXPECT_GE(rcView.bottom, 8 * g_pView->GetLineHeight());
        pFrame->SendMessage(WM_CLOSE);
        Pump();
        ASSERT_FALSE(FrameAlive());
        ProfileWriteInt("BarsState\\BarsState-Summary", "Bars", 0);  // the next case starts afresh
    }
}

