// StatusFieldLayout.h: where the status line bar puts its five fields and
// what its Copy puts on the clipboard, window-free.
#pragma once

#include <climits>

#include "platform/CString.h"

const int kStatusFieldCount = 5;
const int kStatusFieldGap = 15;  // pixels between neighbours (and after the spin)

// One field as the layout finds it.
struct SStatusFieldIn {
    bool bHasWindow;
    int cxText, cyText;  // its text's extent (0 by 0: no font or no text)
};

// What happens to one field.
enum EFieldPlace {
    kFieldUntouched,  // the layout stopped before it
    kFieldHidden,
    kFieldPlaced,     // shown between nLeft and nRight
};
struct SStatusFieldOut {
    EFieldPlace ePlace = kFieldUntouched;
    int nLeft = 0, nRight = 0;
    int nRow = 0;  // 0 beside the spin, then the rows below
};

// Lays the fields out left to right after the spin, whose right edge is
// nSpinRight, in the order (the field number at each position 0-4; an
// entry out of 0-4 counts as a hidden position). A field that would reach
// past nMaxRight, unless it is the first of its row, starts a new row below,
// as far left as the first row's first field. A shown field without a
// window or with an empty extent stops the layout there. Returns false
// when it stopped.
bool LayoutStatusFieldRow(const unsigned char order[kStatusFieldCount], const bool visible[kStatusFieldCount],
                          const SStatusFieldIn fields[kStatusFieldCount], int nSpinRight,
                          SStatusFieldOut out[kStatusFieldCount], int nMaxRight = INT_MAX);

// The height of a field row: the spin's (cySpin) or the tallest text of a
// shown field, whichever is more. The spin and the fields stand centred in
// the first.
int StatusFieldRowHeight(const bool visible[kStatusFieldCount], const SStatusFieldIn fields[kStatusFieldCount],
                         int cySpin);

// The shown fields' texts in the order, each followed by one blank, the
// whole trimmed of blanks at both ends.
CString StatusFieldsCopyText(const unsigned char order[kStatusFieldCount], const bool visible[kStatusFieldCount],
                             const CString texts[kStatusFieldCount]);
