// LcsCtciArgumentsTest.cpp: the LCS and CTCI argument texts read back into
// the page fields and written again, "-d" kept, faulty options and
// addresses dropped.
#include <gtest/gtest.h>

#include <string>

#include "devices/LcsCtciArguments.h"

namespace {

// The fields as one text, so a table row says everything at once.
std::string Show(const SNetAdapterFields& f)
{
    std::string s = "gip=" + f.strGuestIP.str() + " gmac=" + f.strGuestMAC.str() + " nip=" + f.strNicIP.str() +
                    " nmac=" + f.strNicMAC.str() + " k=" + std::to_string(f.nDriverSize) +
                    " i=" + std::to_string(f.nDllSize);
    return f.bDebug ? s + " d" : s;
}

std::string Show(const SLcsFields& f) { return Show((const SNetAdapterFields&)f) + " oat=" + f.strOATFile.str(); }

}  // namespace

TEST(LcsArguments, ReadBack)
{
    struct {
        const char* args;
        const char* expected;
    } cases[] = {
        {"", "gip= gmac= nip= nmac= k=0 i=0 oat="},
        {"-n 192.168.1.10 -k 1024 192.168.1.80", "gip=192.168.1.80 gmac= nip=192.168.1.10 nmac= k=1024 i=0 oat="},
        // the MAC after "-o" is ignored, the guest fields stay empty
        {"-o C:\\cfg\\lcs.oat -m 02:00:00:00:00:01", "gip= gmac= nip= nmac= k=0 i=0 oat=C:\\cfg\\lcs.oat"},
        // a MAC before "-o" is emptied by it
        {"-m 02:00:00:00:00:01 -o a.oat 10.1.1.1", "gip= gmac= nip= nmac= k=0 i=0 oat=a.oat"},
        {"-n 00-11-22-33-44-55 10.1.1.1", "gip=10.1.1.1 gmac= nip= nmac=00-11-22-33-44-55 k=0 i=0 oat="},
        {"-k abc", "gip= gmac= nip= nmac= k=0 i=0 oat="},
        {"-k 2048 -i 64 -m 02:00:5E:00:01:02 10.0.0.9",
         "gip=10.0.0.9 gmac=02:00:5E:00:01:02 nip= nmac= k=2048 i=64 oat="},
        {"-d -n 10.0.0.1 10.0.0.2", "gip=10.0.0.2 gmac= nip=10.0.0.1 nmac= k=0 i=0 d oat="},
        // invalid addresses are dropped
        {"-n 300.1.1.1 -m 02:00:00:00:00:0X 10.0.0", "gip= gmac= nip= nmac= k=0 i=0 oat="},
        {"-n 00:11:22-33:44:55 10.0.0.2", "gip=10.0.0.2 gmac= nip= nmac= k=0 i=0 oat="},
        // unknown options are skipped, a missing value clears
        {"-x -k 128 -i", "gip= gmac= nip= nmac= k=128 i=0 oat="},
        {"-n 10.0.0.1 -n", "gip= gmac= nip= nmac= k=0 i=0 oat="},
        {"-o \"C:\\My Files\\lcs.oat\"", "gip= gmac= nip= nmac= k=0 i=0 oat=C:\\My Files\\lcs.oat"},
    };
    for (const auto& c : cases) {
        SLcsFields f;
        ParseLcsArguments(c.args, f);
        EXPECT_EQ(Show(f), c.expected) << c.args;
    }
}

TEST(LcsArguments, SizesStartFromTheFieldsAndOtherFieldsAreReplaced)
{
    SLcsFields f;
    f.nDriverSize = 512;
    f.nDllSize = 32;
    f.strNicMAC = "02:00:00:00:00:09";
    ParseLcsArguments("-i 16 10.0.0.2", f);
    EXPECT_EQ(Show(f), "gip=10.0.0.2 gmac= nip= nmac= k=512 i=16 oat=");
    ParseLcsArguments("   ", f);  // nothing read
    EXPECT_EQ(Show(f), "gip=10.0.0.2 gmac= nip= nmac= k=512 i=16 oat=");
}

TEST(LcsArguments, Written)
{
    SLcsFields f;
    f.strNicIP = "192.168.1.10";
    f.nDriverSize = 1024;
    f.strGuestIP = "192.168.1.80";
    EXPECT_EQ(BuildLcsArguments(f), "-n 192.168.1.10 -k 1024 192.168.1.80");
    f.strNicIP.Empty();
    f.strNicMAC = "00-11-22-33-44-55";
    f.nDllSize = 64;
    f.strGuestMAC = "02:00:00:00:00:01";
    f.bDebug = true;
    EXPECT_EQ(BuildLcsArguments(f), "-d -n 00-11-22-33-44-55 -k 1024 -i 64 -m 02:00:00:00:00:01 192.168.1.80");
    f.strOATFile = "C:\\My Files\\lcs.oat";  // the OAT file excludes the guest fields
    EXPECT_EQ(BuildLcsArguments(f), "-d -n 00-11-22-33-44-55 -k 1024 -i 64 -o \"C:\\My Files\\lcs.oat\"");
    EXPECT_EQ(BuildLcsArguments(SLcsFields()), "");
}

// Editing a device must not lose options: what is read is written again.
TEST(LcsArguments, RoundTripKeepsDebug)
{
    for (const char* args : {"-d -n 192.168.1.10 -k 1024 192.168.1.80", "-d -o C:\\cfg\\lcs.oat",
                             "-d -n 00-11-22-33-44-55 -k 2048 -i 1024 -m 02:00:00:00:00:01 10.1.1.1"}) {
        SLcsFields f;
        ParseLcsArguments(args, f);
        EXPECT_EQ(BuildLcsArguments(f), args);
    }
}

TEST(CtciArguments, ReadBack)
{
    struct {
        const char* args;
        const char* expected;
    } cases[] = {
        {"", "gip= gmac= nip= nmac= k=0 i=0"},
        {"-n 192.168.1.10 10.0.0.2 0.0.0.0", "gip=10.0.0.2 gmac= nip=192.168.1.10 nmac= k=0 i=0"},
        {"-k 1024  192.168.2.2  192.168.1.10", "gip=192.168.2.2 gmac= nip=192.168.1.10 nmac= k=1024 i=0"},
        {"10.0.0.2 0.0.0.0", "gip=10.0.0.2 gmac= nip= nmac= k=0 i=0"},
        {"-m 02:00:00:00:00:0X 10.0.0.2", "gip=10.0.0.2 gmac= nip= nmac= k=0 i=0"},
        {"-d -k 2048 10.0.0.2", "gip=10.0.0.2 gmac= nip= nmac= k=2048 i=0 d"},
        // a NIC IP by position replaces the MAC of "-n"
        {"-n 02:00:00:00:00:09 10.0.0.2 10.0.0.1", "gip=10.0.0.2 gmac= nip=10.0.0.1 nmac= k=0 i=0"},
        {"-n 02:00:00:00:00:09 -i 64 -k 128 10.0.0.2 0.0.0.0",
         "gip=10.0.0.2 gmac= nip= nmac=02:00:00:00:00:09 k=128 i=64"},
        // sizes that are not numeric are dropped, a missing value clears
        {"-k abc -i -5 10.0.0.2", "gip=10.0.0.2 gmac= nip= nmac= k=0 i=0"},
        {"-m 02:00:00:00:00:01 -m", "gip= gmac= nip= nmac= k=0 i=0"},
        // "-o" is no CTCI option: skipped, "x.oat" is the (refused) guest IP
        {"-o x.oat 10.0.0.2", "gip= gmac= nip=10.0.0.2 nmac= k=0 i=0"},
        {"-n 0.0.0.0 10.0.0.2", "gip=10.0.0.2 gmac= nip= nmac= k=0 i=0"},
    };
    for (const auto& c : cases) {
        SNetAdapterFields f;
        ParseCtciArguments(c.args, f);
        EXPECT_EQ(Show(f), c.expected) << c.args;
    }
}

TEST(CtciArguments, Written)
{
    SNetAdapterFields f;
    f.strGuestIP = "192.168.2.2";
    f.strNicIP = "192.168.1.10";
    f.nDriverSize = 1024;
    EXPECT_EQ(BuildCtciArguments(f), "-k 1024  192.168.2.2  192.168.1.10");
    f.strNicIP.Empty();
    EXPECT_EQ(BuildCtciArguments(f), "-k 1024  192.168.2.2  0.0.0.0");
    f.strNicMAC = "02:00:00:00:00:09";  // the NIC MAC goes with "-n", the NIC IP never does
    f.strGuestMAC = "02:00:00:00:00:01";
    f.nDllSize = 64;
    f.bDebug = true;
    EXPECT_EQ(BuildCtciArguments(f), "-d  -m 02:00:00:00:00:01  -n 02:00:00:00:00:09  -k 1024  -i 64  192.168.2.2  0.0.0.0");
}

TEST(CtciArguments, RoundTrip)
{
    SNetAdapterFields f;
    ParseCtciArguments("-n 192.168.1.10 10.0.0.2 0.0.0.0", f);
    EXPECT_EQ(BuildCtciArguments(f), "10.0.0.2  192.168.1.10");
    for (const char* args : {"-d  -k 2048  10.0.0.2  192.168.1.10",
                             "-d  -m 02:00:00:00:00:01  -n 02:00:00:00:00:09  -k 128  -i 64  10.0.0.2  0.0.0.0"}) {
        SNetAdapterFields g;
        ParseCtciArguments(args, g);
        EXPECT_EQ(BuildCtciArguments(g), args);
    }
}

TEST(NicAddressText, MacWhenItHoldsAColonOrDash)
{
    EXPECT_FALSE(IsNicMacText("192.168.1.10"));
    EXPECT_TRUE(IsNicMacText("00-11-22-33-44-55"));
    EXPECT_TRUE(IsNicMacText("00:11:22:33:44:55"));
    EXPECT_FALSE(IsNicMacText(""));
}
