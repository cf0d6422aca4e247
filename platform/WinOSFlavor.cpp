// WinOSFlavor.cpp: Windows versions to version families.
#include "platform/WinOSFlavor.h"

EWinOSFlavor WinOSFlavorFromVersion(DWORD dwMajor, DWORD dwMinor, DWORD dwBuild, bool bServer)
{
    if (dwMajor >= 10)
        return bServer ? WINOS_SERVER2016 : (dwBuild >= 22000 ? WINOS_WIN11 : WINOS_WIN10);
    if (dwMajor == 6)
        return dwMinor == 0 ? WINOS_VISTA : dwMinor == 1 ? WINOS_WIN7 : dwMinor == 2 ? WINOS_WIN8 : WINOS_WIN81;
    if (dwMajor == 5)
        return dwMinor == 0 ? WINOS_WIN2000 : dwMinor == 1 ? WINOS_WINXP : WINOS_SERVER2003;
    if (dwMajor == 4 || dwMajor == 3)
        return WINOS_NT4;
    return WINOS_UNKNOWN;
}
