// CFilePosix.cpp: CFile over POSIX descriptors, for the host build of the
// window-free code. Error codes are mapped to the Windows codes the callers
// report, so that tests see the same values on both builds.
#include "platform/CFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

LONG WindowsErrorFromErrno(int e)
{
    switch (e) {
    case 0: return 0;
    case ENOENT: return 2;   // ERROR_FILE_NOT_FOUND (a missing folder is told apart below)
    case ENOTDIR: return 3;  // ERROR_PATH_NOT_FOUND
    case EMFILE: case ENFILE: return 4;
    case EACCES: case EPERM: case EISDIR: case EROFS: return 5;
    case EBADF: return 6;
    case ENOSPC: return 112;
    case EIO: return 23;
    case ESPIPE: case EINVAL: return 25;
    default: return 31;      // ERROR_GEN_FAILURE
    }
}

// Windows tells a missing folder (3) from a missing file (2).
LONG OpenErrorCode(const char* pszFileName, int e)
{
    LONG code = WindowsErrorFromErrno(e);
    if (code != 2 || !pszFileName)
        return code;
    CString dir(pszFileName);
    int slash = dir.ReverseFind('/');
    if (slash <= 0)
        return code;
    struct stat st;
    return ::stat(dir.Left(slash), &st) == 0 ? code : 3;
}

int OpenFlagsFor(UINT nOpenFlags)
{
    int flags = (nOpenFlags & 3) == CFile::modeWrite ? O_WRONLY
              : (nOpenFlags & 3) == CFile::modeReadWrite ? O_RDWR : O_RDONLY;
    if (nOpenFlags & CFile::modeCreate)
        flags |= O_CREAT | ((nOpenFlags & CFile::modeNoTruncate) ? 0 : O_TRUNC);
    if (nOpenFlags & CFile::modeNoInherit)
        flags |= O_CLOEXEC;
    return flags;
}

}  // namespace

BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError)
{
    Close();
    m_strFileName = pszFileName;
    m_nOpenFlags = nOpenFlags;
    int fd = (pszFileName && *pszFileName) ? ::open(pszFileName, OpenFlagsFor(nOpenFlags), 0666) : -1;
    if (fd < 0) {
        int e = (pszFileName && *pszFileName) ? errno : ENOENT;
        if (pError)
            pError->SetFromOsError(OpenErrorCode(pszFileName, e), pszFileName);
        return FALSE;
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        // Windows refuses to open a folder as a file; so do we.
        ::close(fd);
        if (pError)
            pError->SetFromOsError(5, pszFileName);
        return FALSE;
    }
    m_hFile = fd;
    return TRUE;
}

void CFile::Close()
{
    TryClose(nullptr);
}

BOOL CFile::TryClose(CFileException* pError)
{
    BOOL bClosed = m_hFile == kInvalid || ::close((int)m_hFile) == 0;
    if (!bClosed)
        ReportError(pError);
    m_hFile = kInvalid;
    return bClosed;
}

UINT CFile::Read(void* pBuf, UINT nCount, CFileException* pError)
{
    ssize_t n;
    do
        n = IsOpen() ? ::read((int)m_hFile, pBuf, nCount) : (errno = EBADF, -1);
    while (n < 0 && errno == EINTR);
    if (n < 0) {
        ReportError(pError);
        return 0;
    }
    return (UINT)n;
}

BOOL CFile::Write(const void* pBuf, UINT nCount, CFileException* pError)
{
    const char* p = (const char*)pBuf;
    while (nCount > 0) {
        ssize_t n = IsOpen() ? ::write((int)m_hFile, p, nCount) : (errno = EBADF, -1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ReportError(pError);
            return FALSE;
        }
        p += n;
        nCount -= (UINT)n;
    }
    return TRUE;
}

LONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    int whence = nFrom == current ? SEEK_CUR : (nFrom == end ? SEEK_END : SEEK_SET);
    return IsOpen() ? (LONGLONG)::lseek((int)m_hFile, (off_t)lOff, whence) : -1;
}

ULONGLONG CFile::GetLength() const
{
    struct stat st;
    if (!IsOpen() || ::fstat((int)m_hFile, &st) != 0)
        return 0;
    return (ULONGLONG)st.st_size;
}

BOOL CFile::Flush()
{
    return IsOpen() && ::fsync((int)m_hFile) == 0;
}

void CFile::ReportError(CFileException* pError) const
{
    if (pError)
        pError->SetFromOsError(WindowsErrorFromErrno(errno ? errno : EIO), m_strFileName);
}

BOOL CFile::SetLength(ULONGLONG nNewLength)
{
    if (!IsOpen() || ::ftruncate((int)m_hFile, (off_t)nNewLength) != 0)
        return FALSE;
    return ::lseek((int)m_hFile, (off_t)nNewLength, SEEK_SET) >= 0;
}
