// VornGUIViewPipe.cpp: the view as host of the child processes: every chunk
// of child output goes through the output router (status fields, device
// lists, console queue); the router's requests are posted to the view and
// the bars; the GUI thread applies the posted fields and moves the queued
// console lines into the pane in one batch.
#include "session/VornGUIView.h"

#include <commctrl.h>

#include "config/Limits.h"
#include "config/WindowHelpers.h"
#include "devices/CDevListMap.h"
#include "platform/CStatusBar.h"
#include "platform/CSyncObject.h"
#include "platform/MessageBoxes.h"
#include "platform/OverduePaint.h"
#include "platform/PathFunctions.h"
#include "platform/ProfileStore.h"
#include "platform/Trace.h"
#include "resources/resource.h"
#include "session/DevListReceiver.h"
#include "session/PipedProcessCtl.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"

void CVornGUIView::OnPipeData(int nStream, CPipedProcessCtl* pCtl, char* pBuffer, int& nLength)
{
    SLineSource source;
    source.nStream = nStream;
    source.nKind = pCtl->GetKind();
    source.strPidText = pCtl->GetPidText().GetString();
    source.bSeveralChildren = IsPidPrefixNeeded();
    source.pChild = pCtl;
    // After a queued line the reader waits while flow control holds the
    // readers; a kill of the controller releases it. The queue's own flag is
    // asked first: a wait on the event, even a signalled one, is a round trip
    // to the wineserver, and it cost more than the rest of a line's road.
    m_router.RouteChunk(source, pBuffer, nLength, [&] {
        if (m_router.Pending().IsPaused())
            pCtl->WaitWhilePaused(m_hResumeReaders);
    });
}

// A child's failure (its end with a code other than 0) shows as an error.
void CVornGUIView::AddChildNote(const CString& strLine, bool bFailure)
{
    AddMessage(strLine, true, bFailure ? kMsgError : -1);
    RefreshAfterAppend(1);
}

bool CVornGUIView::IsPidPrefixNeeded() const
{
    return m_utilityRuns.IsPidPrefixNeeded(m_pEmulator != nullptr);
}

void CVornGUIView::ShowChildStartError(const CString& strText, const CString& strDetail)
{
    ErrorMessageBox(strText, strDetail);
}

void CVornGUIView::OnIdleFlowControl()
{
    if (m_hWnd && ::IsWindow(m_hWnd))
        m_router.OnIdleFlowControl(g_nMessageFloodThreshold);
}

void CVornGUIView::ApplyConsoleLineOptions()
{
    const CLoggingSettings& log = GetDocument()->GetSettings();
    SConsoleLineOptions options;
    options.bErrorBeep = m_settings.m_bErrorMsgBeep;
    options.bWarnBeep = m_settings.m_bWarnMsgBeep;
    options.bPidAlways = log.m_bLogPidAlways;
    options.bPidIfNeeded = log.m_bLogPidOnlyIfNeeded;
    options.bDates = log.m_bLogDates;
    options.bTimes = log.m_bLogTimes;
    m_router.SetConsoleOptions(options);
    m_router.SetAggregateStats(g_bAggregateStats);
    m_router.SetFloodThreshold(g_nMessageFloodThreshold);
    for (int i = 0; i < 3; ++i)
        m_router.SetPartVisible(i, m_settings.m_bPartVisible[i]);
}

void CVornGUIView::SetStatusPartVisible(int nPart, bool bVisible)
{
    if (nPart >= 0 && nPart < kStatusPartCount)
        m_settings.m_bPartVisible[nPart] = bVisible;
    m_router.SetPartVisible(nPart, bVisible);
}

// ---- COutputRouterHost: reader threads ----

void CVornGUIView::StoreReceivers(const SSessionReceivers& receivers)
{
    m_receivers = receivers;
    m_hReaderCpuPercentBar.store(receivers.hCpuPercentBar);
    m_hReaderCpuSpin.store(receivers.hCpuSpin);
    m_pReaderDevListBar.store(receivers.pDevListBar);
}

bool CVornGUIView::PostToView(UINT nMessage, UINT_PTR wParam, INT_PTR lParam)
{
    HWND hWnd = m_hWnd;
    return hWnd && ::IsWindow(hWnd) && ::PostMessageA(hWnd, nMessage, wParam, lParam);
}

void CVornGUIView::PostCpuPercent(unsigned nCpu, int nPercent)
{
    HWND hBar = m_hReaderCpuPercentBar.load();
    if (hBar && ::IsWindow(hBar))
        ::PostMessageA(hBar, WM_CPU_PERCENT, nCpu, nPercent);
}

// The up-down control is set by a posted message: a reader thread never
// waits for the GUI thread (a cross-thread SendMessage could deadlock with
// a GUI thread that waits for the reader).
void CVornGUIView::CpuNumberChanged(unsigned nCpu)
{
    HWND hSpin = m_hReaderCpuSpin.load();
    if (hSpin && ::IsWindow(hSpin))
        ::PostMessageA(hSpin, UDM_SETPOS, 0, MAKELPARAM(nCpu & 0xFFFF, 0));
}

// The emulator's request goes to that emulator only: once it has been
// detached, its late output must not queue commands for the next one.
void CVornGUIView::SendCommandLine(const SLineSource& source, const std::string& strCommand)
{
    CSingleLock lock(&m_csCmdQueue, TRUE);
    if (source.pChild == m_pEmulator.load())
        SendCommand(strCommand.c_str());
}

void CVornGUIView::MainStorageKnown()
{
    ::SetEvent(m_hMainStorEvent);
    PostToView(WM_MAIN_STORAGE_KNOWN, 0, 0);
}

// "]CWD=": stored under the status lock; the GUI thread shows and saves it
// and tells the emulator ("]SCD=").
void CVornGUIView::ShellDirReported(const std::string& strDir)
{
    {
        CSingleLock lock(&m_csStatus, TRUE);
        m_strShellDirReported = strDir.c_str();
    }
    PostToView(WM_SHELL_DIR_REPORTED, 0, 0);
}

void CVornGUIView::Beep(EBeep eBeep)
{
    if (eBeep == kBeepAsterisk)
        ::MessageBeep(MB_ICONASTERISK);
    else
        MyMessageBeep();
}

// "Beep when utilities finish processing": the exclamation sound for a run
// that failed, the asterisk for one that succeeded.
void CVornGUIView::BeepUtilityEnded(DWORD dwExitCode)
{
    bool bFailed = dwExitCode != 0;
    WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "rc=%d: %s beep\n", (int)dwExitCode, bFailed ? "exclamation" : "asterisk");
    ::MessageBeep(bFailed ? MB_ICONEXCLAMATION : MB_ICONASTERISK);
}

// A utility's controller lives as long as its readers run.
bool CVornGUIView::ApplyProgressLine(const SLineSource& source, const char* pszLine)
{
    return static_cast<CPipedProcessCtl*>(source.pChild)->ApplyProgressLine(pszLine);
}

SLocalTime CVornGUIView::LocalTime()
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    SLocalTime t;
    t.wYear = st.wYear;
    t.wMonth = st.wMonth;
    t.wDay = st.wDay;
    t.wHour = st.wHour;
    t.wMinute = st.wMinute;
    t.wSecond = st.wSecond;
    t.wMilliseconds = st.wMilliseconds;
    return t;
}

void CVornGUIView::SetReadersRunning(bool bRunning)
{
    if (bRunning)
        ::SetEvent(m_hResumeReaders);
    else
        ::ResetEvent(m_hResumeReaders);
}

// ---- GUI thread: the posted messages ----

// The console's lines, and below the status fields, come in posted
// messages as fast as the emulator writes; each handler then gives out the
// paints they hold back (OverduePaint.h), in whatever loop dispatched it.
LRESULT CVornGUIView::OnPendingLines(WPARAM, LPARAM)
{
    ShowPendingLines();
    PaintOverdueWindows();
    return 0;
}

void CVornGUIView::ShowPendingLines()
{
    CConsoleBlock lines = m_router.TakePendingLines();
    if (lines.IsEmpty())
        return;
    int nLines = (int)lines.GetCount();
    m_floodGauge.Add(::GetTickCount(), (size_t)nLines);
    AddMessages(std::move(lines));
    RefreshAfterAppend(nLines);
}

LRESULT CVornGUIView::OnStatusPartChanged(UINT msg, WPARAM, LPARAM)
{
    ShowStatusPart((int)(msg - WM_STATUSPART0_CHANGED));
    PaintOverdueWindows();
    return 0;
}

// The newest text of a part into its control, when it changed; the part
// is no longer pending.
void CVornGUIView::ShowStatusPart(int nPart)
{
    CString strText = m_router.TakePart(nPart).c_str();
    if (strText == m_strShownPart[nPart])
        return;
    m_strShownPart[nPart] = strText;
    HWND hCtl = m_receivers.hStatusParts[nPart];
    if (hCtl && ::IsWindow(hCtl))
        ::SetWindowTextA(hCtl, strText);
    // A field as wide as its text: the row is laid out again when the width
    // changed, which in a proportional font a text of the same length may do.
    HWND hBar = m_receivers.hStatusLineBar;
    if (hBar && ::IsWindow(hBar))
        ::SendMessageA(hBar, WM_LAYOUT_STATUS_FIELDS, (WPARAM)nPart + 1, 0);
    SetStatusBarPane(nPart);
}

// The status bar shows the parts too when the user chose so (its panes
// exist only then).
void CVornGUIView::SetStatusBarPane(int nPart)
{
    CStatusBar* pBar = m_receivers.pStatusBar;
    if (m_settings.m_bStatusOnBar && pBar && pBar->m_hWnd) {
        int nIndex = pBar->CommandToIndex(ID_INDICATOR_PSW + nPart);
        if (nIndex >= 0)
            pBar->SetPaneText(nIndex, m_strShownPart[nPart]);
    }
}

LRESULT CVornGUIView::OnRegisterFieldChanged(UINT msg, WPARAM, LPARAM)
{
    for (int i = 0; i < kRegisterFieldCount; ++i) {
        if (RegisterField(i).nMessage != msg)
            continue;
        CString strText = m_router.TakeRegister(i).c_str();
        m_strShownRegister[i] = strText;
        // Painted at once: the bar's rows show their values as they came,
        // each whole, not one row new beside another that waits for its paint.
        HWND hCtl = m_receivers.hRegisterFields[i];
        if (hCtl && ::IsWindow(hCtl) && ShowWindowText(hCtl, strText))
            ::UpdateWindow(hCtl);
        break;
    }
    PaintOverdueWindows();
    return 0;
}

LRESULT CVornGUIView::OnShellDirReported(WPARAM, LPARAM)
{
    CString strDir;
    {
        CSingleLock lock(&m_csStatus, TRUE);
        strDir = m_strShellDirReported;
    }
    if (strDir.IsEmpty())
        return 0;
    // An emulator that could not change to the folder it was sent answers
    // with its own: sending that back, or the one it refused again, would
    // go round without end. The folder it already has is left alone.
    if (WindowsizedDirectory(strDir).CompareNoCase(WindowsizedDirectory(m_settings.m_strCmdTargetDir)) == 0)
        return 0;
    m_settings.m_strCmdTargetDir = strDir;
    ProfileWriteString("Settings", "CmdTargetDir", strDir);
    if (m_receivers.hShellDirEdit && ::IsWindow(m_receivers.hShellDirEdit))
        ::SetWindowTextA(m_receivers.hShellDirEdit, strDir);
    SendCommand("]SCD=" + WindowsizedDirectory(strDir));
    return 0;
}

// ---- Device lists ----

void CVornGUIView::DeviceLine(const SDeviceStatusLine& line)
{
    if (!m_pDevList)
        m_pDevList = std::make_unique<CDevListMap>(0);
    m_pDevList->bIncremental = line.bNewFormat ? 1 : 0;
    if (line.eKind == kDevLineEnd) {
        EndDeviceList();
        return;
    }
    if (!line.bLcssReported)
        m_pDevList->bWithoutLcss = true;
    CDevListEntry entry;
    entry.SetFromStatusLine(line);
    m_pDevList->SetAt(entry.GetKey(), entry);
}

// Hands the finished list to the device-list bar (under the bar's lock;
// the bar is told when its queue was empty) and starts a new one of the
// same format. An empty incremental report of a ready emulator changes
// nothing and is not handed over.
void CVornGUIView::EndDeviceList()
{
    BYTE bIncremental = m_pDevList->bIncremental;
    if (bIncremental && m_pDevList->IsEmpty() && IsEmulatorReady())
        return;
    if (IDevListReceiver* pBar = m_pReaderDevListBar.load())
        pBar->QueueFinishedList(std::move(m_pDevList));
    m_pDevList = std::make_unique<CDevListMap>(bIncremental);
}

// ---- The end of a child ----

CPipedProcessCtl* CVornGUIView::RunUtility(LPCSTR pszCommand, int nKind, HICON hIcon, LPCSTR pszTitle, INT64 nTotal)
{
    m_bFollowEnd = true;
    AddMessage(pszCommand, false);
    RefreshAfterAppend(1);
    return m_utilityRuns.Run(pszCommand, nKind, hIcon, pszTitle, nTotal, GetExecutablesDir());
}

void CVornGUIView::AddRunningUtility(CPipedProcessCtl* pCtl)
{
    m_utilityRuns.Add(pCtl);
}

LRESULT CVornGUIView::OnUtilityStatus(WPARAM, LPARAM lp)
{
    m_utilityRuns.OnStatus(reinterpret_cast<CPipedProcessCtl*>(lp));
    return 0;
}

LRESULT CVornGUIView::OnUtilityCancel(WPARAM, LPARAM lp)
{
    m_utilityRuns.OnCancel(reinterpret_cast<CPipedProcessCtl*>(lp));
    return 0;
}

// After a fault on one of its threads the session cannot go on: every
// utility and the emulator are killed, and the emulator's end is handled
// here, as the thread that would report it may be the one that died.
void CVornGUIView::EndSessionAfterFault()
{
    ShowPendingLines();
    m_utilityRuns.KillAll();
    CPipedProcessCtl* pCtl = m_pEmulator;
    if (!pCtl)
        return;
    DWORD dwExitCode = pCtl->Kill(true);
    DetachEmulator();
    m_pDevList.reset();
    pCtl->ReportEnd(dwExitCode);
    delete pCtl;
    OnEmulatorEnded();
}

// A utility's end is reported by its run, after its last lines. The
// emulator's end: the session is over (ready flag, queue, a waiting
// handshake), its end is reported and its controller deleted.
LRESULT CVornGUIView::OnUtilityEndedMsg(WPARAM wp, LPARAM lp)
{
    CPipedProcessCtl* pCtl = reinterpret_cast<CPipedProcessCtl*>(lp);
    // The child's readers have handed over all its output before its end
    // was posted: every line it wrote is shown and logged before its end.
    ShowPendingLines();
    if (m_utilityRuns.OnEnded(pCtl, (DWORD)wp)) {
        if (m_settings.m_bBeepWhenUtilityIsDone)
            BeepUtilityEnded((DWORD)wp);
        // The whole pane is drawn again, background and all.
        m_nEraseMode = 2;
        Invalidate(TRUE);
        return 0;
    }
    if (!pCtl || pCtl != m_pEmulator)
        return 0;
    DetachEmulator();
    // Its readers have ended: a list left unfinished goes with the session.
    m_pDevList.reset();
    pCtl->ReportEnd((DWORD)wp);
    delete pCtl;
    OnEmulatorEnded();
    ApplyPowerOffOption();
    return 0;
}
