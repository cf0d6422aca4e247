// ConsoleClassifier.cpp: message kinds. Each kind is defined by the whole-
// line regular expression
//   ((\d{4}/\d{2}/\d{2} )*)((\d{2}:\d{2}:\d{2}\.\d{3} )*)
//   ((0x[0-9a-fA-F]{8} )*)((.{17} )*)ZQC..\d{3}<letter>.*
// ('.' being any character but a carriage return or line feed), tried in
// the order information, debug, error (E or S), warning. The line is called
// by every reader for every line, so the expressions are not run through a
// regular expression engine (which took most of the console's time per
// line): the prefix is a run of fixed-width fields in a fixed order, and the
// places where it can end are found in one pass over the line.
#include "session/ConsoleClassifier.h"

#include <cstring>

namespace {

const int kIdLength = 9;    // "ZQC", two characters, three digits, the letter

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsHexDigit(char ch) { return IsDigit(ch) || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F'); }
bool IsLineEnd(char ch) { return ch == '\n' || ch == '\r'; }

// One field of the prefix: a pattern of fixed width, blank included.
// 'd' a decimal digit, 'h' a hexadecimal digit, '?' any character but a line
// end; every other character stands for itself.
struct SField {
    const char* pszPattern;
    int nWidth;
};

const SField kFields[] = {
    {"dddd/dd/dd ", 11},            // date
    {"dd:dd:dd.ddd ", 13},          // time with milliseconds
    {"0xhhhhhhhh ", 11},            // thread identifier
    {"????????????????? ", 18},     // 17 characters of any kind
};

bool FieldAt(const SField& field, const char* p)
{
    for (int i = 0; i < field.nWidth; ++i) {
        const char chPattern = field.pszPattern[i];
        const char ch = p[i];
        const bool bOk = chPattern == 'd' ? IsDigit(ch)
                       : chPattern == 'h' ? IsHexDigit(ch)
                       : chPattern == '?' ? !IsLineEnd(ch)
                       : ch == chPattern;
        if (!bOk)
            return false;
    }
    return true;
}

// An identifier, without its letter, at p (kIdLength characters available).
bool IdentifierAt(const char* p)
{
    return p[0] == 'Z' && p[1] == 'Q' && p[2] == 'C' && !IsLineEnd(p[3]) && !IsLineEnd(p[4])
        && IsDigit(p[5]) && IsDigit(p[6]) && IsDigit(p[7]);
}

int KindOfLetter(char ch)
{
    switch (ch) {
    case 'I': return kMsgInfo;
    case 'D': return kMsgDebug;
    case 'E': case 'S': return kMsgError;
    case 'W': return kMsgWarning;
    default: return kMsgPlain;
    }
}

// bEnds[q] for q in 0..nLast: the prefix fields can make up exactly the
// first q characters. Each kind of field may repeat, in the order of
// kFields; a field kind's reach is added in one forward pass.
void FindPrefixEnds(const char* p, int nLast, bool* bEnds)
{
    std::memset(bEnds, 0, (size_t)nLast + 1);
    bEnds[0] = true;
    for (const SField& field : kFields)
        for (int q = field.nWidth; q <= nLast; ++q)
            if (!bEnds[q] && bEnds[q - field.nWidth] && FieldAt(field, p + q - field.nWidth))
                bEnds[q] = true;
}

}  // namespace

int ClassifyMessage(const char* pszLine, int nLength)
{
    if (!pszLine || nLength < kIdLength)
        return kMsgPlain;
    const char* p = pszLine;
    // No part of the pattern takes a line end, ".*" included.
    if (std::memchr(p, '\n', (size_t)nLength) || std::memchr(p, '\r', (size_t)nLength))
        return kMsgPlain;
    const int nLast = nLength - kIdLength < kMaxMsgIdColumn ? nLength - kIdLength : kMaxMsgIdColumn;
    // Most lines hold no identifier and are plain without further work.
    bool bAny = false;
    for (int pos = 0; pos <= nLast && !bAny; ++pos)
        bAny = KindOfLetter(p[pos + 8]) != kMsgPlain && IdentifierAt(p + pos);
    if (!bAny)
        return kMsgPlain;
    bool bEnds[kMaxMsgIdColumn + 1];
    FindPrefixEnds(p, nLast, bEnds);
    // The kinds are tried in the order info, debug, error, warning, which is
    // their numeric order: the lowest kind found wins.
    int nBest = kMsgKindCount;
    for (int pos = 0; pos <= nLast; ++pos) {
        const int nKind = KindOfLetter(p[pos + 8]);
        if (nKind != kMsgPlain && nKind < nBest && bEnds[pos] && IdentifierAt(p + pos))
            nBest = nKind;
    }
    return nBest == kMsgKindCount ? kMsgPlain : nBest;
}
