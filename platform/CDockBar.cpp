// CDockBar.cpp: rows of docked bars along one side of a frame.
#include "platform/CDockBar.h"

#include <algorithm>

#include "platform/CDC.h"
#include "platform/CFrameWnd.h"
#include "platform/CMiniDockFrameWnd.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating)
{
    m_arrBars.Add(nullptr);
}

BOOL CDockBar::Create(CWnd* pParent, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    return CreateEx(0, nullptr, nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS |
                    WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParent, nID);
}

CControlBar* CDockBar::GetBarAt(int i) const
{
    if (i < 0 || i >= (int)m_arrBars.GetSize())
        return nullptr;
    void* p = m_arrBars[i];
    return p && !IsDockPlaceholder(p) ? static_cast<CControlBar*>(p) : nullptr;
}

int CDockBar::GetDockedCount() const
{
    int n = 0;
    for (int i = 0; i < (int)m_arrBars.GetSize(); i++)
        n += GetBarAt(i) ? 1 : 0;
    return n;
}

int CDockBar::GetDockedVisibleCount() const
{
    int n = 0;
    for (int i = 0; i < (int)m_arrBars.GetSize(); i++) {
        CControlBar* pBar = GetBarAt(i);
        n += pBar && pBar->IsVisible() ? 1 : 0;
    }
    return n;
}

void CDockBar::RemovePlaceHolder(UINT nID)
{
    int i = FindBar(DockPlaceholderFor(nID));
    if (i < 0)
        return;
    m_arrBars.RemoveAt(i);
    DockListCompact(m_arrBars);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar, BOOL bAddPlaceHolder)
{
    int i = FindBar(pBar);
    if (i < 0)
        return FALSE;  // not here: nothing to take out
    if (bAddPlaceHolder)
        m_arrBars[i] = DockPlaceholderFor((UINT)pBar->GetDlgCtrlID());
    else
        m_arrBars.RemoveAt(i);
    DockListCompact(m_arrBars);
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = nullptr;
    // A floating frame left without bars goes away (after this message).
    if (m_bFloating && GetDockedCount() == 0) {
        CWnd* pFrame = GetParent();
        if (pFrame)
            pFrame->PostMessage(WM_CLOSE);
    }
    return TRUE;
}

int CDockBar::InsertIndexFor(CPoint pt, BOOL bHorz, bool& bNewRow) const
{
    // Rows in screen coordinates, from their visible bars.
    int nAcross = bHorz ? pt.y : pt.x;
    int nAlong = bHorz ? pt.x : pt.y;
    bNewRow = true;
    int nRowStart = 1;
    for (int i = 1; i <= (int)m_arrBars.GetSize(); i++) {
        bool bEnd = i == (int)m_arrBars.GetSize() || m_arrBars[i] == nullptr;
        if (!bEnd)
            continue;
        int lo = INT32_MAX, hi = INT32_MIN;
        for (int j = nRowStart; j < i; j++) {
            CControlBar* pBar = GetBarAt(j);
            if (!pBar || !pBar->IsVisible())
                continue;
            CRect rcBar;
            pBar->GetWindowRect(&rcBar);
            lo = std::min(lo, (int)(bHorz ? rcBar.top : rcBar.left));
            hi = std::max(hi, (int)(bHorz ? rcBar.bottom : rcBar.right));
        }
        if (lo <= hi && nAcross < lo)
            return nRowStart - 1;  // before this row: a new row at its break
        if (lo <= hi && nAcross < hi) {
            // In this row: before the first bar whose middle lies beyond the point.
            bNewRow = false;
            int k = nRowStart;
            for (; k < i; k++) {
                CControlBar* pBar = GetBarAt(k);
                if (!pBar || !pBar->IsVisible())
                    continue;
                CRect rcBar;
                pBar->GetWindowRect(&rcBar);
                if (nAlong < (bHorz ? rcBar.CenterPoint().x : rcBar.CenterPoint().y))
                    break;
            }
            return k;
        }
        nRowStart = i + 1;
    }
    return (int)m_arrBars.GetSize();
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect, const POINT* pptAt)
{
    if (pBar->m_pDockBar == this) {
        RemoveControlBar(pBar, FALSE);
    }
    UINT nID = (UINT)pBar->GetDlgCtrlID();
    int nPlace = FindBar(DockPlaceholderFor(nID));
    if (lpRect) {
        // Docked at a place: the row and the place in it are where the point
        // lies (the middle of the rectangle unless told).
        CRect rc(*lpRect);
        CPoint pt = pptAt ? CPoint(*pptAt) : rc.CenterPoint();
        if (nPlace >= 0)
            RemovePlaceHolder(nID);
        bool bNewRow = true;
        int i = InsertIndexFor(pt, IsHorzDocked(), bNewRow);
        if (bNewRow) {
            m_arrBars.InsertAt(i, nullptr);
            i++;
        }
        m_arrBars.InsertAt(i, pBar);
    } else if (nPlace >= 0) {
        m_arrBars[nPlace] = pBar;
    } else {
        if (m_arrBars[m_arrBars.GetUpperBound()] != nullptr)
            m_arrBars.Add(nullptr);
        m_arrBars.Add(pBar);
    }
    DockListCompact(m_arrBars);
    AttachBar(pBar, lpRect);
}

void CDockBar::ReDockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    int nPlace = FindBar(DockPlaceholderFor((UINT)pBar->GetDlgCtrlID()));
    if (nPlace < 0 || pBar->m_pDockBar == this) {
        DockControlBar(pBar, lpRect);
        return;
    }
    m_arrBars[nPlace] = pBar;
    AttachBar(pBar, lpRect);
}

void CDockBar::AttachBar(CControlBar* pBar, LPCRECT lpRect)
{
    CDockBar* pOld = pBar->m_pDockBar;
    // A bar made in this dock bar is not handed over again (a costly step).
    if (::GetParent(pBar->m_hWnd) != m_hWnd)
        ::SetParent(pBar->m_hWnd, m_hWnd);
    if (pOld && pOld != this)
        pOld->RemoveControlBar(pBar, !pOld->m_bFloating && m_bFloating);
    pBar->m_pDockBar = this;
    DWORD dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (m_dwStyle & CBRS_ALIGN_ANY);
    if (m_bFloating)
        dwStyle |= CBRS_FLOATING;
    pBar->SetBarStyle(dwStyle);
    // The bar starts where it was dropped; the next layout keeps it there if it can.
    CRect rc = lpRect ? CRect(*lpRect) : CRect(0, 0, 0, 0);
    if (lpRect)
        ScreenToClient(&rc);
    CSize size = pBar->CalcFixedLayout(FALSE, IsHorzDocked());
    ::SetWindowPos(pBar->m_hWnd, nullptr, rc.left, rc.top, size.cx, size.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
}

CSize CDockBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    if (m_bFloating) {
        // A floating dock bar is as large as its (first) bar.
        for (int i = 0; i < (int)m_arrBars.GetSize(); i++) {
            CControlBar* pBar = GetBarAt(i);
            if (!pBar)
                continue;
            CSize size = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                             ? pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH)
                             : pBar->CalcFixedLayout(FALSE, pBar->IsHorzDocked());
            if (!m_bLayoutQuery)
                ::SetWindowPos(pBar->m_hWnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
            return size;
        }
        return CSize(0, 0);
    }
    int nLength = bHorz ? m_rectLayout.Width() : m_rectLayout.Height();
    int nThick = LayoutRows(nLength, bHorz);
    return bHorz ? CSize(nLength, nThick) : CSize(nThick, nLength);
}

std::vector<std::vector<CControlBar*>> CDockBar::GetRows() const
{
    std::vector<std::vector<CControlBar*>> rows(1);
    for (int i = 1; i < (int)m_arrBars.GetSize(); i++) {
        if (m_arrBars[i] == nullptr)
            rows.emplace_back();
        else if (CControlBar* pBar = GetBarAt(i))
            rows.back().push_back(pBar);
    }
    return rows;
}

namespace {

// The size a bar of a dock bar's row asks for.
CSize RowBarSize(CControlBar* pBar, BOOL bHorz)
{
    if (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
        return pBar->CalcDynamicLayout(0, bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
    return pBar->CalcFixedLayout(FALSE, bHorz);
}

}  // namespace

DockBarNeed CDockBar::MeasureBar(CControlBar* pBar, BOOL bHorz)
{
    CSize size = RowBarSize(pBar, bHorz), minSize = pBar->CalcMinimumLayout(bHorz);
    // Rows of text lie across a horizontal row only.
    std::vector<int> stops = bHorz ? pBar->GetWholeRowHeights(TRUE) : std::vector<int>();
    return {(int)(bHorz ? size.cy : size.cx), (int)(bHorz ? minSize.cy : minSize.cx), stops};
}

std::vector<DockRowNeed> CDockBar::MeasureRows(BOOL bHorz)
{
    std::vector<DockRowNeed> rows;
    for (const std::vector<CControlBar*>& row : GetRows()) {
        DockRowNeed need = {{}, 0};
        for (CControlBar* pBar : row) {
            if (!pBar->IsVisible())
                continue;
            CSize minSize = pBar->CalcMinimumLayout(bHorz);
            need.bars.push_back(MeasureBar(pBar, bHorz));
            // Neighbours in a row overlap by their two-pixel borders.
            need.nMinLength += (int)(bHorz ? minSize.cx : minSize.cy) - (need.bars.size() > 1 ? 2 : 0);
        }
        if (!need.bars.empty())
            rows.push_back(need);
    }
    return rows;
}

int CDockBar::LayoutRows(int nLength, BOOL bHorz)
{
    // The rows are taken first: a bar's layout may split its row (a row break
    // is inserted) and asks for another layout pass then.
    int nOffset = 0;
    size_t nRow = 0;  // rows with visible bars, as m_rowCaps counts them
    // No row reaches past the room the frame offers this side.
    const int nRoom = bHorz ? m_rectLayout.Height() : m_rectLayout.Width();
    for (const std::vector<CControlBar*>& row : GetRows()) {
        const int nLeft = std::max(nRoom - nOffset, 0);
        const int nRowCap = std::min(nRow < m_rowCaps.size() ? m_rowCaps[nRow] : INT32_MAX, nLeft);
        std::vector<CControlBar*> bars;
        std::vector<DockBarNeed> needs;
        std::vector<DockRowItem> items;
        std::vector<CSize> sizes;
        for (CControlBar* pBar : row) {
            if (!m_bLayoutQuery)
                pBar->RecalcDelayShow();
            if (!pBar->IsVisible())
                continue;
            pBar->m_rectLayout = m_rectLayout;
            CSize size = (pBar->m_dwStyle & CBRS_SIZE_DYNAMIC)
                             ? pBar->CalcDynamicLayout(-1, bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK)
                             : pBar->CalcFixedLayout(FALSE, bHorz);
            // A row cut to its cap: each bar down to the cap, not below its
            // least; and whole rows of its text, cut or not.
            DockBarNeed need = MeasureBar(pBar, bHorz);
            need.nWant = bHorz ? size.cy : size.cx;
            (bHorz ? size.cy : size.cx) = std::min(DockBarThickness(need, nRowCap), nLeft);
            bars.push_back(pBar);
            needs.push_back(need);
            sizes.push_back(size);
        }
        if (bars.empty())
            continue;
        nRow++;
        int nThick = 0;
        for (const CSize& size : sizes)
            nThick = std::max(nThick, (int)(bHorz ? size.cy : size.cx));
        // The bars fill the row across: no bar leaves a gap beside it in its
        // row, unless filling would show part of a row of its text.
        for (size_t k = 0; k < bars.size(); k++) {
            LONG& nAcross = bHorz ? sizes[k].cy : sizes[k].cx;
            nAcross = DockBarFill(needs[k], nThick, nAcross);
            CRect rc;
            bars[k]->GetWindowRect(&rc);
            ScreenToClient(&rc);
            items.push_back({bHorz ? (int)rc.left : (int)rc.top, bHorz ? (int)sizes[k].cx : (int)sizes[k].cy});
        }
        std::vector<int> pos = DockRowPlace(items, nLength, 2);
        for (size_t k = 0; k < bars.size() && !m_bLayoutQuery; k++) {
            int x = bHorz ? pos[k] : nOffset;
            int y = bHorz ? nOffset : pos[k];
            ::SetWindowPos(bars[k]->m_hWnd, nullptr, x, y, sizes[k].cx, sizes[k].cy,
                           SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
        }
        nOffset += nThick;
    }
    return nOffset;
}

void CDockBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    ::FillRect(dc.m_hDC, &rc, ::GetSysColorBrush(COLOR_BTNFACE));
}
