// ConfigLimits.h: the "Limits" values and console settings that the
// configuration model takes its defaults and ranges from, one function each.
// Each returns the documented start-up default of its "Limits" key (or its
// setting) until the settings store's values are wired in here.
#pragma once

#include "platform/CString.h"

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
inline CString LimitDefCodePage() { return "default"; }
inline CString LimitDefTraceOpt() { return "TRADITIONAL"; }
inline CString LimitDefLPARName() { return "VORNAMIC"; }
inline CString LimitDefModelName() { return "EMULATOR"; }
inline CString LimitDefPlant() { return "ZZ"; }
inline CString LimitDefManufacturer() { return "VRN"; }

// Console settings and start-up values.
inline CString SettingLoadUnit() { return "0000"; }            // "Settings", "IPL"
inline bool SettingPresumeTXF() { return false; }              // "Settings", "PresumeTXF"
inline bool OptionIgnoreConfigFileParseErrors() { return false; } // "Options"
inline CString StartupRCFile() { return CString(); }           // command line "-r"
inline CString StartupLogoFile() { return CString(); }         // command line "-b"
inline CString HostTzOffset() { return CString(); }            // time-zone offset text
