// CFileWin.cpp: CFile over the Win32 file functions.
#include "platform/CFile.h"

namespace {

DWORD ShareFlags(UINT nOpenFlags)
{
    switch (nOpenFlags & 0x70) {
    case CFile::shareExclusive: return 0;
    case CFile::shareDenyWrite: return FILE_SHARE_READ;
    case CFile::shareDenyRead: return FILE_SHARE_WRITE;
    default: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    }
}

DWORD AccessFlags(UINT nOpenFlags)
{
    switch (nOpenFlags & 3) {
    case CFile::modeWrite: return GENERIC_WRITE;
    case CFile::modeReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
    }
}

DWORD Disposition(UINT nOpenFlags)
{
    if (!(nOpenFlags & CFile::modeCreate))
        return OPEN_EXISTING;
    return (nOpenFlags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
}

HANDLE H(INT_PTR h) { return (HANDLE)h; }

// Reading or writing a closed file fails like a bad handle would.
bool CheckOpen(bool bOpen)
{
    if (!bOpen)
        ::SetLastError(ERROR_INVALID_HANDLE);
    return bOpen;
}

}  // namespace

BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError)
{
    Close();
    m_strFileName = pszFileName;
    m_nOpenFlags = nOpenFlags;
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};
    HANDLE h = ::CreateFileA(pszFileName ? pszFileName : "", AccessFlags(nOpenFlags), ShareFlags(nOpenFlags), &sa,
                             Disposition(nOpenFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        ReportError(pError);
        return FALSE;
    }
    m_hFile = (INT_PTR)h;
    return TRUE;
}

void CFile::Close()
{
    TryClose(nullptr);
}

BOOL CFile::TryClose(CFileException* pError)
{
    BOOL bClosed = m_hFile == kInvalid || ::CloseHandle(H(m_hFile));
    if (!bClosed)
        ReportError(pError);
    m_hFile = kInvalid;
    return bClosed;
}

UINT CFile::Read(void* pBuf, UINT nCount, CFileException* pError)
{
    DWORD nRead = 0;
    if (!CheckOpen(IsOpen()) || !::ReadFile(H(m_hFile), pBuf, nCount, &nRead, nullptr)) {
        ReportError(pError);
        return 0;
    }
    return nRead;
}

BOOL CFile::Write(const void* pBuf, UINT nCount, CFileException* pError)
{
    DWORD nWritten = 0;
    if (!CheckOpen(IsOpen()) || !::WriteFile(H(m_hFile), pBuf, nCount, &nWritten, nullptr)) {
        ReportError(pError);
        return FALSE;
    }
    if (nWritten != nCount) {
        if (pError)
            pError->SetFromOsError(ERROR_DISK_FULL, m_strFileName);
        return FALSE;
    }
    return TRUE;
}

LONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LARGE_INTEGER dist, pos;
    dist.QuadPart = lOff;
    if (!IsOpen() || !::SetFilePointerEx(H(m_hFile), dist, &pos, nFrom))
        return -1;
    return pos.QuadPart;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!IsOpen() || !::GetFileSizeEx(H(m_hFile), &size))
        return 0;
    return (ULONGLONG)size.QuadPart;
}

BOOL CFile::Flush()
{
    return IsOpen() && ::FlushFileBuffers(H(m_hFile));
}

void CFile::ReportError(CFileException* pError) const
{
    DWORD dwError = ::GetLastError();
    if (pError)
        pError->SetFromOsError((LONG)dwError, m_strFileName);
    ::SetLastError(dwError);
}

BOOL CFile::SetLength(ULONGLONG nNewLength)
{
    if (!CheckOpen(IsOpen()) || Seek((LONGLONG)nNewLength, begin) < 0)
        return FALSE;
    return ::SetEndOfFile(H(m_hFile));
}
