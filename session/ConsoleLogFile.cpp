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
        m_bMarkerAtPos = strTail == m_strMarker;
        if (!SeekTo(m_bMarkerAtPos ? nEnd - nMarker : nEnd, pError))
            return false;
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

bool CConsoleLogFile::WriteWhole(const std::string& strText, bool bMarker, const CLogRingOptions& opt,
                                 CFileException* pError)
{
    std::string strAll;
    LONGLONG nMarker = bMarker ? m_strMarker.GetLength() : 0;
    strAll.reserve(strText.size() + (size_t)nMarker);
    strAll += strText;
    if (bMarker)
        strAll += m_strMarker.str();
    if (m_file.Write(strAll.data(), (UINT)strAll.size(), pError) && FlushIf(opt, pError)) {
        LONGLONG nAfter = m_nPos + (LONGLONG)strAll.size();
        m_nEnd = std::max(m_nEnd, nAfter);
        m_nPos = nAfter;
        m_bMarkerAtPos = false;
        return true;
    }
    Fail(pError);
    // The bytes overwritten inside the file were the marker (rewriting them
    // takes no new room), those past its end are cut; each step is tried
    // even when one fails, the failure told is the write's.
    m_file.SetLength((ULONGLONG)m_nEnd);
    if (m_bMarkerAtPos && m_file.Seek(m_nPos, CFile::begin) >= 0)
        m_file.Write(m_strMarker.GetString(), (UINT)m_strMarker.GetLength(), nullptr);
    m_file.Seek(m_nPos, CFile::begin);
    return false;
}

bool CConsoleLogFile::WriteWithMarker(const std::string& strText, const CLogRingOptions& opt, CFileException* pError)
{
    if (!WriteWhole(strText, true, opt, pError))
        return false;
    LONGLONG nLine = m_nPos - m_strMarker.GetLength();
    if (!SeekTo(nLine, pError))
        return false;
    m_bMarkerAtPos = true;
    return true;
}

bool CConsoleLogFile::Trim(CFileException* pError)
{
    if (!m_file.SetLength((ULONGLONG)m_nPos) || m_file.Seek(0, CFile::begin) < 0) {
        m_bTrimFailed = true;
        return Fail(pError);
    }
    m_nEnd = m_nPos;
    m_nPos = 0;
    m_bMarkerAtPos = false;
    m_nPassCount = 0;
    return true;
}

bool CConsoleLogFile::WriteLine(const CString& strLine, const CLogRingOptions& opt, CFileException* pError)
{
    m_bTrimFailed = false;
    if (opt.bLimit && m_nPassCount >= opt.nLimit && !Trim(pError))
        return false;
    if (!WriteWithMarker(strLine.str() + "\r\n", opt, pError))
        return false;
    ++m_nPassCount;
    return true;
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
    m_bTrimFailed = false;
    size_t n = lines.GetCount();
    if (n == 0)
        return true;
    if (!opt.bLimit || opt.nLimit == 0) {
        if (!WriteWithMarker(lines.Text(), opt, pError))
            return false;
        m_nPassCount += (UINT)n;
        return true;
    }
    if (m_nPassCount >= opt.nLimit && !Trim(pError))
        return false;
    if (n >= opt.nLimit) {
        // Only the newest lines of a block longer than a pass are kept.
        if (!SeekTo(0, pError))
            return false;
        if (!WriteWithMarker(lines.TextOf(n - opt.nLimit, n), opt, pError))
            return false;
        m_nPassCount = opt.nLimit;
        return true;
    }
    size_t nRoom = opt.nLimit - m_nPassCount;
    if (n < nRoom) {
        if (!WriteWithMarker(lines.TextOf(0, n), opt, pError))
            return false;
        m_nPassCount += (UINT)n;
        return true;
    }
    if (!WriteWhole(lines.TextOf(0, nRoom), false, opt, pError))
        return false;
    if (!Trim(pError) || !WriteWithMarker(std::string(), opt, pError))
        return false;
    if (nRoom == n)
        return true;
    if (!WriteWithMarker(lines.TextOf(nRoom, n), opt, pError))
        return false;
    m_nPassCount = (UINT)(n - nRoom);
    return true;
}
