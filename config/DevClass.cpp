// DevClass.cpp: the device type and class word tables.
#include "config/DevClass.h"

#include <cstring>

namespace {

struct TypeClass {
    WORD wDevType;
    WORD wClass;
};

// The 45 device types the console knows; any other type is class 8.
const TypeClass kTypeClasses[] = {
    {0x1442, 0}, {0x2501, 0}, {0x3505, 0},
    {0x3525, 1},
    {0x1403, 2}, {0x3203, 2}, {0x3211, 2},
    {0x1052, 3}, {0x3215, 3},
    {0x3270, 4}, {0x3287, 4},
    {0x2305, 5}, {0x2311, 5}, {0x2314, 5}, {0x3310, 5}, {0x3330, 5}, {0x3340, 5},
    {0x3350, 5}, {0x3370, 5}, {0x3375, 5}, {0x3380, 5}, {0x3390, 5}, {0x9313, 5},
    {0x9332, 5}, {0x9335, 5}, {0x9336, 5}, {0x9345, 5}, {0x0671, 5},
    {0x3410, 6}, {0x3411, 6}, {0x3420, 6}, {0x3422, 6}, {0x3430, 6}, {0x3480, 6},
    {0x3490, 6}, {0x3590, 6}, {0x8809, 6}, {0x9347, 6}, {0x9348, 6},
    {0x3088, 7}, {0x1731, 7}, {0x1732, 7}, {0x2216, 7}, {0x8232, 7},
    {0x2703, 8},
};

struct NameClass {
    const char* pszWord;
    WORD wClass;
};

// The class words of the emulator's device reports.
const NameClass kNameClasses[] = {
    {"RDR", 0}, {"PCH", 1}, {"PRT", 2}, {"CON", 3}, {"DSP", 4}, {"DASD", 5},
    {"TAPE", 6}, {"CTCA", 7}, {"OSA", 7}, {"FCP", 8}, {"LINE", 8}, {"CHAN", 8},
};

} // namespace

const DevClassGroup g_DevClassGroups[DEVCLASS_COUNT] = {
    {"RDR", "Card Readers"},
    {"PCH", "Card Punches"},
    {"PRT", "Line Printers"},
    {"LOG", "Console Printers"},
    {"3270", "Display Terminals"},
    {"DISK", "Disk Drives"},
    {"TAPE", "Tape Drives"},
    {"COMM", "Communication Devices"},
    {"????", "(unknown device types)"},
};

WORD DevClassFromType(WORD wDevType)
{
    for (const TypeClass& tc : kTypeClasses)
        if (tc.wDevType == wDevType)
            return tc.wClass;
    return DEVCLASS_UNKNOWN;
}

WORD DevClassFromName(const CString& strWord)
{
    CString str = strWord;
    str.Trim(" \t");
    for (const NameClass& nc : kNameClasses)
        if (str == nc.pszWord)
            return nc.wClass;
    return DEVCLASS_UNKNOWN;
}

CString DevClassDisplayName(const CString& strWord)
{
    return g_DevClassGroups[DevClassFromName(strWord)].pszDisplayWord;
}
