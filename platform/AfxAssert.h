// AfxAssert.h: ASSERT for programmer errors. Checked in debug builds (a
// message box with file and line, then a break into the debugger); compiled
// away in release builds, where the expression is not evaluated.
#pragma once

#ifndef ASSERT
#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#else
void AfxAssertFailed(const char* pszFile, int nLine);
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailed(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#endif
#endif
