// CToolTipCtrl.h: a tooltip control. RelayEvent hands it the mouse messages
// of its tools from the owner's PreTranslateMessage.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/CWnd.h"

class CToolTipCtrl : public CWnd {
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0)
    {
        return CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | dwStyle,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, HwndOf(pParentWnd), nullptr);
    }
    // A tool for a control (the whole window, by its handle).
    BOOL AddTool(CWnd* pWnd, LPCSTR pszText);
    void DelTool(CWnd* pWnd);
    void UpdateTipText(LPCSTR pszText, CWnd* pWnd);
    void RelayEvent(MSG* pMsg) { ::SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, (LPARAM)pMsg); }
    void Activate(BOOL bActivate) { ::SendMessageA(m_hWnd, TTM_ACTIVATE, bActivate, 0); }
    int SetMaxTipWidth(int nWidth) { return (int)::SendMessageA(m_hWnd, TTM_SETMAXTIPWIDTH, 0, nWidth); }
    void SetDelayTime(DWORD dwDuration, int nTime) { ::SendMessageA(m_hWnd, TTM_SETDELAYTIME, dwDuration, nTime); }
    BOOL SetTitle(UINT nIcon, LPCSTR pszTitle) { return (BOOL)::SendMessageA(m_hWnd, TTM_SETTITLEA, nIcon, (LPARAM)pszTitle); }
    void Pop() { ::SendMessageA(m_hWnd, TTM_POP, 0, 0); }
    int GetToolCount() const { return (int)::SendMessageA(m_hWnd, TTM_GETTOOLCOUNT, 0, 0); }
};
