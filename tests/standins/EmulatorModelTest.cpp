// EmulatorModelTest.cpp: the emulator stand-in's protocol texts and its
// answers to queries, subscriptions and device commands.
#include "tests/standins/EmulatorModel.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Texts(const CEmuLines& lines, EStandinStream eStream = kStreamErr)
{
    std::vector<std::string> texts;
    for (const SEmuLine& line : lines) {
        EXPECT_EQ(eStream, line.eStream) << line.strText;
        texts.push_back(line.strText);
    }
    return texts;
}

std::vector<std::string> Command(CEmulatorModel& model, const std::string& line)
{
    CEmuLines out;
    EXPECT_EQ(CEmulatorModel::kCommandDone, model.HandleCommand(line, out)) << line;
    return Texts(out);
}

const char kConfig[] =
    "# Configuration\n"
    "CPUSERIAL 000611\n"
    "NUMCPU    2\n"
    "0009      3215-C / noprompt\n"
    "000C      3505  cards.txt ascii   # reader\n"
    "1:0120    3390  disk.img\n"
    "0580      3420\n"
    "0E20      QETH  chpid F0\n";

TEST(EmulatorModel, ConfigDevicesAndTheOldFormatList)
{
    CEmulatorModel model;
    EXPECT_EQ(5, model.LoadConfigDevices(kConfig));
    CEmuLines out;
    model.DeviceList(out);
    EXPECT_EQ((std::vector<std::string>{
                  "DEV=0009 3215 CON  0000 / noprompt",
                  "DEV=000C 3505 RDR  0000 cards.txt ascii",
                  "DEV=0580 3420 TAPE 0000 ",
                  "DEV=0E20 QETH OSA  0000 chpid F0",
                  "DEV=0120 3390 DASD 0000 disk.img",
                  "DEV=X" }),
              Texts(out));
}

TEST(EmulatorModel, HandshakeQueries)
{
    CEmulatorModel model;
    model.SetStorage(4259840, 1048576);
    EXPECT_EQ((std::vector<std::string>{ "MAINSIZE=4.7" }), Command(model, "]VERS=1.21"));
    EXPECT_EQ((std::vector<std::string>{ "MAINSTOR=4259840", "MAINSIZE=1048576" }),
              Command(model, "]MAINSTOR="));
    EXPECT_TRUE(Command(model, "]SCD=C:\\work\\dir").empty());
    EXPECT_EQ("C:\\work\\dir", model.CommandDir());
    EXPECT_TRUE(model.Set("version 3.02"));
    EXPECT_EQ((std::vector<std::string>{ "MAINSIZE=3.02" }), Command(model, "]VERS=1.21"));
    EXPECT_TRUE(model.Set("version none"));
    EXPECT_TRUE(Command(model, "]VERS=1.21").empty());
    EXPECT_TRUE(model.Set("mainstor none"));
    EXPECT_TRUE(Command(model, "]MAINSTOR=").empty());
    EXPECT_FALSE(model.Set("mainstor maybe"));
    EXPECT_TRUE(model.Set("mainstor high"));
    EXPECT_EQ((std::vector<std::string>{ "MAINSTOR=4299227136", "MAINSIZE=1048576" }),
              Command(model, "]MAINSTOR="));
    EXPECT_TRUE(model.Set("mainstor answer"));
    EXPECT_EQ(2u, Command(model, "]MAINSTOR=").size());
    // Malformed and unknown queries are taken silently.
    EXPECT_TRUE(Command(model, "]").empty());
    EXPECT_TRUE(Command(model, "]NOSUCH=1").empty());
}

TEST(EmulatorModel, StatusRoundFollowsSubscriptions)
{
    CEmulatorModel model;
    CEmuLines out;
    model.StatusRound(out);
    EXPECT_EQ((std::vector<std::string>{
                  "STATUS=CP00 PSW=07060000 00000000 0000000000012345 ........ instcount=1234567",
                  "SYS=1", "MIPS=12.34", "SIOS=56" }),
              Texts(out));
    Command(model, "]AGGREGATE=0");
    Command(model, "]CPUPCT=1");
    Command(model, "]CPUPCTALL=1");
    Command(model, "]GREGS=1");
    ASSERT_TRUE(model.Set("cpus 2"));
    ASSERT_TRUE(model.Set("cpupct 55"));
    out.clear();
    model.StatusRound(out);
    EXPECT_EQ((std::vector<std::string>{
                  "STATUS=CP00 PSW=07060000 00000000 0000000000012345 ........ instcount=1235567",
                  "CPUPCT=55", "CPUPCT00=55", "CPUPCT01=55",
                  "GR0-3=47000000 47000001 47000002 47000003",
                  "GR4-7=47000004 47000005 47000006 47000007",
                  "GR8-B=47000008 47000009 4700000A 4700000B",
                  "GRC-F=4700000C 4700000D 4700000E 4700000F" }),
              Texts(out));
    Command(model, "]GREGS=0");
    Command(model, "]CPUPCTALL=0");
    out.clear();
    model.StatusRound(out);
    EXPECT_EQ(2u, out.size());
}

TEST(EmulatorModel, StatusLineFieldsSitWhereTheConsoleCutsThem)
{
    CEmulatorModel model;
    CEmuLines out;
    model.StatusRound(out);
    std::string value = out[0].strText.substr(7);
    EXPECT_EQ(' ', value[4]);               // short processor number
    EXPECT_EQ(' ', value[43]);
    EXPECT_EQ("........", value.substr(44, 8));
    EXPECT_EQ("instcount=1234567", value.substr(53));
    ASSERT_TRUE(model.Set("longcpu 1"));
    ASSERT_TRUE(model.Set("cpu 1"));
    ASSERT_TRUE(model.Set("letters ..W....."));
    out.clear();
    model.StatusRound(out);
    value = out[0].strText.substr(7);
    EXPECT_EQ("CPU0001 PSW=", value.substr(0, 12));
    EXPECT_EQ("..W.....", value.substr(47, 8));
    EXPECT_EQ("instcount=1235567", value.substr(56));
}

// What a round brings after each command: the status only when it changed
// (a running processor's count grows), "SYS=" by the run state and none
// while stopped, and refusals on the console.
TEST(EmulatorModel, RoundsSpeakAsTheEmulatorDoes)
{
    CEmulatorModel model;
    model.LoadConfigDevices(kConfig);
    ASSERT_TRUE(model.Set("cpus 2"));
    ASSERT_TRUE(model.Set("instcount 10"));
    CEmuLines first;
    model.StatusRound(first);
    const char kPsw[] = "PSW=07060000 00000000 0000000000012345 ";
    struct Step {
        const char* pszCommand;     // a command, "set ..." or "" for none
        std::vector<std::string> console;
        std::vector<std::string> round;
    };
    const Step steps[] = {
        {"", {}, {std::string("STATUS=CP00 ") + kPsw + "........ instcount=1010", "SYS=1"}},
        {"stopall", {}, {std::string("STATUS=CP00 ") + kPsw + "M....... instcount=2010"}},
        {"", {}, {}},
        {"vorn startall", {}, {std::string("STATUS=CP00 ") + kPsw + "........ instcount=2010", "SYS=1"}},
        {"set letters ..W.....", {}, {std::string("STATUS=CP00 ") + kPsw + "..W..... instcount=3010", "SYS=0"}},
        {"", {}, {"SYS=0"}},
        {"cpu 1", {}, {std::string("STATUS=CP01 ") + kPsw + "..W..... instcount=3010", "SYS=0"}},
        {"cpu 2", {"ZQCCP011E Target CPU 2 is invalid"}, {"SYS=0"}},
        {"cpu x", {"ZQCCP010E Invalid CPU number: x"}, {"SYS=0"}},
        {"set maxcpu 4", {}, {"SYS=0"}},
        {"cpu 3", {}, {"STATUS=CP03 ((((((((((((((((((OFFLINE))))))))))))))))))", "SYS=0"}},
        {"cpu 1", {}, {std::string("STATUS=CP01 ") + kPsw + "..W..... instcount=3010", "SYS=0"}},
        {"set ipl fail", {}, {"SYS=0"}},
        {"ipl 0120", {"ZQCCP020E IPL device 0120 not found"}, {"SYS=0"}},
        {"ipl 1:0120", {}, {std::string("STATUS=CP01 ") + kPsw + "M.WL.... instcount=3010"}},
        {"", {}, {}},
        {"set ipl ok", {}, {}},
        {"ipl 000c", {}, {std::string("STATUS=CP01 ") + kPsw + "........ instcount=3010", "SYS=1"}},
    };
    for (const Step& s : steps) {
        CEmuLines out;
        std::string command = s.pszCommand;
        if (command.compare(0, 4, "set ") == 0)
            ASSERT_TRUE(model.Set(command.substr(4))) << command;
        else if (!command.empty())
            model.HandleCommand(command, out);
        EXPECT_EQ(s.console, Texts(out, kStreamOut)) << command;
        out.clear();
        model.StatusRound(out);
        EXPECT_EQ(s.round, Texts(out)) << command;
    }
}

TEST(EmulatorModel, EveryRegisterSet)
{
    CEmulatorModel model;
    for (const char* psz : { "]CREGS=1", "]AREGS=1", "]FREGS=1", "]GREGS64=1", "]CREGS64=1",
                             "]FREGS64=1", "]VREGS=1", "]AGGREGATE=0" })
        Command(model, psz);
    CEmuLines out;
    model.StatusRound(out);
    auto texts = Texts(out);
    ASSERT_EQ(3u + 4 + 4 + 2 + 8 + 8 + 8 + 16, texts.size());
    EXPECT_EQ("CR0-3=43000000 43000001 43000002 43000003", texts[3]);
    EXPECT_EQ("ARC-F=4100000C 4100000D 4100000E 4100000F", texts[10]);
    EXPECT_EQ("FR0-2=46000000 46000001 46000002 46000003", texts[11]);
    EXPECT_EQ("FR4-6=46000004 46000005 46000006 46000007", texts[12]);
    EXPECT_EQ("64_GR0-1=4700000000000000 4700000000000001", texts[13]);
    EXPECT_EQ("64_GRE-F=470000000000000E 470000000000000F", texts[20]);
    EXPECT_EQ("64_CRA-B=430000000000000A 430000000000000B", texts[26]);
    EXPECT_EQ("64_FR0-1=4600000000000000 4600000000000001", texts[29]);
    EXPECT_EQ("VR00=5600000000000000.7600000000000000 VR01=5600000000000001.7600000000000001",
              texts[37]);
    EXPECT_EQ("VR30=560000000000001E.760000000000001E VR31=560000000000001F.760000000000001F",
              texts.back());
}

TEST(EmulatorModel, DeviceListSubscriptionsAndChanges)
{
    CEmulatorModel model;
    CEmuLines out;
    ASSERT_TRUE(model.AttachDevice("0120 3390 a.img"));
    model.ReportDeviceChanges(out);
    EXPECT_TRUE(out.empty());               // nobody subscribed yet
    EXPECT_EQ((std::vector<std::string>{ "DEV=0120 3390 DASD 0000 a.img", "DEV=X" }),
              Command(model, "]DEVLIST=1"));
    // Old format: every change repeats the whole list.
    EXPECT_EQ((std::vector<std::string>{ "DEV=000C 3505 RDR  0000 ", "DEV=0120 3390 DASD 0000 a.img",
                                         "DEV=X" }),
              Command(model, "attach 000C 3505"));
    // New format: the whole list once, then increments.
    EXPECT_EQ((std::vector<std::string>{ "DEVA=000C 3505 RDR  0000 ", "DEVA=0120 3390 DASD 0000 a.img",
                                         "DEVX=" }),
              Command(model, "]NEWDEVLIST=1"));
    Command(model, "]LCSSNUM=1");
    EXPECT_EQ((std::vector<std::string>{ "DEVC=0:0120 3390 DASD 0000 b.img ro", "DEVX=" }),
              Command(model, "devinit 120 b.img ro"));
    // Some versions leave the subsystem out all the same.
    ASSERT_TRUE(model.Set("devlcss 0"));
    EXPECT_EQ((std::vector<std::string>{ "DEVC=0120 3390 DASD 0000 b.img ro", "DEVX=" }),
              Command(model, "devinit 120 b.img ro"));
    ASSERT_TRUE(model.Set("devlcss 1"));
    EXPECT_EQ((std::vector<std::string>{ "DEVD=0:000C 3505 RDR  0000 ", "DEVX=" }),
              Command(model, "DETACH 000c"));
    // What changed together is one report, in device-number order, each
    // device with its last change (one added since stays added).
    EXPECT_EQ((std::vector<std::string>{ "DEVD=0:0120 3390 DASD 0000 b.img ro",
                                         "DEVA=1:0130 3390 DASD 0000 b.img ro", "DEVX=" }),
              Command(model, "define 0120 1:0130"));
    EXPECT_TRUE(model.AttachDevice("0009 3215"));
    EXPECT_TRUE(model.SetDeviceFlags("1:0130 1010"));
    EXPECT_TRUE(model.SetDeviceFlags("0009 0100"));
    EXPECT_TRUE(model.SetDeviceFlags("1:0130 0010"));
    out.clear();
    model.ReportDeviceChanges(out);
    EXPECT_EQ((std::vector<std::string>{ "DEVA=0:0009 3215 CON  0100 ", "DEVC=1:0130 3390 DASD 0010 b.img ro",
                                         "DEVX=" }),
              Texts(out));
    out.clear();
    model.ReportDeviceChanges(out);
    EXPECT_TRUE(out.empty());
    // Unknown devices and bad numbers change nothing.
    EXPECT_TRUE(Command(model, "detach 0999").empty());
    EXPECT_TRUE(Command(model, "attach 12345 3390").empty());
    EXPECT_TRUE(Command(model, "attach 0120").empty());
    EXPECT_FALSE(model.SetDeviceFlags("1:0130 2"));
    EXPECT_FALSE(model.SetDeviceFlags("1:0130 0120"));
}

TEST(EmulatorModel, ShutdownCommands)
{
    for (const char* psz : { "exit", "EXIT", "quit", "ssd", "  Quit now", "exit\r", "vorn exit", "VORN  quit" }) {
        CEmulatorModel model;
        CEmuLines out;
        EXPECT_EQ(CEmulatorModel::kCommandShutdown, model.HandleCommand(psz, out)) << psz;
    }
    for (const char* psz : { "exiting", "ssd2", "", "]exit=1", "ipl 0120", "vorn", "vornexit", "vorn ipl 0120" }) {
        CEmulatorModel model;
        CEmuLines out;
        EXPECT_EQ(CEmulatorModel::kCommandDone, model.HandleCommand(psz, out)) << psz;
    }
}

TEST(EmulatorModel, EchoAndSettings)
{
    CEmulatorModel model;
    CEmuLines out;
    model.HandleCommand("loadparm 0120", out);
    EXPECT_TRUE(out.empty());
    ASSERT_TRUE(model.Set("echo 1"));
    model.HandleCommand("loadparm 0120", out);
    EXPECT_EQ((std::vector<std::string>{ "loadparm 0120" }), Texts(out, kStreamOut));
    for (const char* psz : { "nosuch 1", "cpus x", "cpus 100", "cpu G", "longcpu 2", "psw", "", "devlcss 2",
                             "ipl maybe" })
        EXPECT_FALSE(model.Set(psz)) << psz;
    EXPECT_EQ(std::string("OTHR"), StandinDeviceClass("3705"));
    EXPECT_EQ(std::string("DSP"), StandinDeviceClass("3287"));
    EXPECT_EQ(std::string("TAPE"), StandinDeviceClass("3590"));
}

TEST(EmulatorModel, OverlongAndGarbageCommands)
{
    CEmulatorModel model;
    CEmuLines out;
    std::string longLine = "attach 0120 3390 " + std::string(100000, 'x');
    ASSERT_TRUE(model.Set("echo 0"));
    EXPECT_EQ(CEmulatorModel::kCommandDone, model.HandleCommand(longLine, out));
    EXPECT_EQ(CEmulatorModel::kCommandDone, model.HandleCommand(std::string("\0\xff]\x01", 4), out));
    Command(model, "]DEVLIST=1");
    model.DeviceList(out);
    EXPECT_EQ(100000u + 24, out[0].strText.size());
}

}  // namespace

// The class words are the emulator's, which the console's device-class map
// knows; a type the emulator does not class is "OTHR".
TEST(EmulatorModel, DeviceClassWordsAreTheEmulators)
{
    const struct { const char* pszType; const char* pszClass; } cases[] = {
        {"3505", "RDR"}, {"3525", "PCH"}, {"1403", "PRT"}, {"3215-C", "CON"}, {"1052", "CON"},
        {"3270", "DSP"}, {"3390", "DASD"}, {"9336", "DASD"}, {"3420", "TAPE"}, {"CTCI", "CTCA"},
        {"3088", "CTCA"}, {"LCS", "CTCA"}, {"QETH", "OSA"}, {"2703", "LINE"}, {"9999", "OTHR"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.pszClass, StandinDeviceClass(c.pszType)) << c.pszType;
}

TEST(EmulatorModel, NoDeviceReportsWhenSwitchedOff)
{
    CEmulatorModel model;
    model.SetDeviceReports(false);
    CEmuLines out;
    ASSERT_TRUE(model.AttachDevice("0120 3390 a.img"));
    EXPECT_TRUE(Command(model, "]NEWDEVLIST=1").empty());
    EXPECT_TRUE(Command(model, "attach 0121 3390 b.img").empty());
    model.DeviceList(out);
    EXPECT_TRUE(out.empty());
}

TEST(EmulatorModel, DeviceCountNotationDefinesConsecutiveDevices)
{
    CEmulatorModel model;
    EXPECT_EQ(3, model.LoadConfigDevices("0A00.2 CTCI 192.168.1.1 192.168.1.2\nFFFF.3 3390 x\n0B00.0 3390 y\n"));
    CEmuLines out;
    model.DeviceList(out);
    EXPECT_EQ((std::vector<std::string>{
                  "DEV=0A00 CTCI CTCA 0000 192.168.1.1 192.168.1.2",
                  "DEV=0A01 CTCI CTCA 0000 192.168.1.1 192.168.1.2",
                  "DEV=FFFF 3390 DASD 0000 x",
                  "DEV=X" }),
              Texts(out));
}
