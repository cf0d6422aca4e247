// SysCfgFieldChecks.h: the Apply checks of the system configuration pages,
// window-free. Each runs its page's checks in their fixed order over the
// edited configuration and stops at the first failure, which it describes:
// the control to put the balloon on, the balloon's title and its text.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

class CVornConfigFile;

struct SysCfgFieldFailure {
    UINT nCtrlId = 0;
    bool bEdit = true;   // the control is an edit (its text is selected)
    CString strTitle;
    CString strText;
};

// The Identification page's 17 checks.
bool CheckIdentification(const CVornConfigFile& cfg, SysCfgFieldFailure& failure);
// The Architecture page's one check: the ECPS:VM level at most "MaxECPSVMLevel".
bool CheckEcpsVmLevel(const CVornConfigFile& cfg, SysCfgFieldFailure& failure);
// The Processors page's checks: the serial number, model and version code
// (hexadecimal, 6 and 4 digits, the version 2 or none), the TXF model, the
// CPU counts and the storage sizes.
bool CheckProcessors(const CVornConfigFile& cfg, SysCfgFieldFailure& failure);
// An Engines page's check of ENGINES[nFirst .. nFirst + 31] (each 0 .. 3).
bool CheckEngineTypes(const CVornConfigFile& cfg, UINT nFirst, SysCfgFieldFailure& failure);
// The Clock page's four range checks, then the time-zone offset.
bool CheckClock(const CVornConfigFile& cfg, SysCfgFieldFailure& failure);
// A time-zone offset as the emulator takes it: a sign and four digits,
// hours 00 to 23 and minutes 00 to 59 ("+0100", "-0530").
bool IsValidTzOffset(const CString& strOffset);
// The HTTP server page's three checks: the port, a password for a user id,
// and with auto-start on an existing root directory.
bool CheckHttpServer(const CVornConfigFile& cfg, SysCfgFieldFailure& failure);
// The Settings page's seven checks: the refresh rate, the console port, the
// SYSG port while it is enabled, the two keepalive times, and the .RC and
// logo files when given.
bool CheckSettings(const CVornConfigFile& cfg, SysCfgFieldFailure& failure);
// A console or SYSG console port: 23, or 1024 to 65535.
bool IsValidConsolePort(int nPort);

// The checks' common ending: fills failure and returns false.
bool FailField(SysCfgFieldFailure& failure, UINT nCtrlId, const char* pszTitle, const CString& strText,
               bool bEdit = true);
// "Please enter a value between %u and %u".
CString BetweenText(UINT nMin, UINT nMax);

// The failures of the storage fields (rows 7 and 8 of the Processors checks),
// also used when a field's megabytes are refused before they are converted.
SysCfgFieldFailure MainStorageFailure();
SysCfgFieldFailure ExpandedStorageFailure();
// The lower bound of the clock's update interval: "MinTXFTODUpdIntv" with
// transactional execution enabled, else "MinTODUpdIntv".
UINT MinTodUpdateInterval(const CVornConfigFile& cfg);
