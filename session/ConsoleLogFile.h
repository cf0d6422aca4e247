// ConsoleLogFile.h: CConsoleLogFile, one console log file on disk used as a
// ring: after the configured number of lines, writing starts again at the
// top, and a marker always follows the newest line, showing where the ring
// ends. Each write puts the lines and the marker in one piece, then steps
// back over the marker so that the next line overwrites it.
#pragma once

#include <vector>

#include "platform/CFile.h"
#include "platform/CString.h"
#include "session/ConsoleBlock.h"

// The ring options of section "Logging".
struct CLogRingOptions {
    bool bLimit = false;  // the file is a ring of nLimit lines
    UINT nLimit = 0;
    bool bSync = false;   // flush after every write
};

class CConsoleLogFile {
public:
    // The marker written after the newest line: CR LF, the marker line,
    // CR LF, CR LF, the header text and one more CR LF.
    void SetMarker(const CString& strHeader);
    const CString& GetMarker() const { return m_strMarker; }

    // Opens the file for writing, creating it when missing. Lines already in
    // it are kept: writing continues after them (over a marker that ends the
    // file). The pass count restarts at 0.
    bool Open(const char* pszPath, CFileException* pError);
    // False when the system reported an error closing it.
    bool Close(CFileException* pError);
    bool IsOpen() const { return m_file.IsOpen(); }
    const CString& GetPath() const { return m_file.GetFilePath(); }
    UINT GetPassCount() const { return m_nPassCount; }

    bool WriteLine(const CString& strLine, const CLogRingOptions& opt, CFileException* pError);
    bool WriteLines(const std::vector<CString>& lines, const CLogRingOptions& opt, CFileException* pError);
    bool WriteLines(const CConsoleBlock& lines, const CLogRingOptions& opt, CFileException* pError);
    // Cuts the file after the newest line and starts the next pass at the top.
    bool Trim(CFileException* pError);
    // After a failed write: true when cutting the file for the next ring
    // pass failed, false when writing did.
    bool TrimFailed() const { return m_bTrimFailed; }

private:
    // Writes the text with the marker, flushes when asked and steps back.
    bool WriteWithMarker(const std::string& strText, const CLogRingOptions& opt, CFileException* pError);
    // Writes the text (and the marker when bMarker) whole or not at all: a
    // write the disk takes only part of (a full disk) is undone, the file
    // cut back to its end and the marker it overwrote written again, so
    // that the next line does not join a torn one.
    bool WriteWhole(const std::string& strText, bool bMarker, const CLogRingOptions& opt, CFileException* pError);
    bool SeekTo(LONGLONG nPos, CFileException* pError);
    bool FlushIf(const CLogRingOptions& opt, CFileException* pError);
    bool Fail(CFileException* pError);

    CFile m_file;
    CString m_strMarker;
    UINT m_nPassCount = 0;
    bool m_bTrimFailed = false;
    // Kept here, so that a write costs no query: where the next line goes,
    // the file's length, and whether the marker stands at that place.
    LONGLONG m_nPos = 0;
    LONGLONG m_nEnd = 0;
    bool m_bMarkerAtPos = false;
};

extern const char kLogRingMarkerLine[];
