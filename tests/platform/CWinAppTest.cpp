// CWinAppTest.cpp: the application's profile functions on an .INI file and
// on the registry, and the idle-time update of the main window.
#include <gtest/gtest.h>

#include "platform/Afx.h"
#include "platform/ProfileStore.h"

namespace {

CString TempIniPath()
{
    char dir[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, dir);
    CString path;
    path.Format("%sprofile-test-%lu.ini", dir, ::GetCurrentProcessId());
    return path;
}

CString ReadFileText(const char* path)
{
    CString s;
    HANDLE h = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return s;
    char buf[4096];
    DWORD got = 0;
    ::ReadFile(h, buf, sizeof(buf), &got, nullptr);
    ::CloseHandle(h);
    return CString(buf, (int)got);
}

}  // namespace

TEST(CWinApp, ProfileFunctionsUseTheIniFileByDefault)
{
    CString path = TempIniPath();
    ::DeleteFileA(path);
    {
        CWinApp app("ProfileTest");
        app.m_strProfileName = path;
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_EQ(app.GetProfileInt("Settings", "nMissing", 17), 17u);
        EXPECT_EQ(app.GetProfileString("Settings", "strMissing", "dflt"), "dflt");
        EXPECT_TRUE(app.WriteProfileInt("Settings", "nCount", -3));
        EXPECT_TRUE(app.WriteProfileString("Settings\\FindRep", "strLast", "ipl 0A80"));
        EXPECT_EQ((int)app.GetProfileInt("Settings", "nCount", 0), -3);
        EXPECT_EQ(app.GetProfileString("Settings\\FindRep", "strLast"), "ipl 0A80");
    }
    SetSettingsStore(nullptr);
    CString text = ReadFileText(path);
    EXPECT_GE(text.Find("[Settings]"), 0) << text.GetString();
    EXPECT_GE(text.Find("nCount=-3"), 0) << text.GetString();
    EXPECT_GE(text.Find("strLast=ipl 0A80"), 0) << text.GetString();
    ::DeleteFileA(path);
}

TEST(CWinApp, SetRegistryKeyStoresUnderTheCompanyKey)
{
    {
        CWinApp app("ProfileTest");
        app.SetRegistryKey("VornTestCompany");
        EXPECT_TRUE(app.WriteProfileInt("Options", "bVerbose", 1));
        EXPECT_TRUE(app.WriteProfileString("Options", "strName", "console"));
        EXPECT_EQ(app.GetProfileInt("Options", "bVerbose", 0), 1u);
    }
    SetSettingsStore(nullptr);
    DWORD value = 0, size = sizeof(value), type = 0;
    LONG rc = ::RegGetValueA(HKEY_CURRENT_USER, "Software\\VornTestCompany\\ProfileTest\\Options", "bVerbose",
                             RRF_RT_REG_DWORD, &type, &value, &size);
    EXPECT_EQ(rc, ERROR_SUCCESS);
    EXPECT_EQ(value, 1u);
    char text[32] = {};
    size = sizeof(text);
    rc = ::RegGetValueA(HKEY_CURRENT_USER, "Software\\VornTestCompany\\ProfileTest\\Options", "strName",
                        RRF_RT_REG_SZ, &type, text, &size);
    EXPECT_EQ(rc, ERROR_SUCCESS);
    EXPECT_STREQ(text, "console");
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VornTestCompany");
}

namespace {

class CIdleFrame : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    int idleUpdates = 0;

protected:
    LRESULT OnIdleUpdate(WPARAM, LPARAM) { idleUpdates++; return 0; }
};

BEGIN_MESSAGE_MAP(CIdleFrame, CWnd)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdate)
END_MESSAGE_MAP()

void CALLBACK QuitTimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(nullptr, id);
    ::PostQuitMessage(3);
}

class CQuitApp : public CWinApp {
public:
    CQuitApp() : CWinApp("QuitApp") {}
    int exits = 0;
    int ExitInstance() override { exits++; return CWinApp::ExitInstance() + 5; }
};

}  // namespace

TEST(CWinApp, RunUpdatesAtIdleAndEndsOnQuit)
{
    CQuitApp app;
    CIdleFrame frame;
    ASSERT_TRUE(frame.CreateEx(0, AfxRegisterWndClass(0), "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 100, 100),
                               nullptr, 0));
    app.m_pMainWnd = &frame;
    EXPECT_EQ(AfxGetMainWnd(), &frame);
    // The quit comes from a timer, after the loop has been idle.
    ::SetTimer(nullptr, 0, 30, QuitTimerProc);
    EXPECT_EQ(app.Run(), 3 + 5);
    EXPECT_EQ(app.exits, 1);
    EXPECT_GE(frame.idleUpdates, 1);
    app.m_pMainWnd = nullptr;
}
