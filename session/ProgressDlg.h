// ProgressDlg.h: CProgressDlg, the modeless window that shows the progress of
// one utility run: a bar, a percentage text and a Cancel button. Its
// CPipedProcessCtl creates it hidden and destroys it; the utility runner shows
// it. It is resizable in width only and reopens where it was last closed.
// Every member runs on the GUI thread: the readers only store progress in
// the controller, which the WM_UTILITY_STATUS handler moves here.
#pragma once

#include "framework/cdxCDynamicDlg.h"
#include "platform/CButton.h"
#include "platform/CProgressCtrl.h"
#include "platform/CStatic.h"
#include "resources/resource.h"

class CPipedProcessCtl;

class CProgressDlg : public cdxCDynamicHelpDialog {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PROGRESS };

    // Range low to high, given either way round (high below low counts down).
    CProgressDlg(CPipedProcessCtl* pOwner, HICON hIcon, INT64 nLow, INT64 nHigh);
    // The same with a floating-point range (the integer range is 0-1000).
    CProgressDlg(CPipedProcessCtl* pOwner, HICON hIcon, double fLow, double fHigh);

    // Creates the window, hidden, owned by hParent; Cancel is posted there.
    // Once created, the object goes with its window; when the creation
    // fails it stays the caller's to delete.
    BOOL CreateHidden(HWND hParent);
    // Shows the window over its owner without taking the activation or the
    // focus from the window the user works in: a key meant for that window
    // (Esc, Enter) must not cancel the run. A click on it activates it.
    void ShowInactive();

    // A new range; the position goes to its low end (0%).
    void SetRange64(INT64 nLow, INT64 nHigh);
    // Moves to nPos, clamped into the range; returns the previous position.
    INT64 SetPos64(INT64 nPos);
    // The same on a floating-point range (the integer range goes back to
    // 0-1000); a position that is not a number counts as the low end.
    void SetRangeDouble(double fLow, double fHigh);
    double SetPosDouble(double fPos);
    // Shows a fraction 0.0-1.0: bar position (0-1000) and "%5.1f%%" text.
    void SetPercent(double fFraction);

protected:
    BOOL OnInitDialog() override;
    // Balloon texts, then help context ids.
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // Esc: as Cancel, then the window hides (the run goes on until it ends).
    void OnCancel() override;
    // Enter: what a press of the focused button does, Cancel (the window's
    // only button), and no more: the window never ends before its run, which
    // still uses it.
    void OnOK() override;
    // Also the user's close of the window (its caption's button, Alt+F4).
    void OnCancelButton();
    // A WM_CLOSE that is not the user's close: it never ends the run.
    void OnClose();
    void OnWindowPosChanging(WINDOWPOS* pPos);
    void PostNcDestroy() override;
    // Moves the window off the progress windows already shown.
    void PlaceClearOfOtherRuns();

private:
    // The range that is not in use: 0 to this.
    static constexpr double kDefaultDoubleRange = 1000.0;

    // A range, its smaller end first, and the position in it.
    template <class T>
    struct SRange {
        T tLow;
        T tHigh;
        T tPos;
    };
    // The steps the integer and the floating-point range share.
    template <class T>
    void TakeRange(SRange<T>& range, T tLow, T tHigh);
    template <class T>
    T MoveTo(SRange<T>& range, T tPos, double (*pfnFraction)(T, T, T));

    CButton m_CancelButton;
    CStatic m_Percent;
    // The bar; the themed progress control takes its place later.
    CProgressCtrl m_Progress;
    CPipedProcessCtl* m_pOwner;     // not owned
    HICON m_hIcon;                  // not owned
    HWND m_hNotifyWnd = nullptr;    // gets WM_UTILITY_CANCEL
    SRange<INT64> m_range64 = { 0, 0, 0 };
    SRange<double> m_rangeDouble = { 0.0, kDefaultDoubleRange, 0.0 };
    bool m_bDescending = false;
};
