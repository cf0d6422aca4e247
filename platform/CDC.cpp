// CDC.cpp: device contexts and the scoped window DCs.
#include "platform/CDC.h"

#include "platform/CWnd.h"

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    DeleteDC();
    m_hDC = ::CreateCompatibleDC((pDC ? pDC->m_hDC : nullptr));
    m_bOwned = m_hDC != nullptr;
    return m_bOwned;
}

BOOL CDC::DeleteDC()
{
    BOOL ok = TRUE;
    if (m_hDC && m_bOwned)
        ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_bOwned = false;
    return ok;
}

CSize CDC::GetTextExtent(LPCSTR psz, int nCount) const
{
    SIZE s = {};
    ::GetTextExtentPoint32A(m_hDC, psz, nCount, &s);
    return CSize(s);
}

void CDC::FillSolidRect(LPCRECT pRect, COLORREF cr)
{
    // ExtTextOut with an opaque rectangle fills without a brush to free.
    COLORREF old = ::SetBkColor(m_hDC, cr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, pRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::Draw3dRect(LPCRECT pRect, COLORREF crTopLeft, COLORREF crBottomRight)
{
    int x = pRect->left, y = pRect->top;
    int cx = pRect->right - x, cy = pRect->bottom - y;
    FillSolidRect(x, y, cx - 1, 1, crTopLeft);
    FillSolidRect(x, y, 1, cy - 1, crTopLeft);
    FillSolidRect(x + cx - 1, y, 1, cy, crBottomRight);
    FillSolidRect(x, y + cy - 1, cx, 1, crBottomRight);
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}

CClientDC::CClientDC(CWnd* pWnd) : CClientDC(HwndOf(pWnd))
{
}

CClientDC::CClientDC(HWND hWnd) : m_hWnd(hWnd)
{
    m_hDC = ::GetDC(m_hWnd);
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}

CWindowDC::CWindowDC(CWnd* pWnd) : CWindowDC(HwndOf(pWnd))
{
}

CWindowDC::CWindowDC(HWND hWnd) : m_hWnd(hWnd)
{
    m_hDC = ::GetWindowDC(m_hWnd);
}

CWindowDC::CWindowDC(HWND hWnd, DWORD dwFlags) : m_hWnd(hWnd)
{
    m_hDC = ::GetDCEx(m_hWnd, nullptr, dwFlags);
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}
