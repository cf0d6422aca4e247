// TailorFlags.cpp: the tailoring boxes and the ECPS:VM memory.
#include "sysconfig/TailorFlags.h"

#include "config/CVornConfigFile.h"

WORD TailorBit(int nBox)
{
    return (WORD)(0x8000u >> nBox);
}

void UnpackTailorFlags(WORD wTailor, BOOL states[kTailorBoxes])
{
    for (int i = 0; i < kTailorBoxes; ++i)
        states[i] = (wTailor & TailorBit(i)) ? TRUE : FALSE;
}

WORD PackTailorFlags(const BOOL states[kTailorBoxes], WORD wTailor)
{
    for (int i = 0; i < kTailorBoxes; ++i) {
        wTailor = (WORD)(wTailor & ~TailorBit(i));
        if (states[i])
            wTailor = (WORD)(wTailor | TailorBit(i));
    }
    return wTailor;
}

void ClickTailorBox(BOOL states[kTailorBoxes], int nBox, BOOL bChecked)
{
    bool bExclusive = nBox == kTailorQuiet || nBox == kTailorNull;
    if (bChecked && bExclusive)
        for (int i = 0; i < kTailorBoxes; ++i)
            states[i] = FALSE;
    if (bChecked && !bExclusive)
        states[kTailorQuiet] = states[kTailorNull] = FALSE;
    states[nBox] = bChecked ? TRUE : FALSE;
}

void EnableEcpsVm(CVornConfigFile& edited, const EcpsVmMemory& memory)
{
    edited.m_nEcpsvmLevel = (int)memory.nLevel;
    edited.m_bEcpsvmTrap = memory.bTrap;
}

void DisableEcpsVm(CVornConfigFile& edited, const CVornConfigFile& applied)
{
    edited.m_nEcpsvmLevel = applied.m_nEcpsvmLevel;
    edited.m_bEcpsvmTrap = applied.m_bEcpsvmTrap;
}
