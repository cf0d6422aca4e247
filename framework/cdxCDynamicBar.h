// cdxCDynamicBar.h: the docking bar that hosts one bar dialog. The dialog
// is made with the bar (or later, when its owner says so) and fills its
// client area; its template size (plus the bar's borders and caption) is the
// bar's first size and minimum size in every position; the bar's owner may
// set other minimums (SizeAround). A dialog that lays its controls out
// again for their fonts has the bar follow its sizes (FitToDialog). Commands go
// to the dialog first, then to the bar, then to the main window; the idle
// update enables the dialog's controls through the frame's handlers; the
// dialog's balloon texts are the bar's too.
//
// cdxCDynamicBarT<T> holds the dialog T by value:
//   cdxCDynamicBarT<CMyBarDlg> m_wndMyBar;
//   m_wndMyBar.Create("Title", this, ID_MYBAR, WS_CHILD | WS_VISIBLE | CBRS_TOP);
#pragma once

#include <utility>

#include "framework/CSizingControlBar.h"
#include "framework/cdxCDynamicBarDlg.h"

class cdxCDynamicBar : public CSizingControlBar {
    DECLARE_DYNAMIC(cdxCDynamicBar)
    DECLARE_MESSAGE_MAP()
public:
    explicit cdxCDynamicBar(cdxCDynamicBarDlg* pDlg) : m_pDlg(pDlg) {}

    bool OnCmdMsg(UINT nID, int nCode, void* pExtra) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    // The control-bar style, then the dialog's tooltips for it.
    void SetBarStyle(DWORD dwStyle) override;

    // The bar's size around a dialog of szDialog pixels, docked on the dock
    // bar nDockBarID or floating (AFX_IDW_DOCKBAR_FLOAT); measuring changes
    // nothing of the bar.
    CSize SizeAround(UINT nDockBarID, CSize szDialog);
    // The same around the dialog's template size.
    CSize SizeAroundDialog(UINT nDockBarID) { return SizeAround(nDockBarID, m_pDlg->m_szInitial); }
    // The dialog's layout changed its sizes (cdxCDynamicBarDlg::SetLayoutSizes):
    // a bar of fixed height takes the height of the dialog's design size,
    // docked and floating, as its height and least height; the minimums of
    // any other bar are those its owner set, raised to the dialog's least
    // size. The sizes the user gave stay as they are: a bar is as large as
    // they say where its dialog allows (a smaller font again gives back the
    // width a larger one took). A visible bar whose sizes changed has its
    // frame lay the bars out again, once the step that changed it is done
    // (CFrameWnd::RecalcLayoutSoon). Nothing for a dialog that has set no
    // sizes of its own.
    void FitToDialog();
    // The owner's minimums, then raised to the dialog's (FitToDialog).
    CSize SetMinDockedSize(BOOL bHorz, int cx, int cy) override;
    CSize SetMinFloatingSize(int cx, int cy) override;
    // Bars hosting dialogs of one template are laid out alike.
    bool IsBuiltLike(const CSizingControlBar* pOther) const override;

    // Before Create: the bar is made without its dialog, which MakeDialog
    // or MakeDialogStep makes later; meanwhile the bar takes its sizes from
    // the template.
    void DeferDialog() { m_bDialogDeferred = true; }
    // Makes the hosted dialog, filling the bar, if it is not made yet, or
    // what its steps have not made of it; false when it cannot be made.
    bool MakeDialog();
    // One step of making the hosted dialog (cdxCDynamicBarDlg::MakeStep),
    // the first filling the bar with it; false when it cannot be made.
    bool MakeDialogStep();
    // The dialog is made with all its controls.
    bool IsDialogMade() const { return m_pDlg && m_pDlg->IsWhole(); }

    cdxCDynamicBarDlg* m_pDlg;  // the hosted dialog (not owned)

protected:
    BOOL OnCommand(WPARAM wp, LPARAM lp) override;
    int OnCreate(LPCREATESTRUCT pcs);

private:
    // The dialog made after the bar takes the bar's client area.
    void FillWithDialog();

    bool m_bDialogDeferred = false;
};

template <class T>
class cdxCDynamicBarT : public cdxCDynamicBar {
public:
    template <class... A>
    explicit cdxCDynamicBarT(A&&... args) : cdxCDynamicBar(nullptr), m_dlg(std::forward<A>(args)...)
    {
        m_pDlg = &m_dlg;
    }
    // The dialog's window goes first, then the bar's.
    ~cdxCDynamicBarT() override
    {
        if (m_dlg.m_hWnd)
            m_dlg.DestroyWindow();
        if (m_hWnd)
            DestroyWindow();
    }

    T m_dlg;
};
