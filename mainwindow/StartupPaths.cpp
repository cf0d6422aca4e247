// StartupPaths.cpp: help-file and settings-file paths of the start-up.
#include "mainwindow/StartupPaths.h"

#include <string.h>

#include "platform/PathFunctions.h"

namespace {

// Build-output folder endings, longest first, so "\x64\Debug\" is not taken
// for "\Debug\".
const char* const kBuildFolders[] = {"\\x64\\Debug\\", "\\x64\\Release\\", "\\Release\\", "\\Debug\\"};

bool EndsWithNoCase(const CString& str, const char* pszEnd)
{
    int n = (int)strlen(pszEnd);
    return str.GetLength() >= n && str.Right(n).CompareNoCase(pszEnd) == 0;
}

}  // namespace

CString HelpFileFolder(const char* pszDefaultHelpFolder)
{
    CString folder = WindowsizedDirectory(pszDefaultHelpFolder, true);
    for (const char* pszEnd : kBuildFolders) {
        if (EndsWithNoCase(folder, pszEnd)) {
            // Drop the ending but keep its leading backslash.
            return folder.Left(folder.GetLength() - (int)strlen(pszEnd) + 1);
        }
    }
    return folder;
}

CString HelpFilePath(const char* pszDefaultHelpFolder)
{
    return HelpFileFolder(pszDefaultHelpFolder) + "VornGUI.chm";
}

CString IniFilePath(const char* pszIniArg, const char* pszStartupDir)
{
    CString name(pszIniArg ? pszIniArg : "");
    if (name.IsEmpty())
        name = "VornGUI.ini";
    if (name.FindOneOf("\\/:") >= 0)
        return name;
    CString dir(pszStartupDir ? pszStartupDir : "");
    if (!dir.IsEmpty() && dir[dir.GetLength() - 1] != '\\')
        dir += '\\';
    return dir + name;
}
