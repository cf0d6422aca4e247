// CComboBox.h: a combo box. Like a list box (CListBox.h) its object takes
// its own messages only by reflection, and its rows are read in Unicode.
#pragma once

#include "platform/CWnd.h"
#include "platform/ListRowText.h"

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(0, "COMBOBOX", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    int GetCount() const { return (int)::SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0); }
    int GetCurSel() const { return (int)::SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0); }
    int SetCurSel(int nSelect) { return (int)::SendMessageA(m_hWnd, CB_SETCURSEL, (WPARAM)nSelect, 0); }
    int AddString(LPCSTR psz) { return (int)::SendMessageA(m_hWnd, CB_ADDSTRING, 0, (LPARAM)psz); }
    int InsertString(int nIndex, LPCSTR psz) { return (int)::SendMessageA(m_hWnd, CB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)psz); }
    int DeleteString(UINT nIndex) { return (int)::SendMessageA(m_hWnd, CB_DELETESTRING, nIndex, 0); }
    void ResetContent() { ::SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0); }
    int FindString(int nStartAfter, LPCSTR psz) const
        { return (int)::SendMessageA(m_hWnd, CB_FINDSTRING, (WPARAM)nStartAfter, (LPARAM)psz); }
    int FindStringExact(int nStartAfter, LPCSTR psz) const
        { return (int)::SendMessageA(m_hWnd, CB_FINDSTRINGEXACT, (WPARAM)nStartAfter, (LPARAM)psz); }
    int SelectString(int nStartAfter, LPCSTR psz)
        { return (int)::SendMessageA(m_hWnd, CB_SELECTSTRING, (WPARAM)nStartAfter, (LPARAM)psz); }
    void GetLBText(int nIndex, CString& str) const { str = ComboBoxGetLBText(m_hWnd, nIndex); }
    DWORD_PTR GetItemData(int nIndex) const { return (DWORD_PTR)::SendMessageA(m_hWnd, CB_GETITEMDATA, (WPARAM)nIndex, 0); }
    int SetItemData(int nIndex, DWORD_PTR dwData) { return (int)::SendMessageA(m_hWnd, CB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwData); }
    BOOL LimitText(int nMaxChars) { return (BOOL)::SendMessageA(m_hWnd, CB_LIMITTEXT, (WPARAM)nMaxChars, 0); }
    DWORD GetEditSel() const { return (DWORD)::SendMessageA(m_hWnd, CB_GETEDITSEL, 0, 0); }
    BOOL SetEditSel(int nStart, int nEnd) { return (BOOL)::SendMessageA(m_hWnd, CB_SETEDITSEL, 0, MAKELPARAM(nStart, nEnd)); }
    void ShowDropDown(BOOL bShow = TRUE) { ::SendMessageA(m_hWnd, CB_SHOWDROPDOWN, bShow, 0); }
    BOOL GetDroppedState() const { return (BOOL)::SendMessageA(m_hWnd, CB_GETDROPPEDSTATE, 0, 0); }
    int SetDroppedWidth(UINT nWidth) { return (int)::SendMessageA(m_hWnd, CB_SETDROPPEDWIDTH, nWidth, 0); }

protected:
    bool RoutesOwnMessages() const override { return false; }
};
