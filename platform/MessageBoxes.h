// MessageBoxes.h: the companion library's message boxes and beep. Messages
// to the user appear only at a command's boundary: a blocking condition in
// an error box, a question or warning in a task dialog (WLTaskDialog.h).
#pragma once

#include <windows.h>

#include <functional>

#include "platform/CString.h"

// A modal error box: the text, the detail and, for a non-zero error code,
// "Error <code> (0x<code>): <the system's text>", each paragraph separated
// by a blank line (an empty text or detail is left out), bounded as a box
// shows a file name or command (BoundShownText). Returns IDOK.
int ErrorMessageBox(LPCSTR pszText, LPCSTR pszDetail = nullptr, DWORD dwError = 0);
// ErrorMessageBox while bStands() holds (looked at every tenth of a
// second): once it no longer does, the box goes by itself, as its cause has
// gone. IDOK when the user ended it (or it could not show), 0 when it went
// by itself.
int ErrorMessageBoxWhile(const std::function<bool()>& bStands, LPCSTR pszText, LPCSTR pszDetail = nullptr);
// The text ErrorMessageBox shows.
CString ComposeErrorMessage(LPCSTR pszText, LPCSTR pszDetail, DWORD dwError);

// A modal task dialog with a main instruction and content; nStyle takes the
// message-box button (MB_OK, MB_OKCANCEL, MB_YESNO, MB_YESNOCANCEL,
// MB_RETRYCANCEL) and icon flags. A null title is the application's name.
// Instruction and content are bounded as ErrorMessageBox's text.
// Returns the button (IDOK, IDYES ...).
int TDMessageBox(LPCSTR pszInstruction, LPCSTR pszContent, LPCSTR pszTitle = nullptr, UINT nStyle = MB_OK);

// The warning beep.
void MyMessageBeep();
