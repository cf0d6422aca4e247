// MacAddressText.cpp: the as-you-type rule of a MAC address field.
#include "config/MacAddressText.h"

#include <cctype>

#include "platform/TextFunctions.h"

namespace {

// Positions 3, 6, 9 ... (1-based) hold separators.
bool IsSeparatorPosition(int i) { return (i + 1) % 3 == 0; }
bool IsSeparatorChar(char ch) { return ch == '-' || ch == ':'; }

bool IsWellFormed(const CString& s)
{
    if (s.GetLength() > 17)
        return false;
    for (int i = 0; i < s.GetLength(); i++) {
        char ch = s[i];
        if (IsSeparatorPosition(i) ? !(IsSeparatorChar(ch) && ch == s[2]) : !std::isxdigit((unsigned char)ch))
            return false;
    }
    return true;
}

}  // namespace

MacTextResult FilterMACAddressText(const char* pszText, CString& strResult)
{
    strResult = pszText ? pszText : "";
    CString strTrimmed = strResult;
    if (TrimBlanks(strTrimmed).IsEmpty()) {
        strResult.Empty();
        return kMacTextAccepted;
    }
    int nLast = strResult.GetLength() - 1;
    char chLast = strResult[nLast];
    MacTextResult result = kMacTextAccepted;
    if (IsSeparatorPosition(nLast) && std::isxdigit((unsigned char)chLast)) {
        char chSep = nLast > 2 ? strResult[2] : '-';
        strResult = strResult.Left(nLast) + CString(chSep) + CString(chLast);
        result = kMacTextRewritten;
    }
    return IsWellFormed(strResult) ? result : kMacTextRejected;
}
