// OperandValues.h: value checks of system-statement operands that several
// statements and the system configuration dialog share: storage sizes with
// unit letters, the ENGINES list, CPU model symbols and the z-series model
// list, and base-36 names. They work on one operand text; the statement
// handlers take the operands from the statement and report the messages.
#pragma once

#include "platform/CString.h"
#include "platform/Types.h"

// Number of engine-type slots of a configuration (one per possible CPU).
enum { kMaxEngineSlots = 64 };

// Parses a storage size: all decimal digits is a number of megabytes; else the
// last character is a unit letter of "BKMGTPE" (either case) behind decimal
// digits. bSuffixGiven becomes true when a unit letter was recognised, even when
// the rest is invalid. The byte count must lie in ullMin..ullMax; a number or a
// product that does not fit in 64 bits is refused. ullValue changes only on success.
bool ParseSizeValue(const CString& strOperand, UINT64 ullMin, UINT64 ullMax,
                    UINT64& ullValue, bool& bSuffixGiven);

// Parses an ENGINES list ("2*CP,IP,AP") into the engine-type slots: the first
// nMaxCPUs slots (at most kMaxEngineSlots) are set to CP first, then every item
// fills its count of slots in order. The first bad item ends the list and its
// message is appended to strError; returns false then.
bool ParseEnginesList(const CString& strOperand, int nMaxCPUs, DWORD* pEngines,
                      CString& strError);

// True for a model of the z-series list (the models that support transactional
// execution), compared without regard to case.
bool IsZSeriesModel(const char* pszModel);
// The model number of a CPU model symbol such as "$(z15)" (case-insensitive);
// any other text unchanged.
CString ResolveModelSymbol(const CString& strSymbol);
// True when every character is 0-9 or A-Z (upper case only); true for "".
bool IsBase36String(const char* psz);
