// StackWalk.h: the call stack of a faulting thread for the crash report:
// with the debug-help symbol engine (symbol names and source lines where
// debug information exists) or, without it, by following saved frame
// pointers. Frames are kept as pairs: instruction address, frame address.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/CString.h"

// Starts the symbol engine for the process (undecorated names, deferred
// loads, line numbers); on failure the report line that says so.
bool InitSymbolEngine(HANDLE hProcess, CString& strFailure);
void CleanupSymbolEngine(HANDLE hProcess);

// The frames the symbol engine walks from the registers (engine started).
std::vector<DWORD> WalkSymbolicFrames(HANDLE hProcess, HANDLE hThread, const CONTEXT& context);
// The frames along the chain of saved frame pointers: the registers' own
// first, then each return address; it stops at a frame pointer that is not
// 4-byte aligned, not above the one before, or not readable.
std::vector<DWORD> WalkFramePointers(const CONTEXT& context);
// The frames while the faulting stack still exists: symbolic when the
// engine starts, else along the frame pointers.
std::vector<DWORD> CaptureStackFrames(HANDLE hProcess, HANDLE hThread, const CONTEXT& context);
