// BarFontLayout.cpp: the bars' control places for the fonts they show.
#include "mainwindow/BarFontLayout.h"

#include <algorithm>

namespace {

int Width(const RECT& rc)
{
    return rc.right - rc.left;
}

int Height(const RECT& rc)
{
    return rc.bottom - rc.top;
}

RECT At(int x, int y, int cx, int cy)
{
    return RECT{x, y, x + cx, y + cy};
}

// The rectangle of size cx by cy at x, centred in the row from nTop down cyRow.
RECT CentredInRow(int x, int cx, int cy, int nTop, int cyRow)
{
    return At(x, nTop + (cyRow - cy) / 2, cx, cy);
}

}  // namespace

namespace {

// The grid's cells in nColumns columns, each szCell, at least as high as
// the template's cell and, with bTemplateFloor, as wide: where each goes
// and the client size around them. A cell grows from its template place by
// what the cells left of and above it grew.
SIZE PlaceCells(const SCellGrid& grid, int nColumns, SIZE szCell, bool bTemplateFloor, RECT* pCells)
{
    const RECT* t = grid.pTemplate;
    const int nTemplateRows = (grid.nCells + grid.nColumns - 1) / grid.nColumns;
    const int nRows = (grid.nCells + nColumns - 1) / nColumns;
    // Rows past the template's go on at its row pitch.
    const int nPitch = nTemplateRows > 1 ? t[grid.nColumns].top - t[0].top : Height(t[0]);
    int nGrownDown = 0;
    SIZE sz = {0, 0};
    for (int r = 0; r < nRows; ++r) {
        const int rt = std::min(r, nTemplateRows - 1);
        const RECT& rcRow = t[rt * grid.nColumns];
        const int nTop = rcRow.top + (r - rt) * nPitch + nGrownDown;
        const int cy = std::max(Height(rcRow), (int)szCell.cy);
        int nGrownAcross = 0;
        for (int c = 0; c < nColumns && r * nColumns + c < grid.nCells; ++c) {
            const int cx = bTemplateFloor ? std::max(Width(t[c]), (int)szCell.cx) : (int)szCell.cx;
            RECT& rc = pCells[r * nColumns + c];
            rc = At(t[c].left + nGrownAcross, nTop, cx, cy);
            nGrownAcross += cx - Width(t[c]);
            sz.cx = std::max(sz.cx, rc.right);
            sz.cy = std::max(sz.cy, rc.bottom);
        }
        nGrownDown += cy - Height(rcRow);
    }
    // The template's margins right of its last column and below its last row.
    const RECT& rcLastColumn = t[grid.nColumns - 1];
    const RECT& rcLast = t[grid.nCells - 1];
    return SIZE{sz.cx + grid.szTemplate.cx - rcLastColumn.right, sz.cy + grid.szTemplate.cy - rcLast.bottom};
}

}  // namespace

SBarLayoutSizes LayoutCellGrid(const SCellGrid& grid, const std::vector<SIZE>& cellSizes, int cxAvailable,
                               RECT* pCells)
{
    const SIZE szOneColumn = PlaceCells(grid, 1, cellSizes.back(), false, pCells);
    int nColumns = grid.nColumns;
    SIZE sz = PlaceCells(grid, nColumns, cellSizes.front(), true, pCells);
    while (nColumns > 1 && sz.cx > cxAvailable)
        sz = PlaceCells(grid, --nColumns, cellSizes.front(), true, pCells);
    // One column too wide: the text's own width, then its lines wrapped.
    for (size_t i = 0; sz.cx > cxAvailable && i < cellSizes.size(); ++i)
        sz = PlaceCells(grid, 1, cellSizes[i], false, pCells);
    return SBarLayoutSizes{sz, SIZE{szOneColumn.cx, sz.cy}};
}

std::vector<int> WordsPerWrappedLine(int nWords)
{
    std::vector<int> perLine;
    for (int nLines = 1; nLines <= std::max(nWords, 1); ++nLines) {
        const int nPerLine = std::max((nWords + nLines - 1) / nLines, 1);
        if (perLine.empty() || nPerLine != perLine.back())
            perLine.push_back(nPerLine);
    }
    return perLine;
}

SBarLayoutSizes LayoutCommandLine(const SCmdLineRects& tmpl, SIZE szTemplate, int cyEdit, SCmdLineRects& out)
{
    const RECT& rcEdit = tmpl.rcEdit;
    const int cyRow = std::max(Height(rcEdit), cyEdit);
    out.rcEdit = At(rcEdit.left, rcEdit.top, Width(rcEdit), cyRow);
    out.rcLabel = CentredInRow(tmpl.rcLabel.left, Width(tmpl.rcLabel), Height(tmpl.rcLabel), rcEdit.top, cyRow);
    const SIZE sz = {szTemplate.cx, out.rcEdit.bottom + szTemplate.cy - rcEdit.bottom};
    return SBarLayoutSizes{sz, sz};
}

SBarLayoutSizes LayoutStorageBar(const SStorageRects& tmpl, SIZE szTemplate, SIZE szAddress, SIZE szLeastHex,
                                 SStorageRects& out)
{
    const int nRowTop = std::min({tmpl.rcAddress.top, tmpl.rcButton.top, tmpl.rcTrackbar.top});
    const int nRowBottom = std::max({tmpl.rcAddress.bottom, tmpl.rcButton.bottom, tmpl.rcTrackbar.bottom});
    const int cxAddress = std::max(Width(tmpl.rcAddress), (int)szAddress.cx);
    const int cyAddress = std::max(Height(tmpl.rcAddress), (int)szAddress.cy);
    const int cyRow = std::max({nRowBottom - nRowTop, cyAddress, Height(tmpl.rcButton), Height(tmpl.rcTrackbar)});
    out.rcAddress = CentredInRow(tmpl.rcAddress.left, cxAddress, cyAddress, nRowTop, cyRow);
    const int xButton = out.rcAddress.right + tmpl.rcButton.left - tmpl.rcAddress.right;
    out.rcButton = CentredInRow(xButton, Width(tmpl.rcButton), Height(tmpl.rcButton), nRowTop, cyRow);
    const int xTrackbar = out.rcButton.right + tmpl.rcTrackbar.left - tmpl.rcButton.right;
    out.rcTrackbar = CentredInRow(xTrackbar, Width(tmpl.rcTrackbar), Height(tmpl.rcTrackbar), nRowTop, cyRow);
    // Margins as the template's: right of the trackbar and around the hex view.
    const int cxRight = szTemplate.cx - tmpl.rcTrackbar.right;
    const int cxRightOfHex = szTemplate.cx - tmpl.rcHex.right;
    const int cyBelow = szTemplate.cy - tmpl.rcHex.bottom;
    const int cxDesign = std::max({(int)szTemplate.cx, (int)out.rcTrackbar.right + cxRight,
                                   (int)tmpl.rcHex.left + (int)szLeastHex.cx + cxRightOfHex});
    const int nHexTop = nRowTop + cyRow + tmpl.rcHex.top - nRowBottom;
    out.rcHex = RECT{tmpl.rcHex.left, nHexTop, cxDesign - cxRightOfHex, nHexTop + szLeastHex.cy};
    // The trackbar takes the rest of the row.
    out.rcTrackbar.right = cxDesign - cxRight;
    const SIZE sz = {cxDesign, out.rcHex.bottom + cyBelow};
    return SBarLayoutSizes{sz, sz};
}
