// PrefConsPage.cpp: CPrefConsPropPage, the preferences' Console page: the
// console font, the plain text and background colours, colour, bold and
// italic of the four message kinds and the two beeps, shown on a console
// excerpt formatted line by line as the console formats its lines.
#include "preferences/AppearancePages.h"

#include <cstring>

#include "platform/CDC.h"
#include "platform/DDX.h"
#include "platform/Trace.h"
#include "session/VornGUIView.h"

namespace {

// The controls of the four message kinds (index = kind; kind 0 has only
// its colour button, and only warnings and errors beep).
struct SKindControls {
    UINT nColor, nBold, nItalic, nBeep;
};
const SKindControls kKindControls[5] = {
    {IDC_PREF_COLOR, 0, 0, 0},
    {IDC_PREF_INFO_COLOR, IDC_PREF_INFO_BOLD, IDC_PREF_INFO_ITALIC, 0},
    {IDC_PREF_DEBUG_COLOR, IDC_PREF_DEBUG_BOLD, IDC_PREF_DEBUG_ITALIC, 0},
    {IDC_PREF_ERROR_COLOR, IDC_PREF_ERROR_BOLD, IDC_PREF_ERROR_ITALIC, IDC_PREF_ERROR_BEEP},
    {IDC_PREF_WARN_COLOR, IDC_PREF_WARN_BOLD, IDC_PREF_WARN_ITALIC, IDC_PREF_WARN_BEEP},
};

const SPrefsHelpRow kBalloons[] = {
    {0, 13350}, {IDC_PREF_GROUP, 13350}, {IDC_PREF_FONT, 13351}, {IDC_PREF_FONT_LABEL, 13351},
    {IDC_PREF_COLOR, 13352}, {IDC_PREF_COLOR_LABEL, 13352}, {IDC_PREF_BACKGROUND, 13353},
    {IDC_PREF_BACK_LABEL, 13353}, {IDC_PREF_SAMPLE_LABEL, 13354}, {IDC_PREF_CONSOLE_SAMPLE, 13354},
    {IDC_PREF_INFO_COLOR, 13355}, {IDC_PREF_INFO_LABEL, 13355}, {IDC_PREF_DEBUG_COLOR, 13356},
    {IDC_PREF_DEBUG_LABEL, 13356}, {IDC_PREF_ERROR_COLOR, 13357}, {IDC_PREF_ERROR_LABEL, 13357},
    {IDC_PREF_WARN_COLOR, 13358}, {IDC_PREF_WARN_LABEL, 13358}, {IDC_PREF_INFO_BOLD, 13359},
    {IDC_PREF_DEBUG_BOLD, 13360}, {IDC_PREF_ERROR_BOLD, 13361}, {IDC_PREF_WARN_BOLD, 13362},
    {IDC_PREF_INFO_ITALIC, 13363}, {IDC_PREF_DEBUG_ITALIC, 13364}, {IDC_PREF_ERROR_ITALIC, 13365},
    {IDC_PREF_WARN_ITALIC, 13366}, {IDC_PREF_ERROR_BEEP, 13367}, {IDC_PREF_WARN_BEEP, 13368},
};
const SPrefsHelpRow kHelpIds[] = {
    {0, 1834}, {IDC_PREF_FONT, 1460}, {IDC_PREF_COLOR, 1842}, {IDC_PREF_BACKGROUND, 1844},
    {IDC_PREF_INFO_COLOR, 1461}, {IDC_PREF_WARN_COLOR, 1461}, {IDC_PREF_ERROR_COLOR, 1461},
    {IDC_PREF_DEBUG_COLOR, 1461}, {IDC_PREF_INFO_BOLD, 1462}, {IDC_PREF_WARN_BOLD, 1462},
    {IDC_PREF_ERROR_BOLD, 1462}, {IDC_PREF_DEBUG_BOLD, 1462}, {IDC_PREF_INFO_ITALIC, 1463},
    {IDC_PREF_WARN_ITALIC, 1463}, {IDC_PREF_ERROR_ITALIC, 1463}, {IDC_PREF_DEBUG_ITALIC, 1463},
    {IDC_PREF_CONSOLE_SAMPLE, 1847},
};
const SPrefsPageTables kTables = {PREFS_TABLE(kBalloons), PREFS_TABLE(kHelpIds), 0, nullptr, 0, nullptr, 0};

}  // namespace

void SpreadConsoleFont(LOGFONTA lf[5])
{
    for (int k = 1; k < 5; ++k) {
        LONG nWeight = lf[k].lfWeight;
        BYTE bItalic = lf[k].lfItalic;
        lf[k] = lf[0];
        lf[k].lfWeight = nWeight;
        lf[k].lfItalic = bItalic;
    }
}

IMPLEMENT_DYNCREATE(CPrefConsPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPrefConsPropPage, CPrefsPage)
    ON_BN_CLICKED(IDC_PREF_FONT, OnChooseFont)
    ON_BN_CLICKED(IDC_PREF_COLOR, OnFontColor)
    ON_BN_CLICKED(IDC_PREF_INFO_COLOR, OnInfoMsgColor)
    ON_BN_CLICKED(IDC_PREF_WARN_COLOR, OnWarningMsgColor)
    ON_BN_CLICKED(IDC_PREF_ERROR_COLOR, OnErrorMsgColor)
    ON_BN_CLICKED(IDC_PREF_DEBUG_COLOR, OnDebugMsgColor)
    ON_BN_CLICKED(IDC_PREF_BACKGROUND, OnBackgroundColor)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PREF_INFO_BOLD, IDC_PREF_DEBUG_ITALIC, OnBoldItalicClicked)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PREF_ERROR_BEEP, IDC_PREF_WARN_BEEP, OnBeepClicked)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CPrefConsPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_CONSOLE_SAMPLE, mdResize)
    DYNAMIC_MAP_YENTRY(IDC_PREF_CONSOLE_SAMPLE, mdResize)
END_DYNAMIC_MAP()

CPrefConsPropPage::CPrefConsPropPage() : CPrefAppearancePage(IDD, 7, kTables), m_strSample(SampleConsoleText())
{
    ::LoadLibraryA("riched20.dll");  // the sample's class; the system counts the loads
    for (LOGFONTA& lf : lfKind) {
        lf.lfHeight = -13;
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpyA(lf.lfFaceName, "Courier New");
    }
    nPointSize = 10;
}

CPrefConsPropPage::~CPrefConsPropPage() = default;

bool CPrefConsPropPage::IsChanged() const
{
    if (crBackground != m_crAppliedBackground || nPointSize != m_nAppliedFontPointSize ||
        bBeepError != m_bAppliedErrorBeep || bBeepWarning != m_bAppliedWarningBeep)
        return true;
    for (int k = 0; k < 5; ++k)
        if (crKind[k] != m_crAppliedColors[k] || memcmp(&lfKind[k], &m_lfAppliedFonts[k], sizeof(LOGFONTA)) != 0)
            return true;
    return false;
}

void CPrefConsPropPage::TakeWorkingAsApplied()
{
    for (int k = 0; k < 5; ++k) {
        m_crAppliedColors[k] = crKind[k];
        m_lfAppliedFonts[k] = lfKind[k];
    }
    m_crAppliedBackground = crBackground;
    m_nAppliedFontPointSize = nPointSize;
    m_bAppliedErrorBeep = bBeepError;
    m_bAppliedWarningBeep = bBeepWarning;
}

// Loading puts the sample text and the boxes up; saving reads the boxes
// back into the descriptions and makes the five fonts again.
void CPrefConsPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREF_CONSOLE_SAMPLE, m_Sample);
    if (!pDX->m_bSaveAndValidate)
        m_Sample.SetWindowText(m_strSample);
    for (int k = 1; k < 5; ++k) {
        int nBold = IsBoldWeight(lfKind[k].lfWeight) ? 1 : 0;
        int nItalic = lfKind[k].lfItalic ? 1 : 0;
        DDX_Check(pDX, (int)kKindControls[k].nBold, nBold);
        DDX_Check(pDX, (int)kKindControls[k].nItalic, nItalic);
        if (pDX->m_bSaveAndValidate) {
            lfKind[k].lfWeight = nBold ? FW_BOLD : FW_NORMAL;
            lfKind[k].lfItalic = (BYTE)nItalic;
        }
    }
    int nErrorBeep = bBeepError, nWarningBeep = bBeepWarning;
    DDX_Check(pDX, IDC_PREF_ERROR_BEEP, nErrorBeep);
    DDX_Check(pDX, IDC_PREF_WARN_BEEP, nWarningBeep);
    bBeepError = nErrorBeep != 0;
    bBeepWarning = nWarningBeep != 0;
    if (pDX->m_bSaveAndValidate)
        for (int k = 0; k < 5; ++k)
            RebuildMessageFont(k);
}

void CPrefConsPropPage::OnInitPage()
{
    for (int k = 0; k < 5; ++k)
        RebuildMessageFont(k);
    m_Sample.SetBackgroundColor(FALSE, crBackground);
    FillSample();
}

BOOL CPrefConsPropPage::OnSetActive()
{
    if (!CPrefsPage::OnSetActive())
        return FALSE;
    FillSample();
    return TRUE;
}

void CPrefConsPropPage::RebuildMessageFont(int nKind)
{
    if (!m_fonts[nKind].CreateFontIndirect(&lfKind[nKind]))
        WrenLibAfxTraceEx("CPrefConsPropPage::RebuildMessageFont", "no font \"%s\"", lfKind[nKind].lfFaceName);
}

void CPrefConsPropPage::FillSample()
{
    if (!m_Sample.m_hWnd || !m_fonts[0].m_hObject)
        return;
    const LOGFONTA& lf0 = lfKind[0];
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_OFFSET | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
                CFM_STRIKEOUT | CFM_PROTECTED;
    cf.dwEffects = CFE_PROTECTED | (lf0.lfUnderline ? CFE_UNDERLINE : 0) | (lf0.lfStrikeOut ? CFE_STRIKEOUT : 0);
    lstrcpynA(cf.szFaceName, lf0.lfFaceName, LF_FACESIZE);
    {
        CClientDC dc(m_hWnd);
        CDCSelect sel(dc.m_hDC, m_fonts[0].m_hObject);
        TEXTMETRICA tm = {};
        dc.GetTextMetrics(&tm);
        m_nSampleTwips = FontHeightTwips(tm.tmHeight, tm.tmInternalLeading, dc.GetDeviceCaps(LOGPIXELSY));
    }
    cf.yHeight = m_nSampleTwips;
    CHARRANGE crOld = {};
    m_Sample.GetSel(crOld);
    // Each line ends in one character in the control: its start is the sum
    // of the lengths before it, whatever the control wraps.
    long nStart = 0;
    for (const char* pszLine : g_apszSampleConsoleLines) {
        long nNext = nStart + (long)strlen(pszLine) + 1;
        int nKind = CVornGUIView::ClassifyMessage(CString(pszLine));
        const LOGFONTA& lf = lfKind[nKind];
        cf.crTextColor = crKind[nKind];
        cf.bCharSet = lf.lfCharSet;
        cf.bPitchAndFamily = lf.lfPitchAndFamily;
        cf.dwEffects &= ~(DWORD)(CFE_BOLD | CFE_ITALIC);
        cf.dwEffects |= (IsBoldWeight(lf.lfWeight) ? CFE_BOLD : 0) | (lf.lfItalic ? CFE_ITALIC : 0);
        m_Sample.SetSel(nStart, nNext);
        m_Sample.SetSelectionCharFormat(cf);
        nStart = nNext;
    }
    m_Sample.SetSel(crOld.cpMin, crOld.cpMax);
    m_Sample.SetDefaultCharFormat(cf);
}

void CPrefConsPropPage::OnChooseFont()
{
    LOGFONTA lf = lfKind[0];
    int nSize = nPointSize;
    if (!ChooseFont("Vornamic Console Font", lf, nSize))
        return;
    lfKind[0] = lf;
    nPointSize = nSize;
    SpreadConsoleFont(lfKind);
    for (int k = 0; k < 5; ++k)
        RebuildMessageFont(k);
    FillSample();
    UpdateModified();
}

void CPrefConsPropPage::ChooseKindColor(int nKind, const char* pszTitle)
{
    if (!ChooseColor(pszTitle, crKind[nKind]))
        return;
    FillSample();
    UpdateModified();
}

void CPrefConsPropPage::OnFontColor()
{
    ChooseKindColor(kMsgPlain, "Console Font Color");
}

void CPrefConsPropPage::OnInfoMsgColor()
{
    ChooseKindColor(kMsgInfo, "Information Messages Color");
}

void CPrefConsPropPage::OnWarningMsgColor()
{
    ChooseKindColor(kMsgWarning, "Warning Messages Color");
}

void CPrefConsPropPage::OnErrorMsgColor()
{
    ChooseKindColor(kMsgError, "Error Messages Color");
}

void CPrefConsPropPage::OnDebugMsgColor()
{
    ChooseKindColor(kMsgDebug, "Debug Messages Color");
}

// The background repaints the sample without formatting it again.
void CPrefConsPropPage::OnBackgroundColor()
{
    if (!ChooseColor("Console Background Color", crBackground))
        return;
    m_Sample.SetBackgroundColor(FALSE, crBackground);
    UpdateModified();
}

void CPrefConsPropPage::OnBoldItalicClicked(UINT nId)
{
    for (int k = 1; k < 5; ++k) {
        if (nId == kKindControls[k].nBold)
            lfKind[k].lfWeight = IsChecked(nId) ? FW_BOLD : FW_NORMAL;
        else if (nId == kKindControls[k].nItalic)
            lfKind[k].lfItalic = IsChecked(nId) ? 1 : 0;
        else
            continue;
        RebuildMessageFont(k);
        FillSample();
        UpdateModified();
        return;
    }
}

void CPrefConsPropPage::OnBeepClicked(UINT nId)
{
    if (nId == IDC_PREF_ERROR_BEEP)
        bBeepError = IsChecked(nId);
    else if (nId == IDC_PREF_WARN_BEEP)
        bBeepWarning = IsChecked(nId);
    UpdateModified();
}
