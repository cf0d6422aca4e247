// PipeChunkSplit.cpp: the line splitter of a reader's chunk.
#include "session/PipeChunkSplit.h"

#include <cstring>

#include "session/LineScan.h"

namespace {

// The white space of the C locale (isspace's), without a call into the C
// runtime for every line: under Wine each such call also looks up the
// thread's locale.
bool IsWhiteSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Ends the line at pEnd and strips the white space before it; returns the
// line's new end.
char* TerminateLine(char* pLine, char* pEnd)
{
    *pEnd = '\0';
    while (pEnd > pLine && IsWhiteSpace(pEnd[-1]))
        *--pEnd = '\0';
    return pEnd;
}

}  // namespace

void SplitPipeChunk(char* pBuffer, int& nLength, const PipeLineFn& fnLine)
{
    SplitPipeChunkSized(pBuffer, nLength, [&](char* pszLine, size_t) { fnLine(pszLine); });
}

void SplitPipeChunkSized(char* pBuffer, int& nLength, const PipeSizedLineFn& fnLine)
{
    if (nLength <= 0)
        return;
    char* pEnd = pBuffer + nLength;
    char* pLine = pBuffer;
    char* pLineFeed = FindByte(pLine, (size_t)nLength, '\n');
    if (!pLineFeed)
        return;
    while (pLineFeed) {
        char* pLineEnd = TerminateLine(pLine, pLineFeed);
        // A NUL inside the line ends it, as it ends the C string.
        char* pNul = FindByte(pLine, (size_t)(pLineEnd - pLine), '\0');
        fnLine(pLine, (size_t)((pNul ? pNul : pLineEnd) - pLine));
        pLine = pLineFeed + 1;
        pLineFeed = FindByte(pLine, (size_t)(pEnd - pLine), '\n');
    }
    // Byte length, not string length: an embedded NUL must not swallow the
    // rest of the unfinished line.
    nLength = (int)(pEnd - pLine);
    if (nLength > 0)
        std::memmove(pBuffer, pLine, (size_t)nLength);
    pBuffer[nLength] = '\0';
}
