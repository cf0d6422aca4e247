// ConsoleFloodGauge.cpp: lines per slice of time.
#include "session/ConsoleFloodGauge.h"

void CConsoleFloodGauge::Add(DWORD dwNow, size_t nLines)
{
    DWORD dwSince = dwNow - m_dwSliceStart;
    if (dwSince >= 2 * kSliceMs) {
        // A quiet slice or more lies between: nothing before counts.
        m_dwSliceStart = dwNow;
        m_nLastSlice = 0;
        m_nThisSlice = 0;
    } else if (dwSince >= kSliceMs) {
        m_dwSliceStart += kSliceMs;
        m_nLastSlice = m_nThisSlice;
        m_nThisSlice = 0;
    }
    m_nThisSlice += nLines;
}

bool CConsoleFloodGauge::IsFlooding(DWORD dwNow) const
{
    DWORD dwSince = dwNow - m_dwSliceStart;
    if (dwSince >= 2 * kSliceMs)
        return false;
    if (dwSince >= kSliceMs)  // the slice under way is a new one; this one is the last
        return m_nThisSlice >= kFloodLines;
    return m_nThisSlice >= kFloodLines || m_nLastSlice >= kFloodLines;
}
