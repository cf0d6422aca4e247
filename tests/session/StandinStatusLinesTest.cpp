// StandinStatusLinesTest.cpp: every status line the emulator stand-in
// writes is understood by the console's status-line parser.
#include "session/StatusLineParser.h"

#include <gtest/gtest.h>

#include "tests/standins/EmulatorModel.h"

namespace {

const char kConfig[] =
    "0009      3215-C / noprompt\n"
    "000C      3505  cards.txt ascii\n"
    "1:0120    3390  disk.img\n"
    "0580      3420\n";

std::vector<std::string> RunCommands(CEmulatorModel& model, const char* const* commands, size_t n)
{
    CEmuLines out;
    for (size_t i = 0; i < n; ++i)
        model.HandleCommand(commands[i], out);
    model.StatusRound(out);
    std::vector<std::string> texts;
    for (const SEmuLine& line : out)
        texts.push_back(line.strText);
    return texts;
}

void ExpectAllConsumed(const std::vector<std::string>& lines)
{
    ASSERT_FALSE(lines.empty());
    for (const std::string& s : lines) {
        SStatusLine l = ParseStatusLine(s.data(), s.size());
        EXPECT_NE(kStatNone, l.eKind) << s;
        EXPECT_NE(kStatStatusBadCpu, l.eKind) << s;
        EXPECT_NE(kStatSwallowed, l.eKind) << s;
    }
}

TEST(StandinStatusLines, EverySubscriptionOldDeviceList)
{
    CEmulatorModel model;
    model.LoadConfigDevices(kConfig);
    model.SetStorage(0x7FF000000000ull, 268435456);
    const char* commands[] = {
        "]VERS=1.21", "]MAINSTOR=1", "]DEVLIST=1", "]LCSSNUM=1", "]GREGS=1", "]CREGS=1",
        "]AREGS=1", "]FREGS=1", "]GREGS64=1", "]CREGS64=1", "]FREGS64=1", "]VREGS=1",
        "]CPUPCT=1", "]CPUPCTALL=1", "]AGGREGATE=1", "attach 0A00 3390 x.img",
    };
    ExpectAllConsumed(RunCommands(model, commands, sizeof(commands) / sizeof(commands[0])));
}

TEST(StandinStatusLines, NewDeviceListAndLongCpu)
{
    CEmulatorModel model;
    model.LoadConfigDevices(kConfig);
    ASSERT_TRUE(model.Set("longcpu 1"));
    ASSERT_TRUE(model.Set("cpu 1F"));
    const char* commands[] = {
        "]NEWDEVLIST=1", "attach 0A00 3390 x.img", "detach 0A00", "devinit 000C other.txt",
    };
    std::vector<std::string> lines = RunCommands(model, commands, sizeof(commands) / sizeof(commands[0]));
    ExpectAllConsumed(lines);
    int nStatus = 0;
    for (const std::string& s : lines) {
        SStatusLine l = ParseStatusLine(s.data(), s.size());
        if (l.eKind != kStatStatus)
            continue;
        ++nStatus;
        EXPECT_EQ(0x1Fu, l.nCpu);
        EXPECT_EQ("instcount=1,234,567", l.strPart[2]);
    }
    EXPECT_EQ(1, nStatus);
}

}  // namespace
