// HexEditLayout.h: the window-free arithmetic of the hex edit control: where
// the address, hex and character panes lie in a row of character cells, which
// byte and nibble a cell shows, how the caret steps through the panes, how
// hex digits change a byte, and how 64-bit row numbers map onto the 32-bit
// range of a scroll bar. The control measures in character cells of a fixed
// pitch font; this file knows nothing of pixels.
#pragma once

#include "platform/Types.h"

enum class HexPane { Hex, Char };

// One row: address digits, gap, hex groups (two digits a byte, one blank
// between groups), gap, one character a byte.
struct HexEditLayout {
    UINT nAddrDigits = 8;    // 8, or 16 for wide addresses
    UINT nBytesPerRow = 16;  // a whole number of groups
    UINT nGroupBytes = 4;    // bytes between the blanks of the hex pane
    UINT nPaneGap = 2;       // blanks between the panes

    UINT HexColumn() const { return nAddrDigits + nPaneGap; }
    // The cell of the high digit of byte i (0 <= i < nBytesPerRow) of a row.
    UINT HexColumnOf(UINT i) const { return HexColumn() + i * 2 + i / nGroupBytes; }
    UINT HexWidth() const { return nBytesPerRow * 2 + (nBytesPerRow - 1) / nGroupBytes; }
    UINT CharColumn() const { return HexColumn() + HexWidth() + nPaneGap; }
    UINT TotalColumns() const { return CharColumn() + nBytesPerRow; }
};

// The bytes a row holds when nColumns cells fit across: whole groups, at
// least one group.
UINT HexFitBytesPerRow(UINT nColumns, UINT nAddrDigits, UINT nGroupBytes, UINT nPaneGap);

// What a cell of a row shows. A cell left of the hex pane maps to byte 0 of
// the hex pane; a blank between groups or panes to the nearest byte after it
// (or the last byte at the end of a pane).
struct HexHit {
    HexPane pane;
    UINT nByte;   // index within the row
    int nNibble;  // 0 = high digit, 1 = low digit (always 0 in the char pane)
};
HexHit HexHitTest(const HexEditLayout& layout, UINT nColumn);

// The caret: the address of its byte and, in the hex pane, the digit.
struct HexCaret {
    UINT64 nAddress = 0;
    int nNibble = 0;
};

// The caret one step right (nDir +1) or left (-1) in a pane: by digits in
// the hex pane, by bytes in the character pane; it stays put at the data's
// ends. nDataSize 0 leaves it at 0.
HexCaret HexCaretStep(HexCaret caret, HexPane pane, int nDir, UINT64 nDataSize);

// b with its high (nNibble 0) or low (1) digit replaced by nDigit (0-15).
BYTE HexSetNibble(BYTE b, int nNibble, int nDigit);

// Scroll bars hold int positions; rows of a 64-bit data size may not fit,
// so positions are rows divided by a scale.
UINT64 HexScrollScale(UINT64 nRows);
int HexScrollPosOfRow(UINT64 nRow, UINT64 nRows);
UINT64 HexRowOfScrollPos(int nPos, UINT64 nRows);

// The address text of a row: 8 or 16 upper-case hexadecimal digits.
void HexFormatAddress(UINT64 nAddress, UINT nDigits, char* pszOut);
