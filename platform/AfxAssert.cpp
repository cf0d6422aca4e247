// AfxAssert.cpp: the report of a failed ASSERT in debug builds.
#include "platform/AfxAssert.h"

#include <windows.h>

#ifndef NDEBUG
void AfxAssertFailed(const char* pszFile, int nLine)
{
    char text[MAX_PATH + 64];
    ::wsprintfA(text, "Assertion failed: %s, line %d", pszFile, nLine);
    ::OutputDebugStringA(text);
    if (::MessageBoxA(nullptr, text, "Assertion failed", MB_OKCANCEL | MB_ICONERROR | MB_TASKMODAL) == IDCANCEL)
        ::DebugBreak();
}
#endif
