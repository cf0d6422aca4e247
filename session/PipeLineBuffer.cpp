// PipeLineBuffer.cpp: the reader thread's line buffer: kept bytes, cutting of
// over-long lines and the final unfinished line.
#include "session/PipeLineBuffer.h"

#include <cstring>

#include "session/LineScan.h"

const char CPipeLineBuffer::kTruncatedMarker[] = "...(truncated)\n";

namespace {
const size_t kMarkerLength = sizeof(CPipeLineBuffer::kTruncatedMarker) - 1;
static_assert(CPipeLineBuffer::kCutLength + sizeof(CPipeLineBuffer::kTruncatedMarker) - 2 ==
                  CPipeLineBuffer::kMaxLine,
              "a cut line is exactly kMaxLine characters long");
}  // namespace

CPipeLineBuffer::CPipeLineBuffer(size_t nReadSize)
    : m_nReadSize(nReadSize),
      // The kept line, a whole read, a line feed added by Finish and the NUL.
      m_buffer(kMaxLine + nReadSize + 2)
{
}

bool CPipeLineBuffer::Accept(size_t nRead)
{
    if (nRead > m_nReadSize)
        nRead = m_nReadSize;
    size_t nLength = m_nLength + nRead;
    if (m_bDropping)
        nLength = DropRestOfCutLine(m_nLength, nLength);
    nLength = ClipLongLines(nLength);
    m_buffer[nLength] = '\0';
    m_nLength = nLength;
    m_nHandedLength = (int)nLength;
    return nLength > 0;
}

bool CPipeLineBuffer::Finish()
{
    if (m_nLength == 0 || m_bDropping)
        return false;
    m_buffer[m_nLength++] = '\n';
    m_buffer[m_nLength] = '\0';
    m_nHandedLength = (int)m_nLength;
    return true;
}

void CPipeLineBuffer::KeepAfterHandOver()
{
    size_t nKept = m_nHandedLength < 0 ? 0 : (size_t)m_nHandedLength;
    if (nKept > m_nLength)
        nKept = m_nLength;
    // A receiver that keeps more than a line's worth would overrun the buffer.
    if (nKept > (size_t)kMaxLine)
        nKept = kMaxLine;
    m_nLength = nKept;
}

size_t CPipeLineBuffer::DropRestOfCutLine(size_t nFrom, size_t nLength)
{
    char* pData = m_buffer.data();
    const char* pLineFeed = FindByte(pData + nFrom, nLength - nFrom, '\n');
    if (!pLineFeed)
        return nFrom;
    m_bDropping = false;
    size_t nRest = nLength - (size_t)(pLineFeed + 1 - pData);
    std::memmove(pData + nFrom, pLineFeed + 1, nRest);
    return nFrom + nRest;
}

// Only a line that starts more than kMaxLine bytes before the end can be too
// long. The last line feed among the kMaxLine + 1 bytes from a line's start
// ends a line of at most kMaxLine characters, and so does every line before
// it: one backward search of a few bytes per such stretch, instead of a
// search of every line.
size_t CPipeLineBuffer::ClipLongLines(size_t nLength)
{
    char* pData = m_buffer.data();
    size_t nStart = 0;
    while (nLength - nStart > (size_t)kMaxLine) {
        const char* pLast = FindLastByte(pData + nStart, (size_t)kMaxLine + 1, '\n');
        if (pLast) {
            nStart = (size_t)(pLast - pData) + 1;
            continue;
        }
        // The line at nStart is too long: its first kCutLength characters,
        // the marker, and the next line right after it.
        size_t nSearchFrom = nStart + kMaxLine + 1;
        const char* pLineFeed = FindByte(pData + nSearchFrom, nLength - nSearchFrom, '\n');
        std::memcpy(pData + nStart + kCutLength, kTruncatedMarker, kMarkerLength);
        size_t nCutEnd = nStart + kCutLength + kMarkerLength;
        if (pLineFeed) {
            size_t nLineEnd = (size_t)(pLineFeed - pData);
            std::memmove(pData + nCutEnd, pLineFeed + 1, nLength - nLineEnd - 1);
            nLength -= nLineEnd + 1 - nCutEnd;
        } else {
            nLength = nCutEnd;
            m_bDropping = true;
        }
        nStart = nCutEnd;
    }
    return nLength;
}
