// WindowHelpers.cpp: redraw switching and the context-menu point (see
// WindowHelpers.h).
#include "platform/WindowHelpers.h"

#include "platform/CWnd.h"

namespace {

// How far inside the client area a keyboard-invoked menu opens.
const int kKeyboardMenuInset = 8;

}  // namespace

void WLSetRedraw(HWND hWnd, BOOL bRedraw)
{
    ::SendMessageA(hWnd, WM_SETREDRAW, bRedraw ? TRUE : FALSE, 0);
    if (bRedraw)
        ::RedrawWindow(hWnd, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void WLSetRedraw(CWnd* pWnd, BOOL bRedraw)
{
    WLSetRedraw(HwndOf(pWnd), bRedraw);
}

CPoint CalcContextMenuPoint(HWND hWnd, CPoint point)
{
    if (point.x != -1 || point.y != -1)
        return point;
    CRect rcClient;
    ::GetClientRect(hWnd, &rcClient);
    CPoint pt(kKeyboardMenuInset, kKeyboardMenuInset);
    // GetCaretPos answers even without a caret; the thread's GUI info tells
    // whether this window shows one.
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof(gti);
    if (::GetFocus() == hWnd && ::GetGUIThreadInfo(::GetWindowThreadProcessId(hWnd, nullptr), &gti) && gti.hwndCaret == hWnd) {
        CPoint ptCaret(gti.rcCaret.left, gti.rcCaret.top);
        if (rcClient.PtInRect(ptCaret))
            pt = ptCaret;
    }
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

CPoint CalcContextMenuPoint(CWnd* pWnd, CPoint point)
{
    return CalcContextMenuPoint(HwndOf(pWnd), point);
}

CPoint ContextMenuPointBeside(HWND hWnd, const RECT& rcItem)
{
    CPoint pt(rcItem.left + kKeyboardMenuInset, rcItem.bottom);
    ::ClientToScreen(hWnd, &pt);
    return pt;
}

RECT KeepRectInside(const RECT& rc, const RECT& rcArea)
{
    RECT r = rc;
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (r.right > rcArea.right)
        r.left = rcArea.right - cx;
    if (r.bottom > rcArea.bottom)
        r.top = rcArea.bottom - cy;
    if (r.left < rcArea.left)
        r.left = rcArea.left;
    if (r.top < rcArea.top)
        r.top = rcArea.top;
    r.right = r.left + cx;
    r.bottom = r.top + cy;
    return r;
}

void CenterWindowOn(HWND hWnd, HWND hOwner)
{
    MONITORINFO mi = {sizeof(mi)};
    ::GetMonitorInfoA(::MonitorFromWindow(hOwner && ::IsWindowVisible(hOwner) ? hOwner : hWnd,
                                          MONITOR_DEFAULTTONEAREST),
                      &mi);
    RECT rcArea = mi.rcWork;
    if (hOwner && ::IsWindowVisible(hOwner) && !::IsIconic(hOwner))
        ::GetWindowRect(hOwner, &rcArea);
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    RECT rcNew = {rcArea.left + (rcArea.right - rcArea.left - cx) / 2,
                  rcArea.top + (rcArea.bottom - rcArea.top - cy) / 2, 0, 0};
    rcNew.right = rcNew.left + cx;
    rcNew.bottom = rcNew.top + cy;
    rcNew = KeepRectInside(rcNew, mi.rcWork);
    ::SetWindowPos(hWnd, nullptr, rcNew.left, rcNew.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool WindowIsOwnedBy(HWND hWnd, HWND hOwner)
{
    for (HWND h = ::GetWindow(hWnd, GW_OWNER); h; h = ::GetWindow(h, GW_OWNER))
        if (h == hOwner)
            return true;
    return false;
}
