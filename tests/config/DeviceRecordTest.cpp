// DeviceRecordTest.cpp: the device record, disk options, statement text and
// socket addresses.
#include <gtest/gtest.h>

#include "config/CVornConfigFile.h"
#include "config/CVornDevice.h"
#include "config/DevClass.h"
#include "config/SockdevAddress.h"
#include "tests/config/TempFile.h"

namespace {

CVornDevice Disk(WORD wDevnum, const CString& strFile, const CString& strArgs, CString* pstrMsg = nullptr,
                 WORD wType = 0x3390)
{
    CVornDevice dev;
    dev.Set(0, wDevnum, DEVCLASS_DISK, wType, nullptr, strFile, strArgs, pstrMsg, 0, false);
    return dev;
}

} // namespace

TEST(CVornDasdParms, CkdOptions)
{
    CVornDevice dev = Disk(0x120, "absent.img", "ro sf=shadow_1 ser=000000000123");
    ASSERT_NE(dev.GetDasdParms(), nullptr);
    CVornDasdParms& p = *dev.GetDasdParms();
    EXPECT_TRUE(p.m_bReadOnly);
    EXPECT_TRUE(p.m_bHasShadowFile);
    EXPECT_EQ(p.m_strShadowFile, "shadow_1");
    EXPECT_EQ(p.m_strSerial, "000000000123");
    EXPECT_EQ(p.Format(), "readonly sf=shadow_1 ser=000000000123");

    dev = Disk(0x120, "absent.img", "fw cu=3880 sf=\"ab\" #rest ignored");
    ASSERT_NE(dev.GetDasdParms(), nullptr);
    EXPECT_EQ(dev.GetDasdParms()->m_strOtherOptions, " cu=3880");
    EXPECT_EQ(dev.GetDasdParms()->m_strShadowFile, "ab");
    EXPECT_FALSE(dev.GetDasdParms()->m_bCU3990_6);
    EXPECT_EQ(dev.GetDasdParms()->Format(), "fakewrite sf=ab cu=3880");
}

// The header's serial stands in for a missing one; a serial given with the
// options overrides it and survives every formatting.
TEST(CVornDasdParms, TheHeadersSerialNeverReplacesAGivenOne)
{
    TempDir dir;
    std::string strBytes(1024, '\0');
    strBytes.replace(0, 8, "CKD_C370");
    strBytes.replace(20, 12, "111111111111");
    const std::string strImage = dir.Write("vol1.cckd", strBytes);
    const struct {
        const char* pszArgs;
        const char* pszSerial;
        const char* pszFormatted;
    } rows[] = {
        {"ro", "111111111111", "readonly ser=111111111111"},
        {"ro ser=222222222222", "222222222222", "readonly ser=222222222222"},
    };
    for (const auto& row : rows) {
        CVornDevice dev = Disk(0x120, strImage.c_str(), row.pszArgs);
        ASSERT_NE(dev.GetDasdParms(), nullptr) << row.pszArgs;
        CVornDasdParms& p = *dev.GetDasdParms();
        EXPECT_EQ(p.m_strSerial, row.pszSerial) << row.pszArgs;
        EXPECT_EQ(p.Format(), row.pszFormatted) << row.pszArgs;
        p.m_strSerial = "333333333333";  // typed over the header's
        EXPECT_EQ(p.Format(), "readonly ser=333333333333") << row.pszArgs;
    }
}

TEST(CVornDasdParms, FaultsDropTheOptions)
{
    CString strMsg;
    CVornDevice dev = Disk(0x120, "absent.img", "ser=12345 bogus", &strMsg);
    EXPECT_EQ(strMsg, "\n\"12345\": Invalid serial number\n\"bogus\": Unrecognized DASD parameter");
    EXPECT_EQ(dev.GetDasdParms(), nullptr);

    CVornDasdParms parms;
    CString strError;
    EXPECT_FALSE(parms.Parse("x x", strError, 0x3390));
    EXPECT_EQ(parms.m_strOtherOptions, " x x"); // trimmed on the right only
}

TEST(CVornDasdParms, FbaMinidisk)
{
    TempDir dir;
    const std::string strImage = dir.Write("fba.img", std::string(2048000, '\0'));
    CVornDevice dev = Disk(0x300, strImage.c_str(), "100 *", nullptr, 0x3370);
    ASSERT_NE(dev.GetDasdParms(), nullptr);
    CVornDasdParms& p = *dev.GetDasdParms();
    EXPECT_EQ(p.m_bImageType, 4);
    EXPECT_EQ(p.m_dwTotalBlocks, 4000u);
    EXPECT_EQ(p.m_dwOrigin, 100u);
    EXPECT_EQ(p.m_dwBlockCount, 3900u);
    EXPECT_EQ(p.Format(), "100 *");

    dev = Disk(0x300, strImage.c_str(), "0 0", nullptr, 0x3370);
    EXPECT_EQ(dev.GetDasdParms()->Format(), "");
    dev = Disk(0x300, strImage.c_str(), "10 20", nullptr, 0x3370);
    EXPECT_EQ(dev.GetDasdParms()->Format(), "10 20");

    CString strMsg;
    dev = Disk(0x300, strImage.c_str(), "abc", &strMsg, 0x3370);
    EXPECT_EQ(strMsg, "\n\"abc\": Unrecognized DASD parameter");
    CVornDasdParms parms(&dev);
    CString strError;
    parms.Parse("abc 5", strError, 0x3370);
    EXPECT_EQ(parms.m_strOtherOptions, " abc 5");
    parms.Parse("1 x", strError, 0x3370);
    EXPECT_EQ(strError, "\"x\": Invalid FBA minidisk number-of-blocks value");
}

// With no image the total is 0: "*" must stay "to the end", not wrap around.
TEST(CVornDasdParms, FbaStarWithoutImageNeverUnderflows)
{
    CVornDevice dev = Disk(0x300, "absent.fba", "100 *", nullptr, 0x3370);
    ASSERT_NE(dev.GetDasdParms(), nullptr);
    EXPECT_EQ(dev.GetDasdParms()->m_dwBlockCount, 0u);
    EXPECT_TRUE(dev.GetDasdParms()->m_bBlocksToEnd);
    EXPECT_EQ(dev.GetDasdParms()->Format(), "100 *");
}

TEST(CVornDevice, CopyIsDeepAndEqual)
{
    CVornDevice a = Disk(0x120, "absent.img", "ro");
    CVornDevice b = a;
    ASSERT_NE(b.GetDasdParms(), nullptr);
    EXPECT_NE(b.GetDasdParms(), a.GetDasdParms());
    EXPECT_EQ(b.GetDasdParms()->m_pOwner, &b);
    EXPECT_TRUE(a == b);
    b.GetDasdParms()->m_bReadOnly = false;
    EXPECT_TRUE(a != b);
    CVornDevice c = Disk(0x120, "absent.img", "");
    EXPECT_TRUE(a != c); // options on one side only
    c = a;
    EXPECT_TRUE(a == c);
    c.m_strTypeWord = "3390";
    a.m_strTypeWord = "3390";
    EXPECT_TRUE(a == c);
}

TEST(CVornDevice, SameButAddress)
{
    CVornDevice a = Disk(0x120, "d.img", "");
    CVornDevice b = Disk(0x121, "d.img", "");
    CVornDevice c = Disk(0x220, "d.img", "");
    EXPECT_TRUE(a.IsSameButAddress(b));
    EXPECT_FALSE(a.IsSameButAddress(c));
    EXPECT_EQ(a.m_wDevnum, 0x120); // restored
    b.m_bLcss = 1;
    EXPECT_TRUE(a.IsSameButAddress(b));
}

TEST(FormatDeviceStatement, Forms)
{
    struct Row { BYTE bLcss; WORD wDev; WORD wClass; WORD wType; const char* pszWord; const char* pszFirst; const char* pszOther; bool bSysg; int nSub; const char* pszText; };
    const Row rows[] = {
        {0, 0x120, 5, 0x3390, "3390", "d.img", "", false, 0, "0120    3390    d.img"},
        {1, 0x120, 5, 0x3390, "3390", "d.img", "", false, 0, "1:0120  3390    d.img"},
        {0, 0x120, 5, 0x3390, "3390", "my disk.img", "", false, 0, "0120    3390    \"my disk.img\""},
        {0, 0x120, 5, 0x3390, "3390", "$(DISKS)/a.img", "", false, 0, "0120    3390    \"$(DISKS)/a.img\""},
        {0, 0x00C, 0, 0x3505, "3505", "127.0.0.1:3505", "sockdev", false, 0, "000C    3505    127.0.0.1:3505 sockdev"},
        {0, 0x00D, 1, 0x3525, "3525", "a\"b c", "ascii", false, 0, "000D    3525    'a\"b c' ascii"},
        {0, 0x01F, 3, 0x3215, "3215-C", "3215-C", "noprompt", false, 0, "001F    3215-C  noprompt"},
        {0, 0x01F, 3, 0x3215, "3215", "", "noprompt", false, 0, "001F    3215    noprompt"},
        {0, 0x009, 4, 0x3270, "SYSG", "", "", true, 0, "0000    SYSG"},
        {0, 0x020, 4, 0x3270, "3270", "", "", false, 0, "0020    3270"},
        {0, 0x400, 7, 0x3088, "OSA", "OSA", "iface x", false, 0, "0400    OSA     iface x"},
        {0, 0x4FF, 8, 0x2703, "2703", "", "lport=3780", false, 0, "04FF    2703    lport=3780"},
        {0, 0x180, 6, 0x3420, "3420", "*", "", false, 0, "0180    3420    *"},
    };
    for (const Row& r : rows) {
        CVornDevice dev;
        dev.Set(r.bLcss, r.wDev, r.wClass, r.wType, r.pszWord, r.pszFirst, r.pszOther, nullptr, r.nSub, r.bSysg);
        EXPECT_EQ(FormatDeviceStatement(dev), r.pszText) << r.pszText;
    }
}

TEST(SockdevAddress, Forms)
{
    DWORD dwAddr = 0;
    UINT nPort = 1;
    const CString strArgs = "ascii SockDev";
    EXPECT_TRUE(ParseSockdevAddress("127.0.0.1:3390", dwAddr, &strArgs, nPort));
    EXPECT_EQ(dwAddr, 0x7F000001u);
    EXPECT_EQ(nPort, 3390u);
    const CString strNoSock = "ascii";
    EXPECT_FALSE(ParseSockdevAddress("127.0.0.1:3390", dwAddr, &strNoSock, nPort));
    EXPECT_EQ(dwAddr, 0xFFFFFFFFu);
    EXPECT_EQ(nPort, 0u);
    EXPECT_FALSE(ParseSockdevAddress("a:3390", dwAddr, nullptr, nPort));
    EXPECT_FALSE(ParseSockdevAddress(":3390", dwAddr, nullptr, nPort));
    EXPECT_FALSE(ParseSockdevAddress("127.0.0.1:65536", dwAddr, nullptr, nPort));
    EXPECT_FALSE(ParseSockdevAddress("127.0.0.1:-1", dwAddr, nullptr, nPort));
    EXPECT_TRUE(IsHostPortSpec("ab:1"));
    EXPECT_FALSE(IsHostPortSpec("a:12"));
    EXPECT_FALSE(IsHostPortSpec("ab :1"));
    EXPECT_FALSE(IsHostPortSpec("ab:"));
}

// A shadow file name with blanks is written as one quoted word that the
// statement reader takes back whole.
TEST(CVornDasdParms, ShadowFileWithBlanksReadsBack)
{
    for (const char* pszShadow : {"C:\\My Disks\\s_*.cckd", "a b.cckd", "plain.cckd"}) {
        // As the disk dialog fills it in.
        CVornDevice dev = Disk(0x120, "absent.img", "sf=x");
        ASSERT_NE(dev.GetDasdParms(), nullptr);
        dev.GetDasdParms()->m_strShadowFile = pszShadow;
        dev.m_strOtherArgs = dev.GetDasdParms()->Format();
        CVornDevice again;
        CString strError;
        ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement(FormatDeviceStatement(dev), again, strError))
            << FormatDeviceStatement(dev) << ": " << strError;
        ASSERT_NE(again.GetDasdParms(), nullptr) << FormatDeviceStatement(dev);
        EXPECT_EQ(again.GetDasdParms()->m_strShadowFile, pszShadow) << FormatDeviceStatement(dev);
        EXPECT_TRUE(again.GetDasdParms()->m_strOtherOptions.Trim().IsEmpty()) << FormatDeviceStatement(dev);
    }
}
