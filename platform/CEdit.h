// CEdit.h: an edit control. Thin: each member is one message.
#pragma once

#include "platform/CWnd.h"

class CEdit : public CWnd {
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
        { return CreateEx(0, "EDIT", nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID); }
    void GetSel(int& nStart, int& nEnd) const
        { ::SendMessageA(m_hWnd, EM_GETSEL, (WPARAM)&nStart, (LPARAM)&nEnd); }
    void SetSel(int nStart, int nEnd, BOOL bNoScroll = FALSE)
    {
        ::SendMessageA(m_hWnd, EM_SETSEL, (WPARAM)nStart, nEnd);
        if (!bNoScroll)
            ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
    }
    void ReplaceSel(LPCSTR pszNewText, BOOL bCanUndo = FALSE)
        { ::SendMessageA(m_hWnd, EM_REPLACESEL, bCanUndo, (LPARAM)pszNewText); }
    void SetLimitText(UINT nMax) { ::SendMessageA(m_hWnd, EM_LIMITTEXT, nMax, 0); }
    UINT GetLimitText() const { return (UINT)::SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0); }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)::SendMessageA(m_hWnd, EM_SETREADONLY, bReadOnly, 0); }
    int GetLineCount() const { return (int)::SendMessageA(m_hWnd, EM_GETLINECOUNT, 0, 0); }
    int LineIndex(int nLine = -1) const { return (int)::SendMessageA(m_hWnd, EM_LINEINDEX, (WPARAM)nLine, 0); }
    int LineFromChar(int nIndex = -1) const { return (int)::SendMessageA(m_hWnd, EM_LINEFROMCHAR, (WPARAM)nIndex, 0); }
    void LineScroll(int nLines, int nChars = 0) { ::SendMessageA(m_hWnd, EM_LINESCROLL, (WPARAM)nChars, nLines); }
    BOOL GetModify() const { return (BOOL)::SendMessageA(m_hWnd, EM_GETMODIFY, 0, 0); }
    void SetModify(BOOL bModified = TRUE) { ::SendMessageA(m_hWnd, EM_SETMODIFY, bModified, 0); }
    BOOL Undo() { return (BOOL)::SendMessageA(m_hWnd, EM_UNDO, 0, 0); }
    void Copy() { ::SendMessageA(m_hWnd, WM_COPY, 0, 0); }
    void Cut() { ::SendMessageA(m_hWnd, WM_CUT, 0, 0); }
    void Paste() { ::SendMessageA(m_hWnd, WM_PASTE, 0, 0); }
    void Clear() { ::SendMessageA(m_hWnd, WM_CLEAR, 0, 0); }
    BOOL SetCueBanner(LPCWSTR pszText) { return (BOOL)::SendMessageA(m_hWnd, EM_SETCUEBANNER, 0, (LPARAM)pszText); }
    BOOL ShowBalloonTip(PEDITBALLOONTIP pTip) { return (BOOL)::SendMessageA(m_hWnd, EM_SHOWBALLOONTIP, 0, (LPARAM)pTip); }
    BOOL HideBalloonTip() { return (BOOL)::SendMessageA(m_hWnd, EM_HIDEBALLOONTIP, 0, 0); }
};
