// DevNum.cpp: device number formatting and parsing.
#include "config/DevNum.h"

#include <cstring>

#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

CString FormatDevnum(DWORD dwDevnum)
{
    CString str;
    const unsigned nDevnum = dwDevnum & 0xFFFF;
    const unsigned nLcss = (dwDevnum >> 16) & 0xFF;
    if (nLcss == 0)
        str.Format("%04X", nDevnum);
    else
        str.Format("%1d:%04X", (int)nLcss, nDevnum);
    return str;
}

bool ParseDevnum(const CString& strText, WORD& wDevnum, BYTE& bLcss, CString* pstrMsg)
{
    CString strNum = strText;
    WORD wLcss = 0;
    if (strText.GetLength() >= 2 && strText[1] == ':' && IsNumericString(strText.Left(1))) {
        StringToWORD(strText.Left(1), wLcss);
        strNum = strText.Mid(2);
    }
    const int nLen = strNum.GetLength();
    // The checks below see the text up to a NUL only: a NUL is never a digit.
    if ((nLen == 3 || nLen == 4) && (int)strlen(strNum) == nLen && IsHexString(strNum)) {
        HexStringToWORD(strNum, wDevnum);
        bLcss = (BYTE)wLcss;
        return true;
    }
    bLcss = 255;
    wDevnum = 0xFFFF;
    if (pstrMsg)
        *pstrMsg = "Invalid devnum syntax: must be \"HHHH\" or \"L:HHHH\".";
    return false;
}

bool ParseDevnumLcss(const CString& strText, DWORD* pdwValue)
{
    WORD wDevnum;
    BYTE bLcss;
    if (!ParseDevnum(strText, wDevnum, bLcss))
        return false;
    if (pdwValue)
        *pdwValue = MakeDevnumKey(bLcss, wDevnum);
    return true;
}

// Only hexadecimal digits and the list and range separators.
static bool IsDevnumListWord(const CString& strWord)
{
    for (int i = 0; i < strWord.GetLength(); i++) {
        const char ch = strWord[i];
        if (ch == '\0' || (!std::strchr(g_strHex, ch) && !std::strchr(":,-.", ch)))
            return false;
    }
    return true;
}

bool IsDeviceStatementWord(const CString& strWord)
{
    return (strWord.GetLength() <= 4 && IsHexString(strWord)) || ParseDevnumLcss(strWord, nullptr)
        || IsDevnumListWord(strWord);
}
