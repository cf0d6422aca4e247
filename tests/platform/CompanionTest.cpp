// CompanionTest.cpp: the companion library's message boxes, named task
// dialogs with stored answers, balloons and the folder picker, driven
// under Wine from a timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "platform/Afx.h"
#include "platform/AutoTaskDialog.h"
#include "platform/BrowseForDirectory.h"
#include "platform/CIniSettingsStore.h"
#include "platform/CXBalloonMsg.h"
#include "platform/MessageBoxes.h"
#include "platform/ProfileStore.h"
#include "platform/Trace.h"
#include "platform/WLTaskDialog.h"
#include "tests/platform/ModalDriver.h"

namespace {

const UINT TDM_CLICK_BUTTON_ = WM_USER + 102;
const UINT TDM_CLICK_VERIFICATION_ = WM_USER + 113;

// A settings store in a temporary .INI file for one test.
class TempStore {
public:
    TempStore()
    {
        char dir[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, dir);
        m_path.Format("%scompanion-%lu.ini", dir, ::GetCurrentProcessId());
        ::DeleteFileA(m_path);
        SetSettingsStore(std::make_unique<CIniSettingsStore>(m_path));
    }
    ~TempStore()
    {
        SetSettingsStore(nullptr);
        ::DeleteFileA(m_path);
    }

private:
    CString m_path;
};

TASKDIALOGCONFIG QuestionConfig(PCWSTR pszVerification)
{
    TASKDIALOGCONFIG tdc = {};
    tdc.cbSize = sizeof(tdc);
    tdc.dwCommonButtons = TDCBF_YES_BUTTON | TDCBF_NO_BUTTON | TDCBF_CANCEL_BUTTON;
    tdc.pszWindowTitle = L"VornGUI";
    tdc.pszMainInstruction = L"Power off the emulator?";
    tdc.pszVerificationText = pszVerification;
    tdc.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
    return tdc;
}

}  // namespace

TEST(ErrorMessageBox, ComposesTextDetailAndSystemText)
{
    struct Row { const char* text; const char* detail; DWORD code; const char* expected; };
    const Row rows[] = {
        {"The configuration file could not be opened.", "\"C:\\x.cnf\"", 0,
         "The configuration file could not be opened.\n\n\"C:\\x.cnf\""},
        {nullptr, "Missing '-f' argument.", 0, "Missing '-f' argument."},
        {"", "", 0, ""},
        {"Only text", nullptr, 0, "Only text"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(ComposeErrorMessage(r.text, r.detail, r.code), r.expected);
    CString withCode = ComposeErrorMessage("Logfile I/O error.", nullptr, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(withCode, CString("Logfile I/O error.\n\nError 2 (0x00000002): ") + FormatLastError(2));
}

TEST(ErrorMessageBox, ShowsTheComposedTextInAnErrorBox)
{
    std::string shown;
    int r;
    {
        vorntest::DialogDriver driver([&](HWND h) {
            shown = vorntest::DialogTexts(h);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        });
        r = ErrorMessageBox("Cannot save the configuration file.", "\"a.cnf\"", 0);
    }
    EXPECT_EQ(r, IDOK);
    EXPECT_NE(shown.find("Cannot save the configuration file.\n\n\"a.cnf\""), std::string::npos) << shown;
}

TEST(TDMessageBox, ReturnsTheButtonPressed)
{
    ASSERT_TRUE(IsTaskDialogAvailable());  // comctl32 v6 through the manifest
    std::string shown;
    int r;
    {
        vorntest::DialogDriver driver([&](HWND h) {
            shown = vorntest::DialogTexts(h);
            ::SendMessageA(h, TDM_CLICK_BUTTON_, IDNO, 0);
            return false;
        });
        r = TDMessageBox("Start with no configuration file?", "Are you SURE?", "VornGUI", MB_YESNO);
    }
    EXPECT_EQ(r, IDNO);
    EXPECT_NE(shown.find("Start with no configuration file?"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Are you SURE?"), std::string::npos) << shown;
}

TEST(WLTaskDialogIndirect, DontAskAgainStoresTheAnswerAndSkipsTheDialog)
{
    TempStore store;
    WLTaskDialogForget("WLTDI_TestPowerOff");
    TASKDIALOGCONFIG tdc = QuestionConfig(kWLTDIDontAskAgain);
    int button = 0;
    BOOL verified = FALSE;
    {
        vorntest::DialogDriver driver([&](HWND h) {
            ::SendMessageA(h, TDM_CLICK_VERIFICATION_, TRUE, FALSE);
            ::SendMessageA(h, TDM_CLICK_BUTTON_, IDYES, 0);
            return false;
        });
        ASSERT_EQ(WLTaskDialogIndirect("WLTDI_TestPowerOff", &tdc, &button, nullptr, &verified), S_OK);
        EXPECT_TRUE(driver.SawDialog());
    }
    EXPECT_EQ(button, IDYES);
    EXPECT_TRUE(verified);
    EXPECT_EQ((int)ProfileGetInt("WLTaskDialogs", "WLTDI_TestPowerOff", -1), IDYES);

    // Next time: no dialog, the stored answer.
    button = 0;
    verified = FALSE;
    {
        vorntest::DialogDriver driver([&](HWND h) {
            ::SendMessageA(h, TDM_CLICK_BUTTON_, IDCANCEL, 0);
            return false;
        });
        ASSERT_EQ(WLTaskDialogIndirect("WLTDI_TestPowerOff", &tdc, &button, nullptr, &verified), S_OK);
        EXPECT_FALSE(driver.SawDialog());
    }
    EXPECT_EQ(button, IDYES);
    EXPECT_TRUE(verified);

    EXPECT_TRUE(WLTaskDialogForget("WLTDI_TestPowerOff"));
    EXPECT_EQ((int)ProfileGetInt("WLTaskDialogs", "WLTDI_TestPowerOff", -1), -1);
}

TEST(WLTaskDialogIndirect, OtherVerificationTextsAndCancelAreNotStored)
{
    TempStore store;
    TASKDIALOGCONFIG other = QuestionConfig(L"Don't remind me again.");
    TASKDIALOGCONFIG dontAsk = QuestionConfig(kWLTDIDontAskAgain);
    struct Case { const char* name; TASKDIALOGCONFIG* config; int press; };
    const Case cases[] = {
        {"WLTDI_TestOther", &other, IDNO},        // the caller keeps its own flag
        {"WLTDI_TestCancelled", &dontAsk, IDCANCEL},  // Cancel is no answer
    };
    for (const Case& c : cases) {
        int button = 0;
        BOOL verified = FALSE;
        vorntest::DialogDriver driver([&](HWND h) {
            ::SendMessageA(h, TDM_CLICK_VERIFICATION_, TRUE, FALSE);
            ::SendMessageA(h, TDM_CLICK_BUTTON_, c.press, 0);
            return false;
        });
        ASSERT_EQ(WLTaskDialogIndirect(c.name, c.config, &button, nullptr, &verified), S_OK);
        EXPECT_EQ(button, c.press) << c.name;
        EXPECT_TRUE(verified) << c.name;
        EXPECT_EQ((int)ProfileGetInt("WLTaskDialogs", c.name, -1), -1) << c.name;
    }
}

TEST(CXBalloonMsg, ShowsAtAPointAndClosesOnAKey)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              CRect(0, 0, 300, 200), nullptr, 0));
    ASSERT_TRUE(CXBalloonMsg::Show(host.m_hWnd, nullptr, "Lists the devices.", "Device List", nullptr,
                                   POINT{100, 100}, -1, 0, 200, TRUE, TRUE, TRUE));
    CString title, text;
    ASSERT_NE(CXBalloonMsg::GetShowing(&title, &text), nullptr);
    EXPECT_EQ(title, "Device List");
    EXPECT_EQ(text, "Lists the devices.");
    ::PostMessageA(host.m_hWnd, WM_KEYDOWN, VK_SPACE, 0);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
    EXPECT_EQ(CXBalloonMsg::GetShowing(), nullptr);
    host.DestroyWindow();
}

// The picker opens at its start folder, given in either form, with or
// without a trailing separator: OK at once chooses it.
TEST(BrowseForDirectoryEx, OkAtOnceChoosesTheStartFolder)
{
    char szWindows[MAX_PATH] = "";
    ::GetWindowsDirectoryA(szWindows, MAX_PATH);
    const std::string strWindows = szWindows;
    std::string strForward = strWindows;
    std::replace(strForward.begin(), strForward.end(), '\\', '/');
    const struct {
        std::string strStart;
        std::string strChosen;
    } cases[] = {
        {strWindows, strWindows},
        {strForward + "/", strWindows},
        {strForward + "/system32", strWindows + "\\system32"},
        {strWindows + "\\system32\\", strWindows + "\\system32"},
    };
    for (const auto& c : cases) {
        CString folder;
        BOOL ok;
        {
            vorntest::DialogDriver driver([&](HWND h) {
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                return false;
            });
            ok = BrowseForDirectoryEx(nullptr, "Select target working directory", c.strStart.c_str(), folder);
        }
        EXPECT_TRUE(ok) << c.strStart;
        EXPECT_STRCASEEQ(folder, c.strChosen.c_str()) << c.strStart;
    }
}

TEST(BrowseForDirectoryEx, CancelLeavesTheFolderAlone)
{
    CString folder = "unchanged";
    BOOL ok;
    {
        vorntest::DialogDriver driver([&](HWND h) {
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        ok = BrowseForDirectoryEx(nullptr, "Select target working directory", "C:\\windows", folder);
        EXPECT_TRUE(driver.SawDialog());
    }
    EXPECT_FALSE(ok);
    EXPECT_EQ(folder, "unchanged");
}
