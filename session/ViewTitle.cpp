// ViewTitle.cpp: the main window's title.
#include "session/ViewTitle.h"

CString PathFileNameAndExt(const char* pszPath)
{
    if (!pszPath)
        return CString();
    const char* pszName = pszPath;
    for (const char* p = pszPath; *p; ++p)
        if (*p == '\\' || *p == '/')
            pszName = p + 1;
    return CString(pszName);
}

CString BuildViewTitle(const char* pszConfigPath, const char* pszDocPath, bool bConfigModified, bool bDocModified,
                       const char* pszAppName)
{
    CString strConfig = PathFileNameAndExt(pszConfigPath);
    CString strTitle = " ";
    if (bConfigModified)
        strTitle += "*";
    strTitle += pszAppName;
    strTitle += " -  [ ";
    strTitle += strConfig;
    if (pszDocPath && *pszDocPath) {
        if (!strConfig.IsEmpty())
            strTitle += "  -->  ";
        strTitle += PathFileNameAndExt(pszDocPath);
    }
    strTitle += " ]";
    if (bDocModified)
        strTitle += "*";
    strTitle += "  ";
    return strTitle;
}
