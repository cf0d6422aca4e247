// ConfigLimits.h: the "Limits" values and console settings that the
// configuration model takes its defaults and ranges from, one function each.
// The "Limits" values are those LoadLimits read at start-up (Limits.h); the
// load unit is read from the settings store on each call; the two options
// are the live ones, which the view loads at start-up and the preferences
// change at once (the store has them only after the program ends).
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// "Limits" section.
int LimitMaxCPUs();
int LimitDefMaxCPUs();
int LimitDefVectors();
int LimitDefECPSVMLevel();
int LimitDefAutoSCSISecs();
int LimitDefKpAlvIdleSecs();
int LimitDefKpAlvTimeoutSecs();
int LimitDefKpAlvMaxRetries();
int LimitDefTODUpdIntv();
int LimitDefCCKDra();
int LimitDefCCKDraq();
int LimitDefCCKDrat();
int LimitDefCCKDwr();
int LimitDefCCKDgcint();
int LimitDefCCKDtrace();
int LimitDefCCKDcompparm();
int LimitDefCCKDgcparm();
int LimitDefCCKDfreepend();
// Ranges of the system statements.
UINT64 LimitMaxMainMem();      // bytes
UINT64 LimitMaxExpandedMem();  // bytes
int LimitMinEpoch();
int LimitMaxEpoch();
int LimitMinYearOffset();
int LimitMaxYearOffset();
int LimitMinPanRate();
int LimitMaxPanRate();
int LimitMaxECPSVMLevel();
double LimitMinTODDrag();
double LimitMaxTODDrag();
int LimitMinTODUpdIntv();
int LimitMinTXFTODUpdIntv();
int LimitDefTXFTODUpdIntv();
int LimitMaxTODUpdIntv();
int LimitMinSHRDPortnum();
int LimitMaxSHRDPortnum();
int LimitMaxCCKDra();
int LimitMaxCCKDraq();
int LimitMaxCCKDrat();
int LimitMaxCCKDwr();
int LimitMaxCCKDgcint();
int LimitMaxCCKDtrace();
int LimitMinCCKDgcparm();
int LimitMaxCCKDgcparm();
int LimitMaxCCKDfreepend();
int LimitMinCCKDcompparm();
int LimitMaxCCKDcompparm();
CString LimitDefCodePage();
CString LimitDefTraceOpt();
CString LimitDefLPARName();
CString LimitDefModelName();
CString LimitDefPlant();
CString LimitDefManufacturer();

// Console settings and start-up values.
CString SettingLoadUnit();            // "Settings", "IPL"
bool SettingPresumeTXF();               // g_bPresumeTXF
bool OptionIgnoreConfigFileParseErrors(); // g_bIgnoreConfigFileParseErrors
CString StartupRCFile();           // command line "-r"
CString StartupLogoFile();         // command line "-b"

// The live options: "Settings" "PresumeTXF" (z/Architecture configurations
// presume the transactional-execution facility) and "Options"
// "IgnoreConfigFileParseErrors" (configurations with parse errors are
// taken and saved). Both false until the view loads them.
extern bool g_bPresumeTXF;
extern bool g_bIgnoreConfigFileParseErrors;
