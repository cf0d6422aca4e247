// MainFrame.h: CMainFrame (g_pMainFrame), VornGUI's single-document frame:
// the owner-drawn menu, the status bar and the fourteen dockable bars, the
// bar subscriptions to the view, docking layout and window placement, edit
// routing, the help commands and the closing rules. Its parts:
//   MainFrame.cpp        creation, layout restore, activation, menus
//   MainFrameClose.cpp   closing, Windows session end, power-off on close
//   MainFrameEdit.cpp    Copy and Select All of the console
//   MainFrameHelp.cpp    help file, documentation, bug report
//   MainFrameBars.cpp    the fourteen bars: creation, docking, View menu,
//                        subscriptions, saved layout
//   MainFrameStatus.cpp  the status bar's panes and its context menu
#pragma once

#include <optional>

#include "config/CVornConfigFile.h"
#include "devices/DynDevListDlgBar.h"
#include "framework/CHelpButtonFrameWnd.h"
#include "framework/cdxCDynamicBar.h"
#include "mainwindow/DynDisplayAlterDlgBar.h"
#include "mainwindow/DynCPUPercentDlgBar.h"
#include "mainwindow/DynControlsDlgBar.h"
#include "mainwindow/DynCmdLineDlgBar.h"
#include "mainwindow/DynRegsDlgBar.h"
#include "mainwindow/DynStatusLineDlgBar.h"
#include "mainwindow/StatusBarACT.h"
#include "session/DeviceChoiceTexts.h"
#include "platform/BCMenu.h"

// One dockable bar of the main window (table in MainFrameBars.cpp).
struct SSessionReceivers;

struct SMainBar {
    UINT nBarID;
    const char* pszTitle;
    bool bAnyEdge;        // docks on all four edges, else top and bottom only
    UINT nViewCmd;        // View menu toggle
    UINT nDockCmd;
    UINT nFloatCmd;
    UINT nSubscribeMsg;   // message to the view when shown or hidden (0: none)
    bool bShownAtFirst;   // visible on the very first start
};
const int kMainBarCount = 14;
extern const SMainBar kMainBars[kMainBarCount];

class CMainFrame : public CHelpButtonFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
    DECLARE_MESSAGE_MAP()
public:
    CMainFrame();
    ~CMainFrame() override;

    BCMenu m_menu;              // the owner-drawn main menu
    CStatusBarACT m_wndStatusBar;
    // The fourteen bars in the order of kMainBars.
    cdxCDynamicBarT<CDynDevListDlgBar> m_wndDevListBar;
    cdxCDynamicBarT<CDynStatusLineDlgBar> m_wndStatusLineBar;
    cdxCDynamicBarT<CDynControlsDlgBar> m_wndControlsBar;
    cdxCDynamicBarT<CDynCmdLineDlgBar> m_wndCmdLineBar;
    cdxCDynamicBarT<CDyn32BitRegsDlgBar> m_wndGRegsBar;
    cdxCDynamicBarT<CDyn32BitRegsDlgBar> m_wndCRegsBar;
    cdxCDynamicBarT<CDyn32BitRegsDlgBar> m_wndARegsBar;
    cdxCDynamicBarT<CDyn32BitFPRegsDlgBar> m_wndFRegsBar;
    cdxCDynamicBarT<CDyn64BitRegsDlgBar> m_wndGRegs64Bar;
    cdxCDynamicBarT<CDyn64BitRegsDlgBar> m_wndCRegs64Bar;
    cdxCDynamicBarT<CDyn64BitRegsDlgBar> m_wndFRegs64Bar;
    cdxCDynamicBarT<CDynVRegsDlgBar> m_wndVRegsBar;
    cdxCDynamicBarT<CDynDisplayAlterDlgBar> m_wndStorageBar;
    cdxCDynamicBarT<CDynCPUPercentDlgBar> m_wndCpuPctBar;
    bool m_bForceClose = false; // the Windows session is ending
    // The configuration as the close's questions were answered, before its
    // power-off: the emulator's end asks nothing more unless it has changed.
    std::optional<CVornConfigFile> m_answeredConfig;
    bool m_bAskingToClose = false;  // a close asks its questions (or tells why it cannot close)

    void ActivateFrame(int nCmdShow = -1) override;
    // The caption is the document's title alone: the view composes it with
    // the program's name (the framework would append " - VornGUI").
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    bool OnCmdMsg(UINT nID, int nCode, void* pExtra) override;
    const char* GetHelpClassName() override { return "CMainFrame"; }
    // Balloons: the status bar and its panes; help ids: the menu's popups.
    void RegisterStandardHelpStrings() override;
    void SetHelpId(DWORD dwKey, UINT nHelpId) override { m_HelpIds[dwKey] = nHelpId; }
    void RegisterHelpStrings() override;

    // Tells the view, one posted message per data bar, which bars show.
    void NotifyViewOfBarVisibility();
    // Tells the view which bars take the session's lists and texts.
    void GiveViewItsReceivers();
    // The command line in the console's plain colours and font, redrawn.
    void ApplyConsoleLookToCommandLine();
    // The register fields of the bars, in the view's field order.
    void CollectRegisterFields(HWND hFields[]) const;
    // The bar of table entry i, and the table entry of a bar id (-1: none).
    cdxCDynamicBar* GetMainBar(int i);
    static int FindMainBar(UINT nBarID);
    // The console keeps a few lines and columns beside the docked bars.
    CSize GetMinimumViewSize() override;
    // Docks pBar in the row of pTarget, right after it.
    void DockControlBarNextTo(CControlBar* pBar, CControlBar* pTarget);
    // Rebuilds the status panes with or without the system-status panes.
    void RebuildStatusBar(bool bShow);
    // The power-off question; returns the button (IDYES, IDNO), or IDCANCEL
    // when the emulator ended while it showed (it goes by itself then).
    int ConfirmPowerOff();
    // Chooses the device of a class to act on: none (a warning, false), the
    // only one, or the user's choice among several (Cancel: false).
    bool SelectDeviceOfClass(CVornDevice& device, EDeviceChoice eChoice);

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(LPCREATESTRUCT pcs);
    void OnClose();
    BOOL OnQueryEndSession();
    LRESULT OnEndSessionMsg(WPARAM wp, LPARAM lp);
    LRESULT OnEndSessionAfterFault(WPARAM wp, LPARAM lp);
    void OnDestroy();
    void OnInitMenuPopup(CMenu* pPopup, UINT nIndex, BOOL bSysMenu);
    LRESULT OnMenuCharMsg(WPARAM wp, LPARAM lp);
    LRESULT OnRestoreBarState(WPARAM wp, LPARAM lp);
    LRESULT OnNotifyBarVisibility(WPARAM wp, LPARAM lp);
    LRESULT OnRebuildStatusBarMsg(WPARAM wp, LPARAM lp);
    LRESULT OnConsoleLookChanged(WPARAM wp, LPARAM lp);
    LRESULT OnMakeHiddenBar(WPARAM wp, LPARAM lp);
    void OnTimer(UINT_PTR nIDEvent);
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnEditSelectAll();
    void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    void OnUpdateAlwaysDisabled(CCmdUI* pCmdUI);
    void OnHelpContents();
    void OnHelpDocumentation();
    void OnReportBug();
    void OnViewBar(UINT nID);
    void OnUpdateViewBar(CCmdUI* pCmdUI);
    void OnDockFloatBar(UINT nID);
    void OnContextMenu(CWnd* pWnd, CPoint pt);
    void OnStatusBarClosePane();
    void OnStatusBarCopy();
    void OnShowOnStatusBar();
    void OnIplLoad();
    void OnDeviceInterrupt();
    void OnLoadReader();
    void OnLoadTape();
    void LoadDeviceWithDialog(EDeviceChoice eChoice);
    void OnUnloadTape();

private:
    // The dock bars on the four sides, made before the bars, which are made
    // straight into the dock bars they dock in by default.
    void MakeDockBars();
    bool CreateBars();
    static bool IsDialogDeferred(int i);
    static UINT DefaultDockBarId(int i);
    // Bar i's dialog, if it waits to be made or the hidden bars' steps are
    // at it, whole, and its controls to the view (filled with what the view
    // shows and laid out).
    void MakeBarDialog(int i);
    // One step of a hidden bar's dialog (OnMakeHiddenBar): false when the
    // dialog cannot be made.
    bool StepHiddenBar();
    // The bars' controls the view writes to, as made so far.
    SSessionReceivers CollectReceivers();
    void DockBarsByDefault();
    void SetFirstStartSizes();
    // The least sizes of the bars that dock on any side.
    void SetAnySideMinimums();
    void SaveLayout();
    bool AskSaveBeforeClose();
    bool AskToPowerOffAndClose();
    // The question about console messages that no file holds, as the
    // Windows session would end; false when the user cancelled.
    bool AskSaveConsoleLogAtEnd();
    // The close's steps with the view (the utilities, the emulator, the save
    // questions); true when the frame closes now.
    bool PassCloseSteps();
    bool IsEmulatorRunning() const;
    bool AreUtilitiesRunning() const;
    HWND FocusedStorageEdit();

    // From the frame's creation until the first restore of its saved layout
    // the bars and the status bar's panes are not laid out: that restore lays
    // them out (OnRestoreBarState).
    bool m_bStartLayoutHeld = false;

    // The hidden bar whose dialog the steps are at, and what its next step does.
    int m_nStepBar = -1;
    enum EStepStage { kStepMaking, kStepFilling, kStepLayingOut } m_eStepStage = kStepMaking;
    // What the last status-bar rebuild applied.
    bool m_bStatusBuilt = false;
    BYTE m_nLastPartOrder[5] = {};
    bool m_bLastPartVisible[5] = {};
    int m_nLastStatusFontSize = 0;
    CString m_strLastStatusFont;
};

// Powers the emulator off and has the view close the frame once it ended;
// nothing more while it does so already.
void PowerOffAndExit();

extern CMainFrame* g_pMainFrame;
