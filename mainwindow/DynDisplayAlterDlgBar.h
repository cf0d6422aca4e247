// DynDisplayAlterDlgBar.h: CDynDisplayAlterDlgBar, the dockable bar that
// shows and alters the guest's absolute main storage while the emulator
// runs. It keeps a 2 MiB window of storage, read straight out of the
// emulator process, in its buffer and moves the window under the hex view
// (whose data is all of storage) as the view asks for bytes; typed bytes are
// written back into the emulator process at once. A refresh thread ticks the
// window's re-reading while auto-refresh is on; a search thread walks the
// whole of storage, into a buffer of its own, for the find dialog's Find,
// Replace and Replace All. Worker threads only wait, read storage and post;
// the window, its buffer and every control belong to the GUI thread.
// Its parts:
//   DynDisplayAlterDlgBar.cpp         construction, appearance, power on
//                                     and off, the window and the hex
//                                     view's callbacks, jump, keys, menus
//   DynDisplayAlterDlgBarRefresh.cpp  auto-refresh: thread, toggle, trackbar
//   DynDisplayAlterDlgBarSearch.cpp   find and replace: dialog, search
//                                     thread, results, Replace All
#pragma once

#include <atomic>
#include <vector>

#include "framework/HexSimpleEdit.h"
#include "framework/cdxCDynamicBarDlg.h"
#include "mainwindow/MyHexEdit.h"
#include "mainwindow/StorageSearch.h"
#include "mainwindow/StorageWindow.h"
#include "platform/CButton.h"
#include "platform/CGdiObject.h"
#include "platform/CSliderCtrl.h"
#include "platform/CSyncObject.h"
#include "platform/CToolTipCtrl.h"
#include "session/BarLook.h"
#include "resource.h"

class CMyFindRepDlg;

class CDynDisplayAlterDlgBar : public cdxCDynamicBarDlg, public IBarLook {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_STORAGE_BAR };
    explicit CDynDisplayAlterDlgBar(CWnd* pParent = nullptr);
    ~CDynDisplayAlterDlgBar() override;

    BOOL OnInitDialog() override;
    // The balloon texts of the window and its controls.
    void RegisterStandardHelpStrings() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Escape that stops nothing: the command line gets the focus back.
    void OnCancel() override;

    // Rebuilds the font and brush from the appearance fields, hands them to
    // the address field and the hex view, lays the bar out for the font
    // (LayoutForFont), stores "Settings\DisplayAlter" and redraws the bar.
    void ApplyAppearance();
    // The address field large enough for a 64-bit address in its font, the
    // row beside it centred on it, the hex view below at least large enough
    // for two rows of eight bytes, and the bar at least large enough for them.
    void LayoutForFont();
    // IBarLook: the preferences' Display/Alter page.
    SBarLook GetLook() const override { return GetBarLook(*this); }
    void SetLook(const SBarLook& look) override { SetBarLook(*this, look); }
    // Signals the thread's stop event, waits for it without limit and closes
    // its handle (nothing when it does not run).
    void StopSearchThread();
    void StopRefreshThread();
    // Esc, in the bar or in the console view: while a search runs or the
    // refresh thread runs, and the find dialog is absent or hidden, the stop
    // is requested and that thread stopped. True when something stopped.
    bool StopOnEscape();

    // Appearance, copied in by the view before ApplyAppearance.
    LOGFONTA m_lf = {};
    int m_nFontSize = 10;
    CString m_strFontName;
    COLORREF m_clrText = 0, m_clrBack = 0, m_clrHighlightText = 0, m_clrHighlightBack = 0;
    COLORREF m_clrDisabledText = 0, m_clrDisabledBack = 0, m_clrDisabledHighlightText = 0,
             m_clrDisabledHighlightBack = 0;
    BOOL m_bNoHideSelect = TRUE;

    // ---- state the view and the tests read ----
    bool IsSearchRunning() const { return m_bSearchRunning; }
    bool IsReplaceAllRunning() const { return m_bReplaceAll; }
    bool IsRefreshThreadRunning() const { return m_hRefreshThread != nullptr; }
    bool IsAutoRefreshOn() const { return m_bAutoRefresh; }
    bool IsStorageUnreadable() const { return m_bUnreadable; }
    int GetRefreshInterval() const { return m_nRefreshIntvl; }
    UINT64 GetStorageAddress() const { return m_nStorageAddress; }
    const CStorageWindow& Window() const { return m_window; }
    CMyHexEdit& HexEdit() { return m_HexEdit; }
    HWND GetIntervalTip() const { return m_IntervalTip.m_hWnd; }
    CMyFindRepDlg* GetFindDialog() const { return m_hFindDlg && ::IsWindow(m_hFindDlg) ? m_pFindDlg : nullptr; }
    bool GetSearchForward() const { return m_bSearchFwd; }
    // The window's buffer (GUI thread).
    const BYTE* Buffer() const { return m_buffer.data(); }

protected:
    // Messages and commands.
    LRESULT OnEmulatorActive(WPARAM wp, LPARAM lp);
    LRESULT OnSubscribeStorage(WPARAM wp, LPARAM lp);
    LRESULT OnAutoRefreshTick(WPARAM wp, LPARAM lp);
    LRESULT OnFindRepNotify(WPARAM wp, LPARAM lp);
    LRESULT OnStorageBarEscape(WPARAM wp, LPARAM lp);
    LRESULT OnStorageReread(WPARAM wp, LPARAM lp);
    void OnAutoRefreshClicked();
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnBarClose();
    void OnBarProperties();
    void OnDockFloat(UINT nID);
    void OnContextMenu(CWnd* pWnd, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    void OnDestroy();

private:
    // Settings and appearance (DynDisplayAlterDlgBar.cpp).
    void LoadSettings();
    void SaveSettings();
    void MakeFontAndBrush();
    // ApplyAppearance without storing the settings.
    void ShowAppearance();
    void FillHexParms(HEPARMS& parms, bool bPoweredOn) const;

    // The emulator and its storage.
    bool IsEmulatorRunning() const;
    bool IsEmulatorReady() const;
    bool IsRunningAndReady() const { return IsEmulatorRunning() && IsEmulatorReady(); }
    void PowerOn();
    void PowerOff();
    // Reads the window into the buffer; false when the storage location is
    // unknown or the whole window could not be read.
    bool ReadMainStorage();
    // Reads the window again and shows it (focused when asked), or shows
    // storage as unavailable when it cannot be read.
    void RefreshView(bool bFocus);
    // Storage that can be read is shown and can be typed into; storage that
    // cannot is shown as unavailable: no bytes, the reason in the view, both
    // controls disabled (auto-refresh keeps trying).
    void ShowReadable(bool bReadable);
    void EnableStorageControls(bool bEnable);
    void JumpToAddress();
    static const BYTE* ReadCallback(void* pContext, UINT64 nAddress, UINT nLength);
    static void WriteCallback(void* pContext, UINT64 nAddress, const BYTE* pData, UINT nLength);
    const BYTE* ReadBytes(UINT64 nAddress, UINT nLength);
    void WriteBytes(UINT64 nAddress, const BYTE* pData, UINT nLength);
    bool HandleKey(MSG* pMsg);

    // Auto-refresh (DynDisplayAlterDlgBarRefresh.cpp).
    void StartStopAutoRefresh(bool bRun);
    void SetRefreshCaption();
    void UpdateIntervalTip();
    static DWORD RunWorker(LPVOID pThis, void (CDynDisplayAlterDlgBar::*pLoop)());
    static DWORD WINAPI RefreshThreadProc(LPVOID pThis);
    void RefreshLoop();

    // Search (DynDisplayAlterDlgBarSearch.cpp).
    void TakeFindOptions(const CMyFindRepDlg* pDlg);
    void FindNext(bool bForward);
    void ReplaceNext(bool bForward);
    void ReplaceAll();
    bool CanReplace();
    bool SelectionMatches();
    bool StartSearch(bool bForward, bool bAfterSelection, const UINT64* pStart = nullptr);
    void OnSearchEnded();
    void EndSearch();
    void EndReplaceAll(bool bShowResult);
    void OpenFindDialog(bool bFindOnly);
    void CloseFindDialog();
    bool IsFindDialogShown() const;
    void ShowNotFound();
    static DWORD WINAPI SearchThreadProc(LPVOID pThis);
    void SearchLoop();

    CHexSimpleEdit m_AddrEdit;
    CMyHexEdit m_HexEdit;
    CButton m_AutoRefreshBtn;
    CSliderCtrl m_Trackbar;
    CToolTipCtrl m_IntervalTip;
    CFont* m_pFont = nullptr;
    CBrush m_Brush;

    // Storage, as the view reported it at power-on (GUI thread).
    UINT64 m_nStorageAddress = 0;
    bool m_bUnreadable = false;  // known, but the last read of it failed
    CStorageWindow m_window;
    std::vector<BYTE> m_buffer;  // the window's bytes (GUI thread only)

    // Auto-refresh.
    BOOL m_bAutoRefresh = FALSE;
    int m_nRefreshIntvl = 2000;
    bool m_bRunRequested = false;  // the last "run" of start/stop (the bar shown)
    HANDLE m_hRefreshThread = nullptr;
    CEvent m_evStopRefresh{FALSE, TRUE};
    std::atomic<bool> m_bRefreshActive{false};
    std::atomic<bool> m_bTickConsumed{true};
    std::atomic<int> m_nThreadInterval{2000};

    // Search: the options, the pattern and the thread's own buffer.
    HANDLE m_hSearchThread = nullptr;
    CEvent m_evStopSearch{FALSE, TRUE};
    CCriticalSection m_csSearch;  // the search's result between the threads
    SStorageSearchResult m_searchResult;
    std::vector<BYTE> m_searchBuffer;
    CStoragePattern m_pattern;
    std::vector<BYTE> m_replaceBytes;
    CString m_strFindText, m_strReplaceText;
    WORD m_wFindClass = 0, m_wReplaceClass = 0;
    BOOL m_bMatchWord = FALSE, m_bMatchCase = FALSE, m_bHexSearch = FALSE;
    bool m_bSearchFwd = true;
    // What the search thread works on, set before it starts.
    UINT64 m_nSearchStart = 0;
    UINT64 m_nSearchSize = 0;
    UINT64 m_nSearchStorageAddress = 0;
    bool m_bSearchRunning = false;
    bool m_bStopRequested = false;
    // Replace All.
    bool m_bReplaceAll = false;
    bool m_bRedrawLocked = false;
    int m_nReplaced = 0;
    UINT64 m_nSavedSelStart = 0, m_nSavedSelEnd = 0;
    CString m_strOperation = "Find Next";

    // The open find dialog (it deletes itself): the pointer counts only
    // while its window exists.
    CMyFindRepDlg* m_pFindDlg = nullptr;
    HWND m_hFindDlg = nullptr;
};
