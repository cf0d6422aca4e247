// SockdevAddress.h: the host:port form of socket-attached devices.
#pragma once

#include "platform/CString.h"

// True when the text has the remote form: at least 4 characters, no blank,
// and a colon at the third character or later.
bool IsHostPortSpec(const CString& strText);

// Reads "host:port". With arguments given, they must mention "sockdev" (any
// case). The port must be all digits below 65536; a host with a "." is a
// dotted address, any other is resolved by name. The address is in host byte
// order. On failure the address is 0xFFFFFFFF, the port 0 and the result false.
bool ParseSockdevAddress(const CString& strText, DWORD& dwAddress, const CString* pstrArgs,
                         UINT& nPort);

// Resolves an IPv4 host: a dotted address is converted, a name is looked up.
// False when neither gives an address. Host byte order.
bool ResolveHostIPv4(const char* pszHost, DWORD& dwAddress);
