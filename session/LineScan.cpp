// LineScan.cpp: FindByte and FindLastByte. A word of four bytes holds byte c when the word
// XORed with c repeated has a zero byte; (x - 0x01010101) & ~x & 0x80808080
// is not 0 exactly when x has one.
#include "session/LineScan.h"

#include <cstdint>
#include <cstring>

const char* FindByte(const char* p, size_t n, char c)
{
    const uint32_t kOnes = 0x01010101u, kHighs = 0x80808080u;
    const uint32_t kPattern = kOnes * (unsigned char)c;
    for (; n >= 4; p += 4, n -= 4) {
        uint32_t w;
        std::memcpy(&w, p, sizeof w);
        uint32_t x = w ^ kPattern;
        if (((x - kOnes) & ~x & kHighs) != 0)
            break;
    }
    for (; n > 0; ++p, --n)
        if (*p == c)
            return p;
    return nullptr;
}

const char* FindLastByte(const char* p, size_t n, char c)
{
    const uint32_t kOnes = 0x01010101u, kHighs = 0x80808080u;
    const uint32_t kPattern = kOnes * (unsigned char)c;
    for (; n >= 4; n -= 4) {
        uint32_t w;
        std::memcpy(&w, p + n - 4, sizeof w);
        uint32_t x = w ^ kPattern;
        if (((x - kOnes) & ~x & kHighs) != 0)
            break;
    }
    for (; n > 0; --n)
        if (p[n - 1] == c)
            return p + n - 1;
    return nullptr;
}
