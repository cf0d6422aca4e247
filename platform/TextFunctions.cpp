// TextFunctions.cpp: statement tokenising, splitting, trimming, quoting and
// tab expansion.
#include "platform/TextFunctions.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

const char g_strBlanks[] = " \t";
const char g_strHex[] = "0123456789ABCDEFabcdef";

namespace {

bool IsBlank(char c) { return c != '\0' && std::strchr(g_strBlanks, c) != nullptr; }
bool IsQuote(char c) { return c == '"' || c == '\''; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c; }

std::vector<std::string> Tokenize(const char* p)
{
    std::vector<std::string> words;
    if (!p)
        return words;
    for (;;) {
        while (IsBlank(*p))
            ++p;
        if (!*p)
            break;
        const char* pClose = IsQuote(*p) ? std::strchr(p + 1, *p) : nullptr;
        if (pClose) {
            words.emplace_back(p + 1, pClose);
            p = pClose + 1;
            continue;
        }
        const char* pStart = p;
        while (*p && !IsBlank(*p))
            ++p;
        words.emplace_back(pStart, p);
    }
    return words;
}

std::vector<std::string> Split(const char* psz, const char* pszSep)
{
    std::vector<std::string> pieces;
    std::string s(psz ? psz : "");
    size_t nSep = pszSep ? std::strlen(pszSep) : 0;
    if (s.empty())
        return pieces;
    if (nSep == 0) {
        pieces.push_back(s);
        return pieces;
    }
    size_t start = 0;
    while (start < s.size()) {
        size_t at = s.find(pszSep, start, nSep);
        if (at == std::string::npos)
            at = s.size();
        pieces.push_back(s.substr(start, at - start));
        start = at + nSep;
    }
    return pieces;
}

int Fill(const std::vector<std::string>& v, CStringArray& out)
{
    out.RemoveAll();
    for (const std::string& s : v)
        out.Add(CString(s));
    return (int)out.GetSize();
}

int Fill(const std::vector<std::string>& v, CStringList& out)
{
    out.RemoveAll();
    for (const std::string& s : v)
        out.AddTail(CString(s));
    return (int)out.GetCount();
}

}  // namespace

CString TrimBlanks(CString& str)
{
    str.Trim(g_strBlanks);
    return str;
}

CString QuoteIfNeeded(const char* psz, char chQuote)
{
    CString s(psz);
    int n = s.GetLength();
    if (n == 0 || s.Find(chQuote) >= 0)
        return s;
    if (s.FindOneOf(g_strBlanks) < 0 && !IsQuote(s[0]))
        return s;
    return CString(chQuote) + s + chQuote;
}

bool IsAbbrevNoCase(const char* pszAbbrev, const char* pszWord, int nMinLength)
{
    if (!pszAbbrev || !pszWord)
        return false;
    size_t n = std::strlen(pszAbbrev);
    if (n < (size_t)(nMinLength < 1 ? 1 : nMinLength) || n > std::strlen(pszWord))
        return false;
    for (size_t i = 0; i < n; ++i)
        if (AsciiLower(pszAbbrev[i]) != AsciiLower(pszWord[i]))
            return false;
    return true;
}

int ParseStmt(const char* pszStmt, CStringArray& words) { return Fill(Tokenize(pszStmt), words); }
int ParseStmt(const char* pszStmt, CStringList& words) { return Fill(Tokenize(pszStmt), words); }

bool StdMSWinCommandLineParse(const char* pszCmdLine, CStringArray& words)
{
    words.RemoveAll();
    const char* p = pszCmdLine ? pszCmdLine : "";
    for (;;) {
        while (IsBlank(*p))
            ++p;
        if (!*p)
            return true;
        std::string word;
        bool bQuoted = false;
        for (; *p && (bQuoted || !IsBlank(*p)); ++p) {
            if (*p == '\\') {
                size_t n = std::strspn(p, "\\");
                if (p[n] == '"') {
                    word.append(n / 2, '\\');
                    p += n;
                    if (n % 2) {
                        word += '"';  // an escaped quote
                        continue;
                    }
                } else {
                    word.append(n, '\\');
                    p += n - 1;
                    continue;
                }
            }
            if (*p != '"')
                word += *p;
            else if (bQuoted && p[1] == '"')
                word += *++p;  // "" inside quotes: one literal quote
            else
                bQuoted = !bQuoted;
        }
        if (bQuoted) {
            words.RemoveAll();
            return false;
        }
        words.Add(CString(word));
    }
}

int SplitString(const char* psz, const char* pszSep, CStringArray& pieces) { return Fill(Split(psz, pszSep), pieces); }
int SplitString(const char* psz, const char* pszSep, CStringList& pieces) { return Fill(Split(psz, pszSep), pieces); }

CString ExpandTabs(const char* psz, int nTabSize)
{
    if (nTabSize < 1)
        nTabSize = 8;
    std::string out;
    size_t col = 0;
    for (const char* p = psz ? psz : ""; *p; ++p) {
        if (*p == '\t') {
            size_t n = (size_t)nTabSize - col % (size_t)nTabSize;
            out.append(n, ' ');
            col += n;
        } else {
            out += *p;
            col = (*p == '\n' || *p == '\r') ? 0 : col + 1;
        }
    }
    return CString(out);
}

namespace {

std::string BoundShownLine(const std::string& line)
{
    const size_t nMax = (size_t)kShownLineMax;
    if (line.size() <= nMax)
        return line;
    const size_t nHead = (nMax - 3) / 2, nTail = nMax - 3 - nHead;
    return line.substr(0, nHead) + "..." + line.substr(line.size() - nTail);
}

// A run without blanks in pieces of at most kShownRunMax characters, each
// after the first on a line of its own.
std::string BreakShownRun(std::string run)
{
    const size_t nMax = (size_t)kShownRunMax;
    std::string out;
    while (run.size() > nMax) {
        size_t nCut = run.find_last_of("\\/", nMax - 1);
        nCut = nCut != std::string::npos && nCut >= nMax / 2 ? nCut + 1 : nMax;
        out += run.substr(0, nCut) + "\n";
        run.erase(0, nCut);
    }
    return out + run;
}

}  // namespace

CString BoundShownText(const char* psz)
{
    std::string text(psz ? psz : ""), out;
    size_t nStart = 0;
    for (;;) {
        size_t nEol = text.find('\n', nStart);
        std::string line = BoundShownLine(text.substr(nStart, nEol == std::string::npos ? nEol : nEol - nStart));
        for (size_t i = 0; i < line.size();) {
            if (IsBlank(line[i])) {
                out += line[i++];
                continue;
            }
            size_t nEnd = std::min(line.find_first_of(g_strBlanks, i), line.size());
            out += BreakShownRun(line.substr(i, nEnd - i));
            i = nEnd;
        }
        if (nEol == std::string::npos)
            return CString(out);
        out += '\n';
        nStart = nEol + 1;
    }
}
