// DevListText.h: the texts and numbers of the device-list bar that need no
// window: a device item's text and LED image, the next free device number
// of a class, and the emulator commands of the device menu and of Load
// Cards. Window-free.
#pragma once

#include <functional>

#include "devices/CDevListEntry.h"
#include "platform/CString.h"

// Images of the bar's image list: 0-8 the device classes, then the LEDs.
enum {
    kDevImageRedLed = 9,     // interrupt pending
    kDevImageYellowLed = 10, // busy
    kDevImageGreenLed = 11,  // opened
    kDevImageGrayLed = 12,   // available
};

// "%s  %s  %s": the formatted device number, the device type, the description.
CString DevListItemText(int nKey, const CDevListEntry& entry);

// The LED of the state: interrupt pending before busy before opened.
int DevListItemImage(WORD wState);

// The next free device key of a class: from one above nLastKey (the key of
// the group's last device, -1 for an empty group, which starts at 0), the
// first of 257 consecutive keys that isTaken refuses; when all are taken,
// the first candidate. With bEven (communication adapters, whose first
// address must be even) only even keys are candidates.
int NextFreeDevKey(int nLastKey, const std::function<bool(int)>& isTaken, bool bEven = false);

// The emulator command (without the "vorn " prefix, which the view gives by
// version) of a device-menu command for the device (empty for a
// command that sends nothing by itself): Start, Stop, Unload Tape,
// Subchannel Status, Attention interrupt, Delete device, and Trace CCWs,
// which switches tracing off when bTracing, on otherwise.
CString DeviceMenuCommand(UINT nID, int nKey, bool bTracing);

// Load Cards for a reader read from a file: "devinit D" followed by the
// chosen deck (quoted when needed) and the reader's other arguments, each
// after a blank when not empty. The chosen deck takes the place of the
// configured file.
CString LoadCardsCommand(int nKey, const CString& strDeck, const CString& strOtherArgs);

// Load Cards for a socket reader: "VornRdr host:port deck", the deck's name
// and extension quoted when needed; the card-submission program's title.
CString SocketLoadCardsTitle(const CString& strHostPort, const CString& strDeckName);
