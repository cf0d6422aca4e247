// ChildCounts.h: how many child processes the console serves, window-free.
#pragma once

// More than one utility runs, or the emulator runs beside at least one.
inline bool HasMultipleChildren(int nUtilities, bool bEmulatorRuns)
{
    return nUtilities > 1 || (bEmulatorRuns && nUtilities > 0);
}
