// EditorCommand.h: the command line that opens a file in the user's text
// editor.
#pragma once

#include "platform/CString.h"

// The editor ("notepad" when empty), quoted when needed, a blank, and the
// path with every '/' turned into '\', quoted when needed. The editor text is
// taken as given: a caller expands its environment references first.
CString BuildEditorCommandLine(const char* pszEditor, const char* pszPath);
