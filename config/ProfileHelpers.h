// ProfileHelpers.h: thin helpers over the profile functions for single
// values and for lists of texts kept in one section.
//
// Each "get" takes the variable by reference and uses its current value as
// the default, so a missing key leaves it unchanged. Nothing is reported: a
// failed write is ignored.
//
// The integer "get" is GetProfileIntVar: Windows' own GetProfileInt (of the
// old WIN.INI) would take the plain name.
//
// A list named N is stored as its count under "N_nCount" and its items under
// "N_0000", "N_0001" ... Unlike the platform's stored lists, a missing item
// repeats the item before it (an empty text for a missing first item), and a
// shorter list saved later leaves the stale items of the longer one in place.
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"
#include "platform/Types.h"

void GetProfileBool(const char* pszSection, const char* pszKey, bool& bValue);
void GetProfileIntVar(const char* pszSection, const char* pszKey, int& nValue);
void GetProfileIntVar(const char* pszSection, const char* pszKey, UINT& nValue);
void GetProfileCString(const char* pszSection, const char* pszKey, CString& strValue);
void WriteProfileBool(const char* pszSection, const char* pszKey, bool bValue);
void WriteProfileInt(const char* pszSection, const char* pszKey, int nValue);
void WriteProfileInt(const char* pszSection, const char* pszKey, UINT nValue);
void WriteProfileCString(const char* pszSection, const char* pszKey, const CString& strValue);

// The tape number of the tape copy utility: section "REELDUB", key
// "nTapeNum", 0 .. 255. A stored value outside that range is ignored.
void GetProfileTapeNum(BYTE& nTapeNum);
void WriteProfileTapeNum(BYTE nTapeNum);

// Appends the items of the list pszName of pszSection to items (which is not
// cleared) and returns how many were appended. A negative count reads as 0;
// a count above kMaxProfileListItems (ProfileStore.h) is cut there.
int ReadProfileListItems(const char* pszSection, const char* pszName, CStringArray& items);
// Writes the count and each item.
void WriteProfileListItems(const char* pszSection, const char* pszName, const CStringArray& items);
