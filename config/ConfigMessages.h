// ConfigMessages.h: how the window-free configuration code shows a message
// to the user. It calls ShowConfigErrorMessage; the window layer installs the
// companion library's error message box as the hook at start-up, and a test
// installs its own recorder. Without a hook the message is dropped.
#pragma once

#include "platform/Types.h"

// Text, detail text (may be empty) and the system error code of the failure.
typedef void (*ConfigErrorMessageHook)(LPCSTR pszText, LPCSTR pszDetail, DWORD dwError);

// Installs the hook and returns the previous one.
ConfigErrorMessageHook SetConfigErrorMessageHook(ConfigErrorMessageHook pfnHook);

void ShowConfigErrorMessage(LPCSTR pszText, LPCSTR pszDetail, DWORD dwError);

// A message box without a system error: main text, detail text, caption and
// the icon flags of a Windows message box (0x30 the warning icon).
typedef void (*ConfigMessageBoxHook)(LPCSTR pszMain, LPCSTR pszDetail, LPCSTR pszCaption, UINT nFlags);

ConfigMessageBoxHook SetConfigMessageBoxHook(ConfigMessageBoxHook pfnHook);

void ShowConfigMessageBox(LPCSTR pszMain, LPCSTR pszDetail, LPCSTR pszCaption, UINT nFlags);
