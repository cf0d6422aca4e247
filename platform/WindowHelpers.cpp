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
