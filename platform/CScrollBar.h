// CScrollBar.h: a scroll bar control.
#pragma once

#include "platform/CWnd.h"

class CScrollBar : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(0, "SCROLLBAR", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE) { return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw); }
    void SetScrollRange(int nMin, int nMax, BOOL bRedraw = TRUE) { ::SetScrollRange(m_hWnd, SB_CTL, nMin, nMax, bRedraw); }
    BOOL GetScrollInfo(LPSCROLLINFO psi) const { psi->cbSize = sizeof(*psi); return ::GetScrollInfo(m_hWnd, SB_CTL, psi); }
    int SetScrollInfo(LPSCROLLINFO psi, BOOL bRedraw = TRUE)
        { psi->cbSize = sizeof(*psi); return ::SetScrollInfo(m_hWnd, SB_CTL, psi, bRedraw); }
};
