// EnableDlgControl.h: enabling and disabling a dialog's control without
// losing the keyboard focus.
#pragma once

#include <windows.h>

// EnableWindow for a child window. Windows drops the focus when it disables
// the window that holds it (SetFocus(NULL)): a button that disables itself
// in its own click handler ("Add" once its file is in the list) left the
// dialog without a focus, so Tab, Enter and Escape did nothing until a mouse
// click. Here a control that holds the focus (itself or one of its children)
// first hands it to the next control of the dialog's tab order, as Tab
// would. Returns EnableWindow's result.
BOOL EnableDlgControl(HWND hCtrl, BOOL bEnable);
// True for a window of the dialog class (a dialog, a page of a sheet).
bool IsDialogWindow(HWND h);
