// DynCPUPercentDlgBar.h: CDynCPUPercentDlgBar, the CPU busy-percentage bar:
// one row per processor engine with its name, a meter and the percentage.
// The view posts the processor count (WM_MAXCPU_CHANGED), the engine types
// (WM_CPU_ENGINE_TYPE), the percentages (WM_CPU_PERCENT) and the
// emulator's power (WM_EMULATOR_ACTIVE). Meters are coloured by engine type;
// colours live in "Settings\PercentBar". Hosted in a docking bar, the dialog
// makes the rows it shows and the others when the count grows or a row is
// asked for (a percentage, its meter); made on its own it has all 64.
#pragma once

#include "framework/MyProgCtl.h"
#include "framework/cdxCDynamicWnd.h"
#include "mainwindow/MainWindowBarDlg.h"
#include "platform/CGdiObject.h"
#include "platform/COneStepStatic.h"
#include "resources/resource.h"

class CDynCPUPercentDlgBar : public CMainWindowBarDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_CPUPCT_BAR };
    enum { kRows = 64, kEngineTypes = 4 };

    explicit CDynCPUPercentDlgBar(CWnd* pParent = nullptr);
    ~CDynCPUPercentDlgBar() override;

    // Made from the template without the rows above the count.
    bool Create(CSizingControlBar* pHostBar) override;
    using cdxCDynamicBarDlg::Create;
    BOOL OnInitDialog() override;
    // Balloon texts, then help context ids.
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;
    // The layout of the rows made, from a table of 64 rows built once.
    const cdxDynamicMapEntry* GetDynamicMap(const cdxDynamicMapEntry* pPrev) override;

    // Shows the rows below nCount and hides the others; a count below 0 or
    // above "MaxCPUs" is ignored.
    virtual void SetCPUCount(int nCount);
    int GetCPUCount() const { return m_nCPUCount; }
    // Rebuilds the brush and the meters' colours and styles from the fields
    // below, stores them in "Settings\PercentBar" and redraws the bar.
    void ApplyAppearance();
    bool IsEmulatorActive() const { return m_bEmulatorActive; }
    // The meter of row n (0-63), made if it is not yet.
    CMyProgCtl& Meter(int n);
    int GetRowsMade() const { return m_nRowsMade; }

    // The meter fill state (1-4) and bar part (1-2) per engine type, and the
    // colours; the preferences store them here before ApplyAppearance.
    int m_nMeterColor[kEngineTypes] = {1, 1, 1, 1};
    int m_nMeterStyle[kEngineTypes] = {1, 1, 1, 1};
    COLORREF clrFont = RGB(255, 255, 255);
    COLORREF clrBG = RGB(0, 0, 0);

protected:
    LRESULT OnMaxCPUChanged(WPARAM wp, LPARAM lp);
    LRESULT OnCPUPercent(WPARAM wp, LPARAM lp);
    LRESULT OnEngineType(WPARAM wp, LPARAM lp);
    LRESULT OnEmulatorPower(WPARAM wp, LPARAM lp);
    void OnUpdateMeter(CCmdUI* pCmdUI);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnEraseBkgnd(CDC* pDC);

private:
    // Makes the rows below nRows that are not made yet.
    void MakeRows(int nRows);
    // A made row's controls subclassed, its meter styled and at zero.
    void InitRow(int nRow);
    void StyleMeter(int nRow);
    void ShowPercent(int nRow, int nPercent);
    // Row nRow's name, meter and percentage drawn at once (OneStepPaint.h):
    // a new value shows whole, meter and figure together.
    void DrawRow(int nRow);

    int m_nCPUCount = 0;
    int m_nRowsMade = kRows;  // rows 0 .. m_nRowsMade-1 have their windows
    COneStepStatic m_lblEngine[kRows];
    CMyProgCtl m_meters[kRows];
    COneStepStatic m_lblPercent[kRows];
    int m_nEngineType[kRows] = {};
    CBrush m_brBG;
    bool m_bEmulatorActive = false;
};
