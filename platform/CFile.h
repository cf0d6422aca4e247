// CFile.h: an open file by handle, with the framework's open and share
// modes. Failures return false/0 and, when the caller passes one, fill a
// CFileException with the operating system's error code. The file closes
// when the object goes. Share modes take effect on Windows; the host build
// of the window-free code has none to offer and ignores them.
#pragma once

#include "platform/CFileException.h"
#include "platform/CString.h"
#include "platform/Types.h"

class CFile {
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,  // treated as shareDenyNone
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,  // with modeCreate: open an existing file as it is
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    virtual ~CFile() { Close(); }

    // Opens the file; an already open file is closed first.
    virtual BOOL Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual void Close();
    // Closes the file as Close does; FALSE, with the system's error in
    // pError, when the system reports that closing failed (data it still
    // held may be lost). The file counts as closed either way.
    BOOL TryClose(CFileException* pError);
    bool IsOpen() const { return m_hFile != kInvalid; }

    // Reads up to nCount bytes; returns the number read (0 at the end or on error).
    UINT Read(void* pBuf, UINT nCount, CFileException* pError = nullptr);
    // Writes all nCount bytes; false when the system refused part of them.
    BOOL Write(const void* pBuf, UINT nCount, CFileException* pError = nullptr);
    // Returns the new position, or -1 on failure.
    virtual LONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    LONGLONG SeekToEnd() { return Seek(0, end); }
    // The file's size, or 0 when it cannot be told.
    ULONGLONG GetLength() const;
    BOOL Flush();
    // Cuts (or extends) the file to nNewLength bytes; the position is left
    // there. False when the system refused.
    BOOL SetLength(ULONGLONG nNewLength);

    const CString& GetFilePath() const { return m_strFileName; }
    UINT GetOpenFlags() const { return m_nOpenFlags; }

protected:
    static const INT_PTR kInvalid = -1;

    // Fills pError (when given) from the calling thread's last system error.
    void ReportError(CFileException* pError) const;

private:
    INT_PTR m_hFile = kInvalid;  // a HANDLE on Windows, a descriptor elsewhere
    UINT m_nOpenFlags = 0;
    CString m_strFileName;
};
