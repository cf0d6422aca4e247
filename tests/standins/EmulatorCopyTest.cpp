// EmulatorCopyTest.cpp: the emulator stand-in copied under the emulator's
// name: its lifetime and the script it runs when given none.
#include "tests/standins/EmulatorCopy.h"

#include <gtest/gtest.h>

#include "tests/standins/StandinOptions.h"
#include "tests/standins/StandinScript.h"

namespace {

// The lifetime a stand-in of that name ends up with after its arguments.
DWORD Lifetime(const std::string& strName, const std::vector<std::string>& args)
{
    SStandinOptions options;
    options.nLifetimeMs = DefaultEmulatorLifetimeMs(strName);
    std::string error;
    EXPECT_TRUE(ParseStandinOptions(args, options, error)) << error;
    return options.nLifetimeMs;
}

}  // namespace

TEST(EmulatorCopy, OnlyACopyUnderAnotherNamePlaysTheEmulatorWithoutTimeLimit)
{
    const struct {
        const char* pszName;
        std::vector<std::string> args;
        bool bPlays;
        DWORD nLifetime;
    } cases[] = {
        {"VORNEMU", {"-f", "a.cnf", "EXTERNALGUI"}, false, 120000},
        {"VORNEMU", {"--lifetime", "0"}, false, 0},
        {"VORNAMIC", {"-f", "a.cnf", "EXTERNALGUI"}, true, 0},
        {"VORNAMIC64", {}, true, 0},
        {"VORNAMIC", {"--lifetime", "300"}, true, 300},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.bPlays, PlaysEmulatorProgram(c.pszName)) << c.pszName;
        EXPECT_EQ(c.nLifetime, Lifetime(c.pszName, c.args)) << c.pszName;
    }
}

TEST(EmulatorCopy, ProgramScriptIsStoppedEchoesAndNamesItsConfiguration)
{
    // A Windows path keeps its backslashes: "\t" and "\x41" are not escapes.
    std::vector<SStandinDirective> d;
    std::string error;
    ASSERT_TRUE(ParseStandinScript(EmulatorProgramScript("C:\\tmp\\x41\\vornamic.cnf", 12), true, d, error)) << error;
    std::vector<std::string> texts;
    for (const SStandinDirective& directive : d)
        texts.push_back(directive.strText);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "letters M.......", "echo 1", "",
                         "ZQCST001I Vornamic emulator stand-in, version 4.7: it runs no guest system",
                         "ZQCST002I Configuration file \"C:\\tmp\\x41\\vornamic.cnf\": 12 devices",
                         "ZQCST003I CP00 stopped: IPL a device to start it"}));
    ASSERT_EQ(6u, d.size());
    EXPECT_EQ(kOpInterval, d[2].eOp);
    EXPECT_EQ(500, d[2].anNumbers.at(0));
    ASSERT_TRUE(ParseStandinScript(EmulatorProgramScript("none", 0), true, d, error)) << error;
    EXPECT_EQ("ZQCST002I Configuration file none: 0 devices", d[4].strText);
}
