// CommAdapterArguments.h: the communication adapters' argument texts and
// commands, window-free: the addresses one adapter page hands to another
// when the user switches kind, the OSA (QETH) keyword words, the CTCE
// positional values and the "attach"/"devinit" forms with their two blanks.
//
// An adapter's kind is its communication subtype, which is also the index
// of its page in the sheet: 0 OSA (QETH), 1 LCS, 2 CTCI, 3 CTCE.
#pragma once

#include "platform/CArray.h"
#include "platform/CString.h"
#include "platform/Types.h"

const int kCommKindCount = 4;

// True for the four kinds the sheet has a page for.
bool IsCommKind(int nKind);

// The addresses and buffer sizes a page remembers, as far as it has them.
// The CTCE page's remote host stands in its NIC IP: it is the address the
// other kinds name the host adapter by.
struct SCommAddresses {
    CString strGuestIP;
    CString strGuestMAC;
    CString strNicIP;
    CString strNicMAC;
    UINT nDriverSize = 0;  // K bytes, 0: not given
    UINT nDllSize = 0;     // K bytes, 0: not given
};

// What a page first shown takes from the page of the device's own kind:
// between LCS and CTCI everything; between OSA and LCS or CTCI the guest IP
// and both NIC addresses; to or from CTCE the NIC IP (the remote host).
// Nothing for the same kind or a kind outside the four.
enum ECommCarried : UINT {
    kCarryGuestIP = 1,
    kCarryGuestMAC = 2,
    kCarryNicIP = 4,
    kCarryNicMAC = 8,
    kCarryBufferSizes = 16,
};
UINT CommCarriedFields(int nTargetKind, int nSourceKind);
// Copies the carried fields of from into to; the others stay.
void CarryOverAddresses(int nTargetKind, int nSourceKind, const SCommAddresses& from, SCommAddresses& to);

// ---- OSA (QETH) ----
struct SQethFields {
    CString strNicIP;
    CString strNicMAC;
    CString strGuestIP;
    CString strMask;
    CString strChpid;
    bool bDebug = false;
    // Words the page does not edit ("ipaddr6", "hwaddr", "mtu" with their
    // values and any word it does not know), in their order: written back
    // as they were read.
    CStringArray keptWords;
};
// Walks the words of the argument text: "iface", "ipaddr", "netmask",
// "chpid" (any case) take the next word; so do "ipaddr6", "hwaddr" and
// "mtu", kept with it; "debug" ticks the box; a keyword that is the last
// word ends the walk; every other word is kept. The interface is a NIC MAC
// when it is a MAC address, else a NIC IP when it is a dotted address; the
// guest IP, mask (contiguous) and CHPID (two hex digits) replace the fields
// only when valid. An empty text reads nothing.
void ParseQethArguments(const char* pszArgs, SQethFields& fields);
// "iface <NIC MAC or NIC IP>  ipaddr <guest>  netmask <mask>" (a keyword
// whose value is empty is left out), the kept words, "  chpid <id>" when
// given, "  debug" when ticked; trimmed.
CString BuildQethArguments(const SQethFields& fields);

// ---- CTCE ----
struct SCtceFields {
    UINT nLocalPort = 0;
    CString strRemoteHost;
    UINT nRemotePort = 0;
    UINT nMtu = 0;
};
// Words 1 to 4: local port, remote host, remote port, MTU. A missing word
// leaves its value; a number replaces its value only when it is numeric.
void ParseCtceArguments(const char* pszArgs, SCtceFields& fields);
// "%d  %s  %d  %d", trimmed.
CString BuildCtceArguments(const SCtceFields& fields);
// A port a CTCE link can use: even and within nMin to nMax.
bool IsValidCtcePort(UINT nPort, UINT nMin, UINT nMax);

// ---- commands ----
// "attach  <devnum>  <type word>  <arguments>" when adding, otherwise
// "devinit  <devnum>  <arguments>"; the two blanks are the emulator's
// forms. Trailing blanks (no arguments) are removed.
CString CommAdapterCommand(bool bAdd, const CString& strDevnum, const char* pszTypeWord, const CString& strArgs);
