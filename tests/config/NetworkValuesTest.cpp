// NetworkValuesTest.cpp: IPv4 addresses, netmasks and the classful default.
#include <gtest/gtest.h>

#include "config/NetworkValues.h"

namespace {
DWORD Ip(const char* psz)
{
    DWORD dw = 0;
    EXPECT_TRUE(ParseIPv4Address(psz, dw)) << psz;
    return dw;
}
}  // namespace

TEST(NetworkValues, ParseIPv4Address)
{
    EXPECT_EQ(Ip("192.168.1.2"), 0xC0A80102u);
    EXPECT_EQ(Ip(" 10.0.0.255 "), 0x0A0000FFu);
    EXPECT_EQ(Ip("0.0.0.0"), 0u);
    for (const char* p : {"", "1.2.3", "1.2.3.4.5", "1.2.3.256", "1..2.3", "1.2.3.4.", "a.b.c.d", "1.2.3.-4",
                          "1.2.3.+4", "1 .2.3.4", "4294967297.0.0.1"}) {
        DWORD dw = 77;
        EXPECT_FALSE(ParseIPv4Address(p, dw)) << p;
        EXPECT_EQ(dw, 0u) << p;
    }
    DWORD dw = 5;
    EXPECT_FALSE(ParseIPv4Address(nullptr, dw));
    EXPECT_EQ(dw, 0u);
}

TEST(NetworkValues, Netmasks)
{
    EXPECT_TRUE(IsValidNetmask(0xFFFFFFFF));
    EXPECT_TRUE(IsValidNetmask(0xFFFFFF00));
    EXPECT_TRUE(IsValidNetmask(0x80000000));
    EXPECT_FALSE(IsValidNetmask(0));
    EXPECT_FALSE(IsValidNetmask(0xFF00FF00));
    EXPECT_FALSE(IsValidNetmask(0x7FFFFFFF));
    DWORD dwMask = 1;
    EXPECT_TRUE(ParseNetmask("255.255.252.0", dwMask));
    EXPECT_EQ(dwMask, 0xFFFFFC00u);
    EXPECT_FALSE(ParseNetmask("255.0.255.0", dwMask));
    EXPECT_EQ(dwMask, 0u);
    EXPECT_FALSE(ParseNetmask("0.0.0.0", dwMask));
}

TEST(NetworkValues, PlausibleHostAddresses)
{
    EXPECT_FALSE(IsPlausibleHostAddress(Ip("192.168.1.0"), 0xFFFFFF00, false));
    EXPECT_FALSE(IsPlausibleHostAddress(Ip("192.168.1.255"), 0xFFFFFF00, false));
    EXPECT_TRUE(IsPlausibleHostAddress(Ip("192.168.1.0"), 0xFFFFFFFF, false));
    EXPECT_TRUE(IsPlausibleHostAddress(Ip("192.168.1.7"), 0xFFFFFF00, false));
    EXPECT_FALSE(IsPlausibleHostAddress(0, 0xFFFFFFFF, false));
    EXPECT_FALSE(IsPlausibleHostAddress(0xFFFFFFFF, 0xFFFFFFFF, false));
    EXPECT_FALSE(IsPlausibleHostAddress(Ip("192.168.1.7"), 0, false));
    EXPECT_FALSE(IsPlausibleHostAddress(Ip("192.168.1.7"), 0xFF00FF00, false));
    // The host build has no adapters: with the check no address passes.
    EXPECT_FALSE(IsPlausibleHostAddress(Ip("203.0.113.250"), 0xFFFFFF00, true));
}

TEST(NetworkValues, DefaultNetmasks)
{
    struct Row { const char* pszAddr; DWORD dwMask; const char* pszText; };
    const Row rows[] = {
        {"10.1.2.3", 0xFF000000, "255.0.0.0"},      {"127.0.0.1", 0xFF000000, "255.0.0.0"},
        {"128.0.0.1", 0xFFFF0000, "255.255.0.0"},   {"191.255.1.1", 0xFFFF0000, "255.255.0.0"},
        {"192.168.1.1", 0xFFFFFF00, "255.255.255.0"}, {"223.1.1.1", 0xFFFFFF00, "255.255.255.0"},
        {"224.0.0.1", 0xFFFFFFFF, "255.255.255.255"}, {"240.1.1.1", 0xFFFFFFFF, "255.255.255.255"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(DefaultNetmaskForAddress(Ip(r.pszAddr)), r.dwMask) << r.pszAddr;
        CString s = "old";
        EXPECT_TRUE(FormatDefaultNetmask(r.pszAddr, s));
        EXPECT_EQ(s, r.pszText);
    }
    EXPECT_EQ(DefaultNetmaskForAddress(0), 0u);
    EXPECT_EQ(DefaultNetmaskForAddress(0xFFFFFFFF), 0u);
    for (const char* p : {"0.0.0.0", "255.255.255.255", "1.2.3", ""}) {
        CString s = "old";
        EXPECT_FALSE(FormatDefaultNetmask(p, s)) << p;
        EXPECT_EQ(s, "");
    }
}
