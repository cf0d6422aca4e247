// PrefControlsPage.cpp: CPrefControlsPropPage, the preferences' Controls
// page: the control panel's font and background colours, shown on the
// panel's own bitmaps recoloured the way the panel recolours them, and on
// two digit fields.
#include "preferences/AppearancePages.h"

#include "config/GdiHelpers.h"
#include "platform/CDC.h"
#include "platform/DDX.h"
#include "platform/Trace.h"

namespace {

const char* const kBitmapNames[CPrefControlsPropPage::kBitmapCount] = {"METERU", "DIALU", "SYSONU", "WAITOFFU"};
// The key colour of the panel's bitmaps: it becomes the background.
const COLORREF kKeyColor = RGB(0, 0, 128);

// The sample buttons and the bitmap each shows.
struct SSampleButton {
    UINT nId;
    int nBitmap;
};
const SSampleButton kSampleButtons[] = {
    {IDC_PANEL_METER, CPrefControlsPropPage::kMeter},   {IDC_PANEL_DIAL1, CPrefControlsPropPage::kDial},
    {IDC_PANEL_DIAL2, CPrefControlsPropPage::kDial},    {IDC_PANEL_SYSON, CPrefControlsPropPage::kSysOn},
    {IDC_PANEL_WAITOFF, CPrefControlsPropPage::kWaitOff},
};

const SPrefsHelpRow kBalloons[] = {
    {0, 13450}, {IDC_PREF_GROUP, 13450}, {IDC_PREF_INSTRUCTIONS, kIdsPrefsInstructionsHelp},
    {IDC_PREF_COLOR, 13451}, {IDC_PREF_COLOR_LABEL, 13451}, {IDC_PREF_BACKGROUND, 13452},
    {IDC_PREF_BACK_LABEL, 13452}, {IDC_PREF_SAMPLE_LABEL, 13453}, {IDC_PANEL_METER, 13453},
    {IDC_PANEL_DIGIT1, 13453}, {IDC_PANEL_DIGIT2, 13453}, {IDC_PANEL_DIAL1, 13453}, {IDC_PANEL_DIAL2, 13453},
    {IDC_PANEL_SYSON, 13453}, {IDC_PANEL_WAITOFF, 13453},
};
const SPrefsHelpRow kHelpIds[] = {{0, 1920}, {IDC_PREF_COLOR, 1926}, {IDC_PREF_BACKGROUND, 1928}};
const SPrefsPageTables kTables = {PREFS_TABLE(kBalloons), PREFS_TABLE(kHelpIds), 0, nullptr, 0, nullptr, 0};

}  // namespace

IMPLEMENT_DYNCREATE(CPrefControlsPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPrefControlsPropPage, CPrefsPage)
    ON_BN_CLICKED(IDC_PREF_COLOR, OnFontColor)
    ON_BN_CLICKED(IDC_PREF_BACKGROUND, OnBackgroundColor)
    ON_WM_DRAWITEM()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CPrefControlsPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_INSTRUCTIONS, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_COLOR_LABEL, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_BACK_LABEL, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_SAMPLE_LABEL, mdResize)
END_DYNAMIC_MAP()

CPrefControlsPropPage::CPrefControlsPropPage()
    : CPrefAppearancePage(IDD, 9, kTables),
      m_strInstructions("Select the font color and background color desired for the Controls pane by clicking the "
                        "appropriate button below. Your current selections will then be reflected in the sample "
                        "below so you can see what your selections looks like before actually applying them.")
{
}

bool CPrefControlsPropPage::IsChanged() const
{
    return crText != m_crAppliedText || crBack != m_crAppliedBack;
}

void CPrefControlsPropPage::TakeWorkingAsApplied()
{
    m_crAppliedText = crText;
    m_crAppliedBack = crBack;
}

void CPrefControlsPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PREF_INSTRUCTIONS, m_strInstructions);
    DDX_Text(pDX, IDC_PANEL_DIGIT1, m_strField);
    DDX_Text(pDX, IDC_PANEL_DIGIT2, m_strField);
}

void CPrefControlsPropPage::OnInitPage()
{
    m_font.CreatePointFont(90, "System");
    m_brBack.CreateSolidBrush(crBack);
    for (int i = 0; i < kBitmapCount; ++i)
        if (!m_bitmaps[i].Attach(::LoadBitmapA(::GetModuleHandleA(nullptr), kBitmapNames[i])))
            WrenLibAfxTraceEx("CPrefControlsPropPage::OnInitPage", "no bitmap \"%s\"", kBitmapNames[i]);
    // Each sample button takes its bitmap's size where it stands.
    for (const SSampleButton& b : kSampleButtons) {
        BITMAP bm = {};
        if (m_bitmaps[b.nBitmap].m_hObject && m_bitmaps[b.nBitmap].GetBitmap(&bm))
            ::SetWindowPos(::GetDlgItem(m_hWnd, (int)b.nId), nullptr, 0, 0, bm.bmWidth, bm.bmHeight,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    UpdateSample();
}

void CPrefControlsPropPage::RecolorSampleBitmaps()
{
    for (int i = 0; i < kBitmapCount; ++i)
        if (m_bitmaps[i].m_hObject &&
            !ReplaceBitmapColor(&m_recolored[i], &m_bitmaps[i], crBack, i != kDial, RGB(255, 255, 255), crText))
            WrenLibAfxTraceEx("CPrefControlsPropPage::RecolorSampleBitmaps", "\"%s\" not recoloured",
                              kBitmapNames[i]);
}

void CPrefControlsPropPage::UpdateSample()
{
    RecolorSampleBitmaps();
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(crBack);
    for (UINT nId : {IDC_PANEL_DIGIT1, IDC_PANEL_DIGIT2}) {
        HWND h = ::GetDlgItem(m_hWnd, (int)nId);
        ::SendMessageA(h, WM_SETFONT, (WPARAM)m_font.m_hObject, FALSE);
        ::InvalidateRect(h, nullptr, TRUE);
    }
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CPrefControlsPropPage::OnFontColor()
{
    if (!ChooseColor("Controls Font Color", crText))
        return;
    UpdateModified();
    UpdateSample();
}

void CPrefControlsPropPage::OnBackgroundColor()
{
    if (!ChooseColor("Controls Background Color", crBack))
        return;
    UpdateModified();
    UpdateSample();
}

// The sample buttons show their recoloured bitmap at its own size.
void CPrefControlsPropPage::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pDIS)
{
    for (const SSampleButton& b : kSampleButtons) {
        if ((UINT)nIDCtl != b.nId)
            continue;
        const CBitmap& bmp = m_recolored[b.nBitmap];
        BITMAP bm = {};
        if (!bmp.m_hObject || !bmp.GetBitmap(&bm))
            return;
        CDC dcItem(pDIS->hDC), dcMem;
        if (!dcMem.CreateCompatibleDC(&dcItem))
            return;
        CDCSelect sel(dcMem.m_hDC, bmp.m_hObject);
        ::BitBlt(pDIS->hDC, pDIS->rcItem.left, pDIS->rcItem.top, bm.bmWidth, bm.bmHeight, dcMem.m_hDC, 0, 0, SRCCOPY);
        return;
    }
    Default();
}

BOOL CPrefControlsPropPage::OnEraseBkgnd(CDC* pDC)
{
    BOOL bErased = CPrefsPage::OnEraseBkgnd(pDC);
    CRect rc = SampleArea();
    ::FillRect(pDC->m_hDC, &rc, (HBRUSH)m_brBack.m_hObject);
    return bErased;
}

HBRUSH CPrefControlsPropPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT)
{
    if (!pWnd || !m_brBack.m_hObject)
        return nullptr;
    int nId = ::GetDlgCtrlID(pWnd->m_hWnd);
    if (nId != IDC_PANEL_DIGIT1 && nId != IDC_PANEL_DIGIT2)
        return nullptr;
    ::SetBkColor(pDC->m_hDC, crBack);
    ::SetBkMode(pDC->m_hDC, TRANSPARENT);
    ::SetTextColor(pDC->m_hDC, crText);
    return (HBRUSH)m_brBack.m_hObject;
}
