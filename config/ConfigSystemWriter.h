// ConfigSystemWriter.h: the text of a configuration file before its devices:
// the console's header comments and the system statements in their fixed
// order. Lines end with a line feed; the writer turns them into CR-LF.
#pragma once

#include "platform/CString.h"

class CVornConfigFile;

// "# Key: value" header block, ending with the "System parameters" heading.
CString FormatConfigHeader(const CVornConfigFile& cfg);
// DEFSYM lines, the system statements and the statements kept as written,
// except the kept device statements.
CString FormatSystemStatements(const CVornConfigFile& cfg);

// True when a kept statement is a device statement that defined nothing (a
// bad one, or a second definition of a device number). Such lines are written
// after the devices: before them, a second definition would win on the next
// read over the device that the configuration holds.
bool IsKeptDeviceStatement(const CString& strLine);
// One statement line: the keyword padded to 20 columns, a blank, the operands.
CString FormatStatementLine(const char* pszKeyword, const CString& strOperands);
