// DcPixels.h: pixels read back from a device context, a window or the
// screen, or drawn into a bitmap.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace vorntest {

// The pixels of a cx by cy bitmap as draw(hdc) leaves it, rows from the
// top, 32 bits each masked with dwMask (0xFFFFFF: the colour alone).
std::vector<DWORD> DrawnPixels(int cx, int cy, const std::function<void(HDC)>& draw, DWORD dwMask = 0xFFFFFFFF);
// Those of the cx by cy rectangle at (x, y) of hdc.
std::vector<DWORD> DcPixels(HDC hdc, int x, int y, int cx, int cy);
// The colours of rcScreen as hWnd's window DC holds them (what it drew,
// whatever covers it), or as the screen shows them (hWnd null).
std::vector<DWORD> WindowColours(HWND hWnd, const RECT& rcScreen);
// How many pixels of a differ from b's at the same place.
size_t PixelsUnlike(const std::vector<DWORD>& a, const std::vector<DWORD>& b);

}  // namespace vorntest
