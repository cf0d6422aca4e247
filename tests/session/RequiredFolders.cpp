// RequiredFolders.cpp: valid required folders for the view's tests.
#include "tests/session/RequiredFolders.h"

#include <windows.h>

#include "config/StartupObjects.h"
#include "platform/ProfileStore.h"

namespace vorntest {

void WriteValidRequiredFolders(const std::string& strFolder)
{
    char szProgram[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szProgram, MAX_PATH);
    std::string strProgramDir(szProgram);
    strProgramDir.erase(strProgramDir.find_last_of('\\') + 1);
    g_strEmulatorExeName = "vornemu.exe";
    const char* const lists[] = {"ExecutablesFilesDirectories", "ConfigurationFilesDirectories", "LogFilesDirectories"};
    for (const char* pszList : lists) {
        ProfileWriteInt(pszList, "NumEntries", 1);
        ProfileWriteString(pszList, "1", pszList == lists[0] ? strProgramDir.c_str() : strFolder.c_str());
    }
}

}  // namespace vorntest
