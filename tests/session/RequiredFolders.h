// RequiredFolders.h: settings that let the console view's start-up folder
// check pass without a question, for tests that create the view.
#pragma once

#include <string>

namespace vorntest {

// Writes the executables folder (the test program's, where the emulator
// stand-in lies), and strFolder as the configuration and log folder, in
// the current settings store; the emulator is the stand-in vornemu.exe.
void WriteValidRequiredFolders(const std::string& strFolder);

}  // namespace vorntest
