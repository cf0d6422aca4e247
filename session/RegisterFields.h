// RegisterFields.h: the 54 register-group status lines of the emulator
// ("GR0-3=...", "64_CR8-9=...", "VR04=..."), in the order of their private
// messages. Window-free.
#pragma once

#include <cstddef>

#include "platform/Types.h"

enum { kRegisterFieldCount = 54 };

struct SRegisterField {
    const char* pszKeyword;     // as reported, "64_" included
    UINT nMessage;              // the view's private message for this field
    size_t nBufferSize;         // the stored text is cut at nBufferSize - 1
    bool bDropPrefix;           // stored without the leading "64_"
};

// The field table, kRegisterFieldCount rows, in message order.
const SRegisterField& RegisterField(int nIndex);

// Index of the field whose keyword starts the nLength characters at pLine,
// or -1 when none does.
int FindRegisterField(const char* pLine, size_t nLength);
