// cdxCDynamicWndLayout.cpp: the layout engine's start and end, its layout
// pass and the window messages it answers.
#include "framework/cdxCDynamicWnd.h"

#include <algorithm>
#include <vector>

#include "framework/VisualStylesXP.h"
#include "framework/cdxCSizeIconCtrl.h"
#include "platform/CWnd.h"
#include "platform/Trace.h"

namespace {

const UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

bool IsQuietMissingId(UINT nID)
{
    switch (nID) {
    case IDOK: case IDCANCEL: case IDHELP: case 0x3020: case 0x3021: case 0x3023: case 0x3024: case 0x3025:
        return true;
    default:
        return false;
    }
}

bool IsGroupBox(HWND h)
{
    char szClass[8] = "";
    return (::GetWindowLongA(h, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
           ::GetClassNameA(h, szClass, sizeof(szClass)) && lstrcmpiA(szClass, "Button") == 0;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A visible button that acts when pressed (push button, check box, radio
// button); a group box only frames others.
bool IsVisibleActingButton(HWND h)
{
    char szClass[16] = "";
    ::GetClassNameA(h, szClass, sizeof szClass);
    DWORD dwStyle = (DWORD)::GetWindowLongA(h, GWL_STYLE);
    return lstrcmpiA(szClass, "Button") == 0 && (dwStyle & WS_VISIBLE) && (dwStyle & BS_TYPEMASK) != BS_GROUPBOX;
}

RECT ChildRect(HWND hParent, HWND hChild)
{
    RECT rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hParent, (POINT*)&rc, 2);
    return rc;
}

}  // namespace

// The grip is made before the layout takes the window's initial size, so
// that the window can first grow below a button the grip would cover.
void cdxCDynamicWnd::InitDynamicLayout(CWnd* pWnd)
{
    if (m_nFlags & flSizeIcon)
        CreateSizeGrip(pWnd);
    m_pWnd = pWnd;
    DoInitWindow(GetCurrentClientSize());
}

void cdxCDynamicWnd::RegisterMapEntry(const cdxDynamicMapEntry& e)
{
    HWND hCtrl = e.nCtrlId ? ::GetDlgItem(Hwnd(), (int)e.nCtrlId) : nullptr;
    if (!hCtrl && e.nCtrlId) {
        if (!IsQuietMissingId(e.nCtrlId))
            WrenLibAfxTraceEx(__PRETTY_FUNCTION__,
                              "(DYNAMIC_MAP) WARNING: No control found for HWND = 0x%08.8X with id# of 0x%X = %d\n",
                              (unsigned)(UINT_PTR)Hwnd(), (unsigned)e.nCtrlId, (int)e.nCtrlId);
        return;
    }
    BYTE pct[4];
    DynAxis axis;
    if (!DynamicMapEntryRule(e, pct, axis))
        return;
    if (!hCtrl) {
        if (axis == kDynAxisX)
            AddSzXAllControls(pct[0], pct[2], false);
        else if (axis == kDynAxisY)
            AddSzYAllControls(pct[1], pct[3], false);
        else
            AddSzAllControls(pct, false, false);
    } else if (axis == kDynAxisX) {
        AddSzXControl(hCtrl, pct[0], pct[2], SIZE{0, 0}, false);
    } else if (axis == kDynAxisY) {
        AddSzYControl(hCtrl, pct[1], pct[3], SIZE{0, 0}, false);
    } else {
        AddSzControl(hCtrl, pct[0], pct[1], pct[2], pct[3], SIZE{0, 0}, false);
    }
}

bool cdxCDynamicWnd::AddSzControlFromMap(HWND hCtrl, UINT nID)
{
    for (const cdxDynamicMapEntry* pMap = GetDynamicMap(nullptr); pMap; pMap = GetDynamicMap(pMap)) {
        for (const cdxDynamicMapEntry* e = pMap; e->nType != kDynMapEnd; ++e) {
            BYTE pct[4];
            DynAxis axis;
            if (e->nCtrlId != nID || !DynamicMapEntryRule(*e, pct, axis))
                continue;
            CDynPos pos(ChildRect(Hwnd(), hCtrl), (signed char)pct[0], (signed char)pct[1], (signed char)pct[2],
                        (signed char)pct[3]);
            return AddSzControl(hCtrl, pos, true);
        }
    }
    return false;
}

void cdxCDynamicWnd::DoInitWindow(SIZE szInitial)
{
    m_szInitial = m_szMin = szInitial;
    size_t nCount = m_Controls.size();
    for (const cdxDynamicMapEntry* pMap = GetDynamicMap(nullptr); pMap; pMap = GetDynamicMap(pMap))
        for (const cdxDynamicMapEntry* e = pMap; e->nType != kDynMapEnd; ++e)
            RegisterMapEntry(*e);
    if (m_pSizeIcon) {
        AddSzControl(m_pSizeIcon->m_hWnd, 100, 100, 100, 100, SIZE{0, 0}, false);
        m_pSizeIcon->ShowWindow(SW_SHOW);
    }
    m_bClassStyleSwitched = false;
    m_nTimerId = kLayoutTimerId;
    OnWindowInitialized();
    if (m_Controls.size() > nCount)
        Layout();
}

void cdxCDynamicWnd::CreateSizeGrip(CWnd* pWnd)
{
    m_pSizeIcon = std::make_unique<cdxCSizeIconCtrl>(true);
    if (!m_pSizeIcon->Create(pWnd, kSizeGripId)) {
        m_pSizeIcon.reset();
        return;
    }
    MakeRoomForSizeGrip(pWnd->m_hWnd, m_pSizeIcon->m_hWnd);
}

// A window whose buttons reach into the lower right corner (a property
// sheet places its own there) grows below them by as much as the grip would
// cover; the grip keeps to the new corner.
void cdxCDynamicWnd::MakeRoomForSizeGrip(HWND hWnd, HWND hGrip)
{
    RECT rcGrip = ChildRect(hWnd, hGrip), rcBoth;
    int nCovered = 0;
    for (HWND h = ::GetWindow(hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        RECT rc = ChildRect(hWnd, h);
        if (h != hGrip && IsVisibleActingButton(h) && ::IntersectRect(&rcBoth, &rc, &rcGrip))
            nCovered = std::max(nCovered, (int)(rc.bottom - rcGrip.top));
    }
    if (nCovered == 0)
        return;
    RECT rcWnd, rcClient;
    ::GetWindowRect(hWnd, &rcWnd);
    ::SetWindowPos(hWnd, nullptr, 0, 0, rcWnd.right - rcWnd.left, rcWnd.bottom - rcWnd.top + nCovered,
                   SWP_NOMOVE | kMoveFlags);
    ::GetClientRect(hWnd, &rcClient);
    ::SetWindowPos(hGrip, nullptr, rcGrip.left, rcClient.bottom - (rcGrip.bottom - rcGrip.top), 0, 0,
                   SWP_NOSIZE | kMoveFlags);
}

void cdxCDynamicWnd::EndDynamicLayout()
{
    if (IsActive())
        OnWindowClosing();
    m_nDisabled = 1;
    m_pWnd = nullptr;
    m_Controls.clear();
    if (m_pSizeIcon && m_pSizeIcon->m_hWnd)
        m_pSizeIcon->DestroyWindow();
    m_pSizeIcon.reset();
}

// ---- positions -----------------------------------------------------------------

bool cdxCDynamicWnd::CurrentDelta(SIZE& delta, POINT& ptScroll) const
{
    if (!IsActive() || ::IsIconic(Hwnd()))
        return false;
    SIZE sz = GetCurrentClientSize();
    delta = SIZE{sz.cx - m_szInitial.cx, sz.cy - m_szInitial.cy};
    ptScroll = POINT{0, 0};
    if (m_bUseScrollPos)
        ptScroll = POINT{::GetScrollPos(Hwnd(), SB_HORZ), ::GetScrollPos(Hwnd(), SB_VERT)};
    return true;
}

bool cdxCDynamicWnd::GetControlPosition(HWND hCtrl, RECT& rc, SIZE delta, POINT ptScroll) const
{
    auto it = m_Controls.find(hCtrl);
    if (it == m_Controls.end())
        return false;
    rc = DynamicControlRect(it->second, delta, m_bUseScrollPos, ptScroll);
    return true;
}

bool cdxCDynamicWnd::MoveOne(HWND hCtrl, const RECT& rc, UINT nFlags)
{
    return ::SetWindowPos(hCtrl, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, nFlags) != FALSE;
}

bool cdxCDynamicWnd::UpdateControlPosition(HWND hCtrl)
{
    if (!::IsWindow(hCtrl)) {
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "ERROR! Handle 0x%p is not a valid window!\n", (void*)hCtrl);
        return false;
    }
    SIZE delta;
    POINT ptScroll;
    if (!CurrentDelta(delta, ptScroll))
        return false;
    if (delta.cx == 0 && delta.cy == 0 && (!m_bUseScrollPos || (ptScroll.x == 0 && ptScroll.y == 0)))
        return false;  // still in the initial state
    RECT rc;
    if (!GetControlPosition(hCtrl, rc, delta, ptScroll))
        return false;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    ::GetWindowPlacement(hCtrl, &wp);
    if (!SameRect(rc, wp.rcNormalPosition))
        MoveOne(hCtrl, rc, kMoveFlags);
    return true;
}

// The registered controls are walked from the map, not from the window's
// children: under Wine each step of a GetWindow walk is a server call, and
// a bar lays out again at every size change (hundreds of controls in the
// CPU-percent bar). Unregistered controls are never moved.
void cdxCDynamicWnd::Layout()
{
    if (!IsActive())
        return;
    if (m_Controls.empty() && !::GetWindow(Hwnd(), GW_CHILD)) {
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "ERROR! The window at 0x%p has no children!\n", (void*)Hwnd());
        return;
    }
    SIZE delta;
    POINT ptScroll;
    if (!CurrentDelta(delta, ptScroll))
        return;
    // Under desktop composition each window draws into its own surface, so
    // a moved control keeps its bits. Without composition a moved control is
    // painted afresh at its new place, whatever the layout flags ask: its
    // old pixels may already hold a neighbour's (an earlier move of this
    // pass copied there) or the background not yet repainted after the
    // window grew, and copying them leaves stale pixels on the screen.
    const UINT nFlags = kMoveFlags | (g_VisualStylesXP.IsCompositionActive() ? 0 : SWP_NOCOPYBITS);
    HDWP hdwp = nullptr;
    bool bDeferTried = false;
    std::vector<RECT> groupBoxAreas;  // old and new place of each moved group box
    for (const auto& control : m_Controls) {
        HWND h = control.first;
        if (!::IsWindow(h))
            continue;
        WINDOWPLACEMENT wp = {};
        wp.length = sizeof(wp);
        if (!::GetWindowPlacement(h, &wp)) {
            WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "ERROR! GetWindowPlacement() failed?!\n");
            continue;
        }
        RECT rc = DynamicControlRect(control.second, delta, m_bUseScrollPos, ptScroll);
        if (SameRect(rc, wp.rcNormalPosition))
            continue;
        if (IsGroupBox(h)) {
            RECT rcBoth;
            ::UnionRect(&rcBoth, &rc, &wp.rcNormalPosition);
            groupBoxAreas.push_back(rcBoth);
        }
        if (!bDeferTried) {
            bDeferTried = true;
            hdwp = ::BeginDeferWindowPos((int)m_Controls.size());
            if (!hdwp)
                WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "ERROR! BeginDeferWindowPos() failed?!\n");
        }
        if (!hdwp) {
            MoveOne(h, rc, nFlags);
            continue;
        }
        hdwp = ::DeferWindowPos(hdwp, h, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, nFlags);
        if (!hdwp) {
            // The batch is lost: move every control directly.
            WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "ERROR! DeferWindowPos() failed?!\n");
            for (const auto& other : m_Controls)
                if (::IsWindow(other.first))
                    MoveOne(other.first, DynamicControlRect(other.second, delta, m_bUseScrollPos, ptScroll), nFlags);
            RepaintGroupBoxAreas(groupBoxAreas);
            return;
        }
    }
    if (hdwp)
        ::EndDeferWindowPos(hdwp);
    RepaintGroupBoxAreas(groupBoxAreas);
}

// A group box draws only its frame and caption and leaves its inside to the
// window behind it. Widened, it is repainted (the button class redraws on a
// size change) but its inside still shows its old right edge, which the
// window never repainted: that area was the group box's. So the window
// repaints the group box's old and new area, background first, then the
// controls over it.
void cdxCDynamicWnd::RepaintGroupBoxAreas(const std::vector<RECT>& areas)
{
    for (const RECT& rc : areas)
        ::RedrawWindow(Hwnd(), &rc, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// ---- window messages -------------------------------------------------------------

void cdxCDynamicWnd::DoOnSize(UINT nType, int cx, int cy)
{
    if (m_nDisabled <= 0 && IsActive() && nType != SIZE_MINIMIZED)
        Layout();
}

void cdxCDynamicWnd::DoOnSizing(UINT nEdge, LPRECT pRect)
{
    if ((m_nFlags & flAntiFlicker) && IsActive() && m_nDisabled <= 0 && m_nTimerId)
        OnSizingStart(nEdge == WMSZ_RIGHT || nEdge == WMSZ_BOTTOM || nEdge == WMSZ_BOTTOMRIGHT);
}

void cdxCDynamicWnd::OnSizingStart(bool bFromRightOrBottom)
{
    DWORD dwStyle = (DWORD)::GetClassLongPtrA(Hwnd(), GCL_STYLE);
    m_nSavedClassBits = dwStyle & (CS_HREDRAW | CS_VREDRAW);
    ::KillTimer(Hwnd(), m_nTimerId);
    ::SetTimer(Hwnd(), m_nTimerId, kLayoutTimerMs, nullptr);
    if (m_bClassStyleSwitched)
        return;
    DWORD dwNew = bFromRightOrBottom ? dwStyle & ~(CS_HREDRAW | CS_VREDRAW) : dwStyle | CS_HREDRAW | CS_VREDRAW;
    ::SetClassLongPtrA(Hwnd(), GCL_STYLE, (LONG_PTR)dwNew);
    m_bClassStyleSwitched = true;
}

void cdxCDynamicWnd::OnLayoutTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nTimerId || !IsActive())
        return;
    ::KillTimer(Hwnd(), m_nTimerId);
    if (!m_bClassStyleSwitched)
        return;
    m_bClassStyleSwitched = false;
    DWORD dwStyle = (DWORD)::GetClassLongPtrA(Hwnd(), GCL_STYLE);
    ::SetClassLongPtrA(Hwnd(), GCL_STYLE, (LONG_PTR)(dwStyle | m_nSavedClassBits));
}

void cdxCDynamicWnd::DoOnGetMinMaxInfo(MINMAXINFO* pMMI)
{
    if (!IsActive() || m_nDisabled > 0)
        return;
    DynamicTrackingLimits(m_szMin, m_szMax, GetBorderSize(), m_nFreedom, pMMI->ptMinTrackSize, pMMI->ptMaxTrackSize);
}

void cdxCDynamicWnd::DoOnParentNotify(UINT nMsg, LPARAM lp)
{
    // For WM_CREATE and WM_DESTROY, lParam is the child window.
    if (LOWORD(nMsg) == WM_DESTROY && lp)
        ForgetSzControl((HWND)lp);
}

bool cdxCDynamicWnd::StretchWindow(SIZE szAdd)
{
    if (!IsActive())
        return false;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    ::GetWindowPlacement(Hwnd(), &wp);
    RECT rc;
    if (!StretchRect(wp.rcNormalPosition, szAdd.cx, szAdd.cy, rc))
        return false;
    ::SetWindowPos(Hwnd(), nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, kMoveFlags);
    return true;
}

bool cdxCDynamicWnd::StretchWindowPercent(int nPercent)
{
    SIZE c = GetCurrentClientSize(), b = GetBorderSize();
    return StretchWindow(SIZE{(c.cx + b.cx) * nPercent / 100, (c.cy + b.cy) * nPercent / 100});
}
