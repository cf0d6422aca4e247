// CSaveSelEdit.cpp: an edit that keeps its selection across focus changes.
#include "platform/CSaveSelEdit.h"

BEGIN_MESSAGE_MAP(CSaveSelEdit, CEdit)
    ON_WM_GETDLGCODE()
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_CHAR, OnSelectionChangeMsg)
    ON_MESSAGE(WM_SETTEXT, OnSelectionChangeMsg)
    ON_MESSAGE(EM_REPLACESEL, OnSelectionChangeMsg)
    ON_MESSAGE(EM_SETSEL, OnSelectionChangeMsg)
END_MESSAGE_MAP()

UINT CSaveSelEdit::OnGetDlgCode()
{
    // Without DLGC_HASSETSEL the dialog manager leaves the selection alone.
    return CEdit::OnGetDlgCode() & ~DLGC_HASSETSEL;
}

void CSaveSelEdit::OnKillFocus(CWnd* pNewWnd)
{
    m_dwSel = (DWORD)SendMessage(EM_GETSEL);
    m_bSaved = true;
    CEdit::OnKillFocus(pNewWnd);
}

// The saved selection comes back before the edit tells its parent of the
// focus, so that a parent that fills the edit then (a proposed name) has
// the last word on what is selected.
void CSaveSelEdit::OnSetFocus(CWnd* pOldWnd)
{
    if (m_bSaved)
        SendMessage(EM_SETSEL, LOWORD(m_dwSel), HIWORD(m_dwSel));
    CEdit::OnSetFocus(pOldWnd);
}

// Typed into or set while the focus is elsewhere: the focus comes back to
// where that left the selection, not to where it was when the focus left.
LRESULT CSaveSelEdit::OnSelectionChangeMsg(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    if (m_bSaved && ::GetFocus() != m_hWnd)
        m_dwSel = (DWORD)SendMessage(EM_GETSEL);
    return lResult;
}
