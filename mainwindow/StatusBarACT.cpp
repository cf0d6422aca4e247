// StatusBarACT.cpp: the status bar's pane flags, tooltips, fonts, cursors
// and click reports.
#include "mainwindow/StatusBarACT.h"

#include "platform/AfxResource.h"
#include "platform/CDC.h"

IMPLEMENT_DYNAMIC(CStatusBarACT, CStatusBar)

BEGIN_MESSAGE_MAP(CStatusBarACT, CStatusBar)
    ON_WM_CREATE()
    ON_WM_SETCURSOR()
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

DWORD NormalizePaneFlags(DWORD dwFlags)
{
    if (!(dwFlags & 0xF000))
        dwFlags |= SBACT_LEFT;
    if (!(dwFlags & 0x0F00))
        dwFlags |= SBACT_DBLCLICK;
    return dwFlags;
}

int CStatusBarACT::OnCreate(LPCREATESTRUCT pcs)
{
    if (CStatusBar::OnCreate(pcs) == -1)
        return -1;
    if (m_wndToolTip.Create(this, TTS_ALWAYSTIP))
        m_wndToolTip.SetMaxTipWidth(65535);
    return 0;
}

void CStatusBarACT::OnDestroy()
{
    if (m_wndToolTip.m_hWnd)
        m_wndToolTip.DestroyWindow();
    CStatusBar::OnDestroy();
}

void CStatusBarACT::EnsurePaneArrays(int nIndex)
{
    size_t n = (size_t)nIndex + 1;
    if (m_arrPaneFlags.size() < n) {
        m_arrPaneFlags.resize(n, 0);
        m_arrPaneCursors.resize(n, nullptr);
        m_arrPaneFonts.resize(n);
        m_arrPaneColors.resize(n, 0);
        m_arrPaneTips.resize(n);
    }
}

BOOL CStatusBarACT::SetIndicators(const SBACT_INDICATOR* pIndicators, int nCount)
{
    if (!pIndicators || nCount <= 0)
        return FALSE;
    std::vector<UINT> ids;
    for (int i = 0; i < nCount; i++)
        ids.push_back(pIndicators[i].nID);
    // Pane state belongs to pane positions, which the new panes replace.
    m_arrPaneFlags.clear();
    m_arrPaneCursors.clear();
    m_arrPaneFonts.clear();
    m_arrPaneColors.clear();
    m_arrPaneTips.clear();
    BOOL bResult = CStatusBar::SetIndicators(ids.data(), nCount);
    // Each pane's tooltip takes the pane's place (or, while the parts are
    // held, its place at their release).
    for (int i = 0; i < nCount; i++)
        SetPaneRecord(&pIndicators[i]);
    return bResult;
}

BOOL CStatusBarACT::SetPaneRecord(const SBACT_INDICATOR* pIndicator)
{
    if (!pIndicator)
        return FALSE;
    int nIndex = CommandToIndex(pIndicator->nID);
    if (nIndex < 0)
        return FALSE;
    SetPaneTooltip(nIndex, pIndicator->pszTip);
    SetPaneFlags(nIndex, pIndicator->dwFlags);
    if (pIndicator->nCursorID)
        SetPaneCursor(nIndex, ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(pIndicator->nCursorID)));
    return TRUE;
}

void CStatusBarACT::SetPaneFlags(int nIndex, DWORD dwFlags)
{
    if (!IsValidIndex(nIndex))
        return;
    EnsurePaneArrays(nIndex);
    m_arrPaneFlags[(size_t)nIndex] = NormalizePaneFlags(dwFlags);
}

DWORD CStatusBarACT::GetPaneFlags(int nIndex) const
{
    return nIndex >= 0 && (size_t)nIndex < m_arrPaneFlags.size() ? m_arrPaneFlags[(size_t)nIndex] : 0;
}

void CStatusBarACT::SetPaneTooltip(int nIndex, LPCSTR pszText)
{
    if (!IsValidIndex(nIndex) || !m_wndToolTip.m_hWnd)
        return;
    EnsurePaneArrays(nIndex);
    CString& tip = m_arrPaneTips[(size_t)nIndex];
    tip = pszText ? pszText : "";
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = m_hWnd;
    ti.uId = (UINT_PTR)nIndex + 1;
    if (tip.IsEmpty()) {
        ::SendMessageA(m_wndToolTip.m_hWnd, TTM_DELTOOLA, 0, (LPARAM)&ti);
        return;
    }
    GetItemRect(nIndex, &ti.rect);
    ti.lpszText = (LPSTR)(LPCSTR)tip;
    ti.uFlags = TTF_SUBCLASS;
    if (::SendMessageA(m_wndToolTip.m_hWnd, TTM_GETTOOLCOUNT, 0, 0) > 0) {
        TOOLINFOA probe = ti;
        probe.lpszText = nullptr;
        if (::SendMessageA(m_wndToolTip.m_hWnd, TTM_GETTOOLINFOA, 0, (LPARAM)&probe)) {
            ::SendMessageA(m_wndToolTip.m_hWnd, TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
            return;
        }
    }
    ::SendMessageA(m_wndToolTip.m_hWnd, TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

void CStatusBarACT::SetPaneTooltipId(int nIndex, UINT nStringID)
{
    CString text;
    if (text.LoadString(nStringID))
        SetPaneTooltip(nIndex, text);
}

void CStatusBarACT::SetPaneCursor(int nIndex, HCURSOR hCursor)
{
    if (!IsValidIndex(nIndex))
        return;
    EnsurePaneArrays(nIndex);
    m_arrPaneCursors[(size_t)nIndex] = hCursor;
}

HCURSOR CStatusBarACT::GetPaneCursor(int nIndex) const
{
    return nIndex >= 0 && (size_t)nIndex < m_arrPaneCursors.size() ? m_arrPaneCursors[(size_t)nIndex] : nullptr;
}

BOOL CStatusBarACT::SetClickCursor(UINT nCursorID, BOOL bUseHand)
{
    m_hClickCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nCursorID));
    m_bUseHandCursor = bUseHand;
    return m_hClickCursor != nullptr;
}

BOOL CStatusBarACT::SetPaneFont(int nIndex, int nPointSize10, LPCSTR pszFace, COLORREF crText)
{
    if (!IsValidIndex(nIndex))
        return FALSE;
    auto pFont = std::make_unique<CFont>();
    CClientDC dc(this);
    LOGFONTA lf = {};
    lf.lfHeight = -::MulDiv(nPointSize10, ::GetDeviceCaps(dc.m_hDC, LOGPIXELSY), 720);
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, pszFace ? pszFace : "", LF_FACESIZE);
    if (!pFont->CreateFontIndirect(&lf))
        return FALSE;
    EnsurePaneArrays(nIndex);
    m_arrPaneFonts[(size_t)nIndex] = std::move(pFont);
    m_arrPaneColors[(size_t)nIndex] = crText;
    SetPaneStyle(nIndex, GetPaneStyle(nIndex) | SBPS_OWNERDRAW);
    FitPaneToText(nIndex);
    return TRUE;
}

void CStatusBarACT::FitPaneToText(int nIndex)
{
    if (!IsValidIndex(nIndex))
        return;
    CString text = GetPaneText(nIndex);
    int nl = text.Find('\n');
    if (nl >= 0)
        text = text.Left(nl);
    CClientDC dc(this);
    CFont* pFont = (size_t)nIndex < m_arrPaneFonts.size() ? m_arrPaneFonts[(size_t)nIndex].get() : nullptr;
    HGDIOBJ hFont = pFont ? (HGDIOBJ)pFont->m_hObject : (HGDIOBJ)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0);
    CDCSelect selFont(dc, hFont ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    RECT rc = {0, 0, 0, 0};
    ::DrawTextA(dc.m_hDC, text, text.GetLength(), &rc, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    UINT nID, nStyle;
    int cx;
    GetPaneInfo(nIndex, nID, nStyle, cx);
    // The text changes with every status report; the panes are laid out
    // again only when its width did.
    if (cx == rc.right - rc.left)
        return;
    SetPaneInfo(nIndex, nID, nStyle, rc.right - rc.left);
}

BOOL CStatusBarACT::SetPaneText(int nIndex, LPCSTR pszText, BOOL bUpdate)
{
    CString text(pszText ? pszText : "");
    int nl = text.Find('\n');
    if (!CStatusBar::SetPaneText(nIndex, nl >= 0 ? text.Left(nl) : text, bUpdate))
        return FALSE;
    AfterTextSet(nIndex, nl >= 0 ? text.Mid(nl + 1) : CString(), nl >= 0);
    return TRUE;
}

void CStatusBarACT::AfterTextSet(int nIndex, const CString& strTip, bool bHasTip)
{
    if (GetPaneFlags(nIndex) & SBACT_FIT_TEXT)
        FitPaneToText(nIndex);
    if (bHasTip)
        SetPaneTooltip(nIndex, strTip);
}

int CStatusBarACT::HitTest(int x, int y) const
{
    POINT pt = {x, y};
    for (int i = 0; i < GetCount(); i++) {
        RECT rc;
        GetItemRect(i, &rc);
        if (::PtInRect(&rc, pt))
            return i;
    }
    return -1;
}

void CStatusBarACT::OnPartsUpdated()
{
    if (!m_wndToolTip.m_hWnd)
        return;
    for (int i = 0; i < GetCount(); i++) {
        TOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        ti.hwnd = m_hWnd;
        ti.uId = (UINT_PTR)i + 1;
        GetItemRect(i, &ti.rect);
        ::SendMessageA(m_wndToolTip.m_hWnd, TTM_NEWTOOLRECTA, 0, (LPARAM)&ti);
    }
}

BOOL CStatusBarACT::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndToolTip.m_hWnd)
        m_wndToolTip.RelayEvent(pMsg);
    return CStatusBar::PreTranslateMessage(pMsg);
}

void CStatusBarACT::ReportClick(UINT msg, LPARAM lp)
{
    HWND hParent = ::GetParent(m_hWnd);
    int nIndex = HitTest((short)LOWORD(lp), (short)HIWORD(lp));
    if (!hParent || nIndex < 0)
        return;
    DWORD dwFlags = GetPaneFlags(nIndex);
    bool bDouble = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
    DWORD dwKind = bDouble ? SBACT_DBLCLICK : SBACT_CLICK;
    DWORD dwButton = msg >= WM_MBUTTONDOWN ? SBACT_MIDDLE : msg >= WM_RBUTTONDOWN ? SBACT_RIGHT : SBACT_LEFT;
    if ((dwFlags & SBACT_NOTIFY) && (dwFlags & dwKind) && (dwFlags & dwButton))
        ::SendMessageA(hParent, WM_COMMAND, (WPARAM)((msg << 16) | (GetItemID(nIndex) & 0xFFFF)), 0);
}

LRESULT CStatusBarACT::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK)
        ReportClick(msg, lp);
    if (msg == SB_SETTEXTA && lp && !(wp & SBT_OWNERDRAW)) {
        // "text\ntip": the pane shows the text, the rest is its tooltip.
        int nIndex = (int)(wp & 0xFF);
        CString text((LPCSTR)lp);
        int nl = text.Find('\n');
        CString shown = nl >= 0 ? text.Left(nl) : text;
        LRESULT r = CStatusBar::DefWindowProc(msg, wp, (LPARAM)(LPCSTR)shown);
        AfterTextSet(nIndex, nl >= 0 ? text.Mid(nl + 1) : CString(), nl >= 0);
        return r;
    }
    return CStatusBar::DefWindowProc(msg, wp, lp);
}

void CStatusBarACT::DrawItem(LPDRAWITEMSTRUCT pDIS)
{
    int nIndex = (int)pDIS->itemID;
    if (!IsValidIndex(nIndex))
        return;
    CFont* pFont = (size_t)nIndex < m_arrPaneFonts.size() ? m_arrPaneFonts[(size_t)nIndex].get() : nullptr;
    HGDIOBJ hFont = pFont ? (HGDIOBJ)pFont->m_hObject : (HGDIOBJ)::SendMessageA(m_hWnd, WM_GETFONT, 0, 0);
    if (!hFont)
        hFont = ::GetStockObject(ANSI_VAR_FONT);
    CDCSelect selFont(pDIS->hDC, hFont);
    if (pFont)
        ::SetTextColor(pDIS->hDC, m_arrPaneColors[(size_t)nIndex]);
    int nMode = ::SetBkMode(pDIS->hDC, TRANSPARENT);
    CString text = GetPaneText(nIndex);
    RECT rc = pDIS->rcItem;
    ::DrawTextA(pDIS->hDC, text, text.GetLength(), &rc, DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER);
    ::SetBkMode(pDIS->hDC, nMode);
}

BOOL CStatusBarACT::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT) {
        POINT pt;
        ::GetCursorPos(&pt);
        ::ScreenToClient(m_hWnd, &pt);
        int nIndex = HitTest(pt.x, pt.y);
        HCURSOR hCursor = GetPaneCursor(nIndex);
        if (!hCursor && nIndex >= 0 && (GetPaneFlags(nIndex) & SBACT_CLICK_CURSOR)) {
            HCURSOR hHand = m_bUseHandCursor ? ::LoadCursorA(nullptr, IDC_HAND) : nullptr;
            hCursor = hHand ? hHand : m_hClickCursor;
        }
        if (hCursor) {
            ::SetCursor(hCursor);
            return TRUE;
        }
    }
    return (BOOL)Default();
}
