// UtilityCommandLine.h: the command line a utility run passes to the system,
// window-free.
#pragma once

#include "platform/CString.h"

// The utility dialog's command line as started: its first word (the program)
// prefixed with the executables folder (pszExeDir, ending with its
// separator, or empty), every word quoted with double quotation marks when
// it holds a blank, an empty word as "", words joined by one blank, and
// " EXTERNALGUI" last. An empty command line gives an empty text.
CString BuildUtilityCommandLine(const char* pszCommand, const char* pszExeDir);
