// CWindowPlacement.cpp: storing and restoring window placements.
#include "platform/CWindowPlacement.h"

#include <cstdio>

#include "platform/CWnd.h"
#include "platform/ProfileStore.h"

CString g_strWindowPlacementSubkey = "WindowPositions";

CString CWindowPlacement::Format(const WINDOWPLACEMENT& wp)
{
    CString s;
    s.Format("%u,%u,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld", wp.flags, wp.showCmd, wp.ptMinPosition.x,
             wp.ptMinPosition.y, wp.ptMaxPosition.x, wp.ptMaxPosition.y, wp.rcNormalPosition.left,
             wp.rcNormalPosition.top, wp.rcNormalPosition.right, wp.rcNormalPosition.bottom);
    return s;
}

bool CWindowPlacement::Parse(const char* pszText, WINDOWPLACEMENT& wp)
{
    unsigned flags = 0, show = 0;
    long v[8] = {};
    int used = 0;
    if (!pszText || std::sscanf(pszText, "%u,%u,%ld,%ld,%ld,%ld,%ld,%ld,%ld,%ld%n", &flags, &show, &v[0], &v[1],
                                &v[2], &v[3], &v[4], &v[5], &v[6], &v[7], &used) != 10 ||
        pszText[used] != '\0')
        return false;
    // A normal rectangle must have a size.
    if (v[6] <= v[4] || v[7] <= v[5])
        return false;
    wp = WINDOWPLACEMENT{};
    wp.length = sizeof(wp);
    wp.flags = flags;
    wp.showCmd = show;
    wp.ptMinPosition = POINT{v[0], v[1]};
    wp.ptMaxPosition = POINT{v[2], v[3]};
    wp.rcNormalPosition = RECT{v[4], v[5], v[6], v[7]};
    return true;
}

BOOL CWindowPlacement::Save(LPCSTR pszName, CWnd* pWnd)
{
    WINDOWPLACEMENT wp = {};
    if (!pWnd || !pWnd->GetWindowPlacement(&wp))
        return FALSE;
    return ProfileWriteString(g_strWindowPlacementSubkey, pszName, Format(wp));
}

BOOL CWindowPlacement::Restore(LPCSTR pszName, CWnd* pWnd, BOOL bShow)
{
    WINDOWPLACEMENT wp;
    if (!pWnd || !Parse(ProfileGetString(g_strWindowPlacementSubkey, pszName), wp))
        return FALSE;
    // A monitor that went away leaves the window where nobody sees it.
    HMONITOR hMon = ::MonitorFromRect(&wp.rcNormalPosition, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi = {sizeof(mi)};
    if (::GetMonitorInfoA(hMon, &mi)) {
        RECT& rc = wp.rcNormalPosition;
        RECT& work = mi.rcWork;
        if (rc.right > work.right) ::OffsetRect(&rc, work.right - rc.right, 0);
        if (rc.bottom > work.bottom) ::OffsetRect(&rc, 0, work.bottom - rc.bottom);
        if (rc.left < work.left) ::OffsetRect(&rc, work.left - rc.left, 0);
        if (rc.top < work.top) ::OffsetRect(&rc, 0, work.top - rc.top);
    }
    if (wp.showCmd == SW_SHOWMINIMIZED || wp.showCmd == SW_MINIMIZE || wp.showCmd == SW_SHOWMINNOACTIVE)
        wp.showCmd = SW_SHOWNORMAL;
    if (!bShow)
        wp.showCmd = pWnd->IsWindowVisible() ? SW_SHOWNA : SW_HIDE;
    return pWnd->SetWindowPlacement(&wp);
}

BOOL CWindowPlacement::SaveEx(CWnd* pWnd)
{
    return pWnd ? Save(pWnd->GetRuntimeClass()->m_lpszClassName, pWnd) : FALSE;
}

BOOL CWindowPlacement::RestoreEx(CWnd* pWnd, BOOL bShow)
{
    return pWnd ? Restore(pWnd->GetRuntimeClass()->m_lpszClassName, pWnd, bShow) : FALSE;
}
