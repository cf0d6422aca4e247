// ModalWindowClose.h: what a close of the program may do with a box or a
// dialog of it that shows. A close never answers for the user: it ends one
// only through the Cancel that one offers, and only when the Cancel drops
// nothing the user has changed in it; any other it brings to the front,
// where it waits for the user, as the system shows a modal window when the
// user clicks a window that it disables.
#pragma once

#include <windows.h>

// Why a close may not end a modal window.
enum class ECloseWait {
    kNone,      // its Cancel ends it
    kNoCancel,  // it offers no Cancel: it asks what only the user can answer
    kEdits,     // its Cancel would drop a change the user has made in it
};

// The modal window the user works in: a shown, enabled dialog window (a box,
// a task dialog, a dialog, a property sheet) whose owner it disables; null
// when none shows (a floating bar, or a loop of no window).
HWND TopModalWindow();

// What a close may do with the modal window h. It offers a Cancel through
// its Cancel button, when it has one, shown and enabled; else through the
// close button of its caption, when its system menu holds an enabled Close
// (the boxes without Cancel have none). Its Cancel drops a change when its
// Apply button is enabled (a dialog with Apply tells so itself), or, without
// one, when the user has typed or clicked into it (DialogHasUserInput).
ECloseWait CloseWaitsAt(HWND h);

// Going from the modal window the user works in down its owners, the first
// at which a close waits (a close ends those above it); null when a close
// may end them all.
HWND ModalWindowACloseWaitsFor();

// Ends the modal window the user works in through its Cancel when a close
// may, and true; true also when none shows. Else (or when it refused the
// Cancel a close gave it) it comes to the front, and false.
bool CancelTopModalWindowForClose();

// A WM_CLOSE posted to h by another program, not the user's close of it:
// false when h is no modal window of the program, or when it is the one the
// user works in and its Cancel may end it (the close goes on to it). Else
// the close is held: true, and h (or the modal window above it) comes to
// the front.
bool HoldModalWindowAgainstClose(HWND h);

// Brings h to the front with its caption flashing.
void ShowModalWindowToUser(HWND h);
