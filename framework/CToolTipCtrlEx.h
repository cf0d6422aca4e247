// CToolTipCtrlEx.h: the tooltip control of bar dialogs: AddWindowTool
// registers a whole control (by its handle), replacing a tool registered for
// it before. The control is not subclassed (TTF_SUBCLASS): the bar dialog
// relays the mouse messages from its PreTranslateMessage. Under Wine the
// subclass asked the server for a window property on every message of
// every control, hundreds of controls in the bars.
#pragma once

#include "platform/CToolTipCtrl.h"

class CToolTipCtrlEx : public CToolTipCtrl {
public:
    BOOL AddWindowTool(CWnd* pWnd, LPCSTR pszText)
    {
        TOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        ti.uFlags = TTF_IDISHWND;
        ti.hwnd = ::GetParent(pWnd->m_hWnd);
        ti.uId = (UINT_PTR)pWnd->m_hWnd;
        ti.hinst = ::GetModuleHandleA(nullptr);
        ti.lpszText = (LPSTR)pszText;
        ::SendMessageA(m_hWnd, TTM_DELTOOLA, 0, (LPARAM)&ti);
        return (BOOL)::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, (LPARAM)&ti);
    }
};
