// StatusLineParserTest.cpp: the emulator's status lines, valid, cut short,
// garbled and oversized.
#include "session/StatusLineParser.h"

#include <gtest/gtest.h>

#include <string>

#include "session/RegisterFields.h"

namespace {

const char kShortStatus[] =
    "STATUS=CP0A PSW=07060000 00000000 0000000000012345 M.RL.... instcount=1234567";
const char kLongStatus[] =
    "STATUS=CPU0101 PSW=07060000 00000000 0000000000012345 ..W..... instcount=42";

SStatusLine Parse(const std::string& s)
{
    return ParseStatusLine(s.data(), s.size());
}

TEST(StatusLineParser, ShortCpuStatus)
{
    SStatusLine l = Parse(kShortStatus);
    ASSERT_EQ(kStatStatus, l.eKind);
    EXPECT_EQ("CP0A PSW=07060000 00000000 0000000000012345", l.strPart[0]);
    EXPECT_EQ("M.RL....", l.strPart[1]);
    EXPECT_EQ("instcount=1,234,567", l.strPart[2]);
    EXPECT_EQ(0x0Au, l.nCpu);
    EXPECT_TRUE(l.bManual);
    EXPECT_TRUE(l.bRunning);
    EXPECT_TRUE(l.bLoading);
}

TEST(StatusLineParser, LongCpuStatus)
{
    SStatusLine l = Parse(kLongStatus);
    ASSERT_EQ(kStatStatus, l.eKind);
    EXPECT_EQ("CPU0101 PSW=07060000 00000000 0000000000012345", l.strPart[0]);
    EXPECT_EQ("..W.....", l.strPart[1]);
    EXPECT_EQ("instcount=42", l.strPart[2]);
    EXPECT_EQ(0x101u, l.nCpu);
    EXPECT_FALSE(l.bManual);
    EXPECT_FALSE(l.bRunning);
    EXPECT_FALSE(l.bLoading);
}

TEST(StatusLineParser, StatusBoundaries)
{
    // Shortest whole line: the count may be empty after "instcount=".
    const std::string full = kShortStatus;
    const size_t nShortest = full.find("instcount=") + 10;
    EXPECT_EQ(kStatStatus, ParseStatusLine(full.data(), nShortest).eKind);
    EXPECT_EQ("instcount=", ParseStatusLine(full.data(), nShortest).strPart[2]);
    for (size_t n = 0; n < nShortest; ++n)
        EXPECT_NE(kStatStatus, ParseStatusLine(full.data(), n).eKind) << n;
    const std::string longer = kLongStatus;
    const size_t nLongest = longer.find("instcount=") + 10;
    for (size_t n = 7; n < nLongest; ++n)
        EXPECT_EQ(kStatNone, ParseStatusLine(longer.data(), n).eKind) << n;
    // A long count is cut at the part's buffer size.
    SStatusLine l = Parse(full + std::string(100000, '9'));
    ASSERT_EQ(kStatStatus, l.eKind);
    EXPECT_EQ(kStatusPartSize[2] - 1, l.strPart[2].size());
}

TEST(StatusLineParser, StatusGarbled)
{
    std::string s = kShortStatus;
    s[9] = 'Z';    // CPU text not hexadecimal: consumed, nothing updated
    EXPECT_EQ(kStatStatusBadCpu, Parse(s).eKind);
    s = kShortStatus;
    s[9] = '\0';
    EXPECT_EQ(kStatStatusBadCpu, Parse(s).eKind);
    s = kShortStatus;
    s[7 + 43] = 'x';    // letters not where they belong
    EXPECT_EQ(kStatNone, Parse(s).eKind);
    EXPECT_EQ(kStatNone, Parse("STATUS=" + std::string(100000, 'x')).eKind);
    EXPECT_EQ(kStatNone, Parse("STATUS=").eKind);
}

TEST(StatusLineParser, RegisterFieldsAllFiftyFour)
{
    for (int i = 0; i < kRegisterFieldCount; ++i) {
        const SRegisterField& f = RegisterField(i);
        std::string line = std::string(f.pszKeyword) + "00000000 11111111";
        SStatusLine l = Parse(line);
        ASSERT_EQ(kStatRegister, l.eKind) << line;
        EXPECT_EQ(i, l.nField);
        EXPECT_EQ(f.bDropPrefix ? line.substr(3) : line, l.strText);
        // Oversized values are cut at the buffer's size less one.
        l = Parse(std::string(f.pszKeyword) + std::string(100000, 'F'));
        EXPECT_EQ(f.nBufferSize - 1, l.strText.size());
    }
    EXPECT_EQ(0x8046u, RegisterField(0).nMessage);
    EXPECT_EQ(0x8089u, RegisterField(37).nMessage);
    EXPECT_EQ(0x809Bu, RegisterField(53).nMessage);
    EXPECT_EQ(144u, RegisterField(53).nBufferSize);
}

TEST(StatusLineParser, LinesForTheConsole)
{
    const char* lines[] = {
        "", "GX=1", "AX=1", "FX=1", "CRX=1", "CX=1", "64_GRX-Y=1", "VR01=1", "VR3=",
        "STATX=1", "MX=1", "PX=1", "LX=1", "]NOPE", "ZQC00100I hello", "DEVZ=0009",
        "CPUPCT1=5", "CPUPCTAB=5", "MAINSTOR=", "MAINSIZE=abc", "MAINSTOR=-1",
    };
    for (const char* psz : lines)
        EXPECT_EQ(kStatNone, Parse(psz).eKind) << psz;
    std::string nul("GR0-3\0=", 7);
    EXPECT_EQ(kStatNone, Parse(nul).eKind);
}

TEST(StatusLineParser, SwallowedLines)
{
    const char* lines[] = { "MAN=1", "POS=5", "LOAD=1", "STEPS=3", "STEP=1", "SIZE=9" };
    for (const char* psz : lines)
        EXPECT_EQ(kStatSwallowed, Parse(psz).eKind) << psz;
}

TEST(StatusLineParser, SystemMipsSios)
{
    EXPECT_TRUE(Parse("SYS=1").bRunning);
    EXPECT_EQ(kStatSystem, Parse("SYS=").eKind);
    EXPECT_FALSE(Parse("SYS=").bRunning);
    EXPECT_FALSE(Parse("SYS=0").bRunning);
    EXPECT_EQ("MIPS=12.34", Parse("MIPS=12.34").strText);
    EXPECT_EQ(kStatMips, Parse("MIPS=12.34").eKind);
    EXPECT_EQ("SIOS=56", Parse("SIOS=56").strText);
    EXPECT_EQ(kStatSios, Parse("SIOS=56").eKind);
    EXPECT_EQ(31u, Parse("MIPS=" + std::string(100000, '1')).strText.size());
    EXPECT_EQ(31u, Parse("SIOS=" + std::string(100000, '1')).strText.size());
}

TEST(StatusLineParser, CpuPercent)
{
    SStatusLine l = Parse("CPUPCT=150");
    EXPECT_EQ(kStatCpuPercent, l.eKind);
    EXPECT_TRUE(l.bHasValue);
    EXPECT_EQ(150, l.nPercent);
    EXPECT_EQ(-5, Parse("CPUPCT=-5").nPercent);
    EXPECT_FALSE(Parse("CPUPCT=").bHasValue);
    EXPECT_EQ(kStatCpuPercent, Parse("CPUPCT=").eKind);
    EXPECT_EQ(2147483647, Parse("CPUPCT=" + std::string(100000, '9')).nPercent);
    l = Parse("CPUPCT07=55");
    EXPECT_EQ(kStatCpuPercentOne, l.eKind);
    EXPECT_EQ(7u, l.nCpu);
    EXPECT_EQ(55, l.nPercent);
    EXPECT_EQ(kStatSwallowed, Parse("CPUPCT07=").eKind);
}

TEST(StatusLineParser, MainStorageAndVersion)
{
    SStatusLine l = Parse("MAINSTOR=140737488355328");
    EXPECT_EQ(kStatMainStor, l.eKind);
    EXPECT_EQ(140737488355328ull, l.ullValue);  // above 32 bits, kept whole
    l = Parse("MAINSIZE=268435456");
    EXPECT_EQ(kStatMainSize, l.eKind);
    EXPECT_EQ(268435456ull, l.ullValue);
    l = Parse("MAINSIZE=3.07");
    EXPECT_EQ(kStatVersion, l.eKind);
    EXPECT_DOUBLE_EQ(3.07, l.dVersion);
    EXPECT_EQ(kStatVersion, Parse("MAINSIZE=1000").eKind);
    EXPECT_EQ(kStatMainSize, Parse("MAINSIZE=1001").eKind);
    l = Parse("MAINSIZE=" + std::string(100000, '9'));
    EXPECT_EQ(kStatMainSize, l.eKind);
    EXPECT_EQ(~0ull, l.ullValue);
}

TEST(StatusLineParser, BracketLinesAndDevices)
{
    EXPECT_EQ(kStatOops, Parse("]!OOPS!").eKind);
    EXPECT_EQ(kStatBeep, Parse("]BEEP!").eKind);
    SStatusLine l = Parse("]CWD=  /home/op/cfg  ");
    EXPECT_EQ(kStatCwd, l.eKind);
    EXPECT_EQ("/home/op/cfg", l.strText);
    EXPECT_EQ("", Parse("]CWD=   ").strText);
    l = Parse("DEVA=0009 3215 CON  0000");
    EXPECT_EQ(kStatDevice, l.eKind);
    EXPECT_EQ(kDevLineEntry, l.device.eKind);
    EXPECT_EQ(kStatDevice, Parse("DEV=X").eKind);
    EXPECT_EQ(kStatNone, Parse("DEV=0009 32").eKind);
}

TEST(StatusLineParser, StandardOutput)
{
    EXPECT_EQ(kStatSwallowed, ParseStdoutLine("MAN=1", 5).eKind);
    EXPECT_EQ(kStatSwallowed, ParseStdoutLine("LOAD=0", 6).eKind);
    std::string s = "]SPLRCMD=  devinit 000c cards.txt \n ";
    SStatusLine l = ParseStdoutLine(s.data(), s.size());
    EXPECT_EQ(kStatSpoolerCmd, l.eKind);
    EXPECT_EQ("devinit 000c cards.txt", l.strText);
    EXPECT_EQ("", ParseStdoutLine("]SPLRCMD=", 9).strText);
    EXPECT_EQ(kStatNone, ParseStdoutLine("STATUS=", 7).eKind);
    EXPECT_EQ(kStatNone, ParseStdoutLine("", 0).eKind);
}

}  // namespace
