// LineScanTest.cpp: FindByte against the C library's memchr, and
// FindLastByte against a byte-by-byte search from the end, at every
// alignment, length and position, for line feeds, tabs, NULs and bytes
// with the high bit set.
#include "session/LineScan.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(LineScan, FindsWhatMemchrFindsAtEveryAlignmentAndLength)
{
    const char kBytes[] = {'\n', '\t', '\0', 'a', (char)0x80, (char)0xFF, (char)0x0B, (char)0x8A};
    std::vector<char> buffer(64 + 8);
    for (char c : kBytes) {
        for (size_t nOffset = 0; nOffset < 4; ++nOffset) {
            for (size_t n = 0; n <= 40; ++n) {
                // Absent, then at each place; other bytes around it that
                // differ from c by one bit only.
                for (int nAt = -1; nAt < (int)n; ++nAt) {
                    for (size_t i = 0; i < buffer.size(); ++i)
                        buffer[i] = (char)(c ^ (1 << (i % 8)));
                    char* p = buffer.data() + nOffset;
                    if (nAt >= 0)
                        p[nAt] = c;
                    p[n] = c;  // just past the range: never found
                    const void* pWant = std::memchr(p, c, n);
                    ASSERT_EQ((const void*)FindByte(p, n, c), pWant)
                        << "byte " << (int)(unsigned char)c << " offset " << nOffset << " length " << n << " at "
                        << nAt;
                }
            }
        }
    }
}

TEST(LineScan, FirstOfSeveralAndTheConstForm)
{
    const char kText[] = "ab\tcd\tef\n";
    EXPECT_EQ(FindByte(kText, sizeof kText - 1, '\t'), kText + 2);
    EXPECT_EQ(FindByte(kText, 2, '\t'), nullptr);
    EXPECT_EQ(FindByte(kText, sizeof kText - 1, '\n'), kText + 8);
    EXPECT_EQ(FindByte(kText, 0, 'a'), nullptr);
}

TEST(LineScan, FindLastByteFindsTheLastAtEveryAlignmentAndLength)
{
    const char kBytes[] = {'\n', '\0', 'a', (char)0x80, (char)0xFF, (char)0x8A};
    std::vector<char> buffer(64 + 8);
    for (char c : kBytes) {
        for (size_t nOffset = 0; nOffset < 4; ++nOffset) {
            for (size_t n = 0; n <= 40; ++n) {
                // Absent, once, or twice (at nAt and at nAt / 2); c also just
                // before and just after the range, where it is never found.
                for (int nAt = -1; nAt < (int)n; ++nAt) {
                    for (int nTwice = 0; nTwice < 2; ++nTwice) {
                        for (size_t i = 0; i < buffer.size(); ++i)
                            buffer[i] = (char)(c ^ (1 << (i % 8)));
                        char* p = buffer.data() + 4 + nOffset;
                        p[-1] = c;
                        p[n] = c;
                        if (nAt >= 0) {
                            p[nAt] = c;
                            if (nTwice)
                                p[nAt / 2] = c;
                        }
                        const char* pWant = nullptr;
                        for (size_t i = n; i > 0 && !pWant; --i)
                            if (p[i - 1] == c)
                                pWant = p + i - 1;
                        ASSERT_EQ(FindLastByte(p, n, c), pWant)
                            << "byte " << (int)(unsigned char)c << " offset " << nOffset << " length " << n
                            << " at " << nAt;
                    }
                }
            }
        }
    }
}
