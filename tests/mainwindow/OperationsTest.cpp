// OperationsTest.cpp: the Command and Operations menus and the session
// description at power-on, in the real main frame with the emulator
// stand-in, the dialogs driven from a timer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "config/StartupObjects.h"
#include "mainwindow/SessDescDlg.h"
#include "platform/CClipBoard.h"
#include "platform/ErrorBalloon.h"
#include "platform/ProfileStore.h"
#include "sysconfig/SysCfgDialog.h"
#include "tests/mainwindow/FrameFixture.h"
#include "tests/platform/ModalDriver.h"

namespace {

struct OperationsFixture : FrameFixture {
    std::string strRecord;

    void SetUp() override
    {
        FrameFixture::SetUp();
        strRecord = dir.Path("record.txt");
        std::string strArgs = "--lifetime 30000 --record \"" + strRecord + "\" EXTERNALGUI";
        ProfileWriteString("Settings", "ExtraCmdLineArgs", strArgs.c_str());
    }
    void TearDown() override
    {
        if (g_pView && g_pView->IsEmulatorRunning()) {
            g_pView->GetEmulator()->Kill(false);
            PumpUntil([] { return !g_pView->IsEmulatorRunning(); });
        }
        FrameFixture::TearDown();
    }
    // Opens a configuration of these statements and powers the emulator on;
    // true once it is ready.
    bool PowerOnWith(const std::string& strStatements, std::function<void(HWND)> onSessionDialog = nullptr)
    {
        std::string strPath = dir.Write("ops.cnf", strStatements);
        // Nothing on the way may ask (a question here is the test's failure).
        std::string strAsked;
        {
            vorntest::DialogDriver unexpected([&](HWND h) {
                if (::GetDlgItem(h, IDC_SESSION_DESC) && onSessionDialog) {
                    onSessionDialog(h);
                    return true;
                }
                strAsked += vorntest::DialogTexts(h) + "#";
                ::PostMessageA(h, WM_CLOSE, 0, 0);
                return true;
            });
            // Taken as the start-up configuration: no system configuration dialog.
            g_strStartupConfigFile = strPath.c_str();
            if (!g_pView->OpenConfiguration(strPath.c_str()))
                return false;
            pFrame->SendMessage(WM_COMMAND, ID_OPS_POWER_ON);
        }
        EXPECT_EQ("", strAsked);
        return PumpUntil([] { return g_pView->IsEmulatorReady(); });
    }
    std::vector<std::string> Received() const
    {
        std::vector<std::string> lines;
        std::istringstream in(ReadText(strRecord));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    bool HasReceived(const std::string& strLine) const
    {
        for (const std::string& s : Received())
            if (s == strLine)
                return true;
        return false;
    }
    // The tick count at which the stand-in read a line (0: never).
    unsigned long TimeReceived(const std::string& strLine) const
    {
        std::istringstream in(ReadText(strRecord + ".times"));
        for (std::string line; std::getline(in, line);) {
            size_t nBlank = line.find(' ');
            if (nBlank != std::string::npos && line.substr(nBlank + 1) == strLine)
                return std::strtoul(line.c_str(), nullptr, 10);
        }
        return 0;
    }
    std::vector<std::string> ConsoleLines() const
    {
        std::vector<std::string> lines;
        CVornGUIDoc* pDoc = g_pView->GetDocument();
        for (int i = 0; i < pDoc->GetLineCount(); ++i)
            lines.push_back(pDoc->GetLine(i).GetString());
        return lines;
    }
};

// The four digits above the panel's dials.
std::string LoadUnitDigits(const CDynControlsDlgBar& panel)
{
    std::string s;
    for (UINT nID = IDC_PANEL_DIGIT1; nID < IDC_PANEL_DIGIT1 + 4; ++nID) {
        char sz[8] = {};
        ::GetDlgItemTextA(panel.m_hWnd, (int)nID, sz, sizeof sz);
        s += sz;
    }
    return s;
}

}  // namespace

TEST_F(OperationsFixture, SessionDescriptionHeadsThePowerOnLinesAndKeepsItsHeight)
{
    ProfileWriteInt("Settings", "EnableSessDescDlg", 1);
    ProfileWriteString("Settings", "SessDesc", "last week's run");
    OpenFrame();
    std::string strShown;
    int nHeightBefore = 0, nHeightAfter = 0, nWidthBefore = 0, nWidthAfter = 0;
    bool bDescribed = false;
    auto describe = [&](HWND h) {
        if (bDescribed)
            return;
        bDescribed = true;
        char sz[256] = {};
        ::GetDlgItemTextA(h, IDC_SESSION_DESC, sz, sizeof sz);
        strShown = sz;
        RECT rc;
        ::GetWindowRect(h, &rc);
        nHeightBefore = rc.bottom - rc.top;
        nWidthBefore = rc.right - rc.left;
        ::SetWindowPos(h, nullptr, 0, 0, nWidthBefore + 120, nHeightBefore + 90, SWP_NOMOVE | SWP_NOZORDER);
        ::GetWindowRect(h, &rc);
        nHeightAfter = rc.bottom - rc.top;
        nWidthAfter = rc.right - rc.left;
        ::SetDlgItemTextA(h, IDC_SESSION_DESC, "  Test run  ");
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
    };
    ASSERT_TRUE(PowerOnWith("0120 3390 disk.img\n", describe));
    EXPECT_EQ("last week's run", strShown);
    EXPECT_EQ(nHeightBefore, nHeightAfter);
    EXPECT_EQ(nWidthBefore + 120, nWidthAfter);
    std::vector<std::string> lines = ConsoleLines();
    size_t nDesc = lines.size(), nTime = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find("******** Session Description     = Test run") != std::string::npos && nDesc == lines.size())
            nDesc = i;
        if (lines[i].find("******** Power-On Date and Time  = ") != std::string::npos && nTime == lines.size())
            nTime = i;
    }
    ASSERT_LT(nDesc, lines.size());
    EXPECT_EQ(nDesc + 1, nTime);
    EXPECT_STREQ("Test run", g_pView->Settings().m_strSessDesc);
}

TEST_F(OperationsFixture, SessionDialogCancelKeepsTheDescriptionAndWritesNoLine)
{
    CSessDescDlg dlg;
    dlg.m_strDescription = "kept";
    EXPECT_EQ(IDCANCEL, vorntest::RunModal(dlg, [](HWND h) {
                  ::SetDlgItemTextA(h, IDC_SESSION_DESC, "typed");
                  ::PostMessageA(h, WM_KEYDOWN, VK_ESCAPE, 0);
                  ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
                  return false;
              }));
    EXPECT_STREQ("kept", dlg.m_strDescription);
    EXPECT_EQ(IDOK, vorntest::RunModal(dlg, [](HWND h) {
                  ::SetDlgItemTextA(h, IDC_SESSION_DESC, "typed");
                  ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                  return false;
              }));
    EXPECT_STREQ("typed", dlg.m_strDescription);
}

TEST_F(OperationsFixture, IplSendsTheLoadParameterThenTheIplAQuarterSecondLater)
{
    OpenFrame();
    ASSERT_TRUE(PowerOnWith("LOADPARM CFG1\n0A80 3390 disk.img\n0120 3390 other.img\n"));
    std::string strTexts;
    vorntest::DialogDriver driver([&](HWND h) {
        if (!::GetDlgItem(h, 1111))
            return true;
        strTexts = vorntest::DialogTexts(h);
        char sz[32] = {};
        ::GetDlgItemTextA(h, 1137, sz, sizeof sz);
        strTexts += "#" + std::string(sz);
        ::SetDlgItemTextA(h, 1111, "0A80");
        ::SetDlgItemTextA(h, 1137, "XYZ");
        ::CheckDlgButton(h, 1217, BST_CHECKED);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pFrame->SendMessage(WM_COMMAND, ID_OPS_IPL);
    // The command returns during the wait, before the "ipl" is written: a
    // command sent now reaches the emulator between the two.
    g_pView->SendCommand("between");
    EXPECT_TRUE(driver.SawDialog());
    EXPECT_NE(std::string::npos, strTexts.find("Enter device number to IPL from:")) << strTexts;
    EXPECT_NE(std::string::npos, strTexts.find("#CFG1....")) << strTexts;
    ASSERT_TRUE(PumpUntil([&] { return HasReceived("ipl 0A80"); })) << ReadText(strRecord);
    std::vector<std::string> lines = Received();
    auto parm = std::find(lines.begin(), lines.end(), "loadparm XYZ.....");
    auto between = std::find(lines.begin(), lines.end(), "between");
    auto ipl = std::find(lines.begin(), lines.end(), "ipl 0A80");
    ASSERT_TRUE(parm < between && between < ipl) << ReadText(strRecord);
    unsigned long nParm = TimeReceived("loadparm XYZ....."), nIpl = TimeReceived("ipl 0A80");
    ASSERT_NE(0ul, nParm);
    EXPECT_GE(nIpl - nParm, 240ul);
    // " Don't ask me again": the next IPL goes at once, with the
    // configuration's load parameter and the device still on the dials.
    vorntest::DialogDriver none([](HWND h) {
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    pFrame->SendMessage(WM_COMMAND, ID_OPS_IPL);
    EXPECT_FALSE(none.SawDialog());
    EXPECT_TRUE(PumpUntil([&] { return HasReceived("loadparm CFG1...."); })) << ReadText(strRecord);
}

// The device as the IPL dialog takes it (three digits, a channel subsystem)
// reaches the command, and the dials show its number.
TEST_F(OperationsFixture, IplFromADeviceTypedShortOrWithItsChannelSubsystem)
{
    OpenFrame();
    ASSERT_TRUE(PowerOnWith("0A80 3390 disk.img\n1:0A81 3390 other.img\n"));
    CDynControlsDlgBar& panel = pFrame->m_wndControlsBar.m_dlg;
    struct Case {
        const char* pszTyped;
        const char* pszSent;
        const char* pszDials;
    };
    const Case cases[] = {{"A80", "ipl 0A80", "0A80"}, {"1:0a81", "ipl 1:0A81", "0A81"}};
    for (const Case& c : cases) {
        vorntest::DialogDriver driver([&](HWND h) {
            if (!::GetDlgItem(h, 1111))
                return true;
            ::SetDlgItemTextA(h, 1111, c.pszTyped);
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_OPS_IPL);
        EXPECT_TRUE(driver.SawDialog());
        EXPECT_TRUE(PumpUntil([&] { return HasReceived(c.pszSent); })) << c.pszTyped << ": " << ReadText(strRecord);
        EXPECT_STREQ(c.pszDials, LoadUnitDigits(panel).c_str()) << c.pszTyped;
    }
    // The Load button sends the same device again.
    ::DeleteFileA(strRecord.c_str());
    panel.SendMessage(WM_COMMAND, IDC_PANEL_LOAD);
    EXPECT_TRUE(PumpUntil([&] { return HasReceived("ipl 1:0A81"); })) << ReadText(strRecord);
}

// An emulator whose device lines carry no channel subsystem (1:0A81 comes
// as 0A81): the configuration says which subsystem each number is in, and
// the command keeps the subsystem typed.
TEST_F(OperationsFixture, IplWhereTheDeviceListCarriesNoChannelSubsystem)
{
    std::string strArgs = "--lifetime 30000 --record \"" + strRecord + "\" --do \"set devlcss 0\" EXTERNALGUI";
    ProfileWriteString("Settings", "ExtraCmdLineArgs", strArgs.c_str());
    OpenFrame();
    ASSERT_TRUE(PowerOnWith("0A80 3390 disk.img\n1:0A81 3390 other.img\n"));
    CDynDevListDlgBar& bar = pFrame->m_wndDevListBar.m_dlg;
    ASSERT_TRUE(PumpUntil([&] { return bar.IsDevNumShown(0x0A81); }));
    struct Case {
        const char* pszTyped;
        const char* pszRefusal;     // the balloon's text, or "" when taken
    };
    const Case cases[] = {
        {"1:0a81", ""}, {"0a81", "Device does not exist"}, {"A80", ""}, {"1:0a80", "Device does not exist"}};
    for (const Case& c : cases) {
        int nStep = 0;
        std::string strBalloon;
        vorntest::DialogDriver driver([&](HWND h) {
            if (!::GetDlgItem(h, 1111))
                return true;
            if (nStep++ == 0) {
                ::SetDlgItemTextA(h, 1111, c.pszTyped);
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                return true;
            }
            CString strText;
            if (ErrorBalloonWindow(nullptr, &strText))
                strBalloon = strText.GetString();
            ErrorBalloonHide();
            ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_OPS_IPL);
        EXPECT_EQ(c.pszRefusal, strBalloon) << c.pszTyped;
    }
    std::vector<std::string> expected = {"ipl 1:0A81", "ipl 0A80"};
    ASSERT_TRUE(PumpUntil([&] { return HasReceived("ipl 0A80"); })) << ReadText(strRecord);
    std::vector<std::string> sent;
    for (const std::string& s : Received())
        if (s.compare(0, 4, "ipl ") == 0)
            sent.push_back(s);
    EXPECT_EQ(expected, sent);
}

// After a restart Power On loads the last configuration: the dials show its
// load unit, and Load sends it.
TEST_F(OperationsFixture, PowerOnWithTheLastConfigurationSetsTheDials)
{
    std::string strPath = dir.Write("last.cnf", "# LoadUnit: 1F\n001F 3390 disk.img\n");
    ProfileWriteString("Settings", "PrevConfigDir", dir.Folder().c_str());
    ProfileWriteString("Settings", "PrevConfigFile", "last.cnf");
    OpenFrame();
    CDynControlsDlgBar& panel = pFrame->m_wndControlsBar.m_dlg;
    EXPECT_STREQ("0000", panel.GetLoadUnit());
    pFrame->SendMessage(WM_COMMAND, ID_OPS_POWER_ON);
    ASSERT_TRUE(PumpUntil([] { return g_pView->IsEmulatorReady(); }));
    EXPECT_EQ(strPath, std::string(g_pView->GetConfig().GetFullPath()));
    EXPECT_STREQ("001F", panel.GetLoadUnit());
    EXPECT_EQ("001F", LoadUnitDigits(panel));
    panel.SendMessage(WM_COMMAND, IDC_PANEL_LOAD);
    EXPECT_TRUE(PumpUntil([&] { return HasReceived("ipl 001F"); })) << ReadText(strRecord);
}

TEST_F(OperationsFixture, UnloadTapeSendsDevinitWithAStarAndNoTapeSendsNothing)
{
    OpenFrame();
    ASSERT_TRUE(PowerOnWith("0120 3390 disk.img\n1:0580 3420 tape.aws\n"));
    pFrame->SendMessage(WM_COMMAND, ID_OPS_UNLOAD_TAPE);
    EXPECT_TRUE(PumpUntil([&] { return HasReceived("devinit 1:0580 *"); })) << ReadText(strRecord);
    // The device interrupt of a reported device.
    vorntest::DialogDriver intr([](HWND h) {
        if (!::GetDlgItem(h, 1111))
            return true;
        ::SetDlgItemTextA(h, 1111, "0120");
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pFrame->SendMessage(WM_COMMAND, ID_OPS_DEVICE_INTERRUPT);
    EXPECT_TRUE(PumpUntil([&] { return HasReceived("i 0120"); })) << ReadText(strRecord);
}

// Load Card Reader reinitialises the reader through its dialog, which
// starts from the last load's decks and options and remembers the new ones.
TEST_F(OperationsFixture, LoadCardReaderOffersTheLastFileAndOptionsNextTime)
{
    OpenFrame();
    ASSERT_TRUE(PowerOnWith("0120 3390 disk.img\n000C 3505 first.jcl\n"));
    std::string strDeck = dir.Write("payroll.jcl", "//PAYROLL JOB\n");
    std::string strTitle, strFirstList = "?";
    vorntest::DialogDriver first([&](HWND h) {
        if (!::GetDlgItem(h, IDC_RDR_FILE_LIST))
            return true;
        char sz[256] = "";
        ::GetWindowTextA(h, sz, sizeof sz);
        strTitle = sz;
        strFirstList = std::to_string(::SendDlgItemMessageA(h, IDC_RDR_FILE_LIST, LB_GETCOUNT, 0, 0));
        ::SetDlgItemTextA(h, IDC_RDR_FILE, strDeck.c_str());
        ::SendMessageA(::GetDlgItem(h, IDC_RDR_ADD), BM_CLICK, 0, 0);
        ::SendMessageA(::GetDlgItem(h, IDC_RDR_EOF), BM_CLICK, 0, 0);
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pFrame->SendMessage(WM_COMMAND, ID_OPS_LOAD_READER);
    EXPECT_EQ("Reinitialize Card Reader", strTitle);
    EXPECT_EQ("0", strFirstList);  // nothing loaded before
    EXPECT_TRUE(PumpUntil([&] { return HasReceived("devinit 000C " + strDeck + " eof"); })) << ReadText(strRecord);

    std::string strOffered;
    bool bEof = false;
    vorntest::DialogDriver second([&](HWND h) {
        if (!::GetDlgItem(h, IDC_RDR_FILE_LIST))
            return true;
        char sz[MAX_PATH] = "";
        ::SendDlgItemMessageA(h, IDC_RDR_FILE_LIST, LB_GETTEXT, 0, (LPARAM)sz);
        strOffered = sz;
        bEof = ::IsDlgButtonChecked(h, IDC_RDR_EOF) == BST_CHECKED;
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
        return false;
    });
    pFrame->SendMessage(WM_COMMAND, ID_OPS_LOAD_READER);
    EXPECT_EQ(strDeck, strOffered);
    EXPECT_TRUE(bEof);
    EXPECT_STREQ(strDeck.c_str(), g_pView->Settings().m_strPrevReaderFile);
    EXPECT_STREQ("eof", g_pView->Settings().m_strPrevReaderParms);
}

namespace {

std::string Caption(HWND h)
{
    char sz[256] = "";
    ::GetWindowTextA(h, sz, sizeof sz);
    return sz;
}

}  // namespace

// The Devices page opens the punch's own dialog; the attach it builds is
// queued, sent when the configuration is applied to the running emulator,
// and the punch is stored in the configuration.
TEST_F(OperationsFixture, APunchAddedOnTheDevicesPageIsQueuedAndStored)
{
    OpenFrame();
    ASSERT_TRUE(PowerOnWith("CPUSERIAL 000611\nCPUMODEL 3090\n0120 3390 disk.img\n000C 3505 deck.txt\n"));
    std::string strPunchTitle;
    bool bClicked = false;
    vorntest::DialogDriver driver([&](HWND h) {
        if (Caption(h) == "Add New Card Punch") {
            strPunchTitle = Caption(h);
            ::SetDlgItemTextA(h, IDC_PCH_DIR, dir.Folder().c_str());
            ::SetDlgItemTextA(h, IDC_PCH_FILE, "out.pch");
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return true;
        }
        HWND hPunch = FindControl(h, IDC_DEVICES_PUNCH);
        if (!hPunch)
            return true;
        if (!bClicked) {
            bClicked = true;
            ::PostMessageA(hPunch, BM_CLICK, 0, 0);
            return true;
        }
        if (strPunchTitle.empty())
            return true;
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    g_pView->RunSysCfgDialog(kSysCfgDevicesPage);
    EXPECT_EQ("Add New Card Punch", strPunchTitle);
    // The page's default punch writes ASCII lines ended by CRLF.
    std::string strAttach = "attach 000D 3525 " + dir.Path("out.pch") + " ascii crlf";
    EXPECT_TRUE(PumpUntil([&] { return HasReceived(strAttach); })) << ReadText(strRecord);
    CVornDevice dev;
    ASSERT_TRUE(g_pView->GetConfig().m_devices.Lookup(0x000D, dev));
    EXPECT_STREQ(dir.Path("out.pch").c_str(), dev.m_strFirstArg);
    EXPECT_TRUE(g_pView->IsConfigModified());
}

// Load Tape reinitialises the chosen drive through the tape dialog and
// leaves the sizes remembered for added drives alone.
TEST_F(OperationsFixture, LoadTapeSendsDevinitAndLeavesTheAddedDrivesSizesAlone)
{
    OpenFrame();
    ASSERT_TRUE(PowerOnWith("0120 3390 disk.img\n0580 3420 *\n"));
    std::string strTape = dir.Write("load.aws", std::string("\x10\x00\x00\x00\xA0\x00", 6));
    std::string strTitle;
    vorntest::DialogDriver driver([&](HWND h) {
        if (!::GetDlgItem(h, IDC_TAPEDRV_CHUNK))
            return true;
        char sz[256] = "";
        ::GetWindowTextA(h, sz, sizeof sz);
        strTitle = sz;
        ::SetDlgItemTextA(h, IDC_TAPEDRV_FILE, strTape.c_str());
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        return false;
    });
    pFrame->SendMessage(WM_COMMAND, ID_OPS_LOAD_TAPE);
    EXPECT_EQ("Reinitialize TAPE Drive", strTitle);
    EXPECT_TRUE(PumpUntil([&] { return HasReceived("devinit 0580 " + strTape + " maxsizeM=170 eotmargin=131072"); }))
        << ReadText(strRecord);
    EXPECT_STREQ(strTape.c_str(), g_pView->Settings().m_strPrevTapeFile);
    EXPECT_EQ(-1, (int)ProfileGetInt("ADDTAPE", "TapeSize", -1));
    EXPECT_EQ(-1, (int)ProfileGetInt("ADDTAPE", "ChunkSize", -1));
}

// With several drives Load Tape first asks which one: the drives in number
// order; Cancel there opens and sends nothing; the one chosen is the one
// reinitialised.
TEST_F(OperationsFixture, LoadTapeAsksWhichOfSeveralDrives)
{
    OpenFrame();
    ASSERT_TRUE(PowerOnWith("0120 3390 disk.img\n0581 3420 *\n0580 3480 *\n"));
    std::string strTape = dir.Write("load.aws", std::string("\x10\x00\x00\x00\xA0\x00", 6));
    size_t nBefore = Received().size();
    for (bool bChoose : {false, true}) {
        std::string strSelect, strTexts, strItems, strTapeDialog;
        vorntest::DialogDriver driver([&](HWND h) {
            if (HWND hCombo = ::GetDlgItem(h, IDC_SELDEV_COMBO)) {
                if (!strSelect.empty())
                    return true;  // closing
                strSelect = Caption(h);
                strTexts = vorntest::DialogTexts(h);
                char sz[64] = "";
                for (int i = 0; i < (int)::SendMessageA(hCombo, CB_GETCOUNT, 0, 0); ++i) {
                    ::SendMessageA(hCombo, CB_GETLBTEXT, (WPARAM)i, (LPARAM)sz);
                    strItems += std::string(sz) + " ";
                }
                if (!bChoose) {
                    ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
                    return false;
                }
                ::SendMessageA(hCombo, CB_SETCURSEL, 1, 0);
                ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                return true;
            }
            if (!::GetDlgItem(h, IDC_TAPEDRV_CHUNK))
                return true;
            char sz[64] = "";
            ::GetDlgItemTextA(h, IDC_DEVDLG_DEVNUM, sz, sizeof sz);
            strTapeDialog = Caption(h) + " " + sz;
            ::GetDlgItemTextA(h, IDC_DEVDLG_DEVTYPE, sz, sizeof sz);
            strTapeDialog += std::string(" ") + sz;
            ::SetDlgItemTextA(h, IDC_TAPEDRV_FILE, strTape.c_str());
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
            return false;
        });
        pFrame->SendMessage(WM_COMMAND, ID_OPS_LOAD_TAPE);
        EXPECT_EQ("Load Tape", strSelect);
        EXPECT_EQ("The current configuration contains multiple Tape Drives. Please select which Tape Drive you wish "
                  "to load.|Tape Drive:",
                  strTexts);
        EXPECT_EQ("0580 0581 ", strItems);
        EXPECT_EQ(bChoose ? "Reinitialize TAPE Drive 0581 3420" : "", strTapeDialog);
    }
    std::string strDevinit = "devinit 0581 " + strTape + " maxsizeM=170 eotmargin=131072";
    ASSERT_TRUE(PumpUntil([&] { return HasReceived(strDevinit); })) << ReadText(strRecord);
    // The cancelled choice sent nothing: this is the only "devinit".
    std::vector<std::string> lines = Received();
    std::string strDevinits;
    for (size_t i = nBefore; i < lines.size(); ++i)
        if (lines[i].compare(0, 8, "devinit ") == 0)
            strDevinits += lines[i];
    EXPECT_EQ(strDevinit, strDevinits);
}

TEST_F(OperationsFixture, LoadTapeWithoutTapesSaysSoAndSendsNothing)
{
    OpenFrame();
    ASSERT_TRUE(PowerOnWith("0120 3390 disk.img\n"));
    size_t nBefore = Received().size();
    std::string strTexts;
    vorntest::DialogDriver driver([&](HWND h) {
        strTexts += vorntest::DialogTexts(h) + "#";
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        ::PostMessageA(h, WM_CLOSE, 0, 0);
        return false;
    });
    pFrame->SendMessage(WM_COMMAND, ID_OPS_LOAD_TAPE);
    EXPECT_NE(std::string::npos, strTexts.find("There are no Tape Devices defined in the current configuration"))
        << strTexts;
    PumpFor(300);
    EXPECT_EQ(nBefore, Received().size());
}

namespace {

// Whether the menu item is enabled once the frame has prepared the popup
// of the menu bar that holds it, as it does before the popup opens.
bool MenuItemEnabled(CMainFrame* pFrame, UINT nId)
{
    HMENU hBar = ::GetMenu(pFrame->m_hWnd);
    for (int i = 0; i < ::GetMenuItemCount(hBar); ++i) {
        HMENU hPopup = ::GetSubMenu(hBar, i);
        if (!hPopup || ::GetMenuState(hPopup, nId, MF_BYCOMMAND) == (UINT)-1)
            continue;
        pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hPopup, i);
        return (::GetMenuState(hPopup, nId, MF_BYCOMMAND) & (MF_DISABLED | MF_GRAYED)) == 0;
    }
    ADD_FAILURE() << "no menu item " << nId;
    return false;
}

}  // namespace

TEST_F(OperationsFixture, CommandAndOperationsItemsFollowTheEmulatorAndItsDevices)
{
    OpenFrame();
    const struct {
        UINT nId;
        bool bStopped, bRunningWithTape;
    } items[] = {
        {ID_OPS_POWER_ON, true, false},           {ID_OPS_POWER_OFF, false, true},
        {ID_OPS_IPL, false, true},                {ID_OPS_START_ALL, false, true},
        {ID_OPS_PSW_RESTART, false, true},        {ID_OPS_DEVICE_INTERRUPT, false, true},
        {ID_OPS_LOAD_READER, false, false},       {ID_OPS_LOAD_TAPE, false, true},
        {ID_OPS_UNLOAD_TAPE, false, true},
    };
    for (const auto& item : items)
        EXPECT_EQ(item.bStopped, MenuItemEnabled(pFrame, item.nId)) << "stopped " << item.nId;
    ASSERT_TRUE(PowerOnWith("0120 3390 disk.img\n1:0580 3420 tape.aws\n"));
    for (const auto& item : items)
        EXPECT_EQ(item.bRunningWithTape, MenuItemEnabled(pFrame, item.nId)) << "running " << item.nId;
}
