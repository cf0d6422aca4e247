// CControlBar.h: the base of every bar docked along a frame's edge or
// floating in its own small frame (tool bars, the status bar, the sizing
// bars). A bar belongs to its dock site (the frame that created it; it is in
// the frame's m_listControlBars), sits in a CDockBar when docked (the
// frame's side dock bar, or the dock bar of a CMiniDockFrameWnd when
// floating), and is dragged by its CDockContext once EnableDocking was
// called.
//
// Use:
//   bar.Create...(pFrame, id);                 // WS_CHILD, parent = the frame
//   bar.SetBarStyle(bar.GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
//   bar.EnableDocking(CBRS_ALIGN_ANY);         // sides the bar may dock on
//   pFrame->EnableDocking(CBRS_ALIGN_ANY);     // makes the frame's dock bars
//   pFrame->DockControlBar(&bar, AFX_IDW_DOCKBAR_LEFT);
//   pFrame->ShowControlBar(&bar, FALSE, FALSE);
// Derived bars give their size through CalcFixedLayout (fixed bars) or
// CalcDynamicLayout (CBRS_SIZE_DYNAMIC), and update their items from the
// frame's update handlers in OnUpdateCmdUI at idle time.
#pragma once

#include <vector>

#include "platform/CWnd.h"
#include "platform/ControlBarStyles.h"

class CDockBar;
class CDockContext;
class CFrameWnd;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
    DECLARE_MESSAGE_MAP()
public:
    CControlBar() = default;
    ~CControlBar() override;

    // A plain bar: a child window of pParent with the CBRS_* bits of dwStyle
    // as its bar style (the other bits are the window style) and size
    // sizeDefault (its thickness across its row, its length along it).
    BOOL Create(CWnd* pParent, DWORD dwStyle, UINT nID, SIZE sizeDefault);

    DWORD GetBarStyle() const { return m_dwStyle; }
    virtual void SetBarStyle(DWORD dwStyle);
    // The sides (CBRS_ALIGN_*) this bar may dock on; makes its dock context.
    void EnableDocking(DWORD dwDockStyle);

    BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
    // Visible, or to be shown by a pending delayed show.
    BOOL IsVisible() const;
    virtual BOOL IsDockBar() const { return FALSE; }
    // The frame holding the bar: its mini frame when floating, else the dock site.
    CFrameWnd* GetDockingFrame() const;
    // True when the bar's row is horizontal (top or bottom, or floating wide).
    BOOL IsHorzDocked() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }

    // The bar's size: bStretch = the whole length of the row, bHorz = in a
    // horizontal row. A plain bar answers m_sizeDefault (or its length across
    // the layout rectangle when stretched).
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The size of a CBRS_SIZE_DYNAMIC bar for nLength in mode (LM_*).
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // The least room the bar can do with docked in a row (bHorz: a
    // horizontal one), when the frame is too small for every bar's size. A
    // plain bar cannot shrink: its fixed size.
    virtual CSize CalcMinimumLayout(BOOL bHorz);
    // The heights of the bar (docked in a horizontal row, or not) at which it
    // shows 1, 2, ... whole rows of its content, ascending: cut, a bar is
    // given the greatest of these that fits, never less than the first
    // (DockFitWholeRows). Empty (a plain bar): any height will do.
    virtual std::vector<int> GetWholeRowHeights(BOOL bHorz);
    // Idle-time update of the bar's items (pTarget is the frame).
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    // Show or hide at the next layout of the dock site.
    void DelayShow(BOOL bShow);
    // Applies a pending delayed show or hide.
    void RecalcDelayShow();
    BOOL IsDelayPending() const { return m_nStateFlags != 0; }
    // Takes the bar's place from rcRemain along its aligned side and, unless
    // bQuery, moves the bar there. Unaligned (floating) bars take nothing.
    void PlaceInLayout(CRect& rcRemain, BOOL bQuery);

    DWORD m_dwStyle = 0;              // CBRS_* bits
    DWORD m_dwDockStyle = 0;          // sides it may dock on
    CSize m_sizeDefault;              // a plain bar's size
    CRect m_rectLayout;               // the room offered by the current layout pass
    BOOL m_bLayoutQuery = FALSE;      // the current pass only measures
    CFrameWnd* m_pDockSite = nullptr; // the frame that owns the bar (not owned)
    CDockBar* m_pDockBar = nullptr;   // where it is docked (not owned)
    CDockContext* m_pDockContext = nullptr;  // owned
    BOOL m_bAutoDelete = FALSE;       // delete the object after its window

protected:
    enum { kDelayHide = 1, kDelayShow = 2 };
    UINT m_nStateFlags = 0;

    int OnCreate(LPCREATESTRUCT pcs);
    void OnDestroy();
    void PostNcDestroy() override;
    void OnLButtonDown(UINT nFlags, CPoint pt);
    void OnLButtonDblClk(UINT nFlags, CPoint pt);
    void OnMouseMove(UINT nFlags, CPoint pt);
    void OnLButtonUp(UINT nFlags, CPoint pt);
    void OnCaptureChanged(CWnd* pWnd);
    LRESULT OnIdleUpdateCmdUI(WPARAM wp, LPARAM lp);
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
};
