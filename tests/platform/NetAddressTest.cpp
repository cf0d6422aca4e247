// NetAddressTest.cpp: IPv4 and hardware address texts.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/NetAddress.h"

TEST(NetAddress, ParseIPAddressTable)
{
    struct Case {
        const char* text;
        bool ok;
        DWORD hostOrder;
    };
    const Case cases[] = {
        {"192.168.1.10", true, 0xC0A8010Au}, {"0.0.0.0", true, 0}, {"255.255.255.255", true, 0xFFFFFFFFu},
        {"010.001.000.009", true, 0x0A010009u}, {"256.1.1.1", false, 0}, {"1.2.3", false, 0},
        {"1.2.3.4.5", false, 0}, {"1..3.4", false, 0}, {"1.2.3.4 ", false, 0}, {" 1.2.3.4", false, 0},
        {"1.2.3.0004", false, 0}, {"a.b.c.d", false, 0}, {"", false, 0}, {nullptr, false, 0},
        {"1.2.3.", false, 0}, {"-1.2.3.4", false, 0},
    };
    for (const Case& c : cases) {
        DWORD v = 0xDEADBEEF;
        EXPECT_EQ(ParseIPAddress(c.text, v, true), c.ok) << (c.text ? c.text : "(null)");
        EXPECT_EQ(v, c.ok ? c.hostOrder : 0xDEADBEEF);
    }
    DWORD net = 0;
    ASSERT_TRUE(ParseIPAddress("192.168.1.10", net, false));
    BYTE bytes[4];
    std::memcpy(bytes, &net, 4);
    EXPECT_EQ(bytes[0], 192);
    EXPECT_EQ(bytes[3], 10);
}

TEST(NetAddress, ParseMACAddressTable)
{
    struct Case {
        const char* text;
        bool ok;
    };
    const Case cases[] = {
        {"00:1a:2B:3c:4D:5e", true}, {"00-1A-2B-3C-4D-5E", true}, {"00:1A-2B:3C:4D:5E", false},
        {"00:1A:2B:3C:4D", false}, {"00:1A:2B:3C:4D:5E:6F", false}, {"0:1A:2B:3C:4D:5E", false},
        {"00:1A:2B:3C:4D:5G", false}, {"001A2B3C4D5E", false}, {"", false}, {nullptr, false},
        {"00.1A.2B.3C.4D.5E", false},
    };
    for (const Case& c : cases) {
        BYTE mac[6] = {9, 9, 9, 9, 9, 9};
        EXPECT_EQ(ParseMACAddress(c.text, mac), c.ok) << (c.text ? c.text : "(null)");
        if (c.ok) {
            const BYTE expect[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
            EXPECT_EQ(std::memcmp(mac, expect, 6), 0);
        } else {
            EXPECT_EQ(mac[0], 9);
        }
    }
}
