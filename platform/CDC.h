// CDC.h: device contexts. CDC wraps an HDC it borrows (a handler's DC), or a
// memory DC it made itself with CreateCompatibleDC and deletes. CPaintDC,
// CClientDC and CWindowDC get a window's DC and give it back in their
// destructors. CDCSelect selects a GDI object for one scope and puts the
// previous one back, which is the only way this layer selects objects.
// All are move-less and copy-less: a DC lives in one scope.
#pragma once

#include <windows.h>

#include <cstddef>

#include "platform/CRect.h"
#include "platform/CString.h"

class CWnd;

class CDC {
public:
    CDC() = default;
    explicit CDC(HDC hDC) : m_hDC(hDC) {}  // borrows
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() { DeleteDC(); }

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    // A memory DC compatible with pDC (or the screen), owned by this object.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Frees a DC this object made; a borrowed one is only let go.
    BOOL DeleteDC();

    COLORREF SetTextColor(COLORREF cr) { return ::SetTextColor(m_hDC, cr); }
    COLORREF SetBkColor(COLORREF cr) { return ::SetBkColor(m_hDC, cr); }
    int SetBkMode(int nMode) { return ::SetBkMode(m_hDC, nMode); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
    UINT SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
    BOOL GetTextMetrics(LPTEXTMETRICA ptm) const { return ::GetTextMetricsA(m_hDC, ptm); }
    CSize GetTextExtent(LPCSTR psz, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }

    BOOL TextOut(int x, int y, LPCSTR psz, int nCount) { return ::TextOutA(m_hDC, x, y, psz, nCount); }
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT pRect, LPCSTR psz, UINT nCount, const int* pDx = nullptr)
        { return ::ExtTextOutA(m_hDC, x, y, nOptions, pRect, psz, nCount, pDx); }
    int DrawText(LPCSTR psz, int nCount, LPRECT pRect, UINT nFormat)
        { return ::DrawTextA(m_hDC, psz, nCount, pRect, nFormat); }
    int DrawText(const CString& str, LPRECT pRect, UINT nFormat)
        { return DrawText(str, str.GetLength(), pRect, nFormat); }

    void FillRect(LPCRECT pRect, HBRUSH hBrush) { ::FillRect(m_hDC, pRect, hBrush); }
    void FillSolidRect(LPCRECT pRect, COLORREF cr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF cr) { CRect rc(x, y, x + cx, y + cy); FillSolidRect(&rc, cr); }
    void FrameRect(LPCRECT pRect, HBRUSH hBrush) { ::FrameRect(m_hDC, pRect, hBrush); }
    void Draw3dRect(LPCRECT pRect, COLORREF crTopLeft, COLORREF crBottomRight);
    BOOL DrawEdge(LPRECT pRect, UINT nEdge, UINT nFlags) { return ::DrawEdge(m_hDC, pRect, nEdge, nFlags); }
    void DrawFocusRect(LPCRECT pRect) { ::DrawFocusRect(m_hDC, pRect); }
    BOOL DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
    BOOL Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
    BOOL Rectangle(LPCRECT pRect) { return Rectangle(pRect->left, pRect->top, pRect->right, pRect->bottom); }
    BOOL Ellipse(LPCRECT pRect) { return ::Ellipse(m_hDC, pRect->left, pRect->top, pRect->right, pRect->bottom); }
    CPoint MoveTo(int x, int y) { POINT pt; ::MoveToEx(m_hDC, x, y, &pt); return CPoint(pt); }
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    BOOL Polygon(const POINT* pPoints, int nCount) { return ::Polygon(m_hDC, pPoints, nCount); }
    BOOL PatBlt(int x, int y, int cx, int cy, DWORD dwRop) { return ::PatBlt(m_hDC, x, y, cx, cy, dwRop); }
    BOOL BitBlt(int x, int y, int cx, int cy, CDC* pSrc, int xSrc, int ySrc, DWORD dwRop)
        { return ::BitBlt(m_hDC, x, y, cx, cy, (pSrc ? pSrc->m_hDC : nullptr), xSrc, ySrc, dwRop); }
    COLORREF SetPixel(int x, int y, COLORREF cr) { return ::SetPixel(m_hDC, x, y, cr); }
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
    int IntersectClipRect(LPCRECT pRect)
        { return ::IntersectClipRect(m_hDC, pRect->left, pRect->top, pRect->right, pRect->bottom); }
    int ExcludeClipRect(LPCRECT pRect)
        { return ::ExcludeClipRect(m_hDC, pRect->left, pRect->top, pRect->right, pRect->bottom); }
    int SelectClipRgn(HRGN hRgn) { return ::SelectClipRgn(m_hDC, hRgn); }
    int GetClipBox(LPRECT pRect) const { return ::GetClipBox(m_hDC, pRect); }

private:
    bool m_bOwned = false;  // true for a DC made by CreateCompatibleDC
};

// BeginPaint ... EndPaint for one WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps = {};

private:
    HWND m_hWnd;
};

// GetDC ... ReleaseDC of a window's client area.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    explicit CClientDC(HWND hWnd);
    explicit CClientDC(std::nullptr_t) : CClientDC((HWND)nullptr) {}  // the screen
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

// GetWindowDC ... ReleaseDC: the whole window, non-client area included.
class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    explicit CWindowDC(HWND hWnd);
    // GetDCEx with the flags (DCX_WINDOW, DCX_CACHE, DCX_LOCKWINDOWUPDATE ...).
    CWindowDC(HWND hWnd, DWORD dwFlags);
    ~CWindowDC() override;

private:
    HWND m_hWnd;
};

// Selects a GDI object (font, brush, pen, bitmap) into a DC for one scope;
// a null object selects nothing.
class CDCSelect {
public:
    CDCSelect(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(hObject ? ::SelectObject(hDC, hObject) : nullptr) {}
    CDCSelect(const CDCSelect&) = delete;
    CDCSelect& operator=(const CDCSelect&) = delete;
    ~CDCSelect()
    {
        if (m_hOld)
            ::SelectObject(m_hDC, m_hOld);
    }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};
