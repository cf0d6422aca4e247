// ValueConversions.cpp: the engine-type, architecture, OS tailoring, size,
// digit-grouping and time-zone conversions of the configuration.
#include "config/ValueConversions.h"

#include <cstring>

#include "platform/NumberParse.h"
#include "platform/TextFunctions.h"

namespace {

const char* const kEngineTypes[kEngineTypeCount] = {"CP", "IL", "AP", "IP"};

const char* const kArchModeNames[] = {"S/370", "ESA/390", "z/Arch"};

struct ArchAlias {
    const char* pszName;
    int nMode;
};

const ArchAlias kArchAliases[] = {
    {"S/370", kArchS370},   {"S370", kArchS370},     {"370", kArchS370},
    {"ESA/390", kArchESA390}, {"ESA390", kArchESA390}, {"E390", kArchESA390},
    {"E/390", kArchESA390}, {"ESA", kArchESA390},    {"S/390", kArchESA390},
    {"OS/390", kArchESA390}, {"S390", kArchESA390},  {"OS390", kArchESA390},
    {"390", kArchESA390},   {"z/Arch", kArchZArch},  {"zArch", kArchZArch},
    {"z", kArchZArch},      {"900", kArchZArch},     {"Z900", kArchZArch},
    {"z/900", kArchZArch},  {"ESAME", kArchZArch},   {"ESA/ME", kArchZArch},
};

struct OsTailorFlag {
    const char* pszName;
    WORD wFlag;
};

const OsTailorFlag kOsTailorFlags[] = {
    {"QUIET", 0x8000}, {"VM", 0x4000},          {"VSE", 0x2000},
    {"Z/VSE", 0x1000}, {"LINUX", 0x0800},       {"OpenSolaris", 0x0400},
    {"OS/390", 0x0200}, {"Z/OS", 0x0100},       {"NULL", 0x0080},
};

// Bits of the OS tailoring mask that have no name of their own.
const WORD kOsTailorUnnamedBits = 0x007F;

const char kSizeUnits[] = "BKMGTPE";
const int kSizeUnitCount = 7;

UINT64 UnitMultiplier(int nUnit) { return (UINT64)1 << (10 * nUnit); }

}  // namespace

int EngineTypeIndex(const char* pszName)
{
    for (int i = 0; i < kEngineTypeCount; ++i)
        if (CString(kEngineTypes[i]).CompareNoCase(pszName) == 0)
            return i;
    return -1;
}

const char* EngineTypeName(int nIndex)
{
    return (nIndex >= 0 && nIndex < kEngineTypeCount) ? kEngineTypes[nIndex] : kEngineTypes[0];
}

const char* EngineTypeText(int nIndex)
{
    return (nIndex >= 0 && nIndex < kEngineTypeCount) ? kEngineTypes[nIndex] : "??";
}

const char* ArchModeName(int nMode)
{
    return (nMode >= kArchS370 && nMode <= kArchZArch) ? kArchModeNames[nMode] : "";
}

int ArchModeFromName(const char* pszName)
{
    for (const ArchAlias& a : kArchAliases)
        if (CString(a.pszName).CompareNoCase(pszName) == 0)
            return a.nMode;
    return -1;
}

WORD OsTailorFlagFromName(const char* pszName)
{
    for (const OsTailorFlag& f : kOsTailorFlags)
        if (CString(f.pszName).CompareNoCase(pszName) == 0)
            return f.wFlag;
    return 0;
}

void OsTailorNamesFromMask(WORD wMask, CStringArray& names)
{
    names.RemoveAll();
    for (const OsTailorFlag& f : kOsTailorFlags)
        if (wMask & f.wFlag)
            names.Add(f.pszName);
    if (wMask & kOsTailorUnnamedBits)
        names.Add(CString());
}

char GetSizeSuffix(UINT64 ullSize, UINT64* pMultiplier)
{
    int nUnit = 0;
    while (nUnit < kSizeUnitCount && UnitMultiplier(nUnit) < ullSize)
        ++nUnit;
    if (nUnit == kSizeUnitCount)
        return 0;
    // Every size is a multiple of 1 byte, so the walk always ends at B at the latest.
    while (ullSize % UnitMultiplier(nUnit) != 0)
        --nUnit;
    if (pMultiplier)
        *pMultiplier = UnitMultiplier(nUnit);
    return kSizeUnits[nUnit];
}

UINT64 SizeSuffixMultiplier(char chUnit)
{
    char upper = (chUnit >= 'a' && chUnit <= 'z') ? (char)(chUnit - 'a' + 'A') : chUnit;
    const char* p = upper ? std::strchr(kSizeUnits, upper) : nullptr;
    return p ? UnitMultiplier((int)(p - kSizeUnits)) : 0;
}

CString FormatSizeWithSuffix(UINT64 ullSize, bool bSuffix)
{
    CString s;
    if (ullSize == 0) {
        s = "0";
    } else if (bSuffix) {
        UINT64 ullMultiplier = 1;
        char chUnit = GetSizeSuffix(ullSize, &ullMultiplier);
        // Beyond the largest unit the size is written in bytes, which reads back exactly.
        if (chUnit == 0)
            chUnit = 'B';
        s.Format("%I64u%c", ullSize / ullMultiplier, chUnit);
    } else {
        const UINT64 kMB = 1048576;
        s.Format("%I64u", ullSize / kMB + (ullSize % kMB >= kMB / 2 ? 1 : 0));
    }
    return s;
}

CString InsertThousandsSeparators(char chSeparator, CString& strDigits)
{
    strDigits.Trim();
    if (strDigits.GetLength() < 4)
        return strDigits;
    CString strRest(strDigits), strResult;
    while (strRest.GetLength() > 3) {
        strResult = strRest.Right(3) + chSeparator + strResult;
        strRest = strRest.Left(strRest.GetLength() - 3);
    }
    strResult = strRest + chSeparator + strResult;
    strDigits = strResult.Left(strResult.GetLength() - 1);
    return strDigits;
}

CString FormatThousands(UINT64 ullValue, char chSeparator)
{
    CString s;
    s.Format("%I64u", ullValue);
    return InsertThousandsSeparators(chSeparator, s);
}

CString FormatTimeZoneOffset(LONG lBiasMinutes)
{
    CString s;
    if (lBiasMinutes == 0)
        return s;
    // A negative bias means local time is ahead of universal time: east, "+".
    long lAbs = lBiasMinutes < 0 ? -(long)lBiasMinutes : (long)lBiasMinutes;
    s.Format("%s%02.2ld%02.2ld", lBiasMinutes < 0 ? "+" : "-", lAbs / 60, lAbs % 60);
    return s;
}

CString RemoveBlanks(CString& str)
{
    for (const char* p = g_strBlanks; *p; ++p)
        str.Remove(*p);
    return str;
}

CString RemoveBlanks(const char* psz)
{
    CString str(psz);
    return RemoveBlanks(str);
}

CString RemoveBlanksSpacedSlash(CString& str)
{
    RemoveBlanks(str);
    str.Replace("/", " / ");
    return str;
}

CString BuildQuotedArgList(const CStringList& items)
{
    CString strList;
    for (POSITION pos = items.GetHeadPosition(); pos;) {
        if (!strList.IsEmpty())
            strList += ' ';
        strList += QuoteIfNeeded(items.GetNext(pos), '"');
    }
    return strList;
}

namespace {

// Descriptor of a literal body: its length and what is wrong with it.
WORD DescribeLiteralBody(WORD wForm, const CString& strBody)
{
    int nLen = strBody.GetLength();
    WORD w = (WORD)(wForm | (nLen & 0xFF));
    if (!IsHexString(strBody))
        w |= kLiteralNotHex;
    if (nLen % 2)
        w |= kLiteralOddLength;
    if (nLen >= 255)
        w |= kLiteralTooLong;
    return w;
}

}  // namespace

WORD ParseNumberHexOrDec(const char* psz)
{
    CString str(psz);
    int nLen = str.GetLength();
    if (nLen >= 2 && str.Left(2).CompareNoCase("0x") == 0)
        return DescribeLiteralBody(kLiteral0x, str.Mid(2));
    if (nLen >= 3 && str.Left(2).CompareNoCase("x'") == 0 && str[nLen - 1] == '\'')
        return DescribeLiteralBody(kLiteralXQuote, str.Mid(2, nLen - 3));
    WORD w = (WORD)(nLen & 0xFF);
    if (nLen >= 128)
        w |= kLiteralTooLong;
    return w;
}

bool IsNameFirstChar(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || ch == '@' || ch == '$' || ch == '#';
}

bool IsUpperAlnumChar(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9');
}
