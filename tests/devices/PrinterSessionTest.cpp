// PrinterSessionTest.cpp: the line printer's dialog from the device-list
// bar's Add device with the view and the emulator stand-in at its default
// version (commands arrive without "vorn "): a 3211 on a file, a 1403, a
// print-to-pipe program in a folder with a blank, and a socket printer.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "config/DevClass.h"
#include "devices/ChannelSettings.h"
#include "tests/devices/DevListSessionFixture.h"
#include "tests/devices/DeviceDlgTestSupport.h"
#include "tests/platform/ModalDriver.h"

using namespace devtest;

namespace {

void ChooseType(HWND h, int nIndex)  // 0 "1403", 1 "3203", 2 "3211"
{
    ::SendDlgItemMessageA(h, IDC_DEVDLG_DEVTYPE, CB_SETCURSEL, nIndex, 0);
    ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_DEVDLG_DEVTYPE, CBN_SELCHANGE),
                   (LPARAM)::GetDlgItem(h, IDC_DEVDLG_DEVTYPE));
}

struct PrinterSession : DevListSession {
    void SetUp() override
    {
        DevListSession::SetUp();
        ::CreateDirectoryA("C:\\prt", nullptr);
        ::CreateDirectoryA("C:\\Program Files\\spool", nullptr);
        HANDLE h = ::CreateFileA(kProgram, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        ::CloseHandle(h);
    }
    void TearDown() override
    {
        DevListSession::TearDown();
        ::DeleteFileA(kProgram);
        ::RemoveDirectoryA("C:\\Program Files\\spool");
        ::DeleteFileA("C:\\prt\\out.txt");
        ::RemoveDirectoryA("C:\\prt");
    }
    // Add device on the printers' group with the dialog filled by fill.
    void AddPrinter(const std::function<void(HWND)>& fill)
    {
        StartEmulator("--no-devlist");
        Queue(0, {Entry("0120", "3390", "DASD", "0000", "d.cckd")});
        ASSERT_TRUE(PumpUntilReady());
        HTREEITEM hGroup = pBar->Tree().GetRootItem();
        for (WORD i = 0; hGroup && i < DEVCLASS_PRT; ++i)
            hGroup = pBar->Tree().GetNextSiblingItem(hGroup);
        ASSERT_EQ(0, ClickOn(hGroup));
        vorntest::DialogDriver driver([&](HWND h) {
            caption = Caption(h);
            // The bar starts from the class's default device: a plain 3211.
            SetText(h, IDC_DEVDLG_DEVNUM, "000E");
            ChooseType(h, 2);
            if (Checked(h, IDC_PCH_CRLF))
                Click(h, IDC_PCH_CRLF);
            SetText(h, IDC_PRT_CHANNEL, "");
            SetText(h, IDC_PRT_PIPE_ARGS, "");
            fill(h);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        });
        pBar->SendMessage(WM_COMMAND, ID_DEVLIST_ADD);
    }
    static constexpr const char* kProgram = "C:\\Program Files\\spool\\lpr.exe";
    std::string caption;
};

}  // namespace

TEST_F(PrinterSession, A3211OnAFileGetsTheLegacyBuffer)
{
    AddPrinter([](HWND h) {
        SetText(h, IDC_PCH_DIR, "C:\\prt\\");
        SetText(h, IDC_PCH_FILE, "out.txt");
    });
    EXPECT_EQ("Add New Line Printer", caption);
    EXPECT_TRUE(WaitFor(std::string("attach 000E 3211 C:\\prt\\out.txt fcb=") + kLegacyFCB));
    CVornDevice dev;
    ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(0x000E, dev));
    EXPECT_STREQ("C:\\prt\\out.txt", dev.m_strFirstArg);
    EXPECT_EQ(std::string("fcb=") + kLegacyFCB, std::string(dev.m_strOtherArgs));
}

TEST_F(PrinterSession, A1403GetsTheLegacyTape)
{
    AddPrinter([](HWND h) {
        ChooseType(h, 0);
        SetText(h, IDC_PCH_DIR, "C:\\prt\\");
        SetText(h, IDC_PCH_FILE, "out.txt");
    });
    EXPECT_TRUE(WaitFor(std::string("attach 000E 1403 C:\\prt\\out.txt cctape=") + kLegacyCCTape));
}

TEST_F(PrinterSession, APipeProgramWithArgumentsIsSentInSingleQuotes)
{
    AddPrinter([](HWND h) {
        SetText(h, IDC_PCH_DIR, "C:\\Program Files\\spool\\");
        SetText(h, IDC_PCH_FILE, "|lpr.exe");
        SetText(h, IDC_PRT_PIPE_ARGS, "-x");
    });
    EXPECT_TRUE(WaitFor(std::string("attach 000E 3211 '|\"C:\\Program Files\\spool\\lpr.exe\" -x' fcb=") +
                        kLegacyFCB));
}

TEST_F(PrinterSession, ASocketPrinterSendsItsAddressAndSockdev)
{
    AddPrinter([](HWND h) {
        Click(h, IDC_PRT_SOCKDEV);
        ::SendDlgItemMessageA(h, IDC_PRT_IP, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 5));
        SetText(h, IDC_PRT_PORT, "1403");
    });
    EXPECT_TRUE(WaitFor(std::string("attach 000E 3211 192.168.1.5:1403 sockdev fcb=") + kLegacyFCB));
}

// Two printers writing one file lose output: the bar's Add device refuses
// the file of a printer the running configuration has, but not the file of
// one the emulator no longer shows.
TEST_F(PrinterSession, TheFileOfARunningPrinterIsInUse)
{
    StartEmulator("--no-devlist");
    CVornConfigFile cfg = pView->GetConfig();
    CString strError;
    ASSERT_TRUE(cfg.AddDevice("000E 3211 C:\\prt\\out.txt", strError)) << strError.GetString();
    ASSERT_TRUE(cfg.AddDevice("000F 3211 C:\\prt\\gone.txt", strError)) << strError.GetString();
    pView->ApplyEditedConfiguration(cfg);
    Queue(0, {Entry("000E", "3211", "PRT", "0000", "C:\\prt\\out.txt")});
    ASSERT_TRUE(PumpUntilReady());
    EXPECT_TRUE(pBar->m_Router.IsFileInUse("c:/PRT/out.txt"));
    EXPECT_FALSE(pBar->m_Router.IsFileInUse("C:\\prt\\gone.txt"));
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_PRT)));
    auto fill = [](const char* pszFile) {
        return [pszFile](HWND h) {
            SetText(h, IDC_DEVDLG_DEVNUM, "0010");
            ChooseType(h, 2);
            if (Checked(h, IDC_PCH_CRLF))
                Click(h, IDC_PCH_CRLF);
            SetText(h, IDC_PRT_CHANNEL, "");
            SetText(h, IDC_PCH_DIR, "C:\\prt\\");
            SetText(h, IDC_PCH_FILE, pszFile);
        };
    };
    EXPECT_EQ("Output File: Another device is already using this name.",
              RefusedBalloon(ID_DEVLIST_ADD, fill("out.txt")));
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_PRT)));
    vorntest::DialogDriver driver([&](HWND h) {
        fill("gone.txt")(h);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_ADD);
    EXPECT_TRUE(WaitFor(std::string("attach 0010 3211 C:\\prt\\gone.txt fcb=") + kLegacyFCB));
}
