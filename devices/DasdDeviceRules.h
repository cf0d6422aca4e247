// DasdDeviceRules.h: the disk device dialogs' rules, window-free: the
// remote disk name, the proposed shadow file name, the minidisk limits, the
// serial number and the disk commands.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

class CVornDevice;

// ---- the remote disk name "host:port:devnum" ----
struct SRemoteDasdName {
    CString strHost;
    UINT nPort = 0;
    CString strDevNum;
};
// Only a name of the remote form (IsHostPortSpec): the text before the
// first colon is the host; of the rest, the text before the next colon the
// port when it is all decimal digits (else the port stays); the first four
// characters after that colon the device number. Without a second colon
// only the host is set. False for a name of another form.
bool ParseRemoteDasdName(const char* pszName, SRemoteDasdName& name);
// "%s:%d:%s" of host, port and device number.
CString FormatRemoteDasdName(const SRemoteDasdName& name);

// ---- the shadow file ----
// The folder of the image name, then its file name with "_Shadow_0"
// before the first dot of the name, or at its end without one
// ("C:\dasd\vol1.cckd" gives "C:\dasd\vol1_Shadow_0.cckd"; a relative
// image, "vol1.cckd", a relative shadow beside it).
CString ProposeShadowName(const CString& strImage);

// ---- the minidisk of a plain FBA image ----
enum EMinidiskCheck { kMinidiskOK, kMinidiskUnknownModel, kMinidiskBadOrigin, kMinidiskBadEnd };
// The origin and count texts against the model's nBlocks blocks: the
// origin a number up to nBlocks - 1; the count a number of at least 1 whose
// last block, origin + count - 1 computed without wrap-around, is at most
// nBlocks - 1. The numbers are stored when the check passes.
EMinidiskCheck CheckMinidisk(DWORD nBlocks, const char* pszOrigin, const char* pszCount, DWORD& dwOrigin,
                             DWORD& dwCount);

// The blocks that bound a minidisk of the model: its own count; a bare type
// ("3370", as a device statement names it) has none, and then the image's
// blocks bound it. 0 for a model missing from the table.
DWORD MinidiskBlocks(const CString& strModel, DWORD dwImageBlocks);

// ---- the serial number ----
// Trims the text in place; true for an empty text or exactly 12 decimal
// digits.
bool IsValidDasdSerial(CString& strSerial);

// The serial number that the arguments give with "ser=" (empty for none),
// not the one the image's header holds.
CString GivenDasdSerial(const CString& strArgs, WORD wDevType);

// True when the two disks' statements say the same: number, type, file and
// the options as read back from their arguments, whatever words spell them
// ("ro" or "readonly").
bool IsSameDiskStatement(const CVornDevice& a, const CVornDevice& b);

// ---- the commands ----
// "attach <number> <type as %04.4d> <file> <args>" (adding) or "devinit
// <number> <file> <args>", the file quoted when needed, trailing blanks
// removed.
CString DasdCommand(bool bAdd, const CString& strDevnum, int nTypeNumber, const CString& strFile,
                    const CString& strArgs);
