// CComboBoxEx.h: an extended combo box (items with images).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/CComboBox.h"

class CComboBoxEx : public CComboBox {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(0, WC_COMBOBOXEXA, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    int InsertItem(const COMBOBOXEXITEMA* pItem) { return (int)::SendMessageA(m_hWnd, CBEM_INSERTITEMA, 0, (LPARAM)pItem); }
    int DeleteItem(int nIndex) { return (int)::SendMessageA(m_hWnd, CBEM_DELETEITEM, (WPARAM)nIndex, 0); }
    BOOL GetItem(COMBOBOXEXITEMA* pItem) const { return (BOOL)::SendMessageA(m_hWnd, CBEM_GETITEMA, 0, (LPARAM)pItem); }
    BOOL SetItem(const COMBOBOXEXITEMA* pItem) { return (BOOL)::SendMessageA(m_hWnd, CBEM_SETITEMA, 0, (LPARAM)pItem); }
    HIMAGELIST SetImageList(HIMAGELIST hImageList)  // borrowed
        { return (HIMAGELIST)::SendMessageA(m_hWnd, CBEM_SETIMAGELIST, 0, (LPARAM)hImageList); }
    HWND GetEditCtrl() const { return (HWND)::SendMessageA(m_hWnd, CBEM_GETEDITCONTROL, 0, 0); }
    HWND GetComboBoxCtrl() const { return (HWND)::SendMessageA(m_hWnd, CBEM_GETCOMBOCONTROL, 0, 0); }
    DWORD SetExtendedStyle(DWORD dwMask, DWORD dwStyle)
        { return (DWORD)::SendMessageA(m_hWnd, CBEM_SETEXTENDEDSTYLE, dwMask, dwStyle); }
};
