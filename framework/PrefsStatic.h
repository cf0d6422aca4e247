// PrefsStatic.h: CPrefsStatic, the caption bar above the page area of the
// settings dialog: a static control painted as a horizontal gradient from a
// caption colour to the button face, with its text in a bold face on top.
#pragma once

#include "platform/CGdiObject.h"
#include "platform/CStatic.h"

class CPrefsStatic : public CStatic {
    DECLARE_MESSAGE_MAP()
public:
    CPrefsStatic();

    CString m_strFontName = "Verdana";  // empty: the parent's font
    COLORREF m_crText;                  // default GetSysColor(COLOR_CAPTIONTEXT)
    COLORREF m_crGradientStart;         // default GetSysColor(COLOR_ACTIVECAPTION)
    int m_nFontSize = 14;               // font height in pixels
    int m_nFontWeight = 700;

    // The colour of the band that starts at x of a bar nWidth pixels wide:
    // crStart blended toward crEnd by x / nWidth, each channel truncated.
    static COLORREF BandColour(COLORREF crStart, COLORREF crEnd, int x, int nWidth);
    // The width of each of the 256 bands of a bar nWidth pixels wide.
    static int BandWidth(int nWidth) { int w = (nWidth + 255) / 256; return w > 1 ? w : 1; }

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnSetTextMsg(WPARAM wp, LPARAM lp);

private:
    void BuildGradient(HDC hdc, int cx, int cy);

    CFont m_font;      // made on first paint
    CBitmap m_bitmap;  // the gradient, the size of the client area
};
