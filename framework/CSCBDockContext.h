// CSCBDockContext.h: the dock context of a sizing bar: the drag outlines
// come from the bar's own docked and floating sizes, and the floating
// outline is the bar's floating size inside a thick frame without a
// caption (the floating bar draws its own). The first time a docked bar is
// floated by command its frame takes the bar's docked size.
#pragma once

#include "platform/CDockContext.h"

class CSCBDockContext : public CDockContext {
public:
    explicit CSCBDockContext(CControlBar* pBar) : CDockContext(pBar) {}
    void ToggleDocking() override;

protected:
    void InitRects(CPoint pt) override;
};
