// Limits.cpp: the "Limits" variables with their built-in defaults, and
// LoadLimits, which reads the section in one table and corrects the values.
#include "config/Limits.h"

#include <cstdlib>

#include "platform/ProfileStore.h"

UINT g_nMaxCPUs = 64, g_nDefMaxCPUs = 1, g_nDefVectors = 0;
ULONGLONG g_ullMaxMainMem = 2147483648ull, g_ullMaxExpandedMem = 1073741824ull;
UINT g_nMinEpoch = 1801, g_nMaxEpoch = 2099;
int g_nMinYearOffset = -142, g_nMaxYearOffset = 142;
UINT g_nMinPanRate = 10, g_nMaxPanRate = 5000;
UINT g_nDefECPSVMLevel = 20, g_nMaxECPSVMLevel = 99;
CString g_strMinTODDrag = "0.0001", g_strMaxTODDrag = "10000.0";
double g_dMinTODDrag = 0.0001, g_dMaxTODDrag = 10000.0;
UINT g_nMinTODUpdIntv = 1, g_nDefTODUpdIntv = 50, g_nMaxTODUpdIntv = 1000000;
UINT g_nMinTXFTODUpdIntv = 200, g_nDefTXFTODUpdIntv = 400;
UINT g_nMinCaptureBuffsize = 64, g_nDefCaptureBuffsize = 1024, g_nMaxCaptureBuffsize = 16384;
UINT g_nMinPacketBuffsize = 16, g_nDefPacketBuffsize = 64, g_nMaxPacketBuffsize = 1024;
UINT g_nMeterThreadRate = 1000, g_nMessageFloodThreshold = 3333;
UINT g_nMaxCCKDcache = 64, g_nMaxCCKDl2cache = 2048;
UINT g_nMaxCCKDra = 9, g_nMaxCCKDraq = 16, g_nMaxCCKDrat = 16, g_nMaxCCKDwr = 9;
UINT g_nMaxCCKDgcint = 60, g_nMaxCCKDtrace = 200000;
int g_nMinCCKDgcparm = -8, g_nMaxCCKDgcparm = 8, g_nMaxCCKDfreepend = 4;
int g_nMinCCKDcompparm = -1, g_nMaxCCKDcompparm = 9, g_nDefCCKDcompparm = -1;
UINT g_nDefCCKDra = 2, g_nDefCCKDraq = 4, g_nDefCCKDrat = 2, g_nDefCCKDwr = 2;
UINT g_nDefCCKDgcint = 10, g_nDefCCKDtrace = 0;
int g_nDefCCKDgcparm = 0, g_nDefCCKDfreepend = -1;
UINT g_nMaxTapeSizeMB = 2048, g_nDefTapeSizeMB = 170;
UINT g_nMaxEOTMarginKB = 2048, g_nDefEOTMarginKB = 128;
UINT g_nDefAutoSCSISecs = 5;
UINT g_nDefKpAlvIdleSecs = 3, g_nDefKpAlvTimeoutSecs = 1, g_nDefKpAlvMaxRetries = 10;
UINT g_nMinCTCEPortnum = 1024, g_nDefCTCEPortnum = 30880, g_nMaxCTCEPortnum = 65535;
UINT g_nMinCTCEMtu = 8, g_nDefCTCEMtu = 32768, g_nMaxCTCEMtu = 65535;
UINT g_nMinSHRDPortnum = 1024, g_nDefSHRDPortnum = 3990, g_nMaxSHRDPortnum = 65535;
UINT g_nMinSockdevPrinterPortnum = 1024, g_nDefSockdevPrinterPortnum = 1403,
     g_nMaxSockdevPrinterPortnum = 65535;
CString g_strDefCodePage = "default", g_strDefTraceOpt = "TRADITIONAL";
CString g_strDefLPARName = "VORNAMIC", g_strDefModelName = "EMULATOR";
CString g_strDefPlant = "ZZ", g_strDefManufacturer = "VRN";
CString g_strDefaultAutologFilename = "Vornamic Logfile.txt";
UINT g_nMaxAutologFilenum = 999;
UINT g_nMaxMemLoglinesLimit = 50000, g_nDefMemLoglinesLimit = 5000;
UINT g_nMaxDiskLoglinesLimit = 500000, g_nDefDiskLoglinesLimit = 50000;
UINT g_nMinAutoRefresh = 250, g_nDefAutoRefresh = 2000, g_nMaxAutoRefresh = 5000;

namespace {

const char kLimits[] = "Limits";
const UINT kMaxCount = 2147483647u;

// How a value is kept after reading.
enum class Keep {
    Positive,     // 1 .. 2147483647
    NonNegative,  // 0 .. 2147483647
    Signed,       // as read
    CPUs,         // 1 .. 64
    UpToMaxCPUs,  // 0 .. g_nMaxCPUs
};

struct IntLimit {
    const char* pszKey;
    int nDefault;
    void* pValue;   // UINT* or, for Keep::Signed, int*
    Keep keep;
};

// Rows in the order the section is read and corrected. The port and MTU rows
// take the variable's own value as their default (see below).
const IntLimit kIntLimits[] = {
    {"MaxCPUs", 64, &g_nMaxCPUs, Keep::CPUs},
    {"DefMaxCPUs", 1, &g_nDefMaxCPUs, Keep::UpToMaxCPUs},
    {"DefVectors", 0, &g_nDefVectors, Keep::UpToMaxCPUs},
    {"MinEpoch", 1801, &g_nMinEpoch, Keep::NonNegative},
    {"MaxEpoch", 2099, &g_nMaxEpoch, Keep::NonNegative},
    {"MinYearOffset", -142, &g_nMinYearOffset, Keep::Signed},
    {"MaxYearOffset", 142, &g_nMaxYearOffset, Keep::Signed},
    {"MinPanRate", 10, &g_nMinPanRate, Keep::Positive},
    {"MaxPanRate", 5000, &g_nMaxPanRate, Keep::Positive},
    {"DefECPSVMLevel", 20, &g_nDefECPSVMLevel, Keep::NonNegative},
    {"MaxECPSVMLevel", 99, &g_nMaxECPSVMLevel, Keep::NonNegative},
    {"MinCaptureBuffsize", 64, &g_nMinCaptureBuffsize, Keep::Positive},
    {"DefCaptureBuffsize", 1024, &g_nDefCaptureBuffsize, Keep::Positive},
    {"MaxCaptureBuffsize", 16384, &g_nMaxCaptureBuffsize, Keep::Positive},
    {"MinPacketBuffsize", 16, &g_nMinPacketBuffsize, Keep::Positive},
    {"DefPacketBuffsize", 64, &g_nDefPacketBuffsize, Keep::Positive},
    {"MaxPacketBuffsize", 1024, &g_nMaxPacketBuffsize, Keep::Positive},
    {"MeterThreadRate", 1000, &g_nMeterThreadRate, Keep::Positive},
    {"MessageFloodThreshold", 3333, &g_nMessageFloodThreshold, Keep::Positive},
    {"MaxCCKDcache", 64, &g_nMaxCCKDcache, Keep::NonNegative},
    {"MaxCCKDl2cache", 2048, &g_nMaxCCKDl2cache, Keep::NonNegative},
    {"MaxCCKDra", 9, &g_nMaxCCKDra, Keep::Positive},
    {"MaxCCKDraq", 16, &g_nMaxCCKDraq, Keep::NonNegative},
    {"MaxCCKDrat", 16, &g_nMaxCCKDrat, Keep::NonNegative},
    {"MaxCCKDwr", 9, &g_nMaxCCKDwr, Keep::Positive},
    {"MaxCCKDgcint", 60, &g_nMaxCCKDgcint, Keep::Positive},
    {"MaxCCKDtrace", 200000, &g_nMaxCCKDtrace, Keep::NonNegative},
    {"MinCCKDgcparm", -8, &g_nMinCCKDgcparm, Keep::Signed},
    {"MaxCCKDgcparm", 8, &g_nMaxCCKDgcparm, Keep::Signed},
    {"MaxCCKDfreepend", 4, &g_nMaxCCKDfreepend, Keep::Signed},
    {"MinCCKDcompparm", -1, &g_nMinCCKDcompparm, Keep::Signed},
    {"MaxCCKDcompparm", 9, &g_nMaxCCKDcompparm, Keep::Signed},
    {"DefCCKDcompparm", -1, &g_nDefCCKDcompparm, Keep::Signed},
    {"DefCCKDra", 2, &g_nDefCCKDra, Keep::Positive},
    {"DefCCKDraq", 4, &g_nDefCCKDraq, Keep::NonNegative},
    {"DefCCKDrat", 2, &g_nDefCCKDrat, Keep::NonNegative},
    {"DefCCKDwr", 2, &g_nDefCCKDwr, Keep::Positive},
    {"DefCCKDgcint", 10, &g_nDefCCKDgcint, Keep::Positive},
    {"DefCCKDtrace", 0, &g_nDefCCKDtrace, Keep::NonNegative},
    {"DefCCKDgcparm", 0, &g_nDefCCKDgcparm, Keep::Signed},
    {"DefCCKDfreepend", -1, &g_nDefCCKDfreepend, Keep::Signed},
    {"MaxTapeSizeMB", 2048, &g_nMaxTapeSizeMB, Keep::Positive},
    {"DefTapeSizeMB", 170, &g_nDefTapeSizeMB, Keep::Positive},
    {"MaxEOTMarginKB", 2048, &g_nMaxEOTMarginKB, Keep::Positive},
    {"DefEOTMarginKB", 128, &g_nDefEOTMarginKB, Keep::Positive},
    {"DefAutoSCSISecs", 5, &g_nDefAutoSCSISecs, Keep::Positive},
    {"DefKpAlvIdleSecs", 3, &g_nDefKpAlvIdleSecs, Keep::Positive},
    {"DefKpAlvTimeoutSecs", 1, &g_nDefKpAlvTimeoutSecs, Keep::Positive},
    {"DefKpAlvMaxRetries", 10, &g_nDefKpAlvMaxRetries, Keep::Positive},
    {"MinTODUpdIntv", 1, &g_nMinTODUpdIntv, Keep::Positive},
    // The transactional-execution intervals were once kept as read; a
    // negative interval means nothing, so they are corrected like the others.
    {"MinTXFTODUpdIntv", 200, &g_nMinTXFTODUpdIntv, Keep::Positive},
    {"DefTODUpdIntv", 50, &g_nDefTODUpdIntv, Keep::Positive},
    {"DefTXFTODUpdIntv", 400, &g_nDefTXFTODUpdIntv, Keep::Positive},
    {"MaxTODUpdIntv", 1000000, &g_nMaxTODUpdIntv, Keep::Positive},
    {"MinCTCEPortnum", -1, &g_nMinCTCEPortnum, Keep::NonNegative},
    {"DefCTCEPortnum", -1, &g_nDefCTCEPortnum, Keep::NonNegative},
    {"MaxCTCEPortnum", -1, &g_nMaxCTCEPortnum, Keep::NonNegative},
    {"MinCTCEMtu", -1, &g_nMinCTCEMtu, Keep::Positive},
    {"DefCTCEMtu", -1, &g_nDefCTCEMtu, Keep::Positive},
    {"MaxCTCEMtu", -1, &g_nMaxCTCEMtu, Keep::Positive},
    {"MinSHRDPortnum", -1, &g_nMinSHRDPortnum, Keep::NonNegative},
    {"DefSHRDPortnum", -1, &g_nDefSHRDPortnum, Keep::NonNegative},
    {"MaxSHRDPortnum", -1, &g_nMaxSHRDPortnum, Keep::NonNegative},
    {"MinSockdevPrinterPortnum", -1, &g_nMinSockdevPrinterPortnum, Keep::NonNegative},
    {"DefSockdevPrinterPortnum", -1, &g_nDefSockdevPrinterPortnum, Keep::NonNegative},
    {"MaxSockdevPrinterPortnum", -1, &g_nMaxSockdevPrinterPortnum, Keep::NonNegative},
    {"MaxAutologFilenum", 999, &g_nMaxAutologFilenum, Keep::Positive},
    {"MaxMemLoglinesLimit", 50000, &g_nMaxMemLoglinesLimit, Keep::Positive},
    {"DefMemLoglinesLimit", 5000, &g_nDefMemLoglinesLimit, Keep::Positive},
    {"MaxDiskLoglinesLimit", 500000, &g_nMaxDiskLoglinesLimit, Keep::Positive},
    {"DefDiskLoglinesLimit", 50000, &g_nDefDiskLoglinesLimit, Keep::Positive},
    {"MinAutoRefresh", 250, &g_nMinAutoRefresh, Keep::Positive},
    {"DefAutoRefresh", 2000, &g_nDefAutoRefresh, Keep::Positive},
    {"MaxAutoRefresh", 5000, &g_nMaxAutoRefresh, Keep::Positive},
};

struct TextLimit {
    const char* pszKey;
    const char* pszDefault;
    CString* pValue;
};

const TextLimit kTextLimits[] = {
    {"MinTODDrag", "0.0001", &g_strMinTODDrag},
    {"MaxTODDrag", "10000.0", &g_strMaxTODDrag},
    {"DefCodePage", "default", &g_strDefCodePage},
    {"DefTraceOpt", "TRADITIONAL", &g_strDefTraceOpt},
    {"DefLPARName", "VORNAMIC", &g_strDefLPARName},
    {"DefModelName", "EMULATOR", &g_strDefModelName},
    {"DefPlant", "ZZ", &g_strDefPlant},
    {"DefManufacturer", "VRN", &g_strDefManufacturer},
    {"DefaultAutologFilename", "Vornamic Logfile.txt", &g_strDefaultAutologFilename},
};

// A default of -1 in the table means "the variable's current value".
UINT ReadRaw(const IntLimit& row)
{
    int nDefault = row.nDefault;
    if (row.nDefault == -1 && row.keep != Keep::Signed)
        nDefault = (int)*static_cast<UINT*>(row.pValue);
    return ProfileGetInt(kLimits, row.pszKey, nDefault);
}

// The corrected value; nRaw is the stored 32 bits taken as unsigned, so a
// negative number in the store is 2147483648 or more.
UINT Corrected(Keep keep, UINT nRaw)
{
    switch (keep) {
    case Keep::Positive:
        return nRaw == 0 ? 1 : (nRaw >= kMaxCount ? kMaxCount : nRaw);
    case Keep::NonNegative:
        return nRaw >= kMaxCount ? kMaxCount : nRaw;
    case Keep::CPUs:
        // A negative count is not "many": it is as absent as 0.
        return nRaw == 0 || nRaw > kMaxCount ? 1 : (nRaw > 64 ? 64 : nRaw);
    case Keep::UpToMaxCPUs:
        return nRaw >= g_nMaxCPUs ? g_nMaxCPUs : nRaw;
    case Keep::Signed:
        break;
    }
    return nRaw;
}

// A megabyte count in bytes; 0, absent or negative gives the default.
ULONGLONG MegabytesToBytes(const char* pszKey, ULONGLONG ullDefault)
{
    int nMB = (int)ProfileGetInt(kLimits, pszKey, 0);
    return nMB > 0 ? (ULONGLONG)nMB * 1048576ull : ullDefault;
}

} // namespace

void LoadLimits()
{
    // Read every key first, then correct in table order: the CPU defaults are
    // compared with the corrected MaxCPUs.
    UINT anRaw[sizeof kIntLimits / sizeof kIntLimits[0]];
    for (size_t i = 0; i < sizeof kIntLimits / sizeof kIntLimits[0]; i++)
        anRaw[i] = ReadRaw(kIntLimits[i]);
    g_ullMaxMainMem = MegabytesToBytes("MaxMainMem", 2147483648ull);
    g_ullMaxExpandedMem = MegabytesToBytes("MaxExpandedMem", 1073741824ull);
    for (const TextLimit& row : kTextLimits)
        *row.pValue = ProfileGetString(kLimits, row.pszKey, row.pszDefault);
    g_dMinTODDrag = std::atof(g_strMinTODDrag);
    g_dMaxTODDrag = std::atof(g_strMaxTODDrag);

    for (size_t i = 0; i < sizeof kIntLimits / sizeof kIntLimits[0]; i++) {
        const IntLimit& row = kIntLimits[i];
        if (row.keep == Keep::Signed)
            *static_cast<int*>(row.pValue) = (int)anRaw[i];
        else
            *static_cast<UINT*>(row.pValue) = Corrected(row.keep, anRaw[i]);
    }
}
