// CFrameWnd.h: the main frame of the single-document program: caption, menu,
// accelerators and icon from one resource id, the view in its client area,
// command routing (active view, then document, then frame, then
// application), menu item updates through the update handlers, and the
// caption "<document> - <application>". RecalcLayout places the control
// bars (LayoutControlBars: the bars made on the frame, then the dock bars of
// the top, bottom, left and right sides) and gives the view what is left.
// The frame deletes itself after its window is gone; closing the main frame
// ends the program's message loop.
//
// Docking (CFrameWndDocking.cpp): EnableDocking makes the dock bars of the
// sides named; DockControlBar, FloatControlBar and ShowControlBar move and
// show bars; SaveBarState/LoadBarState keep the layout in the settings store
// (BarStateStore.h); VerifyBarState checks a saved layout first.
#pragma once

#include <functional>
#include <vector>

#include "platform/CCreateContext.h"
#include "platform/CWnd.h"
#include "platform/ControlBarStyles.h"

class CControlBar;
class CDockBar;
class CDocument;
class CMiniDockFrameWnd;
class CView;

#ifndef FWS_ADDTOTITLE
#define FWS_ADDTOTITLE 0x00008000L
#endif

// Posted to a frame by RecalcLayoutSoon.
const UINT WM_RECALCLAYOUT_SOON = 0x0368;

class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC(CFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    CFrameWnd();
    // Makes the frame with the menu, icon, accelerators and title (the first
    // part of the string, up to '\n') of nIDResource.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
    CView* GetActiveView() const { return m_pViewActive; }
    void SetActiveView(CView* pView) { m_pViewActive = pView; }
    virtual CDocument* GetActiveDocument();
    // Places the bars and the view; called on every size change.
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    // Shows the frame after a document was made or opened.
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
    virtual void ActivateFrame(int nCmdShow = -1);
    // Shows a text in the status bar's first pane.
    void SetMessageText(LPCSTR pszText);
    CWnd* GetMessageBar() const { return GetDlgItem(AFX_IDW_STATUS_BAR_ID); }

    bool OnCmdMsg(UINT nID, int nCode, void* pExtra) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    // ---- docking ----
    // Makes the dock bars of the sides in dwDockStyle (CBRS_ALIGN_*) and lets
    // bars dock there; may be called several times.
    void EnableDocking(DWORD dwDockStyle);
    // Docks pBar on the side nDockBarID (AFX_IDW_DOCKBAR_*; 0: the first side
    // the bar may dock on, in the order top, bottom, left, right), at lpRect
    // (screen) when given, else in its remembered place or a new last row.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
    // pptAt (screen): the point whose row and place the bar takes (a drag's
    // cursor); the middle of lpRect when null.
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = nullptr,
                        const POINT* pptAt = nullptr);
    // Docks a floating pBar back into the row and place it left in pDockBar
    // (its placeholder there), starting at lpRect (screen) when given.
    void ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect);
    // The side dock bar that keeps a placeholder for the bar nID, or null.
    CDockBar* FindPlaceHolder(UINT nID);
    // Floats pBar in a mini frame (of m_pFloatingFrameClass) whose top-left
    // corner is at point (screen).
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    // Shows or hides pBar (with its floating frame); bDelay waits for the next layout.
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // The bar (or dock bar) with control id nID, or null.
    CControlBar* GetControlBar(UINT nID);
    // The least room the view keeps beside the docked bars: when the bars
    // want more, their rows are cut (never below their minimums) and the
    // view keeps this. None by default.
    virtual CSize GetMinimumViewSize() { return CSize(0, 0); }
    // Asks for RecalcLayout at the next idle time (WM_IDLEUPDATECMDUI).
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    // Asks for RecalcLayout once the message being handled is done (a posted
    // message, which any loop takes before input and painting, a modal
    // dialog's too): the bars that one step changes (a font applied to
    // several) are laid out together, once. Asked for during a layout, it
    // waits for the next idle time, as DelayRecalcLayout.
    void RecalcLayoutSoon();
    // While held, RecalcLayout only notes that a layout is due; the last
    // release lays out once. For a batch of dockings that needs no geometry
    // in between: each layout moves every bar and every bar's controls.
    void HoldLayout(bool bHold);
    // Lays out (or with reposQuery only measures) the bars; lpRectParam
    // receives what is left for the view (nIDLeftOver). Ids outside
    // nIDFirst..nIDLast are left alone.
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);
    // The docking layout under the profile name (sections "<name>-Summary",
    // "<name>-Bar<i>"). Loading a layout that does not fit the bars
    // (VerifyBarState) changes nothing.
    void SaveBarState(LPCSTR pszProfileName) const;
    // False when it loaded nothing.
    BOOL LoadBarState(LPCSTR pszProfileName);
    // View > Toolbar and View > Status Bar: the bar whose id is the command's
    // is shown or hidden; the menu item is checked while it is visible.
    BOOL OnBarCheck(UINT nID);
    void OnUpdateControlBarMenu(CCmdUI* pCmdUI);
    // Bars register themselves when made and leave when destroyed.
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);

    std::vector<CControlBar*> m_listControlBars;  // every bar of this dock site (not owned)
    const CRuntimeClass* m_pFloatingFrameClass;    // the class of floating frames

    BOOL m_bAutoMenuEnable = TRUE;  // menu items without a handler are disabled
    UINT m_nIDHelp = 0;             // the frame's help id (its resource id)
    CString m_strTitle;

protected:
    static const int AFX_IDW_STATUS_BAR_ID = 0xE801;
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;
    // Makes the view of pContext; false fails the frame's creation.
    virtual BOOL OnCreateClient(LPCREATESTRUCT pcs, CCreateContext* pContext);
    CWnd* CreateView(CCreateContext* pContext, UINT nID);
    // Places the control bars and shrinks rcClient by what they take.
    virtual void LayoutControlBars(CRect& rcClient);

    int OnCreate(LPCREATESTRUCT pcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnDestroy();
    void OnInitMenuPopup(CMenu* pPopup, UINT nIndex, BOOL bSysMenu);
    void OnSetFocus(CWnd* pOldWnd);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    LRESULT OnIdleUpdateCmdUI(WPARAM wp, LPARAM lp);
    LRESULT OnRecalcLayoutSoon(WPARAM wp, LPARAM lp);
    // Caps the rows of the side dock bars so that the view keeps its
    // minimum size in rcRoom (what the sides may share).
    void ShareRoomAmongSides(const CRect& rcRoom);
    // Docks pBar by dock() (which puts it into pDockBar), then tidies the
    // placeholders of the other sides, the floating frame it left and the layout.
    void DockInto(CControlBar* pBar, CDockBar* pDockBar, const std::function<void()>& dock);
    // A floating frame for a bar of style dwStyle, or null.
    CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    // Shows or hides the frames of floating bars with a delayed show pending.
    void ApplyFloatingDelayShows();
    // Has every docked bar, its caption and its controls, and the view
    // painted anew.
    void RedrawDockedBars();
    // Where the docked bars, their dock bars and the view are, to tell
    // whether a layout moved anything.
    std::vector<CRect> DockedGeometry() const;

    BOOL m_bInRecalcLayout = FALSE;
    BOOL m_bDelayedRecalc = FALSE;
    bool m_bLayoutPosted = false;  // RecalcLayoutSoon's message waits in the queue
    int m_nLayoutHolds = 0;   // HoldLayout
    // A bar was shown, hidden or docked: the next layout repaints the docked bars.
    bool m_bRedrawBarsAfterLayout = false;
    HACCEL m_hAccelTable = nullptr;  // a resource: not freed
    HMENU m_hMenuDefault = nullptr;  // destroyed with the window

private:
    CView* m_pViewActive = nullptr;
    HWND m_hWndFocusBack = nullptr;  // the window that had the focus as the frame went inactive
};

// True when the layout saved under pszProfileName fits pFrame's bars, so
// that LoadBarState can apply it (the companion library's check).
BOOL VerifyBarState(CFrameWnd* pFrame, LPCSTR pszProfileName);
