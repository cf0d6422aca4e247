// SettingsPageTree.cpp: the settings dialog's tree of pages, whose picture
// can be held.
#include "framework/SettingsPageTree.h"

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(CSettingsPageTree, CTreeCtrl)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CSettingsPageTree::HoldPicture(bool bHold)
{
    if (m_bHeld == bHold)
        return;
    m_bHeld = bHold;
    if (!bHold && m_hWnd)
        Invalidate(FALSE);
}

BOOL CSettingsPageTree::OnEraseBkgnd(CDC*)
{
    return m_bHeld ? TRUE : (BOOL)Default();
}

void CSettingsPageTree::OnPaint()
{
    if (!m_bHeld) {
        Default();
        return;
    }
    // Taken as painted; the release has it all painted again.
    CPaintDC dc(this);
}
