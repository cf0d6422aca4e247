// CHostAdapterArray.cpp: the lookups in the host's adapter list.
#include "config/CHostAdapterArray.h"

INT_PTR CHostAdapterArray::FindByMAC(const BYTE abyMAC[6]) const
{
    for (INT_PTR i = 0; i < GetSize(); i++)
        if (GetAt(i).HasMAC(abyMAC))
            return i;
    return -1;
}

INT_PTR CHostAdapterArray::FindByIP(DWORD dwIPv4) const
{
    for (INT_PTR i = 0; i < GetSize(); i++)
        if (GetAt(i).m_dwIPv4 == dwIPv4)
            return i;
    return -1;
}

CHostAdapterArray& HostAdapters()
{
    static CHostAdapterArray s_adapters = [] {
        CHostAdapterArray adapters;
        adapters.ReadHost();
        return adapters;
    }();
    return s_adapters;
}

int FindHostAdapterByMAC(const BYTE abyMAC[6])
{
    return (int)HostAdapters().FindByMAC(abyMAC);
}

int FindHostAdapterByIP(DWORD dwIPv4)
{
    return (int)HostAdapters().FindByIP(dwIPv4);
}
