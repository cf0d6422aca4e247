// CHexEdit.cpp: the hex edit control's creation, parameters, data access,
// selection and scrolling (see CHexEdit.h).
#include "platform/CHexEdit.h"

#include <algorithm>
#include <cstring>

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(CHexEdit, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_MESSAGE(WM_ENABLE, OnEnableMsg)
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCodeMsg)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_GETFONT, OnGetFontMsg)
END_MESSAGE_MAP()

BOOL CHexEdit::RegisterClass()
{
    WNDCLASSA wc = {};
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    if (::GetClassInfoA(hInst, kClassName, &wc))
        return TRUE;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProcA;  // CreateEx and SubclassDlgItem route it through the object
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursor(nullptr, IDC_IBEAM);
    wc.lpszClassName = kClassName;
    return ::RegisterClassA(&wc) != 0;
}

CHexEdit::CHexEdit()
{
    m_parms.clrText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_parms.clrBack = ::GetSysColor(COLOR_WINDOW);
    m_parms.clrHighlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_parms.clrHighlightBack = ::GetSysColor(COLOR_HIGHLIGHT);
    m_parms.clrReadOnlyText = ::GetSysColor(COLOR_GRAYTEXT);
    m_parms.clrReadOnlyBack = ::GetSysColor(COLOR_3DFACE);
    m_parms.clrReadOnlyHighlightText = ::GetSysColor(COLOR_WINDOWTEXT);
    m_parms.clrReadOnlyHighlightBack = ::GetSysColor(COLOR_3DLIGHT);
    m_parms.lfFont.lfHeight = -13;
    m_parms.lfFont.lfWeight = FW_NORMAL;
    m_parms.lfFont.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    strcpy(m_parms.lfFont.lfFaceName, "Courier New");
}

BOOL CHexEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!RegisterClass())
        return FALSE;
    return CreateEx(0, kClassName, "", dwStyle | WS_CHILD | WS_VSCROLL, rect, pParentWnd, nID);
}

int CHexEdit::OnCreate(LPCREATESTRUCT)
{
    Init();
    return 0;
}

// A control of a dialog template is subclassed after its creation.
void CHexEdit::PreSubclassWindow()
{
    Init();
}

void CHexEdit::Init()
{
    m_font.CreateFontIndirect(&m_parms.lfFont);
    Recalc();
}

LRESULT CHexEdit::OnEnableMsg(WPARAM, LPARAM)
{
    Invalidate();
    return 0;
}

// What OnCreate made goes here, in one place.
void CHexEdit::OnDestroy()
{
    if (m_bHasCaret)
        ::DestroyCaret();
    m_bHasCaret = false;
    m_font.DeleteObject();
    CWnd::OnDestroy();
}

BOOL CHexEdit::SetParms(const HEPARMS& parms)
{
    if (parms.cbSize != sizeof(HEPARMS))
        return FALSE;
    DWORD m = parms.dwMask;
    if (m & HEPM_COLORS) {
        m_parms.clrText = parms.clrText;
        m_parms.clrBack = parms.clrBack;
        m_parms.clrHighlightText = parms.clrHighlightText;
        m_parms.clrHighlightBack = parms.clrHighlightBack;
    }
    if (m & HEPM_READONLYCOLORS) {
        m_parms.clrReadOnlyText = parms.clrReadOnlyText;
        m_parms.clrReadOnlyBack = parms.clrReadOnlyBack;
        m_parms.clrReadOnlyHighlightText = parms.clrReadOnlyHighlightText;
        m_parms.clrReadOnlyHighlightBack = parms.clrReadOnlyHighlightBack;
    }
    if (m & HEPM_FONT) {
        m_parms.lfFont = parms.lfFont;
        if (m_hWnd)
            m_font.CreateFontIndirect(&m_parms.lfFont);
    }
    if (m & HEPM_DATASIZE)
        m_parms.nDataSize = parms.nDataSize;
    if (m & HEPM_DATA)
        m_parms.pData = parms.pData;
    if (m & HEPM_CALLBACKS) {
        m_parms.pfnRead = parms.pfnRead;
        m_parms.pfnWrite = parms.pfnWrite;
        m_parms.pContext = parms.pContext;
    }
    if (m & HEPM_LAYOUT) {
        m_parms.nGroupBytes = std::max(1u, parms.nGroupBytes);
        m_parms.nPaneGap = std::max(1u, parms.nPaneGap);
    }
    if (m & HEPM_FLAGS)
        m_parms.dwFlags = parms.dwFlags;
    // The caret and selection stay inside the (maybe smaller) data.
    UINT64 nLast = m_parms.nDataSize ? m_parms.nDataSize - 1 : 0;
    m_caret.nAddress = std::min(m_caret.nAddress, nLast);
    m_nAnchor = std::min(m_nAnchor, m_parms.nDataSize);
    if (m_hWnd) {
        Recalc();
        Invalidate();
    }
    return TRUE;
}

const BYTE* CHexEdit::ReadBytes(UINT64 nAddress, UINT nLength) const
{
    if (nLength == 0 || nAddress >= m_parms.nDataSize || nLength > m_parms.nDataSize - nAddress)
        return nullptr;
    if (m_parms.pfnRead)
        return m_parms.pfnRead(m_parms.pContext, nAddress, nLength);
    return m_parms.pData ? m_parms.pData + nAddress : nullptr;
}

void CHexEdit::WriteBytes(UINT64 nAddress, const BYTE* pData, UINT nLength)
{
    if (m_parms.pfnWrite)
        m_parms.pfnWrite(m_parms.pContext, nAddress, pData, nLength);
    else if (m_parms.pData)
        memcpy(m_parms.pData + nAddress, pData, nLength);
}

bool CHexEdit::IsReadOnly() const
{
    return (m_parms.dwFlags & HEF_READONLY) || (m_hWnd && !IsWindowEnabled());
}

void CHexEdit::GetSel(UINT64& nStart, UINT64& nEnd) const
{
    nStart = std::min(m_nAnchor, m_caret.nAddress);
    nEnd = std::max(m_nAnchor, m_caret.nAddress);
}

void CHexEdit::SetSel(UINT64 nStart, UINT64 nEnd)
{
    UINT64 nSize = m_parms.nDataSize;
    nStart = std::min(nStart, nSize ? nSize - 1 : 0);
    nEnd = std::min(std::max(nEnd, nStart), nSize);
    m_caret = {nStart, 0};
    m_nAnchor = nEnd;
    if (m_hWnd) {
        EnsureCaretVisible();
        Invalidate(FALSE);
    }
}

BOOL CHexEdit::ReplaceSel(const BYTE* pData, UINT nLength)
{
    UINT64 nStart, nEnd;
    GetSel(nStart, nEnd);
    if (IsReadOnly() || nLength == 0 || nStart >= m_parms.nDataSize)
        return FALSE;
    UINT n = (UINT)std::min<UINT64>(nLength, m_parms.nDataSize - nStart);
    WriteBytes(nStart, pData, n);
    SetSel(nStart, nStart + n);
    return TRUE;
}

void CHexEdit::SetActivePane(HexPane pane)
{
    m_pane = pane;
    m_caret.nNibble = 0;
    PlaceCaret();
}

UINT64 CHexEdit::RowCount() const
{
    UINT64 n = m_layout.nBytesPerRow;
    return (m_parms.nDataSize + n - 1) / n;
}

int CHexEdit::VisibleRows() const
{
    CRect rc;
    GetClientRect(&rc);
    return std::max(1, (int)(rc.Height() / std::max(1, (int)m_cell.cy)));
}

// Measures the font, fits the row to the width and sets the scroll bar.
void CHexEdit::Recalc()
{
    CClientDC dc(this);
    CDCSelect sel(dc, m_font.m_hObject ? (HGDIOBJ)m_font.m_hObject : ::GetStockObject(ANSI_FIXED_FONT));
    TEXTMETRICA tm = {};
    dc.GetTextMetrics(&tm);
    // A cell holds the widest hex digit: a font the system replaced by a
    // proportional one still keeps its columns (painting spaces each
    // character by the cell).
    int cx = (int)tm.tmAveCharWidth;
    for (const char* p = "0123456789ABCDEF"; *p; ++p)
        cx = std::max(cx, (int)dc.GetTextExtent(p, 1).cx);
    m_cell = CSize(std::max(1, cx), std::max(1, (int)tm.tmHeight));
    m_layout.nAddrDigits = (m_parms.dwFlags & HEF_WIDEADDRESS) ? 16 : 8;
    m_layout.nGroupBytes = m_parms.nGroupBytes;
    m_layout.nPaneGap = m_parms.nPaneGap;
    CRect rc;
    GetClientRect(&rc);
    UINT nColumns = (UINT)std::max(0, (int)(rc.Width() / m_cell.cx));
    m_layout.nBytesPerRow = HexFitBytesPerRow(nColumns, m_layout.nAddrDigits, m_layout.nGroupBytes,
                                              m_layout.nPaneGap);
    ScrollToRow(m_nTopRow);
    PlaceCaret();
}

void CHexEdit::OnSize(UINT, int, int)
{
    Recalc();
    Invalidate(FALSE);
}

void CHexEdit::UpdateScrollBar()
{
    UINT64 nRows = RowCount();
    SCROLLINFO si = {};
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = nRows ? HexScrollPosOfRow(nRows - 1, nRows) : 0;
    si.nPage = (UINT)(VisibleRows() / HexScrollScale(nRows));
    si.nPos = HexScrollPosOfRow(m_nTopRow, nRows);
    SetScrollInfo(SB_VERT, &si);
}

// Shows nRow at the top, as far as the data lets the last page fill.
void CHexEdit::ScrollToRow(UINT64 nRow)
{
    UINT64 nRows = RowCount();
    UINT64 nPage = (UINT64)VisibleRows();
    UINT64 nMaxTop = nRows > nPage ? nRows - nPage : 0;
    nRow = std::min(nRow, nMaxTop);
    if (nRow != m_nTopRow) {
        m_nTopRow = nRow;
        Invalidate(FALSE);
    }
    UpdateScrollBar();
    PlaceCaret();
}

void CHexEdit::ScrollAddressToTop(UINT64 nAddress)
{
    if (m_hWnd && m_layout.nBytesPerRow)
        ScrollToRow(nAddress / m_layout.nBytesPerRow);
}

void CHexEdit::EnsureCaretVisible()
{
    UINT64 nRow = m_caret.nAddress / m_layout.nBytesPerRow;
    UINT64 nPage = (UINT64)VisibleRows();
    if (nRow < m_nTopRow)
        ScrollToRow(nRow);
    else if (nRow >= m_nTopRow + nPage)
        ScrollToRow(nRow - nPage + 1);
    else
        PlaceCaret();
}

CPoint CHexEdit::GetCaretPoint() const
{
    UINT64 nAddr = std::min(m_caret.nAddress, m_parms.nDataSize ? m_parms.nDataSize - 1 : 0);
    UINT64 nRow = nAddr / m_layout.nBytesPerRow;
    UINT nByte = (UINT)(nAddr % m_layout.nBytesPerRow);
    UINT nCol = m_pane == HexPane::Hex ? m_layout.HexColumnOf(nByte) + m_caret.nNibble
                                       : m_layout.CharColumn() + nByte;
    INT64 nRel = (INT64)nRow - (INT64)m_nTopRow;
    return CPoint((int)nCol * m_cell.cx, (int)(nRel * m_cell.cy));
}

void CHexEdit::PlaceCaret()
{
    if (m_bHasCaret)
        ::SetCaretPos(GetCaretPoint().x, GetCaretPoint().y);
}

void CHexEdit::OnVScroll(UINT nSBCode, UINT, CScrollBar*)
{
    UINT64 nPage = (UINT64)VisibleRows();
    UINT64 nRows = RowCount();
    SCROLLINFO si = {};
    si.fMask = SIF_TRACKPOS;
    GetScrollInfo(SB_VERT, &si);
    switch (nSBCode) {
    case SB_LINEUP: ScrollToRow(m_nTopRow ? m_nTopRow - 1 : 0); break;
    case SB_LINEDOWN: ScrollToRow(m_nTopRow + 1); break;
    case SB_PAGEUP: ScrollToRow(m_nTopRow > nPage ? m_nTopRow - nPage : 0); break;
    case SB_PAGEDOWN: ScrollToRow(m_nTopRow + nPage); break;
    case SB_TOP: ScrollToRow(0); break;
    case SB_BOTTOM: ScrollToRow(nRows); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollToRow(HexRowOfScrollPos(si.nTrackPos, nRows)); break;
    default: break;
    }
}

BOOL CHexEdit::OnMouseWheel(UINT, short zDelta, CPoint)
{
    const UINT64 kRowsPerNotch = 3;
    if (zDelta > 0)
        ScrollToRow(m_nTopRow > kRowsPerNotch ? m_nTopRow - kRowsPerNotch : 0);
    else if (zDelta < 0)
        ScrollToRow(m_nTopRow + kRowsPerNotch);
    return TRUE;
}

LRESULT CHexEdit::OnGetFontMsg(WPARAM, LPARAM)
{
    return (LRESULT)m_font.m_hObject;
}
