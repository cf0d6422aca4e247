// BarFontsTest.cpp: the bars that show texts in a font the user chooses on
// the preferences' appearance pages (the status line and register bars,
// the command line, the storage display/alter bar and the device list),
// in the real main frame: at each chosen size every text of a bar shows
// whole, no two of its controls overlap, each lies inside its dialog, and
// the bar is as large as its dialog asks, its docked height following the
// font; applied live from the preferences, and again after a restart. One
// Apply of new fonts with every bar shown lays the main window out once; a
// new size places the fields without measuring them again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "session/OutputRouterHost.h"
#include "session/RegisterFields.h"
#include "tests/mainwindow/BarCuts.h"
#include "tests/mainwindow/BarLayoutFixture.h"
#include "tests/mainwindow/PrefsFrameDriver.h"
#include "tests/preferences/PrefsDialogAnswers.h"
#include "tests/support/MessageCounter.h"
#include "tests/support/TextFits.h"

namespace {

// The main window's table indexes of the bars whose fonts the user chooses.
const int kDevList = 0, kStatusLine = 1, kCmdLine = 3, kFirstRegs = 4, kVRegs = 11, kStorage = 12, kCpuPct = 13;
const std::vector<int> kFontBars = {kStatusLine, kCmdLine, 4, 5, 6, 7, 8, 9, 10, kVRegs, kStorage, kDevList};

bool IsFixedHeight(int i)
{
    return i != kDevList && i != kStorage;
}

std::string ClassOf(HWND h)
{
    char sz[64] = "";
    ::GetClassNameA(h, sz, sizeof sz);
    return sz;
}

std::string TextOf(HWND h)
{
    char sz[256] = "";
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

// The extent of the text in the font, as a screen device context draws it.
SIZE ExtentIn(HFONT hFont, const char* pszText)
{
    HDC hdc = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(hdc, pszText, (int)std::strlen(pszText), &size);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(nullptr, hdc);
    return size;
}

// What a bar's dialog cuts or overlaps: each shown text control's text in
// its own font against the room it has, no two shown controls on one
// another, and (with bInside) each shown control inside the client area.
std::string LayoutFaults(HWND hDlg, bool bInside)
{
    std::string faults;
    RECT rcClient;
    ::GetClientRect(hDlg, &rcClient);
    std::vector<HWND> shown;
    for (HWND h = ::GetWindow(hDlg, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT))
        if (::GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE)
            shown.push_back(h);
    for (size_t i = 0; i < shown.size(); ++i) {
        HWND h = shown[i];
        const std::string cls = ClassOf(h);
        std::string fault = cls == "Edit" ? vorntest::EditClips(h, TextOf(h).c_str()) : vorntest::ClippedText(h);
        RECT rc = vorntest::ChildRectIn(hDlg, h), rcBoth;
        if (bInside && (rc.left < 0 || rc.top < 0 || rc.right > rcClient.right || rc.bottom > rcClient.bottom))
            fault += "control " + std::to_string(::GetDlgCtrlID(h)) + " " + vorntest::RectText(rc) +
                     " outside the client area " + vorntest::RectText(rcClient);
        for (size_t j = i + 1; j < shown.size(); ++j) {
            RECT rcOther = vorntest::ChildRectIn(hDlg, shown[j]);
            if (::IntersectRect(&rcBoth, &rc, &rcOther))
                fault += "controls " + std::to_string(::GetDlgCtrlID(h)) + " " + vorntest::RectText(rc) + " and " +
                         std::to_string(::GetDlgCtrlID(shown[j])) + " " + vorntest::RectText(rcOther) + " overlap; ";
        }
        if (!fault.empty())
            faults += fault + "\n";
    }
    return faults;
}

struct BarFontsFixture : BarLayoutFixture {
    // The face (Tahoma unless named) of that size chosen with the Font
    // buttons of the console, device list, status bar and display/alter
    // pages (or the status bar page alone), applied, then OK.
    void ChooseFonts(int nPoints, const char* pszFace = "Tahoma", bool bStatusOnly = false)
    {
        ASSERT_TRUE(vorntest::WithPreferences(pFrame->m_hWnd, ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
            ChooseFontsIn(dlg, nPoints, pszFace, bStatusOnly);
            vorntest::PressButton(h, ID_APPLY_NOW);
            vorntest::PressButton(h, IDOK);
        }));
        Pump();
    }
    static void ChooseFontsIn(CPreferencesDlg& dlg, int nPoints, const char* pszFace = "Tahoma",
                              bool bStatusOnly = false)
    {
        vorntest::DialogAnswers answers(dlg);
        answers.strFace = pszFace;
        answers.nSize = nPoints;
        std::vector<CWnd*> pages = {&dlg.m_ConsPage, &dlg.m_DevlistPage, &dlg.m_StatLinePage, &dlg.m_DisplayAlterPage};
        if (bStatusOnly)
            pages = {&dlg.m_StatLinePage};
        for (CWnd* pPage : pages) {
            dlg.SetActivePage(static_cast<CPropertyPage*>(pPage));
            vorntest::PressButton(pPage->m_hWnd, IDC_PREF_FONT);
        }
    }
    cdxCDynamicBar* Bar(int i) { return pFrame->GetMainBar(i); }
    void ShowEveryBar()
    {
        for (int i = 0; i < kMainBarCount; i++)
            if (!BarVisible(i))
                pFrame->SendMessage(WM_COMMAND, kMainBars[i].nViewCmd);
    }
    // The bar shown (made and filled as the View command makes it), its
    // dialog checked, and the bar's docked height.
    std::string CheckShown(int i, int* pcyDocked = nullptr)
    {
        cdxCDynamicBar* pBar = Bar(i);
        const bool bWasShown = BarVisible(i);
        if (!bWasShown)
            pFrame->SendMessage(WM_COMMAND, kMainBars[i].nViewCmd);
        Settle();
        // A bar that asks for more than half the window is cut by the
        // window's layout of its rows of bars (the vector registers at 20
        // points and more): its dialog is checked within itself.
        RECT rcBar, rcDlg, rcFrame;
        pBar->GetWindowRect(&rcBar);
        pBar->m_pDlg->GetClientRect(&rcDlg);
        pFrame->GetClientRect(&rcFrame);
        const CSize szAsked = pBar->SizeAround(AFX_IDW_DOCKBAR_TOP, pBar->m_pDlg->m_szMin);
        const bool bRoom = szAsked.cx <= rcFrame.right && szAsked.cy <= rcFrame.bottom / 2;
        std::string faults = LayoutFaults(pBar->m_pDlg->m_hWnd, bRoom);
        // The bar gives its dialog the size it asks for.
        if (bRoom && (rcDlg.right < pBar->m_pDlg->m_szMin.cx || rcDlg.bottom < pBar->m_pDlg->m_szMin.cy))
            faults += "the dialog has " + vorntest::RectText(rcDlg) + ", less than it needs (" +
                      std::to_string(pBar->m_pDlg->m_szMin.cx) + " by " + std::to_string(pBar->m_pDlg->m_szMin.cy) +
                      ")\n";
        if (bRoom && IsFixedHeight(i) && rcBar.bottom - rcBar.top != pBar->GetDockedSize(TRUE).cy)
            faults += "the bar is " + std::to_string(rcBar.bottom - rcBar.top) + " high docked, not " +
                      std::to_string(pBar->GetDockedSize(TRUE).cy) + "\n";
        if (pcyDocked)
            *pcyDocked = IsFixedHeight(i) ? pBar->GetDockedSize(TRUE).cy : pBar->GetMinDockedSize(FALSE).cy;
        if (!bWasShown)
            pFrame->SendMessage(WM_COMMAND, kMainBars[i].nViewCmd);
        return faults;
    }
    // Values as the emulator reports them, in every register field and the
    // rates of the status line.
    void RouteValues()
    {
        SLineSource err;  // the emulator's standard error
        for (int i = 0; i < kRegisterFieldCount; ++i) {
            const SRegisterField& field = RegisterField(i);
            std::string strLine = field.pszKeyword;
            const bool bVector = strLine.compare(0, 2, "VR") == 0;
            const int nGroups = bVector ? 2 : field.bDropPrefix ? 2 : 4;
            for (int g = 0; g < nGroups; ++g) {
                const char* pszGroup = bVector             ? "D8C0B9A1F2E3D4C5.5C4D3E2F1A9B0C8D"
                                       : field.bDropPrefix ? "DB8C0A9E1F2D3C4B"
                                                           : "DB8C0A9E";
                strLine += std::string(g ? (bVector ? " VR01=" : " ") : "") + pszGroup;
            }
            g_pView->Router().RouteLine(err, strLine.c_str());
            g_pView->SendMessage(field.nMessage);  // as the reader's posted message
        }
        for (const char* pszLine : {"MIPS= 417.53", "SIOS= 98765"}) {
            g_pView->Router().RouteLine(err, pszLine);
            g_pView->SendMessage(WM_STATUSPART0_CHANGED + (pszLine[0] == 'M' ? 3 : 4));
        }
    }
};

}  // namespace

// At 12 points the register bars cut their fourth value to its first digit
// and ran their groups into each other, the system status bar cut its state
// letters; at 24 points both were unreadable and a 20-point storage font
// cut the address digits in half. Each bar lays its controls out for the
// font chosen and its docked height follows it.
TEST_F(BarFontsFixture, EveryBarHoldsItsTextsAtTheChosenFont)
{
    OpenFrame();
    pFrame->MoveWindow(0, 0, 1200, 960);
    std::map<int, std::map<int, int>> heights;  // bar -> points -> docked height
    for (int nPoints : {8, 12, 24}) {
        SCOPED_TRACE(std::to_string(nPoints) + " points");
        ChooseFonts(nPoints);
        RouteValues();
        for (int i : kFontBars)
            EXPECT_EQ("", CheckShown(i, &heights[i][nPoints])) << kMainBars[i].pszTitle;
        // The console's lines and the device list's rows hold a line of their fonts.
        HWND hTree = ::GetDlgItem(pFrame->m_wndDevListBar.m_dlg.m_hWnd, IDC_DEVLIST_TREE);
        EXPECT_GE(g_pView->GetLineHeight(), ExtentIn(g_pView->GetPlainFont(), "Wg").cy);
        EXPECT_GE((int)::SendMessageA(hTree, TVM_GETITEMHEIGHT, 0, 0),
                  ExtentIn((HFONT)::SendMessageA(hTree, WM_GETFONT, 0, 0), "Wg").cy);
    }
    for (int i : kFontBars) {
        EXPECT_LE(heights[i][8], heights[i][12]) << kMainBars[i].pszTitle;
        EXPECT_LT(heights[i][12], heights[i][24]) << kMainBars[i].pszTitle;
    }
}

// The fonts chosen are stored, and at the next start each bar is laid out
// for them and sized as it was before the restart.
TEST_F(BarFontsFixture, BarsKeepTheirFontLayoutAfterARestart)
{
    OpenFrame();
    pFrame->MoveWindow(0, 0, 1200, 960);
    ChooseFonts(20);
    std::map<int, int> before;
    for (int i : kFontBars)
        ASSERT_EQ("", CheckShown(i, &before[i])) << kMainBars[i].pszTitle;
    // Shown when the window closes: the next start makes them at once.
    for (int i : {kStatusLine, kStorage})
        pFrame->SendMessage(WM_COMMAND, kMainBars[i].nViewCmd);
    pFrame->SendMessage(WM_CLOSE);
    Pump();
    ASSERT_FALSE(FrameAlive());

    OpenFrame();
    Settle();
    for (int i : {kStatusLine, kStorage})
        EXPECT_EQ("", CheckShown(i)) << kMainBars[i].pszTitle << " shown at the start";
    for (int i : {kStatusLine, kStorage})
        pFrame->SendMessage(WM_COMMAND, kMainBars[i].nViewCmd);
    for (int i : kFontBars) {
        int cyAfter = 0;
        EXPECT_EQ("", CheckShown(i, &cyAfter)) << kMainBars[i].pszTitle;
        EXPECT_EQ(before[i], cyAfter) << kMainBars[i].pszTitle;
    }
}

// The rows a bar's layout keeps whole are those of the font chosen: with
// large fonts the register fields reflow into more rows and the status line
// wraps, and a window too short for every bar at the top still cuts each
// bar only between its rows, at once and as the window changes size.
// Squeezed in the left column the Device List and Display/Alter showed half
// rows and slivers of their lists, and in a 645 x 485 window Display/Alter
// ran below its dock bar, under the command line: every docked bar shows
// whole rows, inside its dock bar.
TEST_F(BarFontsFixture, BarsAtALargeFontAreCutOnlyBetweenTheirRows)
{
    OpenFrame();
    pFrame->m_wndCpuPctBar.m_dlg.SetCPUCount(2);
    for (UINT nCmd : {ID_VIEW_STATUSLINE_BAR, ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR, ID_VIEW_GREGS64_BAR,
                      ID_VIEW_STORAGE_BAR})
        pFrame->SendMessage(WM_COMMAND, nCmd);
    ChooseFonts(24);
    const struct {
        int cx, cy;
        bool bStatusAt20;  // every font at 10 points but the status line's and registers' at 20
    } cases[] = {{1200, 960, false}, {900, 640, false}, {700, 560, false}, {1200, 960, false}, {645, 485, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.cx) + " x " + std::to_string(c.cy));
        if (c.bStatusAt20) {
            ChooseFonts(10);
            ChooseFonts(20, "Tahoma", true);
        }
        RouteValues();
        pFrame->MoveWindow(0, 0, c.cx, c.cy);
        Settle();
        for (int i = 0; i < kMainBarCount; i++)
            EXPECT_EQ("", BarVisible(i) ? CutControls(Bar(i)) : "") << kMainBars[i].pszTitle;
        EXPECT_EQ("", BarsOutOfPlace(pFrame));
    }
}

namespace {

std::vector<CSize> BarSizes(CMainFrame* pFrame)
{
    std::vector<CSize> sizes;
    for (int i = 0; i < kMainBarCount; i++) {
        CRect rc;
        pFrame->GetMainBar(i)->GetWindowRect(&rc);
        sizes.push_back(rc.Size());
    }
    return sizes;
}

// How often one step laid the main window out (each layout places the view
// once), and each bar sized (with its dialog) other than once when its size
// changed and never when it stayed; empty when so.
std::string LayoutFaults(CMainFrame* pFrame, const vorntest::MessageTally& tally, const std::vector<CSize>& before,
                         int nLayouts)
{
    std::string faults;
    if (tally.Count(g_pView->m_hWnd, WM_WINDOWPOSCHANGING) != nLayouts)
        faults += std::to_string(tally.Count(g_pView->m_hWnd, WM_WINDOWPOSCHANGING)) + " layouts; ";
    const std::vector<CSize> after = BarSizes(pFrame);
    for (int i = 0; i < kMainBarCount; i++)
        for (HWND h : {pFrame->GetMainBar(i)->m_hWnd, pFrame->GetMainBar(i)->m_pDlg->m_hWnd})
            if (tally.Count(h, WM_SIZE) != (after[i] != before[i] ? 1 : 0))
                faults += std::string(kMainBars[i].pszTitle) + ": " + std::to_string(tally.Count(h, WM_SIZE)) +
                          " WM_SIZE; ";
    return faults;
}

}  // namespace

// With every bar shown, OK on the Status Bar page after a font change laid
// the main window out once for each register bar and the status line (and
// again for the console's, device list's and storage's fonts), sizing the
// bars at the sides over and over. One Apply that changes the font of every
// bar lays it out once, and sizes only the bars whose size changed, each
// once; OK after it (which applies every page again) changes nothing and
// gives no bar its font again; an OK that changes the fonts lays out once.
// The bars still hold their texts.
TEST_F(BarFontsFixture, OneApplyLaysTheWindowOutOnce)
{
    OpenFrame();
    pFrame->MoveWindow(0, 0, 1200, 960);
    ShowEveryBar();
    RouteValues();
    Settle();
    vorntest::MessageTally tally({WM_SIZE, WM_WINDOWPOSCHANGING, WM_SETFONT});
    for (bool bApply : {true, false}) {
        SCOPED_TRACE(bApply ? "Apply, then OK" : "OK");
        std::vector<CSize> before = BarSizes(pFrame);
        std::string strApplied;
        int nStep = 0;
        vorntest::DialogDriver driver([&](HWND h) {
            CPreferencesDlg* pDlg = g_pView->GetPreferencesDlg();
            if (!pDlg || pDlg->m_hWnd != h)
                return true;
            if (nStep++ == 0)
                ChooseFontsIn(*pDlg, bApply ? 14 : 10);
            if (bApply && nStep == 1) {
                tally.Reset();
                vorntest::PressButton(h, ID_APPLY_NOW);
                return true;  // the dialog's loop takes what the Apply left
            }
            if (bApply) {
                strApplied = LayoutFaults(pFrame, tally, before, 1);
                before = BarSizes(pFrame);
            }
            tally.Reset();
            vorntest::PressButton(h, IDOK);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_EDIT_PREFERENCES);
        ASSERT_TRUE(driver.SawDialog());
        Pump();
        EXPECT_EQ("", strApplied) << "Apply";
        // OK after the Apply may lay out once more but sizes nothing and
        // gives no bar its font again.
        const int nOkLayouts = bApply ? std::min(tally.Count(g_pView->m_hWnd, WM_WINDOWPOSCHANGING), 1) : 1;
        EXPECT_EQ("", LayoutFaults(pFrame, tally, before, nOkLayouts)) << "OK";
        for (HWND h : bApply ? tally.Windows(WM_SETFONT) : std::vector<HWND>())
            EXPECT_FALSE(::IsChild(pFrame->m_hWnd, h)) << "control " << ::GetDlgCtrlID(h) << " given its font again";
        EXPECT_TRUE(bApply || BarSizes(pFrame)[kFirstRegs] != before[kFirstRegs]) << "the fonts changed the bars";
    }
    Settle();
    for (int i = 0; i < kMainBarCount; i++)
        EXPECT_EQ("", CutControls(Bar(i))) << kMainBars[i].pszTitle;
}

// Maximize and Restore with every bar shown measured every register field
// again at each size. A new size only places the register and status line
// fields, from what was measured for their font (no field is asked for its
// font), where measuring anew puts them, also when a narrow window wraps
// them into more rows; the status bar keeps its panes' texts.
TEST_F(BarFontsFixture, ANewSizePlacesTheFieldsWithoutMeasuringThem)
{
    OpenFrame();
    pFrame->MoveWindow(0, 0, 1200, 960);
    ChooseFonts(14);
    ShowEveryBar();
    if (!g_pView->Settings().m_bStatusOnBar)
        pFrame->SendMessage(WM_COMMAND, ID_SHOW_ON_STATUSBAR);
    RouteValues();
    Settle();
    const SSessionReceivers& r = g_pView->GetSessionReceivers();
    std::vector<HWND> fields(std::begin(r.hStatusParts), std::end(r.hStatusParts));
    fields.insert(fields.end(), std::begin(r.hRegisterFields), std::end(r.hRegisterFields));
    auto places = [&] {
        std::string s;
        for (HWND h : fields)
            s += vorntest::RectText(vorntest::ChildRectIn(::GetParent(h), h)) + (::IsWindowVisible(h) ? " " : "- ");
        return s;
    };
    CStatusBar& status = pFrame->m_wndStatusBar;
    ASSERT_GT(status.GetCount(), 1);
    // Maximize, Restore, a window narrow enough to wrap the fields, wide again.
    for (int nStep = 0; nStep < 4; nStep++) {
        SCOPED_TRACE("step " + std::to_string(nStep));
        vorntest::MessageTally tally({WM_GETFONT});
        if (nStep < 2)
            pFrame->SendMessage(WM_SYSCOMMAND, nStep == 0 ? SC_MAXIMIZE : SC_RESTORE);
        else
            pFrame->MoveWindow(0, 0, nStep == 2 ? 640 : 1200, 960);
        Settle();
        for (HWND h : fields)
            EXPECT_EQ(0, tally.Count(h, WM_GETFONT)) << "field " << ::GetDlgCtrlID(h) << " measured";
        // The panes keep their texts (an owner-drawn pane its index, by which it draws the text).
        for (int i = 0; i < status.GetCount(); i++) {
            char sz[256] = "";
            LRESULT r = ::SendMessageA(status.m_hWnd, SB_GETTEXTA, (WPARAM)i, (LPARAM)sz);
            EXPECT_TRUE(status.GetPaneStyle(i) & SBPS_OWNERDRAW ? r == i : status.GetPaneText(i) == sz) << "pane " << i;
        }
        const std::string strPlaced = places();
        for (int i = kFirstRegs; i <= kVRegs; i++)
            static_cast<CRegsDlgBar*>(Bar(i)->m_pDlg)->LayoutRegisterControls();
        pFrame->m_wndStatusLineBar.m_dlg.LayoutStatusFields();
        Settle();
        EXPECT_EQ(places(), strPlaced) << "placed as measuring anew places them";
    }
}

// For a picture: VORN_SHOW_FONT_POINTS chooses the size (and
// VORN_SHOW_FONT_FACE the face, DejaVu Sans unless set) on the appearance
// pages, then the frame shows the status line, register, storage and
// command line bars with values for VORN_SHOW_BARS_MS.
//   VORN_SHOW_FONT_POINTS=24 VORN_SHOW_BARS_MS=4000 tools/screenshot -s 1280x1024 -c VornGUIMainFrame
//     build/win32/bin/mainwindow_tests.exe --gtest_filter=BarFontsFixture.DISABLED_ShowForPicture
TEST_F(BarFontsFixture, DISABLED_ShowForPicture)
{
    const char* pszPoints = std::getenv("VORN_SHOW_FONT_POINTS");
    const char* pszHold = std::getenv("VORN_SHOW_BARS_MS");
    if (!pszPoints || !pszHold)
        GTEST_SKIP() << "set VORN_SHOW_FONT_POINTS and VORN_SHOW_BARS_MS to show the bars";
    const char* pszFace = std::getenv("VORN_SHOW_FONT_FACE");
    OpenFrame();
    pFrame->MoveWindow(0, 0, 1270, 1010);
    ChooseFonts(std::atoi(pszPoints), pszFace ? pszFace : "DejaVu Sans");
    for (UINT nCmd : {ID_VIEW_STATUSLINE_BAR, ID_VIEW_GREGS_BAR, ID_VIEW_CREGS64_BAR, ID_VIEW_FREGS_BAR,
                      ID_VIEW_VREGS_BAR, ID_VIEW_STORAGE_BAR})
        pFrame->SendMessage(WM_COMMAND, nCmd);
    RouteValues();
    Settle();
    PumpFor((DWORD)std::atoi(pszHold));
}

// After a restart with every font at 24 points the system status bar showed
// one row and the general and control registers one of four where the
// window had shown two, three and three before: a restart shows what the
// window showed (a large window and a small one, each a case of its own:
// three font changes and a restart take most of a minute on a loaded machine).
struct BarFontsRestart : BarFontsFixture, ::testing::WithParamInterface<SIZE> {};

TEST_P(BarFontsRestart, ARestartShowsWhatTheWindowShowedBefore)
{
    OpenFrame();
    pFrame->m_wndCpuPctBar.m_dlg.SetCPUCount(2);
    for (UINT nCmd : {ID_VIEW_STATUSLINE_BAR, ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR})
        Command(nCmd);
    pFrame->MoveWindow(0, 0, GetParam().cx, GetParam().cy);
    for (int nPoints : {10, 20, 24})
        ChooseFonts(nPoints);
    RouteValues();
    Settle();
    const std::string strBefore = Layout(pFrame);
    Restart();
    RouteValues();
    Settle();
    EXPECT_EQ(strBefore, Layout(pFrame));
}

INSTANTIATE_TEST_SUITE_P(Sizes, BarFontsRestart, ::testing::Values(SIZE{1000, 1000}, SIZE{645, 485}),
                         [](const ::testing::TestParamInfo<SIZE>& info) {
                             return std::to_string(info.param.cx) + "x" + std::to_string(info.param.cy);
                         });

// With a 20-point font Percent Utilization stood 178 and the Device List
// 280 pixels wide in a column as wide as Display/Alter, grey beside them,
// and so they stayed over Maximize, a restart, View off and on and a float
// and dock: a bar docked in a column fills its width.
TEST_F(BarFontsFixture, BarsDockedInAColumnFillItsWidth)
{
    OpenWithFourMoreBars();
    pFrame->MoveWindow(0, 0, 645, 485);
    ChooseFonts(20);
    const std::function<void()> changes[] = {
        [] {}, [this] { pFrame->ShowWindow(SW_MAXIMIZE); }, [this] { Restart(); },
        [this] { Command(ID_VIEW_CPUPCT_BAR); }, [this] { Command(ID_VIEW_CPUPCT_BAR); },
        [this] { Command(ID_FLOAT_DEVLIST_BAR); }, [this] { Command(ID_DOCK_DEVLIST_BAR); },
        [this] { pFrame->ShowWindow(SW_RESTORE); }};
    for (size_t n = 0; n < std::size(changes); n++) {
        changes[n]();
        Settle();
        EXPECT_EQ("", BarsOutOfPlace(pFrame)) << "change " << n;
    }
}

// Font changes of 10, 20, 24, 14 and 10 points left the left column 612
// pixels wide where the user had dragged it to 447, and the control
// registers in a row of their own for good; Percent Utilization docked at
// the top took 197 pixels for two processors: the sizes the user gave come
// back with the font, a shared row stays shared, and a bar docked at the
// top or bottom is as high as its rows.
TEST_F(BarFontsFixture, FontChangesLeaveTheSizesTheUserGave)
{
    OpenWithFourMoreBars();
    pFrame->m_wndCpuPctBar.m_dlg.SetCPUCount(2);
    ChooseFonts(10);
    DropInRowOf(Bar(kFirstRegs + 1), Bar(kFirstRegs));
    RECT rc;
    Bar(kDevList)->GetWindowRect(&rc);
    DragEdge(Bar(kDevList), HTRIGHT, CSize(447 - (rc.right - rc.left), 0));
    Bar(kDevList)->GetWindowRect(&rc);
    ASSERT_EQ(447, rc.right - rc.left);
    const std::string strBefore = Layout(pFrame);
    for (int nPoints : {20, 24, 14, 10})
        ChooseFonts(nPoints);
    Settle();
    EXPECT_EQ(strBefore, Layout(pFrame));
}

// Percent Utilization dropped at the top, then at the bottom: its two rows,
// and less than a row below them.
TEST_F(BarFontsFixture, PercentDockedAtTheTopOrBottomIsAsHighAsItsRows)
{
    OpenWithFourMoreBars();
    pFrame->m_wndCpuPctBar.m_dlg.SetCPUCount(2);
    ChooseFonts(20);
    RECT rc;
    cdxCDynamicBar* pPercent = Bar(kCpuPct);
    HWND hDlg = pPercent->m_pDlg->m_hWnd;
    for (int nOver : {kFirstRegs, kCmdLine}) {
        Bar(nOver)->GetWindowRect(&rc);
        DragByCaption(pPercent, CPoint((rc.left + rc.right) / 2, rc.bottom - 10));
        ASSERT_TRUE(pPercent->IsDockedHorizontally());
        EXPECT_EQ("", CutControls(pPercent, true)) << kMainBars[nOver].pszTitle;
        const RECT rcFirst = vorntest::ChildRectIn(hDlg, ::GetDlgItem(hDlg, IDC_CPUPCT_METER0));
        const RECT rcSecond = vorntest::ChildRectIn(hDlg, ::GetDlgItem(hDlg, IDC_CPUPCT_METER0 + 1));
        ::GetClientRect(hDlg, &rc);
        EXPECT_LT(rc.bottom - rcSecond.bottom, rcSecond.top - rcFirst.top) << kMainBars[nOver].pszTitle;
    }
}

namespace {

// The register values a bar's dialog shows in part: a control reaching past
// the dialog or its dock bar, cutting its lines, or breaking one within a value.
std::string ValuesCut(cdxCDynamicBar* pBar)
{
    RECT rcShown, rcDock;
    pBar->m_pDlg->GetClientRect(&rcShown);
    ::MapWindowPoints(pBar->m_pDlg->m_hWnd, nullptr, (POINT*)&rcShown, 2);
    pBar->m_pDockBar->GetWindowRect(&rcDock);
    std::string str;
    for (HWND h = ::GetWindow(pBar->m_pDlg->m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        RECT rc;
        ::GetWindowRect(h, &rc);
        const std::string strText = TextOf(h);
        std::string fault = vorntest::EditClips(h, strText.c_str());
        for (int n = 1; n < (int)::SendMessageA(h, EM_GETLINECOUNT, 0, 0); n++)
            if (strText[(size_t)::SendMessageA(h, EM_LINEINDEX, (WPARAM)n, 0) - 1] != ' ')
                fault += " line " + std::to_string(n) + " begins within a value";
        if (rc.right > std::min(rcShown.right, rcDock.right + 2))
            fault += " reaches past " + vorntest::RectText(rcShown);
        if ((::GetWindowLongA(h, GWL_STYLE) & WS_VISIBLE) && !fault.empty())
            str += " control " + std::to_string(::GetDlgCtrlID(h)) + " " + vorntest::RectText(rc) + fault;
    }
    return str;
}

}  // namespace

// At 14 points in a 960-pixel window the general and control registers
// sharing a row showed "4700000" and a sliver of the last digit of every
// fourth value, and powered off they broke four labels at the hyphen
// ("GR8-" / "B=????????") and cut the fourth placeholder to "???" (the
// edit breaks no line before a question mark); at 20 points in a
// 1270-pixel window the vector registers cut each second register at the
// window's edge. A bar narrower than its columns wraps its values and
// placeholders onto more lines, between values.
TEST_F(BarFontsFixture, RegisterValuesShowWholeInABarNarrowerThanTheirLine)
{
    const struct {
        int cx, cy, nPoints;
        std::vector<int> bars;
    } cases[] = {{960, 768, 14, {kFirstRegs, kFirstRegs + 1}}, {1270, 1010, 20, {kVRegs}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.nPoints) + " points at " + std::to_string(c.cx));
        OpenFrame();
        pFrame->MoveWindow(0, 0, c.cx, c.cy);
        ChooseFonts(c.nPoints, "Tahoma", true);  // the status line's font is the register bars'
        for (int i : c.bars)
            Command(kMainBars[i].nViewCmd);
        if (c.bars.size() > 1)
            DropInRowOf(Bar(c.bars[1]), Bar(c.bars[0]));
        // The placeholders of a machine powered off, then values.
        for (bool bValues : {false, true}) {
            if (bValues)
                RouteValues();
            Settle();
            for (int i : c.bars)
                EXPECT_EQ("", ValuesCut(Bar(i))) << kMainBars[i].pszTitle << (bValues ? "" : ", powered off");
        }
        pFrame->SendMessage(WM_CLOSE);
        Pump();
        ProfileWriteInt("BarsState\\BarsState-Summary", "Bars", 0);  // the next case starts afresh
    }
}
