// OverduePaint.h: paints that a flood of posted messages would hold back.
//
// GetMessage hands out WM_PAINT only when no posted message waits. A child
// process that floods the console keeps posted messages waiting nearly all
// the time, and windows invalidated meanwhile (bars whose values changed,
// bars laid out again) stayed erased and unpainted for seconds. The handlers
// of the flood's own messages (the console's pending lines, the status
// fields) call PaintOverdueWindows when they are done: every
// kOverduePaintLookMs it asks whether a window of the thread waits for its
// paint and, when one does, hands out the waiting WM_PAINT messages, as
// many as fit in kOverduePaintStepMs after each message, until none waits
// (a paint the loop would have given out next anyway only comes sooner).
// Being in the handlers, it works in every loop that dispatches them, the
// system's own too (a menu's, a message box's, a window's move or size);
// posted messages of any other kind, such as a run of layout commands, leave
// the paints to the loop, which gives them out once the queue is empty: a
// window painted between layouts costs each one more.
#pragma once

#include <windows.h>

// How often the handlers look for windows waiting to be painted (ms): a
// window waits at most about this long, plus the messages handled meanwhile
// and the paints given out before its own.
const DWORD kOverduePaintLookMs = 30;
// The paints given out after one message stop once they took this long
// (ms): a whole window waiting is painted over several messages, each step
// staying short.
const DWORD kOverduePaintStepMs = 10;

// Paints the calling thread's windows that wait for WM_PAINT (above). Costs
// one clock read between looks.
void PaintOverdueWindows();
