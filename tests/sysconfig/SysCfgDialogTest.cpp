// SysCfgDialogTest.cpp: the system configuration dialog under Wine on a
// rich configuration, against a window that takes the applies as the view
// does: the title and the tree, the apply pass in table order (leaving the
// values already shown as they are), a check that fails on a page that is
// not shown (nothing applied), the maximum-CPU relay to pages never shown,
// and GDI objects.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "config/Limits.h"
#include "session/PrivateMessages.h"
#include "sysconfig/SysCfgDialog.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/GdiObjectCount.h"
#include "tests/support/HangWatch.h"
#include "tests/support/MessageCounter.h"
#include "tests/support/ScopedIniStore.h"
#include "tests/support/ScreenShows.h"
#include "tests/sysconfig/SysCfgTestSupport.h"

using namespace vorntest;

namespace {

struct SysCfgDialogTest : ::testing::Test {
    TempDir dir;
    std::string strIni = dir.Path("syscfg_tests.ini");
    ScopedIniStore store{strIni.c_str()};
    CApplyReceiver view;

    // Runs the dialog on the rich configuration: step once it shows with
    // every page it makes after its start, then the dialog is cancelled
    // unless the step ended it.
    INT_PTR Run(CSysCfgDialog& dlg, std::function<void(HWND)> step)
    {
        return RunModal(dlg, [&](HWND hDlg) {
            if (dlg.PagesWaiting())
                return true;
            step(hDlg);
            if (::IsWindow(hDlg))
                Press(hDlg, IDCANCEL);
            return false;
        });
    }
};

std::vector<std::string> TreeTexts(HWND hDlg)
{
    std::vector<std::string> texts;
    HWND hTree = ::GetDlgItem(hDlg, IDC_SETTINGS_TREE);
    for (HTREEITEM h = TreeView_GetRoot(hTree); h;) {
        char buf[64] = {};
        TVITEMA item = {};
        item.mask = TVIF_TEXT;
        item.hItem = h;
        item.pszText = buf;
        item.cchTextMax = sizeof buf;
        TreeView_GetItem(hTree, &item);
        HTREEITEM hParent = TreeView_GetParent(hTree, h);
        std::string strParent;
        if (hParent) {
            char parent[64] = {};
            item.hItem = hParent;
            item.pszText = parent;
            TreeView_GetItem(hTree, &item);
            strParent = std::string(parent) + "/";
        }
        texts.push_back(strParent + buf);
        HTREEITEM hNext = TreeView_GetChild(hTree, h);
        for (HTREEITEM p = h; !hNext && p; p = TreeView_GetParent(hTree, p))
            hNext = TreeView_GetNextSibling(hTree, p);
        h = hNext;
    }
    return texts;
}

std::string WindowText(HWND hWnd)
{
    char sz[256] = "";
    ::GetWindowTextA(hWnd, sz, sizeof sz);
    return sz;
}

}  // namespace

TEST_F(SysCfgDialogTest, TitleAndTree)
{
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    Run(dlg, [&](HWND hDlg) {
        EXPECT_EQ(WindowText(hDlg), "Vornamic Configuration  -  rich.cnf");
        EXPECT_EQ(TreeTexts(hDlg),
                  (std::vector<std::string>{"Identification", "Architecture", "Architecture/Processors",
                                            "Processors/Engines 0-31", "Processors/Engines 32-63",
                                            "Architecture/Clock", "Devices", "Devices/Options",
                                            "Devices/Dasd Parameters", "Settings", "Settings/Http Server",
                                            "Settings/Advanced"}));
        // The engines pages are made when first shown.
        EXPECT_EQ(dlg.m_Engines32Page.m_hWnd, nullptr);
        dlg.SetActivePage(&dlg.m_Engines32Page);
        dlg.SetActivePage(&dlg.m_Engines0Page);
        EXPECT_EQ(WindowText(dlg.m_Engines32Page.m_hWnd), "Engines 32-63");
        EXPECT_EQ(ItemText(dlg.m_Engines32Page.m_hWnd, IDC_ENGINES_LABEL0 + 31), "CPU 3F:");
        EXPECT_EQ(ItemText(dlg.m_Engines0Page.m_hWnd, IDC_ENGINES_LABEL0 + 10), "CPU 0A:");
        EXPECT_EQ(ItemText(dlg.m_ProcsPage.m_hWnd, IDC_PROCS_MAINSIZE), "64");
        // Nothing differs from the applied copy at the start.
        EXPECT_EQ(FirstModifiedPage(dlg), -1);
    });
    CSysCfgDialog fresh(&view);
    Run(fresh, [&](HWND hDlg) { EXPECT_EQ(WindowText(hDlg), "Vornamic Configuration  -  (new)"); });
    EXPECT_TRUE(view.m_received.empty());
}

// The configuration goes over once after every page applied (once a page before).
TEST_F(SysCfgDialogTest, ApplyHandsOverOnceAfterEveryPageAndLeavesThemClean)
{
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    Run(dlg, [&](HWND hDlg) {
        TypeText(dlg.m_IdentPage.m_hWnd, IDC_IDENT_DESCRIPTION, "changed");
        ClickCheck(dlg.m_ArchPage.m_hWnd, IDC_ARCH_VM, true);
        TypeText(dlg.m_ProcsPage.m_hWnd, IDC_PROCS_SERIAL, "000777");
        dlg.SetActivePage(&dlg.m_Engines0Page);
        dlg.SetActivePage(&dlg.m_Engines32Page);
        PickItem(dlg.m_Engines0Page.m_hWnd, IDC_ENGINES_COMBO0, 3);
        PickItem(dlg.m_Engines32Page.m_hWnd, IDC_ENGINES_COMBO0 + 5, 0);  // disabled, still stored
        TypeText(dlg.m_ClockPage.m_hWnd, IDC_CLOCK_TZOFFSET, "-0500");
        for (int i = 0; i < 6; ++i)
            EXPECT_TRUE(IsPageMarkedModified(dlg, i)) << i;
        EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hDlg, ID_APPLY_NOW)));
        Press(hDlg, ID_APPLY_NOW);
        EXPECT_EQ(FirstModifiedPage(dlg), -1);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hDlg, ID_APPLY_NOW)));
    });
    EXPECT_EQ(view.m_firstModified, std::vector<int>{0});  // with every page still modified
    ASSERT_EQ(view.m_received.size(), 1u);
    for (const CVornConfigFile& cfg : view.m_received) {
        EXPECT_EQ(cfg.m_strDescription, "changed");
        EXPECT_EQ(cfg.m_wOsTailor, 0x4905);
        EXPECT_EQ(cfg.m_strCPUSerial, "000777");
        EXPECT_EQ(cfg.m_dwEngineTypes[0], 3u);
        EXPECT_EQ(cfg.m_dwEngineTypes[37], 0u);
        EXPECT_EQ(cfg.m_strTzOffset, "-0500");
    }
}

TEST_F(SysCfgDialogTest, ApplyWithOnePageModifiedStillRunsEveryPage)
{
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    Run(dlg, [&](HWND hDlg) {
        TypeText(dlg.m_ClockPage.m_hWnd, IDC_CLOCK_EPOCH, "1960");
        EXPECT_EQ(FirstModifiedPage(dlg), 5);
        // Changed back to the applied value: clean again.
        TypeText(dlg.m_ClockPage.m_hWnd, IDC_CLOCK_EPOCH, "1900");
        EXPECT_EQ(FirstModifiedPage(dlg), -1);
        TypeText(dlg.m_ClockPage.m_hWnd, IDC_CLOCK_EPOCH, "1960");
        Press(hDlg, ID_APPLY_NOW);
    });
    EXPECT_EQ(view.m_received.size(), 1u);
    EXPECT_EQ(view.m_received.back().m_nSysEpoch, 1960);
}

// Every apply showed some pages' values again (the Dasd Parameters page
// some thirty texts and boxes), each set to what it already held and
// redrawn: a value already shown is left as it is.
TEST_F(SysCfgDialogTest, AnApplySetsNoValueAlreadyShown)
{
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    dlg.m_config.m_cckd.SetDefaults();
    dlg.m_config.m_bCCKDGiven = false;
    Run(dlg, [&](HWND hDlg) {
        MessageTally tally({WM_SETTEXT, BM_SETCHECK});
        Press(hDlg, ID_APPLY_NOW);
        ASSERT_FALSE(view.m_received.empty());
        std::string strSet;
        for (UINT nMessage : {WM_SETTEXT, BM_SETCHECK})
            for (HWND h : tally.Windows(nMessage))
                for (const auto& p : dlg.Records())
                    if (::GetParent(h) == p->pPage->m_hWnd)
                        strSet += p->strCaption + " " + std::to_string(::GetDlgCtrlID(h)) + "; ";
        EXPECT_EQ(strSet, "");
    });
}

TEST_F(SysCfgDialogTest, BadSerialOnAPageNotShownAppliesNothing)
{
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    Run(dlg, [&](HWND hDlg) {
        TypeText(dlg.m_IdentPage.m_hWnd, IDC_IDENT_DESCRIPTION, "changed");
        ClickCheck(dlg.m_ArchPage.m_hWnd, IDC_ARCH_LINUX, false);
        TypeText(dlg.m_ProcsPage.m_hWnd, IDC_PROCS_SERIAL, "12345");
        ASSERT_EQ(dlg.GetActivePage(), &dlg.m_IdentPage);
        Press(hDlg, ID_APPLY_NOW);
        EXPECT_EQ(dlg.GetActivePage(), &dlg.m_ProcsPage);
        EXPECT_TRUE(::IsWindowVisible(dlg.m_ProcsPage.m_hWnd));
        EXPECT_EQ(BalloonTitle(), "CPU Serial Number");
        EXPECT_EQ(BalloonText(), "6-digit CPU Serial number required");
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_ProcsPage.m_hWnd, IDC_PROCS_SERIAL));
        EXPECT_TRUE(IsPageMarkedModified(dlg, kSysCfgIdentPage));
        EXPECT_TRUE(IsPageMarkedModified(dlg, kSysCfgArchPage));
        EXPECT_TRUE(IsPageMarkedModified(dlg, kSysCfgProcsPage));
        // OK is refused the same way.
        Press(hDlg, IDOK);
        EXPECT_TRUE(::IsWindow(hDlg));
    });
    EXPECT_TRUE(view.m_received.empty());
}

TEST_F(SysCfgDialogTest, ARefusedApplyKeepsThePageModified)
{
    view.m_nAnswer = 0;
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    Run(dlg, [&](HWND hDlg) {
        TypeText(dlg.m_IdentPage.m_hWnd, IDC_IDENT_PLANT, "Q1");
        Press(hDlg, ID_APPLY_NOW);
        EXPECT_TRUE(IsPageMarkedModified(dlg, kSysCfgIdentPage));
        EXPECT_EQ(dlg.m_appliedConfig.m_strPlant, "ZZ");
    });
    EXPECT_EQ(view.m_received.size(), 1u);
}

// OK hides the dialog once every page passed its checks and applies the
// pages after: a hand-over the view refuses then shows the dialog again at
// that page, still modified, and a later OK ends it.
TEST_F(SysCfgDialogTest, AHandOverRefusedAfterOkShowsTheDialogAgainAtItsPage)
{
    view.m_nAnswer = 0;
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    dlg.m_nStartPage = kSysCfgClockPage;
    bool bPressed = false;
    INT_PTR nResult = RunModal(dlg, [&](HWND hDlg) {
        if (dlg.PagesWaiting())
            return true;
        if (!bPressed) {
            TypeText(dlg.m_IdentPage.m_hWnd, IDC_IDENT_PLANT, "Q1");
            Press(hDlg, IDOK);
            bPressed = true;
            return true;  // steps again once the dialog shows
        }
        EXPECT_EQ(view.m_received.size(), 1u);
        EXPECT_EQ(dlg.GetActivePage(), &dlg.m_IdentPage);
        EXPECT_TRUE(IsPageMarkedModified(dlg, kSysCfgIdentPage));
        view.m_nAnswer = 1;
        Press(hDlg, IDOK);
        return false;
    });
    EXPECT_EQ(nResult, IDOK);
    ASSERT_FALSE(view.m_received.empty());
    EXPECT_EQ(view.m_received.back().m_strPlant, "Q1");
}

// OK handed the configuration over once per page, then once more: once now.
TEST_F(SysCfgDialogTest, OkAppliesEveryPageHandsOverOnceAndEnds)
{
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    dlg.m_nStartPage = kSysCfgClockPage;
    INT_PTR nResult = RunModal(dlg, [&](HWND hDlg) {
        if (dlg.PagesWaiting())
            return true;
        TypeText(dlg.m_IdentPage.m_hWnd, IDC_IDENT_PLANT, "Q1");
        EXPECT_EQ(dlg.GetActivePage(), &dlg.m_ClockPage);
        TypeText(dlg.m_ClockPage.m_hWnd, IDC_CLOCK_YROFFSET, "-28");
        Press(hDlg, IDOK);
        return false;
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(dlg.m_nStartPage, kSysCfgClockPage);
    ASSERT_EQ(view.m_received.size(), 1u);
    EXPECT_EQ(view.m_received.back().m_nYrOffset, -28);
    EXPECT_EQ(view.m_received.back().m_strPlant, "Q1");
}

// Engines 0-31, made when first shown, showed its controls a few at a time (made
// in one 200-ms message, painted a control a message): made in steps, it shows whole.
TEST_F(SysCfgDialogTest, APageShowsOnlyOnceMadeWhole)
{
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    std::string strFault;  // the first thing seen wrong
    bool bChosen = false;
    // At each message the loop takes (where Wine brings the screen up to date)
    // one page shows, and Engines 0-31 only whole, every control painted.
    TakenMessageWatch watch([&](const MSG&) {
        HWND hTree = ::GetDlgItem(dlg.m_hWnd, IDC_SETTINGS_TREE), hPage = dlg.m_Engines0Page.m_hWnd;
        if (!::IsWindowVisible(dlg.m_hWnd) || !strFault.empty())
            return false;
        if (!bChosen) {  // Identification, Architecture, its Processors, their Engines 0-31
            bChosen = true;
            HTREEITEM hArch = TreeView_GetNextSibling(hTree, TreeView_GetRoot(hTree));
            TreeView_SelectItem(hTree, TreeView_GetChild(hTree, TreeView_GetChild(hTree, hArch)));
        }
        int nShown = 0;
        for (const auto& p : dlg.Records())
            nShown += p->pPage && ::IsWindowVisible(p->pPage->m_hWnd);
        if (nShown != 1)
            strFault = std::to_string(nShown) + " pages showed at once";
        else if (::IsWindowVisible(hPage) && ItemText(hPage, IDC_ENGINES_LABEL0 + 31) != "CPU 1F:")
            strFault = "Engines 0-31 showed before it was whole";
        for (HWND h = ::GetWindow(hPage, GW_CHILD); h && ::IsWindowVisible(hPage); h = ::GetWindow(h, GW_HWNDNEXT))
            if (strFault.empty() && ::GetUpdateRect(h, nullptr, FALSE))
                strFault = "Engines 0-31 showed with control " + std::to_string(::GetDlgCtrlID(h)) + " not painted";
        return false;
    });
    WaitingFor waiting("Engines 0-31, chosen as the dialog showed, to show");
    RunModal(dlg, [&](HWND hDlg) {
        if (!::IsWindowVisible(dlg.m_Engines0Page.m_hWnd) || ::GetQueueStatus(QS_PAINT))
            return true;
        Press(hDlg, IDCANCEL);
        return false;
    });
    EXPECT_EQ(strFault, "");
}

// An engines page's first visit (by keys, fast, or a click) showed the page
// before under its header, and an open the dialog black or in parts: the
// screen shows only what was there before, the dialog painted, a page at rest.
TEST_F(SysCfgDialogTest, TheScreenShowsOnlyWholePagesUnderTheirOwnHeaders)
{
    RECT rc = {};
    {
        CSysCfgDialog first(&view);
        first.m_config = RichConfig(dir.Folder());
        Run(first, [&](HWND hDlg) { ::GetWindowRect(hDlg, &rc); });  // where it opens again
    }
    std::vector<std::vector<DWORD>> wholes{ScreenPixels(rc)};
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    ScreenStatesAtMessages states(rc);
    int nStep = 0;
    WaitingFor waiting("the walk through the pages of the dialog");
    RunModal(dlg, [&](HWND hDlg) {
        HWND hTree = ::GetDlgItem(hDlg, IDC_SETTINGS_TREE);
        if (nStep == 0) {  // shown and painted: three Down keys at once, while the pages are being made
            wholes.push_back(ScreenPixels(rc));
            for (int i = 0; i < 3; ++i)
                ::PostMessageA(hTree, WM_KEYDOWN, VK_DOWN, 0x00500001);
        } else if (nStep == 1 && dlg.GetActiveIndex() == kSysCfgEngines0Page && !dlg.PagesWaiting()) {
            RECT rcItem;  // a click on Engines 32-63
            TreeView_GetItemRect(hTree, TreeView_GetNextSibling(hTree, TreeView_GetSelection(hTree)), &rcItem, TRUE);
            ::MapWindowPoints(hTree, nullptr, (POINT*)&rcItem, 2);
            EXPECT_TRUE(ClickAt({(rcItem.left + rcItem.right) / 2, (rcItem.top + rcItem.bottom) / 2}));
        } else if (nStep == 2 && dlg.GetActiveIndex() == kSysCfgEngines32Page) {
            states.Stop();
            for (int nPage : {kSysCfgIdentPage, kSysCfgArchPage, kSysCfgProcsPage, kSysCfgEngines0Page,
                              kSysCfgEngines32Page}) {
                dlg.SetActivePage(nPage);
                ::UpdateWindow(hDlg);
                wholes.push_back(ScreenPixels(rc));
            }
            Press(hDlg, IDCANCEL);
            return false;
        } else {
            return true;
        }
        ++nStep;
        return true;
    });
    EXPECT_GE(states.Count(), 4u);  // before, the start, Engines 0-31, Engines 32-63
    EXPECT_EQ("", states.StatesOtherThan(wholes));
}

// An engines page made earlier follows the maximum while hidden; one made
// later shows it when it is first shown.
TEST_F(SysCfgDialogTest, MaxCpuReachesTheEnginesPagesShownOrNot)
{
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    dlg.m_config.m_nNumCPUs = 4;
    Run(dlg, [&](HWND) {
        HWND hProcs = dlg.m_ProcsPage.m_hWnd;
        auto Enabled = [](HWND hPage) {
            std::string s;
            for (int n = 0; n < 32; ++n)
                s += ::IsWindowEnabled(::GetDlgItem(hPage, IDC_ENGINES_COMBO0 + n)) ? '1' : '0';
            return s;
        };
        dlg.SetActivePage(&dlg.m_Engines0Page);
        dlg.SetActivePage(&dlg.m_ProcsPage);
        EXPECT_EQ(Enabled(dlg.m_Engines0Page.m_hWnd), "11110000000000000000000000000000");
        TypeText(hProcs, IDC_PROCS_MAXCPU, "40");
        EXPECT_EQ(Enabled(dlg.m_Engines0Page.m_hWnd), std::string(32, '1'));
        dlg.SetActivePage(&dlg.m_Engines32Page);
        EXPECT_EQ(Enabled(dlg.m_Engines32Page.m_hWnd), "11111111000000000000000000000000");
        dlg.SetActivePage(&dlg.m_ProcsPage);
        // Below the number of CPUs, which follows at once.
        TypeText(hProcs, IDC_PROCS_MAXCPU, "3");
        EXPECT_EQ(ItemText(hProcs, IDC_PROCS_NUMCPU), "3");
        EXPECT_EQ(dlg.m_config.m_nNumCPUs, 3);
        EXPECT_EQ(Enabled(dlg.m_Engines0Page.m_hWnd), "11100000000000000000000000000000");
        // Above "MaxCPUs": no notice, the engines keep their enabling.
        TypeText(hProcs, IDC_PROCS_MAXCPU, "65");
        EXPECT_EQ(Enabled(dlg.m_Engines0Page.m_hWnd), "11100000000000000000000000000000");
        EXPECT_EQ(ItemText(hProcs, IDC_PROCS_NUMCPU), "3");
    });
}

TEST_F(SysCfgDialogTest, OpeningAndClosingLeavesNoGdiObjects)
{
    auto Once = [&] {
        CSysCfgDialog dlg(&view);
        dlg.m_config = RichConfig(dir.Folder());
        Run(dlg, [&](HWND) {});
    };
    // The first open makes what lives as long as the program (the theme's
    // parts). The Options page's IP address control makes a font of its own
    // on every open, which Wine's control leaves behind.
    Once();
    DWORD nBefore = GdiObjectCount();
    for (int i = 0; i < 10; ++i)
        Once();
    EXPECT_EQ(GdiObjectCount(), nBefore);
}

// Balloon texts and help ids from the pages' tables (a label shares its
// field's text), and the rows that keep label and field together when the
// dialog grows.
TEST_F(SysCfgDialogTest, HelpTablesAndRows)
{
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    Run(dlg, [&](HWND hDlg) {
        auto Key = [](UINT nPage, UINT nCtrl) { return (DWORD)((nPage << 16) | nCtrl); };
        CSysCfgProcsPage& procs = dlg.m_ProcsPage;
        const char* pszSerial = "The CPU serial number: exactly 6 characters.\nCPU Serial Number";
        EXPECT_STREQ(procs.GetHelpString(Key(IDD_SYSCFG_PROCS, IDC_PROCS_SERIAL)), pszSerial);
        EXPECT_STREQ(procs.GetHelpString(Key(IDD_SYSCFG_PROCS, IDC_LABEL_OF(IDC_PROCS_SERIAL))), pszSerial);
        EXPECT_EQ(procs.GetHelpId(Key(IDD_SYSCFG_PROCS, IDC_PROCS_MAXCPU)), Key(IDD_SYSCFG_PROCS, IDC_PROCS_MAXCPU_SPIN));
        EXPECT_EQ(dlg.m_IdentPage.GetHelpId(Key(IDD_SYSCFG_IDENT, 0)), 2267u);
        EXPECT_EQ(dlg.m_ClockPage.GetHelpId(Key(IDD_SYSCFG_CLOCK, IDC_CLOCK_DRAG_SPIN)), 2658u);
        EXPECT_EQ(dlg.m_Engines32Page.GetHelpId(Key(IDD_SYSCFG_ENGINES, IDC_ENGINES_COMBO0 + 7)),
                  Key(IDD_SYSCFG_ENGINES, IDC_ENGINES_COMBO31));
        EXPECT_STREQ(dlg.m_Engines0Page.GetHelpString(Key(IDD_SYSCFG_ENGINES, IDC_ENGINES_LABEL0 + 9)),
                     "The processor's number.\nCPU Id");
        EXPECT_STREQ(dlg.m_ArchPage.GetHelpString(Key(IDD_SYSCFG_ARCH, IDC_ARCH_ECPSVM_SPIN)),
                     "The ECPS:VM level the machine reports.\nECPS:VM Level");
        // Grown by 200 pixels: each label stays level with its field, and the
        // rows spread out.
        dlg.SetActivePage(kSysCfgProcsPage);
        RECT rc;
        ::GetWindowRect(hDlg, &rc);
        ::MoveWindow(hDlg, rc.left, rc.top, rc.right - rc.left + 100, rc.bottom - rc.top + 200, TRUE);
        auto Top = [](HWND hPage, UINT nId) {
            RECT r;
            ::GetWindowRect(::GetDlgItem(hPage, (int)nId), &r);
            return (int)r.top;
        };
        HWND hPage = procs.m_hWnd;
        const UINT fields[] = {IDC_PROCS_SERIAL, IDC_PROCS_NUMCPU, IDC_PROCS_XPNDSIZE};
        for (UINT nId : fields)
            EXPECT_NEAR(Top(hPage, nId), Top(hPage, IDC_LABEL_OF(nId)) - 2, 3) << nId;
        EXPECT_GT(Top(hPage, IDC_PROCS_XPNDSIZE) - Top(hPage, IDC_PROCS_SERIAL), 7 * 20 + 100);
        HWND hIdent = dlg.m_IdentPage.m_hWnd;
        RECT rcPlant, rcGroup;
        ::GetWindowRect(::GetDlgItem(hIdent, IDC_IDENT_PLANT), &rcPlant);
        ::GetWindowRect(::GetDlgItem(hIdent, IDC_IDENT_MODELS), &rcGroup);
        EXPECT_LT(rcPlant.bottom, rcGroup.top);
    });
}

// Enter in a page's edit is the dialog's OK, on a page with an IP address
// control too (its inner edits carry the id of OK); a field that fails its
// check keeps the dialog open on the field's balloon, applying nothing.
TEST_F(SysCfgDialogTest, EnterInAPageEditIsOk)
{
    struct Case {
        int nPage;
        int nEdit;
        const char* pszText;
        INT_PTR nResult;
        const char* pszBalloon;
    };
    const Case cases[] = {
        {kSysCfgIdentPage, IDC_IDENT_PLANT, "Q1", IDOK, ""},
        {kSysCfgDevOptsPage, IDC_DEVOPTS_LOADPARM, "VORNLP", IDOK, ""},
        {kSysCfgProcsPage, IDC_PROCS_SERIAL, "12345", IDCANCEL, "CPU Serial Number"},
    };
    for (const Case& c : cases) {
        CApplyReceiver receiver;
        CSysCfgDialog dlg(&receiver);
        dlg.m_config = RichConfig(dir.Folder());
        dlg.m_nStartPage = c.nPage;
        HWND hEdit = nullptr;
        int nStep = 0;
        std::string strBalloon;
        INT_PTR nResult = RunModal(dlg, [&](HWND hDlg) {
            if (nStep++ == 0) {
                CWnd* pPage = dlg.GetActivePage();
                hEdit = ::GetDlgItem(pPage->m_hWnd, c.nEdit);
                TypeText(pPage->m_hWnd, c.nEdit, c.pszText);
                ::SetFocus(hEdit);
                EXPECT_EQ(::GetFocus(), hEdit);
                ::PostMessageA(hEdit, WM_KEYDOWN, VK_RETURN, 1);
                return true;
            }
            // Still open one step after the key: the key was taken (the
            // queue is empty) and refused.
            EXPECT_FALSE(::GetQueueStatus(QS_POSTMESSAGE) & QS_POSTMESSAGE);
            strBalloon = BalloonTitle();
            Press(hDlg, IDCANCEL);
            return false;
        });
        EXPECT_EQ(nResult, c.nResult) << c.nEdit;
        EXPECT_EQ(strBalloon, c.pszBalloon) << c.nEdit;
        EXPECT_EQ(receiver.m_received.empty(), c.nResult != IDOK) << c.nEdit;
    }
}

namespace {

// A control's rectangle in its page's client coordinates.
RECT PageRect(HWND hPage, UINT nId)
{
    RECT rc;
    ::GetWindowRect(::GetDlgItem(hPage, (int)nId), &rc);
    ::MapWindowPoints(nullptr, hPage, (POINT*)&rc, 2);
    return rc;
}

struct SPlaces {
    std::map<UINT, RECT> before, after;
    int dx = 0, dy = 0;  // the page's growth
};

// Grows the dialog and records where each control of both pages stood
// before and after.
void GrowPages(HWND hDlg, CSysCfgDialog& dlg, const std::vector<std::pair<CPropertyPage*, std::vector<UINT>>>& pages,
               SPlaces& places)
{
    RECT rcPage = {};
    for (const auto& page : pages) {
        dlg.SetActivePage(page.first);
        ::GetClientRect(page.first->m_hWnd, &rcPage);
        for (UINT nId : page.second)
            places.before[nId] = PageRect(page.first->m_hWnd, nId);
    }
    RECT rc;
    ::GetWindowRect(hDlg, &rc);
    ::MoveWindow(hDlg, rc.left, rc.top, rc.right - rc.left + 240, rc.bottom - rc.top + 140, TRUE);
    RECT rcGrown = {};
    for (const auto& page : pages) {
        dlg.SetActivePage(page.first);
        ::GetClientRect(page.first->m_hWnd, &rcGrown);
        for (UINT nId : page.second)
            places.after[nId] = PageRect(page.first->m_hWnd, nId);
    }
    places.dx = rcGrown.right - rcPage.right;
    places.dy = rcGrown.bottom - rcPage.bottom;
}

}  // namespace

// Every control of the Settings and Architecture pages goes with the
// page as it grows: fields widen and what stands right of them follows the
// right edge (the SYSG row whole), the left column stays, the shell box keeps to the middle; the
// tailoring boxes spread over their group's height, the radios over the
// width, the options' rows over their group and half its width change.
TEST_F(SysCfgDialogTest, SettingsAndArchitectureControlsFollowTheGrowingDialog)
{
    CSysCfgDialog dlg(&view);
    dlg.m_config = RichConfig(dir.Folder());
    const std::vector<UINT> widen = {IDC_SET_CODEPAGE,   IDC_SET_TRACEOPT,      IDC_SET_PANRATE, IDC_SET_CNSLPORT,
                                     IDC_SET_KPALV_GROUP,   IDC_SET_KPALV_IDLE,
                                     IDC_SET_KPALV_TIMEOUT, IDC_SET_KPALV_COUNT, IDC_SET_RCFILE, IDC_SET_LOGOFILE};
    const std::vector<UINT> follow = {IDC_SET_NOCH9OFLOW,      IDC_SET_NAMEONLY,           IDC_SET_PANRATE_SPIN,
                                      IDC_SET_CNSLPORT_SPIN,   IDC_SET_SYSGPORT_SPIN,      IDC_SET_KPALV_IDLE_SPIN,
                                      IDC_SET_KPALV_TIMEOUT_SPIN, IDC_SET_KPALV_COUNT_SPIN,
                                      IDC_SET_SYSG_ENABLE,     IDC_LABEL_OF(IDC_SET_SYSGPORT), IDC_SET_SYSGPORT};
    const std::vector<UINT> stay = {IDC_LABEL_OF(IDC_SET_CODEPAGE), IDC_LABEL_OF(IDC_SET_KPALV_IDLE), IDC_SET_RCFILE_BROWSE, IDC_LABEL_OF(IDC_SET_LOGOFILE)};
    const std::vector<UINT> half = {IDC_SET_SHCMD, IDC_SET_SHCMD_STATUS};
    const UINT tailor[] = {IDC_ARCH_QUIET, IDC_ARCH_VM,    IDC_ARCH_VSE, IDC_ARCH_ZVSE, IDC_ARCH_LINUX,
                           IDC_ARCH_SOLARIS, IDC_ARCH_OS390, IDC_ARCH_ZOS, IDC_ARCH_NULL};
    const struct {
        UINT nId;
        int nRow;  // of six rows of the options group
    } options[] = {{IDC_ARCH_LEGACYSENSEID, 2}, {IDC_ARCH_SENSEID_STATUS, 2}, {IDC_ARCH_DIAG8_ECHO, 3},
                   {IDC_ARCH_ECPSVM_LEVEL, 4},  {IDC_ARCH_ECPSVM_SPIN, 4},    {IDC_ARCH_ECPSVM_TRAP, 4}};
    std::vector<UINT> settings, arch(std::begin(tailor), std::end(tailor));
    for (const auto* pList : {&widen, &follow, &stay, &half})
        settings.insert(settings.end(), pList->begin(), pList->end());
    for (UINT nId : {IDC_ARCH_S370, IDC_ARCH_ESA390, IDC_ARCH_ZARCH, IDC_ARCH_TAILOR_GROUP})
        arch.push_back(nId);
    for (const auto& o : options)
        arch.push_back(o.nId);
    SPlaces p;
    Run(dlg, [&](HWND hDlg) {
        GrowPages(hDlg, dlg, {{&dlg.m_SettingsPage, settings}, {&dlg.m_ArchPage, arch}}, p);
    });
    ASSERT_GT(p.dx, 100);
    ASSERT_GT(p.dy, 100);
    auto moved = [&](UINT nId, LONG RECT::*edge) { return (int)(p.after[nId].*edge - p.before[nId].*edge); };
    for (UINT nId : widen) {
        EXPECT_EQ(0, moved(nId, &RECT::left)) << nId;
        EXPECT_EQ(p.dx, moved(nId, &RECT::right)) << nId;
    }
    for (UINT nId : follow) {
        EXPECT_EQ(p.dx, moved(nId, &RECT::left)) << nId;
        EXPECT_EQ(p.dx, moved(nId, &RECT::right)) << nId;
    }
    for (UINT nId : stay)
        EXPECT_EQ(0, moved(nId, &RECT::left)) << nId;
    for (UINT nId : half)
        EXPECT_NEAR(p.dx / 2, moved(nId, &RECT::left), 1) << nId;
    // The SYSG port ends where the console port above it ends.
    EXPECT_EQ(p.after[IDC_SET_CNSLPORT].right, p.after[IDC_SET_SYSGPORT].right);

    EXPECT_EQ(p.dy, moved(IDC_ARCH_TAILOR_GROUP, &RECT::bottom));
    for (int i = 0; i < 9; ++i)
        EXPECT_NEAR(p.dy * (i + 1) / 10, moved(tailor[i], &RECT::top), 1) << i;
    const struct {
        UINT nId;
        int nPercent;
    } radios[] = {{IDC_ARCH_S370, 20}, {IDC_ARCH_ESA390, 40}, {IDC_ARCH_ZARCH, 80}};
    for (const auto& r : radios)
        EXPECT_NEAR(p.dx * r.nPercent / 100, moved(r.nId, &RECT::left), 1) << r.nId;
    for (const auto& o : options) {
        EXPECT_NEAR(p.dx / 2, moved(o.nId, &RECT::left), 1) << o.nId;
        EXPECT_NEAR(p.dy * o.nRow / 7, moved(o.nId, &RECT::top), 1) << o.nId;
    }
}
