// MainFrameBars.cpp: the main window's fourteen dockable bars: their table,
// creation and default docking, the first start's sizes, the View menu's
// toggles, Dock and Float, the subscriptions of the view to the data that
// visible bars show, and the saved docking layout.
#include "framework/CSCBMiniDockFrameWnd.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/VornGUIApp.h"
#include "platform/CCmdUI.h"
#include "platform/CDockBar.h"
#include "platform/CDockContext.h"
#include "resource.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

namespace {

const char kBarsState[] = "BarsState\\BarsState";

}  // namespace

// In creation order; docking: CPU percent, device list and display/alter on
// the left, the command line at the bottom, the rest at the top.
const SMainBar kMainBars[kMainBarCount] = {
    {IDW_DEVLIST_BAR, "Vornamic Device List", true, ID_VIEW_DEVLIST_BAR, ID_DOCK_DEVLIST_BAR,
     ID_FLOAT_DEVLIST_BAR, WM_SUBSCRIBE_DEVLIST, true},
    {IDW_STATUSLINE_BAR, "Vornamic Status", false, ID_VIEW_STATUSLINE_BAR, ID_DOCK_STATUSLINE_BAR,
     ID_FLOAT_STATUSLINE_BAR, 0, false},
    {IDW_CONTROLS_BAR, "Vornamic Control Panel", false, ID_VIEW_CONTROLS_BAR, ID_DOCK_CONTROLS_BAR,
     ID_FLOAT_CONTROLS_BAR, 0, true},
    {IDW_CMDLINE_BAR, "Vornamic Cmdline Interface", false, ID_VIEW_CMDLINE_BAR, ID_DOCK_CMDLINE_BAR,
     ID_FLOAT_CMDLINE_BAR, 0, true},
    {IDW_GREGS_BAR, "32-bit General Purpose Registers", false, ID_VIEW_GREGS_BAR, ID_DOCK_GREGS_BAR,
     ID_FLOAT_GREGS_BAR, WM_SUBSCRIBE_GREGS, false},
    {IDW_CREGS_BAR, "32-bit Control Registers", false, ID_VIEW_CREGS_BAR, ID_DOCK_CREGS_BAR,
     ID_FLOAT_CREGS_BAR, WM_SUBSCRIBE_CREGS, false},
    {IDW_AREGS_BAR, "32-bit Access Registers", false, ID_VIEW_AREGS_BAR, ID_DOCK_AREGS_BAR,
     ID_FLOAT_AREGS_BAR, WM_SUBSCRIBE_AREGS, false},
    {IDW_FREGS_BAR, "32-bit Floating Point Registers", false, ID_VIEW_FREGS_BAR, ID_DOCK_FREGS_BAR,
     ID_FLOAT_FREGS_BAR, WM_SUBSCRIBE_FREGS, false},
    {IDW_GREGS64_BAR, "64-bit General Purpose Registers", false, ID_VIEW_GREGS64_BAR, ID_DOCK_GREGS64_BAR,
     ID_FLOAT_GREGS64_BAR, WM_SUBSCRIBE_GREGS64, false},
    {IDW_CREGS64_BAR, "64-bit Control Registers", false, ID_VIEW_CREGS64_BAR, ID_DOCK_CREGS64_BAR,
     ID_FLOAT_CREGS64_BAR, WM_SUBSCRIBE_CREGS64, false},
    {IDW_FREGS64_BAR, "64-bit Floating Point Registers", false, ID_VIEW_FREGS64_BAR, ID_DOCK_FREGS64_BAR,
     ID_FLOAT_FREGS64_BAR, WM_SUBSCRIBE_FREGS64, false},
    {IDW_VREGS_BAR, "Vector Registers", false, ID_VIEW_VREGS_BAR, ID_DOCK_VREGS_BAR,
     ID_FLOAT_VREGS_BAR, WM_SUBSCRIBE_VREGS, false},
    {IDW_STORAGE_BAR, "Display/Alter Storage", true, ID_VIEW_STORAGE_BAR, ID_DOCK_STORAGE_BAR,
     ID_FLOAT_STORAGE_BAR, WM_SUBSCRIBE_STORAGE, false},
    {IDW_CPUPCT_BAR, "Percent Utilization", true, ID_VIEW_CPUPCT_BAR, ID_DOCK_CPUPCT_BAR,
     ID_FLOAT_CPUPCT_BAR, WM_SUBSCRIBE_CPUPCTALL, true},
};

namespace {

// Table indexes of the bars the code names.
enum { kDevList = 0, kStatusLine = 1, kControls = 2, kCmdLine = 3, kFirstRegs = 4, kVRegs = 11, kStorage = 12, kCpuPct = 13 };
// The order in which the view hears of the data bars.
const int kSubscriptionOrder[] = {kDevList, 4, 5, 6, 7, 8, 9, 10, kVRegs, kStorage, kCpuPct};

// The bars that may dock on any side keep the width their dialogs are
// designed for wherever they are; their heights may shrink to these dialog
// units docked (a few lines of their lists) and floating.
const struct {
    int nBar;
    int cyDockedDlu;
    int cyFloatingDlu;
} kAnySideMinimums[] = {{kCpuPct, 24, 32}, {kDevList, 48, 100}, {kStorage, 56, 110}};

}  // namespace

cdxCDynamicBar* CMainFrame::GetMainBar(int i)
{
    cdxCDynamicBar* bars[kMainBarCount] = {
        &m_wndDevListBar, &m_wndStatusLineBar, &m_wndControlsBar, &m_wndCmdLineBar, &m_wndGRegsBar,
        &m_wndCRegsBar,   &m_wndARegsBar,      &m_wndFRegsBar,    &m_wndGRegs64Bar, &m_wndCRegs64Bar,
        &m_wndFRegs64Bar, &m_wndVRegsBar,      &m_wndStorageBar,  &m_wndCpuPctBar,
    };
    return i >= 0 && i < kMainBarCount ? bars[i] : nullptr;
}

int CMainFrame::FindMainBar(UINT nBarID)
{
    for (int i = 0; i < kMainBarCount; i++)
        if (kMainBars[i].nBarID == nBarID)
            return i;
    return -1;
}

// The side each bar docks on by default (DockBarsByDefault).
UINT CMainFrame::DefaultDockBarId(int i)
{
    if (i == kDevList || i == kCpuPct || i == kStorage)
        return AFX_IDW_DOCKBAR_LEFT;
    return i == kCmdLine ? AFX_IDW_DOCKBAR_BOTTOM : AFX_IDW_DOCKBAR_TOP;
}

// The status line, register and storage bars are hidden at the first start
// and in most layouts: their dialogs are made when they are shown, or soon
// after the main window shows (OnRestoreBarState).
bool CMainFrame::IsDialogDeferred(int i)
{
    return i == kStatusLine || (i >= kFirstRegs && i <= kVRegs) || i == kStorage;
}

void CMainFrame::MakeDockBars()
{
    EnableDocking(CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
    EnableDocking(CBRS_ALIGN_TOP);
    EnableDocking(CBRS_ALIGN_BOTTOM);
    EnableDocking(CBRS_ALIGN_ANY);
    m_pFloatingFrameClass = RUNTIME_CLASS(CSCBMiniDockFrameWnd);
}

bool CMainFrame::CreateBars()
{
    for (int i = 0; i < kMainBarCount; i++) {
        const SMainBar& spec = kMainBars[i];
        cdxCDynamicBar* pBar = GetMainBar(i);
        if (IsDialogDeferred(i))
            pBar->DeferDialog();
        // Made in the dock bar of its default place: docking it there
        // (DockBarsByDefault) then moves it to no other parent.
        CWnd* pDockBar = GetControlBar(DefaultDockBarId(i));
        if (!pDockBar || !pBar->Create(spec.pszTitle, pDockBar, spec.nBarID, WS_CHILD | WS_VISIBLE | CBRS_TOP))
            return false;
        // The register classes serve several bars: each learns its View command.
        if (i >= kFirstRegs && i <= kVRegs)
            static_cast<CRegsDlgBar*>(pBar->m_pDlg)->SetViewCommand(spec.nViewCmd);
        DWORD dwAlign = (i == kDevList || i == kCpuPct) ? CBRS_LEFT : i == kCmdLine ? CBRS_BOTTOM : CBRS_TOP;
        pBar->SetBarStyle((pBar->GetBarStyle() & ~CBRS_ALIGN_ANY) | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC |
                          dwAlign);
    }
    for (int i = 0; i < kMainBarCount; i++) {
        cdxCDynamicBar* pBar = GetMainBar(i);
        pBar->EnableDocking(kMainBars[i].bAnyEdge ? CBRS_ALIGN_ANY : CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
        if (!kMainBars[i].bAnyEdge)
            pBar->ModifyBarSizingStyle(0, SCBS_FIXED_HEIGHT);
    }
    // The operator's control panel and command line are never cut to their
    // captions when the window is short of room: the side columns, then the
    // other rows, give way first.
    m_wndControlsBar.SetCuttable(FALSE);
    m_wndCmdLineBar.SetCuttable(FALSE);
    return true;
}

void CMainFrame::DockControlBarNextTo(CControlBar* pBar, CControlBar* pTarget)
{
    CDockBar* pDockBar = pTarget->m_pDockBar;
    if (!pDockBar)
        return;
    UINT nDockBarID = (UINT)pDockBar->GetDlgCtrlID();
    BOOL bHorz = nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
    // Docked in a new last row first, then moved into the target's row.
    DockControlBar(pBar, nDockBarID);
    DockEntryList& list = pDockBar->m_arrBars;
    int nBar = pDockBar->FindBar(pBar);
    if (nBar < 0)
        return;
    list.RemoveAt(nBar);
    if (nBar > 0 && list[nBar - 1] == nullptr && nBar == (int)list.GetSize())
        list.RemoveAt(nBar - 1);  // the row break of the row just made
    int nTarget = pDockBar->FindBar(pTarget);
    list.InsertAt(nTarget + 1, pBar);
    CRect rc;
    pTarget->GetWindowRect(&rc);
    rc.OffsetRect(bHorz ? 1 : 0, bHorz ? 0 : 1);
    pDockBar->ScreenToClient(&rc);
    pBar->SetWindowPos(nullptr, rc.left, rc.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Each bar docks on the side DefaultDockBarId gives it, the dock bar it was
// made in.
void CMainFrame::DockBarsByDefault()
{
    DockControlBar(&m_wndCpuPctBar, DefaultDockBarId(kCpuPct));
    DockControlBarNextTo(&m_wndDevListBar, &m_wndCpuPctBar);
    DockControlBarNextTo(&m_wndStorageBar, &m_wndDevListBar);
    // Each of these takes a new row of its own.
    for (int i = kStatusLine; i <= kVRegs; i++) {
        if (i == kStatusLine || i == kCmdLine)
            continue;
        DockControlBar(GetMainBar(i), DefaultDockBarId(i));
        if (i == kControls)  // the control panel, then the status line
            DockControlBar(&m_wndStatusLineBar, DefaultDockBarId(kStatusLine));
    }
    DockControlBar(&m_wndCmdLineBar, DefaultDockBarId(kCmdLine));
}

// However many bars are docked, the console shows eight lines of forty
// columns, with its border and scroll bars: rows of bars that want more room
// are cut (each keeps at least its caption).
CSize CMainFrame::GetMinimumViewSize()
{
    const int kLines = 8, kColumns = 40;
    int nLine = g_pView ? g_pView->GetLineHeight() : 16;
    int nChar = g_pView ? g_pView->GetCharWidth() : 8;
    int cxFrame = 2 * ::GetSystemMetrics(SM_CXEDGE), cyFrame = 2 * ::GetSystemMetrics(SM_CYEDGE);
    return CSize(kColumns * nChar + cxFrame + ::GetSystemMetrics(SM_CXVSCROLL),
                 kLines * nLine + cyFrame + ::GetSystemMetrics(SM_CYHSCROLL));
}

void CMainFrame::NotifyViewOfBarVisibility()
{
    if (!g_pView || !g_pView->m_hWnd)
        return;
    for (int i : kSubscriptionOrder) {
        cdxCDynamicBar* pBar = GetMainBar(i);
        WPARAM wp = pBar->m_hWnd ? (pBar->GetStyle() & WS_VISIBLE) : 0;
        g_pView->PostMessage(kMainBars[i].nSubscribeMsg, wp, 0);
    }
}

void CMainFrame::OnViewBar(UINT nID)
{
    for (int i = 0; i < kMainBarCount; i++) {
        if (kMainBars[i].nViewCmd != nID)
            continue;
        cdxCDynamicBar* pBar = GetMainBar(i);
        BOOL bShow = (pBar->GetStyle() & WS_VISIBLE) == 0;
        if (bShow)
            MakeBarDialog(i);
        if (g_pView)
            g_pView->m_nEraseMode = 2;  // the whole console pane is erased next
        ShowControlBar(pBar, bShow, FALSE);
        if (kMainBars[i].nSubscribeMsg && g_pView && g_pView->m_hWnd)
            g_pView->PostMessage(kMainBars[i].nSubscribeMsg, bShow ? 1 : 0, 0);
        return;
    }
}

void CMainFrame::OnUpdateViewBar(CCmdUI* pCmdUI)
{
    for (int i = 0; i < kMainBarCount; i++) {
        if (kMainBars[i].nViewCmd == pCmdUI->m_nID) {
            cdxCDynamicBar* pBar = GetMainBar(i);
            pCmdUI->SetCheck(pBar->m_hWnd && (pBar->GetStyle() & WS_VISIBLE) ? 1 : 0);
            return;
        }
    }
}

void CMainFrame::OnDockFloatBar(UINT nID)
{
    bool bDock = nID >= ID_DOCK_FIRST && nID <= ID_DOCK_LAST;
    for (int i = 0; i < kMainBarCount; i++) {
        if (kMainBars[i].nDockCmd != nID && kMainBars[i].nFloatCmd != nID)
            continue;
        CControlBar* pBar = GetControlBar(kMainBars[i].nBarID);
        // Dock acts on a floating bar, Float on a docked one; else nothing.
        if (pBar && pBar->m_pDockContext && (pBar->IsFloating() != FALSE) == bDock)
            pBar->m_pDockContext->ToggleDocking();
        return;
    }
}

void CMainFrame::SetFirstStartSizes()
{
    for (int i = 0; i < kMainBarCount; i++) {
        if (!kMainBars[i].bShownAtFirst)
            OnViewBar(kMainBars[i].nViewCmd);
    }
    for (int i = kStatusLine; i < kVRegs; i++) {
        CSize size = GetMainBar(i)->GetFloatingSize();
        GetMainBar(i)->SetFloatingSize(716, size.cy);
    }
    CRect rc;
    GetWindowRect(&rc);
    int w = rc.Width(), h = rc.Height();
    m_wndCpuPctBar.SetFloatingSize(4 * (w / 5), h / 10);
    m_wndDevListBar.SetFloatingSize(w / 5, 4 * (h / 5));
    m_wndStorageBar.SetFloatingSize(w / 2, (w / 2) / 2);
    for (cdxCDynamicBar* pBar : {(cdxCDynamicBar*)&m_wndCpuPctBar, (cdxCDynamicBar*)&m_wndDevListBar,
                                 (cdxCDynamicBar*)&m_wndStorageBar})
        pBar->SetDockedSize(FALSE, w / 5, pBar->GetOwnDockedSize(FALSE).cy);
}

void CMainFrame::SetAnySideMinimums()
{
    for (const auto& m : kAnySideMinimums) {
        cdxCDynamicBar* pBar = GetMainBar(m.nBar);
        CRect rcDocked(0, 0, 0, m.cyDockedDlu), rcFloating(0, 0, 0, m.cyFloatingDlu);
        pBar->m_pDlg->MapTemplateRect(&rcDocked);
        pBar->m_pDlg->MapTemplateRect(&rcFloating);
        // The template's width: what a font needs beyond it is the dialog's
        // own least size (FitToDialog), and goes with the font.
        const int cxDialog = pBar->m_pDlg->GetTemplateSize().cx;
        CSize size = pBar->SizeAround(AFX_IDW_DOCKBAR_TOP, CSize(cxDialog, rcDocked.Height()));
        pBar->SetMinDockedSize(TRUE, size.cx, size.cy);
        size = pBar->SizeAround(AFX_IDW_DOCKBAR_LEFT, CSize(cxDialog, rcDocked.Height()));
        pBar->SetMinDockedSize(FALSE, size.cx, size.cy);
        size = pBar->SizeAround(AFX_IDW_DOCKBAR_FLOAT, CSize(cxDialog, rcFloating.Height()));
        pBar->SetMinFloatingSize(size.cx, size.cy);
    }
}

LRESULT CMainFrame::OnRestoreBarState(WPARAM wp, LPARAM)
{
    // The bars made and docked by default wait for this layout; the steps
    // below lay them out once, at the end.
    const bool bStart = m_bStartLayoutHeld;
    m_bStartLayoutHeld = false;
    if (!bStart)
        HoldLayout(true);
    // The layout is read once: it is checked as it is applied.
    if (LoadBarState(kBarsState))
        CSizingControlBar::GlobalLoadState(this, kBarsState);
    // The sizing bars raise these to what their dialogs need.
    for (int i = kStatusLine; i < kVRegs; i++) {
        GetMainBar(i)->SetMinDockedSize(TRUE, 0, 0);
        GetMainBar(i)->SetMinFloatingSize(0, 0);
    }
    SetAnySideMinimums();
    if (theApp.m_bNoSavedBarState && wp == 0)
        SetFirstStartSizes();
    // The dialogs laid out for their fonts keep the sizes they need,
    // whatever was stored or set above.
    for (int i = 0; i < kMainBarCount; i++)
        GetMainBar(i)->FitToDialog();
    // The view has read its settings by now: the status parts it shows.
    if (wp == 1 && g_pView)
        RebuildStatusBar(g_pView->Settings().m_bStatusOnBar);
    DelayRecalcLayout();
    HoldLayout(false);
    if (bStart)
        m_wndStatusBar.HoldParts(false);
    // The bars shown have their dialogs before the window shows; the hidden
    // ones get theirs once it answers.
    if (wp == 1) {
        for (int i = 0; i < kMainBarCount; i++)
            if (GetMainBar(i)->GetStyle() & WS_VISIBLE)
                MakeBarDialog(i);
        PostMessage(WM_MAKE_HIDDEN_BAR);
    }
    return 1;
}

namespace {

const UINT_PTR kTimerMakeHiddenBar = 233;

}  // namespace

// A posted message is taken before the input that waits: with input
// waiting, the next step waits for a timer, which comes after it. A
// console flood goes first too: each step would hold the pipe readers for
// as long as it takes, so the steps wait for its end.
LRESULT CMainFrame::OnMakeHiddenBar(WPARAM, LPARAM)
{
    if (HIWORD(::GetQueueStatus(QS_INPUT))) {
        SetTimer(kTimerMakeHiddenBar, USER_TIMER_MINIMUM, nullptr);
        return 0;
    }
    if (g_pView && g_pView->IsConsoleFlooding()) {
        SetTimer(kTimerMakeHiddenBar, CConsoleFloodGauge::kSliceMs, nullptr);
        return 0;
    }
    for (int i = 0; i < kMainBarCount && m_nStepBar < 0; i++) {
        if (!GetMainBar(i)->IsDialogMade()) {
            m_nStepBar = i;
            m_eStepStage = kStepMaking;
        }
    }
    if (m_nStepBar >= 0 && StepHiddenBar())
        PostMessage(WM_MAKE_HIDDEN_BAR);
    return 0;
}

// Making a dialog (a few controls at a time where its class says so),
// giving its fields their font and texts, and laying them out are steps
// of their own: the bar is hidden, and whoever shows it first does the
// rest at once (MakeBarDialog). A dialog that cannot be made stops the round.
bool CMainFrame::StepHiddenBar()
{
    cdxCDynamicBar* pBar = GetMainBar(m_nStepBar);
    const bool bView = g_pView && g_pView->m_hWnd;
    switch (m_eStepStage) {
    case kStepMaking:
        if (!pBar->MakeDialogStep()) {
            m_nStepBar = -1;
            return false;
        }
        if (pBar->IsDialogMade())
            m_eStepStage = kStepFilling;
        break;
    case kStepFilling:
        if (bView)
            g_pView->FillBarControls(CollectReceivers(), pBar->m_pDlg->m_hWnd);
        m_eStepStage = kStepLayingOut;
        break;
    case kStepLayingOut:
        if (bView)
            g_pView->LayOutBarControls(pBar->m_pDlg->m_hWnd);
        m_nStepBar = -1;
        break;
    }
    return true;
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kTimerMakeHiddenBar) {
        CHelpButtonFrameWnd::OnTimer(nIDEvent);
        return;
    }
    KillTimer(nIDEvent);
    OnMakeHiddenBar(0, 0);
}

void CMainFrame::MakeBarDialog(int i)
{
    cdxCDynamicBar* pBar = GetMainBar(i);
    if ((pBar->IsDialogMade() && i != m_nStepBar) || !pBar->MakeDialog())
        return;
    if (i == m_nStepBar)
        m_nStepBar = -1;
    if (g_pView && g_pView->m_hWnd)
        g_pView->RefillBarControls(CollectReceivers(), pBar->m_pDlg->m_hWnd);
}

void CMainFrame::SaveLayout()
{
    SaveBarState(kBarsState);
    CSizingControlBar::GlobalSaveState(this, kBarsState);
}
