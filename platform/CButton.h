// CButton.h: a push button, check box, radio button or group box. Owner-drawn
// buttons override DrawItem, which the parent's WM_DRAWITEM reaches by reflection.
#pragma once

#include "platform/CWnd.h"

class CButton : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    BOOL Create(LPCSTR pszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(0, "BUTTON", pszCaption, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    int GetCheck() const { return (int)::SendMessageA(m_hWnd, BM_GETCHECK, 0, 0); }
    void SetCheck(int nCheck) { ::SendMessageA(m_hWnd, BM_SETCHECK, (WPARAM)nCheck, 0); }
    UINT GetState() const { return (UINT)::SendMessageA(m_hWnd, BM_GETSTATE, 0, 0); }
    void SetState(BOOL bHighlight) { ::SendMessageA(m_hWnd, BM_SETSTATE, bHighlight, 0); }
    UINT GetButtonStyle() const { return (UINT)GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) { ::SendMessageA(m_hWnd, BM_SETSTYLE, nStyle, bRedraw); }
    HBITMAP SetBitmap(HBITMAP hBitmap)  // not owned
        { return (HBITMAP)::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap); }
    HICON SetIcon(HICON hIcon)  // not owned
        { return (HICON)::SendMessageA(m_hWnd, BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon); }
    // Draws an owner-drawn button; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}
};
