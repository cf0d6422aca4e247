// DeviceStatusLineTest.cpp: device lines of the emulator's device list.
#include "session/DeviceStatusLine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SDeviceStatusLine Parse(const std::string& s)
{
    return ParseDeviceStatusLine(s.data(), s.size());
}

TEST(DeviceStatusLine, OldFormatEntryWithArguments)
{
    SDeviceStatusLine d = Parse("DEV=0120 3390 DASD 1001 disks/sys.cckd sf=shadow");
    ASSERT_EQ(kDevLineEntry, d.eKind);
    EXPECT_FALSE(d.bNewFormat);
    EXPECT_EQ(0, d.chAction);
    EXPECT_EQ(0, d.nLcss);
    EXPECT_FALSE(d.bLcssReported);
    EXPECT_EQ(0x0120, d.wDevnum);
    EXPECT_EQ(0x9, d.wState);
    EXPECT_EQ("3390", d.strType);
    EXPECT_EQ("DASD", d.strClass);
    EXPECT_EQ("disks/sys.cckd sf=shadow", d.strRest);
    EXPECT_EQ(0x0120u, DeviceKey(d));
}

TEST(DeviceStatusLine, NoArgumentsTrailingBlankTrimmed)
{
    // "DEV=0009 3215 CON  0000 " reaches the parser without its last blank:
    // the rest lies beyond the end and must come out empty.
    SDeviceStatusLine d = Parse("DEV=0009 3215 CON  0000");
    ASSERT_EQ(kDevLineEntry, d.eKind);
    EXPECT_EQ("CON ", d.strClass);
    EXPECT_EQ("", d.strRest);
    d = Parse("DEV=0009 3215 CON  0000 ");
    ASSERT_EQ(kDevLineEntry, d.eKind);
    EXPECT_EQ("", d.strRest);
}

TEST(DeviceStatusLine, LcssPrefixAndSysg)
{
    SDeviceStatusLine d = Parse("DEV=1:0A80 3088 CTCA 0100 192.168.0.1");
    ASSERT_EQ(kDevLineEntry, d.eKind);
    EXPECT_EQ(1, d.nLcss);
    EXPECT_TRUE(d.bLcssReported);
    EXPECT_EQ(0x0A80, d.wDevnum);
    EXPECT_EQ(0x4, d.wState);
    EXPECT_EQ(0x10A80u, DeviceKey(d));
    d = Parse("DEVA=2:SYSG SYSG CON  0010");
    ASSERT_EQ(kDevLineEntry, d.eKind);
    EXPECT_EQ(0x20000u, DeviceKey(d));
    EXPECT_EQ(kDevStateAdded | 0x2, d.wState);
}

TEST(DeviceStatusLine, NewFormatActions)
{
    struct { const char* psz; char ch; WORD wBit; } rows[] = {
        { "DEVA=0009 3215 CON  0000 noprompt", 'A', kDevStateAdded },
        { "DEVC=0009 3215 CON  0000 noprompt", 'C', kDevStateChanged },
        { "DEVD=0009 3215 CON  0000 noprompt", 'D', kDevStateDeleted },
    };
    for (const auto& r : rows) {
        SDeviceStatusLine d = Parse(r.psz);
        ASSERT_EQ(kDevLineEntry, d.eKind) << r.psz;
        EXPECT_TRUE(d.bNewFormat);
        EXPECT_EQ(r.ch, d.chAction);
        EXPECT_EQ(0x0009, d.wDevnum);
        EXPECT_EQ(r.wBit, d.wState & 0xE000);
    }
    // A deletion carries only its number and the deleted bit.
    SDeviceStatusLine d = Parse("DEVD=0009");
    ASSERT_EQ(kDevLineEntry, d.eKind);
    EXPECT_EQ(kDevStateDeleted, d.wState);
    EXPECT_EQ("", d.strType);
}

TEST(DeviceStatusLine, EndLines)
{
    SDeviceStatusLine d = Parse("DEV=X");
    EXPECT_EQ(kDevLineEnd, d.eKind);
    EXPECT_FALSE(d.bNewFormat);
    d = Parse("DEVX=");
    EXPECT_EQ(kDevLineEnd, d.eKind);
    EXPECT_TRUE(d.bNewFormat);
}

TEST(DeviceStatusLine, MalformedLinesAreNoDeviceLines)
{
    const std::string full = "DEV=0009 3215 CON  0000";
    // Every cut short of the flags' end is refused, none reads past the end.
    for (size_t n = 0; n < full.size(); ++n)
        EXPECT_EQ(kDevLineNone, ParseDeviceStatusLine(full.data(), n).eKind) << n;
    const char* bad[] = {
        "DEV=", "DEV", "DEVQ=0009 3215 CON  0000", "DEV=00G9 3215 CON  0000",
        "DEV=0009-3215 CON  0000", "DEV=0009 3215 CON  0020", "DEV=0009 3215 CON  00000",
        "DEV=1:", "DEV=1:000", "DEV=XX", "DEVA", "DEVA=", "DEVD=00", "DEVD=0009x",
        "DEV=0009 3215 CON  0000xrest",
    };
    for (const char* psz : bad)
        EXPECT_EQ(kDevLineNone, Parse(psz).eKind) << psz;
}

TEST(DeviceStatusLine, EmbeddedNulAndLongRest)
{
    std::string s = "DEV=0009 3215 CON  0000";
    s[6] = '\0';
    EXPECT_EQ(kDevLineNone, Parse(s).eKind);
    std::string rest(100000, 'r');
    SDeviceStatusLine d = Parse("DEV=0009 3215 CON  0000 " + rest);
    ASSERT_EQ(kDevLineEntry, d.eKind);
    EXPECT_EQ(rest, d.strRest);
}

}  // namespace
