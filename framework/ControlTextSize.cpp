// ControlTextSize.cpp: text extents in a control's font, and the room an
// edit needs around them.
#include "framework/ControlTextSize.h"

#include <cstring>

#include "platform/CDC.h"

namespace {

// An edit with a border keeps this much room inside it on either side, as
// the edit control does (a border's width plus one), across and, when the
// edit is high enough, down.
int EditInnerBorder(HWND hEdit)
{
    return (::GetWindowLongA(hEdit, GWL_STYLE) & WS_BORDER) ? ::GetSystemMetrics(SM_CXBORDER) + 1 : 0;
}

}  // namespace

SIZE ControlTextExtent(HWND hCtl, const char* pszText)
{
    SIZE size = {0, 0};
    CClientDC dc(hCtl);
    if (!dc.m_hDC)
        return size;
    CDCSelect sel(dc.m_hDC, (HFONT)::SendMessageA(hCtl, WM_GETFONT, 0, 0));
    ::GetTextExtentPoint32A(dc.m_hDC, pszText, (int)std::strlen(pszText), &size);
    return size;
}

SIZE EditSizeForText(HWND hEdit, const char* pszText)
{
    SIZE text = ControlTextExtent(hEdit, pszText);
    if (text.cy == 0)
        text.cy = ControlTextExtent(hEdit, "0").cy;  // an empty text is one line high all the same
    DWORD dwMargins = (DWORD)::SendMessageA(hEdit, EM_GETMARGINS, 0, 0);
    RECT rcWnd, rcClient;
    ::GetWindowRect(hEdit, &rcWnd);
    ::GetClientRect(hEdit, &rcClient);
    const int nInner = 2 * EditInnerBorder(hEdit);
    const int kCaret = 1;
    return SIZE{text.cx + kCaret + LOWORD(dwMargins) + HIWORD(dwMargins) + nInner +
                    (rcWnd.right - rcWnd.left) - rcClient.right,
                text.cy + nInner + (rcWnd.bottom - rcWnd.top) - rcClient.bottom};
}

char WidestCharOf(HWND hCtl, const char* pszSet)
{
    char chWidest = pszSet[0];
    CClientDC dc(hCtl);
    if (!dc.m_hDC)
        return chWidest;
    CDCSelect sel(dc.m_hDC, (HFONT)::SendMessageA(hCtl, WM_GETFONT, 0, 0));
    int cxWidest = -1;
    for (const char* p = pszSet; *p; ++p) {
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(dc.m_hDC, p, 1, &size);
        if (size.cx > cxWidest) {
            cxWidest = size.cx;
            chWidest = *p;
        }
    }
    return chWidest;
}

CString ShapeWith(const CString& strText, const char* pszSet, char chWidest)
{
    CString str = strText;
    for (int i = 0; i < str.GetLength(); ++i)
        if (std::strchr(pszSet, str[i]))
            str.SetAt(i, chWidest);
    return str;
}

CString WidestOfShape(HWND hCtl, const CString& strText, const char* pszSet)
{
    return ShapeWith(strText, pszSet, WidestCharOf(hCtl, pszSet));
}
