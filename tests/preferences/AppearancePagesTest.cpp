// AppearancePagesTest.cpp: the preferences' six appearance pages under Wine,
// with a window in the view's role and the colour and font dialogs answered
// by the test: the samples follow each choice, the applies deliver their
// values, the page's fonts stay its own, the status line's grid, the
// percent lists with and without visual styles, and the help tables.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>
#include <richedit.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "PrefsViewStandIn.h"
#include "config/StartupObjects.h"
#include "framework/HelpKeys.h"
#include "platform/ErrorBalloon.h"
#include "preferences/AppearanceRules.h"
#include "session/ConsoleClassifier.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/preferences/PrefsBalloonTails.h"
#include "tests/preferences/PrefsDialogAnswers.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/support/TextFits.h"

namespace {

using vorntest::DialogAnswers;

void Press(HWND hDlg, int nId)
{
    vorntest::PressButton(hDlg, nId);
}

void Toggle(CWnd& page, int nId)
{
    vorntest::ToggleBox(page, nId);
}

bool IsApplyEnabled(HWND hDlg)
{
    return ::IsWindowEnabled(::GetDlgItem(hDlg, ID_APPLY_NOW)) != FALSE;
}

std::string ItemText(CWnd& page, int nId)
{
    return vorntest::WindowText(::GetDlgItem(page.m_hWnd, nId));
}

// Apply hands every page whose window exists to the view, in order.
bool WasApplied(const CPrefsViewStandIn& view, int nPage)
{
    return std::find(view.m_applied.begin(), view.m_applied.end(), nPage) != view.m_applied.end();
}

// Runs the dialog with one step: the modal loops that step opens (colour and
// font dialogs) run the driver's timer too, which must not start it again.
void RunOnce(CPreferencesDlg& dlg, const std::function<bool(HWND)>& step)
{
    bool bBusy = false;
    vorntest::RunModal(dlg, [&](HWND h) {
        if (bBusy)
            return true;
        bBusy = true;
        step(h);
        return false;
    });
}

LOGFONTA MakeFont(const char* pszFace, LONG nHeight, LONG nWeight, bool bItalic)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic ? 1 : 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(lf.lfFaceName, pszFace);
    return lf;
}

// The character format of the sample's characters [nStart, nEnd).
CHARFORMATA FormatAt(CRichEditCtrl& re, long nStart, long nEnd)
{
    CHARRANGE old;
    re.GetSel(old);
    re.SetSel(nStart, nEnd);
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    ::SendMessageA(re.m_hWnd, EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
    re.SetSel(old.cpMin, old.cpMax);
    return cf;
}

// The start of each sample line in the control.
std::vector<long> LineStarts()
{
    std::vector<long> starts;
    long n = 0;
    for (const char* psz : g_apszSampleConsoleLines) {
        starts.push_back(n);
        n += (long)strlen(psz) + 1;
    }
    starts.push_back(n);
    return starts;
}

struct AppearanceTest : ::testing::Test {
    TempDir iniDir;
    std::string strIni = iniDir.Path("appearance_tests.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    CPrefsViewStandIn view;

    // Console values as the view hands them over: descriptions only.
    void FillConsole(CPreferencesDlg& dlg)
    {
        view.Register(dlg);
        CPrefConsPropPage& p = dlg.m_ConsPage;
        const COLORREF colors[5] = {RGB(0, 0, 0), RGB(0, 128, 0), RGB(128, 128, 128), RGB(255, 0, 0),
                                    RGB(160, 96, 0)};
        for (int k = 0; k < 5; ++k) {
            p.crKind[k] = colors[k];
            p.lfKind[k] = MakeFont("Courier New", -13, k == kMsgError ? FW_BOLD : FW_NORMAL, k == kMsgDebug);
        }
        p.crBackground = RGB(255, 255, 240);
        p.nPointSize = 10;
    }
};

}  // namespace

// ---- Console ---------------------------------------------------------------

TEST_F(AppearanceTest, ConsoleSampleIsFormattedLineByLine)
{
    CPreferencesDlg dlg;
    FillConsole(dlg);
    dlg.m_nStartPage = kPrefsConsole;
    std::vector<CHARFORMATA> formats;
    long nTwips = 0, nExpectedTwips = -1;
    bool bBoldBox = false, bItalicBox = true, bApply = true;
    RunOnce(dlg, [&](HWND h) {
        CPrefConsPropPage& p = dlg.m_ConsPage;
        std::vector<long> starts = LineStarts();
        for (int i = 0; i < kSampleConsoleLines; ++i)
            formats.push_back(FormatAt(p.Sample(), starts[i], starts[i + 1] - 1));
        nTwips = p.SampleHeightTwips();
        HDC hdc = ::GetDC(p.m_hWnd);
        HGDIOBJ hOld = ::SelectObject(hdc, p.KindFont(0));
        TEXTMETRICA tm = {};
        ::GetTextMetricsA(hdc, &tm);
        nExpectedTwips = ((tm.tmHeight - tm.tmInternalLeading) * 72 / ::GetDeviceCaps(hdc, LOGPIXELSY)) * 20;
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(p.m_hWnd, hdc);
        bBoldBox = ::IsDlgButtonChecked(p.m_hWnd, IDC_PREF_ERROR_BOLD) == BST_CHECKED;
        bItalicBox = ::IsDlgButtonChecked(p.m_hWnd, IDC_PREF_WARN_ITALIC) == BST_CHECKED;
        bApply = IsApplyEnabled(h);
        Press(h, IDCANCEL);
        return false;
    });
    ASSERT_EQ(formats.size(), (size_t)kSampleConsoleLines);
    EXPECT_TRUE(bBoldBox);
    EXPECT_FALSE(bItalicBox);
    EXPECT_FALSE(bApply);
    EXPECT_GT(nTwips, 0);
    EXPECT_EQ(nTwips, nExpectedTwips);
    for (int i = 0; i < kSampleConsoleLines; ++i) {
        int nKind = ClassifyMessage(CString(g_apszSampleConsoleLines[i]));
        const CHARFORMATA& cf = formats[(size_t)i];
        EXPECT_EQ(cf.crTextColor, dlg.m_ConsPage.crKind[nKind]) << i;
        EXPECT_EQ((cf.dwEffects & CFE_BOLD) != 0, nKind == kMsgError) << i;
        EXPECT_EQ((cf.dwEffects & CFE_ITALIC) != 0, nKind == kMsgDebug) << i;
        EXPECT_STREQ(cf.szFaceName, "Courier New") << i;
        EXPECT_EQ(cf.yHeight, nTwips) << i;
    }
    // The installer lines carry no identifier: plain text colour.
    EXPECT_EQ(formats[14].crTextColor, RGB(0, 0, 0));
}

TEST_F(AppearanceTest, ConsoleBoldForWarningsShowsAtOnceAndUndoes)
{
    CPreferencesDlg dlg;
    FillConsole(dlg);
    dlg.m_nStartPage = kPrefsConsole;
    bool bBold = false, bApplyOn = false, bApplyOff = true;
    LONG nWeight = 0;
    RunOnce(dlg, [&](HWND h) {
        CPrefConsPropPage& p = dlg.m_ConsPage;
        Toggle(p, IDC_PREF_WARN_BOLD);
        std::vector<long> starts = LineStarts();
        bBold = (FormatAt(p.Sample(), starts[10], starts[11] - 1).dwEffects & CFE_BOLD) != 0;
        nWeight = p.lfKind[kMsgWarning].lfWeight;
        bApplyOn = IsApplyEnabled(h);
        Toggle(p, IDC_PREF_WARN_BOLD);
        bApplyOff = IsApplyEnabled(h);
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_TRUE(bBold);
    EXPECT_EQ(nWeight, FW_BOLD);
    EXPECT_TRUE(bApplyOn);
    EXPECT_FALSE(bApplyOff);
}

// Each kind takes the new face and size but keeps its weight and italic.
TEST(ConsoleFont, SpreadKeepsEachKindsWeightAndItalic)
{
    LOGFONTA lf[5];
    const LONG weights[5] = {400, 700, 400, 800, 300};
    const bool italics[5] = {false, false, true, true, false};
    for (int k = 0; k < 5; ++k)
        lf[k] = MakeFont("Courier New", -13, weights[k], italics[k]);
    lf[0] = MakeFont("Lucida Console", -16, FW_NORMAL, false);
    lf[0].lfCharSet = DEFAULT_CHARSET;
    SpreadConsoleFont(lf);
    for (int k = 1; k < 5; ++k) {
        EXPECT_STREQ(lf[k].lfFaceName, "Lucida Console") << k;
        EXPECT_EQ(lf[k].lfHeight, -16) << k;
        EXPECT_EQ(lf[k].lfWeight, weights[k]) << k;
        EXPECT_EQ(lf[k].lfItalic != 0, italics[k]) << k;
        EXPECT_EQ(lf[k].lfCharSet, DEFAULT_CHARSET) << k;
    }
}

// A new font and warning colour, applied by Apply, reach the view as
// descriptions; Cancel afterwards leaves every font the view owns alive.
TEST_F(AppearanceTest, ConsoleApplyDeliversFontAndWarningColour)
{
    // The view's own fonts, made from the descriptions it hands over.
    CPreferencesDlg dlg;
    FillConsole(dlg);
    HFONT hViewFonts[5];
    for (int k = 0; k < 5; ++k)
        hViewFonts[k] = ::CreateFontIndirectA(&dlg.m_ConsPage.lfKind[k]);
    dlg.m_nStartPage = kPrefsConsole;
    DialogAnswers font(dlg);
    font.strFace = "Tahoma";
    font.nSize = 12;
    DialogAnswers& color = font;
    color.cr = RGB(200, 100, 10);
    bool bModified = false, bApplyAfter = true;
    RunOnce(dlg, [&](HWND h) {
        Press(dlg.m_ConsPage.m_hWnd, IDC_PREF_FONT);
        Press(dlg.m_ConsPage.m_hWnd, IDC_PREF_WARN_COLOR);
        bModified = IsApplyEnabled(h);
        Press(h, ID_APPLY_NOW);
        bApplyAfter = IsApplyEnabled(h);
        Press(dlg.m_ConsPage.m_hWnd, IDC_PREF_FONT);  // changed again, then Cancel
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(font.fontTitles, (std::vector<std::string>{"Vornamic Console Font", "Vornamic Console Font"}));
    EXPECT_EQ(color.colorTitles, (std::vector<std::string>{"Warning Messages Color"}));
    EXPECT_TRUE(bModified);
    EXPECT_FALSE(bApplyAfter);
    EXPECT_TRUE(WasApplied(view, kPrefsConsole));
    EXPECT_EQ(view.m_crConsole[kMsgWarning], RGB(200, 100, 10));
    for (int k = 0; k < 5; ++k) {
        const LOGFONTA& lf = view.m_lfConsole[k];
        EXPECT_STREQ(lf.lfFaceName, "Tahoma") << k;
        EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET) << k;
        EXPECT_EQ(lf.lfOutPrecision, 0) << k;
        EXPECT_EQ(lf.lfClipPrecision, 0) << k;
        EXPECT_EQ(lf.lfQuality, 0) << k;
        EXPECT_EQ(lf.lfPitchAndFamily, 0) << k;
        EXPECT_EQ(lf.lfWeight, k == kMsgError ? FW_BOLD : FW_NORMAL) << k;
        EXPECT_EQ(lf.lfItalic != 0, k == kMsgDebug) << k;
    }
    EXPECT_EQ(dlg.m_ConsPage.nPointSize, 12);
    for (HFONT hFont : hViewFonts) {
        LOGFONTA lf = {};
        EXPECT_EQ(::GetObjectType(hFont), (DWORD)OBJ_FONT);
        EXPECT_EQ(::GetObjectA(hFont, sizeof lf, &lf), (int)sizeof lf);
        EXPECT_STREQ(lf.lfFaceName, "Courier New");
        ::DeleteObject(hFont);
    }
}

TEST_F(AppearanceTest, ConsoleColourTitlesAndBackgroundKeepTheFormat)
{
    CPreferencesDlg dlg;
    FillConsole(dlg);
    dlg.m_nStartPage = kPrefsConsole;
    DialogAnswers color(dlg);
    color.cr = RGB(10, 20, 30);
    CHARFORMATA before = {}, after = {};
    CHARRANGE selBefore = {}, selAfter = {};
    RunOnce(dlg, [&](HWND h) {
        CPrefConsPropPage& p = dlg.m_ConsPage;
        for (int nId : {IDC_PREF_COLOR, IDC_PREF_INFO_COLOR, IDC_PREF_DEBUG_COLOR, IDC_PREF_ERROR_COLOR})
            Press(p.m_hWnd, nId);
        color.bGive = false;  // Cancel changes nothing
        Press(p.m_hWnd, IDC_PREF_WARN_COLOR);
        color.bGive = true;
        color.cr = RGB(0, 0, 64);
        p.Sample().SetSel(3, 7);
        before = FormatAt(p.Sample(), 0, 5);
        p.Sample().GetSel(selBefore);
        Press(p.m_hWnd, IDC_PREF_BACKGROUND);
        after = FormatAt(p.Sample(), 0, 5);
        p.Sample().GetSel(selAfter);
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(color.colorTitles,
              (std::vector<std::string>{"Console Font Color", "Information Messages Color", "Debug Messages Color",
                                        "Error Messages Color", "Warning Messages Color",
                                        "Console Background Color"}));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(dlg.m_ConsPage.crKind[k], RGB(10, 20, 30)) << k;
    EXPECT_EQ(dlg.m_ConsPage.crKind[kMsgWarning], RGB(160, 96, 0));
    EXPECT_EQ(dlg.m_ConsPage.crBackground, RGB(0, 0, 64));
    EXPECT_EQ(after.crTextColor, before.crTextColor);
    EXPECT_EQ(selAfter.cpMin, 3);
    EXPECT_EQ(selAfter.cpMax, 7);
    EXPECT_TRUE(view.m_applied.empty());
}

// ---- Device List and Display/Alter -------------------------------------------

TEST_F(AppearanceTest, DeviceListSampleTreeAndColours)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    dlg.m_DevlistPage.lf = MakeFont("Courier New", -11, FW_BOLD, false);
    dlg.m_DevlistPage.nPointSize = 8;
    dlg.m_DevlistPage.crText = RGB(255, 255, 0);
    dlg.m_DevlistPage.crBack = RGB(0, 0, 96);
    dlg.m_nStartPage = kPrefsDevList;
    DialogAnswers color(dlg);
    color.cr = RGB(0, 255, 0);
    std::vector<std::string> texts;
    std::vector<int> images;
    bool bAllExpanded = true, bImageList = false;
    COLORREF crText = 0, crBack = 0;
    RunOnce(dlg, [&](HWND h) {
        CTreeCtrl& tree = dlg.m_DevlistPage.Tree();
        bImageList = TreeView_GetImageList(tree.m_hWnd, TVSIL_NORMAL) != nullptr;
        for (HTREEITEM hItem = TreeView_GetRoot(tree.m_hWnd); hItem;
             hItem = TreeView_GetNextSibling(tree.m_hWnd, hItem)) {
            char sz[64] = "";
            TVITEMA item = {};
            item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_STATE;
            item.hItem = hItem;
            item.pszText = sz;
            item.cchTextMax = sizeof sz;
            item.stateMask = TVIS_EXPANDED;
            TreeView_GetItem(tree.m_hWnd, &item);
            texts.push_back(sz);
            images.push_back(item.iImage);
            bAllExpanded = bAllExpanded && (item.state & TVIS_EXPANDED);
        }
        Press(dlg.m_DevlistPage.m_hWnd, IDC_PREF_COLOR);
        crText = TreeView_GetTextColor(tree.m_hWnd);
        color.cr = RGB(32, 32, 32);
        Press(dlg.m_DevlistPage.m_hWnd, IDC_PREF_BACKGROUND);
        crBack = TreeView_GetBkColor(tree.m_hWnd);
        Press(h, ID_APPLY_NOW);
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(texts, (std::vector<std::string>{"Card Readers", "Card Punches", "Line Printers", "Console Printers",
                                               "Display Terminals", "Disk Drives", "Tape Drives",
                                               "Communication Devices", "(unknown device types)"}));
    EXPECT_EQ(images, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_TRUE(bAllExpanded);
    EXPECT_TRUE(bImageList);
    EXPECT_EQ(color.colorTitles, (std::vector<std::string>{"Device List Font Color", "Device List Background Color"}));
    EXPECT_EQ(crText, RGB(0, 255, 0));
    EXPECT_EQ(crBack, RGB(32, 32, 32));
    EXPECT_TRUE(WasApplied(view, kPrefsDevList));
    EXPECT_EQ(view.m_crDevListText, RGB(0, 255, 0));
}

// The font dialog's choice: the tree shows it, the modified state follows
// the change test (the same face and size again is no change).
TEST_F(AppearanceTest, DeviceListFontFollowsTheChangeTest)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    dlg.m_DevlistPage.lf = MakeFont("Tahoma", -16, FW_NORMAL, false);
    dlg.m_DevlistPage.nPointSize = 12;
    dlg.m_nStartPage = kPrefsDevList;
    DialogAnswers font(dlg);
    font.strFace = "Tahoma";
    font.nSize = 12;
    std::vector<bool> apply;
    std::string strTreeFace;
    RunOnce(dlg, [&](HWND h) {
        Press(dlg.m_DevlistPage.m_hWnd, IDC_PREF_FONT);
        apply.push_back(IsApplyEnabled(h));
        font.nSize = 14;
        Press(dlg.m_DevlistPage.m_hWnd, IDC_PREF_FONT);
        apply.push_back(IsApplyEnabled(h));
        LOGFONTA lf = {};
        ::GetObjectA((HFONT)dlg.m_DevlistPage.Tree().SendMessage(WM_GETFONT), sizeof lf, &lf);
        strTreeFace = lf.lfFaceName;
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(font.fontTitles, (std::vector<std::string>{"Device List Font", "Device List Font"}));
    EXPECT_EQ(apply, (std::vector<bool>{false, true}));
    EXPECT_EQ(dlg.m_DevlistPage.nPointSize, 14);
    EXPECT_EQ(strTreeFace, "Tahoma");
}

TEST_F(AppearanceTest, DisplayAlterSampleShowsTheBytesInTheColours)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    dlg.m_DisplayAlterPage.lf = MakeFont("Courier New", -13, FW_NORMAL, false);
    dlg.m_DisplayAlterPage.crText = RGB(0, 0, 0);
    dlg.m_DisplayAlterPage.crBack = RGB(255, 255, 255);
    dlg.m_nStartPage = kPrefsDisplayAlter;
    DialogAnswers color(dlg);
    color.cr = RGB(0, 0, 80);
    HEPARMS parms;
    std::vector<int> bytes;
    RunOnce(dlg, [&](HWND h) {
        Press(dlg.m_DisplayAlterPage.m_hWnd, IDC_PREF_BACKGROUND);
        parms = dlg.m_DisplayAlterPage.Sample().GetParms();
        for (UINT i = 0; i < parms.nDataSize && parms.pData; ++i)
            bytes.push_back(parms.pData[i]);
        Press(h, ID_APPLY_NOW);
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(color.colorTitles, (std::vector<std::string>{"Display/Alter Memory Background Color"}));
    ASSERT_EQ(bytes.size(), 256u);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(bytes[(size_t)i], i);
    EXPECT_EQ(parms.clrBack, RGB(0, 0, 80));
    EXPECT_EQ(parms.clrText, RGB(0, 0, 0));
    EXPECT_STREQ(parms.lfFont.lfFaceName, "Courier New");
    EXPECT_TRUE(WasApplied(view, kPrefsDisplayAlter));
    EXPECT_EQ(view.m_crDisplayAlterBack, RGB(0, 0, 80));
}

// ---- Controls --------------------------------------------------------------

namespace {

// The pixels of a bitmap, top row first.
std::vector<COLORREF> Pixels(const CBitmap& bmp, int& cx, int& cy)
{
    BITMAP bm = {};
    bmp.GetBitmap(&bm);
    cx = bm.bmWidth;
    cy = bm.bmHeight;
    std::vector<COLORREF> px;
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, bmp.m_hObject);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            px.push_back(::GetPixel(hdc, x, y));
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return px;
}

}  // namespace

TEST_F(AppearanceTest, ControlsRecolourTheBitmapsAndSizeTheButtons)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    dlg.m_ControlsPage.crText = RGB(255, 255, 255);
    dlg.m_ControlsPage.crBack = RGB(0, 0, 0);
    dlg.m_nStartPage = kPrefsControls;
    DialogAnswers color(dlg);
    std::vector<SIZE> sizes;
    int nKeyLeft[4] = {}, nWhiteLeft[4] = {}, nBackNow[4] = {}, nTextNow[4] = {};
    std::vector<bool> apply;
    RunOnce(dlg, [&](HWND h) {
        CPrefControlsPropPage& p = dlg.m_ControlsPage;
        for (int nId : {IDC_PANEL_METER, IDC_PANEL_DIAL1, IDC_PANEL_DIAL2, IDC_PANEL_SYSON, IDC_PANEL_WAITOFF}) {
            RECT rc;
            ::GetClientRect(::GetDlgItem(p.m_hWnd, nId), &rc);
            sizes.push_back(SIZE{rc.right, rc.bottom});
        }
        color.cr = RGB(0, 128, 64);
        Press(p.m_hWnd, IDC_PREF_BACKGROUND);
        color.cr = RGB(255, 200, 0);
        Press(p.m_hWnd, IDC_PREF_COLOR);
        apply.push_back(IsApplyEnabled(h));
        for (int i = 0; i < 4; ++i) {
            int cx, cy;
            for (COLORREF c : Pixels(p.Recolored(i), cx, cy)) {
                nKeyLeft[i] += c == RGB(0, 0, 128);
                nWhiteLeft[i] += c == RGB(255, 255, 255);
                nBackNow[i] += c == RGB(0, 128, 64);
                nTextNow[i] += c == RGB(255, 200, 0);
            }
        }
        // The applied colours again: no change.
        color.cr = RGB(0, 0, 0);
        Press(p.m_hWnd, IDC_PREF_BACKGROUND);
        color.cr = RGB(255, 255, 255);
        Press(p.m_hWnd, IDC_PREF_COLOR);
        apply.push_back(IsApplyEnabled(h));
        Press(h, IDCANCEL);
        return false;
    });
    ASSERT_EQ(sizes.size(), 5u);
    const SIZE expected[5] = {{124, 42}, {59, 54}, {59, 54}, {23, 37}, {23, 37}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(sizes[(size_t)i].cx, expected[i].cx) << i;
        EXPECT_EQ(sizes[(size_t)i].cy, expected[i].cy) << i;
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(nKeyLeft[i], 0) << i;
        EXPECT_GT(nBackNow[i], 0) << i;
    }
    // White turns to the font colour on the meter and the lamps, not the dial.
    for (int i : {CPrefControlsPropPage::kMeter, CPrefControlsPropPage::kSysOn, CPrefControlsPropPage::kWaitOff}) {
        EXPECT_EQ(nWhiteLeft[i], 0) << i;
        EXPECT_GT(nTextNow[i], 0) << i;
    }
    EXPECT_EQ(nTextNow[CPrefControlsPropPage::kDial], 0);
    EXPECT_EQ(apply, (std::vector<bool>{true, false}));
    EXPECT_EQ(color.colorTitles.front(), "Controls Background Color");
    EXPECT_EQ(color.colorTitles[1], "Controls Font Color");
}

TEST_F(AppearanceTest, FiftyColourChangesLeaveNoGdiObjectBehind)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    dlg.m_nStartPage = kPrefsControls;
    DialogAnswers color(dlg);
    // The count wanders by one with the colours chosen (the system frees some
    // objects of a repaint a little late); a leak is a count that never comes
    // down again.
    DWORD nHighestFirst = 0, nLowestLast = MAXDWORD;
    RunOnce(dlg, [&](HWND h) {
        for (int i = 0; i < 50; ++i) {
            color.cr = RGB(i * 5, 255 - i * 5, i);
            Press(dlg.m_ControlsPage.m_hWnd, i % 2 ? IDC_PREF_COLOR : IDC_PREF_BACKGROUND);
            if (i < 10)
                nHighestFirst = std::max(nHighestFirst, vorntest::GdiObjectCount());
            if (i >= 40)
                nLowestLast = std::min(nLowestLast, vorntest::GdiObjectCount());
        }
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(color.colorTitles.size(), 50u);
    EXPECT_LE(nLowestLast, nHighestFirst) << "the lowest count of the last 10 changes is above the highest of the first 10";
}

// ---- Percent Bar -------------------------------------------------------------

namespace {

int ListSel(CWnd& page, int nId)
{
    return (int)::SendDlgItemMessageA(page.m_hWnd, nId, CB_GETCURSEL, 0, 0);
}

void Choose(CWnd& page, int nId, int nIndex)
{
    ::SendDlgItemMessageA(page.m_hWnd, nId, CB_SETCURSEL, (WPARAM)nIndex, 0);
    ::SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(nId, CBN_SELENDOK), (LPARAM)::GetDlgItem(page.m_hWnd, nId));
}

}  // namespace

TEST_F(AppearanceTest, PercentListsMetersAndTheirColours)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    CPrefPercentPropPage& p = dlg.m_PercentPage;
    p.nMeterColor[g_nEngineTypeCP] = 0;
    p.nMeterColor[g_nEngineTypeAP] = 5;
    p.nMeterColor[g_nEngineTypeIP] = 1;
    p.nMeterColor[g_nEngineTypeIL] = 4;
    p.nMeterStyle[g_nEngineTypeIL] = 2;
    dlg.m_nStartPage = kPrefsPercent;
    int nSels[4] = {}, nStyleSel = -1, nFill = 0, nItems = 0;
    int nPos[4] = {};
    std::vector<bool> apply;
    std::string strItem;
    RunOnce(dlg, [&](HWND h) {
        const int lists[4] = {IDC_PREF_PCT_COLOR_CP, IDC_PREF_PCT_COLOR_AP, IDC_PREF_PCT_COLOR_IP,
                              IDC_PREF_PCT_COLOR_IL};
        for (int r = 0; r < 4; ++r) {
            nSels[r] = ListSel(p, lists[r]);
            nPos[r] = (int)p.Meter(r).SendMessage(PBM_GETPOS);
        }
        nItems = (int)::SendDlgItemMessageA(p.m_hWnd, IDC_PREF_PCT_COLOR_IP, CB_GETCOUNT, 0, 0);
        char sz[32] = "";
        ::SendDlgItemMessageA(p.m_hWnd, IDC_PREF_PCT_COLOR_IP, CB_GETLBTEXT, 1, (LPARAM)sz);
        strItem = sz;
        nStyleSel = ListSel(p, IDC_PREF_PCT_STYLE_IL);
        Choose(p, IDC_PREF_PCT_COLOR_IP, 1);  // Red
        nFill = p.Meter(2).GetFillState();
        apply.push_back(IsApplyEnabled(h));
        Choose(p, IDC_PREF_PCT_COLOR_IP, 0);
        apply.push_back(IsApplyEnabled(h));
        Choose(p, IDC_PREF_PCT_STYLE_CP, 1);
        Press(h, ID_APPLY_NOW);
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(nSels[0], 0);  // a stored 0 shows "Green"
    EXPECT_EQ(nSels[1], 0);  // and so does 5
    EXPECT_EQ(nSels[3], 3);
    EXPECT_EQ(nItems, 4);
    EXPECT_EQ(strItem, "Red");
    EXPECT_EQ(nStyleSel, 1);
    for (int n : nPos) {
        EXPECT_GE(n, 45);
        EXPECT_LE(n, 75);
    }
    EXPECT_EQ(nFill, 2);
    EXPECT_EQ(apply, (std::vector<bool>{true, false}));
    EXPECT_TRUE(WasApplied(view, kPrefsPercent));
    EXPECT_EQ(view.m_nPercentColor[g_nEngineTypeCP], 1);  // read back from the list
    EXPECT_EQ(view.m_nPercentColor[g_nEngineTypeIL], 4);
    EXPECT_EQ(view.m_nPercentStyle[g_nEngineTypeCP], 2);
    EXPECT_EQ(view.m_nPercentStyle[g_nEngineTypeIL], 2);
}

// Without visual styles the style lists show "Normal", disabled, and an
// apply keeps the stored styles; the theme's return shows them again.
TEST_F(AppearanceTest, PercentStylesSurviveAnApplyWithoutVisualStyles)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    CPrefPercentPropPage& p = dlg.m_PercentPage;
    p.nMeterStyle[g_nEngineTypeAP] = 2;
    p.nMeterStyle[g_nEngineTypeIL] = 2;
    dlg.m_nStartPage = kPrefsPercent;
    int nSelOff = -1, nSelOn = -1;
    bool bEnabledOff = true, bEnabledOn = false;
    RunOnce(dlg, [&](HWND h) {
        p.EnableStyles(false);
        nSelOff = ListSel(p, IDC_PREF_PCT_STYLE_AP);
        bEnabledOff = ::IsWindowEnabled(::GetDlgItem(p.m_hWnd, IDC_PREF_PCT_STYLE_AP)) != FALSE;
        Choose(p, IDC_PREF_PCT_COLOR_AP, 2);  // something to apply
        Press(h, ID_APPLY_NOW);
        p.SendMessage(WM_THEMECHANGED);
        nSelOn = ListSel(p, IDC_PREF_PCT_STYLE_AP);
        bEnabledOn = ::IsWindowEnabled(::GetDlgItem(p.m_hWnd, IDC_PREF_PCT_STYLE_AP)) != FALSE;
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(nSelOff, 0);
    EXPECT_FALSE(bEnabledOff);
    EXPECT_TRUE(WasApplied(view, kPrefsPercent));
    EXPECT_EQ(view.m_nPercentStyle[g_nEngineTypeAP], 2);
    EXPECT_EQ(view.m_nPercentStyle[g_nEngineTypeIL], 2);
    EXPECT_EQ(view.m_nPercentColor[g_nEngineTypeAP], 3);
    // Wine runs with visual styles on.
    EXPECT_EQ(nSelOn, 1);
    EXPECT_TRUE(bEnabledOn);
}

// ---- Status Bar --------------------------------------------------------------

namespace {

const char kInitialSample[] =
    "CP00 PSW=07542000 80000000 0000000004089BB8 .......Z instcount=124999579 MIPS=  39.17 SIOS= 400";

// The sample as one line: its line breaks read as the blanks between parts.
std::string SampleShown(CWnd& page)
{
    return std::regex_replace(ItemText(page, IDC_PREF_SAMPLE_LINE), std::regex("\r\n"), " ");
}

void ClickBox(CWnd& page, int nPart, int nColumn)
{
    vorntest::ClickGridBox(page, nPart, nColumn);
}

// The grid's ticks: each row holds at most one, in its part's column.
bool GridMatches(CPrefStatLinePropPage& p)
{
    for (int r = 0; r < 5; ++r) {
        int nTicks = 0;
        for (int c = 0; c < 5; ++c) {
            bool bTicked = ::IsDlgButtonChecked(p.m_hWnd, IDC_PREF_GRID_FIRST + 5 * r + c) == BST_CHECKED;
            nTicks += bTicked;
            if (bTicked != p.m_parts.IsTicked(r, c))
                return false;
        }
        if (nTicks > 1)
            return false;
    }
    return true;
}

}  // namespace

TEST_F(AppearanceTest, StatusBarGridMovesHidesAndApplies)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    dlg.m_nStartPage = kPrefsStatusBar;
    std::vector<std::string> samples, captions;
    std::vector<bool> apply;
    RunOnce(dlg, [&](HWND h) {
        CPrefStatLinePropPage& p = dlg.m_StatLinePage;
        for (int nPart = 0; nPart < 5; ++nPart)
            captions.push_back(ItemText(p, IDC_PREF_GRID_FIRST + 5 * nPart + 4));
        samples.push_back(SampleShown(p));
        ClickBox(p, 0, 4);
        samples.push_back(SampleShown(p));
        apply.push_back(IsApplyEnabled(h));
        ClickBox(p, 0, 0);  // back
        apply.push_back(IsApplyEnabled(h));
        ClickBox(p, 2, 2);  // the ticked box: hidden in place
        samples.push_back(SampleShown(p));
        apply.push_back(GridMatches(p));
        Press(h, ID_APPLY_NOW);
        Press(h, IDCANCEL);
        return false;
    });
    ASSERT_EQ(samples.size(), 3u);
    EXPECT_EQ(samples[0], kInitialSample);
    EXPECT_EQ(samples[1].substr(0, 9), "SIOS= 400");
    EXPECT_EQ(samples[1].substr(samples[1].size() - 16), "0000000004089BB8");
    EXPECT_EQ(samples[2], "CP00 PSW=07542000 80000000 0000000004089BB8 .......Z MIPS=  39.17 SIOS= 400");
    // The last box of each row carries its part's sample text, leading blank and all.
    for (int nPart = 0; nPart < 5; ++nPart)
        EXPECT_EQ(captions[(size_t)nPart], g_apszStatusPartSamples[nPart]) << nPart;
    EXPECT_EQ(apply, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(WasApplied(view, kPrefsStatusBar));
    const bool visible[5] = {true, true, false, true, true};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(view.m_nPartOrder[i], i);
        EXPECT_EQ(view.m_bPartVisible[i], visible[i]);
    }
}

// A hand-edited order with a repeated part starts from the default order,
// and 200 random clicks keep a permutation with at most one tick a row.
TEST_F(AppearanceTest, StatusBarRepeatedPartAndRandomClicks)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    for (BYTE& b : dlg.StatLineFields().nOrder)  // a hand-edited "00000"
        b = 0;
    dlg.m_nStartPage = kPrefsStatusBar;
    std::string strFirst;
    bool bAllGood = true;
    RunOnce(dlg, [&](HWND h) {
        CPrefStatLinePropPage& p = dlg.m_StatLinePage;
        strFirst = SampleShown(p);
        srand(7);
        for (int i = 0; i < 200 && bAllGood; ++i) {
            ClickBox(p, rand() % 5, rand() % 5);
            bAllGood = GridMatches(p) && IsStatusLinePartOrder(p.m_parts.order);
        }
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(strFirst, kInitialSample);
    EXPECT_TRUE(bAllGood);
}

// The Font button's dialog opens on the bars' font, in the face the system
// draws Courier New in (it opened on its first face at its smallest size).
TEST_F(AppearanceTest, StatusBarFontIsTheBarsFont)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    dlg.m_StatLinePage.lf = MakeFont("Courier New", -13, FW_NORMAL, false);
    char szDrawn[LF_FACESIZE] = "";
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, ::CreateFontIndirectA(&dlg.m_StatLinePage.lf));
    ::GetTextFaceA(hdc, LF_FACESIZE, szDrawn);
    ::DeleteObject(::SelectObject(hdc, hOld));
    ::DeleteDC(hdc);
    dlg.m_nStartPage = kPrefsStatusBar;
    DialogAnswers font(dlg);
    font.strFace = "Tahoma";
    std::string strLabelFace;
    RunOnce(dlg, [&](HWND h) {
        Press(dlg.m_StatLinePage.m_hWnd, IDC_PREF_FONT);
        LOGFONTA lf = {};
        HFONT hFont = (HFONT)::SendDlgItemMessageA(dlg.m_StatLinePage.m_hWnd, IDC_PREF_SAMPLE_LINE, WM_GETFONT, 0, 0);
        ::GetObjectA(hFont, sizeof lf, &lf);
        strLabelFace = lf.lfFaceName;
        Press(h, ID_APPLY_NOW);
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(font.fontTitles, (std::vector<std::string>{"Registers Bars and System Status Font"}));
    EXPECT_EQ(font.fontsOpenedOn, (std::vector<std::string>{std::string(szDrawn) + "|10"}));
    EXPECT_EQ(strLabelFace, "Tahoma");
    EXPECT_STREQ(view.m_lfStatus.lfFaceName, "Tahoma");
    EXPECT_EQ(view.m_lfStatus.lfCharSet, DEFAULT_CHARSET);
}

namespace {

BOOL CALLBACK CollectChild(HWND hWnd, LPARAM lp)
{
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hWnd);
    return TRUE;
}

}  // namespace

// Nothing of the page is cut: the captions, the longest part's check box
// (it ran into the Position group's border) and the sample, which stays
// inside its group in a large font too, its parts whole and in order: all
// of them at the bars' usual size (it was cut after "........").
TEST_F(AppearanceTest, StatusBarPageShowsItsTextsWholeAndTheSampleInItsGroup)
{
    for (int nHeight : {-13, -19}) {
        CPreferencesDlg dlg;
        view.Register(dlg);
        dlg.m_StatLinePage.lf = MakeFont("Courier New", nHeight, FW_NORMAL, false);
        dlg.m_nStartPage = kPrefsStatusBar;
        RunOnce(dlg, [&](HWND h) {
            HWND hPage = dlg.m_StatLinePage.m_hWnd;
            std::string strSample = SampleShown(dlg.m_StatLinePage), strAll = kInitialSample;
            EXPECT_EQ(nHeight == -13 ? strAll : strAll.substr(0, strSample.size()), strSample);
            HWND hSample = ::GetDlgItem(hPage, IDC_PREF_SAMPLE_LINE);  // measured whole below, whatever its style
            ::SetWindowLongA(hSample, GWL_STYLE, ::GetWindowLongA(hSample, GWL_STYLE) & ~SS_ELLIPSISMASK);
            std::vector<HWND> children;
            ::EnumChildWindows(hPage, CollectChild, (LPARAM)&children);
            for (HWND hChild : children)
                EXPECT_EQ("", vorntest::ClippedText(hChild)) << nHeight;
            HWND hPosition = ::GetDlgItem(hPage, IDC_PREF_POSITION_GROUP);
            for (int nId = IDC_PREF_GRID_FIRST; nId <= IDC_PREF_GRID_LAST; ++nId)
                EXPECT_EQ("", vorntest::OutsideGroup(::GetDlgItem(hPage, nId), hPosition, 3));
            EXPECT_EQ("", vorntest::OutsideGroup(::GetDlgItem(hPage, IDC_PREF_SAMPLE_LINE),
                                                 ::GetDlgItem(hPage, IDC_PREF_SAMPLE_GROUP), 3))
                << nHeight;
            for (int nId : {IDC_PREF_INSTRUCTIONS, IDC_PREF_FONT, IDC_PREF_FONT_LABEL, IDC_PREF_POSITION_GROUP,
                            IDC_PREF_SAMPLE_GROUP})
                EXPECT_EQ("", vorntest::OutsideGroup(::GetDlgItem(hPage, nId), ::GetDlgItem(hPage, IDC_PREF_GROUP), 3));
            Press(h, IDCANCEL);
            return false;
        });
    }
}

TEST_F(AppearanceTest, StartPageElevenIsRemembered)
{
    CPreferencesDlg dlg;
    view.Register(dlg);
    dlg.m_nStartPage = kPrefsStatusBar;
    bool bShown = false;
    RunOnce(dlg, [&](HWND h) {
        bShown = dlg.m_StatLinePage.IsWindowVisible() != FALSE;
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_TRUE(bShown);
    EXPECT_EQ(dlg.m_nStartPage, kPrefsStatusBar);
}

// ---- Help tables ---------------------------------------------------------------

TEST_F(AppearanceTest, HelpTablesOfTheAppearancePages)
{
    CPreferencesDlg dlg;
    vorntest::ExpectBalloonTails(dlg, {
        {kPrefsConsole, 0, "primary Vornamic log window.\nConsole"},
        {kPrefsConsole, IDC_PREF_WARN_LABEL, "\nWarningMessages Color"},
        {kPrefsConsole, IDC_PREF_DEBUG_ITALIC, "in Italics.\nItalicize Debug Messages"},
        {kPrefsConsole, IDC_PREF_WARN_BEEP, "\nWarning Message Beep"},
        {kPrefsDevList, IDC_DEVLIST_TREE, "\nSample"},
        {kPrefsDevList, IDC_PREF_INSTRUCTIONS, "\nInstructions"},
        {kPrefsControls, IDC_PANEL_WAITOFF, "the Controls pane would look like with values you have chosen.\nSample"},
        {kPrefsPercent, IDC_PREF_PCT_STYLE_IP, "percentages.\nzIIP Percent Style"},
        {kPrefsPercent, IDC_PREF_PCT_METER_IL, "engine typeusing the values you have chosen.\nIFL Percent Example"},
        {kPrefsStatusBar, 3112, "\nPosition"},
        {kPrefsStatusBar, IDC_PREF_SAMPLE_LINE, "\nSample"},
        {kPrefsDisplayAlter, IDC_PREF_HEX_SAMPLE, "\nSample"},
        {kPrefsDisplayAlter, IDC_PREF_FONT, "Display/Alter Memory pane.\nFont"},
    });
    const DWORD kGridKey = MakeHelpKey(IDD_PREF_STATLINE, 3125);
    struct IdCase {
        int page;
        UINT ctrl;
        DWORD id;
    } const ids[] = {
        {kPrefsConsole, 0, 1834},
        {kPrefsConsole, IDC_PREF_ERROR_ITALIC, 1463},
        {kPrefsConsole, IDC_PREF_CONSOLE_SAMPLE, 1847},
        {kPrefsDevList, IDC_DEVLIST_TREE, 1888},
        {kPrefsControls, IDC_PREF_BACKGROUND, 1928},
        {kPrefsPercent, IDC_PREF_PCT_STYLE_IL, 1995},
        {kPrefsStatusBar, 3101, kGridKey},
        {kPrefsStatusBar, 3124, kGridKey},
        {kPrefsStatusBar, 3125, kGridKey},
        {kPrefsStatusBar, 0, MakeHelpKey(IDD_PREF_STATLINE, 0)},
        {kPrefsDisplayAlter, IDC_PREF_BACKGROUND, 2134},
    };
    for (const IdCase& c : ids) {
        CHelpButtonWnd<CPropertyPage>& page = *dlg.GetPrefsPage(c.page);
        EXPECT_EQ(page.GetHelpId(MakeHelpKey(page.GetHelpDialogId(), c.ctrl)), c.id) << c.page << "/" << c.ctrl;
    }
}

// A What's-This click on the "Sample:" label of each appearance page shows
// the page's balloon for its sample.
TEST_F(AppearanceTest, EverySampleLabelHasItsBalloon)
{
    CPreferencesDlg dlg;
    std::vector<std::string> titles;
    RunOnce(dlg, [&](HWND h) {
        for (int nPage : {kPrefsConsole, kPrefsDevList, kPrefsControls, kPrefsPercent, kPrefsStatusBar,
                          kPrefsDisplayAlter}) {
            HWND hPage = dlg.GetPrefsPage(nPage)->m_hWnd;
            HWND hLabel = nullptr;
            for (HWND h = ::GetWindow(hPage, GW_CHILD); h && !hLabel; h = ::GetWindow(h, GW_HWNDNEXT)) {
                char sz[32] = "";
                ::GetWindowTextA(h, sz, sizeof sz);
                if (std::string(sz) == "Sample:")
                    hLabel = h;
            }
            if (!hLabel) {
                titles.push_back("(no label)");
                continue;
            }
            HELPINFO hi = {sizeof(hi), HELPINFO_WINDOW, ::GetDlgCtrlID(hLabel), hLabel, 0, {100, 100}};
            ::SendMessageA(hPage, WM_HELP, 0, (LPARAM)&hi);
            CString strTitle;
            ErrorBalloonWindow(&strTitle);
            ErrorBalloonHide();
            titles.push_back(strTitle.GetString());
        }
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(titles, std::vector<std::string>(6, "Sample"));
}

// The last box of each grid row names its part in full; the other boxes
// explain the grid.
TEST_F(AppearanceTest, StatusGridBalloonsNameTheirParts)
{
    CPreferencesDlg dlg;
    CHelpButtonWnd<CPropertyPage>& page = *dlg.GetPrefsPage(kPrefsStatusBar);
    const std::string strPosition =
        "Place a checkmark in the column corresponding to the relative position you wish the part to be shown, or "
        "clear the checkmark to not have it displayed.\nPosition";
    struct {
        UINT ctrl;
        std::string text;
    } const rows[] = {
        {3101, strPosition},
        {3104, strPosition},
        {3105,
         "The program-status word (PSW) includes the instruction address, condition code, and other information used "
         "to control instruction sequencing and to determine the state of the CPU.\nPSW (Program Status Word)"},
        {3110,
         "The flags field displays a character representation of various PSW bits. When a character is displayed the "
         "bit is on. When a dot is displayed the bit is off.\n\nM - stopped state\nT - single step mode\nW - wait "
         "state\nL - load (IPL) state\nC - checkstop (error) state\nP - problem state\nS - SIE mode\nZ - "
         "z/Architecture mode\nPSW Flags"},
        {3115,
         "The total number of instructions that have been executed so far by this CPU. The value shown is a close "
         "approximation and is not an exact count.\nInstruction Count"},
        {3120,
         "The MIPS rate field displays how many Millions of Instructions the CPU is executing Per Second (MIPS) and is "
         "an approximate indication of the CPU's speed.\nMIPS Rate"},
        {3121, strPosition},
        {3125,
         "The SIOS rate field displays the number Start-I/Os the CPU is performing each Second (SIOS) and is an "
         "indication of how frequently devices attached to the system are being accessed.\nSIOS Rate"},
        {IDC_PREF_COLUMNS, strPosition},
    };
    for (const auto& r : rows)
        EXPECT_EQ(std::string(page.GetHelpString(MakeHelpKey(IDD_PREF_STATLINE, r.ctrl)).GetString()), r.text)
            << r.ctrl;
}
