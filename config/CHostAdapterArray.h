// CHostAdapterArray.h: the host's IPv4 network adapters that have a hardware
// address, and the process-wide list HostAdapters(), read once at its first
// use (the system's query loads the network libraries: not while the program
// starts) and only read afterwards. Adapters added or removed while the
// program runs are not seen.
#pragma once

#include "config/CHostAdapter.h"
#include "platform/CArray.h"

class CHostAdapterArray : public CArray<CHostAdapter, const CHostAdapter&> {
public:
    // An empty list; ReadHost fills it.
    CHostAdapterArray() = default;
    ~CHostAdapterArray() { RemoveAll(); }

    // Replaces the contents with the host's adapters; any failure of the
    // system's adapter query leaves the list empty (nothing is reported).
    // The host build of the window-free code sees no adapters.
    void ReadHost();

    // Index of the first entry with these six bytes, or -1.
    INT_PTR FindByMAC(const BYTE abyMAC[6]) const;
    // Index of the first entry with this address (network byte order), or -1.
    INT_PTR FindByIP(DWORD dwIPv4) const;
};

// The host's adapters, read at the first call.
CHostAdapterArray& HostAdapters();

// The two lookups in HostAdapters().
int FindHostAdapterByMAC(const BYTE abyMAC[6]);
int FindHostAdapterByIP(DWORD dwIPv4);
