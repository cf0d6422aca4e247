// DeviceChoiceTexts.cpp: the Operations menu's device choice texts.
#include "session/DeviceChoiceTexts.h"

#include "config/DevClass.h"

namespace {

const char kNoTapes[] = "There are no Tape Devices defined in the current configuration";

const SDeviceChoiceTexts kTexts[kDeviceChoiceCount] = {
    {DEVCLASS_RDR, "There are no Card Readers defined in the current configuration", "Load Card Reader",
     "Card Reader:",
     "The current configuration contains multiple Card Readers. Please select which Card Reader you wish to load."},
    {DEVCLASS_TAPE, kNoTapes, "Load Tape", "Tape Drive:",
     "The current configuration contains multiple Tape Drives. Please select which Tape Drive you wish to load."},
    {DEVCLASS_TAPE, kNoTapes, "Unload Tape", "Tape Drive:",
     "The current configuration contains multiple Tape Drives. Please select which Tape Drive you wish to unload."},
};

}  // namespace

const SDeviceChoiceTexts& DeviceChoiceTexts(EDeviceChoice eChoice)
{
    return kTexts[eChoice >= 0 && eChoice < kDeviceChoiceCount ? eChoice : kChoiceLoadReader];
}
