// DcPixels.h: pixels read back from a device context.
#pragma once

#include <windows.h>

#include <vector>

namespace vorntest {

// The pixels of the cx by cy rectangle at (x, y) of hdc, rows from the top,
// 32 bits each.
std::vector<DWORD> DcPixels(HDC hdc, int x, int y, int cx, int cy);

}  // namespace vorntest
