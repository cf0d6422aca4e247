// DcPixels.cpp: pixels read back from a device context, a window or the
// screen, or drawn into a bitmap.
#include "tests/support/DcPixels.h"

#include "platform/CDC.h"
#include "platform/OneStepPaint.h"

namespace vorntest {

std::vector<DWORD> DrawnPixels(int cx, int cy, const std::function<void(HDC)>& draw, DWORD dwMask)
{
    CDC mem;
    CBitmap bitmap;
    DIBSECTION dib = {};
    if (!mem.CreateCompatibleDC(nullptr) || !CreateDrawingBitmap(bitmap, cx, cy) ||
        !::GetObjectA(bitmap, sizeof dib, &dib))
        return {};
    CDCSelect select(mem, bitmap);
    draw(mem);
    ::GdiFlush();
    std::vector<DWORD> v((const DWORD*)dib.dsBm.bmBits, (const DWORD*)dib.dsBm.bmBits + (size_t)cx * cy);
    for (DWORD& px : v)
        px &= dwMask;
    return v;
}

std::vector<DWORD> DcPixels(HDC hdc, int x, int y, int cx, int cy)
{
    return DrawnPixels(cx, cy, [&](HDC hMem) { ::BitBlt(hMem, 0, 0, cx, cy, hdc, x, y, SRCCOPY); });
}

std::vector<DWORD> WindowColours(HWND hWnd, const RECT& rc)
{
    RECT rcWnd = {};
    if (hWnd)
        ::GetWindowRect(hWnd, &rcWnd);
    HDC hdc = hWnd ? ::GetWindowDC(hWnd) : ::GetDC(nullptr);
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top, x = rc.left - rcWnd.left, y = rc.top - rcWnd.top;
    auto copy = [&](HDC hMem) { ::BitBlt(hMem, 0, 0, cx, cy, hdc, x, y, SRCCOPY); };
    std::vector<DWORD> v = DrawnPixels(cx, cy, copy, 0xFFFFFF);
    ::ReleaseDC(hWnd, hdc);
    return v;
}

size_t PixelsUnlike(const std::vector<DWORD>& a, const std::vector<DWORD>& b)
{
    size_t n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        n += a[i] != b[i];
    return n;
}

}  // namespace vorntest
