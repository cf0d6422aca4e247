// VornGUIDocLogFiles.cpp: the document's log files: saving the lines,
// numbered file names and their synchronisation with the files on disk,
// changing the logging mode and switching to the next numbered file.
#include "session/VornGUIDoc.h"

#include <windows.h>

#include "config/Limits.h"
#include "platform/CDocTemplate.h"
#include "platform/CFile.h"
#include "platform/CModalLoop.h"
#include "platform/CWinApp.h"
#include "platform/MessageBoxes.h"
#include "session/LogFileNumbering.h"
#include "session/LogNumberingQuestions.h"
#include "session/SaveQuestion.h"
#include "session/UnwrittenTexts.h"
#include "session/VornGUIView.h"

namespace {

const char kLogFilesFilter[] = "Log Files (*.log;*.txt)|*.log;*.txt||";

// The numbering questions belong to the view, or to the main frame while
// there is no view.
HWND DialogParent()
{
    if (g_pView && g_pView->m_hWnd)
        return g_pView->m_hWnd;
    CWnd* pMain = AfxGetMainWnd();
    return pMain ? pMain->m_hWnd : nullptr;
}

}  // namespace

CVornGUIDoc::CLoggingChange::CLoggingChange(CVornGUIDoc& doc) : m_doc(doc)
{
    ++m_doc.m_nLoggingChanges;
}

CVornGUIDoc::CLoggingChange::~CLoggingChange()
{
    if (--m_doc.m_nLoggingChanges > 0 || !m_doc.m_bCloseWaiting)
        return;
    m_doc.m_bCloseWaiting = false;
    // Not under a modal window that is still up (the change may have been
    // made from one): the close waits for its end.
    if (CWnd* pMain = AfxGetMainWnd())
        PostCloseAfterModalLoops(pMain->m_hWnd);
}

BOOL CVornGUIDoc::OnSaveDocument(LPCSTR pszPathName)
{
    CLoggingChange change(*this);
    CFile file;
    CFileException e;
    if (!file.Open(pszPathName, CFile::modeWrite | CFile::modeCreate | CFile::shareDenyWrite, &e)) {
        ShowFileError("Error opening logfile.", pszPathName, e);
        return FALSE;
    }
    std::string s = m_strHeader.str() + "\r\n";
    for (INT_PTR i = 0; i < m_lines.GetCount(); ++i) {
        s += m_lines.GetAt(i).str();
        s += "\r\n";
    }
    if (!file.Write(s.data(), (UINT)s.size(), &e)) {
        ShowFileError("Logfile I/O error.", pszPathName, e);
        return FALSE;
    }
    m_bSomethingLogged = m_bSomethingLogged || m_lines.HasLines();
    // Every stored line is in the file: none waits, and no note of missing
    // lines is due after them.
    m_nUnwritten = m_nUnsaved = m_nLostAtGap = 0;
    m_nAheadOfNote = -1;
    m_log.SetGapNote(CString());
    WatchForRoom(false);
    SetModifiedFlag(FALSE);
    if (g_pView)
        g_pView->UpdateTitle();
    return TRUE;
}

bool CVornGUIDoc::WriteAllUnwritten()
{
    if (m_nUnwritten <= 0 && m_nLost == 0)
        return true;
    CFileException e;
    if ((m_log.IsOpen() || m_log.Open(GetPathName(), &e)) && WriteUnwritten(nullptr, m_nUnwritten, &e)) {
        LogWritten();
        WatchForRoom(true);
        return true;
    }
    ErrorMessageBox(WriteErrorText(), UnwrittenLinesText(m_nUnwritten, m_nLost, GetPathName()), (DWORD)e.m_lOsError);
    return false;
}

bool CVornGUIDoc::AskSaveBeforeClose()
{
    m_bCloseAnswered = false;
    if (!GetPathName().IsEmpty() || !CDocument::IsModified() || !HasLines())
        return true;
    m_bCloseAnswered = OfferToSaveLines();
    return m_bCloseAnswered;
}

INT_PTR CVornGUIDoc::GetLinesInNoFile()
{
    if (GetPathName().IsEmpty())
        return CDocument::IsModified() ? GetLineCount() : 0;
    // In memory only, lines a log file had not taken when the mode changed
    // come before those kept since. Both count among the newest lines
    // stored, some of which the memory limit may have dropped since.
    INT_PTR n = IsLogMemoryOnly() ? m_nUnsaved + m_nUnwritten : m_nUnwritten;
    return n < GetLineCount() ? n : GetLineCount();
}

// Save writes them now: to a file chosen now when there is none (the log
// goes on in it), to the file they were saved to before, or to the log file
// that did not take them. Don't Save goes on without them.
bool CVornGUIDoc::OfferToSaveLines()
{
    INT_PTR nLines = GetLinesInNoFile();
    if (nLines == 0)
        return true;
    int nAnswer = AskToSaveConsoleLog(DialogParent(), nLines);
    if (nAnswer != IDYES)
        return nAnswer == IDNO;
    if (GetPathName().IsEmpty())
        return DoSave(nullptr) != FALSE;
    if (IsLogMemoryOnly())
        return OnSaveDocument(GetPathName()) != FALSE;
    return WriteAllUnwritten();
}

void CVornGUIDoc::AskStartupLogfile()
{
    CLoggingChange change(*this);
    CString strPath = ProposedLogPath();
    if (AfxPromptFileName(strPath, strPath, kLogFilesFilter, FALSE, "Choose the Console Log File"))
        DoSave(strPath);  // tells its own failure: the lines stay in memory then
}

// The close's step. A log file gets the lines it has not taken and ends
// with its marker; lines kept in memory only go to the file they were saved
// to before. A failure is told and the close goes on: the program must end.
BOOL CVornGUIDoc::SaveModified()
{
    if (!IsLogMemoryOnly() && !GetPathName().IsEmpty()) {
        WriteAllUnwritten();
        if (m_log.IsOpen())
            CloseLogfile();
        return TRUE;
    }
    if (m_log.IsOpen())
        CloseLogfile();
    if (!CDocument::IsModified())
        return TRUE;
    if (!m_strLogFolder.IsEmpty())
        ::SetCurrentDirectoryA(m_strLogFolder);
    if (!GetPathName().IsEmpty()) {
        OnSaveDocument(GetPathName());  // tells its own failure
        return TRUE;
    }
    return IsLogMemoryOnly() || m_bCloseAnswered || OfferToSaveLines();
}

CString CVornGUIDoc::NextLogfileName(int nMax, const CString& strBaseName)
{
    if (m_settings.m_nMaxFileNum > g_nMaxAutologFilenum)
        m_settings.m_nMaxFileNum = g_nMaxAutologFilenum;
    UINT nLimit = nMax < 0 ? m_settings.m_nMaxFileNum : (UINT)nMax;
    if (nLimit > g_nMaxAutologFilenum)
        nLimit = m_settings.m_nMaxFileNum;
    if (m_settings.m_nCurFileNum > nLimit)
        m_settings.m_nCurFileNum = 0;
    m_settings.m_nCurFileNum = (UINT)NextLogNumber((int)m_settings.m_nCurFileNum, (int)m_settings.m_nMaxFileNum);
    if (!strBaseName.IsEmpty())
        m_settings.m_strBaseFilename = strBaseName;
    if (m_settings.m_strBaseFilename.IsEmpty())
        m_settings.m_strBaseFilename = g_strDefaultAutologFilename;
    SyncLogfileNumbers(m_strLogFolder, m_settings.m_strBaseFilename, (int)m_settings.m_nCurFileNum);
    m_settings.Save();
    return NumberedLogName(m_strLogFolder, m_settings.m_strBaseFilename, (int)m_settings.m_nCurFileNum);
}

bool CVornGUIDoc::StartNumberedLogfile(int nMax, const CString& strBaseName)
{
    CString strName = NextLogfileName(nMax, strBaseName);
    // Saving writes the header and every stored line to a new, empty file;
    // the lines that follow are appended after them.
    if (!OnSaveDocument(strName))
        return false;
    SetPathName(strName, FALSE);
    return true;
}

void CVornGUIDoc::SyncLogfileNumbers(const CString& strFolder, const CString& strBaseName, int nNumber)
{
    if (!IsLogNumbered())
        return;
    CLoggingChange change(*this);
    bool bOpen = !GetPathName().IsEmpty();
    if (bOpen && strFolder == m_strLogFolder && strBaseName == m_settings.m_strBaseFilename &&
        (UINT)nNumber != m_settings.m_nCurFileNum)
        return;
    CString strBase = strBaseName.IsEmpty() ? g_strDefaultAutologFilename : strBaseName;
    std::vector<CLogFileFound> files = FindNumberedLogFiles(strFolder, strBase);
    CLogNumbering found = ExamineLogNumbers(files, (int)m_settings.m_nMaxFileNum, bOpen);
    int nMax = (int)m_settings.m_nMaxFileNum;
    if (found.nHighest > nMax &&
        !(m_settings.m_nKeptMaxFileNum == nMax && m_settings.m_nKeptAgainstHighest == found.nHighest)) {
        LogNumberingQuestion q = MaxLogfilesExceededQuestion(nMax, found.nHighest);
        int nAnswer = AskLogNumberingQuestion(DialogParent(), q);
        if (nAnswer == IDYES) {
            m_settings.m_nMaxFileNum = (UINT)found.nHighest;
            m_settings.Save();
            found = ExamineLogNumbers(files, (int)m_settings.m_nMaxFileNum, bOpen);
        } else if (nAnswer == IDNO) {
            m_settings.m_nKeptMaxFileNum = nMax;
            m_settings.m_nKeptAgainstHighest = found.nHighest;
            m_settings.Save();
        }
    }
    if (found.nExpected < 0 || (UINT)found.nExpected == m_settings.m_nCurFileNum)
        return;
    // The answer "keep" holds for the numbers it was given to: the last-used
    // number against the newest file's. Before a file is opened the current
    // number is the one about to be used, so the last-used is the one before
    // it; an answer given while a file was open still holds at the next start.
    int nLastUsed = (int)m_settings.m_nCurFileNum;
    if (!bOpen)
        nLastUsed = nLastUsed == 0 ? (int)m_settings.m_nMaxFileNum : nLastUsed - 1;
    if (m_settings.m_nKeptFileNum == nLastUsed && m_settings.m_nKeptAgainstFileNum == found.nReference)
        return;
    LogNumberingQuestion q =
        ResyncLogfileNumbersQuestion(bOpen, strBase, (int)m_settings.m_nCurFileNum, found.nExpected, strFolder);
    int nAnswer = AskLogNumberingQuestion(DialogParent(), q);
    if (nAnswer == IDNO) {
        m_settings.m_nKeptFileNum = nLastUsed;
        m_settings.m_nKeptAgainstFileNum = found.nReference;
        m_settings.Save();
    }
    if (nAnswer != IDYES)
        return;
    m_settings.m_nCurFileNum = (UINT)found.nExpected;
    if (bOpen)
        m_settings.Save();
}

bool CVornGUIDoc::SetLogOption(int nOption, int nFiles, const CString& strBaseName)
{
    CLoggingChange change(*this);
    bool bWasModified = CDocument::IsModified() != FALSE;
    SetModifiedFlag(TRUE);
    if (!m_strLogFolder.IsEmpty())
        ::SetCurrentDirectoryA(m_strLogFolder);
    int nOldOption = m_settings.m_nLogOption;
    m_settings.m_nLogOption = nOption;
    bool bOk = true;
    if (nOption == kLogSingleFile && GetPathName().IsEmpty())
        bOk = DoSave(nullptr) != FALSE;
    else if (nOption == kLogNumbered && GetPathName().IsEmpty())
        bOk = StartNumberedLogfile(nFiles - 1, strBaseName);
    if (!bOk) {
        m_settings.m_nLogOption = nOldOption;
        SetModifiedFlag(bWasModified);
        return false;
    }
    m_settings.m_nMaxFileNum = (UINT)(nFiles - 1);
    // Fewer files than the current number: the numbering starts over, as
    // choosing the next name would, so that the two always agree.
    if (m_settings.m_nCurFileNum > m_settings.m_nMaxFileNum)
        m_settings.m_nCurFileNum = 0;
    m_settings.m_strBaseFilename = strBaseName;
    m_settings.Save();
    // Lines kept only in memory stay marked as unsaved; in the file modes
    // they are on disk now.
    SetModifiedFlag(nOption == kLogMemoryOnly ? bWasModified : FALSE);
    return true;
}

bool CVornGUIDoc::TryOpenNumbered()
{
    UINT nLimit = m_settings.m_nCurFileNum + 10;
    if (nLimit > m_settings.m_nMaxFileNum)
        nLimit -= m_settings.m_nMaxFileNum;
    for (int nTries = 0; nTries < 10; ++nTries) {
        SetPathName("", FALSE);
        CString strName = NextLogfileName();
        SetPathName(strName, FALSE);
        if (OpenLogfile())
            return true;
        if (m_settings.m_nCurFileNum > nLimit)
            break;
    }
    return false;
}

CString CVornGUIDoc::ProposedLogPath() const
{
    const CString& strBase = m_settings.m_strBaseFilename;
    return m_strLogFolder + (strBase.IsEmpty() ? g_strDefaultAutologFilename : strBase);
}

BOOL CVornGUIDoc::DoSave(LPCSTR pszPathName, BOOL bReplace)
{
    if (pszPathName && *pszPathName)
        return CDocument::DoSave(pszPathName, bReplace);
    // The document's title is the window's caption: no name to save under.
    CString strPath = ProposedLogPath();
    if (!AfxPromptFileName(strPath, strPath, kLogFilesFilter, FALSE))
        return FALSE;
    return CDocument::DoSave(strPath, bReplace);
}

bool CVornGUIDoc::AskFallbackLogfile()
{
    ErrorMessageBox("Unable to switch to the next logfile!",
                    "One or more errors occurred while trying to open the next sequentially numbered logfile. A "
                    "\"Save Logfile As...\" dialog follows: choose a file to continue logging to, or press Cancel "
                    "to keep messages only in memory until exit.");
    CString strPath = ProposedLogPath();
    while (AfxPromptFileName(strPath, strPath, kLogFilesFilter, FALSE)) {
        SetPathName(strPath, FALSE);
        m_bFailureTold = false;  // each file the user chooses is told
        if (OpenLogfile())
            return true;
    }
    return false;
}

void CVornGUIDoc::OnOpenNextLogfile()
{
    if (!g_pView)
        return;
    CLoggingChange change(*this);
    // The critical section is re-entrant: the notes pass through the view
    // back into WriteLogLine, the first still into the old file.
    CSingleLock lock(&m_csLogging, TRUE);
    UINT nOld = m_settings.m_nCurFileNum;
    CString strNote;
    strNote.Format("  >>>--- Logging switching to logfile %03d ------>", (int)nOld + 1);
    g_pView->AddMessage(strNote, false);
    g_pView->RefreshAfterAppend(1);
    bool bOpen = TryOpenNumbered();
    if (!bOpen) {
        bOpen = AskFallbackLogfile();
        m_settings.m_nLogOption = bOpen ? kLogSingleFile : kLogMemoryOnly;
        if (!bOpen)
            SetPathName("", FALSE);
        m_settings.Save();
    }
    if (bOpen) {
        strNote.Format("  <----- Logging switched from logfile %03d ---<<<", (int)nOld);
        g_pView->AddMessage(strNote, false);
        g_pView->RefreshAfterAppend(1);
    }
    g_pView->UpdateTitle();
}
