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

// Powers the emulator off and closes the program; true once it has ended.
bool PowerOffAndClose(vorntest::ChildProcess& app, HWND hMain, const std::string& strLogs)
{
    ::PostMessageA(hMain, WM_COMMAND, ID_OPS_POWER_OFF, 0);
    if (!WaitForLog(strLogs, "Vornamic ended; rc=0", app.Pid()))
        return false;
    ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    return app.Wait(20000) == 0;
}

// The commands the emulator stand-in echoed into the console log, in order:
// its lines "hh:mm:ss.mmm 0x<pid> <text>" other than its own messages
// ("ZQC...").
std::vector<std::string> EchoedCommands(const std::string& strLog)
{
    std::vector<std::string> commands;
    std::istringstream in(strLog);
    for (std::string strLine; std::getline(in, strLine);) {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        const size_t nText = 24;
        if (strLine.size() > nText && strLine.compare(12, 3, " 0x") == 0 && strLine[nText - 1] == ' ' &&
            strLine.compare(nText, 3, "ZQC") != 0)
            commands.push_back(strLine.substr(nText));
    }
    return commands;
}

// The Linux path of a Windows one (Wine's own function), empty when there
// is none.
std::string LinuxPath(const std::string& strPath)
{
    typedef char*(CDECL * UnixNameProc)(const WCHAR*);
    auto pfnUnixName = (UnixNameProc)(void*)::GetProcAddress(::GetModuleHandleA("kernel32.dll"),
                                                              "wine_get_unix_file_name");
    std::wstring strWide(strPath.begin(), strPath.end());
    char* pszUnix = pfnUnixName ? pfnUnixName(strWide.c_str()) : nullptr;
    std::string strUnix = pszUnix ? pszUnix : "";
    if (pszUnix)
        ::HeapFree(::GetProcessHeap(), 0, pszUnix);
    return strUnix;
}

// Whether the thread of hWnd runs a loop of the system's: a menu's
// (GUI_INMENUMODE) or a window's move (GUI_INMOVESIZE).
bool InSystemLoop(HWND hWnd, DWORD dwFlag)
{
    GUITHREADINFO info = {sizeof info};
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(hWnd, nullptr), &info) && (info.flags & dwFlag);
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
    EXPECT_TRUE(PowerOffAndClose(app, hMain, logs));
}

// A user types a command on the display from the moment the main window
// shows, while the emulator (powering on at start) is not ready yet: every
// key reaches the command line, in order, and the line goes whole once the
// emulator is ready. The splash screen, still up, takes none of them.
TEST(Demo, KeysTypedAsTheMainWindowShowsGoAsOneWholeCommand)
{
    for (int nRun = 0; nRun < 3; ++nRun) {
        SCOPED_TRACE(nRun);
        TempDir dir;
        std::string logs = dir.Folder() + "demo\\logs\\";
        std::string strReport = dir.Path("typed.txt");
        vorntest::ChildProcess typist, app;
        ASSERT_TRUE(typist.Start("xkeys", "VornGUI \"attach 0900 3270\" \"" + LinuxPath(strReport) + "\""));
        HWND hMain = nullptr;
        ASSERT_TRUE(StartOnDemo(dir, app, hMain));
        ASSERT_TRUE(vorntest::PollFor([&] { return !ReadBytes(strReport).empty(); }, 30000, "xkeys to type"));
        ASSERT_EQ(ReadBytes(strReport), "typed");
        std::vector<std::string> commands;
        EXPECT_TRUE(vorntest::PollFor([&] { return !(commands = EchoedCommands(FolderText(logs))).empty(); }, 20000,
                                      "a command in the console log"))
            << FolderText(logs);
        EXPECT_EQ(commands, std::vector<std::string>{"attach 0900 3270"}) << FolderText(logs);
        EXPECT_TRUE(PowerOffAndClose(app, hMain, logs));
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
