// HexRender.h: hexadecimal and printable renderings of bytes, for the storage
// display and its find texts.
#pragma once

#include <cstddef>

#include "platform/CString.h"
#include "platform/Types.h"

// Two upper-case hexadecimal digits a byte, no separators ("C1C2F0").
CString MakeHex(const BYTE* p, size_t n);

// One character a byte: the byte itself when it is printable ASCII (0x20 to
// 0x7E), else chSubst. With bEbcdic the bytes are EBCDIC (code page 37) and
// are translated first.
CString MakePrt(const BYTE* p, size_t n, bool bEbcdic = false, char chSubst = '.');
