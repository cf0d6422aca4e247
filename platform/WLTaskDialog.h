// WLTaskDialog.h: task dialogs by name. Every question or warning of the
// program is a task dialog with a name beginning "WLTDI_". One whose
// verification text is kWLTDIDontAskAgain may be suppressed: when the user
// ticks it, the button chosen (other than Cancel) is stored in the settings
// store under the section "WLTaskDialogs" and the name, and later calls
// with that name return the stored button without showing anything.
#pragma once

#include <windows.h>
#include <commctrl.h>

// The verification text that makes a task dialog suppressible.
extern const wchar_t kWLTDIDontAskAgain[];

// As AutoTaskDialog; out pointers may be null. A suppressed dialog returns
// S_OK, the stored button, radio button 0 and the verification flag set.
HRESULT WLTaskDialogIndirect(LPCSTR pszName, const TASKDIALOGCONFIG* pConfig, int* pnButton,
                             int* pnRadioButton = nullptr, BOOL* pfVerificationFlagChecked = nullptr);

// Forgets a stored answer, so the dialog shows again.
BOOL WLTaskDialogForget(LPCSTR pszName);
