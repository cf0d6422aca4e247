// FileAttributesWin.cpp: path attributes from GetFileAttributesEx.
#include "config/FileAttributes.h"

SPathAttributes GetPathAttributes(const char* pszPath)
{
    SPathAttributes attr;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!pszPath || !*pszPath || !::GetFileAttributesExA(pszPath, GetFileExInfoStandard, &data))
        return attr;
    attr.bExists = true;
    attr.bDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    attr.bReadOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    attr.bHiddenOrSystem = (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
    attr.ullSize = ((UINT64)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    return attr;
}
