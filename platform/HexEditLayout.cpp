// HexEditLayout.cpp: cells, carets, digits and scroll positions of the hex
// edit control (see HexEditLayout.h).
#include "platform/HexEditLayout.h"

namespace {

const UINT64 kMaxScrollPos = 0x7FFF0000;

}  // namespace

UINT HexFitBytesPerRow(UINT nColumns, UINT nAddrDigits, UINT nGroupBytes, UINT nPaneGap)
{
    if (nGroupBytes == 0)
        nGroupBytes = 1;
    HexEditLayout layout{nAddrDigits, nGroupBytes, nGroupBytes, nPaneGap};
    for (UINT nBytes = nGroupBytes * 2; nBytes <= 4096; nBytes += nGroupBytes) {
        layout.nBytesPerRow = nBytes;
        if (layout.TotalColumns() > nColumns)
            return nBytes - nGroupBytes;
    }
    return 4096;
}

HexHit HexHitTest(const HexEditLayout& layout, UINT nColumn)
{
    if (nColumn >= layout.CharColumn() - layout.nPaneGap / 2) {
        UINT n = nColumn < layout.CharColumn() ? 0 : nColumn - layout.CharColumn();
        if (n >= layout.nBytesPerRow)
            n = layout.nBytesPerRow - 1;
        return {HexPane::Char, n, 0};
    }
    if (nColumn < layout.HexColumn())
        return {HexPane::Hex, 0, 0};
    UINT nRel = nColumn - layout.HexColumn();
    UINT nGroupCells = layout.nGroupBytes * 2 + 1;
    UINT nGroup = nRel / nGroupCells;
    UINT nInGroup = nRel % nGroupCells;
    if (nInGroup == nGroupCells - 1) {  // the blank after a group
        UINT nNext = (nGroup + 1) * layout.nGroupBytes;
        if (nNext < layout.nBytesPerRow)
            return {HexPane::Hex, nNext, 0};
        return {HexPane::Hex, layout.nBytesPerRow - 1, 1};
    }
    UINT nByte = nGroup * layout.nGroupBytes + nInGroup / 2;
    if (nByte >= layout.nBytesPerRow)
        return {HexPane::Hex, layout.nBytesPerRow - 1, 1};
    return {HexPane::Hex, nByte, (int)(nInGroup % 2)};
}

HexCaret HexCaretStep(HexCaret caret, HexPane pane, int nDir, UINT64 nDataSize)
{
    if (nDataSize == 0)
        return {};
    if (pane == HexPane::Char) {
        caret.nNibble = 0;
        if (nDir > 0 && caret.nAddress + 1 < nDataSize)
            caret.nAddress++;
        else if (nDir < 0 && caret.nAddress > 0)
            caret.nAddress--;
        return caret;
    }
    if (nDir > 0) {
        if (caret.nNibble == 0)
            caret.nNibble = 1;
        else if (caret.nAddress + 1 < nDataSize)
            caret = {caret.nAddress + 1, 0};
    } else if (nDir < 0) {
        if (caret.nNibble == 1)
            caret.nNibble = 0;
        else if (caret.nAddress > 0)
            caret = {caret.nAddress - 1, 1};
    }
    return caret;
}

BYTE HexSetNibble(BYTE b, int nNibble, int nDigit)
{
    nDigit &= 0x0F;
    return nNibble == 0 ? (BYTE)((b & 0x0F) | (nDigit << 4)) : (BYTE)((b & 0xF0) | nDigit);
}

UINT64 HexScrollScale(UINT64 nRows)
{
    return nRows <= kMaxScrollPos ? 1 : nRows / kMaxScrollPos + 1;
}

int HexScrollPosOfRow(UINT64 nRow, UINT64 nRows)
{
    return (int)(nRow / HexScrollScale(nRows));
}

UINT64 HexRowOfScrollPos(int nPos, UINT64 nRows)
{
    if (nPos < 0)
        return 0;
    UINT64 nRow = (UINT64)nPos * HexScrollScale(nRows);
    return nRows == 0 ? 0 : (nRow < nRows ? nRow : nRows - 1);
}

void HexFormatAddress(UINT64 nAddress, UINT nDigits, char* pszOut)
{
    static const char kDigits[] = "0123456789ABCDEF";
    for (UINT i = 0; i < nDigits; i++)
        pszOut[i] = kDigits[(nAddress >> (4 * (nDigits - 1 - i))) & 0x0F];
    pszOut[nDigits] = '\0';
}
