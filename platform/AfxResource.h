// AfxResource.h: the module the program's resources (strings, dialogs, menus,
// bitmaps) are loaded from, and the program's instance handle. Both default
// to the program's own module.
#pragma once

#include "platform/Types.h"

HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hResource);
HINSTANCE AfxGetInstanceHandle();
