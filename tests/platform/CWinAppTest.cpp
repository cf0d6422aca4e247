// CWinAppTest.cpp: the application's profile functions on an .INI file and
// on the registry, the recent-file list's form, and the idle-time update of
// the main window.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/Afx.h"
#include "platform/CRecentFileList.h"
#include "platform/ProfileStore.h"
#include "tests/support/HangWatch.h"

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

// The recent-file list shows full paths in Windows form: an entry an older
// release stored with "/" is listed with "\" (one entry for its two
// spellings, the order kept), and so is a path added with "/".
TEST(CWinApp, RecentFilesAreListedInWindowsForm)
{
    CString path = TempIniPath();
    ::DeleteFileA(path);
    ::WritePrivateProfileStringA("Recent File List", "File1", "Z:/cfg/new.cnf", path);
    ::WritePrivateProfileStringA("Recent File List", "File2", "Z:\\cfg\\old.cnf", path);
    ::WritePrivateProfileStringA("Recent File List", "File3", "Z:/cfg/old.cnf", path);
    {
        CWinApp app("RecentTest");
        app.m_strProfileName = path;
        app.LoadStdProfileSettings(4);
        app.AddToRecentFileList("Z:/ro//walk1ro.cnf");
        const CRecentFileList& list = *app.GetRecentFileList();
        std::vector<std::string> got;
        for (int i = 0; i < list.GetCount(); i++)
            got.push_back(list[i].GetString());
        EXPECT_EQ(got, (std::vector<std::string>{"Z:\\ro\\walk1ro.cnf", "Z:\\cfg\\new.cnf", "Z:\\cfg\\old.cnf"}));
    }
    SetSettingsStore(nullptr);
    ::DeleteFileA(path);
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

namespace {

void CALLBACK EndFrameInItsMove(HWND, UINT, UINT_PTR id, DWORD)
{
    GUITHREADINFO info = {sizeof info};
    if (!::GetGUIThreadInfo(::GetCurrentThreadId(), &info) || !(info.flags & GUI_INMOVESIZE))
        return;
    ::KillTimer(nullptr, id);
    ::DestroyWindow(info.hwndMoveSize);
}

}  // namespace

// The main frame goes while the system moves it: the move's loop takes the
// quit that the frame's end posts, and drops it. The loop ends all the same.
TEST(CWinApp, RunEndsWithItsMainWindowWhenALoopOfTheSystemsDroppedTheQuit)
{
    CQuitApp app;
    CFrameWnd* pFrame = new CFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(pFrame->CreateEx(0, AfxRegisterWndClass(0), "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                 CRect(0, 0, 200, 100), nullptr, 0));
    app.m_pMainWnd = pFrame;
    ::PostMessageA(pFrame->m_hWnd, WM_SYSCOMMAND, SC_MOVE, 0);
    UINT_PTR nEnd = ::SetTimer(nullptr, 0, 20, EndFrameInItsMove);
    UINT_PTR nHang = ::SetTimer(nullptr, 0, 20000, QuitTimerProc);  // only when the loop stayed
    vorntest::WaitingFor waiting("the loop to end without its main window");
    EXPECT_EQ(app.Run(), 0 + 5);
    ::KillTimer(nullptr, nEnd);
    ::KillTimer(nullptr, nHang);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
}

TEST(CWinThread, PaintsCaretBlinksAndMouseMovesAreNoIdleMessages)
{
    struct Case {
        UINT msg;
        BOOL bIdle;
    };
    const Case cases[] = {
        {WM_PAINT, FALSE},     {0x0118, FALSE},   {WM_MOUSEMOVE, FALSE}, {WM_NCMOUSEMOVE, FALSE},
        {WM_KEYDOWN, TRUE},    {WM_CHAR, TRUE},   {WM_LBUTTONDOWN, TRUE}, {WM_LBUTTONUP, TRUE},
        {WM_COMMAND, TRUE},    {WM_TIMER, TRUE},  {WM_MOUSELEAVE, TRUE}, {WM_APP + 5, TRUE},
    };
    CWinThread thread;
    for (const Case& c : cases) {
        MSG msg = {};
        msg.message = c.msg;
        EXPECT_EQ(c.bIdle, thread.IsIdleMessage(&msg)) << std::hex << c.msg;
    }
}

namespace {

// Records, at each idle step, the message the loop took before it.
class CRecordingApp : public CWinApp {
public:
    CRecordingApp() : CWinApp("RecordingApp") {}
    ~CRecordingApp() override { ::CloseHandle(hIdle); }
    std::vector<UINT> before;
    HANDLE hIdle = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    BOOL OnIdle(LONG lCount) override
    {
        if (lCount == 0) {
            before.push_back(m_msgCur.message);
            ::SetEvent(hIdle);
        }
        return CWinApp::OnIdle(lCount);
    }
};

HANDLE g_hHandled = nullptr;

// Signals each message it is given (a paint is validated first).
LRESULT CALLBACK SignallingProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
{
    LRESULT r = ::DefWindowProcA(h, msg, wp, lp);
    if (msg == WM_PAINT || msg == WM_MOUSEMOVE || msg == 0x0118 || msg == WM_KEYDOWN)
        ::SetEvent(g_hHandled);
    return r;
}

}  // namespace

TEST(CWinThread, RunsTheIdleStepAfterAKeyButNotAfterPaintsBlinksOrMouseMoves)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = SignallingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VornIdleLoopTest";
    ::RegisterClassA(&wc);
    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(hWnd, nullptr);
    g_hHandled = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    ::ValidateRect(hWnd, nullptr);
    CRecordingApp app;
    DWORD dwGuiThread = ::GetCurrentThreadId();
    bool bIdleAfterKey = false;
    // Each message is handled (and the queue empty again) before the next
    // one comes; the loop's first idle step comes before all of them.
    std::thread driver([&] {
        bool bOk = ::WaitForSingleObject(app.hIdle, 10000) == WAIT_OBJECT_0;
        auto step = [&](auto post) {
            post();
            bOk = bOk && ::WaitForSingleObject(g_hHandled, 10000) == WAIT_OBJECT_0;
        };
        step([&] { ::PostMessageA(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); });
        step([&] { ::InvalidateRect(hWnd, nullptr, TRUE); });
        step([&] { ::PostMessageA(hWnd, 0x0118, 0, 0); });
        step([&] { ::PostMessageA(hWnd, WM_KEYDOWN, VK_F5, 0); });  // no WM_CHAR follows
        bIdleAfterKey = bOk && ::WaitForSingleObject(app.hIdle, 10000) == WAIT_OBJECT_0;
        ::PostThreadMessageA(dwGuiThread, WM_QUIT, 0, 0);
    });
    app.Run();
    driver.join();
    ::DestroyWindow(hWnd);
    ::CloseHandle(g_hHandled);
    EXPECT_TRUE(bIdleAfterKey) << "the idle step after the key";
    ASSERT_FALSE(app.before.empty());
    EXPECT_EQ(app.before.back(), (UINT)WM_KEYDOWN);
    for (UINT m : app.before)
        EXPECT_TRUE(m != WM_PAINT && m != 0x0118 && m != WM_MOUSEMOVE) << std::hex << m;
}
