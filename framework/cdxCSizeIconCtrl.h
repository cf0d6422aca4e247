// cdxCSizeIconCtrl.h: the size grip of the resizable windows: a size-box
// scroll bar in the parent's lower right corner (so dragging it sizes the
// parent) that paints the grip from one shared image of the system's OEM
// size-box bitmap and shows the diagonal sizing cursor; it can hide itself
// while the parent is maximised.
#pragma once

#include "platform/CWnd.h"

class cdxCSizeIconCtrl : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    explicit cdxCSizeIconCtrl(bool bHideIfParentMaximized) : m_bHideIfParentMaximized(bHideIfParentMaximized) {}

    // A hidden size-box scroll bar over the parent's client area (the style
    // keeps the box in its lower right corner), WS_EX_TRANSPARENT added.
    BOOL Create(CWnd* pParent, UINT nID);

    // The shared grip image list (OBM_SIZE masked with the face colour) and
    // cursor, made on first use and kept for the process.
    static HIMAGELIST GripImages(SIZE* pSize = nullptr);

protected:
    void OnPaint();
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDblClk(UINT nFlags, CPoint pt) {}

private:
    bool Hidden() const;

    bool m_bHideIfParentMaximized;
    bool m_bReserved = false;
};
