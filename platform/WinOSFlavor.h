// WinOSFlavor.h: the running Windows version family, as one ordered number,
// so that callers test "this version or later" with a comparison.
#pragma once

#include "platform/Types.h"

enum EWinOSFlavor {
    WINOS_UNKNOWN = 0,
    WINOS_WIN95 = 1,
    WINOS_WIN98 = 2,
    WINOS_WINME = 3,
    WINOS_NT4 = 4,
    WINOS_WIN2000 = 5,
    WINOS_WINXP = 6,
    WINOS_SERVER2003 = 7,
    WINOS_VISTA = 8,
    WINOS_WIN7 = 9,
    WINOS_WIN8 = 10,
    WINOS_WIN81 = 11,
    WINOS_WIN10 = 12,
    WINOS_SERVER2016 = 13,  // Windows Server 2016 and later servers of version 10
    WINOS_WIN11 = 14,
};

// The family of a Windows version (the NT line; bServer for server editions).
EWinOSFlavor WinOSFlavorFromVersion(DWORD dwMajor, DWORD dwMinor, DWORD dwBuild, bool bServer);

// The flavour of the running system (Windows only), set before main from the
// version the kernel reports, not the compatibility version GetVersionEx gives.
extern EWinOSFlavor g_eWinOSFlavor;
