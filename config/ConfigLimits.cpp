// ConfigLimits.cpp: the "Limits" values and settings of the configuration
// model, read from the settings store.
#include "config/ConfigLimits.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/ProfileStore.h"

namespace {

int LimitInt(const char* pszKey, int nDefault) { return (int)ProfileGetInt("Limits", pszKey, nDefault); }
// Values kept as 1 .. 2147483647 and 0 .. 2147483647.
int AtLeastOne(int n) { return n < 1 ? (n == 0 ? 1 : INT_MAX) : n; }
int NotNegative(int n) { return n < 0 ? INT_MAX : n; }
int LowerToMaxCPUs(int n) { return n >= LimitMaxCPUs() ? LimitMaxCPUs() : n; }
// A megabyte count in bytes; 0 gives the built-in byte count.
UINT64 MegabytesOr(int nMB, UINT64 ullDefault) { return nMB ? (UINT64)(UINT)nMB * 1048576ull : ullDefault; }

} // namespace

int LimitMaxCPUs() { return std::min(std::max(LimitInt("MaxCPUs", 64), 1), 64); }
int LimitDefMaxCPUs() { return LowerToMaxCPUs(LimitInt("DefMaxCPUs", 1)); }
int LimitDefVectors() { return LowerToMaxCPUs(LimitInt("DefVectors", 0)); }
int LimitDefECPSVMLevel() { return NotNegative(LimitInt("DefECPSVMLevel", 20)); }
int LimitDefAutoSCSISecs() { return AtLeastOne(LimitInt("DefAutoSCSISecs", 5)); }
int LimitDefKpAlvIdleSecs() { return AtLeastOne(LimitInt("DefKpAlvIdleSecs", 3)); }
int LimitDefKpAlvTimeoutSecs() { return AtLeastOne(LimitInt("DefKpAlvTimeoutSecs", 1)); }
int LimitDefKpAlvMaxRetries() { return AtLeastOne(LimitInt("DefKpAlvMaxRetries", 10)); }
int LimitDefTODUpdIntv() { return AtLeastOne(LimitInt("DefTODUpdIntv", 50)); }
int LimitDefCCKDra() { return AtLeastOne(LimitInt("DefCCKDra", 2)); }
int LimitDefCCKDraq() { return NotNegative(LimitInt("DefCCKDraq", 4)); }
int LimitDefCCKDrat() { return NotNegative(LimitInt("DefCCKDrat", 2)); }
int LimitDefCCKDwr() { return AtLeastOne(LimitInt("DefCCKDwr", 2)); }
int LimitDefCCKDgcint() { return AtLeastOne(LimitInt("DefCCKDgcint", 10)); }
int LimitDefCCKDtrace() { return NotNegative(LimitInt("DefCCKDtrace", 0)); }
int LimitDefCCKDcompparm() { return LimitInt("DefCCKDcompparm", -1); }
int LimitDefCCKDgcparm() { return LimitInt("DefCCKDgcparm", 0); }
int LimitDefCCKDfreepend() { return LimitInt("DefCCKDfreepend", -1); }
UINT64 LimitMaxMainMem() { return MegabytesOr(LimitInt("MaxMainMem", 0), 2147483648ull); }
UINT64 LimitMaxExpandedMem() { return MegabytesOr(LimitInt("MaxExpandedMem", 0), 1073741824ull); }
int LimitMinEpoch() { return NotNegative(LimitInt("MinEpoch", 1801)); }
int LimitMaxEpoch() { return NotNegative(LimitInt("MaxEpoch", 2099)); }
int LimitMinYearOffset() { return LimitInt("MinYearOffset", -142); }
int LimitMaxYearOffset() { return LimitInt("MaxYearOffset", 142); }
int LimitMinPanRate() { return AtLeastOne(LimitInt("MinPanRate", 10)); }
int LimitMaxPanRate() { return AtLeastOne(LimitInt("MaxPanRate", 5000)); }
int LimitMaxECPSVMLevel() { return NotNegative(LimitInt("MaxECPSVMLevel", 99)); }
double LimitMinTODDrag() { return std::atof(ProfileGetString("Limits", "MinTODDrag", "0.0001")); }
double LimitMaxTODDrag() { return std::atof(ProfileGetString("Limits", "MaxTODDrag", "10000.0")); }
int LimitMinTODUpdIntv() { return AtLeastOne(LimitInt("MinTODUpdIntv", 1)); }
int LimitMinTXFTODUpdIntv() { return LimitInt("MinTXFTODUpdIntv", 200); }
int LimitDefTXFTODUpdIntv() { return LimitInt("DefTXFTODUpdIntv", 400); }
int LimitMaxTODUpdIntv() { return AtLeastOne(LimitInt("MaxTODUpdIntv", 1000000)); }
int LimitMinSHRDPortnum() { return NotNegative(LimitInt("MinSHRDPortnum", 1024)); }
int LimitMaxSHRDPortnum() { return NotNegative(LimitInt("MaxSHRDPortnum", 65535)); }
int LimitMaxCCKDra() { return AtLeastOne(LimitInt("MaxCCKDra", 9)); }
int LimitMaxCCKDraq() { return NotNegative(LimitInt("MaxCCKDraq", 16)); }
int LimitMaxCCKDrat() { return NotNegative(LimitInt("MaxCCKDrat", 16)); }
int LimitMaxCCKDwr() { return AtLeastOne(LimitInt("MaxCCKDwr", 9)); }
int LimitMaxCCKDgcint() { return AtLeastOne(LimitInt("MaxCCKDgcint", 60)); }
int LimitMaxCCKDtrace() { return NotNegative(LimitInt("MaxCCKDtrace", 200000)); }
int LimitMinCCKDgcparm() { return LimitInt("MinCCKDgcparm", -8); }
int LimitMaxCCKDgcparm() { return LimitInt("MaxCCKDgcparm", 8); }
int LimitMaxCCKDfreepend() { return LimitInt("MaxCCKDfreepend", 4); }
int LimitMinCCKDcompparm() { return LimitInt("MinCCKDcompparm", -1); }
int LimitMaxCCKDcompparm() { return LimitInt("MaxCCKDcompparm", 9); }
CString LimitDefCodePage() { return ProfileGetString("Limits", "DefCodePage", "default"); }
CString LimitDefTraceOpt() { return ProfileGetString("Limits", "DefTraceOpt", "TRADITIONAL"); }
CString LimitDefLPARName() { return ProfileGetString("Limits", "DefLPARName", "VORNAMIC"); }
CString LimitDefModelName() { return ProfileGetString("Limits", "DefModelName", "EMULATOR"); }
CString LimitDefPlant() { return ProfileGetString("Limits", "DefPlant", "ZZ"); }
CString LimitDefManufacturer() { return ProfileGetString("Limits", "DefManufacturer", "VRN"); }
CString SettingLoadUnit() { return ProfileGetString("Settings", "IPL", "0000"); }
bool SettingPresumeTXF() { return ProfileGetInt("Settings", "PresumeTXF", 0) != 0; }
bool OptionIgnoreConfigFileParseErrors() { return ProfileGetInt("Options", "IgnoreConfigFileParseErrors", 0) != 0; }
CString StartupRCFile() { return CString(); }
CString StartupLogoFile() { return CString(); }
