// NetAddress.cpp: parsing of IPv4 and hardware address texts.
#include "platform/NetAddress.h"

#include <cstring>

#include "platform/NumberParse.h"

bool ParseIPAddress(const char* psz, DWORD& dwAddr, bool bHostOrder)
{
    if (!psz)
        return false;
    BYTE parts[4];
    const char* p = psz;
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && *p++ != '.')
            return false;
        int nDigits = 0, v = 0;
        for (; *p >= '0' && *p <= '9' && nDigits < 4; ++p, ++nDigits)
            v = v * 10 + (*p - '0');
        if (nDigits == 0 || nDigits > 3 || v > 255)
            return false;
        parts[i] = (BYTE)v;
    }
    if (*p)
        return false;
    DWORD hostValue = ((DWORD)parts[0] << 24) | ((DWORD)parts[1] << 16) | ((DWORD)parts[2] << 8) | parts[3];
    DWORD netValue = ((DWORD)parts[3] << 24) | ((DWORD)parts[2] << 16) | ((DWORD)parts[1] << 8) | parts[0];
    dwAddr = bHostOrder ? hostValue : netValue;
    return true;
}

bool ParseMACAddress(const char* psz, BYTE abyMAC[6])
{
    if (!psz || std::strlen(psz) != 17)
        return false;
    char chSep = psz[2];
    if (chSep != ':' && chSep != '-')
        return false;
    BYTE bytes[6];
    for (int i = 0; i < 6; ++i) {
        const char* p = psz + i * 3;
        int hi = HexDigitValue(p[0]), lo = HexDigitValue(p[1]);
        if (hi < 0 || lo < 0 || (i < 5 && p[2] != chSep))
            return false;
        bytes[i] = (BYTE)(hi * 16 + lo);
    }
    std::memcpy(abyMAC, bytes, sizeof bytes);
    return true;
}
