// DeviceDialogsSessionTest.cpp: the device definition dialogs opened from
// the device-list bar with the view and the emulator stand-in at its
// default version (commands arrive without "vorn "): Add device, a number
// already taken, Re-Initialize, Rename, Load Cards' file filter, and the
// card-submission helper it runs for a socket reader.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "config/DevClass.h"
#include "devices/DevListText.h"
#include "tests/devices/DevListSessionFixture.h"
#include "tests/devices/DeviceDlgTestSupport.h"
#include "platform/ProfileStore.h"
#include "session/UtilityProgress.h"
#include "tests/platform/ModalDriver.h"
#include "tests/support/WinTestUtil.h"

using namespace devtest;

namespace {

struct DeviceDialogsSession : DevListSession {
    std::string strDeckDir = "C:\\decks";
    std::string strDeck = "C:\\decks\\a.txt";

    void SetUp() override
    {
        DevListSession::SetUp();
        ::CreateDirectoryA(strDeckDir.c_str(), nullptr);
        HANDLE h = ::CreateFileA(strDeck.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        DWORD dw = 0;
        ::WriteFile(h, "//JOB\r\n", 7, &dw, nullptr);
        ::CloseHandle(h);
    }
    void TearDown() override
    {
        DevListSession::TearDown();
        ::DeleteFileA(strDeck.c_str());
        ::RemoveDirectoryA(strDeckDir.c_str());
    }
    // The stand-in at its own version; the view's configuration holds the
    // statements; the bar shows the listed devices.
    void StartWith(std::initializer_list<const char*> statements, bool bReaderShown = true)
    {
        StartEmulator("--no-devlist");
        CVornConfigFile cfg = pView->GetConfig();
        CString strError;
        for (const char* psz : statements)
            ASSERT_TRUE(cfg.AddDevice(psz, strError)) << strError.GetString();
        pView->ApplyEditedConfiguration(cfg);
        if (bReaderShown)
            Queue(0, {Entry("000C", "3505", "RDR", "0000", "deck1.txt"), Entry("0120", "3390", "DASD", "0000", "d.cckd")});
        else
            Queue(0, {Entry("0120", "3390", "DASD", "0000", "d.cckd")});
        ASSERT_TRUE(PumpUntilReady());
    }
};

}  // namespace

TEST_F(DeviceDialogsSession, AddDeviceAttachesTheReaderAndStoresIt)
{
    StartWith({}, false);
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_RDR)));
    std::string caption;
    vorntest::DialogDriver driver([&](HWND h) {
        caption = Caption(h);
        SetText(h, IDC_DEVDLG_DEVNUM, "000C");
        ::SendDlgItemMessageA(h, IDC_DEVDLG_DEVTYPE, CB_SETCURSEL, 2, 0);  // 3505
        // The class's template may be a socket reader with options: a plain deck.
        if (Checked(h, IDC_RDR_SOCKDEV))
            Click(h, IDC_RDR_SOCKDEV);
        SetText(h, IDC_RDR_FILE, strDeck.c_str());
        Click(h, IDC_RDR_ADD);
        for (int nID : {IDC_DEVDLG_ASCII, IDC_RDR_EBCDIC, IDC_RDR_TRUNC, IDC_RDR_AUTOPAD, IDC_RDR_EOF, IDC_RDR_MULTIFILE})
            if (Checked(h, nID))
                Click(h, nID);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_ADD);
    EXPECT_EQ("Add New Card Reader", caption);
    EXPECT_TRUE(WaitFor("attach 000C 3505 C:\\decks\\a.txt intrq"));
    CVornDevice dev;
    ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(0x000C, dev));
    EXPECT_STREQ("C:\\decks\\a.txt", dev.m_strFirstArg);
    EXPECT_STREQ("intrq", dev.m_strOtherArgs);
    EXPECT_TRUE(pView->IsConfigModified());
}

TEST_F(DeviceDialogsSession, AnExistingNumberIsRefusedAndNothingIsSent)
{
    StartWith({});
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_RDR)));
    EXPECT_EQ("Device Number: Device already defined",
              RefusedBalloon(ID_DEVLIST_ADD, [](HWND h) { SetText(h, IDC_DEVDLG_DEVNUM, "000C"); }));
    EXPECT_FALSE(pView->IsConfigModified());
}

TEST_F(DeviceDialogsSession, ReinitialiseSendsTheReadersStatementBack)
{
    StartWith({"000C 3505 deck1.txt deck2.txt ascii eof"});
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x000C)));
    std::string caption;
    vorntest::DialogDriver driver([&](HWND h) {
        caption = Caption(h);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_REINIT);
    EXPECT_EQ("Reinitialize Card Reader", caption);
    EXPECT_TRUE(WaitFor("devinit 000C deck1.txt deck2.txt ascii eof"));
}

TEST_F(DeviceDialogsSession, CancelSendsAndChangesNothing)
{
    StartWith({"000C 3505 deck1.txt"});
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x000C)));
    vorntest::DialogDriver driver([&](HWND h) {
        Click(h, IDC_RDR_EOF);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    size_t nBefore = Received().size();
    CVornConfigFile before = pView->GetConfig();
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_REINIT);
    EXPECT_TRUE(driver.SawDialog());
    PumpFor(300);
    EXPECT_EQ(nBefore, Received().size());
    EXPECT_TRUE(before == pView->GetConfig());
}

TEST_F(DeviceDialogsSession, RenameSendsDefineAsTypedAndMovesTheDevice)
{
    StartWith({"0120 3390 d.cckd"});
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x0120)));
    std::string proposed;
    vorntest::DialogDriver driver([&](HWND h) {
        proposed = Text(h, IDC_RENAME_TO);
        SetText(h, IDC_RENAME_TO, "01a0");
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_RENAME);
    EXPECT_EQ("0121", proposed);
    EXPECT_TRUE(WaitFor("define 0120 01a0"));
    EXPECT_EQ("01A0  3390  d.cckd", ItemText(0x01A0));
    EXPECT_EQ(nullptr, pBar->FindDeviceItem(0x0120));
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x01A0)));
    EXPECT_EQ(0x01A1, pBar->GetNextFreeKey());
    CVornDevice dev;
    EXPECT_TRUE(pView->GetConfig().m_devices.Lookup(0x01A0, dev));
    // The old number leaves the configuration after the panel's delay.
    EXPECT_TRUE(Pump([&] { return !pView->GetConfig().m_devices.Lookup(0x0120, dev); }, 5000));
}

TEST_F(DeviceDialogsSession, LoadCardsOffersTheReaderFiles)
{
    StartWith({"000C 3505 deck1.txt"});
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x000C)));
    std::string filter;
    vorntest::DialogDriver driver([&](HWND h) {
        char sz[256] = "";
        ::GetDlgItemTextA(h, 0x470, sz, sizeof sz);  // the file dialog's type list
        filter = sz;
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_LOAD_CARDS);
    EXPECT_EQ("Reader Files (*.jcl;*.job;*.rdr;*.txt)", filter);
}

namespace {

// The utility stand-in as the card-submission helper in an executables
// folder whose name holds a blank (with the emulator stand-in); it records
// its command line and folder.
struct CardSubmissionSession : DeviceDialogsSession {
    std::string strExeDir, strHelper, strUtilRecord;

    void Presets() override
    {
        strExeDir = dir.Path("exe dir\\");
        ::CreateDirectoryA(strExeDir.c_str(), nullptr);
        strHelper = strExeDir + "VORNRDR.exe";
        ::CopyFileA((vorntest::ProgramDir() + "vornutil.exe").c_str(), strHelper.c_str(), FALSE);
        ::CopyFileA((vorntest::ProgramDir() + "vornemu.exe").c_str(), (strExeDir + "vornemu.exe").c_str(), FALSE);
        ProfileWriteInt("ExecutablesFilesDirectories", "NumEntries", 1);
        ProfileWriteString("ExecutablesFilesDirectories", "1", strExeDir.c_str());
        strUtilRecord = dir.Path("utilities.txt");
        ::SetEnvironmentVariableA("VORNUTIL_RECORD", strUtilRecord.c_str());
    }
    void TearDown() override
    {
        Pump([&] { return !pView->IsUtilityRunning(); }, 10000);
        ::SetEnvironmentVariableA("VORNUTIL_RECORD", nullptr);
        DeviceDialogsSession::TearDown();
    }
    // Runs start(); the file dialog it opens gets the deck, and the first
    // other dialog (a failed start's box) is read and closed. Returns that
    // box's caption and texts, empty when none showed.
    std::string Run(const std::function<void()>& start)
    {
        std::string strBox;
        HWND hFileDlg = nullptr;
        {
            vorntest::DialogDriver driver([&](HWND h) {
                if (h == hFileDlg)
                    return true;
                if (Caption(h) == "Reader File") {
                    hFileDlg = h;
                    ChooseFile(h, strDeck);
                    return true;
                }
                strBox = Caption(h) + "|" + vorntest::DialogTexts(h);
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                return false;
            });
            start();
        }
        EXPECT_TRUE(Pump([&] { return !pView->IsUtilityRunning(); }, 20000)) << "the run's end";
        return strBox;
    }
    std::string LoadCards()
    {
        EXPECT_EQ(1, ClickOn(pBar->FindDeviceItem(0x000C)));
        return Run([&] { pBar->SendMessage(WM_COMMAND, ID_DEVLIST_LOAD_CARDS); });
    }
    // The helper's runs, "command line|folder" each.
    std::vector<std::string> Recorded() const
    {
        std::vector<std::string> out;
        for (const vorntest::SRecordedRun& run : vorntest::ReadRecordedRuns(strUtilRecord))
            out.push_back(run.strCommandLine + "|" + run.strFolder);
        return out;
    }
    bool ConsoleEndsWith(const std::string& strEnd) const
    {
        for (const std::string& line : ConsoleLines())
            if (line.size() >= strEnd.size() && line.compare(line.size() - strEnd.size(), strEnd.size(), strEnd) == 0)
                return true;
        return false;
    }
};

}  // namespace

// Load Cards on a socket reader runs the card-submission helper from the
// executables folder, in the deck's folder, and reports its end; without
// the helper the box names the program looked for as a utility's does.
TEST_F(CardSubmissionSession, LoadCardsRunsTheHelperOfTheExecutablesFolder)
{
    StartWith({"000C 3505 127.0.0.1:3505 sockdev"});
    EXPECT_EQ("", LoadCards());
    EXPECT_EQ((std::vector<std::string>{"\"" + strExeDir + "VornRdr\" 127.0.0.1:3505 a.txt EXTERNALGUI|" + strDeckDir}),
              Recorded());
    EXPECT_TRUE(ConsoleEndsWith("VornRdr 127.0.0.1:3505 a.txt ended; rc=0"));

    ::DeleteFileA(strHelper.c_str());
    std::string strUtilityBox = Run([&] { pView->RunUtility("volmake x.img", kUtilVolMake, nullptr, "VolMake", 10); });
    std::string strHelperBox = LoadCards();
    ASSERT_NE(std::string::npos, strUtilityBox.find("\"" + strExeDir + "volmake\" x.img EXTERNALGUI"))
        << strUtilityBox;
    std::string strExpected = strUtilityBox;
    strExpected.replace(strExpected.find("volmake\" x.img"), 14, "VornRdr\" 127.0.0.1:3505 a.txt");
    EXPECT_EQ(strExpected, strHelperBox);
    EXPECT_EQ(1u, Recorded().size());
}

// A program that could not start is told by its box alone: no end report
// reads as if it had run; the helper as a utility.
TEST_F(CardSubmissionSession, AProgramThatCouldNotStartIsReportedOnce)
{
    StartWith({"000C 3505 127.0.0.1:3505 sockdev"});
    ::DeleteFileA(strHelper.c_str());
    std::string strHelperBox = LoadCards();
    std::string strUtilityBox = Run([&] { pView->RunUtility("volmake x.img", kUtilVolMake, nullptr, "VolMake", 10); });
    for (const std::string& strBox : {strHelperBox, strUtilityBox})
        EXPECT_NE(std::string::npos, strBox.find("CreateProcess() failed")) << strBox;
    for (const std::string& strLine : ConsoleLines())
        EXPECT_EQ(std::string::npos, strLine.find("ended; rc=")) << strLine;
}

// Adding a tape drive attaches it with the type in hexadecimal digits and
// the file quoted, and remembers the sizes for the next drive.
TEST_F(DeviceDialogsSession, AddDeviceAttachesATapeDriveAndRemembersItsSizes)
{
    ::CreateDirectoryA("C:\\tapes", nullptr);
    const char* pszTape = "C:\\tapes\\my tape.aws";
    HANDLE h = ::CreateFileA(pszTape, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    DWORD dw = 0;
    ::WriteFile(h, "\x10\x00\x00\x00\xA0\x00", 6, &dw, nullptr);
    ::CloseHandle(h);
    StartWith({}, false);
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_TAPE)));
    std::string caption;
    vorntest::DialogDriver driver([&](HWND hDlg) {
        caption = Caption(hDlg);
        SetText(hDlg, IDC_DEVDLG_DEVNUM, "0580");
        SetText(hDlg, IDC_TAPEDRV_FILE, pszTape);
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_ADD);
    EXPECT_EQ("Add New TAPE Drive", caption);
    EXPECT_TRUE(WaitFor("attach 0580 3420 \"C:\\tapes\\my tape.aws\" maxsizeM=170 eotmargin=131072"));
    EXPECT_EQ(65535u, ProfileGetInt("ADDTAPE", "ChunkSize", -1));
    EXPECT_EQ(170u, ProfileGetInt("ADDTAPE", "TapeSize", -1));
    EXPECT_EQ(128u, ProfileGetInt("ADDTAPE", "EOTMargin", -1));
    CVornDevice dev;
    ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(0x0580, dev));
    EXPECT_STREQ(pszTape, dev.m_strFirstArg);
    // Reinitialised with nothing changed, a statement that names the file
    // with "/" keeps it so.
    CVornConfigFile cfg = pView->GetConfig();
    CString strError;
    ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement("0580 3420 \"C:/tapes/my tape.aws\" maxsizeM=170 eotmargin=131072",
                                                      cfg.m_devices[0x0580], strError));
    pView->ApplyEditedConfiguration(cfg);
    Queue(0, {Entry("0120", "3390", "DASD", "0000", "d.cckd"), Entry("0580", "3420", "TAPE", "0000", "my tape.aws")});
    ASSERT_TRUE(Pump([&] { return pBar->FindDeviceItem(0x0580) != nullptr; }, 10000)) << "the drive in the list";
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x0580)));
    vorntest::DialogDriver reinit([](HWND hDlg) {
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_REINIT);
    EXPECT_TRUE(WaitFor("devinit 0580 \"C:/tapes/my tape.aws\" maxsizeM=170 eotmargin=131072"));
    EXPECT_TRUE(cfg == pView->GetConfig());
    ::DeleteFileA(pszTape);
    ::RemoveDirectoryA("C:\\tapes");
}

namespace {

// A compressed CKD image of two blocks at C:\dasd\vol1.cckd.
struct DasdSession : DeviceDialogsSession {
    const char* pszImage = "C:\\dasd\\vol1.cckd";
    void SetUp() override
    {
        DeviceDialogsSession::SetUp();
        ::CreateDirectoryA("C:\\dasd", nullptr);
        std::string strBytes(1024, '\0');
        strBytes.replace(0, 8, "CKD_C370");
        HANDLE h = ::CreateFileA(pszImage, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        DWORD dw = 0;
        ::WriteFile(h, strBytes.data(), (DWORD)strBytes.size(), &dw, nullptr);
        ::CloseHandle(h);
    }
    void TearDown() override
    {
        DeviceDialogsSession::TearDown();
        ::DeleteFileA(pszImage);
        ::RemoveDirectoryA("C:\\dasd");
    }
};

}  // namespace

TEST_F(DasdSession, AddDeviceAttachesADiskWithItsDecimalType)
{
    StartEmulator("--no-devlist");
    Queue(0, {Entry("000C", "3505", "RDR", "0000", "deck1.txt")});
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_DISK)));
    std::string caption;
    vorntest::DialogDriver driver([&](HWND h) {
        caption = Caption(h);
        SetText(h, IDC_DEVDLG_DEVNUM, "0120");
        HWND hList = ::GetDlgItem(h, IDC_DEVDLG_DEVTYPE);
        ::SendMessageA(hList, CB_SELECTSTRING, (WPARAM)-1, (LPARAM) "3390-3");
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_DEVDLG_DEVTYPE, CBN_SELENDOK), (LPARAM)hList);
        SetText(h, IDC_DASDDEV_FILE, pszImage);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_ADD);
    EXPECT_EQ("Add New DASD Device", caption);
    EXPECT_TRUE(WaitFor("attach 0120 3390 C:\\dasd\\vol1.cckd"));
    CVornDevice dev;
    ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(0x0120, dev));
    EXPECT_STREQ("3390-3", dev.m_strTypeWord);
    EXPECT_EQ(0x3390, dev.m_wDevType);
}

TEST_F(DasdSession, ReinitialiseReadOnlyWithFakeWrites)
{
    StartWith({"0120 3390 C:\\dasd\\vol1.cckd"});
    ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x0120)));
    std::string caption;
    vorntest::DialogDriver driver([&](HWND h) {
        caption = Caption(h);
        Click(h, IDC_DASDDEV_READONLY);
        Click(h, IDC_DASDDEV_FAKEWRITE);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_REINIT);
    EXPECT_EQ("Reinitialize DASD Device", caption);
    EXPECT_TRUE(WaitFor("devinit 0120 C:\\dasd\\vol1.cckd readonly fakewrite"));
}

// A second disk added from the device list starts from the first one's
// model and options, but not from its serial number or shadow file: two
// disks with one serial or one shadow file collide.
TEST_F(DasdSession, ASecondDiskTakesNeitherTheSerialNorTheShadowFileOfTheFirst)
{
    const char* pszImage2 = "C:\\dasd\\vol2.cckd";
    ASSERT_TRUE(::CopyFileA(pszImage, pszImage2, FALSE));
    StartEmulator("--no-devlist");
    Queue(0, {Entry("000C", "3505", "RDR", "0000", "deck1.txt")});
    ASSERT_TRUE(PumpUntilReady());
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_DISK)));
    vorntest::DialogDriver first([&](HWND h) {
        SetText(h, IDC_DEVDLG_DEVNUM, "0120");
        HWND hList = ::GetDlgItem(h, IDC_DEVDLG_DEVTYPE);
        ::SendMessageA(hList, CB_SELECTSTRING, (WPARAM)-1, (LPARAM) "3390-3");
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_DEVDLG_DEVTYPE, CBN_SELENDOK), (LPARAM)hList);
        SetText(h, IDC_DASDDEV_FILE, pszImage);
        SetText(h, IDC_DASDDEV_SERIAL, "000000012345");
        Click(h, IDC_DASDDEV_SHADOWING);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_ADD);
    EXPECT_TRUE(WaitFor("attach 0120 3390 C:\\dasd\\vol1.cckd sf=C:\\dasd\\vol1_Shadow_0.cckd ser=000000012345"));
    ASSERT_EQ(0, ClickOn(Group(DEVCLASS_DISK)));
    std::string serial, shadow, model;
    bool bShadowing = true;
    vorntest::DialogDriver second([&](HWND h) {
        serial = Text(h, IDC_DASDDEV_SERIAL);
        shadow = Text(h, IDC_DASDDEV_SHADOW);
        bShadowing = Checked(h, IDC_DASDDEV_SHADOWING);
        model = Text(h, IDC_DEVDLG_DEVTYPE);
        SetText(h, IDC_DEVDLG_DEVNUM, "0121");
        SetText(h, IDC_DASDDEV_FILE, pszImage2);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pBar->SendMessage(WM_COMMAND, ID_DEVLIST_ADD);
    EXPECT_EQ("", serial);
    EXPECT_EQ("", shadow);
    EXPECT_FALSE(bShadowing);
    EXPECT_EQ("3390-3", model);
    EXPECT_TRUE(WaitFor("attach 0121 3390 C:\\dasd\\vol2.cckd"));
    CVornDevice dev;
    ASSERT_TRUE(pView->GetConfig().m_devices.Lookup(0x0121, dev));
    EXPECT_STREQ("", dev.m_strOtherArgs);
    ::DeleteFileA(pszImage2);
}

// A disk read without "ser=" shows its image's serial; OK with nothing
// changed sends the statement's own words and leaves the configuration as it
// was, a path written with "/" too (it came back with backslashes, the
// configuration modified); a serial that the statement gives or the user
// types is sent.
TEST_F(DasdSession, AnUnchangedOkSendsAndKeepsTheStatementAsItWas)
{
    HANDLE h = ::CreateFileA(pszImage, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD dw = ::SetFilePointer(h, 20, nullptr, FILE_BEGIN);
    ASSERT_TRUE(::WriteFile(h, "000000000121", 12, &dw, nullptr));
    ::CloseHandle(h);
    StartWith({});
    const char* const pszSlashes = "C:/dasd/vol1.cckd";
    const struct { const char *pszFile, *pszArgs, *pszTyped, *pszShown, *pszSent; } rows[] = {
        {pszImage, "", nullptr, "000000000121", "devinit 0120 C:\\dasd\\vol1.cckd"},
        {pszImage, "ro", nullptr, "000000000121", "devinit 0120 C:\\dasd\\vol1.cckd ro"},
        {pszImage, "ser=000000012345", nullptr, "000000012345", "devinit 0120 C:\\dasd\\vol1.cckd ser=000000012345"},
        {pszImage, "", "000000054321", "000000000121", "devinit 0120 C:\\dasd\\vol1.cckd ser=000000054321"},
        {pszSlashes, "ro", nullptr, "000000000121", "devinit 0120 C:/dasd/vol1.cckd ro"},
        {pszSlashes, "", "000000054321", "000000000121", "devinit 0120 C:/dasd/vol1.cckd ser=000000054321"},
    };
    for (const auto& row : rows) {
        CVornConfigFile cfg = pView->GetConfig();
        CString strError;
        ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement(CString("0120 3390 ") + row.pszFile + " " + row.pszArgs,
                                                          cfg.m_devices[0x0120], strError));
        pView->ApplyEditedConfiguration(cfg);
        ASSERT_EQ(1, ClickOn(pBar->FindDeviceItem(0x0120)));
        std::string strShown;
        vorntest::DialogDriver driver([&](HWND hDlg) {
            strShown = Text(hDlg, IDC_DASDDEV_SERIAL);
            if (row.pszTyped)
                SetText(hDlg, IDC_DASDDEV_SERIAL, row.pszTyped);
            ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
            return false;
        });
        pBar->SendMessage(WM_COMMAND, ID_DEVLIST_REINIT);
        EXPECT_EQ(row.pszShown, strShown) << row.pszSent;
        EXPECT_TRUE(WaitFor(row.pszSent)) << row.pszSent;
        EXPECT_EQ(!row.pszTyped, cfg == pView->GetConfig()) << row.pszSent;
    }
}
