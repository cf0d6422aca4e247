// NetAddress.h: parsing of IPv4 and hardware (MAC) address texts.
#pragma once

#include "platform/Types.h"

// A dotted IPv4 address: exactly four decimal parts of 1 to 3 digits, each
// 0-255, no blanks. dwAddr receives the address in network byte order (the
// first part in the lowest-addressed byte) or, with bHostOrder, as a number
// whose high byte is the first part. On failure dwAddr is left unchanged.
bool ParseIPAddress(const char* psz, DWORD& dwAddr, bool bHostOrder = false);

// A hardware address: six groups of two hexadecimal digits (either case)
// separated by ':' or '-' (one kind throughout). abyMAC receives the six bytes;
// on failure it is left unchanged.
bool ParseMACAddress(const char* psz, BYTE abyMAC[6]);
