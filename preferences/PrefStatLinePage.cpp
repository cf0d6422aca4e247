// PrefStatLinePage.cpp: CPrefStatLinePropPage, the preferences' Status Bar
// page: the font of the system status line and the register bars, and which
// of the status line's five parts show in which order, on a 5 x 5 grid of
// check boxes (box 3101 + 5 x part + column), with a sample line.
#include "preferences/AppearancePages.h"

#include <algorithm>
#include <cstring>

#include "framework/HelpKeys.h"
#include "platform/CDC.h"
#include "platform/DDX.h"
#include "platform/Trace.h"

namespace {

const DWORD kGridHelpKey = MakeHelpKey(IDD_PREF_STATLINE, IDC_PREF_GRID_LAST);

const SPrefsHelpRow kBalloons[] = {
    {0, 13550}, {IDC_PREF_GROUP, 13550}, {IDC_PREF_INSTRUCTIONS, kIdsPrefsInstructionsHelp},
    {IDC_PREF_FONT, 17041}, {IDC_PREF_FONT_LABEL, 17041}, {IDC_PREF_POSITION_GROUP, 13551},
    {IDC_PREF_COLUMNS, 13551}, {3101, 13551}, {3102, 13551}, {3103, 13551}, {3104, 13551}, {3105, 17043},
    {3106, 13551}, {3107, 13551}, {3108, 13551}, {3109, 13551}, {3110, 17044}, {3111, 13551}, {3112, 13551},
    {3113, 13551}, {3114, 13551}, {3115, 17045}, {3116, 13551}, {3117, 13551}, {3118, 13551}, {3119, 13551},
    {3120, 17046}, {3121, 13551}, {3122, 13551}, {3123, 13551}, {3124, 13551}, {3125, 17047},
    {IDC_PREF_SAMPLE_GROUP, 17042}, {IDC_PREF_SAMPLE_LINE, 17042},
};
// Every grid box but the last shares the last one's help; that key, not in
// the table, is its own help id.
const SPrefsHelpRow kHelpIds[] = {
    {3101, kGridHelpKey}, {3102, kGridHelpKey}, {3103, kGridHelpKey}, {3104, kGridHelpKey}, {3105, kGridHelpKey},
    {3106, kGridHelpKey}, {3107, kGridHelpKey}, {3108, kGridHelpKey}, {3109, kGridHelpKey}, {3110, kGridHelpKey},
    {3111, kGridHelpKey}, {3112, kGridHelpKey}, {3113, kGridHelpKey}, {3114, kGridHelpKey}, {3115, kGridHelpKey},
    {3116, kGridHelpKey}, {3117, kGridHelpKey}, {3118, kGridHelpKey}, {3119, kGridHelpKey}, {3120, kGridHelpKey},
    {3121, kGridHelpKey}, {3122, kGridHelpKey}, {3123, kGridHelpKey}, {3124, kGridHelpKey},
};
const SPrefsPageTables kTables = {PREFS_TABLE(kBalloons), PREFS_TABLE(kHelpIds), 0, nullptr, 0, nullptr, 0};

const char kFontTitle[] = "Registers Bars and System Status Font";

}  // namespace

IMPLEMENT_DYNCREATE(CPrefStatLinePropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CPrefStatLinePropPage, CPrefsPage)
    ON_BN_CLICKED(IDC_PREF_FONT, OnChooseFont)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_PREF_GRID_FIRST, IDC_PREF_GRID_LAST, OnFieldGridClicked)
    ON_WM_SIZE_AFTER_BASE(OnPageSized)
END_MESSAGE_MAP()

#define GRID_ROW(n)                                                                                        \
    DYNAMIC_MAP_ENTRY(n, mdRelative, mdRelative) DYNAMIC_MAP_ENTRY(n + 1, mdRelative, mdRelative)          \
        DYNAMIC_MAP_ENTRY(n + 2, mdRelative, mdRelative) DYNAMIC_MAP_ENTRY(n + 3, mdRelative, mdRelative) \
            DYNAMIC_MAP_ENTRY(n + 4, mdRelative, mdRelative)

BEGIN_DYNAMIC_MAP(CPrefStatLinePropPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_ENTRY(IDC_PREF_INSTRUCTIONS, mdResize, mdNone)
    DYNAMIC_MAP_ENTRY(IDC_PREF_POSITION_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_ENTRY(IDC_PREF_COLUMNS, mdRelative, mdRelative)
    GRID_ROW(3101)
    GRID_ROW(3106)
    GRID_ROW(3111)
    GRID_ROW(3116)
    GRID_ROW(3121)
    DYNAMIC_MAP_ENTRY(IDC_PREF_SAMPLE_GROUP, mdResize, mdRepos)
    DYNAMIC_MAP_ENTRY(IDC_PREF_SAMPLE_LINE, mdResize, mdRepos)
END_DYNAMIC_MAP()

CPrefStatLinePropPage::CPrefStatLinePropPage()
    : CPrefAppearancePage(IDD, 11, kTables),
      m_strInstructions("Select below the font to be used for the System Status Line and Registers bars and which "
                        "parts of the status line you wish to display and the sequence they should be displayed in. "
                        "The column numbers define their relative order with one another. Check the desired column "
                        "to display the part in that relative position or else clear the checkbox altogether to "
                        "prevent it from being shown.")
{
}

bool CPrefStatLinePropPage::IsChanged() const
{
    return memcmp(m_parts.order, m_applied.order, sizeof m_parts.order) != 0 ||
           memcmp(m_parts.visible, m_applied.visible, sizeof m_parts.visible) != 0 ||
           memcmp(&lf, &m_lfApplied, sizeof lf) != 0 || nPointSize != m_nAppliedFontPointSize;
}

void CPrefStatLinePropPage::SaveAppliedValues()
{
    m_applied = m_parts;
    m_lfApplied = lf;
    m_nAppliedFontPointSize = nPointSize;
}

// The grid takes the working order and visibility (an order with a repeated
// part starts as 0, 1, 2, 3, 4, and the working fields follow it).
void CPrefStatLinePropPage::TakeWorkingAsApplied()
{
    bool visible[kStatusLineParts];
    for (int i = 0; i < kStatusLineParts; ++i)
        visible[i] = bVisible[i] != 0;
    m_parts.Set(nOrder, visible);
    StoreParts();
    SaveAppliedValues();
}

void CPrefStatLinePropPage::StoreParts()
{
    for (int i = 0; i < kStatusLineParts; ++i) {
        nOrder[i] = m_parts.order[i];
        bVisible[i] = m_parts.visible[i] ? 1 : 0;
    }
}

// Only towards the controls: the grid keeps the working fields current.
void CPrefStatLinePropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    if (pDX->m_bSaveAndValidate)
        return;
    DDX_Text(pDX, IDC_PREF_INSTRUCTIONS, m_strInstructions);
    ShowGrid();
    UpdateSampleLine();
}

void CPrefStatLinePropPage::ShowGrid()
{
    for (int r = 0; r < kStatusLineParts; ++r)
        for (int c = 0; c < kStatusLineParts; ++c)
            CheckDlgButton(IDC_PREF_GRID_FIRST + 5 * r + c, m_parts.IsTicked(r, c) ? BST_CHECKED : BST_UNCHECKED);
}

void CPrefStatLinePropPage::OnInitPage()
{
    ApplySampleFont();
    UpdateSampleLine();
}

// In the sample's own font, on the lines its label holds: a line longer
// than the label was cut ("........" and no more).
void CPrefStatLinePropPage::UpdateSampleLine()
{
    HWND hSample = ::GetDlgItem(m_hWnd, IDC_PREF_SAMPLE_LINE);
    if (!hSample)
        return;
    CRect rc;
    ::GetClientRect(hSample, &rc);
    CClientDC dc(hSample);
    CDCSelect selFont(dc, (HFONT)::SendMessageA(hSample, WM_GETFONT, 0, 0));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(dc, &tm);
    auto width = [&dc](const CString& str) {
        SIZE size = {};
        ::GetTextExtentPoint32A(dc, str, str.GetLength(), &size);
        return (int)size.cx;
    };
    int nLines = tm.tmHeight > 0 ? std::max(1, rc.Height() / (int)tm.tmHeight) : 1;
    ::SetWindowTextA(hSample, m_parts.SampleLines(width, rc.Width(), nLines));
}

void CPrefStatLinePropPage::OnPageSized(UINT, int, int)
{
    UpdateSampleLine();
}

// The label takes the new font before the old one goes.
void CPrefStatLinePropPage::ApplySampleFont()
{
    CFont font;
    if (!font.CreateFontIndirect(&lf)) {
        WrenLibAfxTraceEx("CPrefStatLinePropPage::ApplySampleFont", "no font \"%s\"", lf.lfFaceName);
        return;
    }
    ::SendMessageA(::GetDlgItem(m_hWnd, IDC_PREF_SAMPLE_LINE), WM_SETFONT, (WPARAM)font.m_hObject, TRUE);
    m_font.Attach(font.Detach());
}

void CPrefStatLinePropPage::OnFieldGridClicked(UINT nId)
{
    int k = (int)nId - IDC_PREF_GRID_FIRST;
    m_parts.Click(k / 5, k % 5, IsChecked(nId));
    StoreParts();
    ShowGrid();
    UpdateSampleLine();
    UpdateModified();
}

void CPrefStatLinePropPage::OnChooseFont()
{
    if (!ChooseFont(kFontTitle, lf, nPointSize))
        return;
    ApplySampleFont();
    UpdateSampleLine();
    UpdateModified();
}
