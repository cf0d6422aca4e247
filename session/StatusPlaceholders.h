// StatusPlaceholders.h: the texts the status-line parts and the register
// fields show while no emulator reports them (at start-up and after the
// emulator ended).
#pragma once

#include "platform/CString.h"

// Part 0 "CP?? PSW=???????? ???????? ????????????????", part 1 eight dots,
// then "instcount=0", "MIPS=0" and "SIOS=0"; empty for another index.
CString StatusPartPlaceholder(int nPart);

// The register field's label, "=" and one group of question marks per
// register: eight for a 32-bit register (four a field), sixteen for a 64-bit
// one (two a field, shown without "64_"), and for a vector register two
// groups of sixteen joined by a point (two registers a field). Empty for an
// index out of range.
CString RegisterFieldPlaceholder(int nField);
