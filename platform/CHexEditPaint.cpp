// CHexEditPaint.cpp: the hex edit control's painting: row by row, the
// address column, the hex pane in groups and the character pane, selected
// bytes in the highlight colours, all in the read-only colours while the
// control is read-only or disabled.
#include <algorithm>
#include <cstring>

#include "platform/CDC.h"
#include "platform/CHexEdit.h"
#include "platform/CodePage.h"
#include "platform/OneStepPaint.h"

namespace {

// The character a byte shows in the character pane.
char DisplayChar(BYTE b, bool bEbcdic)
{
    if (bEbcdic)
        b = EbcdicToAscii(b);
    return (b >= 0x20 && b < 0x7F) ? (char)b : '.';
}

}  // namespace

BOOL CHexEdit::OnEraseBkgnd(CDC*)
{
    return TRUE;  // OnPaint fills every pixel
}

// Drawn off the screen and copied at once (OneStepPaint.h): new contents
// never show in part.
void CHexEdit::OnPaint()
{
    CPaintDC paint(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    DrawInOneStep(paint, rcClient, [&](HDC hdc) {
        CDC dc(hdc);
        CDCSelect selFont(dc, m_font.m_hObject ? (HGDIOBJ)m_font.m_hObject : ::GetStockObject(ANSI_FIXED_FONT));
        dc.FillSolidRect(&rcClient, IsReadOnly() ? m_parms.clrReadOnlyBack : m_parms.clrBack);
        if (m_parms.nDataSize == 0)
            PaintNoDataText(dc, rcClient);
        UINT64 nRows = RowCount();
        for (int y = 0; y < rcClient.Height() && m_nTopRow + y / m_cell.cy < nRows; y += m_cell.cy)
            PaintRow(dc, m_nTopRow + y / m_cell.cy, y);
    });
}

// The window text, centred and wrapped, in the read-only text colour.
void CHexEdit::PaintNoDataText(CDC& dc, const CRect& rcClient)
{
    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty())
        return;
    dc.SetTextColor(m_parms.clrReadOnlyText);
    int nOldMode = ::SetBkMode(dc, TRANSPARENT);
    CRect rc = rcClient;
    rc.DeflateRect(m_cell.cx, m_cell.cy);
    CRect rcCalc = rc;
    ::DrawTextA(dc, strText, -1, &rcCalc, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    rc.top += std::max(0, (rc.Height() - rcCalc.Height()) / 2);
    ::DrawTextA(dc, strText, -1, &rc, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    ::SetBkMode(dc, nOldMode);
}

// Cells at x, in the selection's colours or the normal ones.
void CHexEdit::PaintCells(CDC& dc, int x, int y, const char* psz, int n, bool bSelected)
{
    bool bReadOnly = IsReadOnly();
    COLORREF clrText = bReadOnly ? m_parms.clrReadOnlyText : m_parms.clrText;
    COLORREF clrBack = bReadOnly ? m_parms.clrReadOnlyBack : m_parms.clrBack;
    if (bSelected) {
        clrText = bReadOnly ? m_parms.clrReadOnlyHighlightText : m_parms.clrHighlightText;
        clrBack = bReadOnly ? m_parms.clrReadOnlyHighlightBack : m_parms.clrHighlightBack;
    }
    dc.SetTextColor(clrText);
    dc.SetBkColor(clrBack);
    CRect rc(x, y, x + n * m_cell.cx, y + m_cell.cy);
    // One cell a character, whatever the font's own advances.
    int dx[32];
    n = std::min(n, (int)(sizeof dx / sizeof dx[0]));
    std::fill(dx, dx + n, (int)m_cell.cx);
    dc.ExtTextOut(x, y, ETO_OPAQUE | ETO_CLIPPED, &rc, psz, (UINT)n, dx);
}

void CHexEdit::PaintRow(CDC& dc, UINT64 nRow, int y)
{
    static const char kDigits[] = "0123456789ABCDEF";
    UINT64 nAddr = nRow * m_layout.nBytesPerRow;
    UINT nBytes = (UINT)std::min<UINT64>(m_layout.nBytesPerRow, m_parms.nDataSize - nAddr);
    char szAddr[17];
    HexFormatAddress(nAddr, m_layout.nAddrDigits, szAddr);
    PaintCells(dc, 0, y, szAddr, (int)m_layout.nAddrDigits, false);
    const BYTE* p = ReadBytes(nAddr, nBytes);
    if (!p)
        return;
    UINT64 nSelStart, nSelEnd;
    GetSel(nSelStart, nSelEnd);
    bool bShowSel = ::GetFocus() == m_hWnd || (m_parms.dwFlags & HEF_NOHIDESEL);
    bool bEbcdic = (m_parms.dwFlags & HEF_EBCDIC) != 0;
    for (UINT i = 0; i < nBytes; i++) {
        bool bSel = bShowSel && nAddr + i >= nSelStart && nAddr + i < nSelEnd;
        // A blank between groups is highlighted when the selection runs on.
        bool bGap = (i + 1) % m_layout.nGroupBytes == 0 && i + 1 < nBytes;
        bool bGapSel = bSel && nAddr + i + 1 < nSelEnd;
        char hex[3] = {kDigits[p[i] >> 4], kDigits[p[i] & 0x0F], ' '};
        int x = (int)m_layout.HexColumnOf(i) * m_cell.cx;
        PaintCells(dc, x, y, hex, 2, bSel);
        if (bGap)
            PaintCells(dc, x + 2 * m_cell.cx, y, hex + 2, 1, bGapSel);
        char ch = DisplayChar(p[i], bEbcdic);
        PaintCells(dc, (int)(m_layout.CharColumn() + i) * m_cell.cx, y, &ch, 1, bSel);
    }
}
