// DcPixels.cpp: pixels read back from a device context.
#include "tests/support/DcPixels.h"

namespace vorntest {

std::vector<DWORD> DcPixels(HDC hdc, int x, int y, int cx, int cy)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBmp = ::CreateDIBSection(hdc, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hMem = ::CreateCompatibleDC(hdc);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, cx, cy, hdc, x, y, SRCCOPY);
    ::GdiFlush();
    std::vector<DWORD> v((const DWORD*)pBits, (const DWORD*)pBits + (size_t)cx * cy);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hBmp);
    return v;
}

}  // namespace vorntest
