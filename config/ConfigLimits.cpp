// ConfigLimits.cpp: the "Limits" values and settings of the configuration
// model: the "Limits" values of the start-up read, the load unit read from
// the settings store, and the live options.
#include "config/ConfigLimits.h"

#include "config/Limits.h"
#include "config/StartupObjects.h"
#include "platform/ProfileStore.h"

// The "Limits" accessors hand out the values that LoadLimits read at
// start-up (Limits.h); until it runs they are the built-in defaults.

int LimitMaxCPUs() { return (int)g_nMaxCPUs; }
int LimitDefMaxCPUs() { return (int)g_nDefMaxCPUs; }
int LimitDefVectors() { return (int)g_nDefVectors; }
int LimitDefECPSVMLevel() { return (int)g_nDefECPSVMLevel; }
int LimitDefAutoSCSISecs() { return (int)g_nDefAutoSCSISecs; }
int LimitDefKpAlvIdleSecs() { return (int)g_nDefKpAlvIdleSecs; }
int LimitDefKpAlvTimeoutSecs() { return (int)g_nDefKpAlvTimeoutSecs; }
int LimitDefKpAlvMaxRetries() { return (int)g_nDefKpAlvMaxRetries; }
int LimitDefTODUpdIntv() { return (int)g_nDefTODUpdIntv; }
int LimitDefCCKDra() { return (int)g_nDefCCKDra; }
int LimitDefCCKDraq() { return (int)g_nDefCCKDraq; }
int LimitDefCCKDrat() { return (int)g_nDefCCKDrat; }
int LimitDefCCKDwr() { return (int)g_nDefCCKDwr; }
int LimitDefCCKDgcint() { return (int)g_nDefCCKDgcint; }
int LimitDefCCKDtrace() { return (int)g_nDefCCKDtrace; }
int LimitDefCCKDcompparm() { return g_nDefCCKDcompparm; }
int LimitDefCCKDgcparm() { return g_nDefCCKDgcparm; }
int LimitDefCCKDfreepend() { return g_nDefCCKDfreepend; }
UINT64 LimitMaxMainMem() { return g_ullMaxMainMem; }
UINT64 LimitMaxExpandedMem() { return g_ullMaxExpandedMem; }
int LimitMinEpoch() { return (int)g_nMinEpoch; }
int LimitMaxEpoch() { return (int)g_nMaxEpoch; }
int LimitMinYearOffset() { return g_nMinYearOffset; }
int LimitMaxYearOffset() { return g_nMaxYearOffset; }
int LimitMinPanRate() { return (int)g_nMinPanRate; }
int LimitMaxPanRate() { return (int)g_nMaxPanRate; }
int LimitMaxECPSVMLevel() { return (int)g_nMaxECPSVMLevel; }
double LimitMinTODDrag() { return g_dMinTODDrag; }
double LimitMaxTODDrag() { return g_dMaxTODDrag; }
int LimitMinTODUpdIntv() { return (int)g_nMinTODUpdIntv; }
int LimitMinTXFTODUpdIntv() { return (int)g_nMinTXFTODUpdIntv; }
int LimitDefTXFTODUpdIntv() { return (int)g_nDefTXFTODUpdIntv; }
int LimitMaxTODUpdIntv() { return (int)g_nMaxTODUpdIntv; }
int LimitMinSHRDPortnum() { return (int)g_nMinSHRDPortnum; }
int LimitMaxSHRDPortnum() { return (int)g_nMaxSHRDPortnum; }
int LimitMaxCCKDra() { return (int)g_nMaxCCKDra; }
int LimitMaxCCKDraq() { return (int)g_nMaxCCKDraq; }
int LimitMaxCCKDrat() { return (int)g_nMaxCCKDrat; }
int LimitMaxCCKDwr() { return (int)g_nMaxCCKDwr; }
int LimitMaxCCKDgcint() { return (int)g_nMaxCCKDgcint; }
int LimitMaxCCKDtrace() { return (int)g_nMaxCCKDtrace; }
int LimitMinCCKDgcparm() { return g_nMinCCKDgcparm; }
int LimitMaxCCKDgcparm() { return g_nMaxCCKDgcparm; }
int LimitMaxCCKDfreepend() { return g_nMaxCCKDfreepend; }
int LimitMinCCKDcompparm() { return g_nMinCCKDcompparm; }
int LimitMaxCCKDcompparm() { return g_nMaxCCKDcompparm; }
CString LimitDefCodePage() { return g_strDefCodePage; }
CString LimitDefTraceOpt() { return g_strDefTraceOpt; }
CString LimitDefLPARName() { return g_strDefLPARName; }
CString LimitDefModelName() { return g_strDefModelName; }
CString LimitDefPlant() { return g_strDefPlant; }
CString LimitDefManufacturer() { return g_strDefManufacturer; }
CString SettingLoadUnit() { return ProfileGetString("Settings", "IPL", "0000"); }
bool g_bPresumeTXF = false;
bool g_bIgnoreConfigFileParseErrors = false;
bool SettingPresumeTXF() { return g_bPresumeTXF; }
bool OptionIgnoreConfigFileParseErrors() { return g_bIgnoreConfigFileParseErrors; }
CString StartupRCFile() { return g_strStartupRunCommandFile; }
CString StartupLogoFile() { return g_strStartupLogoFile; }
