// CmdEdit.cpp: the command line's paste.
#include "mainwindow/CmdEdit.h"

#include "platform/CClipBoard.h"

BEGIN_MESSAGE_MAP(CCmdEdit, CSaveSelEdit)
    ON_MESSAGE(WM_PASTE, OnPasteMsg)
END_MESSAGE_MAP()

// The trimmed text replaces the selection itself: putting it on the
// clipboard for the default paste would drop the clipboard's other formats.
LRESULT CCmdEdit::OnPasteMsg(WPARAM, LPARAM)
{
    DWORD dwStart = 0, dwEnd = 0;
    SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    int nLength = GetWindowTextLength();
    CString strClip;
    if ((nLength == 0 || (int)dwEnd >= nLength) && CClipBoard(m_hWnd).GetText(strClip)) {
        CString strTrimmed = strClip;
        strTrimmed.TrimRight();
        if (strTrimmed != strClip) {
            SendMessage(EM_REPLACESEL, TRUE, (LPARAM)(LPCSTR)strTrimmed);
            return 0;
        }
    }
    return Default();
}
