// cdxCDynamicBar.cpp: the dialog-hosting docking bar.
#include "framework/cdxCDynamicBar.h"

#include <algorithm>

#include "platform/CFrameWnd.h"
#include "platform/CWinApp.h"

IMPLEMENT_DYNAMIC(cdxCDynamicBar, CSizingControlBar)

BEGIN_MESSAGE_MAP(cdxCDynamicBar, CSizingControlBar)
    ON_WM_CREATE()
END_MESSAGE_MAP()

namespace {

// Set while a command is offered to a hosted dialog: a command routed back
// into a bar from there skips the dialogs.
bool g_bInDialogCmdMsg = false;

}  // namespace

CSize cdxCDynamicBar::SizeAround(UINT nDockBarID, CSize szDialog)
{
    CSize sizeFrame = NonClientSize(nDockBarID);
    return CSize(szDialog.cx + sizeFrame.cx, szDialog.cy + sizeFrame.cy);
}

void cdxCDynamicBar::FitToDialog()
{
    if (!m_pDlg || !m_pDlg->HasLayoutSizes())
        return;
    const bool bFixedHeight = (m_dwSCBStyle & SCBS_FIXED_HEIGHT) && !s_bClassicDocking;
    const struct {
        UINT nDockBarID;
        CSize* pShared;  // docked: the size its row's last layout gave it
        CSize& own;
        CSize& least;
        const CSize& floor;
    } places[] = {{AFX_IDW_DOCKBAR_TOP, &m_szHorz, m_szHorzOwn, m_szMinHorz, m_szFloorHorz},
                  {AFX_IDW_DOCKBAR_LEFT, &m_szVert, m_szVertOwn, m_szMinVert, m_szFloorVert},
                  {AFX_IDW_DOCKBAR_FLOAT, nullptr, m_szFloat, m_szMinFloat, m_szFloorFloat}};
    bool bChanged = false;
    for (const auto& place : places) {
        const CSize least = SizeAround(place.nDockBarID, m_pDlg->m_szMin);
        CSize leastNow(std::max(place.floor.cx, least.cx), std::max(place.floor.cy, least.cy));
        if (bFixedHeight) {
            // Its length along the row stays free: only the height is the dialog's.
            leastNow.cy = SizeAround(place.nDockBarID, m_pDlg->m_szInitial).cy;
            bChanged = bChanged || place.own.cy != leastNow.cy;
            place.own.cy = leastNow.cy;
        }
        // The docked size its row last gave it follows at once (the next
        // layout shares the row out again from the sizes the user gave).
        if (place.pShared) {
            const CSize shared(std::max(place.pShared->cx, leastNow.cx),
                               bFixedHeight ? leastNow.cy : std::max(place.pShared->cy, leastNow.cy));
            bChanged = bChanged || shared != *place.pShared;
            *place.pShared = shared;
        }
        bChanged = bChanged || leastNow != place.least;
        place.least = leastNow;
    }
    if (!bChanged || !m_hWnd || !(GetStyle() & WS_VISIBLE))
        return;
    // The frame lays out once for all the bars the same step changed (one
    // font for the status line and register bars); a bar sized within its
    // frame's layout (its dialog laid out again for a new width) has the
    // frame lay out again once this one is done.
    if (CFrameWnd* pFrame = GetDockingFrame())
        pFrame->RecalcLayoutSoon();
}

CSize cdxCDynamicBar::SetMinDockedSize(BOOL bHorz, int cx, int cy)
{
    CSizingControlBar::SetMinDockedSize(bHorz, cx, cy);
    FitToDialog();
    return GetMinDockedSize(bHorz);
}

CSize cdxCDynamicBar::SetMinFloatingSize(int cx, int cy)
{
    CSizingControlBar::SetMinFloatingSize(cx, cy);
    FitToDialog();
    return GetMinFloatingSize();
}

bool cdxCDynamicBar::IsBuiltLike(const CSizingControlBar* pOther) const
{
    const cdxCDynamicBar* p = DYNAMIC_DOWNCAST(cdxCDynamicBar, const_cast<CSizingControlBar*>(pOther));
    return p && p->m_pDlg && m_pDlg && p->m_pDlg->m_nIDTemplate == m_pDlg->m_nIDTemplate;
}

int cdxCDynamicBar::OnCreate(LPCREATESTRUCT pcs)
{
    if (CSizingControlBar::OnCreate(pcs) == -1)
        return -1;
    m_dwSCBStyle |= SCBS_FILL_CHILD;
    if (!m_pDlg)
        return -1;
    if (m_bDialogDeferred) {
        if (!m_pDlg->MeasureTemplate(this, m_pDlg->m_szInitial))
            return -1;
    } else if (!m_pDlg->Create(this)) {
        return -1;
    }
    m_szFloat = m_szMinFloat = m_szFloorFloat = SizeAroundDialog(AFX_IDW_DOCKBAR_FLOAT);
    m_szMinVert = m_szFloorVert = SizeAroundDialog(AFX_IDW_DOCKBAR_LEFT);
    m_szMinHorz = m_szFloorHorz = SizeAroundDialog(AFX_IDW_DOCKBAR_TOP);
    GiveDockedSize(FALSE, m_szMinVert);
    GiveDockedSize(TRUE, m_szMinHorz);
    // The dialog's help texts are the bar's, under the bar's id as well.
    m_nIDTemplate = m_pDlg->m_nIDHelpDialog;
    m_pDlg->RegisterStandardHelpStrings();
    RegisterStandardHelpStrings();
    POSITION pos = m_pDlg->m_HelpStrings.GetStartPosition();
    while (pos) {
        DWORD dwKey = 0;
        UINT nString = 0;
        m_pDlg->m_HelpStrings.GetNextAssoc(pos, dwKey, nString);
        m_HelpStrings[dwKey] = nString;
        if (dwKey == (DWORD)m_nIDTemplate << 16)
            m_HelpStrings[(DWORD)GetDlgCtrlID() << 16] = nString;
    }
    return 0;
}

bool cdxCDynamicBar::MakeDialog()
{
    if (!m_pDlg)
        return false;
    if (m_pDlg->m_hWnd)
        return m_pDlg->MakeRemainingControls();
    if (!m_pDlg->Create(this))
        return false;
    FillWithDialog();
    return true;
}

bool cdxCDynamicBar::MakeDialogStep()
{
    if (!m_pDlg)
        return false;
    const bool bFirst = !m_pDlg->m_hWnd;
    if (!m_pDlg->MakeStep(this))
        return false;
    if (bFirst)
        FillWithDialog();
    return true;
}

void cdxCDynamicBar::FillWithDialog()
{
    CRect rc;
    GetClientRect(&rc);
    m_pDlg->MoveWindow(0, 0, rc.Width(), rc.Height(), TRUE);
}

bool cdxCDynamicBar::OnCmdMsg(UINT nID, int nCode, void* pExtra)
{
    if (g_bInDialogCmdMsg) {
        g_bInDialogCmdMsg = false;
    } else if (m_pDlg && m_pDlg->m_hWnd) {
        g_bInDialogCmdMsg = true;
        bool bHandled = m_pDlg->OnCmdMsg(nID, nCode, pExtra);
        g_bInDialogCmdMsg = false;
        if (bHandled)
            return true;
    }
    if (CSizingControlBar::OnCmdMsg(nID, nCode, pExtra))
        return true;
    CWnd* pMain = AfxGetMainWnd();
    return pMain && pMain != this && pMain->OnCmdMsg(nID, nCode, pExtra);
}

BOOL cdxCDynamicBar::OnCommand(WPARAM wp, LPARAM lp)
{
    if (m_pDlg && m_pDlg->m_hWnd && m_pDlg->OnCommand(wp, lp))
        return TRUE;
    if (CSizingControlBar::OnCommand(wp, lp))
        return TRUE;
    CWnd* pMain = AfxGetMainWnd();
    return pMain && pMain != this ? (BOOL)pMain->SendMessage(WM_COMMAND, wp, lp) : FALSE;
}

void cdxCDynamicBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CSizingControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    if (m_pDlg && m_pDlg->m_hWnd)
        m_pDlg->UpdateControlsUI(pTarget, bDisableIfNoHndler);
}

void cdxCDynamicBar::SetBarStyle(DWORD dwStyle)
{
    CSizingControlBar::SetBarStyle(dwStyle);
    if (m_pDlg)
        m_pDlg->UpdateToolTips();
}
