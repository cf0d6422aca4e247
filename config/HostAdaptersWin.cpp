// HostAdaptersWin.cpp: the host's adapters from GetAdaptersAddresses.
#include "config/HostAdapterQuery.h"

#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
typedef std::unique_ptr<IP_ADAPTER_ADDRESSES, FreeDeleter> AdapterBuffer;

// The IPv4 address of the adapter's first unicast address; false when it
// has none (such an adapter cannot be named by its address and is left out).
bool FirstUnicastIPv4(const IP_ADAPTER_ADDRESSES* p, DWORD& dwIPv4)
{
    const IP_ADAPTER_UNICAST_ADDRESS* pUni = p->FirstUnicastAddress;
    if (!pUni || !pUni->Address.lpSockaddr || pUni->Address.lpSockaddr->sa_family != AF_INET)
        return false;
    dwIPv4 = reinterpret_cast<const sockaddr_in*>(pUni->Address.lpSockaddr)->sin_addr.s_addr;
    return true;
}

}  // namespace

void AppendHostAdapters(CHostAdapterArray& adapters, const IP_ADAPTER_ADDRESSES* pFirst)
{
    for (const IP_ADAPTER_ADDRESSES* p = pFirst; p; p = p->Next) {
        CHostAdapter adapter;
        if (p->PhysicalAddressLength == 0 || !FirstUnicastIPv4(p, adapter.m_dwIPv4))
            continue;
        adapter.m_strFriendlyName = CString::FromWide(p->FriendlyName);
        adapter.m_strDescription = CString::FromWide(p->Description);
        ULONG n = p->PhysicalAddressLength < 6 ? p->PhysicalAddressLength : 6;
        std::memcpy(adapter.m_abyMAC, p->PhysicalAddress, n);
        adapters.Add(adapter);
    }
}

void ReadHostAdapters(CHostAdapterArray& adapters, const AdapterQuery& query)
{
    adapters.RemoveAll();
    ULONG nSize = 376;
    AdapterBuffer buffer(static_cast<IP_ADAPTER_ADDRESSES*>(std::malloc(nSize)));
    ULONG rc = ERROR_NOT_ENOUGH_MEMORY;
    for (int nCall = 0; buffer && nCall < kMaxAdapterQueries; nCall++) {
        rc = query(buffer.get(), &nSize);
        if (rc != ERROR_BUFFER_OVERFLOW)
            break;
        buffer.reset(static_cast<IP_ADAPTER_ADDRESSES*>(std::malloc(nSize)));
    }
    if (buffer && rc == NO_ERROR)
        AppendHostAdapters(adapters, buffer.get());
}

AdapterQuery SystemAdapterQuery()
{
    return [](IP_ADAPTER_ADDRESSES* pBuffer, ULONG* pnSize) {
        return ::GetAdaptersAddresses(AF_INET,
                                      GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
                                      nullptr, pBuffer, pnSize);
    };
}

int CountHostAdapters(const AdapterQuery& query)
{
    CHostAdapterArray adapters;
    ReadHostAdapters(adapters, query);
    return (int)adapters.GetSize();
}

void CHostAdapterArray::ReadHost()
{
    ReadHostAdapters(*this, SystemAdapterQuery());
}
