// DevListTree.h: CDevListTree, the device-list bar's tree view. It paints
// itself off the screen and puts the finished picture on the screen in one
// piece, so that the tree is never seen erased and half drawn.
#pragma once

#include "platform/CTreeCtrl.h"

class CDevListTree : public CTreeCtrl {
    DECLARE_MESSAGE_MAP()
protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
};
