// DynStatusLineDlgBar.h: CDynStatusLineDlgBar, the dockable system status
// bar: the selected processor's PSW, state letters, instruction count, MIPS
// and SIOS rates, each field as wide and high as its text in the chosen
// font, in the order and with the visibility of the view's status-line
// preferences, after the spin that selects the processor (the command
// "cpu %x"), going on in rows below where the bar is too narrow for them.
// The view writes the texts.
#pragma once

#include "mainwindow/MainWindowBarDlg.h"
#include "mainwindow/StatusFieldLayout.h"
#include "platform/COneStepStatic.h"
#include "platform/CSpinButtonCtrl.h"
#include "resource.h"

class CDynStatusLineDlgBar : public CMainWindowBarDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_STATUSLINE_BAR };
    explicit CDynStatusLineDlgBar(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    // The balloon texts of the window and its controls.
    void RegisterStandardHelpStrings() override;

    // Measures every field's text, places the shown fields after the spin,
    // hides the others, has the bar sized around them, and fits the main
    // window's status panes while they mirror the fields.
    void LayoutStatusFields();
    // The extent of the control's text in its own font (0 by 0 without one).
    virtual CSize MeasureControlText(CWnd* pCtl);
    // Measures field nField's new text: true when the field is shown and the
    // text no longer has the field's width (a text as long as before may be
    // wider or narrower).
    bool FieldWidthChanged(int nField);
    HWND GetField(int nField) const { return m_pFields[nField]->m_hWnd; }
    HWND GetSpin() const { return m_hSpin; }
    // The processor the status line shows: the last one asked for, or the
    // one the emulator reported since (the view's status-line reader keeps it).
    int GetCurrentCpu() const;

protected:
    void PrepareContextMenu(CMenu* pPopup) override;
    void OnCpuSpinDeltaPos(NMHDR* pNMHDR, LRESULT* pResult);
    void OnCopy();
    void OnShowOnStatusBar();
    LRESULT OnLayoutStatusFields(WPARAM wp, LPARAM lp);
    void OnBarSized(UINT nType, int cx, int cy);

private:
    // Places the fields by the texts' extents measured last (a new width
    // measures nothing); false when a shown field without a window or text
    // stopped it.
    bool PlaceStatusFields();
    // The main window's status panes of the shown fields fit their texts.
    void FitStatusPanes();

    CSpinButtonCtrl m_CpuSpin;
    COneStepStatic m_Fields[kStatusFieldCount];
    HWND m_hSpin = nullptr;  // not owned
    int m_cxLaidOut = -1;    // the client width the fields were laid out for
    COneStepStatic* m_pFields[kStatusFieldCount];
    SStatusFieldIn m_measured[kStatusFieldCount] = {};  // each text's extent as measured last
    bool m_bMeasured = false;                            // LayoutStatusFields measured them
};
