// SteadyClock.h: milliseconds on the steady clock, by which the window's
// short steps are timed: GetTickCount moves in steps of about 16 ms under
// Wine, longer than a step's whole budget.
#pragma once

#include <windows.h>

#include <chrono>

inline DWORD SteadyClockMs()
{
    using namespace std::chrono;
    return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
