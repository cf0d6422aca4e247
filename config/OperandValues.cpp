// OperandValues.cpp: storage sizes, ENGINES lists, CPU model symbols and
// base-36 names of system-statement operands.
#include "config/OperandValues.h"

#include <cstring>

#include "config/ValueConversions.h"
#include "platform/NumberParse.h"

namespace {

const char* const kZSeriesModels[] = {
    "1090", "2827", "2828", "2964", "2965", "3906", "3907", "8561", "8562", "3931",
};

struct ModelSymbol {
    const char* pszSymbol;
    const char* pszModel;
};

const ModelSymbol kModelSymbols[] = {
    {"$(zPDT)", "1090"}, {"$(EC12)", "2827"},  {"$(BC12)", "2828"},    {"$(z13)", "2964"},
    {"$(z13s)", "2965"}, {"$(z14)", "3906"},   {"$(z14ZR1)", "3907"},  {"$(z15)", "8561"},
    {"$(z15T02)", "8562"}, {"$(z16)", "3931"},
};

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// Decimal digits only (no sign) into a 64-bit value; false when too large.
bool DecimalToUInt64(const CString& strDigits, UINT64& ullValue)
{
    return IsNumericString(strDigits) && StringToUINT64(strDigits, ullValue);
}

// Count * multiplier in range, refusing a product that wraps around.
bool ScaleInRange(UINT64 ullCount, UINT64 ullMultiplier, UINT64 ullMin, UINT64 ullMax,
                  UINT64& ullValue)
{
    if (ullMultiplier != 0 && ullCount > UINT64_MAX / ullMultiplier)
        return false;
    UINT64 v = ullCount * ullMultiplier;
    if (v < ullMin || v > ullMax)
        return false;
    ullValue = v;
    return true;
}

// One ENGINES item: optional "count*", then a type name.
bool ParseEngineItem(const CString& strItem, int nMaxCPUs, int& nCount, int& nType,
                     CString& strError)
{
    CString strType = strItem;
    nCount = 1;
    if (IsDigit(strItem[0])) {
        int nDigits = 0;
        while (IsDigit(strItem[nDigits]))
            ++nDigits;
        UINT64 ullCount = 0;
        if (!DecimalToUInt64(strItem.Left(nDigits), ullCount) || ullCount < 1 ||
            ullCount > (UINT64)nMaxCPUs) {
            strError += "\nInvalid ENGINES value or value out of range";
            return false;
        }
        if (strItem[nDigits] != '*') {
            // This message has never had a leading line feed.
            strError += "Invalid ENGINES statement syntax";
            return false;
        }
        nCount = (int)ullCount;
        strType = strItem.Mid(nDigits + 1);
    }
    nType = EngineTypeIndex(strType);
    if (nType < 0) {
        strError += "\nUnrecognized ENGINES type \"" + strType + "\"";
        return false;
    }
    return true;
}

}  // namespace

bool ParseSizeValue(const CString& strOperand, UINT64 ullMin, UINT64 ullMax,
                    UINT64& ullValue, bool& bSuffixGiven)
{
    bSuffixGiven = false;
    UINT64 ullCount = 0;
    if (IsNumericString(strOperand))
        return DecimalToUInt64(strOperand, ullCount) &&
               ScaleInRange(ullCount, SizeSuffixMultiplier('M'), ullMin, ullMax, ullValue);
    int nLen = strOperand.GetLength();
    UINT64 ullMultiplier = nLen > 0 ? SizeSuffixMultiplier(strOperand[nLen - 1]) : 0;
    if (ullMultiplier == 0)
        return false;
    bSuffixGiven = true;
    return DecimalToUInt64(strOperand.Left(nLen - 1), ullCount) &&
           ScaleInRange(ullCount, ullMultiplier, ullMin, ullMax, ullValue);
}

bool ParseEnginesList(const CString& strOperand, int nMaxCPUs, DWORD* pEngines, CString& strError)
{
    int nSlots = nMaxCPUs < kMaxEngineSlots ? nMaxCPUs : kMaxEngineSlots;
    for (int i = 0; i < nSlots; ++i)
        pEngines[i] = 0;
    int nSlot = 0, nStart = 0;
    for (;;) {
        int nComma = strOperand.Find(',', nStart);
        CString strItem = nComma < 0 ? strOperand.Mid(nStart) : strOperand.Mid(nStart, nComma - nStart);
        int nCount = 0, nType = 0;
        if (!ParseEngineItem(strItem, nMaxCPUs, nCount, nType, strError))
            return false;
        for (; nCount > 0 && nSlot < nSlots; --nCount)
            pEngines[nSlot++] = nType;
        if (nComma < 0)
            return true;
        nStart = nComma + 1;
    }
}

bool IsZSeriesModel(const char* pszModel)
{
    for (const char* psz : kZSeriesModels)
        if (CString(psz).CompareNoCase(pszModel) == 0)
            return true;
    return false;
}

CString ResolveModelSymbol(const CString& strSymbol)
{
    for (const ModelSymbol& m : kModelSymbols)
        if (strSymbol.CompareNoCase(m.pszSymbol) == 0)
            return m.pszModel;
    return strSymbol;
}

bool IsBase36String(const char* psz)
{
    for (; psz && *psz; ++psz)
        if (!IsUpperAlnumChar(*psz))
            return false;
    return true;
}
