// ViewTitle.h: the main window's title, built from the configuration's and
// the console document's file names and their modified marks.
#pragma once

#include "platform/CString.h"

// The name and extension of a path (the text after its last '\' or '/').
CString PathFileNameAndExt(const char* pszPath);

// One blank, "*" when the configuration is modified, the application's
// display name, " -  [ ", the configuration's file name, then, when the
// document has a path: "  -->  " (only after a configuration name) and the
// document's file name; " ]", "*" when the document is modified, two blanks.
CString BuildViewTitle(const char* pszConfigPath, const char* pszDocPath, bool bConfigModified, bool bDocModified,
                       const char* pszAppName);
