// VornGUIDoc.h: CVornGUIDoc, the single document: the console lines, the
// console log file (a single named file, memory only, or numbered files in
// the log folder, each a ring of limited length when asked) with the
// "Logging" settings, and the modified flag of messages not yet saved.
#pragma once

#include <vector>

#include "platform/CDocument.h"
#include "platform/CSyncObject.h"
#include "session/ConsoleLines.h"
#include "session/ConsoleLogFile.h"
#include "session/LoggingSettings.h"

class CVornGUIDoc : public CDocument {
    DECLARE_DYNCREATE(CVornGUIDoc)
    DECLARE_MESSAGE_MAP()
public:
    CVornGUIDoc();
    ~CVornGUIDoc() override;

    // Stores one line (or a block) and writes it to the log file; nKind is
    // the console kind the line shows with (-1: its text tells).
    void WriteLogLine(const CString& strLine, int nKind = -1);
    void WriteLogLines(const std::vector<CString>& lines);
    // The block's lines are stored where they are (moved, not copied).
    void WriteLogLines(CConsoleBlock&& lines);
    CString RemoveFirstLine();
    bool RemoveFirstLines(INT_PTR n);
    CString GetNextLine(INT_PTR& nPos) const { return m_lines.GetNextLine(nPos); }
    CString GetPrevLine(INT_PTR& nPos) const { return m_lines.GetPrevLine(nPos); }
    CString GetLine(INT_PTR i) const { return m_lines.GetAt(i); }
    int GetGivenKind(INT_PTR i) const { return m_lines.GetGivenKind(i); }

    INT_PTR GetLineCount() const { return m_lines.GetCount(); }
    INT_PTR GetLastIndex() const { return m_lines.GetLastIndex(); }
    bool HasLines() const { return m_lines.HasLines(); }
    int GetLongestLength() const { return m_lines.GetLongestLength(); }
    int GetLogOption() const { return m_settings.m_nLogOption; }
    bool IsLogSingleFile() const { return m_settings.m_nLogOption == kLogSingleFile; }
    bool IsLogMemoryOnly() const { return m_settings.m_nLogOption == kLogMemoryOnly; }
    bool IsLogNumbered() const { return m_settings.m_nLogOption == kLogNumbered; }
    bool IsMemLimitEnabled() const { return m_settings.m_bEnableMemLogLimit; }
    UINT GetMemLimit() const { return m_settings.m_nMemLogLinesLimit; }
    const CLoggingSettings& GetSettings() const { return m_settings; }
    const CString& GetHeaderText() const { return m_strHeader; }
    bool HasLoggedSomething() const { return m_bSomethingLogged; }

    void SetLogFolder(const CString& strFolder);
    const CString& GetLogFolder() const { return m_strLogFolder; }
    // Refuses (false, with the reason in *pstrProblem when given) limits out
    // of range or a file number above "MaxFileNum".
    bool SetLoggingOptions(const CLoggingSettings& opt, CString* pstrProblem = nullptr);
    bool SetCurFileNum(UINT nNumber);
    // A new logging mode, number of files and base name; false when the
    // file for the new mode could not be had (nothing changes then).
    bool SetLogOption(int nOption, int nFiles, const CString& strBaseName);
    // Saves every stored line to the next numbered file and makes it the
    // document's file.
    bool StartNumberedLogfile(int nMax, const CString& strBaseName);
    // Compares the numbering with the files present in the folder and offers
    // to correct it.
    void SyncLogfileNumbers(const CString& strFolder, const CString& strBaseName, int nNumber);
    // The next numbered name (numbering advanced and stored).
    CString NextLogfileName(int nMax = -1, const CString& strBaseName = CString());

    // Lines that the log file has not taken wait in memory. While they do,
    // the view's timer calls this every few seconds (the retry period, in
    // milliseconds), and in short steps once the file takes them: they are
    // written as soon as it has room, with no new line to bring them. True
    // when the file has taken them all.
    bool WriteWaitingLines();
    void SetLogRetryPeriod(UINT nMs) { m_nRetryMs = nMs; }

    // The close's question about console messages that no file holds (kept
    // in memory only, or a single or numbered log that could not be had),
    // asked before the close does anything; false when cancelled. The
    // close's own save then asks nothing more.
    bool AskSaveBeforeClose();
    // "Do you want to save the console log?" for the lines no file holds
    // (nothing asked, true, when there are none); false when cancelled or
    // the save failed.
    bool OfferToSaveLines();
    // Stored lines that no file holds: kept in memory only since they were
    // last saved, or not taken by the log file (every line while there is
    // none).
    INT_PTR GetLinesInNoFile();
    // "At Startup": asks for the file the console is logged to; cancelled,
    // the lines are kept in memory (and the close asks about them).
    void AskStartupLogfile();

    BOOL OnSaveDocument(LPCSTR pszPathName) override;
    // Without a name, the file dialog proposes the log files' base name in
    // the log folder.
    BOOL DoSave(LPCSTR pszPathName, BOOL bReplace = TRUE) override;
    BOOL IsModified() override;
    BOOL CanCloseFrame(CFrameWnd* pFrame) override;
    BOOL SaveModified() override;
    void DeleteContents() override;

    void OnOpenNextLogfile();

protected:
    void OnUpdateOpenNextLogfile(CCmdUI* pCmdUI);
    void OnSaveMessages();
    void OnUpdateSaveMessages(CCmdUI* pCmdUI);
    void OnUpdateDeleteMessages(CCmdUI* pCmdUI);

private:
    void BuildHeaderText();
    bool OpenLogfile();
    bool CloseLogfile();
    CLogRingOptions RingOptions() const;
    void ShowFileError(const char* pszWhat, const CString& strPath, const CFileException& e) const;
    const char* WriteErrorText() const;
    // A write (or open) of the log file failed: the console notes that
    // logging stopped, and the user is told once, not at every line of a
    // flood; again only once the file has taken every line.
    void ReportLogFailure(const char* pszWhat, const CFileException& e);
    // The file has taken every line: the next failure is told, and a
    // console that said logging stopped says it resumed (and how many lines
    // went from memory before the file could take them).
    void LogWritten();
    // Writes the lines the file has not taken, the oldest first: the newest
    // m_nUnwritten stored ones, then those of pNew (counted there, not
    // stored yet). While older lines wait (a full disk), the oldest is
    // tried alone first, so that each block of a flood costs one small
    // write until the disk has room again. At most nMax stored lines go in
    // one call: the rest, and those of pNew, wait for the next. False when
    // the file failed to take a line.
    bool WriteUnwritten(const CConsoleBlock* pNew, INT_PTR nMax, CFileException* pError);
    // After a write of waiting lines that the file took (bTook) or not: a
    // failure is told, the file's taking every line noted, and the retry
    // set for the lines that still wait.
    void AfterWrite(bool bTook, const CFileException& e);
    // Lines the file had not taken that are no longer stored are lost: they
    // are counted, but for the note that logging stopped (it is the log's,
    // not a console message).
    void ForgetUnwrittenGone();
    // The file took the oldest n of the lines that waited for it.
    void Taken(INT_PTR n);
    // Sets the view's retry timer while lines wait: the next step soon after
    // a step the file took (bTook), else a look every m_nRetryMs; stops it
    // once none waits.
    void WatchForRoom(bool bTook);
    void NoteLogging(const char* pszState, int nKind);
    // The lines the log file could not take get one more try, all at once
    // (at the close, and for Delete Messages' Save); a failure is told, with
    // how many lines the file did not take (in memory, and gone from it).
    bool WriteAllUnwritten();
    bool TryOpenNumbered();
    CString ProposedLogPath() const;
    bool AskFallbackLogfile();

    // Held while the logging settings change with a question or box that
    // may show: the frame cannot close under it (this document would be
    // gone when the question returns). A close refused meanwhile is asked
    // again once the outermost change is done.
    class CLoggingChange {
    public:
        explicit CLoggingChange(CVornGUIDoc& doc);
        ~CLoggingChange();
        CLoggingChange(const CLoggingChange&) = delete;
        CLoggingChange& operator=(const CLoggingChange&) = delete;

    private:
        CVornGUIDoc& m_doc;
    };

    CConsoleLines m_lines;
    CLoggingSettings m_settings;
    CConsoleLogFile m_log;
    CString m_strLogFolder;
    CString m_strHeader;
    bool m_bSomethingLogged = false;
    bool m_bFailureTold = false;     // a failure was shown, none succeeded since
    bool m_bLoggingStopped = false;  // the console says that logging stopped
    bool m_bFailureShowing = false;  // its box shows now
    INT_PTR m_nUnwritten = 0;        // the newest lines the log file did not take
    INT_PTR m_nUnsaved = 0;          // the newest lines kept in memory only since the last save
    INT_PTR m_nLost = 0;             // lines it never took, gone from memory
    INT_PTR m_nLostAtGap = 0;        // of them, since the file last took a line
    INT_PTR m_nAheadOfNote = -1;     // lines waiting ahead of the note that logging stopped; -1: it waits not
    UINT m_nTimerMs = 0;             // the retry timer's period; 0: not set
    UINT m_nRetryMs = 3000;
    bool m_bCloseAnswered = false;   // the close's question was answered
    int m_nLoggingChanges = 0;          // CLoggingChange scopes open
    bool m_bCloseWaiting = false;       // a close came during one
    mutable CCriticalSection m_csLogging;
};
