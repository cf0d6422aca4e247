// TerminalArgumentsTest.cpp: the console's and display's argument words by
// type read into the fields and written back, the command-prefix messages
// and the two kinds of command.
#include <gtest/gtest.h>

#include <string>

#include "config/CVornConfigFile.h"
#include "devices/TerminalArguments.h"

namespace {

struct ConsoleRow {
    const char* pszType;
    const char* pszArgs;
    const char* pszGroup;
    const char* pszIP;
    const char* pszMask;
    bool bNoprompt;
    const char* pszWritten;  // the fields written back
};

}  // namespace

TEST(TerminalArguments, ConsoleArgumentsByTypeBothWays)
{
    const ConsoleRow rows[] = {
        {"1052-C", "/", "/", "", "", false, "/"},
        {"3215-C", "+ NOPROMPT", "+", "", "", true, "+ noprompt"},
        {"3215-c", "! noprompt", "!", "", "", true, "! noprompt"},
        // Written without a prefix, the flag stands first.
        {"3215-C", "noprompt", "", "", "", true, "noprompt"},
        {"1052-C", "", "", "", "", false, ""},
        {"3215", "* 10.1.1.1 255.255.255.0", "", "10.1.1.1", "255.255.255.0", false, "* 10.1.1.1 255.255.255.0"},
        {"3215", "noprompt * 192.168.0.10", "", "192.168.0.10", "", true, "noprompt * 192.168.0.10"},
        {"3215", "noprompt", "", "", "", true, "noprompt"},
        {"1052", "GRP1", "GRP1", "", "", false, "GRP1"},
        {"1052", "Noprompt GRP1 10.0.0.1 255.0.0.0", "GRP1", "10.0.0.1", "255.0.0.0", true,
         "noprompt GRP1 10.0.0.1 255.0.0.0"},
        // An address that is not dotted IPv4 is not shown.
        {"3215", "GRP1 vornhost 255.0.0.0", "GRP1", "", "255.0.0.0", false, "GRP1"},
        {"3215", "GRP1 10.0.0.300", "GRP1", "", "", false, "GRP1"},
    };
    for (const ConsoleRow& r : rows) {
        STerminalFields f;
        ParseConsoleArguments(r.pszType, r.pszArgs, f);
        EXPECT_STREQ(r.pszGroup, f.strGroup) << r.pszType << " " << r.pszArgs;
        EXPECT_STREQ(r.pszIP, f.strIP) << r.pszArgs;
        EXPECT_STREQ(r.pszMask, f.strMask) << r.pszArgs;
        EXPECT_EQ(r.bNoprompt, f.bNoprompt) << r.pszArgs;
        EXPECT_STREQ(r.pszWritten, BuildConsoleArguments(r.pszType, f)) << r.pszArgs;
    }
}

TEST(TerminalArguments, ConsoleWritingOfEachKind)
{
    STerminalFields f;
    f.strGroup = "/";
    f.strIP = "10.0.0.1";  // an integrated console has no address
    EXPECT_STREQ("/", BuildConsoleArguments("1052-C", f));
    f.strGroup.Empty();
    f.bNoprompt = true;
    EXPECT_STREQ("noprompt * 10.0.0.1", BuildConsoleArguments("3215", f));
    // A mask without an address is not written.
    f.strIP.Empty();
    f.strMask = "255.0.0.0";
    EXPECT_STREQ("noprompt", BuildConsoleArguments("3215", f));
}

TEST(TerminalArguments, DisplayArgumentsBothWays)
{
    const ConsoleRow rows[] = {
        {"3270", "", "", "", "", false, "*"},
        {"3270", "*", "", "", "", false, "*"},
        {"3270", "GRP1 192.168.0.0 255.255.0.0", "GRP1", "192.168.0.0", "255.255.0.0", false,
         "GRP1 192.168.0.0 255.255.0.0"},
        {"SYSG", "* 10.1.1.1", "", "10.1.1.1", "", false, "* 10.1.1.1"},
        {"3270", "TSO", "TSO", "", "", false, "TSO"},
    };
    for (const ConsoleRow& r : rows) {
        STerminalFields f;
        ParseDisplayArguments(r.pszArgs, f);
        EXPECT_STREQ(r.pszGroup, f.strGroup) << r.pszArgs;
        EXPECT_STREQ(r.pszIP, f.strIP) << r.pszArgs;
        EXPECT_STREQ(r.pszMask, f.strMask) << r.pszArgs;
        EXPECT_STREQ(r.pszWritten, BuildDisplayArguments(f)) << r.pszArgs;
    }
}

TEST(TerminalArguments, CommandPrefixMessages)
{
    const struct {
        const char* pszIn;
        const char* pszTrimmed;
        const char* pszMsg;  // nullptr: accepted
    } rows[] = {
        {"/", "/", nullptr},
        {"+ ", "+", nullptr},
        {"  ", "", nullptr},
        {"", "", nullptr},
        {"+ +", "+ +", "A command-prefix cannot contain any spaces"},
        {"ab", "ab", "The command-prefix must not begin with an alphabetic character since that would make it "
                     "impossible to enter any Vornamic command starting with the same character."},
        {"Z", "Z", "The command-prefix must not begin with an alphabetic character since that would make it "
                   "impossible to enter any Vornamic command starting with the same character."},
        {"]", "]", "The command-prefix character ']' is reserved for use by VornGUI only. Please choose a "
                   "different character."},
        {"]]", "]]", "The command-prefix character ']' is reserved for use by VornGUI only. Please choose a "
                     "different character."},
        {"++", "++", "Command-prefixes must only be one character."},
        {"#", "#", "The command-prefix character '#' begins a comment in a device statement. Please choose a "
                   "different character."},
    };
    for (const auto& r : rows) {
        CString str = r.pszIn;
        const char* pszMsg = CommandPrefixMessage(str);
        EXPECT_STREQ(r.pszTrimmed, str) << r.pszIn;
        if (r.pszMsg)
            EXPECT_STREQ(r.pszMsg, pszMsg) << r.pszIn;
        else
            EXPECT_EQ(nullptr, pszMsg) << r.pszIn;
    }
}

// Every prefix the check lets through survives the device statement.
TEST(TerminalArguments, AcceptedPrefixesSurviveTheStatement)
{
    for (int ch = 0x21; ch < 0x7F; ++ch) {
        CString strPrefix((char)ch, 1);
        if (CommandPrefixMessage(strPrefix))
            continue;
        STerminalFields f;
        f.strGroup = strPrefix;
        CVornDevice dev;
        CString strError;
        ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement("0009 1052-C " + BuildConsoleArguments("1052-C", f), dev,
                                                          strError));
        STerminalFields back;
        ParseConsoleArguments("1052-C", dev.m_strOtherArgs, back);
        EXPECT_STREQ(strPrefix, back.strGroup) << (char)ch;
    }
}

TEST(TerminalArguments, Commands)
{
    EXPECT_STREQ("attach 0009 1052-C /", ConsoleCommand(true, "0009", "1052-C", "/"));
    EXPECT_STREQ("attach 001F 3215", ConsoleCommand(true, "001F", "3215", ""));
    EXPECT_STREQ("devinit 0009 + noprompt", ConsoleCommand(false, "0009", "3215-C", "+ noprompt"));
    EXPECT_STREQ("devinit 001F", ConsoleCommand(false, "001F", "3215", ""));
    EXPECT_STREQ("attach 0700 3270 *", DisplayCommand(true, "0700", "3270", ""));
    EXPECT_STREQ("attach 1:0700 3270 GRP1", DisplayCommand(true, "1:0700", "3270", "GRP1"));
    EXPECT_STREQ("devinit 0700 *", DisplayCommand(false, "0700", "3270", ""));
    EXPECT_STREQ("devinit 0700 * 10.0.0.1", DisplayCommand(false, "0700", "3270", "* 10.0.0.1"));
}
