// CDevListEntry.h: CDevListEntry, one device as the running emulator reports
// it in its device list: where it is, what it is, its four status flags and
// whether the device-list bar has switched CCW tracing on for it.
// Window-free.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

struct SDeviceStatusLine;

// State bits: the report's action letter (incremental lists only) and the
// four status characters of the report, first to fourth.
enum : WORD {
    kDevListAdded = 0x8000,
    kDevListDeleted = 0x4000,
    kDevListChanged = 0x2000,
    kDevListOpened = 0x0008,
    kDevListBusy = 0x0004,
    kDevListIntPending = 0x0002,
    kDevListStatus4 = 0x0001,
    kDevListStatusBits = 0x000F,
};

class CDevListEntry {
public:
    // Fills the entry from the texts of one device status line: the
    // channel-subsystem digit character ('0' when none was reported), the
    // device number (hexadecimal, or "SYSG"), the device type, the class
    // word, the four '0'/'1' status characters, the rest of the line and
    // the action letter ('A', 'C', 'D', or 0 for a line of a full list).
    // A deleted device gets only its number, channel subsystem and the
    // deleted bit. Null texts count as empty.
    void SetFromStatusFields(char chLcss, const char* pszDevnum, const char* pszType, const char* pszClass,
                             const char* pszStatus, const char* pszRest, char chAction);
    // The same from a line the session's device-line parser has taken apart.
    void SetFromStatusLine(const SDeviceStatusLine& line);

    // (channel-subsystem id << 16) + device number.
    int GetKey() const { return ((int)m_bLcss << 16) + m_wDevnum; }
    bool IsSysg() const { return m_strDevType.CompareNoCase("SYSG") == 0; }

    bool operator==(const CDevListEntry& o) const;
    bool operator!=(const CDevListEntry& o) const { return !(*this == o); }

    BYTE m_bLcss = 0;          // channel-subsystem id
    WORD m_wDevnum = 0;        // 0 for the SYSG console
    WORD m_wState = 0;         // kDevList* bits
    CString m_strDevType;      // "3420", "SYSG" ...
    CString m_strClass;        // the class word: "DASD", "TAPE" ...
    CString m_strDesc;         // file name and options as the emulator shows them
    BYTE m_bCCWTrace = 0;      // set by the bar while it traces the device's CCWs
};
