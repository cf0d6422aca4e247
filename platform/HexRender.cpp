// HexRender.cpp: hexadecimal and printable renderings of bytes.
#include "platform/HexRender.h"

#include <string>

#include "platform/CodePage.h"

CString MakeHex(const BYTE* p, size_t n)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string s;
    if (p) {
        s.reserve(n * 2);
        for (size_t i = 0; i < n; ++i) {
            s += kDigits[p[i] >> 4];
            s += kDigits[p[i] & 0x0F];
        }
    }
    return CString(s);
}

CString MakePrt(const BYTE* p, size_t n, bool bEbcdic, char chSubst)
{
    std::string s;
    if (p) {
        s.reserve(n);
        for (size_t i = 0; i < n; ++i) {
            BYTE b = bEbcdic ? EbcdicToAscii(p[i]) : p[i];
            s += (b >= 0x20 && b <= 0x7E) ? (char)b : chSubst;
        }
    }
    return CString(s);
}
