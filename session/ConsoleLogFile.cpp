// ConsoleLogFile.cpp: the console log file ring.
#include "session/ConsoleLogFile.h"

#include <algorithm>
#include <cstring>

#include "platform/Trace.h"

const char kLogRingMarkerLine[] = "******************** (last line of logfile above) ********************";

void CConsoleLogFile::SetMarker(const CString& strHeader)
{
    m_strMarker = CString("\r\n") + kLogRingMarkerLine + "\r\n\r\n" + strHeader + "\r\n";
}

bool CConsoleLogFile::Fail(CFileException* pError)
{
    if (pError && pError->m_lOsError == 0)
        pError->m_lOsError = GetLastSystemError();
    return false;
}

bool CConsoleLogFile::Open(const char* pszPath, CFileException* pError)
{
    UINT nFlags = CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareDenyNone;
    if (!m_file.Open(pszPath, nFlags, pError))
        return false;
    m_nPassCount = 0;
    m_back = SRingEnd();
    LONGLONG nEnd = m_file.SeekToEnd();
    if (nEnd < 0)
        return Fail(pError);
    m_nPos = m_nEnd = nEnd;
    m_bMarkerAtPos = false;
    // A marker left at the end by the last session is overwritten.
    LONGLONG nMarker = m_strMarker.GetLength();
    if (nMarker > 0 && nEnd >= nMarker && m_file.Seek(nEnd - nMarker, CFile::begin) >= 0) {
        CString strTail;
        UINT nRead = m_file.Read(strTail.GetBufferSetLength((int)nMarker), (UINT)nMarker, pError);
        strTail.ReleaseBuffer((int)nRead);
        bool bMarker = strTail == m_strMarker;
        if (!SeekTo(bMarker ? nEnd - nMarker : nEnd, pError))
            return false;
        m_bMarkerAtPos = bMarker;
    }
    return true;
}

bool CConsoleLogFile::SeekTo(LONGLONG nPos, CFileException* pError)
{
    if (m_file.Seek(nPos, CFile::begin) < 0)
        return Fail(pError);
    if (nPos != m_nPos)
        m_bMarkerAtPos = false;
    m_nPos = nPos;
    return true;
}

bool CConsoleLogFile::Close(CFileException* pError)
{
    return m_file.TryClose(pError) != FALSE;
}

bool CConsoleLogFile::FlushIf(const CLogRingOptions& opt, CFileException* pError)
{
    return !opt.bSync || m_file.Flush() || Fail(pError);
}

namespace {

// Where line i of the block starts in its text; past the last line, the
// text's end.
size_t Offset(const CConsoleBlock& lines, size_t i)
{
    return i < lines.GetCount() ? (size_t)(lines.LineData(i) - lines.Text().data()) : lines.Text().size();
}

}  // namespace

bool CConsoleLogFile::Put(const CConsoleBlock& lines, size_t nFirst, size_t nEnd, const CLogRingOptions& opt,
                          CFileException* pError)
{
    m_bGrowthRefused = false;
    size_t nFrom = Offset(lines, nFirst), nTo = Offset(lines, nEnd);
    size_t nNote = nEnd > nFirst ? (size_t)m_strGapNote.GetLength() : 0;
    LONGLONG nMarker = m_strMarker.GetLength();
    std::string strAll;
    strAll.reserve(nNote + nTo - nFrom + (size_t)nMarker);
    strAll.append(m_strGapNote.GetString(), nNote);
    strAll.append(lines.Text(), nFrom, nTo - nFrom);
    strAll += m_strMarker.str();
    LONGLONG nSize = (LONGLONG)strAll.size();
    // What the write goes over inside the file: more than the marker at the
    // position are lines the ring holds.
    LONGLONG nOver = m_nEnd - m_nPos;
    bool bAcross = nOver > (m_bMarkerAtPos ? nMarker : 0) && nSize > nOver;
    bool bWritten = bAcross ? WriteAcrossEnd(strAll, nOver, pError)
                            : m_file.Write(strAll.data(), (UINT)nSize, pError) != FALSE;
    if (bWritten && FlushIf(opt, pError)) {
        m_nEnd = std::max(m_nEnd, m_nPos + nSize);
        m_nPos += nSize - nMarker;
        m_bMarkerAtPos = true;
        m_nPassCount += (UINT)(nEnd - nFirst);
        m_nTaken += nEnd - nFirst;
        m_back.bSet = false;
        if (nNote > 0)
            m_strGapNote.Empty();
        return m_file.Seek(m_nPos, CFile::begin) >= 0 || Fail(pError);
    }
    Fail(pError);
    // The room the disk had: how far the file got from the position. When
    // it is less than the write, the oldest lines that fit whole with the
    // marker after them are written again into it.
    LONGLONG nRoom = (LONGLONG)m_file.GetLength() - m_nPos;
    size_t nFit = nFirst;
    while (nRoom < nSize && nFit < nEnd &&
           (LONGLONG)(nNote + Offset(lines, nFit + 1) - nFrom) + nMarker <= nRoom)
        ++nFit;
    PutBack();
    if (nFit > nFirst)
        Put(lines, nFirst, nFit, opt, nullptr);  // the error told is the first write's
    else
        GoBack();
    m_bGrowthRefused = nSize > nOver;
    return false;
}

bool CConsoleLogFile::WriteAcrossEnd(const std::string& strAll, LONGLONG nOver, CFileException* pError)
{
    return m_file.Seek(m_nEnd, CFile::begin) >= 0 &&
           m_file.Write(strAll.data() + nOver, (UINT)((LONGLONG)strAll.size() - nOver), pError) &&
           m_file.Seek(m_nPos, CFile::begin) >= 0 && m_file.Write(strAll.data(), (UINT)nOver, pError);
}

void CConsoleLogFile::PutBack()
{
    // Each step is tried even when one fails.
    m_file.SetLength((ULONGLONG)m_nEnd);
    if (m_bMarkerAtPos && m_file.Seek(m_nPos, CFile::begin) >= 0)
        m_file.Write(m_strMarker.GetString(), (UINT)m_strMarker.GetLength(), nullptr);
    m_file.Seek(m_nPos, CFile::begin);
}

bool CConsoleLogFile::GoToTop(bool bCut, CFileException* pError)
{
    SRingEnd back = {true, m_nPos, m_nPassCount, m_bMarkerAtPos, bCut};
    if (bCut && !m_file.SetLength((ULONGLONG)m_nPos)) {
        m_bTrimFailed = true;
        return Fail(pError);
    }
    if (m_file.Seek(0, CFile::begin) < 0) {
        m_bTrimFailed = bCut;
        return Fail(pError);
    }
    if (bCut)
        m_nEnd = m_nPos;
    if (!m_back.bSet)
        m_back = back;
    m_nPos = 0;
    m_bMarkerAtPos = false;
    m_nPassCount = 0;
    return true;
}

void CConsoleLogFile::GoBack()
{
    if (!m_back.bSet)
        return;
    SRingEnd back = m_back;
    m_back.bSet = false;
    m_nPassCount = back.nPassCount;
    m_nPos = back.nPos;
    m_bMarkerAtPos = back.bMarker && !back.bCut;
    if (m_file.Seek(m_nPos, CFile::begin) < 0 || !back.bMarker || !back.bCut)
        return;
    // The trimming cut the marker off the end: it goes back there (the
    // room it had).
    if (m_file.Write(m_strMarker.GetString(), (UINT)m_strMarker.GetLength(), nullptr)) {
        m_nEnd = std::max(m_nEnd, m_nPos + m_strMarker.GetLength());
        m_bMarkerAtPos = true;
    }
    m_file.Seek(m_nPos, CFile::begin);
}

void CConsoleLogFile::SetGapNote(const CString& strNote)
{
    m_strGapNote = strNote.IsEmpty() ? strNote : strNote + "\r\n";
}

bool CConsoleLogFile::WriteLine(const CString& strLine, const CLogRingOptions& opt, CFileException* pError)
{
    CConsoleBlock line;
    line.Add(nullptr, 0, strLine.GetString(), (size_t)strLine.GetLength());
    return Write(line, opt, false, pError);
}

bool CConsoleLogFile::WriteLines(const std::vector<CString>& lines, const CLogRingOptions& opt,
                                 CFileException* pError)
{
    CConsoleBlock block;
    for (const CString& str : lines)
        block.Add(str.str());
    return WriteLines(block, opt, pError);
}

bool CConsoleLogFile::WriteLines(const CConsoleBlock& lines, const CLogRingOptions& opt, CFileException* pError)
{
    return Write(lines, opt, true, pError);
}

bool CConsoleLogFile::Write(const CConsoleBlock& lines, const CLogRingOptions& opt, bool bEndPass,
                            CFileException* pError)
{
    m_bTrimFailed = false;
    m_nTaken = 0;
    size_t n = lines.GetCount();
    if (n == 0)
        return true;
    if (!opt.bLimit || opt.nLimit == 0)
        return Put(lines, 0, n, opt, pError);
    bool bFromTop = false;  // the ring went to the top and no line has gone there yet
    bool bNewest = false;   // the newest lines of a pass's length go there
    for (size_t nDone = 0;;) {
        if (nDone == n && !bEndPass)
            return true;
        if (m_nPassCount >= opt.nLimit) {
            if (!GoToTop(true, pError))
                return false;
            bFromTop = true;
        }
        if (nDone == n) {
            // The block ended the pass: the marker goes to the top at once.
            // Should that fail, the ring stays as it was, its pass full.
            Put(lines, n, n, opt, nullptr);
            return true;
        }
        if (n - nDone >= opt.nLimit) {
            // Only the newest lines of a pass's length are kept, from the
            // top (the file is not cut); the older ones are passed over.
            if (!GoToTop(false, pError))
                return false;
            bFromTop = bNewest = true;
            nDone = m_nTaken = n - opt.nLimit;
        }
        size_t nEnd = std::min(n, nDone + (opt.nLimit - m_nPassCount));
        bool bPut = Put(lines, nDone, nEnd, opt, pError);
        bFromTop = bFromTop && m_nTaken == nDone;
        nDone = m_nTaken;
        if (bPut && nDone == n && (m_nPassCount < opt.nLimit || bNewest))
            return true;
        // A top that took no line has no room for one: the ring stays.
        if (!bPut && (bFromTop || !WrapAtFileEnd(lines, nDone, pError)))
            return false;
        bFromTop = !bPut;
    }
}

bool CConsoleLogFile::WrapAtFileEnd(const CConsoleBlock& lines, size_t& nDone, CFileException* pError)
{
    if (!m_bGrowthRefused || m_nPos == 0 || !GoToTop(true, pError))
        return false;
    size_t n = lines.GetCount();
    LONGLONG nRoom = m_nEnd - m_strMarker.GetLength() - m_strGapNote.GetLength();
    while (nDone + 1 < n && (LONGLONG)(Offset(lines, n) - Offset(lines, nDone)) > nRoom)
        ++nDone;
    m_nTaken = nDone;
    return true;
}
