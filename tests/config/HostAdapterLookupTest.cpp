// HostAdapterLookupTest.cpp: the lookups by hardware and IPv4 address in a
// hand-made adapter list.
#include <gtest/gtest.h>

#include "config/CHostAdapterArray.h"

namespace {

CHostAdapter Adapter(const char* pszName, BYTE byLast, DWORD dwIPv4)
{
    CHostAdapter a;
    a.m_strFriendlyName = pszName;
    const BYTE abyMAC[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, byLast};
    std::memcpy(a.m_abyMAC, abyMAC, 6);
    a.m_dwIPv4 = dwIPv4;
    return a;
}

}  // namespace

TEST(HostAdapterLookup, EmptyListFindsNothing)
{
    CHostAdapterArray none;
    const BYTE abyZero[6] = {};
    EXPECT_EQ(none.FindByMAC(abyZero), -1);
    EXPECT_EQ(none.FindByIP(0), -1);
}

TEST(HostAdapterLookup, FindsFirstMatchingEntry)
{
    CHostAdapterArray list;
    list.Add(Adapter("eth0", 0x01, 0x0101A8C0));
    list.Add(Adapter("eth1", 0x02, 0x0201A8C0));
    list.Add(Adapter("eth2", 0x03, 0x0101A8C0));   // same address as eth0
    const BYTE abyEth1[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x02};
    const BYTE abyOther[6] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x09};
    const BYTE abyFirstDiffers[6] = {0x01, 0x1A, 0x2B, 0x3C, 0x4D, 0x02};
    EXPECT_EQ(list.FindByMAC(abyEth1), 1);
    EXPECT_EQ(list.FindByMAC(abyOther), -1);
    EXPECT_EQ(list.FindByMAC(abyFirstDiffers), -1);
    EXPECT_EQ(list.FindByIP(0x0101A8C0), 0);
    EXPECT_EQ(list.FindByIP(0x0201A8C0), 1);
    EXPECT_EQ(list.FindByIP(0xC0A80101), -1);   // same bytes, other order
}

TEST(HostAdapterLookup, EntriesCopyByValue)
{
    CHostAdapter a = Adapter("eth0", 0x07, 42);
    CHostAdapter b;
    EXPECT_EQ(b.m_dwIPv4, 0u);
    EXPECT_EQ(b.m_strDescription, "");
    b = a;
    a.m_abyMAC[5] = 0;
    EXPECT_EQ(b.m_abyMAC[5], 0x07);
    EXPECT_EQ(b.m_strFriendlyName, "eth0");
    EXPECT_EQ(b.m_dwIPv4, 42u);
}
