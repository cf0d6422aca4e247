// cdxCDynamicBarDlg.h: cdxCDynamicBarDlg, the base of the dialogs hosted by
// the docking bars (cdxCDynamicBar): a resizable child dialog that Enter,
// Escape and WM_CLOSE do not close, whose controls are enabled by the
// frame's update handlers at idle time, with a tooltip for every control
// and fly-by prompts in the frame's status bar that clear themselves one
// auto-pop delay after the last one. A control's string resource (its id)
// holds "prompt\ntooltip".
#pragma once

#include <functional>

#include "framework/CToolTipCtrlEx.h"
#include "framework/DialogTemplateEx.h"
#include "framework/cdxCDynamicChildDlg.h"

class CSizingControlBar;
class cdxCDynamicBar;

const UINT_PTR IDT_BARDLG_FLYBY = 52568;  // clears the fly-by prompt
const DWORD kFlyByMenuFlag = 0x40;        // the status text came from a menu: the timer keeps it

class cdxCDynamicBarDlg : public cdxCDynamicChildDlg {
    DECLARE_MESSAGE_MAP()
public:
    explicit cdxCDynamicBarDlg(UINT nIDTemplate, CWnd* pParent = nullptr)
        : cdxCDynamicChildDlg(nIDTemplate, pParent), m_nIDTemplate(nIDTemplate)
    {
    }
    // Creates the dialog as the child of pHostBar; its template id becomes its help id.
    virtual bool Create(CSizingControlBar* pHostBar);
    using CDialog::Create;
    // A dialog made a few controls at a time (MakeStep): how many controls
    // each step makes; 0 (the default) for a dialog made whole at once.
    // One made in steps has controls of distinct ids and attaches those
    // made after its OnInitDialog in OnLaterControl.
    virtual int GetControlsPerStep() const { return 0; }
    // One step of making the dialog as the child of pHostBar: the dialog
    // with its first controls in template order (GetControlsPerStep of
    // them; all for a dialog made whole), or, once it is made, the next of
    // those it left out. False when a window cannot be made.
    bool MakeStep(CSizingControlBar* pHostBar);
    // Makes every control the steps left out still; false when one cannot be made.
    bool MakeRemainingControls();
    // The dialog is made with all its controls.
    bool IsWhole() const { return m_hWnd && m_later.empty(); }
    // The size of the dialog's client area as its template makes it, in
    // pixels, measured without making the dialog and its controls.
    bool MeasureTemplate(CWnd* pParent, SIZE& size);
    // Dialog units to pixels, as MapDialogRect maps them: by the dialog once
    // it is made, before that by the base units MeasureTemplate found.
    void MapTemplateRect(RECT* pRect) const;
    // Control nID's rectangle as the template places it, in pixels; false
    // when the template has no such control.
    bool GetTemplateRect(UINT nID, RECT& rc);
    // The client size the template gives, in pixels (0 by 0 when it cannot
    // be read).
    SIZE GetTemplateSize();
    // The dialog laid its controls out for the fonts they show: its
    // registered controls stand where they belong in a client area of
    // szDesign, and nothing is cut down to szLeast. Both become the layout's
    // initial and least sizes, the registered controls move for the current
    // size, and the host bar sizes itself around them.
    void SetLayoutSizes(SIZE szDesign, SIZE szLeast);
    // The dialog has set its layout's sizes (SetLayoutSizes) since it was made.
    bool HasLayoutSizes() const { return m_bLayoutSizes; }
    // Each control's update handler in pTarget decides its state; a control
    // without one is disabled when bDisableIfNoHndler. The controls are
    // listed once (a bar's controls are those of its template) and listed
    // again when one of them has gone.
    virtual void UpdateControlsUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
    // (Re)registers a tool per control while the bar style has tooltips or
    // fly-by; the tooltip is made once the dialog is visible on the screen.
    virtual void UpdateToolTips();
    virtual DWORD GetHostBarStyle();

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // Enter and Escape in a bar's dialog do nothing.
    void OnOK() override {}
    void OnCancel() override {}

    // Tells the host bar (CSizingControlBar::SetRowStops) the rows of text
    // this dialog shows: the rows the shown controls of nFirstId ..
    // nFirstId+nCount-1 stand in (controls whose heights overlap share a
    // row), each ending at its lowest control; the gap above the first row
    // (or between the first two) stays below the last row shown, up to the
    // next row's top (or, below the last row, the dialog's height). The
    // rows are measured again whenever the controls are laid out anew
    // (SetLayoutSizes: a font, a new width) and when this is called again
    // (a row shown or hidden). A dialog that names no rows but lays itself
    // out for its fonts (SetLayoutSizes) is one row at its least size, with
    // more of it below (a list that scrolls).
    void SetHostRowStops(UINT nFirstId, int nCount);

    // Sets the top-level frame's status text to string nID (0: none); with
    // bAutoClear the idle prompt returns one auto-pop delay later.
    void ShowStatusText(UINT nID, bool bAutoClear);

    UINT m_nIDTemplate;
    CSizingControlBar* m_pHostBar = nullptr;  // not owned; null until Create
    CToolTipCtrlEx m_wndToolTip;
    UINT m_nAutoPopDelay = 0;
    DWORD m_dwBarStyle = 0;  // the host bar's style as last read

    // The fly-by state, one status prompt at a time for all bars.
    static UINT s_nLastFlyBy;
    static UINT s_nPrevFlyBy;
    static DWORD s_dwFlyByFlags;

protected:
    friend class cdxCDynamicBar;
    // OnInitDialog, leaving the focus where it is.
    LRESULT OnInitBarDialogMsg(WPARAM wp, LPARAM lp);
    // Creates the dialog as the child of pHostBar from its template less the
    // controls bLater names by id: those wait for MakeTemplateControl.
    bool CreateWithout(CSizingControlBar* pHostBar, const std::function<bool(UINT nID)>& bLater);
    // Makes control nID, left out at creation, as the dialog manager makes a
    // template's control: its place (then moved for the current size by its
    // layout entry), styles, text and the dialog's font, after the controls
    // made before it; it joins the tooltips and the idle update. Null when
    // the template has no such control or the window cannot be made.
    HWND MakeTemplateControl(UINT nID);
    // Control nID was made after OnInitDialog (MakeStep).
    virtual void OnLaterControl(UINT nID, HWND hCtrl) { (void)nID, (void)hCtrl; }

    void OnClose() { OnCancel(); }
    void OnNeedText(NMHDR* pNMHDR, LRESULT* pResult);
    void OnTimer(UINT_PTR nIDEvent);
    void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);

private:
    bool MakeToolTip();
    // The rectangle of control nID in the client area; false when it is
    // not made or not shown.
    bool ShownControlRect(UINT nID, RECT& rc);
    // Measures the rows SetHostRowStops named and tells the host bar.
    void UpdateHostRowStops();
    // Reads the dialog's template into m_template once; false when it is unreadable.
    bool ReadTemplate();
    // Makes up to nCount of the controls left out, in template order.
    bool MakeLaterControls(size_t nCount);

    std::vector<SDialogControl> m_controls;   // for UpdateControlsUI
    CDialogTemplateEx m_template;             // read by CreateWithout
    SIZE m_sizeBaseUnits = {0, 0};            // the template's base units, from MeasureTemplate
    bool m_bLayoutSizes = false;              // SetLayoutSizes was called
    UINT m_nRowFirstId = 0;                   // SetHostRowStops
    int m_nRowControls = 0;
    std::vector<UINT> m_later;  // the controls MakeStep has left out, in template order
};
