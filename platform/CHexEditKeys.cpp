// CHexEditKeys.cpp: the hex edit control's keyboard and mouse: caret moves
// within and across the panes, selection by Shift and by dragging, and
// overwriting bytes by typing hex digits or characters.
#include <algorithm>

#include "platform/CHexEdit.h"
#include "platform/CodePage.h"
#include "platform/NumberParse.h"

namespace {

bool KeyDown(int nVirtKey)
{
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

}  // namespace

// In a dialog plain Tab moves to the next control, so that the keyboard can
// leave the control; Ctrl+Tab stays here and switches panes.
LRESULT CHexEdit::OnGetDlgCodeMsg(WPARAM, LPARAM lp)
{
    LRESULT n = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const MSG* pMsg = (const MSG*)lp;
    if (pMsg && pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_TAB && KeyDown(VK_CONTROL))
        n |= DLGC_WANTTAB;
    return n;
}

void CHexEdit::OnSetFocus(CWnd*)
{
    ::CreateCaret(m_hWnd, nullptr, 2, m_cell.cy);
    m_bHasCaret = true;
    PlaceCaret();
    ::ShowCaret(m_hWnd);
    Invalidate(FALSE);  // the selection shows with the focus
}

void CHexEdit::OnKillFocus(CWnd*)
{
    if (m_bHasCaret)
        ::DestroyCaret();
    m_bHasCaret = false;
    m_bDragging = false;
    Invalidate(FALSE);
}

// Puts the caret at caret; with bExtend the selection's anchor stays, else it
// follows (an empty selection).
void CHexEdit::MoveCaret(HexCaret caret, bool bExtend)
{
    m_caret = caret;
    if (!bExtend)
        m_nAnchor = caret.nAddress;
    EnsureCaretVisible();
    Invalidate(FALSE);
}

void CHexEdit::MoveByRows(INT64 nRows, bool bExtend)
{
    UINT64 nPerRow = m_layout.nBytesPerRow;
    HexCaret c = m_caret;
    if (nRows < 0) {
        UINT64 nBack = (UINT64)(-nRows) * nPerRow;
        c.nAddress = c.nAddress >= nBack ? c.nAddress - nBack : c.nAddress % nPerRow;
    } else {
        UINT64 nLast = m_parms.nDataSize ? m_parms.nDataSize - 1 : 0;
        UINT64 nTo = c.nAddress + (UINT64)nRows * nPerRow;
        c.nAddress = nTo <= nLast ? nTo : c.nAddress + (nLast - c.nAddress) / nPerRow * nPerRow;
    }
    MoveCaret(c, bExtend);
}

void CHexEdit::OnKeyDown(UINT nChar, UINT, UINT)
{
    bool bShift = KeyDown(VK_SHIFT);
    bool bCtrl = KeyDown(VK_CONTROL);
    UINT64 nSize = m_parms.nDataSize;
    if (nSize == 0)
        return;
    UINT64 nPerRow = m_layout.nBytesPerRow;
    UINT64 nRowStart = m_caret.nAddress / nPerRow * nPerRow;
    HexCaret c = m_caret;
    switch (nChar) {
    case VK_LEFT:
    case VK_RIGHT: {
        int nDir = nChar == VK_RIGHT ? 1 : -1;
        if (bShift) {  // selection runs by whole bytes, up to just past the end
            c.nNibble = 0;
            if (nDir > 0 && c.nAddress < nSize)
                c.nAddress++;
            else if (nDir < 0 && c.nAddress > 0)
                c.nAddress--;
        } else {
            if (c.nAddress >= nSize)  // just past the end after a selection
                c = {nSize - 1, 1};
            c = HexCaretStep(c, m_pane, nDir, nSize);
        }
        MoveCaret(c, bShift);
        break;
    }
    case VK_UP: MoveByRows(-1, bShift); break;
    case VK_DOWN: MoveByRows(1, bShift); break;
    case VK_PRIOR: MoveByRows(-VisibleRows(), bShift); break;
    case VK_NEXT: MoveByRows(VisibleRows(), bShift); break;
    case VK_HOME: MoveCaret({bCtrl ? 0 : nRowStart, 0}, bShift); break;
    case VK_END:
        MoveCaret({bCtrl ? nSize - 1 : std::min(nRowStart + nPerRow - 1, nSize - 1), 0}, bShift);
        break;
    case VK_TAB:
        SetActivePane(m_pane == HexPane::Hex ? HexPane::Char : HexPane::Hex);
        break;
    case 'A':
        if (bCtrl)
            SetSel(0, nSize);
        break;
    case 'C':
    case VK_INSERT:
        if (bCtrl)
            CopySelection();
        break;
    default: break;
    }
}

void CHexEdit::OnChar(UINT nChar, UINT, UINT)
{
    if (nChar < 0x20 || nChar > 0xFF || KeyDown(VK_CONTROL) || IsReadOnly())
        return;  // control characters (Tab, Ctrl+letters) come through OnKeyDown
    if (m_pane == HexPane::Hex) {
        int nDigit = HexDigitValue((char)nChar);
        if (nDigit < 0)
            ::MessageBeep(MB_OK);
        else
            TypeHexDigit(nDigit);
    } else {
        TypeChar((BYTE)nChar);
    }
}

// Typing starts at the selection's start when there is a selection.
void CHexEdit::TypeHexDigit(int nDigit)
{
    UINT64 nStart, nEnd;
    GetSel(nStart, nEnd);
    HexCaret c = nStart != nEnd ? HexCaret{nStart, 0} : m_caret;
    const BYTE* p = ReadBytes(c.nAddress, 1);
    if (!p)
        return;
    BYTE b = HexSetNibble(*p, c.nNibble, nDigit);
    WriteBytes(c.nAddress, &b, 1);
    MoveCaret(HexCaretStep(c, HexPane::Hex, 1, m_parms.nDataSize), false);
}

void CHexEdit::TypeChar(BYTE ch)
{
    UINT64 nStart, nEnd;
    GetSel(nStart, nEnd);
    UINT64 nAddr = nStart != nEnd ? nStart : m_caret.nAddress;
    if (nAddr >= m_parms.nDataSize)
        return;
    BYTE b = (m_parms.dwFlags & HEF_EBCDIC) ? AsciiToEbcdic(ch) : ch;
    WriteBytes(nAddr, &b, 1);
    MoveCaret(HexCaretStep({nAddr, 0}, HexPane::Char, 1, m_parms.nDataSize), false);
}

// The byte (and digit) and pane under a client point; false past the data.
bool CHexEdit::HitTest(CPoint point, HexCaret& caret, HexPane& pane) const
{
    if (m_parms.nDataSize == 0 || point.y < 0)
        return false;
    HexHit hit = HexHitTest(m_layout, (UINT)std::max(0, (int)(point.x / m_cell.cx)));
    UINT64 nAddr = (m_nTopRow + (UINT64)(point.y / m_cell.cy)) * m_layout.nBytesPerRow + hit.nByte;
    if (nAddr >= m_parms.nDataSize)
        return false;
    caret = {nAddr, hit.nNibble};
    pane = hit.pane;
    return true;
}

void CHexEdit::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    HexCaret c;
    HexPane pane;
    if (!HitTest(point, c, pane))
        return;
    m_pane = pane;
    MoveCaret(c, (nFlags & MK_SHIFT) != 0);
    m_bDragging = true;
    SetCapture();
}

// Dragging selects whole bytes, the one under the mouse included.
void CHexEdit::OnMouseMove(UINT, CPoint point)
{
    if (!m_bDragging)
        return;
    HexCaret c;
    HexPane pane;
    if (!HitTest(point, c, pane))
        return;
    c.nNibble = 0;
    if (c.nAddress >= m_nAnchor)
        c.nAddress++;
    MoveCaret(c, true);
}

void CHexEdit::OnLButtonUp(UINT, CPoint)
{
    if (m_bDragging)
        ::ReleaseCapture();
    m_bDragging = false;
}
