// ShotFile.cpp: BMP files of test drawings (see ShotFile.h).
#include "tests/platform/ShotFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

void SaveBitmap(HDC hDC, HBITMAP hBmp, const char* pszName)
{
    const char* pszDir = getenv("VORN_SHOT_DIR");
    if (!pszDir)
        return;
    BITMAP bm = {};
    ::GetObjectA(hBmp, sizeof(bm), &bm);
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof(bih);
    bih.biWidth = bm.bmWidth;
    bih.biHeight = bm.bmHeight;
    bih.biPlanes = 1;
    bih.biBitCount = 24;
    DWORD nStride = ((bm.bmWidth * 3 + 3) / 4) * 4;
    std::string bits(nStride * bm.bmHeight, '\0');
    ::GetDIBits(hDC, hBmp, 0, bm.bmHeight, &bits[0], (BITMAPINFO*)&bih, DIB_RGB_COLORS);
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof(bfh) + sizeof(bih);
    bfh.bfSize = bfh.bfOffBits + (DWORD)bits.size();
    std::string path = std::string(pszDir) + "\\" + pszName;
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return;
    fwrite(&bfh, sizeof(bfh), 1, f);
    fwrite(&bih, sizeof(bih), 1, f);
    fwrite(bits.data(), 1, bits.size(), f);
    fclose(f);
}


void SaveWindowShot(HWND hWnd, const char* pszName)
{
    if (!getenv("VORN_SHOT_DIR"))
        return;
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    HDC hScreen = ::GetDC(nullptr);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HBITMAP hBmp = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HGDIOBJ hOld = ::SelectObject(hMem, hBmp);
    ::BitBlt(hMem, 0, 0, cx, cy, hScreen, rc.left, rc.top, SRCCOPY);
    ::SelectObject(hMem, hOld);
    SaveBitmap(hMem, hBmp, pszName);
    ::DeleteObject(hBmp);
    ::DeleteDC(hMem);
    ::ReleaseDC(nullptr, hScreen);
}
