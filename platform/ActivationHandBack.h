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

// Makes the thread's current message time (GetMessageTime) the present.
// Wine gives the display's keyboard focus to a window that takes the focus
// with the time of the message the thread is handling, and the display
// ignores a focus request older than its last focus change. A window that
// goes on a key pressed before the display had given it the keyboard (the
// key arrived while the window was still being shown, on a busy machine)
// hands the activation back with the key's time, older than its own focus:
// the display keeps the keyboard on the window that goes, loses it with
// that window, and Wine then takes the owner's stale loss of the focus as
// the user leaving the program: no window is active, no key arrives until a
// click. Called before a hand-back, the focus request carries the present.
// It also lets the display's pending focus notices in (while the window
// that goes is still the active one, where they change nothing).
void TakePresentMessageTime();

// Gives the activation back to hTop, the top-level window of a window that
// went while hTop was still disabled (the system then gave the activation
// to no window, or to the desktop): the foreground when the program held
// it, else hTop's activation within the program. Nothing when hTop cannot
// take it (hidden or disabled).
void HandActivationBackTo(HWND hTop);

// While one lives on the thread, a dialog box of the thread (the system's
// message boxes, task dialogs, file, font and folder dialogs, and the
// program's own) handles each key and mouse button at the present message
// time, so that the hand-back of a box that such input ends reaches the
// display, as TakePresentMessageTime does for the program's own loops.
class CPresentTimeForDialogInput {
public:
    CPresentTimeForDialogInput();
    ~CPresentTimeForDialogInput();
    CPresentTimeForDialogInput(const CPresentTimeForDialogInput&) = delete;
    CPresentTimeForDialogInput& operator=(const CPresentTimeForDialogInput&) = delete;
};

// Destroys hWnd. When hWnd is an owned window and it, or a window it owns,
// is the thread's active window, the activation goes back to the top-level
// window of hWnd's owner: at once when that window is enabled, else as soon
// as the thread's queue is next idle (the modal loops that went with hWnd
// have returned and enabled it again), unless another window has taken the
// activation by then.
BOOL DestroyWindowHandingBackActivation(HWND hWnd);
