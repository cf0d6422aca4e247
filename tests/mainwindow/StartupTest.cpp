// StartupTest.cpp: VornGUI.exe starts, shows its main window and ends
// cleanly; with "-i" its settings go to that .INI file, otherwise to the
// registry (under "-n"'s name); a wrong command line shows its message and
// the usage, and the program ends without a main window.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/config/TempFile.h"
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

// A visible top-level dialog of the process, or null.
struct FoundDialog {
    DWORD pid;
    HWND hWnd;
};

BOOL CALLBACK CheckDialog(HWND h, LPARAM lp)
{
    FoundDialog* f = (FoundDialog*)lp;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(h, &pid);
    char cls[32] = {};
    ::GetClassNameA(h, cls, sizeof(cls));
    if (pid == f->pid && ::IsWindowVisible(h) && strcmp(cls, "#32770") == 0) {
        f->hWnd = h;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForDialog(DWORD pid, DWORD timeoutMs)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        FoundDialog found = {pid, nullptr};
        ::EnumWindows(CheckDialog, (LPARAM)&found);
        if (found.hWnd)
            return found.hWnd;
        ::Sleep(50);
    }
    return nullptr;
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
