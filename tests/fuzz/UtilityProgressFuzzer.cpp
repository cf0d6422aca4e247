// UtilityProgressFuzzer.cpp: what a utility writes on its standard error,
// cut into lines as the reader cuts them (at LF, a CR before it dropped),
// and every line given to the progress parser of every kind. Checks that a
// keyword's value is the number that follows it (saturated, never wrapped),
// that a kind without a parser consumes nothing, and that progress fractions
// stay within 0..1 for any range, ascending, descending or empty.
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "session/UtilityProgress.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

// strtoll reads the same form (C-locale blanks, a sign, decimal digits) and
// saturates on overflow.
INT64 ReferenceNumber(const char* psz)
{
    errno = 0;
    return std::strtoll(psz, nullptr, 10);
}

bool StartsWith(const char* psz, const char* pszPrefix)
{
    return std::strncmp(psz, pszPrefix, std::strlen(pszPrefix)) == 0;
}

void CheckLine(int nKind, const char* pszLine)
{
    const SProgressLine r = ParseProgressLine(nKind, pszLine);
    if (!HasProgressParser(nKind)) {
        FUZZ_CHECK(r.eAction == kProgressNotConsumed && r.pszKeyword == nullptr);
        return;
    }
    if (r.pszKeyword) {
        FUZZ_CHECK(r.eAction == kProgressTotal || r.eAction == kProgressPosition);
        FUZZ_CHECK(StartsWith(pszLine, r.pszKeyword));
        FUZZ_CHECK(r.nValue == ReferenceNumber(pszLine + std::strlen(r.pszKeyword)));
    } else {
        FUZZ_CHECK(r.eAction == kProgressNotConsumed || r.eAction == kProgressSwallowed);
        FUZZ_CHECK(r.eAction != kProgressSwallowed || ParseProgressCommon(pszLine));
        FUZZ_CHECK(r.nValue == 0 && !r.bNotify);
    }
}

void CheckFraction(INT64 nLow, INT64 nHigh, INT64 nPos)
{
    const double d = ProgressFraction(nLow, nHigh, nPos);
    FUZZ_CHECK(d >= 0.0 && d <= 1.0);
    if (nLow != nHigh && nPos == nLow)
        FUZZ_CHECK(d == 0.0);
    if (nLow != nHigh && nPos == nHigh)
        FUZZ_CHECK(d == 1.0);
}

std::vector<std::string> CutLines(const uint8_t* data, size_t size)
{
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < size; i++) {
        if (data[i] != '\n') {
            line += (char)data[i];
            continue;
        }
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<INT64> values = {0, 1, -1, LLONG_MIN, LLONG_MAX};
    for (const std::string& line : CutLines(data, size)) {
        // An embedded NUL ends the text, as it does for the reader's C string.
        const char* pszLine = line.c_str();
        FUZZ_CHECK(ReadProgressNumber(pszLine) == ReferenceNumber(pszLine));
        for (int nKind = -2; nKind <= 32; nKind++)
            CheckLine(nKind, pszLine);
        CheckLine(INT_MIN, pszLine);
        CheckLine(INT_MAX, pszLine);
        const char* pszEq = std::strchr(pszLine, '=');
        if (values.size() < 10)
            values.push_back(ReadProgressNumber(pszEq ? pszEq + 1 : pszLine));
    }
    ParseProgressLine(kUtilWidenVol, nullptr);
    for (INT64 nLow : values)
        for (INT64 nHigh : values)
            for (INT64 nPos : values)
                CheckFraction(nLow, nHigh, nPos);
    return 0;
}
