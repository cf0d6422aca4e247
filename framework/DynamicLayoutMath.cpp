// DynamicLayoutMath.cpp: the window-free arithmetic of the layout engine.
#include "framework/DynamicLayoutMath.h"

CDynPos::CDynPos() : RECT{0, 0, 0, 0}, m_szMin{0, 0}, m_pl(0), m_pt(0), m_pr(0), m_pb(0)
{
}

CDynPos::CDynPos(const RECT& rc, signed char pl, signed char pt, signed char pr, signed char pb, SIZE szMin)
    : RECT(rc), m_szMin(szMin), m_pl(pl), m_pt(pt), m_pr(pr), m_pb(pb)
{
}

void ModeToPercents(int nMode, BYTE& nNear, BYTE& nFar)
{
    switch (nMode) {
    case kDynModeStretch: nNear = 0; nFar = 100; break;
    case kDynModeMove: nNear = 100; nFar = 100; break;
    case kDynModeMoveHalf: nNear = 50; nFar = 50; break;
    default: nNear = 0; nFar = 0; break;
    }
}

bool DynamicMapEntryRule(const cdxDynamicMapEntry& e, BYTE pct[4], DynAxis& axis)
{
    pct[0] = pct[1] = pct[2] = pct[3] = 0;
    switch (e.nType) {
    case kDynMapPercents:
        pct[0] = e.a; pct[1] = e.b; pct[2] = e.c; pct[3] = e.d;
        axis = kDynAxisBoth;
        return true;
    case kDynMapModes:
        ModeToPercents(e.a, pct[0], pct[2]);
        ModeToPercents(e.b, pct[1], pct[3]);
        axis = kDynAxisBoth;
        return true;
    case kDynMapXPercents:
        pct[0] = e.a; pct[2] = e.c;
        axis = kDynAxisX;
        return true;
    case kDynMapYPercents:
        pct[1] = e.b; pct[3] = e.d;
        axis = kDynAxisY;
        return true;
    case kDynMapXMode:
        ModeToPercents(e.a, pct[0], pct[2]);
        axis = kDynAxisX;
        return true;
    case kDynMapYMode:
        ModeToPercents(e.b, pct[1], pct[3]);
        axis = kDynAxisY;
        return true;
    default:
        return false;
    }
}

bool EvenMovePercents(int n, int i, BYTE& nNear, BYTE& nFar)
{
    if (n < 2 || i < 1 || i > n)
        return false;
    nNear = nFar = (BYTE)(int)(100.0 / (n + 1) * i + 0.5);
    return true;
}

bool EvenSizePercents(int n, int i, BYTE& nNear, BYTE& nFar)
{
    if (n < 2 || i < 1 || i > n)
        return false;
    nNear = (BYTE)(int)(100.0 / n * (i - 1) + 0.5);
    nFar = (BYTE)(int)(100.0 / n * i + 0.5);
    return true;
}

RECT DynamicControlRect(const CDynPos& pos, SIZE delta, bool bUseScrollPos, POINT ptScroll)
{
    RECT rc = pos;
    bool bMoveX = true, bMoveY = true;
    if (bUseScrollPos) {
        rc.left -= ptScroll.x; rc.right -= ptScroll.x;
        rc.top -= ptScroll.y; rc.bottom -= ptScroll.y;
        bMoveX = delta.cx >= 0;
        bMoveY = delta.cy >= 0;
    }
    if (bMoveX) {
        rc.left += pos.m_pl * delta.cx / 100;
        rc.right += pos.m_pr * delta.cx / 100;
    }
    if (bMoveY) {
        rc.top += pos.m_pt * delta.cy / 100;
        rc.bottom += pos.m_pb * delta.cy / 100;
    }
    if (rc.right - rc.left < pos.m_szMin.cx)
        rc.right = rc.left + pos.m_szMin.cx;
    if (rc.bottom - rc.top < pos.m_szMin.cy)
        rc.bottom = rc.top + pos.m_szMin.cy;
    return rc;
}

RECT DynamicBaseRect(const RECT& rcNow, const CDynPos& pos, SIZE delta, bool bUseScrollPos, POINT ptScroll)
{
    RECT rc = rcNow;
    bool bMoveX = true, bMoveY = true;
    if (bUseScrollPos) {
        rc.left += ptScroll.x; rc.right += ptScroll.x;
        rc.top += ptScroll.y; rc.bottom += ptScroll.y;
        bMoveX = delta.cx >= 0;
        bMoveY = delta.cy >= 0;
    }
    if (bMoveX) {
        rc.left -= pos.m_pl * delta.cx / 100;
        rc.right -= pos.m_pr * delta.cx / 100;
    }
    if (bMoveY) {
        rc.top -= pos.m_pt * delta.cy / 100;
        rc.bottom -= pos.m_pb * delta.cy / 100;
    }
    return rc;
}

void DynamicTrackingLimits(SIZE szMinClient, SIZE szMaxClient, SIZE szBorder, DWORD nFreedom,
                           POINT& ptMinTrack, POINT& ptMaxTrack)
{
    ptMinTrack.x = szMinClient.cx + szBorder.cx;
    ptMinTrack.y = szMinClient.cy + szBorder.cy;
    if (!(nFreedom & 1))
        ptMaxTrack.x = ptMinTrack.x;
    else if (szMaxClient.cx > 0)
        ptMaxTrack.x = szMaxClient.cx + szBorder.cx;
    if (!(nFreedom & 2))
        ptMaxTrack.y = ptMinTrack.y;
    else if (szMaxClient.cy > 0)
        ptMaxTrack.y = szMaxClient.cy + szBorder.cy;
}

bool StretchRect(const RECT& rc, int cx, int cy, RECT& rcOut)
{
    rcOut = rc;
    rcOut.left -= cx / 2;
    rcOut.right += (cx + 1) / 2;
    rcOut.top -= cy / 2;
    rcOut.bottom += (cy + 1) / 2;
    return rcOut.left < rcOut.right && rcOut.top < rcOut.bottom;
}
