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
                          SStatusFieldOut out[kStatusFieldCount], int nMaxRight)
{
    for (int i = 0; i < kStatusFieldCount; ++i)
        out[i] = SStatusFieldOut();
    int nRight = nSpinRight;
    int nRow = 0;
    bool bRowEmpty = true;
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
        if (!bRowEmpty && nRight + kStatusFieldGap + in.cxText > nMaxRight) {
            ++nRow;
            nRight = nSpinRight;
        }
        out[nField].ePlace = kFieldPlaced;
        out[nField].nLeft = nRight + kStatusFieldGap;
        out[nField].nRight = out[nField].nLeft + in.cxText;
        out[nField].nRow = nRow;
        nRight = out[nField].nRight;
        bRowEmpty = false;
    }
    return true;
}

int StatusFieldRowHeight(const bool visible[kStatusFieldCount], const SStatusFieldIn fields[kStatusFieldCount],
                         int cySpin)
{
    int cyRow = cySpin;
    for (int i = 0; i < kStatusFieldCount; ++i)
        if (visible[i] && fields[i].cyText > cyRow)
            cyRow = fields[i].cyText;
    return cyRow;
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
