// ProgressFill.h: how much of a progress bar's content the fill covers.
// Window-free.
#pragma once

// The fill's width within a content of nWidth pixels for position nPos in
// the range nLower ... nUpper (the ends in either order): (nPos - lower) /
// (upper - lower) of the width, the position limited to the range, 0 for an
// empty range.
int ProgressFillWidth(int nLower, int nUpper, int nPos, int nWidth);
