// BrowseForDirectory.h: the companion library's folder picker.
#pragma once

#include <windows.h>

#include "platform/CString.h"

// Shows the shell's folder picker titled pszTitle, starting at
// pszStartFolder (when it exists) and rooted at pszRoot (null: the desktop).
// True with the chosen folder in strFolder; false when cancelled (strFolder
// unchanged).
BOOL BrowseForDirectoryEx(HWND hParent, LPCSTR pszTitle, LPCSTR pszStartFolder, CString& strFolder,
                          LPCSTR pszRoot = nullptr);
