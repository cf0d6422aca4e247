// CFrameWndBarState.cpp: saving and restoring a frame's docking layout.
#include "platform/BarStateStore.h"
#include "platform/CControlBar.h"
#include "platform/CDockBar.h"
#include "platform/CFrameWnd.h"
#include "platform/CMiniDockFrameWnd.h"
#include "platform/CWinApp.h"
#include "platform/ProfileStore.h"

namespace {

// The settings store, opened through the application when it has none yet.
CSettingsStore* BarStateStore(LPCSTR pszProfileName)
{
    if (!GetSettingsStore() && AfxGetApp()) {
        CString summary;
        summary.Format("%s-Summary", pszProfileName);
        AfxGetApp()->GetProfileInt(summary, "Bars", 0);
    }
    return GetSettingsStore();
}

// The ids of the frame's bars (dock bars excepted).
std::vector<UINT> KnownBarIds(const std::vector<CControlBar*>& bars)
{
    std::vector<UINT> ids;
    for (const CControlBar* pBar : bars)
        if (pBar->m_hWnd && !pBar->IsDockBar())
            ids.push_back((UINT)pBar->GetDlgCtrlID());
    return ids;
}

CBarStateInfo BarInfo(CControlBar* pBar)
{
    CBarStateInfo info;
    info.nBarID = (UINT)pBar->GetDlgCtrlID();
    info.bVisible = (pBar->GetStyle() & WS_VISIBLE) != 0;
    info.bFloating = pBar->IsFloating() != FALSE;
    info.bHorz = pBar->IsHorzDocked() != FALSE;
    CRect rc;
    CFrameWnd* pMini = pBar->GetDockingFrame();
    if (info.bFloating && pMini) {
        pMini->GetWindowRect(&rc);
    } else if (pBar->m_pDockBar) {
        pBar->GetWindowRect(&rc);
        pBar->m_pDockBar->ScreenToClient(&rc);  // the place within its dock bar
    }
    info.xPos = rc.left;
    info.yPos = rc.top;
    return info;
}

CBarStateInfo DockBarInfo(CDockBar* pDock)
{
    CBarStateInfo info;
    info.nBarID = (UINT)pDock->GetDlgCtrlID();
    info.bHorz = pDock->IsHorzDocked() != FALSE;
    for (int i = 1; i < (int)pDock->m_arrBars.GetSize(); i++) {
        void* p = pDock->m_arrBars[i];
        if (!p)
            info.entries.push_back(0);
        else if (IsDockPlaceholder(p))
            info.entries.push_back((UINT)(UINT_PTR)p | kSavedPlaceholderFlag);
        else
            info.entries.push_back((UINT)static_cast<CControlBar*>(p)->GetDlgCtrlID());
    }
    return info;
}

}  // namespace

void CFrameWnd::SaveBarState(LPCSTR pszProfileName) const
{
    CSettingsStore* pStore = BarStateStore(pszProfileName);
    if (!pStore)
        return;
    std::vector<CBarStateInfo> infos;
    for (CControlBar* pBar : m_listControlBars) {
        if (!pBar->m_hWnd || pBar->GetDlgCtrlID() == 0)
            continue;
        // A bar that never docks (the status bar sits on the frame itself)
        // has no place in the layout: saved, it would read as "docked in no
        // dock bar", and the whole layout would be refused.
        if (!pBar->IsDockBar() && (pBar->m_pDockContext || pBar->m_pDockBar || pBar->IsFloating()))
            infos.push_back(BarInfo(pBar));
        else if (pBar->IsDockBar() && IsSideDockBarId((UINT)pBar->GetDlgCtrlID()))
            infos.push_back(DockBarInfo(static_cast<CDockBar*>(pBar)));
    }
    BarStateSave(*pStore, pszProfileName, infos);
}

BOOL VerifyBarState(CFrameWnd* pFrame, LPCSTR pszProfileName)
{
    CSettingsStore* pStore = BarStateStore(pszProfileName);
    std::vector<CBarStateInfo> infos;
    if (!pFrame || !pStore || !BarStateLoad(*pStore, pszProfileName, infos))
        return FALSE;
    return BarStateFits(infos, KnownBarIds(pFrame->m_listControlBars));
}

BOOL CFrameWnd::LoadBarState(LPCSTR pszProfileName)
{
    CSettingsStore* pStore = BarStateStore(pszProfileName);
    std::vector<CBarStateInfo> infos;
    if (!pStore || !BarStateLoad(*pStore, pszProfileName, infos) ||
        !BarStateFits(infos, KnownBarIds(m_listControlBars)))
        return FALSE;  // nothing saved, or a layout of other bars: the current one stays
    // A bar saved floating leaves the dock bar it is docked in now without
    // a placeholder: the saved rows keep the place it was docked in last.
    for (const CBarStateInfo& info : infos) {
        CControlBar* pBar = info.bFloating ? GetControlBar(info.nBarID) : nullptr;
        if (pBar && pBar->m_pDockBar && !pBar->IsFloating())
            pBar->m_pDockBar->RemoveControlBar(pBar, FALSE);
    }
    // Docked bars, row by row, in their saved places.
    for (const CBarStateInfo& info : infos) {
        CDockBar* pDock = IsSideDockBarId(info.nBarID) ? DYNAMIC_DOWNCAST(CDockBar, GetControlBar(info.nBarID)) : nullptr;
        if (!pDock)
            continue;
        for (UINT e : info.entries) {
            CControlBar* pBar = e && !(e & kSavedPlaceholderFlag) ? GetControlBar(e) : nullptr;
            if (pBar && pBar->m_pDockBar)
                pBar->m_pDockBar->RemoveControlBar(pBar, FALSE);
        }
        DockEntryList list;
        list.Add(nullptr);
        // Bars docked here now but absent from the saved rows keep a row of their own.
        for (int i = 1; i < (int)pDock->m_arrBars.GetSize(); i++)
            if (CControlBar* pBar = pDock->GetBarAt(i))
                list.Add(pBar);
        if (list.GetSize() > 1)
            list.Add(nullptr);
        for (UINT e : info.entries) {
            if (e == 0)
                list.Add(nullptr);
            else if (e & kSavedPlaceholderFlag)
                list.Add(DockPlaceholderFor(e));
            else if (CControlBar* pBar = GetControlBar(e)) {
                // A bar already in its place is not handed over again: a
                // second restore of the same layout moves nothing.
                if (::GetParent(pBar->m_hWnd) != pDock->m_hWnd)
                    ::SetParent(pBar->m_hWnd, pDock->m_hWnd);
                pBar->m_pDockBar = pDock;
                // Nor is its style set again: a bar may do more than store
                // it (a bar's dialog makes its tooltip then, if on the screen).
                DWORD dwStyle = (pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING)) | (pDock->m_dwStyle & CBRS_ALIGN_ANY);
                if (dwStyle != pBar->m_dwStyle)
                    pBar->SetBarStyle(dwStyle);
                list.Add(pBar);
            }
        }
        DockListCompact(list);
        pDock->m_arrBars.Copy(list);
    }
    RECT rcScreen = {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
                     ::GetSystemMetrics(SM_XVIRTUALSCREEN) + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
                     ::GetSystemMetrics(SM_YVIRTUALSCREEN) + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    for (const CBarStateInfo& info : infos) {
        CControlBar* pBar = IsSideDockBarId(info.nBarID) ? nullptr : GetControlBar(info.nBarID);
        if (!pBar)
            continue;
        if (info.bFloating) {
            // A floating frame saved on a screen that is gone comes back into view.
            RECT rc = {info.xPos, info.yPos, info.xPos + 100, info.yPos + 40};
            rc = DockKeepOnScreen(rc, rcScreen, 40);
            FloatControlBar(pBar, CPoint(rc.left, rc.top), info.bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
        } else if (pBar->m_pDockBar) {
            CRect rc;
            pBar->GetWindowRect(&rc);
            pBar->m_pDockBar->ScreenToClient(&rc);
            if (rc.left != info.xPos || rc.top != info.yPos)
                ::SetWindowPos(pBar->m_hWnd, nullptr, info.xPos, info.yPos, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        pBar->DelayShow(info.bVisible);
    }
    RecalcLayout();
    return TRUE;
}
