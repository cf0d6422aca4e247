// ValueConversions.h: small conversions between the emulator's configuration
// words and the console's values: engine types, architecture modes, OS
// tailoring flags, storage sizes with unit letters, digit grouping and the
// host's time-zone offset text. Free functions without state, except the
// process-wide time-zone text that GetTimeZoneOffsetString fills once.
#pragma once

#include "platform/CArray.h"
#include "platform/CList.h"
#include "platform/CString.h"
#include "platform/Types.h"

// Engine types of the ENGINES statement: "CP" 0, "IL" 1, "AP" 2, "IP" 3.
enum { kEngineTypeCount = 4 };
// Index of the engine type name (case-insensitive); -1 when unknown.
int EngineTypeIndex(const char* pszName);
// Name of an engine type; "CP" for an index outside the table.
const char* EngineTypeName(int nIndex);
// Name of an engine type for the writer; "??" for an index outside the table.
const char* EngineTypeText(int nIndex);

// Architecture modes: 0 S/370, 1 ESA/390, 2 z/Arch.
enum { kArchS370 = 0, kArchESA390 = 1, kArchZArch = 2 };
// "S/370", "ESA/390" or "z/Arch"; empty for any other mode.
const char* ArchModeName(int nMode);
// Mode of an architecture name or one of its aliases (case-insensitive); -1 when unknown.
int ArchModeFromName(const char* pszName);

// OS tailoring flag of a name (case-insensitive); 0 when unknown.
WORD OsTailorFlagFromName(const char* pszName);
// The names of the flags set in the mask, in table order; one empty name more
// when any of the low bits 0x0001 to 0x0040 (no name of their own) is set.
void OsTailorNamesFromMask(WORD wMask, CStringArray& names);

// Unit letter of the largest unit ("BKMGTPE") that divides the size exactly,
// searched downwards from the first unit at least as large as the size; 0 when
// the size is beyond the largest unit. The multiplier is stored when asked for.
char GetSizeSuffix(UINT64 ullSize, UINT64* pMultiplier = nullptr);
// Multiplier of a unit letter in either case; 0 for any other character.
UINT64 SizeSuffixMultiplier(char chUnit);
// "0" for 0; with bSuffix the size in its unit ("3M", "1536B"); without it the
// size in whole megabytes, rounded to the nearest one.
CString FormatSizeWithSuffix(UINT64 ullSize, bool bSuffix);

// Trims the digit text in place and groups it by threes from the right with
// the separator ("1234567" -> "1,234,567"); returns the grouped text, which
// is also left in strDigits.
CString InsertThousandsSeparators(char chSeparator, CString& strDigits);
// The decimal value grouped by threes.
CString FormatThousands(UINT64 ullValue, char chSeparator);

// The host's standard time-zone offset as "+hhmm" (east of universal time) or
// "-hhmm"; empty when the zone is universal time or cannot be asked for.
extern CString g_strTzOffset;
// Offset text of a bias in minutes (universal time = local time + bias).
CString FormatTimeZoneOffset(LONG lBiasMinutes);
// Fills g_strTzOffset from the system's time-zone information; once at start-up.
void GetTimeZoneOffsetString();

// Removes every blank (g_strBlanks) from the text, in place; returns the result.
CString RemoveBlanks(CString& str);
CString RemoveBlanks(const char* psz);
// RemoveBlanks, then every "/" written as " / ".
CString RemoveBlanksSpacedSlash(CString& str);
// The items in order, each quoted with '"' when needed, separated by one blank.
CString BuildQuotedArgList(const CStringList& items);

// Descriptor bits of ParseNumberHexOrDec; the low 8 bits hold a length.
enum : WORD {
    kLiteral0x = 0x8000,         // "0x..." form
    kLiteralXQuote = 0x4000,     // "x'...'" form
    kLiteralNotHex = 0x0800,     // the body holds a non-hexadecimal character
    kLiteralOddLength = 0x0400,  // the body has an odd number of digits
    kLiteralTooLong = 0x0200,    // body of 255 or more (a plain text: 128 or more)
};
// Classifies a literal of the fields that accept hexadecimal constants.
WORD ParseNumberHexOrDec(const char* psz);

// A-Z, '@', '$' or '#': the characters a name may begin with.
bool IsNameFirstChar(char ch);
// A-Z or 0-9.
bool IsUpperAlnumChar(char ch);
