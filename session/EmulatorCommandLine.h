// EmulatorCommandLine.h: the command line that starts the emulator, built
// from the current configuration and the preferences.
#pragma once

#include "platform/CString.h"

// The pieces of an emulator start. Folders end in their separator; joining
// a folder and a name is plain concatenation.
struct SEmulatorStart {
    CString strExecutablesDir;  // the executables folder
    CString strExeName;         // the emulator's program file ("Vornamic.exe")
    CString strConfigPath;      // folder + name; empty for a run without configuration
    CString strRCFile;          // run-command file; empty: none
    CString strLogoFile;        // logo file; empty: none
    CString strExtraArgs;       // "ExtraCmdLineArgs" ("EXTERNALGUI" by default)
};

// The quoted program, " -f " and the quoted configuration path (or "none"),
// " -r " and the quoted run-command file when there is one, " -b " and the
// quoted logo file when there is one, then a blank and the extra arguments.
// Quoting adds double quotes only to a word that needs them.
CString BuildEmulatorCommandLine(const SEmulatorStart& start);
