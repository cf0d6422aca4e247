// CMenu.cpp: loading, freeing and showing menus.
#include "platform/CMenu.h"

#include "platform/CWinApp.h"
#include "platform/CWnd.h"

CMenu& CMenu::operator=(CMenu&& o) noexcept
{
    if (this != &o) {
        DestroyMenu();
        m_hMenu = o.m_hMenu;
        m_bOwned = o.m_bOwned;
        o.m_hMenu = nullptr;
        o.m_bOwned = false;
    }
    return *this;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    DestroyMenu();
    m_hMenu = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
    m_bOwned = m_hMenu != nullptr;
    return m_bOwned;
}

BOOL CMenu::CreatePopupMenu()
{
    DestroyMenu();
    m_hMenu = ::CreatePopupMenu();
    m_bOwned = m_hMenu != nullptr;
    return m_bOwned;
}

BOOL CMenu::CreateMenu()
{
    DestroyMenu();
    m_hMenu = ::CreateMenu();
    m_bOwned = m_hMenu != nullptr;
    return m_bOwned;
}

BOOL CMenu::DestroyMenu()
{
    BOOL ok = TRUE;
    if (m_hMenu && m_bOwned)
        ok = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    m_bOwned = false;
    return ok;
}

int CMenu::GetMenuString(UINT nID, CString& str, UINT nFlags) const
{
    int n = ::GetMenuStringA(m_hMenu, nID, nullptr, 0, nFlags);
    char* p = str.GetBufferSetLength(n);
    n = ::GetMenuStringA(m_hMenu, nID, p, n + 1, nFlags);
    str.ReleaseBuffer(n);
    return n;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT pRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, HwndOf(pWnd), pRect);
}
