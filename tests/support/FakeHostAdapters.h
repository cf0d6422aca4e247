// FakeHostAdapters.h: adapter records made by a test, laid out as the
// system's adapter query returns them, and a query that hands them out
// (asking for a larger buffer first as often as told).
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

#include <cstring>
#include <vector>

#include "config/HostAdapterQuery.h"

namespace vorntest {

// Adapter records laid out in one block, as the system returns them.
struct FakeAdapters {
    std::vector<IP_ADAPTER_ADDRESSES> adapters;
    std::vector<IP_ADAPTER_UNICAST_ADDRESS> unicasts;
    std::vector<sockaddr_in> addresses;

    FakeAdapters() { adapters.reserve(8); unicasts.reserve(8); addresses.reserve(8); }

    void Add(const wchar_t* pwszName, ULONG nMACLength, BYTE byLast, const char* pszIPv4)
    {
        IP_ADAPTER_ADDRESSES a = {};
        a.FriendlyName = const_cast<wchar_t*>(pwszName);
        a.Description = const_cast<wchar_t*>(L"Fake Ethernet Adapter");
        a.PhysicalAddressLength = nMACLength;
        for (ULONG i = 0; i < 8; i++)
            a.PhysicalAddress[i] = (BYTE)(0x10 + i);
        a.PhysicalAddress[5] = byLast;
        if (pszIPv4) {
            sockaddr_in sin = {};
            sin.sin_family = AF_INET;
            sin.sin_addr.s_addr = inet_addr(pszIPv4);
            addresses.push_back(sin);
            IP_ADAPTER_UNICAST_ADDRESS u = {};
            u.Address.lpSockaddr = reinterpret_cast<sockaddr*>(&addresses.back());
            u.Address.iSockaddrLength = sizeof(sockaddr_in);
            unicasts.push_back(u);
            a.FirstUnicastAddress = &unicasts.back();
        }
        adapters.push_back(a);
        for (size_t i = 0; i + 1 < adapters.size(); i++)
            adapters[i].Next = &adapters[i + 1];
    }
};

// A query that asks for a larger buffer nOverflows times, then copies the
// records (their pointers still lead into the FakeAdapters object).
struct ScriptedQuery {
    const FakeAdapters* pFake;
    int nOverflows;
    int nCalls = 0;
    std::vector<ULONG> sizesSeen;

    ULONG operator()(IP_ADAPTER_ADDRESSES* pBuffer, ULONG* pnSize)
    {
        nCalls++;
        sizesSeen.push_back(*pnSize);
        ULONG nNeed = (ULONG)(pFake->adapters.size() * sizeof(IP_ADAPTER_ADDRESSES)) + 1000 * (ULONG)nCalls;
        // Like the system: a buffer too small for the records is never written.
        if (nCalls <= nOverflows || *pnSize < nNeed - 1000 * (ULONG)nCalls) {
            *pnSize = nNeed;
            return ERROR_BUFFER_OVERFLOW;
        }
        std::vector<IP_ADAPTER_ADDRESSES> copy = pFake->adapters;
        for (size_t i = 0; i + 1 < copy.size(); i++)
            copy[i].Next = &pBuffer[i + 1];
        if (!copy.empty())
            copy.back().Next = nullptr;
        std::memcpy(pBuffer, copy.data(), copy.size() * sizeof(IP_ADAPTER_ADDRESSES));
        return NO_ERROR;
    }
};

// The query as the adapter functions take it (the records must outlive it).
inline AdapterQuery QueryOf(const FakeAdapters& fake)
{
    return [&fake](IP_ADAPTER_ADDRESSES* p, ULONG* pn) {
        ScriptedQuery q{&fake, 0};
        return q(p, pn);
    };
}

}  // namespace vorntest
