// PumpMessages.h: handing the thread's waiting messages to their windows,
// for window tests that must see what a posted message or a resize does.
#pragma once

#include <windows.h>

namespace vorntest {

// Translates and dispatches every message waiting in the thread's queue.
inline void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

}  // namespace vorntest
