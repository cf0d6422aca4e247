// CStatusBar.h: the frame's status bar as a control bar: a status bar
// control laid out along the frame's bottom edge by the docking layout.
// SetIndicators gives it one pane per id (the first, id 0, stretches and
// shows the menu prompts; another pane is as wide as its id's string).
// Texts are kept by the bar too, so that owner-drawn panes can draw theirs.
// Its panes show only whole: the control's paint is composed off the screen.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/AfxIds.h"
#include "platform/CControlBar.h"

#ifndef SBPS_NORMAL
#define SBPS_NORMAL     0x0000
#define SBPS_NOBORDERS  SBT_NOBORDERS
#define SBPS_POPOUT     SBT_POPOUT
#define SBPS_OWNERDRAW  SBT_OWNERDRAW
#define SBPS_DISABLED   0x04000000
#define SBPS_STRETCH    0x08000000
#endif
#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
    DECLARE_MESSAGE_MAP()
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id; false for a null array or a count of 0.
    virtual BOOL SetIndicators(const UINT* pIDArray, int nIDCount);

    int GetCount() const { return (int)m_panes.size(); }
    // The pane index of an id, -1 when no pane has it.
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT pRect) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);
    CString GetPaneText(int nIndex) const;
    // Virtual, so that a derived bar sees every text change, also of its
    // owner-drawn panes (whose SB_SETTEXT carries no text).
    virtual BOOL SetPaneText(int nIndex, LPCSTR pszText, BOOL bUpdate = TRUE);

    // While held (holds nest), the panes change without the control taking
    // their edges and texts after each change: the last release gives them
    // once. For several panes changed together.
    void HoldParts(bool bHold);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // SB_SETTEXT from outside (the frame's menu prompts) updates the bar's copy.
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    struct Pane {
        UINT nID = 0;
        UINT nStyle = SBPS_NORMAL;
        int cxWidth = 0;
        CString strText;
    };
    bool IsValidIndex(int nIndex) const { return nIndex >= 0 && nIndex < GetCount(); }
    // Gives the control the panes' right edges (the stretching pane takes
    // what the others leave) and, with bTexts, their texts and styles.
    void UpdateParts(bool bTexts = true);
    // After the control took the panes' edges (a derived bar moves what
    // follows the panes).
    virtual void OnPartsUpdated() {}
    void SendPaneText(int nIndex);
    void OnSize(UINT nType, int cx, int cy);
    // The control's paint, ground and panes (the owner-drawn ones too),
    // composed off the screen and copied in one step (OneStepPaint.h): the
    // control erases the whole bar before it draws the panes one by one.
    BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    void OnPaint();

    std::vector<Pane> m_panes;

private:
    int m_nPartHolds = 0;
    bool m_bPartsDue = false;  // the panes changed while held
};
