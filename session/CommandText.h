// CommandText.h: the text rules of a command sent to the emulator, window-
// free: the "vorn " prefix that older emulators want before the program's
// commands and newer ones no longer take, and the commands that end the
// emulator (they arm the shutdown watchdog).
#pragma once

#include "platform/CString.h"

// The first emulator version that takes its commands without "vorn ".
const double kVornPrefixDroppedVersion = 4.0;

// The command as it goes to an emulator of version dVersion (0.0 while none
// was reported): from version 4.0 on a leading "vorn " (any case) is dropped
// and the rest trimmed of blanks at both ends; otherwise unchanged.
CString CommandForEmulator(const CString& strCommand, double dVersion);
// A command the program builds ("ipl 0120", "attach 0580 3420 tape.aws";
// a leading "vorn " counts as given) in the form an emulator of version
// dVersion takes: "vorn " and the command below 4.0 and while no version
// was reported, the bare command from 4.0 on.
CString VornCommandForEmulator(const CString& strCommand, double dVersion);

// True for "exit", "quit" or "ssd" as the first word (any case, blanks
// around it ignored): "EXIT now" and "ssd" qualify, "exiting" does not.
bool IsShutdownCommand(const CString& strCommand);
