// FileAttributesPosix.cpp: path attributes in the host build, from stat.
// There are no hidden or system attributes; read-only is the owner's write bit.
#include "config/FileAttributes.h"

#include <sys/stat.h>

#include <string>

SPathAttributes GetPathAttributes(const char* pszPath)
{
    SPathAttributes attr;
    std::string path = pszPath ? pszPath : "";
    for (char& c : path)
        if (c == '\\')
            c = '/';
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return attr;
    attr.bExists = true;
    attr.bDirectory = S_ISDIR(st.st_mode);
    attr.bReadOnly = (st.st_mode & S_IWUSR) == 0;
    attr.ullSize = (UINT64)st.st_size;
    return attr;
}
