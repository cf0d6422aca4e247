// ConsoleLogFile.h: CConsoleLogFile, one console log file on disk used as a
// ring: after the configured number of lines, or where the disk lets the
// file grow no further, writing starts again at the top, and a marker always
// follows the newest line, showing where the ring ends. Each write puts the
// lines and the marker in one piece, then steps back over the marker so that
// the next line overwrites it.
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

    // Each write puts its lines and the marker in one piece. On a full disk
    // it keeps the oldest lines that fit whole with the marker after them,
    // and fails: the rest of the file stays as it was (lines the ring holds
    // are overwritten only once the room past the file's end is had, and a
    // pass that could not begin leaves the ring where it ended). A ring
    // that the disk will not let grow wraps where its file ends instead: the
    // rest goes on from the top, the file keeping the newest lines that fit
    // (its older ones passed over); it fails only when the top takes none.
    bool WriteLine(const CString& strLine, const CLogRingOptions& opt, CFileException* pError);
    bool WriteLines(const std::vector<CString>& lines, const CLogRingOptions& opt, CFileException* pError);
    bool WriteLines(const CConsoleBlock& lines, const CLogRingOptions& opt, CFileException* pError);
    // The lines of the last write that the file took, the oldest first: all
    // of them after a write that succeeded. A ring passes over the older
    // lines of a block longer than a pass: they count as taken.
    size_t GetLinesTaken() const { return m_nTaken; }
    // After a failed write: true when cutting the file for the next ring
    // pass failed, false when writing did.
    bool TrimFailed() const { return m_bTrimFailed; }
    // A note that goes before the next line written, in the same piece (the
    // two are kept or left together), to tell that lines are missing there.
    // It waits until a write takes a line.
    void SetGapNote(const CString& strNote);
    bool GapNoteWaits() const { return !m_strGapNote.IsEmpty(); }

private:
    // Where the ring ended before a write went to the top, kept until a
    // write there succeeds: a write that keeps nothing goes back to it.
    struct SRingEnd {
        bool bSet = false;
        LONGLONG nPos = 0;
        UINT nPassCount = 0;
        bool bMarker = false;  // the marker stood there
        bool bCut = false;     // and the trimming cut it off
    };

    // Writes the lines; bEndPass: a block that fills the ring's pass puts
    // the marker at the top at once (a single line leaves that to the next).
    bool Write(const CConsoleBlock& lines, const CLogRingOptions& opt, bool bEndPass, CFileException* pError);
    // After a write that the disk would not let the file grow for: the ring
    // wraps where its file ends. Of the lines from nDone on, the older ones
    // that the file's length cannot hold are passed over (counted as taken).
    // False when the write failed otherwise or there is nothing to wrap over.
    bool WrapAtFileEnd(const CConsoleBlock& lines, size_t& nDone, CFileException* pError);
    // Writes lines nFirst .. nEnd - 1 (none: the marker alone) with the
    // marker, flushes when asked and steps back over the marker.
    bool Put(const CConsoleBlock& lines, size_t nFirst, size_t nEnd, const CLogRingOptions& opt,
             CFileException* pError);
    // A write that goes over lines inside the file and on past its end:
    // the part past the end first, so that a full disk leaves those lines.
    bool WriteAcrossEnd(const std::string& strAll, LONGLONG nOver, CFileException* pError);
    // After a failed write: the file cut back to its end, the marker the
    // write overwrote written again.
    void PutBack();
    // Starts the next pass at the top, cutting the file after the newest
    // line when bCut (the trimming).
    bool GoToTop(bool bCut, CFileException* pError);
    void GoBack();
    bool SeekTo(LONGLONG nPos, CFileException* pError);
    bool FlushIf(const CLogRingOptions& opt, CFileException* pError);
    bool Fail(CFileException* pError);

    CFile m_file;
    CString m_strMarker;
    UINT m_nPassCount = 0;
    bool m_bTrimFailed = false;
    bool m_bGrowthRefused = false;  // the last failed write went past the file's end
    size_t m_nTaken = 0;
    CString m_strGapNote;  // with its CR LF
    SRingEnd m_back;
    // Kept here, so that a write costs no query: where the next line goes,
    // the file's length, and whether the marker stands at that place.
    LONGLONG m_nPos = 0;
    LONGLONG m_nEnd = 0;
    bool m_bMarkerAtPos = false;
};

extern const char kLogRingMarkerLine[];
