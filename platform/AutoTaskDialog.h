// AutoTaskDialog.h: the task dialog, over comctl32 version 6's
// TaskDialogIndirect, looked up once at run time. Where that is missing, a
// message box stands in: the main instruction and the content as its text,
// the common buttons as its buttons (a dialog with its own buttons cannot be
// shown that way and fails with E_NOTIMPL).
#pragma once

#include <windows.h>
#include <commctrl.h>

// As TaskDialogIndirect: S_OK and the button, radio button and verification
// state (each out pointer may be null).
HRESULT AutoTaskDialog(const TASKDIALOGCONFIG* pConfig, int* pnButton, int* pnRadioButton, BOOL* pfVerification);

// True when the system's task dialog is there (false: the stand-in is used).
bool IsTaskDialogAvailable();
