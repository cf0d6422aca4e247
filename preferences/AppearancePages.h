// AppearancePages.h: the preferences dialog's six appearance pages, each with
// a live sample of the user's choices: Console (page 7), Device List (8),
// Controls (9), Percent Bar (10), Status Bar (11) and Display/Alter (12).
// Their parts:
//   PrefAppearancePage.cpp  the shared colour and font choosers, sample areas
//   PrefConsPage.cpp        the console's colours, fonts, styles and beeps
//   PrefFontColorPages.cpp  Device List and Display/Alter (font and colours)
//   PrefControlsPage.cpp    the control panel's colours on its own bitmaps
//   PrefPercentPage.cpp     the CPU meters' colours and styles
//   PrefStatLinePage.cpp    the status line's parts, their order and font
// The working fields are public: the view fills them before the dialog opens
// and reads them when a page is applied or the dialog ends with OK. Fonts
// travel as descriptions (LOGFONTA); every font object a page draws its
// sample with is the page's own, so nothing the view owns is ever freed here.
#pragma once

#include "framework/MyProgCtl.h"
#include "platform/CGdiObject.h"
#include "platform/CHexEdit.h"
#include "platform/CImageList.h"
#include "platform/CRichEditCtrl.h"
#include "platform/CTreeCtrl.h"
#include "preferences/AppearanceFields.h"
#include "preferences/AppearanceRules.h"
#include "preferences/PrefsPage.h"
#include "resources/resource.h"

// The shared part of the appearance pages: the colour and font dialogs as
// every page opens them, and the sample area some pages paint.
class CPrefAppearancePage : public CPrefsPage {
public:
    using CPrefsPage::CPrefsPage;

protected:
    // The colour dialog titled pszTitle with cr pre-selected; on OK cr
    // takes the choice and the result is true.
    bool ChooseColor(const char* pszTitle, COLORREF& cr);
    // The font dialog titled pszTitle on lf, without the effects section; on
    // OK lf takes the choice with character set 1 and precisions, quality and
    // pitch-and-family 0, nPointSize the size in points, and the result is true.
    bool ChooseFont(const char* pszTitle, LOGFONTA& lf, int& nPointSize);
    // The sample area in client coordinates: 32 pixels in from the left, 35
    // from the right, 4 below the "Sample:" label to 31 above the bottom.
    CRect SampleArea() const;
};

// A new console font for every message kind: kinds 1-4 take description 0
// but keep their own weight and italic flag.
void SpreadConsoleFont(LOGFONTA lf[5]);

class CPrefConsPropPage : public CPrefAppearancePage, public SPrefConsoleFields {
    DECLARE_DYNCREATE(CPrefConsPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_CONSOLE };
    CPrefConsPropPage();
    ~CPrefConsPropPage() override;

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;
    BOOL OnSetActive() override;
    // Formats the sample line by line in its kind's colour and style.
    void FillSample();
    // The page's font of a kind (owned by the page), for tests.
    HFONT KindFont(int nKind) const { return (HFONT)m_fonts[nKind].m_hObject; }
    CRichEditCtrl& Sample() { return m_Sample; }
    // The character height FillSample gave the sample, in twips.
    long SampleHeightTwips() const { return m_nSampleTwips; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnChooseFont();
    void OnFontColor();
    void OnInfoMsgColor();
    void OnWarningMsgColor();
    void OnErrorMsgColor();
    void OnDebugMsgColor();
    void OnBackgroundColor();
    void OnBoldItalicClicked(UINT nId);
    void OnBeepClicked(UINT nId);
    // A kind's colour from its dialog; the sample and modified state follow.
    void ChooseKindColor(int nKind, const char* pszTitle);
    // Makes a kind's font again from its description.
    void RebuildMessageFont(int nKind);

    CFont m_fonts[5];
    CRichEditCtrl m_Sample;
    CString m_strSample;
    long m_nSampleTwips = 0;
    COLORREF m_crAppliedColors[5] = {};
    LOGFONTA m_lfAppliedFonts[5] = {};
    COLORREF m_crAppliedBackground = 0;
    int m_nAppliedFontPointSize = 0;
    bool m_bAppliedErrorBeep = false, m_bAppliedWarningBeep = false;
};

// Device List and Display/Alter: a font and two colours with a sample.
class CPrefFontColorPage : public CPrefAppearancePage, public SPrefBarLookFields {
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    CPrefFontColorPage(UINT nIDTemplate, int nPageIndex, const SPrefsPageTables& tables, const char* pszFontTitle,
                       const char* pszTextTitle, const char* pszBackTitle);

    // The face (case-sensitively), bold, italic, size or a colour differ
    // from the applied ones; other details of the description do not count.
    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnChooseFont();
    void OnFontColor();
    void OnBackgroundColor();
    // The sample shows a new font, or new colours.
    virtual void OnFontChanged() = 0;
    virtual void OnColorsChanged() = 0;
    SFontLook Look() const;

    CString m_strInstructions;
    SFontLook m_applied;

private:
    const char* m_pszFontTitle;
    const char* m_pszTextTitle;
    const char* m_pszBackTitle;
};

class CPrefDevlistPropPage : public CPrefFontColorPage {
    DECLARE_DYNCREATE(CPrefDevlistPropPage)
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_DEVLIST };
    CPrefDevlistPropPage();
    CTreeCtrl& Tree() { return m_Tree; }
    HFONT SampleFont() const { return (HFONT)m_font.m_hObject; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnFontChanged() override;
    void OnColorsChanged() override;

    CTreeCtrl m_Tree;
    CFont m_font;  // the sample's, owned
    CImageList m_images;
};

class CPrefDisplayAlterPropPage : public CPrefFontColorPage {
    DECLARE_DYNCREATE(CPrefDisplayAlterPropPage)
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_DISPALTER };
    CPrefDisplayAlterPropPage();
    // Shows the 256 bytes 00 to FF in the description's font and the colours.
    void UpdateSample();
    CHexEdit& Sample() { return m_Hex; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnFontChanged() override { UpdateSample(); }
    void OnColorsChanged() override { UpdateSample(); }

    CHexEdit m_Hex;
};

class CPrefControlsPropPage : public CPrefAppearancePage, public SPrefControlsFields {
    DECLARE_DYNCREATE(CPrefControlsPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_CONTROLS };
    enum { kMeter, kDial, kSysOn, kWaitOff, kBitmapCount };
    CPrefControlsPropPage();

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;
    // Recolours the bitmaps, remakes the brush and repaints the sample.
    void UpdateSample();
    // The bitmaps in the colours: key colour RGB(0, 0, 128) to the
    // background; white to the font colour but on the dial.
    void RecolorSampleBitmaps();
    const CBitmap& Recolored(int n) const { return m_recolored[n]; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnFontColor();
    void OnBackgroundColor();
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDIS);
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    CFont m_font;  // "System", 9 points, for the two sample fields
    CBrush m_brBack;
    CBitmap m_bitmaps[kBitmapCount];
    CBitmap m_recolored[kBitmapCount];
    CString m_strInstructions;
    CString m_strField = "0";
    COLORREF m_crAppliedText = 0, m_crAppliedBack = 0;
};

class CPrefPercentPropPage : public CPrefAppearancePage, public SPrefPercentFields {
    DECLARE_DYNCREATE(CPrefPercentPropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_PERCENT };
    CPrefPercentPropPage();

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;
    // Remakes the brush, styles the meters and repaints the page.
    void UpdateSample();
    // With visual styles the style lists show the types' styles; without,
    // "Normal", disabled.
    void EnableStyles(bool bThemed);
    CMyProgCtl& Meter(int nRow) { return m_meters[nRow]; }
    // The engine type number shown in a row (0 CP, 1 AP, 2 IP, 3 IL).
    static int TypeOfRow(int nRow);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnColorChanged(UINT nId);
    void OnStyleChanged(UINT nId);
    void OnFontColor();
    void OnBackgroundColor();
    BOOL OnEraseBkgnd(CDC* pDC);
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    LRESULT OnThemeChanged(WPARAM wp, LPARAM lp);
    void FillList(UINT nId, UINT nItemsId, int nSel);
    static int ListSel(HWND hList);
    static bool StylesActive();

    CMyProgCtl m_meters[4];
    CBrush m_brBack;
    bool m_bStylesShown = true;  // the style lists show the styles (visual styles on)
    CString m_strInstructions;
    int m_nAppliedColor[kEngineTypes] = {}, m_nAppliedStyle[kEngineTypes] = {};
    COLORREF m_crAppliedText = 0, m_crAppliedBack = 0;
};

class CPrefStatLinePropPage : public CPrefAppearancePage, public SPrefStatLineFields {
    DECLARE_DYNCREATE(CPrefStatLinePropPage)
    DECLARE_MESSAGE_MAP()
    DECLARE_DYNAMIC_MAP()
public:
    enum { IDD = IDD_PREF_STATLINE };
    CPrefStatLinePropPage();

    // The grid's parts, taken from nOrder and bVisible when the page opens
    // (an order that is not one of each part starts as 0, 1, 2, 3, 4); every
    // click writes them back there.
    SStatusPartGrid m_parts;

    bool IsChanged() const override;
    void TakeWorkingAsApplied() override;
    // The visible parts' samples in order in label 3192, on the lines it
    // holds in its font, each part whole (SStatusPartGrid::SampleLines).
    virtual void UpdateSampleLine();
    // A new sample font from the description, set on label 3192.
    virtual void ApplySampleFont();
    virtual void SaveAppliedValues();
    HFONT SampleFont() const { return (HFONT)m_font.m_hObject; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnInitPage() override;
    void OnChooseFont();
    void OnFieldGridClicked(UINT nId);
    // The layout has sized the sample's label anew: its lines follow.
    void OnPageSized(UINT nType, int cx, int cy);
    // Ticks each box of the grid as the parts stand.
    void ShowGrid();
    // Writes the grid's order and visibility into the working fields.
    void StoreParts();

    CFont m_font;
    CString m_strInstructions;
    SStatusPartGrid m_applied;
    LOGFONTA m_lfApplied = {};
    int m_nAppliedFontPointSize = 0;
};
