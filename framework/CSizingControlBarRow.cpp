// CSizingControlBarRow.cpp: the sizing bar's row in its dock bar: finding
// the row, sharing the row's length among its sizing bars (DockRowModel)
// and aligning them end to end.
#include <algorithm>

#include "framework/CSizingControlBar.h"
#include "platform/AfxIds.h"
#include "platform/CDockBar.h"
#include "platform/CFrameWnd.h"

BOOL CSizingControlBar::GetRowRange(int& nFirst, int& nLast, int& nThis)
{
    if (!m_pDockBar)
        return FALSE;
    nThis = m_pDockBar->FindBar(this);
    // A bar missing from its dock bar's list has no row (never index -1).
    return DockListRowRange(m_pDockBar->m_arrBars, nThis, nFirst, nLast);
}

void CSizingControlBar::GetRowBarsAndIndex(CSCBArray& arrBars, int& nThis)
{
    arrBars.clear();
    nThis = -1;
    int nFirst = 0, nLast = -1, nSelf = -1;
    if (!GetRowRange(nFirst, nLast, nSelf))
        return;
    for (int i = nFirst; i <= nLast; i++) {
        CSizingControlBar* pBar = DYNAMIC_DOWNCAST(CSizingControlBar, m_pDockBar->GetBarAt(i));
        if (!pBar || !pBar->IsVisible())
            continue;
        if (pBar == this)
            nThis = (int)arrBars.size();
        arrBars.push_back(pBar);
    }
}

void CSizingControlBar::GetRowBars(CSCBArray& arrBars)
{
    int nThis = -1;
    GetRowBarsAndIndex(arrBars, nThis);
}

BOOL CSizingControlBar::CanShareRow(CControlBar* pBar, CSizingControlBar*& pSizingBar)
{
    pSizingBar = DYNAMIC_DOWNCAST(CSizingControlBar, pBar);
    if (pBar == this)
        return TRUE;
    if (!pSizingBar || (pSizingBar->m_dwSCBStyle & SCBS_OWN_ROW))
        return FALSE;
    const DWORD dwFixed = SCBS_FIXED_HEIGHT | SCBS_FIXED_WIDTH;
    if ((pSizingBar->m_dwSCBStyle & dwFixed) != (m_dwSCBStyle & dwFixed))
        return FALSE;
    if (IsBuiltLike(pSizingBar))
        return TRUE;
    if (m_dwSCBStyle & SCBS_FIXED_WIDTH)
        return pSizingBar->m_szVert.cx == m_szVert.cx;
    if (m_dwSCBStyle & SCBS_FIXED_HEIGHT)
        return pSizingBar->m_szHorz.cy == m_szHorz.cy;
    return TRUE;
}

bool CSizingControlBar::IsBuiltLike(const CSizingControlBar*) const
{
    return false;
}

namespace {

// In a column the bars' lengths are heights: every bar shows whole rows,
// or its caption alone (DockKeepWholeRows).
void KeepWholeRows(const std::vector<CSizingControlBar*>& bars, std::vector<DockShareItem>& items)
{
    std::vector<DockWholeItem> whole;
    for (size_t k = 0; k < bars.size(); k++) {
        std::vector<int> stops = bars[k]->GetWholeRowHeights(FALSE);
        const int cyCaption = bars[k]->NonClientSize(AFX_IDW_DOCKBAR_LEFT).cy;
        if (!stops.empty() && cyCaption < stops.front())
            stops.insert(stops.begin(), cyCaption);
        whole.push_back({items[k].nLength, stops, bars[k]->RowsGoOn()});
    }
    DockKeepWholeRows(whole);
    for (size_t k = 0; k < bars.size(); k++)
        items[k].nLength = whole[k].nLength;
}

}  // namespace

// The row is shared out from each bar's own size, never from what the last
// layout gave it: the same room always gives the same lengths.
int CSizingControlBar::ShareRowLength(int nTotal, BOOL bHorz)
{
    int nFirst = 0, nLast = -1, nThis = -1;
    if (!GetRowRange(nFirst, nLast, nThis))
        return 1;
    std::vector<CSizingControlBar*> bars;
    std::vector<DockShareItem> items;
    int nRowWidth = 0;
    for (int i = nFirst; i <= nLast; i++) {
        CControlBar* pBar = m_pDockBar->GetBarAt(i);
        if (!pBar || !pBar->IsVisible())
            continue;
        CSizingControlBar* pSizing = nullptr;
        if (!CanShareRow(pBar, pSizing)) {
            // Split the row between this bar and the other one.
            int nAt = i < nThis ? i + 1 : i;
            m_pDockBar->m_arrBars.InsertAt(nAt, nullptr);
            return 2;
        }
        CSize size = pSizing->GetWantedDockedSize(bHorz), minSize = pSizing->GetMinDockedSize(bHorz);
        bars.push_back(pSizing);
        int nMinLength = bHorz ? minSize.cx : minSize.cy;
        items.push_back({(int)(bHorz ? size.cx : size.cy), nMinLength});
        nRowWidth = std::max(nRowWidth, (int)(bHorz ? size.cy : size.cx));
    }
    if (DockRowShare(items, nTotal) != kDockShareDone) {
        // A row shorter than its bars' minimums (a side column in a small
        // window): each bar gives what it has above its minimum, then all
        // are cut alike, each down to its caption.
        for (size_t k = 0; k < bars.size(); k++) {
            CSize cutSize = bars[k]->CalcMinimumLayout(bHorz);
            items[k].nLength = std::min(items[k].nLength, items[k].nMinLength);
            items[k].nMinLength = bHorz ? cutSize.cx : cutSize.cy;
        }
        // Shorter still (a window too small for its fonts): the row ends
        // where its dock bar does all the same.
        if (DockRowShare(items, nTotal) != kDockShareDone)
            DockRowSqueeze(items, nTotal);
    }
    if (!bHorz)
        KeepWholeRows(bars, items);
    for (size_t k = 0; k < bars.size(); k++) {
        CSize& size = bHorz ? bars[k]->m_szHorz : bars[k]->m_szVert;
        (bHorz ? size.cx : size.cy) = items[k].nLength;
        (bHorz ? size.cy : size.cx) = nRowWidth;
    }
    return 0;
}

void CSizingControlBar::AlignRowBars()
{
    int nFirst = 0, nLast = -1, nThis = -1;
    if (!GetRowRange(nFirst, nLast, nThis))
        return;
    BOOL bHorz = IsDockedHorizontally();
    int nPos = bHorz ? -2 : 0;
    bool bMoved = false;
    for (int i = nFirst; i <= nLast; i++) {
        CControlBar* pBar = m_pDockBar->GetBarAt(i);
        if (!pBar || !pBar->IsVisible())
            continue;
        CRect rc;
        pBar->GetWindowRect(&rc);
        m_pDockBar->ScreenToClient(&rc);
        CSize size = rc.Size();
        if (CSizingControlBar* pSizing = DYNAMIC_DOWNCAST(CSizingControlBar, pBar))
            size = pSizing->GetDockedSize(bHorz);
        // A vertical row starts two pixels up, hiding the first bar's top border.
        int nTarget = bHorz ? nPos : nPos - 2;
        int nLead = bHorz ? rc.left : rc.top;
        if (nLead != nTarget) {
            int x = bHorz ? nTarget : rc.left, y = bHorz ? rc.top : nTarget;
            ::SetWindowPos(pBar->m_hWnd, nullptr, x, y, size.cx, size.cy,
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
            bMoved = true;
        }
        nPos += (bHorz ? size.cx : size.cy) - 2;
    }
    if (bMoved && m_pDockSite)
        m_pDockSite->DelayRecalcLayout();
}
