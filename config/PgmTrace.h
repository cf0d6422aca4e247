// PgmTrace.h: the one mapping between PGMTRACE program-interruption codes and
// the bits of the configuration's two 64-bit trace masks, shared by the
// statement's reader and the writer so that a saved file reads back the same.
#pragma once

#include "platform/Types.h"

// Codes 0x00..0x3F; code c is bit 63 - c (code 0 the most significant bit).
const UINT kPgmTraceMaxCode = 0x3F;

inline UINT64 PgmTraceBit(UINT nCode)
{
    return (UINT64)0x8000000000000000ull >> nCode;
}
