// UnwrittenTexts.cpp: see UnwrittenTexts.h.
#include "session/UnwrittenTexts.h"

namespace {

// "1 message", "2 messages" (pszNoun in the singular).
CString Counted(INT_PTR n, const char* pszNoun)
{
    CString str;
    str.Format("%d %s%s", (int)n, pszNoun, n == 1 ? "" : "s");
    return str;
}

const char* Was(INT_PTR n)
{
    return n == 1 ? "was" : "were";
}

}  // namespace

CString LogResumedState(INT_PTR nLost)
{
    if (nLost <= 0)
        return "resumed";
    return "resumed: " + Counted(nLost, "message") + " " + Was(nLost) + " not written";
}

CString LogGapNote(INT_PTR nLost)
{
    return "* " + Counted(nLost, "console message") + (nLost == 1 ? " is missing here: it" : " are missing here: they") +
           " could not be written to this file.";
}

CString UnwrittenLinesText(INT_PTR nWaiting, INT_PTR nLost, const CString& strPath)
{
    CString str;
    if (nWaiting == 1)
        str.Format("The newest console message is kept in memory only: it was not written to \"%s\".",
                   strPath.GetString());
    else if (nWaiting > 1)
        str.Format("The newest %d console messages are kept in memory only: they were not written to \"%s\".",
                   (int)nWaiting, strPath.GetString());
    if (nLost <= 0)
        return str;
    CString strLost = Counted(nLost, "console message");
    if (nWaiting > 0)
        return str + " " + strLost + (nWaiting == 1 ? " before it " : " before them ") + Was(nLost) +
               " not written either.";
    return strLost + " " + Was(nLost) + " not written to \"" + strPath + "\".";
}
