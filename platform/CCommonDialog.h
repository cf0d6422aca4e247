// CCommonDialog.h: the base of the wrappers of the system's common dialogs
// (font, colour). The system builds and runs those dialogs itself; a hook
// procedure ties the object to the dialog window for the length of the run,
// so that OnInitDialog can set the title or move the window, and the
// dialog's state can be read while it is open.
#pragma once

#include "platform/CDialog.h"

class CCommonDialog : public CDialog {
public:
    explicit CCommonDialog(CWnd* pParentWnd) : CDialog((LPCSTR)nullptr, pParentWnd) {}

protected:
    // The hook's work for one message; pObject is the dialog object taken from
    // the structure that WM_INITDIALOG carries. Returns what the hook returns:
    // non-zero keeps the system's default processing from running.
    static UINT_PTR HookMessage(CCommonDialog* pObject, HWND hDlg, UINT msg);
    // The owner of the system dialog: the parent given, else the window the
    // user works in (ModalOwnerWindow).
    HWND CommonDialogOwner() const { return ModalOwner(); }
    // Lets go of the dialog window once the system's dialog function returned.
    void UnbindCommonDialog();
};
