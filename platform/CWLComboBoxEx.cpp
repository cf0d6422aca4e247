// CWLComboBoxEx.cpp: combo boxes filled from text, with history.
#include "platform/CWLComboBoxEx.h"

int CWLComboBoxEx::FillFromText(LPCSTR pszText, char chSeparator)
{
    ResetContent();
    CString text(pszText);
    int start = 0;
    while (start <= text.GetLength()) {
        int end = text.Find(chSeparator, start);
        if (end < 0)
            end = text.GetLength();
        CString part = text.Mid(start, end - start);
        if (!part.IsEmpty())
            AddString(part);
        start = end + 1;
    }
    return GetCount();
}

CString CWLComboBoxEx::GetAllText(char chSeparator) const
{
    CString all, item;
    for (int i = 0; i < GetCount(); i++) {
        GetLBText(i, item);
        if (i > 0)
            all += chSeparator;
        all += item;
    }
    return all;
}

void CWLComboBoxEx::AddToHistory(LPCSTR pszText, int nMax)
{
    CString item;
    for (int i = GetCount() - 1; i >= 0; i--) {
        GetLBText(i, item);
        if (item.CompareNoCase(pszText) == 0)
            DeleteString((UINT)i);
    }
    InsertString(0, pszText);
    while (GetCount() > nMax && GetCount() > 0)
        DeleteString((UINT)(GetCount() - 1));
    SetWindowText(pszText);
}

BEGIN_MESSAGE_MAP(CWLComboBoxEx2, CWLComboBoxEx)
    ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, OnDropDown)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CWLComboBoxEx2::CHistoryEdit, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

BOOL CWLComboBoxEx2::OnDropDown()
{
    // The edit exists once the combo box does; it is taken over on first use.
    if (!m_edit.m_hWnd) {
        COMBOBOXINFO cbi = {sizeof(cbi)};
        if (::GetComboBoxInfo(m_hWnd, &cbi) && cbi.hwndItem && cbi.hwndItem != m_hWnd) {
            m_edit.m_pOwner = this;
            m_edit.SubclassWindow(cbi.hwndItem);
        }
    }
    return FALSE;  // the parent sees the drop-down too
}

void CWLComboBoxEx2::CHistoryEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DELETE && m_pOwner->GetDroppedState() && m_pOwner->GetCurSel() >= 0) {
        m_pOwner->DeleteHistoryItem(m_pOwner->GetCurSel());
        return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CWLComboBoxEx2::DeleteHistoryItem(int nIndex)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    DeleteString((UINT)nIndex);
    if (m_nDeletedMsg)
        ::PostMessageA(::GetParent(m_hWnd), m_nDeletedMsg, (WPARAM)nIndex, (LPARAM)m_hWnd);
}
