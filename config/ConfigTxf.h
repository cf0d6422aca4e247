// ConfigTxf.h: whether a configuration has transactional execution (TXF)
// enabled, for the CPU model check of the reader and the ARCHLVL statement.
#pragma once

class CVornConfigFile;

// Starts from the console's "PresumeTXF" setting under z/Arch; then the last
// FACILITY entry for facility 73 ("073_TRANSACT_EXEC", "BIT73" or "73",
// without regard to case) decides.
bool IsTXFEnabled(const CVornConfigFile& cfg);
