// LineScan.cpp: FindByte and FindLastByte. A word of four bytes holds byte c
// when the word XORed with c repeated has a zero byte;
// (x - 0x01010101) & ~x & 0x80808080 is not 0 exactly when x has one.
#include "session/LineScan.h"

#include <cstdint>
#include <cstring>

namespace {

const uint32_t kOnes = 0x01010101u, kHighs = 0x80808080u;

// True when one of the four bytes at p is the byte that nPattern repeats.
bool WordHolds(const char* p, uint32_t nPattern)
{
    uint32_t w;
    std::memcpy(&w, p, sizeof w);
    uint32_t x = w ^ nPattern;
    return ((x - kOnes) & ~x & kHighs) != 0;
}

}  // namespace

const char* FindByte(const char* p, size_t n, char c)
{
    const uint32_t nPattern = kOnes * (unsigned char)c;
    for (; n >= 4 && !WordHolds(p, nPattern); p += 4, n -= 4) {
    }
    for (; n > 0; ++p, --n)
        if (*p == c)
            return p;
    return nullptr;
}

const char* FindLastByte(const char* p, size_t n, char c)
{
    const uint32_t nPattern = kOnes * (unsigned char)c;
    for (; n >= 4 && !WordHolds(p + n - 4, nPattern); n -= 4) {
    }
    for (; n > 0; --n)
        if (p[n - 1] == c)
            return p + n - 1;
    return nullptr;
}
