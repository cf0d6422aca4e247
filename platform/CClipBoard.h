// CClipBoard.h: the companion library's clipboard class: text (CF_TEXT) in
// and out. Each call opens the clipboard, does its work and closes it again;
// while another program holds the clipboard open, opening is retried briefly.
#pragma once

#include <windows.h>

#include "platform/CString.h"

class CClipBoard {
public:
    // hOwner: the window named as the clipboard's owner (may be null).
    explicit CClipBoard(HWND hOwner = nullptr) : m_hOwner(hOwner) {}

    // Replaces the clipboard's contents with the text (up to its first NUL).
    BOOL SetText(LPCSTR pszText);
    BOOL SetText(const CString& str) { return SetText((LPCSTR)str); }
    // The clipboard's text; FALSE (and str empty) when it holds none.
    BOOL GetText(CString& str);
    // Whether the clipboard holds text.
    static BOOL HasText() { return ::IsClipboardFormatAvailable(CF_TEXT); }

private:
    BOOL Open();
    HWND m_hOwner;
};
