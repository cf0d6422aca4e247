// CSpinButtonCtrl.h: an up-down control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/CWnd.h"

class CSpinButtonCtrl : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(0, UPDOWN_CLASSA, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    void SetRange32(int nLower, int nUpper) { ::SendMessageA(m_hWnd, UDM_SETRANGE32, (WPARAM)nLower, nUpper); }
    void GetRange32(int& nLower, int& nUpper) const
        { ::SendMessageA(m_hWnd, UDM_GETRANGE32, (WPARAM)&nLower, (LPARAM)&nUpper); }
    int SetPos32(int nPos) { return (int)::SendMessageA(m_hWnd, UDM_SETPOS32, 0, nPos); }
    int GetPos32(BOOL* pbError = nullptr) const { return (int)::SendMessageA(m_hWnd, UDM_GETPOS32, 0, (LPARAM)pbError); }
    HWND SetBuddy(HWND hBuddy) { return (HWND)::SendMessageA(m_hWnd, UDM_SETBUDDY, (WPARAM)hBuddy, 0); }
    HWND GetBuddy() const { return (HWND)::SendMessageA(m_hWnd, UDM_GETBUDDY, 0, 0); }
    BOOL SetAccel(int nAccel, const UDACCEL* pAccel)
        { return (BOOL)::SendMessageA(m_hWnd, UDM_SETACCEL, (WPARAM)nAccel, (LPARAM)pAccel); }
    int SetBase(int nBase) { return (int)::SendMessageA(m_hWnd, UDM_SETBASE, (WPARAM)nBase, 0); }
};
