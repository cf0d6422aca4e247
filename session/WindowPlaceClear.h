// WindowPlaceClear.h: where a new window goes so that it hides none of its
// kind already on the screen (the progress windows of runs that go on at the
// same time). Window-free: rectangles in, a rectangle out.
#pragma once

#include <vector>

#include "platform/Types.h"

// The place for a window that wants rcWant, given the rectangles rcTaken of
// the windows it must not cover, on the work area rcWork. rcWant itself (kept
// on the work area) when it covers none of them; else the first free place of
// a grid of its own size laid from there over the work area: down its column,
// then up, then the columns to the right and to the left. When no place is
// free, it cascades: moved right and down by nStep until its top-left corner
// is no other window's, starting over from the work area's corner when it
// would leave the work area.
RECT PlaceWindowClear(const RECT& rcWant, const std::vector<RECT>& rcTaken, const RECT& rcWork, int nStep);
