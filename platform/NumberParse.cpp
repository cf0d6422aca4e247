// NumberParse.cpp: strict decimal and hexadecimal conversions.
#include "platform/NumberParse.h"

#include <cstring>

namespace {

int DigitValue(char c, int nBase)
{
    int v = HexDigitValue(c);
    return v < nBase ? v : -1;
}

// Reads an unsigned number of the given base up to nMax; false on an empty
// text, a non-digit or overflow.
bool ParseUnsigned(const char* psz, int nBase, UINT64 nMax, UINT64& nValue)
{
    if (!psz || !*psz)
        return false;
    UINT64 v = 0;
    for (const char* p = psz; *p; ++p) {
        int d = DigitValue(*p, nBase);
        if (d < 0 || v > (nMax - (UINT64)d) / (UINT64)nBase)
            return false;
        v = v * (UINT64)nBase + (UINT64)d;
    }
    nValue = v;
    return true;
}

template <class T>
bool ParseInto(const char* psz, int nBase, UINT64 nMax, T& nValue)
{
    UINT64 v;
    if (!ParseUnsigned(psz, nBase, nMax, v))
        return false;
    nValue = (T)v;
    return true;
}

bool AllDigits(const char* psz, int nMaxLength, int nBase)
{
    if (!psz || !*psz)
        return false;
    size_t n = std::strlen(psz);
    if (nMaxLength > 0 && n > (size_t)nMaxLength)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (DigitValue(psz[i], nBase) < 0)
            return false;
    return true;
}

}  // namespace

bool StringToUINT(const char* psz, UINT& nValue) { return ParseInto(psz, 10, 0xFFFFFFFFull, nValue); }
bool StringToWORD(const char* psz, WORD& nValue) { return ParseInto(psz, 10, 0xFFFFull, nValue); }
bool StringToUINT64(const char* psz, UINT64& nValue) { return ParseInto(psz, 10, ~0ull, nValue); }
bool HexStringToWORD(const char* psz, WORD& nValue) { return ParseInto(psz, 16, 0xFFFFull, nValue); }
bool HexStringToUINT(const char* psz, UINT& nValue) { return ParseInto(psz, 16, 0xFFFFFFFFull, nValue); }
bool HexStringToUINT64(const char* psz, UINT64& nValue) { return ParseInto(psz, 16, ~0ull, nValue); }

bool StringToINT(const char* psz, INT& nValue)
{
    if (!psz)
        return false;
    bool bNegative = (*psz == '-');
    if (*psz == '-' || *psz == '+')
        ++psz;
    UINT64 v;
    if (!ParseUnsigned(psz, 10, bNegative ? 0x80000000ull : 0x7FFFFFFFull, v))
        return false;
    nValue = bNegative ? (INT)(0 - (INT64)v) : (INT)v;
    return true;
}

bool IsNumericString(const char* psz, int nMaxLength) { return AllDigits(psz, nMaxLength, 10); }
bool IsHexString(const char* psz, int nMaxLength) { return AllDigits(psz, nMaxLength, 16); }

int HexDigitValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return -1;
}
