// DemoRunTest.cpp: VornGUI.exe started on a freshly prepared demonstration,
// as tools/run.sh starts it, opens the sample configuration and powers on at
// once without asking anything; the console (its log file) shows the start
// of the emulator stand-in, which plays the emulator under its name, and
// Power Off ends it.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
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

struct SQuestion {
    DWORD dwPid;
    std::string strText;
};

BOOL CALLBACK FindQuestion(HWND hWnd, LPARAM lParam)
{
    SQuestion* p = (SQuestion*)lParam;
    DWORD dwPid = 0;
    ::GetWindowThreadProcessId(hWnd, &dwPid);
    char szClass[16] = {};
    ::GetClassNameA(hWnd, szClass, sizeof szClass);
    if (dwPid != p->dwPid || !::IsWindowVisible(hWnd) || std::string(szClass) != "#32770")
        return TRUE;
    char szText[512] = {};
    ::GetWindowTextA(hWnd, szText, sizeof szText);
    p->strText = std::string("a window \"") + szText + "\"";
    return FALSE;
}

// The caption of a dialog or message box the process shows; empty when none.
std::string ShownQuestion(DWORD dwPid)
{
    SQuestion question{dwPid, std::string()};
    ::EnumWindows(FindQuestion, (LPARAM)&question);
    return question.strText;
}

// Waits until the log folder holds the text, failing at once when the
// program shows a question instead.
bool WaitForLog(const std::string& strLogs, const std::string& strText, DWORD dwPid)
{
    std::string strWhat = "the console log to show " + strText;
    vorntest::WaitingFor waiting(strWhat.c_str());
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 30000; ::Sleep(50)) {
        if (FolderText(strLogs).find(strText) != std::string::npos)
            return true;
        std::string strQuestion = ShownQuestion(dwPid);
        if (!strQuestion.empty()) {
            ADD_FAILURE() << "VornGUI asked: " << strQuestion;
            return false;
        }
    }
    ADD_FAILURE() << "no \"" << strText << "\" in the log:\n" << FolderText(strLogs);
    return false;
}

}  // namespace

TEST(Demo, StartedOnThePreparedFolderPowersOnAskingNothingAndShowsTheStandinsLines)
{
    TempDir dir;
    std::string root = dir.Folder() + "demo", logs = root + "\\logs\\";
    std::vector<std::string> args;
    std::string strError;
    ASSERT_TRUE(PrepareDemo({root, vorntest::ProgramDir(), ""}, args, strError)) << strError;
    std::string strArgs;
    for (const std::string& strArg : args)
        strArgs += (strArgs.empty() ? "\"" : " \"") + strArg + "\"";

    vorntest::ChildProcess app;
    ASSERT_TRUE(app.Start("VornGUI.exe", strArgs));
    HWND hMain = vorntest::WaitForWindow("VornGUIMainFrame", 20000);
    ASSERT_NE(hMain, nullptr);
    ASSERT_TRUE(WaitForLog(logs, "ZQCST003I CP00 stopped: IPL a device to start it", app.Pid()));
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
