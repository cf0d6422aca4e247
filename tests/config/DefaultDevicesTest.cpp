// DefaultDevicesTest.cpp: the nine devices of a new configuration.
#include <gtest/gtest.h>

#include "config/DefaultDevices.h"
#include "config/DevClass.h"
#include "tests/config/ConfigTestUtil.h"

TEST(DefaultDevices, OneOfEveryClassInClassOrder)
{
    CVornDevice devices[kDefaultDeviceCount];
    DefaultDeviceFolders folders{"C:/vorn/punch/", "C:/vorn/print/", "C:/vorn/disks/", "C:/vorn/tapes/"};
    CString strError;
    ASSERT_TRUE(BuildDefaultDeviceStatements(devices, folders, strError)) << strError.GetString();
    const char* const statements[kDefaultDeviceCount] = {
        "000B    3505    127.0.0.1:3505 sockdev ascii trunc eof",
        "000C    3525    C:/vorn/punch/punch.txt ascii crlf",
        "000D    1403    C:/vorn/print/print.txt crlf",
        "001E    3215    noprompt",
        "003F    3270",
        "033F    3350    C:/vorn/disks/volser.comp",
        "017F    3420    C:/vorn/tapes/tape.vet chunksize=65535 compress=1 method=1 level=4 maxsizeM=170 "
        "eotmargin=131072",
        "0600    OSA     iface 192.168.0.2 ipaddr 192.168.0.4 netmask 255.255.0.0 chpid F0",
        "04FF    2703    lport=3780 rhost=localhost rport=3781 dial=no",
    };
    const WORD classes[kDefaultDeviceCount] = {DEVCLASS_RDR,  DEVCLASS_PCH,  DEVCLASS_PRT,
                                               DEVCLASS_LOG,  DEVCLASS_3270, DEVCLASS_DISK,
                                               DEVCLASS_TAPE, DEVCLASS_COMM, DEVCLASS_UNKNOWN};
    for (int i = 0; i < kDefaultDeviceCount; ++i) {
        EXPECT_EQ(FormatDeviceStatement(devices[i]), CString(statements[i])) << i;
        EXPECT_EQ(devices[i].m_wClass, classes[i]) << i;
    }
}

TEST(DefaultDevices, EmptyFoldersAndANewConfigurationThatSavesAndReadsBack)
{
    CVornDevice devices[kDefaultDeviceCount];
    CString strError;
    ASSERT_TRUE(BuildDefaultDeviceStatements(devices, DefaultDeviceFolders(), strError)) << strError.GetString();
    EXPECT_EQ(devices[1].m_strFirstArg, "punch.txt");
    EXPECT_EQ(devices[5].m_strFirstArg, "volser.comp");
    // A folder with blanks keeps the file name one word.
    DefaultDeviceFolders spaced{"C:/my punch/", "", "", ""};
    ASSERT_TRUE(BuildDefaultDeviceStatements(devices, spaced, strError));
    EXPECT_EQ(FormatDeviceStatement(devices[1]), "000C    3525    \"C:/my punch/punch.txt\" ascii crlf");

    TempDir dir;
    CVornConfigFile cfg;
    for (const CVornDevice& dev : devices)
        cfg.m_devices[dev.GetKey()] = dev;
    ASSERT_EQ(cfg.SaveAs(dir.Folder().c_str(), "new.cnf"), 0u);
    CVornConfigFile back;
    ASSERT_TRUE(back.Load(dir.Folder().c_str(), "new.cnf")) << JoinedErrors(back);
    EXPECT_TRUE(back.m_devices == cfg.m_devices);
}

// What a new device takes from the last one of its class, by the statement
// it will be written as.
TEST(DefaultDevices, ANewDeviceFromAPrototype)
{
    const struct {
        const char* pszPrototype;
        const char* pszProposed;
    } rows[] = {
        {"0000 SYSG GRP1", "0000    3270    GRP1"},
        {"0700 3270 GRP1", "0700    3270    GRP1"},
        {"0009 3215-C /", "0009    3215-C  /"},
        {"0120 3390 d1.cckd ser=000000012345 sf=d1_Shadow_0.cckd cu=3990-6 readonly",
         "0120    3390    d1.cckd readonly cu=3990-6"},
        {"0121 3390 \"my d2.cckd\" sf=d2_shadow.cckd ser=000000012346",
         "0121    3390    \"my d2.cckd\""},
        {"0122 3390 d3.cckd", "0122    3390    d3.cckd"},
    };
    for (const auto& row : rows) {
        CVornDevice dev;
        CString strError;
        ASSERT_TRUE(CVornConfigFile::ParseDeviceStatement(row.pszPrototype, dev, strError)) << row.pszPrototype;
        ProposeFromPrototype(dev);
        EXPECT_EQ(FormatDeviceStatement(dev), CString(row.pszProposed)) << row.pszPrototype;
        EXPECT_FALSE(dev.m_bSysg) << row.pszPrototype;
        if (const CVornDasdParms* pParms = dev.GetDasdParms()) {
            EXPECT_TRUE(pParms->m_strSerial.IsEmpty()) << row.pszPrototype;
            EXPECT_FALSE(pParms->m_bHasShadowFile) << row.pszPrototype;
            EXPECT_TRUE(pParms->m_strShadowFile.IsEmpty()) << row.pszPrototype;
        }
    }
}
