// NumberParse.h: strict conversions of decimal and hexadecimal texts, as the
// configuration parser and the dialogs use them.
//
// A number is accepted only when the whole text is digits (decimal: 0-9, an
// optional leading '-' or '+' for the signed form only; hexadecimal: 0-9 A-F
// a-f, no "0x" prefix), with no blanks, and its value fits the target type.
// Leading zeros are allowed. On failure the result is false and the out value
// is left as it was, so callers may pre-load their default.
#pragma once

#include "platform/Types.h"

bool StringToUINT(const char* psz, UINT& nValue);
bool StringToINT(const char* psz, INT& nValue);
bool StringToWORD(const char* psz, WORD& nValue);
bool StringToUINT64(const char* psz, UINT64& nValue);
bool HexStringToWORD(const char* psz, WORD& nValue);
bool HexStringToUINT(const char* psz, UINT& nValue);
bool HexStringToUINT64(const char* psz, UINT64& nValue);

// True when the text is 1 to nMaxLength characters (0 = any length), all of
// them decimal (hexadecimal, either case) digits. The empty text is false.
bool IsNumericString(const char* psz, int nMaxLength = 0);
bool IsHexString(const char* psz, int nMaxLength = 0);

// The value of a hexadecimal digit (either case), or -1.
int HexDigitValue(char ch);
