// ConsoleFind.cpp: plain substring search over the console lines.
#include "session/ConsoleFind.h"

#include "platform/TextFunctions.h"

CFindScope MakeFindScope(int nLineCount, int nSelFirst, int nSelLast, const CFindOptions& opt)
{
    CFindScope scope;
    bool bSel = nSelFirst >= 0 && nSelLast >= nSelFirst;
    if (opt.bWithinSelection && bSel) {
        scope.nFirst = nSelFirst;
        scope.nLast = nSelLast;
    } else {
        scope.nFirst = 0;
        scope.nLast = nLineCount - 1;
    }
    if (bSel && nSelFirst == nSelLast)
        scope.nStart = nSelFirst;
    else if (bSel)
        scope.nStart = opt.bForward ? nSelFirst - 1 : nSelLast + 1;
    else
        scope.nStart = opt.bForward ? scope.nFirst - 1 : scope.nLast + 1;
    return scope;
}

CString PrepareFindText(const CString& strText, const CFindOptions& opt)
{
    CString str = strText;
    if (!opt.bMatchCase)
        str.MakeLower();
    if (opt.bMatchWholeWord) {
        TrimBlanks(str);
        str = " " + str + " ";
    }
    return str;
}

int FindInLines(const std::function<CString(int)>& getLine, const CFindScope& scope,
                const CString& strFind, const CFindOptions& opt)
{
    int nRange = scope.nLast - scope.nFirst + 1;
    if (nRange <= 0 || strFind.IsEmpty())
        return -1;
    CString strPattern = PrepareFindText(strFind, opt);
    int nStep = opt.bForward ? 1 : -1;
    int nLine = scope.nStart;
    // At most one full pass over the range: a start inside the range comes
    // back to itself last, a start outside is never examined.
    for (int nExamined = 0; nExamined < nRange; ++nExamined) {
        nLine += nStep;
        if (nLine < scope.nFirst || nLine > scope.nLast) {
            if (!opt.bWrapAround)
                return -1;
            nLine = opt.bForward ? scope.nFirst : scope.nLast;
        }
        if (PrepareFindText(getLine(nLine), opt).Find(strPattern) >= 0)
            return nLine;
    }
    return -1;
}

CString FindNotFoundText(const CString& strFind, const CFindOptions& opt)
{
    CString str;
    str.Format("String \"%s\" not found", strFind.GetString());
    if (opt.bWithinSelection)
        str += " within selected lines.";
    else if (!opt.bWrapAround)
        str.AppendFormat(" searching %sward from here.", opt.bForward ? "for" : "back");
    else
        str += ".";
    return str;
}
