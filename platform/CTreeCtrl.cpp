// CTreeCtrl.cpp: the tree view members that fill a structure first.
#include "platform/CTreeCtrl.h"

HTREEITEM CTreeCtrl::InsertItem(LPCSTR pszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    TVINSERTSTRUCTA tvis = {};
    tvis.hParent = hParent;
    tvis.hInsertAfter = hInsertAfter;
    tvis.item.mask = TVIF_TEXT;
    tvis.item.pszText = const_cast<char*>(pszItem);
    return InsertItem(&tvis);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
    char buf[1024] = {};
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = buf;
    item.cchTextMax = sizeof(buf);
    ::SendMessageA(m_hWnd, TVM_GETITEMA, 0, (LPARAM)&item);
    return buf;
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCSTR pszItem)
{
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.pszText = const_cast<char*>(pszItem);
    return (BOOL)::SendMessageA(m_hWnd, TVM_SETITEMA, 0, (LPARAM)&item);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const
{
    TVITEMA item = {};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    ::SendMessageA(m_hWnd, TVM_GETITEMA, 0, (LPARAM)&item);
    return (DWORD_PTR)item.lParam;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData)
{
    TVITEMA item = {};
    item.mask = TVIF_PARAM;
    item.hItem = hItem;
    item.lParam = (LPARAM)dwData;
    return (BOOL)::SendMessageA(m_hWnd, TVM_SETITEMA, 0, (LPARAM)&item);
}
