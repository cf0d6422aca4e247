// ListRowText.h: the text of one row of a list box or of a combo box's list.
//
// The list and combo boxes of common controls version 6 keep their rows in
// UTF-16 and have only a Unicode window procedure. Under Wine a row asked
// for across the character sets (LB_GETTEXT or CB_GETLBTEXT sent as ANSI to
// such a control, or sent as Unicode to one with an ANSI procedure in front
// of it) passes through a fixed buffer of about 512 characters: a longer row
// comes back cut or garbled, or overruns the caller's stack and ends the
// program. So rows are asked for in Unicode and converted here, to the
// system code page in which the program writes them. The program's own list
// and combo box objects keep a Unicode procedure in front of the control
// (CListBox.h), so that the question reaches the control unconverted.
#pragma once

#include <windows.h>

#include "platform/CString.h"

// Row nIndex of a list box; empty for a row that does not exist.
CString ListBoxGetText(HWND hList, int nIndex);
// Row nIndex of a combo box's list; empty for a row that does not exist.
CString ComboBoxGetLBText(HWND hCombo, int nIndex);
