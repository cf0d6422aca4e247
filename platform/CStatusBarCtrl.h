// CStatusBarCtrl.h: a status bar control; as the frame's status bar it takes
// the id AFX_IDW_STATUS_BAR.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/CWnd.h"

class CStatusBarCtrl : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(0, STATUSCLASSNAMEA, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    BOOL SetParts(int nParts, const int* pWidths) { return (BOOL)::SendMessageA(m_hWnd, SB_SETPARTS, (WPARAM)nParts, (LPARAM)pWidths); }
    int GetParts(int nParts, int* pParts) const { return (int)::SendMessageA(m_hWnd, SB_GETPARTS, (WPARAM)nParts, (LPARAM)pParts); }
    BOOL SetText(LPCSTR pszText, int nPane, int nType = 0)
        { return (BOOL)::SendMessageA(m_hWnd, SB_SETTEXTA, (WPARAM)(nPane | nType), (LPARAM)pszText); }
    CString GetText(int nPane) const;
    BOOL GetRect(int nPane, LPRECT pRect) const { return (BOOL)::SendMessageA(m_hWnd, SB_GETRECT, (WPARAM)nPane, (LPARAM)pRect); }
    void SetTipText(int nPane, LPCSTR pszTipText) { ::SendMessageA(m_hWnd, SB_SETTIPTEXTA, (WPARAM)nPane, (LPARAM)pszTipText); }
    BOOL SetIcon(int nPane, HICON hIcon) { return (BOOL)::SendMessageA(m_hWnd, SB_SETICON, (WPARAM)nPane, (LPARAM)hIcon); }  // borrowed
    void SetSimple(BOOL bSimple = TRUE) { ::SendMessageA(m_hWnd, SB_SIMPLE, bSimple, 0); }
    void SetMinHeight(int nMin) { ::SendMessageA(m_hWnd, SB_SETMINHEIGHT, (WPARAM)nMin, 0); }
};
