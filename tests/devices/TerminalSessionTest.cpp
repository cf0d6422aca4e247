// TerminalSessionTest.cpp: the console and display dialogs from the
// device-list bar's Add device with the view and the emulator stand-in at
// its default version (commands arrive without "vorn "): an integrated
// console with its prefix, a display terminal with nothing optional, and a
// refused prefix that sends nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "config/DevClass.h"
#include "tests/devices/DevListSessionFixture.h"
#include "tests/devices/TerminalDlgTestSupport.h"
#include "tests/platform/ModalDriver.h"

using namespace devtest;

namespace {

struct TerminalSession : DevListSession {
    // Add device on the class's group with the dialog filled by fill; OK,
    // and Cancel after a refusal, whose balloon is kept.
    void AddDevice(WORD wClass, const std::function<void(HWND)>& fill)
    {
        if (!bStarted) {
            StartEmulator("--no-devlist");
            Queue(0, {Entry("0120", "3390", "DASD", "0000", "d.cckd")});
            ASSERT_TRUE(PumpUntilReady());
            bStarted = true;
        }
        balloon.clear();
        HTREEITEM hGroup = pBar->Tree().GetRootItem();
        for (WORD i = 0; hGroup && i < wClass; ++i)
            hGroup = pBar->Tree().GetNextSiblingItem(hGroup);
        ASSERT_EQ(0, ClickOn(hGroup));
        vorntest::DialogDriver driver([&](HWND h) {
            caption = Caption(h);
            fill(h);
            ::SendMessageA(h, WM_COMMAND, IDOK, 0);
            CString strTitle, strText;
            if (ErrorBalloonWindow(&strTitle, &strText)) {
                balloon = std::string(strTitle) + ": " + std::string(strText);
                ErrorBalloonHide();
                ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            }
            return false;
        });
        pBar->SendMessage(WM_COMMAND, ID_DEVLIST_ADD);
    }
    std::string caption, balloon;
    bool bStarted = false;
};

}  // namespace

TEST_F(TerminalSession, AnIntegratedConsoleWithItsPrefix)
{
    AddDevice(DEVCLASS_LOG, [](HWND h) {
        // The bar starts from the class's default device, a 3215 with noprompt.
        SetText(h, IDC_DEVDLG_DEVNUM, "0009");
        ChooseListEntry(h, 2);
        if (Checked(h, IDC_CON_NOPROMPT))
            Click(h, IDC_CON_NOPROMPT);
    });
    EXPECT_EQ("", balloon);
    EXPECT_TRUE(WaitFor("attach 0009 1052-C /"));
    CVornDevice dev;
    ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(0x0009, dev));
    EXPECT_EQ(DEVCLASS_LOG, dev.m_wClass);
    EXPECT_STREQ("1052-C", dev.m_strTypeWord);
    EXPECT_STREQ("/", dev.m_strOtherArgs);
}

TEST_F(TerminalSession, ADisplayWithNothingOptional)
{
    AddDevice(DEVCLASS_3270, [](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "0700"); });
    EXPECT_EQ("Add New Display Terminal", caption);
    EXPECT_TRUE(WaitFor("attach 0700 3270 *"));
    CVornDevice dev;
    ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(0x0700, dev));
    EXPECT_EQ(DEVCLASS_3270, dev.m_wClass);
    EXPECT_STREQ("*", dev.m_strOtherArgs);
}

TEST_F(TerminalSession, ARefusedPrefixSendsNothing)
{
    AddDevice(DEVCLASS_LOG, [](HWND h) {
        SetText(h, IDC_DEVDLG_DEVNUM, "0009");
        ChooseListEntry(h, 3);
        SetText(h, IDC_TERM_GROUP, "]");
    });
    EXPECT_EQ("Command Prefix: The command-prefix character ']' is reserved for use by VornGUI only. Please choose "
              "a different character.",
              balloon);
    // A later command reaches the stand-in; the refused one never did.
    AddDevice(DEVCLASS_3270, [](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "0701"); });
    EXPECT_TRUE(WaitFor("attach 0701 3270 *"));
    EXPECT_FALSE(HasReceived("attach 0009 3215-C ]"));
    CVornDevice dev;
    EXPECT_FALSE(pView->GetConfig().m_devices.Lookup(0x0009, dev));
}
