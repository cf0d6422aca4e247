// ThemedPageBackground.cpp: the tab body texture behind resizable pages.
#include "framework/ThemedPageBackground.h"

#include <vssym32.h>

#include "framework/VisualStylesXP.h"
#include "platform/CDC.h"

bool IsThemedPageBackground(HWND hPage)
{
    return !g_VisualStylesXP.IsCompositionActive() && g_VisualStylesXP.IsAppThemed() &&
           g_VisualStylesXP.IsThemeActive() && g_VisualStylesXP.IsThemeDialogTextureEnabled(hPage);
}

bool DrawTabBodyBitmap(HWND hPage, HDC hdc, const RECT& rc, CBitmap& bmp)
{
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0 || !bmp.CreateCompatibleBitmap(hdc, cx, cy))
        return false;
    HDC hMem = ::CreateCompatibleDC(hdc);
    if (!hMem)
        return false;
    ::SetMapMode(hMem, ::GetMapMode(hdc));
    bool bDrawn = false;
    {
        CDCSelect sel(hMem, bmp);
        HTHEME hTheme = g_VisualStylesXP.OpenThemeData(hPage, L"TAB");
        if (hTheme) {
            RECT rcDraw = {0, 0, cx, cy};
            bDrawn = SUCCEEDED(g_VisualStylesXP.DrawThemeBackground(hTheme, hMem, TABP_BODY, 0, &rcDraw, nullptr));
            g_VisualStylesXP.CloseThemeData(hTheme);
        }
    }
    ::DeleteDC(hMem);
    if (!bDrawn)
        bmp.DeleteObject();
    return bDrawn;
}

bool CutPatternBrush(HDC hdc, HBITMAP hSource, const RECT& rcPart, CBrush& brush)
{
    int cx = rcPart.right - rcPart.left, cy = rcPart.bottom - rcPart.top;
    CBitmap part;
    if (cx <= 0 || cy <= 0 || !part.CreateCompatibleBitmap(hdc, cx, cy))
        return false;
    HDC hSrc = ::CreateCompatibleDC(hdc);
    HDC hDst = ::CreateCompatibleDC(hdc);
    if (hSrc && hDst) {
        CDCSelect selSrc(hSrc, hSource);
        CDCSelect selDst(hDst, part);
        ::BitBlt(hDst, 0, 0, cx, cy, hSrc, rcPart.left, rcPart.top, SRCCOPY);
    }
    if (hSrc)
        ::DeleteDC(hSrc);
    if (hDst)
        ::DeleteDC(hDst);
    return hSrc && hDst && brush.CreatePatternBrush(part);
}
