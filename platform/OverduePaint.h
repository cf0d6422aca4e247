// OverduePaint.h: paints that a flood of posted messages would hold back.
//
// GetMessage hands out WM_PAINT only when no posted message waits. A child
// process that floods the console keeps posted messages waiting nearly all
// the time, and windows invalidated meanwhile (bars whose values changed,
// bars laid out again) stayed erased and unpainted for seconds. The message
// loops call PaintOverdueWindows after each message they dispatch: every
// kOverduePaintLookMs it asks whether a window of the thread waits for its
// paint and, when windows waited at two looks in a row, hands out the
// waiting WM_PAINT messages, as many as fit in kOverduePaintStepMs after
// each message, until none waits.
#pragma once

#include <windows.h>

// How often the loops look for windows waiting to be painted (ms): a
// window waits at most about twice this long, plus the messages handled
// meanwhile.
const DWORD kOverduePaintLookMs = 30;
// The paints given out after one message stop once they took this long
// (ms): a whole window waiting is painted over several messages, each step
// of the loop staying short.
const DWORD kOverduePaintStepMs = 10;

// Paints the calling thread's windows that wait for WM_PAINT (above). Costs
// one clock read between looks.
void PaintOverdueWindows();
