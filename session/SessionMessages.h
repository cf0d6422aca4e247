// SessionMessages.h: the private window messages of the emulator session, each
// a fixed offset from WM_APP, posted to the view window.
#pragma once

#include "platform/Types.h"

#ifndef WM_APP
#define WM_APP 0x8000   // the host build: Windows' value
#endif

// A utility's progress changed; lParam = the CPipedProcessCtl. At most one is
// outstanding per controller.
const UINT WM_UTILITY_STATUS = WM_APP + 0x0B;
// A progress window's Cancel; lParam = the CPipedProcessCtl.
const UINT WM_UTILITY_CANCEL = WM_APP + 0x0C;
// A child process ended (or could not start); wParam = its exit code (or the
// system's error code), lParam = the CPipedProcessCtl.
const UINT WM_UTILITY_ENDED = WM_APP + 0x0D;
