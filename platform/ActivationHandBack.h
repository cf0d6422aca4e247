// ActivationHandBack.h: destroying an owned window hands the activation it
// held back to the window it belongs to.
//
// When the active window goes, the system activates its owner's top-level
// window, but only when that window can take the activation at once. An
// owned window destroyed while a modal window of its own shows (a message
// box it opened) takes that box with it, and the owner is still disabled
// by the box's modal state, which ends only when the box's loop has
// returned: no window is left active and every key is lost until the user
// clicks a window.
#pragma once

#include <windows.h>

// Destroys hWnd. When hWnd is an owned window and it, or a window it owns,
// is the thread's active window, the activation goes back to the top-level
// window of hWnd's owner: at once when that window is enabled, else as soon
// as the thread's queue is next idle (the modal loops that went with hWnd
// have returned and enabled it again), unless another window has taken the
// activation by then.
BOOL DestroyWindowHandingBackActivation(HWND hWnd);
