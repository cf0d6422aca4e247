// ConsoleFloodGauge.h: whether the console is flooding, from the lines the
// view takes and when. Window-free.
//
// Time runs in slices of kSliceMs; the console floods while the slice under
// way or the whole slice before it took at least kFloodLines lines (ten
// thousand lines a second). A trickle of lines, however long, never counts;
// the end of a flood shows within two slices. Times are milliseconds of one
// clock (GetTickCount): its wrap-around is harmless.
#pragma once

#include <cstddef>

#include "platform/Types.h"

class CConsoleFloodGauge {
public:
    enum { kSliceMs = 100, kFloodLines = 1000 };

    void Add(DWORD dwNow, size_t nLines);
    bool IsFlooding(DWORD dwNow) const;

private:
    DWORD m_dwSliceStart = 0;
    size_t m_nThisSlice = 0;  // lines since m_dwSliceStart
    size_t m_nLastSlice = 0;  // lines of the slice before it
};
