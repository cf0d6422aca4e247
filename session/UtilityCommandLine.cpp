// UtilityCommandLine.cpp: re-quoting a utility's command line.
//
// The dialog's command line is split into words by ParseStmt; the child gets
// them back through its C runtime's command-line parser, whose rules are
// not ParseStmt's: a '"' inside a word, or backslashes before a closing
// quotation mark, would otherwise merge or split words (and could swallow
// the trailing EXTERNALGUI).
#include "session/UtilityCommandLine.h"

#include <string>

#include "platform/TextFunctions.h"

namespace {

// The program: CreateProcess and the runtime take the first word up to the
// closing '"' without any escapes (a path cannot hold '"').
CString QuoteProgram(const CString& strProgram)
{
    if (strProgram.IsEmpty())
        return CString("\"\"");
    return QuoteIfNeeded(strProgram);
}

}  // namespace

CString QuoteArgument(const CString& strWord)
{
    if (!strWord.IsEmpty() && strWord.FindOneOf(" \t\"") < 0)
        return strWord;
    const std::string& s = strWord.str();
    std::string out = "\"";
    size_t nBackslashes = 0;
    for (char ch : s) {
        if (ch == '\\') {
            ++nBackslashes;
            continue;
        }
        if (ch == '"')
            nBackslashes = nBackslashes * 2 + 1;
        out.append(nBackslashes, '\\');
        nBackslashes = 0;
        out += ch;
    }
    out.append(nBackslashes * 2, '\\');
    out += '"';
    return CString(out);
}

CString BuildUtilityCommandLine(const char* pszCommand, const char* pszExeDir)
{
    CStringArray words;
    if (ParseStmt(pszCommand, words) == 0)
        return CString();
    CString strProgram(pszExeDir);
    strProgram += words[0];
    CString strResult = QuoteProgram(strProgram);
    for (INT_PTR i = 1; i < words.GetSize(); ++i) {
        strResult += ' ';
        strResult += QuoteArgument(words[i]);
    }
    strResult += " EXTERNALGUI";
    return strResult;
}
