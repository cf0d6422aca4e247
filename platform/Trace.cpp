// Trace.cpp: trace lines and the record of failed system calls.
#include "platform/Trace.h"

#include <cstdarg>
#include <cstring>
#include <mutex>

// Provided per platform (TraceWin.cpp, TracePosix.cpp).
void WriteTraceLineDefault(const char* pszLine);
void RestoreLastSystemError(DWORD dwError);

namespace {

std::mutex g_sinkLock;
TraceSink g_sink;

void WriteTraceLine(const char* pszLine)
{
    std::lock_guard<std::mutex> lock(g_sinkLock);
    if (g_sink)
        g_sink(pszLine);
    else
        WriteTraceLineDefault(pszLine);
}

}  // namespace

TraceSink SetTraceSink(TraceSink sink)
{
    std::lock_guard<std::mutex> lock(g_sinkLock);
    TraceSink old = std::move(g_sink);
    g_sink = std::move(sink);
    return old;
}

void WrenLibAfxTraceEx(const char* pszFunction, const char* pszFormat, ...)
{
    CString text;
    va_list args;
    va_start(args, pszFormat);
    text.FormatV(pszFormat ? pszFormat : "", args);
    va_end(args);
    CString line(pszFunction ? pszFunction : "");
    line += ": ";
    line += text;
    WriteTraceLine(line);
}

CString QualifiedFunctionName(const char* pszPrettyFunction)
{
    std::string s(pszPrettyFunction ? pszPrettyFunction : "");
    size_t paren = s.find('(');
    if (paren == std::string::npos)
        return CString(s);
    // The name starts after the last blank before the parameter list that is
    // not inside template brackets.
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < paren; ++i) {
        if (s[i] == '<')
            ++depth;
        else if (s[i] == '>')
            --depth;
        else if (s[i] == ' ' && depth == 0)
            start = i + 1;
    }
    std::string name = s.substr(start, paren - start);
    while (!name.empty() && (name[0] == '*' || name[0] == '&'))
        name.erase(0, 1);
    return CString(name);
}

DWORD TraceFailedCall(const char* pszPrettyFunction, const char* pszCall, DWORD dwError)
{
    CString name = QualifiedFunctionName(pszPrettyFunction);
    WrenLibAfxTraceEx(name, "%s FAILED! rc = %u (0x%08.8X): %s", pszCall ? pszCall : "", (unsigned)dwError,
                      (unsigned)dwError, FormatLastError(dwError).GetString());
    RestoreLastSystemError(dwError);
    return dwError;
}
