// CSCBDockContext.h: the dock context of a sizing bar: the drag outlines
// come from the bar's own docked and floating sizes, and the floating
// outline is the bar's floating size inside a thick frame without a
// caption (the floating bar draws its own).
#pragma once

#include "platform/CDockContext.h"

class CSCBDockContext : public CDockContext {
public:
    explicit CSCBDockContext(CControlBar* pBar) : CDockContext(pBar) {}

protected:
    void InitRects(CPoint pt) override;
};
