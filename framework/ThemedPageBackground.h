// ThemedPageBackground.h: the drawing behind the resizable property pages'
// themed background: the test whether a page shows the tab body texture, the
// page-sized bitmap of that texture, and a brush cut from part of it so that
// a static control's background lines up with the page's.
#pragma once

#include <windows.h>

#include "platform/CGdiObject.h"

// True when the page draws the themed tab body: desktop composition is off,
// the application and a theme are active, and the page has dialog texture on.
bool IsThemedPageBackground(HWND hPage);

// Draws the theme's tab body (part TABP_BODY) over rc into a new bitmap
// compatible with hdc; false when no theme or bitmap could be had.
bool DrawTabBodyBitmap(HWND hPage, HDC hdc, const RECT& rc, CBitmap& bmp);

// A pattern brush of the part rcPart of hSource (rcPart's size, its corner at
// rcPart's top left). The bitmap cut out for it is freed before returning:
// the brush holds its own copy.
bool CutPatternBrush(HDC hdc, HBITMAP hSource, const RECT& rcPart, CBrush& brush);
