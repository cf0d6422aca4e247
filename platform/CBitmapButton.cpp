// CBitmapButton.cpp: loading a bitmap button's images and drawing them.
#include "platform/CBitmapButton.h"

#include "platform/AfxResource.h"
#include "platform/CString.h"
#include "platform/Trace.h"

namespace {

// A named bitmap of the resource module, or null.
HBITMAP LoadNamedBitmap(LPCSTR pszName)
{
    return pszName ? ::LoadBitmapA(AfxGetResourceHandle(), pszName) : nullptr;
}

}  // namespace

BOOL CBitmapButton::LoadBitmaps(LPCSTR pszUp, LPCSTR pszSel, LPCSTR pszFocus, LPCSTR pszDisabled)
{
    CBitmap* images[] = {&m_bitmap, &m_bitmapSel, &m_bitmapFocus, &m_bitmapDisabled};
    LPCSTR names[] = {pszUp, pszSel, pszFocus, pszDisabled};
    for (int i = 0; i < 4; ++i) {
        images[i]->DeleteObject();
        if (HBITMAP h = LoadNamedBitmap(names[i]))
            images[i]->Attach(h);
    }
    if (!m_bitmap.m_hObject) {
        WrenLibAfxTraceEx("CBitmapButton::LoadBitmaps", "no bitmap \"%s\"", pszUp ? pszUp : "");
        return FALSE;
    }
    return TRUE;
}

BOOL CBitmapButton::AutoLoad(UINT nID, CWnd* pParent)
{
    if (!SubclassDlgItem(nID, pParent))
        return FALSE;
    CString strCaption;
    GetWindowText(strCaption);
    if (strCaption.IsEmpty() ||
        !LoadBitmaps(strCaption + "U", strCaption + "D", strCaption + "F", strCaption + "X"))
        return FALSE;
    SizeToContent();
    return TRUE;
}

void CBitmapButton::SizeToContent()
{
    BITMAP bm = {};
    if (m_bitmap.m_hObject && m_bitmap.GetBitmap(&bm))
        SetWindowPos(nullptr, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The pressed image while pressed, the focused one with the focus, the
// disabled one when disabled; the up image where the chosen one is missing.
void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT pDIS)
{
    const CBitmap* pImage = &m_bitmap;
    if ((pDIS->itemState & ODS_SELECTED) && m_bitmapSel.m_hObject)
        pImage = &m_bitmapSel;
    else if ((pDIS->itemState & ODS_FOCUS) && m_bitmapFocus.m_hObject)
        pImage = &m_bitmapFocus;
    else if ((pDIS->itemState & ODS_DISABLED) && m_bitmapDisabled.m_hObject)
        pImage = &m_bitmapDisabled;
    if (!pImage->m_hObject)
        return;
    HDC hdcMem = ::CreateCompatibleDC(pDIS->hDC);
    if (!hdcMem)
        return;
    HGDIOBJ hOld = ::SelectObject(hdcMem, pImage->m_hObject);
    const RECT& rc = pDIS->rcItem;
    ::BitBlt(pDIS->hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hdcMem, 0, 0, SRCCOPY);
    ::SelectObject(hdcMem, hOld);
    ::DeleteDC(hdcMem);
}
