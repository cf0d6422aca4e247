// VornGUIDoc.cpp: the document: console lines, log files and the
// "Logging" settings.
#include "session/VornGUIDoc.h"

#include <windows.h>

#include "config/Limits.h"
#include "config/ProductIdentity.h"
#include "platform/AfxIds.h"
#include "platform/CCmdUI.h"
#include "platform/CDocTemplate.h"
#include "platform/MessageBoxes.h"
#include "platform/ProfileStore.h"
#include "session/ConsoleClassifier.h"
#include "session/ConsoleCommands.h"
#include "session/LogFileNumbering.h"
#include "session/UnwrittenTexts.h"
#include "session/VornGUIView.h"

IMPLEMENT_DYNCREATE(CVornGUIDoc, CDocument)

BEGIN_MESSAGE_MAP(CVornGUIDoc, CDocument)
    ON_COMMAND(ID_VIEW_OPEN_NEXT_LOGFILE, OnOpenNextLogfile)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OPEN_NEXT_LOGFILE, OnUpdateOpenNextLogfile)
    ON_COMMAND(ID_VIEW_SAVE_MESSAGES, OnSaveMessages)
    ON_UPDATE_COMMAND_UI(ID_VIEW_SAVE_MESSAGES, OnUpdateSaveMessages)
    ON_UPDATE_COMMAND_UI(ID_VIEW_DELETE_MESSAGES, OnUpdateDeleteMessages)
END_MESSAGE_MAP()

CVornGUIDoc::CVornGUIDoc()
{
    BuildHeaderText();
    m_log.SetMarker(m_strHeader);
    m_settings.Load();
}

CVornGUIDoc::~CVornGUIDoc() = default;

void CVornGUIDoc::BuildHeaderText()
{
    CString strProductUrl = ProfileGetString("URLs", "VornGUIProductURL", g_strDefaultProductURL);
    CString strSupport = ProfileGetString("URLs", "VornGUISupportEmail", g_strDefaultSupportEmail);
    CString strEmuUrl = ProfileGetString("URLs", "VornamicProductURL", g_strDefaultEmulatorURL);
    CString strEmuSupport = ProfileGetString("URLs", "VornamicSupportEmail", g_strDefaultEmulatorSupportEmail);
    m_strHeader.Format("VornGUI -- Version %s\r\n%s\r\n\r\n"
                       "VornGUI URL:      %s\r\nVornGUI support:  %s\r\n\r\n"
                       "Vornamic URL:     %s\r\nVornamic support: %s\r\n",
                       g_strProductVersion, g_strCopyrightLine, strProductUrl.GetString(), strSupport.GetString(),
                       strEmuUrl.GetString(), strEmuSupport.GetString());
}

namespace {

// Lines that waited for the log file are written this many at most in one
// step, so that a step stays short; the next step follows this soon.
const INT_PTR kWaitingLinesPerStep = 10000;
const UINT kNextStepMs = 10;

}  // namespace

CLogRingOptions CVornGUIDoc::RingOptions() const
{
    CLogRingOptions opt;
    opt.bLimit = m_settings.m_bEnableDiskLogLimit;
    opt.nLimit = m_settings.m_nDiskLogLinesLimit;
    opt.bSync = m_settings.m_bSyncDiskLog;
    return opt;
}

void CVornGUIDoc::ShowFileError(const char* pszWhat, const CString& strPath, const CFileException& e) const
{
    CString strQuoted;
    strQuoted.Format("\"%s\"", strPath.GetString());
    ErrorMessageBox(pszWhat, strQuoted, (DWORD)e.m_lOsError);
}

// The text of a failed write: the ring's trimming, or the write itself.
const char* CVornGUIDoc::WriteErrorText() const
{
    return m_log.TrimFailed() ? "Error trimming logfile." : "Logfile I/O error.";
}

void CVornGUIDoc::ReportLogFailure(const char* pszWhat, const CFileException& e)
{
    // Both flags first: the note and the box's own message loop bring more
    // lines, whose writes fail too. A box already showing is not stacked.
    bool bTell = !m_bFailureTold && !m_bFailureShowing;
    m_bFailureTold = true;
    if (!m_bLoggingStopped) {
        m_bLoggingStopped = true;
        // The note waits with the lines, behind those that wait now.
        m_nAheadOfNote = g_pView ? m_nUnwritten : -1;
        NoteLogging("stopped: the messages are kept in memory only", kMsgError);
    }
    if (!bTell)
        return;
    m_bFailureShowing = true;
    ShowFileError(pszWhat, GetPathName(), e);
    m_bFailureShowing = false;
}

void CVornGUIDoc::LogWritten()
{
    SetModifiedFlag(FALSE);
    m_bSomethingLogged = true;
    m_bFailureTold = false;
    if (!m_bLoggingStopped)
        return;
    m_bLoggingStopped = false;
    CString strState = LogResumedState(m_nLost);
    m_nLost = 0;
    NoteLogging(strState, -1);
}

void CVornGUIDoc::ForgetUnwrittenGone()
{
    INT_PTR nStored = m_lines.GetCount();
    if (m_nUnwritten <= nStored)
        return;
    INT_PTR nGone = m_nUnwritten - nStored;
    m_nUnwritten = nStored;
    if (m_nAheadOfNote >= nGone) {
        m_nAheadOfNote -= nGone;
    } else if (m_nAheadOfNote >= 0) {
        m_nAheadOfNote = -1;
        --nGone;
    }
    m_nLost += nGone;
    m_nLostAtGap += nGone;
}

void CVornGUIDoc::Taken(INT_PTR n)
{
    m_nUnwritten -= n;
    m_nAheadOfNote = m_nAheadOfNote >= n ? m_nAheadOfNote - n : -1;
    if (!m_log.GapNoteWaits())
        m_nLostAtGap = 0;
}

void CVornGUIDoc::WatchForRoom(bool bTook)
{
    UINT nMs = 0;
    if (m_nUnwritten > 0 && !IsLogMemoryOnly() && !GetPathName().IsEmpty())
        nMs = bTook ? kNextStepMs : m_nRetryMs;
    if (nMs != m_nTimerMs && g_pView && g_pView->SetLogRetryTimer(nMs))
        m_nTimerMs = nMs;
}

void CVornGUIDoc::AfterWrite(bool bTook, const CFileException& e)
{
    if (!bTook)
        ReportLogFailure(WriteErrorText(), e);
    else if (m_nUnwritten == 0)
        LogWritten();
    WatchForRoom(bTook);
}

bool CVornGUIDoc::WriteUnwritten(const CConsoleBlock* pNew, INT_PTR nMax, CFileException* pError)
{
    CLogRingOptions opt = RingOptions();
    INT_PTR nNew = pNew ? (INT_PTR)pNew->GetCount() : 0;
    INT_PTR nFirst = m_lines.GetCount() - (m_nUnwritten - nNew);
    // Where lines went from memory, the note saying so goes with the next.
    if (m_nLostAtGap > 0)
        m_log.SetGapNote(LogGapNote(m_nLostAtGap));
    if (nFirst < m_lines.GetCount() && (nFirst + 1 < m_lines.GetCount() || pNew)) {
        if (!m_log.WriteLine(m_lines.GetAt(nFirst), opt, pError))
            return false;
        Taken(1);
        ++nFirst;
    }
    if (nFirst < m_lines.GetCount()) {
        INT_PTR nEnd = nMax < m_lines.GetCount() - nFirst ? nFirst + nMax : m_lines.GetCount();
        CConsoleBlock block;
        for (INT_PTR i = nFirst; i < nEnd; ++i)
            block.Add(m_lines.GetAt(i).str());
        bool bAll = m_log.WriteLines(block, opt, pError);
        Taken((INT_PTR)m_log.GetLinesTaken());
        if (!bAll || nEnd < m_lines.GetCount())
            return bAll;
    }
    if (!pNew)
        return true;
    bool bAll = m_log.WriteLines(*pNew, opt, pError);
    Taken((INT_PTR)m_log.GetLinesTaken());
    return bAll;
}

// The note goes through the view, which stores and logs it as any line.
void CVornGUIDoc::NoteLogging(const char* pszState, int nKind)
{
    CString strNote;
    strNote.Format("* Logging to \"%s\" %s.", GetPathName().GetString(), pszState);
    if (g_pView)
        g_pView->AddMessage(strNote, true, nKind);
}

bool CVornGUIDoc::OpenLogfile()
{
    if (GetPathName().IsEmpty())
        return false;
    if (m_log.IsOpen() && !CloseLogfile())
        return false;
    CFileException e;
    if (!m_log.Open(GetPathName(), &e)) {
        ReportLogFailure("Error opening logfile.", e);
        return false;
    }
    return true;
}

bool CVornGUIDoc::CloseLogfile()
{
    CFileException e;
    if (m_log.Close(&e))
        return true;
    ShowFileError("Error closing logfile.", GetPathName(), e);
    return false;
}

void CVornGUIDoc::WriteLogLine(const CString& strLine, int nKind)
{
    CSingleLock lock(&m_csLogging, TRUE);
    m_lines.Add(strLine, nKind);
    SetModifiedFlag(TRUE);
    if (IsLogMemoryOnly()) {
        ++m_nUnsaved;
        return;
    }
    ++m_nUnwritten;
    if (!m_log.IsOpen() && !OpenLogfile()) {
        WatchForRoom(false);
        return;
    }
    CFileException e;
    bool bTook;
    if (m_nUnwritten == 1 && m_nLostAtGap == 0) {
        bTook = m_log.WriteLine(strLine, RingOptions(), &e);
        Taken((INT_PTR)m_log.GetLinesTaken());
    } else {
        bTook = WriteUnwritten(nullptr, kWaitingLinesPerStep, &e);
    }
    AfterWrite(bTook, e);
}

bool CVornGUIDoc::WriteWaitingLines()
{
    CSingleLock lock(&m_csLogging, TRUE);
    if (m_nUnwritten <= 0 || IsLogMemoryOnly() || (!m_log.IsOpen() && !OpenLogfile())) {
        WatchForRoom(false);
        return false;
    }
    CFileException e;
    bool bTook = WriteUnwritten(nullptr, kWaitingLinesPerStep, &e);
    bool bAll = bTook && m_nUnwritten == 0;
    AfterWrite(bTook, e);
    return bAll;
}

void CVornGUIDoc::WriteLogLines(const std::vector<CString>& lines)
{
    CConsoleBlock block;
    for (const CString& str : lines)
        block.Add(str.str());
    WriteLogLines(std::move(block));
}

void CVornGUIDoc::WriteLogLines(CConsoleBlock&& lines)
{
    CSingleLock lock(&m_csLogging, TRUE);
    SetModifiedFlag(TRUE);
    if (lines.IsEmpty())
        return;
    // Written first, then stored (the store takes the block), and only then
    // a write error shown: its message loop may bring more lines. They count
    // as unwritten once the open is done: the open's error box stores and
    // counts the lines that come meanwhile ahead of them.
    CFileException e;
    bool bOpen = !IsLogMemoryOnly() && (m_log.IsOpen() || OpenLogfile());
    (IsLogMemoryOnly() ? m_nUnsaved : m_nUnwritten) += (INT_PTR)lines.GetCount();
    bool bTook = bOpen && WriteUnwritten(&lines, kWaitingLinesPerStep, &e);
    m_lines.Add(std::move(lines));
    if (bOpen)
        AfterWrite(bTook, e);
    else
        WatchForRoom(false);
}

CString CVornGUIDoc::RemoveFirstLine()
{
    CString str = m_lines.RemoveFirst();
    ForgetUnwrittenGone();
    if (IsLogMemoryOnly())
        SetModifiedFlag(TRUE);
    return str;
}

bool CVornGUIDoc::RemoveFirstLines(INT_PTR n)
{
    if (n < 0 || (n > 0 && !m_lines.HasLines()))
        return false;
    bool bDone = m_lines.RemoveFirst(n);
    ForgetUnwrittenGone();
    if (IsLogMemoryOnly())
        SetModifiedFlag(TRUE);
    return bDone;
}

void CVornGUIDoc::SetLogFolder(const CString& strFolder)
{
    m_strLogFolder = strFolder;
    m_settings.Save();
}

// The numbering runs from 0 to "MaxFileNum" inclusive, so the last number
// is a current number like any other: it must not make every change of the
// limits and prefixes fail.
bool CVornGUIDoc::SetLoggingOptions(const CLoggingSettings& opt, CString* pstrProblem)
{
    CString strProblem = LoggingOptionsProblem(opt, m_settings.m_nMaxFileNum);
    if (pstrProblem)
        *pstrProblem = strProblem;
    if (!strProblem.IsEmpty())
        return false;
    // The mode, the files and the numbering questions' answers stay.
    CLoggingSettings old = m_settings;
    m_settings = opt;
    m_settings.m_nLogOption = old.m_nLogOption;
    m_settings.m_nMaxFileNum = old.m_nMaxFileNum;
    m_settings.m_strBaseFilename = old.m_strBaseFilename;
    m_settings.m_nKeptFileNum = old.m_nKeptFileNum;
    m_settings.m_nKeptAgainstFileNum = old.m_nKeptAgainstFileNum;
    m_settings.m_nKeptMaxFileNum = old.m_nKeptMaxFileNum;
    m_settings.m_nKeptAgainstHighest = old.m_nKeptAgainstHighest;
    m_settings.Save();
    return true;
}

bool CVornGUIDoc::SetCurFileNum(UINT nNumber)
{
    if (nNumber > m_settings.m_nMaxFileNum)
        return false;
    m_settings.m_nCurFileNum = nNumber;
    m_settings.Save();
    return true;
}

BOOL CVornGUIDoc::IsModified()
{
    return IsLogNumbered() ? FALSE : CDocument::IsModified();
}

BOOL CVornGUIDoc::CanCloseFrame(CFrameWnd* pFrame)
{
    // Not under a change of the logging settings: it closes once that is done.
    if (m_nLoggingChanges > 0) {
        m_bCloseWaiting = true;
        return FALSE;
    }
    if (g_pView && g_pView->IsSessionBusy())
        return FALSE;
    return CDocument::CanCloseFrame(pFrame);
}

void CVornGUIDoc::DeleteContents()
{
    m_lines.RemoveAll();
    m_nUnsaved = 0;
    ForgetUnwrittenGone();
    CDocument::DeleteContents();
}

void CVornGUIDoc::OnUpdateOpenNextLogfile(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsLogNumbered());
}

void CVornGUIDoc::OnUpdateSaveMessages(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(IsLogMemoryOnly() && CDocument::IsModified());
}

void CVornGUIDoc::OnUpdateDeleteMessages(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasLines());
}

void CVornGUIDoc::OnSaveMessages()
{
    if (!m_strLogFolder.IsEmpty())
        ::SetCurrentDirectoryA(m_strLogFolder);
    if (g_pView)
        g_pView->SendMessage(WM_COMMAND, ID_FILE_SAVE);
    if (g_pView)
        g_pView->UpdateTitle();
}
