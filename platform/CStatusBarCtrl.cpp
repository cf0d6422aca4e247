// CStatusBarCtrl.cpp: reading a status bar pane.
#include "platform/CStatusBarCtrl.h"

CString CStatusBarCtrl::GetText(int nPane) const
{
    CString s;
    int n = LOWORD(::SendMessageA(m_hWnd, SB_GETTEXTLENGTHA, (WPARAM)nPane, 0));
    ::SendMessageA(m_hWnd, SB_GETTEXTA, (WPARAM)nPane, (LPARAM)s.GetBufferSetLength(n));
    s.ReleaseBuffer(n);
    return s;
}
