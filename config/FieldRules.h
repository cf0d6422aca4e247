// FieldRules.h: the character and name rules of the mainframe world that
// the dialogs check their fields with: dataset names and qualifiers, tape
// dataset names, volume serials, terminal groups, and remote host:port texts.
#pragma once

#include "platform/CString.h"

bool IsUpperAlphaChar(char ch);   // A-Z
bool IsDigitChar(char ch);        // 0-9
bool IsNationalChar(char ch);     // @ $ #
bool IsTapeDatasetChar(char ch);  // A-Z 0-9 @ $ # -

// Every character an ASCII letter (either case) or a digit; "" passes.
bool IsAlphanumericString(const char* psz);

// 1 to 8 characters: the first of g_strNameFirstChars, the others of
// g_strNameChars.
bool IsValidQualifier(const char* psz);
// Trims and upper-cases the text in place; 1 to 44 characters, not ending in
// '.', every part between dots a valid qualifier (so ".." fails).
bool IsValidDatasetName(CString& strName);

// 1 to 8 characters: the first A-Z @ $ #, the others IsTapeDatasetChar.
bool IsValidTapeQualifier(const char* psz);
// 1 to 17 characters; the parts between dots (empty ones skipped) are valid
// tape qualifiers.
bool IsValidTapeDatasetName(const char* psz);

// 1 to 6 characters of A-Z 0-9 @ $ #.
bool IsValidVolser(const char* psz);

// Trims the group in place. Empty passes (empty message); otherwise at most
// 8 characters, alphanumeric, starting with a letter and not a hexadecimal
// number, else false with the message.
bool ValidateTerminalGroup(CString& strGroup, CString& strMsg);

// A remote "host:port[:devnum]": at least 4 characters, no blank, '/' or
// '\', and a colon at index 2 or later.
bool IsHostPortSpec(const char* psz);
