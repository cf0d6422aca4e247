// ExceptionNames.h: the names the crash report gives the processor
// exceptions it knows ("ACCESS_VIOLATION" for 0xC0000005 ...). Window-free.
#pragma once

#include "platform/Types.h"

// The name of a known exception code, null for any other code.
const char* KnownExceptionName(DWORD dwCode);

// True for the codes that end a thread when nobody handles them: errors
// (severity bits 11), not warnings or notices the system raises in passing.
bool IsFatalExceptionCode(DWORD dwCode);
