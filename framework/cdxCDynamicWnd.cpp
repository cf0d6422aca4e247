// cdxCDynamicWnd.cpp: the dynamic layout engine.
#include "framework/cdxCDynamicWnd.h"

#include "framework/VisualStylesXP.h"
#include "framework/cdxCSizeIconCtrl.h"
#include "platform/CWnd.h"
#include "platform/Trace.h"

namespace {

const UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;

}  // namespace

cdxCDynamicWnd::cdxCDynamicWnd(DWORD nFreedom, UINT nFlags) : m_nFreedom(nFreedom), m_nFlags(nFlags)
{
}

cdxCDynamicWnd::~cdxCDynamicWnd()
{
    EndDynamicLayout();
}

HWND cdxCDynamicWnd::Hwnd() const
{
    return m_pWnd ? m_pWnd->m_hWnd : nullptr;
}

bool cdxCDynamicWnd::IsActive() const
{
    return m_pWnd && ::IsWindow(m_pWnd->m_hWnd);
}

HWND cdxCDynamicWnd::ItemHandle(UINT nID) const
{
    return IsActive() ? ::GetDlgItem(Hwnd(), (int)nID) : nullptr;
}

SIZE cdxCDynamicWnd::GetCurrentClientSize() const
{
    RECT rc = {0, 0, 0, 0};
    if (m_pWnd && ::IsWindow(m_pWnd->m_hWnd))
        ::GetClientRect(m_pWnd->m_hWnd, &rc);
    return SIZE{rc.right, rc.bottom};
}

SIZE cdxCDynamicWnd::GetBorderSize() const
{
    if (!IsActive() || ::IsIconic(Hwnd()))
        return SIZE{0, 0};
    RECT rcWnd, rcClient;
    ::GetWindowRect(Hwnd(), &rcWnd);
    ::GetClientRect(Hwnd(), &rcClient);
    return SIZE{(rcWnd.right - rcWnd.left) - rcClient.right, (rcWnd.bottom - rcWnd.top) - rcClient.bottom};
}

// ---- registration ----------------------------------------------------------

CDynPos cdxCDynamicWnd::RecordFromWindow(HWND hCtrl, BYTE pl, BYTE pt, BYTE pr, BYTE pb, SIZE szMin) const
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(wp);
    ::GetWindowPlacement(hCtrl, &wp);
    CDynPos pos(wp.rcNormalPosition, (signed char)pl, (signed char)pt, (signed char)pr, (signed char)pb, szMin);
    // A control registered after the window was resized already sits where
    // the resize put it: keep the rectangle it would have had at the start.
    SIZE delta;
    POINT ptScroll;
    if (CurrentDelta(delta, ptScroll)) {
        RECT rcBase = DynamicBaseRect(pos, pos, delta, m_bUseScrollPos, ptScroll);
        static_cast<RECT&>(pos) = rcBase;
    }
    return pos;
}

bool cdxCDynamicWnd::AddSzControl(HWND hCtrl, const CDynPos& pos, bool bReposNow)
{
    if (!IsActive())
        return false;
    if (!::IsWindow(hCtrl)) {
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "ERROR! Handle 0x%p is not a valid window!\n", (void*)hCtrl);
        return false;
    }
    m_Controls[hCtrl] = pos;
    if (bReposNow)
        UpdateControlPosition(hCtrl);
    return true;
}

bool cdxCDynamicWnd::UpdSzXControl(HWND hCtrl, const CDynPos& pos, bool bReposNow)
{
    auto it = IsActive() && ::IsWindow(hCtrl) ? m_Controls.find(hCtrl) : m_Controls.end();
    if (it == m_Controls.end())
        return AddSzControl(hCtrl, pos, bReposNow);
    it->second.m_pl = pos.m_pl;
    it->second.m_pr = pos.m_pr;
    if (bReposNow)
        UpdateControlPosition(hCtrl);
    return true;
}

bool cdxCDynamicWnd::UpdSzYControl(HWND hCtrl, const CDynPos& pos, bool bReposNow)
{
    auto it = IsActive() && ::IsWindow(hCtrl) ? m_Controls.find(hCtrl) : m_Controls.end();
    if (it == m_Controls.end())
        return AddSzControl(hCtrl, pos, bReposNow);
    it->second.m_pt = pos.m_pt;
    it->second.m_pb = pos.m_pb;
    if (bReposNow)
        UpdateControlPosition(hCtrl);
    return true;
}

bool cdxCDynamicWnd::AddSzControl(HWND hCtrl, BYTE pl, BYTE pt, BYTE pr, BYTE pb, SIZE szMin, bool bReposNow)
{
    if (!::IsWindow(hCtrl))
        return AddSzControl(hCtrl, CDynPos(), bReposNow);  // traces
    return AddSzControl(hCtrl, RecordFromWindow(hCtrl, pl, pt, pr, pb, szMin), bReposNow);
}

bool cdxCDynamicWnd::AddSzControlByModes(HWND hCtrl, int nHMode, int nVMode)
{
    BYTE pl, pr, pt, pb;
    ModeToPercents(nHMode, pl, pr);
    ModeToPercents(nVMode, pt, pb);
    return AddSzControl(hCtrl, pl, pt, pr, pb, SIZE{0, 0}, true);
}

bool cdxCDynamicWnd::AddSzXControl(HWND hCtrl, BYTE pl, BYTE pr, SIZE szMin, bool bReposNow)
{
    if (!::IsWindow(hCtrl))
        return AddSzControl(hCtrl, CDynPos(), bReposNow);
    return UpdSzXControl(hCtrl, RecordFromWindow(hCtrl, pl, 0, pr, 0, szMin), bReposNow);
}

bool cdxCDynamicWnd::AddSzYControl(HWND hCtrl, BYTE pt, BYTE pb, SIZE szMin, bool bReposNow)
{
    if (!::IsWindow(hCtrl))
        return AddSzControl(hCtrl, CDynPos(), bReposNow);
    return UpdSzYControl(hCtrl, RecordFromWindow(hCtrl, 0, pt, 0, pb, szMin), bReposNow);
}

bool cdxCDynamicWnd::AddSzXControlById(UINT nID, int nMode)
{
    BYTE n, f;
    ModeToPercents(nMode, n, f);
    return AddSzXControl(ItemHandle(nID), n, f);
}

bool cdxCDynamicWnd::AddSzAxisControl(UINT nID, int nMode)
{
    BYTE n, f;
    ModeToPercents(nMode, n, f);
    return AddSzYControl(ItemHandle(nID), n, f);
}

void cdxCDynamicWnd::AddSzAllControls(const BYTE pct[4], bool bOverwrite, bool bLayoutNow)
{
    if (!IsActive())
        return;
    bool bAdded = false;
    for (HWND h = ::GetWindow(Hwnd(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (!bOverwrite && m_Controls.count(h))
            continue;
        bAdded = AddSzControl(h, RecordFromWindow(h, pct[0], pct[1], pct[2], pct[3], SIZE{0, 0}), false) || bAdded;
    }
    if (bAdded && bLayoutNow)
        Layout();
}

void cdxCDynamicWnd::AddSzXAllControls(BYTE pl, BYTE pr, bool bLayoutNow)
{
    if (!IsActive())
        return;
    bool bAdded = false;
    for (HWND h = ::GetWindow(Hwnd(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        bAdded = AddSzXControl(h, pl, pr, SIZE{0, 0}, false) || bAdded;
    if (bAdded && bLayoutNow)
        Layout();
}

void cdxCDynamicWnd::AddSzYAllControls(BYTE pt, BYTE pb, bool bLayoutNow)
{
    if (!IsActive())
        return;
    bool bAdded = false;
    for (HWND h = ::GetWindow(Hwnd(), GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        bAdded = AddSzYControl(h, pt, pb, SIZE{0, 0}, false) || bAdded;
    if (bAdded && bLayoutNow)
        Layout();
}

bool cdxCDynamicWnd::AddSzXControlEvenMove(int n, int i, UINT nID, bool bReposNow)
{
    BYTE a, b;
    return EvenMovePercents(n, i, a, b) && AddSzXControl(ItemHandle(nID), a, b, SIZE{0, 0}, bReposNow);
}

bool cdxCDynamicWnd::AddSzYControlEvenMove(int n, int i, UINT nID, bool bReposNow)
{
    BYTE a, b;
    return EvenMovePercents(n, i, a, b) && AddSzYControl(ItemHandle(nID), a, b, SIZE{0, 0}, bReposNow);
}

bool cdxCDynamicWnd::AddSzXControlEvenSize(int n, int i, UINT nID, bool bReposNow)
{
    BYTE a, b;
    return EvenSizePercents(n, i, a, b) && AddSzXControl(ItemHandle(nID), a, b, SIZE{0, 0}, bReposNow);
}

bool cdxCDynamicWnd::AddSzYControlEvenSize(int n, int i, UINT nID, bool bReposNow)
{
    BYTE a, b;
    return EvenSizePercents(n, i, a, b) && AddSzYControl(ItemHandle(nID), a, b, SIZE{0, 0}, bReposNow);
}

bool cdxCDynamicWnd::RemSzControl(HWND hCtrl, bool bRestore)
{
    if (!::IsWindow(hCtrl)) {
        WrenLibAfxTraceEx(__PRETTY_FUNCTION__, "ERROR! Handle 0x%p is not a valid window!\n", (void*)hCtrl);
        return false;
    }
    auto it = m_Controls.find(hCtrl);
    if (it == m_Controls.end())
        return false;
    if (bRestore)
        MoveOne(hCtrl, it->second, kMoveFlags);
    m_Controls.erase(it);
    return true;
}
