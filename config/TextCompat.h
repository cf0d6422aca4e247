// TextCompat.h: the few text checks the device-number and image code needs,
// kept here until the companion text functions are in the platform layer.
#pragma once

#include "platform/CString.h"

bool IsNumericString(const CString& str);
bool IsHexString(const CString& str);
bool StringToWORD(const CString& str, WORD& w);
bool HexStringToWORD(const CString& str, WORD& w);
