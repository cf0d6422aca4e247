// DeviceChoiceTexts.h: what the Operations menu says while it chooses the
// card reader or tape drive to act on, window-free.
#pragma once

enum EDeviceChoice { kChoiceLoadReader, kChoiceLoadTape, kChoiceUnloadTape, kDeviceChoiceCount };

struct SDeviceChoiceTexts {
    unsigned short wClass;   // the device class chosen from
    const char* pszNone;     // the message when the class has no device
    const char* pszTitle;    // the select-device dialog's caption
    const char* pszLabel;    // its combo box label
    const char* pszPrompt;   // its prompt
};

const SDeviceChoiceTexts& DeviceChoiceTexts(EDeviceChoice eChoice);
