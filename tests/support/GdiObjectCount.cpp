// GdiObjectCount.cpp: counting the process's GDI objects, also under Wine.
#include "tests/support/GdiObjectCount.h"

namespace vorntest {

DWORD GdiObjectCount()
{
    DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (n != 0)
        return n;
    // Handle table indexes live in the low word, one after another. Device
    // contexts and regions are left out: Wine's window manager makes and
    // frees its own on a schedule of its own (cached DCs, update regions).
    for (UINT_PTR h = 1; h <= 0xFFFF; ++h) {
        DWORD type = ::GetObjectType((HGDIOBJ)h);
        if (type == OBJ_BRUSH || type == OBJ_BITMAP || type == OBJ_PEN || type == OBJ_FONT || type == OBJ_PAL)
            ++n;
    }
    return n;
}

}  // namespace vorntest
