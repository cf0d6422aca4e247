// TraceWin.cpp: the trace output and system error texts on Windows.
#include "platform/Trace.h"

void WriteTraceLineDefault(const char* pszLine)
{
    CString line(pszLine);
    line += "\n";
    ::OutputDebugStringA(line);
}

void RestoreLastSystemError(DWORD dwError)
{
    ::SetLastError(dwError);
}

DWORD GetLastSystemError()
{
    return ::GetLastError();
}

CString FormatLastError(DWORD dwError)
{
    char* pBuf = nullptr;
    DWORD n = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                   FORMAT_MESSAGE_IGNORE_INSERTS,
                               nullptr, dwError, 0, (LPSTR)&pBuf, 0, nullptr);
    CString s;
    if (n && pBuf)
        s = CString(pBuf, (int)n);
    if (pBuf)
        ::LocalFree(pBuf);
    s.TrimRight(" \t\r\n");
    if (s.IsEmpty())
        s.Format("Error %u", (unsigned)dwError);
    return s;
}
