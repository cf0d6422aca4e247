// PipeChunkSplit.cpp: the line splitter of a reader's chunk.
#include "session/PipeChunkSplit.h"

#include <cctype>
#include <cstring>

namespace {

// Ends the line at pEnd and strips the white space before it.
void TerminateLine(char* pLine, char* pEnd)
{
    *pEnd = '\0';
    while (pEnd > pLine && std::isspace((unsigned char)pEnd[-1]))
        *--pEnd = '\0';
}

}  // namespace

void SplitPipeChunk(char* pBuffer, int& nLength, const PipeLineFn& fnLine)
{
    if (nLength <= 0)
        return;
    char* pEnd = pBuffer + nLength;
    char* pLine = pBuffer;
    char* pLineFeed = (char*)std::memchr(pLine, '\n', (size_t)nLength);
    if (!pLineFeed)
        return;
    while (pLineFeed) {
        TerminateLine(pLine, pLineFeed);
        fnLine(pLine);
        pLine = pLineFeed + 1;
        pLineFeed = (char*)std::memchr(pLine, '\n', (size_t)(pEnd - pLine));
    }
    // Byte length, not string length: an embedded NUL must not swallow the
    // rest of the unfinished line.
    nLength = (int)(pEnd - pLine);
    if (nLength > 0)
        std::memmove(pBuffer, pLine, (size_t)nLength);
    pBuffer[nLength] = '\0';
}
