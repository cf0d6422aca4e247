// DevOptsRulesTest.cpp: the Options page's rules: the host adapter value
// split into its two fields and checked against a given adapter list, the
// load unit and load parameter texts, the shared-device port spin and the
// Apply checks in their order, at the default "Limits" values.
#include <gtest/gtest.h>

#include <climits>

#include "config/CHostAdapterArray.h"
#include "config/CVornConfigFile.h"
#include "resources/SysConfigRes.h"
#include "sysconfig/DevOptsRules.h"

namespace {

std::string Describe(bool bOk, const SysCfgFieldFailure& f)
{
    if (bOk)
        return "ok";
    return std::to_string(f.nCtrlId) + (f.bEdit ? " " : " (control) ") + f.strTitle.GetString() + ": " +
           f.strText.GetString();
}

// Two adapters: 10.1.2.3 with 02-00-4C-4F-4F-50, 192.168.7.9 with 0A-...-0F.
CHostAdapterArray TwoAdapters()
{
    CHostAdapterArray adapters;
    CHostAdapter a;
    const BYTE mac1[6] = {0x02, 0x00, 0x4C, 0x4F, 0x4F, 0x50};
    std::copy(mac1, mac1 + 6, a.m_abyMAC);
    a.m_dwIPv4 = 0x0302010A;  // 10.1.2.3 in network byte order
    adapters.Add(a);
    const BYTE mac2[6] = {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};
    std::copy(mac2, mac2 + 6, a.m_abyMAC);
    a.m_dwIPv4 = 0x0907A8C0;  // 192.168.7.9
    adapters.Add(a);
    return adapters;
}

}  // namespace

TEST(DevOptsRules, SplitHostAdapterAddress)
{
    const struct {
        const char* pszNetDev;
        bool bOn;
        const char* pszIP;
        const char* pszMAC;
        const char* pszNetDevAfter;
    } rows[] = {
        {"", false, "", "", ""},
        {"0.0.0.0", false, "", "", ""},
        {"10.1.2.3", true, "10.1.2.3", "", "10.1.2.3"},
        {"02:00:4c:4f:4f:50", true, "", "02:00:4c:4f:4f:50", "02:00:4c:4f:4f:50"},
        {"02-00-4C-4F-4F-50", true, "", "02-00-4C-4F-4F-50", "02-00-4C-4F-4F-50"},
        {"tap0", false, "", "", ""},
        {"10.1.2", false, "", "", ""},
        {"02-00-4C-4F-4F", false, "", "", ""},
    };
    for (const auto& r : rows) {
        CString strNetDev = r.pszNetDev;
        HostAdapterChoice choice;
        choice.strIP = "stale";
        choice.strMAC = "stale";
        SplitHostAdapterAddress(strNetDev, choice);
        EXPECT_EQ(choice.bOn, r.bOn) << r.pszNetDev;
        EXPECT_EQ(choice.strIP, r.pszIP) << r.pszNetDev;
        EXPECT_EQ(choice.strMAC, r.pszMAC) << r.pszNetDev;
        EXPECT_EQ(strNetDev, r.pszNetDevAfter) << r.pszNetDev;
    }
}

TEST(DevOptsRules, LoadUnitAndLoadParmTexts)
{
    const struct {
        const char* pszUnit;
        bool bValid;
    } units[] = {{"", true}, {"01A0", true}, {"01a0", true}, {"0A", false}, {"00G1", false}, {"01A00", false},
                 {" 1A0", false}};
    for (const auto& u : units)
        EXPECT_EQ(IsValidLoadUnit(u.pszUnit), u.bValid) << u.pszUnit;
    const struct {
        const char* pszTyped;
        const char* pszHeld;
    } parms[] = {{"", ""},           {"   ", "   "},          {"AUTO", "AUTO...."},
                 {"12345678", "12345678"}, {"1", "1......."}, {" A", " A......"}};
    for (const auto& p : parms)
        EXPECT_EQ(PadLoadParm(p.pszTyped), p.pszHeld) << p.pszTyped;
}

TEST(DevOptsRules, SharedPortSpin)
{
    const struct {
        UINT nPort;
        int nDelta;
        long long nExpected;  // -1: nothing happens
    } rows[] = {
        {1024, -1, 0},   {0, 1, 3990},      {0, -1, -1},       {65535, 1, -1},  {65535, -1, 65534},
        {3, -5, 0},      {3, 1, 3990},      {1025, -1, 1024},  {65530, 20, 65535}, {500, -1, 0},
        {4000, -4000, 0}, {1024, 1, 1025},  {70000, 1, 65535},
    };
    for (const auto& r : rows) {
        UINT nNew = 7;
        bool bStepped = StepSharedPort(r.nPort, r.nDelta, 1024, 3990, 65535, nNew);
        EXPECT_EQ(bStepped, r.nExpected >= 0) << r.nPort << " " << r.nDelta;
        EXPECT_EQ((long long)nNew, bStepped ? r.nExpected : 7) << r.nPort << " " << r.nDelta;
    }
}

TEST(DevOptsRules, ChecksInOrder)
{
    CHostAdapterArray adapters = TwoAdapters();
    const std::string kIp = std::to_string(IDC_DEVOPTS_IPADDR) + " (control) IP Address: ";
    const std::string kMac = std::to_string(IDC_DEVOPTS_MACADDR) + " MAC Address: ";
    const struct {
        void (*edit)(CVornConfigFile&, HostAdapterChoice&);
        std::string expected;
    } rows[] = {
        {[](CVornConfigFile&, HostAdapterChoice&) {}, "ok"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nScsiMountSecs = 0; }, "ok"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nScsiMountEnabled = 1; c.m_nScsiMountSecs = 0; },
         "1415 SCSI Mount: Please enter a value between 1 and 99"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nScsiMountEnabled = 1; c.m_nScsiMountSecs = 100; },
         "1415 SCSI Mount: Please enter a value between 1 and 99"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nDevTMax = -1; }, "ok"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nDevTMax = -2; },
         "1157 Device Threads: Please enter a value between -1 and 999"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nDevTMax = 1000; },
         "1157 Device Threads: Please enter a value between -1 and 999"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nDevTMax = INT_MIN; },
         "1157 Device Threads: Please enter a value between -1 and 999"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nMaxShutdownSecs = 0; },
         "1230 Shutdown Time: Please enter a value between 1 and 999"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nShrdPort = 1023; },
         "1382 Shared Port: Please enter a value between 1024 and 65535"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nShrdPort = 0xFFFFFFFF; },
         "1382 Shared Port: Please enter a value between 1024 and 65535"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_nShrdPort = 1024; }, "ok"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_strLoadUnit = "0A"; },
         "1221 Load Unit: Value must be 4-digit hexadecimal number"},
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_strLoadUnit = ""; }, "ok"},
        // The first failure wins.
        {[](CVornConfigFile& c, HostAdapterChoice&) { c.m_strLoadUnit = "XX"; c.m_nDevTMax = 5000; },
         "1157 Device Threads: Please enter a value between -1 and 999"},
        {[](CVornConfigFile& c, HostAdapterChoice& a) { a.bOn = true; a.strIP = c.m_strNetDev = "10.1.2.3"; }, "ok"},
        {[](CVornConfigFile& c, HostAdapterChoice& a) { a.bOn = true; a.strIP = c.m_strNetDev = "192.0.2.1"; },
         kIp + "No host adapter with this IP address exists"},
        {[](CVornConfigFile& c, HostAdapterChoice& a) { a.bOn = true; a.strIP = c.m_strNetDev = "192.0.2"; },
         kIp + "Invalid or improperly formatted IP address"},
        {[](CVornConfigFile& c, HostAdapterChoice& a) { a.bOn = true; a.strMAC = c.m_strNetDev = "0a:0b:0c:0d:0e:0f"; },
         "ok"},
        {[](CVornConfigFile& c, HostAdapterChoice& a) { a.bOn = true; a.strMAC = c.m_strNetDev = "0A-0B-0C-0D-0E-00"; },
         kMac + "No host adapter with this MAC address exists"},
        {[](CVornConfigFile& c, HostAdapterChoice& a) { a.bOn = true; a.strMAC = c.m_strNetDev = "0A-0B-0C"; },
         kMac + "Invalid or improperly formatted MAC address"},
    };
    for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
        CVornConfigFile cfg;
        cfg.m_strLoadUnit = "01A0";
        HostAdapterChoice choice;
        rows[i].edit(cfg, choice);
        SysCfgFieldFailure f;
        bool bOk = CheckDeviceOptions(cfg, choice, [&]() -> const CHostAdapterArray& { return adapters; }, f);
        EXPECT_EQ(Describe(bOk, f), rows[i].expected) << "row " << i;
    }
}

// With the option off NETDEV goes; "0.0.0.0" counts as no address and, with
// no MAC address either, switches the option off. The host's adapters are
// asked for only to check an address.
TEST(DevOptsRules, AdapterValueEmptiedWhenOff)
{
    CHostAdapterArray adapters = TwoAdapters();
    int nAsked = 0;
    auto ask = [&]() -> const CHostAdapterArray& {
        ++nAsked;
        return adapters;
    };
    const struct {
        bool bOn;
        const char* pszIP;
        const char* pszNetDev;
        bool bOnAfter;
        const char* pszNetDevAfter;
    } rows[] = {
        {false, "10.1.2.3", "10.1.2.3", false, ""},
        {true, "0.0.0.0", "0.0.0.0", false, ""},
        {true, "", "", false, ""},
        {true, "10.1.2.3", "10.1.2.3", true, "10.1.2.3"},
    };
    for (const auto& r : rows) {
        CVornConfigFile cfg;
        HostAdapterChoice choice;
        choice.bOn = r.bOn;
        choice.strIP = r.pszIP;
        cfg.m_strNetDev = r.pszNetDev;
        SysCfgFieldFailure f;
        nAsked = 0;
        EXPECT_TRUE(CheckDeviceOptions(cfg, choice, ask, f)) << r.pszIP;
        EXPECT_EQ(nAsked, r.bOnAfter ? 1 : 0) << r.pszIP;
        EXPECT_EQ(choice.bOn, r.bOnAfter) << r.pszIP;
        EXPECT_EQ(cfg.m_strNetDev, r.pszNetDevAfter) << r.pszIP;
    }
}
