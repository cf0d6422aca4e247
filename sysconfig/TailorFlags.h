// TailorFlags.h: the Architecture page's working state, window-free: the
// operating-system tailoring word as nine check states, two of them
// ("Quiet" and "Null") exclusive, and the ECPS:VM level and trap that are
// remembered while ECPS:VM is switched off.
#pragma once

#include "platform/Types.h"

class CVornConfigFile;

enum { kTailorBoxes = 9, kTailorQuiet = 0, kTailorNull = 8 };

// The bit of each box, from "Quiet" (0x8000) down to "Null" (0x0080).
WORD TailorBit(int nBox);
// The word's bits into the nine states.
void UnpackTailorFlags(WORD wTailor, BOOL states[kTailorBoxes]);
// The nine states into the word's high nine bits; the low seven stay.
WORD PackTailorFlags(const BOOL states[kTailorBoxes], WORD wTailor);
// A click on a box that now shows bChecked. An exclusive box that is
// checked clears every other; a combinable box that is checked clears
// "Quiet" and "Null".
void ClickTailorBox(BOOL states[kTailorBoxes], int nBox, BOOL bChecked);

// ECPS:VM's level and trap as chosen while it was on.
struct EcpsVmMemory {
    UINT nLevel = 0;
    bool bTrap = false;
};
// Switching ECPS:VM on: the edited configuration takes the remembered level
// and trap back.
void EnableEcpsVm(CVornConfigFile& edited, const EcpsVmMemory& memory);
// Switching it off: the edited level and trap return to the last-applied
// ones (the remembered ones are kept for the next switch on).
void DisableEcpsVm(CVornConfigFile& edited, const CVornConfigFile& applied);
