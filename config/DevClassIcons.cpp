// DevClassIcons.cpp: the device-class icon table.
#include "config/DevClassIcons.h"

#include "resources/resource.h"

HICON g_hDevClassIcons[9] = {};

HICON DevClassIcon(int nClass)
{
    if (nClass < 0 || nClass >= 9)
        return nullptr;
    // By device class index: reader, punch, printer, console, display,
    // disk, tape, communication adapter, any other type.
    static const UINT kIcons[9] = {IDI_DEV_CARD, IDI_DEV_CARD, IDI_DEV_PRINTER, IDI_DEV_CONSOLE, IDI_DEV_DISPLAY,
                                   IDI_DEV_DISK, IDI_DEV_TAPE, IDI_DEV_COMM, IDR_MAINFRAME};
    if (!g_hDevClassIcons[nClass])
        g_hDevClassIcons[nClass] = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kIcons[nClass]));
    return g_hDevClassIcons[nClass];
}
