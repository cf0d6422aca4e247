// CIPAddressCtrl.h: the IP address control (four fields). The control
// makes a font of its own for its fields; Wine's control leaves it behind
// when it goes (one font per control made), Windows' frees it. The wrapper
// frees it after the control's end when the control did not.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/CWnd.h"

class CIPAddressCtrl : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(0, WC_IPADDRESSA, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    // The number of fields that hold a value (0 to 4); dwAddress gets the address.
    int GetAddress(DWORD& dwAddress) const { return (int)::SendMessageA(m_hWnd, IPM_GETADDRESS, 0, (LPARAM)&dwAddress); }
    int GetAddress(BYTE& b0, BYTE& b1, BYTE& b2, BYTE& b3) const
    {
        DWORD dw = 0;
        int n = GetAddress(dw);
        b0 = FIRST_IPADDRESS(dw); b1 = SECOND_IPADDRESS(dw); b2 = THIRD_IPADDRESS(dw); b3 = FOURTH_IPADDRESS(dw);
        return n;
    }
    void SetAddress(DWORD dwAddress) { ::SendMessageA(m_hWnd, IPM_SETADDRESS, 0, (LPARAM)dwAddress); }
    void SetAddress(BYTE b0, BYTE b1, BYTE b2, BYTE b3) { SetAddress(MAKEIPADDRESS(b0, b1, b2, b3)); }
    void ClearAddress() { ::SendMessageA(m_hWnd, IPM_CLEARADDRESS, 0, 0); }
    BOOL IsBlank() const { return (BOOL)::SendMessageA(m_hWnd, IPM_ISBLANK, 0, 0); }
    void SetFieldFocus(WORD nField) { ::SendMessageA(m_hWnd, IPM_SETFOCUS, nField, 0); }
    void SetFieldRange(int nField, BYTE nLower, BYTE nUpper)
        { ::SendMessageA(m_hWnd, IPM_SETRANGE, (WPARAM)nField, MAKEIPRANGE(nLower, nUpper)); }

protected:
    // The fields' font, while they still exist.
    void OnDestroy();
    // The control is gone: its fields' font goes too, unless the control
    // freed it or it is not the control's own (its parent's, a stock font).
    void PostNcDestroy() override;

private:
    HFONT m_hFieldFont = nullptr;  // not owned until the control has gone
};
