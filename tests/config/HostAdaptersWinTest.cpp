// HostAdaptersWinTest.cpp: the host's adapter list from the system, and the
// walk of the adapter records with records made here: buffer growth, the
// five-call limit, and adapters without a physical or unicast address.
#include <gtest/gtest.h>

#include <ws2tcpip.h>

#include <cstring>
#include <vector>

#include "config/HostAdapterQuery.h"

namespace {

// Adapter records laid out in one block, as the system returns them.
struct FakeAdapters {
    std::vector<IP_ADAPTER_ADDRESSES> adapters;
    std::vector<IP_ADAPTER_UNICAST_ADDRESS> unicasts;
    std::vector<sockaddr_in> addresses;

    FakeAdapters() { adapters.reserve(8); unicasts.reserve(8); addresses.reserve(8); }

    void Add(const wchar_t* pwszName, ULONG nMACLength, BYTE byLast, const char* pszIPv4)
    {
        IP_ADAPTER_ADDRESSES a = {};
        a.FriendlyName = const_cast<wchar_t*>(pwszName);
        a.Description = const_cast<wchar_t*>(L"Fake Ethernet Adapter");
        a.PhysicalAddressLength = nMACLength;
        for (ULONG i = 0; i < 8; i++)
            a.PhysicalAddress[i] = (BYTE)(0x10 + i);
        a.PhysicalAddress[5] = byLast;
        if (pszIPv4) {
            sockaddr_in sin = {};
            sin.sin_family = AF_INET;
            sin.sin_addr.s_addr = inet_addr(pszIPv4);
            addresses.push_back(sin);
            IP_ADAPTER_UNICAST_ADDRESS u = {};
            u.Address.lpSockaddr = reinterpret_cast<sockaddr*>(&addresses.back());
            u.Address.iSockaddrLength = sizeof(sockaddr_in);
            unicasts.push_back(u);
            a.FirstUnicastAddress = &unicasts.back();
        }
        adapters.push_back(a);
        for (size_t i = 0; i + 1 < adapters.size(); i++)
            adapters[i].Next = &adapters[i + 1];
    }
};

// A query that asks for a larger buffer nOverflows times, then copies the
// records (their pointers still lead into the FakeAdapters object).
struct ScriptedQuery {
    const FakeAdapters* pFake;
    int nOverflows;
    int nCalls = 0;
    std::vector<ULONG> sizesSeen;

    ULONG operator()(IP_ADAPTER_ADDRESSES* pBuffer, ULONG* pnSize)
    {
        nCalls++;
        sizesSeen.push_back(*pnSize);
        ULONG nNeed = (ULONG)(pFake->adapters.size() * sizeof(IP_ADAPTER_ADDRESSES)) + 1000 * (ULONG)nCalls;
        // Like the system: a buffer too small for the records is never written.
        if (nCalls <= nOverflows || *pnSize < nNeed - 1000 * (ULONG)nCalls) {
            *pnSize = nNeed;
            return ERROR_BUFFER_OVERFLOW;
        }
        std::vector<IP_ADAPTER_ADDRESSES> copy = pFake->adapters;
        for (size_t i = 0; i + 1 < copy.size(); i++)
            copy[i].Next = &pBuffer[i + 1];
        if (!copy.empty())
            copy.back().Next = nullptr;
        std::memcpy(pBuffer, copy.data(), copy.size() * sizeof(IP_ADAPTER_ADDRESSES));
        return NO_ERROR;
    }
};

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
    ASSERT_GT(g_HostAdapters.GetSize(), 0);
    for (INT_PTR i = 0; i < g_HostAdapters.GetSize(); i++) {
        const CHostAdapter& a = g_HostAdapters[i];
        EXPECT_FALSE(a.m_strFriendlyName.IsEmpty());
        int nByIP = FindHostAdapterByIP(a.m_dwIPv4);
        int nByMAC = FindHostAdapterByMAC(a.m_abyMAC);
        ASSERT_GE(nByIP, 0);
        ASSERT_GE(nByMAC, 0);
        EXPECT_LE(nByIP, i);
        EXPECT_LE(nByMAC, i);
        EXPECT_EQ(g_HostAdapters[nByIP].m_dwIPv4, a.m_dwIPv4);
        EXPECT_TRUE(g_HostAdapters[nByMAC].HasMAC(a.m_abyMAC));
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
