// SettingsPageFrame.cpp: the settings dialog's page frame, whose inside shows
// the dialog's ground where no page lies.
#include "framework/SettingsPageFrame.h"

#include "platform/CDC.h"
#include "platform/OneStepPaint.h"

BEGIN_MESSAGE_MAP(CSettingsPageFrame, CStatic)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The dialog's ground, aligned as the dialog's own (OneStepPaint.h), over
// the inside alone: the edge is left to the frame's paint, so that it is
// drawn once, never erased first and drawn again after.
BOOL CSettingsPageFrame::OnEraseBkgnd(CDC* pDC)
{
    CRect rcInside;
    GetClientRect(&rcInside);
    rcInside.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
    HDC hdc = pDC->GetSafeHdc();
    const int nSaved = ::SaveDC(hdc);
    ::IntersectClipRect(hdc, rcInside.left, rcInside.top, rcInside.right, rcInside.bottom);
    PrintParentGroundInto(m_hWnd, hdc);
    ::RestoreDC(hdc, nSaved);
    return TRUE;
}
