// StatusFieldLayout.cpp: the status line bar's field row and its copy text.
#include "mainwindow/StatusFieldLayout.h"

namespace {

bool IsField(unsigned char n)
{
    return n < kStatusFieldCount;
}

}  // namespace

bool LayoutStatusFieldRow(const unsigned char order[kStatusFieldCount], const bool visible[kStatusFieldCount],
                          const SStatusFieldIn fields[kStatusFieldCount], int nSpinRight,
                          SStatusFieldOut out[kStatusFieldCount])
{
    for (int i = 0; i < kStatusFieldCount; ++i)
        out[i] = SStatusFieldOut();
    int nRight = nSpinRight;
    for (int nPos = 0; nPos < kStatusFieldCount; ++nPos) {
        unsigned char nField = order[nPos];
        if (!IsField(nField))
            continue;
        if (!visible[nField]) {
            out[nField].ePlace = kFieldHidden;
            continue;
        }
        const SStatusFieldIn& in = fields[nField];
        if (!in.bHasWindow || in.cxText <= 0 || in.cyText <= 0)
            return false;
        out[nField].ePlace = kFieldPlaced;
        out[nField].nLeft = nRight + kStatusFieldGap;
        out[nField].nRight = out[nField].nLeft + in.cxText;
        nRight = out[nField].nRight;
    }
    return true;
}

CString StatusFieldsCopyText(const unsigned char order[kStatusFieldCount], const bool visible[kStatusFieldCount],
                             const CString texts[kStatusFieldCount])
{
    CString str;
    for (int nPos = 0; nPos < kStatusFieldCount; ++nPos) {
        unsigned char nField = order[nPos];
        if (IsField(nField) && visible[nField])
            str += texts[nField] + " ";
    }
    str.Trim(" ");
    return str;
}
