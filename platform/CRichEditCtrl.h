// CRichEditCtrl.h: a rich edit control (version 2 or later, from
// riched20.dll, which the first Create loads and keeps loaded).
#pragma once

#include <windows.h>
#include <richedit.h>

#include "platform/CWnd.h"

class CRichEditCtrl : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    void GetSel(CHARRANGE& cr) const { ::SendMessageA(m_hWnd, EM_EXGETSEL, 0, (LPARAM)&cr); }
    void SetSel(long nStart, long nEnd) { CHARRANGE cr = {nStart, nEnd}; ::SendMessageA(m_hWnd, EM_EXSETSEL, 0, (LPARAM)&cr); }
    void ReplaceSel(LPCSTR pszNewText, BOOL bCanUndo = FALSE)
        { ::SendMessageA(m_hWnd, EM_REPLACESEL, bCanUndo, (LPARAM)pszNewText); }
    long GetTextLength() const { return (long)::GetWindowTextLengthA(m_hWnd); }
    void LimitText(long nChars = 0) { ::SendMessageA(m_hWnd, EM_EXLIMITTEXT, 0, nChars); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)::SendMessageA(m_hWnd, EM_SETREADONLY, bReadOnly, 0); }
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr)
        { return (COLORREF)::SendMessageA(m_hWnd, EM_SETBKGNDCOLOR, bSysColor, (LPARAM)cr); }
    BOOL SetDefaultCharFormat(CHARFORMATA& cf)
        { cf.cbSize = sizeof(cf); return (BOOL)::SendMessageA(m_hWnd, EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf); }
    BOOL SetSelectionCharFormat(CHARFORMATA& cf)
        { cf.cbSize = sizeof(cf); return (BOOL)::SendMessageA(m_hWnd, EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf); }
    DWORD SetEventMask(DWORD dwEventMask) { return (DWORD)::SendMessageA(m_hWnd, EM_SETEVENTMASK, 0, (LPARAM)dwEventMask); }
    int GetLineCount() const { return (int)::SendMessageA(m_hWnd, EM_GETLINECOUNT, 0, 0); }
    int GetFirstVisibleLine() const { return (int)::SendMessageA(m_hWnd, EM_GETFIRSTVISIBLELINE, 0, 0); }
    void LineScroll(int nLines) { ::SendMessageA(m_hWnd, EM_LINESCROLL, 0, nLines); }
    void HideSelection(BOOL bHide, BOOL bPerm) { ::SendMessageA(m_hWnd, EM_HIDESELECTION, bHide, bPerm); }
};
