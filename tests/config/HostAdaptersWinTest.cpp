// HostAdaptersWinTest.cpp: the host's adapter list from the system, and the
// walk of the adapter records with records made here: buffer growth, the
// five-call limit, and adapters without a physical or unicast address.
#include <gtest/gtest.h>

#include <ws2tcpip.h>

#include <cstring>
#include <vector>

#include "config/HostAdapterQuery.h"
#include "tests/support/FakeHostAdapters.h"

using vorntest::FakeAdapters;
using vorntest::ScriptedQuery;

namespace {

CHostAdapterArray Read(ScriptedQuery& q)
{
    CHostAdapterArray list;
    list.Add(CHostAdapter());   // replaced, not appended to
    ReadHostAdapters(list, [&q](IP_ADAPTER_ADDRESSES* p, ULONG* pn) { return q(p, pn); });
    return list;
}

}  // namespace

TEST(HostAdapters, SystemListIsNotEmptyAndLookupsFindEachEntry)
{
    ASSERT_GT(HostAdapters().GetSize(), 0);
    for (INT_PTR i = 0; i < HostAdapters().GetSize(); i++) {
        const CHostAdapter& a = HostAdapters()[i];
        EXPECT_FALSE(a.m_strFriendlyName.IsEmpty());
        int nByIP = FindHostAdapterByIP(a.m_dwIPv4);
        int nByMAC = FindHostAdapterByMAC(a.m_abyMAC);
        ASSERT_GE(nByIP, 0);
        ASSERT_GE(nByMAC, 0);
        EXPECT_LE(nByIP, i);
        EXPECT_LE(nByMAC, i);
        EXPECT_EQ(HostAdapters()[nByIP].m_dwIPv4, a.m_dwIPv4);
        EXPECT_TRUE(HostAdapters()[nByMAC].HasMAC(a.m_abyMAC));
    }
    EXPECT_EQ(FindHostAdapterByIP(inet_addr("203.0.113.250")), -1);
}

TEST(HostAdapters, FourOverflowsThenTheFifthCallFills)
{
    FakeAdapters fake;
    fake.Add(L"eth0", 6, 0xA0, "192.168.1.10");
    ScriptedQuery q{&fake, 4};
    CHostAdapterArray list = Read(q);
    EXPECT_EQ(q.nCalls, 5);
    EXPECT_EQ(q.sizesSeen[0], 376u);
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0].m_strFriendlyName, "eth0");
    EXPECT_EQ(list[0].m_strDescription, "Fake Ethernet Adapter");
    EXPECT_EQ(list[0].m_dwIPv4, inet_addr("192.168.1.10"));
    const BYTE abyMAC[6] = {0x10, 0x11, 0x12, 0x13, 0x14, 0xA0};
    EXPECT_TRUE(list[0].HasMAC(abyMAC));
}

TEST(HostAdapters, FiveOverflowsLeaveTheListEmpty)
{
    FakeAdapters fake;
    fake.Add(L"eth0", 6, 0xA0, "192.168.1.10");
    ScriptedQuery q{&fake, 5};
    CHostAdapterArray list = Read(q);
    EXPECT_EQ(q.nCalls, 5);
    EXPECT_EQ(list.GetSize(), 0);
}

TEST(HostAdapters, OtherErrorLeavesTheListEmpty)
{
    CHostAdapterArray list;
    list.Add(CHostAdapter());
    ReadHostAdapters(list, [](IP_ADAPTER_ADDRESSES*, ULONG*) { return (ULONG)ERROR_NO_DATA; });
    EXPECT_EQ(list.GetSize(), 0);
}

TEST(HostAdapters, AdaptersWithoutPhysicalOrUnicastAddressAreLeftOut)
{
    FakeAdapters fake;
    fake.Add(L"loopback", 0, 0, "127.0.0.1");
    fake.Add(L"tunnel", 6, 0xB0, nullptr);       // no unicast address
    fake.Add(L"long", 8, 0xC0, "10.0.0.2");      // eight-byte physical address
    fake.Add(L"eth1", 6, 0xD0, "10.0.0.3");
    ScriptedQuery q{&fake, 0};
    CHostAdapterArray list = Read(q);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[0].m_strFriendlyName, "long");
    EXPECT_EQ(list[0].m_abyMAC[5], 0xC0);
    EXPECT_EQ(list[1].m_strFriendlyName, "eth1");
    EXPECT_EQ(list.FindByIP(inet_addr("127.0.0.1")), -1);
}

TEST(HostAdapters, CountedAfreshAsTheListWouldHoldThem)
{
    FakeAdapters fake;
    fake.Add(L"loopback", 0, 0, "127.0.0.1");
    fake.Add(L"eth0", 6, 0xA0, "192.168.1.10");
    ScriptedQuery q{&fake, 1};
    EXPECT_EQ(CountHostAdapters([&q](IP_ADAPTER_ADDRESSES* p, ULONG* pn) { return q(p, pn); }), 1);
    EXPECT_EQ(q.nCalls, 2);
    fake.Add(L"eth1", 6, 0xA1, "10.0.0.3");
    EXPECT_EQ(CountHostAdapters(vorntest::QueryOf(fake)), 2);
    EXPECT_EQ(CountHostAdapters([](IP_ADAPTER_ADDRESSES*, ULONG*) { return (ULONG)ERROR_NO_DATA; }), 0);
    EXPECT_EQ(CountHostAdapters(SystemAdapterQuery()), (int)HostAdapters().GetSize());
}
