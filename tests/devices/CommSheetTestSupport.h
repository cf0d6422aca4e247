// CommSheetTestSupport.h: what the communication adapter sheet's tests
// share: a page chosen by its tab caption (the tab order grows as kinds
// join) and an IP address control read and set.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace devtest {

// The sheet's current page.
inline HWND CurrentPage(HWND hSheet) { return (HWND)::SendMessageA(hSheet, PSM_GETCURRENTPAGEHWND, 0, 0); }

inline std::string TabText(HWND hSheet, int i)
{
    HWND hTab = (HWND)::SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0);
    char sz[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = sz;
    item.cchTextMax = sizeof sz;
    ::SendMessageA(hTab, TCM_GETITEMA, (WPARAM)i, (LPARAM)&item);
    return sz;
}

inline int TabCount(HWND hSheet)
{
    return (int)::SendMessageA((HWND)::SendMessageA(hSheet, PSM_GETTABCONTROL, 0, 0), TCM_GETITEMCOUNT, 0, 0);
}

// Shows the page whose tab reads pszCaption (as a click on it would) and
// returns it; null when there is none.
inline HWND SelectPageByCaption(HWND hSheet, const char* pszCaption)
{
    for (int i = 0; i < TabCount(hSheet); ++i)
        if (TabText(hSheet, i) == pszCaption) {
            ::SendMessageA(hSheet, PSM_SETCURSEL, (WPARAM)i, 0);
            return CurrentPage(hSheet);
        }
    return nullptr;
}

// "a.b.c.d" with all four fields filled, else "".
inline std::string IPAddressText(HWND hDlg, int nID)
{
    DWORD dw = 0;
    if (::SendDlgItemMessageA(hDlg, nID, IPM_GETADDRESS, 0, (LPARAM)&dw) != 4)
        return "";
    char sz[20];
    ::wsprintfA(sz, "%d.%d.%d.%d", (int)FIRST_IPADDRESS(dw), (int)SECOND_IPADDRESS(dw), (int)THIRD_IPADDRESS(dw),
                (int)FOURTH_IPADDRESS(dw));
    return sz;
}

inline void SetIPAddress(HWND hDlg, int nID, BYTE a, BYTE b, BYTE c, BYTE d)
{
    ::SendDlgItemMessageA(hDlg, nID, IPM_SETADDRESS, 0, (LPARAM)MAKEIPADDRESS(a, b, c, d));
}

inline void ClearIPAddress(HWND hDlg, int nID) { ::SendDlgItemMessageA(hDlg, nID, IPM_CLEARADDRESS, 0, 0); }

}  // namespace devtest
