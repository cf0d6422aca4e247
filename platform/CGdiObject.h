// CGdiObject.h: the owning base of the GDI object wrappers (CFont, CBrush,
// CPen, CBitmap, CRgn). The wrapper deletes its object in the destructor and
// is move-only, so no copy can delete it twice. A borrowed object is passed
// as its plain handle (HFONT, HBRUSH ...), never wrapped.
#pragma once

#include <windows.h>

template <class H>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(H h) : m_hObject(h) {}  // takes ownership
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& o) noexcept : m_hObject(o.m_hObject) { o.m_hObject = nullptr; }
    CGdiObject& operator=(CGdiObject&& o) noexcept
    {
        if (this != &o) {
            DeleteObject();
            m_hObject = o.m_hObject;
            o.m_hObject = nullptr;
        }
        return *this;
    }
    ~CGdiObject() { DeleteObject(); }

    H m_hObject = nullptr;
    operator H() const { return m_hObject; }
    H GetSafeHandle() const { return m_hObject; }

    // Takes ownership of h, freeing what was held.
    BOOL Attach(H h) { DeleteObject(); m_hObject = h; return h != nullptr; }
    H Detach() { H h = m_hObject; m_hObject = nullptr; return h; }
    BOOL DeleteObject()
    {
        BOOL ok = m_hObject ? ::DeleteObject(m_hObject) : FALSE;
        m_hObject = nullptr;
        return ok;
    }
    int GetObject(int nCount, LPVOID pObject) const { return ::GetObjectA(m_hObject, nCount, pObject); }
};

class CFont : public CGdiObject<HFONT> {
public:
    BOOL CreateFontIndirect(const LOGFONTA* pLogFont) { return Attach(::CreateFontIndirectA(pLogFont)); }
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCSTR pszFacename)
    {
        return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                    cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality,
                                    nPitchAndFamily, pszFacename));
    }
    // nPointSize is in tenths of a point, for the screen. A pitch and family
    // (FIXED_PITCH | FF_MODERN) picks a like face where the named one is missing.
    BOOL CreatePointFont(int nPointSize, LPCSTR pszFaceName, BYTE bPitchAndFamily = DEFAULT_PITCH);
    BOOL GetLogFont(LOGFONTA* pLogFont) const { return GetObject(sizeof(LOGFONTA), pLogFont) != 0; }
};

class CBrush : public CGdiObject<HBRUSH> {
public:
    CBrush() = default;
    explicit CBrush(COLORREF cr) : CGdiObject(::CreateSolidBrush(cr)) {}
    BOOL CreateSolidBrush(COLORREF cr) { return Attach(::CreateSolidBrush(cr)); }
    BOOL CreateHatchBrush(int nIndex, COLORREF cr) { return Attach(::CreateHatchBrush(nIndex, cr)); }
    BOOL CreatePatternBrush(HBITMAP hBitmap) { return Attach(::CreatePatternBrush(hBitmap)); }
};

class CPen : public CGdiObject<HPEN> {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF cr) : CGdiObject(::CreatePen(nPenStyle, nWidth, cr)) {}
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF cr) { return Attach(::CreatePen(nPenStyle, nWidth, cr)); }
};

class CBitmap : public CGdiObject<HBITMAP> {
public:
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateCompatibleBitmap(HDC hDC, int cx, int cy) { return Attach(::CreateCompatibleBitmap(hDC, cx, cy)); }
    BOOL CreateBitmap(int cx, int cy, UINT nPlanes, UINT nBitCount, const void* pBits)
        { return Attach(::CreateBitmap(cx, cy, nPlanes, nBitCount, pBits)); }
    int GetBitmap(BITMAP* pBitmap) const { return GetObject(sizeof(BITMAP), pBitmap); }
};

class CRgn : public CGdiObject<HRGN> {
public:
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2) { return Attach(::CreateRectRgn(x1, y1, x2, y2)); }
    BOOL CreateRectRgnIndirect(LPCRECT pRect) { return Attach(::CreateRectRgnIndirect(pRect)); }
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
        { return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3)); }
    int CombineRgn(HRGN hSrc1, HRGN hSrc2, int nMode) { return ::CombineRgn(m_hObject, hSrc1, hSrc2, nMode); }
    BOOL PtInRegion(int x, int y) const { return ::PtInRegion(m_hObject, x, y); }
};
