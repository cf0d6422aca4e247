// CWLComboBoxEx.h: the companion library's combo boxes. CWLComboBoxEx fills
// itself from a separated text and keeps a most-recent-first history;
// CWLComboBoxEx2 also lets the user delete a history entry with the Delete
// key while the list is dropped, and then posts its parent the chosen
// message with the entry's index as wParam.
#pragma once

#include "platform/CComboBox.h"

class CWLComboBoxEx : public CComboBox {
public:
    // Replaces the items with the non-empty parts of pszText; returns their number.
    int FillFromText(LPCSTR pszText, char chSeparator = '\n');
    // All items joined by chSeparator.
    CString GetAllText(char chSeparator = '\n') const;
    // Puts pszText first (removing an equal entry, case ignored), keeps at
    // most nMax entries and shows the text.
    void AddToHistory(LPCSTR pszText, int nMax);
};

class CWLComboBoxEx2 : public CWLComboBoxEx {
    DECLARE_MESSAGE_MAP()
public:
    void SetItemDeletedMessage(UINT nMsg) { m_nDeletedMsg = nMsg; }
    // Removes entry nIndex and tells the parent.
    void DeleteHistoryItem(int nIndex);

protected:
    BOOL OnDropDown();

private:
    // The combo box's edit: takes the Delete key while the list is dropped.
    class CHistoryEdit : public CWnd {
        DECLARE_MESSAGE_MAP()
    public:
        CWLComboBoxEx2* m_pOwner = nullptr;

    protected:
        void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    };
    CHistoryEdit m_edit;
    UINT m_nDeletedMsg = 0;
};
