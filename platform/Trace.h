// Trace.h: the trace channel of run-time facts, and the one way every failed
// system call is recorded:
//   "<call as written> FAILED! rc = %u (0x%08.8X): <system text>"
// traced under the calling function's qualified name. Trace lines go to
// OutputDebugString on Windows and to standard error in the host build, or
// to a sink that a test installs.
#pragma once

#include <functional>

#include "platform/CString.h"

// Traces one line "<function>: <text>" with printf-style text.
void WrenLibAfxTraceEx(const char* pszFunction, const char* pszFormat, ...);

// The system's text for an error code, without its line end; "Error %u" when
// the system has none.
CString FormatLastError(DWORD dwError);

// The calling thread's last system error (GetLastError on Windows, errno in
// the host build).
DWORD GetLastSystemError();

// Traces a failed call and returns dwError; on Windows the thread's last
// error is left as it was, so the caller may still read it.
DWORD TraceFailedCall(const char* pszPrettyFunction, const char* pszCall, DWORD dwError);

// "CClass::Function" out of a compiler's full function signature
// ("bool CClass::Function(int)").
CString QualifiedFunctionName(const char* pszPrettyFunction);

// Replaces where trace lines go (each line passed without its line end);
// an empty function restores the default. Returns the previous sink.
typedef std::function<void(const char*)> TraceSink;
TraceSink SetTraceSink(TraceSink sink);

// Use right after the failed call, before anything can change the error:
//   if (!::CreatePipe(&hRead, &hWrite, &sa, 0)) TRACE_FAILED_CALL("CreatePipe(&hRead, &hWrite, &sa, 0)");
#define TRACE_FAILED_CALL(call) TraceFailedCall(__PRETTY_FUNCTION__, call, GetLastSystemError())
