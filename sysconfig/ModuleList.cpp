// ModuleList.cpp: LDMOD and MODPATH to and from the module browser's choice.
#include "sysconfig/ModuleList.h"

#include "platform/TextFunctions.h"

const char g_strModulesOneFolder[] =
    "All additional modules must be chosen from one folder: only their names and one module folder (MODPATH) "
    "are stored.";

namespace {

// Splits a path at its last separator: the folder (without its trailing
// separator, "" when there is none) and the file name.
void SplitFolder(const CString& strPath, CString& strFolder, CString& strName)
{
    int nSep = -1;
    for (int i = 0; i < strPath.GetLength(); ++i)
        if (strPath[i] == '\\' || strPath[i] == '/')
            nSep = i;
    strFolder = nSep < 0 ? CString() : strPath.Left(nSep);
    strName = strPath.Mid(nSep + 1);
}

CString JoinFolder(const CString& strFolder, const CString& strName)
{
    if (strFolder.IsEmpty())
        return strName;
    char chLast = strFolder[strFolder.GetLength() - 1];
    return chLast == '\\' || chLast == '/' ? strFolder + strName : strFolder + "\\" + strName;
}

// strFolder without a trailing separator (a drive's root keeps it).
CString FolderKey(CString strFolder)
{
    while (strFolder.GetLength() > 1 && (strFolder.Right(1) == "\\" || strFolder.Right(1) == "/") &&
           strFolder.Right(2) != ":\\")
        strFolder = strFolder.Left(strFolder.GetLength() - 1);
    return strFolder;
}

}  // namespace

void LdModToSelection(const CString& strLdMod, CString& strModPath, CStringArray& list, CString& strInitial)
{
    list.RemoveAll();
    strInitial.Empty();
    CString strTrimmed = strLdMod;
    if (TrimBlanks(strTrimmed).IsEmpty())
        return;
    CStringArray words;
    ParseStmt(strLdMod, words);
    for (int i = 0; i < (int)words.GetSize(); ++i) {
        CString strFolder, strName;
        SplitFolder(words[i], strFolder, strName);
        if (strFolder.IsEmpty())
            strFolder = strModPath;
        else if (strModPath.IsEmpty())
            strModPath = strFolder;
        CString strFull = JoinFolder(strFolder, strName);
        TrimBlanks(strFull);
        list.Add(strFull);
        strInitial += QuoteIfNeeded(strFull) + " ";
    }
    TrimBlanks(strInitial);
}

bool LdModFromChoice(const CStringArray& chosen, CString& strModPath, CString& strLdMod)
{
    CString strFolder, strNames;
    for (int i = 0; i < (int)chosen.GetSize(); ++i) {
        CString strThisFolder, strName;
        SplitFolder(chosen[i], strThisFolder, strName);
        if (i == 0)
            strFolder = strThisFolder;
        else if (FolderKey(strThisFolder).CompareNoCase(FolderKey(strFolder)) != 0)
            return false;
        strNames += QuoteIfNeeded(strName) + " ";
    }
    if (chosen.GetSize() > 0)
        strModPath = strFolder;
    strLdMod = TrimBlanks(strNames);
    return true;
}
