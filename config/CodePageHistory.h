// CodePageHistory.h: the code-page history kept under "Settings"/"CodePages"
// and the two forms of a code page. Shared by the tape utility dialogs that
// take a code page and by the system configuration's Settings page.
//
// The history is one text: each entry preceded by ";" and the whole ended by
// ";" (";819 / 037;819 / 1047;"). Entries are kept in their shown form, with
// blanks around the slash; a code page is stored in a configuration or a
// utility's settings without blanks ("819/1047").
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"

// The history shown when none is stored (22 entries).
extern const char* const kDefaultCodePageHistory;

// The stored history text, or pszDefault when the key is missing.
CString ReadCodePageHistory(const char* pszDefault = kDefaultCodePageHistory);
// Stores the history text.
void WriteCodePageHistory(const CString& strHistory);

// The entries of a history text, in order; empty entries are skipped.
void SplitCodePageHistory(const CString& strHistory, CStringArray& entries);
// The history text with strCurrent first (trimmed; left out when empty),
// then every entry, trimmed, that is neither empty nor strCurrent (without
// regard to case): ";" before each and ";" at the end, no ";;" anywhere
// (a history without entries is ";").
CString BuildCodePageHistory(const CString& strCurrent, const CStringArray& entries);

// A code page as shown: blanks removed, every "/" written " / ".
CString CodePageShown(const CString& strStored);
// A code page as stored: every blank removed.
CString CodePageStored(const CString& strShown);
