// FileSystemWin.cpp: the current directory and file existence on Windows.
#include <vector>

#include "platform/PathFunctions.h"
#include "platform/Trace.h"

CString GetStdCurrentDirectory()
{
    DWORD n = ::GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buf(n + 1);
    if (n == 0 || ::GetCurrentDirectoryA((DWORD)buf.size(), buf.data()) == 0) {
        TRACE_FAILED_CALL("GetCurrentDirectoryA(...)");
        return CString();
    }
    return StandardizedDirectory(buf.data(), true);
}

bool FileExists(const char* pszPath)
{
    if (!pszPath || !*pszPath)
        return false;
    DWORD dwAttr = ::GetFileAttributesA(pszPath);
    return dwAttr != INVALID_FILE_ATTRIBUTES && !(dwAttr & FILE_ATTRIBUTE_DIRECTORY);
}
