// VornGUIView.h: CVornGUIView (global g_pView), the one view: the console
// pane that shows, colours and scrolls the document's lines, the mouse
// selection and find, the command history, and the stored preferences that
// the console and the dialogs consult. Its parts:
//   VornGUIView.cpp         settings, fonts, start-up and destruction
//   VornGUIView_UI.cpp      adding lines, painting, scrolling, keys
//   VornGUIView_Panels.cpp  selection, auto-scroll, copy and find
//   VornGUIViewPipe.cpp     child output: status fields, device lists, console queue
//   VornGUIViewCommands.cpp commands, their queue, the handshake, child memory
//   VornGUIViewFile.cpp     the configuration and its File commands, the title
//   VornGUIView_Console.cpp time stamps, held-key scrolling, partial erase,
//                           the shell command's folder
//   VornGUIViewPower.cpp    power on and off, the shutdown watchdog, the folder check
//   VornGUIViewSubscribe.cpp the bars' subscriptions to the emulator's reports
//   VornGUIViewPrefs.cpp    the preferences dialog: filling it, taking its pages
//   VornGUIViewAppearance.cpp the console's and the bars' look from the preferences
#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "platform/CGdiObject.h"
#include "platform/CScrollView.h"
#include "platform/CSyncObject.h"
#include "session/ChildProcessHost.h"
#include "config/CVornConfigFile.h"
#include "session/ConsoleClassifier.h"
#include "session/ConsoleFloodGauge.h"
#include "session/EmulatorOutputRouter.h"
#include "session/OutputRouterHost.h"
#include "session/RegisterFields.h"
#include "session/UtilityRuns.h"
#include "session/ConsoleFind.h"
#include "session/DeviceChoiceTexts.h"
#include "session/CpuAverage.h"
#include "session/LineSelection.h"
#include "session/PanelLamps.h"
#include "session/ViewSettings.h"

class CDevListMap;
class CLoggingSettings;
class CPreferencesDlg;
class CDynControlsDlgBar;
class CDynCPUPercentDlgBar;
class IBarLook;
struct SPrefConsoleFields;
struct SPrefStatLineFields;
class IDevListReceiver;
class CStatusBar;
class CPipedProcessCtl;
class CSysCfgDialog;
struct SysCfgDeviceDialogRun;
class CVornGUIDoc;
class CUtilityDlg;
class CDasdGeometryChartDlg;

// The windows that receive the emulator session's messages and texts (the
// main frame's bars fill them in; null: no such window yet).
struct SSessionReceivers {
    HWND hDisplayAlterBar = nullptr;    // WM_EMULATOR_ACTIVE
    HWND hCpuPercentBar = nullptr;      // WM_CPU_PERCENT, WM_EMULATOR_ACTIVE, WM_MAXCPU_CHANGED, WM_CPU_ENGINE_TYPE
    CDynCPUPercentDlgBar* pCpuPercentBar = nullptr;  // its meters' look
    IBarLook* pDevListLook = nullptr;   // the device-list bar's font and colours
    IBarLook* pStorageLook = nullptr;   // the storage bar's font and colours
    IDevListReceiver* pDevListBar = nullptr;   // takes the finished device lists
    CDynControlsDlgBar* pControlsBar = nullptr; // the control panel: lamps, meter, load unit
    CStatusBar* pStatusBar = nullptr;   // the main frame's, with the status panes 205-209
    HWND hCpuSpin = nullptr;            // the status-line bar's CPU up-down (UDM_SETPOS)
    HWND hCmdSend = nullptr;            // the command-line bar's "Send" button (1002)
    HWND hShellDirEdit = nullptr;       // the shell-command directory edit
    HWND hStatusLineBar = nullptr;      // WM_LAYOUT_STATUS_FIELDS
    HWND hStatusParts[kStatusPartCount] = {};
    HWND hRegisterFields[kRegisterFieldCount] = {};
};

class CVornGUIView : public CScrollView, public CChildProcessHost, private COutputRouterHost {
    DECLARE_DYNCREATE(CVornGUIView)
    DECLARE_MESSAGE_MAP()
public:
    CVornGUIView();
    ~CVornGUIView() override;

    CVornGUIDoc* GetDocument() const;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE) override;
    virtual void UpdateTitle();

    // Console lines (GUI thread). nKind: the console kind the line shows
    // with (an application note's own), -1 when its text tells.
    void AddMessage(const CString& strText, bool bTimestamp, int nKind = -1);
    void AddMessages(CConsoleBlock&& lines);
    void RefreshAfterAppend(int nAdded);
    // The deferred redraw of a pane that follows the end (timer 558).
    void OnFollowEndRedrawTimer();
    // Lines that wait for room in the log file are tried every nMs (timer
    // 560); 0 stops it. False when the timer could not be set.
    bool SetLogRetryTimer(UINT nMs);
    void OnLogRetryTimer();
    static int ClassifyMessage(const CString& strText) { return ::ClassifyMessage(strText); }
    // Puts the time stamp of the "LogDates" and "LogTimes" options in front.
    void FormatTimestamp(CString& strText);

    // Selection and find.
    bool FindInConsole();
    int LineFromPoint(int x, int y) const;
    bool IsPointInSelection(int x, int y) const;
    void ExtendSelection(int nLine, bool bUpdate);
    void ClearSelection(bool bUpdate);
    void UpdateSelection();
    const CLineSelection& GetSelection() const { return m_sel; }
    // Sets anchor and caret (Select All: 0 and the line count) and redraws.
    void SetSelection(int nAnchor, int nCaret);
    CString GetSelectedText() const;
    void SetFindText(const CString& str) { m_strFindText = str; }
    CFindOptions& FindOptions() { return m_findOpt; }
    HWND GetFindDialog() const { return m_hFindDlg; }
    int GetTopLine() const { return m_nTopLine; }
    int GetLinesFit() const { return m_nLinesFit; }
    int GetLineHeight() const { return m_nLineHeight; }
    int GetCharWidth() const { return m_nCharWidth; }
    bool IsFollowingEnd() const { return m_bFollowEnd; }
    // A redraw of the pane that follows the end waits for its timer.
    bool IsFollowRedrawDue() const { return m_bFollowRedrawDue; }

    // True while the emulator or a utility runs (the frame may not close).
    bool IsSessionBusy() const { return IsUtilityRunning() || IsEmulatorRunning(); }
    const CViewSettings& Settings() const { return m_settings; }
    // The status bar's "Show on status bar" choice (stored with the settings).
    void SetStatusOnStatusBar(bool bOn) { m_settings.m_bStatusOnBar = bOn; }
    // The power-off question's "Don't ask me this again." (stored with the settings).
    void SetNoWarnPowerOff(bool bNoWarn) { m_settings.m_bNoWarnPowerOff = bNoWarn; }
    // The find direction the storage bar last used (stored as "SearchFwd").
    void SetSearchForward(bool bForward) { m_settings.m_bSearchFwd = bForward; }
    CString GetLogFilesDir() const { return m_settings.GetFirstDir(kDirLogFiles); }
    // The folder of the configuration last opened or saved, else the first
    // configuration folder of the preferences.
    CString GetConfigFilesDir() const;
    CString GetExecutablesDir() const { return m_settings.GetFirstDir(kDirExecutables); }
    CString GetDiskFilesDir() const { return m_settings.GetFirstDir(kDirDiskFiles); }
    CString GetTapeFilesDir() const { return m_settings.GetFirstDir(kDirTapeFiles); }
    const CString& GetDefaultConfigName() const { return m_strDefaultConfigName; }

    HANDLE GetReaderResumeEvent() const { return m_hResumeReaders; }
    // Lets the frame's command line edit be the view's (null: none); it
    // takes text of any length, so that a long paste is not cut short.
    void SetCommandLineEdit(HWND hEdit);
    // A click on the command line while it waits for a starting emulator:
    // the pane takes the keyboard, so that what is typed next waits for the
    // command line too.
    void OnWaitingCommandLineClicked();

    // ---- Emulator session: output routing (VornGUIViewPipe.cpp) ----
    // CChildProcessHost: the view hosts every child process.
    HWND GetChildNotifyWnd() const override { return m_hWnd; }
    void OnPipeData(int nStream, CPipedProcessCtl* pCtl, char* pBuffer, int& nLength) override;
    void AddChildNote(const CString& strLine, bool bFailure) override;
    bool IsPidPrefixNeeded() const override;
    void ShowChildStartError(const CString& strText, const CString& strDetail) override;
    // Idle time on the GUI thread: posts WM_PENDING_LINES and holds or
    // releases the readers at "Limits"/"MessageFloodThreshold".
    void OnIdleFlowControl();
    bool GetBacklogFlag() { return m_router.Pending().IsPaused(); }
    // The lamps show on the receivers' control panel from now on.
    void SetSessionReceivers(const SSessionReceivers& receivers)
    {
        StoreReceivers(receivers);
        ShowLamps(true);
    }
    const SSessionReceivers& GetSessionReceivers() const { return m_receivers; }
    // Utility runs (the Utilities menu and the card-submission helper start
    // them): the command line is noted on the console, the run listed.
    CPipedProcessCtl* RunUtility(LPCSTR pszCommand, int nKind, HICON hIcon, LPCSTR pszTitle, INT64 nTotal);
    void AddRunningUtility(CPipedProcessCtl* pCtl);
    // True while the executables folder holds the 64-bit utility programs
    // ("volmake64.exe"); set by IsValidExecutablesDir.
    bool Has64BitUtilities() const { return m_bHas64BitUtilities; }
    // True when the folder exists and holds the emulator's program; records
    // whether the 64-bit utility programs are there (VornGUIView_Utilities.cpp).
    bool IsValidExecutablesDir(const CString& strDir);
    bool IsUtilityRunning() const { return m_utilityRuns.GetCount() > 0; }
    bool HasSeveralUtilities() const { return m_utilityRuns.GetCount() > 1; }
    // The console options of the reader threads, from the view's and the
    // document's settings (after start-up and after the preferences).
    void ApplyConsoleLineOptions();
    void SetStatusPartVisible(int nPart, bool bVisible);
    // The text last shown of a status part (its placeholder before the
    // emulator reported it).
    CString GetStatusLinePart(int nPart) const
    {
        return nPart >= 0 && nPart < kStatusPartCount ? m_strShownPart[nPart] : CString();
    }
    CEmulatorOutputRouter& Router() { return m_router; }
    // True while console lines pour in: work that can wait (the hidden
    // bars' dialogs) leaves the GUI thread to them until the flood ends.
    bool IsConsoleFlooding() const { return m_floodGauge.IsFlooding(::GetTickCount()); }
    // The run indicator's message was handled (its lamp handler calls this):
    // the running flag to show.
    bool ClearRunIndicatorPending() { return m_router.ClearRunPending(); }
    bool IsEmulatorStateRunning() { return m_router.IsRunning(); }

    // ---- Emulator session: commands and handshake (VornGUIViewCommands.cpp) ----
    // Writes a command with a line feed to the emulator (queued while it is
    // not running or not ready); false when a write failed. Any thread.
    bool SendCommand(const CString& strCommand);
    // Every command the program itself builds (panel buttons, menus, the
    // device list, the device dialogs, the Devices page) goes out here: with
    // the "vorn " prefix the emulator's version wants, or without it
    // (VornCommandForEmulator), then as SendCommand. Any thread.
    bool SendVornCommand(const CString& strCommand);
    // The device-list bar took a complete list: the emulator is ready; the
    // queue is written, oldest first; the first time WM_EMULATOR_READY.
    void FlushQueuedCommands();
    void SendAggregateStats();
    // Power-on: the emulator's controller, and the configuration's CPU count
    // and engine types. The ready flag is cleared. The same as
    // PrepareEmulatorSession, TakeEmulator and OpenEmulatorSession in turn,
    // then the recent configurations greyed.
    void AttachEmulator(CPipedProcessCtl* pCtl, const CVornConfigFile& config);
    // The emulator ended: no controller, not ready, the queued commands of
    // this session dropped, a waiting handshake ended. Returns the
    // controller for the caller to delete (null when none was attached).
    CPipedProcessCtl* DetachEmulator();

private:
    // Before the emulator's process starts: the configuration's CPUs, and
    // the events and reports of the last session cleared.
    void PrepareEmulatorSession(const CVornConfigFile& config);
    // The controller becomes the session's emulator, not yet ready.
    void TakeEmulator(CPipedProcessCtl* pCtl);
    // The Power lamp, and the protocol version and main storage asked.
    void OpenEmulatorSession();

public:
    CPipedProcessCtl* GetEmulator() const { return m_pEmulator; }
    bool IsEmulatorRunning() const { return m_pEmulator != nullptr; }
    // From the Power On command until the emulator runs or Power On ended.
    bool IsPoweringOn() const { return m_bPoweringOn; }
    bool IsEmulatorReady();
    bool IsMainStorageKnown() { return m_router.GetMainStorSize() > 0; }
    int GetQueuedCommandCount();
    // Copies between a buffer and an address inside the emulator process;
    // the bytes transferred, 0 without an emulator or when the address
    // cannot be reached from this process.
    static SIZE_T ReadChildMemory(UINT64 nAddress, void* pBuffer, SIZE_T nLength);
    static SIZE_T WriteChildMemory(UINT64 nAddress, const void* pBuffer, SIZE_T nLength);

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonDown(UINT nFlags, CPoint pt);
    void OnMouseMove(UINT nFlags, CPoint pt);
    void OnLButtonUp(UINT nFlags, CPoint pt);
    LRESULT OnMouseActivateMsg(WPARAM wp, LPARAM lp);
    void OnScrollCommand(UINT nID);
    void OnHistoryPrev();
    void OnHistoryNext();
    bool CanRetrieveCommand() const;
    void OnCommandLineEntered();
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnEditFind();
    void OnFindNext();
    void OnFindPrevious();
    void OnUpdateFind(CCmdUI* pCmdUI);
    void OnDeleteMessages();
    void OnDeleteSessionMessages();
    void OnContextMenu(CWnd* pWnd, CPoint point);
    CPoint KeyboardMenuPoint() const;
    void OnShellTargetDirButton();
    LRESULT OnFindReplaceNotify(WPARAM wp, LPARAM lp);
    // Emulator session messages.
    LRESULT OnPendingLines(WPARAM wp, LPARAM lp);
    // Every queued console line into the pane and the log.
    void ShowPendingLines();
    LRESULT OnStatusPartChanged(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnRegisterFieldChanged(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT OnShellDirReported(WPARAM wp, LPARAM lp);
    LRESULT OnArmShutdownWatchdog(WPARAM wp, LPARAM lp);
    LRESULT OnEmulatorReady(WPARAM wp, LPARAM lp);
    LRESULT OnMainStorageKnown(WPARAM wp, LPARAM lp);
    LRESULT OnUtilityEndedMsg(WPARAM wp, LPARAM lp);
    LRESULT OnUtilityStatus(WPARAM wp, LPARAM lp);
    LRESULT OnUtilityCancel(WPARAM wp, LPARAM lp);
    void BeepUtilityEnded(DWORD dwExitCode);
    // The Utilities menu (VornGUIView_Utilities.cpp); a utility whose dialog
    // does not exist yet has no handler, and its item stays disabled.
    void OnWidenVol();
    void OnVolMake();
    void OnVolRecast();
    void OnVolClone();
    void OnVolBuild();
    void OnVolPatch();
    void OnMapImport();
    void OnPackFlip();
    void OnReelScan();
    void OnReelBuild();
    void OnReelDivide();
    void OnReelDub();
    void OnReelBlank();
    void OnReelInfo();
    void OnReelRepack();
    void OnReelFetch();
    void OnPackCheck();
    void OnPackSqueeze();
    void OnVolIdent();
    void OnPackProbe();
    void OnPackLayout();
    void OnVolShow();
    void OnVolExtract();
    void OnVolUnload();
    void OnVolList();
    void OnVMFPLC2();
    // Help > DASD Geometry Chart: opens the chart unless it is open, and
    // gives it the focus.
    void OnHelpDasdChart();
    // WM_GEOMETRY_CHART_CLOSED, posted by the chart as its window goes:
    // the chart is deleted; returns 1.
    LRESULT OnGeometryChartClosed(WPARAM wp, LPARAM lp);

public:
    // The geometry chart while it is open (null: none).
    CDasdGeometryChartDlg* GetGeometryChart() const { return m_pGeometryChart.get(); }

private:
    // Destroys the chart's window if it is still there, then the chart.
    struct SGeometryChartDeleter {
        void operator()(CDasdGeometryChartDlg* pChart) const;
    };
    std::unique_ptr<CDasdGeometryChartDlg, SGeometryChartDeleter> m_pGeometryChart;

    // Makes the utility's folder current, runs its dialog and, on OK, its
    // command line.
    template <class TDlg>
    void RunUtilityDialog();
    void StartUtilityFromDialog(const CUtilityDlg& dlg);
    // COutputRouterHost (reader threads).
    bool PostToView(UINT nMessage, UINT_PTR wParam, INT_PTR lParam) override;
    void PostCpuPercent(unsigned nCpu, int nPercent) override;
    void CpuNumberChanged(unsigned nCpu) override;
    void DeviceLine(const SDeviceStatusLine& line) override;
    void MainStorageKnown() override;
    void SendCommandLine(const SLineSource& source, const std::string& strCommand) override;
    void ShellDirReported(const std::string& strDir) override;
    void Beep(EBeep eBeep) override;
    bool ApplyProgressLine(const SLineSource& source, const char* pszLine) override;
    SLocalTime LocalTime() override;
    void SetReadersRunning(bool bRunning) override;
    void EndDeviceList();
    void ShowStatusPart(int nPart);
    void SetStatusBarPane(int nPart);
    bool WriteCommandLine(const CString& strText);
    bool SendNow(const CString& strLine);
    static CString ProtocolVersionLine();
    bool WriteQueuedCommands();
    void ArmShutdownWatchdog();
    void OnEmulatorStarted();
    bool WaitForMainStorage();
    void EnableCommandLine(bool bEnable);

    void LoadSettings();
    void CreateFonts();
    // The five console fonts from the stored face, size, bold and italic.
    void CreateConsoleFonts();
    void MeasureFont();
    void RecalcPaneGeometry();
    void UpdateScrollBars();
    void SetScrollBar(int nBar, SCROLLINFO& si);
    void ScrollLines(int nDelta);
    void ScrollColumns(int nDelta);
    void SetTopLine(int nLine);
    void RecomputeFollowEnd() { m_bFollowEnd = m_nLineCount <= m_nLinesFit + m_nTopLine; }
    void CopyCountsFromDocument();
    void EnforceMemoryLimit();
    void AddBannerIfDue(int nLines);
    void InvalidateLines(int nFirst, int nLast);
    void OnAutoScrollTimer();
    void HandleMouseMove(CPoint pt);
    void ShowFoundLine(int nLine);
    void RunFind(bool bForward);
    void CloseFindDialog();
    void FocusFindDialog();
    bool KeyDown(int vk) const;
    bool ScrollOnePass(UINT nID);
    bool ScrollKeysHeld(UINT nID) const;
    bool ForwardArrowToCommandLine(UINT nID);
    void EraseRows(CDC* pDC, const RECT& rcPart);
    int ClampTop(int n) const;

    CViewSettings m_settings;
    CString m_strDefaultConfigName;
    bool m_bInitialised = false;

    // Fonts: the five kinds, and the status-line font.
    CFont m_fonts[kMsgKindCount];
    CFont m_statusFont;
    LOGFONTA m_lfBase = {};

    // Pane geometry and scroll state.
    CRect m_rcClient;
    int m_nLineHeight = 16;
    int m_nCharWidth = 8;
    int m_nLinesFit = 0;
    int m_nVisibleLines = 2;
    int m_nVisibleColumns = 2;
    int m_nLineCount = 0;
    int m_nLongest = 0;  // longest line less one
    int m_nTopLine = 0;
    int m_nFirstColumn = 0;
    bool m_bFollowEnd = true;
    // What each scroll bar (0 horizontal, 1 vertical) was last given, and
    // the position it then showed.
    struct SShownScroll {
        bool bValid;
        int nMax;
        UINT nPage;
        int nPos;
        int nActualPos;
    } m_shownScroll[2] = {};
    // While the end is followed through a flood the pane jumps on every
    // batch; it is redrawn (with its scroll bars) at most every
    // kFollowEndRedrawMs, the state in between is kept and a timer redraws.
    DWORD m_dwLastFollowRedraw = 0;
    bool m_bFollowRedrawDue = false;
    CConsoleFloodGauge m_floodGauge;  // the readers' lines taken, and when
    CRect m_rcPrevErase;
    DWORD m_crPrevErase = 0xFFFFFFFF;

    // Banner lines every 1000 lines (empty banner: none).
    CString m_strBanner;
    int m_nBannerCount = 0;

    // Selection and find.
    CLineSelection m_sel;
    CLineSelection m_selStored;
    int m_nSearchFirst = -1, m_nSearchLast = -1;
    bool m_bMultiLine = false;
    bool m_bHadFocus = false;
    bool m_bAutoScrollArmed = false;
    bool m_bAutoScrollActive = false;
    CPoint m_ptDown;
    HWND m_hFindDlg = nullptr;  // the find dialog when open (not owned)
    CString m_strFindText;
    CString m_strFindTitle = "Find Next";
    CFindOptions m_findOpt;

    // Command line and history.
    HWND m_hCmdLine = nullptr;  // the command-line bar's edit (not owned)
    // Characters typed into the pane that wait for the command line (a
    // session that starts enables it only once the emulator is ready).
    CString m_strTypedAhead;
    // Hands a character typed into the pane on to the command line, after
    // those that wait; keeps it while a session starts.
    void TypeIntoCommandLine(char ch);
    // Types the waiting characters into the command line at once, in order
    // (a typed Enter sends the line, as in the command line itself), without
    // moving the focus. Not through the message queue: a menu or dialog
    // opened meanwhile would take posted keys as its own.
    void HandTypedAheadOn();
    // Sends the command line's lines and empties it (the focus stays).
    void SendCommandLineText();
    std::vector<CString> m_history;
    int m_nHistoryPos = -1;

    // ---- Emulator session ----
    CEmulatorOutputRouter m_router{*this};
    SSessionReceivers m_receivers;          // GUI thread only
    // The receivers the reader threads post to, published by the GUI thread
    // each time m_receivers changes (bars whose dialogs are made late
    // rewrite it while the readers run).
    std::atomic<HWND> m_hReaderCpuPercentBar{nullptr};
    std::atomic<HWND> m_hReaderCpuSpin{nullptr};
    std::atomic<IDevListReceiver*> m_pReaderDevListBar{nullptr};
    // What the storage bar was last told of the emulator (WM_EMULATOR_ACTIVE):
    // a storage bar whose dialog is made later is told it then.
    std::atomic<bool> m_bStorageBarActive{false};
    CUtilityRuns m_utilityRuns;
    bool m_bHas64BitUtilities = false;
    CString m_strShownPart[kStatusPartCount];
    CString m_strShownRegister[kRegisterFieldCount];  // the fields' texts, whether made or not
    CString m_strShellDirReported;          // "]CWD=" waiting for the GUI thread (status lock)
    // The command queue and the ready flag, under the (recursive) command-queue lock.
    CCriticalSection m_csCmdQueue;
    std::deque<CString> m_cmdQueue;
    bool m_bReady = false;
    // Owned by power-on/off; set under m_csCmdQueue, read by the readers too.
    std::atomic<CPipedProcessCtl*> m_pEmulator{nullptr};
    DWORD m_dwGuiThreadId = 0;
    std::vector<DWORD> m_engineTypes;       // one per configured CPU
    CEvent m_hSessionEnded{TRUE, TRUE};     // signalled while no emulator runs
    // The device list being collected; touched only by the emulator's
    // standard-error reader (and by the GUI thread once the readers ended).
    std::unique_ptr<CDevListMap> m_pDevList;
    CCriticalSection m_csStatus;
    // Stop, running and main-storage events: manual reset, not signalled.
    CEvent m_hStopEvent{FALSE, TRUE}, m_hRunningEvent{FALSE, TRUE}, m_hMainStorEvent{FALSE, TRUE};
    // Signalled while the pipe readers may run; reset while the pending
    // queue is at its threshold (readers wait on it through
    // CPipedProcessCtl::WaitWhilePaused).
    CEvent m_hResumeReaders{TRUE, TRUE};

public:
    // How the next WM_ERASEBKGND erases: 1 (one resize since the last erase)
    // only what the resize uncovered, any other value the whole pane. The
    // frame sets 2 before it shows or hides a bar.
    int m_nEraseMode = 2;

    // ---- The configuration and its File commands (VornGUIViewFile.cpp) ----
public:
    // Answers of PromptSaveModified (those of a Yes/No/Cancel box).
    enum { kPromptSaved = IDYES, kPromptNotSaved = IDNO, kPromptCancel = IDCANCEL };

    const CVornConfigFile& GetConfig() const { return m_config; }
    bool IsConfigModified() const { return m_bConfigModified; }
    // Opens the file as the current configuration (with the parse-errors
    // dialog while it has errors); false when it was not taken. The system
    // configuration dialog follows (but for a start-up file) in a message
    // of its own, posted.
    bool OpenConfiguration(const CString& strPath);
    // Asks for a file (unless a start-up file is pending) and opens it.
    bool OpenConfigurationDialog();
    // Saves under the current name, asking for one when there is none;
    // false when the configuration was not saved (it stays modified).
    bool SaveConfiguration();
    // Asks for a new name and saves; the old name and modified flag stay
    // when that fails or is cancelled.
    bool SaveConfigurationAs();
    // Offers to save a modified configuration: kPromptSaved (saved, or
    // nothing to save), kPromptNotSaved (go on without saving) or
    // kPromptCancel (a failed save counts as cancel).
    int PromptSaveModified();
    // A fresh default configuration.
    void ResetConfiguration();
    // Close: false when the user cancelled the save prompt.
    bool CloseConfiguration();
    // Takes an edited configuration (the system configuration dialog's).
    void ApplyEditedConfiguration(const CVornConfigFile& cfg);
    // Runs the system configuration dialog at a page (a tree index).
    void RunSysCfgDialog(int nPage);
    // Gives the dialog the current configuration, the folders its pages
    // start in, and the emulator session and device dialogs for its
    // Devices page.
    void PrepareSysCfgDialog(CSysCfgDialog& dlg);
    // The device definition dialogs' open function for the Devices page,
    // set by the main frame (the view knows the dialogs only through it).
    std::function<bool(CVornDevice&, CString&, const SysCfgDeviceDialogRun&)> m_defineDevice;
    // WM_SYSCFG_APPLY: takes over the configuration of the dialog in lp,
    // shows its load unit and CPUs on the panels; returns 1.
    LRESULT OnSysCfgApply(WPARAM wp, LPARAM lp);
    // WM_RUN_SYSCFG_DIALOG: RunSysCfgDialog at the page in wp.
    LRESULT OnRunSysCfgDialog(WPARAM wp, LPARAM lp);
    // Tells the CPU-percent bar the number of CPUs and each one's engine type.
    void TellCpuPercentBar(const DWORD* pEngineTypes, size_t nCpus);
    // Enables or greys the main window's menu of recent configurations.
    void EnableRecentConfigurations(bool bEnable);

protected:
    void OnNewConfiguration();
    void OnOpenConfiguration();
    void OnReopenConfiguration();
    void OnCloseConfiguration();
    void OnSaveConfiguration();
    void OnSaveConfigurationAs();
    void OnConfigureSettings();
    void OnConfigureDevices();
    void OnManualEdit();
    void OnUpdateNoEmulator(CCmdUI* pCmdUI);
    void OnUpdateHasPathNoEmulator(CCmdUI* pCmdUI);
    void OnUpdateSaveConfiguration(CCmdUI* pCmdUI);
    void OnUpdateSaveConfigurationAs(CCmdUI* pCmdUI);
    void OnUpdateConfigure(CCmdUI* pCmdUI);
    void OnUpdateManualEdit(CCmdUI* pCmdUI);

private:
    bool MaySaveParseErrors() const;
    void TakeConfiguration(CVornConfigFile&& cfg);
    void RememberConfigPath();
    void ShowSaveError(DWORD dwError);
    bool WarnExternalEdit();
    CString ConfigFileFilter() const;

    CVornConfigFile m_config;       // the current configuration
    CVornConfigFile m_savedConfig;  // as last opened, saved or reset
    bool m_bConfigModified = false;
    CString m_strLastConfigDir, m_strLastConfigFile;
    bool m_bLoadParmAsked = false;
    std::deque<std::pair<CString, CString>> m_waitingIpls;  // load parameter, unit
    int m_nLastSysCfgPage = 0;
    bool m_bNoRemindManualEdit = false;  // "Don't remind me again." (not stored)
    bool m_bSavingAs = false;  // inside Save As: a refused save ends there
    // The title's inputs at its last update.
    CString m_strTitleConfigPath, m_strTitleDocPath, m_strTitleShown;
    bool m_bTitleConfigModified = false, m_bTitleDocModified = false, m_bTitleSet = false;

    // ---- The emulator's power (VornGUIViewPower.cpp) ----
public:
    // Starts the emulator with the current configuration (nothing when it
    // runs or the user refuses a step).
    void PowerOn();
    // Asks a running emulator to end ("vorn exit").
    void PowerOff();
    // After a fatal fault on a worker thread (a pipe reader, the exit-waiter):
    // stops every child now, each noted in the console as killed, and ends
    // the emulator's session here, since its end may never be reported.
    void EndSessionAfterFault();
    // The clean-up after the emulator's process ended.
    void OnEmulatorEnded();
    // Takes the "-f" file of the command line as the configuration of the
    // next power-on and requests it.
    void TakeStartupConfigFile();
    bool ConfirmSavedBeforePowerOn();
    // The placeholder texts into every status-line part and register field;
    // the status line's fields are laid out for them.
    void ResetStatusFields();
    // After the emulator's end: the "Options" "PowerOff" choice (nothing,
    // close the main window, or ask), or the close that powered it off.
    void ApplyPowerOffOption();
    // Set when closing the main window powered the emulator off: its end
    // then closes the main window without asking (and clears it).
    void SetExitAfterPowerOff(bool bExit) { m_bExitAfterPowerOff = bExit; }
    // A close (or the session's end) is powering the emulator off to close
    // the main window.
    bool IsPoweringOffToExit() const { return m_bExitAfterPowerOff && IsEmulatorRunning(); }
    // Set while the main window's close asks whether to power off and to
    // save: an end of the emulator meanwhile takes the first question's cause
    // away, and the close goes on (or not) with the user's answers.
    void SetCloseAsksPowerOff(bool bAsks) { m_bCloseAsksPowerOff = bAsks; }
    // The command line of the last power-on.
    const CString& GetPowerOnCommandLine() const { return m_strPowerOnCommandLine; }

protected:
    void OnPowerOnCommand();
    void OnPowerOffCommand();
    void OnUpdatePowerOn(CCmdUI* pCmdUI);
    void OnUpdatePowerOff(CCmdUI* pCmdUI);
    LRESULT OnCheckRequiredDirs(WPARAM wp, LPARAM lp);
    LRESULT OnPowerOnRequest(WPARAM wp, LPARAM lp);
    LRESULT OnPowerOnStep(WPARAM wp, LPARAM lp);
    LRESULT OnApplyPowerOffOption(WPARAM wp, LPARAM lp);
    void OnShutdownWatchdog();

private:
    // The questions and the configuration of Power On: the configuration to
    // read is read in posted steps (kPowerOnLoad), the rest follows its
    // end; false when it ends there.
    bool PreparePowerOn();
    // After the configuration: the command line, the licensed-mode question
    // and the session description, then the posted steps that start the
    // emulator; false when it ends there.
    bool FinishPowerOn(bool bNoConfig);
    HWND DevListBarWindow() const;
    // The question about the first bad required folder, then the
    // preferences at Directories closing by themselves; false when cancelled.
    bool AskForRequiredFolders();
    bool ChoosePowerOnConfiguration(bool& bNoConfig);
    // "PrevConfigDir" + "PrevConfigFile" read apart from the current
    // configuration, a part in each WM_POWER_ON_STEP, the parse-errors
    // dialog after it while it has errors; false when refused.
    void StartPowerOnLoad();
    bool ContinuePowerOnLoad();
    bool EndPowerOnLoad();
    void WritePowerOnHeader(const CString& strCommandLine, const CString& strSessionDesc,
                            const std::vector<CString>& notes);
    int AskAboutSlowShutdown();
    // Step 9 of power-on: the licensed mode must be acknowledged once per
    // program run; the question's answer as an ELicensedAnswer (a time-out
    // presumes it).
    int AskLicensedMode();

    bool m_bReloadPending = false;       // read the configuration again before powering on
    bool m_bExitAfterPowerOff = false;
    bool m_bCloseAsksPowerOff = false;
    bool m_bPoweringOn = false;
    bool m_bLicensedAcknowledged = false;  // until the program ends
    // The configuration Power On reads, while it is read.
    std::unique_ptr<CVornConfigFile> m_pPowerOnConfig;
    SConfigParse m_powerOnParse;
    bool m_bPowerOnIgnoresErrors = false;  // the parse-errors dialog's Ignore
    CString m_strPowerOnCommandLine;
    // For the header of the Power On under way.
    CString m_strPowerOnSessionDesc;
    std::vector<CString> m_powerOnNotes;

    // ---- The control panel's buttons, lamps and meter (VornGUIViewPanel.cpp) ----
public:
    // Gives the command line the focus (on timer 222, after the click).
    void FocusCommandLine();
    // Timer 222: the command line's window comes to the front with the
    // focus, unless the user works elsewhere by then (IsUserInMainWindow).
    void OnFocusCommandLineTimer();
    // True while the user works in the main window, one of its floating bars
    // or the command line's own window (hCmdLineTop): no modal window runs
    // (it disables them) and no other window (a dialog, another program's)
    // is the thread's active one.
    bool IsUserInMainWindow(HWND hCmdLineTop) const;
    // Follows the end of the console and plays "PressButton".
    void PlayPressButtonSound();
    // The same without waiting for the sound's end.
    void PlayMenuCommandSound();
    // The view window class's background brush in the console's background colour.
    void SetBrushBackground();
    void ReleaseBrushBackground();
    // The CPU-busy average shown on the meter (0.0-1.0).
    double GetCpuAverage();
    const SPanelLamps& GetLamps() const { return m_lamps; }

protected:
    void OnStartButton();
    void OnStopButton();
    void OnStoreButton();
    void OnRestartButton();
    void OnInterruptButton();
    void OnLoadButton();
    void OnPowerOnButton();
    void OnPowerOnLight();
    void OnPowerOffButton();
    LRESULT OnLoadIndicatorChanged(WPARAM wp, LPARAM lp);
    LRESULT OnRunIndicatorChanged(WPARAM wp, LPARAM lp);
    LRESULT OnManualIndicatorChanged(WPARAM wp, LPARAM lp);
    LRESULT OnCpuAverageReady(WPARAM wp, LPARAM lp);

private:
    // A panel button's command: sent only while an emulator runs; all but
    // Stop then give the command line the focus.
    void PanelCommand(const CString& strCommand, bool bFocus);
    // Shows the lit or unlit window of each lamp pair that changed (all with bAll).
    void ShowLamps(bool bAll);
    // The emulator ended or went to manual state: no samples, an average of 0.
    void ResetCpuAverage();
    // The configuration's load unit on the panel's dials, its processor
    // count and engine types on the CPU-percent bar.
    void ShowConfigurationOnPanels();
    void StartAveragingThread();
    static DWORD WINAPI AveragingThreadProc(LPVOID pParam);
    DWORD AveragingThread();

    SPanelLamps m_lamps;          // what the emulator reported
    SPanelLamps m_lampsShown;     // what the panel shows
    HWND m_hLampsShownOn = nullptr;  // the panel the lamps were last shown on
    // The CPU-average lock: the average; the averaging thread and the GUI thread.
    CCriticalSection m_csCpuAverage;
    CCpuAverage m_cpuAverage;
    HANDLE m_hAveragingThread = nullptr;
    CBrush m_brBackground;        // the window class's background brush

    // ---- The bars' subscriptions (VornGUIViewSubscribe.cpp) ----
public:
    // One flag per subscription message, the last wParam received.
    enum {
        kSubDevList, kSubStorage, kSubCpuPctAll, kSubGRegs, kSubCRegs, kSubARegs, kSubFRegs,
        kSubGRegs64, kSubCRegs64, kSubFRegs64, kSubVRegs, kSubscriptionCount
    };
    int GetSubscription(int nSubscription) const { return m_nSubscribed[nSubscription]; }

protected:
    LRESULT OnSubscribeDevList(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeStorage(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeCpuPctAll(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeGRegs(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeCRegs(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeARegs(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeFRegs(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeGRegs64(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeCRegs64(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeFRegs64(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeVRegs(WPARAM wp, LPARAM lp);

private:
    void Subscribe(int nSubscription, WPARAM wp);
    void SubscribeDeviceList();

    int m_nSubscribed[kSubscriptionCount] = {};

    // ---- The bars' fields, fonts and the command line (VornGUIViewBars.cpp) ----
public:
    // Once the frame handed over its bars: the placeholders, the shell
    // commands' folder, the command line disabled until the emulator is
    // ready, and the bar font.
    void InitBarControls();
    // A bar whose dialog hBar was made after the hand-over (the frame makes
    // hidden bars' contents later): FillBarControls, then LayOutBarControls.
    void RefillBarControls(const SSessionReceivers& receivers, HWND hBar);
    // The receivers again, and the status and register fields of hBar show
    // what the view has shown so far, in the bar font; a storage bar is told
    // of an emulator whose storage is known.
    void FillBarControls(const SSessionReceivers& receivers, HWND hBar);
    // The status and register fields of hBar laid out for their font and texts.
    void LayOutBarControls(HWND hBar);
private:
    // m_receivers and the readers' copies of what they post to.
    void StoreReceivers(const SSessionReceivers& receivers);
public:
    // The status-line and register-bar font from the stored name and size,
    // always regular; given to every status and register field, whose bars
    // then lay them out for it (unless the fields have that font already);
    // the status bar rebuilt and the status line laid out for the parts shown.
    void ApplyBarFont();
    HFONT GetPlainFont() const { return (HFONT)m_fonts[kMsgPlain].m_hObject; }
    HFONT GetBarFont() const { return (HFONT)m_statusFont.m_hObject; }
    // True when more than one child process runs.
    bool HasMultipleChildren() const;

protected:
    // A regular (never bold or italic) point font of the name and size.
    static bool MakeBarFont(CFont& font, const CString& strName, int nPoints);
    // The register bars that hold fields (only hBar's, unless it is null)
    // lay them out for the font they show.
    void LayOutRegisterBars(HWND hBar);
    LRESULT OnChooseBarFont(WPARAM wp, LPARAM lp);
    void OnUpdateCmdLineSend(CCmdUI* pCmdUI);

    // ---- The Command and Operations menus (VornGUIViewOperations.cpp) ----
public:
    // IPL asks no more for the device and load parameter (" Don't ask me
    // again"), until another configuration is opened.
    bool IsLoadParmAsked() const { return m_bLoadParmAsked; }
    void SetLoadParmAsked(bool bAsked) { m_bLoadParmAsked = bAsked; }
    // IPL: "loadparm" now and "ipl" with the unit a quarter second later, by
    // a timer, so that the window answers meanwhile. An IPL asked while one
    // waits follows it; the emulator's end drops what still waits.
    void SendIpl(const CString& strLoadParm, const CString& strUnit);
    // Runs "conspawn " + the command line as a child "Command" whose output
    // goes to the console unparsed, in the shell commands' folder.
    CPipedProcessCtl* RunConspawnCommand(const CString& strCommandLine);
    CString GetReaderFilesDir() const { return m_settings.GetFirstDir(kDirReaderFiles); }
    CString GetPunchFilesDir() const { return m_settings.GetFirstDir(kDirPunchFiles); }
    CString GetPrinterFilesDir() const { return m_settings.GetFirstDir(kDirPrinterFiles); }
    // The file name and argument text of the last Load Card Reader (bTape
    // false) or Load Tape, offered by the next one (stored with the settings).
    void SetLastLoad(bool bTape, const CString& strFile, const CString& strArgs)
    {
        (bTape ? m_settings.m_strPrevTapeFile : m_settings.m_strPrevReaderFile) = strFile;
        (bTape ? m_settings.m_strPrevTapeParms : m_settings.m_strPrevReaderParms) = strArgs;
    }
    bool IsLogFilesDirValid() const;
    bool IsConfigFilesDirValid() const;
    bool IsExecutablesDirValid();
    CString GetConfigFileFilter() const { return ConfigFileFilter(); }
    CString GetLogFileFilter() const;
    // The colour and font of a message kind, or of the kind of a console line.
    void GetSeverityStyle(int nKind, COLORREF& crText, HFONT& hFont) const;
    void GetSeverityStyle(const CString& strLine, COLORREF& crText, HFONT& hFont) const;
    // The console shows its last line.
    bool IsScrolledToEnd() const { return m_nLineCount <= m_nTopLine + m_nLinesFit; }

protected:
    void OnUpdateEmulatorCommand(CCmdUI* pCmdUI);
    void OnUpdateReaderCommand(CCmdUI* pCmdUI);
    void OnUpdateTapeCommand(CCmdUI* pCmdUI);

private:
    bool HasDeviceOfClass(WORD wClass) const;
    void SendFirstLoadParm();
    void OnIplTimer();
    void DropWaitingIpls();
    // Asks for the session description when the option is set; the
    // description for the power-on header (empty: none).
    CString AskSessionDescription();

    // ---- The preferences (VornGUIViewPrefs.cpp) ----
public:
    // Runs the preferences dialog with the live settings at a page (0-15);
    // with bAutoClose it presses OK by itself once open. On OK every page
    // is taken over; the page it ended on becomes g_nPrevPrefPage. True
    // when it ended with OK.
    bool ShowPreferences(int nPage, bool bAutoClose);
    // The preferences dialog while it runs (not owned), else null.
    CPreferencesDlg* GetPreferencesDlg() const { return m_pPrefsDlg; }
    // The console font's metrics, scroll sizes and a full repaint; the
    // command line takes the console's plain colours and font.
    void ApplyConsoleAppearance();

protected:
    LRESULT OnPrefsApplyPage(WPARAM wp, LPARAM lp);
    void OnPreferences();
    void OnViewProperties();
    void OnStatusBarProperties();

private:
    void FillPreferences(CPreferencesDlg& dlg);
    // Takes one page's working fields into the live settings and puts them
    // into effect; false when they were refused.
    bool ApplyPreferencesPage(CPreferencesDlg& dlg, int nPage);
    bool TakeLoggingOptions(const CLoggingSettings& log);
    // The appearance pages (VornGUIViewAppearance.cpp).
    void FillAppearancePages(CPreferencesDlg& dlg);
    bool ApplyAppearancePage(CPreferencesDlg& dlg, int nPage);
    void TakeConsoleFields(const SPrefConsoleFields& cons);
    // False (nothing taken) for an order that is not one of each part.
    bool TakeStatusLineFields(const SPrefStatLineFields& stat);

    CPreferencesDlg* m_pPrefsDlg = nullptr;
};

extern CVornGUIView* g_pView;

// How long the licensed-mode question waits before it presumes the answer
// (kLicensedModeTimeoutMs); tests shorten it.
extern UINT g_nLicensedModeTimeoutMs;
