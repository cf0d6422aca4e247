// cdxCDynamicWndEx.cpp: storing and restoring a resizable window's position.
#include "framework/cdxCDynamicWndEx.h"

#include "platform/CWnd.h"
#include "platform/ProfileStore.h"

namespace {

// The offset of workspace coordinates from screen coordinates: Windows gives
// a top-level window's placement relative to the primary work area.
POINT WorkspaceOrigin()
{
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoA(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    return POINT{mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top};
}

// A workspace rectangle moved, when it is on no monitor, into the work area
// of the nearest one.
RECT KeepOnScreen(const RECT& rcWorkspace)
{
    POINT o = WorkspaceOrigin();
    RECT rcScreen = rcWorkspace;
    ::OffsetRect(&rcScreen, o.x, o.y);
    if (::MonitorFromRect(&rcScreen, MONITOR_DEFAULTTONULL))
        return rcWorkspace;
    MONITORINFO mi = {};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoA(::MonitorFromRect(&rcScreen, MONITOR_DEFAULTTONEAREST), &mi);
    RECT rc = FitRectIntoArea(rcScreen, mi.rcWork);
    ::OffsetRect(&rc, -o.x, -o.y);
    return rc;
}

}  // namespace

CString cdxCDynamicWndEx::GetPositionSection(const char* pszSection) const
{
    return ::GetPositionSection(pszSection, m_strPositionName);
}

void cdxCDynamicWndEx::OnWindowInitialized()
{
    if (!m_strPositionName.IsEmpty() && !RestoreWindowPosition())
        Window()->CenterWindow();
}

void cdxCDynamicWndEx::OnWindowClosing()
{
    if (!m_strPositionName.IsEmpty() && IsActive())
        StoreWindowPosition();
}

bool cdxCDynamicWndEx::StoreWindowPosition(const char* pszSection)
{
    if (!IsActive() || !GetSettingsStore())
        return false;
    HWND h = Hwnd();
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    ::GetWindowPlacement(h, &wp);
    WindowPositionRecord rec;
    rec.rcNormal = wp.rcNormalPosition;
    rec.nState = ::IsIconic(h) ? kWindowStateMinimized : ::IsZoomed(h) ? kWindowStateMaximized : kWindowStateNormal;
    rec.nVisibility = ::IsWindowVisible(h) ? 1 : 0;
    return WriteWindowPosition(GetPositionSection(pszSection), rec);
}

bool cdxCDynamicWndEx::RestoreWindowPosition(const char* pszSection)
{
    if (!IsActive() || !GetSettingsStore())
        return false;
    HWND h = Hwnd();
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    ::GetWindowPlacement(h, &wp);
    WindowPositionRecord rec;
    if (!ReadWindowPosition(GetPositionSection(pszSection), wp.rcNormalPosition, rec))
        return false;
    // The stored rectangle is in the placement's own (workspace) coordinates:
    // it goes back through the placement, with the stored state applied.
    wp.rcNormalPosition = KeepOnScreen(rec.rcNormal);
    wp.flags = 0;
    bool bVisible = ::IsWindowVisible(h) != FALSE;
    if ((m_nOptions & optState) && rec.nState == kWindowStateMaximized)
        wp.showCmd = SW_SHOWMAXIMIZED;
    else if ((m_nOptions & optState) && rec.nState == kWindowStateMinimized)
        wp.showCmd = SW_SHOWMINNOACTIVE;
    else
        wp.showCmd = bVisible ? SW_SHOWNA : SW_HIDE;
    ::SetWindowPlacement(h, &wp);
    if ((m_nOptions & optVisibility) && rec.nVisibility == 1)
        ::ShowWindow(h, SW_SHOW);
    else if ((m_nOptions & optVisibility) && rec.nVisibility == 0)
        ::ShowWindow(h, SW_HIDE);
    return true;
}
