// TracePosix.cpp: the trace output and system errors of the host build.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/Trace.h"

void WriteTraceLineDefault(const char* pszLine)
{
    std::fprintf(stderr, "%s\n", pszLine);
}

void RestoreLastSystemError(DWORD dwError)
{
    errno = (int)dwError;
}

DWORD GetLastSystemError()
{
    return (DWORD)errno;
}

CString FormatLastError(DWORD dwError)
{
    CString s;
    s.Format("Error %u", (unsigned)dwError);
    return s;
}
