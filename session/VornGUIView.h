// VornGUIView.h: CVornGUIView (global g_pView), the one view: the console
// pane that shows, colours and scrolls the document's lines, the mouse
// selection and find, the command history, and the stored preferences that
// the console and the dialogs consult. Its parts:
//   VornGUIView.cpp         settings, fonts, start-up and destruction
//   VornGUIView_UI.cpp      adding lines, painting, scrolling, keys
//   VornGUIView_Panels.cpp  selection, auto-scroll, copy and find
#pragma once

#include <vector>

#include "platform/CGdiObject.h"
#include "platform/CScrollView.h"
#include "platform/CSyncObject.h"
#include "session/ConsoleClassifier.h"
#include "session/ConsoleFind.h"
#include "session/LineSelection.h"
#include "session/ViewSettings.h"

class CVornGUIDoc;

class CVornGUIView : public CScrollView {
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

    // Console lines (GUI thread).
    void AddMessage(const CString& strText, bool bTimestamp);
    void AddMessages(const std::vector<CString>& lines);
    void RefreshAfterAppend(int nAdded);
    static int ClassifyMessage(const CString& strText) { return ::ClassifyMessage(strText); }

    // Selection and find.
    bool FindInConsole();
    int LineFromPoint(int x, int y) const;
    bool IsPointInSelection(int x, int y) const;
    void ExtendSelection(int nLine, bool bUpdate);
    void ClearSelection(bool bUpdate);
    void UpdateSelection();
    const CLineSelection& GetSelection() const { return m_sel; }
    CString GetSelectedText() const;
    void SetFindText(const CString& str) { m_strFindText = str; }
    CFindOptions& FindOptions() { return m_findOpt; }
    int GetTopLine() const { return m_nTopLine; }
    int GetLinesFit() const { return m_nLinesFit; }
    bool IsFollowingEnd() const { return m_bFollowEnd; }

    // True while the emulator or a utility runs (the frame may not close).
    bool IsSessionBusy() const { return false; }
    const CViewSettings& Settings() const { return m_settings; }
    CString GetLogFilesDir() const { return m_settings.GetFirstDir(kDirLogFiles); }
    CString GetConfigFilesDir() const { return m_settings.GetFirstDir(kDirConfigFiles); }
    CString GetExecutablesDir() const { return m_settings.GetFirstDir(kDirExecutables); }
    const CString& GetDefaultConfigName() const { return m_strDefaultConfigName; }

    // Sends one command to the emulator (not running here: noted only).
    void SendCommand(const CString& strCommand);
    HANDLE GetReaderResumeEvent() const { return m_hResumeReaders; }
    // Lets the frame's command line edit be the view's (null: none).
    void SetCommandLineEdit(HWND hEdit) { m_hCmdLine = hEdit; }

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
    void OnCommandLineEntered();
    void OnEditCopy();
    void OnUpdateEditCopy(CCmdUI* pCmdUI);
    void OnEditFind();
    void OnFindNext();
    void OnFindPrevious();
    void OnUpdateFind(CCmdUI* pCmdUI);
    void OnDeleteMessages();
    LRESULT OnFindReplaceNotify(WPARAM wp, LPARAM lp);

private:
    void LoadSettings();
    void CreateFonts();
    void MeasureFont();
    void RecalcPaneGeometry();
    void UpdateScrollBars();
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
    bool KeyDown(int vk) const;
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
    int m_nRepaintMode = 2;
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
    std::vector<CString> m_history;
    int m_nHistoryPos = -1;

    // Locks of the session state.
    CCriticalSection m_csPending, m_csPause, m_csStatus, m_csCpuBusy, m_csCmdQueue;
    HANDLE m_hStopEvent = nullptr, m_hRunningEvent = nullptr, m_hMainStorEvent = nullptr;
    // Signalled while the pipe readers may run; reset while the pending
    // queue is at its threshold (readers wait on it through
    // CPipedProcessCtl::WaitWhilePaused).
    HANDLE m_hResumeReaders = nullptr;
};

extern CVornGUIView* g_pView;
