// PreferencesDlgTest.cpp: the preferences dialog under Wine with a window in
// the view's role: the tree and title, the page protocol (a refused apply,
// an undone change), the remembered page, auto-close, what applied pages
// deliver, folder histories, the limits at both ends, the numbering and
// logging checks, the option pages and the editor command check; a group
// entry's empty page area.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "PrefsViewStandIn.h"
#include "config/FileChecks.h"
#include "config/Limits.h"
#include "config/StartupObjects.h"
#include "framework/HelpKeys.h"
#include "platform/CWinApp.h"
#include "platform/ErrorBalloon.h"
#include "platform/PathFunctions.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/preferences/PrefsBalloonTails.h"
#include "tests/support/DcPixels.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/MessageCounter.h"
#include "tests/support/ScreenShows.h"
#include "session/PrivateMessages.h"
#include "tests/support/ScopedIniStore.h"

namespace {

void Press(HWND hDlg, int nId)
{
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nId));
}

// Ticks or clears a check box or radio button of a page as a click would.
void Click(CWnd& page, int nId, bool bChecked = true)
{
    ::CheckDlgButton(page.m_hWnd, nId, bChecked ? BST_CHECKED : BST_UNCHECKED);
    Press(page.m_hWnd, nId);
}

// Types into an edit (which tells its page by itself).
void Type(CWnd& page, int nId, const char* pszText)
{
    ::SetDlgItemTextA(page.m_hWnd, nId, pszText);
}

// Types into a combo box's edit and tells its page, as typing does.
void TypeCombo(CWnd& page, int nId, const char* pszText)
{
    HWND h = ::GetDlgItem(page.m_hWnd, nId);
    ::SetWindowTextA(h, pszText);
    ::SendMessageA(page.m_hWnd, WM_COMMAND, MAKEWPARAM(nId, CBN_EDITCHANGE), (LPARAM)h);
}

// Hands the page the history messages its combo boxes posted (only those:
// the modal driver's timer must not run a step inside a step).
void DeliverHistoryMessages(CWnd& page)
{
    MSG msg;
    while (::PeekMessageA(&msg, page.m_hWnd, WM_HISTORY_ITEM_DELETED, WM_DIRHISTORY_DELETED_DISK, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

// Cancels a dialog that OK left open (a dialog that OK ended has let its
// pages go; a Cancel then would replace the ended dialog's result).
void CancelIfOpen(CPreferencesDlg& dlg, HWND hDlg)
{
    if (!dlg.Records().empty())
        Press(hDlg, IDCANCEL);
}

bool IsApplyEnabled(HWND hDlg)
{
    return ::IsWindowEnabled(::GetDlgItem(hDlg, ID_APPLY_NOW)) != FALSE;
}

bool IsEnabled(CWnd& page, int nId)
{
    return ::IsWindowEnabled(::GetDlgItem(page.m_hWnd, nId)) != FALSE;
}

std::string Text(CWnd& page, int nId)
{
    char sz[1024] = "";
    ::GetDlgItemTextA(page.m_hWnd, nId, sz, sizeof sz);
    return sz;
}

// The balloon showing now: "title|text", or "" for none.
std::string Balloon()
{
    CString strTitle, strText;
    if (!ErrorBalloonWindow(&strTitle, &strText))
        return "";
    return std::string(strTitle.GetString()) + "|" + strText.GetString();
}

// The tree's items in pre-order, with their captions.
std::vector<std::pair<HTREEITEM, std::string>> TreeItems(HWND hDlg)
{
    HWND hTree = ::GetDlgItem(hDlg, IDC_SETTINGS_TREE);
    std::vector<std::pair<HTREEITEM, std::string>> items;
    for (HTREEITEM h = TreeView_GetRoot(hTree); h;) {
        char buf[64] = {};
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = h;
        item.pszText = buf;
        item.cchTextMax = sizeof buf;
        TreeView_GetItem(hTree, &item);
        items.emplace_back(h, buf);
        HTREEITEM hNext = TreeView_GetChild(hTree, h);
        for (HTREEITEM p = h; !hNext && p; p = TreeView_GetParent(hTree, p))
            hNext = TreeView_GetNextSibling(hTree, p);
        h = hNext;
    }
    return items;
}

// The tree's captions in pre-order, two blanks of indent a level.
std::vector<std::string> TreeTexts(HWND hDlg)
{
    HWND hTree = ::GetDlgItem(hDlg, IDC_SETTINGS_TREE);
    std::vector<std::string> texts;
    for (const auto& [h, strText] : TreeItems(hDlg)) {
        int nDepth = 0;
        for (HTREEITEM p = TreeView_GetParent(hTree, h); p; p = TreeView_GetParent(hTree, p))
            ++nDepth;
        texts.push_back(std::string(2 * nDepth, ' ') + strText);
    }
    return texts;
}

// The tree item with the caption, null when there is none.
HTREEITEM TreeItem(HWND hDlg, const char* pszText)
{
    for (const auto& [h, strText] : TreeItems(hDlg))
        if (strText == pszText)
            return h;
    return nullptr;
}

struct PrefsDlgTest : ::testing::Test {
    TempDir iniDir;
    std::string strIni = iniDir.Path("prefs_tests.ini");
    vorntest::ScopedIniStore store{strIni.c_str()};
    CPrefsViewStandIn view;
    TempDir exeDir;  // holds the emulator's program
    TempDir otherDir;
    CString strExeDir, strOtherDir;

    PrefsDlgTest()
    {
        g_strEmulatorExeName = "Vornamic.exe";
        LoadLimits();  // the built-in "Limits" defaults
        exeDir.Write("Vornamic.exe", "MZ");
        strExeDir = exeDir.Folder().c_str();
        strOtherDir = otherDir.Folder().c_str();
    }
    ~PrefsDlgTest() override { ErrorBalloonHide(); }

    // Valid required folders, as the view would hand them over.
    void Fill(CPreferencesDlg& dlg)
    {
        view.Register(dlg);
        dlg.m_DirsPage.m_History[kDirExecutables].Add(strExeDir);
        dlg.m_DirsPage.m_History[kDirConfigFiles].Add(strOtherDir);
        dlg.m_DirsPage.m_History[kDirLogFiles].Add(strOtherDir);
        dlg.m_DirsPage.m_History[kDirTapeFiles].Add(strOtherDir);
        dlg.m_ExtsPage.m_strFilter[kFilterDisk] = "*.cckd;*.ckd";
        dlg.m_LogsPage.m_strBaseName = "Vornamic Logfile.txt";
    }
};

}  // namespace

// ---- the dialog ----------------------------------------------------------------

TEST_F(PrefsDlgTest, OpensWithItsTreeTitleAndApplyDisabled)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    std::vector<std::string> tree;
    std::string strTitle;
    bool bApply = true, bDirsShown = false;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        tree = TreeTexts(h);
        char sz[128] = "";
        ::GetWindowTextA(h, sz, sizeof sz);
        strTitle = sz;
        bApply = IsApplyEnabled(h);
        bDirsShown = dlg.m_DirsPage.IsWindowVisible() != FALSE;
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(r, IDCANCEL);
    const std::vector<std::string> expected = {
        "Directories", "File Extensions", "Logging",     "  Memory",       "  Disk",       "  Format",
        "  Numbering", "Appearance",      "  Console",   "  Device List",  "  Controls",   "  Percent Bar",
        "  Status Bar", "  Display/Alter", "Options",    "  Misc",         "  Misc2",      "  Misc3"};
    EXPECT_EQ(tree, expected);
    EXPECT_EQ(strTitle, "VornGUI Preferences");
    EXPECT_FALSE(bApply);
    EXPECT_TRUE(bDirsShown);
    EXPECT_TRUE(view.m_applied.empty());
    // Every page knows its index and its dialog.
    for (int i = 0; i < kPrefsPageCount; ++i) {
        CPrefsPage* p = dlg.GetPrefsPage(i);
        ASSERT_NE(p, nullptr) << i;
        EXPECT_EQ(p->GetPageIndex(), i);
        EXPECT_EQ(p->m_pDlg, &dlg);
    }
}

TEST_F(PrefsDlgTest, RefusedApplyKeepsThePageModifiedAndTheDialogOpen)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    view.m_nAnswer = 0;
    dlg.m_nStartPage = kPrefsExts;
    bool bApplyAfterRefusal = false, bOpenAfterOk = false, bModified = false;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        Type(dlg.m_ExtsPage, IDC_PREF_EXT_TAPE, "*.aws;*.het");
        Press(h, ID_APPLY_NOW);
        bApplyAfterRefusal = IsApplyEnabled(h);
        bModified = dlg.m_ExtsPage.IsModified();
        Press(h, IDOK);
        bOpenAfterOk = ::IsWindow(h) && ::IsWindowVisible(h);
        view.m_nAnswer = 1;
        Press(h, IDOK);
        return false;
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_TRUE(bApplyAfterRefusal);
    EXPECT_TRUE(bModified);
    EXPECT_TRUE(bOpenAfterOk);
    EXPECT_EQ(Balloon(), "");  // refused silently
    EXPECT_EQ(view.m_filters[kFilterTape], "*.aws;*.het");
    EXPECT_EQ(dlg.m_ExtsPage.m_strAppliedFilter[kFilterTape], "*.aws;*.het");
}

// Esc while a balloon shows (a field's error, What's-This) closes the
// balloon only, as the program's loop hands it over: the dialog stays open
// with the changes of every page; the next Esc cancels it.
TEST_F(PrefsDlgTest, EscapeClosesTheBalloonNotTheDialog)
{
    struct Case {
        const char* name;
        bool bError;  // else What's-This on the same field
    };
    const Case cases[] = {{"error balloon", true}, {"What's-This balloon", false}};
    for (const Case& c : cases) {
        CPreferencesDlg dlg;
        Fill(dlg);
        dlg.m_nStartPage = kPrefsLogging;
        int nStep = 0;
        std::string strBalloon, strAfterEsc = "(not reached)", strTapeFilter;
        bool bOpenAfterEsc = false;
        auto pressEscape = [] {
            HWND hFocus = ::GetFocus();
            ::PostMessageA(hFocus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
            ::PostMessageA(hFocus, WM_KEYUP, VK_ESCAPE, 0xC0010001);
        };
        INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
            if (nStep++ == 0) {
                Type(dlg.m_ExtsPage, IDC_PREF_EXT_TAPE, "*.aws;*.het");
                Type(dlg.m_LogsPage, IDC_PREF_LOG_MAXFILES, "0");
                HWND hField = ::GetDlgItem(dlg.m_LogsPage.m_hWnd, IDC_PREF_LOG_MAXFILES);
                if (c.bError) {
                    Press(h, IDOK);
                } else {
                    HELPINFO hi = {sizeof(hi), HELPINFO_WINDOW, IDC_PREF_LOG_MAXFILES, hField, 0, {100, 100}};
                    dlg.m_LogsPage.SendMessage(WM_HELP, 0, (LPARAM)&hi);
                }
                strBalloon = Balloon();
                pressEscape();
                return true;
            }
            // The posted keys have been handled: a timer comes only once the
            // queue holds no posted message.
            strAfterEsc = Balloon();
            bOpenAfterEsc = ::IsWindowVisible(h) != FALSE;
            strTapeFilter = Text(dlg.m_ExtsPage, IDC_PREF_EXT_TAPE);
            pressEscape();
            return true;
        });
        EXPECT_NE(strBalloon, "") << c.name;
        EXPECT_EQ(strAfterEsc, "") << c.name;
        EXPECT_TRUE(bOpenAfterEsc) << c.name;
        EXPECT_EQ(strTapeFilter, "*.aws;*.het") << c.name;
        EXPECT_EQ(r, IDCANCEL) << c.name;
        EXPECT_EQ(nStep, 2) << c.name;
        EXPECT_TRUE(view.m_applied.empty()) << c.name;
        ErrorBalloonHide();
    }
}

// Without the help file, the Help button (a real click) says so, as F1 does
// (it did nothing).
TEST_F(PrefsDlgTest, HelpButtonSaysTheHelpFileIsMissing)
{
    CWinApp app("PrefsHelpTest");
    app.m_strHelpFilePath = otherDir.Path("VornGUI.chm").c_str();
    CPreferencesDlg dlg;
    Fill(dlg);
    vorntest::MessageTally commands({WM_COMMAND});
    bool bClicked = false;
    std::string strBox = "(no box)";
    vorntest::RunModal(dlg, [&](HWND h) {
        if (HWND hBox = vorntest::OtherDialog(h)) {
            strBox = vorntest::DialogTexts(hBox);
            ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
            return true;
        }
        if (!bClicked) {
            CRect rc;
            ::GetWindowRect(::GetDlgItem(h, IDHELP), &rc);
            commands.Reset();
            bClicked = vorntest::ClickAt(rc.CenterPoint());
        }
        // A step comes once the button has handed the click over as its
        // command: the box came and went, or none came.
        if (bClicked && commands.Count(h, WM_COMMAND) == 0)
            return true;
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_TRUE(bClicked);
    EXPECT_NE(strBox.find("Unable to open the help file."), std::string::npos) << strBox;
}

// Up and Down on the page tree, handed over as the program's loop does,
// show the next and the previous page and leave the focus in the tree, so
// that the pages can be browsed by arrow.
TEST_F(PrefsDlgTest, ArrowsInTheTreeShowPagesAndKeepTheFocus)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsDirs;
    const UINT keys[] = {VK_DOWN, VK_DOWN, VK_DOWN, VK_UP};
    const int expected[] = {kPrefsExts, kPrefsLogging, kPrefsMemory, kPrefsLogging};
    std::vector<int> shown;
    std::vector<bool> focusInTree;
    size_t nStep = 0;
    vorntest::RunModal(dlg, [&](HWND h) {
        HWND hTree = ::GetDlgItem(h, IDC_SETTINGS_TREE);
        if (nStep == 0) {
            ::SetFocus(hTree);
        } else {
            // The key posted by the step before has been handled.
            shown.push_back(dlg.GetActiveIndex());
            focusInTree.push_back(::GetFocus() == hTree);
        }
        if (nStep == sizeof keys / sizeof keys[0]) {
            Press(h, IDCANCEL);
            return false;
        }
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, keys[nStep++], 0x00010001);
        return true;
    });
    EXPECT_EQ(shown, std::vector<int>(std::begin(expected), std::end(expected)));
    EXPECT_EQ(focusInTree, std::vector<bool>(4, true));
}

namespace {

// The preferences dialog whose step timer a test can run by hand.
struct CStepPrefsDlg : CPreferencesDlg {
    static constexpr UINT_PTR kStepTimer = kMakePagesTimerId;
};

// How many pixels of the page area below the header, as the dialog drew
// them, differ from the dialog's ground (its corner beside the tree).
size_t PageAreaPixelsUnlikeGround(CPreferencesDlg& dlg)
{
    CRect rcArea, rcHeader;
    dlg.GetPageRect(&rcArea);
    ::MapWindowPoints(dlg.m_hWnd, nullptr, (POINT*)&rcArea, 2);
    ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, IDC_SETTINGS_CAPTION), &rcHeader);
    rcArea.top = std::max(rcArea.top, rcHeader.bottom);
    POINT pt = {1, 1};
    ::ClientToScreen(dlg.m_hWnd, &pt);
    const DWORD dwGround = vorntest::WindowColours(dlg.m_hWnd, RECT{pt.x, pt.y, pt.x + 1, pt.y + 1})[0];
    return vorntest::PixelsUnlike(vorntest::WindowColours(dlg.m_hWnd, rcArea),
                                  std::vector<DWORD>((size_t)rcArea.Width() * rcArea.Height(), dwGround));
}

}  // namespace

// A group entry (Appearance, Options) has no page: the page shown before
// showed on under its header. Selected by key or by the tree's own
// selection message (a click's), and through a page still being made in
// steps, it shows its caption over an empty page area at once: each key
// and selection is sent, and the area looked at as soon as it is handled.
TEST_F(PrefsDlgTest, AGroupEntryShowsItsCaptionOverAnEmptyPageArea)
{
    CStepPrefsDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsNumbering;
    dlg.MakePageWhenShown(&dlg.m_MiscPage);
    vorntest::RunModal(dlg, [&](HWND h) {
        HWND hTree = ::GetDlgItem(h, IDC_SETTINGS_TREE);
        auto key = [&](UINT vk) { ::SendMessageA(hTree, WM_KEYDOWN, vk, 0x00010001); };
        auto select = [&](const char* pszItem) { EXPECT_TRUE(TreeView_SelectItem(hTree, TreeItem(h, pszItem))); };
        auto expectEmpty = [&](const char* pszGroup, const char* pszHow) {
            SCOPED_TRACE(pszHow);
            EXPECT_EQ(std::string(dlg.GetCaptionText().GetString()), pszGroup);
            for (const auto& p : dlg.Records())
                EXPECT_FALSE(p->HasAnyWindow() && p->pPage->IsWindowVisible()) << p->strCaption.GetString();
            EXPECT_EQ(PageAreaPixelsUnlikeGround(dlg), 0u);
        };
        ::SetFocus(hTree);
        key(VK_DOWN);
        expectEmpty("Appearance", "Down from Numbering");
        select("Directories");
        select("Appearance");
        expectEmpty("Appearance", "selected after Directories");
        select("Misc2");
        key(VK_UP);
        ::SendMessageA(h, WM_TIMER, CStepPrefsDlg::kStepTimer, 0);
        const SettingsPageRecord* pMisc = dlg.RecordOf(&dlg.m_MiscPage);
        EXPECT_TRUE(pMisc->HasAnyWindow() && !pMisc->HasWindow()) << "Misc made in part";
        key(VK_UP);
        expectEmpty("Options", "Up through Misc in the making");
        Press(h, IDCANCEL);
        return false;
    });
}

// Tab from the console page's sample, which takes Tab itself, goes on to
// the dialog's own controls: Tab after Tab comes round through the tree
// and OK, not only through the page's controls.
TEST_F(PrefsDlgTest, TabFromTheConsoleSampleReachesTheTreeAndOk)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsConsole;
    const int kMaxTabs = 40;
    std::vector<HWND> visited;
    bool bBackAtSample = false;
    HWND hSample = nullptr, hTree = nullptr, hOk = nullptr;
    vorntest::RunModal(dlg, [&](HWND h) {
        if (!hSample) {
            hSample = ::GetDlgItem(dlg.m_ConsPage.m_hWnd, IDC_PREF_CONSOLE_SAMPLE);
            hTree = ::GetDlgItem(h, IDC_SETTINGS_TREE);
            hOk = ::GetDlgItem(h, IDOK);
            ::SetFocus(hSample);
        } else {
            visited.push_back(::GetFocus());
            bBackAtSample = ::GetFocus() == hSample;
        }
        if (bBackAtSample || (int)visited.size() == kMaxTabs) {
            Press(h, IDCANCEL);
            return false;
        }
        ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_TAB, 0x000F0001);
        return true;
    });
    EXPECT_TRUE(bBackAtSample);
    EXPECT_NE(std::find(visited.begin(), visited.end(), hTree), visited.end());
    EXPECT_NE(std::find(visited.begin(), visited.end(), hOk), visited.end());
}

TEST_F(PrefsDlgTest, UndoneChangeClearsTheModifiedMark)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_Misc2Page.m_strExtraArgs = "EXTERNALGUI";
    dlg.m_nStartPage = kPrefsMisc2;
    std::vector<bool> apply;
    vorntest::RunModal(dlg, [&](HWND h) {
        Type(dlg.m_Misc2Page, IDC_PREF_EXTRA_ARGS, " EXTERNALGUI ");
        apply.push_back(IsApplyEnabled(h));
        Type(dlg.m_Misc2Page, IDC_PREF_EXTRA_ARGS, "EXTERNALGUI");
        apply.push_back(IsApplyEnabled(h));
        Click(dlg.m_Misc2Page, IDC_PREF_AUTOHIDE, true);
        apply.push_back(IsApplyEnabled(h));
        Click(dlg.m_Misc2Page, IDC_PREF_AUTOHIDE, false);
        apply.push_back(IsApplyEnabled(h));
        Type(dlg.m_Misc2Page, IDC_PREF_EXTRA_ARGS, "  EXTERNALGUI -v ");
        Press(h, IDOK);
        return false;
    });
    EXPECT_EQ(apply, (std::vector<bool>{true, false, true, false}));
    // Blanks typed around the extra arguments stay.
    EXPECT_EQ(view.m_strExtraArgs, "  EXTERNALGUI -v ");
}

TEST_F(PrefsDlgTest, CancelKeepsTheLastPageForTheNextOpening)
{
    int nLastPage = kPrefsMisc2;
    {
        CPreferencesDlg dlg;
        Fill(dlg);
        dlg.m_nStartPage = nLastPage;
        bool bShown = false;
        vorntest::RunModal(dlg, [&](HWND h) {
            bShown = dlg.m_Misc2Page.IsWindowVisible() != FALSE;
            Press(h, IDCANCEL);
            return false;
        });
        EXPECT_TRUE(bShown);
        nLastPage = dlg.m_nStartPage;
    }
    EXPECT_EQ(nLastPage, kPrefsMisc2);
    {
        // Opened there again; the user moves on to Numbering and cancels.
        CPreferencesDlg dlg;
        Fill(dlg);
        dlg.m_nStartPage = nLastPage;
        bool bShown = false;
        vorntest::RunModal(dlg, [&](HWND h) {
            bShown = dlg.m_Misc2Page.IsWindowVisible() != FALSE;
            dlg.SetActivePage(&dlg.m_LogNumPage);
            Press(h, IDCANCEL);
            return false;
        });
        EXPECT_TRUE(bShown);
        EXPECT_EQ(dlg.m_nStartPage, kPrefsNumbering);
    }
    for (int nAsked : {16, -1}) {
        // A page that is not there: the first page.
        CPreferencesDlg dlg;
        Fill(dlg);
        dlg.m_nStartPage = nAsked;
        bool bShown = false;
        vorntest::RunModal(dlg, [&](HWND h) {
            bShown = dlg.m_DirsPage.IsWindowVisible() != FALSE;
            Press(h, IDCANCEL);
            return false;
        });
        EXPECT_TRUE(bShown) << nAsked;
        EXPECT_EQ(dlg.m_nStartPage, kPrefsDirs) << nAsked;
    }
}

TEST_F(PrefsDlgTest, AutoCloseClosesWithValidFolders)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_bAutoClose = true;
    int nSteps = 0;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        if (++nSteps < 50)
            return true;
        Press(h, IDCANCEL);  // not closed by itself: fail below
        return false;
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(view.m_applied, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(dlg.m_nStartPage, kPrefsDirs);
    ASSERT_EQ(view.m_dirs[kDirExecutables].GetSize(), 1);
    EXPECT_EQ(view.m_dirs[kDirExecutables][0], strExeDir);
}

TEST_F(PrefsDlgTest, AutoCloseStaysOnDirectoriesWithoutExecutablesFolder)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_DirsPage.m_History[kDirExecutables].RemoveAll();
    dlg.m_bAutoClose = true;
    std::string strBalloon;
    bool bDirsShown = false, bFocus = false;
    int nSteps = 0;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        if (++nSteps < 5)
            return true;
        strBalloon = Balloon();
        bDirsShown = dlg.m_DirsPage.IsWindowVisible() != FALSE;
        HWND hFocus = ::GetFocus();
        HWND hCombo = ::GetDlgItem(dlg.m_DirsPage.m_hWnd, IDC_PREF_DIR_EXE);
        bFocus = hFocus == hCombo || ::GetParent(hFocus) == hCombo;
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(strBalloon, "Executable Files|The executable files directory is a required directory.");
    EXPECT_TRUE(bDirsShown);
    EXPECT_TRUE(bFocus);
    EXPECT_TRUE(view.m_applied.empty());
}

// ---- directories and filters ----------------------------------------------------

TEST_F(PrefsDlgTest, AppliedFolderAndFilterReachTheViewAndCancelKeepsThem)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    TempDir tapes;
    CString strTapes = tapes.Folder().c_str();
    vorntest::RunModal(dlg, [&](HWND h) {
        TypeCombo(dlg.m_DirsPage, IDC_PREF_DIR_TAPE, "  " + strTapes + " ");
        Press(h, ID_APPLY_NOW);
        dlg.SetActivePage(&dlg.m_ExtsPage);
        Type(dlg.m_ExtsPage, IDC_PREF_EXT_DISK, " *.cckd64 ");
        Press(h, ID_APPLY_NOW);
        Type(dlg.m_ExtsPage, IDC_PREF_EXT_DISK, "*.never");
        Press(h, IDCANCEL);
        return false;
    });
    // The typed folder, trimmed, leads the tape history; the old one follows.
    ASSERT_EQ(view.m_dirs[kDirTapeFiles].GetSize(), 2);
    EXPECT_EQ(view.m_dirs[kDirTapeFiles][0], strTapes);
    EXPECT_EQ(view.m_dirs[kDirTapeFiles][1], strOtherDir);
    // Filters are taken as typed; Cancel sent nothing more.
    EXPECT_EQ(view.m_filters[kFilterDisk], " *.cckd64 ");
    EXPECT_EQ(view.m_applied.size(), 32u);  // two Apply presses over the sixteen pages
}

TEST_F(PrefsDlgTest, FolderHistoryDeletionSelectsTheNeighbour)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    CStringArray& reader = dlg.m_DirsPage.m_History[kDirReaderFiles];
    reader.Add("C:\\a\\");
    reader.Add("C:\\b\\");
    reader.Add("C:\\c\\");
    dlg.m_DirsPage.m_History[kDirPunchFiles].Add("C:\\only\\");
    std::vector<std::string> shown;
    vorntest::RunModal(dlg, [&](HWND h) {
        auto& combo = dlg.m_DirsPage.Combo(kDirReaderFiles);
        combo.DeleteHistoryItem(2);  // not the folder in the field: it stays
        DeliverHistoryMessages(dlg.m_DirsPage);
        shown.push_back(dlg.m_DirsPage.m_strDir[kDirReaderFiles].GetString());
        combo.DeleteHistoryItem(0);  // the folder in the field: the next moves up
        DeliverHistoryMessages(dlg.m_DirsPage);
        shown.push_back(dlg.m_DirsPage.m_strDir[kDirReaderFiles].GetString());
        shown.push_back(Text(dlg.m_DirsPage, IDC_PREF_DIR_READER));
        dlg.m_DirsPage.Combo(kDirPunchFiles).DeleteHistoryItem(0);
        DeliverHistoryMessages(dlg.m_DirsPage);
        shown.push_back(dlg.m_DirsPage.m_strDir[kDirPunchFiles].GetString());
        shown.push_back(Text(dlg.m_DirsPage, IDC_PREF_DIR_PUNCH));
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(shown, (std::vector<std::string>{"C:\\a\\", "C:\\b\\", "C:\\b\\", "", ""}));
    ASSERT_EQ(reader.GetSize(), 1);
    EXPECT_EQ(reader[0], "C:\\b\\");
    EXPECT_EQ(dlg.m_DirsPage.m_History[kDirPunchFiles].GetSize(), 0);
}

// An applied folder is listed at once, and deleting the older entry leaves
// it in force: the view gets only the new folder.
TEST_F(PrefsDlgTest, AppliedFolderIsListedAndOutlivesDeletingTheOldEntry)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    TempDir tapes;
    CString strTapes = tapes.Folder().c_str(), strListed, strField;
    vorntest::RunModal(dlg, [&](HWND h) {
        TypeCombo(dlg.m_DirsPage, IDC_PREF_DIR_TAPE, strTapes);
        Press(h, ID_APPLY_NOW);
        strListed = dlg.m_DirsPage.Combo(kDirTapeFiles).GetAllText(';');
        dlg.m_DirsPage.Combo(kDirTapeFiles).DeleteHistoryItem(1);
        DeliverHistoryMessages(dlg.m_DirsPage);
        strField = Text(dlg.m_DirsPage, IDC_PREF_DIR_TAPE).c_str();
        Press(h, IDOK);
        return false;
    });
    EXPECT_EQ(strListed, strTapes + ";" + strOtherDir);
    EXPECT_EQ(strField, strTapes);
    ASSERT_EQ(view.m_dirs[kDirTapeFiles].GetSize(), 1);
    EXPECT_EQ(view.m_dirs[kDirTapeFiles][0], strTapes);
}

TEST_F(PrefsDlgTest, ExecutablesFolderCheckRecordsNothing)
{
    exeDir.Write("volmake64.exe", "MZ");
    bool bSaved = g_bCKD64UtilitiesMissing;
    for (bool bMissing : {true, false}) {
        g_bCKD64UtilitiesMissing = bMissing;
        CPreferencesDlg dlg;
        Fill(dlg);
        vorntest::RunModal(dlg, [&](HWND h) {
            Press(h, ID_APPLY_NOW);
            Press(h, IDCANCEL);
            return false;
        });
        EXPECT_EQ(view.m_applied.front(), kPrefsDirs);
        EXPECT_EQ(g_bCKD64UtilitiesMissing, bMissing);
        view.m_applied.clear();
    }
    g_bCKD64UtilitiesMissing = bSaved;
}

// ---- logging ------------------------------------------------------------------

// The edit, its value, and whether the page is then applied.
struct LimitCase {
    int nPage;
    int nEdit;
    const char* value;
    bool ok;
    const char* balloon;
};

TEST_F(PrefsDlgTest, LimitsAtBothEnds)
{
    g_nMaxAutologFilenum = 999;
    g_nMaxMemLoglinesLimit = 50000;
    g_nMaxDiskLoglinesLimit = 500000;
    const LimitCase cases[] = {
        {kPrefsLogging, IDC_PREF_LOG_MAXFILES, "1000", true, ""},
        {kPrefsLogging, IDC_PREF_LOG_MAXFILES, "1001", false, "Maximum Files|Enter a number from 1 to 1000."},
        {kPrefsLogging, IDC_PREF_LOG_MAXFILES, "0", false, "Maximum Files|Enter a number from 1 to 1000."},
        {kPrefsLogging, IDC_PREF_LOG_MAXFILES, "1", true, ""},
        {kPrefsMemory, IDC_PREF_MEMLOG_LINES, "99", false, "Lines Limit|Enter a number from 100 to 50000."},
        {kPrefsMemory, IDC_PREF_MEMLOG_LINES, "100", true, ""},
        {kPrefsMemory, IDC_PREF_MEMLOG_LINES, "50000", true, ""},
        {kPrefsMemory, IDC_PREF_MEMLOG_LINES, "50001", false, "Lines Limit|Enter a number from 100 to 50000."},
        {kPrefsDisk, IDC_PREF_DISKLOG_LINES, "999", false, "Lines Limit|Enter a number from 1000 to 500000."},
        {kPrefsDisk, IDC_PREF_DISKLOG_LINES, "1000", true, ""},
        {kPrefsDisk, IDC_PREF_DISKLOG_LINES, "500000", true, ""},
        {kPrefsDisk, IDC_PREF_DISKLOG_LINES, "500001", false, "Lines Limit|Enter a number from 1000 to 500000."},
    };
    for (const LimitCase& c : cases) {
        CPreferencesDlg dlg;
        Fill(dlg);
        dlg.m_MemLogPage.m_bEnabled = dlg.m_DiskLogPage.m_bEnabled = true;
        dlg.m_nStartPage = c.nPage;
        std::string strBalloon;
        INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
            Type(*dlg.GetPrefsPage(c.nPage), c.nEdit, c.value);
            Press(h, IDOK);
            strBalloon = Balloon();
            CancelIfOpen(dlg, h);
            return false;
        });
        EXPECT_EQ(r, c.ok ? IDOK : IDCANCEL) << c.value;
        EXPECT_EQ(strBalloon, c.balloon) << c.value;
        ErrorBalloonHide();
        if (!c.ok)
            continue;
        UINT nTaken = c.nPage == kPrefsLogging ? view.m_nMaxFiles
                      : c.nPage == kPrefsMemory ? view.m_nMemLines : view.m_nDiskLines;
        EXPECT_EQ(nTaken, (UINT)std::atoi(c.value));
    }
}

TEST_F(PrefsDlgTest, SpinsGoBeyond32767WithoutSeparators)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_DiskLogPage.m_bEnabled = true;
    dlg.m_nStartPage = kPrefsDisk;
    std::string strText;
    vorntest::RunModal(dlg, [&](HWND h) {
        HWND hSpin = ::GetDlgItem(dlg.m_DiskLogPage.m_hWnd, IDC_PREF_DISKLOG_SPIN);
        ::SendMessageA(hSpin, UDM_SETPOS32, 0, 456789);
        strText = Text(dlg.m_DiskLogPage, IDC_PREF_DISKLOG_LINES);
        Press(h, IDOK);
        return false;
    });
    EXPECT_EQ(strText, "456789");
    EXPECT_EQ(view.m_nDiskLines, 456789u);
}

TEST_F(PrefsDlgTest, AutomaticLoggingControlsFollowTheOption)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsLogging;
    std::vector<bool> enabled;
    vorntest::RunModal(dlg, [&](HWND h) {
        CPrefLogsPropPage& p = dlg.m_LogsPage;
        enabled.push_back(IsEnabled(p, IDC_PREF_LOG_BASENAME));
        Click(p, IDC_PREF_LOG_STARTUP);
        enabled.push_back(IsEnabled(p, IDC_PREF_LOG_BASENAME));
        enabled.push_back(IsEnabled(p, IDC_PREF_LOG_MAXFILES_SPIN));
        Click(p, IDC_PREF_LOG_SHUTDOWN);
        enabled.push_back(IsEnabled(p, IDC_PREF_LOG_NOTE));
        Type(p, IDC_PREF_LOG_MAXFILES, "12");
        Click(p, IDC_PREF_LOG_AUTO);
        enabled.push_back(IsEnabled(p, IDC_PREF_LOG_MAXFILES));
        Press(h, IDOK);
        return false;
    });
    EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, false, true}));
    EXPECT_EQ(view.m_nLogOption, 2);
    EXPECT_EQ(view.m_nMaxFiles, 12u);
}

TEST_F(PrefsDlgTest, LoggingBaseNameOfAnExistingFileAsksNothing)
{
    otherDir.Write("Vornamic Logfile.txt", "an old log");
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsLogging;
    bool bAsked = false;
    vorntest::DialogDriver driver([&](HWND h) {
        if (h == dlg.m_hWnd)
            return true;
        bAsked = true;
        ::PostMessageA(h, WM_COMMAND, IDNO, 0);  // a question would be refused
        return true;
    });
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        dlg.SetActivePage(&dlg.m_LogNumPage);  // leaving the page checks it too
        Press(h, IDOK);
        return false;
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_FALSE(bAsked);
    EXPECT_EQ(view.m_strBaseName, "Vornamic Logfile.txt");
}

TEST_F(PrefsDlgTest, LoggingBaseNameIsCheckedAgainstTheTypedLogFolder)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsDirs;
    std::string strBalloon;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        TypeCombo(dlg.m_DirsPage, IDC_PREF_DIR_LOG, strOtherDir + "nowhere");
        dlg.SetActivePage(&dlg.m_LogsPage);  // refused: the Directories page checks first
        strBalloon = Balloon();
        ErrorBalloonHide();
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(strBalloon, "Log Files|Directory does not exist or is invalid.");
    // Not applied: the Logging page is not shown, so only the shown page checks;
    // shown, it refuses a name in a folder that does not exist.
    CPreferencesDlg dlg2;
    Fill(dlg2);
    dlg2.m_DirsPage.m_History[kDirLogFiles][0] = strOtherDir + "nowhere\\";
    dlg2.m_nStartPage = kPrefsLogging;
    r = vorntest::RunModal(dlg2, [&](HWND h) {
        Press(h, IDOK);
        strBalloon = Balloon();
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(r, IDCANCEL);
    EXPECT_EQ(strBalloon, "Filename|The specified directory name is not valid.");
}

TEST_F(PrefsDlgTest, NumberingFollowsTheLoggingPage)
{
    struct Case {
        int option;       // the Logging page's option, set on that page
        const char* maxFiles;
        const char* number;
        bool ok;
        bool editable;
        UINT taken;       // the number the view takes
    };
    const Case cases[] = {
        {2, "10", "9", true, true, 9},
        {2, "10", "10", false, true, 0},
        // The number in force, left as it was, follows a maximum lowered below it.
        {2, "3", "3", true, true, 0},
        // Numbering off: the number cannot be edited, and one beyond a
        // lowered maximum starts over at 0, as the document's does.
        {0, "10", "50", true, false, 0},
        {1, "5", "7", true, false, 0},
        {1, "5", "4", true, false, 4},
    };
    for (const Case& c : cases) {
        CPreferencesDlg dlg;
        Fill(dlg);
        dlg.m_LogNumPage.m_nCurFileNum = 3;
        dlg.m_nStartPage = kPrefsLogging;
        std::string strBalloon, strInstr;
        bool bEditable = false;
        int nLow = -1, nHigh = -1;
        INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
            Type(dlg.m_LogsPage, IDC_PREF_LOG_MAXFILES, c.maxFiles);
            Click(dlg.m_LogsPage, IDC_PREF_LOG_STARTUP + c.option);
            dlg.SetActivePage(&dlg.m_LogNumPage);
            Type(dlg.m_LogNumPage, IDC_PREF_LOGNUM, c.number);
            bEditable = IsEnabled(dlg.m_LogNumPage, IDC_PREF_LOGNUM);
            strInstr = Text(dlg.m_LogNumPage, IDC_PREF_LOGNUM_TEXT);
            ::SendMessageA(::GetDlgItem(dlg.m_LogNumPage.m_hWnd, IDC_PREF_LOGNUM_SPIN), UDM_GETRANGE32,
                           (WPARAM)&nLow, (LPARAM)&nHigh);
            Press(h, IDOK);
            strBalloon = Balloon();
            CancelIfOpen(dlg, h);
            return false;
        });
        ErrorBalloonHide();
        EXPECT_EQ(r, c.ok ? IDOK : IDCANCEL) << c.number;
        EXPECT_EQ(bEditable, c.editable) << c.number;
        EXPECT_EQ(strInstr.substr(0, 44),
                  c.editable ? "Automatic logfile numbering is currently ena" : "Automatic logfile numbering is currently dis");
        EXPECT_NE(strInstr.find("logfile number is 3."), std::string::npos);
        EXPECT_EQ(nLow, 0);
        EXPECT_EQ(nHigh, std::atoi(c.maxFiles) - 1);
        EXPECT_EQ(strBalloon, c.ok ? "" : "Logfile Number|Enter a number from 0 to 9.") << c.number;
        if (c.ok) {
            EXPECT_EQ(view.m_nCurFileNum, c.taken) << c.number;
        }
    }
}

TEST_F(PrefsDlgTest, FormatPageProcessIdChoicesExcludeEachOther)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsFormat;
    std::vector<bool> states;
    auto Note = [&](CLogFmtPropPage& p) {
        for (int id : {IDC_PREF_LOG_PID_ALWAYS, IDC_PREF_LOG_PID_IFNEEDED}) {
            states.push_back(::IsDlgButtonChecked(p.m_hWnd, id) == BST_CHECKED);
            states.push_back(IsEnabled(p, id));
        }
    };
    vorntest::RunModal(dlg, [&](HWND h) {
        CLogFmtPropPage& p = dlg.m_LogFmtPage;
        Note(p);  // the defaults: "always" ticked, "if needed" clear and greyed
        Click(p, IDC_PREF_LOG_PID_ALWAYS, false);
        Note(p);  // both editable
        Click(p, IDC_PREF_LOG_PID_IFNEEDED, true);
        Note(p);  // "always" greyed
        Click(p, IDC_PREF_LOG_DATES, true);
        Press(h, IDOK);
        return false;
    });
    EXPECT_EQ(states, (std::vector<bool>{true, true, false, false, false, true, false, true, false, false, true,
                                         true}));
    EXPECT_TRUE(dlg.m_LogFmtPage.m_bDates);
    EXPECT_TRUE(dlg.m_LogFmtPage.m_bPidIfNeeded);
    EXPECT_FALSE(dlg.m_LogFmtPage.m_bPidAlways);
}

TEST_F(PrefsDlgTest, DiskPageClearsFlushWhenTheLogIsAskedForAtShutdown)
{
    for (int nOption : {1, 2}) {
        CPreferencesDlg dlg;
        Fill(dlg);
        dlg.m_LogsPage.m_nLogOption = nOption;
        dlg.m_DiskLogPage.m_bSync = true;
        dlg.m_nStartPage = kPrefsDisk;
        bool bTicked = false;
        vorntest::RunModal(dlg, [&](HWND h) {
            bTicked = ::IsDlgButtonChecked(dlg.m_DiskLogPage.m_hWnd, IDC_PREF_DISKLOG_SYNC) == BST_CHECKED;
            Press(h, IDOK);
            return false;
        });
        EXPECT_EQ(bTicked, nOption != 1);
        EXPECT_EQ(view.m_bSync, nOption != 1);
    }
}

TEST_F(PrefsDlgTest, MemoryLimitControlsFollowTheCheckBox)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsMemory;
    std::vector<bool> enabled;
    vorntest::RunModal(dlg, [&](HWND h) {
        enabled.push_back(IsEnabled(dlg.m_MemLogPage, IDC_PREF_MEMLOG_LINES));
        Click(dlg.m_MemLogPage, IDC_PREF_MEMLOG_ENABLE);
        enabled.push_back(IsEnabled(dlg.m_MemLogPage, IDC_PREF_MEMLOG_LINES));
        enabled.push_back(IsEnabled(dlg.m_MemLogPage, IDC_PREF_MEMLOG_UNITS));
        enabled.push_back(IsApplyEnabled(h));
        Press(h, IDCANCEL);
        return false;
    });
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, true, true}));
}

// ---- the option pages ----------------------------------------------------------

TEST_F(PrefsDlgTest, AggregateLabelFollowsItsBox)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsMisc;
    std::vector<std::string> labels;
    vorntest::RunModal(dlg, [&](HWND h) {
        labels.push_back(Text(dlg.m_MiscPage, IDC_PREF_AGGREGATE));
        Click(dlg.m_MiscPage, IDC_PREF_AGGREGATE, false);
        labels.push_back(Text(dlg.m_MiscPage, IDC_PREF_AGGREGATE));
        Click(dlg.m_MiscPage, IDC_PREF_POWEROFF_ASK);
        Click(dlg.m_MiscPage, IDC_PREF_IGNORE_PARSE, false);
        Press(h, IDOK);
        return false;
    });
    EXPECT_EQ(labels, (std::vector<std::string>{" Display as totals for the entire system",
                                                " Display as totals for the currently selected Status Bar CPU only"}));
    EXPECT_FALSE(dlg.m_MiscPage.m_bAggregateStats);
    EXPECT_EQ(dlg.m_MiscPage.m_nPowerOff, 2);
    EXPECT_FALSE(dlg.m_MiscPage.m_bIgnoreParseErrors);
}

TEST(PrefsEditorCommand, Table)
{
    TempDir tmp;
    std::string strSub = tmp.Folder() + "My Editors";
    ::CreateDirectoryA(strSub.c_str(), nullptr);
    std::string strEd = strSub + "\\ed it.exe";
    TempDir eddir;
    eddir.Write("ed.exe", "MZ");
    ::CloseHandle(::CreateFileA(strEd.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ::SetEnvironmentVariableA("EDDIR", eddir.Folder().substr(0, eddir.Folder().size() - 1).c_str());
    std::string strMissing = tmp.Folder() + "nope.exe";
    struct Case {
        std::string cmd;
        bool ok;
        std::string message;
    };
    const Case cases[] = {
        {"", true, ""},
        {"\"" + strEd + "\" -n +1", true, ""},
        {"%EDDIR%\\ed.exe -x", true, ""},
        {strMissing, false, "File \"" + strMissing + "\" not found."},
        {"%EDDIR%\\nope.exe", false, "File \"" + eddir.Folder() + "nope.exe\" not found."},
        {strEd + " -n", false, "File \"" + tmp.Folder() + "My\" not found."},  // unquoted blanks: two words
        {"\"\"", false, "Error parsing command line!"},
        {"\"" + strEd, false, "Error parsing command line!"},
    };
    for (const Case& c : cases) {
        CString strMsg;
        EXPECT_EQ(ValidateEditorCommand(c.cmd.c_str(), strMsg), c.ok) << c.cmd;
        EXPECT_EQ(strMsg, c.message.c_str()) << c.cmd;
    }
    ::SetEnvironmentVariableA("EDDIR", nullptr);
}

TEST_F(PrefsDlgTest, EditorCommandIsCheckedOnTheShownPage)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsMisc3;
    std::string strMissing = exeDir.Folder() + "nope.exe";
    std::string strBalloon;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        Type(dlg.m_Misc3Page, IDC_PREF_EDITOR, ("  " + strMissing + "  ").c_str());
        Press(h, IDOK);
        strBalloon = Balloon();
        ErrorBalloonHide();
        Type(dlg.m_Misc3Page, IDC_PREF_EDITOR, (" \"" + exeDir.Folder() + "Vornamic.exe\" -r ").c_str());
        Press(h, IDOK);
        return false;
    });
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(strBalloon, "Command Line|File \"" + strMissing + "\" not found.");
    EXPECT_EQ(view.m_strEditor, ("\"" + exeDir.Folder() + "Vornamic.exe\" -r").c_str());
}

TEST_F(PrefsDlgTest, BrowsedEditorWithBlanksIsQuotedAndAccepted)
{
    TempDir tmp;
    std::string strSub = tmp.Folder() + "Program Files";
    ::CreateDirectoryA(strSub.c_str(), nullptr);
    std::string strEd = strSub + "\\editor.exe";
    ::CloseHandle(::CreateFileA(strEd.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsMisc3;
    vorntest::DialogDriver driver([&](HWND h) {
        char sz[64] = "";
        ::GetWindowTextA(h, sz, sizeof sz);
        if (std::string(sz) != "Preferred Editor")
            return true;
        ::SetDlgItemTextA(h, 0x47C, strEd.c_str());
        ::PostMessageA(h, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(h, IDOK));
        return false;
    });
    std::string strEdit;
    INT_PTR r = vorntest::RunModal(dlg, [&](HWND h) {
        Press(dlg.m_Misc3Page.m_hWnd, IDC_PREF_EDITOR_BROWSE);
        strEdit = Text(dlg.m_Misc3Page, IDC_PREF_EDITOR);
        Press(h, IDOK);
        CancelIfOpen(dlg, h);
        return false;
    });
    EXPECT_EQ(strEdit, "\"" + strEd + "\"");
    EXPECT_EQ(r, IDOK);
    EXPECT_EQ(view.m_strEditor, strEdit.c_str());
}

// Misc3's editor field ends before its ">" button: laid out wider than its
// template, the page made the field longer, which ran under the button.
TEST_F(PrefsDlgTest, Misc3EditorFieldEndsBeforeItsButton)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_nStartPage = kPrefsMisc3;
    RECT rcField = {}, rcButton = {};
    vorntest::RunModal(dlg, [&](HWND h) {
        HWND hPage = dlg.GetPrefsPage(kPrefsMisc3)->m_hWnd;
        ::GetWindowRect(::GetDlgItem(hPage, IDC_PREF_EDITOR), &rcField);
        ::GetWindowRect(::GetDlgItem(hPage, IDC_PREF_EDITOR_BROWSE), &rcButton);
        Press(h, IDCANCEL);
        return false;
    });
    ASSERT_GT(rcButton.right, rcButton.left) << "no \">\" button";
    EXPECT_LE(rcField.right, rcButton.left) << "the field's end runs under the button";
}

TEST_F(PrefsDlgTest, OpeningAndClosingLeavesNoGdiObjects)
{
    auto OpenClose = [&] {
        CPreferencesDlg dlg;
        Fill(dlg);
        vorntest::RunModal(dlg, [&](HWND h) {
            dlg.SetActivePage(&dlg.m_LogsPage);
            Press(h, IDCANCEL);
            return false;
        });
    };
    OpenClose();
    DWORD nBefore = vorntest::GdiObjectCount();
    for (int i = 0; i < 5; ++i)
        OpenClose();
    EXPECT_EQ(vorntest::GdiObjectCount(), nBefore);
}

// For tools/screenshot: the page of VORN_PREFS_PAGE (default 0) stays open
// while VORN_KEEP_OPEN is set.
TEST_F(PrefsDlgTest, DISABLED_ShowForPicture)
{
    if (!vorntest::KeepOpenForScreenshot())
        GTEST_SKIP() << "VORN_KEEP_OPEN not set";
    CPreferencesDlg dlg;
    Fill(dlg);
    dlg.m_DirsPage.m_History[kDirDiskFiles].Add("C:\\Vornamic\\dasd\\");
    // The appearance pages with the program's usual colours.
    const COLORREF consoleColors[5] = {RGB(0, 0, 0), RGB(0, 128, 0), RGB(128, 128, 128), RGB(255, 0, 0),
                                       RGB(192, 96, 0)};
    for (int k = 0; k < 5; ++k) {
        LOGFONTA& lf = dlg.m_ConsPage.lfKind[k];
        lstrcpyA(lf.lfFaceName, "DejaVu Sans Mono");
        lf.lfHeight = -13;
        lf.lfWeight = k == 3 ? FW_BOLD : FW_NORMAL;
        dlg.m_ConsPage.crKind[k] = consoleColors[k];
    }
    for (CPrefFontColorPage* p : {(CPrefFontColorPage*)&dlg.m_DevlistPage, (CPrefFontColorPage*)&dlg.m_DisplayAlterPage}) {
        lstrcpyA(p->lf.lfFaceName, "DejaVu Sans Mono");
        p->lf.lfHeight = -12;
    }
    dlg.m_DisplayAlterPage.crText = RGB(0, 0, 0);
    dlg.m_DisplayAlterPage.crBack = RGB(255, 255, 255);
    dlg.m_StatLinePage.lf = dlg.m_DevlistPage.lf;
    dlg.m_PercentPage.nMeterColor[1] = 2;
    dlg.m_PercentPage.nMeterColor[2] = 3;
    dlg.m_PercentPage.nMeterColor[3] = 4;
    const char* pszPage = std::getenv("VORN_PREFS_PAGE");
    dlg.m_nStartPage = pszPage ? std::atoi(pszPage) : 0;
    // VORN_PREFS_GROW: the dialog that much wider and taller (pixels).
    const char* pszGrow = std::getenv("VORN_PREFS_GROW");
    // VORN_PREFS_SELECT: the tree entry of that caption selected once the
    // dialog shows (a group entry such as "Appearance").
    const char* pszSelect = std::getenv("VORN_PREFS_SELECT");
    vorntest::RunModal(dlg, [&](HWND h) {
        if (pszGrow) {
            RECT rc;
            ::GetWindowRect(h, &rc);
            int n = std::atoi(pszGrow);
            ::SetWindowPos(h, nullptr, 0, 0, rc.right - rc.left + n, rc.bottom - rc.top + n, SWP_NOMOVE | SWP_NOZORDER);
            pszGrow = nullptr;
        }
        if (pszSelect) {
            TreeView_SelectItem(::GetDlgItem(h, IDC_SETTINGS_TREE), TreeItem(h, pszSelect));
            pszSelect = nullptr;
        }
        ::Sleep(100);
        return ::GetAsyncKeyState(VK_ESCAPE) == 0;
    });
}

// The balloon texts ("body\ntitle") and help ids of the pages' tables; an
// unmapped key is its own help id.
TEST_F(PrefsDlgTest, HelpTablesGiveBalloonsAndHelpIds)
{
    CPreferencesDlg dlg;
    Fill(dlg);
    vorntest::ExpectBalloonTails(dlg, {
        {kPrefsDirs, 0, "\nDirectories"},
        {kPrefsDirs, IDC_PREF_INSTRUCTIONS, "may be adjusted.\nInstructions"},
        {kPrefsDirs, IDC_PREF_BROWSE_TAPE, "your Tape files.\nBrowse for Tape Files"},
        {kPrefsDirs, IDC_PREF_REQUIRED_NOTE, "\nRequired Entries"},
        {kPrefsExts, IDC_PREF_LABEL_PUNCH, "recognized as Punch Files Separate each entry in the list with a single "
                                           "semicolon.\nPunch Files"},
        {kPrefsLogging, IDC_PREF_LOG_MAXFILES_SPIN, "\nMaximum Files"},
        {kPrefsMemory, IDC_PREF_INSTRUCTIONS, "\nInstructions"},
        {kPrefsFormat, IDC_PREF_NOTE, "\nInstructions"},
        {kPrefsNumbering, 0, "\nLogging :: Numbering"},
        {kPrefsMisc, IDC_PREF_POWEROFF_ASK_MORE, "\nPower Off and Ask"},
        {kPrefsMisc2, IDC_PREF_AUTOHIDE, "\nFind / Replace"},
        {kPrefsMisc3, IDC_PREF_EDITOR_BROWSE, "\nBrowse for Editor"},
    });
    struct IdCase {
        int page;
        UINT ctrl;
        UINT id;
    };
    const IdCase ids[] = {
        {kPrefsDirs, 0, 1527},
        {kPrefsDirs, IDC_PREF_DIR_DISK, 1556},
        {kPrefsExts, IDC_PREF_EXT_TAPE, 1608},
        {kPrefsLogging, IDC_PREF_LOG_BASENAME, 1657},
        {kPrefsFormat, IDC_PREF_LOG_PID_IFNEEDED, 1770},
        {kPrefsNumbering, IDC_PREF_LOGNUM, (IDD_PREF_LOGNUM << 16) | IDC_PREF_LOGNUM_SPIN},
        {kPrefsNumbering, IDC_PREF_LOGNUM_SPIN, (IDD_PREF_LOGNUM << 16) | IDC_PREF_LOGNUM_SPIN},
        {kPrefsMisc2, IDC_PREF_AUTOHIDE, 2229},
        {kPrefsMisc3, IDC_PREF_SESSDESC, 1784},
    };
    for (const IdCase& c : ids) {
        CHelpButtonWnd<CPropertyPage>& page = *dlg.GetPrefsPage(c.page);
        EXPECT_EQ(page.GetHelpId(MakeHelpKey(page.GetHelpDialogId(), c.ctrl)), c.id) << c.page << "/" << c.ctrl;
    }
}
