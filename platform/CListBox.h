// CListBox.h: a list box. Its object takes its own messages only by
// reflection from the parent (owner drawing, notifications): the window keeps
// a Unicode procedure in front, and rows are read in Unicode (ListRowText.h),
// so rows of any length come back whole.
#pragma once

#include "platform/CWnd.h"
#include "platform/ListRowText.h"

class CListBox : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(WS_EX_CLIENTEDGE, "LISTBOX", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    int GetCount() const { return (int)::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0); }
    int GetCurSel() const { return (int)::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0); }
    int SetCurSel(int nSelect) { return (int)::SendMessageA(m_hWnd, LB_SETCURSEL, (WPARAM)nSelect, 0); }
    int GetSel(int nIndex) const { return (int)::SendMessageA(m_hWnd, LB_GETSEL, (WPARAM)nIndex, 0); }
    int SetSel(int nIndex, BOOL bSelect = TRUE) { return (int)::SendMessageA(m_hWnd, LB_SETSEL, bSelect, nIndex); }
    int GetSelCount() const { return (int)::SendMessageA(m_hWnd, LB_GETSELCOUNT, 0, 0); }
    int GetSelItems(int nMax, LPINT pIndex) const { return (int)::SendMessageA(m_hWnd, LB_GETSELITEMS, (WPARAM)nMax, (LPARAM)pIndex); }
    int AddString(LPCSTR psz) { return (int)::SendMessageA(m_hWnd, LB_ADDSTRING, 0, (LPARAM)psz); }
    int InsertString(int nIndex, LPCSTR psz) { return (int)::SendMessageA(m_hWnd, LB_INSERTSTRING, (WPARAM)nIndex, (LPARAM)psz); }
    int DeleteString(UINT nIndex) { return (int)::SendMessageA(m_hWnd, LB_DELETESTRING, nIndex, 0); }
    void ResetContent() { ::SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0); }
    int FindStringExact(int nStartAfter, LPCSTR psz) const
        { return (int)::SendMessageA(m_hWnd, LB_FINDSTRINGEXACT, (WPARAM)nStartAfter, (LPARAM)psz); }
    void GetText(int nIndex, CString& str) const { str = ListBoxGetText(m_hWnd, nIndex); }
    DWORD_PTR GetItemData(int nIndex) const { return (DWORD_PTR)::SendMessageA(m_hWnd, LB_GETITEMDATA, (WPARAM)nIndex, 0); }
    int SetItemData(int nIndex, DWORD_PTR dwData) { return (int)::SendMessageA(m_hWnd, LB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwData); }
    int GetTopIndex() const { return (int)::SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0); }
    int SetTopIndex(int nIndex) { return (int)::SendMessageA(m_hWnd, LB_SETTOPINDEX, (WPARAM)nIndex, 0); }
    int GetItemHeight(int nIndex) const { return (int)::SendMessageA(m_hWnd, LB_GETITEMHEIGHT, (WPARAM)nIndex, 0); }
    void SetHorizontalExtent(int cxExtent) { ::SendMessageA(m_hWnd, LB_SETHORIZONTALEXTENT, (WPARAM)cxExtent, 0); }

protected:
    bool RoutesOwnMessages() const override { return false; }
};
