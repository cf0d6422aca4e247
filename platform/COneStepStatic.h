// COneStepStatic.h: a static text control that shows its text only whole
// (OneStepPaint.h): its paint composes its parent's ground, its own and its
// text off the screen and copies them at once, and a new text waits for the
// next paint, which its owner may call at once (UpdateWindow) or once it has
// given the control the new text's size, instead of being drawn at once in
// the old size in two calls (the system's static erases, then writes).
#pragma once

#include "platform/CStatic.h"

class COneStepStatic : public CStatic {
    DECLARE_MESSAGE_MAP()
protected:
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnPaint();
    LRESULT OnSetText(WPARAM wp, LPARAM lp);
};
