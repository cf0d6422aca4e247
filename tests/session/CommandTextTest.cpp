// CommandTextTest.cpp: the "vorn " prefix rule by version and the shutdown
// commands.
#include "session/CommandText.h"

#include <gtest/gtest.h>

namespace {

struct SPrefixCase {
    const char* pszCommand;
    double dVersion;
    const char* pszSent;
};

const SPrefixCase kPrefixCases[] = {
    { "vorn devinit 000C x", 4.0, "devinit 000C x" },
    { "VORN   ipl 0191  ", 4.2, "ipl 0191" },
    { "Vorn attach 0190 3390", 12.0, "attach 0190 3390" },
    { "vorn devinit 000C x", 3.99, "vorn devinit 000C x" },
    { "vorn devinit 000C x", 0.0, "vorn devinit 000C x" },
    { "vornx", 4.0, "vornx" },
    { "vorn", 4.0, "vorn" },
    { "vorn ", 4.0, "" },
    { " vorn x", 4.0, " vorn x" },
    { "", 4.0, "" },
};

TEST(CommandText, PrefixDroppedFromVersionFour)
{
    for (const SPrefixCase& c : kPrefixCases)
        EXPECT_STREQ(c.pszSent, CommandForEmulator(c.pszCommand, c.dVersion).GetString())
            << c.pszCommand << " @ " << c.dVersion;
}

// The program's own commands: one form whoever built them.
TEST(CommandText, ProgramCommandsGetThePrefixTheVersionWants)
{
    const SPrefixCase cases[] = {
        {"attach 0580 3420 tape.aws", 0.0, "vorn attach 0580 3420 tape.aws"},
        {"attach 0580 3420 tape.aws", 3.99, "vorn attach 0580 3420 tape.aws"},
        {"attach 0580 3420 tape.aws", 4.0, "attach 0580 3420 tape.aws"},
        {"vorn detach 0120", 3.1, "vorn detach 0120"},
        {"VORN  detach 0120", 3.1, "vorn detach 0120"},
        {"vorn detach 0120", 4.7, "detach 0120"},
        {"  ipl 0191 ", 4.7, "ipl 0191"},
        {"  ipl 0191 ", 3.1, "vorn ipl 0191"},
        {"attach  0400  CTCE  30880", 3.1, "vorn attach  0400  CTCE  30880"},
        {"vornx", 3.1, "vorn vornx"},
    };
    for (const SPrefixCase& c : cases)
        EXPECT_STREQ(c.pszSent, VornCommandForEmulator(c.pszCommand, c.dVersion).GetString())
            << c.pszCommand << " @ " << c.dVersion;
}

TEST(CommandText, ShutdownCommands)
{
    for (const char* psz : { "exit", "EXIT", "  exit  ", "Exit now", "quit", "QUIT x", "ssd", "SSD", "ssd 5", "\texit",
                             "vorn exit", "VORN  quit now", " vorn ssd" })
        EXPECT_TRUE(IsShutdownCommand(psz)) << psz;
    for (const char* psz : { "exiting", "quitter", "ssdx", "", " ", "ex", "plex exit", "vorn", "vorn exiting",
                             "vornexit", "vorn vorn exit" })
        EXPECT_FALSE(IsShutdownCommand(psz)) << psz;
}

}  // namespace
