// PageValuesReadBackTest.cpp: every value that a system configuration page
// lets through its Apply checks is one the configuration reader takes back.
// Each field is walked with values the reader accepts and values it refuses
// (its own refusals of the page's statements); for each value the page
// accepts, the configuration is written as Save writes it, read again
// without a parse error, and the field reads back as the page held it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "config/CHostAdapterArray.h"
#include "config/CVornConfigFile.h"
#include "config/ConfigSystemWriter.h"
#include "config/Limits.h"
#include "sysconfig/DasdParmsRules.h"
#include "sysconfig/DevOptsRules.h"
#include "sysconfig/SysCfgFieldChecks.h"
#include "tests/config/ConfigTestUtil.h"

namespace {

using Config = CVornConfigFile;

struct Field {
    const char* pszName;
    // The page's Apply checks.
    std::function<bool(Config&, SysCfgFieldFailure&)> check;
    // The value into the configuration, as the page's field puts it there.
    std::function<void(Config&, const std::string&)> set;
    // The field as the page shows it (defaults the writer fills in included).
    std::function<std::string(const Config&)> get;
    std::vector<std::string> values;
};

// A configuration every page accepts.
Config Base()
{
    Config cfg;
    cfg.m_strCPUSerial = "000611";
    cfg.m_strCPUModel = "3090";
    cfg.m_strCPUVersion = "00";
    cfg.m_nMaxCPUs = 4;
    cfg.m_nNumCPUs = 1;
    cfg.m_ullMainSize = 64ull << 20;
    cfg.m_strTzOffset = "+0100";
    cfg.m_strRCFile.Empty();
    cfg.m_strLogoFile.Empty();
    return cfg;
}

std::string Str(const CString& str)
{
    return str.GetString();
}

std::string OrDefault(const CString& str, const CString& strDefault)
{
    return Str(str.IsEmpty() ? strDefault : str);
}

int Int(const std::string& s)
{
    return (int)std::strtoll(s.c_str(), nullptr, 10);
}

// What the page's number fields store: the decimal count, taken as unsigned.
UINT UInt(const std::string& s)
{
    return (UINT)std::strtoull(s.c_str(), nullptr, 10);
}

std::string Num(long long n)
{
    return std::to_string(n);
}

// Host adapter 10.1.2.3 with hardware address 02-00-4C-4F-4F-50.
CHostAdapterArray OneAdapter()
{
    CHostAdapterArray adapters;
    CHostAdapter a;
    const BYTE mac[6] = {0x02, 0x00, 0x4C, 0x4F, 0x4F, 0x50};
    std::copy(mac, mac + 6, a.m_abyMAC);
    a.m_dwIPv4 = 0x0302010A;
    adapters.Add(a);
    return adapters;
}

// A string field of the configuration.
Field Text(const char* pszName, std::function<bool(Config&, SysCfgFieldFailure&)> check, CString Config::*p,
           std::vector<std::string> values, const char* pszDefault = nullptr)
{
    return {pszName, std::move(check), [p](Config& c, const std::string& v) { c.*p = v.c_str(); },
            [p, pszDefault](const Config& c) { return pszDefault ? OrDefault(c.*p, pszDefault) : Str(c.*p); },
            std::move(values)};
}

// An int field stored as the page's edit gives it (unsigned or signed).
Field Number(const char* pszName, std::function<bool(Config&, SysCfgFieldFailure&)> check, int Config::*p,
             std::vector<std::string> values)
{
    return {pszName, std::move(check), [p](Config& c, const std::string& v) { c.*p = Int(v); },
            [p](const Config& c) { return Num(c.*p); }, std::move(values)};
}

Field ModelName(int n, const char* pszDefault)
{
    return {"MODEL", CheckIdentification,
            [n](Config& c, const std::string& v) { c.m_strModel[n] = v.c_str(); },
            [n, pszDefault](const Config& c) {
                return pszDefault ? OrDefault(c.m_strModel[n], pszDefault) : Str(c.m_strModel[n]);
            },
            {"", "ZQC", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOPQ", "zqc", "ZQC 1", "\"\""}};
}

Field CckdValue(const char* pszName, int CCKDParms::*p, std::vector<std::string> values)
{
    auto check = [](Config& c, SysCfgFieldFailure& f) { return CheckDasdParms(c.m_cckd, f); };
    return {pszName, check,
            [p](Config& c, const std::string& v) {
                c.m_cckd.*p = Int(v);
                c.m_bCCKDGiven = true;
            },
            [p](const Config& c) { return Num(c.m_cckd.*p); }, std::move(values)};
}

bool CheckOptions(Config& cfg, SysCfgFieldFailure& failure)
{
    // The address shown in the page's IP control or MAC edit.
    HostAdapterChoice choice;
    choice.bOn = !cfg.m_strNetDev.IsEmpty();
    CString strNetDev = cfg.m_strNetDev;
    SplitHostAdapterAddress(strNetDev, choice);
    const CHostAdapterArray adapters = OneAdapter();
    return CheckDeviceOptions(cfg, choice, [&]() -> const CHostAdapterArray& { return adapters; }, failure);
}

std::vector<Field> Fields()
{
    auto procs = CheckProcessors;
    auto clock = CheckClock;
    auto settings = CheckSettings;
    auto http = CheckHttpServer;
    auto ecps = [](Config& c, SysCfgFieldFailure& f) {
        c.m_nEcpsvmEnabled = 1;
        return CheckEcpsVmLevel(c, f);
    };
    auto engines = [](Config& c, SysCfgFieldFailure& f) { return CheckEngineTypes(c, 0, f); };
    const std::string kMaxMainMB = Num((long long)(g_ullMaxMainMem >> 20));
    const std::string kMaxXpndMB = Num((long long)(g_ullMaxExpandedMem >> 20));
    return {
        // Identification
        Text("LPARNAME", CheckIdentification, &Config::m_strLparName,
             {"", "VORN", "ZQC12345", "ZQC123456", "vorn", "ZQC 1", "ZQC-1", "'"}, g_strDefLPARName),
        ModelName(0, g_strDefModelName), ModelName(1, nullptr), ModelName(2, nullptr), ModelName(3, nullptr),
        Text("MANUFACTURER", CheckIdentification, &Config::m_strManufacturer,
             {"", "VRN", "ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOPQ", "V R", "vrn"}, g_strDefManufacturer),
        Text("PLANT", CheckIdentification, &Config::m_strPlant, {"", "ZQ", "ZQCX", "ZQCXY", "zq", "Z Q"},
             g_strDefPlant),
        Text("LPARNUM", CheckIdentification, &Config::m_strLparNum,
             {"", "0", "00", "3F", "3f", "40", "G", "BASIC", "Basic", "100"}),
        Text("CPUIDFMT", CheckIdentification, &Config::m_strCPUIdFmt,
             {"", "0", "1", "2", "01", "BASIC", "basic", "x"}),
        // Architecture
        Number("ECPSVM LEVEL", ecps, &Config::m_nEcpsvmLevel, {"0", "20", "99", "100", "-1"}),
        // Processors and engines
        Text("CPUSERIAL", procs, &Config::m_strCPUSerial,
             {"000611", "FFFFFF", "abcdef", "ZZZZZZ", "00061G", "12345", "1234567", "00 611", ""}),
        Text("CPUMODEL", procs, &Config::m_strCPUModel, {"3090", "2064", "abcd", "ZZZZ", "309", "30901", "30 0", ""}),
        Text("CPUVERID", procs, &Config::m_strCPUVersion, {"", "00", "FF", "fe", "QQ", "0G", "5", "123", " 5"},
             "00"),
        Number("MAXCPU", procs, &Config::m_nMaxCPUs, {"0", "1", "4", "64", "65", "4294967295"}),
        Number("NUMCPU", procs, &Config::m_nNumCPUs, {"0", "1", "4", "5", "4294967295"}),
        Number("NUMVEC", procs, &Config::m_nNumVec, {"0", "1", "64", "65"}),
        {"MAINSIZE", procs, [](Config& c, const std::string& v) { c.m_ullMainSize = (UINT64)UInt(v) << 20; },
         [](const Config& c) { return Num((long long)c.m_ullMainSize); },
         {"0", "1", "2", "64", kMaxMainMB, Num(std::stoll(kMaxMainMB) + 1)}},
        {"XPNDSIZE", procs, [](Config& c, const std::string& v) { c.m_ullXpndSize = (UINT64)UInt(v) << 20; },
         [](const Config& c) { return Num((long long)c.m_ullXpndSize); },
         {"0", "1", kMaxXpndMB, Num(std::stoll(kMaxXpndMB) + 1)}},
        {"ENGINES", engines, [](Config& c, const std::string& v) { c.m_dwEngineTypes[0] = (DWORD)Int(v); },
         [](const Config& c) { return Num(c.m_dwEngineTypes[0]); },
         {"0", "1", "2", "3", "4", "-1"}},
        // Clock
        Number("SYSEPOCH", clock, &Config::m_nSysEpoch,
               {Num(g_nMinEpoch - 1), Num(g_nMinEpoch), "1900", "1960", Num(g_nMaxEpoch), Num(g_nMaxEpoch + 1)}),
        Number("YROFFSET", clock, &Config::m_nYrOffset,
               {Num(g_nMinYearOffset - 1), Num(g_nMinYearOffset), "0", Num(g_nMaxYearOffset),
                Num(g_nMaxYearOffset + 1)}),
        Number("TIMERINT", clock, &Config::m_nTimerInt,
               {"0", Num(g_nMinTODUpdIntv), "50", Num(g_nMaxTODUpdIntv), Num(g_nMaxTODUpdIntv + 1)}),
        {"TODDRAG", clock, [](Config& c, const std::string& v) { c.m_dTodDrag = std::atof(v.c_str()); },
         [](const Config& c) {
             CString s;
             s.Format("%.4f", c.m_dTodDrag);
             return Str(s);
         },
         {"0", "0.00005", Str(g_strMinTODDrag), "1", "1.5", "2", "123.4567", Str(g_strMaxTODDrag), "10000.5"}},
        // None reads back as the host's own offset (none on a host at universal time).
        Text("TZOFFSET", clock, &Config::m_strTzOffset,
             {"+0000", "-0000", "-0530", "+1400", "+2359", "+2400", "+0060", "0100", "+100", "+01000", "UTC",
              "+01 0", "+1:00"}),
        // Settings
        Number("PANRATE", settings, &Config::m_nPanRate,
               {"0", Num(g_nMinPanRate - 1), Num(g_nMinPanRate), "50", Num(g_nMaxPanRate), Num(g_nMaxPanRate + 1)}),
        Number("CNSLPORT", settings, &Config::m_nCnslPort, {"0", "22", "23", "24", "1023", "1024", "65535", "65536"}),
        {"SYSGPORT", settings,
         [](Config& c, const std::string& v) {
             c.m_bSysgPortEnabled = true;
             c.m_nSysgPort = Int(v);
         },
         [](const Config& c) { return Num(c.m_nSysgPort) + (c.m_bSysgPortEnabled ? " on" : " off"); },
         {"23", "24", "1024", "3278", "65535", "65536"}},
        Number("CONKPALV idle", settings, &Config::m_nKpAlvIdle, {"0", "1", "2147483647", "2147483648"}),
        Number("CONKPALV interval", settings, &Config::m_nKpAlvIntv, {"0", "1", "2147483647", "2147483648"}),
        // HTTP server
        Number("HTTP PORT", http, &Config::m_nHttpPort, {"0", "79", "80", "81", "1023", "1024", "65535", "65536"}),
        {"HTTP AUTH", http,
         [](Config& c, const std::string& v) {
             size_t n = v.find('/');
             c.m_strHttpUser = v.substr(0, n).c_str();
             c.m_strHttpPassword = v.substr(n + 1).c_str();
         },
         // Without a user id the password (its edit disabled) goes with it.
         [](const Config& c) {
             return c.m_strHttpUser.IsEmpty() ? std::string() : Str(c.m_strHttpUser) + "/" + Str(c.m_strHttpPassword);
         },
         {"/", "vorn/", "vorn/zqc", "/zqc"}},
        // Options
        {"SCSIMOUNT", CheckOptions,
         [](Config& c, const std::string& v) {
             c.m_nScsiMountEnabled = 1;
             c.m_nScsiMountSecs = Int(v);
         },
         [](const Config& c) { return Num(c.m_nScsiMountEnabled) + "/" + Num(c.m_nScsiMountSecs); },
         {"0", "1", "5", "99", "100"}},
        Number("DEVTMAX", CheckOptions, &Config::m_nDevTMax, {"-2", "-1", "0", "8", "999", "1000"}),
        Number("shutdown seconds", CheckOptions, &Config::m_nMaxShutdownSecs, {"0", "1", "15", "999", "1000"}),
        Text("load unit", CheckOptions, &Config::m_strLoadUnit, {"0120", "000C", "012", "01200", "ZZZZ", "01 2"}),
        {"SHRDPORT", CheckOptions, [](Config& c, const std::string& v) { c.m_nShrdPort = UInt(v); },
         [](const Config& c) { return Num(c.m_nShrdPort); },
         {"0", "1", Num(g_nMinSHRDPortnum - 1), Num(g_nMinSHRDPortnum), Num(g_nMaxSHRDPortnum),
          Num(g_nMaxSHRDPortnum + 1)}},
        Text("NETDEV", CheckOptions, &Config::m_strNetDev,
             {"", "10.1.2.3", "02-00-4C-4F-4F-50", "02:00:4C:4F:4F:50", "10.1.2.4", "02-00-4C-4F-4F-51"}),
        // Dasd parameters
        CckdValue("CCKD RA", &CCKDParms::m_nRA, {"0", "1", Num(g_nMaxCCKDra), Num(g_nMaxCCKDra + 1)}),
        CckdValue("CCKD RAQ", &CCKDParms::m_nRAQ, {"-1", "0", Num(g_nMaxCCKDraq), Num(g_nMaxCCKDraq + 1)}),
        CckdValue("CCKD RAT", &CCKDParms::m_nRAT, {"-1", "0", Num(g_nMaxCCKDrat), Num(g_nMaxCCKDrat + 1)}),
        CckdValue("CCKD WR", &CCKDParms::m_nWR, {"0", "1", Num(g_nMaxCCKDwr), Num(g_nMaxCCKDwr + 1)}),
        CckdValue("CCKD GCINT", &CCKDParms::m_nGCINT, {"0", "1", Num(g_nMaxCCKDgcint), Num(g_nMaxCCKDgcint + 1)}),
        CckdValue("CCKD GCPARM", &CCKDParms::m_nGCPARM,
                  {Num(g_nMinCCKDgcparm - 1), Num(g_nMinCCKDgcparm), Num(g_nMaxCCKDgcparm),
                   Num(g_nMaxCCKDgcparm + 1)}),
        CckdValue("CCKD FREEPEND", &CCKDParms::m_nFREEPEND,
                  {"-2", "-1", Num(g_nMaxCCKDfreepend), Num(g_nMaxCCKDfreepend + 1)}),
        CckdValue("CCKD TRACE", &CCKDParms::m_nTRACE, {"-1", "0", Num(g_nMaxCCKDtrace), Num(g_nMaxCCKDtrace + 1)}),
    };
}

}  // namespace

TEST(PageValuesReadBack, EveryValueAPageAcceptsReadsBack)
{
    TempDir dir;
    for (const Field& field : Fields()) {
        int nAccepted = 0, nRefused = 0;
        for (const std::string& value : field.values) {
            Config cfg = Base();
            field.set(cfg, value);
            SysCfgFieldFailure failure;
            if (!field.check(cfg, failure)) {
                ++nRefused;
                continue;
            }
            ++nAccepted;
            std::string text = Str(FormatConfigHeader(cfg) + FormatSystemStatements(cfg)) + "0009 3215\n";
            Config reread;
            bool bLoaded = LoadText(reread, dir, text);
            EXPECT_TRUE(bLoaded && reread.m_parseErrors.IsEmpty())
                << field.pszName << " \"" << value << "\" was accepted but reads back with: " << JoinedErrors(reread);
            EXPECT_EQ(field.get(cfg), field.get(reread)) << field.pszName << " \"" << value << "\"";
        }
        // Each walk has values of both kinds, or it proves nothing.
        EXPECT_GT(nAccepted, 0) << field.pszName;
        EXPECT_GT(nRefused, 0) << field.pszName;
    }
}
