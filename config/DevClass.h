// DevClass.h: device classes. Which device types are card readers, disks,
// tapes and so on; the class words the emulator reports; the display words
// and group headings of the configuration writer and the device lists.
// All tables are constant: any thread may call these functions.
#pragma once

#include "platform/CString.h"

enum DevClass : WORD {
    DEVCLASS_RDR = 0,   // card reader
    DEVCLASS_PCH = 1,   // card punch
    DEVCLASS_PRT = 2,   // line printer
    DEVCLASS_LOG = 3,   // console printer
    DEVCLASS_3270 = 4,  // display terminal
    DEVCLASS_DISK = 5,
    DEVCLASS_TAPE = 6,
    DEVCLASS_COMM = 7,  // communication adapter
    DEVCLASS_UNKNOWN = 8,
    DEVCLASS_COUNT = 9
};

struct DevClassGroup {
    const char* pszDisplayWord;
    const char* pszHeading;
};

// Indexed by class: display word and the writer's group heading.
extern const DevClassGroup g_DevClassGroups[DEVCLASS_COUNT];

// Class of a device type; DEVCLASS_UNKNOWN for a type not in the table.
WORD DevClassFromType(WORD wDevType);

// Class of a class word of the emulator's device reports ("DASD", "CTCA" ...),
// blanks trimmed, case significant; DEVCLASS_UNKNOWN when absent.
WORD DevClassFromName(const CString& strWord);

// Display word of the class that DevClassFromName gives ("DASD" -> "DISK").
CString DevClassDisplayName(const CString& strWord);
