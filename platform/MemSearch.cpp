// MemSearch.cpp: quick search forward and backward.
#include "platform/MemSearch.h"

#include <cstring>

// Forward: after a mismatch at pos, the byte just past the window decides the
// shift: the distance from its last occurrence in the pattern to the end.
void InitQuickForwardMemSearch(const BYTE* pPattern, size_t nPattern, QSTABLE& table)
{
    for (size_t& s : table.shift)
        s = nPattern + 1;
    for (size_t i = 0; pPattern && i < nPattern; ++i)
        table.shift[pPattern[i]] = nPattern - i;
}

// Backward: the byte just before the window decides, by its first occurrence.
void InitQuickBackwardMemSearch(const BYTE* pPattern, size_t nPattern, QSTABLE& table)
{
    for (size_t& s : table.shift)
        s = nPattern + 1;
    for (size_t i = nPattern; pPattern && i-- > 0;)
        table.shift[pPattern[i]] = i + 1;
}

const BYTE* QuickForwardMemSearch(const BYTE* pBuf, size_t nBuf, const BYTE* pPattern, size_t nPattern,
                                  const QSTABLE& table)
{
    if (!pBuf || !pPattern || nPattern == 0 || nPattern > nBuf)
        return nullptr;
    size_t pos = 0;
    for (;;) {
        if (std::memcmp(pBuf + pos, pPattern, nPattern) == 0)
            return pBuf + pos;
        if (pos + nPattern >= nBuf)
            return nullptr;
        pos += table.shift[pBuf[pos + nPattern]];
        if (pos > nBuf - nPattern)
            return nullptr;
    }
}

const BYTE* QuickBackwardMemSearch(const BYTE* pBuf, size_t nBuf, const BYTE* pPattern, size_t nPattern,
                                   const QSTABLE& table)
{
    if (!pBuf || !pPattern || nPattern == 0 || nPattern > nBuf)
        return nullptr;
    size_t pos = nBuf - nPattern;
    for (;;) {
        if (std::memcmp(pBuf + pos, pPattern, nPattern) == 0)
            return pBuf + pos;
        if (pos == 0)
            return nullptr;
        size_t step = table.shift[pBuf[pos - 1]];
        if (step > pos)
            return nullptr;
        pos -= step;
    }
}
