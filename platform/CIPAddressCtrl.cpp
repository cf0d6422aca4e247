// CIPAddressCtrl.cpp: the IP address control's own font at its end.
#include "platform/CIPAddressCtrl.h"

#include "platform/MessageMap.h"

BEGIN_MESSAGE_MAP(CIPAddressCtrl, CWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

void CIPAddressCtrl::OnDestroy()
{
    HWND hField = ::GetWindow(m_hWnd, GW_CHILD);
    HFONT hFont = hField ? (HFONT)::SendMessageA(hField, WM_GETFONT, 0, 0) : nullptr;
    HWND hParent = ::GetParent(m_hWnd);
    bool bParents = hParent && (HFONT)::SendMessageA(hParent, WM_GETFONT, 0, 0) == hFont;
    m_hFieldFont = bParents ? nullptr : hFont;
    CWnd::OnDestroy();
}

// A font the control freed no longer reads as one (its handle is not
// given again at once: the handle carries a count of its slot's uses).
void CIPAddressCtrl::PostNcDestroy()
{
    HFONT hFont = m_hFieldFont;
    m_hFieldFont = nullptr;
    if (!hFont || ::GetObjectType(hFont) != OBJ_FONT)
        return;
    for (int nStock : {ANSI_VAR_FONT, ANSI_FIXED_FONT, DEFAULT_GUI_FONT, SYSTEM_FONT, DEVICE_DEFAULT_FONT,
                       OEM_FIXED_FONT, SYSTEM_FIXED_FONT})
        if (::GetStockObject(nStock) == hFont)
            return;
    ::DeleteObject(hFont);
}
