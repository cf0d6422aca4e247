// DasdDeviceRulesTest.cpp: the remote disk name both ways, the proposed
// shadow names, the minidisk limits, the serial numbers and the commands.
#include <gtest/gtest.h>

#include "devices/DasdDeviceRules.h"

TEST(RemoteDasdName, ParsedFromTheRemoteFormOnly)
{
    const struct {
        const char* pszName;
        bool bRemote;
        const char* pszHost;
        UINT nPort;
        const char* pszDevNum;
    } rows[] = {
        {"10.1.2.3:3990:0120", true, "10.1.2.3", 3990, "0120"},
        {"10.1.2.3:3990:01234567", true, "10.1.2.3", 3990, "0123"},
        {"10.1.2.3:port:0120", true, "10.1.2.3", 7, "0120"},  // the port stays
        {"vornhost:3990", true, "vornhost", 7, ""},
        {"C:\\dasd\\vol1.cckd", false, "", 7, ""},
        {"a:b", false, "", 7, ""},
        {"host :3990:0120", false, "", 7, ""},
    };
    for (const auto& row : rows) {
        SRemoteDasdName name;
        name.nPort = 7;
        EXPECT_EQ(row.bRemote, ParseRemoteDasdName(row.pszName, name)) << row.pszName;
        EXPECT_STREQ(row.pszHost, name.strHost) << row.pszName;
        EXPECT_EQ(row.nPort, name.nPort) << row.pszName;
        EXPECT_STREQ(row.pszDevNum, name.strDevNum) << row.pszName;
    }
}

TEST(RemoteDasdName, FormattedAndReadBack)
{
    SRemoteDasdName name;
    name.strHost = "192.168.0.9";
    name.nPort = 3990;
    name.strDevNum = "0A80";
    EXPECT_STREQ("192.168.0.9:3990:0A80", FormatRemoteDasdName(name));
    SRemoteDasdName back;
    ASSERT_TRUE(ParseRemoteDasdName(FormatRemoteDasdName(name), back));
    EXPECT_STREQ("192.168.0.9", back.strHost);
    EXPECT_EQ(3990u, back.nPort);
    EXPECT_STREQ("0A80", back.strDevNum);
}

TEST(DasdShadowName, BeforeTheFirstDotOfTheName)
{
    const struct {
        const char* pszImage;
        const char* pszShadow;
    } rows[] = {
        {"C:\\dasd\\vol1.cckd", "C:\\dasd\\vol1_Shadow_0.cckd"},
        {"D:\\disk.cckd", "D:\\disk_Shadow_0.cckd"},
        {"C:\\dasd\\my.disk.cckd", "C:\\dasd\\my_Shadow_0.disk.cckd"},
        {"C:\\dasd.d\\vol1", "C:\\dasd.d\\vol1_Shadow_0"},
        {"vol1.cckd", "vol1_Shadow_0.cckd"},  // beside the image, in the emulator's folder
    };
    for (const auto& row : rows)
        EXPECT_STREQ(row.pszShadow, ProposeShadowName(row.pszImage)) << row.pszImage;
}

TEST(DasdMinidisk, Limits)
{
    const struct {
        DWORD nBlocks;
        const char* pszOrigin;
        const char* pszCount;
        EMinidiskCheck eCheck;
    } rows[] = {
        {1000, "0", "1000", kMinidiskOK},
        {1000, "100", "900", kMinidiskOK},
        {1000, "999", "1", kMinidiskOK},
        {1000, "100", "901", kMinidiskBadEnd},
        {1000, "0", "0", kMinidiskBadEnd},
        {1000, "500", "0", kMinidiskBadEnd},  // a count of 0 at any origin
        {1000, "999", "0", kMinidiskBadEnd},
        {1000, "1", "4294967295", kMinidiskBadEnd},  // no wrap-around
        {1000, "1000", "1", kMinidiskBadOrigin},
        {1000, "x", "1", kMinidiskBadOrigin},
        {1000, "", "1", kMinidiskBadOrigin},
        {1000, "0", "ten", kMinidiskBadEnd},
        {0, "0", "1", kMinidiskUnknownModel},
    };
    for (const auto& row : rows) {
        DWORD dwOrigin = 77, dwCount = 77;
        EXPECT_EQ(row.eCheck, CheckMinidisk(row.nBlocks, row.pszOrigin, row.pszCount, dwOrigin, dwCount))
            << row.pszOrigin << " " << row.pszCount;
        if (row.eCheck != kMinidiskOK) {
            EXPECT_EQ(77u, dwOrigin);  // nothing stored
            EXPECT_EQ(77u, dwCount);
        }
    }
}

TEST(DasdMinidisk, TheModelsBlocksElseTheImagesForABareType)
{
    EXPECT_EQ(558000u, MinidiskBlocks("3370-A1", 2000));
    EXPECT_EQ(2000u, MinidiskBlocks("3370", 2000));
    EXPECT_EQ(2000u, MinidiskBlocks("0671", 2000));
    EXPECT_EQ(0u, MinidiskBlocks("3370", 0));
    EXPECT_EQ(0u, MinidiskBlocks("3370-XX", 2000));  // not in the table
}

TEST(DasdSerial, TwelveDigitsOrNothing)
{
    const struct {
        const char* pszSerial;
        bool bValid;
        const char* pszTrimmed;
    } rows[] = {
        {"", true, ""},          {"   ", true, ""},           {"123456789012", true, "123456789012"},
        {" 123456789012 ", true, "123456789012"},  {"12345678901", false, "12345678901"},
        {"12345678901A", false, "12345678901A"},   {"1234567890123", false, "1234567890123"},
    };
    for (const auto& row : rows) {
        CString str = row.pszSerial;
        EXPECT_EQ(row.bValid, IsValidDasdSerial(str)) << row.pszSerial;
        EXPECT_STREQ(row.pszTrimmed, str);
    }
}

TEST(DasdCommand, AttachWithTheDecimalTypeAndDevinit)
{
    EXPECT_STREQ("attach 0120 3390 C:\\dasd\\vol1.cckd", DasdCommand(true, "0120", 3390, "C:\\dasd\\vol1.cckd", ""));
    EXPECT_STREQ("attach 0300 0671 \"C:\\my disks\\f.fba\" 100 *",
                 DasdCommand(true, "0300", 671, "C:\\my disks\\f.fba", "100 *"));
    EXPECT_STREQ("devinit 0120 C:\\dasd\\vol1.cckd readonly fakewrite",
                 DasdCommand(false, "0120", 3390, "C:\\dasd\\vol1.cckd", "readonly fakewrite"));
}
