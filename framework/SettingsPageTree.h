// SettingsPageTree.h: CSettingsPageTree, the settings dialog's tree of
// pages: a tree view whose picture the dialog can hold, so that a new
// selection shows only together with its page (the page made in steps
// meanwhile shows with the header and selection of the page before).
#pragma once

#include "platform/CTreeCtrl.h"

class CSettingsPageTree : public CTreeCtrl {
    DECLARE_MESSAGE_MAP()
public:
    // While held, the tree's paints draw nothing (the screen keeps the
    // picture it had); released, the whole tree waits for its next paint.
    void HoldPicture(bool bHold);
    bool IsPictureHeld() const { return m_bHeld; }

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnPaint();

private:
    bool m_bHeld = false;
};
