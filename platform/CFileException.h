// CFileException.h: why a file operation failed: a cause class, the
// operating system's error code (Windows codes, also in the host build) and
// the file name, with a text for the user.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

class CFileException {
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    CFileException() = default;
    CFileException(int cause, LONG lOsError, const char* pszFileName = nullptr)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(pszFileName) {}

    // Sets cause, code and name from a Windows error code.
    void SetFromOsError(LONG lOsError, const char* pszFileName);
    static int OsErrorToCause(LONG lOsError);

    // "<what happened> <file name>" in words, e.g. "The file "x.cnf" was not found.".
    CString GetErrorText() const;
    // The same text into a caller's buffer (truncated, always terminated).
    BOOL GetErrorMessage(char* pszError, UINT nMaxError) const;

    int m_cause = none;
    LONG m_lOsError = 0;
    CString m_strFileName;
};
