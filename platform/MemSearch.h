// MemSearch.h: quick search (the Sunday variant of Boyer-Moore) for a byte
// pattern in a buffer, forward for the first match and backward for the last.
// The caller builds the shift table once per pattern and direction and keeps
// it while it searches successive windows of storage.
#pragma once

#include <cstddef>

#include "platform/Types.h"

struct QSTABLE {
    size_t shift[256];
};

void InitQuickForwardMemSearch(const BYTE* pPattern, size_t nPattern, QSTABLE& table);
void InitQuickBackwardMemSearch(const BYTE* pPattern, size_t nPattern, QSTABLE& table);

// The first (last) occurrence of the pattern in the buffer, or null; null too
// for an empty pattern or one longer than the buffer. The table must have been
// built for this pattern and direction.
const BYTE* QuickForwardMemSearch(const BYTE* pBuf, size_t nBuf, const BYTE* pPattern, size_t nPattern,
                                  const QSTABLE& table);
const BYTE* QuickBackwardMemSearch(const BYTE* pBuf, size_t nBuf, const BYTE* pPattern, size_t nPattern,
                                   const QSTABLE& table);
