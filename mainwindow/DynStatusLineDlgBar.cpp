// DynStatusLineDlgBar.cpp: the system status bar's field row, processor
// spin, copy and menu.
#include "mainwindow/DynStatusLineDlgBar.h"

#include <algorithm>
#include <climits>

#include "config/Limits.h"
#include "framework/HelpKeys.h"
#include "mainwindow/MainFrame.h"
#include "platform/CClipBoard.h"
#include "platform/CDC.h"
#include "platform/OneStepPaint.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIView.h"

namespace {

// The preferences' "Status Bar" page.
const int kStatusBarPrefsPage = 11;

// Moved without a paint of its own or of what it uncovers: the bar draws
// its whole client area in one step once every control has its place.
void MoveUnpainted(HWND hCtl, const CRect& rc)
{
    ::SetWindowPos(hCtl, nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
}

}  // namespace

BEGIN_MESSAGE_MAP(CDynStatusLineDlgBar, CMainWindowBarDlg)
    ON_NOTIFY(UDN_DELTAPOS, IDC_STATUSLINE_CPU_SPIN, OnCpuSpinDeltaPos)
    ON_COMMAND(ID_STATUSLINE_COPY, OnCopy)
    ON_COMMAND(ID_STATUSLINE_SHOW_ON_BAR, OnShowOnStatusBar)
    ON_MESSAGE(WM_LAYOUT_STATUS_FIELDS, OnLayoutStatusFields)
    ON_WM_SIZE_AFTER_BASE(OnBarSized)
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
    // The fields are laid out once the view has given them their font and texts.
    SetHostRowStops(IDC_STATUSLINE_CPU_SPIN, 1 + kStatusFieldCount);  // the spin and the fields
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
    for (int i = 0; i < kStatusFieldCount; ++i) {
        COneStepStatic* pCtl = m_pFields[i];
        CSize size = pCtl->m_hWnd ? MeasureControlText(pCtl) : CSize(0, 0);
        m_measured[i] = SStatusFieldIn{pCtl->m_hWnd != nullptr, size.cx, size.cy};
    }
    m_bMeasured = true;
    const bool bPlaced = PlaceStatusFields();
    DrawWithChildrenInOneStep(m_hWnd);
    if (bPlaced)
        FitStatusPanes();
}

// The spin and the shown fields stand centred in a row as high as the
// tallest of them, below the spin's template place; fields that the bar's
// width does not hold go on in rows below. The dialog asks for the rows
// with the template's margins.
bool CDynStatusLineDlgBar::PlaceStatusFields()
{
    const CViewSettings& settings = g_pView->Settings();
    const SStatusFieldIn* in = m_measured;
    CRect rcSpin, rcClient;
    GetTemplateRect(IDC_STATUSLINE_CPU_SPIN, rcSpin);
    GetClientRect(&rcClient);
    m_cxLaidOut = rcClient.Width();
    // The margins are the spin's: left of it and above it on every side.
    const int cxMargin = rcSpin.left, cyGap = rcSpin.top;
    const int cyRow = StatusFieldRowHeight(settings.m_bPartVisible, in, rcSpin.Height());
    SStatusFieldOut out[kStatusFieldCount];
    bool bComplete = LayoutStatusFieldRow(settings.m_nPartOrder, settings.m_bPartVisible, in, rcSpin.right, out,
                                          m_cxLaidOut > 0 ? m_cxLaidOut - cxMargin : INT_MAX);
    int nRight = rcSpin.right, nRows = 1;
    for (int i = 0; i < kStatusFieldCount; ++i) {
        COneStepStatic* pCtl = m_pFields[i];
        if (out[i].ePlace == kFieldHidden) {
            pCtl->ShowWindow(SW_HIDE);
        } else if (out[i].ePlace == kFieldPlaced) {
            const int nTop = rcSpin.top + out[i].nRow * (cyRow + cyGap) + (cyRow - in[i].cyText) / 2;
            MoveUnpainted(pCtl->m_hWnd, CRect(out[i].nLeft, nTop, out[i].nRight, nTop + in[i].cyText));
            pCtl->ShowWindow(SW_SHOW);
            nRight = std::max(nRight, out[i].nRight);
            nRows = std::max(nRows, out[i].nRow + 1);
        }
    }
    if (!bComplete)
        return false;
    MoveUnpainted(m_hSpin, CRect(CPoint(rcSpin.left, rcSpin.top + (cyRow - rcSpin.Height()) / 2), rcSpin.Size()));
    // The layout takes the controls where they stand now (a control already
    // registered is replaced), then the bar the rows' size: below them the
    // template's margin, at least as wide as the spin and its widest field.
    for (HWND hCtl : {m_hSpin, GetField(0), GetField(1), GetField(2), GetField(3), GetField(4)})
        AddSzControl(hCtl, 0, 0, 0, 0, SIZE{0, 0}, false);
    int cxWidest = 0;
    for (int i = 0; i < kStatusFieldCount; ++i)
        if (out[i].ePlace == kFieldPlaced)
            cxWidest = std::max(cxWidest, in[i].cxText);
    const int cyRows = rcSpin.top + nRows * cyRow + (nRows - 1) * cyGap + GetTemplateSize().cy - rcSpin.bottom;
    SetLayoutSizes(SIZE{nRight + cxMargin, cyRows},
                   SIZE{rcSpin.right + (cxWidest ? kStatusFieldGap + cxWidest : 0) + cxMargin, cyRows});
    return true;
}

void CDynStatusLineDlgBar::FitStatusPanes()
{
    const CViewSettings& settings = g_pView->Settings();
    if (!settings.m_bStatusOnBar || !g_pMainFrame || !g_pMainFrame->m_wndStatusBar.m_hWnd)
        return;
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

bool CDynStatusLineDlgBar::FieldWidthChanged(int nField)
{
    if (!g_pView || nField < 0 || nField >= kStatusFieldCount || !m_pFields[nField]->m_hWnd)
        return false;
    CSize size = MeasureControlText(m_pFields[nField]);
    m_measured[nField] = SStatusFieldIn{true, size.cx, size.cy};
    if (!g_pView->Settings().m_bPartVisible[nField])
        return false;
    CRect rc;
    m_pFields[nField]->GetWindowRect(&rc);
    return size.cx != rc.Width();
}

// wParam 0: measured and laid out; a field number + 1: that field's text
// changed, and the fields are placed again when its width did. Either is
// drawn at once: a paint left to the loop waits behind a flood's posted
// messages. A field keeps its place and shows its new text in one step; a
// row laid out again shows in one step too: the field in its new size, the
// fields it moved and the strips they left, all together (the emulator's
// values change their widths every few rounds).
LRESULT CDynStatusLineDlgBar::OnLayoutStatusFields(WPARAM wp, LPARAM)
{
    if (wp == 0 || !m_bMeasured) {
        LayoutStatusFields();
    } else if (FieldWidthChanged((int)wp - 1)) {
        if (PlaceStatusFields())
            FitStatusPanes();
        DrawWithChildrenInOneStep(m_hWnd);
    } else if (wp <= kStatusFieldCount) {
        ::UpdateWindow(GetField((int)wp - 1));
    }
    return 0;
}

// A new width may hold more or fewer fields in a row; a height of its own
// making changes nothing. The texts measured last are placed again; none
// are before the view has laid the fields out (LayoutStatusFields).
void CDynStatusLineDlgBar::OnBarSized(UINT, int cx, int)
{
    if (cx != m_cxLaidOut && m_bMeasured && g_pView) {
        PlaceStatusFields();
        DrawWithChildrenInOneStep(m_hWnd);
    }
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
