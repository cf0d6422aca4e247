// CStatic.h: a static text, icon or bitmap control.
#pragma once

#include "platform/CWnd.h"

class CStatic : public CWnd {
public:
    BOOL Create(LPCSTR pszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xFFFF)
        { return CreateEx(0, "STATIC", pszText, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    HICON SetIcon(HICON hIcon) { return (HICON)::SendMessageA(m_hWnd, STM_SETICON, (WPARAM)hIcon, 0); }  // not owned
    HICON GetIcon() const { return (HICON)::SendMessageA(m_hWnd, STM_GETICON, 0, 0); }
    HBITMAP SetBitmap(HBITMAP hBitmap)  // not owned
        { return (HBITMAP)::SendMessageA(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap); }
};
