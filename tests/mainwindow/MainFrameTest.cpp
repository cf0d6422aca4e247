// MainFrameTest.cpp: the main frame with its bars under the program's
// single-document template: the first start's bars and subscriptions, the
// docking layout and window placement surviving a restart, the save prompt
// on close with a modified configuration, the Windows session end, and the
// caption.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "config/DockFloatMenu.h"
#include "config/Limits.h"
#include "framework/HelpKeys.h"
#include "config/ConfigMessages.h"
#include "devices/DynDevListDlgBar.h"
#include "mainwindow/DynControlsDlgBar.h"
#include "mainwindow/FatalErrorReport.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/VornGUIApp.h"
#include "platform/CClipBoard.h"
#include "platform/CDocTemplate.h"
#include "platform/CIniSettingsStore.h"
#include "platform/CRecentFileList.h"
#include "platform/CWindowPlacement.h"
#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "resource.h"
#include "session/ConsoleCommands.h"
#include "session/PipedProcessCtl.h"
#include "session/PrivateMessages.h"
#include "session/UtilityProgress.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "sysconfig/SysCfgDialog.h"
#include "config/CVornConfigFile.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/MessageCounter.h"
#include "tests/support/ScreenShows.h"
#include "tests/support/WinTestUtil.h"
#include "tests/session/RequiredFolders.h"
#include "tests/mainwindow/FrameFixture.h"

// The frame reads the application's start-up state.
CVornGUIApp theApp;

namespace {

const UINT kTdmClickButton = WM_USER + 102;

TEST_F(FrameFixture, FirstStartShowsFourBarsAndUnsubscribesTheHiddenOnes)
{
    OpenFrame(false);
    for (int i = 0; i < kMainBarCount; i++)
        EXPECT_EQ(BarVisible(i), kMainBars[i].bShownAtFirst) << kMainBars[i].pszTitle;
    // The device list's own dialog fills its bar.
    HWND hDlg = pFrame->m_wndDevListBar.m_dlg.m_hWnd;
    ASSERT_TRUE(::IsWindow(hDlg));
    EXPECT_TRUE(::IsWindowVisible(hDlg));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(hDlg, IDC_DEVLIST_TREE)));
    // The view heard of each hidden data bar with wParam 0.
    int nUnsubscribed = 0;
    MSG msg;
    while (::PeekMessageA(&msg, g_pView->m_hWnd, WM_SUBSCRIBE_DEVLIST, WM_SUBSCRIBE_VREGS, PM_REMOVE))
        if (msg.message == WM_SUBSCRIBE_GREGS && msg.wParam == 0)
            nUnsubscribed++;
    EXPECT_GE(nUnsubscribed, 1);
}

TEST_F(FrameFixture, FrameHasTheCaptionHelpButtonUnderItsResourceId)
{
    OpenFrame();
    EXPECT_EQ(pFrame->GetHelpDialogId(), (UINT)IDR_MAINFRAME);
    EXPECT_TRUE(pFrame->IsHelpButtonVisible());
    EXPECT_STREQ(pFrame->GetHelpClassName(), "CMainFrame");
}

TEST_F(FrameFixture, FrameShowsTheProgramsIconAsItsLargeAndSmallIcon)
{
    OpenFrame();
    HICON hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(hIcon, nullptr);
    EXPECT_EQ((HICON)pFrame->SendMessage(WM_GETICON, ICON_BIG, 0), hIcon);
    EXPECT_EQ((HICON)pFrame->SendMessage(WM_GETICON, ICON_SMALL, 0), hIcon);
    EXPECT_EQ((HICON)::GetClassLongPtrA(pFrame->m_hWnd, GCLP_HICON), hIcon);
}

// The menu's popups lead to their help topics; the status bar and the title
// bar have their balloons, the title bar's from the standard texts.
TEST_F(FrameFixture, MenuPopupsStatusBarAndTitleBarHaveTheirHelp)
{
    OpenFrame();
    const UINT popups[] = {852, 860, 879, 884, 900, 916, 921, 925, 938, 942, 966};
    for (UINT i = 0; i < 11; ++i)
        EXPECT_EQ(pFrame->GetHelpId(MakeHelpKey(IDR_MAINFRAME, i)), popups[i]) << i;
    EXPECT_EQ(pFrame->GetHelpId(MakeHelpKey(IDR_MAINFRAME, 11)), MakeHelpKey(IDR_MAINFRAME, 11));
    EXPECT_NE(pFrame->GetHelpString(MakeHelpKey(IDR_MAINFRAME, AFX_IDW_STATUS_BAR)).Find("\nStatus Bar"), -1);
    HELPINFO hi = {sizeof(hi), HELPINFO_WINDOW, 0, pFrame->m_hWnd, kTitleBarHelpKey, {200, 10}};
    pFrame->SendMessage(WM_HELP, 0, (LPARAM)&hi);
    CString strTitle, strText;
    ASSERT_NE(ErrorBalloonWindow(&strTitle, &strText), nullptr);
    EXPECT_STREQ(strTitle, "Title Bar");
    EXPECT_STREQ(strText, "The program's title bar. Drag it to move the window; double-click it to maximize the "
                          "window or restore its size.");
    ErrorBalloonHide();
}

// Without the help file, Help > "VornGUI Help..." says so and names the
// file it looked for, as F1 does.
TEST_F(FrameFixture, HelpContentsWithoutTheHelpFileSaysSo)
{
    OpenFrame();
    TempDir helpDir;
    CString strSaved = theApp.m_strHelpFilePath;
    theApp.m_strHelpFilePath = helpDir.Path("VornGUI.chm").c_str();
    std::string strTexts;
    bool bSaw = false;
    {
        vorntest::DialogDriver driver([&](HWND h) {
            strTexts = vorntest::DialogTexts(h);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_HELP_CONTENTS, 0);
        bSaw = driver.SawDialog();
    }
    theApp.m_strHelpFilePath = strSaved;
    EXPECT_TRUE(bSaw);
    EXPECT_NE(strTexts.find("Unable to open the help file."), std::string::npos) << strTexts;
    EXPECT_NE(strTexts.find(helpDir.Path("VornGUI.chm")), std::string::npos) << strTexts;
}

// F1 (a real key) in the main window says that the help file is missing,
// and leaves no balloon (the console pane's, from F1 taken by the box).
TEST_F(FrameFixture, F1SaysTheHelpFileIsMissingAndShowsNoBalloon)
{
    OpenFrame();
    g_pView->SetFocus();
    std::string strTexts = "(no box)";
    vorntest::DialogDriver driver([&](HWND h) {
        strTexts = vorntest::DialogTexts(h);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    ::keybd_event(VK_F1, 0, 0, 0);
    ::keybd_event(VK_F1, 0, KEYEVENTF_KEYUP, 0);
    bool bF1 = false;  // handed over as the program's loop does, with all it brings in the same pass
    EXPECT_TRUE(vorntest::PollFor([&] {
        for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); theApp.DispatchOne(msg))
            bF1 |= msg.message == WM_KEYDOWN && msg.wParam == VK_F1;
        return bF1;
    }, 10000, "the F1 key"));
    EXPECT_NE(strTexts.find("Unable to open the help file."), std::string::npos) << strTexts;
    CString strTitle;
    EXPECT_EQ(ErrorBalloonWindow(&strTitle), nullptr) << strTitle.GetString();
    ErrorBalloonHide();
}

// Hands the waiting messages over as the program's loop does; whether one
// of them was the press of the key vk.
bool DispatchWaiting(WPARAM vk = 0)
{
    bool bPressed = false;
    for (MSG msg; ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); theApp.DispatchOne(msg))
        bPressed |= msg.message == WM_KEYDOWN && msg.wParam == vk;
    return bPressed;
}

// The keyboard returns to the bar's control it was in once F1's box (the help
// file is missing) or Load Cards' file dialog has gone, the bar docked or
// floating: the console took it.
TEST_F(FrameFixture, KeyboardReturnsToTheBarsControlAfterABoxOrADialog)
{
    OpenFrame();
    TempDir helpDir;
    CString strSaved = theApp.m_strHelpFilePath;
    theApp.m_strHelpFilePath = helpDir.Path("VornGUI.chm").c_str();
    CWnd* pDevList = pFrame->m_wndDevListBar.m_pDlg;
    HWND hTree = ::GetDlgItem(pDevList->m_hWnd, IDC_DEVLIST_TREE);
    const std::pair<const char*, std::function<void()>> opens[] = {
        {"Unable to open the help file.", [] {
             ::keybd_event(VK_F1, 0, 0, 0);
             ::keybd_event(VK_F1, 0, KEYEVENTF_KEYUP, 0);
             EXPECT_TRUE(vorntest::PollFor([] { return DispatchWaiting(VK_F1); }, 10000, "the F1 key"));
         }},
        {"File &name:", [&] { pDevList->SendMessage(WM_COMMAND, ID_DEVLIST_LOAD_CARDS); }}};
    for (bool bFloating : {false, true}) {
        if (bFloating)
            pFrame->SendMessage(WM_COMMAND, ID_FLOAT_DEVLIST_BAR);
        HWND hTop = ::GetAncestor(hTree, GA_ROOT);
        for (const auto& open : opens) {
            SCOPED_TRACE(std::string(open.first) + (bFloating ? ", floating" : ", docked"));
            ::SetForegroundWindow(hTop);
            ::SetFocus(hTree);
            ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == hTop && ::GetFocus() == hTree; }));
            std::string strTexts = "(none)";
            vorntest::OpenNestedModal(hTop, open.second, [&](HWND h) { strTexts = vorntest::DialogTexts(h); });
            EXPECT_NE(strTexts.find(open.first), std::string::npos) << strTexts;
            EXPECT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == hTop && ::GetFocus(); }));
            EXPECT_EQ(::GetFocus(), hTree);
        }
    }
    theApp.m_strHelpFilePath = strSaved;
}

// A What's-This click on a bar or one of its controls shows the bar's own
// balloon text.
TEST_F(FrameFixture, BarsShowTheirOwnBalloons)
{
    OpenFrame();
    struct Case {
        CControlBar* pBar;
        int nCtrl;
        UINT nString;
    };
    const Case cases[] = {
        {&pFrame->m_wndDevListBar, IDC_DEVLIST_TREE, IDS_HELP_DEVLIST_TREE},
        {&pFrame->m_wndStorageBar, IDC_STORAGE_ADDRESS, IDS_HELP_STORAGE_ADDRESS},
        {&pFrame->m_wndCmdLineBar, IDC_CMDLINE_EDIT, IDS_HELP_CMDLINE_EDIT},
        {&pFrame->m_wndStatusLineBar, IDC_STATUSLINE_CPU_SPIN, IDS_HELP_STATUSLINE_SPIN},
        {&pFrame->m_wndControlsBar, 0, IDS_HELP_CONTROLS_BAR},
        {&pFrame->m_wndCpuPctBar, IDC_CPUPCT_METER0, IDS_HELP_CPUPCT_BAR + 2},
        {&pFrame->m_wndGRegs64Bar, S64BitRegs::kFirst, IDS_HELP_REGISTER_VALUES},
        {&pFrame->m_wndVRegsBar, 0, SVRegs::kHelpString},
    };
    for (const Case& c : cases) {
        CString strExpected, strBody, strTitle;
        ASSERT_TRUE(strExpected.LoadString(c.nString)) << c.nString;
        SplitBalloonText(strExpected, strBody, strTitle);
        HELPINFO hi = {sizeof(hi), HELPINFO_WINDOW, c.nCtrl, c.pBar->m_hWnd, 0, {300, 300}};
        c.pBar->SendMessage(WM_HELP, 0, (LPARAM)&hi);
        CString strShownTitle, strShownText;
        ASSERT_NE(ErrorBalloonWindow(&strShownTitle, &strShownText), nullptr) << c.nString;
        EXPECT_STREQ(strShownTitle, strTitle) << c.nString;
        EXPECT_STREQ(strShownText, strBody) << c.nString;
        ErrorBalloonHide();
    }
}

// A tooltip of this thread other than hBalloon that shows; null when none.
HWND OtherShownTip(HWND hBalloon)
{
    for (HWND h = nullptr; (h = ::FindWindowExA(nullptr, h, TOOLTIPS_CLASSA, nullptr)) != nullptr;)
        if (h != hBalloon && ::IsWindowVisible(h) && ::GetWindowThreadProcessId(h, nullptr) == ::GetCurrentThreadId())
            return h;
    return nullptr;
}

// Shift+F1 with the pointer resting on the control panel's START button, then
// a click in place: no tooltip shows over the What's-This balloon while it
// stays (several times the tooltips' own delays), though the hand on the
// mouse moves a little, onto STOP beside it.
TEST_F(FrameFixture, NoTooltipShowsOverAWhatsThisBalloon)
{
    OpenFrame();
    CDynControlsDlgBar& panel = pFrame->m_wndControlsBar.m_dlg;
    CRect rcStart, rcStop;
    ::GetWindowRect(::GetDlgItem(panel.m_hWnd, IDC_PANEL_START), &rcStart);
    ::GetWindowRect(::GetDlgItem(panel.m_hWnd, IDC_PANEL_STOP), &rcStop);
    POINT pt = {rcStart.right - 1, rcStart.CenterPoint().y};
    const int dxToStop = rcStop.left + 1 - pt.x;
    ASSERT_LE(dxToStop, 8) << "a move the balloon stays for";
    ::SetForegroundWindow(pFrame->m_hWnd);
    ::SetCursorPos(pt.x - 4, pt.y);
    ::SetCursorPos(pt.x, pt.y);
    ::keybd_event(VK_SHIFT, 0, 0, 0);
    ::keybd_event(VK_F1, 0, 0, 0);
    ::keybd_event(VK_F1, 0, KEYEVENTF_KEYUP, 0);
    ::keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    ASSERT_TRUE(vorntest::ClickAt(pt));
    HWND hBalloon = nullptr;
    ASSERT_TRUE(vorntest::PollFor([&] { return DispatchWaiting(), (hBalloon = ErrorBalloonWindow()) != nullptr; },
                                  10000, "the What's-This balloon"));
    ::SetCursorPos(pt.x + dxToStop, pt.y);
    HWND hTip = panel.m_wndToolTip.m_hWnd;  // made by the first move
    ASSERT_NE(hTip, nullptr);
    DWORD nWait = 4 * (DWORD)(::SendMessageA(hTip, TTM_GETDELAYTIME, TTDT_INITIAL, 0) +
                              ::SendMessageA(hTip, TTM_GETDELAYTIME, TTDT_RESHOW, 0));
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < nWait && ::IsWindowVisible(hBalloon);) {
        DispatchWaiting();
        ASSERT_EQ(OtherShownTip(hBalloon), nullptr) << "a tooltip over the balloon";
        ::Sleep(5);
    }
    EXPECT_TRUE(::IsWindowVisible(hBalloon));
    ErrorBalloonHide();
}

// What's-This on the main window (the Help menu's command): a click on the
// control panel's ON button shows that button's balloon and does not power
// on (which would open the refusal of a missing configuration).
TEST_F(FrameFixture, WhatsThisShowsTheClickedButtonsBalloonAndPressesNothing)
{
    OpenFrame();
    CDialog& panel = pFrame->m_wndControlsBar.m_dlg;
    HWND hOn = ::GetDlgItem(panel.m_hWnd, IDC_PANEL_POWERONOFF);
    ASSERT_TRUE(hOn && ::IsWindowVisible(hOn));
    CString strExpected, strBody, strTitle;
    strExpected = pFrame->m_wndControlsBar.GetHelpString(MakeHelpKey(CDynControlsDlgBar::IDD, IDC_PANEL_POWERONOFF));
    SplitBalloonText(strExpected, strBody, strTitle);
    ASSERT_FALSE(strTitle.IsEmpty());
    pFrame->PostMessage(WM_COMMAND, ID_CONTEXT_HELP, 0);
    RECT rc;
    ::GetClientRect(hOn, &rc);
    ::PostMessageA(hOn, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rc.right / 2, rc.bottom / 2));
    ::PostMessageA(hOn, WM_LBUTTONUP, 0, MAKELPARAM(rc.right / 2, rc.bottom / 2));
    Pump();
    CString strShownTitle, strShownText;
    ASSERT_NE(ErrorBalloonWindow(&strShownTitle, &strShownText), nullptr);
    EXPECT_STREQ(strShownTitle, strTitle);
    EXPECT_STREQ(strShownText, strBody);
    ErrorBalloonHide();
    EXPECT_EQ(vorntest::OtherDialog(pFrame->m_hWnd), nullptr);
    EXPECT_EQ(::GetCapture(), nullptr);
}

// The caption's "?", then a click on a status pane: the pane's own balloon
// (the prompt pane's is the status bar's).
TEST_F(FrameFixture, WhatsThisOnAStatusPaneShowsItsOwnBalloon)
{
    ProfileWriteString("Settings", "StatLineSeePart", "11111");
    OpenFrame();
    CStatusBarACT& bar = pFrame->m_wndStatusBar;
    ASSERT_EQ(bar.GetCount(), 6);
    for (int i = 0; i < bar.GetCount(); i++) {
        CRect rcWnd, rcPane;
        pFrame->GetWindowRect(&rcWnd);
        CPoint pt = rcWnd.TopLeft() + CRect(pFrame->GetHelpButtonRect()).CenterPoint();
        pFrame->SendMessage(WM_NCLBUTTONDOWN, HTHELP, MAKELPARAM(pt.x, pt.y));
        pFrame->ScreenToClient(&pt);
        pFrame->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        bar.GetItemRect(i, &rcPane);
        bar.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rcPane.left + 2, rcPane.top + 2));
        Pump();
        CString strTitle, strText = pFrame->GetHelpString(MakeHelpKey(IDR_MAINFRAME, i ? bar.GetItemID(i) : 0xE801));
        ErrorBalloonWindow(&strTitle);
        EXPECT_STREQ(strTitle, strText.Mid(strText.ReverseFind('\n') + 1)) << i;
    }
}

// What's This, then a real click on a status pane, the LOAD button or the
// device list: the balloon shows, and the focus stays in the command line
// (it went to the window clicked, where keys reached nothing).
TEST_F(FrameFixture, WhatsThisLeavesTheFocusWhereItWas)
{
    OpenFrame();
    CCmdEdit& edit = pFrame->m_wndCmdLineBar.m_dlg.CommandEdit();
    edit.EnableWindow(TRUE);  // as while the emulator runs
    CRect rcPane, rcLoad, rcTree;
    pFrame->m_wndStatusBar.GetItemRect(1, &rcPane);
    pFrame->m_wndStatusBar.ClientToScreen(&rcPane);
    ::GetWindowRect(::GetDlgItem(pFrame->m_wndControlsBar.m_dlg.m_hWnd, IDC_PANEL_LOAD), &rcLoad);
    pFrame->m_wndDevListBar.m_dlg.Tree().GetWindowRect(&rcTree);
    const std::pair<const char*, CRect> targets[] = {
        {"a status pane", rcPane}, {"the LOAD button", rcLoad}, {"the device list", rcTree}};
    for (const auto& target : targets) {
        SCOPED_TRACE(target.first);
        edit.SetFocus();
        // The mode, posted, is taken before the click, which it then takes.
        pFrame->PostMessage(WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        ASSERT_TRUE(vorntest::ClickAt(target.second.CenterPoint()));
        ASSERT_TRUE(vorntest::PollFor([] { Pump(); return ErrorBalloonWindow() != nullptr; }, 10000, "the balloon"));
        EXPECT_EQ(::GetFocus(), edit.m_hWnd) << "the focus left the command line";
        ErrorBalloonHide();
    }
}

TEST_F(FrameFixture, CopyTakesTheSelectedLinesButNeverOnePastTheEnd)
{
    OpenFrame();
    for (int i = 0; i < 6; i++) {
        CString line;
        line.Format("line %d", i);
        g_pView->AddMessage(line, false);
    }
    g_pView->RefreshAfterAppend(6);
    // Anchor at the line count, caret above: lines 4 and 5, not a line 6.
    g_pView->SetSelection(6, 3);
    pFrame->SendMessage(WM_COMMAND, ID_EDIT_COPY);
    CString text;
    ASSERT_TRUE(CClipBoard(pFrame->m_hWnd).GetText(text));
    EXPECT_STREQ(text, "line 4\r\nline 5\r\n");
    // Select All covers every line.
    pFrame->SendMessage(WM_COMMAND, ID_EDIT_SELECT_ALL);
    EXPECT_EQ(g_pView->GetSelection().m_nAnchor, 0);
    EXPECT_EQ(g_pView->GetSelection().m_nCaret, 6);
}

// The configuration code's messages reach the user once the start-up's
// hooks are in place.
TEST_F(FrameFixture, ConfigurationMessagesAreShownToTheUser)
{
    OpenFrame();
    ConfigErrorMessageHook pfnOldError = SetConfigErrorMessageHook(nullptr);
    ConfigMessageBoxHook pfnOldBox = SetConfigMessageBoxHook(nullptr);
    InstallConfigMessageHooks();
    std::string seen;
    {
        vorntest::DialogDriver any([&](HWND h) {
            seen += vorntest::DialogTexts(h) + "#";
            ::PostMessageA(h, WM_CLOSE, 0, 0);
            return true;
        });
        ShowConfigErrorMessage("Error reading dasd file.", "disk.cckd", ERROR_ACCESS_DENIED);
        ShowConfigMessageBox("Save failed", "The disk is full.", "VornGUI", MB_ICONWARNING);
    }
    EXPECT_NE(std::string::npos, seen.find("Error reading dasd file.")) << seen;
    EXPECT_NE(std::string::npos, seen.find("The disk is full.")) << seen;
    SetConfigErrorMessageHook(pfnOldError);
    SetConfigMessageBoxHook(pfnOldBox);
}

// A settings file that cannot be written: the user is told once, the old
// file stays byte for byte, the new values stay in the store, and once the
// file can be written again the next save takes them all.
TEST_F(FrameFixture, FailedSettingsSaveIsToldOnceAndKeepsTheOldFile)
{
    OpenFrame();
    CIniSettingsStore::SaveFailedHook pfnOld = CIniSettingsStore::SetSaveFailedHook(nullptr);
    InstallConfigMessageHooks();
    const std::string strOld = "; kept\r\n[Settings]\r\nstrKeep=old\r\n[Other]\r\nx=1\r\n";
    std::string strIni = dir.Write("ro.ini", strOld);
    ASSERT_TRUE(::SetFileAttributesA(strIni.c_str(), FILE_ATTRIBUTE_READONLY));
    CIniSettingsStore store(strIni.c_str());
    std::string seen;
    int nDialogs = 0;
    {
        vorntest::DialogDriver any([&](HWND h) {
            seen += vorntest::DialogTexts(h) + "#";
            ++nDialogs;
            ::PostMessageA(h, WM_CLOSE, 0, 0);
            return true;
        });
        EXPECT_FALSE(store.WriteString("Settings", "strNew", "a"));
        EXPECT_FALSE(store.WriteInt("Settings", "nNew", 2));
        EXPECT_FALSE(store.DeleteSection("Other"));
    }
    EXPECT_EQ(nDialogs, 1) << seen;
    EXPECT_NE(seen.find("The settings file could not be saved."), std::string::npos) << seen;
    EXPECT_NE(seen.find("ro.ini"), std::string::npos) << seen;
    EXPECT_EQ(ReadText(strIni), strOld);
    CString strValue;
    EXPECT_TRUE(store.GetString("Settings", "strNew", strValue));
    EXPECT_STREQ(strValue, "a");

    ASSERT_TRUE(::SetFileAttributesA(strIni.c_str(), FILE_ATTRIBUTE_NORMAL));
    EXPECT_TRUE(store.WriteInt("Settings", "nLater", 3));
    EXPECT_EQ(ReadText(strIni), "; kept\r\n[Settings]\r\nstrKeep=old\r\nstrNew=a\r\nnNew=2\r\nnLater=3\r\n");
    CIniSettingsStore::SetSaveFailedHook(pfnOld);
}

// The caption is the view's title alone (the program's name once); with
// memory-only logging its "*" follows the lines as they arrive and goes when
// they are saved; saving again under the same name, which resets the
// document's title to the bare file name, leaves the whole title.
TEST_F(FrameFixture, CaptionIsTheViewsTitleAndFollowsTheUnsavedMessages)
{
    bConsoleLogNamed = false;
    OpenFrame();
    auto Caption = [&] {
        char sz[256] = "";
        ::GetWindowTextA(pFrame->m_hWnd, sz, sizeof sz);
        return std::string(sz);
    };
    PumpUntil([&] { return Caption().find('[') != std::string::npos; }, 5000);
    EXPECT_EQ(Caption(), " VornGUI -  [  ]  ");
    g_pView->AddMessage("ZQC00001I a line kept in memory", false);
    EXPECT_EQ(Caption(), " VornGUI -  [  ]*  ");
    CVornGUIDoc* pDoc = g_pView->GetDocument();
    std::string strSaved = dir.Write("saved.log", "");
    pDoc->SetPathName(strSaved.c_str());  // as the first Save Messages... names it
    g_pView->AddMessage("ZQC00002I another line", false);
    EXPECT_EQ(Caption(), " VornGUI -  [ saved.log ]*  ");
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_SAVE_MESSAGES);
    EXPECT_EQ(Caption(), " VornGUI -  [ saved.log ]  ");
    EXPECT_NE(ReadText(strSaved).find("ZQC00002I another line"), std::string::npos);
}

// The document's title becomes the caption when it changes it, and only then.
TEST_F(FrameFixture, CaptionIsSetWhenTheTitleChangesIt)
{
    OpenFrame();
    CDocument* pDoc = g_pView->GetDocument();
    vorntest::MessageCounter sets(pFrame->m_hWnd, WM_SETTEXT);
    ASSERT_TRUE(sets.Watching());
    const CString strTitle = pDoc->GetTitle();
    pDoc->SetTitle(strTitle);
    EXPECT_EQ(sets.Count(), 0);
    pDoc->SetTitle("ZQC title");
    EXPECT_EQ(sets.Count(), 1);
    pDoc->SetTitle("ZQC title");
    EXPECT_EQ(sets.Count(), 1);
    pDoc->SetTitle(strTitle);
    EXPECT_EQ(sets.Count(), 2);
    char sz[256] = "";
    ::GetWindowTextA(pFrame->m_hWnd, sz, sizeof sz);
    EXPECT_STREQ(sz, strTitle);
}

TEST_F(FrameFixture, HandshakeRequestPostsOneSubscriptionPerDataBar)
{
    OpenFrame();
    MSG msg;
    while (::PeekMessageA(&msg, g_pView->m_hWnd, WM_SUBSCRIBE_DEVLIST, WM_SUBSCRIBE_VREGS, PM_REMOVE))
        ;
    pFrame->SendMessage(WM_NOTIFY_BAR_VISIBILITY);
    int nPosted = 0;
    while (::PeekMessageA(&msg, g_pView->m_hWnd, WM_SUBSCRIBE_DEVLIST, WM_SUBSCRIBE_VREGS, PM_REMOVE))
        nPosted++;
    EXPECT_EQ(11, nPosted);
}

TEST_F(FrameFixture, ViewGetsTheDeviceListBarAndTheStatusBar)
{
    OpenFrame(false);
    EXPECT_EQ(&pFrame->m_wndDevListBar.m_dlg, g_pView->GetSessionReceivers().pDevListBar);
    EXPECT_EQ(static_cast<CStatusBar*>(&pFrame->m_wndStatusBar), g_pView->GetSessionReceivers().pStatusBar);
}

// The View menu's Dock and Float commands are those of the bars' own
// context menus.
TEST(MainBars, DockAndFloatCommandsAgreeWithTheContextMenus)
{
    for (const SMainBar& bar : kMainBars) {
        UINT nDock = 0, nFloat = 0;
        ASSERT_TRUE(DockFloatCommands(bar.nBarID, nDock, nFloat)) << bar.pszTitle;
        EXPECT_EQ(bar.nDockCmd, nDock) << bar.pszTitle;
        EXPECT_EQ(bar.nFloatCmd, nFloat) << bar.pszTitle;
    }
}

TEST_F(FrameFixture, ViewToggleAndDockFloatCommands)
{
    OpenFrame();
    const int kStatusLine = 1;
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUSLINE_BAR);
    EXPECT_TRUE(BarVisible(kStatusLine));
    // Dock on a docked bar does nothing; Float floats it; Dock brings it back.
    pFrame->SendMessage(WM_COMMAND, ID_DOCK_STATUSLINE_BAR);
    EXPECT_FALSE(pFrame->GetMainBar(kStatusLine)->IsFloating());
    pFrame->SendMessage(WM_COMMAND, ID_FLOAT_STATUSLINE_BAR);
    EXPECT_TRUE(pFrame->GetMainBar(kStatusLine)->IsFloating());
    pFrame->SendMessage(WM_COMMAND, ID_FLOAT_STATUSLINE_BAR);
    EXPECT_TRUE(pFrame->GetMainBar(kStatusLine)->IsFloating());
    pFrame->SendMessage(WM_COMMAND, ID_DOCK_STATUSLINE_BAR);
    EXPECT_FALSE(pFrame->GetMainBar(kStatusLine)->IsFloating());
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUSLINE_BAR);
    EXPECT_FALSE(BarVisible(kStatusLine));
}

namespace {

// The window's rectangle in the client coordinates of hParent.
RECT RectIn(HWND hWnd, HWND hParent)
{
    RECT rc;
    ::GetWindowRect(hWnd, &rc);
    ::MapWindowPoints(nullptr, hParent, (POINT*)&rc, 2);
    return rc;
}

bool Inside(const RECT& rc, const RECT& rcArea)
{
    return rc.left >= rcArea.left && rc.top >= rcArea.top && rc.right <= rcArea.right && rc.bottom <= rcArea.bottom;
}

// True when some pixel of the rectangle of hWnd's client area has the colour.
bool HasPixel(HWND hWnd, const RECT& rc, COLORREF clr)
{
    HDC hDC = ::GetDC(hWnd);
    bool bFound = false;
    for (int y = rc.top; y < rc.bottom && !bFound; y++)
        for (int x = rc.left; x < rc.right && !bFound; x++)
            bFound = ::GetPixel(hDC, x, y) == clr;
    ::ReleaseDC(hWnd, hDC);
    return bFound;
}

COLORREF PixelAt(HWND hWnd, int x, int y)
{
    HDC hDC = ::GetDC(hWnd);
    COLORREF clr = ::GetPixel(hDC, x, y);
    ::ReleaseDC(hWnd, hDC);
    return clr;
}

}  // namespace

// The device tree is as large as its bar; a bar asked to be narrower than
// its dialog's template keeps the template's width. An item wider than the
// tree scrolls: the horizontal scroll bar, arrows included, lies inside the bar.
TEST_F(FrameFixture, DeviceTreeFitsItsBarAtAnySize)
{
    OpenFrame();
    CDynDevListDlgBar& dlg = pFrame->m_wndDevListBar.m_dlg;
    HWND hTree = dlg.Tree().m_hWnd;
    const int kDevList = 0, kCpuPct = 13;  // the two bars of the left column
    for (int cx : {400, 110}) {
        for (int i : {kDevList, kCpuPct})
            pFrame->GetMainBar(i)->SetDockedSize(FALSE, cx, pFrame->GetMainBar(i)->GetDockedSize(FALSE).cy);
        pFrame->RecalcLayout();
        Pump();
        RECT rcClient;
        ::GetClientRect(dlg.m_hWnd, &rcClient);
        RECT rcTree = RectIn(hTree, dlg.m_hWnd);
        EXPECT_TRUE(Inside(rcTree, rcClient)) << cx << ": tree right " << rcTree.right << " of " << rcClient.right;
        EXPECT_GE(rcTree.right, rcClient.right - 2) << cx;  // and it fills the bar
        EXPECT_GE(rcClient.right, dlg.m_szInitial.cx) << cx;
    }
    // A device whose description is wider than the tree: it scrolls, and
    // the scroll bar's right arrow can be reached.
    TVINSERTSTRUCTA tvi = {};
    tvi.hParent = (HTREEITEM)::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    tvi.hInsertAfter = TVI_LAST;
    tvi.item.mask = TVIF_TEXT;
    tvi.item.pszText = (LPSTR) "000C  3505  a card reader whose description runs on far beyond the bar's right edge";
    ASSERT_NE(::SendMessageA(hTree, TVM_INSERTITEMA, 0, (LPARAM)&tvi), 0);
    ::SendMessageA(hTree, TVM_EXPAND, TVE_EXPAND, (LPARAM)tvi.hParent);
    Pump();
    SCROLLBARINFO sbi = {sizeof(sbi)};
    ASSERT_TRUE(::GetScrollBarInfo(hTree, OBJID_HSCROLL, &sbi));
    EXPECT_FALSE(sbi.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    RECT rcDlg;
    ::GetWindowRect(dlg.m_hWnd, &rcDlg);
    EXPECT_LE(sbi.rcScrollBar.right, rcDlg.right);
    if (vorntest::KeepOpenForScreenshot()) {
        HTREEITEM hItem = (HTREEITEM)::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
        ::SendMessageA(hTree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)hItem);
        for (DWORD dwEnd = ::GetTickCount() + 4000; ::GetTickCount() < dwEnd; ::Sleep(20))
            Pump();
    }
}

// The selected device or group stays readable: the system's selection
// colours with the focus, the inactive selection's without it (the bar's own
// white text was drawn on the light inactive ground).
TEST_F(FrameFixture, DeviceTreeSelectionReadableWithAndWithoutFocus)
{
    OpenFrame();
    CDynDevListDlgBar& dlg = pFrame->m_wndDevListBar.m_dlg;
    HWND hTree = dlg.Tree().m_hWnd;
    HTREEITEM hItem = (HTREEITEM)::SendMessageA(hTree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    ASSERT_NE(hItem, nullptr);
    ::SendMessageA(hTree, TVM_SELECTITEM, TVGN_CARET, (LPARAM)hItem);
    RECT rcText;
    std::memcpy(&rcText, &hItem, sizeof hItem);  // the item goes in, its rectangle comes out
    ASSERT_TRUE(::SendMessageA(hTree, TVM_GETITEMRECT, TRUE, (LPARAM)&rcText));
    struct {
        bool bFocus;
        int nBack, nText;
    } cases[] = {{false, COLOR_BTNFACE, COLOR_BTNTEXT}, {true, COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT}};
    for (const auto& c : cases) {
        ::SetFocus(c.bFocus ? hTree : g_pView->m_hWnd);
        ::RedrawWindow(hTree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Pump();
        EXPECT_EQ(PixelAt(hTree, rcText.right - 2, (rcText.top + rcText.bottom) / 2), ::GetSysColor(c.nBack))
            << c.bFocus;
        EXPECT_TRUE(HasPixel(hTree, rcText, ::GetSysColor(c.nText))) << c.bFocus;
    }
}

// Floated for the first time, a bar's frame has the bar's docked size and
// lies inside the work area, even when the bar was docked below its bottom.
TEST_F(FrameFixture, FloatedBarStartsAtItsDockedSizeInsideTheWorkArea)
{
    OpenFrame();
    const int kCmdLine = 3;
    cdxCDynamicBar* pBar = pFrame->GetMainBar(kCmdLine);
    ASSERT_TRUE(pBar->IsVisible());
    MONITORINFO mi = {sizeof(mi)};
    ::GetMonitorInfoA(::MonitorFromWindow(pFrame->m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    RECT rcFrame;
    pFrame->GetWindowRect(&rcFrame);
    // The main window hangs 60 pixels below the work area.
    pFrame->SetWindowPos(nullptr, rcFrame.left, mi.rcWork.bottom + 60 - (rcFrame.bottom - rcFrame.top), 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER);
    Pump();
    RECT rcDocked;
    pBar->GetWindowRect(&rcDocked);
    ASSERT_GT(rcDocked.bottom, mi.rcWork.bottom);
    pFrame->SendMessage(WM_COMMAND, ID_FLOAT_CMDLINE_BAR);
    Pump();
    theApp.OnIdle(0);  // the loop's idle step: the floating frame's delayed layout
    Pump();
    ASSERT_TRUE(pBar->IsFloating());
    CWnd* pMini = pBar->GetDockingFrame();
    ASSERT_NE(pMini, nullptr);
    RECT rcMini;
    pMini->GetWindowRect(&rcMini);
    EXPECT_TRUE(Inside(rcMini, mi.rcWork)) << rcMini.left << "," << rcMini.top << "," << rcMini.right << ","
                                           << rcMini.bottom;
    // The bar keeps its docked size; the frame adds its border, and the
    // caption that the docked bar had at its side now runs along its top.
    EXPECT_EQ(pBar->GetFloatingSize().cx, rcDocked.right - rcDocked.left);
    EXPECT_NEAR(rcMini.right - rcMini.left, rcDocked.right - rcDocked.left, 8);
    EXPECT_NEAR(rcMini.bottom - rcMini.top, rcDocked.bottom - rcDocked.top, 16);
}

// A floated bar stays over the main window, on the screen as the user sees
// it, when the user clicks into the main window (which takes the focus from
// the bar) and after a restart with the main window maximised.
TEST_F(FrameFixture, FloatingBarStaysOverTheMainWindowOnTheScreen)
{
    OpenFrame();
    pFrame->MoveWindow(0, 0, 900, 700);
    pFrame->SendMessage(WM_COMMAND, ID_FLOAT_CMDLINE_BAR);
    Pump();
    theApp.OnIdle(0);  // the loop's idle step: the floating frame's delayed layout
    Pump();
    const int kCmdLine = 3;
    CWnd* pMini = pFrame->GetMainBar(kCmdLine)->GetDockingFrame();
    ASSERT_NE(pMini, nullptr);
    EXPECT_EQ(pFrame->m_hWnd, ::GetWindow(pMini->m_hWnd, GW_OWNER));
    pMini->SetWindowPos(nullptr, 200, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rcMini;
    pMini->GetWindowRect(&rcMini);
    EXPECT_EQ("", vorntest::WaitUntilScreenShows(pMini->m_hWnd, rcMini, Pump));
    // The focus in the bar's command line; then a click into the console.
    ::SetForegroundWindow(pFrame->m_hWnd);
    ::SetFocus(pFrame->m_wndCmdLineBar.m_dlg.CommandEdit().m_hWnd);
    Pump();
    RECT rcView;
    g_pView->GetWindowRect(&rcView);
    ASSERT_LT(rcView.top + 20, rcMini.top);
    ASSERT_TRUE(vorntest::ClickAt(POINT{rcView.left + 20, rcView.top + 20}));
    ASSERT_TRUE(PumpUntil([] { return ::GetFocus() == g_pView->m_hWnd; }, 5000)) << "the click into the console";
    EXPECT_EQ("", vorntest::WaitUntilScreenShows(pMini->m_hWnd, rcMini, Pump)) << "after the click";
    // Over the main window, yet not over other programs; a modal dialog
    // covers it and takes the input from it while it runs.
    EXPECT_EQ(0, pMini->GetExStyle() & WS_EX_TOPMOST);
    std::string strSeen = "no dialog";
    {
        vorntest::DialogDriver driver([&](HWND hDlg) {
            strSeen = vorntest::DescribeModalStacking(hDlg, pMini->m_hWnd);
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_APP_ABOUT);
    }
    EXPECT_EQ("above, disabled, plain", strSeen);
    EXPECT_TRUE(pMini->IsWindowEnabled());

    // Closed with the bar floating and opened again maximised.
    pFrame->ShowWindow(SW_MAXIMIZE);
    Pump();
    pFrame->SendMessage(WM_CLOSE);
    Pump();
    ASSERT_FALSE(FrameAlive());
    OpenFrame();
    EXPECT_TRUE(pFrame->IsZoomed());
    pMini = pFrame->GetMainBar(kCmdLine)->GetDockingFrame();
    ASSERT_NE(pMini, nullptr);
    ASSERT_TRUE(pMini->IsWindowVisible());
    pMini->GetWindowRect(&rcMini);
    EXPECT_EQ("", vorntest::WaitUntilScreenShows(pMini->m_hWnd, rcMini, [] { Pump(); theApp.OnIdle(0); }))
        << "after the restart";
}

TEST_F(FrameFixture, DockingLayoutAndPlacementSurviveARestart)
{
    OpenFrame();
    const int kStatusLine = 1, kCmdLine = 3;
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUSLINE_BAR);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_CMDLINE_BAR);
    pFrame->MoveWindow(40, 30, 760, 540);
    Pump();
    pFrame->SendMessage(WM_CLOSE);
    Pump();
    ASSERT_FALSE(FrameAlive());
    EXPECT_GT(ProfileGetInt("BarsState\\BarsState-Summary", "Bars", 0), 0u);
    EXPECT_FALSE(ProfileGetString("CWindowPlacement", "CMainFrame", "").IsEmpty());

    OpenFrame();
    EXPECT_FALSE(theApp.m_bNoSavedBarState);
    EXPECT_TRUE(BarVisible(kStatusLine));
    EXPECT_FALSE(BarVisible(kCmdLine));
    EXPECT_TRUE(BarVisible(0));
    RECT rc;
    pFrame->GetWindowRect(&rc);
    EXPECT_EQ(rc.left, 40);
    EXPECT_EQ(rc.top, 30);
    EXPECT_EQ(rc.right - rc.left, 760);
    EXPECT_EQ(rc.bottom - rc.top, 540);
}

// A restart puts every bar back where it was, at its size, shown or hidden,
// docked or floating: the bars go straight into the saved layout.
TEST_F(FrameFixture, EveryBarComesBackInItsPlaceAfterARestart)
{
    OpenFrame();
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUSLINE_BAR);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_GREGS_BAR);
    pFrame->FloatControlBar(pFrame->GetMainBar(11), CPoint(120, 140));  // Vector Registers
    pFrame->MoveWindow(30, 20, 820, 600);
    Pump();
    theApp.OnIdle(0);
    auto places = [&] {
        std::vector<std::string> out;
        for (int i = 0; i < kMainBarCount; i++) {
            cdxCDynamicBar* pBar = pFrame->GetMainBar(i);
            RECT rc;
            pBar->GetWindowRect(&rc);
            if (!pBar->IsFloating())
                ::MapWindowPoints(nullptr, pFrame->m_hWnd, (POINT*)&rc, 2);
            out.push_back(std::string(kMainBars[i].pszTitle) + (BarVisible(i) ? " shown" : " hidden") +
                          (pBar->IsFloating() ? " floating " : " docked ") + std::to_string(rc.left) + "," +
                          std::to_string(rc.top) + "," + std::to_string(rc.right) + "," + std::to_string(rc.bottom));
        }
        return out;
    };
    std::vector<std::string> before = places();
    pFrame->SendMessage(WM_CLOSE);
    Pump();
    ASSERT_FALSE(FrameAlive());
    OpenFrame();
    theApp.OnIdle(0);
    std::vector<std::string> after = places();
    for (int i = 0; i < kMainBarCount; i++)
        EXPECT_EQ(before[i], after[i]);
}

TEST_F(FrameFixture, CloseWithModifiedConfigurationAsks)
{
    OpenFrame();
    ModifyConfiguration();
    ASSERT_TRUE(g_pView->IsConfigModified());
    {
        vorntest::DialogDriver cancel([](HWND h) {
            ::SendMessageA(h, kTdmClickButton, IDCANCEL, 0);
            return false;
        });
        pFrame->SendMessage(WM_CLOSE);
        EXPECT_TRUE(cancel.SawDialog());
    }
    ASSERT_TRUE(FrameAlive());
    {
        vorntest::DialogDriver dontSave([](HWND h) {
            ::SendMessageA(h, kTdmClickButton, CVornGUIView::kPromptNotSaved, 0);
            return false;
        });
        pFrame->SendMessage(WM_CLOSE);
        EXPECT_TRUE(dontSave.SawDialog());
    }
    Pump();
    EXPECT_FALSE(FrameAlive());
}

// The [Logging] section of a settings file, as written.
std::string LoggingSection(const std::string& strIni)
{
    size_t nStart = strIni.find("[Logging]\r\n");
    if (nStart == std::string::npos)
        return std::string();
    size_t nEnd = strIni.find("\r\n[", nStart);
    return strIni.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd + 2 - nStart);
}

// Closing the main window while a start-up numbering question shows (the
// window is closed by message, as another program or the taskbar does)
// answers nothing: the question comes to the front and waits for the user,
// whose answers number the log; the log of an earlier run keeps its lines.
TEST_F(FrameFixture, CloseWhileALogNumberingQuestionShowsWaitsForTheAnswer)
{
    struct Case {
        const char* pszFile;      // the numbered log already in the folder
        const char* pszQuestion;  // the question closed over, and the ones the user answers
        UINT nCur, nMax;          // [Logging] after the answers
    };
    const Case cases[] = {
        {"vorn.012.log", " Maximum logfiles exceeded# Maximum logfiles exceeded# Logfile Numbering", 0, 12},
        {"vorn.007.log", " Logfile Numbering# Logfile Numbering", 8, 9},
    };
    CForegroundTaker taker;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszQuestion);
        // The log folder is the fixture's (the program keeps its folders
        // for the process): the case's files alone in it.
        for (const Case& other : cases)
            ::DeleteFileA(dir.Path(other.pszFile).c_str());
        ProfileWriteInt("Logging", "LogOption", 2);
        ProfileWriteString("Logging", "BaseFilename", "vorn.log");
        ProfileWriteInt("Logging", "CurFileNum", 2);
        ProfileWriteInt("Logging", "MaxFileNum", 9);
        dir.Write(c.pszFile, "ZQC00001I\r\n");
        dir.Write("vorn.003.log", "ZQC00003I an earlier run\r\n");
        std::string captions;
        HWND hQuestion = nullptr;
        {
            vorntest::WaitingFor waiting("the question closed over to come to the front");
            vorntest::DialogDriver closeOver([&](HWND h) {
                if (h == hQuestion && BoxState(h) == "behind")
                    return true;
                char szCaption[128] = {};
                ::GetWindowTextA(h, szCaption, sizeof szCaption);
                captions += std::string(szCaption) + "#";
                if (hQuestion) {
                    ::PostMessageA(h, kTdmClickButton, IDYES, 0);  // the user's: the recommended answer
                    return true;
                }
                EXPECT_TRUE(taker.Take());
                hQuestion = h;
                ::PostMessageA(pFrame->m_hWnd, WM_CLOSE, 0, 0);
                return true;
            });
            OpenFrame();
            ASSERT_TRUE(PumpUntil([&] { return !FrameAlive(); }, 10000)) << "the frame closing";
        }
        pFrame = nullptr;
        EXPECT_EQ(captions, std::string(c.pszQuestion) + "#");
        CString strExpected, strLog;
        strExpected.Format("[Logging]\r\nLogOption=2\r\nBaseFilename=vorn.log\r\nCurFileNum=%u\r\nMaxFileNum=%u\r\n"
                           "EnableMemLogLimit=1\r\nMemLogLinesLimit=%u\r\nEnableDiskLogLimit=0\r\n"
                           "DiskLogLinesLimit=%u\r\nSyncDiskLog=0\r\nLogDates=0\r\nLogTimes=1\r\n"
                           "LogPidAlways=1\r\nLogPidOnlyIfNeeded=0\r\n",
                           c.nCur, c.nMax, g_nDefMemLoglinesLimit, g_nDefDiskLoglinesLimit);
        EXPECT_EQ(LoggingSection(ReadText(dir.Path("frame.ini"))), strExpected.GetString());
        strLog.Format("vorn.%03u.log", c.nCur);
        EXPECT_EQ(ReadText(dir.Path(strLog.GetString())).find("VornGUI -- Version "), 0u) << "this run's log";
        EXPECT_EQ(ReadText(dir.Path("vorn.003.log")), "ZQC00003I an earlier run\r\n");
        ::DeleteFileA(dir.Path(strLog.GetString()).c_str());
    }
}

TEST_F(FrameFixture, CloseWhileAUtilityRunsIsRefusedWithTheTwoLineError)
{
    OpenFrame();
    ASSERT_NE(g_pView->RunUtility("vornutil.exe --do \"sleep 1500\"", kUtilVolMake, nullptr, "Sleep", 0), nullptr);
    ASSERT_TRUE(g_pView->IsUtilityRunning());
    std::string texts;
    {
        vorntest::DialogDriver ok([&](HWND h) {
            texts = vorntest::DialogTexts(h);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        });
        pFrame->SendMessage(WM_CLOSE);
        EXPECT_TRUE(ok.SawDialog());
    }
    EXPECT_NE(texts.find("One or more utilities are still active."), std::string::npos) << texts;
    EXPECT_NE(texts.find("The GUI cannot be closed until all utility processes have finished first."),
              std::string::npos);
    EXPECT_TRUE(FrameAlive());
    // Windows' session end does not wait for utilities, but VornGUI refuses
    // it while one runs.
    EXPECT_EQ(pFrame->SendMessage(WM_QUERYENDSESSION, 0, 0), FALSE);
    DWORD dwStart = ::GetTickCount();
    while (g_pView->IsUtilityRunning() && ::GetTickCount() - dwStart < 20000) {
        Pump();
        ::Sleep(20);
    }
    EXPECT_FALSE(g_pView->IsUtilityRunning());
}

// "Don't ask me this again." is the setting Preferences shows: with it
// taken off there, the question shows again.
TEST_F(FrameFixture, PowerOffQuestionRemembersDontAsk)
{
    OpenFrame();
    g_pView->SetNoWarnPowerOff(false);
    {
        vorntest::DialogDriver no([](HWND h) {
            ::SendMessageA(h, WM_USER + 113, TRUE, FALSE);  // TDM_CLICK_VERIFICATION
            ::SendMessageA(h, kTdmClickButton, IDNO, 0);
            return false;
        });
        EXPECT_EQ(pFrame->ConfirmPowerOff(), IDNO);
        EXPECT_TRUE(no.SawDialog());
    }
    EXPECT_TRUE(g_pView->Settings().m_bNoWarnPowerOff);
    // Asked no more: the answer is Yes.
    vorntest::DialogDriver none([](HWND) { return false; });
    EXPECT_EQ(pFrame->ConfirmPowerOff(), IDYES);
    EXPECT_FALSE(none.SawDialog());
    // The tick taken off again (Preferences): asked again.
    g_pView->SetNoWarnPowerOff(false);
    vorntest::DialogDriver yes([](HWND h) { return ::SendMessageA(h, kTdmClickButton, IDYES, 0) && false; });
    EXPECT_EQ(pFrame->ConfirmPowerOff(), IDYES);
    EXPECT_TRUE(yes.SawDialog());
}

TEST_F(FrameFixture, CloseWithARunningEmulatorPowersItOffFirst)
{
    OpenFrame();
    std::string record = dir.Path("emulator.txt");
    AttachStandin("--lifetime 3000 --record \"" + record + "\"");
    ASSERT_TRUE(g_pView->IsEmulatorRunning());
    g_pView->SetNoWarnPowerOff(true);
    std::string seen;
    vorntest::DialogDriver any([&](HWND h) {
        seen += vorntest::DialogTexts(h) + "#";
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        return true;
    });
    // The frame stays while the emulator powers off ("vorn exit"), then
    // closes without asking when it has ended (the stand-in ends after its
    // lifetime of 3 seconds).
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_TRUE(FrameAlive());
    DWORD dwStart = ::GetTickCount();
    while (FrameAlive() && ::GetTickCount() - dwStart < 20000) {
        Pump();
        ::Sleep(20);
    }
    EXPECT_FALSE(FrameAlive()) << seen;
    std::string received = ReadText(record);
    // "vorn exit", without its prefix once version 4.7 has been reported.
    EXPECT_NE(received.find("exit\n"), std::string::npos) << received;
}

// The close that the emulator's end brings ("PowerOff" option 1) waits while
// a modal dialog runs, and comes once it has ended: the main window is not
// destroyed under the dialog's loop.
TEST_F(FrameFixture, CloseAfterTheEmulatorsEndWaitsForTheModalDialog)
{
    ProfileWriteInt("Options", "PowerOff", 1);
    OpenFrame();
    AttachStandin("--lifetime 1000");
    ASSERT_TRUE(g_pView->IsEmulatorRunning());
    std::string strSeen = "the dialog went before it was seen after the end";
    {
        vorntest::DialogDriver driver([&](HWND hDlg) {
            if (g_pView && g_pView->IsEmulatorRunning())
                return true;
            // The end has been handled on this thread: a close it posted
            // would be in the queue now, or done.
            MSG msg;
            bool bClosePosted = !FrameAlive() || ::PeekMessageA(&msg, pFrame->m_hWnd, WM_CLOSE, WM_CLOSE, PM_NOREMOVE);
            strSeen = bClosePosted ? "closed under the dialog" : "waits";
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_APP_ABOUT);
    }
    EXPECT_EQ("waits", strSeen);
    EXPECT_TRUE(PumpUntil([&] { return !FrameAlive(); }, 10000)) << "the close after the dialog";
}

// A fatal fault on a worker thread (a pipe reader) ends the session whatever
// the answers: once the report's question is answered, the emulator is
// stopped at once, which the console and its log tell, and the frame closes
// without the power-off question that could have kept it.
TEST_F(FrameFixture, WorkerFaultEndsTheSessionWithoutAQuestion)
{
    ProfileWriteInt("Logging", "LogOption", 2);  // numbered log files in the test's folder
    OpenFrame();
    CVornGUIDoc* pDoc = (CVornGUIDoc*)g_pView->GetDocument();
    ASSERT_TRUE(PumpUntil([&] { return !pDoc->GetPathName().IsEmpty(); }, 10000)) << "the log file";
    std::string strLog = pDoc->GetPathName().GetString();
    AttachStandin("--lifetime 60000");
    ASSERT_TRUE(g_pView->IsEmulatorRunning());
    g_pView->SetNoWarnPowerOff(false);
    std::string strAsked;
    vorntest::DialogDriver any([&](HWND h) {
        strAsked += vorntest::DialogTexts(h) + "#";
        // The user refuses: No to a task dialog, the close of a box.
        ::PostMessageA(h, kTdmClickButton, IDNO, 0);
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        return true;
    });
    std::thread worker([] {
        CUnhandledException fault(EXCEPTION_ACCESS_VIOLATION, nullptr);
        ShowFatalErrorReport(fault);
    });
    // The question stands alone on the worker's thread: "Don't create".
    HWND hQuestion = nullptr;
    bool bAsked = PumpUntil([&] { return (hQuestion = ::FindWindowA(nullptr, " Unhandled Exception")) != nullptr; },
                            10000);
    if (bAsked)
        ::PostMessageA(hQuestion, kTdmClickButton, 7, 0);
    bool bClosed = bAsked && PumpUntil([&] { return !FrameAlive(); }, 20000);
    worker.join();
    ASSERT_TRUE(bAsked) << "the report's question";
    EXPECT_TRUE(bClosed) << "the frame closing; asked: " << strAsked;
    EXPECT_EQ(strAsked, "");
    std::string text = ReadText(strLog);
    size_t nKill = text.find(" = Vornamic)");
    EXPECT_NE(nKill, std::string::npos) << text;
    EXPECT_NE(text.find("Vornamic ended; rc=", nKill == std::string::npos ? 0 : nKill), std::string::npos) << text;
}

TEST_F(FrameFixture, ExitWhileTheEmulatorWritesKeepsItsLastLinesInTheLog)
{
    ProfileWriteInt("Logging", "LogOption", 2);  // numbered log files in the test's folder
    OpenFrame();
    CVornGUIDoc* pDoc = (CVornGUIDoc*)g_pView->GetDocument();
    // The start-up check starts the log file.
    for (DWORD dwStart = ::GetTickCount(); pDoc->GetPathName().IsEmpty() && ::GetTickCount() - dwStart < 10000;) {
        Pump();
        ::Sleep(10);
    }
    std::string strLog = pDoc->GetPathName().GetString();
    ASSERT_FALSE(strLog.empty());
    std::string cmd = "\"" + vorntest::ProgramDir() + "vornemu.exe\" --lifetime 30000 --do \"pace 2\" "
                      "--do \"seq out 1 1500 1 closing line %d\" EXTERNALGUI";
    CPipedProcessCtl* pCtl =
        new CPipedProcessCtl("Vornamic", 0, nullptr, cmd.c_str(), dir.Folder().c_str(), false, 0, 0);
    CVornConfigFile config;
    config.m_nMaxShutdownSecs = 30;
    g_pView->AttachEmulator(pCtl, config);
    g_pView->SetNoWarnPowerOff(true);
    for (DWORD dwStart = ::GetTickCount(); pDoc->GetLineCount() < 20 && ::GetTickCount() - dwStart < 10000;) {
        Pump();
        ::Sleep(10);
    }
    // Exit (no question asked): the emulator is told to end, goes on
    // writing until its script is done, and the frame closes once it ended.
    pFrame->SendMessage(WM_CLOSE);
    for (DWORD dwStart = ::GetTickCount(); FrameAlive() && ::GetTickCount() - dwStart < 30000;) {
        Pump();
        ::Sleep(10);
    }
    EXPECT_FALSE(FrameAlive());
    std::string text = ReadText(strLog);
    size_t nLast = text.find("closing line 1500\r\n");
    ASSERT_NE(nLast, std::string::npos);
    size_t nEnd = text.find("Vornamic ended; rc=0");
    ASSERT_NE(nEnd, std::string::npos);
    EXPECT_LT(nLast, nEnd);
}

TEST_F(FrameFixture, SessionEndIsRefusedWhileModifiedAndCancelledEndKeepsTheFrame)
{
    OpenFrame();
    ModifyConfiguration();
    EXPECT_EQ(pFrame->SendMessage(WM_QUERYENDSESSION, 0, 0), FALSE);
    pFrame->SendMessage(WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(pFrame->m_bForceClose);
    EXPECT_TRUE(FrameAlive());
}

TEST_F(FrameFixture, ConfirmedSessionEndClosesWithoutAsking)
{
    OpenFrame();
    EXPECT_EQ(pFrame->SendMessage(WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_TRUE(pFrame->m_bForceClose);
    vorntest::DialogDriver none([](HWND) { return false; });
    pFrame->SendMessage(WM_ENDSESSION, TRUE, 0);
    Pump();
    EXPECT_FALSE(none.SawDialog());
    EXPECT_FALSE(FrameAlive());
}

TEST_F(FrameFixture, CancelledSessionEndClearsTheForcedClose)
{
    OpenFrame();
    EXPECT_EQ(pFrame->SendMessage(WM_QUERYENDSESSION, 0, 0), TRUE);
    pFrame->SendMessage(WM_ENDSESSION, FALSE, 0);
    EXPECT_FALSE(pFrame->m_bForceClose);
    EXPECT_TRUE(FrameAlive());
}

TEST_F(FrameFixture, StatusBarPanesFollowTheShownParts)
{
    OpenFrame();
    CStatusBarACT& bar = pFrame->m_wndStatusBar;
    pFrame->RebuildStatusBar(true);
    // The default parts: PSW, its flags, MIPS and SIOS (instruction count hidden).
    ASSERT_EQ(bar.GetCount(), 5);
    EXPECT_EQ(bar.GetItemID(1), (UINT)ID_INDICATOR_PSW);
    EXPECT_EQ(bar.GetItemID(3), (UINT)ID_INDICATOR_MIPS);
    EXPECT_EQ(bar.GetPaneFlags(1), SBACT_FIT_TEXT | SBACT_DBLCLICK | SBACT_LEFT);
    EXPECT_TRUE(bar.GetPaneStyle(1) & SBPS_OWNERDRAW);
    pFrame->RebuildStatusBar(false);
    EXPECT_EQ(bar.GetCount(), 1);
}

TEST_F(FrameFixture, StatusTextWithALineFeedShowsTheFirstPartAndTipsTheRest)
{
    OpenFrame();
    CStatusBarACT& bar = pFrame->m_wndStatusBar;
    bar.SendMessage(SB_SETTEXTA, 0, (LPARAM) "abc\nxyz");
    EXPECT_STREQ(bar.GetPaneText(0), "abc");
    char text[16] = {};
    bar.SendMessage(SB_GETTEXTA, 0, (LPARAM)text);
    EXPECT_STREQ(text, "abc");
}

namespace {

// The width of a text in the status font the view's settings name.
int StatusTextWidth(HWND hBar, const CString& strText)
{
    const CViewSettings& settings = g_pView->Settings();
    HDC hDC = ::GetDC(hBar);
    LOGFONTA lf = {};
    lf.lfHeight = -::MulDiv(settings.m_nStatusFontSize * 10, ::GetDeviceCaps(hDC, LOGPIXELSY), 720);
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, settings.m_strStatusFontName, LF_FACESIZE);
    HFONT hFont = ::CreateFontIndirectA(&lf);
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32A(hDC, strText, strText.GetLength(), &size);
    ::SelectObject(hDC, hOld);
    ::DeleteObject(hFont);
    ::ReleaseDC(hBar, hDC);
    return size.cx;
}

int PaneWidth(CStatusBarACT& bar, int nIndex)
{
    RECT rc = {};
    bar.SendMessage(SB_GETRECT, (WPARAM)nIndex, (LPARAM)&rc);
    return rc.right - rc.left;
}

}  // namespace

// Each status pane is at least as wide as its text, also after the view
// changed it (as the emulator's status reports do), and no pane runs under
// the size grip.
TEST_F(FrameFixture, StatusPanesFitTheirTextAsItChanges)
{
    OpenFrame();
    g_pView->SetStatusOnStatusBar(true);
    pFrame->RebuildStatusBar(true);
    CStatusBarACT& bar = pFrame->m_wndStatusBar;
    ASSERT_EQ(bar.GetCount(), 5);
    for (int i = 1; i < bar.GetCount(); i++) {
        CString strText = bar.GetPaneText(i);
        ASSERT_FALSE(strText.IsEmpty()) << i;
        EXPECT_GE(PaneWidth(bar, i), StatusTextWidth(bar.m_hWnd, strText)) << i << " " << strText.GetString();
    }
    const CString strLong = "CP00 PSW=07060000 80000000 0000000000FF1234";
    bar.SetPaneText(1, strLong);
    EXPECT_GE(PaneWidth(bar, 1), StatusTextWidth(bar.m_hWnd, strLong));
    int nWide = PaneWidth(bar, 1);
    bar.SetPaneText(1, "CP00");
    EXPECT_LT(PaneWidth(bar, 1), nWide);
    EXPECT_GE(PaneWidth(bar, 1), StatusTextWidth(bar.m_hWnd, "CP00"));
    bar.SetPaneText(4, "SIOS=123456\nStart-I/Os per second");
    EXPECT_STREQ(bar.GetPaneText(4), "SIOS=123456");
    EXPECT_GE(PaneWidth(bar, 4), StatusTextWidth(bar.m_hWnd, "SIOS=123456"));
    // The last pane's text ends left of the grip.
    RECT rcBar = {}, rcLast = {};
    bar.GetClientRect(&rcBar);
    bar.SendMessage(SB_GETRECT, (WPARAM)(bar.GetCount() - 1), (LPARAM)&rcLast);
    EXPECT_LE(rcLast.left + StatusTextWidth(bar.m_hWnd, bar.GetPaneText(bar.GetCount() - 1)),
              rcBar.right - ::GetSystemMetrics(SM_CXVSCROLL));
    bar.SetPaneText(1, strLong);
    if (vorntest::KeepOpenForScreenshot()) {
        DWORD dwEnd = ::GetTickCount() + 4000;
        while (::GetTickCount() < dwEnd) {
            Pump();
            ::Sleep(20);
        }
    }
}

namespace {

// Each pane's tooltip lies over its pane (a pane without a tip has none).
std::string TooltipsOffTheirPanes(CStatusBarACT& bar)
{
    // The tooltip control whose tools are the bar's panes.
    HWND hTip = nullptr;
    for (HWND h = ::GetWindow(::GetDesktopWindow(), GW_CHILD); h && !hTip; h = ::GetWindow(h, GW_HWNDNEXT)) {
        char szClass[32] = {};
        ::GetClassNameA(h, szClass, sizeof szClass);
        TOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        ti.hwnd = bar.m_hWnd;
        ti.uId = 2;
        if (strcmp(szClass, TOOLTIPS_CLASSA) == 0 && ::SendMessageA(h, TTM_GETTOOLINFOA, 0, (LPARAM)&ti))
            hTip = h;
    }
    if (!hTip)
        return "no tooltip control";
    std::string off;
    for (int i = 1; i < bar.GetCount(); i++) {
        TOOLINFOA ti = {};
        ti.cbSize = sizeof(ti);
        ti.hwnd = bar.m_hWnd;
        ti.uId = (UINT_PTR)i + 1;
        RECT rcPane = {};
        bar.SendMessage(SB_GETRECT, (WPARAM)i, (LPARAM)&rcPane);
        if (!::SendMessageA(hTip, TTM_GETTOOLINFOA, 0, (LPARAM)&ti) || !::EqualRect(&ti.rect, &rcPane))
            off += " " + std::to_string(i);
    }
    return off;
}

}  // namespace

// The panes of a rebuilt status bar take their edges, texts and tooltips
// together, also those the start makes before the window has its size; a
// pane's tooltip follows it as the panes change and the window is resized.
TEST_F(FrameFixture, StatusPaneTooltipsFollowTheirPanes)
{
    OpenFrame();
    ASSERT_TRUE(g_pView->Settings().m_bStatusOnBar);  // the parts are shown by default
    {
        CStatusBarACT& bar = pFrame->m_wndStatusBar;
        ASSERT_EQ(bar.GetCount(), 5);
        EXPECT_EQ(bar.SendMessage(SB_GETPARTS, 0, 0), 5);
        EXPECT_EQ(TooltipsOffTheirPanes(bar), "") << "after the start";
        RECT rcBar = {}, rcLast = {};
        bar.GetClientRect(&rcBar);
        bar.SendMessage(SB_GETRECT, 4, (LPARAM)&rcLast);
        EXPECT_GT(rcLast.left, rcBar.right / 2) << "the parts stand at the right";
        for (int i = 1; i < bar.GetCount(); i++)
            EXPECT_GE(PaneWidth(bar, i), StatusTextWidth(bar.m_hWnd, bar.GetPaneText(i))) << i;
    }
    g_pView->SetStatusOnStatusBar(true);
    pFrame->RebuildStatusBar(true);
    CStatusBarACT& bar = pFrame->m_wndStatusBar;
    ASSERT_EQ(bar.GetCount(), 5);
    ASSERT_EQ(bar.SendMessage(SB_GETPARTS, 0, 0), 5);
    EXPECT_EQ(TooltipsOffTheirPanes(bar), "");
    bar.SetPaneText(1, "CP00 PSW=07060000 80000000 0000000000FF1234");
    EXPECT_EQ(TooltipsOffTheirPanes(bar), "") << "after a wider text";
    RECT rc;
    pFrame->GetWindowRect(&rc);
    pFrame->SetWindowPos(nullptr, 0, 0, rc.right - rc.left + 90, rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(TooltipsOffTheirPanes(bar), "") << "after a resize";

    // Held, the control keeps its panes until the release.
    bar.HoldParts(true);
    const SBACT_INDICATOR panes[] = {{ID_SEPARATOR, 0, nullptr, 0}, {ID_INDICATOR_PSW, SBACT_FIT_TEXT, "tip", 0}};
    bar.SetIndicators(panes, 2);
    bar.SetPaneText(1, "CP01");
    EXPECT_EQ(bar.SendMessage(SB_GETPARTS, 0, 0), 5);
    bar.HoldParts(false);
    EXPECT_EQ(bar.SendMessage(SB_GETPARTS, 0, 0), 2);
    char text[16] = {};
    bar.SendMessage(SB_GETTEXTA, 1, (LPARAM)text);
    EXPECT_STREQ(text, "CP01");
    EXPECT_EQ(TooltipsOffTheirPanes(bar), "") << "after the release";
}

// The emulator's end and the status line change several panes at once: the
// control would paint the whole bar for each (15-20 ms apiece under Wine);
// the bar's next paint takes them all, and whatever else waited to be
// painted (panes moved by new edges) with them. A bar whose redraw is off
// keeps it off.
TEST_F(FrameFixture, StatusPanesChangedTogetherArePaintedOnce)
{
    OpenFrame();
    CStatusBarACT& bar = pFrame->m_wndStatusBar;
    ASSERT_EQ(bar.GetCount(), 5);
    ASSERT_FALSE(::GetUpdateRect(bar.m_hWnd, nullptr, FALSE));
    RECT rcBar, rcWaiting;
    bar.GetClientRect(&rcBar);
    ::InvalidateRect(bar.m_hWnd, nullptr, FALSE);
    vorntest::MessageCounter paints(bar.m_hWnd, WM_PAINT);
    for (int i = 1; i < bar.GetCount(); i++)
        bar.SetPaneText(i, ("CP00 part " + std::to_string(i)).c_str());
    EXPECT_EQ(paints.Count(), 0);
    ASSERT_TRUE(::GetUpdateRect(bar.m_hWnd, &rcWaiting, FALSE));
    EXPECT_TRUE(::EqualRect(&rcBar, &rcWaiting)) << vorntest::RectText(rcWaiting);
    Pump();
    EXPECT_FALSE(::GetUpdateRect(bar.m_hWnd, nullptr, FALSE));
    EXPECT_EQ(bar.GetPaneText(4), "CP00 part 4");
    bar.SetRedraw(FALSE);
    bar.SetPaneText(1, "CP01");
    EXPECT_FALSE(bar.GetStyle() & WS_VISIBLE) << "the redraw came back on";
    bar.SetRedraw(TRUE);
}

TEST(StatusBarACT, PaneFlagsGetADefaultButtonAndKind)
{
    EXPECT_EQ(NormalizePaneFlags(SBACT_NOTIFY), SBACT_NOTIFY | SBACT_DBLCLICK | SBACT_LEFT);
    EXPECT_EQ(NormalizePaneFlags(SBACT_CLICK | SBACT_RIGHT), SBACT_CLICK | SBACT_RIGHT);
    EXPECT_EQ(NormalizePaneFlags(SBACT_FIT_TEXT | SBACT_MIDDLE), SBACT_FIT_TEXT | SBACT_MIDDLE | SBACT_DBLCLICK);
}

TEST_F(FrameFixture, RecentEntryWhoseFileIsGoneIsDroppedWithAMessage)
{
    OpenFrame();
    theApp.LoadStdProfileSettings(16);
    theApp.AddToRecentFileList(dir.Path("gone.cnf").c_str());
    ASSERT_EQ(theApp.GetRecentFileList()->GetCount(), 1);
    {
        vorntest::DialogDriver ok([](HWND h) {
            ::SendMessageA(h, kTdmClickButton, IDOK, 0);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1);
        EXPECT_TRUE(ok.SawDialog());
    }
    EXPECT_EQ(theApp.GetRecentFileList()->GetCount(), 0);
}

// While the emulator runs, the recent configurations are greyed (their menu
// and each entry) and choosing one opens nothing and keeps it listed; once
// the emulator has ended they open again.
TEST_F(FrameFixture, RecentConfigurationsWaitWhileTheEmulatorRuns)
{
    OpenFrame();
    theApp.LoadStdProfileSettings(16);
    std::string strCfg = dir.Write("recent.cnf", "# Description: recent one\n0120 3390 disk.img\n");
    theApp.AddToRecentFileList(strCfg.c_str());
    HMENU hBar = ::GetMenu(pFrame->m_hWnd);
    HMENU hRecent = ::GetSubMenu(hBar, 1);
    ASSERT_NE(hRecent, nullptr);
    auto MenuGreyed = [&] { return (::GetMenuState(hBar, 1, MF_BYPOSITION) & MF_GRAYED) != 0; };
    auto EntryGreyed = [&] {
        pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hRecent, 1);
        return (::GetMenuState(hRecent, ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    EXPECT_FALSE(MenuGreyed());
    EXPECT_FALSE(EntryGreyed());
    AttachStandin("--lifetime 20000");
    EXPECT_TRUE(MenuGreyed());
    EXPECT_TRUE(EntryGreyed());
    {
        vorntest::DialogDriver none([](HWND h) {
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1);
        EXPECT_FALSE(none.SawDialog());
    }
    EXPECT_FALSE(g_pView->GetConfig().HasPath());
    EXPECT_EQ(theApp.GetRecentFileList()->GetCount(), 1);
    g_pView->GetEmulator()->Kill(false);
    ASSERT_TRUE(PumpUntil([] { return !g_pView->IsEmulatorRunning(); }));
    EXPECT_FALSE(MenuGreyed());
    EXPECT_FALSE(EntryGreyed());
    {
        // An interactive open is followed by the system configuration dialog.
        vorntest::DialogDriver cancel([](HWND h) {
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1);
    }
    EXPECT_EQ(g_pView->GetConfig().GetFullPath(), CString(strCfg.c_str()));
}

// The storage bar in the real frame: the view's receiver, refreshing while the
// stand-in runs, the frame's Copy going to its hex view, and the program
// closing cleanly while the refresh thread runs.
TEST_F(FrameFixture, StorageBarRefreshesInTheFrameAndTheFrameClosesWhileItRuns)
{
    ProfileWriteInt("Settings", "AutoRefresh", 1);
    ProfileWriteInt("Settings", "RefreshIntvl", 250);
    OpenFrame();
    CDynDisplayAlterDlgBar& bar = pFrame->m_wndStorageBar.m_dlg;
    EXPECT_EQ(bar.m_hWnd, g_pView->GetSessionReceivers().hDisplayAlterBar);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STORAGE_BAR);
    ASSERT_TRUE(::IsWindowVisible(bar.m_hWnd));
    std::string cmd = "\"" + vorntest::ProgramDir() + "vornemu.exe\" --lifetime 4000 --storage-kb 2048 EXTERNALGUI";
    CPipedProcessCtl* pCtl =
        new CPipedProcessCtl("Vornamic", 0, nullptr, cmd.c_str(), dir.Folder().c_str(), false, 0, 0);
    CVornConfigFile config;
    config.m_nMaxShutdownSecs = 30;
    g_pView->AttachEmulator(pCtl, config);
    DWORD dwStart = ::GetTickCount();
    while (!bar.IsRefreshThreadRunning() && ::GetTickCount() - dwStart < 20000) {
        Pump();
        ::Sleep(20);
    }
    ASSERT_TRUE(bar.IsRefreshThreadRunning());
    EXPECT_EQ(2048u * 1024u, bar.Window().StorageSize());
    // Hidden from the View menu, the bar hears it through the view and stops
    // refreshing; shown again, it starts.
    auto pumpUntil = [&](const std::function<bool()>& done) {
        for (DWORD dw = ::GetTickCount(); !done() && ::GetTickCount() - dw < 10000;) {
            Pump();
            ::Sleep(20);
        }
        return done();
    };
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STORAGE_BAR);
    EXPECT_TRUE(pumpUntil([&] { return !bar.IsRefreshThreadRunning(); }));
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STORAGE_BAR);
    EXPECT_TRUE(pumpUntil([&] { return bar.IsRefreshThreadRunning(); }));
    // Close in the hex view's menu goes through the bar to the View command.
    bar.HexEdit().SendMessage(WM_COMMAND, ID_BAR_CLOSE);
    EXPECT_FALSE(::IsWindowVisible(bar.m_hWnd));
    EXPECT_TRUE(pumpUntil([&] { return !bar.IsRefreshThreadRunning(); }));
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STORAGE_BAR);
    EXPECT_TRUE(pumpUntil([&] { return bar.IsRefreshThreadRunning(); }));
    if (const char* pszHold = std::getenv("VORN_SHOW_STORAGE_MS")) {
        bar.HexEdit().SetSel(0x40, 0x48);
        for (DWORD dwHold = ::GetTickCount(); ::GetTickCount() - dwHold < (DWORD)std::atoi(pszHold);) {
            Pump();
            ::Sleep(20);
        }
    }
    // Edit > Copy while the hex view has the focus copies its selection.
    bar.HexEdit().SetActivePane(HexPane::Hex);
    bar.HexEdit().SetSel(0, 4);
    bar.HexEdit().SetFocus();
    pFrame->SendMessage(WM_COMMAND, ID_EDIT_COPY);
    CString strCopied;
    ASSERT_TRUE(CClipBoard(pFrame->m_hWnd).GetText(strCopied));
    EXPECT_STREQ("56000000", strCopied);
    g_pView->SetNoWarnPowerOff(true);
    pFrame->SendMessage(WM_CLOSE);
    dwStart = ::GetTickCount();
    while (FrameAlive() && ::GetTickCount() - dwStart < 20000) {
        Pump();
        ::Sleep(20);
    }
    EXPECT_FALSE(FrameAlive());
    EXPECT_EQ(1, (int)ProfileGetInt("Settings", "AutoRefresh", 0));
}

}  // namespace

// An apply of the system configuration dialog reaches the panels: the load
// unit on the control panel's dials, the CPUs and their engine types on the
// CPU-percent bar.
TEST_F(FrameFixture, ConfigurationApplyReachesThePanels)
{
    OpenFrame();
    CSysCfgDialog dlg(g_pView);
    dlg.m_config = g_pView->GetConfig();
    dlg.m_config.m_strLoadUnit = "0a80";
    dlg.m_config.m_nMaxCPUs = 4;
    dlg.m_config.m_nNumCPUs = 3;
    dlg.m_config.m_dwEngineTypes[2] = 1;
    EXPECT_EQ(1, g_pView->SendMessage(WM_SYSCFG_APPLY, 0, (LPARAM)&dlg));
    Pump();
    EXPECT_STREQ(pFrame->m_wndControlsBar.m_dlg.GetLoadUnit(), "0A80");
    EXPECT_EQ(pFrame->m_wndCpuPctBar.m_dlg.GetCPUCount(), 3);
    char sz[16] = "";
    ::GetDlgItemTextA(pFrame->m_wndCpuPctBar.m_dlg.m_hWnd, IDC_CPUPCT_ENGINE0 + 2, sz, sizeof sz);
    EXPECT_STREQ(sz, "IL02");
    EXPECT_TRUE(g_pView->IsConfigModified());
}

// Help > About opens the About box; its POWEROFF closes it. The panel's
// bar and the CPU bar are the view's receivers, and the panel's buttons
// reach the view through the frame (without an emulator: nothing queued).
TEST_F(FrameFixture, AboutBoxAndPanelReachTheirReceivers)
{
    OpenFrame();
    EXPECT_EQ(&pFrame->m_wndControlsBar.m_dlg, g_pView->GetSessionReceivers().pControlsBar);
    EXPECT_EQ(pFrame->m_wndCpuPctBar.m_dlg.m_hWnd, g_pView->GetSessionReceivers().hCpuPercentBar);
    ::SendMessageA(::GetDlgItem(pFrame->m_wndControlsBar.m_dlg.m_hWnd, IDC_PANEL_START), BM_CLICK, 0, 0);
    EXPECT_EQ(0, g_pView->GetQueuedCommandCount());
    std::string strCaption;
    vorntest::DialogDriver about([&](HWND h) {
        char sz[64] = {};
        ::GetWindowTextA(h, sz, sizeof sz);
        strCaption = sz;
        ::SendMessageA(::GetDlgItem(h, IDC_ABOUT_POWEROFF), BM_CLICK, 0, 0);
        return false;
    });
    pFrame->SendMessage(WM_COMMAND, ID_APP_ABOUT, 0);
    EXPECT_EQ("About VornGUI ...", strCaption);
}

// The emulator's data, many messages a second, does not run the idle step;
// what can change a command's state does.
TEST_F(FrameFixture, EmulatorDataMessagesDoNotRunTheIdleStep)
{
    OpenFrame();
    HWND hView = g_pView->m_hWnd;
    struct Case {
        HWND hWnd;
        UINT msg;
        WPARAM wp;
        BOOL bIdle;
    };
    const Case cases[] = {
        {hView, WM_PENDING_LINES, 0, FALSE},
        {hView, WM_STATUSPART0_CHANGED, 0, FALSE},
        {hView, WM_STATUSPART4_CHANGED, 0, FALSE},
        {hView, WM_RUN_INDICATOR_CHANGED, 1, FALSE},
        {hView, WM_LOAD_INDICATOR_CHANGED, 0, FALSE},
        {hView, WM_CPU_AVERAGE_READY, 0, FALSE},
        {hView, WM_REG_GR0_3, 0, FALSE},
        {hView, WM_REG_VR30, 0, FALSE},
        {nullptr, WM_CPU_PERCENT, 0, FALSE},
        {nullptr, WM_AUTOREFRESH_TICK, 0, FALSE},
        {hView, WM_TIMER, kTimerFollowEndRedraw, FALSE},
        {hView, WM_PAINT, 0, FALSE},
        {hView, WM_MOUSEMOVE, 0, FALSE},
        {hView, WM_TIMER, kTimerFocusCmdLine, TRUE},
        {pFrame->m_hWnd, WM_TIMER, kTimerFollowEndRedraw, TRUE},
        {hView, WM_EMULATOR_READY, 0, TRUE},
        {nullptr, WM_DEVLIST_COMPLETE, 0, TRUE},
        {hView, WM_EMULATOR_ACTIVE, 1, TRUE},
        {hView, WM_CHECK_REQUIRED_DIRS, 0, TRUE},
        {pFrame->m_hWnd, WM_COMMAND, ID_VIEW_CPUPCT_BAR, TRUE},
        {hView, WM_KEYDOWN, VK_F5, TRUE},
        {hView, WM_LBUTTONDOWN, 0, TRUE},
    };
    for (const Case& c : cases) {
        MSG msg = {};
        msg.hwnd = c.hWnd;
        msg.message = c.msg;
        msg.wParam = c.wp;
        EXPECT_EQ(c.bIdle, theApp.IsIdleMessage(&msg)) << std::hex << c.msg << " " << std::dec << c.wp;
    }
}
