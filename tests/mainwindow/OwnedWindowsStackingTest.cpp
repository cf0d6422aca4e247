// OwnedWindowsStackingTest.cpp: the windows the main window owns (floating
// bars, a utility's progress window) stay over it on the screen, as the user
// sees it under Wine without a window manager, through the sequences that
// left them under it: a second bar floated, a utility's dialog that closes
// and its progress window that opens (also shown without activation), a
// file dialog followed by a message box or by System Configuration,
// "Power-On Aborted!" after the question before it, and a start with the
// Device List floating.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "mainwindow/SplashFactory.h"
#include "mainwindow/SplashWnd.h"
#include "resources/resource.h"
#include "session/ConsoleCommands.h"
#include "tests/mainwindow/FrameFixture.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ScreenShows.h"

namespace {

const int kDevList = 0, kCmdLine = 3;

BOOL CALLBACK CollectOwned(HWND h, LPARAM lp)
{
    auto* p = (std::pair<HWND, std::vector<HWND>>*)lp;
    if (::IsWindowVisible(h) && ::GetWindow(h, GW_OWNER) == p->first)
        p->second.push_back(h);
    return TRUE;
}

// The visible windows hOwner owns, in the Windows order.
std::vector<HWND> OwnedWindows(HWND hOwner)
{
    std::pair<HWND, std::vector<HWND>> owned(hOwner, {});
    ::EnumThreadWindows(::GetCurrentThreadId(), CollectOwned, (LPARAM)&owned);
    return owned.second;
}

// The widest strip of hWnd that hCover leaves free (the whole window without
// a cover); empty when it covers all of it.
RECT FreeStrip(HWND hWnd, HWND hCover)
{
    RECT rc, rcCover = {};
    ::GetWindowRect(hWnd, &rc);
    if (hCover)
        ::GetWindowRect(hCover, &rcCover);
    RECT rcCut;
    if (!::IntersectRect(&rcCut, &rc, &rcCover))
        return rc;
    const RECT strips[] = {{rc.left, rc.top, rcCut.left, rc.bottom},
                           {rcCut.right, rc.top, rc.right, rc.bottom},
                           {rc.left, rc.top, rc.right, rcCut.top},
                           {rc.left, rcCut.bottom, rc.right, rc.bottom}};
    RECT best = {};
    for (const RECT& s : strips)
        if ((s.right - s.left) * (s.bottom - s.top) > (best.right - best.left) * (best.bottom - best.top))
            best = s;
    return best;
}

struct OwnedStacking : FrameFixture {
    std::string strExeDir;

    void SetUp() override
    {
        FrameFixture::SetUp();
        // The utility stand-in under a utility's name, beside the emulator's.
        strExeDir = dir.Path("exe\\");
        ::CreateDirectoryA(strExeDir.c_str(), nullptr);
        const std::pair<const char*, const char*> copies[] = {{"vornemu.exe", "vornemu.exe"},
                                                              {"vornutil.exe", "REELSCAN.exe"}};
        for (const auto& c : copies)
            ::CopyFileA((vorntest::ProgramDir() + c.first).c_str(), (strExeDir + c.second).c_str(), FALSE);
        ProfileWriteString("ExecutablesFilesDirectories", "1", strExeDir.c_str());
        ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_REELSCAN", dir.Write("reelscan.txt", "sleep 30000\n").c_str());
    }
    void TearDown() override
    {
        ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_REELSCAN", nullptr);
        FrameFixture::TearDown();
    }

    // Empty when every window the main window owns lies above it in the
    // Windows order and the screen shows each of them but hCover (the
    // window up now) where hCover leaves it free; else what was wrong.
    std::string OwnedWindowsShown(HWND hCover)
    {
        std::vector<std::pair<HWND, RECT>> shown;
        for (HWND h : OwnedWindows(pFrame->m_hWnd)) {
            RECT rc = FreeStrip(h, hCover);
            if (h != hCover && !::IsRectEmpty(&rc))
                shown.push_back({h, rc});
        }
        if (shown.size() < 2)
            return "only " + std::to_string(shown.size()) + " owned window to look at";
        std::string strSeen = vorntest::WaitUntilScreenShows(shown, [] { Pump(); });
        for (const auto& w : shown) {
            if (vorntest::IsAbove(w.first, pFrame->m_hWnd))
                continue;
            char szTitle[64] = {};
            ::GetWindowTextA(w.first, szTitle, sizeof szTitle);
            strSeen += std::string(strSeen.empty() ? "" : "; ") + "\"" + szTitle + "\" below the main window";
        }
        return strSeen;
    }
    // The bar floated by a double click on its gripper, as the user does.
    void FloatByDoubleClick(int nBar)
    {
        cdxCDynamicBar* pBar = pFrame->GetMainBar(nBar);
        RECT rc;
        pBar->GetWindowRect(&rc);
        ASSERT_TRUE(vorntest::DoubleClickAt(POINT{rc.left + 4, (rc.top + rc.bottom) / 2}));
        ASSERT_TRUE(PumpUntil([&] { return pBar->IsFloating(); }, 5000)) << "the double click on the gripper";
        theApp.OnIdle(0);  // the loop's idle step: the floating frame's delayed layout
    }
};

TEST_F(OwnedStacking, OwnedWindowsStayOverTheMainWindowOnTheScreen)
{
    std::string strGood = dir.Write("good.cnf", "# Description: stacking\n0120 3390 disk.img\n");
    std::string strBad = dir.Write("bad.cnf", "0120 3390 disk.img\nARCHLVL\n");
    std::string strTape = dir.Write("scan.aws", std::string(1000, '\0'));
    OpenFrame();
    pFrame->MoveWindow(0, 0, 1000, 760);
    pFrame->SendMessage(WM_COMMAND, ID_FLOAT_DEVLIST_BAR);
    Pump();
    theApp.OnIdle(0);
    Pump();
    CWnd* pDevList = pFrame->GetMainBar(kDevList)->GetDockingFrame();
    ASSERT_NE(pDevList, nullptr);
    pDevList->SetWindowPos(nullptr, 20, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rcView;
    g_pView->GetWindowRect(&rcView);
    ASSERT_TRUE(vorntest::ClickAt(POINT{rcView.right - 20, rcView.top + 20}));
    ASSERT_TRUE(PumpUntil([] { return ::GetFocus() == g_pView->m_hWnd; }, 5000)) << "the click into the console";

    FloatByDoubleClick(kCmdLine);
    EXPECT_EQ("", OwnedWindowsShown(nullptr)) << "a second bar floated";

    std::string strSeen;
    auto seeUnder = [&](const char* pszWhen, HWND hCover) {
        strSeen += std::string(pszWhen) + ": " + OwnedWindowsShown(hCover) + "; ";
    };
    const std::string strAllShown = "file dialog, box: ; file dialog, System Configuration: ; Power-On Aborted!: ; ";

    // File > Open: the file dialog, then the box about the errors and the
    // parse-errors dialog; then a good file and System Configuration.
    for (const std::string& strFile : {strBad, strGood}) {
        vorntest::DialogDriver driver([&](HWND h) {
            std::string strTexts = vorntest::DialogTexts(h);
            char szTitle[64] = {};
            ::GetWindowTextA(h, szTitle, sizeof szTitle);
            if (std::string(szTitle) == "Open Configuration") {
                ::SetDlgItemTextA(h, 0x47C, strFile.c_str());
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            } else if (strTexts.find("Invalid configuration file.") != std::string::npos) {
                seeUnder("file dialog, box", h);
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            } else {
                if (::GetDlgItem(h, IDC_SETTINGS_TREE))
                    seeUnder("file dialog, System Configuration", h);
                ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            }
            return true;
        });
        g_pView->SendMessage(WM_COMMAND, ID_OPEN_CONFIGURATION);
        Pump();  // System Configuration follows the open in a message of its own
    }
    // Power On with the configuration changed and not saved: the question,
    // then the refusal.
    CVornConfigFile changed = g_pView->GetConfig();
    changed.m_strDescription = "changed";
    g_pView->ApplyEditedConfiguration(changed);
    {
        vorntest::DialogDriver driver([&](HWND h) {
            std::string strTexts = vorntest::DialogTexts(h);
            if (strTexts.find("Power-On Aborted!") != std::string::npos) {
                seeUnder("Power-On Aborted!", h);
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            } else {
                ::PostMessageA(h, TDM_CLICK_BUTTON, IDNO, 0);  // "Don't Save"
            }
            return true;
        });
        g_pView->PowerOn();
    }
    EXPECT_EQ(strAllShown, strSeen);

    // A utility's dialog closes and its progress window opens.
    {
        vorntest::DialogDriver driver([&](HWND h) {
            ::SetDlgItemTextA(h, IDC_UTIL_INPUT_FILE, strTape.c_str());
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        });
        g_pView->SendMessage(WM_COMMAND, ID_UTIL_REELSCAN);
    }
    HWND hProgress = ::FindWindowA("#32770", "REELSCAN scan.aws");
    ASSERT_NE(nullptr, hProgress);
    EXPECT_EQ(pFrame->m_hWnd, ::GetWindow(hProgress, GW_OWNER));
    EXPECT_EQ("", OwnedWindowsShown(nullptr)) << "a utility's progress window opened";
    // Shown again without activation after the main window took the focus
    // (Wine leaves it where it was in the Windows order: below that window).
    ::ShowWindow(hProgress, SW_HIDE);
    ASSERT_TRUE(vorntest::ClickAt(POINT{rcView.right - 20, rcView.top + 20}));
    ASSERT_TRUE(PumpUntil([] { return ::GetFocus() == g_pView->m_hWnd; }, 5000)) << "the click into the console";
    EXPECT_EQ("", OwnedWindowsShown(nullptr)) << "the click into the console";
    ::ShowWindow(hProgress, SW_SHOWNOACTIVATE);
    EXPECT_EQ("", OwnedWindowsShown(nullptr)) << "the progress window shown without activation";
    ::SendMessageA(hProgress, WM_COMMAND, IDC_PROGRESS_CANCEL, 0);
    ASSERT_TRUE(PumpUntil([] { return !g_pView->IsUtilityRunning(); }, 10000));

    // Closed with the Device List floating and started again.
    pFrame->SendMessage(WM_COMMAND, ID_DOCK_CMDLINE_BAR);
    {
        vorntest::DialogDriver driver([](HWND h) {
            ::PostMessageA(h, TDM_CLICK_BUTTON, IDNO, 0);  // the changes are not saved
            return true;
        });
        pFrame->SendMessage(WM_CLOSE);
    }
    Pump();
    ASSERT_FALSE(FrameAlive());
    // As the program starts: the splash over the main window shown behind
    // it, then gone.
    ASSERT_TRUE(g_SplashFactory.Start(RUNTIME_CLASS(CMySplashWnd), THREAD_PRIORITY_NORMAL));
    ASSERT_TRUE(g_SplashFactory.WaitUntilCreated());
    theApp.KeepWindowOnTop(g_SplashFactory.SplashWindow());
    OpenFrame();
    g_SplashFactory.Destroy();
    pDevList = pFrame->GetMainBar(kDevList)->GetDockingFrame();
    ASSERT_TRUE(pDevList && pDevList->IsWindowVisible());
    RECT rcDevList;
    pDevList->GetWindowRect(&rcDevList);
    EXPECT_EQ("", vorntest::WaitUntilScreenShows(pDevList->m_hWnd, rcDevList, [] { Pump(); theApp.OnIdle(0); }))
        << "after the start";
}

}  // namespace
