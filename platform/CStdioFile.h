// CStdioFile.h: a text file read and written a line at a time.
//
// ReadString takes lines that end in CR-LF or LF, and a last line without
// either; the line end is not part of the text, and any other byte (a lone
// CR, a NUL) is. WriteString in text mode (the default) writes each line
// feed that is not already preceded by a carriage return as CR-LF; with
// typeBinary it writes the text unchanged.
#pragma once

#include <string>

#include "platform/CFile.h"

class CStdioFile : public CFile {
public:
    CStdioFile() = default;

    BOOL Open(const char* pszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    void Close() override;
    // Drops what ReadString had read ahead, then moves.
    LONGLONG Seek(LONGLONG lOff, UINT nFrom) override;

    // The next line into rString; false at the end of the file (rString empty).
    BOOL ReadString(CString& rString);
    // Writes the text; false when the system refused part of it.
    BOOL WriteString(const char* psz, CFileException* pError = nullptr);

    // Reads bytes, the ones ReadString has buffered first.
    UINT Read(void* pBuf, UINT nCount, CFileException* pError = nullptr);

private:
    bool FillBuffer();

    std::string m_buf;  // bytes read ahead by ReadString
    size_t m_nPos = 0;  // next unread byte of m_buf
    bool m_bEof = false;
};
