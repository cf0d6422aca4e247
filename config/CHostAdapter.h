// CHostAdapter.h: one IPv4 network adapter of the host, as read once into
// HostAdapters() (CHostAdapterArray.h).
#pragma once

#include <cstring>

#include "platform/CString.h"
#include "platform/Types.h"

class CHostAdapter {
public:
    CHostAdapter() = default;
    CHostAdapter(const CHostAdapter&) = default;
    CHostAdapter& operator=(const CHostAdapter&) = default;
    virtual ~CHostAdapter() = default;

    CString m_strFriendlyName;   // converted from the system's wide text
    CString m_strDescription;    // converted from the system's wide text
    BYTE m_abyMAC[6] = {};       // the first six bytes of the physical address
    DWORD m_dwIPv4 = 0;          // first unicast address, network byte order

    bool HasMAC(const BYTE abyMAC[6]) const { return std::memcmp(m_abyMAC, abyMAC, 6) == 0; }
};
