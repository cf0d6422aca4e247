// CScrollView.h: a view whose document is larger than the window, scrolled
// by the window's scroll bars and the mouse wheel (text mapping mode: one
// logical unit per pixel). OnPrepareDC moves the origin by the scroll
// position, so OnDraw draws in document coordinates.
#pragma once

#include "platform/CView.h"

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
    DECLARE_MESSAGE_MAP()
public:
    // sizePage and sizeLine default to a tenth and a hundredth of the total.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = CSize(0, 0),
                        const SIZE& sizeLine = CSize(0, 0));
    CSize GetTotalSize() const { return m_totalDev; }
    CPoint GetScrollPosition() const;
    void ScrollToPosition(POINT pt);
    void OnPrepareDC(CDC* pDC) override;

    // Scrolls by a step of a scroll bar; with bDoScroll false only tells
    // whether it would move. True when it moved.
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    // Mouse moves over the scroll bars reach the default handling only when
    // the pointer enters another part of a bar (see CScrollView.cpp).
    void OnNcMouseMove(UINT nHitTest, CPoint pt);
    void OnNcMouseLeave();
    void UpdateBars();

    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;

private:
    // The scroll bar (its hit-test code) and part the pointer was last over;
    // 0 and kScrollBarOutside when none.
    UINT m_nHotBar = 0;
    int m_nHotPart = -1;
};
