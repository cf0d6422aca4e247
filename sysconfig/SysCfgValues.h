// SysCfgValues.h: the value conversions of the system configuration pages,
// window-free: storage sizes between bytes and the megabytes the fields
// show, the drag-factor spin's acceleration table, which engines a page
// enables and the shell-command mode's status text.
#pragma once

#include <vector>

#include "platform/CString.h"
#include "platform/Types.h"

const UINT64 kBytesPerMB = 1048576;

// The field text of a size in bytes: whole megabytes, the remainder dropped.
CString BytesToMegabytesText(UINT64 ullBytes);

// The bytes a storage field's text stands for. A text that is still what
// the stored size shows keeps the stored size (a size that is not whole
// megabytes is not cut down by an apply that did not touch it). Otherwise
// the text must be a decimal count of megabytes no greater than
// ullMaxBytes / 1 MB (refused before it is multiplied, so that it cannot
// wrap around). False, ullBytes unchanged, for a text that is not such a
// count.
bool MegabytesTextToBytes(const char* pszText, UINT64 ullStoredBytes, UINT64 ullMaxBytes, UINT64& ullBytes);

// One step of the drag-factor spin's acceleration: after nSec seconds held,
// nInc steps at a time.
struct SpinAccel {
    UINT nSec;
    UINT nInc;
};
// k = trunc(log10((max - min) / min) + 0.5) - 1 entries, entry i waiting
// 3 * (i + 1) seconds and stepping by 10 to the power i. None when k < 1,
// and none when min <= 0 or min is not below max (no division by zero);
// at most ten (10 to the power 9 is the largest step a spin can hold).
std::vector<SpinAccel> DragFactorAcceleration(double dMin, double dMax);

// Whether the combo box of processor n (0-31) of the engines page that
// starts at engine nFirst is enabled for this maximum CPU count.
bool IsEngineEnabled(UINT nFirst, UINT n, int nMaxCpu);

// The status shown beside the shell-command box: "(disabled)" for 0,
// "(enabled)" for 1, "(only from cmdline)" for 2; "" for any other mode.
const char* ShellCmdModeText(int nMode);
