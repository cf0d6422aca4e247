// TextCompat.cpp: see TextCompat.h.
#include "config/TextCompat.h"

#include <cctype>
#include <cstdlib>

static bool AllOf(const CString& str, int (*pfnIs)(int))
{
    if (str.IsEmpty())
        return false;
    for (int i = 0; i < str.GetLength(); i++)
        if (!pfnIs((unsigned char)str[i]))
            return false;
    return true;
}

bool IsNumericString(const CString& str) { return AllOf(str, isdigit); }
bool IsHexString(const CString& str) { return AllOf(str, isxdigit); }

static bool ToWORD(const CString& str, WORD& w, int nBase)
{
    if (!(nBase == 10 ? IsNumericString(str) : IsHexString(str)))
        return false;
    const unsigned long ul = std::strtoul(str, nullptr, nBase);
    if (ul > 0xFFFF || str.GetLength() > 8)
        return false;
    w = (WORD)ul;
    return true;
}

bool StringToWORD(const CString& str, WORD& w) { return ToWORD(str, w, 10); }
bool HexStringToWORD(const CString& str, WORD& w) { return ToWORD(str, w, 16); }
