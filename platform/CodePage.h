// CodePage.h: translation between the system code page (Latin-1) and EBCDIC
// code page 37, as the storage display and its searches need it. The
// translation is one-to-one: a round trip gives back every byte.
#pragma once

#include <cstddef>

#include "platform/CString.h"
#include "platform/Types.h"

BYTE AsciiToEbcdic(BYTE b);
BYTE EbcdicToAscii(BYTE b);

// Translates nLen bytes in place, to EBCDIC (bToEbcdic) or from it.
void TranslateString(BYTE* pBuf, size_t nLen, bool bToEbcdic);
// The translated copy of a text of any bytes (NULs included).
CString TranslateString(const CString& str, bool bToEbcdic);
