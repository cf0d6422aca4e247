// CSaveSelEdit.h: an edit that keeps its selection when the focus leaves and
// comes back (the dialog manager otherwise selects all of it on Tab); text
// or a selection given to it meanwhile moves the kept selection along. The
// base of the program's filtering edits.
#pragma once

#include "platform/CEdit.h"

class CSaveSelEdit : public CEdit {
    DECLARE_MESSAGE_MAP()
protected:
    UINT OnGetDlgCode();
    void OnKillFocus(CWnd* pNewWnd);
    void OnSetFocus(CWnd* pOldWnd);
    // WM_CHAR, WM_SETTEXT, EM_REPLACESEL, EM_SETSEL.
    LRESULT OnSelectionChangeMsg(WPARAM wp, LPARAM lp);

private:
    DWORD m_dwSel = 0;  // selection at the last focus loss, or set since (start, end)
    bool m_bSaved = false;
};
