// CToolTipCtrl.cpp: tools of a tooltip control.
#include "platform/CToolTipCtrl.h"

namespace {

TTTOOLINFOA ToolFor(CWnd* pWnd, LPCSTR pszText)
{
    TTTOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = ::GetParent(pWnd->m_hWnd);
    ti.uId = (UINT_PTR)pWnd->m_hWnd;
    ti.lpszText = const_cast<char*>(pszText);
    return ti;
}

}  // namespace

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR pszText)
{
    TTTOOLINFOA ti = ToolFor(pWnd, pszText);
    return (BOOL)::SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::DelTool(CWnd* pWnd)
{
    TTTOOLINFOA ti = ToolFor(pWnd, nullptr);
    ::SendMessageA(m_hWnd, TTM_DELTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(LPCSTR pszText, CWnd* pWnd)
{
    TTTOOLINFOA ti = ToolFor(pWnd, pszText);
    ::SendMessageA(m_hWnd, TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
}
