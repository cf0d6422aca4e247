// DeviceStatusLine.h: one device line of the emulator's device list, parsed
// into the fields of a device-list entry. Window-free.
//
// Old format (a full list):  "DEV=" [L ":"] dddd " " tttt " " cccc " " ffff " " rest
// New format (incremental):  "DEV" a "=" [L ":"] dddd ...   a = A add, C change, D delete
// End of a list: "DEV=X" (old format) or "DEVX=" (new format).
// L is the channel-subsystem digit, dddd the device number in hexadecimal
// (or "SYSG", the integrated console, number 0), tttt the device type, cccc
// the class word, ffff four '0'/'1' status flags, rest the argument text.
// A device without arguments comes without the rest (its trailing blank is
// trimmed off with the line's white space).
#pragma once

#include <cstddef>
#include <string>

#include "platform/Types.h"

enum EDeviceLineKind {
    kDevLineNone,       // not a device line: the console shows it
    kDevLineEntry,      // a device of the list
    kDevLineEnd,        // the end of a list
};

// State bits of a device-list entry.
enum : WORD {
    kDevStateAdded = 0x8000,
    kDevStateDeleted = 0x4000,
    kDevStateChanged = 0x2000,
};

struct SDeviceStatusLine {
    EDeviceLineKind eKind = kDevLineNone;
    bool bNewFormat = false;    // "DEVA=" and the like; else "DEV="
    char chAction = 0;          // 'A', 'C', 'D' (new format), 0 (old format)
    BYTE nLcss = 0;             // channel-subsystem id, 0 when not reported
    bool bLcssReported = false; // the number came as "L:dddd"
    WORD wDevnum = 0;           // 0 for "SYSG"
    WORD wState = 0;            // kDevState* and the flags 0x8, 0x4, 0x2, 0x1
    std::string strType;        // 4 characters as reported
    std::string strClass;       // 4 characters as reported
    std::string strRest;        // argument text, may be empty
};

// Parses the nLength characters at pLine. A line that begins like a device
// line but is cut short or garbled is no device line (eKind kDevLineNone).
// A deleted device ("DEVD=") needs only its number and gets only its number
// and the deleted bit.
SDeviceStatusLine ParseDeviceStatusLine(const char* pLine, size_t nLength);

// The device key of the list: (channel-subsystem id << 16) + device number.
inline DWORD DeviceKey(const SDeviceStatusLine& line)
{
    return ((DWORD)line.nLcss << 16) + line.wDevnum;
}
