// OneStepPaint.cpp: parts of windows composed off the screen and copied at
// once (OneStepPaint.h).
#include "platform/OneStepPaint.h"

#include "platform/CDC.h"
#include "platform/CGdiObject.h"
#include "platform/CWnd.h"

BITMAPINFO DrawingBitmapInfo(int cx, int cy)
{
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = cx;
    bi.bmiHeader.biHeight = -cy;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

bool CreateDrawingBitmap(CBitmap& bitmap, int cx, int cy)
{
    BITMAPINFO bi = DrawingBitmapInfo(cx, cy);
    void* pBits = nullptr;
    return bitmap.Attach(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0));
}

bool DrawInOneStep(HDC hdcTarget, const RECT& rc, const std::function<void(HDC)>& compose)
{
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0)
        return true;
    CDC mem;
    CBitmap bitmap;
    if (!mem.CreateCompatibleDC(nullptr) || !CreateDrawingBitmap(bitmap, cx, cy))
        return false;
    CDCSelect select(mem, bitmap);
    ::SetViewportOrgEx(mem, -rc.left, -rc.top, nullptr);
    compose(mem);
    ::SetViewportOrgEx(mem, 0, 0, nullptr);
    return ::BitBlt(hdcTarget, rc.left, rc.top, cx, cy, mem, 0, 0, SRCCOPY) != FALSE;
}

// The controls take the DC's device origin for their own (the system's
// static clips to its client rectangle in device coordinates): each window
// is printed into a bitmap of its own, which starts as what hdc holds there
// (a control that draws its text alone shows the ground under it).
void PrintClientInto(HWND hWnd, HDC hdc, POINT ptAt, bool bErase)
{
    RECT rc;
    if (!::GetClientRect(hWnd, &rc) || rc.right <= 0 || rc.bottom <= 0)
        return;
    CDC mem;
    CBitmap bitmap;
    if (!mem.CreateCompatibleDC(nullptr) || !CreateDrawingBitmap(bitmap, rc.right, rc.bottom))
        return;
    CDCSelect select(mem, bitmap);
    ::BitBlt(mem, 0, 0, rc.right, rc.bottom, hdc, ptAt.x, ptAt.y, SRCCOPY);
    if (bErase)
        ::SendMessageA(hWnd, WM_ERASEBKGND, (WPARAM)(HDC)mem, 0);
    ::SendMessageA(hWnd, WM_PRINTCLIENT, (WPARAM)(HDC)mem, PRF_CLIENT);
    ::BitBlt(hdc, ptAt.x, ptAt.y, rc.right, rc.bottom, mem, 0, 0, SRCCOPY);
}

void PrintWithChildrenInto(HWND hWnd, HDC hdc)
{
    PrintClientInto(hWnd, hdc, POINT{0, 0}, true);
    for (HWND h = ::GetWindow(::GetWindow(hWnd, GW_CHILD), GW_HWNDLAST); h; h = ::GetWindow(h, GW_HWNDPREV)) {
        if (!::IsWindowVisible(h))
            continue;
        POINT pt = {0, 0};
        ::MapWindowPoints(h, hWnd, &pt, 1);
        PrintClientInto(h, hdc, pt, false);
    }
}

namespace {

// The ground of a window that fills it in its own coordinates (a dialog)
// into hdc with its client origin at ptAt: straight into hdc, so that only
// the part that hdc holds is drawn, however large the window.
void PrintGroundInto(HWND hWnd, HDC hdc, POINT ptAt)
{
    POINT ptOrg;
    ::OffsetViewportOrgEx(hdc, ptAt.x, ptAt.y, &ptOrg);
    ::SendMessageA(hWnd, WM_ERASEBKGND, (WPARAM)hdc, 0);
    ::SetViewportOrgEx(hdc, ptOrg.x, ptOrg.y, nullptr);
}

}  // namespace

void PrintParentGroundInto(HWND hWnd, HDC hdc)
{
    if (HWND hParent = ::GetParent(hWnd)) {
        POINT pt = {0, 0};
        ::MapWindowPoints(hParent, hWnd, &pt, 1);
        PrintGroundInto(hParent, hdc, pt);
    }
}

// The parent's ground first, as it stands behind the control (a control
// that the parent's colours make transparent draws its text alone).
void PaintInOneStep(CWnd* pWnd)
{
    CPaintDC dc(pWnd);
    RECT rc;
    ::GetClientRect(pWnd->m_hWnd, &rc);
    DrawInOneStep(dc, rc, [hWnd = pWnd->m_hWnd](HDC hdc) {
        PrintParentGroundInto(hWnd, hdc);
        PrintClientInto(hWnd, hdc, POINT{0, 0}, false);
    });
}

// A DC of the client area that draws over the children: they are part of
// the picture.
void DrawWithChildrenInOneStep(HWND hWnd)
{
    RECT rc;
    ::GetClientRect(hWnd, &rc);
    CWindowDC dc(hWnd, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc.m_hDC)
        return;
    DrawInOneStep(dc, rc, [hWnd](HDC hdc) { PrintWithChildrenInto(hWnd, hdc); });
    ::RedrawWindow(hWnd, nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
}

void DrawChildrenInOneStep(HWND hWnd, std::initializer_list<HWND> children)
{
    RECT rc = {0, 0, 0, 0};
    for (HWND h : children) {
        RECT rcChild;
        if (!::IsWindowVisible(h) || !::GetWindowRect(h, &rcChild))
            continue;
        ::MapWindowPoints(nullptr, hWnd, (POINT*)&rcChild, 2);
        ::UnionRect(&rc, &rc, &rcChild);
    }
    if (::IsRectEmpty(&rc))
        return;
    CWindowDC dc(hWnd, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc.m_hDC)
        return;
    DrawInOneStep(dc, rc, [&](HDC hdc) {
        PrintGroundInto(hWnd, hdc, POINT{0, 0});
        for (HWND h : children) {
            if (!::IsWindowVisible(h))
                continue;
            POINT pt = {0, 0};
            ::MapWindowPoints(h, hWnd, &pt, 1);
            PrintClientInto(h, hdc, pt, false);
        }
    });
    for (HWND h : children)
        ::RedrawWindow(h, nullptr, nullptr, RDW_VALIDATE);
    ::RedrawWindow(hWnd, &rc, nullptr, RDW_VALIDATE);
}
