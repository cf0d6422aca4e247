// PreferencesFrameTest.cpp: the preferences in the real main frame with the
// view and the emulator stand-in: the console and status-bar pages changed
// by hand from the menu commands (applied, kept by OK and stored, or
// cancelled); the Misc page's Apply sends the aggregate statistics choice, an applied console font changes the line height and
// the command line's font, new colours reach the control panel (stored and
// painted), Cancel after a font change leaves the console's fonts whole,
// the bars' and the status bar's Properties open the dialog; the pages'
// font and colour dialogs stay over the preferences, and the outer dialogs
// of modal chains over the floating bars; a balloon raised by a
// click on OK shows on the screen; and the
// console's context menu, the editing one inside a selection of several
// lines, else the view menu with the selection collapsed, from the mouse
// and from the keyboard, offering Delete Messages only with lines; the
// device-list bar's class templates built with the folders at start-up; the
// dialog opened right after Power ON keeps the keyboard, and the main window
// keeps it after a modal window that an early key ended.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/ErrorBalloon.h"
#include "preferences/PreferencesDlg.h"
#include "session/ConsoleCommands.h"
#include "sysconfig/SysCfgDialog.h"
#include "tests/mainwindow/FrameFixture.h"
#include "tests/mainwindow/PrefsFrameDriver.h"
#include "tests/platform/ModalDriver.h"
#include "tests/preferences/PrefsDialogAnswers.h"
#include "tests/support/ScreenShows.h"
#include "tests/support/WinTestUtil.h"

namespace {

void Press(HWND hDlg, int nId)
{
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(hDlg, nId));
}

LRESULT ApplyPage(int nPage)
{
    return ::SendMessageA(g_pView->m_hWnd, WM_PREFS_APPLY_PAGE, (WPARAM)nPage, 0);
}

struct PrefsFrameFixture : FrameFixture {
    std::string strRecord;

    void TearDown() override
    {
        if (g_pView && g_pView->IsEmulatorRunning()) {
            g_pView->GetEmulator()->Kill(false);
            PumpUntil([] { return !g_pView->IsEmulatorRunning(); });
        }
        FrameFixture::TearDown();
    }
    bool HasReceived(const std::string& strLine) const
    {
        std::istringstream in(ReadText(strRecord));
        for (std::string line; std::getline(in, line);)
            if (line == strLine)
                return true;
        return false;
    }
    // Ten information lines in the console, shown from the first.
    void AddTenLines()
    {
        for (int i = 0; i < 10; ++i) {
            CString str;
            str.Format("ZQC%05dI line %d", i, i);
            g_pView->AddMessage(str, false);
        }
        g_pView->RefreshAfterAppend(10);
        Pump();
    }
    bool WithPreferences(HWND hTarget, UINT nCmd, const std::function<void(HWND, CPreferencesDlg&)>& step)
    {
        return vorntest::WithPreferences(hTarget, nCmd, step);
    }
};

// The first item of the menu that WM_CONTEXTMENU tracks and the menu
// window's place (read from the menu window by a timer, which then ends the
// menu); 0 when none showed.
UINT g_nFirstMenuItem = 0;
RECT g_rcMenu = {};
UINT g_nDeleteState = 0;  // Delete Messages' menu state
void CALLBACK ReadAndEndMenu(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hMenuWnd = ::FindWindowA("#32768", nullptr);
    if (!hMenuWnd || !::IsWindowVisible(hMenuWnd))
        return;
    const UINT kMnGetHMenu = 0x01E1;
    HMENU hMenu = (HMENU)::SendMessageA(hMenuWnd, kMnGetHMenu, 0, 0);
    g_nFirstMenuItem = hMenu ? ::GetMenuItemID(hMenu, 0) : 0;
    ::GetWindowRect(hMenuWnd, &g_rcMenu);
    g_nDeleteState = hMenu ? ::GetMenuState(hMenu, ID_VIEW_DELETE_MESSAGES, MF_BYCOMMAND) : (UINT)-1;
    ::KillTimer(nullptr, nTimer);
    ::EndMenu();
}

UINT ContextMenuAt(HWND hView, int nLine)
{
    g_nFirstMenuItem = 0;
    POINT pt = {20, nLine * g_pView->GetLineHeight() + g_pView->GetLineHeight() / 2};
    ::ClientToScreen(hView, &pt);
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, ReadAndEndMenu);
    ::SendMessageA(hView, WM_CONTEXTMENU, (WPARAM)hView, MAKELPARAM(pt.x, pt.y));
    ::KillTimer(nullptr, nTimer);
    return g_nFirstMenuItem;
}

// Shift+F10 pressed in the console pane, handed over as the program's loop
// does, or (bShiftF10 false) the menu key's WM_CONTEXTMENU at (-1, -1): the
// default window procedure of Windows makes it of the key's release, that
// of Wine 8 does not. The first item of the menu that opened.
UINT ContextMenuFromKeyboard(HWND hView, bool bShiftF10)
{
    g_nFirstMenuItem = 0;
    g_rcMenu = RECT{};
    ::SetFocus(hView);
    UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, ReadAndEndMenu);
    if (bShiftF10) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        BYTE before = keys[VK_SHIFT];
        keys[VK_SHIFT] = 0x80;
        ::SetKeyboardState(keys);
        MSG m = {hView, WM_SYSKEYDOWN, VK_F10, 1, ::GetTickCount(), {0, 0}};
        theApp.DispatchOne(m);
        keys[VK_SHIFT] = before;
        ::SetKeyboardState(keys);
    } else {
        ::SendMessageA(hView, WM_CONTEXTMENU, (WPARAM)hView, MAKELPARAM(-1, -1));
    }
    ::KillTimer(nullptr, nTimer);
    return g_nFirstMenuItem;
}

// The screen rows of the console's lines nFirst to nLast.
RECT LineRows(CVornGUIView* pView, int nFirst, int nLast)
{
    int h = pView->GetLineHeight(), nTop = pView->GetTopLine();
    RECT rc = {0, (nFirst - nTop) * h, 1, (nLast - nTop + 1) * h};
    ::MapWindowPoints(pView->m_hWnd, nullptr, (POINT*)&rc, 2);
    return rc;
}

// The menu, or one of its submenus, holds the command.
bool MenuHolds(HMENU hMenu, UINT nId)
{
    for (int i = 0, n = ::GetMenuItemCount(hMenu); i < n; ++i) {
        HMENU hSub = ::GetSubMenu(hMenu, i);
        if (hSub ? MenuHolds(hSub, nId) : ::GetMenuItemID(hMenu, i) == nId)
            return true;
    }
    return false;
}

// The status line parts the main window's status bar shows, in its order
// (one digit per part).
std::string StatusBarParts(CMainFrame* pFrame)
{
    std::string s;
    for (int i = 1; i < pFrame->m_wndStatusBar.GetCount(); ++i)
        s += (char)('0' + (pFrame->m_wndStatusBar.GetItemID(i) - ID_INDICATOR_PSW));
    return s;
}

// The console's look as the view keeps it.
struct ConsoleLook {
    std::string strFace;
    int nSize = 0;
    COLORREF crBack = 0, crText = 0;
    bool bWarnBold = false, bErrorBeep = false;
    int nLineHeight = 0;
    HFONT hPlainFont = nullptr;

    static ConsoleLook Of(CVornGUIView* pView)
    {
        const CViewSettings& s = pView->Settings();
        return {s.m_strFontName.GetString(), s.m_nFontSize, s.m_crBackground, s.m_styles[kMsgPlain].crColor,
                s.m_styles[kMsgWarning].bBold, s.m_bErrorMsgBeep, pView->GetLineHeight(), pView->GetPlainFont()};
    }
    // The settings part, as one line: face, size, colours, bold, beep.
    std::string Settings() const
    {
        char sz[160];
        snprintf(sz, sizeof sz, "%s %d %06lX %06lX bold=%d beep=%d", strFace.c_str(), nSize, (unsigned long)crBack,
                 (unsigned long)crText, bWarnBold, bErrorBeep);
        return sz;
    }
    // As stored with the view's settings.
    static ConsoleLook Stored()
    {
        return {ProfileGetString("Settings", "FontName", "").GetString(), (int)ProfileGetInt("Settings", "FontSize", 0),
                ProfileGetInt("Settings", "BGColor", 0), ProfileGetInt("Settings", "FontColor", 0),
                ProfileGetInt("Settings", "BoldWarningMsgs", 0) != 0, ProfileGetInt("Settings", "ErrorMsgBeep", 0) != 0,
                0, nullptr};
    }
};

// Changes the console page as a user does: a new font from the font
// dialog, background and text colours from the colour dialogs, warnings in
// bold, a beep for errors.
void ChangeConsolePage(CPreferencesDlg& dlg, std::vector<std::string>* pTitles = nullptr)
{
    vorntest::DialogAnswers answers(dlg);
    answers.strFace = "Tahoma";
    answers.nSize = 16;
    dlg.SetActivePage(&dlg.m_ConsPage);
    CPrefConsPropPage& p = dlg.m_ConsPage;
    Press(p.m_hWnd, IDC_PREF_FONT);
    answers.cr = RGB(0, 0, 96);
    Press(p.m_hWnd, IDC_PREF_BACKGROUND);
    answers.cr = RGB(255, 255, 0);
    Press(p.m_hWnd, IDC_PREF_COLOR);
    vorntest::ToggleBox(p, IDC_PREF_WARN_BOLD);
    vorntest::ToggleBox(p, IDC_PREF_ERROR_BEEP);
    if (pTitles) {
        *pTitles = answers.fontTitles;
        pTitles->insert(pTitles->end(), answers.colorTitles.begin(), answers.colorTitles.end());
    }
}

COLORREF PixelOf(HWND hWnd, int x, int y)
{
    HDC hdc = ::GetDC(hWnd);
    COLORREF cr = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hWnd, hdc);
    return cr;
}

}  // namespace

namespace {

// What the test sees of the moment after Power ON: the command line enabled
// by the emulator's readiness (right before the view arms its one-shot
// focus timer), and the view taking that timer's message.
struct SPowerOnMoment {
    HWND hCmdEdit = nullptr;
    HWND hView = nullptr;
    std::function<void()> onEnabled;  // run once, at the command line's enabling
    bool bTimerTaken = false;
};
SPowerOnMoment* g_pMoment = nullptr;

LRESULT CALLBACK WatchEnable(int nCode, WPARAM wp, LPARAM lp)
{
    const CWPSTRUCT* p = (const CWPSTRUCT*)lp;
    if (nCode == HC_ACTION && g_pMoment && p->hwnd == g_pMoment->hCmdEdit && p->message == WM_ENABLE && p->wParam &&
        g_pMoment->onEnabled) {
        auto onEnabled = g_pMoment->onEnabled;
        g_pMoment->onEnabled = nullptr;
        onEnabled();
    }
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

LRESULT CALLBACK WatchTimer(int nCode, WPARAM wp, LPARAM lp)
{
    const MSG* p = (const MSG*)lp;
    if (nCode == HC_ACTION && wp == PM_REMOVE && g_pMoment && p->hwnd == g_pMoment->hView &&
        p->message == WM_TIMER && p->wParam == kTimerFocusCmdLine)
        g_pMoment->bTimerTaken = true;
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

}  // namespace

// Edit > Preferences... chosen right after Power ON, before the command
// line's one-shot focus timer has run: when it runs, the dialog keeps the
// keyboard (it stays the active window with the focus, its disabled owner
// is not made active under it), and Esc, where the keyboard sends it,
// cancels it.
TEST_F(PrefsFrameFixture, DialogOpenedRightAfterPowerOnKeepsTheKeyboard)
{
    OpenFrame();
    SPowerOnMoment moment;
    moment.hCmdEdit = pFrame->m_wndCmdLineBar.m_dlg.CommandEdit().m_hWnd;
    moment.hView = g_pView->m_hWnd;
    // Posted there, the command is handled before any timer's message.
    HWND hFrame = pFrame->m_hWnd;
    moment.onEnabled = [hFrame] { ::PostMessageA(hFrame, WM_COMMAND, ID_EDIT_PREFERENCES, 0); };
    g_pMoment = &moment;
    HHOOK hEnable = ::SetWindowsHookExA(WH_CALLWNDPROC, WatchEnable, nullptr, ::GetCurrentThreadId());
    HHOOK hTimer = ::SetWindowsHookExA(WH_GETMESSAGE, WatchTimer, nullptr, ::GetCurrentThreadId());
    int nPhase = 0;
    bool bActive = false, bFocusInside = false, bOwnerDisabled = false, bOpenAfterEsc = false;
    {
        vorntest::DialogDriver driver([&](HWND h) {
            if (!moment.bTimerTaken)
                return true;  // the focus timer has not run yet
            if (nPhase++ == 0) {
                bActive = ::GetActiveWindow() == h;
                bFocusInside = ::IsChild(h, ::GetFocus()) != FALSE;
                bOwnerDisabled = !::IsWindowEnabled(hFrame);
                HWND hKeys = ::GetFocus() ? ::GetFocus() : ::GetActiveWindow();
                ::PostMessageA(hKeys, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                ::PostMessageA(hKeys, WM_KEYUP, VK_ESCAPE, (LPARAM)0xC0010001);
                return true;
            }
            // Still there after the posted keys were handled.
            bOpenAfterEsc = true;
            Press(h, IDCANCEL);
            return false;
        });
        strRecord = dir.Path("emulator.txt");
        AttachStandin("--lifetime 20000 --record \"" + strRecord + "\"");
        EXPECT_TRUE(PumpUntil([&] { return nPhase > 0 && !g_pView->GetPreferencesDlg(); }));
    }
    ::UnhookWindowsHookEx(hEnable);
    ::UnhookWindowsHookEx(hTimer);
    g_pMoment = nullptr;
    EXPECT_TRUE(g_pView->IsEmulatorReady());
    EXPECT_TRUE(bActive);
    EXPECT_TRUE(bFocusInside);
    EXPECT_TRUE(bOwnerDisabled);
    EXPECT_FALSE(bOpenAfterEsc);
}

namespace {

DWORD g_dwReactivatedAt = 0;  // the message time of the main window's last activation
LRESULT CALLBACK WatchReactivation(int nCode, WPARAM wp, LPARAM lp)
{
    const CWPSTRUCT* p = (const CWPSTRUCT*)lp;
    if (p->hwnd == g_pMainFrame->m_hWnd && p->message == WM_ACTIVATE && LOWORD(p->wParam))
        g_dwReactivatedAt = ::GetMessageTime();
    return ::CallNextHookEx(nullptr, nCode, wp, lp);
}

}  // namespace

// Esc pressed as a modal window came up, taken once the display had given it
// the keyboard (a busy machine): the key is older than the window's focus.
// Whichever loop runs the window (the program's own, the system's box or
// file dialog), the main window gets the activation back at the present
// time, and once the display has caught up it is active with the focus.
TEST_F(PrefsFrameFixture, ModalWindowEndedByAnEarlyKeyLeavesTheMainWindowTheKeyboard)
{
    OpenFrame();
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, WatchReactivation, nullptr, ::GetCurrentThreadId());
    std::string strSeen;
    for (UINT nCmd : {ID_EDIT_PREFERENCES, ID_HELP_CONTENTS, ID_OPEN_CONFIGURATION}) {
        const DWORD dwPressed = ::GetTickCount();
        DWORD dwShown = 0;
        RECT rc;
        {
            vorntest::DialogDriver driver([&](HWND h) {
                dwShown = ::GetTickCount();
                ::GetWindowRect(h, &rc);
                vorntest::WaitUntilScreenShows(h, rc, [] {});
                INPUT keys[2] = {{INPUT_KEYBOARD, {}}, {INPUT_KEYBOARD, {}}};
                keys[0].ki = {VK_ESCAPE, 0, 0, dwPressed, 0};
                keys[1].ki = {VK_ESCAPE, 0, KEYEVENTF_KEYUP, dwPressed, 0};
                ::SendInput(2, keys, sizeof(INPUT));
                ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);  // its focus notices come in
                return false;
            });
            pFrame->SendMessage(WM_COMMAND, nCmd, 0);  // back once the Esc has ended the window
        }
        strSeen += vorntest::WaitUntilScreenShows(pFrame->m_hWnd, rc, Pump);  // the display caught up
        if (::GetActiveWindow() != pFrame->m_hWnd || !::IsChild(pFrame->m_hWnd, ::GetFocus()))
            strSeen += std::to_string(nCmd) + ": no keyboard; ";
        if ((int)(g_dwReactivatedAt - dwShown) < 0)
            strSeen += std::to_string(nCmd) + ": handed back at the key's time; ";
        ::SetForegroundWindow(pFrame->m_hWnd);
    }
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(strSeen, "");
}

TEST_F(PrefsFrameFixture, MiscApplySendsTheAggregateChoiceToTheEmulator)
{
    OpenFrame();
    strRecord = dir.Path("emulator.txt");
    AttachStandin("--lifetime 20000 --record \"" + strRecord + "\"");
    ASSERT_TRUE(PumpUntil([] { return g_pView->IsEmulatorReady(); }));
    ASSERT_TRUE(PumpUntil([&] { return HasReceived("]AGGREGATE=1"); })) << ReadText(strRecord);
    bool bOpened = WithPreferences(pFrame->m_hWnd, ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        dlg.SetActivePage(&dlg.m_MiscPage);
        ::CheckDlgButton(dlg.m_MiscPage.m_hWnd, IDC_PREF_AGGREGATE, BST_UNCHECKED);
        Press(dlg.m_MiscPage.m_hWnd, IDC_PREF_AGGREGATE);
        Press(h, ID_APPLY_NOW);
        Press(h, IDCANCEL);
    });
    ASSERT_TRUE(bOpened);
    EXPECT_TRUE(PumpUntil([&] { return HasReceived("]AGGREGATE=0"); })) << ReadText(strRecord);
    EXPECT_FALSE(g_bAggregateStats);
    g_bAggregateStats = true;
}

TEST_F(PrefsFrameFixture, ConsoleFontAndColoursReachThePaneAndTheCommandLine)
{
    OpenFrame();
    int nHeightBefore = g_pView->GetLineHeight();
    CDynCmdLineDlgBar& cmdLine = pFrame->m_wndCmdLineBar.m_dlg;
    HFONT hEditFont = nullptr;
    int nHeightApplied = 0;
    ASSERT_TRUE(WithPreferences(pFrame->m_hWnd, ID_VIEW_PROPERTIES, [&](HWND h, CPreferencesDlg& dlg) {
        // The page's fields came from the console: its face and colours.
        SPrefConsoleFields& cons = dlg.ConsoleFields();
        EXPECT_STREQ(cons.lfKind[kMsgPlain].lfFaceName, "Courier New");
        EXPECT_EQ(cons.crBackground, g_pView->Settings().m_crBackground);
        cons.nPointSize = 20;
        cons.crBackground = RGB(0, 0, 96);
        cons.crKind[kMsgPlain] = RGB(255, 255, 0);
        cons.lfKind[kMsgWarning].lfWeight = FW_BOLD;
        EXPECT_EQ(ApplyPage(kPrefsConsole), 1);
        nHeightApplied = g_pView->GetLineHeight();
        hEditFont = (HFONT)cmdLine.CommandEdit().SendMessage(WM_GETFONT);
        Press(h, IDCANCEL);  // what Apply delivered stays
    }));
    EXPECT_GT(nHeightApplied, nHeightBefore);
    EXPECT_EQ(g_pView->GetLineHeight(), nHeightApplied);
    EXPECT_EQ(hEditFont, g_pView->GetPlainFont());
    EXPECT_EQ(g_pView->Settings().m_crBackground, RGB(0, 0, 96));
    EXPECT_TRUE(g_pView->Settings().m_styles[kMsgWarning].bBold);
    // The view's own fonts are whole after the dialog went.
    for (HFONT hFont : {g_pView->GetPlainFont(), (HFONT)cmdLine.CommandEdit().SendMessage(WM_GETFONT)}) {
        LOGFONTA lf = {};
        EXPECT_EQ(::GetObjectA(hFont, sizeof lf, &lf), (int)sizeof lf);
        EXPECT_STREQ(lf.lfFaceName, "Courier New");
    }
    Pump();
    // The pane is painted in the new background.
    ::UpdateWindow(g_pView->m_hWnd);
    EXPECT_EQ(PixelOf(g_pView->m_hWnd, 2, 2), RGB(0, 0, 96));
    if (vorntest::KeepOpenForScreenshot()) {
        g_pView->AddMessage("ZQC00001I Vornamic console in the new colours", false);
        g_pView->AddMessage("ZQC00002W a warning in bold", false);
        g_pView->RefreshAfterAppend(2);
        PumpFor(20000);
    }
}

TEST_F(PrefsFrameFixture, ControlPanelColoursAreStoredAndPainted)
{
    OpenFrame();
    CDynControlsDlgBar& panel = pFrame->m_wndControlsBar.m_dlg;
    ASSERT_TRUE(WithPreferences(pFrame->m_hWnd, ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        EXPECT_EQ(dlg.ControlsFields().crBack, panel.clrBack);
        dlg.ControlsFields().crBack = RGB(0, 128, 0);
        dlg.ControlsFields().crText = RGB(255, 0, 0);
        EXPECT_EQ(ApplyPage(kPrefsControls), 1);
        Press(h, IDOK);
    }));
    EXPECT_EQ(panel.clrBack, RGB(0, 128, 0));
    EXPECT_EQ(ProfileGetInt("Settings\\ControlsBar", "clrBack", 0), (UINT)RGB(0, 128, 0));
    EXPECT_EQ(ProfileGetInt("Settings\\ControlsBar", "clrText", 0), (UINT)RGB(255, 0, 0));
    if (panel.IsWindowVisible()) {
        Pump();
        ::UpdateWindow(panel.m_hWnd);
        EXPECT_EQ(PixelOf(panel.m_hWnd, 1, 1), RGB(0, 128, 0));
    }
}

TEST_F(PrefsFrameFixture, BarAndStatusBarPropertiesOpenThePreferences)
{
    OpenFrame();
    HWND targets[] = {pFrame->m_wndControlsBar.m_dlg.m_hWnd, pFrame->m_wndDevListBar.m_dlg.m_hWnd,
                      pFrame->m_wndStorageBar.m_dlg.m_hWnd, pFrame->m_hWnd};
    UINT commands[] = {ID_BAR_PROPERTIES, ID_BAR_PROPERTIES, ID_BAR_PROPERTIES, ID_STATUSBAR_PROPERTIES};
    for (int i = 0; i < 4; ++i) {
        bool bOpened = WithPreferences(targets[i], commands[i], [](HWND h, CPreferencesDlg&) { Press(h, IDCANCEL); });
        EXPECT_TRUE(bOpened) << i;
        EXPECT_EQ(g_pView->GetPreferencesDlg(), nullptr);
    }
}

TEST_F(PrefsFrameFixture, ConsoleContextMenuFollowsTheSelection)
{
    OpenFrame();
    AddTenLines();
    ASSERT_EQ(g_pView->GetTopLine(), 0);
    g_pView->SetSelection(2, 6);  // lines 2 to 5
    // Inside the selection: the editing menu; the selection stays.
    EXPECT_EQ(ContextMenuAt(g_pView->m_hWnd, 3), (UINT)ID_EDIT_UNDO);
    EXPECT_EQ(g_pView->GetSelection().GetLineCount(), 4);
    // Outside it: the view menu, the selection collapsed to its anchor.
    EXPECT_EQ(ContextMenuAt(g_pView->m_hWnd, 8), (UINT)ID_VIEW_STATUS_BAR);
    EXPECT_FALSE(g_pView->GetSelection().HasSelection());
    EXPECT_EQ(g_pView->GetSelection().m_nCaret, 2);
}

TEST_F(PrefsFrameFixture, BarPagesReachTheirBarsAndTheirSections)
{
    OpenFrame();
    CDynDevListDlgBar& devList = pFrame->m_wndDevListBar.m_dlg;
    CDynDisplayAlterDlgBar& storage = pFrame->m_wndStorageBar.m_dlg;
    CDynCPUPercentDlgBar& percent = pFrame->m_wndCpuPctBar.m_dlg;
    ASSERT_TRUE(WithPreferences(pFrame->m_hWnd, ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        // Filled from the bars.
        EXPECT_STREQ(dlg.DevListFields().lf.lfFaceName, devList.m_lf.lfFaceName);
        EXPECT_EQ(dlg.DisplayAlterFields().crBack, storage.m_clrBack);
        EXPECT_EQ(dlg.PercentFields().crBack, percent.clrBG);
        SBarLook look = dlg.DevListFields();
        strcpy(look.lf.lfFaceName, "Courier New");
        look.nPointSize = 12;
        look.crText = RGB(0, 255, 0);
        look.crBack = RGB(0, 0, 64);
        dlg.DevListFields() = look;
        dlg.DisplayAlterFields().crText = RGB(255, 255, 0);
        dlg.PercentFields().nMeterColor[1] = 2;
        dlg.PercentFields().crBack = RGB(32, 32, 32);
        for (int nPage : {kPrefsDevList, kPrefsPercent, kPrefsDisplayAlter})
            EXPECT_EQ(ApplyPage(nPage), 1) << nPage;
        Press(h, IDCANCEL);
    }));
    EXPECT_EQ(devList.m_strFontName, "Courier New");
    EXPECT_EQ(devList.m_nFontSize, 12);
    EXPECT_EQ(devList.Tree().SendMessage(TVM_GETBKCOLOR), (LRESULT)RGB(0, 0, 64));
    EXPECT_EQ(ProfileGetString("Settings\\DeviceList", "FontName", ""), "Courier New");
    EXPECT_EQ(ProfileGetInt("Settings\\DeviceList", "clrText", 0), (UINT)RGB(0, 255, 0));
    EXPECT_EQ(storage.m_clrText, RGB(255, 255, 0));
    EXPECT_EQ(ProfileGetInt("Settings\\DisplayAlter", "clrText", 0), (UINT)RGB(255, 255, 0));
    EXPECT_EQ(percent.m_nMeterColor[1], 2);
    EXPECT_EQ(ProfileGetInt("Settings\\PercentBar", "clrBG", 0), (UINT)RGB(32, 32, 32));
}

// From the keyboard (Shift+F10, the menu key) the menu opens on the
// selection and offers the editing commands, the selection kept; without
// one it opens on the caret's line with the view menu.
TEST_F(PrefsFrameFixture, KeyboardOpensTheConsoleMenuAtTheSelection)
{
    OpenFrame();
    AddTenLines();
    ASSERT_EQ(g_pView->GetTopLine(), 0);
    HWND hView = g_pView->m_hWnd;
    const struct {
        bool bShiftF10;
        const char* name;
    } keys[] = {{true, "Shift+F10"}, {false, "menu key"}};
    for (const auto& k : keys) {
        g_pView->SetSelection(4, 8);  // lines 4 to 7
        EXPECT_EQ(ContextMenuFromKeyboard(hView, k.bShiftF10), (UINT)ID_EDIT_UNDO) << k.name;
        RECT rcSel = LineRows(g_pView, 4, 7);
        EXPECT_GE(g_rcMenu.top, rcSel.top) << k.name;
        EXPECT_LT(g_rcMenu.top, rcSel.bottom) << k.name;
        EXPECT_EQ(g_pView->GetSelection().GetLineCount(), 4) << k.name;
        // Without a selection: the view menu on the caret's line.
        g_pView->SetSelection(6, 6);
        EXPECT_EQ(ContextMenuFromKeyboard(hView, k.bShiftF10), (UINT)ID_VIEW_STATUS_BAR) << k.name;
        RECT rcCaret = LineRows(g_pView, 6, 6);
        EXPECT_GE(g_rcMenu.top, rcCaret.top) << k.name;
        EXPECT_LT(g_rcMenu.top, rcCaret.bottom) << k.name;
        EXPECT_EQ(g_pView->GetSelection().m_nCaret, 6) << k.name;
    }
}

// Edit > Preferences... in the running main window; the console page
// changed by hand and applied: the pane and the command line take the new
// look at once, OK keeps it, and the view stores it with its settings.
TEST_F(PrefsFrameFixture, ConsolePageChangedByHandReachesTheConsoleAndIsStored)
{
    OpenFrame();
    ASSERT_TRUE(MenuHolds(::GetMenu(pFrame->m_hWnd), ID_EDIT_PREFERENCES));
    ConsoleLook before = ConsoleLook::Of(g_pView);
    ASSERT_EQ(before.strFace, "Courier New");
    ASSERT_FALSE(before.bWarnBold);
    CDynCmdLineDlgBar& cmdLine = pFrame->m_wndCmdLineBar.m_dlg;
    std::vector<std::string> titles;
    ConsoleLook applied;
    HFONT hEditFont = nullptr;
    bool bApplyAfter = true;
    ASSERT_TRUE(WithPreferences(pFrame->m_hWnd, ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        ChangeConsolePage(dlg, &titles);
        Press(h, ID_APPLY_NOW);
        bApplyAfter = ::IsWindowEnabled(::GetDlgItem(h, ID_APPLY_NOW)) != FALSE;
        applied = ConsoleLook::Of(g_pView);
        hEditFont = (HFONT)cmdLine.CommandEdit().SendMessage(WM_GETFONT);
        Press(h, IDOK);
    }));
    EXPECT_EQ(titles, (std::vector<std::string>{"Vornamic Console Font", "Console Background Color",
                                                "Console Font Color"}));
    EXPECT_FALSE(bApplyAfter);
    // Apply put it into effect while the dialog was open.
    const std::string strChanged = "Tahoma 16 600000 00FFFF bold=1 beep=1";
    EXPECT_EQ(applied.Settings(), strChanged);
    EXPECT_GT(applied.nLineHeight, before.nLineHeight);
    EXPECT_EQ(hEditFont, applied.hPlainFont);
    // OK keeps it; the pane paints in it.
    ConsoleLook after = ConsoleLook::Of(g_pView);
    EXPECT_EQ(after.strFace, "Tahoma");
    EXPECT_EQ(after.nLineHeight, applied.nLineHeight);
    LOGFONTA lf = {};
    ASSERT_EQ(::GetObjectA(g_pView->GetPlainFont(), sizeof lf, &lf), (int)sizeof lf);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
    HFONT hWarningFont = nullptr;
    COLORREF crWarning = 0;
    g_pView->GetSeverityStyle(kMsgWarning, crWarning, hWarningFont);
    ASSERT_EQ(::GetObjectA(hWarningFont, sizeof lf, &lf), (int)sizeof lf);
    EXPECT_GE(lf.lfWeight, FW_BOLD);
    Pump();
    ::UpdateWindow(g_pView->m_hWnd);
    EXPECT_EQ(PixelOf(g_pView->m_hWnd, 2, 2), RGB(0, 0, 96));
    // Stored when the view goes.
    pFrame->DestroyWindow();
    Pump();
    EXPECT_EQ(ConsoleLook::Stored().Settings(), strChanged);
}

// View > Properties..., the same changes, then Cancel: the console keeps
// its look and its fonts, and nothing new is stored.
TEST_F(PrefsFrameFixture, ConsolePageCancelledChangesNothing)
{
    OpenFrame();
    ASSERT_TRUE(MenuHolds(::GetMenu(pFrame->m_hWnd), ID_VIEW_PROPERTIES));
    ConsoleLook before = ConsoleLook::Of(g_pView);
    bool bConsoleShown = false;
    ASSERT_TRUE(WithPreferences(pFrame->m_hWnd, ID_VIEW_PROPERTIES, [&](HWND h, CPreferencesDlg& dlg) {
        bConsoleShown = dlg.m_ConsPage.IsWindowVisible() != FALSE;
        ChangeConsolePage(dlg);
        Press(h, IDCANCEL);
    }));
    EXPECT_TRUE(bConsoleShown);
    ConsoleLook after = ConsoleLook::Of(g_pView);
    EXPECT_EQ(after.Settings(), before.Settings());
    EXPECT_EQ(after.nLineHeight, before.nLineHeight);
    EXPECT_EQ(after.hPlainFont, before.hPlainFont);
    LOGFONTA lf = {};
    EXPECT_EQ(::GetObjectA(g_pView->GetPlainFont(), sizeof lf, &lf), (int)sizeof lf);
    pFrame->DestroyWindow();
    Pump();
    EXPECT_EQ(ConsoleLook::Stored().Settings(), before.Settings());
}

// The status bar's Properties: the grid clicked and the font chosen on the
// page; Apply rebuilds the status bar in the new order, stores the order
// and visibility at once; a later Cancel leaves both as they were. A bar
// hidden with View > Status Bar stays hidden.
TEST_F(PrefsFrameFixture, StatusBarPageChangedByHandRebuildsTheStatusBar)
{
    OpenFrame();
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    ASSERT_EQ(StatusBarParts(pFrame), "0134");  // part 2 hidden at first
    std::string strApplied;
    bool bShown = false;
    std::vector<std::string> fontTitles;
    ASSERT_TRUE(WithPreferences(pFrame->m_hWnd, ID_STATUSBAR_PROPERTIES, [&](HWND h, CPreferencesDlg& dlg) {
        CPrefStatLinePropPage& p = dlg.m_StatLinePage;
        bShown = p.IsWindowVisible() != FALSE;
        vorntest::DialogAnswers answers(dlg);
        answers.strFace = "Tahoma";
        vorntest::ClickGridBox(p, 0, 4);  // the PSW last, the SIOS rate first
        vorntest::ClickGridBox(p, 2, 2);  // the instruction count shown
        Press(p.m_hWnd, IDC_PREF_FONT);
        fontTitles = answers.fontTitles;
        Press(h, ID_APPLY_NOW);
        strApplied = StatusBarParts(pFrame);
        Press(h, IDOK);
    }));
    EXPECT_TRUE(bShown);
    EXPECT_EQ(fontTitles, (std::vector<std::string>{"Registers Bars and System Status Font"}));
    EXPECT_EQ(strApplied, "41230");
    EXPECT_EQ(StatusBarParts(pFrame), "41230");
    EXPECT_EQ(ProfileGetString("Settings", "StatLinePartSeq", ""), "41230");
    EXPECT_EQ(ProfileGetString("Settings", "StatLineSeePart", ""), "11111");
    EXPECT_EQ(g_pView->Settings().m_strStatusFontName, "Tahoma");
    EXPECT_FALSE(pFrame->m_wndStatusBar.IsWindowVisible());
    // Changed again, then cancelled.
    ASSERT_TRUE(WithPreferences(pFrame->m_hWnd, ID_STATUSBAR_PROPERTIES, [&](HWND h, CPreferencesDlg& dlg) {
        vorntest::ClickGridBox(dlg.m_StatLinePage, 3, 3);  // MIPS hidden
        vorntest::ClickGridBox(dlg.m_StatLinePage, 1, 0);
        Press(h, IDCANCEL);
    }));
    EXPECT_EQ(StatusBarParts(pFrame), "41230");
    EXPECT_EQ(ProfileGetString("Settings", "StatLinePartSeq", ""), "41230");
    EXPECT_EQ(ProfileGetString("Settings", "StatLineSeePart", ""), "11111");
    pFrame->DestroyWindow();
    Pump();
    EXPECT_EQ(ProfileGetString("Settings", "StatusFontName", ""), "Tahoma");
}

// Every font and colour button of the appearance pages opens its dialog
// over the preferences, which wait under it and are active again after; the
// main window stays disabled under the preferences all along.
TEST_F(PrefsFrameFixture, FontAndColourDialogsOfThePagesStayOverThePreferences)
{
    OpenFrame();
    std::vector<std::pair<std::string, vorntest::SNestedModal>> seen;
    bool bMainEnabled = false;
    ASSERT_TRUE(WithPreferences(pFrame->m_hWnd, ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        CPropertyPage* pages[] = {&dlg.m_ConsPage,    &dlg.m_DevlistPage,  &dlg.m_ControlsPage,
                                  &dlg.m_PercentPage, &dlg.m_StatLinePage, &dlg.m_DisplayAlterPage};
        for (CPropertyPage* pPage : pages) {
            dlg.SetActivePage(pPage);
            for (int nId : {IDC_PREF_FONT, IDC_PREF_COLOR, IDC_PREF_BACKGROUND}) {
                HWND hButton = ::GetDlgItem(pPage->m_hWnd, nId);
                if (!hButton || !::IsWindowVisible(hButton))
                    continue;
                std::string strWhat = vorntest::WindowText(pPage->m_hWnd) + " " + vorntest::WindowText(hButton);
                seen.push_back({strWhat, vorntest::OpenNestedModal(h, [&] { Press(pPage->m_hWnd, nId); })});
                bMainEnabled = bMainEnabled || ::IsWindowEnabled(pFrame->m_hWnd);
            }
        }
        Press(h, IDCANCEL);
    }));
    EXPECT_EQ(14u, seen.size());
    for (const auto& s : seen) {
        SCOPED_TRACE(s.first);
        vorntest::ExpectOpenedAsNestedModal(s.second);
    }
    EXPECT_FALSE(bMainEnabled);
    EXPECT_TRUE(::IsWindowEnabled(pFrame->m_hWnd));
    EXPECT_EQ(pFrame->m_hWnd, ::GetActiveWindow());
}

// The Device List and Percent Utilization bars float over the page tree and
// the Apply and Help buttons of the outer dialog of a chain of modal ones (the
// console font over the preferences, Add New Card Reader over System
// Configuration): while the inner one runs, the screen shows them.
TEST_F(PrefsFrameFixture, ModalChainsStayAboveTheFloatingBars)
{
    OpenFrame();
    for (UINT nFloat : {ID_FLOAT_DEVLIST_BAR, ID_FLOAT_CPUPCT_BAR})
        pFrame->SendMessage(WM_COMMAND, nFloat);
    theApp.OnIdle(0);  // the floating frames' delayed layout
    std::string strSeen;
    auto chain = [&](UINT nCmd, CPropertyPage* (*page)(HWND), int nButton) {
        vorntest::DialogDriver driver([&](HWND h) {
            vorntest::OpenNestedModal(h, [&] { Press(page(h)->m_hWnd, nButton); }, [&](HWND hInner) {
                const int nIds[] = {IDC_SETTINGS_TREE, ID_APPLY_NOW, IDHELP};
                RECT rc[3], rcOuter;
                for (int i : {0, 1, 2})
                    ::GetWindowRect(::GetDlgItem(h, nIds[i]), &rc[i]);
                ::GetWindowRect(h, &rcOuter);
                for (int i : {0, 1})
                    pFrame->GetMainBar(i ? 13 : 0)->GetDockingFrame()->SetWindowPos(
                        nullptr, rc[i].left, rc[i].top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                ::SetWindowPos(hInner, nullptr, rcOuter.right, rcOuter.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                strSeen += vorntest::WaitUntilScreenShows({{h, rc[0]}, {h, rc[1]}, {h, rc[2]}}, Pump) + "; ";
            });
            Press(h, IDCANCEL);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, nCmd, 0);
    };
    chain(ID_EDIT_PREFERENCES, [](HWND) -> CPropertyPage* {
        CPreferencesDlg* p = g_pView->GetPreferencesDlg();
        p->SetActivePage(&p->m_ConsPage);
        return &p->m_ConsPage;
    }, IDC_PREF_FONT);
    chain(ID_CONFIGURE_SETTINGS, [](HWND h) -> CPropertyPage* {
        CSysCfgDialog* p = DYNAMIC_DOWNCAST(CSysCfgDialog, CWnd::FromHandlePermanent(h));
        p->SetActivePage(&p->m_DevicesPage);
        return &p->m_DevicesPage;
    }, IDC_DEVICES_READER);
    EXPECT_EQ(strSeen, "; ; ");
}

// A field's balloon raised by a mouse click on OK shows over its dialog on
// the screen, as the user sees it: the check puts the focus back into the
// refused field after the balloon showed, which under Wine raises the
// dialog on the display.
TEST_F(PrefsFrameFixture, BalloonOfAClickOnOkShowsOverTheDialogOnTheScreen)
{
    OpenFrame();
    std::string strShown, strBalloon;
    ASSERT_TRUE(WithPreferences(pFrame->m_hWnd, ID_EDIT_PREFERENCES, [&](HWND h, CPreferencesDlg& dlg) {
        dlg.SetActivePage(&dlg.m_DirsPage);
        HWND hCombo = ::GetDlgItem(dlg.m_DirsPage.m_hWnd, IDC_PREF_DIR_EXE);
        ::SetWindowTextA(hCombo, "");
        ::SendMessageA(dlg.m_DirsPage.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_PREF_DIR_EXE, CBN_EDITCHANGE),
                       (LPARAM)hCombo);
        ::SetForegroundWindow(h);
        ::SetFocus(::GetDlgItem(h, IDC_SETTINGS_TREE));
        RECT rcOk;
        ::GetWindowRect(::GetDlgItem(h, IDOK), &rcOk);
        if (!vorntest::ClickAt(POINT{(rcOk.left + rcOk.right) / 2, (rcOk.top + rcOk.bottom) / 2})) {
            strShown = "the cursor did not get to OK";
        } else if (!PumpUntil([] { return ErrorBalloonWindow() != nullptr; }, 5000)) {
            strShown = "no balloon after the click on OK";
        } else {
            CString strTitle, strText;
            HWND hTip = ErrorBalloonWindow(&strTitle, &strText);
            strBalloon = std::string(strTitle) + "|" + std::string(strText);
            RECT rcTip;
            ::GetWindowRect(hTip, &rcTip);
            strShown = vorntest::WaitUntilScreenShows(hTip, rcTip, Pump);
        }
        ErrorBalloonHide();
        Press(h, IDCANCEL);
    }));
    EXPECT_EQ(strBalloon, "Executable Files|The executable files directory is a required directory.");
    EXPECT_EQ(strShown, "");
}

// A floating bar over a corner of System Configuration stays under it after
// a field's balloon, as after every other step.
TEST_F(PrefsFrameFixture, FloatingBarStaysUnderSystemConfigurationAfterABalloon)
{
    OpenFrame();
    pFrame->SendMessage(WM_COMMAND, ID_FLOAT_CPUPCT_BAR);
    theApp.OnIdle(0);  // the floating frame's delayed layout
    std::string strSeen = "no balloon";
    vorntest::DialogDriver driver([&](HWND h) {
        CSysCfgDialog* p = DYNAMIC_DOWNCAST(CSysCfgDialog, CWnd::FromHandlePermanent(h));
        p->SetActivePage(&p->m_HttpSrvrPage);
        ::SetDlgItemTextA(p->m_HttpSrvrPage.m_hWnd, IDC_HTTP_PORT, "81");
        CRect rc;
        ::GetWindowRect(h, &rc);
        pFrame->GetMainBar(13)->GetDockingFrame()->SetWindowPos(nullptr, rc.right - 60, rc.bottom - 40, 0, 0,
                                                                SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Press(h, ID_APPLY_NOW);
        if (ErrorBalloonWindow())
            strSeen = vorntest::WaitUntilScreenShows(h, {rc.right - 60, rc.bottom - 40, rc.right, rc.bottom}, Pump);
        Press(h, IDCANCEL);
        return false;
    });
    pFrame->SendMessage(WM_COMMAND, ID_CONFIGURE_SETTINGS, 0);
    EXPECT_EQ(strSeen, "");
}

// Delete Messages in the console's menu is offered only while the console
// holds lines.
TEST_F(PrefsFrameFixture, DeleteMessagesIsOfferedOnlyWithLines)
{
    OpenFrame();
    g_pView->GetDocument()->DeleteContents();
    g_pView->SetSelection(0, 0);
    ASSERT_EQ(ContextMenuAt(g_pView->m_hWnd, 0), (UINT)ID_VIEW_STATUS_BAR);
    EXPECT_NE(g_nDeleteState & MF_GRAYED, 0u);
    AddTenLines();
    ASSERT_EQ(ContextMenuAt(g_pView->m_hWnd, 0), (UINT)ID_VIEW_STATUS_BAR);
    EXPECT_EQ(g_nDeleteState & (MF_GRAYED | MF_DISABLED), 0u);
}

// After the start-up's folder check the device-list bar's class templates,
// from which an Add device starts, take the preferred folders.
TEST_F(PrefsFrameFixture, DeviceClassTemplatesTakeTheFoldersAtStartUp)
{
    TempDir punch, printer, tape, disk;
    const struct {
        const char* pszList;
        const TempDir& folder;
        int nClass;
        const char* pszFile;
    } rows[] = {
        {"PunchFilesDirectories", punch, 1, "punch.txt"},
        {"PrinterFilesDirectories", printer, 2, "print.txt"},
        {"DiskFilesDirectories", disk, 5, "volser.comp"},
        {"TapeFilesDirectories", tape, 6, "tape.vet"},
    };
    for (const auto& r : rows) {
        ProfileWriteInt(r.pszList, "NumEntries", 1);
        ProfileWriteString(r.pszList, "1", r.folder.Folder().c_str());
    }
    OpenFrame();
    CDynDevListDlgBar& bar = pFrame->m_wndDevListBar.m_dlg;
    ASSERT_TRUE(PumpUntil([&] { return bar.m_ClassTemplates[6].m_wDevType != 0; }, 5000));
    for (const auto& r : rows) {
        // The statements name the files in Windows form, as the folders are shown.
        std::string strExpected = r.folder.Path(r.pszFile);
        EXPECT_EQ(std::string(bar.m_ClassTemplates[r.nClass].m_strFirstArg.GetString()), strExpected) << r.pszList;
    }
    EXPECT_EQ(bar.m_ClassTemplates[6].m_wDevType, 0x3420);
    EXPECT_EQ(bar.m_ClassTemplates[5].m_wDevType, 0x3350);
}

