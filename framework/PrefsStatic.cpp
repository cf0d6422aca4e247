// PrefsStatic.cpp: the gradient caption bar of the settings dialog.
#include "framework/PrefsStatic.h"

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(CPrefsStatic, CStatic)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetTextMsg)
END_MESSAGE_MAP()

namespace {
const int kBands = 256;
const int kTextIndent = 5;
const BYTE kPitchAndFamily = 0x30;  // FF_MODERN | DEFAULT_PITCH
}  // namespace

CPrefsStatic::CPrefsStatic()
    : m_crText(::GetSysColor(COLOR_CAPTIONTEXT)), m_crGradientStart(::GetSysColor(COLOR_ACTIVECAPTION))
{
}

COLORREF CPrefsStatic::BandColour(COLORREF crStart, COLORREF crEnd, int x, int nWidth)
{
    double t = nWidth > 0 ? (double)x / nWidth : 0.0;
    auto mix = [t](int a, int b) { return (BYTE)(int)(a * (1.0 - t) + b * t); };
    return RGB(mix(GetRValue(crStart), GetRValue(crEnd)), mix(GetGValue(crStart), GetGValue(crEnd)),
               mix(GetBValue(crStart), GetBValue(crEnd)));
}

// 256 bands, each filled with PatBlt from a solid brush, into a bitmap the
// size of the client area.
void CPrefsStatic::BuildGradient(HDC hdc, int cx, int cy)
{
    m_bitmap.DeleteObject();
    if (cx <= 0 || cy <= 0 || !m_bitmap.CreateCompatibleBitmap(hdc, cx, cy))
        return;
    CDC dcMem;
    CDC dcTarget(hdc);
    if (!dcMem.CreateCompatibleDC(&dcTarget))
        return;
    CDCSelect selBitmap(dcMem, m_bitmap);
    COLORREF crEnd = ::GetSysColor(COLOR_BTNFACE);
    int w = BandWidth(cx);
    for (int i = 0; i < kBands; ++i) {
        int x = i * w;
        if (x >= cx)
            break;
        CBrush brush(BandColour(m_crGradientStart, crEnd, x, cx));
        CDCSelect selBrush(dcMem, brush);
        dcMem.PatBlt(x, 0, w, cy, PATCOPY);
    }
}

BOOL CPrefsStatic::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    BuildGradient(*pDC, rc.Width(), rc.Height());
    if (!m_bitmap.GetSafeHandle())
        return TRUE;
    CDC dcMem;
    if (dcMem.CreateCompatibleDC(pDC)) {
        CDCSelect sel(dcMem, m_bitmap);
        pDC->BitBlt(0, 0, rc.Width(), rc.Height(), &dcMem, 0, 0, SRCCOPY);
    }
    return TRUE;
}

void CPrefsStatic::OnPaint()
{
    CPaintDC dc(this);
    HFONT hFont = nullptr;  // not owned
    if (m_strFontName.IsEmpty()) {
        CWnd* pParent = GetParent();
        hFont = pParent ? pParent->GetFontHandle() : nullptr;
    } else {
        if (!m_font.GetSafeHandle())
            m_font.CreateFont(m_nFontSize, 0, 0, 0, m_nFontWeight, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kPitchAndFamily, m_strFontName);
        hFont = m_font;
    }
    CString strText;
    GetWindowText(strText);
    CRect rc;
    GetClientRect(&rc);
    rc.left += kTextIndent;
    CDCSelect sel(dc, hFont ? (HGDIOBJ)hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crText);
    dc.DrawText(strText, &rc, DT_VCENTER | DT_SINGLELINE);
}

void CPrefsStatic::OnSize(UINT nType, int cx, int cy)
{
    CStatic::OnSize(nType, cx, cy);
    Invalidate();
}

LRESULT CPrefsStatic::OnSetTextMsg(WPARAM, LPARAM)
{
    Default();
    Invalidate();
    return TRUE;
}
