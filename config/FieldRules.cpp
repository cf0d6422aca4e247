// FieldRules.cpp: name and character rules of the dialogs' fields.
#include "config/FieldRules.h"

#include <cstring>

#include "config/StartupObjects.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

bool IsUpperAlphaChar(char ch) { return ch >= 'A' && ch <= 'Z'; }
bool IsDigitChar(char ch) { return ch >= '0' && ch <= '9'; }
bool IsNationalChar(char ch) { return ch == '@' || ch == '$' || ch == '#'; }

bool IsTapeDatasetChar(char ch)
{
    return IsUpperAlphaChar(ch) || IsDigitChar(ch) || IsNationalChar(ch) || ch == '-';
}

bool IsAlphanumericString(const char* psz)
{
    for (; psz && *psz; psz++)
        if (!IsUpperAlphaChar(*psz) && !IsDigitChar(*psz) && !(*psz >= 'a' && *psz <= 'z'))
            return false;
    return true;
}

namespace {

bool IsIn(char ch, const CString& strSet)
{
    return ch != '\0' && strSet.Find(ch) >= 0;
}

}  // namespace

bool IsValidQualifier(const char* psz)
{
    size_t n = psz ? std::strlen(psz) : 0;
    if (n < 1 || n > 8 || !IsIn(psz[0], g_strNameFirstChars))
        return false;
    for (size_t i = 1; i < n; i++)
        if (!IsIn(psz[i], g_strNameChars))
            return false;
    return true;
}

bool IsValidDatasetName(CString& strName)
{
    TrimBlanks(strName);
    strName.MakeUpper();
    int n = strName.GetLength();
    if (n < 1 || n > 44 || strName[n - 1] == '.')
        return false;
    CStringArray parts;
    SplitString(strName, ".", parts);
    for (const CString& part : parts)
        if (!IsValidQualifier(part))
            return false;
    return true;
}

bool IsValidTapeQualifier(const char* psz)
{
    size_t n = psz ? std::strlen(psz) : 0;
    if (n < 1 || n > 8 || !(IsUpperAlphaChar(psz[0]) || IsNationalChar(psz[0])))
        return false;
    for (size_t i = 1; i < n; i++)
        if (!IsTapeDatasetChar(psz[i]))
            return false;
    return true;
}

bool IsValidTapeDatasetName(const char* psz)
{
    size_t n = psz ? std::strlen(psz) : 0;
    if (n < 1 || n > 17)
        return false;
    CStringArray parts;
    SplitString(psz, ".", parts);
    for (const CString& part : parts)
        if (!part.IsEmpty() && !IsValidTapeQualifier(part))
            return false;
    return true;
}

bool IsValidVolser(const char* psz)
{
    size_t n = psz ? std::strlen(psz) : 0;
    if (n < 1 || n > 6)
        return false;
    for (size_t i = 0; i < n; i++)
        if (!IsUpperAlphaChar(psz[i]) && !IsDigitChar(psz[i]) && !IsNationalChar(psz[i]))
            return false;
    return true;
}

bool ValidateTerminalGroup(CString& strGroup, CString& strMsg)
{
    strMsg.Empty();
    TrimBlanks(strGroup);
    if (strGroup.IsEmpty())
        return true;
    char ch0 = strGroup[0];
    bool bLetterFirst = (ch0 >= 'A' && ch0 <= 'Z') || (ch0 >= 'a' && ch0 <= 'z');
    if (strGroup.GetLength() <= 8 && IsAlphanumericString(strGroup) && bLetterFirst && !IsHexString(strGroup))
        return true;
    strMsg = "A terminal group must be 8 characters or less in length, must start with an alphabetic "
             "character, contain only alphanumeric characters, and must not be a hexadecimal number.";
    return false;
}

bool IsHostPortSpec(const char* psz)
{
    size_t n = psz ? std::strlen(psz) : 0;
    if (n < 4)
        return false;
    for (size_t i = 0; i < n; i++)
        if (std::strchr(g_strBlanks, psz[i]) || psz[i] == '/' || psz[i] == '\\')
            return false;
    const char* pColon = std::strchr(psz + 2, ':');
    return pColon != nullptr;
}
