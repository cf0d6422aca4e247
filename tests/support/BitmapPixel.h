// BitmapPixel.h: the colour of one pixel of a bitmap, for tests of drawn
// and recoloured images.
#pragma once

#include <windows.h>

#include "platform/CGdiObject.h"

namespace vorntest {

inline COLORREF PixelOf(const CBitmap& bmp, int x, int y)
{
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, bmp.m_hObject);
    COLORREF clr = ::GetPixel(hdc, x, y);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return clr;
}

}  // namespace vorntest
