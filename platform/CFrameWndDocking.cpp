// CFrameWndDocking.cpp: the frame's docking: dock bars on its sides, docking,
// floating and showing bars, the layout of the bars, and the saved layout.
#include "platform/AfxIds.h"
#include "platform/BarStateStore.h"
#include "platform/CCmdUI.h"
#include "platform/CControlBar.h"
#include "platform/CDockBar.h"
#include "platform/CDockContext.h"
#include "platform/CFrameWnd.h"
#include "platform/CMiniDockFrameWnd.h"
#include "platform/CWinApp.h"
#include "platform/DockRowModel.h"
#include "platform/ProfileStore.h"
#include "platform/WindowHelpers.h"

#include <algorithm>
#include <functional>

namespace {

struct SideInfo {
    UINT nID;
    DWORD dwAlign;
};
// The sides in layout order: top and bottom span the frame, left and right what is between.
const SideInfo kSides[4] = {{AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP},
                            {AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM},
                            {AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT},
                            {AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT}};

bool IsSideDockBar(const CControlBar* pBar)
{
    return pBar->IsDockBar() && IsSideDockBarId((UINT)pBar->GetDlgCtrlID());
}

}  // namespace

CFrameWnd::CFrameWnd() : m_pFloatingFrameClass(RUNTIME_CLASS(CMiniDockFrameWnd)) {}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (std::find(m_listControlBars.begin(), m_listControlBars.end(), pBar) == m_listControlBars.end())
        m_listControlBars.push_back(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    auto it = std::find(m_listControlBars.begin(), m_listControlBars.end(), pBar);
    if (it != m_listControlBars.end())
        m_listControlBars.erase(it);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (CControlBar* pBar : m_listControlBars)
        if (pBar->m_hWnd && (UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    return nullptr;
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    for (const SideInfo& side : kSides) {
        if (!(dwDockStyle & side.dwAlign))
            continue;
        CDockBar* pDock = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(side.nID));
        if (!pDock) {
            pDock = new CDockBar;
            pDock->m_bAutoDelete = TRUE;
            if (!pDock->Create(this, side.dwAlign, side.nID)) {
                delete pDock;
                continue;
            }
        }
        pDock->m_dwDockStyle |= side.dwAlign;
    }
}

void CFrameWnd::LayoutControlBars(CRect& rcClient)
{
    // A status bar that is not a control bar object still takes the bottom.
    HWND hStatus = ::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR_ID);
    if (hStatus && ::IsWindowVisible(hStatus) && !DYNAMIC_DOWNCAST(CControlBar, CWnd::FromHandlePermanent(hStatus))) {
        ::SendMessageA(hStatus, WM_SIZE, 0, 0);  // sizes itself to the frame's width
        RECT rc;
        ::GetWindowRect(hStatus, &rc);
        rcClient.bottom -= rc.bottom - rc.top;
    }
    RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, AFX_IDW_PANE_FIRST, reposExtra, &rcClient,
                   &rcClient);
}

void CFrameWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT, UINT nFlag, LPRECT lpRectParam,
                               LPCRECT lpRectClient, BOOL)
{
    CRect rc;
    if (lpRectClient)
        rc = *lpRectClient;
    else
        GetClientRect(&rc);
    BOOL bQuery = nFlag == reposQuery;
    if (!bQuery)
        ApplyFloatingDelayShows();
    // Bars made on the frame itself first (the status bar), then the sides.
    std::vector<CControlBar*> own, sides;
    for (CControlBar* pBar : m_listControlBars)
        if (!IsSideDockBar(pBar))
            own.push_back(pBar);
    for (const SideInfo& side : kSides)
        if (CControlBar* pDock = GetControlBar(side.nID))
            sides.push_back(pDock);
    auto place = [&](const std::vector<CControlBar*>& bars) {
        for (CControlBar* pBar : bars) {
            UINT nID = (UINT)pBar->GetDlgCtrlID();
            if (!pBar->m_hWnd || ::GetParent(pBar->m_hWnd) != m_hWnd || nID < nIDFirst || nID > nIDLast)
                continue;
            if (!bQuery)
                pBar->RecalcDelayShow();
            if (pBar->GetStyle() & WS_VISIBLE)
                pBar->PlaceInLayout(rc, bQuery);
        }
    };
    place(own);
    ShareRoomAmongSides(rc);
    place(sides);
    if (lpRectParam)
        *lpRectParam = rc;
}

void CFrameWnd::ShareRoomAmongSides(const CRect& rcRoom)
{
    CDockBar* pDocks[4] = {};
    std::vector<DockRowNeed> across[2];  // the rows of top and bottom, the columns of left and right
    size_t nRows[4] = {};
    int nBandLength = 0;                // the least the left and right columns need between top and bottom
    for (int i = 0; i < 4; i++) {
        pDocks[i] = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(kSides[i].nID));
        if (!pDocks[i] || !pDocks[i]->m_hWnd || !(pDocks[i]->GetStyle() & WS_VISIBLE))
            continue;
        BOOL bHorz = i < 2;
        pDocks[i]->m_rowCaps.clear();  // measured uncut
        for (const DockRowNeed& row : pDocks[i]->MeasureRows(bHorz)) {
            across[bHorz ? 0 : 1].push_back(row);
            nRows[i]++;
            if (!bHorz)
                nBandLength = std::max(nBandLength, row.nMinLength + 2);  // a column starts 2 pixels up
        }
    }
    CSize minView = GetMinimumViewSize();
    std::vector<int> caps[2] = {DockRowCaps(across[0], rcRoom.Height() - std::max((int)minView.cy, nBandLength)),
                                DockRowCaps(across[1], rcRoom.Width() - (int)minView.cx)};
    // Top before bottom, left before right: each side takes its rows' caps in turn.
    size_t nNext[2] = {};
    for (int i = 0; i < 4; i++) {
        if (!nRows[i])
            continue;
        std::vector<int>& sideCaps = caps[i < 2 ? 0 : 1];
        size_t& n = nNext[i < 2 ? 0 : 1];
        pDocks[i]->m_rowCaps.assign(sideCaps.begin() + (long)n, sideCaps.begin() + (long)(n + nRows[i]));
        n += nRows[i];
    }
}

BOOL CFrameWnd::OnBarCheck(UINT nID)
{
    if (CControlBar* pBar = GetControlBar(nID)) {
        ShowControlBar(pBar, !(pBar->GetStyle() & WS_VISIBLE), FALSE);
        return TRUE;
    }
    // A status bar that is a plain control.
    HWND hBar = ::GetDlgItem(m_hWnd, (int)nID);
    if (!hBar)
        return FALSE;
    ::ShowWindow(hBar, ::IsWindowVisible(hBar) ? SW_HIDE : SW_SHOWNA);
    RecalcLayout();
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI)
{
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    HWND hBar = pBar ? pBar->m_hWnd : ::GetDlgItem(m_hWnd, (int)pCmdUI->m_nID);
    if (!hBar) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((::GetWindowLongA(hBar, GWL_STYLE) & WS_VISIBLE) != 0);
}

void CFrameWnd::DelayRecalcLayout(BOOL)
{
    m_bDelayedRecalc = TRUE;
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM wp, LPARAM)
{
    // Every bar of this dock site, docked or floating (a floating bar is not
    // the frame's descendant); a hidden one returns at once.
    for (CControlBar* pBar : std::vector<CControlBar*>(m_listControlBars)) {
        if (!pBar->m_hWnd)
            continue;
        CFrameWnd* pMini = pBar->IsFloating() ? pBar->GetDockingFrame() : nullptr;
        if (pMini && pMini != this && pMini->m_bDelayedRecalc)
            pMini->RecalcLayout();
        pBar->SendMessage(WM_IDLEUPDATECMDUI, wp);
    }
    if (m_bDelayedRecalc)
        RecalcLayout();
    return 0;
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDock = nDockBarID ? DYNAMIC_DOWNCAST(CDockBar, GetControlBar(nDockBarID)) : nullptr;
    for (int i = 0; !pDock && !nDockBarID && i < 4; i++) {
        CDockBar* p = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(kSides[i].nID));
        if (p && (pBar->m_dwDockStyle & kSides[i].dwAlign) && (p->m_dwDockStyle & kSides[i].dwAlign))
            pDock = p;
    }
    if (pDock)
        DockControlBar(pBar, pDock, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect, const POINT* pptAt)
{
    DockInto(pBar, pDockBar, [&] { pDockBar->DockControlBar(pBar, lpRect, pptAt); });
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    DockInto(pBar, pDockBar, [&] { pDockBar->ReDockControlBar(pBar, lpRect); });
}

void CFrameWnd::DockInto(CControlBar* pBar, CDockBar* pDockBar, const std::function<void()>& dock)
{
    if (!pBar || !pDockBar || !pBar->m_hWnd)
        return;
    CFrameWnd* pOldMini = pBar->IsFloating() ? pBar->GetDockingFrame() : nullptr;
    if (pOldMini && pOldMini != this && pBar->m_pDockContext) {
        CRect rc;
        pOldMini->GetWindowRect(&rc);
        pBar->m_pDockContext->m_ptMRUFloatPos = rc.TopLeft();
        pBar->m_pDockContext->m_bHaveFloatPos = TRUE;
    }
    dock();
    UINT nID = (UINT)pBar->GetDlgCtrlID();
    for (const SideInfo& side : kSides) {
        CDockBar* p = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(side.nID));
        if (p && p != pDockBar)
            p->RemovePlaceHolder(nID);
    }
    if (pBar->m_pDockContext && !pDockBar->m_bFloating)
        pBar->m_pDockContext->m_uMRUDockID = (UINT)pDockBar->GetDlgCtrlID();
    if (pOldMini && pOldMini != this)
        pOldMini->RecalcLayout();
    RecalcLayout();
}

CDockBar* CFrameWnd::FindPlaceHolder(UINT nID)
{
    for (const SideInfo& side : kSides) {
        CDockBar* p = DYNAMIC_DOWNCAST(CDockBar, GetControlBar(side.nID));
        if (p && p->FindBar(DockPlaceholderFor(nID)) >= 0)
            return p;
    }
    return nullptr;
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CObject* pObject = m_pFloatingFrameClass ? m_pFloatingFrameClass->CreateObject() : nullptr;
    CMiniDockFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, pObject);
    if (!pFrame) {
        delete pObject;
        return nullptr;
    }
    // A frame that fails is deleted with its window (PostNcDestroy).
    return pFrame->Create(this, dwStyle) ? pFrame : nullptr;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    CMiniDockFrameWnd* pMini = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, pBar->GetDockingFrame());
    if (pBar->IsFloating() && pMini && pMini->m_wndDockBar.GetDockedCount() == 1) {
        pMini->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (pBar->m_pDockContext && pBar->m_pDockBar && !pBar->IsFloating()) {
        // Where it was docked, within its dock bar: docked again, it goes back there.
        pBar->m_pDockContext->m_uMRUDockID = (UINT)pBar->m_pDockBar->GetDlgCtrlID();
        pBar->GetWindowRect(&pBar->m_pDockContext->m_rectMRUDockPos);
        pBar->m_pDockBar->ScreenToClient(&pBar->m_pDockContext->m_rectMRUDockPos);
    }
    CMiniDockFrameWnd* pFrame = CreateFloatingFrame(dwStyle | (pBar->m_dwStyle & (CBRS_SIZE_DYNAMIC | CBRS_FLOAT_MULTI)));
    if (!pFrame)
        return;
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->m_wndDockBar.DockControlBar(pBar);
    pFrame->RecalcLayout();
    // A new floating frame lies inside the work area, its caption and close
    // button in reach (a bar docked low on the desktop, a stored place from
    // a larger desktop).
    CRect rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    MONITORINFO mi = {sizeof(mi)};
    if (::GetMonitorInfoA(::MonitorFromRect(&rcFrame, MONITOR_DEFAULTTONEAREST), &mi)) {
        RECT rcInside = KeepRectInside(rcFrame, mi.rcWork);
        if (rcInside.left != rcFrame.left || rcInside.top != rcFrame.top) {
            point = CPoint(rcInside.left, rcInside.top);
            pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (pBar->GetStyle() & WS_VISIBLE)
        pFrame->ShowWindow(SW_SHOWNA);
    if (pBar->m_pDockContext) {
        pBar->m_pDockContext->m_ptMRUFloatPos = point;
        pBar->m_pDockContext->m_bHaveFloatPos = TRUE;
    }
    RecalcLayout();
}

void CFrameWnd::ApplyFloatingDelayShows()
{
    for (CControlBar* pBar : std::vector<CControlBar*>(m_listControlBars)) {
        if (!pBar->IsFloating() || !pBar->IsDelayPending())
            continue;
        BOOL bShow = pBar->IsVisible();
        pBar->RecalcDelayShow();
        CFrameWnd* pMini = pBar->GetDockingFrame();
        if (pMini && pMini != this)
            pMini->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    }
}

// A layout that moves bars moves whole rows and sides of bars, the dock bars
// under them and the controls of the bars' dialogs: the bits the system
// copies along with a moved window are not always what it shows once laid
// out (a row half the height it was cut from, a list's rows where another
// bar now lies), so the bars are painted whole, their captions included,
// and the view with them.
void CFrameWnd::RedrawDockedBars()
{
    const UINT kWhole = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
    for (const SideInfo& side : kSides) {
        CControlBar* pDock = GetControlBar(side.nID);
        if (pDock && pDock->m_hWnd && (pDock->GetStyle() & WS_VISIBLE))
            ::RedrawWindow(pDock->m_hWnd, nullptr, nullptr, kWhole);
    }
    if (HWND hView = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
        ::RedrawWindow(hView, nullptr, nullptr, kWhole);
}

std::vector<CRect> CFrameWnd::DockedGeometry() const
{
    std::vector<CRect> rects;
    for (const CControlBar* pBar : m_listControlBars) {
        CRect rc(0, 0, 0, 0);
        if (pBar->m_hWnd && !pBar->IsFloating() && (pBar->GetStyle() & WS_VISIBLE))
            ::GetWindowRect(pBar->m_hWnd, &rc);
        rects.push_back(rc);
    }
    CRect rc(0, 0, 0, 0);
    if (HWND hView = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
        ::GetWindowRect(hView, &rc);
    rects.push_back(rc);
    return rects;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (!pBar || !pBar->m_hWnd)
        return;
    pBar->DelayShow(bShow);
    m_bRedrawBarsAfterLayout = true;
    if (bDelay) {
        DelayRecalcLayout();
        return;
    }
    pBar->RecalcDelayShow();
    CFrameWnd* pMini = pBar->IsFloating() ? pBar->GetDockingFrame() : nullptr;
    if (pMini && pMini != this) {
        pMini->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
        pMini->RecalcLayout();
    }
    RecalcLayout();
}
