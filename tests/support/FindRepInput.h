// FindRepInput.h: typing into the find/replace dialog and pressing its
// buttons as the user would, for the tests of the dialog and of its owners.
#pragma once

#include <windows.h>

#include "framework/MyFindRepDlg.h"

namespace vorntest {

// Types a text into one of the dialog's combo boxes (with its edit change).
inline void FindRepType(CMyFindRepDlg* p, int nId, const char* psz)
{
    HWND hCombo = ::GetDlgItem(p->m_hWnd, nId);
    ::SetWindowTextA(hCombo, psz);
    p->SendMessage(WM_COMMAND, MAKEWPARAM(nId, CBN_EDITCHANGE), (LPARAM)hCombo);
}

inline void FindRepClick(CMyFindRepDlg* p, int nId)
{
    p->SendMessage(WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(p->m_hWnd, nId));
}

}  // namespace vorntest
