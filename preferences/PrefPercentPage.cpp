// PrefPercentPage.cpp: CPrefPercentPropPage, the preferences' Percent Bar
// page: colour and style of the CPU meters per engine type (CP, AP, IP,
// IL) and the bar's font and background colours, shown on four sample
// meters filled to random values.
#include "preferences/AppearancePages.h"

#include <cstdlib>
#include <ctime>

#include "config/StartupObjects.h"
#include "framework/VisualStylesXP.h"
#include "platform/DDX.h"

namespace {

const UINT kColorLists[4] = {IDC_PREF_PCT_COLOR_CP, IDC_PREF_PCT_COLOR_AP, IDC_PREF_PCT_COLOR_IP,
                             IDC_PREF_PCT_COLOR_IL};
const UINT kStyleLists[4] = {IDC_PREF_PCT_STYLE_CP, IDC_PREF_PCT_STYLE_AP, IDC_PREF_PCT_STYLE_IP,
                             IDC_PREF_PCT_STYLE_IL};
const UINT kMeters[4] = {IDC_PREF_PCT_METER_CP, IDC_PREF_PCT_METER_AP, IDC_PREF_PCT_METER_IP, IDC_PREF_PCT_METER_IL};

const SPrefsHelpRow kBalloons[] = {
    {0, 13500}, {IDC_PREF_GROUP, 13500}, {IDC_PREF_INSTRUCTIONS, kIdsPrefsInstructionsHelp},
    {IDC_PREF_COLOR, 13501}, {IDC_PREF_COLOR_LABEL, 13501}, {IDC_PREF_BACKGROUND, 13502},
    {IDC_PREF_BACK_LABEL, 13502}, {IDC_PREF_PCT_LABEL_CP, 13503}, {IDC_PREF_PCT_COLOR_CP, 13504},
    {IDC_PREF_PCT_STYLE_CP, 13505}, {IDC_PREF_PCT_LABEL_AP, 13506}, {IDC_PREF_PCT_COLOR_AP, 13507},
    {IDC_PREF_PCT_STYLE_AP, 13508}, {IDC_PREF_PCT_LABEL_IP, 13509}, {IDC_PREF_PCT_COLOR_IP, 13510},
    {IDC_PREF_PCT_STYLE_IP, 13511}, {IDC_PREF_PCT_LABEL_IL, 13512}, {IDC_PREF_PCT_COLOR_IL, 13513},
    {IDC_PREF_PCT_STYLE_IL, 13514}, {IDC_PREF_SAMPLE_LABEL, 13515}, {IDC_PREF_PCT_NAME_CP, 13516},
    {IDC_PREF_PCT_METER_CP, 13516}, {IDC_PREF_PCT_NAME_AP, 13517}, {IDC_PREF_PCT_METER_AP, 13517},
    {IDC_PREF_PCT_NAME_IP, 13518}, {IDC_PREF_PCT_METER_IP, 13518}, {IDC_PREF_PCT_NAME_IL, 13519},
    {IDC_PREF_PCT_METER_IL, 13519},
};
const SPrefsHelpRow kHelpIds[] = {
    {0, 1981}, {IDC_PREF_PCT_COLOR_CP, 1988}, {IDC_PREF_PCT_COLOR_AP, 1988}, {IDC_PREF_PCT_COLOR_IP, 1988},
    {IDC_PREF_PCT_COLOR_IL, 1988}, {IDC_PREF_PCT_STYLE_CP, 1995}, {IDC_PREF_PCT_STYLE_AP, 1995},
    {IDC_PREF_PCT_STYLE_IP, 1995}, {IDC_PREF_PCT_STYLE_IL, 1995}, {IDC_PREF_COLOR, 1999},
    {IDC_PREF_BACKGROUND, 2001},
};
const SPrefsPageTables kTables = {PREFS_TABLE(kBalloons), PREFS_TABLE(kHelpIds), 0, nullptr, 0, nullptr, 0};

// The row of a list or meter id in its table, or -1.
int RowOf(const UINT (&ids)[4], UINT nId)
{
    for (int r = 0; r < 4; ++r)
        if (ids[r] == nId)
            return r;
    return -1;
}

}  // namespace

IMPLEMENT_DYNCREATE(CPrefPercentPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPrefPercentPropPage, CPrefsPage)
    ON_CONTROL_RANGE(CBN_SELENDOK, IDC_PREF_PCT_COLOR_CP, IDC_PREF_PCT_COLOR_IL, OnColorChanged)
    ON_CONTROL_RANGE(CBN_SELENDOK, IDC_PREF_PCT_STYLE_CP, IDC_PREF_PCT_STYLE_IL, OnStyleChanged)
    ON_BN_CLICKED(IDC_PREF_COLOR, OnFontColor)
    ON_BN_CLICKED(IDC_PREF_BACKGROUND, OnBackgroundColor)
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_THEMECHANGED, OnThemeChanged)
END_MESSAGE_MAP()

BEGIN_DYNAMIC_MAP(CPrefPercentPropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_INSTRUCTIONS, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_COLOR_LABEL, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_BACK_LABEL, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_SAMPLE_LABEL, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_PCT_METER_CP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_PCT_METER_AP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_PCT_METER_IP, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_PCT_METER_IL, mdResize)
END_DYNAMIC_MAP()

CPrefPercentPropPage::CPrefPercentPropPage()
    : CPrefAppearancePage(IDD, 10, kTables),
      m_strInstructions("Select the CPU, font and background color desired for the Percents bar by clicking the "
                        "appropriate button below. Your selection will be shown in the below sample so you can see "
                        "what they look like before applying them.")
{
}

int CPrefPercentPropPage::TypeOfRow(int nRow)
{
    const int types[4] = {g_nEngineTypeCP, g_nEngineTypeAP, g_nEngineTypeIP, g_nEngineTypeIL};
    int nType = types[nRow];
    return nType >= 0 && nType < kEngineTypes ? nType : nRow;
}

bool CPrefPercentPropPage::IsChanged() const
{
    for (int t = 0; t < kEngineTypes; ++t)
        if (nMeterColor[t] != m_nAppliedColor[t] || nMeterStyle[t] != m_nAppliedStyle[t])
            return true;
    return crText != m_crAppliedText || crBack != m_crAppliedBack;
}

void CPrefPercentPropPage::TakeWorkingAsApplied()
{
    for (int t = 0; t < kEngineTypes; ++t) {
        m_nAppliedColor[t] = nMeterColor[t];
        m_nAppliedStyle[t] = nMeterStyle[t];
    }
    m_crAppliedText = crText;
    m_crAppliedBack = crBack;
}

bool CPrefPercentPropPage::StylesActive()
{
    return g_VisualStylesXP.IsAppThemed() && g_VisualStylesXP.IsThemeActive();
}

int CPrefPercentPropPage::ListSel(HWND hList)
{
    return (int)::SendMessageA(hList, CB_GETCURSEL, 0, 0);
}

// Reading back: the colour lists always, the style lists only while they
// show the styles (without visual styles they show "Normal" and the styles
// keep their values).
void CPrefPercentPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PREF_INSTRUCTIONS, m_strInstructions);
    for (int r = 0; r < 4; ++r)
        DDX_Control(pDX, (int)kMeters[r], m_meters[r]);
    if (!pDX->m_bSaveAndValidate)
        return;
    for (int r = 0; r < 4; ++r) {
        int t = TypeOfRow(r);
        nMeterColor[t] = PercentIndexToColor(ListSel(::GetDlgItem(m_hWnd, (int)kColorLists[r])));
        if (m_bStylesShown)
            nMeterStyle[t] = PercentIndexToStyle(ListSel(::GetDlgItem(m_hWnd, (int)kStyleLists[r])));
    }
}

void CPrefPercentPropPage::FillList(UINT nId, UINT nItemsId, int nSel)
{
    HWND hList = ::GetDlgItem(m_hWnd, (int)nId);
    ::SendMessageA(hList, CB_RESETCONTENT, 0, 0);
    CString strItems;
    strItems.LoadString(nItemsId);
    int nItem = 0;
    for (int nStart = 0, nEnd; (nEnd = strItems.Find(';', nStart)) >= 0; nStart = nEnd + 1) {
        CString strItem = strItems.Mid(nStart, nEnd - nStart);
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = nItem++;
        item.pszText = const_cast<char*>(strItem.GetString());
        ::SendMessageA(hList, CBEM_INSERTITEMA, 0, (LPARAM)&item);
    }
    ::SendMessageA(hList, CB_SETCURSEL, (WPARAM)nSel, 0);
}

void CPrefPercentPropPage::OnInitPage()
{
    m_brBack.CreateSolidBrush(crBack);
    for (int r = 0; r < 4; ++r) {
        int t = TypeOfRow(r);
        FillList(kColorLists[r], IDS_PREFS_PCT_COLORS, PercentColorToIndex(nMeterColor[t]));
        FillList(kStyleLists[r], IDS_PREFS_PCT_STYLES, PercentStyleToIndex(nMeterStyle[t]));
    }
    srand((unsigned)time(nullptr));
    for (CMyProgCtl& meter : m_meters) {
        meter.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        meter.SetPos(rand() % 31 + 45);
    }
    EnableStyles(StylesActive());
    UpdateSample();
}

void CPrefPercentPropPage::EnableStyles(bool bThemed)
{
    m_bStylesShown = bThemed;
    for (int r = 0; r < 4; ++r) {
        HWND hList = ::GetDlgItem(m_hWnd, (int)kStyleLists[r]);
        ::SendMessageA(hList, CB_SETCURSEL, bThemed ? (WPARAM)PercentStyleToIndex(nMeterStyle[TypeOfRow(r)]) : 0, 0);
        ::EnableWindow(hList, bThemed);
    }
}

LRESULT CPrefPercentPropPage::OnThemeChanged(WPARAM, LPARAM)
{
    EnableStyles(StylesActive());
    return 0;
}

void CPrefPercentPropPage::UpdateSample()
{
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(crBack);
    for (int r = 0; r < 4; ++r) {
        if (!m_meters[r].m_hWnd)
            continue;
        int t = TypeOfRow(r);
        m_meters[r].SetFillState(nMeterColor[t]);
        m_meters[r].SetBarPart(nMeterStyle[t]);
    }
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CPrefPercentPropPage::OnColorChanged(UINT nId)
{
    int r = RowOf(kColorLists, nId);
    if (r < 0)
        return;
    int t = TypeOfRow(r);
    nMeterColor[t] = PercentIndexToColor(ListSel(::GetDlgItem(m_hWnd, (int)nId)));
    m_meters[r].SetFillState(nMeterColor[t]);
    UpdateModified();
}

void CPrefPercentPropPage::OnStyleChanged(UINT nId)
{
    int r = RowOf(kStyleLists, nId);
    if (r < 0)
        return;
    int t = TypeOfRow(r);
    nMeterStyle[t] = PercentIndexToStyle(ListSel(::GetDlgItem(m_hWnd, (int)nId)));
    m_meters[r].SetBarPart(nMeterStyle[t]);
    UpdateModified();
}

void CPrefPercentPropPage::OnFontColor()
{
    if (!ChooseColor("Percent Font Color", crText))
        return;
    UpdateModified();
    UpdateSample();
}

void CPrefPercentPropPage::OnBackgroundColor()
{
    if (!ChooseColor("Percent Background Color", crBack))
        return;
    UpdateModified();
    UpdateSample();
}

BOOL CPrefPercentPropPage::OnEraseBkgnd(CDC* pDC)
{
    BOOL bErased = CPrefsPage::OnEraseBkgnd(pDC);
    CRect rc = SampleArea();
    ::FillRect(pDC->m_hDC, &rc, (HBRUSH)m_brBack.m_hObject);
    return bErased;
}

// The four sample labels: the font colour, transparent, on the background.
HBRUSH CPrefPercentPropPage::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT)
{
    if (!pWnd || !m_brBack.m_hObject)
        return nullptr;
    int nId = ::GetDlgCtrlID(pWnd->m_hWnd);
    if (nId < IDC_PREF_PCT_NAME_CP || nId > IDC_PREF_PCT_NAME_IL)
        return nullptr;
    ::SetTextColor(pDC->m_hDC, crText);
    ::SetBkMode(pDC->m_hDC, TRANSPARENT);
    return (HBRUSH)m_brBack.m_hObject;
}
