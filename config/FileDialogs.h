// FileDialogs.h: the open and save file dialogs of every dialog that picks
// a file, with their initial-folder rules. Each returns the dialog's result
// (IDOK when a file was chosen); when it is not IDOK the texts are unchanged.
// A chosen folder becomes the remembered folder of the file dialogs and the
// process's current directory.
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"

class CWnd;

// Filters are written "Text|pattern|Text|pattern||". With pList several
// files may be chosen: pList receives them (network paths kept whole) and
// strPath and pEdit all of them, quoted when needed, separated by blanks.
// Otherwise strPath (and pEdit) receive the chosen path in Windows form.
INT_PTR BrowseForFile(const char* pszFilter, CString& strPath, const char* pszTitle, const char* pszDefaultPath,
                      CWnd* pEdit, bool bMustExist, CStringArray* pList = nullptr);
INT_PTR BrowseForFileMustExist(const char* pszFilter, CString& strPath, const char* pszTitle,
                               const char* pszDefaultPath, CWnd* pEdit);
// Titled "Shadow File", no edit, one file that need not exist.
INT_PTR BrowseForShadowFile(const char* pszFilter, CString& strPath, const char* pszDefaultDir);

// The save dialog: strDir receives the chosen folder (Windows form with a
// trailing backslash, also into pDirEdit) and strName its name and extension
// (also into pNameEdit). A name typed without an extension gets the
// filter's (FilterDefaultExtension).
INT_PTR BrowseForSaveFile(CString& strDir, CString& strName, const char* pszTitle, const char* pszDefaultDir,
                          const char* pszFilter, CWnd* pNameEdit, bool bMustExist, bool bOverwritePrompt,
                          CWnd* pDirEdit = nullptr);
