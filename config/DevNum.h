// DevNum.h: the text form of a device number with its channel-subsystem id
// (LCSS) and the parser that reads it back. A device number value holds the
// device number in bits 0-15 and the LCSS in bits 16-23; the configuration's
// device map uses the same value as its key.
#pragma once

#include "platform/CString.h"

// Builds the map key / device number value from its two parts.
inline DWORD MakeDevnumKey(BYTE bLcss, WORD wDevnum) { return ((DWORD)bLcss << 16) + wDevnum; }

// "%04X" of the device number, or "%1d:%04X" when the LCSS is not 0.
CString FormatDevnum(DWORD dwDevnum);

// Accepts "HHH", "HHHH", "L:HHH" and "L:HHHH" (L one decimal digit); the text
// is not trimmed. On failure the outputs become 0xFFFF and 255 and the message,
// when asked for, says which forms are valid.
bool ParseDevnum(const CString& strText, WORD& wDevnum, BYTE& bLcss, CString* pstrMsg = nullptr);

// ParseDevnum folded into one value (LCSS << 16) + device number; nothing is
// stored on failure.
bool ParseDevnumLcss(const CString& strText, DWORD* pdwValue);

// True when a statement's first word makes it a device statement: a device
// number ("0120", "1:0120"), or a list of device numbers and ranges
// ("0120-0122,0130.2").
bool IsDeviceStatementWord(const CString& strWord);
