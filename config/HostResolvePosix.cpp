// HostResolvePosix.cpp: ResolveHostIPv4 for the host build.
#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cstring>

#include "config/SockdevAddress.h"

bool ResolveHostIPv4(const char* pszHost, DWORD& dwAddress)
{
    if (std::strchr(pszHost, '.')) {
        dwAddress = ntohl(inet_addr(pszHost));
        return dwAddress != 0xFFFFFFFF;
    }
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    addrinfo* pResult = nullptr;
    if (getaddrinfo(pszHost, nullptr, &hints, &pResult) != 0 || !pResult)
        return false;
    dwAddress = ntohl(reinterpret_cast<sockaddr_in*>(pResult->ai_addr)->sin_addr.s_addr);
    freeaddrinfo(pResult);
    return true;
}
