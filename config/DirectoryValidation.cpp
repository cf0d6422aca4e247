// DirectoryValidation.cpp: the directory check of the configuration and the
// dialogs. It asks the file system about the folder instead of making it the
// process's current directory, which other threads rely on.
#include "config/DirectoryValidation.h"

#include <filesystem>
#include <system_error>

#include "config/StartupObjects.h"
#include "platform/PathFunctions.h"

namespace fs = std::filesystem;

bool ValidateDirectory(const CString& strDir, int& nReason)
{
    CString strStd = StandardizedDirectory(strDir);
    if (strStd.IsEmpty()) {
        nReason = 0;
        return false;
    }
    std::error_code ec;
    fs::file_status st = fs::status(fs::path(strStd.str()), ec);
    if (fs::is_directory(st))
        return true;
    nReason = st.type() == fs::file_type::not_found ? 3 : 1;
    return false;
}

bool ValidateDirectoryMsg(const CString& strDir, CString& strMsg)
{
    int nReason = 0;
    if (ValidateDirectory(strDir, nReason)) {
        strMsg.Empty();
        return true;
    }
    switch (nReason) {
    case 0: strMsg = "You must specify a valid directory."; break;
    case 3: strMsg = "The specified directory was not found."; break;
    default: strMsg = "The specified directory name or path is not valid."; break;
    }
    return false;
}

bool IsValidDirectory(const CString& strDir)
{
    CString strMsg;
    return ValidateDirectoryMsg(strDir, strMsg);
}

bool IsValidExecutablesDir(const CString& strDir)
{
    return IsValidDirectory(strDir) && FileExists(StandardizedDirectory(strDir, true) + g_strEmulatorExeName);
}

CString EmulatorProgramQuoted()
{
    CString str = "\"" + g_strEmulatorExeName + "\"";
    if (!g_strProfileEmulatorExeName.IsEmpty() && g_strEmulatorExeName.CompareNoCase(g_strProfileEmulatorExeName) != 0)
        str += " (named with -e)";
    return str;
}
