// Types.h: the Windows scalar types that window-free code uses (BYTE, WORD,
// DWORD, UINT, BOOL, LPCSTR ...). On Windows they come from the system headers;
// the host build of the window-free code defines the same names here.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef unsigned int UINT;
typedef int INT;
typedef int BOOL;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int64_t INT64;
typedef uint64_t UINT64;
typedef int64_t LONGLONG;
typedef uint64_t ULONGLONG;
typedef int64_t __int64;
typedef uintptr_t UINT_PTR;
typedef intptr_t INT_PTR;
typedef uintptr_t DWORD_PTR;
typedef char CHAR;
typedef char TCHAR;
typedef const char* LPCSTR;
typedef const char* LPCTSTR;
typedef char* LPSTR;
typedef char* LPTSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* LPBYTE;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
#define MAX_PATH 260
#define _T(x) x

// The geometry structures, for window-free arithmetic on rectangles.
typedef struct tagPOINT { LONG x; LONG y; } POINT;
typedef struct tagSIZE { LONG cx; LONG cy; } SIZE;
typedef struct tagRECT { LONG left; LONG top; LONG right; LONG bottom; } RECT;
#endif
