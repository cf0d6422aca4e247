// MainFrameBarsTest.cpp: the room of the main window's docked bars: however
// many bars are shown, docked bars never overlap one another, each keeps at
// least its caption in view inside the client area, and the console keeps
// its lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/CDockBar.h"
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
    int cx, cy;  // the frame's size; 0: as the first start makes it
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
// and Device List bars, and the vector bar covered the command line.
TEST_F(FrameFixture, DockedBarsNeverOverlapAndTheConsoleKeepsItsLines)
{
    const BarsCase cases[] = {
        {"four register bars", 0, 0, kFourRegisterBars},
        {"every bar", 0, 0, kEveryHiddenBar},
        {"every bar, small window", 720, 600, kEveryHiddenBar},
        {"four register bars and storage, narrow", 640, 700, {ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR,
                                                             ID_VIEW_GREGS64_BAR, ID_VIEW_VREGS_BAR,
                                                             ID_VIEW_STORAGE_BAR}},
    };
    for (const BarsCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        OpenFrame();
        if (c.cx)
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
    pFrame->MoveWindow(0, 0, 1100, 1200);
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
