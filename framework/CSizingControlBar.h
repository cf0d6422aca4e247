// CSizingControlBar.h: the resizable docking bar under every dockable bar of
// the main window. It docks on any allowed side or floats in a
// CSCBMiniDockFrameWnd; bars docked in one row share the row's length at
// every layout, from the sizes they were given (so no layout drifts them);
// a bar with rows of text is cut only between rows (SetRowStops); the
// user sizes a docked bar by dragging its edges (across the row, or along
// it against its neighbours) and a floating one by its frame. It draws its
// own caption: a titled gradient band (or two gripper lines) with a close
// button and a help button. Its three sizes (docked in a horizontal row,
// docked in a vertical row, floating) are kept in the settings store under
// "<profile>-SCBar-<id>". The client area is empty; cdxCDynamicBar fills it
// with a dialog.
//
// Use:
//   bar.Create("Title", pFrame, nID, WS_CHILD | WS_VISIBLE | CBRS_TOP);
//   bar.SetBarStyle(bar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
//   bar.EnableDocking(CBRS_ALIGN_ANY);
//   bar.ModifyBarSizingStyle(0, SCBS_FIXED_HEIGHT);
//   CSizingControlBar::GlobalLoadState(pFrame, "BarsState\\BarsState");
#pragma once

#include <vector>

#include "framework/CHelpButtonControlBar.h"

// Sizing style bits (GetBarSizingStyle).
const DWORD SCBS_SIZABLE_LEFT = 0x00000001;    // computed: the left edge can be dragged
const DWORD SCBS_SIZABLE_RIGHT = 0x00000002;
const DWORD SCBS_SIZABLE_TOP = 0x00000004;
const DWORD SCBS_SIZABLE_BOTTOM = 0x00000008;
const DWORD SCBS_SIZABLE_ANY = 0x0000000F;
const DWORD SCBS_HELP_BUTTON = 0x01000000;     // a help button beside the close button
const DWORD SCBS_FIXED_HEIGHT = 0x02000000;    // the height is fixed: docks top or bottom only
const DWORD SCBS_FIXED_WIDTH = 0x04000000;     // the width is fixed: docks left or right only
const DWORD SCBS_OWN_ROW = 0x08000000;         // shares its row with no other sizing bar
const DWORD SCBS_GRIPPER_LINES = 0x10000000;   // two ridge lines instead of a titled caption
const DWORD SCBS_FILL_CHILD = 0x20000000;      // the first child fills the client area
const DWORD SCBS_DRAW_EDGES = 0x40000000;      // sizable edges drawn, and take room
const DWORD SCBS_CLASSIC_DOCKING = 0x80000000; // process-wide: the framework's own docking

#ifndef HTHELP
#define HTHELP 21
#endif

class CSizingControlBar;
typedef std::vector<CSizingControlBar*> CSCBArray;

class CSizingControlBar : public CHelpButtonControlBar {
    DECLARE_DYNAMIC(CSizingControlBar)
    DECLARE_MESSAGE_MAP()
public:
    CSizingControlBar();

    // Keeps dwStyle & CBRS_ALL as the bar style; the rest (plus
    // WS_CLIPCHILDREN) is the window style. False when no window was made.
    virtual BOOL Create(LPCSTR pszTitle, CWnd* pParentWnd, UINT nID, DWORD dwStyle);
    // The sides it may dock on, less those its fixed extent forbids.
    virtual void EnableDocking(DWORD dwDockStyle);
    virtual void SetBarSizingStyle(DWORD dwStyle);
    virtual DWORD ModifyBarSizingStyle(DWORD dwRemove, DWORD dwAdd);
    virtual DWORD GetBarSizingStyle() const;

    virtual BOOL IsDockedHorizontally() const;
    virtual BOOL IsDockedVertically() const;
    virtual BOOL IsFloatingBar() const { return !IsDockedHorizontally() && !IsDockedVertically(); }
    virtual BOOL IsDockedBar() const { return !IsFloatingBar(); }
    // True while the dragged edge lies between two bars of the row.
    virtual BOOL IsTrackingInRow() const;
    virtual BOOL HasCaption() const;

    // Sizes under "<profile>-SCBar-<id>"; loading keeps each at least its minimum.
    virtual void LoadState(LPCSTR pszProfileName);
    virtual void SaveState(LPCSTR pszProfileName);
    static void GlobalLoadState(CFrameWnd* pFrame, LPCSTR pszProfileName);
    static void GlobalSaveState(CFrameWnd* pFrame, LPCSTR pszProfileName);

    // The size the bar has docked, as its row's last layout shared it out.
    virtual CSize GetDockedSize(BOOL bHorz) const { return bHorz ? m_szHorz : m_szVert; }
    // The size the bar was given docked (SetDockedSize, an edge drag, the
    // settings store): each layout shares the row out from these, so that a
    // window made larger and smaller again, a bar hidden and shown, floated
    // and docked again, leaves every bar as it was. What the bar's content
    // needs at the least (its minimums) is no part of them: a larger font
    // and a smaller one again leave them as they were too.
    CSize GetOwnDockedSize(BOOL bHorz) const { return bHorz ? m_szHorzOwn : m_szVertOwn; }
    // The size the bar asks for docked: its own, at least its minimum; in
    // a horizontal row a bar whose rows of text end at its last row (and
    // whose height is not fixed) asks for their height.
    CSize GetWantedDockedSize(BOOL bHorz);
    // The minimums: those the bar's owner set (the setters below), raised to
    // what the bar's content needs now (cdxCDynamicBar::FitToDialog).
    virtual CSize GetMinDockedSize(BOOL bHorz) const { return bHorz ? m_szMinHorz : m_szMinVert; }
    // The floating size the user gave, at least the minimum floating size.
    virtual CSize GetFloatingSize() const;
    virtual CSize GetMinFloatingSize() const { return m_szMinFloat; }
    // Each setter keeps a locked extent and returns the resulting size. A
    // size given is kept at least at the minimum the owner set.
    virtual CSize SetDockedSize(BOOL bHorz, int cx, int cy);
    virtual CSize SetMinDockedSize(BOOL bHorz, int cx, int cy);
    virtual CSize SetFloatingSize(int cx, int cy);
    virtual CSize SetMinFloatingSize(int cx, int cy);

    virtual BOOL IsCaptionActive();
    // Sets the caption's active look at once (the floating frame, as the
    // focus comes and goes) and repaints it when it differs from the last
    // paint, or always with bRepaint.
    void ShowCaptionActive(BOOL bActive, BOOL bRepaint);
    virtual CWnd* GetFocusScopeWnd();

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    // The minimum docked size of that orientation; an extent the bar's style
    // fixes, and the length along its row, may still be cut down to the
    // caption's buttons, unless the bar is kept whole (SetCuttable).
    CSize CalcMinimumLayout(BOOL bHorz) override;
    // Whether a frame short of room may cut the bar's fixed extent (by default
    // it may): a bar whose every line matters is kept whole.
    void SetCuttable(BOOL bCuttable) { m_bCuttable = bCuttable; }

    // ---- whole rows of text ----
    // How the bar tells the layout the rows of its content: the heights of
    // its client area at which 1, 2, ... rows show whole, ascending (empty,
    // the default: the content may be cut anywhere, as a list that scrolls).
    // A layout that has to make the bar lower than it wants, docked in a top
    // or bottom row or in a left or right column, gives it the greatest of
    // these that fits (the rest of the room goes to the view or to its
    // neighbours in the column) and never less than the first: below that
    // the bar drops whole rows. bRowsGoOn: the content goes on below the
    // last stop (a list that scrolls, whole from there at any height);
    // else it ends there. Whoever changes the rows (a font, a row shown or
    // hidden) tells the bar again; the frame lays the bars out again.
    void SetRowStops(const std::vector<int>& stops, bool bRowsGoOn = false);
    // The row stops as heights of the bar's window docked in a horizontal
    // row (bHorz) or a vertical one.
    std::vector<int> GetWholeRowHeights(BOOL bHorz) override;
    // Whether the content goes on below the last row stop (SetRowStops).
    bool RowsGoOn() const { return m_bRowsGoOn; }
    // The bar's window size around an empty client area, docked on the dock
    // bar nDockBarID or floating (AFX_IDW_DOCKBAR_FLOAT); measuring changes
    // nothing of the bar.
    CSize NonClientSize(UINT nDockBarID);
    // Classic docking: the floating size from a dragged frame corner.
    bool SizeFromClassicCorner();
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // Redraws the caption when its active, hot or pushed look changed.
    void UpdateCaptionState();
    UINT GetHelpDialogId() override { return m_nBarID; }

    // ---- rows (the dock bar's list) ----
    // False when the bar is not in its dock bar's list.
    virtual BOOL GetRowRange(int& nFirst, int& nLast, int& nThis);
    // The visible sizing bars of the row and this bar's index (-1 if absent).
    virtual void GetRowBarsAndIndex(CSCBArray& arrBars, int& nThis);
    virtual void GetRowBars(CSCBArray& arrBars);
    // Bars of fixed height share a row when they are as high, or are built
    // alike (IsBuiltLike): their heights differ only for their lengths.
    virtual BOOL CanShareRow(CControlBar* pBar, CSizingControlBar*& pSizingBar);
    // Whether the bar shows the same content laid out by the same rules as
    // pOther, so that at the same length it is as high (no by default).
    virtual bool IsBuiltLike(const CSizingControlBar* pOther) const;
    // 0: shared (a row too short for its bars' minimums is squeezed,
    // DockRowSqueeze); 1: the bar is in no row; 2: a row break was inserted.
    virtual int ShareRowLength(int nTotal, BOOL bHorz);
    virtual void AlignRowBars();

    // ---- hit testing and the non-client area ----
    virtual LRESULT HitTestBar(CPoint ptScreen, BOOL bAll);
    virtual BOOL IsInCaptionArea(CPoint ptScreen);
    virtual int GetSizingEdgeHitCode(int i) const;
    virtual BOOL GetSizingEdgeRect(const CRect& rcWnd, int nHitTest, CRect& rcEdge);
    virtual void CalcClientArea(CRect& rc, UINT nDockBarID);
    virtual void PaintCaption(CDC* pDC, const CRect& rcClient);

    // ---- edge dragging ----
    virtual void BeginEdgeDrag(int nHitTest, CPoint ptScreen);
    virtual void DrawEdgeTracker();
    virtual void UpdateEdgeDrag(CPoint ptScreen);
    virtual void EndEdgeDrag();
    BOOL IsEdgeDragging() const { return m_bDragging; }

    // Process-wide: classic docking and the cached system settings.
    static BOOL s_bClassicDocking;
    static void ReadSystemSettings();

    UINT m_nDockBarID = 0;  // the parent dock bar's id, refreshed on every move
    UINT m_nBarID = 0;

protected:
    BOOL m_bClosePushed = FALSE, m_bCloseHot = FALSE, m_bHelpPushed = FALSE, m_bHelpHot = FALSE;
    bool m_bTrackingNcLeave = false;   // a WM_NCMOUSELEAVE has been asked for
    CPoint m_ptClose, m_ptHelp;  // button origins, window coordinates
    CString m_strCaptionFace;
    DWORD m_dwSCBStyle = SCBS_HELP_BUTTON;
    int m_nPressedHit = 0;
    int m_nWhatsThisHit = 0;
    int m_nDragEdge = 0;
    int m_nEdgeWidth = 5;
    bool m_bWhatsThisPending = false;
    BOOL m_bDragging = FALSE, m_bParentSizing = FALSE;
    BOOL m_bActive = FALSE, m_bActivePainted = FALSE;
    BOOL m_bCuttable = TRUE;
    std::vector<int> m_rowStops;  // SetRowStops
    bool m_bRowsGoOn = false;
    HWND m_hWndLastFocus = nullptr;
    CSize m_szHorz{200, 200}, m_szVert{200, 200}, m_szFloat{200, 200};
    CSize m_szHorzOwn{200, 200}, m_szVertOwn{200, 200};  // GetOwnDockedSize
    CSize m_szMinHorz{33, 32}, m_szMinVert{33, 32}, m_szMinFloat{37, 32};
    CSize m_szFloorHorz{33, 32}, m_szFloorVert{33, 32}, m_szFloorFloat{37, 32};  // the owner's minimums
    int m_nTrackPosMin = 0, m_nTrackPosMax = 0, m_nTrackPosOld = 0, m_nTrackEdgeOfs = 0;
    CPoint m_ptDragStart, m_ptWhatsThis;

    // Help and close buttons (11 x 11) in window coordinates.
    CRect CloseButtonRect() const { return CRect(m_ptClose, CSize(11, 11)); }
    CRect HelpButtonRect() const { return CRect(m_ptHelp, CSize(11, 11)); }
    void SendButtonHelp(int nCtrlId);
    // Sets the docked size of that orientation and the bar's own one.
    void GiveDockedSize(BOOL bHorz, CSize size);
    // Whether a move to pos needs the frame calculated and drawn again
    // (nOldDockBarID: the dock bar the bar stood on before).
    bool NeedsNewFrame(const WINDOWPOS& pos, UINT nOldDockBarID);
    // The edges the user may drag where the bar stands (SCBS_SIZABLE_*):
    // docked, the one facing the frame's interior and those towards its
    // neighbours in the row.
    DWORD SizableEdges();
    // Runs the system's What's-This mode from the help button.
    void RunWhatsThis(CPoint ptScreen);
    void FocusFirstChild();

    int OnCreate(LPCREATESTRUCT pcs);
    void OnPaint();
    void OnNcPaint();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* pParams);
    void OnWindowPosChanging(WINDOWPOS* pPos);
    void OnCaptureChanged(CWnd* pWnd);
    void OnSettingChange(UINT uFlags, LPCSTR pszSection);
    void OnLButtonUp(UINT nFlags, CPoint pt);
    void OnMouseMove(UINT nFlags, CPoint pt);
    void OnNcMouseMove(UINT nHitTest, CPoint pt);
    void OnNcMouseLeave();
    void OnNcLButtonDown(UINT nHitTest, CPoint pt);
    void OnLButtonDown(UINT nFlags, CPoint pt);
    void OnLButtonDblClk(UINT nFlags, CPoint pt);
    void OnRButtonDown(UINT nFlags, CPoint pt);
    LRESULT OnNcHitTest(CPoint pt);
    void OnClose() {}
    void OnSize(UINT nType, int cx, int cy);
    LRESULT OnSetTextMsg(WPARAM wp, LPARAM lp);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
    void OnHelpCommand();
};
