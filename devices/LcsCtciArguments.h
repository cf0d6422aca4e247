// LcsCtciArguments.h: the argument texts of the LAN channel station (LCS)
// and of the channel-to-channel link to the host's IP stack (CTCI),
// window-free: reading a device's getopt-style options and positional
// addresses back into the fields its page shows, and writing the fields as
// the argument text again.
//
// LCS:  [-d] [-n nic] [-k driverK] [-i dllK] (-o oatfile | [-m guestmac] [guestip])
// CTCI: [-d] [-m guestmac] [-n nicmac] [-k driverK] [-i dllK] guestip nicip|0.0.0.0
//
// The host's adapter ("-n") is an IP address unless its text holds ':' or
// '-', then it is a MAC address. Addresses that do not parse are dropped.
// "-d" (the driver's debug switch) is not shown by the pages but is kept:
// read back and written again, so that OK on an unchanged device gives the
// same arguments. LCS writes single blanks between its items, CTCI two.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// The fields the two pages share.
struct SNetAdapterFields {
    CString strGuestIP;   // dotted IPv4 address
    CString strGuestMAC;  // "xx:xx:xx:xx:xx:xx" or with '-'
    CString strNicIP;     // the host adapter by address ...
    CString strNicMAC;    // ... or by hardware address (one of the two)
    UINT nDriverSize = 0;  // K bytes; 0: not given
    UINT nDllSize = 0;     // K bytes; 0: not given
    bool bDebug = false;   // "-d"
};

struct SLcsFields : SNetAdapterFields {
    CString strOATFile;  // the address translation file; excludes the guest fields
};

// The dummy program name the option walker is given before the words.
extern const char kGetOptDummyArgv0[];   // "(dummy-argv[0])"
// The address that stands for "no host adapter" in the CTCI arguments.
extern const char kNoNicAddress[];       // "0.0.0.0"

// Reads an LCS argument text (options "n:o:m:k:i:d"). An empty text reads
// nothing. The buffer sizes start from the fields' values; every other
// field is replaced. An option lacking its value clears what it would set;
// an unknown option is ignored. "-m" after "-o" is ignored; the first word
// after the options is the guest IP unless an OAT file was given.
void ParseLcsArguments(const char* pszArgs, SLcsFields& f);
// The LCS argument text: " -d", " -n" with the NIC IP (else the NIC MAC),
// " -k", " -i" when not 0, then " -o" and the OAT file (quoted when needed)
// or " -m" with the guest MAC and the guest IP, each when given; trimmed.
CString BuildLcsArguments(const SLcsFields& f);

// Reads a CTCI argument text (options "n:m:k:i:d", then the guest IP and
// the NIC IP, "0.0.0.0" standing for none). As ParseLcsArguments; a NIC IP
// given by position replaces a NIC MAC given by "-n"; sizes that are not
// numeric are dropped.
void ParseCtciArguments(const char* pszArgs, SNetAdapterFields& f);
// The CTCI argument text, two blanks before every item: "-d", "-m" with the
// guest MAC, "-n" with the NIC MAC, "-k", "-i", the guest IP, and the NIC IP
// or "0.0.0.0"; trimmed.
CString BuildCtciArguments(const SNetAdapterFields& f);

// An address text of "-n": true (a MAC address) when it holds ':' or '-'.
bool IsNicMacText(const char* pszValue);
