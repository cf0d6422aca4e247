// UtilityProgress.cpp: the table of progress parsers by utility kind and the
// line parser that walks it.
#include "session/UtilityProgress.h"

#include <cstring>

namespace {

// One keyword a kind understands.
struct SKeywordRule {
    const char* pszKeyword;
    EProgressAction eAction;    // kProgressTotal or kProgressPosition
    bool bNotify;
};

// What happens to a line that matches none of a kind's keywords.
enum EOtherLines {
    kOtherShown,        // not consumed: shown in the console
    kOtherCommonTest,   // swallowed when ParseProgressCommon holds
};

// The parser of one or more kinds: its keywords, compared in this order over
// their full length, and the fate of the other lines.
struct SKindParser {
    int anKinds[5];             // the kinds it serves; unused slots hold 0
    const SKeywordRule* pRules;
    int nRules;
    EOtherLines eOther;
};

#define POSITION(kw) { kw, kProgressPosition, true }
#define TOTAL(kw) { kw, kProgressTotal, false }
#define TOTAL_NOTIFY(kw) { kw, kProgressTotal, true }

const SKeywordRule kTrkRules[] = { POSITION("TRK="), TOTAL("TRKS=") };
const SKeywordRule kVolMakeRules[] = { POSITION("CYL="), POSITION("BLK=") };
const SKeywordRule kVolRecastRules[] = { TOTAL("CYLS="), POSITION("CYL=") };
const SKeywordRule kVolBuildRules[] = {
    POSITION("IPOS="), TOTAL("REQCYLS="), POSITION("CYL="), POSITION("OUTCYL=") };
const SKeywordRule kVolPatchRules[] = { POSITION("MEM="), TOTAL("NMEM=") };
const SKeywordRule kCtrkRules[] = { POSITION("CTRK="), TOTAL("ETRK=") };
const SKeywordRule kPackRules[] = {
    POSITION("STEP="), POSITION("POS="), TOTAL_NOTIFY("STEPS="), TOTAL_NOTIFY("SIZE=") };
const SKeywordRule kReelBuildRules[] = { POSITION("FILE="), TOTAL("FILES=") };
const SKeywordRule kIposRules[] = { POSITION("IPOS=") };
const SKeywordRule kReelDubRules[] = { TOTAL("BLKS="), POSITION("BLK=") };
const SKeywordRule kCkdTrkRules[] = { POSITION("TRK="), TOTAL("CKDTRKS=") };
const SKeywordRule kCardRules[] = { POSITION("XBYTES=") };

#undef POSITION
#undef TOTAL
#undef TOTAL_NOTIFY

#define RULES(a) a, (int)(sizeof(a) / sizeof(a[0]))

const SKindParser kParsers[] = {
    { { kUtilWidenVol }, RULES(kTrkRules), kOtherShown },
    { { kUtilVolMake }, RULES(kVolMakeRules), kOtherCommonTest },
    { { kUtilVolRecast }, RULES(kVolRecastRules), kOtherCommonTest },
    { { kUtilVolClone }, RULES(kTrkRules), kOtherCommonTest },
    { { kUtilVolBuild }, RULES(kVolBuildRules), kOtherCommonTest },
    { { kUtilVolPatch }, RULES(kVolPatchRules), kOtherCommonTest },
    { { kUtilVolList, kUtilVolShow, kUtilVolUnload }, RULES(kCtrkRules), kOtherCommonTest },
    { { kUtilVolExtract }, RULES(kTrkRules), kOtherCommonTest },
    { { kUtilPackCheck, kUtilPackSqueeze, kUtilPackFlip }, RULES(kPackRules), kOtherShown },
    { { kUtilReelBuild }, RULES(kReelBuildRules), kOtherShown },
    { { kUtilReelScan, kUtilReelDivide, kUtilReelInfo, kUtilReelRepack, kUtilReelFetch },
      RULES(kIposRules), kOtherShown },
    { { kUtilReelDub }, RULES(kReelDubRules), kOtherShown },
    { { kUtilCkdTracks }, RULES(kCkdTrkRules), kOtherCommonTest },
    { { kUtilTracks }, RULES(kTrkRules), kOtherCommonTest },
    { { kUtilCardSubmit }, RULES(kCardRules), kOtherShown },
};

#undef RULES

const SKindParser* FindParser(int nKind)
{
    if (nKind <= 0)
        return nullptr;
    for (const SKindParser& parser : kParsers)
        for (int k : parser.anKinds)
            if (k == nKind)
                return &parser;
    return nullptr;
}

bool StartsWith(const char* psz, const char* pszKeyword)
{
    return std::strncmp(psz, pszKeyword, std::strlen(pszKeyword)) == 0;
}

}  // namespace

bool ParseProgressCommon(const char* pszLine)
{
    if (!pszLine)
        return false;
    return StartsWith(pszLine, "STEPS=") || StartsWith(pszLine, "STEP=") ||
           StartsWith(pszLine, "SIZE=") || StartsWith(pszLine, "POS=");
}

bool HasProgressParser(int nKind)
{
    return FindParser(nKind) != nullptr;
}

SProgressLine ParseProgressLine(int nKind, const char* pszLine)
{
    SProgressLine result;
    const SKindParser* pParser = FindParser(nKind);
    if (!pParser || !pszLine)
        return result;
    for (int i = 0; i < pParser->nRules; ++i) {
        const SKeywordRule& rule = pParser->pRules[i];
        if (StartsWith(pszLine, rule.pszKeyword)) {
            result.eAction = rule.eAction;
            result.nValue = ReadProgressNumber(pszLine + std::strlen(rule.pszKeyword));
            result.bNotify = rule.bNotify;
            result.pszKeyword = rule.pszKeyword;
            return result;
        }
    }
    if (pParser->eOther == kOtherCommonTest && ParseProgressCommon(pszLine))
        result.eAction = kProgressSwallowed;
    return result;
}

INT64 ReadProgressNumber(const char* psz)
{
    const UINT64 kMaxPositive = 0x7FFFFFFFFFFFFFFFull;
    while (*psz == ' ' || (*psz >= '\t' && *psz <= '\r'))
        ++psz;
    bool bNegative = *psz == '-';
    if (*psz == '-' || *psz == '+')
        ++psz;
    // The magnitude saturates at 2^63, which is the limit of a negative value.
    UINT64 nMagnitude = 0;
    for (; *psz >= '0' && *psz <= '9'; ++psz) {
        UINT64 nDigit = (UINT64)(*psz - '0');
        if (nMagnitude > (kMaxPositive + 1 - nDigit) / 10) {
            nMagnitude = kMaxPositive + 1;
            break;
        }
        nMagnitude = nMagnitude * 10 + nDigit;
    }
    if (bNegative)
        return nMagnitude > kMaxPositive ? (INT64)(-(INT64)kMaxPositive - 1) : -(INT64)nMagnitude;
    return nMagnitude > kMaxPositive ? (INT64)kMaxPositive : (INT64)nMagnitude;
}

double ProgressFraction(INT64 nLow, INT64 nHigh, INT64 nPos)
{
    // A zero span (a total of 0) is decided before clamping, which would
    // otherwise pin every position to the low end and keep showing 0%.
    if (nLow == nHigh)
        return nPos > nLow ? 1.0 : 0.0;
    bool bDescending = nLow > nHigh;
    INT64 nMin = bDescending ? nHigh : nLow;
    INT64 nMax = bDescending ? nLow : nHigh;
    nPos = ClampProgress(nPos, nMin, nMax);
    // Differences in unsigned arithmetic: a range from the smallest to the
    // largest 64-bit value must not overflow.
    UINT64 nSpan = (UINT64)nMax - (UINT64)nMin;
    UINT64 nOffset = bDescending ? (UINT64)nMax - (UINT64)nPos : (UINT64)nPos - (UINT64)nMin;
    return (double)nOffset / (double)nSpan;
}

double ProgressFractionDouble(double fLow, double fHigh, double fPos)
{
    if (fLow == fHigh)
        return fPos > fLow ? 1.0 : 0.0;
    bool bDescending = fLow > fHigh;
    double fMin = bDescending ? fHigh : fLow;
    double fMax = bDescending ? fLow : fHigh;
    // A position that is not a number lands on the smaller end; a bound that
    // is not one makes the span NaN, which falls through to 0 below.
    fPos = ClampProgress(fPos, fMin, fMax);
    double fOffset = bDescending ? fMax - fPos : fPos - fMin;
    double fSpan = fMax - fMin;
    double fFraction = fOffset / fSpan;
    if (!(fFraction >= 0.0))
        return 0.0;
    return fFraction > 1.0 ? 1.0 : fFraction;
}
