// MacAddressText.h: the as-you-type rule of a hardware (MAC) address field:
// pairs of hexadecimal digits separated by one kind of separator ('-' or
// ':'), at most 17 characters.
#pragma once

#include "platform/CString.h"

enum MacTextResult {
    kMacTextAccepted,    // the text stands as typed
    kMacTextRewritten,   // a separator was put in before the last digit
    kMacTextRejected,    // the previous text must come back
};

// Checks the edit's new text (typed at its end). A hexadecimal digit typed
// where a separator belongs is moved behind an inserted separator (the one
// typed first, or '-' when there is none yet): strResult then holds the new
// text. A text that is empty after trimming blanks is accepted as empty.
MacTextResult FilterMACAddressText(const char* pszText, CString& strResult);
