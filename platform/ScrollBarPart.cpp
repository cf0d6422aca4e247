// ScrollBarPart.cpp: the part of a scroll bar under a point.
#include "platform/ScrollBarPart.h"

EScrollBarPart ScrollBarPartAt(int nOffset, int nLength, int nArrow, int nThumbStart, int nThumbEnd)
{
    if (nOffset < 0 || nOffset >= nLength)
        return kScrollBarOutside;
    // Arrows that do not fit share the bar between them.
    int nArrowLength = nArrow * 2 > nLength ? nLength / 2 : nArrow;
    if (nOffset < nArrowLength)
        return kScrollBarArrowBack;
    if (nOffset >= nLength - nArrowLength)
        return kScrollBarArrowForward;
    if (nThumbEnd > nThumbStart && nOffset >= nThumbStart && nOffset < nThumbEnd)
        return kScrollBarThumb;
    return nThumbEnd > nThumbStart && nOffset >= nThumbEnd ? kScrollBarTrackForward : kScrollBarTrackBack;
}
