// CSCBMiniDockFrameWnd.h: the floating frame of sizing bars. Once it holds
// a sizing bar it drops its own caption and system menu (the bar's caption
// with its close and help buttons serves instead) and keeps only a thick
// frame; the user's sizing of the frame becomes the bar's floating size,
// never below its minimum, and a fixed extent cannot be changed.
#pragma once

#include "framework/CHelpButtonMiniDockFrameWnd.h"

class CSizingControlBar;

class CSCBMiniDockFrameWnd : public CHelpButtonMiniDockFrameWnd {
    DECLARE_DYNCREATE(CSCBMiniDockFrameWnd)
    DECLARE_MESSAGE_MAP()
public:
    BOOL Create(CWnd* pParent, DWORD dwBarStyle) override;
    void RecalcLayout(BOOL bNotify = TRUE) override;
    // The sizing bar in the frame, or null.
    CSizingControlBar* GetSizingControlBar() const;
    BOOL IsFrameCaptionless() const { return !(GetStyle() & MFS_4THICKFRAME); }
    // With composition on: the bar repaints its own caption; a frame
    // without a sizing bar keeps the caption the system draws.
    void PaintCompositedCaption() override;

protected:
    BOOL m_bUserSizing = FALSE;  // from a press on the frame to the next release
    BOOL m_bPlaced = FALSE;      // the first layout without caption kept it inside the work area

    void OnNcLButtonDown(UINT nHitTest, CPoint pt);
    void OnLButtonUp(UINT nFlags, CPoint pt);
    void OnGetMinMaxInfo(MINMAXINFO* pMMI);
    void OnWindowPosChanging(WINDOWPOS* pPos);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnNcActivate(BOOL bActive);
    void OnSetFocus(CWnd* pOldWnd);
    void OnKillFocus(CWnd* pNewWnd);
};
