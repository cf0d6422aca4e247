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
    CDC dcTarget(hdc), dcMem;
    if (!dcMem.CreateCompatibleDC(&dcTarget))
        return false;
    HDC hMem = dcMem;
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
    CDC dcTarget(hdc), dcSrc, dcDst;
    bool bMade = dcSrc.CreateCompatibleDC(&dcTarget) && dcDst.CreateCompatibleDC(&dcTarget);
    if (bMade) {
        CDCSelect selSrc(dcSrc, hSource);
        CDCSelect selDst(dcDst, part);
        ::BitBlt(dcDst, 0, 0, cx, cy, dcSrc, rcPart.left, rcPart.top, SRCCOPY);
    }
    return bMade && brush.CreatePatternBrush(part);
}
