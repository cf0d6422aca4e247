// SysStmtOperands.h: the operand parsers that the system-statement handlers
// share. Each works on the statement's token list after the keyword was
// removed, takes its operands from the head of the list, stores an accepted
// value into the member it is given and appends every problem, beginning
// with a line feed, to the statement's error text.
#pragma once

#include "platform/CList.h"
#include "platform/CString.h"
#include "platform/Types.h"

extern const char kMsgMissingParameters[];     // "\nMissing parameters"
extern const char kMsgExtraneousParameters[];  // "\nExtraneous parameters"
extern const char kMsgInvalidNumeric[];        // "\nInvalid numeric value or value out of range"

// Takes the next operand into strOperand; "Missing parameters" when there is none.
bool TakeOperand(CStringList& tokens, CString& strOperand, CString& strError);
// "Extraneous parameters" when operands are left; true when none are.
bool CheckNoMoreOperands(const CStringList& tokens, CString& strError);

// One unsigned decimal operand in nMin..nMax, then the extraneous check.
bool ParseUIntOperand(CStringList& tokens, UINT& nValue, UINT nMin, UINT nMax, CString& strError);
bool ParseUIntOperand(CStringList& tokens, int& nValue, UINT nMin, UINT nMax, CString& strError);
// One signed decimal operand in the "Limits" year-offset range, then the extraneous check.
bool ParseIntOperand(CStringList& tokens, int& nValue, CString& strError);
// One storage size (megabytes, or a number with a unit letter) in
// ullMin..ullMax bytes, then the extraneous check. bSuffixGiven tells whether
// a unit letter was written.
bool ParseSizeOperand(CStringList& tokens, UINT64& ullValue, UINT64 ullMin, UINT64 ullMax,
                      bool& bSuffixGiven, CString& strError);
// A name of at most nMaxLength characters of A-Z and 0-9; the empty text is
// accepted. Reports "%s: value longer than %d-character maximum" and
// "%s: only uppercase A-Z and/or 0-9 allowed" with the label.
bool ParseNameOperand(const CString& strOperand, CString& strValue, const char* pszLabel,
                      int nMaxLength, CString& strError);

// True for a non-empty text of decimal digits whose value fits an unsigned
// 32-bit number and lies in nMin..nMax; the value is stored only then.
bool ParseUIntInRange(const CString& strText, UINT nMin, UINT nMax, UINT& nValue);
