// ProgressFill.cpp: the fill width of a themed progress bar.
#include "framework/ProgressFill.h"

int ProgressFillWidth(int nLower, int nUpper, int nPos, int nWidth)
{
    if (nLower > nUpper) {
        int n = nLower;
        nLower = nUpper;
        nUpper = n;
    }
    if (nLower == nUpper || nWidth <= 0)
        return 0;
    if (nPos < nLower)
        nPos = nLower;
    if (nPos > nUpper)
        nPos = nUpper;
    // In doubles: the span of a 32-bit range does not fit an int.
    double fraction = ((double)nPos - nLower) / ((double)nUpper - nLower);
    return (int)(nWidth * fraction);
}
