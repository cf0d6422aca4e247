// NetworkValues.cpp: IPv4 address and netmask checks.
#include "config/NetworkValues.h"

#include "config/CHostAdapterArray.h"
#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

bool ParseIPv4Address(const char* psz, DWORD& dwAddr)
{
    dwAddr = 0;
    if (!psz)
        return false;
    CString strText = psz;
    TrimBlanks(strText);
    CStringArray parts;
    if (SplitString(strText, ".", parts) != 4 || strText[strText.GetLength() - 1] == '.')
        return false;
    DWORD dwValue = 0;
    for (const CString& part : parts) {
        UINT n = 0;
        if (!StringToUINT(part, n) || n > 255)
            return false;
        dwValue = (dwValue << 8) | n;
    }
    dwAddr = dwValue;
    return true;
}

bool IsValidNetmask(DWORD dwMask)
{
    if (dwMask == 0)
        return false;
    DWORD dwHost = ~dwMask;
    // Contiguous ones from the top: the host part is of the form 0...01...1.
    return (dwHost & (dwHost + 1)) == 0;
}

bool ParseNetmask(const char* psz, DWORD& dwMask)
{
    if (ParseIPv4Address(psz, dwMask) && IsValidNetmask(dwMask))
        return true;
    dwMask = 0;
    return false;
}

bool IsPlausibleHostAddress(DWORD dwAddr, DWORD dwMask, bool bCheckHost)
{
    DWORD dwNetOrder = ((dwAddr & 0xFF) << 24) | ((dwAddr & 0xFF00) << 8) | ((dwAddr >> 8) & 0xFF00) | (dwAddr >> 24);
    if (bCheckHost && FindHostAdapterByIP(dwNetOrder) < 0)
        return false;
    if (dwAddr == 0 || dwAddr == 0xFFFFFFFF)
        return false;
    if (dwMask == 0xFFFFFFFF)
        return true;
    if (!IsValidNetmask(dwMask))
        return false;
    DWORD dwHost = dwAddr & ~dwMask;
    return dwHost != 0 && dwHost != ~dwMask;
}

DWORD DefaultNetmaskForAddress(DWORD dwAddr)
{
    if (dwAddr == 0 || dwAddr == 0xFFFFFFFF)
        return 0;
    switch (dwAddr >> 29) {
    case 0: case 1: case 2: case 3: return 0xFF000000;
    case 4: case 5: return 0xFFFF0000;
    case 6: return 0xFFFFFF00;
    default: return 0xFFFFFFFF;
    }
}

CString FormatIPv4Address(DWORD dwAddr)
{
    CString s;
    s.Format("%d.%d.%d.%d", (int)(dwAddr >> 24), (int)((dwAddr >> 16) & 0xFF), (int)((dwAddr >> 8) & 0xFF),
             (int)(dwAddr & 0xFF));
    return s;
}

bool FormatDefaultNetmask(const char* pszAddr, CString& strMask)
{
    strMask.Empty();
    DWORD dwAddr = 0;
    if (!ParseIPv4Address(pszAddr, dwAddr) || dwAddr == 0 || dwAddr == 0xFFFFFFFF)
        return false;
    strMask = FormatIPv4Address(DefaultNetmaskForAddress(dwAddr));
    return true;
}
