// StandinScriptTest.cpp: the stand-ins' script language, options and
// utility kinds.
#include "tests/standins/StandinOptions.h"
#include "tests/standins/StandinScript.h"
#include "tests/standins/UtilityKinds.h"

#include <gtest/gtest.h>

#include "session/UtilityProgress.h"

namespace {

std::vector<SStandinDirective> Parse(const std::string& script, bool bEmulator = true)
{
    std::vector<SStandinDirective> d;
    std::string error;
    EXPECT_TRUE(ParseStandinScript(script, bEmulator, d, error)) << error;
    return d;
}

std::string ParseError(const std::string& script, bool bEmulator = true)
{
    std::vector<SStandinDirective> d;
    std::string error;
    EXPECT_FALSE(ParseStandinScript(script, bEmulator, d, error)) << script;
    return error;
}

TEST(StandinScript, WriteDirectivesKeepTextExactly)
{
    auto d = Parse("out hello world\nerr  two blanks \nerrraw POS=1\noutraw\nout\n");
    ASSERT_EQ(5u, d.size());
    EXPECT_EQ(kOpWrite, d[0].eOp);
    EXPECT_EQ(kStreamOut, d[0].eStream);
    EXPECT_TRUE(d[0].bNewline);
    EXPECT_EQ("hello world", d[0].strText);
    EXPECT_EQ(kStreamErr, d[1].eStream);
    EXPECT_EQ(" two blanks ", d[1].strText);
    EXPECT_FALSE(d[2].bNewline);
    EXPECT_EQ("POS=1", d[2].strText);
    EXPECT_EQ("", d[3].strText);
    EXPECT_EQ(kStreamOut, d[3].eStream);
    EXPECT_TRUE(d[4].bNewline);
    EXPECT_EQ(2, d[1].nLine);
}

TEST(StandinScript, CommentsBlankLinesAndCarriageReturns)
{
    auto d = Parse("# a comment\r\n\r\n   \n  # indented comment\nsleep 5\r\n  status\n");
    ASSERT_EQ(2u, d.size());
    EXPECT_EQ(kOpSleep, d[0].eOp);
    EXPECT_EQ(5, d[0].anNumbers[0]);
    EXPECT_EQ(5, d[0].nLine);
    EXPECT_EQ(kOpStatus, d[1].eOp);
}

TEST(StandinScript, NumericAndStreamArguments)
{
    auto d = Parse("seq err 1 1000 1 TRK=%d\nflood out 100000 80\ngarbage err 64\n"
                   "garbage out 10 7\nclose err\nrc 12\nexit -3\npace 20\ninterval 100\n");
    ASSERT_EQ(9u, d.size());
    EXPECT_EQ(kOpSeq, d[0].eOp);
    EXPECT_EQ(kStreamErr, d[0].eStream);
    EXPECT_EQ((std::vector<INT64>{ 1, 1000, 1 }), d[0].anNumbers);
    EXPECT_EQ("TRK=%d", d[0].strText);
    EXPECT_EQ((std::vector<INT64>{ 100000, 80 }), d[1].anNumbers);
    EXPECT_EQ(1u, d[2].anNumbers.size());
    EXPECT_EQ((std::vector<INT64>{ 10, 7 }), d[3].anNumbers);
    EXPECT_EQ(kOpClose, d[4].eOp);
    EXPECT_EQ(kStreamErr, d[4].eStream);
    EXPECT_EQ(12, d[5].anNumbers[0]);
    EXPECT_EQ(-3, d[6].anNumbers[0]);
    EXPECT_EQ(kOpPace, d[7].eOp);
    EXPECT_EQ(kOpInterval, d[8].eOp);
}

TEST(StandinScript, EmulatorDirectives)
{
    auto d = Parse("wait-stdin\nwait-stdin ]MAINSTOR=\nignore-exit\ndevlist\n"
                   "device 0120 3390 disk.img ro\ndevflags 0120 1010\ndetach 0120\nset letters M.W.....\n");
    ASSERT_EQ(8u, d.size());
    EXPECT_EQ(kOpWaitStdin, d[0].eOp);
    EXPECT_EQ("", d[0].strText);
    EXPECT_EQ("]MAINSTOR=", d[1].strText);
    EXPECT_EQ(kOpIgnoreExit, d[2].eOp);
    EXPECT_EQ(kOpDevList, d[3].eOp);
    EXPECT_EQ("0120 3390 disk.img ro", d[4].strText);
    EXPECT_EQ(kOpDevFlags, d[5].eOp);
    EXPECT_EQ(kOpDetach, d[6].eOp);
    EXPECT_EQ("letters M.W.....", d[7].strText);
}

TEST(StandinScript, PokeTakesAnOffsetAndBytes)
{
    auto d = Parse("poke 2097150 C1C2C3C4\n");
    ASSERT_EQ(1u, d.size());
    EXPECT_EQ(kOpPoke, d[0].eOp);
    ASSERT_EQ(1u, d[0].anNumbers.size());
    EXPECT_EQ(2097150, d[0].anNumbers[0]);
    EXPECT_EQ("C1C2C3C4", d[0].strText);
    EXPECT_FALSE(IsStandinSetupDirective(d[0]));
    ParseError("poke 12\n");
    ParseError("poke C1C2\n");
    ParseError("poke 1 C1\n", false);  // the emulator's only
}

TEST(StandinScript, ErrorsNameTheLine)
{
    EXPECT_EQ("line 2: unknown directive \"shout\"", ParseError("out a\nshout b\n"));
    EXPECT_EQ("line 1: missing number", ParseError("sleep"));
    EXPECT_EQ("line 1: bad number \"5x\"", ParseError("sleep 5x"));
    EXPECT_EQ("line 1: bad number \"99999999999999999999\"", ParseError("rc 99999999999999999999"));
    EXPECT_EQ("line 1: unexpected text \"7 8\"", ParseError("sleep 5 7 8"));
    EXPECT_EQ("line 1: stream must be out or err", ParseError("flood stdout 1 1"));
    EXPECT_EQ("line 1: stream must be out or err", ParseError("close"));
    EXPECT_EQ("line 1: missing text", ParseError("seq err 1 2 1"));
    EXPECT_EQ("line 1: step must not be 0", ParseError("seq err 1 2 0 X"));
    EXPECT_EQ("line 1: missing text", ParseError("device"));
    // The utility stand-in knows only the common directives.
    EXPECT_EQ("line 1: unknown directive \"status\"", ParseError("status", false));
    EXPECT_EQ("line 1: unknown directive \"wait-stdin\"", ParseError("wait-stdin", false));
}

TEST(StandinScript, DirectivesBeforeAnErrorAreKept)
{
    std::vector<SStandinDirective> d;
    std::string error;
    EXPECT_FALSE(ParseStandinScript("out a\nout b\nbogus\nout c\n", true, d, error));
    EXPECT_EQ(2u, d.size());
}

TEST(StandinScript, Escapes)
{
    EXPECT_EQ(std::string("a\tb\r\n\\", 6), UnescapeStandinText("a\\tb\\r\\n\\\\"));
    EXPECT_EQ(std::string("x\0y", 3), UnescapeStandinText("x\\0y"));
    EXPECT_EQ(std::string("\x7f\xff\x00", 3), UnescapeStandinText("\\x7f\\xFF\\x00"));
    EXPECT_EQ("\\q \\x4 \\xZZ \\", UnescapeStandinText("\\q \\x4 \\xZZ \\"));
    auto d = Parse("out A\\0B\\x01");
    EXPECT_EQ(std::string("A\0B\x01", 4), d[0].strText);
}

TEST(StandinScript, OverlongTextLine)
{
    std::string text(100000, 'q');
    auto d = Parse("err " + text);
    ASSERT_EQ(1u, d.size());
    EXPECT_EQ(text, d[0].strText);
}

TEST(StandinScript, SetupDirectives)
{
    auto d = Parse("pace 1\nrc 1\nignore-exit\ndevice 1 3390\ndevflags 1 0000\nset cpus 2\n"
                   "interval 0\nout x\nsleep 1\ndevlist\nstatus\nwait-stdin\ndetach 1\nexit 0\n");
    for (size_t i = 0; i < d.size(); ++i)
        EXPECT_EQ(i < 7, IsStandinSetupDirective(d[i])) << i;
}

TEST(StandinOptions, EmulatorCommandLine)
{
    SStandinOptions o;
    std::string error;
    ASSERT_TRUE(ParseStandinOptions({ "-f", "C:\\x\\vornamic.cnf", "-r", "run.rc", "-b", "logo.txt",
                                      "--script", "s.txt", "--do", "out a", "--do", "exit 3",
                                      "--record", "rec.txt", "--rc", "-2", "--no-devlist",
                                      "--storage-kb", "64", "--lifetime", "0", "EXTERNALGUI" },
                                    o, error)) << error;
    EXPECT_EQ("C:\\x\\vornamic.cnf", o.strConfigFile);
    EXPECT_EQ("s.txt", o.strScriptFile);
    EXPECT_EQ((std::vector<std::string>{ "out a", "exit 3" }), o.doLines);
    EXPECT_EQ("rec.txt", o.strRecordFile);
    EXPECT_EQ(-2, o.nReturnCode);
    EXPECT_FALSE(o.bDevList);
    EXPECT_FALSE(o.bDevReports);
    EXPECT_EQ(64u, o.nStorageKB);
    EXPECT_EQ(0u, o.nLifetimeMs);
}

TEST(StandinOptions, DefaultsAndErrors)
{
    SStandinOptions o;
    std::string error;
    ASSERT_TRUE(ParseStandinOptions({ "-q", "in.cckd", "EXTERNALGUI" }, o, error));
    // As the emulator: device reports once subscribed, no list unasked.
    EXPECT_FALSE(o.bDevList);
    EXPECT_TRUE(o.bDevReports);
    SStandinOptions unasked;
    ASSERT_TRUE(ParseStandinOptions({ "--devlist-at-start" }, unasked, error));
    EXPECT_TRUE(unasked.bDevList);
    EXPECT_TRUE(unasked.bDevReports);
    EXPECT_EQ(1024u, o.nStorageKB);
    EXPECT_EQ(120000u, o.nLifetimeMs);
    EXPECT_EQ(0, o.nReturnCode);
    EXPECT_FALSE(ParseStandinOptions({ "--rc" }, o, error));
    EXPECT_EQ("--rc needs a value", error);
    EXPECT_FALSE(ParseStandinOptions({ "--rc", "x" }, o, error));
    EXPECT_FALSE(ParseStandinOptions({ "--storage-kb", "0" }, o, error));
    EXPECT_FALSE(ParseStandinOptions({ "--lifetime", "-1" }, o, error));
}

TEST(UtilityKinds, KindFromProgramName)
{
    EXPECT_EQ(kUtilVolMake, UtilityKindFromProgram("C:\\bin\\VOLMAKE.exe"));
    EXPECT_EQ(kUtilVolMake, UtilityKindFromProgram("volmake64.EXE"));
    EXPECT_EQ(kUtilPackCheck, UtilityKindFromProgram("C:/a b/PackCheck64"));
    EXPECT_EQ(kUtilVmfplc2, UtilityKindFromProgram("VMFPLC2.exe"));
    EXPECT_EQ(kUtilCardSubmit, UtilityKindFromProgram("VornRdr.exe"));
    EXPECT_EQ(kUtilNone, UtilityKindFromProgram("PACKLAYOUT.exe"));
    EXPECT_EQ(kUtilNone, UtilityKindFromProgram("vornutil.exe"));
    EXPECT_EQ(kUtilNone, UtilityKindFromProgram(""));
    int k = 0;
    EXPECT_TRUE(ParseUtilityKind("reeldub", k));
    EXPECT_EQ(kUtilReelDub, k);
    EXPECT_TRUE(ParseUtilityKind("26", k));
    EXPECT_EQ(26, k);
    EXPECT_FALSE(ParseUtilityKind("nosuch", k));
}

TEST(UtilityKinds, DefaultScriptsParseAndSpeakTheirKindsKeywords)
{
    for (int nKind = -1; nKind <= 30; ++nKind) {
        std::vector<SStandinDirective> d;
        std::string error;
        ASSERT_TRUE(ParseStandinScript(DefaultUtilityScript(nKind), false, d, error)) << nKind << error;
        for (const SStandinDirective& directive : d) {
            if (directive.eOp == kOpSeq) {
                // Every sequence line is a progress position of its kind.
                std::string line = directive.strText;
                line.replace(line.find("%d"), 2, "5");
                EXPECT_EQ(kProgressPosition, ParseProgressLine(nKind, line.c_str()).eAction) << nKind;
            }
        }
    }
}

// Given host:port and its deck, the card-submission helper reports the
// bytes sent in its kind's keyword, up to the deck's size.
TEST(UtilityKinds, TheCardSubmissionHelperCountsItsDecksBytes)
{
    SStandinOptions o;
    std::string error;
    ASSERT_TRUE(ParseStandinOptions({"127.0.0.1:3505", "--rc", "0", "deck.txt", "EXTERNALGUI"}, o, error));
    EXPECT_EQ((std::vector<std::string>{"127.0.0.1:3505", "deck.txt", "EXTERNALGUI"}), o.operands);
    std::vector<SStandinDirective> d;
    ASSERT_TRUE(ParseStandinScript(CardSubmissionScript(1005), false, d, error)) << error;
    std::vector<INT64> positions;
    for (const SStandinDirective& directive : d) {
        if (directive.eStream != kStreamErr)
            continue;
        SProgressLine line = ParseProgressLine(kUtilCardSubmit, directive.strText.c_str());
        EXPECT_EQ(kProgressPosition, line.eAction) << directive.strText;
        positions.push_back(line.nValue);
    }
    EXPECT_EQ((std::vector<INT64>{100, 201, 301, 402, 502, 603, 703, 804, 904, 1005}), positions);
}

}  // namespace
