// FileSystemPosix.cpp: the current directory and file existence for the host
// build of the window-free code.
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/PathFunctions.h"

CString GetStdCurrentDirectory()
{
    std::vector<char> buf(4096);
    if (!::getcwd(buf.data(), buf.size()))
        return CString();
    return StandardizedDirectory(buf.data(), true);
}

bool FileExists(const char* pszPath)
{
    struct stat st;
    return pszPath && *pszPath && ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}
