// CStdioFile.cpp: line-at-a-time text files.
#include "platform/CStdioFile.h"

#include <algorithm>
#include <cstring>

namespace {

const UINT kReadChunk = 64 * 1024;

}  // namespace

BOOL CStdioFile::Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError)
{
    m_buf.clear();
    m_nPos = 0;
    m_bEof = false;
    return CFile::Open(pszFileName, nOpenFlags, pError);
}

void CStdioFile::Close()
{
    m_buf.clear();
    m_nPos = 0;
    CFile::Close();
}

LONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom)
{
    if (nFrom == current)
        lOff -= (LONGLONG)(m_buf.size() - m_nPos);
    m_buf.clear();
    m_nPos = 0;
    m_bEof = false;
    return CFile::Seek(lOff, nFrom);
}

bool CStdioFile::FillBuffer()
{
    if (m_bEof)
        return false;
    m_buf.erase(0, m_nPos);
    m_nPos = 0;
    size_t old = m_buf.size();
    m_buf.resize(old + kReadChunk);
    UINT n = CFile::Read(&m_buf[old], kReadChunk);
    m_buf.resize(old + n);
    if (n == 0)
        m_bEof = true;
    return n > 0;
}

BOOL CStdioFile::ReadString(CString& rString)
{
    rString.Empty();
    size_t scanFrom = m_nPos;
    for (;;) {
        size_t lf = m_buf.find('\n', scanFrom);
        if (lf != std::string::npos) {
            size_t end = (lf > m_nPos && m_buf[lf - 1] == '\r') ? lf - 1 : lf;
            rString = CString(m_buf.substr(m_nPos, end - m_nPos));
            m_nPos = lf + 1;
            return TRUE;
        }
        scanFrom = m_buf.size() - m_nPos;  // offset after the refill moves the data
        if (!FillBuffer())
            break;
    }
    if (m_nPos >= m_buf.size())
        return FALSE;
    rString = CString(m_buf.substr(m_nPos));
    m_nPos = m_buf.size();
    return TRUE;
}

BOOL CStdioFile::WriteString(const char* psz, CFileException* pError)
{
    if (!psz)
        return TRUE;
    std::string out;
    if (GetOpenFlags() & typeBinary) {
        out = psz;
    } else {
        for (const char* p = psz; *p; ++p) {
            if (*p == '\n' && (p == psz || p[-1] != '\r'))
                out += '\r';
            out += *p;
        }
    }
    return out.empty() || Write(out.data(), (UINT)out.size(), pError);
}

UINT CStdioFile::Read(void* pBuf, UINT nCount, CFileException* pError)
{
    size_t nBuffered = std::min((size_t)nCount, m_buf.size() - m_nPos);
    std::memcpy(pBuf, m_buf.data() + m_nPos, nBuffered);
    m_nPos += nBuffered;
    if (nBuffered == nCount)
        return nCount;
    return (UINT)nBuffered + CFile::Read((char*)pBuf + nBuffered, nCount - (UINT)nBuffered, pError);
}
