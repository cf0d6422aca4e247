// StartupTest.cpp: VornGUI.exe starts, shows its main window and ends
// cleanly; with "-i" its settings go to that .INI file, otherwise to the
// registry (under "-n"'s name); a wrong command line shows its message and
// the usage, and the program ends without a main window; settings that
// cannot be saved are tried once more at exit, and their loss told; the
// libraries of dialogs, sounds, the network and the crash report are not
// loaded by the start.
#include <gtest/gtest.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cctype>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/config/TempFile.h"
#include "tests/support/HangWatch.h"
#include "tests/support/WinTestUtil.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Starts VornGUI.exe, waits for its main window and closes it again.
void RunAndClose(const std::string& args)
{
    vorntest::ChildProcess app;
    ASSERT_TRUE(app.Start("VornGUI.exe", args));
    HWND hMain = vorntest::WaitForWindow("VornGUIMainFrame", 20000);
    ASSERT_NE(hMain, nullptr);
    ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Wait(20000), 0);
}

HWND WaitForOtherDialog(DWORD pid, HWND hExcept, DWORD timeoutMs)
{
    vorntest::WaitingFor waiting("a dialog of VornGUI.exe");
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        HWND hFound = vorntest::ShownWindowOf(pid, "#32770", hExcept);
        if (hFound && (!hExcept || !::IsWindow(hExcept)))
            return hFound;
        ::Sleep(50);
    }
    return nullptr;
}

// A visible top-level dialog of the process, or null.
HWND WaitForDialog(DWORD pid, DWORD timeoutMs)
{
    return WaitForOtherDialog(pid, nullptr, timeoutMs);
}

}  // namespace

TEST(Startup, MainWindowShowsAndClosesWithExitCodeZero)
{
    vorntest::ChildProcess app;
    ASSERT_TRUE(app.Start("VornGUI.exe"));
    HWND hMain = vorntest::WaitForWindow("VornGUIMainFrame", 20000);
    ASSERT_NE(hMain, nullptr);
    EXPECT_NE(::GetMenu(hMain), nullptr);
    ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Wait(20000), 0);
}

TEST(Startup, IniOptionKeepsTheSettingsInThatFile)
{
    TempDir dir;
    std::string ini = dir.Path("site.ini");
    RunAndClose("-i \"" + ini + "\"");
    std::string text = ReadFile(ini);
    EXPECT_NE(text.find("[CWindowPlacement]"), std::string::npos) << text;
    EXPECT_NE(text.find("CMainFrame="), std::string::npos);
    EXPECT_NE(text.find("[BarsState\\BarsState-Summary]"), std::string::npos);
}

TEST(Startup, WithoutIniOptionTheRegistryKeepsTheSettings)
{
    char name[64];
    snprintf(name, sizeof(name), "VornGUITest%lu", ::GetCurrentProcessId());
    std::string key = std::string("Software\\Quadrelle\\") + name;
    RunAndClose(std::string("-n ") + name);
    HKEY hKey = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER, (key + "\\CWindowPlacement").c_str(), 0, KEY_READ, &hKey),
              ERROR_SUCCESS);
    char value[256] = {};
    DWORD cb = sizeof(value);
    EXPECT_EQ(::RegQueryValueExA(hKey, "CMainFrame", nullptr, nullptr, (BYTE*)value, &cb), ERROR_SUCCESS);
    ::RegCloseKey(hKey);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
}

TEST(Startup, WrongParameterShowsItsMessageThenTheUsageAndEnds)
{
    vorntest::ChildProcess app;
    ASSERT_TRUE(app.Start("VornGUI.exe", "-x"));
    HWND hError = WaitForDialog(app.Pid(), 20000);
    ASSERT_NE(hError, nullptr);
    char text[256] = {};
    ::GetDlgItemTextA(hError, 0xFFFF, text, sizeof(text));  // the message box's text
    EXPECT_NE(strstr(text, "Unsupported flag: '-x'"), nullptr) << text;
    ::PostMessageA(hError, WM_CLOSE, 0, 0);
    // Then the usage task dialog.
    HWND hUsage = nullptr;
    for (int i = 0; i < 100 && (!hUsage || hUsage == hError); i++) {
        hUsage = WaitForDialog(app.Pid(), 200);
        if (hUsage == hError && !::IsWindow(hError))
            hUsage = nullptr;
    }
    ASSERT_NE(hUsage, nullptr);
    ::PostMessageA(hUsage, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Wait(20000), 0);
    EXPECT_EQ(::FindWindowA("VornGUIMainFrame", nullptr), nullptr);
}

namespace {

// A button event of the mouse at pt (screen): the input carries its place,
// so that a move the system reports late (the display's answer to an
// earlier place of the cursor) cannot send it elsewhere.
void SendButton(DWORD dwFlags, POINT pt)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = (LONG)((pt.x * 65536LL + cx / 2) / cx);
    in.mi.dy = (LONG)((pt.y * 65536LL + cy / 2) / cy);
    in.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ASSERT_EQ(1u, ::SendInput(1, &in, sizeof(INPUT)));
}

// A real click of the mouse at the middle of a push button of another
// process: the cursor is moved there first and seen there, with the button
// the window under it; the button is seen pushed before it is let go. Under
// Wine a press injected while the other process still settles after its
// start is now and then lost (the button, enabled, in the active window
// under the cursor, never sees it): a press not seen within a second is let
// go and made again.
void ClickButton(HWND hButton)
{
    RECT rc;
    ::GetWindowRect(hButton, &rc);
    POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
    ASSERT_TRUE(vorntest::PollFor([&] {
        ::SetCursorPos(pt.x, pt.y);
        POINT now = {};
        return ::GetCursorPos(&now) && now.x == pt.x && now.y == pt.y && ::WindowFromPoint(pt) == hButton;
    }, 5000)) << "the cursor did not come to rest on the button at " << pt.x << "," << pt.y;
    bool bPushed = false;
    for (int nPress = 0; nPress < 5 && !bPushed; ++nPress) {
        SendButton(MOUSEEVENTF_LEFTDOWN, pt);
        bPushed = vorntest::PollFor([&] {
            return (::SendMessageA(hButton, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        }, 1000);
        if (!bPushed)
            SendButton(MOUSEEVENTF_LEFTUP, pt);
    }
    ASSERT_TRUE(bPushed) << "five presses did not reach the button";
    SendButton(MOUSEEVENTF_LEFTUP, pt);
}

BOOL CALLBACK CheckTopmost(HWND h, LPARAM lp)
{
    DWORD* pPid = (DWORD*)lp;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    if (pid == *pPid && ::IsWindowVisible(h) && (::GetWindowLongA(h, GWL_EXSTYLE) & WS_EX_TOPMOST)) {
        *pPid = 0;
        return FALSE;
    }
    return TRUE;
}

// True while the process shows a topmost window (its splash screen).
bool HasTopmostWindow(DWORD pid)
{
    ::EnumWindows(CheckTopmost, (LPARAM)&pid);
    return pid == 0;
}

bool CentredOn(HWND hWnd, HWND hOwner)
{
    RECT rc, rcOwner;
    ::GetWindowRect(hWnd, &rc);
    ::GetWindowRect(hOwner, &rcOwner);
    int dx = (rc.left + rc.right) / 2 - (rcOwner.left + rcOwner.right) / 2;
    int dy = (rc.top + rc.bottom) / 2 - (rcOwner.top + rcOwner.bottom) / 2;
    return dx >= -8 && dx <= 8 && dy >= -8 && dy <= 8;
}

}  // namespace

// With no settings at all the first question is about the executables
// folder. Once the splash screen has gone, the question must still be in
// front of the main window, active, centred on it, and take a click.
TEST(Startup, FirstStartQuestionStaysActiveOverTheMainWindowAndTakesAClick)
{
    TempDir dir;
    vorntest::ChildProcess app;
    ASSERT_TRUE(app.Start("VornGUI.exe", "-i \"" + dir.Path("fresh.ini") + "\""));
    HWND hQuestion = WaitForDialog(app.Pid(), 20000);
    ASSERT_NE(hQuestion, nullptr);
    HWND hMain = vorntest::WaitForWindow("VornGUIMainFrame", 20000);
    ASSERT_NE(hMain, nullptr);
    // The splash screen (made before the question) goes on its own.
    ASSERT_TRUE(vorntest::PollFor([&] { return !HasTopmostWindow(app.Pid()); }, 20000)) << "the splash screen stayed";
    ASSERT_TRUE(::IsWindow(hQuestion));
    char title[64] = {};
    ::GetWindowTextA(hQuestion, title, sizeof title);
    EXPECT_STREQ(title, "VornGUI");
    EXPECT_EQ(::GetForegroundWindow(), hQuestion);
    EXPECT_EQ(::GetWindow(hQuestion, GW_OWNER), hMain);
    EXPECT_TRUE(CentredOn(hQuestion, hMain));

    HWND hOk = ::FindWindowExA(hQuestion, nullptr, "Button", nullptr);
    ASSERT_NE(hOk, nullptr);
    ClickButton(hOk);
    // The click reached the question: it goes, and the preferences (at their
    // Directories page) that follow open over the main window too.
    HWND hPicker = WaitForOtherDialog(app.Pid(), hQuestion, 10000);
    ASSERT_NE(hPicker, nullptr);
    EXPECT_FALSE(::IsWindow(hQuestion));
    EXPECT_TRUE(CentredOn(hPicker, hMain));
    ::PostMessageA(hPicker, WM_CLOSE, 0, 0);  // cancelled: the program ends
    EXPECT_EQ(app.Wait(20000), 0);
}


namespace {

// The text of a message box (its static 0xFFFF), or of a dialog's caption.
std::string BoxText(HWND h)
{
    char text[1024] = {};
    if (!::GetDlgItemTextA(h, 0xFFFF, text, sizeof text))
        ::GetWindowTextA(h, text, sizeof text);
    return text;
}

}  // namespace

// A settings file that cannot be written: the first failed save is told
// (during start-up here), later ones are not; at exit the unsaved settings
// get one more try, and their loss is told, naming the file.
TEST(Startup, SettingsLeftUnsavedAreTriedOnceMoreAtExitAndTheLossIsTold)
{
    TempDir dir;
    std::string strFolders;
    for (const char* pszList : {"ExecutablesFilesDirectories", "ConfigurationFilesDirectories", "LogFilesDirectories"})
        strFolders += std::string("[") + pszList + "]\r\nNumEntries=1\r\n1=" +
                      (strFolders.empty() ? vorntest::ProgramDir() : dir.Folder()) + "\r\n";
    std::string ini = dir.Write("ro.ini", "[Logging]\r\nLogOption=1\r\n" + strFolders);
    ASSERT_TRUE(::SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_READONLY));
    vorntest::ChildProcess app;
    ASSERT_TRUE(app.Start("VornGUI.exe", "-e vornemu.exe -i \"" + ini + "\""));
    std::vector<std::string> texts;
    bool bCloseSent = false;
    long nExit = -1;
    for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 60000;) {
        nExit = app.Wait(0);
        if (nExit != -1)
            break;
        if (HWND hBox = WaitForDialog(app.Pid(), 50)) {
            texts.push_back(BoxText(hBox));
            ::PostMessageA(hBox, WM_CLOSE, 0, 0);
            for (int i = 0; i < 200 && ::IsWindow(hBox); ++i)
                ::Sleep(25);
            continue;
        }
        HWND hMain = ::FindWindowA("VornGUIMainFrame", nullptr);
        if (!bCloseSent && !texts.empty() && hMain && ::IsWindowVisible(hMain)) {
            ::PostMessageA(hMain, WM_CLOSE, 0, 0);
            bCloseSent = true;
        }
    }
    ::SetFileAttributesA(ini.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(nExit, 0);
    ASSERT_EQ(texts.size(), 2u) << (texts.empty() ? "" : texts.back());
    EXPECT_NE(texts[0].find("The settings file could not be saved."), std::string::npos) << texts[0];
    EXPECT_NE(texts[1].find("The settings could not be saved at exit."), std::string::npos) << texts[1];
    EXPECT_NE(texts[1].find("\"" + ini + "\""), std::string::npos) << texts[1];
    EXPECT_NE(texts[1].find("settings changed since it was last saved are lost"), std::string::npos) << texts[1];
}

namespace {

// The lower-case names of the modules the process has loaded.
std::vector<std::string> LoadedModules(DWORD pid)
{
    std::vector<std::string> names;
    HANDLE hSnap = ::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (hSnap == INVALID_HANDLE_VALUE)
        return names;
    MODULEENTRY32 me = {};
    me.dwSize = sizeof me;
    for (BOOL b = ::Module32First(hSnap, &me); b; b = ::Module32Next(hSnap, &me)) {
        std::string name = me.szModule;
        for (char& c : name)
            c = (char)std::tolower((unsigned char)c);
        names.push_back(name);
    }
    ::CloseHandle(hSnap);
    return names;
}

}  // namespace

// A start that asks nothing leaves the DLLs loaded at their first call
// alone, the host's adapter list unread (its query loads iphlpapi) and the
// rich edit library to the dialogs that show rich edit controls.
TEST(Startup, LibrariesOfDialogsSoundsNetworkAndCrashReportWaitForTheirFirstUse)
{
    TempDir dir;
    ASSERT_TRUE(::CreateDirectoryA(dir.Path("logs").c_str(), nullptr));
    std::string ini = dir.Write("VornGUI.ini", "[ExecutablesFilesDirectories]\r\nNumEntries=1\r\n1=" +
                                                    vorntest::ProgramDir() +
                                                    "\r\n[ConfigurationFilesDirectories]\r\nNumEntries=1\r\n1=" +
                                                    dir.Folder() + "\r\n[LogFilesDirectories]\r\nNumEntries=1\r\n1=" +
                                                    dir.Path("logs\\") + "\r\n");
    vorntest::ChildProcess app;
    ASSERT_TRUE(app.Start("VornGUI.exe", "-e vornemu.exe -i \"" + ini + "\""));
    HWND hMain = vorntest::WaitForWindow("VornGUIMainFrame", 20000);
    ASSERT_NE(hMain, nullptr);
    // Once it answers, the work posted for after the show has been done.
    DWORD_PTR r = 0;
    ASSERT_TRUE(::SendMessageTimeoutA(hMain, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &r)) << "the main window answering";
    ASSERT_TRUE(::SendMessageTimeoutA(hMain, WM_NULL, 0, 0, SMTO_NORMAL, 20000, &r)) << "the main window answering";
    std::vector<std::string> modules = LoadedModules(app.Pid());
    ASSERT_FALSE(modules.empty());
    EXPECT_NE(std::find(modules.begin(), modules.end(), "comctl32.dll"), modules.end());
    for (const char* pszLater :
         {"comdlg32.dll", "dbghelp.dll", "iphlpapi.dll", "riched20.dll", "shell32.dll", "winmm.dll", "ws2_32.dll"})
        EXPECT_EQ(std::find(modules.begin(), modules.end(), pszLater), modules.end()) << pszLater;
    ::PostMessageA(hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.Wait(20000), 0);
}
