// UtilityRunWindowTest.cpp: the progress window of a VOLMAKE run started
// from the Utilities menu, worked with as the user does, with real keys and
// clicks: it opens without taking the focus and a click activates it; Enter
// in it presses its Cancel button, and the window lasts until the run has
// ended; a run that ends under a box the window opened hands the keyboard
// back to the main window.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ProfileStore.h"
#include "resources/resource.h"
#include "session/VornGUIView.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/ScreenShows.h"
#include "tests/utilities/UtilityMenuFixture.h"

namespace {

// The keys (WM_KEYDOWN) that windows of this thread take from the queue
// while the recorder lives.
class KeyRecorder {
public:
    KeyRecorder()
    {
        s_taken.clear();
        m_hHook = ::SetWindowsHookExA(WH_GETMESSAGE, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~KeyRecorder()
    {
        if (m_hHook)
            ::UnhookWindowsHookEx(m_hHook);
    }
    KeyRecorder(const KeyRecorder&) = delete;
    KeyRecorder& operator=(const KeyRecorder&) = delete;

    // The window that took vk first, null when none has.
    HWND TakerOf(WPARAM vk) const
    {
        for (const auto& taken : s_taken)
            if (taken.second == vk)
                return taken.first;
        return nullptr;
    }

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wp, LPARAM lp)
    {
        const MSG* p = (const MSG*)lp;
        if (nCode == HC_ACTION && wp == PM_REMOVE && p->message == WM_KEYDOWN)
            s_taken.emplace_back(p->hwnd, p->wParam);
        return ::CallNextHookEx(nullptr, nCode, wp, lp);
    }

    static inline std::vector<std::pair<HWND, WPARAM>> s_taken;
    HHOOK m_hHook = nullptr;
};

// Calls seen() when hWnd is sent WM_DESTROY, while the watch lives.
class DestroyWatch {
public:
    DestroyWatch(HWND hWnd, std::function<void()> seen)
    {
        s_hWnd = hWnd;
        s_seen = std::move(seen);
        m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, nullptr, ::GetCurrentThreadId());
    }
    ~DestroyWatch()
    {
        if (m_hHook)
            ::UnhookWindowsHookEx(m_hHook);
        s_seen = nullptr;
    }
    DestroyWatch(const DestroyWatch&) = delete;
    DestroyWatch& operator=(const DestroyWatch&) = delete;

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wp, LPARAM lp)
    {
        const CWPSTRUCT* p = (const CWPSTRUCT*)lp;
        if (nCode == HC_ACTION && p->hwnd == s_hWnd && p->message == WM_DESTROY && s_seen)
            s_seen();
        return ::CallNextHookEx(nullptr, nCode, wp, lp);
    }

    static inline HWND s_hWnd = nullptr;
    static inline std::function<void()> s_seen;
    HHOOK m_hHook = nullptr;
};

struct UtilityRunWindow : UtilityMenu {
    HWND hMain = nullptr;
    HWND hProgress = nullptr;
    HWND hCancel = nullptr;

    // A VOLMAKE run that lasts until it is ended, started from the menu while
    // the user works in the console; its progress window is hProgress.
    void StartLongRun()
    {
        ::SetEnvironmentVariableA("VORNUTIL_SCRIPT_VOLMAKE",
                                  dir.Write("volmake.txt", "err CYL=1000\nsleep 60000\n").c_str());
        ProfileWriteString("VOLMAKE", "strOutputDirectory", strDiskDir.c_str());
        hMain = app->m_pMainWnd->m_hWnd;
        pView->SetFocus();
        ASSERT_EQ(pView->m_hWnd, ::GetFocus());
        StartFromMenu(ID_UTIL_VOLMAKE,
                      [](HWND h) { ::SetDlgItemTextA(h, IDC_UTIL_OUTPUT_FILE, "WORK01.3350-1"); });
        hProgress = ::FindWindowA("#32770", "VOLMAKE -r -lfs WORK01.3350-1 3350-1");
        ASSERT_NE(nullptr, hProgress);
        hCancel = ::GetDlgItem(hProgress, IDC_PROGRESS_CANCEL);
    }
    // Presses and releases vk as the user does; the window that took the key,
    // null when none did (the keyboard goes nowhere).
    HWND PressKey(BYTE vk)
    {
        KeyRecorder keys;
        ::keybd_event(vk, 0, 0, 0);
        ::keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
        HWND hTaker = nullptr;
        Pump([&] { return (hTaker = keys.TakerOf(vk)) != nullptr; }, 5000);
        return hTaker;
    }
    // A click into the progress window beside its button; true once the
    // window is active.
    bool ClickProgressWindow()
    {
        POINT pt = {4, 4};
        ::ClientToScreen(hProgress, &pt);
        return vorntest::ClickAt(pt) && Pump([&] { return ::GetActiveWindow() == hProgress; }, 5000);
    }
    // The process id of the run, from its "started" line.
    DWORD RunProcessId() const
    {
        const std::string strKey = "started; process-id = ";
        for (const std::string& strLine : ConsoleLines())
            if (size_t n = strLine.find(strKey); n != std::string::npos)
                return (DWORD)std::strtoul(strLine.c_str() + n + strKey.size(), nullptr, 10);
        return 0;
    }
    // The console's lines that hold strPart, in order.
    std::vector<std::string> LinesWith(const std::string& strPart) const
    {
        std::vector<std::string> found;
        for (const std::string& strLine : ConsoleLines())
            if (strLine.find(strPart) != std::string::npos)
                found.push_back(strLine);
        return found;
    }
};

// The progress window shows over the main window without taking the focus
// from the console the user works in: Esc and Enter meant for the console
// reach it and leave the run alone. A click on the window activates it,
// with the focus on Cancel. The next run's window, at the place the last
// one had, opens as inactive.
TEST_F(UtilityRunWindow, OpensWithoutTheFocusAndAClickActivatesIt)
{
    StartLongRun();
    EXPECT_TRUE(::IsWindowVisible(hProgress));
    EXPECT_EQ(hMain, ::GetActiveWindow());
    EXPECT_EQ(pView->m_hWnd, ::GetFocus());
    EXPECT_EQ("above, enabled, plain", vorntest::DescribeModalStacking(hProgress, hMain));
    RECT rcProgress;
    ::GetWindowRect(hProgress, &rcProgress);
    EXPECT_EQ("", vorntest::WaitUntilScreenShows(hProgress, rcProgress, [this] { PumpFor(10); }));
    for (BYTE vk : {VK_ESCAPE, VK_RETURN})
        EXPECT_EQ(pView->m_hWnd, PressKey(vk)) << "key " << (int)vk;
    EXPECT_TRUE(LinesWith("kill ").empty()) << Console();
    EXPECT_TRUE(pView->IsUtilityRunning());
    EXPECT_TRUE(::IsWindowVisible(hProgress));
    EXPECT_TRUE(::IsWindowEnabled(hCancel));

    ASSERT_TRUE(ClickProgressWindow());
    EXPECT_EQ(hCancel, ::GetFocus());
    ::SendMessageA(hCancel, BM_CLICK, 0, 0);
    ASSERT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 10000)) << "the end of the cancelled run";

    // The next run's window opens where the last one was, as inactive.
    StartLongRun();
    EXPECT_TRUE(::IsWindowVisible(hProgress));
    EXPECT_EQ(hMain, ::GetActiveWindow());
    EXPECT_EQ(pView->m_hWnd, ::GetFocus());
    ::SendMessageA(hCancel, BM_CLICK, 0, 0);
    EXPECT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 10000)) << "the end of the second run";
}

// Enter in the progress window does what a press of its focused Cancel
// button does: the run is killed. The window lasts until the run's end has
// been handled, which takes it; the program goes on.
TEST_F(UtilityRunWindow, EnterCancelsTheRunAndTheWindowLastsUntilItsEnd)
{
    StartLongRun();
    ASSERT_TRUE(ClickProgressWindow());
    ASSERT_EQ(hCancel, ::GetFocus());
    bool bDestroyed = false, bDestroyedWhileListed = false;
    DestroyWatch watch(hProgress, [&] {
        bDestroyed = true;
        bDestroyedWhileListed = pView->IsUtilityRunning();
    });
    EXPECT_EQ(hCancel, PressKey(VK_RETURN));
    EXPECT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 10000)) << "the end of the run after Enter";
    EXPECT_TRUE(bDestroyed);
    EXPECT_FALSE(bDestroyedWhileListed) << "the window went before its run";
    EXPECT_FALSE(::IsWindow(hProgress));
    std::vector<std::string> kills = LinesWith("kill ");
    ASSERT_EQ(1u, kills.size()) << Console();
    EXPECT_EQ("kill " + std::to_string(RunProcessId()), kills[0].substr(0, kills[0].find(" (")));
    EXPECT_EQ(1u, LinesWith("3350-1 ended; rc=-1").size()) << Console();
    EXPECT_EQ(hMain, ::GetActiveWindow());
}

// F1 in the progress window shows a box over it (no help file here). A run
// that ends meanwhile takes the window and the box with it, and the
// keyboard goes back to the main window, where the next key arrives.
TEST_F(UtilityRunWindow, ARunEndingUnderABoxOfItsWindowHandsTheKeyboardToTheMainWindow)
{
    StartLongRun();
    ASSERT_TRUE(ClickProgressWindow());
    std::string strBox = "no box";
    HWND hBoxOwner = nullptr;
    bool bMainEnabled = true;
    {
        vorntest::DialogDriver driver([&](HWND h) {
            HWND hBox = h == hProgress ? vorntest::OtherDialog(hProgress) : h;
            if (!hBox)
                return true;
            strBox = vorntest::DialogTexts(hBox);
            hBoxOwner = ::GetWindow(hBox, GW_OWNER);
            bMainEnabled = ::IsWindowEnabled(hMain) != FALSE;
            // The utility ends by itself, with rc 0.
            HANDLE hRun = ::OpenProcess(PROCESS_TERMINATE, FALSE, RunProcessId());
            EXPECT_TRUE(hRun && ::TerminateProcess(hRun, 0)) << "the run's process";
            if (hRun)
                ::CloseHandle(hRun);
            return false;
        });
        EXPECT_EQ(hCancel, PressKey(VK_F1));
        EXPECT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 10000)) << "the end of the run";
    }
    EXPECT_NE(std::string::npos, strBox.find("Unable to open the help file.")) << strBox;
    EXPECT_EQ(hProgress, hBoxOwner);
    EXPECT_FALSE(bMainEnabled);
    EXPECT_EQ(1u, LinesWith("3350-1 ended; rc=0").size()) << Console();
    EXPECT_FALSE(::IsWindow(hProgress));
    EXPECT_TRUE(Pump([&] { return ::GetActiveWindow() == hMain; }, 5000)) << "the main window active again";
    EXPECT_EQ(hMain, ::GetForegroundWindow());
    EXPECT_EQ(pView->m_hWnd, ::GetFocus());
    EXPECT_EQ(pView->m_hWnd, PressKey(VK_ESCAPE));
}

}  // namespace
