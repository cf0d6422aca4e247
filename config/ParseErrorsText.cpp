// ParseErrorsText.cpp: the parse-errors dialog's text.
#include "config/ParseErrorsText.h"

namespace {

// A line cut to the shown width; the cut is marked.
CString Shown(const CString& strLine)
{
    return strLine.GetLength() <= kParseErrorsLineChars ? strLine : strLine.Left(kParseErrorsLineChars) + "...";
}

// "... N more <what> not shown" and the hint, once entries are left out.
void AddLeftOut(CString& strText, INT_PTR nLeftOut, const char* pszWhat, const char* pszHint)
{
    if (nLeftOut <= 0)
        return;
    CString strLine;
    strLine.Format("... %d more %s not shown%s\r\n", (int)nLeftOut, pszWhat, pszHint);
    strText += strLine;
}

}  // namespace

CString BuildParseErrorsText(const CStringArray& errors, const CStringArray& lines)
{
    CString strText;
    INT_PTR nError = 0;
    for (; nError < errors.GetSize() && strText.GetLength() < kParseErrorsErrorChars; nError++)
        strText += Shown(errors[nError]) + "\r\n";
    AddLeftOut(strText, errors.GetSize() - nError, "messages", ".");
    strText += "\r\n";
    CString strLine;
    INT_PTR nLine = 0;
    for (; nLine < lines.GetSize() && strText.GetLength() < kParseErrorsTextChars; nLine++) {
        strLine.Format("%2d: %s\r\n", (int)(nLine + 1), Shown(lines[nLine]).GetString());
        strText += strLine;
    }
    AddLeftOut(strText, lines.GetSize() - nLine, "lines", ": Edit opens the whole file.");
    return strText;
}
