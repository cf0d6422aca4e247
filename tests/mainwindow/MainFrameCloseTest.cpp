// MainFrameCloseTest.cpp: a close that comes while the thread runs a message
// loop inside its own waits until every such loop has ended: What's-This
// mode, the handshake's wait for the emulator's main storage, and a question
// followed at once by the box after it. The close asked for is the one after
// a worker thread's fault, which comes whatever runs. The system's loops
// too: a menu (a context menu, the menu bar's, the system menu) and a move
// of the main window end first, and the close's questions come after them,
// where a click of the mouse answers them. A close during a box or dialog
// of an open, a save or a Power On waits for it; every question of a close
// comes before it powers anything off; a question answered over another
// modal window leaves the main window disabled under it; a log the close
// cannot write to is told once and the close goes on.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "resources/resource.h"
#include "session/ConsoleCommands.h"
#include "session/ConsoleLogFile.h"
#include "session/PowerOnText.h"
#include "session/PrivateMessages.h"
#include "tests/mainwindow/FrameFixture.h"
#include "tests/platform/ModalDriver.h"

namespace {

// Calls tick() from a thread timer every 20 ms while it lives, also inside
// the loops the thread runs meanwhile.
class CTicker {
public:
    explicit CTicker(std::function<void()> tick) : m_tick(std::move(tick))
    {
        s_pTicker = this;
        m_nTimer = ::SetTimer(nullptr, 0, 20, Tick);
    }
    ~CTicker()
    {
        ::KillTimer(nullptr, m_nTimer);
        s_pTicker = nullptr;
    }
    CTicker(const CTicker&) = delete;
    CTicker& operator=(const CTicker&) = delete;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (s_pTicker)
            s_pTicker->m_tick();
    }
    static CTicker* s_pTicker;
    std::function<void()> m_tick;
    UINT_PTR m_nTimer = 0;
};
CTicker* CTicker::s_pTicker = nullptr;

// The end of the session that a worker thread's fault asks for, as the
// fault's report posts it.
void AskCloseAfterFault(HWND hFrame)
{
    ::PostMessageA(hFrame, WM_END_SESSION_AFTER_FAULT, 0, 0);
}

bool FaultHandled(HWND hFrame)
{
    MSG msg;
    return !::PeekMessageA(&msg, hFrame, WM_END_SESSION_AFTER_FAULT, WM_END_SESSION_AFTER_FAULT, PM_NOREMOVE);
}

// "waits" while the main window stands and no close is on its way to it.
std::string CloseState(HWND hFrame)
{
    MSG msg;
    if (!::IsWindow(hFrame))
        return "closed";
    return ::PeekMessageA(&msg, hFrame, WM_CLOSE, WM_CLOSE, PM_NOREMOVE) ? "close queued" : "waits";
}

// The system's loops that the tests open, each by a call that returns once
// it has ended: a context menu (from the keyboard), the File menu, the
// system menu, a move of the main window.
enum class ELoop { DevListMenu, FileMenu, SystemMenu, Move };

void OpenLoop(CMainFrame* pFrame, ELoop eLoop)
{
    HWND hBar = pFrame->m_wndDevListBar.m_dlg.m_hWnd;
    if (eLoop == ELoop::DevListMenu)
        ::SendMessageA(hBar, WM_CONTEXTMENU, (WPARAM)hBar, MAKELPARAM(-1, -1));
    else
        pFrame->SendMessage(WM_SYSCOMMAND, eLoop == ELoop::Move ? SC_MOVE : SC_KEYMENU,
                            eLoop == ELoop::FileMenu ? 'f' : eLoop == ELoop::SystemMenu ? ' ' : 0);
}

// Whether the system runs a menu's loop (GUI_INMENUMODE) or a move's
// (GUI_INMOVESIZE) on this thread, as it tells.
bool InSystemLoop(DWORD dwFlags)
{
    GUITHREADINFO info = {sizeof info};
    return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) && (info.flags & dwFlags);
}

void CloseFromAnotherProgram(HWND hFrame)
{
    ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
}

void EndEmulator(HWND)
{
    g_pView->PowerOff();
}

void EndSession(HWND hFrame)
{
    EXPECT_EQ(::SendMessageA(hFrame, WM_QUERYENDSESSION, 0, 0), TRUE);
    ::SendMessageA(hFrame, WM_ENDSESSION, TRUE, 0);
}

TEST_F(FrameFixture, CloseAfterAFaultWaitsUntilEveryNestedLoopHasEnded)
{
    const struct {
        const char* pszLoop;
        // Runs the loop, asks for the close inside it and tells what the
        // close had done when the loop and the code around it ended.
        std::function<std::string(HWND)> run;
    } loops[] = {
        {"What's-This mode",
         [&](HWND hFrame) {
             std::string strSeen = "the mode ended before the close was looked at";
             int nStep = 0;
             CTicker ticker([&] {
                 if (nStep == 0 && ::GetCapture() == hFrame) {
                     AskCloseAfterFault(hFrame);
                     nStep = 1;
                 } else if (nStep == 1 && FaultHandled(hFrame)) {
                     strSeen = CloseState(hFrame);
                     nStep = 2;
                     ::PostMessageA(hFrame, WM_KEYDOWN, VK_ESCAPE, 0);  // leaves the mode
                 }
             });
             pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
             return strSeen;
         }},
        {"the handshake's wait for main storage",
         [&](HWND hFrame) {
             std::string strSeen = "no handshake";
             bool bInHandshake = false, bAsked = false;
             CTicker ticker([&] {
                 if (bInHandshake && !bAsked) {
                     AskCloseAfterFault(hFrame);
                     bAsked = true;
                 }
             });
             // Its devices at once, its storage never: the handshake waits.
             AttachStandin("--devlist-at-start --do \"set mainstor none\"");
             for (DWORD dwStart = ::GetTickCount(); !bAsked && ::GetTickCount() - dwStart < 20000; ::Sleep(10)) {
                 MSG msg;
                 while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                     bInHandshake = msg.message == WM_EMULATOR_READY;
                     ::DispatchMessageA(&msg);
                     if (bInHandshake)
                         strSeen = CloseState(hFrame);
                     bInHandshake = false;
                 }
                 if (g_pView)
                     g_pView->OnIdleFlowControl();
             }
             return bAsked ? strSeen : "the handshake did not wait";
         }},
        {"a question and the box right after it",
         [&](HWND hFrame) {
             std::string strSeen = "the box after the question did not show";
             bool bAsked = false;
             vorntest::DialogDriver driver([&](HWND h) {
                 std::string strTexts = vorntest::DialogTexts(h);
                 if (strTexts.find("Power-On Aborted!") != std::string::npos) {
                     strSeen = CloseState(hFrame);
                     ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                     return false;
                 }
                 if (!bAsked) {
                     AskCloseAfterFault(hFrame);
                     bAsked = true;
                 } else if (FaultHandled(hFrame)) {
                     ::PostMessageA(h, TDM_CLICK_BUTTON, IDNO, 0);  // not without a configuration
                 }
                 return true;
             });
             // No configuration: "Start with no configuration file?", then
             // "Power-On Aborted!".
             g_pView->PowerOn();
             return strSeen;
         }},
    };
    for (const auto& loop : loops) {
        SCOPED_TRACE(loop.pszLoop);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd;
        EXPECT_EQ("waits", loop.run(hFrame));
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); }, 20000)) << "the close once the loop ended";
        pFrame = nullptr;
    }
}

// A close that comes while a menu or a move of the system's runs (they
// dispatch what comes meanwhile) waits for its end: the code after the menu
// (the device list's, after its TrackPopupMenu) goes on with its windows,
// and the close comes after it.
TEST_F(FrameFixture, CloseDuringAMenuOrAMoveComesAfterItsEnd)
{
    ProfileWriteInt("Options", "PowerOff", 1);  // the emulator's end closes
    const struct {
        const char* pszCase;
        ELoop eLoop;
        bool bEmulator;
        void (*close)(HWND);
    } cases[] = {
        {"the device list's menu, another program's close", ELoop::DevListMenu, false, CloseFromAnotherProgram},
        {"the device list's menu, the emulator's end", ELoop::DevListMenu, true, EndEmulator},
        {"the File menu, the end of the session", ELoop::FileMenu, false, EndSession},
        {"a move of the main window, another program's close", ELoop::Move, false, CloseFromAnotherProgram},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd, hBar = pFrame->m_wndDevListBar.m_dlg.m_hWnd;
        if (c.bEmulator)
            AttachStandin("");
        bool bClosed = false;
        CTicker ticker([&] {
            if (!bClosed && InSystemLoop(c.eLoop == ELoop::Move ? GUI_INMOVESIZE : GUI_INMENUMODE)) {
                c.close(hFrame);
                bClosed = true;
            }
        });
        OpenLoop(pFrame, c.eLoop);
        EXPECT_TRUE(bClosed) << "the close came while the loop ran";
        EXPECT_TRUE(::IsWindow(hFrame) && ::IsWindow(hBar)) << "the windows once the loop's code had ended";
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the close after the loop";
        pFrame = nullptr;
    }
}

// The questions of a close that comes while a menu is open show once the
// menu has gone, and a real click of the mouse on a button answers them:
// the cursor is seen over the button's middle, the button seen pushed.
TEST_F(FrameFixture, QuestionsOfACloseDuringAMenuComeAfterItAndTakeAClick)
{
    ProfileWriteInt("Options", "PowerOff", 2);  // ask whether to exit after the emulator's end
    const struct {
        const char* pszQuestion;
        ELoop eLoop;
        bool bEmulator;
        void (*close)(HWND);
        int nButton;  // the one that goes on to the end
    } cases[] = {
        {"Do you want to save your changes to the configuration?", ELoop::FileMenu, false, CloseFromAnotherProgram,
         CVornGUIView::kPromptNotSaved},
        {"Vornamic is still running!", ELoop::DevListMenu, true, CloseFromAnotherProgram, IDYES},
        {"Do you wish to exit the application at this time?", ELoop::SystemMenu, true, EndEmulator, IDYES},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszQuestion);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd, hQuestion = nullptr, hButton = nullptr;
        CVornConfigFile cfg = g_pView->GetConfig();
        cfg.m_strDescription = "changed by the test";
        if (c.bEmulator)
            AttachStandin("");
        else
            g_pView->ApplyEditedConfiguration(cfg);
        g_pView->SetNoWarnPowerOff(false);
        std::string strTexts, strMenu;
        bool bClosed = false;
        int nClick = 0;  // 1 the button went down, 2 it went up after it was seen pushed
        CTicker ticker([&] {
            RECT rc = {};
            ::GetWindowRect(hButton, &rc);
            POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}, now = {};
            INPUT in = {INPUT_MOUSE};
            if (!bClosed && InSystemLoop(GUI_INMENUMODE)) {
                c.close(hFrame);
                bClosed = true;
            } else if (bClosed && !hQuestion && (hQuestion = vorntest::OtherDialog(nullptr)) != nullptr) {
                strTexts = vorntest::DialogTexts(hQuestion);
                strMenu = InSystemLoop(GUI_INMENUMODE | GUI_INMOVESIZE) ? "a menu open" : "no menu";
                hButton = ::GetDlgItem(hQuestion, c.nButton);
            } else if (hButton && nClick == 0 && (!::GetCursorPos(&now) || now.x != pt.x || now.y != pt.y ||
                                                  ::WindowFromPoint(pt) != hButton)) {
                ::SetCursorPos(pt.x, pt.y);
            } else if (hButton && nClick < 2 && (nClick == 0 || (::SendMessageA(hButton, BM_GETSTATE, 0, 0) & BST_PUSHED))) {
                in.mi.dwFlags = nClick++ ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
                ::SendInput(1, &in, sizeof in);
            }
        });
        vorntest::WaitingFor waiting("a click on the answer, and the end");
        OpenLoop(pFrame, c.eLoop);
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the end after a click on the answer";
        EXPECT_NE(strTexts.find(c.pszQuestion), std::string::npos) << strTexts;
        EXPECT_EQ(strMenu, "no menu") << "when the question showed";
        EXPECT_EQ(nClick, 2);
        pFrame = nullptr;
    }
}

// Answers a box or dialog with the first of its buttons No (Don't Save),
// Cancel (the parse-errors dialog's too) and OK.
void CancelBox(HWND h)
{
    for (int nId : {IDNO, IDCANCEL, IDC_PARSE_ERRORS_CANCEL, IDOK})
        if (::GetDlgItem(h, nId)) {
            ::PostMessageA(h, WM_COMMAND, nId, 0);
            return;
        }
}


// A close (another program's, the system menu's, the session's end) that
// comes while a box or dialog of an open, a save or a Power On shows waits
// for it: the code after the box goes on with its windows, and the frame
// closes afterwards.
TEST_F(FrameFixture, CloseDuringABoxOfAnOpenASaveOrAPowerOnWaitsForIt)
{
    std::string strBad = dir.Write("bad.cnf", "0009 3505 a\r\nNOSUCHSTATEMENT 1\r\n");
    const struct {
        const char* pszBox;  // a text of the box closed over
        void (*close)(HWND);
        std::function<void()> run;  // returns once the operation is done
    } cases[] = {
        {"Invalid configuration file.", CloseFromAnotherProgram, [&] { g_pView->OpenConfiguration(strBad.c_str()); }},
        {"Configuration File Error(s)...", EndSession, [&] { g_pView->OpenConfiguration(strBad.c_str()); }},
        {"Start with no configuration file?", CloseFromAnotherProgram, [&] { g_pView->PowerOn(); }},
        {"Cannot save", CloseFromAnotherProgram,
         [&] {
             CVornConfigFile cfg = g_pView->GetConfig();
             cfg.m_strFolder = (dir.Folder() + "missing\\").c_str();
             cfg.m_strFileName = "vorn.cnf";
             g_pView->ApplyEditedConfiguration(cfg);
             g_pView->SaveConfiguration();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszBox);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd;
        std::string strSeen = "the box did not show";
        vorntest::DialogDriver driver([&](HWND h) {
            char szCaption[128] = {};
            ::GetWindowTextA(h, szCaption, sizeof szCaption);
            std::string strTexts = szCaption + ("|" + vorntest::DialogTexts(h));
            if (strSeen == "the box did not show" && strTexts.find(c.pszBox) != std::string::npos) {
                c.close(hFrame);
                strSeen = "asked";
            } else if (strSeen == "asked") {
                strSeen = CloseState(hFrame);  // once the close has been taken
                CancelBox(h);
            } else {
                CancelBox(h);
            }
            return true;
        });
        c.run();
        EXPECT_EQ(strSeen, "waits");
        EXPECT_TRUE(::IsWindow(hFrame)) << "the frame once the operation had ended";
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the close after it";
        pFrame = nullptr;
    }
}

// File > Exit with the emulator running asks every question first: the
// power-off question, then the save question of the changed configuration;
// a No or a Cancel leaves the emulator running and the frame as it was,
// and after the power-off nothing more is asked.
TEST_F(FrameFixture, EveryQuestionOfACloseComesBeforeItPowersOff)
{
    const struct {
        int nPowerOff;  // the answer to "Vornamic is still running!"
        int nSave;      // to "Do you want to save ...?" (0: not asked)
        const char* pszAsked;
        bool bCloses;
    } cases[] = {
        {IDNO, 0, "power-off question (emulator running)#", false},
        {IDYES, IDCANCEL, "power-off question (emulator running)#save question (emulator running)#", false},
        {IDYES, CVornGUIView::kPromptNotSaved,
         "power-off question (emulator running)#save question (emulator running)#", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszAsked);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd;
        CVornConfigFile cfg = g_pView->GetConfig();
        cfg.m_strDescription = "changed by the test";
        g_pView->ApplyEditedConfiguration(cfg);
        AttachStandin("");
        g_pView->SetNoWarnPowerOff(false);
        std::string strAsked;
        vorntest::DialogDriver driver([&](HWND h) {
            std::string strTexts = vorntest::DialogTexts(h);
            bool bPowerOff = strTexts.find("Vornamic is still running!") != std::string::npos;
            bool bSave = strTexts.find("Do you want to save your changes") != std::string::npos;
            strAsked += std::string(bPowerOff ? "power-off question" : bSave ? "save question" : strTexts) +
                        (g_pView && g_pView->IsEmulatorRunning() ? " (emulator running)#" : " (emulator off)#");
            ::PostMessageA(h, TDM_CLICK_BUTTON, bPowerOff ? c.nPowerOff : bSave ? c.nSave : IDCANCEL, 0);
            return true;
        });
        pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);
        if (c.bCloses) {
            EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the end after the emulator's";
            pFrame = nullptr;
        } else {
            PumpFor(300);
            EXPECT_TRUE(FrameAlive() && g_pView->IsEmulatorRunning() && g_pView->IsConfigModified());
            g_pView->PowerOff();
            EXPECT_TRUE(PumpUntil([&] { return !g_pView->IsEmulatorRunning(); }));
        }
        EXPECT_EQ(strAsked, c.pszAsked);
    }
}

// A question whose owner is the main window, answered while another modal
// window of it (the About box) still shows, leaves the main window
// disabled under that window; it takes input again once that has gone.
TEST_F(FrameFixture, MainWindowStaysDisabledWhileAModalWindowOfItRemains)
{
    const struct {
        const char* pszQuestion;
        int nAnswer;  // the button that leaves everything as it is
        std::function<void()> ask;  // returns once answered
    } cases[] = {
        {"Vornamic is still running!", IDNO, [&] { pFrame->ConfirmPowerOff(); }},
        {"Do you want to save your changes", IDCANCEL, [&] { g_pView->PromptSaveModified(); }},
        {"Vornamic is taking too long to shutdown.", kWatchdogButtonWait,
         [&] { g_pView->SendMessage(WM_TIMER, kTimerShutdownWatchdog); }},
    };
    OpenFrame();
    HWND hFrame = pFrame->m_hWnd;
    AttachStandin("");
    CVornConfigFile cfg = g_pView->GetConfig();
    cfg.m_strDescription = "changed by the test";
    g_pView->ApplyEditedConfiguration(cfg);
    g_pView->SetNoWarnPowerOff(false);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszQuestion);
        std::string strSeen = "the About box did not show";
        HWND hAbout = nullptr;
        vorntest::DialogDriver driver([&](HWND h) {
            hAbout = h;
            std::string strAsked;
            {
                vorntest::DialogDriver answer([&](HWND) {
                    HWND hQuestion = vorntest::OtherDialog(hAbout);
                    if (!hQuestion)
                        return true;
                    strAsked = vorntest::DialogTexts(hQuestion);
                    ::PostMessageA(hQuestion, TDM_CLICK_BUTTON, c.nAnswer, 0);
                    return false;
                });
                c.ask();
            }
            strSeen = strAsked.find(c.pszQuestion) == std::string::npos ? "asked " + strAsked
                      : ::IsWindowEnabled(hFrame)                       ? "the main window enabled"
                                                                        : "the main window disabled";
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_APP_ABOUT);
        EXPECT_EQ(strSeen, "the main window disabled");
        EXPECT_FALSE(::IsWindow(hAbout));
        EXPECT_TRUE(::IsWindowEnabled(hFrame)) << "once the About box has gone";
    }
    g_pView->PowerOff();
    EXPECT_TRUE(PumpUntil([&] { return !g_pView->IsEmulatorRunning(); }));
}

// The log a single named file the close cannot write to: on a full disk
// (the system's device that is always full), or in a folder that is made
// only before the close. The lines the log did not take are written at the
// close, with the marker after them; when that fails the close tells it
// once, with what was not written and where, and the program ends.
TEST_F(FrameFixture, ACloseWithAFailingLogTellsItOnceAndEnds)
{
    const auto exit = [](HWND hFrame) { ::SendMessageA(hFrame, WM_COMMAND, ID_APP_EXIT, 0); };
    const auto sessionEnd = [](HWND hFrame) {
        LRESULT nMayEnd = ::SendMessageA(hFrame, WM_QUERYENDSESSION, 0, 0);
        ::SendMessageA(hFrame, WM_ENDSESSION, nMayEnd, 0);
    };
    const std::string strFull = "Z:\\dev\\full";
    const struct {
        const char* pszCase;
        std::string strLog;
        bool bEmulator;
        std::function<void(HWND)> close;
        const char* pszTold;  // in the one box of the close (nullptr: none)
    } cases[] = {
        {"a full disk, another program's close", strFull, false, CloseFromAnotherProgram,
         "Logfile I/O error.\n\nThe newest 4 console messages are kept in memory only: they were not written to "
         "\"Z:\\dev\\full\"."},
        {"a full disk, File > Exit", strFull, true, exit, "were not written to \"Z:\\dev\\full\"."},
        {"a full disk, the session's end", strFull, true, sessionEnd, "were not written to \"Z:\\dev\\full\"."},
        {"a folder made before the close", dir.Path("later\\console.log"), false, CloseFromAnotherProgram, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        ProfileWriteInt("Logging", "LogOption", 1);  // the start-up asks for no file
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd;
        CVornGUIDoc* pDoc = g_pView->GetDocument();
        pDoc->SetPathName(c.strLog.c_str(), FALSE);
        ASSERT_TRUE(pDoc->SetLogOption(0, 1, "console.log"));
        bool bClosing = false;
        std::vector<std::string> told;
        vorntest::DialogDriver driver([&](HWND h) {
            if (bClosing)
                told.push_back(vorntest::DialogTexts(h));
            CancelBox(h);
            return true;
        });
        for (const char* psz : {"ZQC00001I one", "ZQC00002I two", "ZQC00003I three"})
            g_pView->AddMessage(psz, false);
        ASSERT_TRUE(PumpUntil([&] { return driver.SawDialog(); })) << "the box of the log's failure";
        std::string strLines;
        for (INT_PTR i = 0; i < pDoc->GetLineCount(); ++i)
            strLines += std::string(pDoc->GetLine(i).GetString()) + "\r\n";
        if (!c.pszTold)
            ASSERT_TRUE(::CreateDirectoryA(dir.Path("later").c_str(), nullptr));
        if (c.bEmulator)
            AttachStandin("");
        g_pView->SetNoWarnPowerOff(true);
        bClosing = true;
        c.close(hFrame);
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the end";
        pFrame = nullptr;
        if (c.pszTold) {
            ASSERT_EQ(told.size(), 1u);
            EXPECT_NE(told[0].find(c.pszTold), std::string::npos) << told[0];
        } else {
            EXPECT_EQ(told.size(), 0u) << told[0];
            // The lines, the console's note that logging resumed, the marker.
            std::string strText = ReadText(c.strLog);
            EXPECT_EQ(strText.substr(0, strLines.size()), strLines);
            size_t nNote = strText.find(" resumed.\r\n", strLines.size()) + 9;
            EXPECT_EQ(strText.find("\r\n", strLines.size()), nNote) << strText;
            EXPECT_EQ(strText.find(std::string("\r\n") + kLogRingMarkerLine), nNote + 2) << strText;
        }
    }
}

}  // namespace

