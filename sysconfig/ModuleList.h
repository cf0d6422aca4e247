// ModuleList.h: the additional dynamic modules (LDMOD) and their folder
// (MODPATH) as the Advanced page's module browser shows and takes them.
// LDMOD holds bare file names, quoted when needed; MODPATH is the one folder
// they are loaded from. Window-free.
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"

// The module browser's initial selection: each word of strLdMod as a full
// name (a word without folder takes strModPath's; an empty strModPath
// becomes the folder of the first word that has one) into list, and the
// initial file-name text (each quoted when needed, blank-separated).
void LdModToSelection(const CString& strLdMod, CString& strModPath, CStringArray& list, CString& strInitial);

// The message of a choice of modules from more than one folder.
extern const char g_strModulesOneFolder[];

// LDMOD and MODPATH from the chosen full names. Nothing chosen empties
// strLdMod and keeps strModPath. Names from more than one folder are
// refused (false, both unchanged): only names and one folder are stored.
bool LdModFromChoice(const CStringArray& chosen, CString& strModPath, CString& strLdMod);
