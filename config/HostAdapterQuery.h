// HostAdapterQuery.h (Windows only): the walk of the system's adapter list
// behind CHostAdapterArray::ReadHost, open to a test that hands in its own
// adapter records instead of the system's.
#pragma once

#include <winsock2.h>
#include <iphlpapi.h>

#include <functional>

#include "config/CHostAdapterArray.h"

// Behaves like GetAdaptersAddresses for the IPv4 family: fills the buffer
// and returns NO_ERROR, or returns ERROR_BUFFER_OVERFLOW with the size needed
// in *pnSize, or another error.
typedef std::function<ULONG(IP_ADAPTER_ADDRESSES* pBuffer, ULONG* pnSize)> AdapterQuery;

// The most calls made while the system keeps asking for a larger buffer.
const int kMaxAdapterQueries = 5;

// Replaces the list's contents with the adapters that have a physical
// address and a unicast address, in the system's order. Starts with a
// 376-byte buffer and grows it to the size asked for, at most
// kMaxAdapterQueries calls in all; any failure leaves the list empty.
void ReadHostAdapters(CHostAdapterArray& adapters, const AdapterQuery& query);

// Appends the adapters of an already filled list of records.
void AppendHostAdapters(CHostAdapterArray& adapters, const IP_ADAPTER_ADDRESSES* pFirst);

// The system's GetAdaptersAddresses for IPv4 (what ReadHost asks).
AdapterQuery SystemAdapterQuery();

// The adapters the query reports now that ReadHostAdapters would list (a
// physical and an IPv4 address), counted afresh: adapters added after
// start-up count too; 0 when the query fails.
int CountHostAdapters(const AdapterQuery& query);
