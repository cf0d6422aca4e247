// EmulatorCopy.h: the emulator stand-in copied under another program name
// (the emulator's own, "Vornamic.exe", in an executables folder of the
// demonstration) plays the emulator program itself: it has no time limit,
// as the emulator has none, and without a script of its own it speaks as
// the emulator does when it starts. Under its own name (vornemu.exe, as the
// tests start it) it stays silent unless scripted and ends after two
// minutes, so that a forgotten stand-in does not linger. Window-free.
#pragma once

#include <string>

#include "platform/Types.h"

// The stand-in's own program name, in capitals without extension.
extern const char kEmulatorStandinName[];   // "VORNEMU"

// True when the program (its file name in capitals without extension)
// plays the emulator: any name but the stand-in's own.
bool PlaysEmulatorProgram(const std::string& strProgramName);

// The lifetime of a stand-in started under the name when --lifetime does
// not say: 120000 ms under its own name, 0 (none) as the emulator.
DWORD DefaultEmulatorLifetimeMs(const std::string& strProgramName);

// The script of the emulator program when none is given: stopped until an
// IPL, commands echoed on the console, its start-up messages naming the
// configuration file and its device count, and a round of status lines
// every half second.
std::string EmulatorProgramScript(const std::string& strConfigFile, int nDevices);
