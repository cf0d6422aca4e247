// NetworkValues.h: IPv4 addresses and netmasks as the network device
// dialogs check them. An address here is a 32-bit value with the first
// dotted part in the top byte (host order), except where a function says
// network byte order.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// Four decimal parts separated by '.', each below 256, blanks around the
// whole text trimmed. dwAddr is 0 first and receives the address.
bool ParseIPv4Address(const char* psz, DWORD& dwAddr);

// 255.255.255.255 is valid, 0 is not; otherwise the ones must be contiguous
// from the top bit.
bool IsValidNetmask(DWORD dwMask);

// ParseIPv4Address and IsValidNetmask; dwMask is 0 on failure.
bool ParseNetmask(const char* psz, DWORD& dwMask);

// An address a host can have: with bCheckHost it must be one of the host's
// adapters; never 0 or 255.255.255.255; under the mask 255.255.255.255 any
// other address passes; otherwise the mask must be a valid netmask and the
// host part neither all zeros nor all ones.
bool IsPlausibleHostAddress(DWORD dwAddr, DWORD dwMask, bool bCheckHost);

// The classful mask by the top three bits (0xx 255.0.0.0, 10x 255.255.0.0,
// 110 255.255.255.0, 111 255.255.255.255); 0 for 0 and 255.255.255.255.
DWORD DefaultNetmaskForAddress(DWORD dwAddr);

// strMask is emptied, then receives the default mask of the address text as
// "%d.%d.%d.%d"; false when the address does not parse or is 0 or
// 255.255.255.255.
bool FormatDefaultNetmask(const char* pszAddr, CString& strMask);

// "%d.%d.%d.%d" of an address in host order.
CString FormatIPv4Address(DWORD dwAddr);
