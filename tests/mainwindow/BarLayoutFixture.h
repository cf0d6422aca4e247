// BarLayoutFixture.h: the main frame with more bars shown than at the first
// start, for the tests of where its bars go and how large they are: the
// layout of every shown bar as text, and the user's drags of a bar by its
// caption and of a docked bar's edge.
#pragma once

#include <string>
#include <vector>

#include "platform/CDockBar.h"
#include "platform/CDockContext.h"
#include "tests/mainwindow/FrameFixture.h"

// Where every shown bar is: its dock bar, its row and place in the row and
// its rectangle in the frame's client area (a floating bar: its frame's
// place on the screen and its size).
inline std::string Layout(CMainFrame* pFrame)
{
    std::string str;
    for (int i = 0; i < kMainBarCount; i++) {
        cdxCDynamicBar* pBar = pFrame->GetMainBar(i);
        if (!(pBar->GetStyle() & WS_VISIBLE))
            continue;
        RECT rc;
        pBar->GetWindowRect(&rc);
        str += std::string(kMainBars[i].pszTitle) + ": ";
        if (pBar->IsFloating()) {
            pBar->GetDockingFrame()->GetWindowRect(&rc);
            str += "floating " + vorntest::RectText(rc) + "\n";
            continue;
        }
        ::MapWindowPoints(nullptr, pFrame->m_hWnd, (POINT*)&rc, 2);
        std::vector<std::vector<CControlBar*>> rows = pBar->m_pDockBar->GetRows();
        for (size_t r = 0; r < rows.size(); r++)
            for (size_t k = 0; k < rows[r].size(); k++)
                if (rows[r][k] == pBar)
                    str += "dock bar " + std::to_string(pBar->m_pDockBar->GetDlgCtrlID()) + " row " + std::to_string(r) +
                           " place " + std::to_string(k) + " ";
        str += vorntest::RectText(rc) + "\n";
    }
    RECT rcView;
    g_pView->GetWindowRect(&rcView);
    ::MapWindowPoints(nullptr, pFrame->m_hWnd, (POINT*)&rcView, 2);
    return str + "console " + vorntest::RectText(rcView) + "\n";
}

// The docked bars that reach out of their dock bar (the ends of a row
// overlap it by the bars' borders), and those of a column not as wide as it.
inline std::string BarsOutOfPlace(CMainFrame* pFrame)
{
    std::string str;
    for (int i = 0; i < kMainBarCount; i++) {
        cdxCDynamicBar* pBar = pFrame->GetMainBar(i);
        if (!(pBar->GetStyle() & WS_VISIBLE) || pBar->IsFloating())
            continue;
        RECT rcBar, rcDock, rcBoth;
        pBar->GetWindowRect(&rcBar);
        pBar->m_pDockBar->GetWindowRect(&rcDock);
        const bool bFills = !pBar->IsDockedVertically() || rcBar.right - rcBar.left == rcDock.right - rcDock.left;
        ::InflateRect(&rcDock, 2, 2);
        ::UnionRect(&rcBoth, &rcBar, &rcDock);
        if (!bFills || !::EqualRect(&rcBoth, &rcDock))
            str += std::string(kMainBars[i].pszTitle) + " " + vorntest::RectText(rcBar) + " in " +
                   vorntest::RectText(rcDock) + "\n";
    }
    return str;
}

// The first start's window at 960 x 768 with the status line, the 32-bit
// general and control register bars and the storage bar shown.
struct BarLayoutFixture : FrameFixture {
    void Settle()
    {
        for (int i = 0; i < 3; i++) {
            Pump();
            theApp.OnIdle(0);  // the loop's idle step: the delayed layouts
        }
        Pump();
    }
    // The window closed and the program started again.
    void Restart()
    {
        pFrame->SendMessage(WM_CLOSE);
        Pump();
        ASSERT_FALSE(FrameAlive());
        OpenFrame();
    }
    void Command(UINT nCmd)
    {
        pFrame->SendMessage(WM_COMMAND, nCmd);
        Settle();
    }
    void OpenWithFourMoreBars()
    {
        OpenFrame();
        pFrame->MoveWindow(0, 0, 960, 768);
        for (UINT nCmd : {ID_VIEW_STATUSLINE_BAR, ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR, ID_VIEW_STORAGE_BAR})
            Command(nCmd);
    }
    // A press on the bar's caption, moves to ptTo (screen) and the release there.
    void DragByCaption(CControlBar* pBar, CPoint ptTo)
    {
        RECT rc;
        pBar->GetWindowRect(&rc);
        bool bLeftStrip = static_cast<CSizingControlBar*>(pBar)->IsDockedHorizontally() != FALSE;
        CPoint pt = bLeftStrip ? CPoint(rc.left + 6, rc.top + 40) : CPoint(rc.left + 40, rc.top + 8);
        auto at = [pBar](CPoint p) {
            pBar->ScreenToClient(&p);
            return MAKELPARAM(p.x, p.y);
        };
        pBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at(pt));
        ASSERT_TRUE(pBar->m_pDockContext->IsTracking());
        pBar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, at(CPoint((pt.x + ptTo.x) / 2, (pt.y + ptTo.y) / 2)));
        pBar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, at(ptTo));
        pBar->SendMessage(WM_LBUTTONUP, 0, at(ptTo));
        ASSERT_FALSE(pBar->m_pDockContext->IsTracking());
        Settle();
    }
    // The press on the docked bar's sizable edge nHit (HTRIGHT, HTBOTTOM, ...),
    // a move of the mouse by dMove and the release there.
    void DragEdge(CSizingControlBar* pBar, int nHit, CSize dMove)
    {
        CRect rcWnd, rcEdge;
        pBar->GetWindowRect(&rcWnd);
        ASSERT_TRUE(pBar->GetSizingEdgeRect(rcWnd, nHit, rcEdge)) << "no such edge";
        CPoint pt = rcEdge.CenterPoint();
        pBar->SendMessage(WM_NCLBUTTONDOWN, (WPARAM)nHit, MAKELPARAM(pt.x, pt.y));
        ASSERT_TRUE(pBar->IsEdgeDragging());
        pt.Offset(dMove.cx, dMove.cy);
        pBar->ScreenToClient(&pt);
        pBar->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        pBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        ASSERT_FALSE(pBar->IsEdgeDragging());
        Settle();
    }
    // pBar dropped on the right part of pTarget: the two share its row.
    void DropInRowOf(CControlBar* pBar, CControlBar* pTarget)
    {
        RECT rc;
        pTarget->GetWindowRect(&rc);
        DragByCaption(pBar, CPoint(rc.right - 60, (rc.top + rc.bottom) / 2));
        ASSERT_EQ(pTarget->m_pDockBar, pBar->m_pDockBar);
        ASSERT_EQ(pTarget->m_pDockBar->FindBar(pTarget) + 1, pBar->m_pDockBar->FindBar(pBar)) << "not in one row";
    }
};
