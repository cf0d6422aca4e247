// SafeFileReplacePosix.cpp: the host build's SafeReplaceFile: mkstemp in the
// target's folder, write, fsync, rename over the target.
#include "platform/SafeFileReplace.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

SafeReplaceResult Failed(SafeReplaceStage eStage, int nErrno)
{
    return SafeReplaceResult{eStage, (DWORD)(nErrno ? nErrno : EIO)};
}

// The folder part of a path, with its trailing separator; "" for a bare name.
CString FolderOf(const CString& strPath)
{
    int n = strPath.ReverseFind('/');
    return n < 0 ? CString() : strPath.Left(n + 1);
}

SafeReplaceResult WriteAll(int fd, const CString& strContents)
{
    const char* p = strContents.GetString();
    size_t nLeft = (size_t)strContents.GetLength();
    while (nLeft > 0) {
        ssize_t n = ::write(fd, p, nLeft);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Failed(kReplaceWriteFailed, errno);
        p += n;
        nLeft -= (size_t)n;
    }
    if (::fsync(fd) != 0)
        return Failed(kReplaceWriteFailed, errno);
    return SafeReplaceResult{kReplaceOk, 0};
}

}  // namespace

SafeReplaceResult SafeReplaceFile(const char* pszPath, const CString& strContents)
{
    // rename() would replace a file that we may not write; refuse it like
    // Windows does. A file without any write permission counts as read-only
    // even for the superuser, as the read-only attribute does on Windows.
    struct stat st = {};
    bool bExists = ::stat(pszPath, &st) == 0;
    if (bExists && S_ISDIR(st.st_mode))
        return Failed(kReplaceOpenFailed, EISDIR);
    if (bExists && (st.st_mode & 0222) == 0)
        return Failed(kReplaceOpenFailed, EACCES);
    if (bExists && ::access(pszPath, W_OK) != 0)
        return Failed(kReplaceOpenFailed, errno);

    CString strTemp = FolderOf(pszPath) + ".vornconf.XXXXXX";
    char* pszTemp = strTemp.GetBuffer();
    int fd = ::mkstemp(pszTemp);
    if (fd < 0)
        return Failed(kReplaceOpenFailed, errno);
    // A new file gets the usual permissions; a replaced one keeps its own.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, bExists ? (st.st_mode & 07777) : (0666 & ~mask));
    SafeReplaceResult r = WriteAll(fd, strContents);
    if (::close(fd) != 0 && r.eStage == kReplaceOk)
        r = Failed(kReplaceWriteFailed, errno);
    if (r.eStage == kReplaceOk && ::rename(pszTemp, pszPath) != 0)
        r = Failed(kReplaceOpenFailed, errno);
    if (r.eStage != kReplaceOk)
        ::unlink(pszTemp);
    return r;
}
