// SettingsPageFrame.cpp: the settings dialog's page frame, whose inside shows
// the dialog's ground where no page lies.
#include "framework/SettingsPageFrame.h"

#include "platform/CDC.h"

BEGIN_MESSAGE_MAP(CSettingsPageFrame, CStatic)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// The dialog erases its ground into the frame's DC, moved so that the
// frame's place in the dialog falls on the frame: the same brush, aligned as
// the dialog's own. The edge is left to the frame's paint, so that it is
// drawn once: never erased first and drawn again after.
BOOL CSettingsPageFrame::OnEraseBkgnd(CDC* pDC)
{
    HWND hParent = ::GetParent(m_hWnd);
    if (!hParent)
        return (BOOL)Default();
    CRect rcInside;
    GetClientRect(&rcInside);
    rcInside.DeflateRect(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
    POINT pt = {0, 0};
    ::MapWindowPoints(m_hWnd, hParent, &pt, 1);
    HDC hdc = pDC->GetSafeHdc();
    const int nSaved = ::SaveDC(hdc);
    ::IntersectClipRect(hdc, rcInside.left, rcInside.top, rcInside.right, rcInside.bottom);
    ::OffsetViewportOrgEx(hdc, -pt.x, -pt.y, nullptr);
    ::SendMessageA(hParent, WM_ERASEBKGND, (WPARAM)hdc, 0);
    ::RestoreDC(hdc, nSaved);
    return TRUE;
}
