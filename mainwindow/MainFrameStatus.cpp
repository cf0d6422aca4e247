// MainFrameStatus.cpp: the status bar's panes: the prompt pane alone, or
// with the emulated system's status parts in the user's order, font and
// selection; and the status bar's context menu (Close, Copy, Show on
// status bar).
#include "mainwindow/MainFrame.h"
#include "platform/BCMenu.h"
#include "platform/CClipBoard.h"
#include "platform/WindowHelpers.h"
#include "resource.h"
#include "session/VornGUIView.h"

namespace {

const int kStatusParts = 5;
// Status part index to its pane id and its prompt string.
UINT PartPaneId(int nPart) { return ID_INDICATOR_PSW + (UINT)nPart; }
UINT PartPromptId(int nPart) { return IDS_STATUS_PART_PROMPT + (UINT)nPart; }
int PaneIdPart(UINT nID) { return (int)nID - (int)ID_INDICATOR_PSW; }

}  // namespace

void CMainFrame::RebuildStatusBar(bool bShow)
{
    if (!m_wndStatusBar.m_hWnd)
        return;
    const SBACT_INDICATOR prompt = {ID_SEPARATOR, 0, nullptr, 0};
    if (!bShow || !g_pView) {
        m_wndStatusBar.SetIndicators(&prompt, 1);
        m_bStatusBuilt = false;
        return;
    }
    // Redraw switched back on shows a window: a bar the user hid (View >
    // Status Bar) is left hidden, and draws nothing meanwhile anyway.
    const bool bRedrawOff = (m_wndStatusBar.GetStyle() & WS_VISIBLE) != 0;
    if (bRedrawOff)
        m_wndStatusBar.SetRedraw(FALSE);
    // The panes take their edges once, after all of them changed.
    m_wndStatusBar.HoldParts(true);
    const CViewSettings& settings = g_pView->Settings();
    bool bSame = m_bStatusBuilt && memcmp(m_nLastPartOrder, settings.m_nPartOrder, sizeof(m_nLastPartOrder)) == 0 &&
                 memcmp(m_bLastPartVisible, settings.m_bPartVisible, sizeof(m_bLastPartVisible)) == 0;
    if (!bSame) {
        memcpy(m_nLastPartOrder, settings.m_nPartOrder, sizeof(m_nLastPartOrder));
        memcpy(m_bLastPartVisible, settings.m_bPartVisible, sizeof(m_bLastPartVisible));
        std::vector<CString> tips;
        std::vector<SBACT_INDICATOR> panes{prompt};
        for (int pos = 0; pos < kStatusParts; pos++) {
            int nPart = settings.m_nPartOrder[pos] % kStatusParts;
            if (!settings.m_bPartVisible[nPart])
                continue;
            CString tip;
            tip.LoadString(PartPromptId(nPart));
            tips.push_back(tip.Left(tip.Find('\n') >= 0 ? tip.Find('\n') : tip.GetLength()));
            panes.push_back({PartPaneId(nPart), SBACT_FIT_TEXT | SBACT_DBLCLICK | SBACT_LEFT, nullptr, 0});
        }
        for (size_t i = 1; i < panes.size(); i++)
            panes[i].pszTip = tips[i - 1];
        m_wndStatusBar.SetIndicators(panes.data(), (int)panes.size());
        m_bStatusBuilt = true;
    }
    if (!bSame || settings.m_nStatusFontSize != m_nLastStatusFontSize ||
        settings.m_strStatusFontName.CompareNoCase(m_strLastStatusFont) != 0) {
        m_nLastStatusFontSize = settings.m_nStatusFontSize;
        m_strLastStatusFont = settings.m_strStatusFontName;
        for (int i = m_wndStatusBar.GetCount() - 1; i >= 1; i--) {
            int nPart = PaneIdPart(m_wndStatusBar.GetItemID(i));
            m_wndStatusBar.SetPaneText(i, g_pView->GetStatusLinePart(nPart));
            m_wndStatusBar.SetPaneFont(i, settings.m_nStatusFontSize * 10, settings.m_strStatusFontName,
                                       ::GetSysColor(COLOR_WINDOWTEXT));
        }
    }
    m_wndStatusBar.HoldParts(false);
    if (bRedrawOff)
        m_wndStatusBar.SetRedraw(TRUE);
    m_wndStatusBar.Invalidate(TRUE);
}

void CMainFrame::OnContextMenu(CWnd* pWnd, CPoint pt)
{
    CRect rc;
    m_wndStatusBar.GetWindowRect(&rc);
    if (!m_wndStatusBar.m_hWnd || !rc.PtInRect(pt))
        return;
    BCMenu menu;
    if (!menu.LoadMenu(IDR_STATUSBAR_MENU))
        return;
    menu.LoadToolbar(IDR_MENU_IMAGES);
    BCMenu* pPopup = menu.GetSubMenu(0);
    if (!pPopup)
        return;
    bool bShown = g_pView && g_pView->Settings().m_bStatusOnBar;
    ::CheckMenuItem(pPopup->m_hMenu, ID_SHOW_ON_STATUSBAR, MF_BYCOMMAND | (bShown ? MF_CHECKED : MF_UNCHECKED));
    CPoint ptMenu = CalcContextMenuPoint(&m_wndStatusBar, pt);
    ::SetForegroundWindow(m_hWnd);
    ::TrackPopupMenu(pPopup->m_hMenu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, ptMenu.x, ptMenu.y, 0, m_hWnd, nullptr);
    PostMessage(WM_NULL);
}

void CMainFrame::OnStatusBarClosePane()
{
    ShowControlBar(&m_wndStatusBar, FALSE, FALSE);
}

void CMainFrame::OnStatusBarCopy()
{
    if (!g_pView)
        return;
    CString text;
    for (int i = 1; i < m_wndStatusBar.GetCount(); i++)
        text += g_pView->GetStatusLinePart(PaneIdPart(m_wndStatusBar.GetItemID(i))) + " ";
    text.Trim();
    if (!text.IsEmpty())
        CClipBoard(m_hWnd).SetText(text);
}

void CMainFrame::OnShowOnStatusBar()
{
    if (!g_pView)
        return;
    bool bShow = !g_pView->Settings().m_bStatusOnBar;
    g_pView->SetStatusOnStatusBar(bShow);
    RebuildStatusBar(bShow);
}
