// DeviceStatusLine.cpp: device lines of the emulator's device list.
#include "session/DeviceStatusLine.h"

#include <cstring>

namespace {

// Offsets from the device number: type, class, flags, rest.
const size_t kTypeAt = 5, kClassAt = 10, kFlagsAt = 15, kRestAt = 20;
const size_t kFieldsLength = 19;    // number through the last flag

bool HexDigitValue(char ch, WORD& wDigit)
{
    if (ch >= '0' && ch <= '9')
        wDigit = (WORD)(ch - '0');
    else if (ch >= 'A' && ch <= 'F')
        wDigit = (WORD)(ch - 'A' + 10);
    else if (ch >= 'a' && ch <= 'f')
        wDigit = (WORD)(ch - 'a' + 10);
    else
        return false;
    return true;
}

bool ParseDevnum(const char* p, WORD& wDevnum)
{
    if (std::memcmp(p, "SYSG", 4) == 0) {
        wDevnum = 0;
        return true;
    }
    wDevnum = 0;
    for (int i = 0; i < 4; ++i) {
        WORD wDigit;
        if (!HexDigitValue(p[i], wDigit))
            return false;
        wDevnum = (WORD)((wDevnum << 4) | wDigit);
    }
    return true;
}

bool ParseFlags(const char* p, WORD& wState)
{
    static const WORD kBits[4] = { 0x8, 0x4, 0x2, 0x1 };
    for (int i = 0; i < 4; ++i) {
        if (p[i] == '1')
            wState |= kBits[i];
        else if (p[i] != '0')
            return false;
    }
    return true;
}

// Type, class, flags and rest after the device number at p (nLeft
// characters from the number on).
bool ParseFields(const char* p, size_t nLeft, SDeviceStatusLine& line)
{
    if (nLeft < kFieldsLength || p[4] != ' ' || p[9] != ' ' || p[14] != ' ')
        return false;
    if (!ParseFlags(p + kFlagsAt, line.wState))
        return false;
    line.strType.assign(p + kTypeAt, 4);
    line.strClass.assign(p + kClassAt, 4);
    if (nLeft == kFieldsLength)
        return true;    // no arguments, the blank before them trimmed off
    if (p[kFieldsLength] != ' ')
        return false;
    line.strRest.assign(p + kRestAt, nLeft - kRestAt);
    return true;
}

WORD ActionState(char chAction)
{
    switch (chAction) {
    case 'A': return kDevStateAdded;
    case 'D': return kDevStateDeleted;
    case 'C': return kDevStateChanged;
    default: return 0;
    }
}

SDeviceStatusLine ParseEntry(const char* p, size_t nLeft, bool bNew, char chAction)
{
    SDeviceStatusLine line;
    line.bNewFormat = bNew;
    line.chAction = chAction;
    if (nLeft >= 2 && p[0] >= '0' && p[0] <= '9' && p[1] == ':') {
        line.nLcss = (BYTE)(p[0] - '0');
        line.bLcssReported = true;
        p += 2;
        nLeft -= 2;
    }
    if (nLeft < 4 || !ParseDevnum(p, line.wDevnum))
        return SDeviceStatusLine();
    line.wState = ActionState(chAction);
    if (chAction == 'D') {
        if (nLeft > 4 && p[4] != ' ')
            return SDeviceStatusLine();
    } else if (!ParseFields(p, nLeft, line)) {
        return SDeviceStatusLine();
    }
    line.eKind = kDevLineEntry;
    return line;
}

}  // namespace

SDeviceStatusLine ParseDeviceStatusLine(const char* pLine, size_t nLength)
{
    SDeviceStatusLine line;
    if (nLength < 5 || std::memcmp(pLine, "DEV", 3) != 0)
        return line;
    bool bNew = pLine[3] != '=';
    if (bNew && pLine[4] != '=')
        return line;
    char chAction = bNew ? pLine[3] : 0;
    const char* p = pLine + (bNew ? 5 : 4);
    size_t nLeft = nLength - (bNew ? 5 : 4);
    if ((bNew && chAction == 'X') || (!bNew && nLeft == 1 && p[0] == 'X')) {
        line.eKind = kDevLineEnd;
        line.bNewFormat = bNew;
        return line;
    }
    if (bNew && chAction != 'A' && chAction != 'C' && chAction != 'D')
        return line;
    return ParseEntry(p, nLeft, bNew, chAction);
}
