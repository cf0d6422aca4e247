// PathFunctions.h: folder texts in standard form (forward slashes, which
// the host build's file system takes too: for file-system queries and
// comparisons only) and in Windows form (backslashes: every path the program
// keeps, shows, stores or hands to a child), the current directory and file
// existence.
#pragma once

#include "platform/CString.h"

// The folder with blanks trimmed, every separator turned into '/' ('\' for
// WindowsizedDirectory) and doubled separators collapsed (a leading pair, the
// start of a network path, is kept). With bTrailingSeparator the result ends
// in one separator; without it a trailing separator is removed, except from a
// root ("/", "C:/"). An empty or all-blank text gives an empty result.
CString StandardizedDirectory(const char* pszDir, bool bTrailingSeparator = false);
CString WindowsizedDirectory(const char* pszDir, bool bTrailingSeparator = false);

// The process's current directory in standard form, ending in '/'; empty when
// the system cannot tell it.
CString GetStdCurrentDirectory();

// True when the path names an existing file (not a folder).
bool FileExists(const char* pszPath);

// The folder the file dialogs start in when nothing better is known, in
// Windows form; empty until a dialog remembers one.
extern CString g_strWindowsizedDefaultInitialDir;
