// CMiniDockFrameWnd.h: the small frame a floating control bar lives in: a
// tool window with a small caption, owned by the dock site (so it stays
// above it and goes with it), holding one floating CDockBar that holds the
// bar. Dragging its caption drags the bar (it can be docked again);
// double-clicking the caption docks the bar where it was; closing it hides
// the bar. The dock site makes it from its m_pFloatingFrameClass, so a
// derived class (dynamically creatable) may take its place.
#pragma once

#include "platform/CDockBar.h"
#include "platform/CFrameWnd.h"

class CMiniDockFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    CMiniDockFrameWnd();

    // Makes the frame, owned by pParent (the dock site), and its dock bar;
    // dwBarStyle is the bar's style (its alignment and CBRS_SIZE_DYNAMIC).
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    // Sizes the frame around its bar.
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The bar in the frame, or null.
    CControlBar* GetFloatingBar() const;
    // MFS_BLOCKSYSMENU and FWS_SNAPTOPARENT, as given to Create.
    DWORD GetFrameFlags() const { return m_dwFrameFlags; }

    CDockBar m_wndDockBar;

protected:
    // Makes the window with dwWndStyle (MFS_* bits in its low word; the frame
    // flags are taken out of it) and the dock bar.
    BOOL CreateFrame(CWnd* pParent, DWORD dwBarStyle, DWORD dwWndStyle);
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnClose();
    void OnSize(UINT nType, int cx, int cy);
    void OnNcLButtonDown(UINT nHitTest, CPoint pt);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint pt);
    BOOL OnNcActivate(BOOL bActive);
    void OnSetFocus(CWnd* pOldWnd);
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnContextMenu(CWnd* pWnd, CPoint pt);
    void OnDestroy();
    BOOL m_bInRecalc = FALSE;
    DWORD m_dwFrameFlags = 0;
};
