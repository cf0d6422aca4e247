// SysCfgFieldChecksTest.cpp: the pages' Apply checks in their orders, with
// their exact titles and texts, at the default "Limits" values.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "config/CVornConfigFile.h"
#include "config/Limits.h"
#include "resources/SysConfigRes.h"
#include "sysconfig/SysCfgFieldChecks.h"
#include "tests/config/TempFile.h"

namespace {

CVornConfigFile ValidConfig()
{
    CVornConfigFile cfg;
    cfg.m_strCPUSerial = "000611";
    cfg.m_strCPUModel = "3090";
    cfg.m_nMaxCPUs = 4;
    cfg.m_nNumCPUs = 2;
    cfg.m_nNumVec = 0;
    cfg.m_ullMainSize = 64ull << 20;
    cfg.m_ullXpndSize = 0;
    cfg.m_strLparNum = "1";
    cfg.m_strTzOffset = "+0100";
    return cfg;
}

std::string Describe(bool bOk, const SysCfgFieldFailure& f)
{
    if (bOk)
        return "ok";
    char sz[16];
    snprintf(sz, sizeof sz, "%u", f.nCtrlId);
    return std::string(sz) + " " + f.strTitle.GetString() + ": " + f.strText.GetString();
}

std::string Ident(void (*edit)(CVornConfigFile&))
{
    CVornConfigFile cfg = ValidConfig();
    edit(cfg);
    SysCfgFieldFailure f;
    return Describe(CheckIdentification(cfg, f), f);
}

}  // namespace

TEST(SysCfgFieldChecks, IdentificationDefaultsPass)
{
    EXPECT_EQ(Ident([](CVornConfigFile&) {}), "ok");
    EXPECT_EQ(Ident([](CVornConfigFile& c) {
                  c.m_strLparName = c.m_strPlant = c.m_strManufacturer = c.m_strCPUIdFmt = "";
                  for (CString& s : c.m_strModel)
                      s = "";
              }),
              "ok");
}

TEST(SysCfgFieldChecks, IdentificationChecksInOrder)
{
    const std::string kCharset = "Only uppercase alphanumeric characters 0-9 and/or A-Z are allowed";
    struct Row {
        void (*edit)(CVornConfigFile&);
        std::string expected;
    } rows[] = {
        {[](CVornConfigFile& c) { c.m_strLparName = "ABCDEFGHI"; }, "1138 LPAR Name: Enter no more than 8 characters"},
        // A length failure comes before any character-set failure.
        {[](CVornConfigFile& c) { c.m_strLparName = "a"; c.m_strModel[0] = "12345678901234567"; },
         "1638 Hardware: Enter no more than 16 characters"},
        {[](CVornConfigFile& c) { c.m_strModel[1] = "12345678901234567"; }, "1641 Capacity: Enter no more than 16 characters"},
        {[](CVornConfigFile& c) { c.m_strModel[2] = "12345678901234567"; c.m_strModel[3] = "12345678901234567"; },
         "1640 Perm: Enter no more than 16 characters"},
        {[](CVornConfigFile& c) { c.m_strModel[3] = "12345678901234567"; }, "1642 Temp: Enter no more than 16 characters"},
        {[](CVornConfigFile& c) { c.m_strManufacturer = "12345678901234567"; c.m_strPlant = "12345"; },
         "1608 Manufacturer: Enter no more than 16 characters"},
        {[](CVornConfigFile& c) { c.m_strPlant = "12345"; }, "1639 Plant: Enter no more than 4 characters"},
        {[](CVornConfigFile& c) { c.m_strLparNum = "100"; }, "1643 LPAR Number: Enter no more than 2 hex digits or the value \"BASIC\"."},
        {[](CVornConfigFile& c) { c.m_strLparNum = "40"; },
         "1643 LPAR Number: Please enter the value \"BASIC\" or a 1 or 2 hex digit number in the range 0-3F."},
        {[](CVornConfigFile& c) { c.m_strLparNum = "G"; },
         "1643 LPAR Number: Please enter the value \"BASIC\" or a 1 or 2 hex digit number in the range 0-3F."},
        // An empty LPAR number is refused (it would be written as a number of its own).
        {[](CVornConfigFile& c) { c.m_strLparNum = ""; },
         "1643 LPAR Number: Please enter the value \"BASIC\" or a 1 or 2 hex digit number in the range 0-3F."},
        {[](CVornConfigFile& c) { c.m_strLparNum = "3F"; }, "ok"},
        {[](CVornConfigFile& c) { c.m_strLparNum = "Basic"; }, "ok"},
        {[](CVornConfigFile& c) { c.m_strLparNum = "BASIC"; c.m_strCPUIdFmt = "2"; },
         "1644 CPU ID Format: Enter only the value 0 or 1 or the string \"BASIC\"."},
        {[](CVornConfigFile& c) { c.m_strCPUIdFmt = "basic"; }, "ok"},
        {[](CVornConfigFile& c) { c.m_strCPUIdFmt = "1"; }, "ok"},
        {[](CVornConfigFile& c) { c.m_strLparName = "vorn"; c.m_strPlant = "a"; }, "1138 LPAR Name: " + kCharset},
        {[](CVornConfigFile& c) { c.m_strModel[0] = "ZQC-1"; }, "1638 Hardware: " + kCharset},
        {[](CVornConfigFile& c) { c.m_strModel[1] = "z"; }, "1641 Capacity: " + kCharset},
        {[](CVornConfigFile& c) { c.m_strModel[2] = " "; }, "1640 Perm: " + kCharset},
        {[](CVornConfigFile& c) { c.m_strModel[3] = "_"; }, "1642 Temp: " + kCharset},
        {[](CVornConfigFile& c) { c.m_strManufacturer = "VRN."; }, "1608 Manufacturer: " + kCharset},
        {[](CVornConfigFile& c) { c.m_strPlant = "zz"; }, "1639 Plant: " + kCharset},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Ident(r.edit), r.expected);
}

TEST(SysCfgFieldChecks, EcpsVmLevel)
{
    CVornConfigFile cfg = ValidConfig();
    SysCfgFieldFailure f;
    cfg.m_nEcpsvmLevel = 99;
    EXPECT_EQ(Describe(CheckEcpsVmLevel(cfg, f), f), "ok");
    cfg.m_nEcpsvmLevel = 100;
    EXPECT_EQ(Describe(CheckEcpsVmLevel(cfg, f), f), "1413 ECPSVM Level: Please enter a value between 0 and 99");
}

TEST(SysCfgFieldChecks, ProcessorChecksInOrder)
{
    struct Row {
        void (*edit)(CVornConfigFile&);
        std::string expected;
    } rows[] = {
        {[](CVornConfigFile&) {}, "ok"},
        {[](CVornConfigFile& c) { c.m_strCPUSerial = "12345"; c.m_strCPUModel = ""; },
         "1126 CPU Serial Number: 6-digit CPU Serial number required"},
        {[](CVornConfigFile& c) { c.m_strCPUSerial = "ZZZZZZ"; c.m_strCPUModel = "30901"; },
         "1126 CPU Serial Number: Only hexadecimal digits 0-9 and A-F are allowed"},
        {[](CVornConfigFile& c) { c.m_strCPUModel = "30901"; }, "1127 CPU Model Number: 4-digit CPU Model number required"},
        {[](CVornConfigFile& c) { c.m_strCPUModel = "30 0"; c.m_strCPUVersion = "Q"; },
         "1127 CPU Model Number: Only hexadecimal digits 0-9 and A-F are allowed"},
        {[](CVornConfigFile& c) { c.m_strCPUVersion = "5"; c.m_nNumCPUs = 5; },
         "1152 CPU Version Code: 2-digit CPU Version code required"},
        {[](CVornConfigFile& c) { c.m_strCPUVersion = "QQ"; }, "1152 CPU Version Code: Only hexadecimal digits 0-9 and A-F are allowed"},
        {[](CVornConfigFile& c) { c.m_strCPUVersion = "fe"; c.m_strCPUSerial = "abcdef"; }, "ok"},
        {[](CVornConfigFile& c) { c.m_strCPUVersion = ""; }, "ok"},
        {[](CVornConfigFile& c) { c.m_nMaxCPUs = 65; c.m_nNumCPUs = 70; },
         "1148 Maximum CPUs: Please enter a value between 0 and 64"},
        {[](CVornConfigFile& c) { c.m_nNumCPUs = 5; }, "1133 Numbr of CPUs: Please enter a value between 0 and 4"},
        {[](CVornConfigFile& c) { c.m_nNumVec = 65; }, "1135 Vector Facilities: Please enter a value between 0 and 64"},
        {[](CVornConfigFile& c) { c.m_ullMainSize = (2ull << 20) - 1; },
         "1128 Main Storage: Please enter a value between 2M and 2G"},
        {[](CVornConfigFile& c) { c.m_ullMainSize = 2ull << 20; }, "ok"},
        {[](CVornConfigFile& c) { c.m_ullMainSize = (2048ull << 20) + 1; },
         "1128 Main Storage: Please enter a value between 2M and 2G"},
        {[](CVornConfigFile& c) { c.m_ullXpndSize = (1024ull << 20) + 1; },
         "1130 Expanded Storage: Please enter a value between 0M and 1G"},
    };
    for (const Row& r : rows) {
        CVornConfigFile cfg = ValidConfig();
        r.edit(cfg);
        SysCfgFieldFailure f;
        EXPECT_EQ(Describe(CheckProcessors(cfg, f), f), r.expected);
    }
}

TEST(SysCfgFieldChecks, EngineTypes)
{
    CVornConfigFile cfg = ValidConfig();
    SysCfgFieldFailure f;
    for (DWORD& d : cfg.m_dwEngineTypes)
        d = 3;
    EXPECT_TRUE(CheckEngineTypes(cfg, 0, f));
    cfg.m_dwEngineTypes[33] = 4;
    cfg.m_dwEngineTypes[40] = (DWORD)-1;
    EXPECT_TRUE(CheckEngineTypes(cfg, 0, f));
    EXPECT_EQ(Describe(CheckEngineTypes(cfg, 32, f), f), "2001 CPU 21: Invalid CPU Type");
    EXPECT_FALSE(f.bEdit);
}

TEST(SysCfgFieldChecks, ClockChecksInOrder)
{
    struct Row {
        void (*edit)(CVornConfigFile&);
        std::string expected;
    } rows[] = {
        {[](CVornConfigFile&) {}, "ok"},
        {[](CVornConfigFile& c) { c.m_nSysEpoch = 1800; c.m_nYrOffset = 200; },
         "1138 Clock Epoch: Please enter a value between 1801 and 2099"},
        {[](CVornConfigFile& c) { c.m_nSysEpoch = 2100; }, "1138 Clock Epoch: Please enter a value between 1801 and 2099"},
        {[](CVornConfigFile& c) { c.m_nYrOffset = -143; }, "1142 Year Offset: Please enter a value between -142 and 142"},
        {[](CVornConfigFile& c) { c.m_nYrOffset = -142; }, "ok"},
        {[](CVornConfigFile& c) { c.m_nTimerInt = 0; }, "1154 Update Interval: Please enter a value between 1 and 1000000"},
        {[](CVornConfigFile& c) { c.m_nTimerInt = 1000001; },
         "1154 Update Interval: Please enter a value between 1 and 1000000"},
        {[](CVornConfigFile& c) { c.m_dTodDrag = 0.00009; },
         "1153 Drag Factor: Please enter a value between 0.0001 and 10000.0000"},
        {[](CVornConfigFile& c) { c.m_dTodDrag = 0.0 / 0.0; },
         "1153 Drag Factor: Please enter a value between 0.0001 and 10000.0000"},
        {[](CVornConfigFile& c) { c.m_dTodDrag = 10000.0; }, "ok"},
        {[](CVornConfigFile& c) { c.m_dTodDrag = 0.0; c.m_strTzOffset = "UTC"; },
         "1153 Drag Factor: Please enter a value between 0.0001 and 10000.0000"},
    };
    for (const Row& r : rows) {
        CVornConfigFile cfg = ValidConfig();
        r.edit(cfg);
        SysCfgFieldFailure f;
        EXPECT_EQ(Describe(CheckClock(cfg, f), f), r.expected);
    }
    // The time-zone offset, last: a sign and four digits, hhmm, or none.
    const std::string kTz =
        "1140 Time Zone Offset: Enter the offset from UTC as +hhmm or -hhmm (hours 00-23, minutes 00-59)";
    const std::pair<const char*, std::string> offsets[] = {
        {"", "ok"},      {"UTC", kTz},    {"0100", kTz},   {"+100", kTz},   {"+01000", kTz}, {"+2400", kTz},
        {"+0060", kTz},  {"+1:00", kTz},  {"+01 0", kTz},  {"-05a0", kTz},  {"+0000", "ok"}, {"-0000", "ok"},
        {"-0530", "ok"}, {"+1400", "ok"}, {"+2359", "ok"},
    };
    for (const auto& o : offsets) {
        CVornConfigFile cfg = ValidConfig();
        cfg.m_strTzOffset = o.first;
        SysCfgFieldFailure f;
        EXPECT_EQ(Describe(CheckClock(cfg, f), f), o.second) << o.first;
    }
}

TEST(SysCfgFieldChecks, TransactionalExecutionRules)
{
    CVornConfigFile cfg = ValidConfig();
    cfg.m_archLvls.Add(CArchLvl("073_TRANSACT_EXEC", "", true));
    SysCfgFieldFailure f;
    EXPECT_EQ(Describe(CheckProcessors(cfg, f), f), "1127 CPU Model Number: Your chosen CPU Model does not support TXF");
    cfg.m_strCPUModel = "2827";
    EXPECT_EQ(Describe(CheckProcessors(cfg, f), f), "ok");
    EXPECT_EQ(MinTodUpdateInterval(cfg), 200u);
    cfg.m_nTimerInt = 199;
    EXPECT_EQ(Describe(CheckClock(cfg, f), f), "1154 Update Interval: Please enter a value between 200 and 1000000");
    cfg.m_archLvls.RemoveAll();
    EXPECT_EQ(MinTodUpdateInterval(cfg), 1u);
    EXPECT_EQ(Describe(CheckClock(cfg, f), f), "ok");
}

TEST(SysCfgFieldChecks, HttpServer)
{
    TempDir dir;
    const std::string strRoot = dir.Folder();
    const struct {
        bool bStart;
        int nPort;
        const char* pszUser;
        const char* pszPassword;
        std::string strRoot;
        std::string expected;
    } rows[] = {
        {false, 80, "", "", "", "ok"},
        {false, 1024, "", "", "", "ok"},
        {false, 65535, "", "", "", "ok"},
        {false, 500, "", "", "", "1336 Port Number: Invalid port number (must be 80 or 1024 to 65535)"},
        {false, 1023, "", "", "", "1336 Port Number: Invalid port number (must be 80 or 1024 to 65535)"},
        {false, 65536, "", "", "", "1336 Port Number: Invalid port number (must be 80 or 1024 to 65535)"},
        {false, -1, "", "", "", "1336 Port Number: Invalid port number (must be 80 or 1024 to 65535)"},
        {false, 80, "vorn", "", "", "1341 Password: Password required for userid"},
        {false, 80, "vorn", "secret", "", "ok"},
        {false, 80, "", "secret", "", "ok"},
        {true, 80, "", "", "", "1338 Directory: HTTP root directory required"},
        {true, 80, "", "", strRoot + "missing", "1338 Directory: The specified directory was not found."},
        {true, 80, "", "", strRoot, "ok"},
        {true, 500, "vorn", "", "", "1336 Port Number: Invalid port number (must be 80 or 1024 to 65535)"},
        {true, 80, "vorn", "", "", "1341 Password: Password required for userid"},
    };
    for (const auto& r : rows) {
        CVornConfigFile cfg;
        cfg.m_bHttpStart = r.bStart;
        cfg.m_nHttpPort = r.nPort;
        cfg.m_strHttpUser = r.pszUser;
        cfg.m_strHttpPassword = r.pszPassword;
        cfg.m_strHttpRoot = r.strRoot.c_str();
        SysCfgFieldFailure f;
        EXPECT_EQ(Describe(CheckHttpServer(cfg, f), f), r.expected) << r.nPort << " " << r.strRoot;
    }
}

TEST(SysCfgFieldChecks, Settings)
{
    TempDir dir;
    const std::string strRc = dir.Write("vorn.rc", "ipl 0120\n");
    const std::string kSeconds = "Please enter a value between 1 and 2147483647";
    const struct {
        void (*edit)(CVornConfigFile&, const std::string&);
        std::string expected;
    } rows[] = {
        {[](CVornConfigFile&, const std::string&) {}, "ok"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nPanRate = 9; },
         "1146 Refresh Rate: Please enter a value between 10 and 5000"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nPanRate = 5001; },
         "1146 Refresh Rate: Please enter a value between 10 and 5000"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nPanRate = -1; },
         "1146 Refresh Rate: Please enter a value between 10 and 5000"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nPanRate = 5000; }, "ok"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nCnslPort = 0; },
         "1132 Console Port: Invalid Console connection port"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nCnslPort = 1023; },
         "1132 Console Port: Invalid Console connection port"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nCnslPort = 65536; },
         "1132 Console Port: Invalid Console connection port"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nCnslPort = 23; }, "ok"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nCnslPort = 1024; }, "ok"},
        // The SYSG port counts only with its box set.
        {[](CVornConfigFile& c, const std::string&) { c.m_nSysgPort = 0; }, "ok"},
        {[](CVornConfigFile& c, const std::string&) {
             c.m_nSysgPort = 0;
             c.m_bSysgPortEnabled = true;
         },
         "1705 SYSG Port: Invalid SYSG console port"},
        {[](CVornConfigFile& c, const std::string&) {
             c.m_nSysgPort = 23;
             c.m_bSysgPortEnabled = true;
         },
         "ok"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nKpAlvIdle = 0; }, "1604 Idle Seconds: " + kSeconds},
        // 2147483648 typed reads as a negative count.
        {[](CVornConfigFile& c, const std::string&) { c.m_nKpAlvIdle = (int)2147483648u; },
         "1604 Idle Seconds: " + kSeconds},
        {[](CVornConfigFile& c, const std::string&) { c.m_nKpAlvIdle = 2147483647; }, "ok"},
        {[](CVornConfigFile& c, const std::string&) { c.m_nKpAlvIntv = 0; }, "1606 Probe Timeout: " + kSeconds},
        // The third value is only shown.
        {[](CVornConfigFile& c, const std::string&) { c.m_nKpAlvCount = 0; }, "ok"},
        {[](CVornConfigFile& c, const std::string& f) { c.m_strRCFile = f.c_str(); }, "ok"},
        {[](CVornConfigFile& c, const std::string&) { c.m_strRCFile = "   "; }, "ok"},
        {[](CVornConfigFile& c, const std::string& f) { c.m_strRCFile = (f + ".gone").c_str(); },
         "1710 .RC File: File not found"},
        {[](CVornConfigFile& c, const std::string& f) { c.m_strLogoFile = (f + ".gone").c_str(); },
         "1712 Logo File: File not found"},
        {[](CVornConfigFile& c, const std::string&) { c.m_strLogoFile = "a|b.txt"; },
         "1712 Logo File: The specified filename contains one or more invalid characters"},
        // The first failure in the order stops the checks.
        {[](CVornConfigFile& c, const std::string&) {
             c.m_nCnslPort = 0;
             c.m_nPanRate = 0;
         },
         "1146 Refresh Rate: Please enter a value between 10 and 5000"},
    };
    for (size_t i = 0; i < sizeof rows / sizeof rows[0]; ++i) {
        CVornConfigFile cfg;
        rows[i].edit(cfg, strRc);
        SysCfgFieldFailure f;
        EXPECT_EQ(Describe(CheckSettings(cfg, f), f), rows[i].expected) << "row " << i;
    }
}
