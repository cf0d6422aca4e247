// ConfigLimits.h: the "Limits" values and console settings that the
// configuration model takes its defaults and ranges from, one function each.
// Each returns the documented start-up default of its "Limits" key (or its
// setting) until the settings store's values are wired in here.
#pragma once

#include "platform/CString.h"
#include "platform/ProfileStore.h"
#include "platform/Types.h"

// "Limits" section.
inline int LimitMaxCPUs() { return 64; }
inline int LimitDefMaxCPUs() { return 1; }
inline int LimitDefVectors() { return 0; }
inline int LimitDefECPSVMLevel() { return 20; }
inline int LimitDefAutoSCSISecs() { return 5; }
inline int LimitDefKpAlvIdleSecs() { return 3; }
inline int LimitDefKpAlvTimeoutSecs() { return 1; }
inline int LimitDefKpAlvMaxRetries() { return 10; }
inline int LimitDefTODUpdIntv() { return 50; }
inline int LimitDefCCKDra() { return 2; }
inline int LimitDefCCKDraq() { return 4; }
inline int LimitDefCCKDrat() { return 2; }
inline int LimitDefCCKDwr() { return 2; }
inline int LimitDefCCKDgcint() { return 10; }
inline int LimitDefCCKDtrace() { return 0; }
inline int LimitDefCCKDcompparm() { return -1; }
inline int LimitDefCCKDgcparm() { return 0; }
inline int LimitDefCCKDfreepend() { return -1; }
// Ranges of the system statements.
inline UINT64 LimitMaxMainMem() { return 2147483648ull; }      // bytes
inline UINT64 LimitMaxExpandedMem() { return 1073741824ull; }  // bytes
inline int LimitMinEpoch() { return 1801; }
inline int LimitMaxEpoch() { return 2099; }
inline int LimitMinYearOffset() { return -142; }
inline int LimitMaxYearOffset() { return 142; }
inline int LimitMinPanRate() { return 10; }
inline int LimitMaxPanRate() { return 5000; }
inline int LimitMaxECPSVMLevel() { return 99; }
inline double LimitMinTODDrag() { return 0.0001; }
inline double LimitMaxTODDrag() { return 10000.0; }
inline int LimitMinTODUpdIntv() { return 1; }
inline int LimitMinTXFTODUpdIntv() { return 200; }
inline int LimitDefTXFTODUpdIntv() { return 400; }
inline int LimitMaxTODUpdIntv() { return 1000000; }
inline int LimitMinSHRDPortnum() { return 1024; }
inline int LimitMaxSHRDPortnum() { return 65535; }
inline int LimitMaxCCKDra() { return 9; }
inline int LimitMaxCCKDraq() { return 16; }
inline int LimitMaxCCKDrat() { return 16; }
inline int LimitMaxCCKDwr() { return 9; }
inline int LimitMaxCCKDgcint() { return 60; }
inline int LimitMaxCCKDtrace() { return 200000; }
inline int LimitMinCCKDgcparm() { return -8; }
inline int LimitMaxCCKDgcparm() { return 8; }
inline int LimitMaxCCKDfreepend() { return 4; }
inline int LimitMinCCKDcompparm() { return -1; }
inline int LimitMaxCCKDcompparm() { return 9; }
inline CString LimitDefCodePage() { return "default"; }
inline CString LimitDefTraceOpt() { return "TRADITIONAL"; }
inline CString LimitDefLPARName() { return "VORNAMIC"; }
inline CString LimitDefModelName() { return "EMULATOR"; }
inline CString LimitDefPlant() { return "ZZ"; }
inline CString LimitDefManufacturer() { return "VRN"; }

// Console settings and start-up values.
inline CString SettingLoadUnit() { return "0000"; }            // "Settings", "IPL"
inline bool SettingPresumeTXF() { return ProfileGetInt("Settings", "PresumeTXF", 0) != 0; }
inline bool OptionIgnoreConfigFileParseErrors()
{
    return ProfileGetInt("Options", "IgnoreConfigFileParseErrors", 0) != 0;
}
inline CString StartupRCFile() { return CString(); }           // command line "-r"
inline CString StartupLogoFile() { return CString(); }         // command line "-b"
inline CString HostTzOffset() { return CString(); }            // time-zone offset text
