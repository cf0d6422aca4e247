// CMenu.h: a menu. A CMenu owns (and destroys) only a menu it loaded or
// created itself; one made from a handle borrows it, as do the sub-menus that
// GetSubMenu hands out. Move-only.
#pragma once

#include <windows.h>

#include "platform/CString.h"

class CWnd;

class CMenu {
public:
    CMenu() = default;
    // Borrows hMenu (bOwn false) or takes it over (bOwn true).
    explicit CMenu(HMENU hMenu, bool bOwn = false) : m_hMenu(hMenu), m_bOwned(bOwn) {}
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;
    CMenu(CMenu&& o) noexcept : m_hMenu(o.m_hMenu), m_bOwned(o.m_bOwned) { o.m_hMenu = nullptr; o.m_bOwned = false; }
    CMenu& operator=(CMenu&& o) noexcept;
    ~CMenu() { DestroyMenu(); }

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }
    HMENU GetSafeHmenu() const { return m_hMenu; }

    BOOL LoadMenu(UINT nIDResource);
    BOOL CreatePopupMenu();
    BOOL CreateMenu();
    // Frees an owned menu; a borrowed one is only let go.
    BOOL DestroyMenu();
    BOOL Attach(HMENU hMenu) { DestroyMenu(); m_hMenu = hMenu; m_bOwned = true; return hMenu != nullptr; }
    HMENU Detach() { HMENU h = m_hMenu; m_hMenu = nullptr; m_bOwned = false; return h; }

    // The sub-menu at nPos, borrowed (it belongs to this menu).
    CMenu GetSubMenu(int nPos) const { return CMenu(::GetSubMenu(m_hMenu, nPos)); }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    UINT GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
    UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
    int GetMenuString(UINT nID, CString& str, UINT nFlags) const;
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR pszNewItem = nullptr)
        { return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, pszNewItem); }
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR pszNewItem = nullptr)
        { return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, pszNewItem); }
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR pszNewItem = nullptr)
        { return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, pszNewItem); }
    BOOL RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }
    BOOL DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }
    UINT EnableMenuItem(UINT nID, UINT nEnable) { return ::EnableMenuItem(m_hMenu, nID, nEnable); }
    UINT CheckMenuItem(UINT nID, UINT nCheck) { return ::CheckMenuItem(m_hMenu, nID, nCheck); }
    BOOL CheckMenuRadioItem(UINT nFirst, UINT nLast, UINT nItem, UINT nFlags)
        { return ::CheckMenuRadioItem(m_hMenu, nFirst, nLast, nItem, nFlags); }
    BOOL SetDefaultItem(UINT uItem, BOOL fByPos = FALSE) { return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos); }
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT pRect = nullptr);

private:
    bool m_bOwned = false;
};
