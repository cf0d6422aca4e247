// PowerOnTextTest.cpp: the power-on time and header lines, the shutdown
// watchdog's decisions and notes, and the required-folder question.
#include <gtest/gtest.h>

#include "session/PowerOnText.h"

TEST(PowerOnText, TimeShowsTheHourOfTheDayAndItsHalf)
{
    EXPECT_EQ(FormatPowerOnTime(2026, 12, 7, 0, 5, 9), "2026/12/07 at 00:05:09 AM");
    EXPECT_EQ(FormatPowerOnTime(2026, 1, 31, 11, 59, 59), "2026/01/31 at 11:59:59 AM");
    EXPECT_EQ(FormatPowerOnTime(2026, 6, 1, 12, 0, 0), "2026/06/01 at 12:00:00 PM");
    EXPECT_EQ(FormatPowerOnTime(999, 6, 1, 23, 1, 2), "0999/06/01 at 23:01:02 PM");
}

TEST(PowerOnText, HeaderLinesInOrderWithAlignedLabels)
{
    SPowerOnHeader h;
    h.strSessionDesc = "Test run";
    h.strTime = "2026/12/07 at 00:05:09 AM";
    h.strWorkingDir = "C:\\My Configs\\";
    h.strConfigPath = "C:\\My Configs\\sys.cnf";
    h.strCommandLine = "Vornamic.exe -f \"C:\\My Configs\\sys.cnf\" EXTERNALGUI";
    h.strLogFile = "C:\\Logs/console 001.log";
    std::vector<CString> lines = BuildPowerOnHeader(h);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "******** Session Description     = Test run");
    EXPECT_EQ(lines[1], "******** Power-On Date and Time  = 2026/12/07 at 00:05:09 AM");
    EXPECT_EQ(lines[2], "******** Working directory to be = \"C:\\My Configs\\\"");
    EXPECT_EQ(lines[3], "******** Control file being used = C:\\My Configs\\sys.cnf");
    EXPECT_EQ(lines[4], "******** Command line to execute = Vornamic.exe -f \"C:\\My Configs\\sys.cnf\" EXTERNALGUI");
    EXPECT_EQ(lines[5], "******** Current active log file = \"C:\\Logs\\console 001.log\"");
}

TEST(PowerOnText, HeaderWithoutDescriptionConfigurationOrLogFile)
{
    SPowerOnHeader h;
    h.strTime = "t";
    h.strWorkingDir = "C:\\cfg\\";
    h.strCommandLine = "x";
    std::vector<CString> lines = BuildPowerOnHeader(h);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "******** Power-On Date and Time  = t");
    EXPECT_EQ(lines[1], "******** Working directory to be = C:\\cfg\\");
    EXPECT_EQ(lines[2], "******** Control file being used = none");
}

TEST(PowerOnText, WatchdogDecisions)
{
    EXPECT_EQ(DecideWatchdogAction(false, kWatchdogButtonWait), kWatchdogEnded);
    EXPECT_EQ(DecideWatchdogAction(false, kWatchdogButtonKill), kWatchdogEnded);
    EXPECT_EQ(DecideWatchdogAction(true, kWatchdogButtonWait), kWatchdogWaitMore);
    EXPECT_EQ(DecideWatchdogAction(true, kWatchdogButtonKill), kWatchdogKill);
    // Escape or a failed dialog counts as the forced end.
    EXPECT_EQ(DecideWatchdogAction(true, 2), kWatchdogKill);
    EXPECT_EQ(DecideWatchdogAction(true, 0), kWatchdogKill);
}

TEST(PowerOnText, WatchdogNotes)
{
    EXPECT_EQ(WatchdogNote(kWatchdogEnded, 30), "* Vornamic appears to have finally exited on its own.");
    EXPECT_EQ(WatchdogNote(kWatchdogWaitMore, 30), "* Waiting another 30 seconds for Vornamic to exit...");
    EXPECT_EQ(WatchdogNote(kWatchdogWaitMore, 4294967295u),
              "* Waiting another 4294967295 seconds for Vornamic to exit...");
    // A forced end is reported as one, never as an end on its own.
    EXPECT_EQ(WatchdogNote(kWatchdogKill, 30), "* Vornamic forcibly terminated by user request");
}

TEST(PowerOnText, BadRequiredFolderTexts)
{
    EXPECT_STREQ(RequiredDirKindName(kRequiredExecutables), "Executable Files");
    EXPECT_STREQ(RequiredDirKindName(kRequiredConfig), "Configuration Files");
    EXPECT_STREQ(RequiredDirKindName(kRequiredLogs), "Log Files");
    EXPECT_STREQ(RequiredDirKindName(kRequiredCount), "");
    EXPECT_EQ(BadRequiredDirInstruction(kRequiredLogs), "Bad Log Files directory");
    CString strContent = BadRequiredDirContent(kRequiredConfig, "VornGUI");
    EXPECT_EQ(strContent.Left(75), "The Configuration Files directory is either not defined yet or is invalid. ");
    EXPECT_NE(strContent.Find("define a valid Configuration Files directory.\n\nPlease note"), -1);
    EXPECT_NE(strContent.Find("will cause VornGUI to immediately abort."), -1);
}

TEST(PowerOnText, LicensedModeNotesFollowTheHeader)
{
    SPowerOnHeader h;
    h.strTime = "t";
    h.strCommandLine = "x";
    h.notes = LicensedModeNotes(kLicensedPresumed);
    std::vector<CString> lines = BuildPowerOnHeader(h);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "******** Command line to execute = x");
    EXPECT_EQ(lines[4], "******** ZQC046W Timeout waiting for user response...");
    EXPECT_EQ(lines[5], "******** ZQC046W Acceptance of PGMPRDOS LICENSED setting presumed");
}

TEST(PowerOnText, LicensedModeAnswersAndNotes)
{
    struct Case {
        bool bTimedOut;
        int nButton;
        ELicensedAnswer eAnswer;
        size_t nNotes;
    };
    const Case cases[] = {
        {false, 6, kLicensedVerified, 1},  // IDYES
        {false, 7, kLicensedRefused, 0},   // IDNO
        {false, 2, kLicensedRefused, 0},   // IDCANCEL (Alt+F4)
        {false, 0, kLicensedRefused, 0},   // the dialog failed
        {true, 6, kLicensedPresumed, 2},   // Yes pressed by the time-out
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecideLicensedAnswer(c.bTimedOut, c.nButton), c.eAnswer) << c.nButton;
        EXPECT_EQ(LicensedModeNotes(c.eAnswer).size(), c.nNotes) << c.nButton;
    }
    EXPECT_EQ(LicensedModeNotes(kLicensedVerified)[0],
              "******** ZQC046I Acceptance of PGMPRDOS LICENSED setting verified");
}

TEST(PowerOnText, LicensedModeCountdownRoundsToTheNearestSecond)
{
    const struct {
        UINT nTimeout, nElapsed;
        const char* pszTitle;
    } cases[] = {
        {600000, 0, "600 seconds remaining..."},
        {600000, 200, "600 seconds remaining..."},
        {600000, 600, "599 seconds remaining..."},
        {600000, 599400, "1 seconds remaining..."},
        {600000, 599600, "0 seconds remaining..."},
        {600000, 700000, "0 seconds remaining..."},  // late timer: never negative
        {0xFFFFFFFFu, 0, "4294967 seconds remaining..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LicensedModeCountdown(c.nTimeout, c.nElapsed), c.pszTitle) << c.nElapsed;
}
