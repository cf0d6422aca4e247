// SockdevAddress.cpp: socket device address helpers.
#include "config/SockdevAddress.h"

#include "platform/NumberParse.h"

bool IsHostPortSpec(const CString& strText)
{
    return strText.GetLength() >= 4 && strText.FindOneOf(" \t") < 0 && strText.Find(':') >= 2;
}

bool ParseSockdevAddress(const CString& strText, DWORD& dwAddress, const CString* pstrArgs,
                         UINT& nPort)
{
    dwAddress = 0xFFFFFFFF;
    nPort = 0;
    if (pstrArgs) {
        CString strLower = *pstrArgs;
        if (strLower.MakeLower().Find("sockdev") < 0)
            return false;
    }
    const int nColon = strText.Find(':');
    if (nColon < 2)
        return false;
    const CString strHost = strText.Left(nColon);
    UINT nValue = 0;
    if (!IsNumericString(strText.Mid(nColon + 1)) || !StringToUINT(strText.Mid(nColon + 1), nValue)
        || nValue >= 65536)
        return false;
    DWORD dwResolved = 0xFFFFFFFF;
    if (!ResolveHostIPv4(strHost, dwResolved) || dwResolved == 0xFFFFFFFF)
        return false;
    dwAddress = dwResolved;
    nPort = nValue;
    return true;
}
