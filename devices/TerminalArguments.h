// TerminalArguments.h: the argument words of the consoles and display
// terminals and the commands their dialogs build, window-free.
//
// An integrated console ("1052-C", "3215-C") takes a one-character command
// prefix and "noprompt"; the consoles a user reaches over a terminal
// connection ("1052", "3215") take "noprompt", a terminal group and a client
// IP address with its subnet mask; a display terminal ("3270", "SYSG") the
// group, IP and mask. A group of "*" stands for none; it is written only
// when an address follows it (a display always writes at least "*").
#pragma once

#include "platform/CString.h"

// "1052-C" or "3215-C", without regard to case.
bool IsIntegratedConsoleType(const char* pszTypeName);

struct STerminalFields {
    CString strGroup;  // the terminal group, or an integrated console's command prefix
    CString strIP;     // the client IP address, dotted; empty: none
    CString strMask;   // its subnet mask, dotted; empty: none
    bool bNoprompt = false;
};

// A console's argument text by its type. An integrated console's first word
// is its prefix and "noprompt" may follow (a first word "noprompt" is the
// flag: that is how a console without a prefix is written). The others
// begin with an optional "noprompt", then the group, the IP and the mask.
// An address that is not dotted IPv4 is left out; a group "*" is empty.
void ParseConsoleArguments(const char* pszTypeName, const char* pszArgs, STerminalFields& fields);
// A display's argument text: group, IP and mask, as for a console.
void ParseDisplayArguments(const char* pszArgs, STerminalFields& fields);

// The argument words of a console: an integrated one's prefix and
// "noprompt"; the others' "noprompt", the group ("*" when an address
// follows without one), the IP and the mask. Trimmed, single blanks.
CString BuildConsoleArguments(const char* pszTypeName, const STerminalFields& fields);
// The argument words of a display: the group or "*", the IP and the mask.
CString BuildDisplayArguments(const STerminalFields& fields);

// The check of an integrated console's command prefix. The text is trimmed
// in place first; empty or one character passes (nullptr), else the
// message: a blank, the reserved ']', a letter, '#' (a statement's comment
// would swallow it) or more than one character.
const char* CommandPrefixMessage(CString& strPrefix);

// "attach <number> <type>" and " <arguments>" when there are any, or
// "devinit <number>" likewise.
CString ConsoleCommand(bool bAdd, const CString& strDevnum, const CString& strType, const CString& strArgs);
// "attach <number> <type> <arguments>" or "devinit <number> <arguments>",
// with "*" for no arguments.
CString DisplayCommand(bool bAdd, const CString& strDevnum, const CString& strType, const CString& strArgs);
