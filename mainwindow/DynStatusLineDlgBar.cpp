// DynStatusLineDlgBar.cpp: the system status bar's field row, processor
// spin, copy and menu.
#include "mainwindow/DynStatusLineDlgBar.h"

#include "config/Limits.h"
#include "framework/HelpKeys.h"
#include "mainwindow/MainFrame.h"
#include "platform/CClipBoard.h"
#include "platform/CDC.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

namespace {

// The preferences' "Status Bar" page.
const int kStatusBarPrefsPage = 11;

}  // namespace

BEGIN_MESSAGE_MAP(CDynStatusLineDlgBar, CMainWindowBarDlg)
    ON_NOTIFY(UDN_DELTAPOS, IDC_STATUSLINE_CPU_SPIN, OnCpuSpinDeltaPos)
    ON_COMMAND(ID_STATUSLINE_COPY, OnCopy)
    ON_COMMAND(ID_STATUSLINE_SHOW_ON_BAR, OnShowOnStatusBar)
    ON_MESSAGE(WM_LAYOUT_STATUS_FIELDS, OnLayoutStatusFields)
END_MESSAGE_MAP()

CDynStatusLineDlgBar::CDynStatusLineDlgBar(CWnd* pParent)
    : CMainWindowBarDlg(IDD, ID_VIEW_STATUSLINE_BAR, kStatusBarPrefsPage, pParent)
{
    m_nIDHelpDialog = IDD;
    m_nContextMenu = IDR_STATUSLINE_BAR_MENU;
    for (int i = 0; i < kStatusFieldCount; ++i)
        m_pFields[i] = &m_Fields[i];
}

BOOL CDynStatusLineDlgBar::OnInitDialog()
{
    SetSmallAppIcon();
    CMainWindowBarDlg::OnInitDialog();
    m_CpuSpin.SubclassDlgItem(IDC_STATUSLINE_CPU_SPIN, this);
    for (int i = 0; i < kStatusFieldCount; ++i)
        m_Fields[i].SubclassDlgItem(IDC_STATUSLINE_PART0 + i, this);
    m_hSpin = m_CpuSpin.m_hWnd;
    m_CpuSpin.SetRange32(0, (int)g_nMaxCPUs - 1);
    m_CpuSpin.SetPos32(0);
    LayoutStatusFields();
    SetHostRowStops(IDC_STATUSLINE_CPU_SPIN, 1, 1);  // one row: never cut
    return TRUE;
}

void CDynStatusLineDlgBar::RegisterStandardHelpStrings()
{
    if (!m_HelpStrings.IsEmpty())
        return;
    CMainWindowBarDlg::RegisterStandardHelpStrings();
    SetHelpString(MakeHelpKey(IDD, 0), IDS_HELP_STATUSLINE_BAR);
    SetHelpString(MakeHelpKey(IDD, IDC_STATUSLINE_CPU_SPIN), IDS_HELP_STATUSLINE_SPIN);
    for (UINT i = 0; i < kStatusFieldCount; ++i)
        SetHelpString(MakeHelpKey(IDD, IDC_STATUSLINE_PART0 + i), IDS_HELP_INDICATOR_PSW + i);
}

CSize CDynStatusLineDlgBar::MeasureControlText(CWnd* pCtl)
{
    HFONT hFont = pCtl && pCtl->m_hWnd ? (HFONT)pCtl->SendMessage(WM_GETFONT) : nullptr;
    if (!hFont)
        return CSize(0, 0);
    CClientDC dc(pCtl);
    if (!dc.m_hDC)
        return CSize(0, 0);
    CString strText;
    pCtl->GetWindowText(strText);
    CDCSelect sel(dc.m_hDC, hFont);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(dc.m_hDC, strText, strText.GetLength(), &size);
    return CSize(size.cx, size.cy);
}

void CDynStatusLineDlgBar::LayoutStatusFields()
{
    if (!m_hWnd || !g_pView)
        return;
    const CViewSettings& settings = g_pView->Settings();
    SStatusFieldIn in[kStatusFieldCount];
    for (int i = 0; i < kStatusFieldCount; ++i) {
        CStatic* pCtl = m_pFields[i];
        in[i].bHasWindow = pCtl->m_hWnd != nullptr;
        CSize size = in[i].bHasWindow ? MeasureControlText(pCtl) : CSize(0, 0);
        in[i].cxText = size.cx;
        in[i].cyText = size.cy;
    }
    CRect rcSpin;
    ::GetWindowRect(m_hSpin, &rcSpin);
    SStatusFieldOut out[kStatusFieldCount];
    bool bComplete = LayoutStatusFieldRow(settings.m_nPartOrder, settings.m_bPartVisible, in, rcSpin.right, out);
    for (int i = 0; i < kStatusFieldCount; ++i) {
        CStatic* pCtl = m_pFields[i];
        if (out[i].ePlace == kFieldHidden) {
            pCtl->ShowWindow(SW_HIDE);
        } else if (out[i].ePlace == kFieldPlaced) {
            CRect rc;
            pCtl->GetWindowRect(&rc);
            rc.left = out[i].nLeft;
            rc.right = out[i].nRight;
            ScreenToClient(&rc);
            pCtl->MoveWindow(&rc, TRUE);
            pCtl->ShowWindow(SW_SHOW);
        }
    }
    if (!bComplete)
        return;
    RedrawBar();
    // The layout takes the controls where they stand now (a control already
    // registered is replaced).
    for (HWND hCtl : {m_hSpin, GetField(0), GetField(1), GetField(2), GetField(3), GetField(4)})
        AddSzControl(hCtl, 0, 0, 0, 0, SIZE{0, 0}, false);
    if (settings.m_bStatusOnBar && g_pMainFrame && g_pMainFrame->m_wndStatusBar.m_hWnd) {
        CStatusBarACT& bar = g_pMainFrame->m_wndStatusBar;
        for (int nPos = kStatusFieldCount - 1; nPos >= 0; --nPos) {
            int nField = settings.m_nPartOrder[nPos];
            if (nField >= kStatusFieldCount || !settings.m_bPartVisible[nField])
                continue;
            int nIndex = bar.CommandToIndex(ID_INDICATOR_PSW + (UINT)nField);
            if (nIndex >= 0)
                bar.FitPaneToText(nIndex);
        }
    }
}

bool CDynStatusLineDlgBar::FieldWidthChanged(int nField)
{
    if (!g_pView || nField < 0 || nField >= kStatusFieldCount || !m_pFields[nField]->m_hWnd)
        return false;
    if (!g_pView->Settings().m_bPartVisible[nField])
        return false;
    CRect rc;
    m_pFields[nField]->GetWindowRect(&rc);
    return MeasureControlText(m_pFields[nField]).cx != rc.Width();
}

// wParam 0: lay out; a field number + 1: that field's text changed, laid
// out when its width did.
LRESULT CDynStatusLineDlgBar::OnLayoutStatusFields(WPARAM wp, LPARAM)
{
    if (wp == 0 || FieldWidthChanged((int)wp - 1))
        LayoutStatusFields();
    return 0;
}

int CDynStatusLineDlgBar::GetCurrentCpu() const
{
    return g_pView ? (int)g_pView->Router().GetCurrentCpu() : 0;
}

// The processor changes only while the emulator runs and the target is one
// the emulator can have; the emulator then reports that processor.
void CDynStatusLineDlgBar::OnCpuSpinDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMUPDOWN* pUD = reinterpret_cast<NMUPDOWN*>(pNMHDR);
    int nTarget = pUD->iPos + pUD->iDelta;
    if (!g_pView || !g_pView->IsEmulatorRunning() || nTarget < 0 || nTarget >= (int)g_nMaxCPUs) {
        *pResult = 1;
        return;
    }
    *pResult = 0;
    g_pView->Router().SelectCpu((unsigned)nTarget);
    CString strCommand;
    strCommand.Format("cpu %x", nTarget);
    g_pView->SendVornCommand(strCommand);
}

void CDynStatusLineDlgBar::PrepareContextMenu(CMenu* pPopup)
{
    bool bOn = g_pView && g_pView->Settings().m_bStatusOnBar;
    ::CheckMenuItem(pPopup->m_hMenu, ID_STATUSLINE_SHOW_ON_BAR, MF_BYCOMMAND | (bOn ? MF_CHECKED : MF_UNCHECKED));
}

void CDynStatusLineDlgBar::OnCopy()
{
    if (!g_pView)
        return;
    const CViewSettings& settings = g_pView->Settings();
    CString texts[kStatusFieldCount];
    for (int i = 0; i < kStatusFieldCount; ++i)
        if (m_pFields[i]->m_hWnd)
            m_pFields[i]->GetWindowText(texts[i]);
    CString strCopy = StatusFieldsCopyText(settings.m_nPartOrder, settings.m_bPartVisible, texts);
    if (!strCopy.IsEmpty())
        CClipBoard(m_hWnd).SetText(strCopy);
}

// The main frame turns the status bar's mirror of the fields on or off.
void CDynStatusLineDlgBar::OnShowOnStatusBar()
{
    if (CWnd* pMain = AfxGetMainWnd())
        pMain->SendMessage(WM_COMMAND, ID_SHOW_ON_STATUSBAR, 0);
}
