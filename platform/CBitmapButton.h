// CBitmapButton.h: an owner-drawn push button that shows bitmaps instead of
// a face: an up image, and optionally a pressed, a focused and a disabled
// one. AutoLoad finds them by the button's caption: caption plus "U" for up,
// plus "D" for pressed, "F" for focused and "X" for disabled, each a bitmap
// resource named so. The images are owned; the up image is a public member
// so that a window can put a recoloured copy in its place.
#pragma once

#include "platform/CButton.h"
#include "platform/CGdiObject.h"

class CBitmapButton : public CButton {
public:
    CBitmapButton() = default;
    CBitmapButton(const CBitmapButton&) = delete;
    CBitmapButton& operator=(const CBitmapButton&) = delete;

    // Loads the named images; the up image must exist, the others may be
    // null or missing. False when the up image cannot be loaded.
    BOOL LoadBitmaps(LPCSTR pszUp, LPCSTR pszSel = nullptr, LPCSTR pszFocus = nullptr, LPCSTR pszDisabled = nullptr);
    // Subclasses the dialog's control nID, loads its images by caption and
    // sizes it to the up image. False when the control or its up image is missing.
    BOOL AutoLoad(UINT nID, CWnd* pParent);
    // Sizes the button to its up image.
    void SizeToContent();
    void DrawItem(LPDRAWITEMSTRUCT pDIS) override;

    CBitmap m_bitmap;          // up
    CBitmap m_bitmapSel;       // pressed
    CBitmap m_bitmapFocus;     // focused
    CBitmap m_bitmapDisabled;  // disabled
};
