// Limits.h: the "Limits" values: the minimum, maximum and default values of
// the configuration and preference fields, read once at start-up from the
// settings section "Limits" by LoadLimits and only read afterwards.
//
// Nothing writes the section: a site changes a limit by adding its key by
// hand, and an absent key keeps the built-in default shown beside each
// variable. The port and MTU variables hold their defaults before LoadLimits
// runs (each of those keys is read with the variable's current value).
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// Processors and storage.
extern UINT g_nMaxCPUs;                 // 64, kept in 1 .. 64
extern UINT g_nDefMaxCPUs;              // 1, at most g_nMaxCPUs
extern UINT g_nDefVectors;              // 0, at most g_nMaxCPUs
extern ULONGLONG g_ullMaxMainMem;       // bytes; "MaxMainMem" in MB, 0 gives 2 GB
extern ULONGLONG g_ullMaxExpandedMem;   // bytes; "MaxExpandedMem" in MB, 0 gives 1 GB

// Clock, panel and ECPS:VM.
extern UINT g_nMinEpoch, g_nMaxEpoch;                   // 1801, 2099
extern int g_nMinYearOffset, g_nMaxYearOffset;          // -142, 142
extern UINT g_nMinPanRate, g_nMaxPanRate;               // 10, 5000
extern UINT g_nDefECPSVMLevel, g_nMaxECPSVMLevel;       // 20, 99
extern CString g_strMinTODDrag, g_strMaxTODDrag;        // "0.0001", "10000.0"
extern double g_dMinTODDrag, g_dMaxTODDrag;             // the two texts as numbers
extern UINT g_nMinTODUpdIntv, g_nDefTODUpdIntv, g_nMaxTODUpdIntv;  // 1, 50, 1000000
extern UINT g_nMinTXFTODUpdIntv, g_nDefTXFTODUpdIntv;   // 200, 400

// Network capture and packet buffers, meter thread, message flood.
extern UINT g_nMinCaptureBuffsize, g_nDefCaptureBuffsize, g_nMaxCaptureBuffsize;  // 64, 1024, 16384
extern UINT g_nMinPacketBuffsize, g_nDefPacketBuffsize, g_nMaxPacketBuffsize;     // 16, 64, 1024
extern UINT g_nMeterThreadRate;         // 1000
extern UINT g_nMessageFloodThreshold;   // 3333

// Compressed disks.
extern UINT g_nMaxCCKDcache, g_nMaxCCKDl2cache;         // 64, 2048
extern UINT g_nMaxCCKDra, g_nMaxCCKDraq, g_nMaxCCKDrat, g_nMaxCCKDwr;   // 9, 16, 16, 9
extern UINT g_nMaxCCKDgcint, g_nMaxCCKDtrace;           // 60, 200000
extern int g_nMinCCKDgcparm, g_nMaxCCKDgcparm;          // -8, 8
extern int g_nMaxCCKDfreepend;                          // 4
extern int g_nMinCCKDcompparm, g_nMaxCCKDcompparm, g_nDefCCKDcompparm;  // -1, 9, -1
extern UINT g_nDefCCKDra, g_nDefCCKDraq, g_nDefCCKDrat, g_nDefCCKDwr;   // 2, 4, 2, 2
extern UINT g_nDefCCKDgcint, g_nDefCCKDtrace;           // 10, 0
extern int g_nDefCCKDgcparm, g_nDefCCKDfreepend;        // 0, -1

// Tapes, SCSI, keep-alive.
extern UINT g_nMaxTapeSizeMB, g_nDefTapeSizeMB;         // 2048, 170
extern UINT g_nMaxEOTMarginKB, g_nDefEOTMarginKB;       // 2048, 128
extern UINT g_nDefAutoSCSISecs;                         // 5
extern UINT g_nDefKpAlvIdleSecs, g_nDefKpAlvTimeoutSecs, g_nDefKpAlvMaxRetries;  // 3, 1, 10

// Ports and MTUs (built-in defaults before LoadLimits).
extern UINT g_nMinCTCEPortnum, g_nDefCTCEPortnum, g_nMaxCTCEPortnum;   // 1024, 30880, 65535
extern UINT g_nMinCTCEMtu, g_nDefCTCEMtu, g_nMaxCTCEMtu;               // 8, 32768, 65535
extern UINT g_nMinSHRDPortnum, g_nDefSHRDPortnum, g_nMaxSHRDPortnum;   // 1024, 3990, 65535
extern UINT g_nMinSockdevPrinterPortnum, g_nDefSockdevPrinterPortnum,
    g_nMaxSockdevPrinterPortnum;                                        // 1024, 1403, 65535

// Texts of a new configuration and the log file.
extern CString g_strDefCodePage;             // "default"
extern CString g_strDefTraceOpt;             // "TRADITIONAL"
extern CString g_strDefLPARName;             // "VORNAMIC"
extern CString g_strDefModelName;            // "EMULATOR"
extern CString g_strDefPlant;                // "ZZ"
extern CString g_strDefManufacturer;         // "VRN"
extern CString g_strDefaultAutologFilename;  // "Vornamic Logfile.txt"

// Console log limits and the storage display's refresh interval (ms).
extern UINT g_nMaxAutologFilenum;                             // 999
extern UINT g_nMaxMemLoglinesLimit, g_nDefMemLoglinesLimit;   // 50000, 5000
extern UINT g_nMaxDiskLoglinesLimit, g_nDefDiskLoglinesLimit; // 500000, 50000
extern UINT g_nMinAutoRefresh, g_nDefAutoRefresh, g_nMaxAutoRefresh;  // 250, 2000, 5000

// Reads the whole "Limits" section of the installed settings store (every key
// with its default) and corrects the values: counts that must be positive
// become 1 when 0, anything of 2147483647 or more (a negative number in the
// store) becomes 2147483647, MaxCPUs is kept in 1 .. 64 and the two CPU
// defaults at most MaxCPUs. Never fails: a missing or hostile value is
// corrected, not rejected.
void LoadLimits();
