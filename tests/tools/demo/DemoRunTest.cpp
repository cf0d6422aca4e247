// DemoRunTest.cpp: VornGUI.exe started on a freshly prepared demonstration,
// as tools/run.sh starts it, opens the sample configuration and powers on at
// once without asking anything; the console (its log file) shows the start
// of the emulator stand-in, which plays the emulator under its name, and
// Power Off ends it. A close that comes while the user moves the main window
// or holds a menu open ends the program all the same.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "platform/AfxIds.h"
#include "resources/resource.h"
#include "tests/config/TempFile.h"
#include "tests/support/HangWatch.h"
#include "tests/support/WinTestUtil.h"
#include "tools/demo/DemoPreparation.h"

namespace {

// The text of every file in the folder, one after the other.
std::string FolderText(const std::string& strFolder)
{
    std::string text;
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((strFolder + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return text;
    do {
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        std::ifstream in(strFolder + fd.cFileName, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        text += s.str();
    } while (::FindNextFileA(h, &fd));
    ::FindClose(h);
    return text;
}

// A dialog or message box the process shows; null when none.
HWND ShownDialog(DWORD dwPid)
{
    return vorntest::ShownWindowOf(dwPid, "#32770");
}

// The caption of the dialog the process shows; empty when none.
std::string ShownQuestion(DWORD dwPid)
{
    HWND hDlg = ShownDialog(dwPid);
    char szText[512] = {};
    if (hDlg)
        ::GetWindowTextA(hDlg, szText, sizeof szText);
    return hDlg ? std::string("a window \"") + szText + "\"" : std::string();
}

// A window of the process and class, waited for; null after the time-out.
HWND WaitForShownWindow(DWORD dwPid, const char* pszClass)
{
    std::string strWhat = std::string("a window of VornGUI.exe of the class ") + pszClass;
    HWND hWnd = nullptr;
    vorntest::PollFor([&] { return (hWnd = vorntest::ShownWindowOf(dwPid, pszClass)) != nullptr; }, 20000,
                      strWhat.c_str());
    return hWnd;
}

// Presses a dialog's OK; true once the dialog has gone.
bool PressOk(HWND hDlg)
{
    ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
    return vorntest::PollFor([&] { return !::IsWindow(hDlg); }, 20000, "the dialog to close");
}

// Waits until the log folder holds the text, failing at once when the
// program shows a question (a dialog) instead, unless bDialogsAllowed: a
// utility's progress window is a dialog too.
bool WaitForLog(const std::string& strLogs, const std::string& strText, DWORD dwPid, bool bDialogsAllowed = false)
{
    std::string strWhat = "the console log to show " + strText;
    vorntest::WaitingFor waiting(strWhat.c_str());
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 30000; ::Sleep(50)) {
        if (FolderText(strLogs).find(strText) != std::string::npos)
            return true;
        std::string strQuestion = bDialogsAllowed ? std::string() : ShownQuestion(dwPid);
        if (!strQuestion.empty()) {
            ADD_FAILURE() << "VornGUI asked: " << strQuestion;
            return false;
        }
    }
    ADD_FAILURE() << "no \"" << strText << "\" in the log:\n" << FolderText(strLogs);
    return false;
}

// Starts VornGUI.exe on a demonstration in a temporary folder, with the
// "Options" "PowerOff" choice given; the log shows the stand-in's start;
// true when it has. Without bPowerOn it starts without the configuration,
// and no emulator runs.
bool StartOnDemo(const TempDir& dir, vorntest::ChildProcess& app, HWND& hMain, bool bPowerOn = true,
                 const char* pszPowerOff = "0")
{
    std::vector<std::string> args;
    std::string strError;
    EXPECT_TRUE(PrepareDemo({dir.Folder() + "demo", vorntest::ProgramDir(), ""}, args, strError)) << strError;
    ::WritePrivateProfileStringA("Options", "PowerOff", pszPowerOff, args[1].c_str());
    std::string strArgs;
    for (size_t i = 0; i < (bPowerOn ? args.size() : 2); ++i)
        strArgs += (strArgs.empty() ? "\"" : " \"") + args[i] + "\"";
    if (!app.Start("VornGUI.exe", strArgs))
        return false;
    hMain = WaitForShownWindow(app.Pid(), "VornGUIMainFrame");
    return hMain && (!bPowerOn || WaitForLog(dir.Folder() + "demo\\logs\\", "ZQCST003I", app.Pid()));
}

// Whether the thread of hWnd runs a loop of the system's: a menu's
// (GUI_INMENUMODE) or a window's move (GUI_INMOVESIZE).
bool InSystemLoop(HWND hWnd, DWORD dwFlag)
{
    GUITHREADINFO info = {sizeof info};
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(hWnd, nullptr), &info) && (info.flags & dwFlag);
}

// A first run without the configuration shows the Display/Alter Storage,
// System Status and register bars beside the default ones, floats some
// (bFloat), and its close saves that layout.
bool SaveLayoutOnDemo(const TempDir& dir, bool bFloat)
{
    vorntest::ChildProcess app;
    HWND hMain = nullptr;
    if (!StartOnDemo(dir, app, hMain, false))
        return false;
    for (UINT nCmd : {ID_VIEW_STORAGE_BAR, ID_VIEW_STATUSLINE_BAR, ID_VIEW_GREGS_BAR, ID_VIEW_CREGS_BAR})
        ::PostMessageA(hMain, WM_COMMAND, nCmd, 0);
    if (bFloat)
        for (UINT nCmd : {ID_FLOAT_STORAGE_BAR, ID_FLOAT_DEVLIST_BAR, ID_FLOAT_CPUPCT_BAR, ID_FLOAT_GREGS_BAR})
            ::PostMessageA(hMain, WM_COMMAND, nCmd, 0);
    ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    return app.Wait(20000) == 0;
}

const int kBarCount = 14;  // the main window's

// What a start shows: the splash (topmost), a frame "Display/Alter Storage"
// of its own, and how many dialogs the bars have made.
struct SStartState {
    DWORD dwPid;
    bool bSplash, bFloatingStorage;
    int nBarDialogs;
};

BOOL CALLBACK LookAtStart(HWND hWnd, LPARAM lp)
{
    SStartState& state = *(SStartState*)lp;
    char szClass[16] = "", szParent[16] = "", szText[64] = "";
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) {  // inside a window of the process
        ::GetClassNameA(::GetParent(hWnd), szParent, sizeof szParent);
        state.nBarDialogs += !strcmp(szClass, "#32770") && strcmp(szParent, "#32770");
        return TRUE;
    }
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    ::GetWindowTextA(hWnd, szText, sizeof szText);
    bool bShown = dwPid == state.dwPid && ::IsWindowVisible(hWnd);
    state.bSplash |= bShown && (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
    state.bFloatingStorage |= bShown && !strcmp(szText, "Display/Alter Storage");
    if (dwPid == state.dwPid)
        ::EnumChildWindows(hWnd, LookAtStart, lp);
    return TRUE;
}

SStartState StartState(DWORD dwPid)
{
    SStartState state = {dwPid, false, false, 0};
    ::EnumWindows(LookAtStart, (LPARAM)&state);
    return state;
}

GUITHREADINFO ThreadInfoOf(HWND hWnd)
{
    GUITHREADINFO info = {sizeof info};
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(hWnd, nullptr), &info);
    return info;
}

}  // namespace

TEST(Demo, StartedOnThePreparedFolderPowersOnAskingNothingAndShowsTheStandinsLines)
{
    TempDir dir;
    std::string root = dir.Folder() + "demo", logs = root + "\\logs\\";
    vorntest::ChildProcess app;
    HWND hMain = nullptr;
    ASSERT_TRUE(StartOnDemo(dir, app, hMain));
    std::string log = FolderText(logs);
    EXPECT_NE(log.find("Command line to execute = " + root + "\\exe\\Vornamic.exe -f " + root +
                       "\\config\\vornamic.cnf EXTERNALGUI"),
              std::string::npos)
        << log;
    EXPECT_NE(log.find("ZQCST001I Vornamic emulator stand-in, version 4.7: it runs no guest system"),
              std::string::npos);
    EXPECT_NE(log.find("ZQCST002I Configuration file \"" + root + "\\config\\vornamic.cnf\": 13 devices"),
              std::string::npos)
        << log;
    EXPECT_EQ(ShownQuestion(app.Pid()), "");

    ::PostMessageA(hMain, WM_COMMAND, ID_OPS_POWER_OFF, 0);
    ASSERT_TRUE(WaitForLog(logs, "Vornamic ended; rc=0", app.Pid()));
    ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Wait(20000), 0);
}

// Keys typed on the display from the moment the main window shows, the
// emulator not ready yet, go once as one whole command (the splash screen
// took the first of them, and the rest went as a command), with saved layouts
// that show more bars too, docked or floating; the main window stays active,
// and once the start is over, left alone, the console has the keyboard.
TEST(Demo, KeysTypedAsTheMainWindowShowsGoAsOneWholeCommand)
{
    const char* layouts[] = {"the default layout", "a saved one, bars docked", "a saved one, bars floating"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(layouts[i]);
        TempDir dir;
        ASSERT_TRUE(i == 0 || SaveLayoutOnDemo(dir, i == 2));
        std::string logs = dir.Folder() + "demo\\logs\\";
        vorntest::ChildProcess typist, app;
        char szCwd[MAX_PATH] = "";
        ::GetCurrentDirectoryA(MAX_PATH, szCwd);
        ::SetCurrentDirectoryA(dir.Folder().c_str());  // where xkeys reports
        bool bTypist = typist.Start("xkeys", "VornGUI \"attach 0900 3270\"");
        ::SetCurrentDirectoryA(szCwd);
        HWND hMain = nullptr;
        ASSERT_TRUE(bTypist && StartOnDemo(dir, app, hMain));
        ASSERT_TRUE(vorntest::PollFor([&] { return !ReadBytes(dir.Path("xkeys.txt")).empty(); }, 30000, "xkeys to type"));
        ASSERT_EQ(ReadBytes(dir.Path("xkeys.txt")), "typed");
        ASSERT_TRUE(WaitForLog(logs, " attach 0900 3270\r\n", app.Pid()));
        EXPECT_EQ(ThreadInfoOf(hMain).hwndActive, hMain);
        ::PostMessageA(hMain, WM_COMMAND, ID_OPS_POWER_OFF, 0);
        ASSERT_TRUE(WaitForLog(logs, "Vornamic ended; rc=0", app.Pid()));
        std::string log = FolderText(logs);
        EXPECT_EQ(log.find(" attach 0900 3270\r\n"), log.rfind(" attach 0900 3270\r\n")) << log;  // once
        EXPECT_EQ(log.find("3270\r\n"), log.find(" attach 0900 3270\r\n") + sizeof "attach 0900 ") << log;  // whole
        ::PostMessageA(hMain, WM_CLOSE, 0, 0);
        ASSERT_EQ(app.Wait(20000), 0);

        vorntest::ChildProcess idle;
        ASSERT_TRUE(StartOnDemo(dir, idle, hMain, false));
        SStartState state{};
        ASSERT_TRUE(vorntest::PollFor([&] {
            state = StartState(idle.Pid());
            return !state.bSplash && state.nBarDialogs == kBarCount;
        }, 20000, "the splash to go and every bar's dialog"));
        EXPECT_EQ(state.bFloatingStorage, i == 2);
        EXPECT_EQ(ThreadInfoOf(hMain).hwndActive, hMain);
        EXPECT_EQ(::GetDlgCtrlID(ThreadInfoOf(hMain).hwndFocus), AFX_IDW_PANE_FIRST) << "the console has the keyboard";
        ::PostMessageA(hMain, WM_CLOSE, 0, 0);
        EXPECT_EQ(idle.Wait(20000), 0);
    }
}

// A question at start is never under the splash screen (topmost): the first
// start's, for the executables folder, and the log numbering one of a start
// whose log folder holds a numbered log beyond the current number.
TEST(Demo, QuestionsAtStartAreNeverUnderTheSplash)
{
    for (const char* pszQuestion : {"VornGUI", " Logfile Numbering"}) {
        SCOPED_TRACE(pszQuestion);
        TempDir dir;
        std::vector<std::string> args = {"-i", dir.Path("fresh.ini")};
        std::string strError;
        if (strcmp(pszQuestion, "VornGUI")) {
            ASSERT_TRUE(PrepareDemo({dir.Folder() + "demo", vorntest::ProgramDir(), ""}, args, strError)) << strError;
            ::WritePrivateProfileSectionA("Logging", "LogOption=2\0BaseFilename=vorn.log\0CurFileNum=2\0MaxFileNum=9\0",
                                          args[1].c_str());
            std::ofstream(dir.Folder() + "demo\\logs\\vorn.007.log") << "ZQC00001I\r\n";
        }
        vorntest::ChildProcess app;
        ASSERT_TRUE(app.Start("VornGUI.exe", "-i \"" + args[1] + "\""));
        HWND hQuestion = WaitForShownWindow(app.Pid(), "#32770");
        // Its thread has shown it whole once it answers.
        ASSERT_TRUE(hQuestion && ::SendMessageTimeoutA(hQuestion, WM_NULL, 0, 0, SMTO_NORMAL, 20000, nullptr));
        EXPECT_EQ(ShownQuestion(app.Pid()), std::string("a window \"") + pszQuestion + "\"");
        EXPECT_FALSE(StartState(app.Pid()).bSplash) << "the question is under the splash";
    }
}

// The close comes while the user moves the main window (the caption held,
// or Alt+Space, M) or holds a menu open: from another program, from the
// emulator's end with "power off and exit automatically", from the system
// ending the session. The program ends each time.
TEST(Demo, CloseDuringAMoveOrAMenuEndsTheProgram)
{
    const auto closeOf = [](HWND hMain) { ::PostMessageA(hMain, WM_CLOSE, 0, 0); };
    const auto emulatorEnd = [](HWND hMain) { ::PostMessageA(hMain, WM_COMMAND, ID_OPS_POWER_OFF, 0); };
    const auto sessionEnd = [](HWND hMain) {
        DWORD_PTR nMayEnd = FALSE;
        ::SendMessageTimeoutA(hMain, WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, 20000, &nMayEnd);
        EXPECT_EQ(nMayEnd, (DWORD_PTR)TRUE);
        ::SendMessageTimeoutA(hMain, WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, 20000, nullptr);
    };
    const struct {
        const char* pszCase;
        bool bEmulator;
        WPARAM nLoop;  // SC_MOVE, or SC_KEYMENU with the File menu's key
        std::function<void(HWND)> close;
    } cases[] = {
        {"a move, another program's close", false, SC_MOVE, closeOf},
        {"a move, the emulator's end", true, SC_MOVE, emulatorEnd},
        {"a move, the end of the session", false, SC_MOVE, sessionEnd},
        {"the File menu, the end of the session", false, SC_KEYMENU, sessionEnd},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        TempDir dir;
        vorntest::ChildProcess app;
        HWND hMain = nullptr;
        ASSERT_TRUE(StartOnDemo(dir, app, hMain, c.bEmulator, "1"));
        DWORD dwFlag = c.nLoop == SC_MOVE ? GUI_INMOVESIZE : GUI_INMENUMODE;
        ::PostMessageA(hMain, WM_SYSCOMMAND, c.nLoop, c.nLoop == SC_MOVE ? 0 : 'f');
        ASSERT_TRUE(vorntest::PollFor([&] { return InSystemLoop(hMain, dwFlag); }, 20000, "the move or the menu"));
        c.close(hMain);
        vorntest::WaitingFor waiting("VornGUI.exe to end");
        EXPECT_EQ(app.Wait(15000), 0) << "VornGUI.exe ended";
    }
}

// The demonstration after an IPL and a utility run, for a picture:
//   tools/screenshot -d 10 build/win32/bin/demo_tests.exe
//       --gtest_filter=Demo.DISABLED_ShowForPicture
// It waits then until VornGUI.exe asks (the close's question) or ends.
TEST(Demo, DISABLED_ShowForPicture)
{
    TempDir dir;
    std::string logs = dir.Folder() + "demo\\logs\\";
    vorntest::ChildProcess app;
    HWND hMain = nullptr;
    ASSERT_TRUE(StartOnDemo(dir, app, hMain));
    ::PostMessageA(hMain, WM_COMMAND, ID_OPS_IPL, 0);
    HWND hIpl = WaitForShownWindow(app.Pid(), "#32770");
    ASSERT_NE(hIpl, nullptr);
    ASSERT_TRUE(PressOk(hIpl));
    ASSERT_TRUE(WaitForLog(logs, "ipl 0120", app.Pid()));
    ::PostMessageA(hMain, WM_COMMAND, ID_UTIL_REELINFO, 0);
    HWND hUtility = WaitForShownWindow(app.Pid(), "#32770");
    ASSERT_NE(hUtility, nullptr);
    ::SendMessageA(::GetDlgItem(hUtility, IDC_UTIL_INPUT_FILE), WM_SETTEXT, 0,
                   (LPARAM)(dir.Folder() + "demo\\tapes\\vorn80.aws").c_str());
    ASSERT_TRUE(PressOk(hUtility));
    ASSERT_TRUE(WaitForLog(logs, "REELINFO vorn80.aws ended; rc=0", app.Pid(), true));
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 60000; ::Sleep(100))
        if (!::IsWindow(hMain) || ::IsWindowEnabled(hMain) == FALSE)
            break;
}
