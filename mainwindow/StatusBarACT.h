// StatusBarACT.h: CStatusBarACT, the main frame's status bar: per-pane
// tooltips, fonts and colours (owner-drawn panes), cursors, panes that fit
// their width to their text, and panes that report mouse clicks to the
// frame as WM_COMMAND ((mouse message << 16) | pane id). A text set with
// SB_SETTEXT as "text\ntip" shows the text with the tip as its tooltip.
#pragma once

#include <memory>
#include <vector>

#include "platform/CGdiObject.h"
#include "platform/CStatusBar.h"
#include "platform/CToolTipCtrl.h"

// Pane flags.
const DWORD SBACT_FIT_TEXT = 0x0001;   // the width follows the text
const DWORD SBACT_NOTIFY = 0x0002;     // clicks are reported to the parent
const DWORD SBACT_CLICK_CURSOR = 0x0004;
const DWORD SBACT_DBLCLICK = 0x0100;
const DWORD SBACT_CLICK = 0x0200;
const DWORD SBACT_LEFT = 0x1000;
const DWORD SBACT_RIGHT = 0x2000;
const DWORD SBACT_MIDDLE = 0x4000;

// One pane's set-up for SetIndicators.
struct SBACT_INDICATOR {
    UINT nID;
    DWORD dwFlags;
    LPCSTR pszTip;   // may be null
    UINT nCursorID;  // cursor resource, 0 for none
};

// The flags as stored: without a button, the left one; without a kind, double clicks.
DWORD NormalizePaneFlags(DWORD dwFlags);

class CStatusBarACT : public CStatusBar {
    DECLARE_DYNAMIC(CStatusBarACT)
    DECLARE_MESSAGE_MAP()
public:
    using CStatusBar::SetIndicators;
    BOOL SetIndicators(const SBACT_INDICATOR* pIndicators, int nCount);
    BOOL SetPaneRecord(const SBACT_INDICATOR* pIndicator);
    void SetPaneFlags(int nIndex, DWORD dwFlags);
    DWORD GetPaneFlags(int nIndex) const;
    void SetPaneTooltip(int nIndex, LPCSTR pszText);
    void SetPaneTooltipId(int nIndex, UINT nStringID);
    void SetPaneCursor(int nIndex, HCURSOR hCursor);
    HCURSOR GetPaneCursor(int nIndex) const;
    BOOL SetClickCursor(UINT nCursorID, BOOL bUseHand);
    // An owned font for the pane (owner-drawn from then on); 0 when it
    // cannot be made.
    BOOL SetPaneFont(int nIndex, int nPointSize10, LPCSTR pszFace, COLORREF crText);
    // Sets the pane's width to its text's (up to a line feed) in its font.
    void FitPaneToText(int nIndex);
    // As SB_SETTEXT: "text\ntip" shows the text and tips the rest; a pane
    // with SBACT_FIT_TEXT is fitted.
    BOOL SetPaneText(int nIndex, LPCSTR pszText, BOOL bUpdate = TRUE) override;
    // The pane under a client point, -1 when none.
    int HitTest(int x, int y) const;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    int OnCreate(LPCREATESTRUCT pcs);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void DrawItem(LPDRAWITEMSTRUCT pDIS);
    void OnDestroy();

private:
    void EnsurePaneArrays(int nIndex);
    // The panes' tooltips follow the panes' new edges.
    void OnPartsUpdated() override;
    void ReportClick(UINT msg, LPARAM lp);
    // Fits the pane after its text changed (SBACT_FIT_TEXT), tips the rest.
    void AfterTextSet(int nIndex, const CString& strTip, bool bHasTip);

    std::vector<DWORD> m_arrPaneFlags;
    std::vector<HCURSOR> m_arrPaneCursors;   // shared or resource cursors: not freed
    std::vector<std::unique_ptr<CFont>> m_arrPaneFonts;
    std::vector<COLORREF> m_arrPaneColors;
    std::vector<CString> m_arrPaneTips;
    CToolTipCtrl m_wndToolTip;
    HCURSOR m_hClickCursor = nullptr;
    BOOL m_bUseHandCursor = FALSE;
};
