// CListCtrl.h: a list view control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/CWnd.h"

class CListCtrl : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEWA, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    int GetItemCount() const { return (int)::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0); }
    int InsertColumn(int nCol, LPCSTR pszHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol) { return (BOOL)::SendMessageA(m_hWnd, LVM_DELETECOLUMN, (WPARAM)nCol, 0); }
    int GetColumnWidth(int nCol) const { return (int)::SendMessageA(m_hWnd, LVM_GETCOLUMNWIDTH, (WPARAM)nCol, 0); }
    BOOL SetColumnWidth(int nCol, int cx) { return (BOOL)::SendMessageA(m_hWnd, LVM_SETCOLUMNWIDTH, (WPARAM)nCol, cx); }
    int InsertItem(int nItem, LPCSTR pszItem);
    int InsertItem(const LVITEMA* pItem) { return (int)::SendMessageA(m_hWnd, LVM_INSERTITEMA, 0, (LPARAM)pItem); }
    BOOL DeleteItem(int nItem) { return (BOOL)::SendMessageA(m_hWnd, LVM_DELETEITEM, (WPARAM)nItem, 0); }
    BOOL DeleteAllItems() { return (BOOL)::SendMessageA(m_hWnd, LVM_DELETEALLITEMS, 0, 0); }
    BOOL SetItemText(int nItem, int nSubItem, LPCSTR pszText);
    CString GetItemText(int nItem, int nSubItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);
    DWORD_PTR GetItemData(int nItem) const;
    UINT GetItemState(int nItem, UINT nMask) const
        { return (UINT)::SendMessageA(m_hWnd, LVM_GETITEMSTATE, (WPARAM)nItem, nMask); }
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    int GetNextItem(int nItem, int nFlags) const { return (int)::SendMessageA(m_hWnd, LVM_GETNEXTITEM, (WPARAM)nItem, nFlags); }
    UINT GetSelectedCount() const { return (UINT)::SendMessageA(m_hWnd, LVM_GETSELECTEDCOUNT, 0, 0); }
    BOOL EnsureVisible(int nItem, BOOL bPartialOK) { return (BOOL)::SendMessageA(m_hWnd, LVM_ENSUREVISIBLE, (WPARAM)nItem, bPartialOK); }
    DWORD SetExtendedStyle(DWORD dwNewStyle)
        { return (DWORD)::SendMessageA(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle); }
    DWORD GetExtendedStyle() const { return (DWORD)::SendMessageA(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList, int nImageListType)  // borrowed
        { return (HIMAGELIST)::SendMessageA(m_hWnd, LVM_SETIMAGELIST, (WPARAM)nImageListType, (LPARAM)hImageList); }
    int HitTest(LVHITTESTINFO* pInfo) const { return (int)::SendMessageA(m_hWnd, LVM_HITTEST, 0, (LPARAM)pInfo); }
    BOOL GetItemRect(int nItem, LPRECT pRect, UINT nCode) const
        { pRect->left = (LONG)nCode; return (BOOL)::SendMessageA(m_hWnd, LVM_GETITEMRECT, (WPARAM)nItem, (LPARAM)pRect); }
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
        { return (BOOL)::SendMessageA(m_hWnd, LVM_SORTITEMS, dwData, (LPARAM)pfnCompare); }
    HWND GetHeaderCtrl() const { return (HWND)::SendMessageA(m_hWnd, LVM_GETHEADER, 0, 0); }
    int GetTopIndex() const { return (int)::SendMessageA(m_hWnd, LVM_GETTOPINDEX, 0, 0); }
    int GetCountPerPage() const { return (int)::SendMessageA(m_hWnd, LVM_GETCOUNTPERPAGE, 0, 0); }
    BOOL SetBkColor(COLORREF cr) { return (BOOL)::SendMessageA(m_hWnd, LVM_SETBKCOLOR, 0, (LPARAM)cr); }
    BOOL SetTextColor(COLORREF cr) { return (BOOL)::SendMessageA(m_hWnd, LVM_SETTEXTCOLOR, 0, (LPARAM)cr); }
    BOOL SetTextBkColor(COLORREF cr) { return (BOOL)::SendMessageA(m_hWnd, LVM_SETTEXTBKCOLOR, 0, (LPARAM)cr); }
};
