// HelpButtonMetrics.cpp: size and place of the caption help button.
#include "framework/HelpButtonMetrics.h"

namespace {

const int kFlavorWin7 = 9;

// Before Windows 7: one row per case, one column per SM_CXSIZE of 18, 21,
// 25, 29 and any other.
const SIZE kSizeTable[4][5] = {
    {{31, 31}, {31, 31}, {21, 21}, {25, 25}, {31, 31}},  // themed, normal
    {{17, 17}, {17, 17}, {13, 13}, {15, 15}, {17, 17}},  // themed, tool window
    {{16, 14}, {19, 17}, {22, 21}, {22, 21}, {22, 21}},  // unthemed, normal
    {{10, 11}, {16, 14}, {16, 14}, {16, 14}, {16, 14}},  // unthemed, tool window
};

int SizeColumn(int cxSize)
{
    switch (cxSize) {
    case 18: return 0;
    case 21: return 1;
    case 25: return 2;
    case 29: return 3;
    default: return 4;
    }
}

}  // namespace

SIZE HelpButtonSize(const HelpButtonLook& look)
{
    if (look.nOSFlavor >= kFlavorWin7) {
        if (!look.bThemed)
            return SIZE{look.cxSize - 2, look.cySize - 4};
        if (!look.bComposed)
            return SIZE{look.cxSize - 4, look.cySize - 4};
        return SIZE{look.cxSize - 4, look.cySize - 1 - (look.bMaximized ? 1 : 0)};
    }
    int nRow = (look.bThemed ? 0 : 2) + (look.bToolWindow ? 1 : 0);
    return kSizeTable[nRow][SizeColumn(look.cxSize)];
}

RECT HelpButtonRectUncomposed(const HelpButtonFrame& f, SIZE s)
{
    int x = f.bMaximized ? -f.szFrame.cx : f.szFrame.cx;
    if (f.bSysMenu) {
        x += f.cxEdge + s.cx;  // the close button
        if (!f.bToolWindow && f.bMinMaxBox)
            x += f.bThemed ? 2 * (f.cxEdge + s.cx) : f.cxEdge + 2 * s.cx;
    }
    RECT rc;
    rc.left = f.cxWindow - f.cxEdge - s.cx - x;
    rc.top = f.szFrame.cy + f.cyEdge;
    rc.right = rc.left + s.cx;
    rc.bottom = rc.top + s.cy;
    return rc;
}
