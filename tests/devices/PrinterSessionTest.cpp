// PrinterSessionTest.cpp: the line printer's dialog from the device-list
// bar's Add device with the view and the emulator stand-in at its default
// version (commands arrive without "vorn "): a 3211 on a file, a 1403, a
// print-to-pipe program in a folder with a blank, and a socket printer.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "config/DevClass.h"
#include "config/StartupObjects.h"
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

TEST_F(PrinterSession, A3211OnAFileGetsNoChannelSettingsItWasNotGiven)
{
    AddPrinter([](HWND h) {
        SetText(h, IDC_PCH_DIR, "C:\\prt\\");
        SetText(h, IDC_PCH_FILE, "out.txt");
    });
    EXPECT_EQ("Add New Line Printer", caption);
    EXPECT_TRUE(WaitFor("attach 000E 3211 C:\\prt\\out.txt"));
    CVornDevice dev;
    ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(0x000E, dev));
    EXPECT_STREQ("C:\\prt\\out.txt", dev.m_strFirstArg);
    EXPECT_STREQ("", dev.m_strOtherArgs);
}

TEST_F(PrinterSession, A1403GetsTheTapeItIsGiven)
{
    AddPrinter([](HWND h) {
        ChooseType(h, 0);
        SetText(h, IDC_PCH_DIR, "C:\\prt\\");
        SetText(h, IDC_PCH_FILE, "out.txt");
        SetText(h, IDC_PRT_CHANNEL, "fcb2std2");
    });
    EXPECT_TRUE(WaitFor("attach 000E 1403 C:\\prt\\out.txt cctape=fcb2std2"));
}

TEST_F(PrinterSession, APipeProgramWithArgumentsIsSentInSingleQuotes)
{
    AddPrinter([](HWND h) {
        SetText(h, IDC_PCH_DIR, "C:\\Program Files\\spool\\");
        SetText(h, IDC_PCH_FILE, "|lpr.exe");
        SetText(h, IDC_PRT_PIPE_ARGS, "-x");
    });
    EXPECT_TRUE(WaitFor("attach 000E 3211 '|\"C:\\Program Files\\spool\\lpr.exe\" -x'"));
}

TEST_F(PrinterSession, ASocketPrinterSendsItsAddressAndSockdev)
{
    AddPrinter([](HWND h) {
        Click(h, IDC_PRT_SOCKDEV);
        ::SendDlgItemMessageA(h, IDC_PRT_IP, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 5));
        SetText(h, IDC_PRT_PORT, "1403");
    });
    EXPECT_TRUE(WaitFor("attach 000E 3211 192.168.1.5:1403 sockdev"));
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
    EXPECT_TRUE(WaitFor("attach 0010 3211 C:\\prt\\gone.txt"));
}

// Re-Initialize with OK and nothing changed sends each device as the opened
// configuration has it, which stays unmodified: a file named without a
// folder is the emulator's (its working folder is the configuration's), not
// one in this program's current folder; a printer given no channel
// settings gets none.
TEST_F(PrinterSession, ReinitialisingUnchangedSendsTheStatementAsConfigured)
{
    const struct { DWORD dwKey; const char* pszStmt; const char* pszSent; } rows[] = {
        {0x000D, "000D 3525 pch.txt ascii", "devinit 000D pch.txt ascii"},
        {0x000E, "000E 1403 print.txt crlf", "devinit 000E print.txt crlf"},
        {0x000F, "000F 3211 out\\p.txt fcb=fcb2std2", "devinit 000F out\\p.txt fcb=fcb2std2"},
        // Checked for in the configuration's folder.
        {0x0580, "0580 3420 t.aws maxsizeM=170 eotmargin=131072", "devinit 0580 t.aws maxsizeM=170 eotmargin=131072"},
    };
    dir.Write("t.aws", std::string("\x10\x00\x00\x00\xA0\x00", 6));
    CVornConfigFile cfg;
    CString strError;
    for (const auto& row : rows)
        ASSERT_TRUE(cfg.AddDevice(row.pszStmt, strError)) << strError.GetString();
    std::string strPath = dir.Path("relative.cnf");
    ASSERT_EQ(0u, cfg.SaveAs(strPath.c_str()));
    g_strStartupConfigFile = strPath.c_str();
    ASSERT_TRUE(pView->OpenConfiguration(strPath.c_str()));
    StartEmulator("--no-devlist");
    Queue(0, {Entry("000D", "3525", "PCH", "0000", "pch.txt"), Entry("000E", "1403", "PRT", "0000", "print.txt"),
              Entry("000F", "3211", "PRT", "0000", "out\\p.txt"), Entry("0580", "3420", "TAPE", "0000", "t.aws")});
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_FALSE(pView->IsConfigModified());
    for (const auto& row : rows) {
        ::SetCurrentDirectoryA("C:\\prt");  // the log folder, say, after start-up
        ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem((int)row.dwKey))) << row.pszStmt;
        std::string strBalloon;
        vorntest::DialogDriver driver([&](HWND h) {
            ::SendMessageA(h, WM_COMMAND, IDOK, 0);
            if (!(strBalloon = TakeBalloon()).empty())
                ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        pBar->SendMessage(WM_COMMAND, ID_DEVLIST_REINIT);
        EXPECT_EQ("", strBalloon) << row.pszStmt;
        EXPECT_TRUE(WaitFor(row.pszSent)) << row.pszStmt;
    }
    EXPECT_FALSE(pView->IsConfigModified());
    for (const auto& row : rows) {
        CVornDevice dev, configured;
        ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(row.dwKey, dev));
        ASSERT_TRUE(cfg.m_devices.Lookup(row.dwKey, configured));
        EXPECT_TRUE(dev == configured) << row.pszStmt << ": " << dev.m_strFirstArg.GetString();
    }
}
