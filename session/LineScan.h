// LineScan.h: the search that every line of a flood goes through, four
// bytes a step: under Wine the C runtime's memchr and strlen look at one
// byte at a time, and their scans were most of a pipe reader's time.
// Window-free.
#pragma once

#include <cstddef>

// The first byte c in [p, p + n), or null. Reads only inside the range.
const char* FindByte(const char* p, size_t n, char c);
// The last byte c in [p, p + n), or null; the search goes from the end.
const char* FindLastByte(const char* p, size_t n, char c);
inline char* FindByte(char* p, size_t n, char c)
{
    return const_cast<char*>(FindByte(const_cast<const char*>(p), n, c));
}
