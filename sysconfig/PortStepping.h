// PortStepping.h: what the port spins of the Settings and HTTP server pages
// step to, and the blank-free user-id and password edits' text with the
// caret kept. Window-free.
#pragma once

#include "platform/CString.h"

// A console or SYSG console port stepped by nDelta from nPort: upwards
// 0, 23, 1024, 1025 ... 65535, downwards 1024, 23, 0. False when nothing
// happens (65535 stepped up, 0 stepped down). The sum is signed, so a small
// typed value stepped down lands on 0 and never wraps.
bool StepConsolePort(int nPort, int nDelta, int& nNew);
// The HTTP port stepped by nDelta: 80 and 1024 follow each other, then
// 1024 ... 65535. False when nothing happens (65535 up, 80 down).
bool StepHttpPort(int nPort, int nDelta, int& nNew);

// str without any blank; nStart and nEnd (a selection of str) move left by
// the blanks removed before them, so the caret stays after what was typed.
CString RemoveBlanksKeepSelection(const CString& str, int& nStart, int& nEnd);
