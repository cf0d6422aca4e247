// PrefFontColorPages.cpp: the two font-and-colour pages of the preferences:
// Device List (page 8), with a sample tree of the nine device-class
// headings, and Display/Alter (page 12), with a sample hex edit of the bytes
// 00 to FF. CPrefFontColorPage holds what they share.
#include "preferences/AppearancePages.h"

#include "config/DevClass.h"
#include "platform/DDX.h"
#include "platform/Trace.h"

CPrefFontColorPage::CPrefFontColorPage(UINT nIDTemplate, int nPageIndex, const SPrefsPageTables& tables,
                                       const char* pszFontTitle, const char* pszTextTitle, const char* pszBackTitle)
    : CPrefAppearancePage(nIDTemplate, nPageIndex, tables),
      m_pszFontTitle(pszFontTitle),
      m_pszTextTitle(pszTextTitle),
      m_pszBackTitle(pszBackTitle)
{
    lf.lfHeight = -11;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(lf.lfFaceName, "Courier New");
    nPointSize = 8;
}

BEGIN_MESSAGE_MAP(CPrefFontColorPage, CPrefsPage)
    ON_BN_CLICKED(IDC_PREF_FONT, OnChooseFont)
    ON_BN_CLICKED(IDC_PREF_COLOR, OnFontColor)
    ON_BN_CLICKED(IDC_PREF_BACKGROUND, OnBackgroundColor)
END_MESSAGE_MAP()

// The shared controls; each page adds its sample and the sample's label.
BEGIN_DYNAMIC_MAP(CPrefFontColorPage, CPrefsPage)
    DYNAMIC_MAP_ENTRY(IDC_PREF_GROUP, mdResize, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_INSTRUCTIONS, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_FONT_LABEL, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_COLOR_LABEL, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_BACK_LABEL, mdResize)
END_DYNAMIC_MAP()

SFontLook CPrefFontColorPage::Look() const
{
    SFontLook look;
    look.strFace = lf.lfFaceName;
    look.nWeight = lf.lfWeight;
    look.bItalic = lf.lfItalic != 0;
    look.nPointSize = nPointSize;
    look.crText = crText;
    look.crBack = crBack;
    return look;
}

bool CPrefFontColorPage::IsChanged() const
{
    return FontLookChanged(Look(), m_applied);
}

void CPrefFontColorPage::TakeWorkingAsApplied()
{
    m_applied = Look();
}

void CPrefFontColorPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefsPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PREF_INSTRUCTIONS, m_strInstructions);
}

void CPrefFontColorPage::OnChooseFont()
{
    if (!ChooseFont(m_pszFontTitle, lf, nPointSize))
        return;
    OnFontChanged();
    UpdateModified();
}

void CPrefFontColorPage::OnFontColor()
{
    if (!ChooseColor(m_pszTextTitle, crText))
        return;
    OnColorsChanged();
    UpdateModified();
}

void CPrefFontColorPage::OnBackgroundColor()
{
    if (!ChooseColor(m_pszBackTitle, crBack))
        return;
    OnColorsChanged();
    UpdateModified();
}

// ---- Device List -----------------------------------------------------------

namespace {

const SPrefsHelpRow kDevlistBalloons[] = {
    {0, 13400}, {IDC_PREF_GROUP, 13400}, {IDC_PREF_INSTRUCTIONS, kIdsPrefsInstructionsHelp},
    {IDC_PREF_FONT, 13401}, {IDC_PREF_FONT_LABEL, 13401}, {IDC_PREF_COLOR, 13402}, {IDC_PREF_COLOR_LABEL, 13402},
    {IDC_PREF_BACKGROUND, 13403}, {IDC_PREF_BACK_LABEL, 13403}, {IDC_PREF_SAMPLE_LABEL, 13404},
    {IDC_DEVLIST_TREE, 13404},
};
const SPrefsHelpRow kDevlistHelpIds[] = {
    {0, 1875}, {IDC_PREF_FONT, 1881}, {IDC_PREF_COLOR, 1883}, {IDC_PREF_BACKGROUND, 1885}, {IDC_DEVLIST_TREE, 1888},
};
const SPrefsPageTables kDevlistTables = {PREFS_TABLE(kDevlistBalloons), PREFS_TABLE(kDevlistHelpIds), 0, nullptr, 0,
                                         nullptr, 0};

}  // namespace

IMPLEMENT_DYNCREATE(CPrefDevlistPropPage, CPropertyPage)

BEGIN_DYNAMIC_MAP(CPrefDevlistPropPage, CPrefFontColorPage)
    DYNAMIC_MAP_XENTRY(IDC_PREF_SAMPLE_LABEL, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_DEVLIST_TREE, mdResize)
    DYNAMIC_MAP_YENTRY(IDC_DEVLIST_TREE, mdResize)
END_DYNAMIC_MAP()

CPrefDevlistPropPage::CPrefDevlistPropPage()
    : CPrefFontColorPage(IDD, 8, kDevlistTables, "Device List Font", "Device List Font Color",
                         "Device List Background Color")
{
    m_strInstructions =
        "Select the font style, font color and background color desired for the Device List pane by clicking the "
        "appropriate button below. Your current selections will then be reflected in the sample tree control below "
        "so you can see what your selections looks like before actually applying them.";
}

void CPrefDevlistPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefFontColorPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DEVLIST_TREE, m_Tree);
}

void CPrefDevlistPropPage::OnInitPage()
{
    OnColorsChanged();
    OnFontChanged();
    if (m_images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 9, 0)) {
        HBITMAP hBmp = (HBITMAP)::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_DEVLIST_IMAGES),
                                             IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        if (hBmp) {
            m_images.Add(hBmp, RGB(0, 0, 128));
            ::DeleteObject(hBmp);
        }
        m_Tree.SetImageList(m_images, TVSIL_NORMAL);
    }
    for (int i = 0; i < DEVCLASS_COUNT; ++i) {
        TVINSERTSTRUCTA tvis = {};
        tvis.hParent = TVI_ROOT;
        tvis.hInsertAfter = TVI_LAST;
        tvis.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
        tvis.item.pszText = const_cast<char*>(g_DevClassGroups[i].pszHeading);
        tvis.item.iImage = tvis.item.iSelectedImage = i;
        tvis.item.state = tvis.item.stateMask = TVIS_EXPANDED;
        m_Tree.InsertItem(&tvis);
    }
}

// The tree takes the new font before the old one goes.
void CPrefDevlistPropPage::OnFontChanged()
{
    CFont font;
    if (!font.CreateFontIndirect(&lf)) {
        WrenLibAfxTraceEx("CPrefDevlistPropPage::OnFontChanged", "no font \"%s\"", lf.lfFaceName);
        return;
    }
    if (m_Tree.m_hWnd)
        m_Tree.SetFont((HFONT)font.m_hObject);
    m_font.Attach(font.Detach());
}

void CPrefDevlistPropPage::OnColorsChanged()
{
    if (!m_Tree.m_hWnd)
        return;
    m_Tree.SendMessage(TVM_SETBKCOLOR, 0, (LPARAM)crBack);
    m_Tree.SendMessage(TVM_SETTEXTCOLOR, 0, (LPARAM)crText);
    m_Tree.Invalidate();
}

// ---- Display/Alter ---------------------------------------------------------

namespace {

const SPrefsHelpRow kDispAlterBalloons[] = {
    {0, 13600}, {IDC_PREF_GROUP, 13600}, {IDC_PREF_INSTRUCTIONS, kIdsPrefsInstructionsHelp},
    {IDC_PREF_FONT, 13601}, {IDC_PREF_FONT_LABEL, 13601}, {IDC_PREF_COLOR, 13602}, {IDC_PREF_COLOR_LABEL, 13602},
    {IDC_PREF_BACKGROUND, 13603}, {IDC_PREF_BACK_LABEL, 13603}, {IDC_PREF_HEX_SAMPLE_LABEL, 17042},
    {IDC_PREF_HEX_SAMPLE, 17042},
};
const SPrefsHelpRow kDispAlterHelpIds[] = {
    {0, 2124}, {IDC_PREF_FONT, 2130}, {IDC_PREF_COLOR, 2132}, {IDC_PREF_BACKGROUND, 2134},
};
const SPrefsPageTables kDispAlterTables = {PREFS_TABLE(kDispAlterBalloons), PREFS_TABLE(kDispAlterHelpIds), 0,
                                           nullptr, 0, nullptr, 0};

// The sample's bytes: byte i holds i.
BYTE g_abHexSample[256];

}  // namespace

IMPLEMENT_DYNCREATE(CPrefDisplayAlterPropPage, CPropertyPage)

BEGIN_DYNAMIC_MAP(CPrefDisplayAlterPropPage, CPrefFontColorPage)
    DYNAMIC_MAP_XENTRY(IDC_PREF_HEX_SAMPLE_LABEL, mdResize)
    DYNAMIC_MAP_XENTRY(IDC_PREF_HEX_SAMPLE, mdResize)
    DYNAMIC_MAP_YENTRY(IDC_PREF_HEX_SAMPLE, mdResize)
END_DYNAMIC_MAP()

CPrefDisplayAlterPropPage::CPrefDisplayAlterPropPage()
    : CPrefFontColorPage(IDD, 12, kDispAlterTables, "Display/Alter Memory Font", "Display/Alter Memory Font Color",
                         "Display/Alter Memory Background Color")
{
    CHexEdit::RegisterClass();  // the template names the sample's class
    m_strInstructions =
        "Select the font style, font color and background color desired for the Display/Alter Memory pane by "
        "clicking the appropriate button below. Your current selections will then be reflected in the sample "
        "Hexedit control below so you can see what your selections looks like before actually applying them.";
}

void CPrefDisplayAlterPropPage::DoDataExchange(CDataExchange* pDX)
{
    CPrefFontColorPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PREF_HEX_SAMPLE, m_Hex);
}

void CPrefDisplayAlterPropPage::OnInitPage()
{
    UpdateSample();
}

// A read-only view of the 256 bytes; the sample has no highlight of its own.
void CPrefDisplayAlterPropPage::UpdateSample()
{
    if (!m_Hex.m_hWnd)
        return;
    for (int i = 0; i < 256; ++i)
        g_abHexSample[i] = (BYTE)i;
    HEPARMS parms;
    parms.dwMask = HEPM_COLORS | HEPM_READONLYCOLORS | HEPM_FONT | HEPM_DATASIZE | HEPM_DATA | HEPM_LAYOUT | HEPM_FLAGS;
    parms.clrText = parms.clrReadOnlyText = crText;
    parms.clrBack = parms.clrReadOnlyBack = crBack;
    parms.clrHighlightText = parms.clrReadOnlyHighlightText = crBack;
    parms.clrHighlightBack = parms.clrReadOnlyHighlightBack = crText;
    parms.lfFont = lf;
    parms.nDataSize = sizeof g_abHexSample;
    parms.pData = g_abHexSample;
    parms.nGroupBytes = 4;
    parms.nPaneGap = 2;
    parms.dwFlags = HEF_READONLY;
    m_Hex.SetParms(parms);
    m_Hex.Invalidate();
}
