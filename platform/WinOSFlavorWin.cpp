// WinOSFlavorWin.cpp: the flavour of the running Windows.
#include "platform/WinOSFlavor.h"

namespace {

typedef LONG(WINAPI* RtlGetVersionFn)(OSVERSIONINFOEXW*);

// GetVersionEx reports the version the program's manifest claims to know;
// ntdll's RtlGetVersion reports the real one.
EWinOSFlavor DetectWinOSFlavor()
{
    OSVERSIONINFOEXW vi = {};
    vi.dwOSVersionInfoSize = sizeof vi;
    HMODULE hNtdll = ::GetModuleHandleA("ntdll.dll");
    RtlGetVersionFn pRtlGetVersion =
        hNtdll ? (RtlGetVersionFn)(void*)::GetProcAddress(hNtdll, "RtlGetVersion") : nullptr;
    if (!pRtlGetVersion || pRtlGetVersion(&vi) != 0)
        return WINOS_UNKNOWN;
    return WinOSFlavorFromVersion(vi.dwMajorVersion, vi.dwMinorVersion, vi.dwBuildNumber,
                                  vi.wProductType != VER_NT_WORKSTATION);
}

}  // namespace

EWinOSFlavor g_eWinOSFlavor = DetectWinOSFlavor();
