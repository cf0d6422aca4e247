// UtilityKinds.h: which utility the utility stand-in plays, and what it
// writes when no script is given. vornutil.exe copied to the name of a
// utility program ("VOLMAKE.exe", "packcheck64.exe") plays that utility.
#pragma once

#include <string>

// The utility kind of a program name (path, extension, case and a "64"
// suffix ignored): "C:\x\VOLMAKE64.EXE" -> 2. -1 for a name it does not know.
int UtilityKindFromProgram(const std::string& strProgram);

// The kind of a --kind argument: a number, or a utility name.
bool ParseUtilityKind(const std::string& strText, int& nKind);

// The script a utility of this kind runs when none is given: its totals and
// positions in the keywords its kind uses, a closing message, return code 0.
std::string DefaultUtilityScript(int nKind);

// The card-submission helper's run for a deck of nDeckBytes: the bytes
// sent so far as "XBYTES=" lines, ten steps up to the deck's size.
std::string CardSubmissionScript(unsigned long long nDeckBytes);
