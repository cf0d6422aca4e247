// BarFontLayout.h: where the bars whose texts show in a font the user
// chooses put their controls for that font, from the places their templates
// give them and the room the texts need: the register bars' grid of value
// fields, the command line's edit row and the storage bar's address row
// over its hex view. Each control keeps its template size where that is
// larger; gaps and margins stay the template's. Window-free: rectangles are
// in the dialog's pixels.
#pragma once

#include <vector>

#include "platform/Types.h"

// The sizes a dialog's layout asks for: the size its controls are placed
// for, and the least size that cuts none of them.
struct SBarLayoutSizes {
    SIZE szDesign;
    SIZE szLeast;
};

// A grid of equal cells as a template draws it: its cells row by row
// (nCells of them in nColumns columns) and its client size; the margins
// are what the grid leaves of it right of and below the last cell.
struct SCellGrid {
    const RECT* pTemplate;
    int nCells, nColumns;
    SIZE szTemplate;
};

// Lays the cells out row by row into pCells, in as many of the template's
// columns as fit into cxAvailable: the cells keep the template's places
// and gaps, moved by the growth of the cells before them, and rows past the
// template's go on at its row pitch. cellSizes are the sizes a cell may
// take, widest first: its text on one line, then wrapped onto more lines.
// In columns a cell is the larger of the template's cell and the first
// size; where one column of those is too wide, the first of the sizes that
// fits, as wide as it is (no less high than the template's cell), else the
// last. The design size holds the grid; the least size is one column of
// the last size (nothing cut at any width from there), as high as the
// design.
SBarLayoutSizes LayoutCellGrid(const SCellGrid& grid, const std::vector<SIZE>& cellSizes, int cxAvailable,
                               RECT* pCells);

// How many of a text's nWords blank-separated words go on a line as the
// text wraps onto more lines, one entry per line count, from all of them
// on one line to one a line: the lines share the words out evenly (four
// words give 4, 2, 1; three give 3, 2, 1). {1} for a text of no word.
std::vector<int> WordsPerWrappedLine(int nWords);

// The command line bar: the folder button and text over the label and the
// command edit, which grows to cyEdit when that is taller than the
// template's; the label stands centred beside it. The other controls keep
// their template places.
struct SCmdLineRects {
    RECT rcLabel, rcEdit;
};
SBarLayoutSizes LayoutCommandLine(const SCmdLineRects& tmpl, SIZE szTemplate, int cyEdit, SCmdLineRects& out);

// The storage bar: the address field, the auto-refresh button and the
// interval's trackbar in one row, the address field at least szAddress,
// each centred in the row; the hex view below it, szLeastHex at least. The
// controls are placed for the least size (design and least alike), from
// which the trackbar and the hex view grow with the bar.
struct SStorageRects {
    RECT rcAddress, rcButton, rcTrackbar, rcHex;
};
SBarLayoutSizes LayoutStorageBar(const SStorageRects& tmpl, SIZE szTemplate, SIZE szAddress, SIZE szLeastHex,
                                 SStorageRects& out);
