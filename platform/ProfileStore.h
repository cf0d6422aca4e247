// ProfileStore.h: the process's settings store and the profile functions
// that the application object wraps (GetProfileInt, GetProfileString,
// WriteProfileInt, WriteProfileString), plus stored lists of texts.
// Without a store, reads give their defaults and writes fail.
#pragma once

#include <memory>

#include "platform/CArray.h"
#include "platform/CList.h"
#include "platform/CSettingsStore.h"

// Installs the store chosen at start-up (an .INI file or the registry);
// null removes it.
void SetSettingsStore(std::unique_ptr<CSettingsStore> pStore);
CSettingsStore* GetSettingsStore();

UINT ProfileGetInt(const char* pszSection, const char* pszEntry, int nDefault);
CString ProfileGetString(const char* pszSection, const char* pszEntry, const char* pszDefault = nullptr);
BOOL ProfileWriteInt(const char* pszSection, const char* pszEntry, int nValue);
// A null pszValue deletes the entry; a null pszEntry deletes the whole section.
BOOL ProfileWriteString(const char* pszSection, const char* pszEntry, const char* pszValue);

// The most items a stored list yields: a damaged or hostile count is cut here.
const int kMaxProfileListItems = 10000;

// A list stored as its count under "<key>_nCount" and its items under
// "<key>_%04d". Reading replaces the list's contents and returns the item
// count: a negative count reads as none, a count above kMaxProfileListItems
// as that many, and the first missing item ends the list (so a damaged count
// costs one look-up more than the items there are). Writing stores the count and
// items, removes the items of a longer list stored before, and returns false
// when the store refused (a list longer than kMaxProfileListItems is refused).
int WLGetProfileMultiString(const char* pszSection, const char* pszKey, CStringArray& list);
int WLGetProfileMultiString(const char* pszSection, const char* pszKey, CStringList& list);
BOOL WLWriteProfileMultiString(const char* pszSection, const char* pszKey, const CStringArray& list);
BOOL WLWriteProfileMultiString(const char* pszSection, const char* pszKey, const CStringList& list);
