// UtilityCommandLine.cpp: re-quoting a utility's command line.
#include "session/UtilityCommandLine.h"

#include "platform/TextFunctions.h"

namespace {

// One word as the child's command-line parser must see it. An empty word
// stays a word ("") instead of vanishing between two blanks.
CString QuoteWord(const CString& strWord)
{
    if (strWord.IsEmpty())
        return CString("\"\"");
    return QuoteIfNeeded(strWord);
}

}  // namespace

CString BuildUtilityCommandLine(const char* pszCommand, const char* pszExeDir)
{
    CStringArray words;
    if (ParseStmt(pszCommand, words) == 0)
        return CString();
    CString strProgram(pszExeDir);
    strProgram += words[0];
    CString strResult = QuoteWord(strProgram);
    for (INT_PTR i = 1; i < words.GetSize(); ++i) {
        strResult += ' ';
        strResult += QuoteWord(words[i]);
    }
    strResult += " EXTERNALGUI";
    return strResult;
}
