// VornGUIViewConsoleTest.cpp: the console pane's finer points in a real
// frame under Wine: time stamps after the logging options, keyboard scroll
// commands (one step, and more while their keys are held), the rows an
// erase fills, and the shell command's folder chosen with the folder picker.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>

#include "platform/CDC.h"
#include "platform/ProfileStore.h"
#include "session/ConsoleCommands.h"
#include "session/VornGUIDoc.h"
#include "session/VornGUIView.h"
#include "tests/config/TempFile.h"
#include "tests/platform/ModalDriver.h"
#include "tests/session/ViewTestFrame.h"

namespace {

struct ConsoleFixture : ::testing::Test {
    TempDir dir;
    std::unique_ptr<vorntest::ViewHost> host;
    CVornGUIDoc* pDoc = nullptr;
    CVornGUIView* pView = nullptr;

    // Settings written before the document starts: the options it reads once.
    virtual void Preset() {}
    void SetUp() override
    {
        host = std::make_unique<vorntest::ViewHost>(dir, [this] { Preset(); });
        pDoc = host->Doc();
        ASSERT_NE(pDoc, nullptr);
        pView = host->View();
        ASSERT_NE(pView, nullptr);
    }
    void TearDown() override { host.reset(); }
    void Add(int n)
    {
        for (int i = 0; i < n; ++i) {
            CString str;
            str.Format("line %d", i);
            pView->AddMessage(str, false);
            pView->RefreshAfterAppend(1);
        }
    }
    void Command(UINT nID) { pView->SendMessage(WM_COMMAND, nID, 0); }
};

struct DatesAndTimes : ConsoleFixture {
    void Preset() override
    {
        ProfileWriteInt("Logging", "LogDates", 1);
        ProfileWriteInt("Logging", "LogTimes", 1);
    }
};

struct DatesOnly : ConsoleFixture {
    void Preset() override
    {
        ProfileWriteInt("Logging", "LogDates", 1);
        ProfileWriteInt("Logging", "LogTimes", 0);
    }
};

void PressKey(BYTE vk, bool bDown)
{
    ::keybd_event(vk, 0, bDown ? 0 : KEYEVENTF_KEYUP, 0);
}

}  // namespace

TEST_F(DatesAndTimes, TimestampCarriesDateAndTime)
{
    pView->AddMessage("ZQC00001I hello", true);
    std::string s = pDoc->GetLine(pDoc->GetLineCount() - 1).GetString();
    EXPECT_TRUE(std::regex_match(s, std::regex(R"(\d{4}/\d\d/\d\d \d\d:\d\d:\d\d\.\d{3} ZQC00001I hello)"))) << s;
}

TEST_F(DatesOnly, TimestampCarriesTheDateOnly)
{
    pView->AddMessage("hello", true);
    std::string s = pDoc->GetLine(pDoc->GetLineCount() - 1).GetString();
    EXPECT_TRUE(std::regex_match(s, std::regex(R"(\d{4}/\d\d/\d\d hello)"))) << s;
}

TEST_F(ConsoleFixture, TimestampByDefaultIsTheTimeOnly)
{
    pView->AddMessage("hello", true);
    pView->AddMessage("plain", false);
    std::string s = pDoc->GetLine(pDoc->GetLineCount() - 2).GetString();
    EXPECT_TRUE(std::regex_match(s, std::regex(R"(\d\d:\d\d:\d\d\.\d{3} hello)"))) << s;
    EXPECT_STREQ("plain", pDoc->GetLine(pDoc->GetLineCount() - 1).GetString());
    CString str = "x";
    pView->FormatTimestamp(str);
    EXPECT_EQ(14, str.GetLength());
}

TEST_F(ConsoleFixture, ScrollCommandsMoveOnePassWithoutHeldKeys)
{
    Add(100);
    pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
    Command(ID_SCROLL_LINE_DOWN);
    EXPECT_EQ(1, pView->GetTopLine());
    Command(ID_SCROLL_PAGE_DOWN);
    EXPECT_EQ(1 + pView->GetLinesFit(), pView->GetTopLine());
    Command(ID_SCROLL_TOP);
    EXPECT_EQ(0, pView->GetTopLine());
    Command(ID_SCROLL_LINE_UP);  // already at the top: a beep, no move
    EXPECT_EQ(0, pView->GetTopLine());
    Command(ID_SCROLL_BOTTOM);
    EXPECT_EQ(100 - (pView->GetLinesFit() - 1), pView->GetTopLine());
    EXPECT_TRUE(pView->IsFollowingEnd());
}

// Holding Ctrl+Down keeps the command scrolling: every pass looks at the keys
// again (a key counts as down while its state shows it pressed and pressed
// since the last look, as the keyboard's repeat keeps it). Under Wine the
// injected keys do not show the "pressed since the last look" bit, so only
// the bounds hold here: at least one pass, and never past the last line.
TEST_F(ConsoleFixture, HeldKeysScrollAtLeastOnceAndStopAtTheEnd)
{
    Add(100);
    pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
    PressKey(VK_CONTROL, true);
    PressKey(VK_DOWN, true);
    Command(ID_SCROLL_LINE_DOWN);
    int nTop = pView->GetTopLine();
    Command(ID_SCROLL_BOTTOM);
    Command(ID_SCROLL_PAGE_DOWN);
    int nEnd = pView->GetTopLine();
    PressKey(VK_DOWN, false);
    PressKey(VK_CONTROL, false);
    EXPECT_GE(nTop, 1);
    EXPECT_LE(nEnd, 99);
    pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
    Command(ID_SCROLL_LINE_DOWN);  // keys up: one pass
    EXPECT_EQ(1, pView->GetTopLine());
}

TEST_F(ConsoleFixture, EraseFillsSelectedRowsWithTheTextColour)
{
    Add(10);
    pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
    pView->ExtendSelection(1, true);  // lines 0 and 1 selected
    RECT rc;
    pView->GetClientRect(&rc);
    HDC hdcScreen = ::GetDC(nullptr);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, rc.right, rc.bottom);
    ::ReleaseDC(nullptr, hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hbm);
    pView->Invalidate(TRUE);  // a full repaint is due
    pView->SendMessage(WM_ERASEBKGND, (WPARAM)hdc, 0);
    COLORREF crText = pView->Settings().m_styles[kMsgPlain].crColor;
    COLORREF crBack = pView->Settings().m_crBackground;
    int h = pView->GetLineHeight();
    EXPECT_EQ(crText, ::GetPixel(hdc, 5, 0));
    EXPECT_EQ(crText, ::GetPixel(hdc, rc.right - 1, 2 * h - 1));
    EXPECT_EQ(crBack, ::GetPixel(hdc, 5, 2 * h));
    EXPECT_EQ(crBack, ::GetPixel(hdc, rc.right - 1, rc.bottom - 1));
    ::SelectObject(hdc, hOld);
    ::DeleteObject(hbm);
    ::DeleteDC(hdc);
}

// Only whole rows show lines: a part row below them kept the line it was
// given while the lines scrolled on (only whole rows move), and in a flood
// one stayed stale for a minute. Whatever part of a row the pane's height
// leaves below the last whole one, the paint draws nothing there and an
// erase fills it with the background, even for a selected line.
TEST_F(ConsoleFixture, PartRowBelowTheWholeRowsShowsNoLine)
{
    Add(100);
    pView->SendMessage(WM_VSCROLL, SB_TOP, 0);
    pView->ExtendSelection(6, true);  // lines 0 to 6 selected
    const int h = pView->GetLineHeight();
    const COLORREF crMark = RGB(1, 2, 3), crBack = pView->Settings().m_crBackground;
    RECT rcWnd, rcClient;
    pView->GetWindowRect(&rcWnd);
    pView->GetClientRect(&rcClient);
    const int cyFrame = (rcWnd.bottom - rcWnd.top) - rcClient.bottom, cx = rcClient.right;
    for (int nPart : {1, h / 2, h - 1}) {
        pView->MoveWindow(0, 0, rcWnd.right - rcWnd.left, 5 * h + nPart + cyFrame, FALSE);
        ASSERT_EQ(5, pView->GetLinesFit()) << "part row of " << nPart;
        HDC hdcScreen = ::GetDC(nullptr);
        HDC hdc = ::CreateCompatibleDC(hdcScreen);
        CDC dc(hdc);  // borrowed
        HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, cx, 6 * h);
        ::ReleaseDC(nullptr, hdcScreen);
        HGDIOBJ hOld = ::SelectObject(dc, hbm);
        for (bool bErase : {false, true}) {
            RECT rcAll = {0, 0, cx, 6 * h};
            ::SetBkColor(dc, crMark);
            ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rcAll, "", 0, nullptr);
            if (bErase) {
                pView->Invalidate(TRUE);
                pView->SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC, 0);
            } else {
                pView->OnDraw(&dc);
            }
            std::string strSeen;
            for (int y = 5 * h; y < 5 * h + nPart; ++y)
                for (int x = 0; x < cx; x += 2)
                    if (::GetPixel(dc, x, y) != (bErase ? crBack : crMark) && strSeen.empty())
                        strSeen = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
            EXPECT_EQ("", strSeen) << (bErase ? "erased" : "drawn") << " with a part row of " << nPart;
            EXPECT_NE(crMark, ::GetPixel(dc, 4, 4 * h + 1)) << "the last whole row, " << (bErase ? "erased" : "drawn");
        }
        ::SelectObject(dc, hOld);
        ::DeleteObject(hbm);
        ::DeleteDC(hdc);
    }
}

TEST_F(ConsoleFixture, ShellFolderChosenIsStoredAndShown)
{
    ProfileWriteString("Settings", "CmdTargetDir", "unchanged");
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SSessionReceivers receivers;
    receivers.hShellDirEdit = hEdit;
    pView->SetSessionReceivers(receivers);
    std::string strTitle;
    {
        vorntest::DialogDriver driver([&](HWND h) {
            strTitle = vorntest::DialogTexts(h);
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        Command(ID_SHELL_TARGET_DIR);
        EXPECT_TRUE(driver.SawDialog());
    }
    EXPECT_NE(strTitle.find("Select target working directory for 'sh' (shell) command"), std::string::npos)
        << strTitle;
    EXPECT_STREQ("unchanged", ProfileGetString("Settings", "CmdTargetDir", "").GetString());  // cancelled
    {
        vorntest::DialogDriver driver([&](HWND h) {
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        });
        Command(ID_SHELL_TARGET_DIR);
    }
    CString strStored = ProfileGetString("Settings", "CmdTargetDir", "");
    EXPECT_STRNE("unchanged", strStored.GetString());
    EXPECT_FALSE(strStored.IsEmpty());
    char sz[MAX_PATH] = {};
    ::GetWindowTextA(hEdit, sz, sizeof sz);
    EXPECT_STREQ(strStored.GetString(), sz);
    pView->SetSessionReceivers(SSessionReceivers());
    ::DestroyWindow(hEdit);
}
