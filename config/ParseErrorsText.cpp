// ParseErrorsText.cpp: the parse-errors dialog's text.
#include "config/ParseErrorsText.h"

CString BuildParseErrorsText(const CStringArray& errors, const CStringArray& lines)
{
    CString strText;
    for (const CString& strError : errors)
        strText += strError + "\r\n";
    strText += "\r\n";
    CString strLine;
    for (INT_PTR i = 0; i < lines.GetSize(); i++) {
        strLine.Format("%2d: %s\r\n", (int)(i + 1), lines[i].GetString());
        strText += strLine;
    }
    return strText;
}
