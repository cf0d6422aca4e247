// FileDialogPaths.cpp: file dialog texts.
#include "config/FileDialogPaths.h"

#include <cstring>

#include "config/DirectoryValidation.h"
#include "platform/CSplitPath.h"
#include "platform/PathFunctions.h"
#include "platform/TextFunctions.h"

CString BuildFileFilter(const char* pszDescription, const char* pszPattern)
{
    CString strDesc = pszDescription ? pszDescription : "", strPattern = pszPattern ? pszPattern : "";
    return strDesc + " (" + strPattern + ")|" + strPattern + "|All Files (*.*)|*.*||";
}

CString FilterDefaultExtension(const char* pszFilter)
{
    CString strFilter = pszFilter ? pszFilter : "";
    int nBar = strFilter.Find('|');
    if (nBar < 0)
        return CString();
    CString strPattern = strFilter.Mid(nBar + 1).SpanExcluding("|;");
    int nDot = strPattern.Find('.');
    CString strExt = nDot < 0 ? CString() : strPattern.Mid(nDot + 1);
    TrimBlanks(strExt);
    return strExt.FindOneOf("*?.") < 0 ? strExt : CString();
}

CString ChooseInitialFolder(const char* const* ppszCandidates, int nCount)
{
    for (int i = 0; i < nCount; i++) {
        if (!ppszCandidates[i] || !*ppszCandidates[i])
            continue;
        CString strDir = CSplitPath(ppszCandidates[i]).GetFullPathOnly();
        if (IsValidDirectory(strDir))
            return WindowsizedDirectory(strDir, true);
    }
    if (!g_strWindowsizedDefaultInitialDir.IsEmpty())
        return g_strWindowsizedDefaultInitialDir;
    return WindowsizedDirectory(GetStdCurrentDirectory(), true);
}

CString NormalizeChosenPath(const char* pszPath)
{
    CString strPath = pszPath ? pszPath : "";
    bool bNetwork = strPath.GetLength() >= 2 && (strPath[0] == '/' || strPath[0] == '\\') &&
                    (strPath[1] == '/' || strPath[1] == '\\');
    if (bNetwork)
        strPath = strPath.Mid(2);
    static const char* const kPairs[] = {"\\\\", "/\\", "\\/", "//"};
    for (bool bChanged = true; bChanged;) {
        bChanged = false;
        for (const char* pszPair : kPairs)
            bChanged |= strPath.Replace(pszPair, "/") > 0;
    }
    return WindowsizedDirectory(bNetwork ? "//" + strPath : strPath);
}

void SplitMultiSelectBuffer(const char* pBuffer, size_t nBufferChars, CStringArray& paths)
{
    paths.RemoveAll();
    CStringArray parts;
    for (size_t i = 0; i < nBufferChars && pBuffer[i];) {
        size_t n = strnlen(pBuffer + i, nBufferChars - i);
        parts.Add(CString(pBuffer + i, (int)n));
        i += n + 1;
    }
    if (parts.GetSize() == 1)
        paths.Add(NormalizeChosenPath(parts[0]));
    for (INT_PTR i = 1; i < parts.GetSize(); i++)
        paths.Add(NormalizeChosenPath(parts[0] + "\\" + parts[i]));
}

CString JoinQuotedPaths(const CStringArray& paths)
{
    CString strAll;
    for (INT_PTR i = 0; i < paths.GetSize(); i++) {
        if (i)
            strAll += ' ';
        strAll += QuoteIfNeeded(paths[i], '"');
    }
    return strAll;
}
