// ProfileHelpers.cpp: single values and lists over the profile functions.
#include "config/ProfileHelpers.h"

#include "platform/ProfileStore.h"

namespace {

CString ListKey(const char* pszName, const char* pszSuffix)
{
    CString s;
    s.Format("%s_%s", pszName, pszSuffix);
    return s;
}

CString ItemKey(const char* pszName, int i)
{
    CString s;
    s.Format("%s_%04d", pszName, i);
    return s;
}

}  // namespace

void GetProfileBool(const char* pszSection, const char* pszKey, bool& bValue)
{
    bValue = ProfileGetInt(pszSection, pszKey, bValue ? 1 : 0) != 0;
}

void GetProfileIntVar(const char* pszSection, const char* pszKey, int& nValue)
{
    nValue = (int)ProfileGetInt(pszSection, pszKey, nValue);
}

void GetProfileIntVar(const char* pszSection, const char* pszKey, UINT& nValue)
{
    nValue = ProfileGetInt(pszSection, pszKey, (int)nValue);
}

void GetProfileCString(const char* pszSection, const char* pszKey, CString& strValue)
{
    strValue = ProfileGetString(pszSection, pszKey, strValue);
}

void WriteProfileBool(const char* pszSection, const char* pszKey, bool bValue)
{
    ProfileWriteInt(pszSection, pszKey, bValue ? 1 : 0);
}

void WriteProfileInt(const char* pszSection, const char* pszKey, int nValue)
{
    ProfileWriteInt(pszSection, pszKey, nValue);
}

void WriteProfileInt(const char* pszSection, const char* pszKey, UINT nValue)
{
    ProfileWriteInt(pszSection, pszKey, (int)nValue);
}

void WriteProfileCString(const char* pszSection, const char* pszKey, const CString& strValue)
{
    ProfileWriteString(pszSection, pszKey, strValue);
}

void GetProfileTapeNum(BYTE& nTapeNum)
{
    UINT n = ProfileGetInt("REELDUB", "nTapeNum", nTapeNum);
    if (n <= 255)
        nTapeNum = (BYTE)n;
}

void WriteProfileTapeNum(BYTE nTapeNum)
{
    ProfileWriteInt("REELDUB", "nTapeNum", nTapeNum);
}

int ReadProfileListItems(const char* pszSection, const char* pszName, CStringArray& items)
{
    int nCount = (int)ProfileGetInt(pszSection, ListKey(pszName, "nCount"), 0);
    if (nCount > kMaxProfileListItems)
        nCount = kMaxProfileListItems;
    CString strItem;
    for (int i = 0; i < nCount; i++) {
        strItem = ProfileGetString(pszSection, ItemKey(pszName, i), strItem);
        items.Add(strItem);
    }
    return nCount > 0 ? nCount : 0;
}

void WriteProfileListItems(const char* pszSection, const char* pszName, const CStringArray& items)
{
    ProfileWriteInt(pszSection, ListKey(pszName, "nCount"), (int)items.GetSize());
    for (INT_PTR i = 0; i < items.GetSize(); i++)
        ProfileWriteString(pszSection, ItemKey(pszName, (int)i), items[i]);
}
