// CommAdapterArgumentsTest.cpp: the communication adapters' words read and
// written, the addresses carried between their pages and their commands.
#include <gtest/gtest.h>

#include <string>

#include "devices/CommAdapterArguments.h"

namespace {

SQethFields Qeth(const char* pszArgs)
{
    SQethFields f;
    ParseQethArguments(pszArgs, f);
    return f;
}

std::string Str(const CString& str) { return str.GetString(); }

}  // namespace

TEST(QethArguments, TheKeywordWalkTakesEachValue)
{
    SQethFields f = Qeth("iface 02:00:5E:00:01:02 ipaddr 10.0.0.5 netmask 255.0.0.0 debug");
    EXPECT_EQ("02:00:5E:00:01:02", Str(f.strNicMAC));
    EXPECT_EQ("", Str(f.strNicIP));
    EXPECT_EQ("10.0.0.5", Str(f.strGuestIP));
    EXPECT_EQ("255.0.0.0", Str(f.strMask));
    EXPECT_TRUE(f.bDebug);
    EXPECT_EQ(0, f.keptWords.GetSize());
}

TEST(QethArguments, TableOfWalks)
{
    struct Row {
        const char* pszArgs;
        const char* pszNicIP;
        const char* pszNicMAC;
        const char* pszGuest;
        const char* pszMask;
        const char* pszChpid;
        bool bDebug;
    };
    const Row rows[] = {
        {"ipaddr", "", "", "", "", "", false},  // a keyword without its value ends the walk
        {"", "", "", "", "", "", false},
        {"   ", "", "", "", "", "", false},
        {"IFACE 192.168.1.10 IPADDR 192.168.1.77 NETMASK 255.255.255.0 CHPID 7E", "192.168.1.10", "",
         "192.168.1.77", "255.255.255.0", "7E", false},
        {"iface 00-11-22-33-44-55 debug", "", "00-11-22-33-44-55", "", "", "", true},
        {"iface tap0 ipaddr 10.0.0.300", "", "", "", "", "", false},     // neither address: dropped
        {"netmask 255.0.255.0 chpid G1", "", "", "", "", "", false},     // not contiguous; not hex
        {"netmask 255.255.255.255 chpid 7", "", "", "", "255.255.255.255", "7", false},
        {"ipaddr 10.0.0.5 netmask", "", "", "10.0.0.5", "", "", false},  // the walk ends at "netmask"
        {"debug ipaddr 10.1.2.3", "", "", "10.1.2.3", "", "", true},
    };
    for (const Row& r : rows) {
        SQethFields f = Qeth(r.pszArgs);
        EXPECT_EQ(r.pszNicIP, Str(f.strNicIP)) << r.pszArgs;
        EXPECT_EQ(r.pszNicMAC, Str(f.strNicMAC)) << r.pszArgs;
        EXPECT_EQ(r.pszGuest, Str(f.strGuestIP)) << r.pszArgs;
        EXPECT_EQ(r.pszMask, Str(f.strMask)) << r.pszArgs;
        EXPECT_EQ(r.pszChpid, Str(f.strChpid)) << r.pszArgs;
        EXPECT_EQ(r.bDebug, f.bDebug) << r.pszArgs;
    }
}

TEST(QethArguments, BuildsTheKeywordsWithTwoBlanks)
{
    SQethFields f;
    f.strNicIP = "192.168.1.10";
    f.strGuestIP = "192.168.1.77";
    f.strMask = "255.255.255.0";
    f.strChpid = "7E";
    EXPECT_EQ("iface 192.168.1.10  ipaddr 192.168.1.77  netmask 255.255.255.0  chpid 7E",
              Str(BuildQethArguments(f)));
    f.strChpid.Empty();
    f.bDebug = true;
    f.strNicMAC = "02:00:5E:00:01:02";  // the MAC wins over the IP
    EXPECT_EQ("iface 02:00:5E:00:01:02  ipaddr 192.168.1.77  netmask 255.255.255.0  debug", Str(BuildQethArguments(f)));
}

// Editing an adapter must not lose what the page does not show.
TEST(QethArguments, WordsThePageDoesNotEditAreWrittenBack)
{
    const char* pszArgs =
        "iface 192.168.1.10  ipaddr 10.0.0.5  netmask 255.0.0.0  ipaddr6 fe80::1 hwaddr 02:00:00:00:00:09 mtu 1500 "
        "vlan 7  chpid 7E  debug";
    SQethFields f = Qeth(pszArgs);
    ASSERT_EQ(8, f.keptWords.GetSize());
    EXPECT_EQ("ipaddr6", Str(f.keptWords[0]));
    EXPECT_EQ("fe80::1", Str(f.keptWords[1]));
    EXPECT_EQ("mtu", Str(f.keptWords[4]));
    EXPECT_EQ("1500", Str(f.keptWords[5]));
    EXPECT_EQ(pszArgs, Str(BuildQethArguments(f)));
    // Read again, written again: nothing changes.
    EXPECT_EQ(pszArgs, Str(BuildQethArguments(Qeth(BuildQethArguments(f)))));
}

TEST(QethArguments, AKeptWordWithABlankIsQuoted)
{
    SQethFields f = Qeth("iface 192.168.1.10 ipaddr 10.0.0.5 netmask 255.0.0.0 \"a b\"");
    ASSERT_EQ(1, f.keptWords.GetSize());
    EXPECT_EQ("iface 192.168.1.10  ipaddr 10.0.0.5  netmask 255.0.0.0  \"a b\"", Str(BuildQethArguments(f)));
}

// Written again, an empty value would make its keyword take the next word.
TEST(QethArguments, AKeywordWithoutItsValueIsLeftOut)
{
    SQethFields f = Qeth("30882 10.0.0.9 x 1500");
    EXPECT_EQ("30882 10.0.0.9 x 1500", Str(BuildQethArguments(f)));
    f = Qeth("iface tap0 ipaddr 10.0.0.5 netmask 255.0.0.0");
    EXPECT_EQ("ipaddr 10.0.0.5  netmask 255.0.0.0", Str(BuildQethArguments(f)));
}

TEST(QethArguments, KeptWordsReadBackAsThemselves)
{
    const struct { const char* pszArgs; const char* pszBuilt; } rows[] = {
        {"vlan \"\"", "vlan \"\""},                     // the empty word
        {"name 'say \"hi\" now'", "name 'say \"hi\" now'"},  // a blank and double quotes
        {"tag a'b", "tag a'b"},                            // a quote inside a word
        {"x\ty", "x y"},                                    // a tab separates too
    };
    for (const auto& r : rows) {
        SQethFields f = Qeth(r.pszArgs);
        CString strBuilt = BuildQethArguments(f);
        EXPECT_EQ(r.pszBuilt, Str(strBuilt)) << r.pszArgs;
        EXPECT_EQ(Str(strBuilt), Str(BuildQethArguments(Qeth(strBuilt)))) << r.pszArgs;
    }
}

TEST(CtceArguments, PositionalValuesReplaceOnlyWhatIsNumeric)
{
    SCtceFields f;
    f.nLocalPort = 30880;
    f.nRemotePort = 30880;
    f.nMtu = 32768;
    ParseCtceArguments("30882 10.0.0.9 x 1500", f);
    EXPECT_EQ(30882u, f.nLocalPort);
    EXPECT_EQ("10.0.0.9", Str(f.strRemoteHost));
    EXPECT_EQ(30880u, f.nRemotePort);
    EXPECT_EQ(1500u, f.nMtu);
    ParseCtceArguments("4000", f);  // missing words leave their values
    EXPECT_EQ(4000u, f.nLocalPort);
    EXPECT_EQ("10.0.0.9", Str(f.strRemoteHost));
    ParseCtceArguments("-2 h 99999999999 +5", f);
    EXPECT_EQ(4000u, f.nLocalPort);
    EXPECT_EQ("h", Str(f.strRemoteHost));
    EXPECT_EQ(30880u, f.nRemotePort);
    EXPECT_EQ(1500u, f.nMtu);
}

TEST(CtceArguments, BuildsWithTwoBlanks)
{
    SCtceFields f;
    f.nLocalPort = 30880;
    f.strRemoteHost = "192.168.1.20";
    f.nRemotePort = 30880;
    f.nMtu = 32768;
    EXPECT_EQ("30880  192.168.1.20  30880  32768", Str(BuildCtceArguments(f)));
}

TEST(CtceArguments, PortsAreEvenAndInRange)
{
    const struct { UINT nPort; bool bValid; } rows[] = {
        {1024, true}, {1022, false}, {30880, true}, {30881, false}, {65534, true}, {65535, false}, {65536, false},
        {0, false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.bValid, IsValidCtcePort(r.nPort, 1024, 65535)) << r.nPort;
}

TEST(CommAdapterCommand, TheFormsKeepTheirTwoBlanks)
{
    EXPECT_EQ("attach  0400  CTCE  30880  192.168.1.20  30880  32768",
              Str(CommAdapterCommand(true, "0400", "CTCE", "30880  192.168.1.20  30880  32768")));
    EXPECT_EQ("devinit  1:0400  iface 192.168.1.10  ipaddr 10.0.0.5",
              Str(CommAdapterCommand(false, "1:0400", "OSA", "iface 192.168.1.10  ipaddr 10.0.0.5")));
    EXPECT_EQ("devinit  0400", Str(CommAdapterCommand(false, "0400", "LCS", "")));
}

// Every pair of the carry-over table: which fields a page first shown
// takes from the page of the device's kind.
TEST(CommCarryOver, TheTableOfPairs)
{
    const UINT kAll = kCarryGuestIP | kCarryGuestMAC | kCarryNicIP | kCarryNicMAC | kCarryBufferSizes;
    const UINT kOsa = kCarryGuestIP | kCarryNicIP | kCarryNicMAC;
    const UINT expected[4][4] = {
        // source: OSA   LCS    CTCI   CTCE          target:
        {0, kOsa, kOsa, kCarryNicIP},                // OSA
        {kOsa, 0, kAll, kCarryNicIP},                // LCS
        {kOsa, kAll, 0, kCarryNicIP},                // CTCI
        {kCarryNicIP, kCarryNicIP, kCarryNicIP, 0},  // CTCE
    };
    for (int t = 0; t < 4; ++t)
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(expected[t][s], CommCarriedFields(t, s)) << "target " << t << " source " << s;
    for (int k : {-1, 4, 7}) {
        EXPECT_EQ(0u, CommCarriedFields(k, 0));
        EXPECT_EQ(0u, CommCarriedFields(0, k));
    }
}

TEST(CommCarryOver, OnlyTheCarriedFieldsChange)
{
    SCommAddresses from;
    from.strGuestIP = "10.0.0.2";
    from.strGuestMAC = "02:00:00:00:00:01";
    from.strNicIP = "192.168.1.10";
    from.strNicMAC = "";
    from.nDriverSize = 1024;
    from.nDllSize = 64;
    SCommAddresses to;
    to.strGuestMAC = "kept";
    to.nDriverSize = 7;
    CarryOverAddresses(0, 2, from, to);  // OSA from CTCI
    EXPECT_EQ("10.0.0.2", Str(to.strGuestIP));
    EXPECT_EQ("kept", Str(to.strGuestMAC));
    EXPECT_EQ("192.168.1.10", Str(to.strNicIP));
    EXPECT_EQ(7u, to.nDriverSize);
    SCommAddresses ctce;
    CarryOverAddresses(3, 0, from, ctce);  // CTCE from OSA: the remote host only
    EXPECT_EQ("192.168.1.10", Str(ctce.strNicIP));
    EXPECT_EQ("", Str(ctce.strGuestIP));
    SCommAddresses lcs;
    CarryOverAddresses(1, 2, from, lcs);  // LCS from CTCI: everything
    EXPECT_EQ("02:00:00:00:00:01", Str(lcs.strGuestMAC));
    EXPECT_EQ(1024u, lcs.nDriverSize);
    EXPECT_EQ(64u, lcs.nDllSize);
}
