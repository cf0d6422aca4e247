// StalePixels.h: whether what a window shows after a resize is what it would
// show freshly painted: its pixels are read back from its top-level window,
// then the whole window is repainted from scratch and read again.
#pragma once

#include <windows.h>

#include <string>

namespace vorntest {

// Hands every waiting message (the paints a resize left) to its window, reads
// the pixels of rc (screen coordinates) from hWnd's top-level window, has the
// whole top-level window repaint itself, frame, background and children, and
// reads them again. Returns "" when both readings match; else, for each
// window showing a differing pixel, its class, text, id and the count.
std::string StalePixelsIn(HWND hWnd, const RECT& rc);
// The same without handing out the waiting messages first: what rc shows
// right now, as the program's loop would leave it during a flood of posted
// messages, against the window freshly painted.
std::string StalePixelsNow(HWND hWnd, const RECT& rc);

}  // namespace vorntest
