// ViewPowerTest.cpp: powering the emulator stand-in on and off through the
// view under Wine: the command line with names holding blanks and the -r
// and -b files, the header lines, the window answering between the steps,
// the handshake, a typed command recorded by
// the stand-in, "exit" and the end report; the shutdown watchdog waiting
// once more and then ending a stand-in that ignores "exit" by force, and
// the maximum shutdown time applied while it runs; a run without
// configuration; the "-f" start-up configuration; the licensed-mode
// question answered Yes, No and left to time out; the watchdog of a version
// 3.x emulator, which is told "vorn exit"; the Devices page's queued
// commands sent at an apply while the emulator runs, with the "vorn "
// prefix to a 3.x emulator.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

#include "config/DevNum.h"
#include "config/StartupObjects.h"
#include "platform/ProfileStore.h"
#include "platform/TextFunctions.h"
#include "resources/resource.h"
#include "session/ConsoleCommands.h"
#include "session/PipedProcessCtl.h"
#include "session/PowerOnText.h"
#include "session/PrivateMessages.h"
#include "session/VornGUIDoc.h"
#include "sysconfig/SysCfgDialog.h"
#include "tests/platform/ModalDriver.h"
#include "tests/session/SessionViewFixture.h"
#include "tests/session/ViewTestFrame.h"
#include "tests/support/MessageCounter.h"
#include "tests/support/WinTestUtil.h"

using vorntest::ClickControl;
using vorntest::ClickTask;
using vorntest::DialogSequence;

namespace {

std::string ReadText(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

struct PowerFixture : SessionFixture {
    std::string strScript;
    std::string strConfigDir;

    void SetUp() override
    {
        g_strEmulatorExeName = "vornemu.exe";
        g_strStartupConfigFile.Empty();
        SessionFixture::SetUp();
        // The posted folder check runs: the folders are valid, nothing asks.
        PumpFor(50);
    }
    void Presets() override
    {
        strScript = dir.Write("script.txt", "# none\n");
        strConfigDir = dir.Folder() + "my configs\\";
        ::CreateDirectoryA(strConfigDir.c_str(), nullptr);
        ProfileWriteInt("ConfigurationFilesDirectories", "NumEntries", 1);
        ProfileWriteString("ConfigurationFilesDirectories", "1", strConfigDir.c_str());
        ProfileWriteInt("LogFilesDirectories", "NumEntries", 1);
        ProfileWriteString("LogFilesDirectories", "1", dir.Folder().c_str());
        std::string strArgs = "--lifetime 30000 --record \"" + dir.Path("record.txt") + "\" --script \"" +
                              strScript + "\" EXTERNALGUI";
        ProfileWriteString("Settings", "ExtraCmdLineArgs", strArgs.c_str());
    }
    void ApplyDevicesPageWhileRunning(const std::string& strPrefix);
    // A configuration file in the folder with blanks in its name.
    std::string WriteConfig(const std::string& strName, const std::string& strHeader)
    {
        std::string strPath = strConfigDir + strName;
        std::ofstream(strPath, std::ios::binary) << strHeader << "0120 3390 disk.img\n";
        return strPath;
    }
    bool ConsoleContains(const std::string& strText) const
    {
        for (const std::string& s : ConsoleLines())
            if (s.find(strText) != std::string::npos)
                return true;
        return false;
    }
    bool PumpUntilEnded() { return Pump([&] { return !pView->IsEmulatorRunning(); }); }
    // Power On goes on in posted steps after its questions.
    bool PumpUntilRunning() { return Pump([&] { return pView->IsEmulatorRunning(); }); }
};

}  // namespace

TEST_F(PowerFixture, PowerOnHandshakeCommandExitAndEndReport)
{
    std::string strConfig =
        WriteConfig("sys one.cnf", "# MaxShutdownSecs: 30\n# RCFile: my ipl.rc\n# LogoFile: logo.txt\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strConfig));
    pView->SendMessage(WM_COMMAND, ID_POWER_ON, 0);
    ASSERT_TRUE(PumpUntilRunning());

    std::string strExe = std::string(pView->GetExecutablesDir()) + "vornemu.exe";
    std::string strExpected = std::string(QuoteIfNeeded(strExe.c_str())) + " -f \"" + strConfig +
                              "\" -r \"my ipl.rc\" -b logo.txt --lifetime 30000 --record \"" +
                              dir.Path("record.txt") + "\" --script \"" + strScript + "\" EXTERNALGUI";
    EXPECT_EQ(std::string(pView->GetPowerOnCommandLine()), strExpected);
    EXPECT_TRUE(ConsoleContains("******** Power-On Date and Time  = "));
    EXPECT_TRUE(ConsoleContains("******** Working directory to be = \"" + strConfigDir + "\""));
    EXPECT_TRUE(ConsoleContains("******** Control file being used = " + strConfig));
    EXPECT_TRUE(ConsoleContains("******** Command line to execute = " + strExpected));
    EXPECT_FALSE(ConsoleContains("******** Current active log file"));  // memory only

    ASSERT_TRUE(PumpUntilReady());
    EXPECT_NE(ReadText(strRecord + ".cmdline").find("-r \"my ipl.rc\" -b logo.txt"), std::string::npos)
        << ReadText(strRecord + ".cmdline");
    // A command typed on the command line reaches the stand-in.
    ::SetWindowTextA(bars->m_hCmdEdit, "devinit 0120 new.img");
    pView->SendMessage(WM_COMMAND, ID_CMDLINE_SEND, 0);
    ASSERT_TRUE(Pump([&] { return HasReceived("devinit 0120 new.img"); }));

    pView->SendMessage(WM_COMMAND, ID_POWER_OFF, 0);
    ASSERT_TRUE(PumpUntilEnded());
    EXPECT_TRUE(HasReceived("vorn exit") || HasReceived("exit"));
    EXPECT_TRUE(ConsoleContains("Vornamic ended; rc=0"));
    EXPECT_FALSE(ConsoleContains("* Vornamic"));  // no watchdog note
    // The status fields show their placeholders again.
    char szPart[128] = {};
    ::GetWindowTextA(bars->m_hParts[0], szPart, sizeof szPart);
    EXPECT_STREQ(szPart, "CP?? PSW=???????? ???????? ????????????????");
    ::GetWindowTextA(bars->m_hFields[0], szPart, sizeof szPart);
    EXPECT_STREQ(szPart, "GR0-3=???????? ???????? ???????? ????????");
    // Power On again is possible once it ended.
    EXPECT_FALSE(pView->IsEmulatorRunning());
}

// Power On hands the window back between its steps: a probe that asks the
// main window without pause is answered before the emulator runs.
TEST_F(PowerFixture, WindowAnswersWhilePoweringOn)
{
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, WriteConfig("probe.cnf", "")));
    HWND hMain = app->m_pMainWnd->m_hWnd;
    vorntest::MessageCounter answers(hMain, WM_NULL);
    ASSERT_TRUE(answers.Watching());
    std::atomic<bool> bStop{false}, bStopped{false};
    std::thread probe([&] {
        while (!bStop)
            ::SendMessageTimeoutA(hMain, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr);
        bStopped = true;
    });
    bool bProbing = Pump([&] { return answers.Count() > 0; });
    int nBefore = answers.Count();
    pView->PowerOn();
    bool bRunning = PumpUntilRunning();
    int nWhile = answers.Count() - nBefore;
    bStop = true;
    Pump([&] { return bStopped.load(); });
    probe.join();
    ASSERT_TRUE(bProbing) << "the probe's first answer";
    ASSERT_TRUE(bRunning);
    EXPECT_GT(nWhile, 0);
}

TEST_F(PowerFixture, WatchdogWaitsOnceThenEndsAStandinThatIgnoresExit)
{
    std::ofstream(strScript, std::ios::binary) << "ignore-exit\n";
    std::string strConfig = WriteConfig("slow.cnf", "# MaxShutdownSecs: 1\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strConfig));
    pView->PowerOn();
    ASSERT_TRUE(PumpUntilReady());
    DialogSequence seq({ClickTask(kWatchdogButtonWait), ClickTask(kWatchdogButtonKill)});
    pView->PowerOff();
    ASSERT_TRUE(PumpUntilEnded());
    ASSERT_EQ(seq.Seen().size(), 2u);
    EXPECT_EQ(seq.Seen()[0].strCaption, "Maximum shutdown time exceeded");
    EXPECT_TRUE(ConsoleContains("* Waiting another 1 seconds for Vornamic to exit..."));
    EXPECT_TRUE(ConsoleContains("* Vornamic forcibly terminated by user request"));
    EXPECT_FALSE(ConsoleContains("finally exited on its own"));
    EXPECT_TRUE(ConsoleContains("Vornamic ended; rc=-1"));
}

// A maximum shutdown time applied from the Device Options page while the
// emulator runs is the one the next shutdown waits: 1 s, not the file's 30.
TEST_F(PowerFixture, WatchdogWaitsTheShutdownTimeAppliedWhileRunning)
{
    std::ofstream(strScript, std::ios::binary) << "ignore-exit\n";
    std::string strConfig = WriteConfig("slow.cnf", "# MaxShutdownSecs: 30\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strConfig));
    pView->PowerOn();
    ASSERT_TRUE(PumpUntilReady());
    // The system configuration dialog's OK or Apply.
    CSysCfgDialog dlg(pView);
    pView->PrepareSysCfgDialog(dlg);
    dlg.m_config.m_nMaxShutdownSecs = 1;
    pView->SendMessage(WM_SYSCFG_APPLY, 0, (LPARAM)&dlg);
    ASSERT_EQ(pView->GetConfig().m_nMaxShutdownSecs, 1);
    DialogSequence seq({ClickTask(kWatchdogButtonKill)});
    pView->PowerOff();
    ASSERT_TRUE(Pump([&] { return !pView->IsEmulatorRunning(); }, 10000)) << "the watchdog's question";
    ASSERT_EQ(seq.Seen().size(), 1u);
    EXPECT_EQ(seq.Seen()[0].strCaption, "Maximum shutdown time exceeded");
}

// An emulator that never reports its devices never gets ready: "vorn exit"
// stays queued, and only the watchdog can end it.
struct NeverReadyFixture : PowerFixture {
    void Presets() override
    {
        PowerFixture::Presets();
        CString strArgs = ProfileGetString("Settings", "ExtraCmdLineArgs", "");
        ProfileWriteString("Settings", "ExtraCmdLineArgs", "--no-devlist " + strArgs);
    }
};

TEST_F(NeverReadyFixture, PowerOffEndsAnEmulatorThatNeverGotReady)
{
    std::ofstream(strScript, std::ios::binary) << "ignore-exit\n";
    std::string strConfig = WriteConfig("slow.cnf", "# MaxShutdownSecs: 1\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strConfig));
    pView->PowerOn();
    ASSERT_TRUE(PumpUntilRunning());
    PumpFor(200);
    ASSERT_FALSE(pView->IsEmulatorReady());
    DialogSequence seq({ClickTask(kWatchdogButtonKill)});
    pView->PowerOff();
    ASSERT_TRUE(PumpUntilEnded());
    EXPECT_EQ(seq.Seen().size(), 1u);
    EXPECT_TRUE(ConsoleContains("* Vornamic forcibly terminated by user request"));
}

TEST_F(PowerFixture, WatchdogQuestionClosesItselfWhenTheEmulatorEnds)
{
    std::ofstream(strScript, std::ios::binary) << "ignore-exit\n";
    std::string strConfig = WriteConfig("slow.cnf", "# MaxShutdownSecs: 1\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strConfig));
    pView->PowerOn();
    ASSERT_TRUE(PumpUntilReady());
    DWORD dwPid = pView->GetEmulator()->GetProcessId();
    // While the question shows, the process ends by itself.
    DialogSequence seq({[dwPid](HWND) {
        HANDLE h = ::OpenProcess(PROCESS_TERMINATE, FALSE, dwPid);
        ::TerminateProcess(h, 7);
        ::CloseHandle(h);
    }});
    pView->PowerOff();
    ASSERT_TRUE(PumpUntilEnded());
    ASSERT_TRUE(Pump([&] { return ConsoleContains("* Vornamic appears to have finally exited on its own."); }));
    EXPECT_EQ(seq.Seen().size(), 1u);
    EXPECT_TRUE(ConsoleContains("Vornamic ended; rc=7"));
}

TEST_F(PowerFixture, OlderEmulatorIsToldVornExitAndTheWatchdogAsks)
{
    // Below version 4.0 the console keeps the "vorn " before its commands.
    std::ofstream(strScript, std::ios::binary) << "set version 3.02\nignore-exit\n";
    std::string strConfig = WriteConfig("old.cnf", "# MaxShutdownSecs: 1\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strConfig));
    pView->PowerOn();
    ASSERT_TRUE(PumpUntilReady());
    DialogSequence seq({ClickTask(kWatchdogButtonKill)});
    pView->PowerOff();
    ASSERT_TRUE(PumpUntilEnded());
    EXPECT_TRUE(HasReceived("vorn exit"));
    ASSERT_EQ(seq.Seen().size(), 1u);
    EXPECT_EQ(seq.Seen()[0].strCaption, "Maximum shutdown time exceeded");
    EXPECT_TRUE(ConsoleContains("* Vornamic forcibly terminated by user request"));
}

namespace {

// Index of the first console line holding the text, or -1.
int ConsoleIndexOf(const std::vector<std::string>& lines, const std::string& strText)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(strText) != std::string::npos)
            return (int)i;
    return -1;
}

const char kVerified[] = "******** ZQC046I Acceptance of PGMPRDOS LICENSED setting verified";
const char kTimeout[] = "******** ZQC046W Timeout waiting for user response...";
const char kPresumed[] = "******** ZQC046W Acceptance of PGMPRDOS LICENSED setting presumed";

}  // namespace

TEST_F(PowerFixture, LicensedModeAcknowledgedOnceWithItsNoteAfterTheHeader)
{
    std::string strConfig = WriteConfig("lic.cnf", "PGMPRDOS LICENSED\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strConfig));
    {
        DialogSequence seq({ClickTask(IDYES)});
        pView->PowerOn();
        ASSERT_EQ(seq.Seen().size(), 1u);
        EXPECT_EQ(seq.Seen()[0].strCaption, "");
    }
    ASSERT_TRUE(PumpUntilRunning());
    std::vector<std::string> lines = ConsoleLines();
    int nCommand = ConsoleIndexOf(lines, "******** Command line to execute = ");
    ASSERT_GE(nCommand, 0);
    EXPECT_EQ(ConsoleIndexOf(lines, kVerified), nCommand + 1);
    EXPECT_EQ(ConsoleIndexOf(lines, "ZQC046W"), -1);
    ASSERT_TRUE(PumpUntilReady());
    pView->PowerOff();
    ASSERT_TRUE(PumpUntilEnded());

    // Acknowledged until the program ends: the next power-on does not ask.
    DialogSequence seq({});
    pView->PowerOn();
    EXPECT_TRUE(seq.Seen().empty());
    EXPECT_TRUE(PumpUntilRunning());
}

TEST_F(PowerFixture, LicensedModeRefusedEndsPowerOnSilently)
{
    std::string strConfig = WriteConfig("lic.cnf", "PGMPRDOS LICENSED\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strConfig));
    DialogSequence seq({ClickTask(IDNO)});
    pView->PowerOn();
    ASSERT_EQ(seq.Seen().size(), 1u);
    EXPECT_FALSE(pView->IsEmulatorRunning());
    EXPECT_FALSE(ConsoleContains("********"));
    EXPECT_TRUE(pView->GetPowerOnCommandLine().IsEmpty());
}

TEST_F(PowerFixture, LicensedModeTimeOutPresumesAndAsksAgainNextTime)
{
    std::string strConfig = WriteConfig("lic.cnf", "PGMPRDOS LICENSED\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strConfig));
    g_nLicensedModeTimeoutMs = 2500;
    std::string strTitle;
    {
        // Nobody answers: the question counts down in its title, then
        // presses Yes itself.
        vorntest::DialogDriver driver([&](HWND hDlg) {
            char sz[64] = {};
            ::GetWindowTextA(hDlg, sz, sizeof sz);
            strTitle = sz;
            return strTitle.find("seconds remaining...") == std::string::npos;
        });
        pView->PowerOn();
        EXPECT_TRUE(driver.SawDialog());
    }
    g_nLicensedModeTimeoutMs = kLicensedModeTimeoutMs;
    EXPECT_TRUE(strTitle == "2 seconds remaining..." || strTitle == "3 seconds remaining...") << strTitle;
    ASSERT_TRUE(PumpUntilRunning());
    std::vector<std::string> lines = ConsoleLines();
    int nCommand = ConsoleIndexOf(lines, "******** Command line to execute = ");
    ASSERT_GE(nCommand, 0);
    EXPECT_EQ(ConsoleIndexOf(lines, kTimeout), nCommand + 1);
    EXPECT_EQ(ConsoleIndexOf(lines, kPresumed), nCommand + 2);
    EXPECT_EQ(ConsoleIndexOf(lines, "ZQC046I"), -1);
    ASSERT_TRUE(PumpUntilReady());
    pView->PowerOff();
    ASSERT_TRUE(PumpUntilEnded());

    // A time-out does not count as acknowledged.
    DialogSequence seq({ClickTask(IDNO)});
    pView->PowerOn();
    EXPECT_EQ(seq.Seen().size(), 1u);
    EXPECT_FALSE(pView->IsEmulatorRunning());
}

TEST_F(PowerFixture, NoConfigurationRunsWithNone)
{
    DialogSequence seq({ClickTask(IDYES)});
    pView->PowerOn();
    ASSERT_EQ(seq.Seen().size(), 1u);
    EXPECT_NE(seq.Seen()[0].strTexts.find("Start with no configuration file?"), std::string::npos);
    ASSERT_TRUE(PumpUntilRunning());
    EXPECT_NE(std::string(pView->GetPowerOnCommandLine()).find("vornemu.exe -f none --lifetime"),
              std::string::npos);
    EXPECT_TRUE(ConsoleContains("******** Control file being used = none"));
}

TEST_F(PowerFixture, NoConfigurationRefusedEndsWithItsMessage)
{
    DialogSequence seq({ClickTask(IDNO), ClickTask(IDOK)});
    pView->PowerOn();
    ASSERT_EQ(seq.Seen().size(), 2u);
    EXPECT_NE(seq.Seen()[1].strTexts.find("Power-On Aborted!"), std::string::npos);
    EXPECT_FALSE(pView->IsEmulatorRunning());
    EXPECT_FALSE(ConsoleContains("********"));
}

TEST_F(PowerFixture, StartupConfigurationFileIsPoweredOn)
{
    std::string strConfig = WriteConfig("start.cnf", "");
    g_strStartupConfigFile = strConfig.c_str();
    pView->TakeStartupConfigFile();
    ASSERT_TRUE(Pump([&] { return pView->IsEmulatorRunning(); }));
    EXPECT_EQ(std::string(pView->GetConfig().GetFullPath()), strConfig);
    EXPECT_TRUE(g_strStartupConfigFile.IsEmpty());
    EXPECT_TRUE(ConsoleContains("******** Control file being used = " + strConfig));
}

// The configuration read in steps asks about its errors as the whole read
// did: Retry reads it again, Ignore powers on with it, Cancel refuses.
TEST_F(PowerFixture, ConfigurationWithErrorsAsksBeforePowerOn)
{
    std::string strConfig = WriteConfig("bad.cnf", "ARCHLVL\n");
    for (bool bIgnore : {false, true}) {
        SCOPED_TRACE(bIgnore ? "Retry, Ignore" : "Cancel");
        std::vector<std::function<void(HWND)>> steps = {ClickTask(IDOK), ClickControl(IDC_PARSE_ERRORS_CANCEL)};
        if (bIgnore)
            steps = {ClickTask(IDOK), ClickControl(IDC_PARSE_ERRORS_RETRY), ClickTask(IDOK),
                     ClickControl(IDC_PARSE_ERRORS_IGNORE)};
        DialogSequence seq(steps);
        g_strStartupConfigFile = strConfig.c_str();
        pView->TakeStartupConfigFile();
        if (bIgnore) {
            ASSERT_TRUE(PumpUntilRunning());
            EXPECT_TRUE(ConsoleContains("******** Control file being used = " + strConfig));
        } else {
            ASSERT_TRUE(Pump([&] { return seq.Seen().size() == 2 && !pView->IsPoweringOn(); }))
                << "the end of Power On";
            EXPECT_FALSE(pView->IsEmulatorRunning());
            EXPECT_FALSE(ConsoleContains("********"));
            EXPECT_TRUE(pView->GetConfig().GetFullPath().IsEmpty());
        }
        ASSERT_EQ(seq.Seen().size(), steps.size());
        EXPECT_NE(seq.Seen()[0].strTexts.find("Invalid configuration file."), std::string::npos);
        EXPECT_EQ(seq.Seen().back().strCaption, "Configuration File Error(s)...");
    }
}

// "-f" naming a file that is not there: the user is told which one, and the
// program goes on without it.
TEST_F(PowerFixture, MissingStartupConfigurationFileIsNamed)
{
    std::string strMissing = strConfigDir + "absent.cnf";
    std::string strTyped = strMissing;
    std::replace(strTyped.begin(), strTyped.end(), '\\', '/');
    g_strStartupConfigFile = strTyped.c_str();
    DialogSequence seq({ClickTask(IDOK)});
    pView->TakeStartupConfigFile();
    ASSERT_EQ(seq.Seen().size(), 1u);
    EXPECT_NE(seq.Seen()[0].strTexts.find("The configuration file named with -f was not found."), std::string::npos)
        << seq.Seen()[0].strTexts;
    EXPECT_NE(seq.Seen()[0].strTexts.find("\"" + strMissing + "\""), std::string::npos) << seq.Seen()[0].strTexts;
    EXPECT_TRUE(g_strStartupConfigFile.IsEmpty());
    PumpFor(50);
    EXPECT_FALSE(pView->IsEmulatorRunning());
}

namespace {

std::string Slashed(std::string str)
{
    std::replace(str.begin(), str.end(), '\\', '/');
    return str;
}

// Folders an older release stored with "/": the executables and
// configuration folders and the last configuration's folder.
struct SlashedFoldersFixture : PowerFixture {
    std::string strExeDir, strConfig;
    void Presets() override
    {
        PowerFixture::Presets();
        strConfig = WriteConfig("last.cnf", "");
        strExeDir = std::string(ProfileGetString("ExecutablesFilesDirectories", "1", "").GetString());
        ProfileWriteString("ExecutablesFilesDirectories", "1", Slashed(strExeDir).c_str());
        ProfileWriteString("ConfigurationFilesDirectories", "1", Slashed(strConfigDir).c_str());
        ProfileWriteString("Settings", "PrevConfigDir", Slashed(strConfigDir).c_str());
        ProfileWriteString("Settings", "PrevConfigFile", "last.cnf");
    }
};

}  // namespace

// The header and the emulator's command line name every folder with "\",
// also the ones read from the settings of an earlier session.
TEST_F(SlashedFoldersFixture, HeaderAndCommandLineUseBackslashes)
{
    pView->SendMessage(WM_COMMAND, ID_POWER_ON, 0);
    ASSERT_TRUE(PumpUntilRunning());
    std::string strCmd = pView->GetPowerOnCommandLine().GetString();
    std::string strStart = std::string(QuoteIfNeeded((strExeDir + "vornemu.exe").c_str())) + " -f \"" + strConfig + "\"";
    EXPECT_EQ(strCmd.rfind(strStart, 0), 0u) << strCmd;
    EXPECT_TRUE(ConsoleContains("******** Working directory to be = \"" + strConfigDir + "\""));
    EXPECT_TRUE(ConsoleContains("******** Control file being used = " + strConfig));
    EXPECT_TRUE(ConsoleContains("******** Command line to execute = " + strCmd));
    EXPECT_EQ(std::string(pView->GetConfigFilesDir()), strConfigDir);
    // Ready first: an exit typed before it waits for the emulator's start,
    // which a loaded machine can make longer than the shutdown watchdog.
    ASSERT_TRUE(PumpUntilReady());
    pView->SendMessage(WM_COMMAND, ID_POWER_OFF, 0);
    ASSERT_TRUE(PumpUntilEnded());
}

namespace {

// "Options" "PowerOff" 2: ask whether to leave after the emulator ended.
struct AskToExitFixture : PowerFixture {
    void Presets() override
    {
        PowerFixture::Presets();
        ProfileWriteInt("Options", "PowerOff", 2);
    }
    bool TakeMainWindowClose()
    {
        MSG msg;
        return ::PeekMessageA(&msg, app->m_pMainWnd->m_hWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE) != FALSE;
    }
};

}  // namespace

TEST_F(AskToExitFixture, PowerOffOptionAsksBeforeClosingTheMainWindow)
{
    {
        DialogSequence seq({ClickTask(IDNO)});
        pView->ApplyPowerOffOption();
        ASSERT_EQ(seq.Seen().size(), 1u);
        EXPECT_NE(seq.Seen()[0].strTexts.find("Do you wish to exit the application at this time?"), std::string::npos);
    }
    EXPECT_FALSE(TakeMainWindowClose());
    {
        DialogSequence seq({ClickTask(IDYES)});
        pView->ApplyPowerOffOption();
    }
    EXPECT_TRUE(TakeMainWindowClose());
    // Closing the main window powered the emulator off: no question.
    pView->SetExitAfterPowerOff(true);
    DialogSequence seq({});
    pView->ApplyPowerOffOption();
    EXPECT_TRUE(seq.Seen().empty());
    EXPECT_TRUE(TakeMainWindowClose());
}

// The Devices page of the system configuration dialog with the emulator
// running: an added reader and a removed disk reach the emulator at Apply,
// in the order queued, with the "vorn " prefix that the emulator's version
// wants (strPrefix), and the next Apply sends nothing more.
void PowerFixture::ApplyDevicesPageWhileRunning(const std::string& strPrefix)
{
    std::string strConfig = WriteConfig("devs.cnf", "CPUSERIAL 000611\nCPUMODEL 2827\nMAINSIZE 64\n");
    ASSERT_TRUE(vorntest::OpenAsAtStartup(pView, strConfig));
    pView->SendMessage(WM_COMMAND, ID_POWER_ON, 0);
    ASSERT_TRUE(PumpUntilReady());
    CSysCfgDialog dlg(pView);
    pView->PrepareSysCfgDialog(dlg);
    dlg.m_nStartPage = kSysCfgDevicesPage;
    // Stands for the card reader's dialog, closed with OK.
    dlg.m_defineDevice = [](CVornDevice& dev, CString& strCommand, const SysCfgDeviceDialogRun&) {
        dev.m_strFirstArg = "deck.txt";
        dev.m_strOtherArgs.Empty();
        strCommand.Format("attach %s 3505 deck.txt", (LPCSTR)FormatDevnum(dev.GetKey()));
        return true;
    };
    const std::string kAttach = strPrefix + "attach 000C 3505 deck.txt";
    const std::string kDetach = strPrefix + "detach 0120";
    auto Press = [](HWND h, int nId) {
        ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), (LPARAM)::GetDlgItem(h, nId));
    };
    int nStep = 0;
    DWORD dwWaitStart = 0;
    vorntest::RunModal(dlg, [&](HWND hDlg) {
        HWND hPage = dlg.m_DevicesPage.m_hWnd;
        switch (nStep++) {
        case 0: {
            Press(hPage, IDC_DEVICES_READER);
            CListBox& list = dlg.m_DevicesPage.List();
            list.SetSel(-1, FALSE);
            list.SetSel(1, TRUE);  // the disk, after the reader
            Press(hPage, IDC_DEVICES_REMOVE);
            EXPECT_EQ(dlg.m_DevicesPage.Pending().Commands().size(), 2u);
            Press(hDlg, ID_APPLY_NOW);
            // Sent at the first accepted page apply.
            EXPECT_TRUE(dlg.m_DevicesPage.Pending().Commands().empty());
            dwWaitStart = ::GetTickCount();
            return true;
        }
        case 1:
            if (!HasReceived(kDetach) && ::GetTickCount() - dwWaitStart < 10000)
                nStep = 1;
            else
                Press(hDlg, ID_APPLY_NOW);
            return true;
        case 2:
            ::Sleep(300);
            return true;
        default:
            vorntest::ClickControl(IDCANCEL)(hDlg);
            return false;
        }
    });
    PumpFor(300);
    std::vector<std::string> lines = Received();
    auto attach = std::find(lines.begin(), lines.end(), kAttach);
    auto detach = std::find(lines.begin(), lines.end(), kDetach);
    std::string strAll;
    for (const std::string& s : lines)
        strAll += s + "|";
    ASSERT_NE(attach, lines.end()) << strAll;
    ASSERT_NE(detach, lines.end()) << strAll;
    EXPECT_LT(attach, detach);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), kAttach), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), kDetach), 1);
    // The view holds the edited configuration.
    CVornDevice dev;
    EXPECT_TRUE(pView->GetConfig().m_devices.Lookup(0x000C, dev));
    EXPECT_FALSE(pView->GetConfig().m_devices.Lookup(0x0120, dev));
    pView->SendMessage(WM_COMMAND, ID_POWER_OFF, 0);
    ASSERT_TRUE(PumpUntilEnded());
}

TEST_F(PowerFixture, DevicesPageCommandsGoOutAtAnApplyWhileRunning)
{
    // Version 4.7: the commands arrive without "vorn ".
    ApplyDevicesPageWhileRunning("");
}

TEST_F(PowerFixture, DevicesPageCommandsKeepThePrefixForAnOlderEmulator)
{
    std::ofstream(strScript, std::ios::binary) << "set version 3.02\n";
    ApplyDevicesPageWhileRunning("vorn ");
}
