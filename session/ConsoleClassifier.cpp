// ConsoleClassifier.cpp: message kinds by regular expression. Each kind's
// whole-line pattern is "<prefix>ZQC..\d{3}<letter>.*"; matching it is split
// into the part up to the letter (the regular expression, run only where an
// identifier with that letter stands) and the rest, which ".*" accepts when
// it holds no line terminator. That keeps plain lines off the regex engine.
#include "session/ConsoleClassifier.h"

#include <cstring>
#include <regex>

namespace {

const char kPrefix[] =
    "((\\d{4}/\\d{2}/\\d{2} )*)((\\d{2}:\\d{2}:\\d{2}\\.\\d{3} )*)((0x[0-9a-fA-F]{8} )*)((.{17} )*)ZQC..\\d{3}";

struct KindPattern {
    const char* pszLetters;  // severity letters of this kind
    int nKind;
};

// In the order the patterns are tried; the first match decides.
const KindPattern kPatterns[] = {
    {"I", kMsgInfo},
    {"D", kMsgDebug},
    {"ES", kMsgError},
    {"W", kMsgWarning},
};

const std::regex& PatternFor(int i)
{
    static const std::regex patterns[] = {
        std::regex(std::string(kPrefix) + "I", std::regex::ECMAScript | std::regex::optimize),
        std::regex(std::string(kPrefix) + "D", std::regex::ECMAScript | std::regex::optimize),
        std::regex(std::string(kPrefix) + "[ES]", std::regex::ECMAScript | std::regex::optimize),
        std::regex(std::string(kPrefix) + "W", std::regex::ECMAScript | std::regex::optimize),
    };
    return patterns[i];
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// True when an identifier "ZQC..ddd" with its severity letter ends at pos.
bool IsIdentifierAt(const char* p, int nLength, int pos)
{
    if (pos + 9 > nLength || std::memcmp(p + pos, "ZQC", 3) != 0)
        return false;
    return IsDigit(p[pos + 5]) && IsDigit(p[pos + 6]) && IsDigit(p[pos + 7]);
}

// ".*" of ECMAScript: no line terminator in the rest of the line.
bool RestMatchesDotStar(const char* p, int nFrom, int nLength)
{
    for (int i = nFrom; i < nLength; ++i)
        if (p[i] == '\n' || p[i] == '\r')
            return false;
    return true;
}

bool MatchesKind(const char* p, int nLength, int iPattern)
{
    const char* pszLetters = kPatterns[iPattern].pszLetters;
    int nLast = nLength - 9 < kMaxMsgIdColumn ? nLength - 9 : kMaxMsgIdColumn;
    for (int pos = 0; pos <= nLast; ++pos) {
        if (!IsIdentifierAt(p, nLength, pos) || !std::strchr(pszLetters, p[pos + 8]) || p[pos + 8] == '\0')
            continue;
        if (RestMatchesDotStar(p, pos + 9, nLength) && std::regex_match(p, p + pos + 9, PatternFor(iPattern)))
            return true;
    }
    return false;
}

}  // namespace

int ClassifyMessage(const char* pszLine, int nLength)
{
    if (!pszLine || nLength < 9)
        return kMsgPlain;
    for (int i = 0; i < 4; ++i)
        if (MatchesKind(pszLine, nLength, i))
            return kPatterns[i].nKind;
    return kMsgPlain;
}
