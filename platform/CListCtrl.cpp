// CListCtrl.cpp: the list view members that fill a structure first.
#include "platform/CListCtrl.h"

int CListCtrl::InsertColumn(int nCol, LPCSTR pszHeading, int nFormat, int nWidth, int nSubItem)
{
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_FMT;
    col.fmt = nFormat;
    col.pszText = const_cast<char*>(pszHeading);
    if (nWidth >= 0) {
        col.mask |= LVCF_WIDTH;
        col.cx = nWidth;
    }
    if (nSubItem >= 0) {
        col.mask |= LVCF_SUBITEM;
        col.iSubItem = nSubItem;
    }
    return (int)::SendMessageA(m_hWnd, LVM_INSERTCOLUMNA, (WPARAM)nCol, (LPARAM)&col);
}

int CListCtrl::InsertItem(int nItem, LPCSTR pszItem)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = const_cast<char*>(pszItem);
    return InsertItem(&item);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR pszText)
{
    LVITEMA item = {};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<char*>(pszText);
    return (BOOL)::SendMessageA(m_hWnd, LVM_SETITEMTEXTA, (WPARAM)nItem, (LPARAM)&item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // The control copies at most cchTextMax characters: grow until it fits.
    CString s;
    for (int size = 256;; size *= 2) {
        LVITEMA item = {};
        item.iSubItem = nSubItem;
        item.cchTextMax = size;
        item.pszText = s.GetBufferSetLength(size);
        int n = (int)::SendMessageA(m_hWnd, LVM_GETITEMTEXTA, (WPARAM)nItem, (LPARAM)&item);
        if (n < size - 1 || size >= 0x100000) {
            s.ReleaseBuffer(n);
            return s;
        }
    }
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    item.lParam = (LPARAM)dwData;
    return (BOOL)::SendMessageA(m_hWnd, LVM_SETITEMA, 0, (LPARAM)&item);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    ::SendMessageA(m_hWnd, LVM_GETITEMA, 0, (LPARAM)&item);
    return (DWORD_PTR)item.lParam;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item = {};
    item.state = nState;
    item.stateMask = nMask;
    return (BOOL)::SendMessageA(m_hWnd, LVM_SETITEMSTATE, (WPARAM)nItem, (LPARAM)&item);
}
