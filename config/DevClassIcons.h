// DevClassIcons.h: the small icons by device class index (0 card reader to
// 8 other types), loaded by the application at start-up. The device dialogs
// show their class's icon; the utility dialogs and their runs the disk (5)
// or tape (6) icon.
#pragma once

#include <windows.h>

extern HICON g_hDevClassIcons[9];

// The icon of a device class: the loaded one, else the program's own icon
// resource of that class (IDI_DEV_*, shared); null when neither exists.
HICON DevClassIcon(int nClass);
