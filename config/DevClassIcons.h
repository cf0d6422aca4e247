// DevClassIcons.h: the icons by device class index (0 card reader to 8
// other types), each loaded at its first use. The device dialogs show their
// class's icon as their small icon; the utility dialogs and their runs the
// disk (5) or tape (6) icon.
#pragma once

#include <windows.h>

extern HICON g_hDevClassIcons[9];

// The icon of a device class, the program's icon resource of that class
// (IDI_DEV_*, shared), loaded on the first call and kept in
// g_hDevClassIcons; null for an index out of range or a missing resource.
HICON DevClassIcon(int nClass);
