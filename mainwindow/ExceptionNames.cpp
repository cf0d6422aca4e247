// ExceptionNames.cpp: the table of exception names.
#include "mainwindow/ExceptionNames.h"

namespace {

struct ExceptionName {
    DWORD dwCode;
    const char* pszName;
};

const ExceptionName kNames[] = {
    {0xC0000005, "ACCESS_VIOLATION"},
    {0x80000001, "GUARD_PAGE"},
    {0x80000002, "DATATYPE_MISALIGNMENT"},
    {0x80000003, "BREAKPOINT"},
    {0x80000004, "SINGLE_STEP"},
    {0xC0000006, "IN_PAGE_ERROR"},
    {0xC0000008, "INVALID_HANDLE"},
    {0xC000001D, "ILLEGAL_INSTRUCTION"},
    {0xC0000025, "NONCONTINUABLE_EXCEPTION"},
    {0xC0000026, "INVALID_DISPOSITION"},
    {0xC000008C, "ARRAY_BOUNDS_EXCEEDED"},
    {0xC000008D, "FLT_DENORMAL_OPERAND"},
    {0xC000008E, "FLT_DIVIDE_BY_ZERO"},
    {0xC000008F, "FLT_INEXACT_RESULT"},
    {0xC0000090, "FLT_INVALID_OPERATION"},
    {0xC0000091, "FLT_OVERFLOW"},
    {0xC0000092, "FLT_STACK_CHECK"},
    {0xC0000093, "FLT_UNDERFLOW"},
    {0xC0000094, "INT_DIVIDE_BY_ZERO"},
    {0xC0000095, "INT_OVERFLOW"},
    {0xC0000096, "PRIV_INSTRUCTION"},
    {0xC00000FD, "STACK_OVERFLOW"},
};

}  // namespace

const char* KnownExceptionName(DWORD dwCode)
{
    for (const ExceptionName& e : kNames) {
        if (e.dwCode == dwCode)
            return e.pszName;
    }
    return nullptr;
}

bool IsFatalExceptionCode(DWORD dwCode)
{
    return (dwCode & 0xF0000000u) == 0xC0000000u;
}
