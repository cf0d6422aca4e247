// MainFrameCloseTest.cpp: a close that comes while the thread runs a message
// loop inside its own waits until every such loop has ended: What's-This
// mode, the handshake's wait for the emulator's main storage, and a question
// followed at once by the box after it. The close asked for is the one after
// a worker thread's fault, which comes whatever runs. The system's loops
// too: a menu (a context menu, the menu bar's, the system menu) and a move
// of the main window end first, and the close's questions come after them,
// where a click of the mouse answers them. The program's boxes too.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>

#include "preferences/PreferencesDlg.h"
#include "resources/resource.h"
#include "session/ConsoleCommands.h"
#include "session/ConsoleLogFile.h"
#include "session/PowerOnText.h"
#include "session/PrivateMessages.h"
#include "session/UtilityProgress.h"
#include "session/ViewSettings.h"
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

// A box's caption and texts; the first of its buttons No (Don't Save),
// Cancel (the parse-errors dialog's too) and OK answers it.
std::string AnswerNo(HWND h, bool bAnswer = true)
{
    char szCaption[128] = {};
    ::GetWindowTextA(h, szCaption, sizeof szCaption);
    for (int nId : {IDNO, IDCANCEL, IDC_PARSE_ERRORS_CANCEL, IDOK})
        if (bAnswer && ::GetDlgItem(h, nId) && ::PostMessageA(h, WM_COMMAND, nId, 0))
            break;
    return szCaption + ("|" + vorntest::DialogTexts(h));
}

// A close during a box of an open or a Power On ends it and every box
// after it as their Cancel would; the code after them goes on with its
// windows, and the frame closes once it has ended.
TEST_F(FrameFixture, CloseDuringABoxOfAnOpenOrAPowerOnEndsTheBoxesThenTheProgram)
{
    std::string strBad = dir.Write("bad.cnf", "NOSUCHSTATEMENT 1\r\n");
    for (const char* pszBox : {"Invalid configuration file.", "Configuration File Error(s)...", "Start with no"}) {
        SCOPED_TRACE(pszBox);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd;
        std::string strSeen = "no box";
        vorntest::DialogDriver driver([&](HWND h) {
            if (strSeen == "no box" && AnswerNo(h, false).find(pszBox) != std::string::npos) {
                (pszBox[0] == 'C' ? EndSession : CloseFromAnotherProgram)(hFrame);
                strSeen = "asked";
            }
            if (strSeen == "no box")
                AnswerNo(h);
            return true;
        });
        pszBox[0] == 'S' ? g_pView->PowerOn() : (void)g_pView->OpenConfiguration(strBad.c_str());
        EXPECT_EQ(strSeen + (::IsWindow(hFrame) ? " and waited" : " and closed"), "asked and waited");
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the close after it";
        pFrame = nullptr;
    }
}

// File > Exit with the emulator running asks both questions while it runs;
// a Cancel leaves it running, and after the power-off nothing is asked.
TEST_F(FrameFixture, EveryQuestionOfACloseComesBeforeItPowersOff)
{
    for (int nSave : {IDCANCEL, (int)CVornGUIView::kPromptNotSaved}) {
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd;
        ModifyConfiguration();
        AttachStandin("");
        g_pView->SetNoWarnPowerOff(false);
        std::string strAsked;
        vorntest::DialogDriver driver([&](HWND h) {
            bool bPowerOff = vorntest::DialogTexts(h).find("Vornamic is still running!") != std::string::npos;
            strAsked += (g_pView && g_pView->IsEmulatorRunning() ? "while it runs#" : "after#");
            ::PostMessageA(h, TDM_CLICK_BUTTON, bPowerOff ? IDYES : nSave, 0);
            return true;
        });
        pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);
        EXPECT_EQ(pFrame->m_answeredConfig.has_value(), nSave != IDCANCEL) << "powering off to close";
        if (nSave == IDCANCEL)
            g_pView->PowerOff();
        EXPECT_TRUE(PumpUntil([&] { return nSave == IDCANCEL ? !g_pView->IsEmulatorRunning() : !::IsWindow(hFrame); }));
        EXPECT_EQ(strAsked, "while it runs#while it runs#");
    }
}

// A question of the main window (the watchdog's) answered over another
// modal window of it (the About box) leaves it disabled under that window.
TEST_F(FrameFixture, MainWindowStaysDisabledWhileAModalWindowOfItRemains)
{
    OpenFrame();
    AttachStandin("");
    std::string strSeen = "no About box";
    vorntest::DialogDriver driver([&](HWND hAbout) {
        vorntest::DialogDriver wait([&](HWND) {
            HWND hQuestion = vorntest::OtherDialog(hAbout);
            return !hQuestion || !::PostMessageA(hQuestion, TDM_CLICK_BUTTON, kWatchdogButtonWait, 0);
        });
        g_pView->SendMessage(WM_TIMER, kTimerShutdownWatchdog);
        strSeen = wait.SawDialog() && !::IsWindowEnabled(pFrame->m_hWnd) ? "disabled" : "enabled or not asked";
        ::PostMessageA(hAbout, WM_COMMAND, IDOK, 0);
        return false;
    });
    pFrame->SendMessage(WM_COMMAND, ID_APP_ABOUT);
    EXPECT_EQ(strSeen, "disabled");
    g_pView->PowerOff();
    EXPECT_TRUE(PumpUntil([&] { return !g_pView->IsEmulatorRunning(); }));
}

// The log on the system's always full device (File > Exit with the emulator
// running), or in a folder made only before the close: the close tells once
// what was not written and where, or writes it with the marker after it
// (and the note that logging resumed); the program ends.
TEST_F(FrameFixture, ACloseWithAFailingLogTellsItOnceAndEnds)
{
    for (std::string strLog : {std::string("Z:\\dev\\full"), dir.Path("later\\console.log")}) {
        SCOPED_TRACE(strLog);
        bool bFull = strLog[0] == 'Z';
        ProfileWriteInt("Logging", "LogOption", 1);  // the start-up asks for no file
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd;
        CVornGUIDoc* pDoc = g_pView->GetDocument();
        pDoc->SetPathName(strLog.c_str(), FALSE);
        ASSERT_TRUE(pDoc->SetLogOption(0, 1, "console.log"));
        std::string strTold;
        vorntest::DialogDriver driver([&](HWND h) { return !(strTold += AnswerNo(h) + "#").empty(); });
        g_pView->AddMessage("ZQC00001I one", false);
        std::string strLines = pDoc->GetLine(0).str() + "\r\n" + pDoc->GetLine(1).str() + "\r\n";
        strTold.clear();
        bFull ? AttachStandin("") : (void)::CreateDirectoryA(dir.Path("later").c_str(), nullptr);
        g_pView->SetNoWarnPowerOff(true);
        pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the end";
        pFrame = nullptr;
        std::string strText = ReadText(strLog), strMarker = "\r\n\r\n" + std::string(kLogRingMarkerLine);
        EXPECT_EQ(strTold.find("were not written to \"" + strLog + "\".") + 1 != 0, bFull) << strTold;
        EXPECT_EQ(std::count(strTold.begin(), strTold.end(), '#'), bFull ? 1 : 0) << strTold;
        EXPECT_TRUE(bFull || (strText.compare(0, strLines.size(), strLines) == 0 &&
                              strText.find(strMarker) == strText.find(" resumed.\r\n") + 9)) << strText;
    }
}

// A close never answers for the user: at Preferences with an edit not applied
// and at the close's own power-off question it brings them to the front, the
// session's end is refused, and after the user's No nothing more is asked.
TEST_F(FrameFixture, ACloseNeverAnswersForTheUser)
{
    OpenFrame();
    HWND hFrame = pFrame->m_hWnd, hBox = nullptr;
    g_nPrevPrefPage = kPrefsExts;
    CForegroundTaker taker;
    std::string strSeen;
    int nBoxes = 0;
    vorntest::WaitingFor waiting("each box to come to the front, and the user's answers");
    vorntest::DialogDriver driver([&](HWND h) {
        if (h != hBox) {  // the user's work, then the closes
            hBox = h;
            if (++nBoxes == 1) {
                ::SetWindowTextA(FindControl(h, IDC_PREF_EXT_CONFIG), "*.vcf");
                EXPECT_TRUE(taker.Take());
                strSeen = ::SendMessageA(hFrame, WM_QUERYENDSESSION, 0, 0) ? "session: ended, " : "session: refused, ";
                strSeen += BoxState(h);
                AttachStandin("");  // not before: the session's end would power it off
            }
            strSeen += nBoxes > 2 ? "; asked again" : "";
            EXPECT_TRUE(taker.Take());
            ::PostMessageA(hFrame, WM_CLOSE, 0, 0);
        } else if (BoxState(h).find("behind") != 0) {  // the close has shown it
            strSeen += "; close: " + BoxState(h);
            ::PostMessageA(h, nBoxes == 1 ? WM_COMMAND : TDM_CLICK_BUTTON, nBoxes == 1 ? IDOK : IDNO, 0);  // the user's
        }
        return true;
    });
    pFrame->SendMessage(WM_COMMAND, ID_EDIT_PREFERENCES);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame) || (nBoxes >= 2 && !::IsWindow(hBox)); }));
    if (::IsWindow(hFrame))  // meanwhile a close that waited for the question would ask it again
        g_pView->PowerOff();
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame) || !g_pView->IsEmulatorRunning(); }));
    EXPECT_EQ(strSeen + (::IsWindow(hFrame) ? "; open" : "; ended"),
              "session: refused, front, edit kept; close: front, edit kept; close: front; open");
}

// A question whose cause has gone goes with it: the power-off question at the
// emulator's end, storing nothing. Yes to leaving then cancels Preferences, or
// says why it waits.
TEST_F(FrameFixture, AQuestionWhoseCauseHasGoneGoesWithIt)
{
    ProfileWriteInt("Options", "PowerOff", 2);  // ask whether to exit after the emulator's end
    const std::string strLeave = "Do you wish to exit the application at this time?#";
    const std::string asked[] = {  // after the power-off question; Preferences untouched; with an edit
        "", strLeave, strLeave + "VornGUI will exit once \"VornGUI Preferences\" is closed.|It holds changes that "
                                 "are not applied yet: OK applies them, Cancel drops them.#"};
    for (int nCase : {0, 1, 2}) {
        SCOPED_TRACE(nCase);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd, hFirst = nullptr, hLast = nullptr;
        AttachStandin("");
        g_nPrevPrefPage = kPrefsExts;
        std::string strAsked;
        vorntest::DialogDriver driver([&](HWND h) {
            if (!hFirst) {  // the user's work, then the emulator's end
                hFirst = h;
                if (nCase == 0)  // "Don't ask me this again"
                    ::SendMessageA(h, TDM_CLICK_VERIFICATION, TRUE, FALSE);
                if (nCase == 2)
                    ::SetWindowTextA(FindControl(h, IDC_PREF_EXT_CONFIG), "*.vcf");
                g_pView->PowerOff();
            } else if (h != hFirst && h != hLast) {  // Yes to leaving; OK to what it tells
                strAsked += vorntest::DialogTexts(hLast = h) + "#";
                ::PostMessageA(h, TDM_CLICK_BUTTON, strAsked == strLeave ? IDYES : IDOK, 0);
            } else if (h == hFirst && nCase == 2 && !strAsked.empty()) {
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);  // the user's OK, after Yes to leaving
            }
            return true;
        });
        vorntest::WaitingFor waiting("the first box to go, and the program to end");
        pFrame->SendMessage(WM_COMMAND, nCase == 0 ? ID_APP_EXIT : ID_EDIT_PREFERENCES);
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the end";
        EXPECT_EQ(strAsked, asked[nCase]);
        EXPECT_EQ(ProfileGetInt("Settings", "NoWarnPowerOff", 0), 0) << "stored by a question not answered";
        pFrame = nullptr;
    }
}

// An edit applied while the close powers the emulator off is asked about at
// its end, though the close's questions were answered before the power-off.
TEST_F(FrameFixture, AnEditAppliedWhileTheClosePowersOffIsAskedAbout)
{
    OpenFrame();
    HWND hFrame = pFrame->m_hWnd;
    AttachStandin("--do ignore-exit");
    g_pView->SetNoWarnPowerOff(true);
    std::string strAsked;
    vorntest::DialogDriver driver([&](HWND h) {
        strAsked += vorntest::DialogTexts(h).find("save your changes") != std::string::npos ? "save#" : "other#";
        ::PostMessageA(h, TDM_CLICK_BUTTON, CVornGUIView::kPromptNotSaved, 0);
        return true;
    });
    pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);  // nothing to save yet
    CVornConfigFile cfg = g_pView->GetConfig();
    cfg.m_strDescription = "changed while powering off";
    g_pView->ApplyEditedConfiguration(cfg);
    g_pView->GetEmulator()->Kill(false);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the end after the emulator's";
    EXPECT_EQ(strAsked, "save#");
    pFrame = nullptr;
}

// A close under way, powering the emulator off, asks nothing more and keeps
// its wait: a second close or the session's end tells the emulator nothing.
TEST_F(FrameFixture, ASecondCloseWhilePoweringOffAsksNothingMore)
{
    OpenFrame();
    HWND hFrame = pFrame->m_hWnd, hLast = nullptr;
    std::string strRecord = dir.Path("emulator.txt");
    AttachStandin("--do ignore-exit --record \"" + strRecord + "\"");
    int nAsked = 0;
    vorntest::DialogDriver yes([&](HWND h) {
        if (h != hLast)
            hLast = h, ++nAsked, ::PostMessageA(h, TDM_CLICK_BUTTON, IDYES, 0);
        return true;
    });
    pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(::SendMessageA(hFrame, WM_QUERYENDSESSION, 0, 0), FALSE);
    g_pView->SendVornCommand("devlist");  // it reaches the emulator after every command before it
    ASSERT_TRUE(PumpUntil([&] { return ReadText(strRecord).find("devlist") != std::string::npos; }));
    std::string strSent = ReadText(strRecord);
    EXPECT_EQ(nAsked, 1) << "power-off questions";
    EXPECT_EQ(strSent.find("exit\n"), strSent.rfind("exit\n")) << strSent;
    g_pView->GetEmulator()->Kill(false);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the end after the emulator's";
    pFrame = nullptr;
}

// The emulator's end under the close's save question (it had agreed to the
// power-off) leaves the close to the user's answer: nothing more is asked
// (not whether to exit), and a Cancel keeps the program.
TEST_F(FrameFixture, TheEmulatorsEndUnderTheClosesSaveQuestionLeavesItToTheUser)
{
    ProfileWriteInt("Options", "PowerOff", 2);  // ask whether to exit after the emulator's end
    for (int nSave : {(int)CVornGUIView::kPromptNotSaved, IDCANCEL}) {
        SCOPED_TRACE(nSave);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd, hLast = nullptr;
        ModifyConfiguration();
        AttachStandin("");
        g_pView->SetNoWarnPowerOff(false);
        std::string strAsked;
        bool bKilled = false;
        vorntest::DialogDriver driver([&](HWND h) {
            std::string strTexts = vorntest::DialogTexts(h);
            bool bSave = strTexts.find("save your changes") != std::string::npos;
            if (h != hLast)
                strAsked += (bSave ? "save" : strTexts.substr(0, strTexts.find('|'))) + "#";
            hLast = h;
            if (!bSave)
                ::PostMessageA(h, TDM_CLICK_BUTTON, IDYES, 0);
            else if (!bKilled)
                bKilled = true, g_pView->GetEmulator()->Kill(false);
            else if (!g_pView->IsEmulatorRunning())  // the user's answer after the end
                ::PostMessageA(h, TDM_CLICK_BUTTON, nSave, 0);
            return true;
        });
        pFrame->SendMessage(WM_COMMAND, ID_APP_EXIT);
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame) || !g_pView->IsEmulatorRunning(); }));
        EXPECT_EQ(strAsked + (::IsWindow(hFrame) ? "open" : "ended"),
                  std::string("Vornamic is still running!#save#") + (nSave == IDCANCEL ? "open" : "ended"));
        if (!::IsWindow(hFrame))
            pFrame = nullptr;
    }
}

// As taskkill without /F and the system's end task close a program: WM_CLOSE
// posted to every top-level window of its process, shown or not (not hSkip).
BOOL CALLBACK PostCloseToWindowOfProcess(HWND h, LPARAM lpSkip)
{
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(h, &dwProcess);
    if (dwProcess == ::GetCurrentProcessId() && h != (HWND)lpSkip)
        ::PostMessageA(h, WM_CLOSE, 0, 0);
    return TRUE;
}

// "At Shutdown" logging: a close by any route asks whether to save the console
// messages no file holds; Save writes them all, Cancel keeps everything.
TEST_F(FrameFixture, ACloseAsksToSaveTheConsoleLogKeptInMemoryOnly)
{
    const struct {
        UINT nMsg;  // WM_QUERYENDSESSION: the end of the session
        WPARAM wp;
        bool bEmulator;
        int nAnswer;
        const char* pszEnd;
    } cases[] = {
        {WM_COMMAND, ID_APP_EXIT, false, IDYES, "saved, ended"},
        {WM_SYSCOMMAND, SC_CLOSE, false, IDNO, "ended"},
        {WM_CLOSE, 0, false, IDCANCEL, "open"},
        {WM_QUERYENDSESSION, 0, false, IDYES, "saved, ended"},
        {WM_QUERYENDSESSION, 0, false, IDCANCEL, "open"},
        {WM_COMMAND, ID_APP_EXIT, true, IDCANCEL, "open, emulator on"},
        {WM_COMMAND, ID_APP_EXIT, true, IDNO, "ended"},
    };
    bConsoleLogNamed = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.nMsg << ", emulator " << c.bEmulator << ", answer " << c.nAnswer);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd, hQuestion = nullptr;
        if (c.bEmulator)
            AttachStandin(""), g_pView->SetNoWarnPowerOff(true);
        g_pView->AddMessage("ZQC00001I a message kept in memory only", false);
        CVornGUIDoc* pDoc = g_pView->GetDocument();
        INT_PTR nLines = pDoc->GetLineCount();
        std::string strFolder = g_pView->GetLogFilesDir().str(), strAsked, strProposed, strLines;
        vorntest::WaitingFor waiting("the question, the file dialog after Save, and the end");
        vorntest::DialogDriver driver([&](HWND h) {
            if (!hQuestion) {
                strAsked = vorntest::DialogTexts(hQuestion = h);
                for (INT_PTR i = -1; i < nLines; ++i)  // as a save writes them: the header, every line
                    strLines += (i < 0 ? pDoc->GetHeaderText() : pDoc->GetLine(i)).str() + "\r\n";
                ::PostMessageA(h, TDM_CLICK_BUTTON, c.nAnswer, 0);
            } else if (h != hQuestion && strProposed.empty()) {  // Save's file dialog
                strProposed = vorntest::TakeProposedFile(h);
            }
            return true;
        });
        if (c.nMsg != WM_QUERYENDSESSION)
            ::PostMessageA(hFrame, c.nMsg, c.wp, 0);
        else if (::SendMessageA(hFrame, WM_QUERYENDSESSION, 0, 0))
            ::SendMessageA(hFrame, WM_ENDSESSION, TRUE, 0);
        // Cancel: the close has returned in the message that ended the question.
        bool bCancel = c.nAnswer == IDCANCEL;
        EXPECT_TRUE(PumpUntil([&] { return bCancel ? hQuestion && !::IsWindow(hQuestion) : !FrameAlive(); }));
        bool bOpen = FrameAlive();
        std::string strEnd = std::string(strProposed.empty() ? "" : "saved, ") +
                             (!bOpen ? "ended" : pDoc->GetLineCount() < nLines ? "open, lines lost" : "open") +
                             (bOpen && g_pView->IsEmulatorRunning() ? ", emulator on" : "");
        EXPECT_EQ(strEnd, c.pszEnd);
        EXPECT_EQ(strAsked.find("Do you want to save the console log?|Its " + std::to_string(nLines) + " message"), 0u)
            << strAsked;
        if (!strProposed.empty()) {
            EXPECT_EQ(strProposed, strFolder.substr(0, strFolder.size() - 1) + "|Vornamic Logfile.txt");
            EXPECT_EQ(ReadText(strFolder + "Vornamic Logfile.txt"), strLines);
            ::DeleteFileA((strFolder + "Vornamic Logfile.txt").c_str());
        }
        if (bOpen) {
            g_pView->PowerOff();
            EXPECT_TRUE(PumpUntil([&] { return !g_pView->IsEmulatorRunning(); }));
            pFrame->DestroyWindow();
        }
        pFrame = nullptr;
    }
}

// Another program's close, posted to every window, drops nothing the user did:
// a dialog with an edit not applied comes to the front and waits (an untouched
// one goes); utilities run to their end, the close's box going with the last.
TEST_F(FrameFixture, AnotherProgramsCloseDropsNothingTheUserDid)
{
    const struct {
        UINT nCmd;                       // opens it (0: two utilities run, the configuration modified)
        std::function<bool(HWND)> work;  // the user's work in it, true once it shows there
        const char* pszSeen;
    } cases[] = {
        {ID_EDIT_PREFERENCES, nullptr, "cancelled; ended"},
        {ID_EDIT_PREFERENCES, [](HWND h) { return ::SetWindowTextA(FindControl(h, IDC_PREF_EXT_CONFIG), "*.vcf"); },
         "front, edit kept; ended"},
        {ID_CONFIGURE_SETTINGS, [](HWND h) {
             ::SetWindowTextA(FindControl(h, IDC_PROCS_SERIAL), "0A1B2C");  // its page shows once made
             return ::IsWindowEnabled(::GetDlgItem(h, ID_APPLY_NOW)) != FALSE;
         }, "front, edit kept; ended"},
        {0, nullptr, "utilities box; save, none runs, box gone; ended"},
    };
    g_nPrevPrefPage = kPrefsExts;
    CForegroundTaker taker;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszSeen);
        OpenFrame();
        HWND hFrame = pFrame->m_hWnd, hWindow = nullptr;
        std::string strSeen = c.nCmd ? "cancelled" : "";
        vorntest::WaitingFor waiting("the user's work to show, the close to show the window, and the end");
        vorntest::DialogDriver driver([&](HWND h) {
            std::string strTexts = vorntest::DialogTexts(h);
            if (!c.nCmd && h != hWindow && strTexts.find("utilities are still active.") != std::string::npos) {
                strSeen += "utilities box; ";
                hWindow = h;
            } else if (!c.nCmd && h != hWindow && strTexts.find("save your changes") != std::string::npos) {
                strSeen += std::string("save, ") + (g_pView->IsUtilityRunning() ? "a utility runs" : "none runs") +
                           (::IsWindow(hWindow) ? ", box shows" : ", box gone");
                ::PostMessageA(hWindow = h, TDM_CLICK_BUTTON, CVornGUIView::kPromptNotSaved, 0);
            } else if (c.nCmd && !hWindow && (!c.work || c.work(h))) {
                EXPECT_TRUE(taker.Take());
                ::EnumWindows(PostCloseToWindowOfProcess, (LPARAM)taker.h);
                hWindow = h;
            } else if (c.nCmd && h == hWindow && BoxState(h).find("front") == 0) {  // the close has shown it
                strSeen = BoxState(h);
                ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);  // the user's
                return false;
            }
            return true;
        });
        if (c.nCmd) {
            pFrame->SendMessage(WM_COMMAND, c.nCmd);
        } else {
            ModifyConfiguration();
            for (const char* pszRun : {"vornutil.exe --do \"sleep 300\"", "vornutil.exe --do \"sleep 1500\""})
                ASSERT_NE(g_pView->RunUtility(pszRun, kUtilVolMake, nullptr, "Sleep", 0), nullptr);
            ::EnumWindows(PostCloseToWindowOfProcess, (LPARAM)taker.h);
        }
        EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hFrame); })) << "the program's end after the window's";
        EXPECT_EQ(strSeen + (::IsWindow(hFrame) ? "; open" : "; ended"), c.pszSeen);
        std::string strLog = ReadText(dir.Path("console.log"));
        EXPECT_TRUE(c.nCmd || strLog.find("Sleep ended; rc=0\r\n") != strLog.rfind("Sleep ended; rc=0\r\n")) << strLog;
        pFrame = nullptr;
    }
}

}  // namespace
