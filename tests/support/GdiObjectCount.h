// GdiObjectCount.h: the number of GDI objects the process holds, for tests
// that open and close windows and must leave none behind.
#pragma once

#include <windows.h>

namespace vorntest {

// GetGuiResources(GR_GDIOBJECTS) where the system answers it. Wine answers 0
// (not implemented), so there the live brushes, bitmaps, pens, fonts and
// palettes of the process's GDI handle table are counted instead: Wine
// accepts a handle by its table index alone.
DWORD GdiObjectCount();

}  // namespace vorntest
