// CSaveSelEdit.h: an edit that keeps its selection when the focus leaves and
// comes back (the dialog manager otherwise selects all of it on Tab). The
// base of the program's filtering edits.
#pragma once

#include "platform/CEdit.h"

class CSaveSelEdit : public CEdit {
    DECLARE_MESSAGE_MAP()
protected:
    UINT OnGetDlgCode();
    void OnKillFocus(CWnd* pNewWnd);
    void OnSetFocus(CWnd* pOldWnd);

private:
    DWORD m_dwSel = 0;  // selection at the last focus loss (start, end)
    bool m_bSaved = false;
};
