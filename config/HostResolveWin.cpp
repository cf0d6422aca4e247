// HostResolveWin.cpp: ResolveHostIPv4 on Windows. The socket library is
// started for the one call and released again.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstring>

#include "config/SockdevAddress.h"

bool ResolveHostIPv4(const char* pszHost, DWORD& dwAddress)
{
    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0)
        return false;
    bool bOk = false;
    if (std::strchr(pszHost, '.')) {
        dwAddress = ntohl(inet_addr(pszHost));
        bOk = dwAddress != 0xFFFFFFFF;
    } else {
        addrinfo hints = {};
        hints.ai_family = AF_INET;
        addrinfo* pResult = nullptr;
        if (getaddrinfo(pszHost, nullptr, &hints, &pResult) == 0 && pResult) {
            dwAddress = ntohl(reinterpret_cast<sockaddr_in*>(pResult->ai_addr)->sin_addr.s_addr);
            freeaddrinfo(pResult);
            bOk = true;
        }
    }
    WSACleanup();
    return bOk;
}
