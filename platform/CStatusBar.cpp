// CStatusBar.cpp: the status bar control bar.
#include "platform/CStatusBar.h"

#include "platform/CDC.h"
#include "platform/CGdiObject.h"
#include "platform/OneStepPaint.h"

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    // The docking layout places and sizes it: the control must not.
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS | CCS_NOPARENTALIGN | CCS_NORESIZE |
                       CCS_NODIVIDER | SBARS_SIZEGRIP;
    if (!CreateEx(0, STATUSCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    ::SendMessageA(m_hWnd, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    return TRUE;
}

BOOL CStatusBar::SetIndicators(const UINT* pIDArray, int nIDCount)
{
    if (!pIDArray || nIDCount <= 0)
        return FALSE;
    m_panes.assign((size_t)nIDCount, Pane());
    CClientDC dc(this);
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, (HGDIOBJ)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    for (int i = 0; i < nIDCount; i++) {
        Pane& pane = m_panes[(size_t)i];
        pane.nID = pIDArray[i];
        if (pane.nID == ID_SEPARATOR) {
            pane.nStyle = i == 0 ? SBPS_NOBORDERS | SBPS_STRETCH : SBPS_NORMAL;
            continue;
        }
        CString text;
        text.LoadString(pane.nID);
        SIZE size = {};
        ::GetTextExtentPoint32A(dc.m_hDC, text, text.GetLength(), &size);
        pane.cxWidth = size.cx;
        pane.strText = text;
    }
    ::SelectObject(dc.m_hDC, hOld);
    UpdateParts();
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (int i = 0; i < GetCount(); i++) {
        if (m_panes[(size_t)i].nID == nIDFind)
            return i;
    }
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return IsValidIndex(nIndex) ? m_panes[(size_t)nIndex].nID : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT pRect) const
{
    *pRect = RECT{0, 0, 0, 0};
    if (IsValidIndex(nIndex))
        ::SendMessageA(m_hWnd, SB_GETRECT, (WPARAM)nIndex, (LPARAM)pRect);
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    nID = 0;
    nStyle = 0;
    cxWidth = 0;
    if (!IsValidIndex(nIndex))
        return;
    const Pane& pane = m_panes[(size_t)nIndex];
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxWidth;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (!IsValidIndex(nIndex))
        return;
    Pane& pane = m_panes[(size_t)nIndex];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxWidth = cxWidth;
    UpdateParts();
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return IsValidIndex(nIndex) ? m_panes[(size_t)nIndex].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (!IsValidIndex(nIndex) || m_panes[(size_t)nIndex].nStyle == nStyle)
        return;
    m_panes[(size_t)nIndex].nStyle = nStyle;
    SendPaneText(nIndex);
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return IsValidIndex(nIndex) ? m_panes[(size_t)nIndex].strText : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCSTR pszText, BOOL bUpdate)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    m_panes[(size_t)nIndex].strText = pszText ? pszText : "";
    if (bUpdate)
        SendPaneText(nIndex);
    return TRUE;
}

LRESULT CStatusBar::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == SB_SETTEXTA) {
        int nIndex = (int)(wp & 0xFF);
        if (IsValidIndex(nIndex) && !(wp & SBT_OWNERDRAW))
            m_panes[(size_t)nIndex].strText = lp ? (LPCSTR)lp : "";
    }
    return CWnd::DefWindowProc(msg, wp, lp);
}

void CStatusBar::SendPaneText(int nIndex)
{
    if (m_nPartHolds > 0) {
        m_bPartsDue = true;  // the release sends every pane's
        return;
    }
    const Pane& pane = m_panes[(size_t)nIndex];
    // Windows keeps the style with the text; an owner-drawn pane's "text"
    // is item data, so it gets none (DrawItem reads the bar's copy).
    UINT nType = pane.nStyle & (SBT_NOBORDERS | SBT_POPOUT | SBT_OWNERDRAW);
    LPARAM lp = (pane.nStyle & SBT_OWNERDRAW) ? (LPARAM)nIndex : (LPARAM)(LPCSTR)pane.strText;
    // The control paints the pane at once (under Wine the whole bar, 15-20
    // ms); its text waits for the bar's next paint instead, which takes every
    // pane changed meanwhile. A bar not drawn now (hidden, its redraw off)
    // paints nothing anyway, and keeps its redraw as it is.
    if (!(GetStyle() & WS_VISIBLE)) {
        CWnd::DefWindowProc(SB_SETTEXTA, (WPARAM)nIndex | nType, lp);
        return;
    }
    // Redraw off validates the window: what waited to be painted (panes
    // moved by new edges) waits again afterwards.
    CRgn waiting;
    const bool bWaiting = waiting.CreateRectRgn(0, 0, 0, 0) && ::GetUpdateRgn(m_hWnd, waiting, FALSE) > NULLREGION;
    CWnd::DefWindowProc(WM_SETREDRAW, FALSE, 0);
    CWnd::DefWindowProc(SB_SETTEXTA, (WPARAM)nIndex | nType, lp);
    CWnd::DefWindowProc(WM_SETREDRAW, TRUE, 0);
    if (bWaiting)
        ::InvalidateRgn(m_hWnd, waiting, FALSE);
    RECT rc = {};
    if (CWnd::DefWindowProc(SB_GETRECT, (WPARAM)nIndex, (LPARAM)&rc))
        ::InvalidateRect(m_hWnd, &rc, FALSE);
}

void CStatusBar::HoldParts(bool bHold)
{
    m_nPartHolds += bHold ? 1 : -1;
    ASSERT(m_nPartHolds >= 0);
    if (m_nPartHolds == 0 && m_bPartsDue)
        UpdateParts();
}

void CStatusBar::UpdateParts(bool bTexts)
{
    if (!m_hWnd || m_panes.empty())
        return;
    if (m_nPartHolds > 0) {
        m_bPartsDue = true;
        return;
    }
    m_bPartsDue = false;
    CRect rc;
    GetClientRect(&rc);
    // Each pane's width plus the control's borders; the grip takes the corner.
    const int kPaneMargin = 8;
    int nFixed = ::GetSystemMetrics(SM_CXVSCROLL);
    for (const Pane& pane : m_panes)
        if (!(pane.nStyle & SBPS_STRETCH))
            nFixed += pane.cxWidth + kPaneMargin;
    std::vector<int> edges;
    int x = 0;
    for (const Pane& pane : m_panes) {
        int cx = (pane.nStyle & SBPS_STRETCH) ? rc.Width() - nFixed : pane.cxWidth + kPaneMargin;
        x += cx > 0 ? cx : 0;
        edges.push_back(x);
    }
    edges.back() = -1;  // the last pane runs to the right edge
    CWnd::DefWindowProc(SB_SETPARTS, (WPARAM)edges.size(), (LPARAM)edges.data());
    for (int i = 0; bTexts && i < GetCount(); i++)
        SendPaneText(i);
    OnPartsUpdated();
}

// A new width moves the panes' edges only: the control keeps the texts of
// its parts (each text given again would be painted at once, pane by pane).
void CStatusBar::OnSize(UINT nType, int cx, int cy)
{
    Default();
    UpdateParts(false);
}

void CStatusBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    DrawInOneStep(dc, rc, [this](HDC hdc) { PrintClientInto(m_hWnd, hdc, POINT{0, 0}, false); });
}

CSize CStatusBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The font's height and the control's borders.
    HFONT hFont = (HFONT)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0);
    CClientDC dc(this);
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hFont ? (HGDIOBJ)hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc.m_hDC, &tm);
    ::SelectObject(dc.m_hDC, hOld);
    int cy = tm.tmHeight + 9;
    return CSize(bStretch ? m_rectLayout.Width() : 32767, cy);
}
