// ConfigBench.cpp: how long loading a large configuration takes next to
// reading the same file's bytes. Writes a file of 60 system statements and
// 10,000 device statements into the temporary folder, then times both.
// Usage: config_bench [repetitions]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "config/CVornConfigFile.h"

namespace {

const int kSystemStatements = 60;
const int kDeviceStatements = 10000;

std::string SystemStatements()
{
    static const char* const kStatements[] = {
        "ARCHLVL z/Arch", "FACILITY ENABLE 073_TRANSACT_EXEC", "FACILITY DISABLE VORN_X S/370",
        "CPUSERIAL 002623", "CPUMODEL 3090", "CPUVERID FD", "MAINSIZE 1024", "XPNDSIZE 0",
        "NUMCPU 4", "MAXCPU 8", "ENGINES 2*CP,IP", "LPARNAME PROD", "LPARNUM 1", "CNSLPORT 3270",
        "SYSGPORT NO", "PANRATE FAST", "TIMERINT DEFAULT", "TODDRAG 1.5", "SYSEPOCH 1900",
        "YROFFSET 0", "TZOFFSET +0100", "DEVTMAX 8", "CODEPAGE default", "TRACEOPT TRADITIONAL",
        "OSTAILOR z/OS", "PGMPRDOS LICENSED", "ECPSVM NO", "DIAG8CMD ENABLE ECHO",
        "SHCMDOPT ENABLE DIAG8", "LEGACYSENSEID OFF", "AUTOINIT ON", "MOUNTED_TAPE_REINIT ALLOW",
        "HTTP PORT 8081 NOAUTH", "HTTP START", "CCKD RA=2,RAQ=4,RAT=2,WR=2,GCINT=10",
        "CONKPALV (3,1,10)", "MODEL EMULATOR", "PLANT ZZ", "MANUFACTURER VRN", "LOADPARM AB",
        "MODPATH .", "LDMOD dyncrypt", "IODELAY 0", "NUMVEC 0", "AUTOMOUNT +/tmp",
        "CMDLEVEL +all", "MSGLEVEL +verbose", "DEFSYM DISKS /dasd", "PANOPT NAMEONLY RATE=50",
        "PANTITLE Bench", "CPUIDFMT BASIC", "SHRDPORT 3990", "NETDEV 192.168.0.1",
        "SCSIMOUNT NO", "TODPRIO -20", "CPUPRIO 15", "DEVPRIO 8", "VORNPRIO 0", "PTT 1024",
        "INCLUDE extra.cnf",
    };
    std::string s = "# Description: benchmark configuration\n# MaxShutdownSecs: 20\n";
    for (int i = 0; i < kSystemStatements; i++)
        s += std::string(kStatements[i % (sizeof kStatements / sizeof kStatements[0])]) + "\n";
    return s;
}

std::string DeviceStatement(int i)
{
    char sz[160];
    switch (i % 8) {
    case 0: std::snprintf(sz, sizeof sz, "%04X 3505 cards%d.txt ascii eof\n", i, i); break;
    case 1: std::snprintf(sz, sizeof sz, "%04X 1403 print%d.txt crlf\n", i, i); break;
    case 2: std::snprintf(sz, sizeof sz, "%04X 3270 group%d\n", i, i % 10); break;
    case 3: std::snprintf(sz, sizeof sz, "%04X 3420 \"tape %d.aws\" ro\n", i, i); break;
    case 4: std::snprintf(sz, sizeof sz, "%04X OSA iface tap%d chpid F0\n", i, i); break;
    default: std::snprintf(sz, sizeof sz, "%04X 3390 disk%d.cckd ro sf=shadow%d ser=000000%06d\n", i, i, i, i); break;
    }
    return sz;
}

double Seconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main(int argc, char** argv)
{
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    const std::string strName = "vorn_config_bench.cnf";
    const std::string strPath = (dir / strName).string();
    {
        std::ofstream out(strPath, std::ios::binary);
        out << SystemStatements();
        for (int i = 0; i < kDeviceStatements; i++)
            out << DeviceStatement(i);
    }
    const std::string strFolder = dir.string() + "/";

    double dRead = 1e9, dLoad = 1e9;
    size_t nBytes = 0;
    INT_PTR nDevices = 0;
    for (int r = 0; r < nRuns; r++) {
        auto t0 = std::chrono::steady_clock::now();
        std::ifstream in(strPath, std::ios::binary);
        std::string strBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        auto t1 = std::chrono::steady_clock::now();
        CVornConfigFile cfg;
        cfg.Load(strFolder.c_str(), strName.c_str());
        auto t2 = std::chrono::steady_clock::now();
        nBytes = strBytes.size();
        nDevices = cfg.m_devices.GetCount();
        dRead = std::min(dRead, Seconds(t1 - t0));
        dLoad = std::min(dLoad, Seconds(t2 - t1));
    }
    std::printf("file: %zu bytes, %d system and %d device statements, %ld devices loaded\n", nBytes,
                kSystemStatements, kDeviceStatements, (long)nDevices);
    std::printf("read bytes: %.3f ms   load: %.3f ms   (best of %d)\n", dRead * 1e3, dLoad * 1e3, nRuns);
    std::filesystem::remove(strPath);
    return nDevices == kDeviceStatements ? 0 : 1;
}
