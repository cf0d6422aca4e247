// DynControlsDlgBar.h: CDynControlsDlgBar, the operator control panel bar:
// the emulated machine's front panel. Its push buttons reach the main frame
// as commands (the view sends the emulator commands); it owns the four Load
// Unit dials with the digit above each, the CPU utilisation meter with its
// needle, the lamps' images in the user's colours (the view shows the lit or
// unlit window of each lamp pair) and its colours in "Settings\ControlsBar".
#pragma once

#include "framework/cdxCDynamicWnd.h"
#include "mainwindow/ControlPanelMath.h"
#include "mainwindow/MainWindowBarDlg.h"
#include "mainwindow/MyBitmapButton.h"
#include "platform/CGdiObject.h"
#include "platform/CSaveSelEdit.h"
#include "resources/resource.h"

class CDynControlsDlgBar;

// The meter: its image, then the bar draws the needle over it.
class CPanelMeterButton : public CMyBitmapButton {
public:
    explicit CPanelMeterButton(CDynControlsDlgBar* pBar) : m_pBar(pBar) {}
    void DrawItem(LPDRAWITEMSTRUCT pDIS) override;

private:
    CDynControlsDlgBar* m_pBar;  // not owned
};

class CDynControlsDlgBar : public CMainWindowBarDlg {
    DECLARE_MESSAGE_MAP()
public:
    enum { IDD = IDD_CONTROLS_BAR };
    // The panel's images in the order of m_images.
    enum { kImageMeter, kImageDial, kImageLampFirst, kImageCount = kImageLampFirst + 8 };

    explicit CDynControlsDlgBar(CWnd* pParent = nullptr);
    ~CDynControlsDlgBar() override;

    // Made in its docking bar without the lit lamps and the lit power
    // button, which are hidden until lit: GetLampWindow makes each when it is
    // first asked for.
    bool Create(CSizingControlBar* pHostBar) override;
    using cdxCDynamicBarDlg::Create;
    BOOL OnInitDialog() override;
    // The window of lamp or power button nID (IDC_PANEL_SYSON to
    // IDC_PANEL_POWERONON); a lit one left out at creation is made now, where
    // and as the template makes it, with its image. Null before the dialog.
    HWND GetLampWindow(UINT nID);
    // Balloon texts, then help context ids.
    void RegisterStandardHelpStrings() override;
    void RegisterHelpStrings() override;
    // Registers how the controls move when the bar's width changes.
    virtual void AddLayoutControls();

    // Takes a device number text as the load unit: "HHH", "HHHH", "L:HHH"
    // or "L:HHHH" in either case (the forms the IPL dialog accepts), else
    // "0000"; the dials and digits show the device number.
    void SetDialsHex(const char* pszDevNum);
    // The load unit: "%04X" of the device number, or "L:%04X" when it lies
    // in another channel subsystem than 0. Turning a dial makes it the four
    // digits the dials show.
    const CString& GetLoadUnit() const { return m_strLoadUnit; }
    // Rebuilds the brush and the recoloured images from clrBack and clrText,
    // stores both in "Settings\ControlsBar" and redraws the bar.
    void ApplyAppearance();
    // Draws the needle over the meter's image (the meter's drawing calls it).
    void DrawMeterNeedle(LPDRAWITEMSTRUCT pDIS);
    // The meter value (0.0 idle .. 1.0 busy), shown at the meter's next drawing.
    void SetMeterValue(double dValue) { m_dMeterValue = dValue; }
    double GetMeterValue() const { return m_dMeterValue; }
    const CMeterNeedle& Needle() const { return m_needle; }
    // The recoloured copy of an image (kImage...), for tests and the lamps.
    const CBitmap& RecolouredImage(int n) const { return m_recoloured[n]; }

    COLORREF clrBack = RGB(0, 0, 0);
    COLORREF clrText = RGB(255, 255, 255);

protected:
    void OnPanelButton(UINT nID);
    void OnDialClicked(UINT nID);
    void OnUpdateDial(CCmdUI* pCmdUI);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnEraseBkgnd(CDC* pDC);

private:
    // The panel's images and the push buttons' own, loaded at once.
    bool LoadImages();
    // Subclasses button nID and gives it the size of image.
    BOOL TakeImageSize(CMyBitmapButton& button, UINT nID, const CBitmap& image);
    // The object of control nID (IDC_PANEL_START to IDC_PANEL_INTERRUPT):
    // the layout takes the controls' windows from their objects, not from
    // the dialog (each GetDlgItem lists its children: a server round trip
    // under Wine).
    CWnd* ControlOf(UINT nID);
    void RecolourImages();
    void ShowDials();

    double m_dMeterValue = 0.0;
    CMyBitmapButton m_btnStore, m_btnRestart, m_btnStart, m_btnStop;
    CPanelMeterButton m_btnMeter{this};
    CSaveSelEdit m_edtDigits[4];
    CMyBitmapButton m_btnDials[4];
    CMyBitmapButton m_btnLamps[8];  // SYSON, SYSOFF, MANON, MANOFF, WAITON, WAITOFF, LOADON, LOADOFF
    CMyBitmapButton m_btnPowerOnOn, m_btnPowerOnOff, m_btnPowerOff, m_btnInterrupt, m_btnLoad;
    CBrush m_brBack;
    CFont m_fontPanel;  // "System", 9 points, for the digits
    CBitmap m_images[kImageCount];
    CBitmap m_recoloured[kImageCount];
    HWND m_hDigits[4] = {};  // not owned
    bool m_bLitLeftOut = false;  // made by Create: the lit windows wait for GetLampWindow
    SLoadUnitDials m_dials;
    CString m_strLoadUnit = "0000";
    CMeterNeedle m_needle;
};
