// UtilityCommandLine.h: the command line a utility run passes to the system,
// window-free.
#pragma once

#include "platform/CString.h"

// The utility dialog's command line as started: its first word (the program)
// prefixed with the executables folder (pszExeDir, ending with its
// separator, or empty), enclosed in double quotation marks when it holds a
// blank; every further word written so that the child's C runtime splits it
// back into exactly that word (QuoteArgument); words joined by one blank,
// and " EXTERNALGUI" last. An empty command line gives an empty text.
CString BuildUtilityCommandLine(const char* pszCommand, const char* pszExeDir);

// One argument word in the form the C runtime of a Windows program splits
// back into the same word: unchanged when it is not empty and holds no
// blank, tab or '"'; otherwise enclosed in '"', every '"' inside written as
// \" and the backslashes before a '"' or before the closing one doubled
// (the runtime reads 2n backslashes and '"' as n backslashes and a quote
// that opens or closes, 2n+1 as n backslashes and a literal '"'; other
// backslashes stay as they are).
CString QuoteArgument(const CString& strWord);
